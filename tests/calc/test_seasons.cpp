// Loads that follow the seasons, through the command entry: a run shortened
// by the year jump against the same run simulated hour by hour, and the heat
// that the ground gives up against the load the run was asked to carry, with
// transient brine and the pump cycling every day. The oracles are the
// module's own hour-by-hour run and the load the test applies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {
namespace {

constexpr double kPi = std::numbers::pi;

// Extraction in winter, injection in summer's peak: coldest in mid-January.
double Season(int hour, double mean, double amplitude) {
  return mean + amplitude * std::cos(2.0 * kPi * (hour - 360.0) / 8760.0);
}

class Seasons : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaults();
    readfile = false;
    writefile = false;
    Jahreszeiten = false;
    Kellerflaeche = 0.0;
    Druck = false;
    AnfahrfileSchreiben = false;
    TEarth = false;
    Leistung = true;
    // One borehole of 100 m in the default grid (one segment, five cells).
    Sondenlaenge = 100.0;
    Auslegungsmassenstrom = 0.3;
    Massenstrom = 0.3;
  }

  // Runs LastYear years, the load of each hour from `load` (kW, by the hour
  // of the year), and returns the mean outlet temperature of the last year.
  static double MeanOfTheLastYear(const std::function<double(int)>& load) {
    Simulate(-1);
    Schrittzaehler = 0;
    Jahr = 1;
    while (Jahr <= LastYear) {
      ++Schrittzaehler;
      QSource = load(Schrittzaehler);
      int code = 0;
      Simulate(code);
    }
    double mean = 0.0;
    for (int h = 1; h <= 8760; ++h) mean += TSourceStunde[h] / 8760.0;
    Simulate(-4);
    return mean;
  }

  // Heat that the ground gave up to the brine over the year just simulated,
  // kWh: the weekly block means of every segment over 52 weeks and the
  // running mean of the unfinished last block (24 hours).
  static double GroundHeatOfTheYear() {
    double joules = 0.0;
    for (int j = 1; j <= DimAxi; ++j) {
      for (int b = 1; b <= 52; ++b) joules += QHistorie[j][b] * 604800.0;
      joules += QBlockMittel[j] * (8760 - 52 * 168) * 3600.0;
    }
    return joules * AnzahlSonden / 3.6e6;
  }

  // One year with transient brine; the pump runs in the hours `on` gives, at
  // `flow` kg/s. In power mode the seasonal load is given while the pump
  // runs; in temperature mode the brine enters at `inlet` and the load is
  // what the hour reports. Returns the ground's heat against the load, as a
  // relative deviation.
  static double TransientYearBalance(double flow, const std::function<bool(int)>& on, double mean, double amplitude,
                                     bool temperatureMode = false, double inlet = 0.0) {
    stationaer = false;
    LastYear = 1;
    Auslegungsmassenstrom = flow;
    Leistung = !temperatureMode;
    TSink = inlet;
    Simulate(-1);
    Schrittzaehler = 0;
    Jahr = 1;
    double load = 0.0;
    int worstStatus = 0;
    for (int h = 1; h <= 8760; ++h) {
      const bool running = on(h);
      Massenstrom = running ? flow : 0.0;
      if (temperatureMode)
        TSink = inlet;
      else
        QSource = running ? Season(h, mean, amplitude) : 0.0;
      ++Schrittzaehler;
      int code = 0;
      Simulate(code);
      load += running ? QSource : 0.0;
      worstStatus = std::max(worstStatus, Rechenstatus);
      if (!std::isfinite(TSource)) return NAN;
    }
    const double ground = GroundHeatOfTheYear();
    Simulate(-4);
    EXPECT_LT(worstStatus, 2);
    std::printf("load %.1f kWh, ground %.1f kWh (%+.3f %%)\n", load, ground, 100.0 * (ground / load - 1.0));
    return ground / load - 1.0;
  }
};

// 25 years under a seasonal load: the last year after the jump against the
// same 25 years hour by hour, with either far-field model.
TEST_F(Seasons, YearJumpFollowsTheSeasonalLoad) {
  LastYear = 25;
  const auto load = [](int h) { return Season(h, 2.5, 2.0); };
  for (bool gFunction : {false, true}) {
    SCOPED_TRACE(gFunction ? "g-function" : "line source");
    gfunction = gFunction;
    Starttemp = false;
    const double hourly = MeanOfTheLastYear(load);
    Starttemp = true;
    const double jump = MeanOfTheLastYear(load);
    std::printf("%s: year 25 hour by hour %.3f degC, after the jump %.3f degC (%+.3f K)\n",
                gFunction ? "g-function" : "line source", hourly, jump, jump - hourly);
    EXPECT_NEAR(jump, hourly, 0.2);
  }
}

