// Ground model: temperature profile, set-up of the grid and the time step.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "calc/Erdsonden.h"

namespace qeb {
namespace {

constexpr double kPi = std::numbers::pi;

// ---------------------------------------------------------------------------
// Temperature profile
// ---------------------------------------------------------------------------

// Mean of the piecewise-linear profile over [a, b] by fine trapezoids.
double ProfileMean(const double* z, const double* T, int points, double a, double b) {
  auto at = [&](double d) {
    for (int i = 1; i <= points; ++i) {
      if (d <= z[i]) return T[i - 1] + (T[i] - T[i - 1]) * (d - z[i - 1]) / (z[i] - z[i - 1]);
    }
    return T[points];
  };
  const int n = 20000;
  double s = 0;
  for (int i = 0; i < n; ++i) {
    const double d0 = a + (b - a) * i / n, d1 = a + (b - a) * (i + 1) / n;
    s += (at(d0) + at(d1)) / 2 * (d1 - d0);
  }
  return s / (b - a);
}

TEST(GroundProfile, SortsExtendsAndAveragesTheWorkedExample) {
  double T[31] = {}, z[31] = {}, res[41] = {};
  z[1] = 200;
  T[1] = 16;
  z[2] = 50;
  T[2] = 11;
  z[3] = 100;
  T[3] = 12;
  DimAxi = 4;
  SortGroundLayers(T, z, res, 160.0);
  EXPECT_EQ(z[1], 50);
  EXPECT_EQ(T[1], 11);
  EXPECT_EQ(z[2], 100);
  EXPECT_EQ(T[2], 12);
  EXPECT_EQ(z[3], 200);
  EXPECT_EQ(T[3], 16);
  EXPECT_DOUBLE_EQ(T[0], 10.0);
  EXPECT_EQ(z[4], 10000.0);
  EXPECT_DOUBLE_EQ(T[4], 408.0);
  EXPECT_EQ(z[5], 0.0);
  EXPECT_DOUBLE_EQ(res[0], 10.0);
  double sum = 0;
  for (int s = 1; s <= 4; ++s) {
    const double want = ProfileMean(z, T, 4, 40.0 * (s - 1), 40.0 * s);
    EXPECT_NEAR(res[s], want, 1e-6) << "layer " << s;
    sum += res[s];
  }
  EXPECT_NEAR(Erdmitteltemp, sum / 4, 1e-12);
  for (int s = 5; s <= 40; ++s) EXPECT_EQ(res[s], 0.0);

  // A second call adds nothing further.
  double T2[31], z2[31];
  std::copy(T, T + 31, T2);
  std::copy(z, z + 31, z2);
  SortGroundLayers(T2, z2, res, 160.0);
  for (int i = 0; i <= 30; ++i) {
    EXPECT_EQ(z2[i], z[i]);
    EXPECT_EQ(T2[i], T[i]);
  }
}

TEST(GroundProfile, LayersCrossingSeveralPointsAreExactMeans) {
  double T[31] = {}, z[31] = {}, res[41] = {};
  const double zs[] = {12, 30, 31, 77, 140, 141, 190};
  const double ts[] = {11, 12.5, 12.2, 14, 13, 15, 17.5};
  for (int i = 0; i < 7; ++i) {
    z[7 - i] = zs[i];
    T[7 - i] = ts[i];
  }  // reverse order
  DimAxi = 7;
  SortGroundLayers(T, z, res, 210.0);
  for (int s = 1; s <= 7; ++s) {
    EXPECT_NEAR(res[s], ProfileMean(z, T, 8, 30.0 * (s - 1), 30.0 * s), 1e-6) << s;
  }
}

TEST(GroundProfile, OneLayerEqualsTheMean) {
  double T[31] = {}, z[31] = {}, res[41] = {};
  z[1] = 100;
  T[1] = 12.8;
  z[2] = 300;
  T[2] = 18.8;
  DimAxi = 1;
  SortGroundLayers(T, z, res, 200.0);
  EXPECT_DOUBLE_EQ(res[1], Erdmitteltemp);
  // surface 9.8, linear: mean over 0..200 m is the value at 100 m
  EXPECT_NEAR(res[1], 12.8, 1e-12);
}

TEST(GroundProfile, EqualDepthsAreSortedInTheOrderEntered) {
  // Two readings at 100 m (12 and 13 degrees) and a deeper one entered first.
  double T[31] = {}, z[31] = {}, res[41] = {};
  z[1] = 300;
  T[1] = 20;
  z[2] = 100;
  T[2] = 12;
  z[3] = 100;
  T[3] = 13;
  DimAxi = 4;
  SortGroundLayers(T, z, res, 200.0);
  EXPECT_EQ(z[1], 100);
  EXPECT_EQ(T[1], 12);
  EXPECT_EQ(z[2], 100);
  EXPECT_EQ(T[2], 13);
  EXPECT_EQ(z[3], 300);
  EXPECT_EQ(T[3], 20);
  // Surface: the two first points have the same depth, so the first reading.
  EXPECT_EQ(T[0], 12);
  // Extension along the last interval: 20 + 7/200 * 9700.
  EXPECT_EQ(z[4], 10000);
  EXPECT_NEAR(T[4], 359.5, 1e-9);
  // Profile: 12 down to 100 m, then from 13 rising by 0.035 K/m.
  EXPECT_NEAR(res[1], 12.0, 1e-12);
  EXPECT_NEAR(res[2], 12.0, 1e-12);
  EXPECT_NEAR(res[3], (13.0 + 14.75) / 2, 1e-12);
  EXPECT_NEAR(res[4], (14.75 + 16.5) / 2, 1e-12);

  // Reversed entry of the equal pair: the order entered is kept.
  double T2[31] = {}, z2[31] = {};
  z2[1] = 100;
  T2[1] = 13;
  z2[2] = 300;
  T2[2] = 20;
  z2[3] = 100;
  T2[3] = 12;
  z2[5] = 50;  // after a blank point
  T2[5] = 11;
  SortGroundLayers(T2, z2, res, 200.0);
  const double wantZ[] = {50, 100, 100, 300, 10000, 0};
  const double wantT[] = {11, 13, 12, 20};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(z2[i + 1], wantZ[i]) << i;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(T2[i + 1], wantT[i]) << i;
}

TEST(GroundProfile, ABlankedPointAfterAFullTableDropsTheOldExtension) {
  // Ten points, 20 m apart, 10 degrees plus 0.03 K/m: the extension lands in
  // the eleventh place. Blank one and compute again: the result must be that
  // of the nine points alone.
  double T[31] = {}, z[31] = {}, res[41] = {};
  for (int i = 1; i <= 10; ++i) {
    z[i] = 20.0 * i;
    T[i] = 10.0 + 0.03 * z[i];
  }
  DimAxi = 5;
  SortGroundLayers(T, z, res, 200.0);
  EXPECT_EQ(z[11], 10000);
  EXPECT_NEAR(T[11], 310.0, 1e-9);
  z[4] = 0.0;  // blanked in the window
  T[4] = 0.0;
  SortGroundLayers(T, z, res, 200.0);
  EXPECT_EQ(z[9], 200);
  EXPECT_EQ(z[10], 10000);
  EXPECT_NEAR(T[10], 310.0, 1e-9);
  EXPECT_EQ(z[11], 0);
  EXPECT_NEAR(T[0], 10.0, 1e-12);
  // The profile is one straight line: each layer's mean is the value at its middle.
  for (int s = 1; s <= 5; ++s) EXPECT_NEAR(res[s], 10.0 + 0.03 * (40.0 * s - 20.0), 1e-12) << s;
  // A further call keeps the nine points and their extension.
  SortGroundLayers(T, z, res, 200.0);
  EXPECT_EQ(z[10], 10000);
  EXPECT_EQ(z[11], 0);
}

TEST(GroundProfile, DeepestPointAt10000GetsNoExtension) {
  double T[31] = {}, z[31] = {}, res[41] = {};
  z[1] = 10000;
  T[1] = 300;
  z[2] = 100;
  T[2] = 12;
  DimAxi = 2;
  SortGroundLayers(T, z, res, 100.0);
  EXPECT_EQ(z[2], 10000);
  EXPECT_EQ(z[3], 0);
}

TEST(GroundProfile, OnePointKeepsTheSurfaceAndInterpolatesAbove) {
  double T[31] = {}, z[31] = {}, res[41] = {};
  T[0] = 8.0;
  z[1] = 100;
  T[1] = 12.0;
  DimAxi = 2;
  SortGroundLayers(T, z, res, 100.0);
  EXPECT_EQ(T[0], 8.0);
  EXPECT_EQ(z[2], 0.0);  // no extension with one point
  EXPECT_NEAR(res[1], 9.0, 1e-12);
  EXPECT_NEAR(res[2], 11.0, 1e-12);
}

TEST(GroundProfile, RefusesLayerCountsBeyondTheResult) {
  double T[31] = {}, z[31] = {}, res[41] = {};
  DimAxi = 0;
  EXPECT_THROW(SortGroundLayers(T, z, res, 100.0), CalcError);
  DimAxi = 31;
  EXPECT_THROW(SortGroundLayers(T, z, res, 100.0), CalcError);
  DimAxi = 3;
  EXPECT_THROW(SortGroundLayers(T, z, res, 0.0), CalcError);
}

TEST(GroundProfile, OnePointHoldsItsTemperatureBelow) {
  // Surface 8, one reading of 12 at 50 m: linear to 50 m, then 12 (no
  // gradient is known below the only point).
  double T[31] = {}, z[31] = {}, res[41] = {};
  T[0] = 8.0;
  z[1] = 50;
  T[1] = 12.0;
  DimAxi = 4;
  SortGroundLayers(T, z, res, 100.0);
  EXPECT_EQ(T[0], 8.0);
  EXPECT_EQ(z[2], 0.0);  // nothing is stored beyond the point
  EXPECT_EQ(T[2], 0.0);
  EXPECT_NEAR(res[1], 9.0, 1e-12);
  EXPECT_NEAR(res[2], 11.0, 1e-12);
  EXPECT_NEAR(res[3], 12.0, 1e-12);
  EXPECT_NEAR(res[4], 12.0, 1e-12);
  EXPECT_NEAR(Erdmitteltemp, 11.0, 1e-12);
  // A layer across the point: 30..60 m is 10.4 -> 12 over 20 m, then 12.
  DimAxi = 3;
  SortGroundLayers(T, z, res, 90.0);
  EXPECT_NEAR(res[2], ((10.4 + 12.0) / 2 * 20 + 12.0 * 10) / 30, 1e-12);
  EXPECT_NEAR(res[3], 12.0, 1e-12);
  // Without any point every layer keeps the surface temperature.
  double T0[31] = {}, z0[31] = {};
  T0[0] = 9.5;
  SortGroundLayers(T0, z0, res, 90.0);
  for (int s = 1; s <= 3; ++s) EXPECT_EQ(res[s], 9.5) << s;
  EXPECT_EQ(Erdmitteltemp, 9.5);
}

TEST(GroundProfile, AlmostZeroDepthIsEmptyAndCostsNoPoint) {
  // A depth below 1 mm is a blank entry: the two real points must both stay.
  double T[31] = {}, z[31] = {}, res[41] = {};
  z[1] = 0.0005;
  T[1] = 99;
  z[2] = 100;
  T[2] = 12;
  z[3] = 50;
  T[3] = 11;
  DimAxi = 2;
  SortGroundLayers(T, z, res, 100.0);
  EXPECT_EQ(z[1], 50);
  EXPECT_EQ(z[2], 100);
  EXPECT_EQ(T[2], 12);
  EXPECT_EQ(z[3], 10000);
  EXPECT_NEAR(T[3], 12.0 + 0.02 * 9900, 1e-9);
  EXPECT_NEAR(T[0], 10.0, 1e-12);
  EXPECT_NEAR(res[1], 10.5, 1e-12);
  EXPECT_NEAR(res[2], 11.5, 1e-12);
}

TEST(GroundProfile, PointBelow10000IsNotFollowedByAShallowerOne) {
  double T[31] = {}, z[31] = {}, res[41] = {};
  z[1] = 100;
  T[1] = 13;
  z[2] = 12000;
  T[2] = 250;
  DimAxi = 2;
  SortGroundLayers(T, z, res, 100.0);
  EXPECT_EQ(z[3], 0.0);
  SortGroundLayers(T, z, res, 100.0);
  EXPECT_EQ(z[1], 100);
  EXPECT_EQ(z[2], 12000);
  EXPECT_EQ(z[3], 0.0);
  // Surface 13 - 237/11900 * 100; linear over the probe.
  const double t0 = 13.0 - 237.0 / 11900.0 * 100.0;
  EXPECT_NEAR(T[0], t0, 1e-12);
  EXPECT_NEAR(res[1], (t0 + (t0 + 13.0) / 2) / 2, 1e-12);
  EXPECT_NEAR(res[2], ((t0 + 13.0) / 2 + 13.0) / 2, 1e-12);
}

// ---------------------------------------------------------------------------
// Set-up
// ---------------------------------------------------------------------------

const double kNoHistory[kMaxSegmente + 1] = {};

class GroundModel : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaults();
    Jahr = 1;
    LastYear = 1;
    SchritteProJahr = 8760;
  }
};

