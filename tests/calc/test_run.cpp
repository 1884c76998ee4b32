// A whole calculation through the command entry: year-jump schedules, the
// physics of the end result, the yearly sums against the hourly records, the
// repeat of a step, the February-peak table and the refusal of bad inputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {
namespace {

// Runs the road of one calculation the way the run driver does and returns
// the years in which steps were simulated.
std::set<int> RunYears() {
  std::set<int> years;
  Simulate(-1);
  Schrittzaehler = 0;
  Jahr = 1;
  while (Jahr <= LastYear) {
    Vorlauf = Jahr < LastYear;
    ++Schrittzaehler;
    years.insert(Jahr);
    int code = 0;
    Simulate(code);
  }
  Simulate(-4);
  return years;
}

class RunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaults();
    readfile = false;
    writefile = false;
    stationaer = false;
    Jahreszeiten = false;
    Kellerflaeche = 0.0;
    Druck = false;
    AnfahrfileSchreiben = false;
    TEarth = false;
    LastYear = 1;
  }
  // Daily steps keep multi-year runs short; a week is 7 steps.
  void DailySteps() {
    Zeitschritt = 1440;
    SchritteProJahr = 365;
  }
};

// ---- year-jump schedules ----

TEST_F(RunTest, YearJumpSchedules) {
  DailySteps();
  Starttemp = true;
  struct Case {
    int lastYear;
    bool power;
    std::set<int> years;
  };
  const Case cases[] = {
      {3, true, {1, 2, 3}},   {3, false, {1, 2, 3}}, {4, false, {1, 3, 4}},
      {4, true, {1, 4}},      {30, false, {1, 29, 30}}, {30, true, {1, 30}},
      {50, false, {1, 49, 50}}, {50, true, {1, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "LastYear " << c.lastYear << (c.power ? " power" : " temperature"));
    LastYear = c.lastYear;
    Leistung = c.power;
    EXPECT_EQ(RunYears(), c.years);
  }
  // Without Starttemp every year is simulated.
  Starttemp = false;
  LastYear = 5;
  Leistung = true;
  EXPECT_EQ(RunYears(), (std::set<int>{1, 2, 3, 4, 5}));
}

TEST_F(RunTest, YearJumpAveragesTheBlocksOfOneYear) {
  DailySteps();
  Starttemp = true;
  Leistung = true;
  QSource = 1.5;
  RepRandbed = 4;  // 13 blocks a year
  LastYear = 10;
  Simulate(-1);
  Schrittzaehler = 0;
  Jahr = 1;
  // Run the first year up to its last step, then take the history it built.
  double expected = 0.0;
  while (Jahr == 1) {
    ++Schrittzaehler;
    if (Schrittzaehler == SchritteProJahr) {
      int code = 0;
      // The block means of the year as the jump will see them after this step.
      Simulate(code);
      break;
    }
    int code = 0;
    Simulate(code);
    if (Schrittzaehler == SchritteProJahr - 1) {
      double s = 0.0;
      for (int b = 1; b <= 13; ++b) s += QHistorie[1][b];
      expected = s / 13.0;
    }
  }
  EXPECT_EQ(Jahr, LastYear);
  // Constant extraction: the mean block load is the load per segment in W.
  EXPECT_NEAR(Randmittel[1], expected, 1e-9 * std::fabs(expected));
  EXPECT_NEAR(Randmittel[1], 1500.0 / AnzahlSonden / DimAxi, 1500.0 * 0.02);
  Simulate(-4);
}

// ---- physics ----

TEST_F(RunTest, NoLoadLeavesGroundAtStartTemperature) {
  // Uniform ground, brine circulating without extraction.
  TGrad = 0.0;
  Leistung = true;
  QSource = 0.0;
  Massenstrom = 0.3;
  Simulate(-1);
  const double t0 = TGitter[1][1];
  RunYears();
  for (int j = 1; j <= DimAxi; ++j)
    for (int k = 1; k <= DimRad + 1; ++k) EXPECT_NEAR(TGitter[j][k], t0, 1e-6) << j << "," << k;
  EXPECT_NEAR(TSource, t0, 1e-6);
  EXPECT_NEAR(QHeizSumme, 0.0, 1e-6);

  // Layered ground with standing brine: every segment keeps its own temperature.
  SetUp();
  DimAxi = 4;
  TGrad = 0.03;
  Leistung = true;
  QSource = 0.0;
  Massenstrom = 0.0;
  Simulate(-1);
  double start[11][14];
  for (int j = 1; j <= DimAxi; ++j)
    for (int k = 1; k <= DimRad + 1; ++k) start[j][k] = TGitter[j][k];
  EXPECT_GT(start[4][1], start[1][1]);
  RunYears();
  for (int j = 1; j <= DimAxi; ++j)
    for (int k = 1; k <= DimRad + 1; ++k) EXPECT_NEAR(TGitter[j][k], start[j][k], 1e-6) << j << "," << k;
}

TEST_F(RunTest, ConstantExtractionCoolsBrineAndSumsMatchRecords) {
  Leistung = true;
  QSource = 2.0;
  Massenstrom = 0.3;
  Simulate(-1);
  const double t0 = MeanFillTemperature();
  RunYears();
  // The brine leaves colder than the undisturbed ground, returns colder still,
  // and keeps cooling through the year.
  EXPECT_LT(TSourceStunde[24], t0);
  EXPECT_LT(TSourceStunde[8760], TSourceStunde[24]);
  for (int h : {1, 100, 5000, 8760}) {
    EXPECT_LT(TSinkStunde[h], TSourceStunde[h]);
    EXPECT_NEAR(QStunde[h], 2.0, 1e-12);
    // Energy balance of the brine: 2 kW at 0.3 kg/s.
    EXPECT_NEAR(TSourceStunde[h] - TSinkStunde[h], 2000.0 / (0.3 * cpSole), 1e-9);
  }
  // 2 kW for 8760 hours, by month and by day.
  EXPECT_NEAR(QHeizSumme, 17520.0, 1e-6);
  EXPECT_NEAR(QKuehlSumme, 0.0, 1e-9);
  EXPECT_NEAR(SummeQHeiz, QHeizSumme, 1e-9);
  const int days[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  double sum = 0.0;
  for (int m = 1; m <= 12; ++m) {
    EXPECT_NEAR(QHeizMonat[m], 2.0 * 24 * days[m], 1e-6) << m;
    sum += QHeizMonat[m];
  }
  EXPECT_NEAR(sum, QHeizSumme, 1e-6);
  for (int d : {1, 59, 365}) EXPECT_NEAR(QTagesmittel[d], 2.0, 1e-12);
  double hourly = 0.0;
  for (int h = 1; h <= 8760; ++h) hourly += QStunde[h];
  EXPECT_NEAR(hourly, QHeizSumme, 1e-6);
}

TEST_F(RunTest, InjectionCountsAsCooling) {
  Leistung = true;
  QSource = -1.0;
  Massenstrom = 0.3;
  RunYears();
  EXPECT_GT(TSourceStunde[8760], TSourceStunde[0] - 1e-9);
  EXPECT_NEAR(QKuehlSumme, -8760.0, 1e-6);
  EXPECT_NEAR(QHeizSumme, 0.0, 1e-9);
  EXPECT_NEAR(QKuehlMonat[12], -744.0, 1e-6);
}

TEST_F(RunTest, LongerProbeGivesWarmerMinimumFluidTemperature) {
  auto minFluid = [this](double length) {
    SetUp();
    Sondenlaenge = length;
    Leistung = true;
    QSource = 4.0;
    Massenstrom = 0.3;
    RunYears();
    return *std::min_element(TSinkStunde + 1, TSinkStunde + 8761);
  };
  const double t100 = minFluid(100.0), t150 = minFluid(150.0), t200 = minFluid(200.0);
  EXPECT_LT(t100, t150);
  EXPECT_LT(t150, t200);
}

TEST_F(RunTest, TemperatureModeDerivesTheHeatFlow) {
  Leistung = false;
  TSink = 0.0;
  Massenstrom = 0.3;
  RunYears();
  // Brine returning at 0 °C takes heat from warmer ground all year.
  EXPECT_GT(QHeizSumme, 0.0);
  for (int h : {10, 4000, 8760}) {
    EXPECT_NEAR(TSinkStunde[h], 0.0, 1e-12);
    EXPECT_NEAR(QStunde[h], (TSourceStunde[h] - 0.0) * 0.3 * cpSole / 1000.0, 1e-9);
  }
}

TEST_F(RunTest, FreeCoolingCoversTheDemandOrTheChillerTakesOver) {
  // Warm return from the building: the boreholes cover all of 2 kW cooling.
  Freecooling = true;
  Leistung = true;
  QSource = -2.0;
  Massenstrom = 0.3;
  Sondenlaenge = 150.0;
  TSinkVorgabe2 = 40.0;
  RunYears();
  for (int h : {2, 3000, 8760}) {
    EXPECT_NEAR(QStunde[h], -2.0, 1e-12) << h;
    EXPECT_NEAR(QFreecoolingStunde[h], -2.0, 1e-12) << h;
    EXPECT_NEAR(TSinkStunde[h] - TSourceStunde[h], 2000.0 / (0.3 * cpSole), 1e-9) << h;
  }
  EXPECT_NEAR(QKuehlSumme, -2.0 * 8760, 1e-6);
  EXPECT_NEAR(QFreecoolingSumme, QKuehlSumme, 1e-6);

  // Return no warmer than the ground: free cooling covers nothing, the chiller
  // carries the hour and its condenser heat (COP 4: 4/3 of the demand) goes
  // into the boreholes.
  SetUp();
  Freecooling = true;
  Rueckkuehlung = true;
  COPRueckkuehlung = 4.0;
  Leistung = true;
  QSource = -2.0;
  Massenstrom = 0.3;
  TSinkVorgabe2 = -50.0;
  RunYears();
  for (int h : {2, 3000, 8760}) {
    EXPECT_NEAR(QStunde[h], -2.0 * 4.0 / 3.0, 1e-12) << h;
    EXPECT_DOUBLE_EQ(QFreecoolingStunde[h], 0.0) << h;
  }
  EXPECT_NEAR(QKaeltemaschineJahr, -2.0 * 8760, 1e-6);
}

// ---- steps and repeats ----

TEST_F(RunTest, RepeatOfAStepStartsFromTheSavedState) {
  // Temperature mode: the repeat sees the same inlet as the first pass.
  Leistung = false;
  TSink = 2.0;
  Massenstrom = 0.3;
  Simulate(-1);
  for (int h = 1; h <= 50; ++h) {
    ++Schrittzaehler;
    int code = 0;
    Simulate(code);
  }
  double grid[14];
  const double tSink = TSinkStunde[50];
  const int starts = AnzahlStarts, row = Zeilenzaehler;
  for (int k = 0; k <= DimRad + 1; ++k) grid[k] = TGitter[1][k];
  for (int code = 1; code <= 3; ++code) {
    int c = code;
    Simulate(c);
    for (int k = 1; k <= DimRad; ++k) EXPECT_DOUBLE_EQ(TGitter[1][k], grid[k]);
    EXPECT_EQ(Schrittzaehler, 50);
    EXPECT_EQ(Zeilenzaehler, row);
    EXPECT_EQ(AnzahlStarts, starts);
    EXPECT_DOUBLE_EQ(TSinkStunde[50], tSink);
  }
  Simulate(-4);
}

TEST_F(RunTest, EachRunStartsClean) {
  Leistung = true;
  QSource = 2.0;
  Massenstrom = 0.3;
  RunYears();
  ASSERT_EQ(Jahr, 2);
  ASSERT_GT(QHeizSumme, 0.0);
  Simulate(-1);
  EXPECT_EQ(Jahr, 1);
  EXPECT_EQ(Schrittzaehler, 0);
  EXPECT_DOUBLE_EQ(QHeizSumme, 0.0);
  EXPECT_DOUBLE_EQ(QHeizMonat[3], 0.0);
  EXPECT_DOUBLE_EQ(QStunde[100], 0.0);
  EXPECT_EQ(AnzahlStarts, 0);
  // A second identical run gives identical results.
  RunYears();
  const double first = TSourceStunde[8760];
  RunYears();
  EXPECT_DOUBLE_EQ(TSourceStunde[8760], first);
}

TEST_F(RunTest, StationaryPowerIterationConverges) {
  stationaer = true;
  Leistung = true;
  QSource = 2.0;
  Massenstrom = 0.3;
  Genauigkeit = 1e-6;
  Simulate(-1);
  for (int h = 1; h <= 30; ++h) {
    ++Schrittzaehler;
    int code = 0;
    Simulate(code);
    EXPECT_LE(code, 201);
    EXPECT_NEAR(TSource - TSink, 2000.0 / (0.3 * cpSole), 1e-9);
  }
  EXPECT_EQ(Rechenstatus, 0);
  Simulate(-4);
}

TEST_F(RunTest, RunStatusReportsNonConvergenceAndRange) {
  Leistung = true;
  QSource = 2.0;
  Massenstrom = 0.3;
  Simulate(-1);
  ++Schrittzaehler;
  int code = 0;
  Simulate(code);
  EXPECT_EQ(Rechenstatus, 0);
  // A step repeated more than 1000 times has not converged.
  code = 1001;
  Simulate(code);
  EXPECT_EQ(Rechenstatus, 2);
  // Once the user chose to go on, the status is not raised again.
  Rechenstatus = 1;
  code = 1002;
  Simulate(code);
  EXPECT_EQ(Rechenstatus, 1);
  // 1000 kW through 0.3 kg/s would return the brine far below -299 °C.
  Rechenstatus = 0;
  QSource = 1000.0;
  ++Schrittzaehler;
  code = 0;
  Simulate(code);
  EXPECT_LT(TSink, -299.0);
  EXPECT_EQ(Rechenstatus, 3);
  Simulate(-4);
}

TEST_F(RunTest, PeakMassFlowTable) {
  int laufzeit[13] = {0, 12, 30, 0, -5, 0, 0, 0, 0, 0, 0, 0, 24};
  BuildPeakMassFlowTable(laufzeit, 0.5);
  EXPECT_DOUBLE_EQ(MassenstromStunde2[12], 0.5);
  EXPECT_DOUBLE_EQ(MassenstromStunde2[13], 0.0);
  EXPECT_DOUBLE_EQ(MassenstromStunde2[745], 0.5);  // February above 24 h counts as 24
  for (int h = 1345; h <= 1368; ++h) EXPECT_DOUBLE_EQ(MassenstromStunde2[h], 0.0) << h;
  for (int h = 1369; h <= 1416; ++h) EXPECT_DOUBLE_EQ(MassenstromStunde2[h], 0.5) << h;
  EXPECT_DOUBLE_EQ(MassenstromStunde2[1417], 0.0);  // March at rest
  EXPECT_DOUBLE_EQ(MassenstromStunde2[2161 + 4], 0.5);  // April -5 counts as 5 hours
  EXPECT_DOUBLE_EQ(MassenstromStunde2[2161 + 5], 0.0);
  EXPECT_DOUBLE_EQ(MassenstromStunde2[8760], 0.5);
}

TEST_F(RunTest, PeakPreRunLeavesTheRunAtItsStart) {
  Lastprofil = true;
  JahreEinschwingen = 1;
  Leistung = true;
  QSource = 2.0;
  Auslegungsentzug = 2.0;
  Massenstrom = 0.3;
  int code = -1;
  Simulate(code);
  EXPECT_EQ(code, -1);
  EXPECT_EQ(Schrittzaehler, 0);
  EXPECT_FALSE(Vorlauf);
  EXPECT_EQ(Jahr, 2);
  EXPECT_DOUBLE_EQ(Massenstrom, 0.3);
  EXPECT_EQ(Zeitschritt, 60);
  // The ground has been cooled by the pre-run year.
  EXPECT_LT(TGitter[1][2], TErdoberflaeche + TGrad * Sondenlaenge / 2.0);
  Simulate(-4);
}

// ---- safe saving ----

std::string ReadAll(const std::string& name) {
  std::string s;
  if (FILE* f = std::fopen(name.c_str(), "rb")) {
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
  }
  return s;
}

void WriteAll(const std::string& name, const std::string& text) {
  FILE* f = std::fopen(name.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}

TEST_F(RunTest, OutputIsMovedIntoPlaceWhenTheRunFinishes) {
  WriteAll("safe_out.txt", "previous\r\n");
  writefile = true;
  Outputfile = "safe_out.txt";
  Leistung = true;
  Simulate(-1);
  for (int h = 1; h <= 10; ++h) {
    ++Schrittzaehler;
    int code = 0;
    Simulate(code);
  }
  // While the run goes on the previous file is untouched.
  EXPECT_EQ(ReadAll("safe_out.txt"), "previous\r\n");
  EXPECT_TRUE(FileExists(TemporaryOutputName("safe_out.txt")));
  // A stopped run drops its file.
  AbandonRun();
  EXPECT_EQ(ReadAll("safe_out.txt"), "previous\r\n");
  EXPECT_FALSE(FileExists(TemporaryOutputName("safe_out.txt")));
  // A finished run replaces it.
  RunYears();
  const std::string out = ReadAll("safe_out.txt");
  EXPECT_EQ(out.substr(0, std::string(kVersionszeile).size()), kVersionszeile);
  EXPECT_FALSE(FileExists(TemporaryOutputName("safe_out.txt")));
  // Header of 1001 lines and the rows 0..8760.
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1001 + 8761);
}

TEST_F(RunTest, SettlingYearsRestartTheOutputUnlessAllStepsAreKept) {
  DailySteps();
  Leistung = true;
  LastYear = 3;
  writefile = true;
  Outputfile = "allsteps_out.txt";
  auto rows = [] {
    const std::string out = ReadAll("allsteps_out.txt");
    return std::count(out.begin(), out.end(), '\n') - 1001;
  };
  // Only the last year: rows 0..365.
  RunYears();
  EXPECT_EQ(rows(), 366);
  // All years: 365 rows a year, and one closing row at the end of each year.
  Allsteps = true;
  RunYears();
  EXPECT_EQ(rows(), 3 * 365 + 3);
}

TEST_F(RunTest, OutputEqualToInputIsRefusedBeforeAnythingIsWritten) {
  WriteAll("same_in.txt", "project\r\n");
  std::remove("TEarth.qeb");
  readfile = true;
  writefile = true;
  TEarth = true;
  Inputfile = "same_in.txt";
  Outputfile = "./same_in.txt";
  EXPECT_THROW(Simulate(-1), CalcError);
  EXPECT_EQ(ReadAll("same_in.txt"), "project\r\n");
  EXPECT_FALSE(FileExists("TEarth.qeb"));
  EXPECT_FALSE(FileExists(TemporaryOutputName("./same_in.txt")));
  EXPECT_FALSE(SameFile("same_in.txt", "does_not_exist.txt"));
  EXPECT_TRUE(SameFile("same_in.txt", "./same_in.txt"));
}

TEST_F(RunTest, StartupAndGroundTemperatureFiles) {
  std::remove("anfahr.qeb");
  std::remove("TEarth.qeb");
  AnfahrfileSchreiben = true;
  Anfahrfile = "anfahr.qeb";
  TEarth = true;
  stepWrite_TEarth = 730;
  Leistung = true;
  QSource = 2.0;
  Massenstrom = 0.3;
  RunYears();
  const std::string a = ReadAll("anfahr.qeb");
  std::vector<std::string> lines;
  for (size_t p = 0; p < a.size();) {
    const size_t e = a.find("\r\n", p);
    ASSERT_NE(e, std::string::npos);
    lines.push_back(a.substr(p, e - p));
    p = e + 2;
  }
  ASSERT_EQ(lines.size(), 1016u);
  EXPECT_EQ(lines[0], "Ausgabefile des QEB-Programms");
  EXPECT_EQ(lines[5].substr(0, 2), "1\t");
  EXPECT_EQ(lines[13].substr(23), "\tmK/W\tRc");
  EXPECT_NEAR(*ParseReal(lines[13].substr(0, 23)), Rc, 1e-12 * std::fabs(Rc));
  EXPECT_EQ(lines[14], "");
  EXPECT_EQ(lines[15], "Zeit [s]\tTQuelle [\xB0" "C]");
  // Row i: the middle of sub-step i, with one decimal, and the source temperature.
  const auto row1 = SplitTabs(lines[16]);
  const auto row2 = SplitTabs(lines[17]);
  ASSERT_EQ(row1.size(), 2u);
  const double dt = *ParseReal(row2[0]) - *ParseReal(row1[0]);
  EXPECT_NEAR(*ParseReal(row1[0]), dt / 2.0, 0.051);
  EXPECT_EQ(row1[1].size() - row1[1].find('.'), 4u);
  // The ground temperature file: 16 header lines, a row every 730 steps (0 .. 8760).
  const std::string t = ReadAll("TEarth.qeb");
  EXPECT_EQ(t.substr(0, 62), "Ausgabefile TEarth.qeb mit allen berechneten Erdtemperaturen\r\n");
  EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 16 + 13);
}

// ---- refusals ----

TEST_F(RunTest, GridCheckRaisesTheMessage) {
  DimAxi = 11;
  try {
    Simulate(-1);
    FAIL();
  } catch (const CalcError& e) {
    EXPECT_STREQ(e.what(), "DimAxi > DimAxiMax !");
  }
  DimAxi = 1;
  DimRad = 13;
  try {
    Simulate(-1);
    FAIL();
  } catch (const CalcError& e) {
    EXPECT_STREQ(e.what(), "DimRad > DimAxiRad !");
  }
  DimAxi = 10;
  DimRad = 12;
  EXPECT_NO_THROW(Simulate(-1));
  Simulate(-4);
}

TEST_F(RunTest, InputsThatWouldDivideByZeroAreRefused) {
  auto refused = [this](auto change) {
    SetUp();
    change();
    EXPECT_THROW(Simulate(-1), CalcError);
  };
  refused([] {
    WP = true;
    COP_0 = 1.0;
  });
  refused([] { RepRandbed = 0; });
  refused([] { Genauigkeit = 0.0; });
  refused([] { StepWrite = 0; });
  refused([] { Zeitschritt = 0; });
  refused([] { AnzahlSonden = 0; });
  refused([] { MonitorRad = 20; });
  refused([] { LastYear = 300; });  // 300 years of weekly blocks overflow the history
}

TEST_F(RunTest, PressureDropAfterEveryCall) {
  Druck = true;
  Massenstrom = 0.4;
  Simulate(-10);  // no command: only the update
  bool lam = false;
  EXPECT_DOUBLE_EQ(Druckverlust, CircuitPressureDropAt(0.4 / AnzahlSonden, Sondenlaenge, &lam));
  EXPECT_GT(Druckverlust, 0.0);
  EXPECT_EQ(laminar, lam);
  Druck = false;
  Simulate(-10);
  EXPECT_DOUBLE_EQ(Druckverlust, 0.0);
}

}  // namespace
}  // namespace qeb
