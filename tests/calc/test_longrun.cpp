// Runs of a year and more through the command entry, against references that
// do not come from the module: the heat the ground gives up against the load
// the run was asked to carry, and a run shortened by the year jump against
// the same run simulated year by year.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {
namespace {

constexpr double kPi = std::numbers::pi;

// A heating season with summer injection: mean 1.6 kW, 2.4 kW of amplitude,
// coldest in mid-January.
double SeasonalLoad(int hour) { return 1.6 + 2.4 * std::cos(2.0 * kPi * (hour - 360.0) / 8760.0); }

class LongRun : public ::testing::Test {
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
    Sondenlaenge = 100.0;
    Bohrdurchmesser = 0.13;
    DimAxi = 4;
    DimRad = 6;
    Rechenradius = 3.0;
    Auslegungsmassenstrom = 0.3;
    Massenstrom = 0.3;
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
};

// The pump runs 06-20 h every day. The brine leaves the boreholes warmer at
// each start after its rest, which a transient brine column carries into the
// hour; the hour must still take its load from the ground, as a stationary
// column does.
TEST_F(LongRun, DailyPumpCyclesTakeTheLoadFromTheGround) {
  LastYear = 1;
  for (bool transient : {false, true}) {
    SCOPED_TRACE(transient ? "transient brine" : "stationary brine");
    stationaer = !transient;
    Simulate(-1);
    Schrittzaehler = 0;
    Jahr = 1;
    double load = 0.0;
    int worstStatus = 0;
    for (int h = 1; h <= 8760; ++h) {
      const int hourOfDay = (h - 1) % 24;
      const bool on = hourOfDay >= 6 && hourOfDay < 20;
      Massenstrom = on ? 0.3 : 0.0;
      QSource = on ? SeasonalLoad(h) : 0.0;
      load += QSource;
      ++Schrittzaehler;
      int code = 0;
      Simulate(code);
      worstStatus = std::max(worstStatus, Rechenstatus);
      ASSERT_TRUE(std::isfinite(TSource));
    }
    const double ground = GroundHeatOfTheYear();
    std::printf("%s brine: load %.1f kWh, ground %.1f kWh (%+.3f %%)\n", transient ? "transient" : "stationary",
                load, ground, 100.0 * (ground / load - 1.0));
    EXPECT_NEAR(ground / load, 1.0, 0.005);
    EXPECT_LT(worstStatus, 2);
    Simulate(-4);
    // The yearly sums of the run closing: the hourly records give the load back.
    EXPECT_NEAR((QHeizSumme + QKuehlSumme) / load, 1.0, 0.005);
  }
}

// 25 years, the first with the full ground model and the last after the jump,
// against all 25 years simulated hour by hour, with either far-field model.
// The load is steady, so that the year's own history adds nothing the jump
// could miss: what is left is the long-term response the jump starts from.
TEST_F(LongRun, YearJumpLandsWhereTwentyFiveYearsLead) {
  LastYear = 25;
  for (bool gFunction : {false, true}) {
    SCOPED_TRACE(gFunction ? "g-function" : "line source");
    gfunction = gFunction;
    static double lastYear[2][8761];
    double undisturbed = 0.0;
    for (int jump = 0; jump <= 1; ++jump) {
      Starttemp = jump == 1;
      Simulate(-1);
      undisturbed = TSource;  // the fill's mean start temperature
      Schrittzaehler = 0;
      Jahr = 1;
      while (Jahr <= LastYear) {
        ++Schrittzaehler;
        QSource = 2.5;
        int code = 0;
        Simulate(code);
      }
      std::copy(std::begin(TSourceStunde), std::end(TSourceStunde), lastYear[jump]);
      Simulate(-4);
    }
    double meanDiff = 0.0, worst = 0.0;
    for (int h = 1; h <= 8760; ++h) {
      const double d = lastYear[1][h] - lastYear[0][h];
      meanDiff += d / 8760.0;
      worst = std::max(worst, std::fabs(d));
    }
    std::printf("%s: year 25 after the jump - hour by hour: mean %+.3f K, largest %.3f K\n",
                gFunction ? "g-function" : "line source", meanDiff, worst);
    EXPECT_NEAR(meanDiff, 0.0, 0.2);
    EXPECT_LT(worst, 0.2);
    // 25 years of extraction have cooled the ground: the jump is not a no-op.
    EXPECT_LT(lastYear[0][8760], undisturbed - 1.0);
  }
}

}  // namespace
}  // namespace qeb