TEST_F(GroundModel, DefaultProjectGridAndFigures) {
  const double dt = PrepareProbeModel(0, kNoHistory);
  // Default: 20 m, one segment, 5 radial cells, factor 2, radius 2.5 m.
  const double ri = 0.032 / 2 - 0.003, rb = 0.06;
  const double delta = (2.5 - rb) / 15.0;  // widths d, 2d, 4d, 8d
  EXPECT_DOUBLE_EQ(Ringradius[0], ri);
  EXPECT_DOUBLE_EQ(Ringradius[1], rb);
  EXPECT_NEAR(Ringradius[2], rb + delta, 1e-14);
  EXPECT_NEAR(Ringradius[3], rb + 3 * delta, 1e-14);
  EXPECT_NEAR(Ringradius[4], rb + 7 * delta, 1e-14);
  EXPECT_DOUBLE_EQ(Ringradius[5], 2.5);
  EXPECT_DOUBLE_EQ(Zellradius[6], 2.5);
  for (int k = 1; k <= 5; ++k) {
    EXPECT_NEAR(Zellradius[k],
                std::sqrt((Ringradius[k] * Ringradius[k] + Ringradius[k - 1] * Ringradius[k - 1]) / 2),
                1e-15);
  }
  EXPECT_DOUBLE_EQ(Segmentlaenge, 20.0);
  // Capacities: fill of a double U-tube, ground rings.
  EXPECT_NEAR(Zellkapazitaet[1][1], kPi * 1180 * 3040 * (rb * rb - 4 * ri * ri) * 20, 1e-6);
  for (int k = 2; k <= 5; ++k) {
    const double a = Ringradius[k] * Ringradius[k] - Ringradius[k - 1] * Ringradius[k - 1];
    EXPECT_NEAR(Zellkapazitaet[1][k], kPi * 2600 * 1000 * a * 20, 1e-3);
  }
  EXPECT_NEAR(CSoleRohr, 2 * kPi * ri * ri * 3904.6 * 1036.72 * 20, 1e-9);
  // Conductances between rings, and to the outer boundary.
  for (int k = 3; k <= 5; ++k) {
    EXPECT_NEAR(LeitwertGitterBetrieb[1][k], 2 * kPi * 2.4 * 20 / std::log(Zellradius[k] / Zellradius[k - 1]),
                1e-9);
  }
  EXPECT_NEAR(LeitwertRand[1], 2 * kPi * 2.4 * 20 / std::log(2.5 / Zellradius[5]), 1e-9);
  EXPECT_GE(subdt, 1);
  EXPECT_NEAR(dt, 3600.0 / subdt, 1e-12);
  EXPECT_EQ(substep_run, 1);  // stationary brine by default
  EXPECT_EQ(substep_stop, 1);
  // Start: undisturbed 9.8 + 0.03 * 10 in every node.
  for (int k = 0; k <= 6; ++k) EXPECT_DOUBLE_EQ(TGitter[1][k], 9.8 + 0.03 * 10.0);

  std::printf("default set-up: subdt=%d dt=%.3f s substep_run=%d substep_stop=%d\n", subdt, dt, substep_run,
              substep_stop);
  std::printf("R1=%.6f K/W Ra=%.6f Rb=%.6f Rc=%.6f mK/W\n", R1, Ra, Rb, Rc);
  for (int k = 0; k <= 5; ++k) std::printf("r[%d]=%.6f  rm[%d]=%.6f\n", k, Ringradius[k], k, Zellradius[k]);
  std::printf("rm[6]=%.6f\n", Zellradius[6]);
  for (int k = 1; k <= 5; ++k) std::printf("C[1][%d]=%.1f J/K\n", k, Zellkapazitaet[1][k]);
  for (int k = 1; k <= 6; ++k)
    std::printf("K1[1][%d]=%.4f K2[1][%d]=%.4f W/K\n", k, LeitwertGitterBetrieb[1][k], k,
                LeitwertGitterRuhe[1][k]);
  std::printf("LeitwertSoleErde=%.4f Ruhe=%.4f WandErde=%.4f Rand=%.4f CSoleRohr=%.2f\n", LeitwertSoleErde[1],
              LeitwertSoleErdeRuhe[1], LeitwertWandErde[1], LeitwertRand[1], CSoleRohr);
}

