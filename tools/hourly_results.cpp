// hourly_results: runs a fixed set of configurations through the module and
// writes, for each, the bytes of every hour's results and the files the run
// leaves, so that two builds can be compared byte for byte (cmp -r).
//
//   hourly_results OUTDIR [NAME ...]
//
// OUTDIR/<name>/hours.bin holds per simulated hour: year, step counter (as
// doubles), TSource, TSink, QSource, Massenstrom, TMonitor, and every node of
// the grid with both brine channels, in native byte order. The run's output
// file "Ausgabe.txt", "TEarth.qeb" and "anfahr.qeb" are written beside it.
// Without names every configuration runs.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace {

using namespace qeb;

struct Config {
  const char* name;
  std::function<void()> set;
};

void Grid(int axi, int rad) {
  DimAxi = axi;
  DimRad = rad;
}

const std::vector<Config>& Configs() {
  static const std::vector<Config> c = {
      {"utube_stat_power_1x5", [] {}},
      {"utube_stat_power_10x12", [] { Grid(10, 12); }},
      {"utube_trans_power_10x12", [] {
         Grid(10, 12);
         stationaer = false;
       }},
      {"utube_trans_temp_3x8", [] {
         Grid(3, 8);
         stationaer = false;
         Leistung = false;
         TSink = 2.0;
       }},
      {"utube_stat_temp_1x5_single", [] {
         Leistung = false;
         TSink = 1.0;
         einfachU = true;
         alpha_pro_Schritt = false;
       }},
      {"coax_stat_power_1x5", [] { KoaxialSonde = true; }},
      {"coax_trans_power_5x6", [] {
         Grid(5, 6);
         KoaxialSonde = true;
         stationaer = false;
       }},
      {"coax_reversed_stat_4x7", [] {
         Grid(4, 7);
         KoaxialSonde = true;
         Gegenstrom = true;
         QSource = -4.0;
       }},
      {"coax_reversed_trans_2x5", [] {
         Grid(2, 5);
         KoaxialSonde = true;
         Gegenstrom = true;
         stationaer = false;
         QSource = -4.0;
         LastYear = 2;
       }},
      {"coax_trans_temp_3x5", [] {
         Grid(3, 5);
         KoaxialSonde = true;
         stationaer = false;
         Leistung = false;
         TSink = 3.0;
         LastYear = 2;
       }},
      {"utube_freecooling_2x6", [] {
         Grid(2, 6);
         Freecooling = true;
       }},
      {"utube_50y_1x5", [] { LastYear = 50; }},
      {"utube_50y_jump_10x12", [] {
         Grid(10, 12);
         LastYear = 50;
         Starttemp = true;
       }},
      {"utube_50y_jump_gfunction_4x8", [] {
         Grid(4, 8);
         LastYear = 50;
         Starttemp = true;
         gfunction = true;
         stationaer = false;
       }},
  };
  return c;
}

void Append(std::vector<double>& out, double v) { out.push_back(v); }

void RunConfig(const Config& c, const std::string& dir) {
  ::mkdir(dir.c_str(), 0777);
  if (::chdir(dir.c_str()) != 0) throw CalcError("cannot enter " + dir);
  UseBuiltInWeather();
  Simulate(-3);
  readfile = false;
  writefile = true;
  TEarth = true;
  stepWrite_TEarth = 97;
  Outputfile = "Ausgabe.txt";
  c.set();
  Auslegungsentzug = QSource;
  Simulate(-1);
  Schrittzaehler = 0;
  Jahr = 1;
  std::vector<double> hours;
  hours.reserve(1 << 20);
  std::FILE* f = std::fopen("hours.bin", "wb");
  if (!f) throw CalcError("cannot write hours.bin");
  auto flush = [&] {
    if (!hours.empty() && std::fwrite(hours.data(), sizeof(double), hours.size(), f) != hours.size())
      throw CalcError("write error");
    hours.clear();
  };
  while (Jahr <= LastYear) {
    Vorlauf = Jahr < LastYear;
    ++Schrittzaehler;
    Append(hours, Jahr);
    Append(hours, Schrittzaehler);
    int code = 0;
    Simulate(code);
    if (Rechenstatus >= 2 && Rechenstatus <= 4) Rechenstatus = 1;
    Append(hours, TSource);
    Append(hours, TSink);
    Append(hours, QSource);
    Append(hours, Massenstrom);
    Append(hours, TMonitor);
    for (int j = 1; j <= DimAxi; ++j)
      for (int k = 0; k <= DimRad + 1; ++k) Append(hours, TGitter[j][k]);
    for (int j = 0; j <= DimAxi; ++j) {
      Append(hours, TSoleAb[j]);
      Append(hours, TSoleAuf[j]);
    }
    if (hours.size() > (1u << 20)) flush();
  }
  int finish = -4;
  Simulate(finish);
  flush();
  std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: hourly_results OUTDIR [NAME ...]\n");
    return 2;
  }
  ::mkdir(argv[1], 0777);
  char base[4096];
  if (!::realpath(argv[1], base)) return 2;
  int failed = 0;
  for (const Config& c : Configs()) {
    bool wanted = argc == 2;
    for (int i = 2; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], c.name) == 0;
    if (!wanted) continue;
    // Each configuration in a process of its own: the module keeps sums and
    // tables across runs, so a run must not see what an earlier one left.
    std::fflush(stdout);
    const pid_t pid = ::fork();
    if (pid == 0) {
      int rc = 0;
      try {
        RunConfig(c, std::string(base) + "/" + c.name);
        std::printf("%s\tyears %d\tTSource %.6f\n", c.name, qeb::LastYear, qeb::TSource);
      } catch (const std::exception& e) {
        qeb::AbandonRun();
        std::printf("%s\tfailed: %s\n", c.name, e.what());
        rc = 1;
      }
      std::fflush(stdout);
      ::_exit(rc);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) ++failed;
  }
  return failed == 0 ? 0 : 1;
}
