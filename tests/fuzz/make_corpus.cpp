// Writes the seed corpus of the project-file targets into the directory named
// by the first argument: files the module writes itself. The defaults, the
// layouts of older versions as the reader tests build them, stored hourly
// rows of a system simulation and of measured values, and the output of a
// short run of each plant option.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"

namespace {

using namespace qeb;
using Lines = std::vector<std::string>;  // index = line number - 1

std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

Lines Split(const std::string& bytes) {
  Lines out;
  size_t p = 0;
  while (p < bytes.size()) {
    size_t e = bytes.find("\r\n", p);
    if (e == std::string::npos) e = bytes.size();
    out.push_back(bytes.substr(p, e - p));
    p = e + 2;
  }
  return out;
}

void Store(const std::string& path, const Lines& lines) {
  std::ofstream f(path, std::ios::binary);
  for (const auto& l : lines) f << l << "\r\n";
}

Lines Defaults(const std::string& dir, void (*option)() = [] {}) {
  int code = -3;
  Simulate(code);
  option();
  int zs = Zeitschritt, spj = SchritteProJahr;
  WriteOutputHeader(dir + "/tmp_defaults", zs, spj);
  AusgabeText.Close();
  Lines l = Split(Slurp(dir + "/tmp_defaults"));
  std::remove((dir + "/tmp_defaults").c_str());
  return l;
}

// The current file labelled as version v (l[0] is line 1).
Lines Versioned(Lines f, int v) {
  f[0] = std::to_string(v) + ".0 Version des Ausgabefiles, Programm QEB";
  if (v < 26) f[297] = "FALSE\t\tReserven\t\tReserven";
  return f;
}

// A run of the whole first year of the defaults with one plant option; its
// output is a project file with 8760 rows.
void RunOutput(const std::string& dir, const std::string& name, void (*option)()) {
  int code = -3;
  UseBuiltInWeather();
  Simulate(code);
  readfile = false;
  LastYear = 1;
  option();
  Outputfile = dir + "/" + name;
  writefile = true;
  Auslegungsentzug = QSource;
  code = -1;
  Simulate(code);
  Schrittzaehler = 0;
  Jahr = 1;
  while (Jahr <= LastYear) {
    Vorlauf = false;
    ++Schrittzaehler;
    code = 0;
    Simulate(code);
    if (Rechenstatus >= 2) Rechenstatus = 1;
  }
  code = -4;
  Simulate(code);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: make_corpus DIR\n";
    return 2;
  }
  const std::string dir = argv[1];
  try {
    const Lines base = Defaults(dir);
    Store(dir + "/defaults_v28.qeb", base);
    for (int v : {26, 24, 22, 21, 19, 17, 16, 15}) Store(dir + "/v" + std::to_string(v) + ".qeb", Versioned(base, v));
    {
      // Version 14: the lines it lacks are not in the file.
      const Lines f = Versioned(base, 14);
      Lines g;
      for (int l = 1; l <= 1001; ++l) {
        if (l == 248 || l == 291 || l == 351 || l == 741 || l == 762 || l == 999) continue;
        if (l == 292) g.insert(g.end(), {"reserve", "reserve"});
        if (l == 401) g.push_back("reserve");
        if (l == 1001) g.insert(g.end(), {"reserve", "reserve", "reserve"});
        g.push_back(f[l - 1]);
      }
      Store(dir + "/v14.qeb", g);
    }
    {
      // Version 8: a 401-line header.
      const Lines f = Versioned(base, 8);
      Lines g;
      for (int l = 1; l <= 398; ++l) {
        if (l == 248 || l == 289 || l == 291 || l == 292 || l == 351) continue;
        if (l == 293) g.insert(g.end(), 4, "reserve");
        g.push_back(f[l - 1]);
      }
      g.insert(g.end(), 3, "reserve");
      g.push_back("Step\tM\tTSink");
      g.push_back("1\t0.5\t10.0\t3.0");
      Store(dir + "/v8.qeb", g);
    }
    {
      // Version 0: the oldest, 201-line header.
      Lines g{"Alte Datei"};
      for (int l = 2; l <= 200; ++l) g.push_back(base[l - 1]);
      g.push_back("Step");
      g.push_back("1\t0.5\t10.0\t3.0");
      Store(dir + "/v0.qeb", g);
    }
    {
      // Stored rows: a system simulation's 15 columns, and measured values.
      Lines sys = Defaults(dir, [] { Systemsimulation = true; });
      Lines mess = Defaults(dir, [] { Messung = 1.0; });
      for (int h = 1; h <= 8760; ++h) {
        sys.push_back(std::to_string(h) + "\t0.085\t0\t0\t0\t5.0\t70\t200\t0\t0\t0\t1\t5\t0\t0");
        mess.push_back(std::to_string(h) + "\t0.085\t5.0\t1");
      }
      Store(dir + "/rows_system.qeb", sys);
      Store(dir + "/rows_measured.qeb", mess);
      Messung = 0.0;
    }
    RunOutput(dir, "run_defaults.qeb", [] {});
    RunOutput(dir, "run_transient.qeb", [] { stationaer = false; });
    RunOutput(dir, "run_solar.qeb", [] { solar = true; });
    RunOutput(dir, "run_freecooling.qeb", [] { Freecooling = true; });
    RunOutput(dir, "run_wp.qeb", [] {
      WP = true;
      Frostbegrenzung = true;
    });
  } catch (const CalcError& e) {
    std::cerr << "make_corpus: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