TEST_F(GroundModel, StepMatricesConserveAUniformField) {
  DimAxi = 3;
  DimRad = 8;
  PrepareProbeModel(0, kNoHistory);
  for (const MatrixStack* m : {&CNMatrixBetrieb, &CNMatrixRuhe}) {
    for (int s = 0; s < 3; ++s) {
      for (int i = 1; i <= 8; ++i) {
        double sum = 0;
        for (int c = 0; c <= 9; ++c) sum += (*m)[s][i][c];
        EXPECT_NEAR(sum, 1.0, 1e-12) << "segment " << s + 1 << " row " << i;
      }
    }
  }
}

TEST_F(GroundModel, GridFactorTwoWithThreeCellsAndFactorOne) {
  DimRad = 3;
  PrepareProbeModel(0, kNoHistory);
  const double d = (2.5 - 0.06) / 3;
  EXPECT_NEAR(Ringradius[2] - Ringradius[1], d, 1e-14);
  EXPECT_NEAR(Ringradius[3] - Ringradius[2], 2 * d, 1e-14);

  Gitterfaktor = 1.0;
  DimRad = 5;
  PrepareProbeModel(0, kNoHistory);
  for (int k = 2; k <= 5; ++k) EXPECT_NEAR(Ringradius[k] - Ringradius[k - 1], (2.5 - 0.06) / 4, 1e-14);
}

