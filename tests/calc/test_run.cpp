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

// The restarts of the jump give the ground model the start years of the
// schedule: right after a restart the grid is the long-term state of that
// many earlier years under the averaged history.
TEST_F(RunTest, YearJumpRestartsWithTheScheduledStartYears) {
  struct Restart {
    int yearAfter;  // Jahr after the year end
    int startYear;
  };
  struct Case {
    int lastYear;
    bool power;
    std::vector<Restart> restarts;
  };
  const Case cases[] = {
      {30, false, {{29, 19}, {30, 29}}},
      {30, true, {{30, 29}}},
      {4, false, {{3, 1}, {4, 3}}},
      {4, true, {{4, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "LastYear " << c.lastYear << (c.power ? " power" : " temperature"));
    SetUp();
    DailySteps();
    Starttemp = true;
    // Long enough that neighbouring start years give different long-term states.
    Sondenlaenge = 150.0;
    LastYear = c.lastYear;
    Leistung = c.power;
    QSource = 3.0;
    TSink = 2.0;
    Massenstrom = 0.3;
    struct Seen {
      int year;
      double grid[kMaxSegmente + 1][kMatDim];
      double history[kMaxSegmente + 1];
    };
    std::vector<Seen> seen;
    Simulate(-1);
    Schrittzaehler = 0;
    Jahr = 1;
    while (Jahr <= LastYear) {
      Vorlauf = Jahr < LastYear;
      ++Schrittzaehler;
      const int before = Jahr;
      int code = 0;
      Simulate(code);
      if (Jahr != before) {
        Seen s{};
        s.year = Jahr;
        for (int j = 0; j <= kMaxSegmente; ++j) {
          for (int k = 0; k < kMatDim; ++k) s.grid[j][k] = TGitter[j][k];
          s.history[j] = Randmittel[j];
        }
        seen.push_back(s);
      }
    }
    Simulate(-4);
    for (const Restart& r : c.restarts) {
      SCOPED_TRACE(::testing::Message() << "restart before year " << r.yearAfter);
      const auto it = std::find_if(seen.begin(), seen.end(), [&](const Seen& s) { return s.year == r.yearAfter; });
      ASSERT_NE(it, seen.end());
      auto gridAfter = [&](int startYear) {
        LongTermGFunction(startYear, it->history);
        return TGitter[1][1];
      };
      const double expected = gridAfter(r.startYear);
      for (int j = 1; j <= DimAxi; ++j)
        for (int k = 0; k <= DimRad + 1; ++k) EXPECT_NEAR(it->grid[j][k], TGitter[j][k], 1e-9) << j << "," << k;
      // The comparison tells the start year from its neighbours.
      EXPECT_GT(std::fabs(gridAfter(r.startYear - 1) - expected), 1e-4);
      EXPECT_GT(std::fabs(gridAfter(r.startYear + 1) - expected), 1e-4);
    }
  }
}

// A power-driven run with free cooling whose first year ends in a cooling
// hour (which runs on its sink temperature) stays a power-driven run after
// the jump: its cooling hours still go through free cooling.
TEST_F(RunTest, YearJumpKeepsThePowerModeOfTheRun) {
  DailySteps();
  Starttemp = true;
  LastYear = 4;
  Freecooling = true;
  Rueckkuehlung = false;
  Leistung = true;
  Sondenlaenge = 150.0;
  QSource = -20.0;  // far more than the boreholes can take at 14 °C
  Massenstrom = 0.3;
  TSinkVorgabe2 = 14.0;
  EXPECT_EQ(RunYears(), (std::set<int>{1, 4}));
  EXPECT_TRUE(LeistungVorgabe);
  const int last = SchritteProJahr;
  EXPECT_LT(QStunde[last], 0.0);
  EXPECT_GT(QStunde[last], -20.0);
  EXPECT_DOUBLE_EQ(QFreecoolingStunde[last], QStunde[last]);
  EXPECT_NEAR(QFreecoolingSumme, QKuehlSumme, 1e-9 * std::fabs(QKuehlSumme));
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

  // Return no warmer than the brine leaving the ground: in the first hour, the
  // ground at rest, free cooling covers nothing, the chiller carries the hour
  // and its condenser heat (COP 4: 4/3 of the demand) goes into the
  // boreholes. The brine it leaves there is warm enough for the next hour's
  // free cooling; every hour is one of the two, the chiller's only when free
  // cooling would cover less than 70 % of the demand.
  SetUp();
  Freecooling = true;
  Rueckkuehlung = true;
  COPRueckkuehlung = 4.0;
  Leistung = true;
  QSource = -2.0;
  Massenstrom = 0.3;
  TSinkVorgabe2 = -50.0;
  RunYears();
  EXPECT_NEAR(QStunde[1], -2.0 * 4.0 / 3.0, 1e-12);
  EXPECT_DOUBLE_EQ(QFreecoolingStunde[1], 0.0);
  int chillerHours = 0;
  for (int h = 1; h <= 8760; ++h) {
    if (QFreecoolingStunde[h] == 0.0) {
      ++chillerHours;
      EXPECT_NEAR(QStunde[h], -2.0 * 4.0 / 3.0, 1e-12) << h;
    } else {
      EXPECT_DOUBLE_EQ(QStunde[h], QFreecoolingStunde[h]) << h;
      EXPECT_LE(QStunde[h], 0.7 * -2.0) << h;
      EXPECT_GE(QStunde[h], -2.0) << h;
    }
  }
  EXPECT_GT(chillerHours, 1000);
  EXPECT_NEAR(QKaeltemaschineJahr, -2.0 * chillerHours, 1e-6);
}

// The run finish sums hour h into month m over the fixed month ranges
// (December 8017..8760) and day (h + 23) div 24; the yearly sums take the
// steps of the year only, the months always all 8760 hours.
TEST_F(RunTest, RunFinishSumsOverTheFixedMonthRanges) {
  for (int steps : {8760, 8000}) {
    SCOPED_TRACE(steps);
    SetUp();
    SchritteProJahr = steps;
    Simulate(-1);
    const int hours[] = {744, 745, 1416, 1417, 8016, 8017, 8760};
    double q = 1.0;
    for (int h : hours) {
      QStunde[h] = q;
      q *= 2.0;
    }
    QStunde[5088] = -3.0;  // last hour of July
    QStunde[5089] = -5.0;  // first of August
    Simulate(-4);
    EXPECT_DOUBLE_EQ(QHeizMonat[1], 1.0);
    EXPECT_DOUBLE_EQ(QHeizMonat[2], 2.0 + 4.0);
    EXPECT_DOUBLE_EQ(QHeizMonat[3], 8.0);
    EXPECT_DOUBLE_EQ(QHeizMonat[11], 16.0);
    EXPECT_DOUBLE_EQ(QHeizMonat[12], 32.0 + 64.0);
    EXPECT_DOUBLE_EQ(QKuehlMonat[7], -3.0);
    EXPECT_DOUBLE_EQ(QKuehlMonat[8], -5.0);
    for (int m : {4, 5, 6, 9, 10}) EXPECT_DOUBLE_EQ(QHeizMonat[m] + QKuehlMonat[m], 0.0) << m;
    EXPECT_DOUBLE_EQ(QHeizSumme, steps == 8760 ? 127.0 : 15.0);
    EXPECT_DOUBLE_EQ(QKuehlSumme, -8.0);
    EXPECT_DOUBLE_EQ(QTagesmittel[31], 1.0 / 24.0);
    EXPECT_DOUBLE_EQ(QTagesmittel[32], 2.0 / 24.0);
    EXPECT_DOUBLE_EQ(QTagesmittel[334], 16.0 / 24.0);
    EXPECT_DOUBLE_EQ(QTagesmittel[335], 32.0 / 24.0);
    EXPECT_DOUBLE_EQ(QTagesmittel[365], 64.0 / 24.0);
    EXPECT_DOUBLE_EQ(QTagesmittel[0], 0.0);
  }
}

// Row k of a project's hourly rows is the load of hour k, whether the rows
// begin at 1 (a generated load file) or at 0 (a saved output, whose row 0
// holds the start values of the run that wrote it), in the first year read
// from the file and in a later year taken from the stored rows.
TEST_F(RunTest, HourKTakesTheLoadOfRowK) {
  auto load = [](int k) { return k == 0 ? 9.0 : 0.5 + 0.01 * (k % 100); };
  for (int firstRow : {0, 1}) {
    for (int years : {1, 2}) {
      SCOPED_TRACE(::testing::Message() << "rows from " << firstRow << ", " << years << " years");
      SetUp();
      const std::string name = "rows_from_" + std::to_string(firstRow) + ".txt";
      readfile = true;
      Leistung = true;
      Leistungsinput = true;
      LastYear = years;
      int z = Zeitschritt, n = SchritteProJahr;
      WriteOutputHeader(name, z, n);
      for (int k = firstRow; k <= 8760; ++k)
        AusgabeText.WriteLine(std::to_string(k) + "\t0.300\t5.000\t" + FormatFixed(load(k), 0, 3));
      AusgabeText.Close();

      Simulate(-3);
      readfile = true;
      Inputfile = name;
      Simulate(-2);
      ASSERT_TRUE(readfile);
      ASSERT_TRUE(Leistungsinput);
      ASSERT_EQ(LastYear, years);
      writefile = false;
      RunYears();
      for (int h : {1, 2, 99, 100, 101, 4000, 8759, 8760}) EXPECT_NEAR(QStunde[h], load(h), 1e-12) << h;
    }
  }

  // After a February-peak pre-run the rows are read from the first hour on,
  // and the output begins with row 0 again.
  SetUp();
  readfile = true;
  Leistung = true;
  Leistungsinput = true;
  Lastprofil = true;
  JahreEinschwingen = 1;
  Auslegungsentzug = 2.0;
  Massenstrom = 0.3;
  int z = Zeitschritt, n = SchritteProJahr;
  WriteOutputHeader("rows_prerun.txt", z, n);
  for (int k = 1; k <= 8760; ++k)
    AusgabeText.WriteLine(std::to_string(k) + "\t0.300\t5.000\t" + FormatFixed(load(k), 0, 3));
  AusgabeText.Close();
  Simulate(-3);
  readfile = true;
  Inputfile = "rows_prerun.txt";
  Simulate(-2);
  ASSERT_TRUE(Lastprofil);
  writefile = true;
  Outputfile = "rows_prerun_out.txt";
  RunYears();
  for (int h : {1, 2, 100, 8760}) EXPECT_NEAR(QStunde[h], load(h), 1e-12) << h;
  LineReader out;
  ASSERT_TRUE(out.Open("rows_prerun_out.txt"));
  std::string line;
  for (int i = 0; i < 1001; ++i) ASSERT_TRUE(out.Next(line));
  ASSERT_TRUE(out.Next(line));
  EXPECT_EQ(line.substr(0, 2), "0\t");
  ASSERT_TRUE(out.Next(line));
  EXPECT_EQ(line.substr(0, 2), "1\t");
}

// Power mode with a heat pump: the boreholes give the evaporator's share of
// the heating demand at the COP of the source temperature, and a frost limit
// cuts the sink temperature and leaves the rest to the backup heat.
TEST_F(RunTest, HeatPumpShareAndFrostLimits) {
  // The default characteristic is one straight line: 3 + 0.1 t.
  auto cop = [](double t) { return 3.0 + 0.1 * t; };
  auto firstHour = [] {
    Simulate(-1);
    ++Schrittzaehler;
    int code = 0;
    Simulate(code);
  };
  Leistung = true;
  WP = true;
  Massenstrom = 0.3;
  QSource = 3.0;
  // The first hour takes its load from the ground: on the default 20 m the
  // brine would leave below the characteristic's range.
  Sondenlaenge = 60.0;
  firstHour();
  ASSERT_GT(TSource, -5.0);
  ASSERT_LT(TSource, 15.0);
  EXPECT_NEAR(COPaktuell, cop(TSource), 1e-12);
  EXPECT_NEAR(QSource, 3.0 * 3.0 / 2.0 * (cop(TSource) - 1.0) / cop(TSource), 1e-12);
  EXPECT_NEAR(TSource - TSink, QSource * 1000.0 / cpSole / 0.3, 1e-9);
  EXPECT_FALSE(Frostbetrieb);
  EXPECT_DOUBLE_EQ(Zusatzwaerme, 0.0);
  EXPECT_DOUBLE_EQ(QStunde[1], QSource);
  Simulate(-4);

  // 30 kW would return the brine far below the heat pump's limit of -5 °C.
  SetUp();
  Leistung = true;
  WP = true;
  WPFrostgrenze = -5.0;
  Kesselleistung = 2.0;
  Massenstrom = 0.3;
  QSource = 30.0;
  firstHour();
  EXPECT_TRUE(Frostbetrieb);
  EXPECT_DOUBLE_EQ(TSink, -5.0);
  EXPECT_DOUBLE_EQ(TSinkStunde[1], -5.0);
  EXPECT_NEAR(QSource, (TSource + 5.0) * cpSole * 0.3 / 1000.0, 1e-12);
  EXPECT_DOUBLE_EQ(QStunde[1], QSource);
  const double c = cop(TSource);
  EXPECT_NEAR(Zusatzwaerme, (30.0 - QSource) / (c - 1.0) * c, 1e-9);
  EXPECT_DOUBLE_EQ(Kesselwaerme, 2.0);
  Simulate(-4);

  // The frost limiter without heat pump moves the sink temperature a tenth of
  // the way towards the limit and cuts the extraction to what the brine then
  // carries; the hour is run again with that inlet and that extraction, so the
  // cut repeats until the limit is no longer reached (here the brine carries
  // nothing). Transient brine is iterated as stationary brine is, to the same
  // end; the backup covers the rest.
  double sink[2] = {};
  for (bool transient : {false, true}) {
    SCOPED_TRACE(transient ? "transient" : "stationary");
    SetUp();
    stationaer = !transient;
    Leistung = true;
    Frostbegrenzung = true;
    Frostgrenze = -2.0;
    COP_Frostgrenze = 3.0;
    Massenstrom = 0.3;
    QSource = 30.0;
    firstHour();
    EXPECT_TRUE(Frostbetrieb);
    EXPECT_GT(TSink, -2.0);
    EXPECT_NEAR(QSource, (TSource - TSink) * cpSole * 0.3 / 1000.0, 1e-12);
    EXPECT_NEAR(Zusatzwaerme, (30.0 - QSource) / 2.0 * 3.0, 1e-9);
    sink[transient] = TSink;
    Simulate(-4);
  }
  // The transient column's outlet also carries the change of the heat its
  // cells hold within the hour, which the stationary balance has not: a
  // difference of a few hundredths of a kelvin.
  EXPECT_NEAR(sink[1], sink[0], 0.02);
}

TEST_F(RunTest, StationaryIterationStopsAtCode201AndStandingBrineTakesTheFill) {
  // Every pass diverges and restarts: the iteration ends when the code passes 200.
  stationaer = true;
  Leistung = true;
  QSource = 1e5;
  Massenstrom = 0.3;
  Simulate(-1);
  ++Schrittzaehler;
  int code = 0;
  Simulate(code);
  EXPECT_EQ(code, 201);
  EXPECT_DOUBLE_EQ(TSink, -1.0);
  EXPECT_EQ(Rechenstatus, 2) << "an hour left at the pass limit is reported as not converged";
  Simulate(-4);

  // No circulation: no iteration; inlet and outlet stand at the fill temperature.
  SetUp();
  Leistung = true;
  QSource = 2.0;
  Massenstrom = 0.0;
  Simulate(-1);
  ++Schrittzaehler;
  code = 0;
  Simulate(code);
  EXPECT_EQ(code, 0);
  EXPECT_DOUBLE_EQ(TSink, TGitter[1][1]);
  EXPECT_DOUBLE_EQ(TSource, TGitter[1][1]);
  Simulate(-4);
}

// A split field alternates year by year: with Feld1 set the odd years take
// the second field's hourly loads, the even years the first field's.
TEST_F(RunTest, AlternatingFieldsTakeTurnsByYear) {
  for (bool feld1 : {true, false}) {
    SCOPED_TRACE(feld1);
    SetUp();
    DailySteps();
    LastYear = 3;
    Aufteilung = true;
    Feld1 = feld1;
    Leistung = true;
    for (int h = 0; h <= 8760; ++h) {
      QStundeFeld1[h] = 1.0;
      MassenstromFeld1[h] = 0.3;
      QStundeFeld2[h] = 2.0;
      MassenstromStunde2[h] = 0.3;
    }
    std::vector<double> yearLoad;
    Simulate(-1);
    Schrittzaehler = 0;
    Jahr = 1;
    while (Jahr <= LastYear) {
      Vorlauf = Jahr < LastYear;
      ++Schrittzaehler;
      int code = 0;
      Simulate(code);
      if (Schrittzaehler == 100) yearLoad.push_back(QStunde[100]);
    }
    Simulate(-4);
    const std::vector<double> expected = feld1 ? std::vector<double>{2.0, 1.0, 2.0} : std::vector<double>{1.0, 2.0, 1.0};
    EXPECT_EQ(yearLoad, expected);
  }
}

// ---- steps and repeats ----

TEST_F(RunTest, RepeatOfAStepStartsFromTheSavedState) {
  // Temperature mode: the repeat sees the same inlet as the first pass.
  Leistung = false;
  TSink = 2.0;
  TSource = 2.0;
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

// The pre-run writes nothing: the output holds the rows of the run only.
TEST_F(RunTest, PeakPreRunWritesNoRows) {
  Lastprofil = true;
  JahreEinschwingen = 1;
  Leistung = true;
  QSource = 2.0;
  Auslegungsentzug = 2.0;
  Massenstrom = 0.3;
  writefile = true;
  Outputfile = "prerun_out.txt";
  RunYears();
  FILE* f = std::fopen("prerun_out.txt", "rb");
  ASSERT_NE(f, nullptr);
  long lines = 0;
  for (int c; (c = std::fgetc(f)) != EOF;)
    if (c == '\n') ++lines;
  std::fclose(f);
  EXPECT_EQ(lines, 1001 + 8761);
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

// ---- repeats of a year's last step ----

// What a run leaves at each year end and when it has finished.
struct YearEndOutcome {
  std::vector<int> counters;   // Jahr, Schrittzaehler, Vorlauf after each year end
  std::vector<double> values;  // TSource, TSink, QSource, Randmittel, the grid
  std::set<int> years;
  std::string output;  // without the lines of the yearly sums
};

// Runs LastYear years of daily steps in temperature mode like the run
// driver, but the last step of year y is tried once per entry of tries(y)
// (codes 0, 1, ...), each try with that entry as the caller's sink
// temperature.
template <class Tries>
YearEndOutcome RunWithTriesAtYearEnd(Tries tries) {
  YearEndOutcome o;
  Leistung = false;
  // The header carries the inputs as they stand at the start.
  TSink = 2.0;
  TSource = 2.0;
  Massenstrom = 0.3;
  Simulate(-1);
  Schrittzaehler = 0;
  Jahr = 1;
  while (Jahr <= LastYear) {
    Vorlauf = Jahr < LastYear;
    ++Schrittzaehler;
    o.years.insert(Jahr);
    const bool last = Schrittzaehler == SchritteProJahr;
    const std::vector<double> sinks = last ? tries(Jahr) : std::vector<double>{2.0};
    for (std::size_t i = 0; i < sinks.size(); ++i) {
      Massenstrom = 0.3;
      TSink = sinks[i];
      int code = static_cast<int>(i);
      Simulate(code);
    }
    if (last) {
      o.counters.insert(o.counters.end(), {Jahr, Schrittzaehler, Vorlauf ? 1 : 0});
      o.values.insert(o.values.end(), {TSource, TSink, QSource, Randmittel[1]});
      for (int j = 1; j <= DimAxi; ++j)
        for (int k = 1; k <= DimRad + 1; ++k) o.values.push_back(TGitter[j][k]);
    }
  }
  Simulate(-4);
  // The yearly sums come from the hourly heat-flow records, which a step
  // fills before it derives its heat flow: a repeated step records the heat
  // flow of the try before it, whatever the hour.
  const std::string out = ReadAll(Outputfile);
  for (std::size_t i = 0; i < out.size();) {
    std::size_t e = out.find('\n', i);
    e = e == std::string::npos ? out.size() : e + 1;
    const std::string line = out.substr(i, e - i);
    if (line.find("SummeQHeiz") == std::string::npos && line.find("SummeQKuehl") == std::string::npos)
      o.output += line;
    i = e;
  }
  return o;
}

std::string LineOf(const std::string& text, int n) {
  std::size_t i = 0;
  for (int k = 1; k < n && i != std::string::npos; ++k) {
    i = text.find('\n', i);
    if (i != std::string::npos) ++i;
  }
  return i == std::string::npos ? std::string() : text.substr(i, text.find('\n', i) - i);
}

// The first line in which two outputs differ, or -1.
int FirstDifferentLine(const std::string& a, const std::string& b) {
  std::size_t i = 0, j = 0;
  for (int line = 1;; ++line) {
    const std::size_t ea = a.find('\n', i), eb = b.find('\n', j);
    if (a.compare(i, ea == std::string::npos ? std::string::npos : ea - i, b, j,
                  eb == std::string::npos ? std::string::npos : eb - j) != 0)
      return line;
    if (ea == std::string::npos || eb == std::string::npos) return ea == eb ? -1 : line;
    i = ea + 1;
    j = eb + 1;
  }
}

// Runs the year ends once with the tries 3, 1, 3 and once with 3 alone, and
// expects both to close the given years with the given counters, the same
// values and the same output byte for byte. Returns the single-try run.
YearEndOutcome ExpectRepeatsGiveTheSingleTry(const std::set<int>& years, const std::vector<int>& counters) {
  using Sinks = std::vector<double>;
  const YearEndOutcome oracle = RunWithTriesAtYearEnd([](int) { return Sinks{3.0}; });
  const YearEndOutcome repeated = RunWithTriesAtYearEnd([](int) { return Sinks{3.0, 1.0, 3.0}; });
  EXPECT_EQ(oracle.years, years);
  EXPECT_EQ(oracle.counters, counters);
  EXPECT_EQ(repeated.years, oracle.years);
  EXPECT_EQ(repeated.counters, oracle.counters);
  EXPECT_EQ(repeated.values, oracle.values);
  const int d = FirstDifferentLine(repeated.output, oracle.output);
  EXPECT_EQ(d, -1) << LineOf(repeated.output, d) << "\n" << LineOf(oracle.output, d);
  return oracle;
}

TEST_F(RunTest, RepeatsOfTheYearsLastStepGiveTheSettledTryOnce) {
  DailySteps();
  Starttemp = true;
  LastYear = 3;
  writefile = true;
  Outputfile = "yearend_repeat_out.txt";
  using Sinks = std::vector<double>;
  // Code 0 writes the row of the step before with the inputs it is given,
  // so the first and the last try share their input; the try between them
  // is far off.
  for (const bool all : {false, true}) {
    SCOPED_TRACE(all ? "all steps" : "last year only");
    Allsteps = all;
    // Each year closed once: years 1..3, each year end leaving a fresh year.
    const YearEndOutcome oracle =
        ExpectRepeatsGiveTheSingleTry({1, 2, 3}, {2, 0, 1, 3, 0, 1, 4, 0, 0});
    // The output: 365 rows a year and one closing row with the settled values
    // per settling year, or a restart of the output after each settling year.
    const long long lines = std::count(oracle.output.begin(), oracle.output.end(), '\n');
    EXPECT_EQ(lines, 1001 - 2 + (all ? 3 * 365 + 3 : 366));
  }
  // The last try is the one that counts: 3 then 1 ends as 1 alone.
  const YearEndOutcome one = RunWithTriesAtYearEnd([](int) { return Sinks{1.0}; });
  const YearEndOutcome threeThenOne = RunWithTriesAtYearEnd([](int) { return Sinks{3.0, 1.0}; });
  EXPECT_EQ(threeThenOne.counters, one.counters);
  EXPECT_EQ(threeThenOne.values, one.values);
  EXPECT_NE(one.values, RunWithTriesAtYearEnd([](int) { return Sinks{3.0}; }).values);
}

TEST_F(RunTest, RepeatsAfterAYearJumpLeaveTheNewStartState) {
  // LastYear 4 in temperature mode restarts the ground model at the ends of
  // years 1 and 3. The repeats cannot recompute the hour on the model it ran
  // on; the first try stands and the new year starts from its own start
  // state. The last year end restarts nothing and takes the settled try.
  DailySteps();
  Starttemp = true;
  LastYear = 4;
  writefile = true;
  Outputfile = "yearend_jump_out.txt";
  using Sinks = std::vector<double>;
  for (const bool all : {false, true}) {
    SCOPED_TRACE(all ? "all steps" : "last year only");
    Allsteps = all;
    ExpectRepeatsGiveTheSingleTry({1, 3, 4}, {3, 0, 1, 4, 0, 1, 5, 0, 0});
  }
  // First try at the restarts, last try at the final year end.
  const YearEndOutcome mixed = RunWithTriesAtYearEnd([](int jahr) { return Sinks{jahr == 4 ? 1.0 : 3.0}; });
  const YearEndOutcome threeThenOne = RunWithTriesAtYearEnd([](int) { return Sinks{3.0, 1.0}; });
  EXPECT_EQ(threeThenOne.counters, mixed.counters);
  EXPECT_EQ(threeThenOne.values, mixed.values);
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
  Sondenlaenge = 100.0;
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
  EXPECT_EQ(lines[1], Projekttitel1);
  EXPECT_EQ(lines[4], Projekttitel4);
  // Count and geometry with the labels of their project-file lines 6..13.
  EXPECT_EQ(lines[5], "1\t\tAnzahl Sonden");
  EXPECT_EQ(lines[6], " 1.00000000000000E+0002\tm\tSondenlaenge");
  const char* labels[] = {"\tm\tBohrdurchmesser", "\tm\tSondeninnendurchmesser", "\tm\tDicke Sondenrohr",
                          "\tK/W\tR1",            "\tKm/W\tRa",                "\tKm/W\tRb"};
  for (int i = 0; i < 6; ++i) {
    ASSERT_EQ(lines[7 + i].size(), 23u + std::string(labels[i]).size()) << i;
    EXPECT_EQ(lines[7 + i].substr(23), labels[i]) << i;
  }
  EXPECT_NEAR(*ParseReal(lines[10].substr(0, 23)), R1, 1e-12 * std::fabs(R1));
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

  // A stationary run writes no start-up file.
  SetUp();
  std::remove("anfahr.qeb");
  AnfahrfileSchreiben = true;
  Anfahrfile = "anfahr.qeb";
  stationaer = true;
  RunYears();
  EXPECT_FALSE(FileExists("anfahr.qeb"));
}

// ---- run initialisation ----

TEST_F(RunTest, InitialisationDerivesTheRunsFixedQuantities) {
  // Operating hours: months with a positive running time, plus the peak days
  // of February for the hours that February's running time leaves.
  for (int m = 1; m <= 12; ++m) Laufzeit[m] = 0;
  Laufzeit[1] = 10;
  Laufzeit[2] = 20;
  Laufzeit[4] = -5;  // heat injection: no operating hours
  DauerLastSpitze = 3;
  Durchschnittsentzug = false;
  Systemsimulation = false;
  // Hot water: a daily demand of 4.2 kJ/kgK x 50 K x 1 kg per hour share.
  WW_Bedarf = 365.0 * 4.2 * 50.0;
  MinDeckungFreecooling = 1.2;
  Simulate(-1);
  EXPECT_EQ(Betriebsstunden, 31 * 10 + 28 * 20 + (24 - 20) * 3);
  for (int h : {1, 7, 24}) EXPECT_NEAR(WWZapfStunde[h], WWTagesprofil[h] * 3600.0, 1e-9 * (1.0 + WWZapfStunde[h]));
  EXPECT_DOUBLE_EQ(MinDeckungFreecooling, 0.95);
  Simulate(-4);

  SetUp();
  Laufzeit[2] = 24;
  DauerLastSpitze = 3;
  Durchschnittsentzug = false;
  MinDeckungFreecooling = -0.1;
  Simulate(-1);
  int expected = 0;
  for (int m = 1; m <= 12; ++m)
    if (Laufzeit[m] > 0) expected += DaysOfMonth(m) * Laufzeit[m];
  EXPECT_EQ(Betriebsstunden, expected);  // a February of 24 h adds nothing for the peak days
  EXPECT_DOUBLE_EQ(MinDeckungFreecooling, 0.0);
  Simulate(-4);
}

// At the end of a settling year the project file is read again from its
// first hourly row: the header of its version is skipped.
TEST_F(RunTest, ReopeningTheProjectFileSkipsTheHeaderOfItsVersion) {
  std::string text;
  for (int i = 1; i <= 1100; ++i) text += "L" + std::to_string(i) + "\r\n";
  WriteAll("reopen.txt", text);
  Inputfile = "reopen.txt";
  const struct {
    int version, header;
  } cases[] = {{1, 201}, {2, 201}, {3, 401}, {8, 401}, {9, 701}, {11, 701}, {12, 1001}, {27, 1001}, {28, 1001}};
  for (const auto& c : cases) {
    FileVersion = c.version;
    ReopenInputFile();
    std::string line;
    ASSERT_TRUE(Eingabedatei.Next(line));
    EXPECT_EQ(line, "L" + std::to_string(c.header + 1)) << "version " << c.version;
  }
  Eingabedatei.Close();
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
  // With Starttemp the blocks are counted within the running year.
  SetUp();
  Starttemp = true;
  LastYear = 300;
  EXPECT_NO_THROW(Simulate(-1));
  Simulate(-4);
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
