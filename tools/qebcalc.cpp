// qebcalc: runs one calculation of the module without windows.
//
//   qebcalc [PROJECT.txt [OUTPUT.txt]]
//
// Reads the project (without one: the defaults of a new project, nothing
// read), runs every step of every simulated year and writes the output file
// (default "Ausgabe.qeb" in the current directory), and "TEarth.qeb" and
// "anfahr.qeb" when the project asks for them. One progress line per
// simulated year: year, lowest and highest fluid temperature. On failure the
// module's error text goes to stderr and the exit status is 1.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"

namespace {

struct YearRange {
  int year = 0;
  double tMin = 1e300;
  double tMax = -1e300;
  bool any = false;
  void Add(double t) {
    tMin = std::min(tMin, t);
    tMax = std::max(tMax, t);
    any = true;
  }
};

void PrintYear(const YearRange& r) {
  if (!r.any) return;
  std::printf("%d\t%s\t%s\n", r.year, qeb::FormatFixed(r.tMin, 0, 3).c_str(), qeb::FormatFixed(r.tMax, 0, 3).c_str());
  std::fflush(stdout);
}

int Run(int argc, char** argv) {
  using namespace qeb;
  // As the project window does when it is created: the built-in weather year
  // first, so plant and load models see real weather unless the project
  // brings its own rows.
  UseBuiltInWeather();
  Simulate(-3);
  if (argc >= 2) {
    Inputfile = argv[1];
    readfile = true;
    Simulate(-2);
    // The project's weather offset applies to the built-in year; stored
    // weather rows are taken as they stand.
    if (!WetterGeladen && Offset != OffsetAktuell) ShiftWeatherData();
  } else {
    readfile = false;
  }
  if (argc >= 3) Outputfile = argv[2];
  writefile = true;

  Simulate(-1);
  // Like the run driver: the main run counts its years from 1 whatever a
  // February-peak pre-run left.
  Schrittzaehler = 0;
  Jahr = 1;
  bool warned = false;
  YearRange range;
  range.year = Jahr;
  while (Jahr <= LastYear) {
    Vorlauf = Jahr < LastYear;
    ++Schrittzaehler;
    const int yearOfStep = Jahr;
    int code = 0;
    Simulate(code);
    if (yearOfStep != range.year) {
      PrintYear(range);
      range = YearRange{};
      range.year = yearOfStep;
    }
    range.Add(std::min(TSink, TSource));
    range.Add(std::max(TSink, TSource));
    if (Rechenstatus >= 2 && Rechenstatus <= 4) {
      // Without a user to ask, the run goes on as if "No" was answered.
      static const char* const kStatusText[] = {
          "Warnung: keine Konvergenz / warning: no convergence",
          "Warnung: Ruecklauftemperatur ausserhalb / warning: return temperature out of range",
          "Warnung: Kollektordurchsatz zu klein / warning: collector flow rate too low"};
      if (!warned) std::fprintf(stderr, "%s\n", kStatusText[Rechenstatus - 2]);
      warned = true;
      Rechenstatus = 1;
    }
  }
  PrintYear(range);
  int finish = -4;
  Simulate(finish);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 3) {
    std::fprintf(stderr, "usage: qebcalc [PROJECT.txt [OUTPUT.txt]]\n");
    return 2;
  }
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    qeb::AbandonRun();
    std::fprintf(stderr, "qebcalc: %s\n", e.what());
    return 1;
  }
}