// The radial conductances of the grid use the segment's effective ground
// conductivity as the run initialisation prepares it (the keyless radial array
// only keeps its default), and the mean ground conductivity when that is 0.
TEST_F(GroundModel, RadialConductancesFollowTheEffectiveGroundConductivity) {
  DimAxi = 2;
  Sondenlaenge = 40;
  lambdaErde[1] = 1.5;
  lambdaErde[2] = 3.1;
  lambdaErde_effSegment[1] = 1.8;
  lambdaErde_effSegment[2] = 0.0;
  for (int j = 1; j <= 2; ++j) lambdaRadial[j] = 2.4;
  PrepareProbeModel(0, kNoHistory);
  const double want[3] = {0, 1.8, (1.5 + 3.1) / 2};
  for (int j = 1; j <= 2; ++j) {
    for (int k = 3; k <= DimRad; ++k) {
      EXPECT_NEAR(LeitwertGitterBetrieb[j][k],
                  2 * kPi * want[j] * 20 / std::log(Zellradius[k] / Zellradius[k - 1]),
                  1e-12 * LeitwertGitterBetrieb[j][k])
          << j << " " << k;
    }
    EXPECT_NEAR(LeitwertRand[j], 2 * kPi * want[j] * 20 / std::log(Rechenradius / Zellradius[DimRad]),
                1e-12 * LeitwertRand[j]);
    EXPECT_EQ(LeitwertGitterRuhe[j][DimRad + 1], LeitwertRand[j]);
  }
}

TEST_F(GroundModel, SingleUAndCoaxialCapacitiesAndSubsteps) {
  einfachU = true;
  PrepareProbeModel(0, kNoHistory);
  const double ri = 0.013, rb = 0.06;
  EXPECT_NEAR(Zellkapazitaet[1][1], kPi * 1180 * 3040 * (rb * rb - 2 * ri * ri) * 20, 1e-6);
  EXPECT_NEAR(CSoleRohr, kPi * ri * ri * 3904.6 * 1036.72 * 20, 1e-9);

  einfachU = false;
  KoaxialSonde = true;
  stationaer = false;
  Sondendurchmesser = 0.05;
  Dicke_Sondenrohr = 0.003;
  Innenrohrdurchmesser = 0.032;
  Bohrdurchmesser = 0.12;
  Sondenlaenge = 25;
  const int plain = [] {
    KoaxialSonde = true;
    stationaer = true;
    PrepareProbeModel(0, kNoHistory);
    return subdt;
  }();
  stationaer = false;
  PrepareProbeModel(0, kNoHistory);
  EXPECT_EQ(subdt, plain * 60);  // 25 m segment: factor 60
  EXPECT_GT(substep_run, 0);
  EXPECT_GT(substep_stop, 0);
}

TEST_F(GroundModel, StepResponseUsesFourSecondSubsteps) {
  Sprungantwort = true;
  Zeitschritt = 10;
  SchritteProJahr = 8760 * 6;
  PrepareProbeModel(0, kNoHistory);
  EXPECT_EQ(subdt, 150);  // 600 s / 4 s
}

TEST_F(GroundModel, HistoriesClearedOrCarriedOver) {
  // A year without seasons: the jumped year starts from its last block.
  PrepareProbeModel(0, kNoHistory);
  for (int b = 1; b <= 52; ++b) QHistorie[1][b] = 100.0 + 0.01 * b;
  double yearMean[kMaxSegmente + 1] = {};
  yearMean[1] = 100.265;
  Starttemp = true;
  Jahr = 3;
  PrepareProbeModel(2, yearMean);
  EXPECT_EQ(QHistorie[1][0], 100.0 + 0.01 * 52);
  EXPECT_EQ(QHistorie[1][7], 100.0 + 0.01 * 7);
  Jahr = 1;
  PrepareProbeModel(0, kNoHistory);
  EXPECT_EQ(QHistorie[1][0], 0.0);
  EXPECT_EQ(QHistorie[1][7], 0.0);
}