// Blocks of two weeks: the year's history has 26 of them. The jumped years
// start from the year's own last block, not from an entry past the year that
// was never written (a constant load then ran more than a kelvin too cold).
TEST_F(Seasons, YearJumpWithTwoWeekBlocks) {
  LastYear = 25;
  RepRandbed = 2;
  for (bool gFunction : {false, true}) {
    SCOPED_TRACE(gFunction ? "g-function" : "line source");
    gfunction = gFunction;
    for (double amplitude : {0.0, 2.0}) {
      const auto load = [amplitude](int h) { return Season(h, 2.5, amplitude); };
      Starttemp = false;
      const double hourly = MeanOfTheLastYear(load);
      Starttemp = true;
      const double jump = MeanOfTheLastYear(load);
      std::printf("%s, two-week blocks, amplitude %.1f kW: hour by hour %.3f degC, after the jump %.3f degC\n",
                  gFunction ? "g-function" : "line source", amplitude, hourly, jump);
      EXPECT_NEAR(jump, hourly, 0.2);
    }
  }
}

// A load without seasons: the jumped years start from the first year's last
// block, as they always have, so such runs keep their results.
TEST_F(Seasons, ConstantLoadRestartsFromItsLastBlock) {
  LastYear = 25;
  Starttemp = true;
  Simulate(-1);
  Schrittzaehler = 0;
  Jahr = 1;
  while (Jahr == 1) {
    ++Schrittzaehler;
    QSource = 3.0;
    int code = 0;
    Simulate(code);
  }
  ASSERT_EQ(Jahr, 25);
  for (int j = 1; j <= DimAxi; ++j) {
    // Entry 52 still holds the first year's last block.
    EXPECT_EQ(QHistorie[j][0], QHistorie[j][52]);
    EXPECT_NE(QHistorie[j][0], Randmittel[j]);
  }
  Simulate(-4);
}

bool Daytime(int h) {
  const int hourOfDay = (h - 1) % 24;
  return hourOfDay >= 6 && hourOfDay < 20;
}

// Transient brine, the pump on 06-20 h every day, a load that turns into
// injection in summer: the ground gives up what the load takes. Each start
// pushes out the brine that warmed up in the probe during the pause.
TEST_F(Seasons, TransientBrineClosesItsEnergyWithDailyPumpCycles) {
  EXPECT_NEAR(TransientYearBalance(0.25, Daytime, 1.0, 4.5), 0.0, 0.005);
  // Four segments: a longer chain of brine cells.
  DimAxi = 4;
  DimRad = 6;
  EXPECT_NEAR(TransientYearBalance(0.3, Daytime, 1.6, 2.4), 0.0, 0.005);
}

// The same with the pump running all year.
TEST_F(Seasons, TransientBrineClosesItsEnergyRunningContinuously) {
  EXPECT_NEAR(TransientYearBalance(0.25, [](int) { return true; }, 1.0, 4.5), 0.0, 0.005);
}

// Temperature mode: the brine enters at 0 degC while the pump runs, and the
// load is what the hours report. No iteration stands between the two, so the
// balance closes more tightly.
TEST_F(Seasons, TransientBrineClosesItsEnergyInTemperatureMode) {
  EXPECT_NEAR(TransientYearBalance(0.25, Daytime, 0.0, 0.0, true, 0.0), 0.0, 0.002);
  KoaxialSonde = true;
  DimAxi = 4;
  EXPECT_NEAR(TransientYearBalance(0.25, Daytime, 0.0, 0.0, true, 0.0), 0.0, 0.002);
}

// A coaxial probe, whose two channels also exchange heat with each other.
TEST_F(Seasons, TransientCoaxialBrineClosesItsEnergy) {
  KoaxialSonde = true;
  DimAxi = 4;
  EXPECT_NEAR(TransientYearBalance(0.25, Daytime, 1.0, 4.5), 0.0, 0.005);
  EXPECT_NEAR(TransientYearBalance(0.25, [](int) { return true; }, 1.0, 4.5), 0.0, 0.005);
}

}  // namespace
}  // namespace qeb
