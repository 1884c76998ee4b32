// Runs of a year and more through the command entry, against references that
// do not come from the module: the heat the ground gives up against the load
// the run was asked to carry, and a run shortened by the year jump against
// the same run simulated year by year.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {
namespace {

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
};

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