// A seasonal year ends in winter: the jumped year starts from the year's mean
// that the start field holds, not from the last week's heavy extraction.
TEST_F(GroundModel, SeasonalHistoryRestartsAtTheYearsMean) {
  PrepareProbeModel(0, kNoHistory);
  for (int b = 1; b <= 52; ++b) QHistorie[1][b] = 100.0 + 80.0 * std::cos(2.0 * std::numbers::pi * b / 52.0);
  double yearMean[kMaxSegmente + 1] = {};
  yearMean[1] = 100.0;
  Starttemp = true;
  Jahr = 3;
  PrepareProbeModel(2, yearMean);
  EXPECT_EQ(QHistorie[1][0], 100.0);
  EXPECT_EQ(QHistorie[1][52], 180.0);
}

// Blocks of two weeks: the year has 26 of them, and its last is block 26,
// not an entry past the year that was never written.
TEST_F(GroundModel, LongerBlocksRestartFromTheYearsLastBlock) {
  RepRandbed = 2;
  PrepareProbeModel(0, kNoHistory);
  for (int b = 1; b <= 26; ++b) QHistorie[1][b] = 250.0;
  QHistorie[1][26] = 249.0;
  double yearMean[kMaxSegmente + 1] = {};
  yearMean[1] = 249.96;
  Starttemp = true;
  Jahr = 3;
  PrepareProbeModel(2, yearMean);
  EXPECT_EQ(QHistorie[1][0], 249.0);
}

TEST_F(GroundModel, EarlierYearsLowerTheStartTemperatures) {
  double q[kMaxSegmente + 1] = {};
  q[1] = 400.0;  // W over 20 m
  const double T0 = 9.8 + 0.3;
  // With the field's g-function as far field, the response follows
  // g - ln(rm/(0.0005 H)).
  gfunction = true;
  PrepareProbeModel(5, q);
  // Nearer nodes are colder.
  for (int k = 1; k <= DimRad + 1; ++k) EXPECT_GE(TGitter[1][k], TGitter[1][k - 1]);
  const double ts = 400.0 / 9.0 * 2600 * 1000 / 2.4;
  double x = std::min(2.5, std::log(5 * 365.0 * 86400 / ts));
  const double coeff[6] = {gKoeff0, gKoeff1, gKoeff2, gKoeff3, gKoeff4, gKoeff5};
  const double g = SuperpositionGValue(x, coeff, false);
  const double gk = std::max(0.0, g - std::log(Zellradius[3] / 0.01));
  EXPECT_NEAR(TGitter[1][3], T0 - 400.0 / 20 * gk / (2 * kPi * 2.4), 1e-9);
  EXPECT_DOUBLE_EQ(TUngestoert[1], TGitter[1][DimRad + 1]);
  // With the line source as far field: five years of 20 W/m by the line
  // source, E1(r² / (4 a t)) / (4 pi lambda), E1 summed here to full precision.
  gfunction = false;
  PrepareProbeModel(5, q);
  for (int k = 1; k <= DimRad + 1; ++k) EXPECT_GE(TGitter[1][k], TGitter[1][k - 1]);
  auto e1 = [](double u) {
    double sum = -0.5772156649015329 - std::log(u), term = 1.0;
    for (int k = 1; k <= 40; ++k) {
      term *= -u / k;
      sum -= term / k;
    }
    return sum;
  };
  for (int k : {0, 3, DimRad + 1}) {
    const double u = Zellradius[k] * Zellradius[k] * 2600 * 1000 / (4 * 2.4 * 5 * 365.0 * 86400);
    EXPECT_NEAR(TGitter[1][k], T0 - 400.0 / 20 * e1(u) / (4 * kPi * 2.4), 1e-3) << k;
  }
  // The line source goes on cooling where the borehole's g-function levels off.
  EXPECT_NEAR(TGitter[1][3], 5.104, 0.001);
  EXPECT_DOUBLE_EQ(TUngestoert[1], TGitter[1][DimRad + 1]);
}

TEST_F(GroundModel, AnnualWaveTable) {
  Jahreszeiten = true;
  DimAxi = 2;
  PrepareProbeModel(0, kNoHistory);
  // The segment 0..10 m: damping is the log mean of the factors at 0 and 10 m.
  const double a = 3600.0 * 2.4 / (2600.0 * 1000.0);
  const double k = std::sqrt(3.14159 / (a * 8760));
  const double e2 = std::exp(-10 * k);
  const double damp = (1 - e2) / (0 - std::log(e2));
  const int w = 20;
  EXPECT_NEAR(TJahreszeit[1][w],
              9 * damp * std::cos(k * 5 - (168.0 * w + 4368 - 24 * 15) * 2 * 3.14159 / 8760), 1e-9);
  EXPECT_LT(std::fabs(TJahreszeit[2][w]), std::fabs(TJahreszeit[1][w]) + 1e-12);
  EXPECT_EQ(TJahreszeit[1][0], 0.0);
}

