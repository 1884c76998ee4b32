// Damaged and hand-edited files as fuzzing found them: each value that used
// to overflow, hang or pass as a wrong result is now refused with a text that
// names the line, the key, the value and the allowed range, and leaves the
// project in memory as it was; values the module itself writes read back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {
namespace {

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

// The defaults as the module writes them, with `option` applied first.
Lines Project(void (*option)() = [] {}) {
  UseBuiltInWeather();
  Messung = 0.0;
  Simulate(-3);
  option();
  int zs = Zeitschritt, spj = SchritteProJahr;
  WriteOutputHeader("hostile_base.qeb", zs, spj);
  AusgabeText.Close();
  return Split(Slurp("hostile_base.qeb"));
}

// Replaces the first value of line `line` (1-based).
void SetFirst(Lines& f, int line, const std::string& value) {
  std::string& l = f[line - 1];
  l = value + l.substr(l.find('\t'));
}

// Reads the file on fresh defaults; returns the refusal text, or "" when read.
std::string ReadText(const Lines& f) {
  Store("hostile.qeb", f);
  Messung = 0.0;
  Simulate(-3);
  Inputfile = "hostile.qeb";
  readfile = true;
  try {
    Simulate(-2);
  } catch (const CalcError& e) {
    return e.what();
  }
  return {};
}

void ExpectRefused(const Lines& f, int line, const std::string& key, const std::string& value,
                   const std::string& range) {
  SCOPED_TRACE(key + " = " + value);
  const std::string text = ReadText(f);
  ASSERT_FALSE(text.empty()) << "read without complaint";
  EXPECT_NE(text.find("Zeile / line " + std::to_string(line)), std::string::npos) << text;
  EXPECT_NE(text.find(key), std::string::npos) << text;
  EXPECT_NE(text.find(value), std::string::npos) << text;
  EXPECT_NE(text.find(range), std::string::npos) << text;
}

TEST(HostileFiles, RunHoursAndPeakDaysAreBoundedIntegers) {
  // 31 x 100000000 overflowed the run initialisation's yearly hours.
  Lines f = Project();
  SetFirst(f, 110, "100000000");
  ExpectRefused(f, 110, "Laufzeit[1]", "100000000", "-24 .. 24");
  f = Project();
  SetFirst(f, 123, "-2147483648");
  ExpectRefused(f, 123, "DauerLastSpitze", "-2147483648", "0 .. 28");
  f = Project();
  SetFirst(f, 123, "2147483648");  // past the int range: not a number of the file at all
  EXPECT_FALSE(ReadText(f).empty());
  // With energies instead of hours, a month may hold many kWh.
  f = Project([] { Durchschnittsentzug = true; });
  SetFirst(f, 110, "250000");
  EXPECT_EQ(ReadText(f), "");
  EXPECT_EQ(Laufzeit[1], 250000);
}

TEST(HostileFiles, ARefusedFileLeavesTheProjectAsItWas) {
  Lines f = Project();
  SetFirst(f, 7, "150");  // Sondenlaenge, read before the bad line
  SetFirst(f, 69, "-1.7e308");
  Store("hostile.qeb", f);
  Messung = 0.0;
  Simulate(-3);
  Sondenlaenge = 77.0;
  Projekttitel1 = "before";
  Inputfile = "hostile.qeb";
  readfile = true;
  try {
    Simulate(-2);
    FAIL() << "read without complaint";
  } catch (const CalcError& e) {
    EXPECT_NE(std::string(e.what()).find("Jahresmitteltemp"), std::string::npos) << e.what();
  }
  EXPECT_DOUBLE_EQ(Sondenlaenge, 77.0);
  EXPECT_EQ(Projekttitel1, "before");
  EXPECT_DOUBLE_EQ(Jahresmitteltemp, 9.0);
  EXPECT_FALSE(Eingabedatei.IsOpen());
}

TEST(HostileFiles, GroundTemperaturesThatOverflowTheStartGridAreRefused) {
  Lines f = Project();
  SetFirst(f, 69, "-1.7e308");
  ExpectRefused(f, 69, "Jahresmitteltemp", "-1.7e+308", "-100 .. 150");
  f = Project();
  SetFirst(f, 70, "-1.7e308");
  ExpectRefused(f, 70, "TGrad", "-1.7e+308", "-1 .. 1");
  // The largest plausible values still give a finite start.
  f = Project();
  SetFirst(f, 69, "150");
  SetFirst(f, 70, "1");
  ASSERT_EQ(ReadText(f), "");
  Simulate(-1);
  for (int k = 0; k <= DimRad + 1; ++k) EXPECT_TRUE(std::isfinite(TGitter[1][k]));
  Simulate(-4);
}

// Found by fuzzing: each value in its range, but a rated flow of almost nothing
// scales the evaporator's drop past every number, and the run started with an
// infinite pressure drop.
TEST(HostileFiles, AnInfinitePressureDropIsRefusedAtInitialisation) {
  Messung = 0.0;
  Simulate(-3);
  readfile = false;
  writefile = false;
  Druck = true;
  NenndurchsatzVerdampfer = 1e-200;
  try {
    Simulate(-1);
    FAIL() << "run started with pressure drop " << AuslegungsDruckabfall_Sondenkreis;
  } catch (const CalcError& e) {
    EXPECT_NE(std::string(e.what()).find("pressure drop"), std::string::npos) << e.what();
  }
  AbandonRun();
  Simulate(-3);
  readfile = false;
  writefile = false;
  Simulate(-1);
  EXPECT_TRUE(std::isfinite(AuslegungsDruckabfall_Sondenkreis));
  Simulate(-4);
}

// Found by fuzzing: a design flow of 2600 kg/s through one probe with
// transient brine asked for 566,835 brine sub-steps per grid sub-step, and a
// year took minutes. A tenth of that flow still runs.
TEST(HostileFiles, ADesignFlowThatWouldNeedTooManyBrineSubStepsIsRefused) {
  auto start = [](double flow) {
    Messung = 0.0;
    Simulate(-3);
    readfile = false;
    writefile = false;
    stationaer = false;
    Auslegungsmassenstrom = flow;
    Simulate(-1);
  };
  try {
    start(2600.0);
    FAIL() << "run started with " << substep_run << " brine sub-steps";
  } catch (const CalcError& e) {
    EXPECT_NE(std::string(e.what()).find("too many brine sub-steps"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("design flow"), std::string::npos) << e.what();
  }
  AbandonRun();
  start(260.0);
  EXPECT_GT(substep_run, 10000);
  EXPECT_LE(static_cast<double>(substep_run) * subdt * DimAxi, kMaxSoleTeilschritte);
  Simulate(-4);
  start(0.5);
  EXPECT_LT(substep_run, 1000);
  Simulate(-4);
}

TEST(HostileFiles, FrostLimitOutsideTheFluidRangeIsRefusedAtReadAndAtInitialisation) {
  Lines f = Project([] { WP = true; });
  SetFirst(f, 127, "600");
  ExpectRefused(f, 127, "WPFrostgrenze", "600", "-60 .. 100");
  // Set by a window, past the reader: the run initialisation refuses it.
  Messung = 0.0;
  Simulate(-3);
  readfile = false;
  WP = true;
  WPFrostgrenze = 600.0;
  try {
    Simulate(-1);
    FAIL() << "run started";
  } catch (const CalcError& e) {
    EXPECT_NE(std::string(e.what()).find("WPFrostgrenze"), std::string::npos) << e.what();
  }
  AbandonRun();
}

TEST(HostileFiles, LoadFileGenerationRefusesValuesThatOverflow) {
  // A huge hot-water energy over a tiny power was converted from infinity to int.
  Messung = 0.0;
  Simulate(-3);
  readfile = false;
  HeizlastWW = 1e308;
  Heizleistung_WW = 1e-300;
  Inputfile2 = "hostile_load.qeb";
  try {
    Simulate(-6);
    FAIL() << "load file generated";
  } catch (const CalcError& e) {
    EXPECT_NE(std::string(e.what()).find("HeizlastWW"), std::string::npos) << e.what();
  }
  Simulate(-3);
  readfile = false;
  DauerLastSpitze = -2147483647 - 1;
  EXPECT_THROW(Simulate(-6), CalcError);
  // The largest plausible values generate a whole file.
  Simulate(-3);
  readfile = false;
  HeizlastWW = 1e10;
  Heizleistung_WW = 1e-3;
  DauerLastSpitze = 28;
  Lastprofil2 = true;
  EXPECT_NO_THROW(Simulate(-6));
}

TEST(HostileFiles, AnHourAtThePassLimitReportsNoConvergence) {
  Messung = 0.0;
  Simulate(-3);
  readfile = false;
  writefile = false;
  // A load no probe can carry: every pass diverges and restarts.
  QSource = 1e5;
  Massenstrom = 0.3;
  Simulate(-1);
  ++Schrittzaehler;
  Simulate(0);
  EXPECT_EQ(Rechenstatus, 2);
  Simulate(-4);
}

TEST(HostileFiles, SiteFileWithImplausibleChangesIsNotUsed) {
  {
    std::ofstream f("hostile.stao", std::ios::binary);
    f << "Standort\r\nYear\tx-Koord\ty-Koord\tdT Stao [K]\r\n";
    f << "2025\t0\t0\t0.1\r\n2026\t0\t0\t1.7e308\r\n";
  }
  DatenfileFehler.clear();
  TStandortJahr[0] = 0.0;
  EXPECT_FALSE(ReadLocationFile("hostile.stao"));
  EXPECT_FALSE(StaoGelesen);
  EXPECT_DOUBLE_EQ(TStandortJahr[0], 0.0) << "nothing of the file is taken";
  EXPECT_NE(DatenfileFehler.find("hostile.stao, Zeile / line 4"), std::string::npos) << DatenfileFehler;
  EXPECT_NE(DatenfileFehler.find("-100 .. 100"), std::string::npos) << DatenfileFehler;
}

TEST(HostileFiles, LayerTableAndRockTableRefuseImplausibleValues) {
  {
    std::ofstream f("hostile_swqeb.dat", std::ios::binary);
    f << "\"Nr\";\"Name\";\"Dicke\";\"T\";\"lambda\";\"cp\";\"rho\"\r\n";
    f << "\"1\";\"Kies\";30;10.5;2.1;900;2200\r\n\"2\";\"Fels\";70;12;1e300;850;2650\r\n";
  }
  Messung = 0.0;
  Simulate(-3);
  SwqebFile = "hostile_swqeb.dat";
  swqebinput = true;
  try {
    Simulate(-5);
    FAIL() << "table taken";
  } catch (const CalcError& e) {
    const std::string t = e.what();
    EXPECT_NE(t.find("Zeile / line 3"), std::string::npos) << t;
    EXPECT_NE(t.find("lambdaErde"), std::string::npos) << t;
  }
  EXPECT_DOUBLE_EQ(lambdaErde[1], 2.4) << "the ground stays as it was";
  {
    std::ofstream f("geologie.qeb", std::ios::binary);
    f << "Gestein\r\nGranit\t3.4\t2650\t880\r\nKalk\t-5\t2600\t900\r\n";
  }
  const double before = Erdlambda[1];
  EXPECT_FALSE(ReadGeologyFile());
  EXPECT_DOUBLE_EQ(Erdlambda[1], before);
  EXPECT_NE(DatenfileFehler.find("geologie.qeb, Zeile / line 3"), std::string::npos) << DatenfileFehler;
  std::remove("geologie.qeb");
}

// Every value of the layout has a range that holds its default, and the
// headers the module writes with each option read back (files with stored
// rows are read by the reader tests and the fuzz corpus).
TEST(HostileFiles, EveryLayoutValueHasARangeThatHoldsWhatTheModuleWrites) {
  Messung = 0.0;
  Simulate(-3);
  for (const LineSpec& s : ProjectLayout())
    for (const Field& f : s.fields) {
      if (f.fmt == Fmt::B || f.fmt == Fmt::T || s.never) continue;  // results the reader never takes
      EXPECT_NE(RangeOf(f.key), nullptr) << f.key << " (line " << s.line << ") has no range";
    }
  EXPECT_NO_THROW(CheckProjectValues());
  void (*options[])() = {
      [] {},
      [] { solar = true; },
      [] { Freecooling = true; },
      [] {
        WP = true;
        Frostbegrenzung = true;
      },
      [] { Lastprofil = true; },
      [] { Durchschnittsentzug = true; },
      [] { TempProfil = true; },
      [] { KoaxialSonde = true; },
  };
  for (auto option : options) {
    Lines f = Project(option);
    EXPECT_EQ(ReadText(f), "");
  }
}

}  // namespace
}  // namespace qeb