TEST_F(GroundModel, RefusesInvalidInputBeforeBuilding) {
  auto refused = [](auto change) {
    SetDefaults();
    Jahr = 1;
    LastYear = 1;
    change();
    try {
      PrepareProbeModel(0, kNoHistory);
    } catch (const CalcError& e) {
      EXPECT_GT(std::string(e.what()).size(), 5u);
      return true;
    }
    return false;
  };
  EXPECT_TRUE(refused([] { DimAxi = 0; }));
  EXPECT_TRUE(refused([] { DimAxi = 11; }));
  EXPECT_TRUE(refused([] { DimRad = 1; }));
  EXPECT_TRUE(refused([] { DimRad = 13; }));
  EXPECT_TRUE(refused([] { RepRandbed = 0; }));
  EXPECT_TRUE(refused([] { Zeitschritt = 0; }));
  EXPECT_TRUE(refused([] { Zeitschritt = 20000; }));
  EXPECT_TRUE(refused([] { Gitterfaktor = 0; }));
  EXPECT_TRUE(refused([] { Rechenradius = 0.05; }));
  EXPECT_TRUE(refused([] { Sondendurchmesser = 0.006; }));
  EXPECT_TRUE(refused([] { MonitorRad = 7; }));
  EXPECT_TRUE(refused([] { MonitorAxi = 2; }));
  EXPECT_TRUE(refused([] { lambdaErde[1] = 0; }));
  // 250 hourly years without settling: more blocks than the history holds.
  EXPECT_TRUE(refused([] { LastYear = 250; }));
  EXPECT_FALSE(refused([] {
    LastYear = 250;
    Starttemp = true;
  }));
  EXPECT_FALSE(refused([] { LastYear = 200; }));
  EXPECT_FALSE(refused([] {
    LastYear = 601;
    Starttemp = true;
  }));
  EXPECT_TRUE(refused([] {
    LastYear = 601;
    Starttemp = true;
    StaoGelesen = true;
    Reserve27 = true;
  }));
  // A step that does not divide the week, or a week beyond 53 table weeks.
  EXPECT_TRUE(refused([] {
    Zeitschritt = 100;
    SchritteProJahr = 5256;
  }));
  EXPECT_TRUE(refused([] { SchritteProJahr = 9000; }));
  EXPECT_FALSE(refused([] {}));
}

// ---------------------------------------------------------------------------
// Time step
// ---------------------------------------------------------------------------

void RunSteps(int from, int to) {
  for (int s = from; s <= to; ++s) StepProbeModel(0, s, SchrittImBlock);
}

TEST_F(GroundModel, UniformFieldWithoutLoadStaysUniform) {
  TGrad = 0;
  DimAxi = 3;
  Massenstrom = 0;  // at rest
  PrepareProbeModel(0, kNoHistory);
  const double T0 = TGitter[1][1];
  RunSteps(1, 400);
  for (int j = 1; j <= 3; ++j)
    for (int k = 0; k <= DimRad + 1; ++k) EXPECT_EQ(TGitter[j][k], T0) << j << "," << k;
  // Flowing brine at the ground temperature changes nothing either.
  Massenstrom = 0.085;
  TSink = T0;
  stationaer = false;
  PrepareProbeModel(0, kNoHistory);
  RunSteps(1, 400);
  for (int j = 1; j <= 3; ++j)
    for (int k = 0; k <= DimRad + 1; ++k) EXPECT_EQ(TGitter[j][k], T0);
  EXPECT_NEAR(TSource, T0, 1e-12);  // the mean of the sub-steps rounds
}

TEST_F(GroundModel, BlockBookkeepingOfHourlySteps) {
  Massenstrom = 0;
  PrepareProbeModel(0, kNoHistory);
  int sib = 0;
  StepProbeModel(0, 1, sib);
  EXPECT_EQ(sib, 1);
  StepProbeModel(0, 168, sib);
  EXPECT_EQ(sib, 168);
  StepProbeModel(0, 169, sib);
  EXPECT_EQ(sib, 1);
  RepRandbed = 2;
  StepProbeModel(0, 336, sib);
  EXPECT_EQ(sib, 336);
}

TEST_F(GroundModel, CellarClampLandsOnTheCellarTemperature) {
  Massenstrom = 0;
  TGrad = 0;
  Kellerflaeche = 1e6;
  UWertKeller = 1;
  TempKellerWinter = 20;
  TempKellerSommer = 25;
  PrepareProbeModel(0, kNoHistory);
  RunSteps(1, 168);
  EXPECT_DOUBLE_EQ(TGitter[1][DimRad + 1], 20.0);
}

// Constant extraction with one sub-step per step, so that the fluxes of every
// update can be followed from outside: the ground loses exactly what the brine
// takes (the history holds it too), and the grid itself conserves energy.
TEST_F(GroundModel, EnergyBalanceOfAYearOfExtraction) {
  Sicherheit2 = 1e-4;  // largest sub-step: one per hour
  stationaer = true;
  Leistung = false;
  Massenstrom = 0.3;
  Auslegungsmassenstrom = 0.3;
  Sondenlaenge = 100;
  DimAxi = 4;
  TGrad = 0.03;
  const double dt = PrepareProbeModel(0, kNoHistory);
  ASSERT_EQ(subdt, 1);
  const int n = DimAxi, nR = DimRad;
  TSink = 2.0;
  double brine = 0, inner = 0, outer = 0, stored = 0, heats = 0;
  double T1start[kMaxSegmente + 1];
  for (int j = 1; j <= n; ++j) T1start[j] = TGitter[j][1];
  for (int s = 1; s <= 8760; ++s) {
    VectorStack before;
    std::copy(&TGitter[0][0], &TGitter[0][0] + sizeof(VectorStack) / sizeof(double), &before[0][0]);
    StepProbeModel(0, s, SchrittImBlock);
    brine += 0.3 * cpSole * (TSource - TSink) * dt;
    for (int j = 1; j <= n; ++j) {
      const auto& K = LeitwertGitterBetrieb[j];
      inner += K[1] * ((before[j][1] + TGitter[j][1]) / 2 - TGitter[j][0]) * dt;
      outer += K[nR + 1] * (TGitter[j][nR + 1] - (before[j][nR] + TGitter[j][nR]) / 2) * dt;
      for (int k = 1; k <= nR; ++k) stored += Zellkapazitaet[j][k] * (TGitter[j][k] - before[j][k]);
      heats += (before[j][1] - TGitter[j][0]) * LeitwertGitterBetrieb[j][1] * dt;
    }
  }
  ASSERT_GT(brine, 1e9);
  // Brine side equals the sum of the segment heats.
  EXPECT_NEAR(heats / brine, 1.0, 1e-9);
  // The block means hold the same energy (52 full weeks, the rest of the
  // year is in the running mean).
  double blocks = 0;
  for (int j = 1; j <= n; ++j) {
    for (int b = 1; b <= 52; ++b) blocks += QHistorie[j][b] * 604800.0;
    blocks += QBlockMittel[j] * (8760 - 52 * 168) * 3600.0;
  }
  EXPECT_NEAR(blocks / brine, 1.0, 1e-9);
  // The grid conserves energy: stored = in at the edge - out to the brine.
  EXPECT_NEAR((outer - inner - stored) / brine, 0.0, 1e-9);
  // Flux to the brine node = segment heats + the Crank-Nicolson half-step term.
  double tele = 0;
  for (int j = 1; j <= n; ++j) tele += LeitwertGitterBetrieb[j][1] * dt / 2 * (TGitter[j][1] - T1start[j]);
  EXPECT_NEAR((inner - heats - tele) / brine, 0.0, 1e-6);
  EXPECT_LT(TSource, 10.0);
}

// One year of constant extraction: the mean brine temperature lies
// q' (Rb + g / (2 pi lambda)) below the undisturbed ground.
TEST_F(GroundModel, MeanBrineDropFollowsTheGFunction) {
  gfunction = true;
  stationaer = true;
  Leistung = true;
  Sondenlaenge = 100;
  DimAxi = 5;
  DimRad = 8;
  Rechenradius = 3.0;
  TGrad = 0;
  Massenstrom = 0.3;
  Auslegungsmassenstrom = 0.3;
  PrepareProbeModel(0, kNoHistory);
  const double T0 = TGitter[1][1];
  const double qm = 30.0;  // W/m
  const double Q = qm * Sondenlaenge;
  TSource = T0;
  for (int s = 1; s <= 8760; ++s) {
    TSink = TSource - Q / (Massenstrom * cpSole);
    StepProbeModel(0, s, SchrittImBlock);
  }
  const double meanBrine = TSource - Q / (Massenstrom * cpSole) / 2;
  const double ts = Sondenlaenge * Sondenlaenge / 9 * rhoErd * cpErd / lambdaErd;
  const double coeff[6] = {gKoeff0, gKoeff1, gKoeff2, gKoeff3, gKoeff4, gKoeff5};
  const double g = SuperpositionGValue(std::log(8760 * 3600.0 / ts), coeff, false);
  const double expected = qm * (Rb + g / (2 * kPi * lambdaErd));
  std::printf("year drop %.3f K, q'(Rb+g/2pi lambda) = %.3f K (Rb %.4f, g %.3f)\n", T0 - meanBrine, expected,
              Rb, g);
  EXPECT_NEAR((T0 - meanBrine) / expected, 1.0, 0.1);
}

TEST_F(GroundModel, RepeatedPassAtABlockEndLeavesTheHistory) {
  Massenstrom = 0.085;
  TSink = 0.0;
  PrepareProbeModel(0, kNoHistory);
  RunSteps(1, 167);
  StepProbeModel(3, 168, SchrittImBlock);
  EXPECT_EQ(QHistorie[1][1], 0.0);
  StepProbeModel(0, 168, SchrittImBlock);
  EXPECT_NE(QHistorie[1][1], 0.0);
}

TEST_F(GroundModel, GroundwaterWithoutSharesLeavesTheHistory) {
  Massenstrom = 0.085;
  TSink = 0.0;
  Grundwasser = true;
  zSchicht1 = zSchicht2 = zSchicht3 = zSchicht4 = 500;  // below the probe
  Druckgradient = 0.01;
  GWFeldbreite = 10;
  PrepareProbeModel(0, kNoHistory);
  RunSteps(1, 168);
  const double withGW = QHistorie[1][1];
  Grundwasser = false;
  PrepareProbeModel(0, kNoHistory);
  RunSteps(1, 168);
  EXPECT_EQ(QHistorie[1][1], withGW);
}

TEST_F(GroundModel, StrongGroundwaterCarriesTheBlockHeatAway) {
  Massenstrom = 0.085;
  TSink = 0.0;
  Grundwasser = true;
  zSchicht1 = 0;
  zSchicht2 = 20;  // layer 1 covers the whole probe
  zSchicht3 = zSchicht4 = 30;
  Durchlaessigkeit1 = 1.0;
  Druckgradient = 1.0;
  GWFeldbreite = 100;
  gfunction = true;
  Rechenradius = 0.5;  // so that one week already reaches the grid edge
  PrepareProbeModel(0, kNoHistory);
  ASSERT_DOUBLE_EQ(GWAnteil1[1], 1.0);
  RunSteps(1, 168);
  // The correction is clamped at the block's own heat: nothing is left for
  // the far field, which therefore stays where it started.
  EXPECT_EQ(QHistorie[1][1], 0.0);
  EXPECT_GT(QBlockMittel[1], 0.0);
  EXPECT_EQ(TGitter[1][DimRad + 1], TUngestoert[1]);
}

TEST_F(GroundModel, SiteTrendLowersTheBoundaryAtBlockEnds) {
  Massenstrom = 0;
  StaoGelesen = true;
  Reserve27 = true;
  TStandortJahr[0] = 0.4;
  TStandortJahr[1] = 1.0;
  PrepareProbeModel(0, kNoHistory);
  RunSteps(1, 167);
  EXPECT_EQ(TGitter[1][DimRad + 1], TUngestoert[1]);
  StepProbeModel(0, 168, SchrittImBlock);
  EXPECT_DOUBLE_EQ(TGitter[1][DimRad + 1], TUngestoert[1] - 0.7);
}

// The inner-pipe wall of a coaxial probe without its two brine films: Ra and
// the films are both resistances per metre, so the films come off Ra before the
// division by the segment length. Taking them off Ra/dz instead mixes a
// resistance per metre with one per segment: for an ordinary coaxial probe it
// is negative at every grid size (checked below), and the per-metre value
// would change with the number of segments.
TEST_F(GroundModel, CoaxialInnerPipeWallPerMetreWhateverTheSegments) {
  KoaxialSonde = true;
  stationaer = false;
  Sondendurchmesser = 0.063;
  Dicke_Sondenrohr = 0.0058;
  Innenrohrdurchmesser = 0.04;
  Dicke_Innenrohr = 0.0037;
  Sondenlaenge = 150;
  Massenstrom = Auslegungsmassenstrom = 0.4;
  double perMetre = 0.0;
  for (int n : {1, 3, 10}) {
    DimAxi = n;
    PrepareProbeModel(0, kNoHistory);
    double a1 = 0, a2 = 0, a3 = 0;
    ComputeProbeAlphas(Auslegungsmassenstrom / AnzahlSonden, a1, a2, a3, true);
    const double rii = 0.04 / 2 - 0.0037;
    const double films = 1.0 / (2 * kPi * a2 * rii) + 1.0 / (kPi * a3 * 0.04);
    const double dz = 150.0 / n;
    ASSERT_GT(RaV[1], films);            // the wall itself has a resistance
    EXPECT_LT(RaV[1] / dz - films, 0.0);  // the mixed form would be negative
    for (int j = 1; j <= n; ++j) {
      EXPECT_NEAR(LeitwertInnenrohr[j], dz / (RaV[j] - films), 1e-9 * LeitwertInnenrohr[j]) << n;
      // Films added back at the design flow give Ra again.
      EXPECT_NEAR(1.0 / (1.0 / LeitwertInnenrohr[j] + films / dz), LeitwertSoleSole[j],
                  1e-12 * LeitwertSoleSole[j]);
    }
    if (n == 1) perMetre = LeitwertInnenrohr[1] / dz;
    EXPECT_NEAR(LeitwertInnenrohr[1] / dz, perMetre, 1e-12 * perMetre) << n;
  }
}

TEST_F(GroundModel, CoaxialProbeRunsAYearWithFilmsPerStep) {
  KoaxialSonde = true;
  stationaer = false;
  Sondendurchmesser = 0.063;
  Dicke_Sondenrohr = 0.0058;
  Innenrohrdurchmesser = 0.04;
  Dicke_Innenrohr = 0.0037;
  Sondenlaenge = 150;
  DimAxi = 3;
  Massenstrom = Auslegungsmassenstrom = 0.4;
  PrepareProbeModel(0, kNoHistory);
  const double T0 = 9.8 + 0.03 * 75;
  for (int s = 1; s <= 2000; ++s) {
    Massenstrom = (s % 24 < 12) ? 0.6 : 0.0;  // above the design flow, then at rest
    TSink = -2.0;
    StepProbeModel(0, s, SchrittImBlock);
    ASSERT_TRUE(std::isfinite(TSource)) << s;
    if (Massenstrom > 0) {
      ASSERT_GT(TSource, -2.0) << s;
      ASSERT_LT(TSource, T0 + 2.5) << s;
    }
  }
  EXPECT_GT(QHistorie[1][1], 0.0);
}

TEST_F(GroundModel, TracesAndTheEndOfTheStepResponse) {
  Massenstrom = 0.085;
  TSink = 0.0;
  PrepareProbeModel(0, kNoHistory);
  for (int i = 0; i <= kVerlaufMax; ++i) TSourceVerlauf[i] = -99;
  VerlaufSchritte = 1;  // no trace
  StepProbeModel(0, 1, SchrittImBlock);
  EXPECT_EQ(TSourceVerlauf[1], -99);
  VerlaufSchritte = 1000 / subdt;
  StepProbeModel(0, 1, SchrittImBlock);
  EXPECT_NE(TSourceVerlauf[subdt], -99);
  EXPECT_EQ(TSourceVerlauf[0], TSourceVerlauf[1]);
  EXPECT_EQ(TSourceVerlauf[subdt + 1], -99);

  // Step response in power mode: a step without flow ends it.
  Sprungantwort = true;
  Leistung = true;
  Zeitschritt = 10;
  SchritteProJahr = 6 * 8760;
  PrepareProbeModel(0, kNoHistory);
  VerlaufSchritte = 1000 / subdt;
  Massenstrom = 0.0005;
  StepProbeModel(0, 1, SchrittImBlock);
  EXPECT_FALSE(Sprungantwort);
  EXPECT_EQ(Zeitschritt, 60);
  EXPECT_EQ(SchritteProJahr, 8760);
  EXPECT_EQ(TSinkVerlauf[1], TSourceVerlauf[1]);
  // The following hourly steps get sub-steps of their own length.
  const int stepResponseSubsteps = subdt;
  EXPECT_EQ(stepResponseSubsteps, 3);  // as for the default hourly model
  EXPECT_NEAR(Teilschrittdauer, 3600.0 / subdt, 1e-12);
}

TEST_F(GroundModel, RefusesBlocksBeyondTheHistory) {
  Massenstrom = 0;
  PrepareProbeModel(0, kNoHistory);
  Jahr = 204;  // block 10600 + at hourly steps
  EXPECT_THROW(StepProbeModel(0, 8760, SchrittImBlock), CalcError);
}

}  // namespace
}  // namespace qeb
