// Borehole field services: neighbour influence on the g-function and the
// groundwater values of the field and of the probe segments.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "calc/Erdsonden.h"

namespace qeb {
namespace {

class FieldInfluence : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaults();
    Sondengrafik = false;
    Anz_Nachbarsonden = 0;
    SondeNr = 0;
    for (int i = 0; i <= 600; ++i) {
      SondeX[i] = SondeY[i] = 0;
      Nachbarsonde[i] = false;
    }
    table.assign(601, -1.0);
  }
  std::vector<double> table;
};

TEST_F(FieldInfluence, OneBoreholeIsTheSingleValue) {
  EXPECT_EQ(FieldNeighbourInfluence(1, table, 4.82, 99.0, 100.0), 4.82);
  EXPECT_EQ(table[1], -1.0);
}

TEST_F(FieldInfluence, DistantBoreholesAddNothing) {
  SondeX[2] = 100.0;
  EXPECT_DOUBLE_EQ(FieldNeighbourInfluence(2, table, 5.69, 5.94, 100.0), 5.69);
  EXPECT_EQ(table[1], 5.69);
  EXPECT_EQ(table[2], 5.69);
}

TEST_F(FieldInfluence, LogarithmicTermOfANearPair) {
  SondeX[2] = 3.0;
  SondeY[2] = 4.0;  // 5 m apart
  const double base = 4.82 + (4.95 - 4.82) / 50 * 2;
  const double t = base - std::log(5.0 / 100.0 * 100.0 / 0.05);
  const double got = FieldNeighbourInfluence(2, table, 4.82, 4.95, 100.0);
  EXPECT_NEAR(table[1], 4.82 + t, 1e-12);
  EXPECT_NEAR(got, 4.82 + t, 1e-12);
  // Above 5.5 the base value carries 0.17 more.
  const double base6 = 6.29 + (6.53 - 6.29) / 50 * 2 + 0.17;
  FieldNeighbourInfluence(2, table, 6.29, 6.53, 100.0);
  EXPECT_NEAR(table[2], 6.29 + base6 - std::log(100.0), 1e-12);
}

TEST_F(FieldInfluence, SmallTermsFloorAndCoincidentBoreholes) {
  SondeX[2] = 59.0;  // r = 59 / 20 * 100 = 295: the term is negative
  EXPECT_NEAR(FieldNeighbourInfluence(2, table, 4.82, 4.95, 20.0), 4.82 + 0.0023, 1e-12);
  // Coincident boreholes add nothing (no ln 0).
  SondeX[2] = 0.0;
  const double g = FieldNeighbourInfluence(2, table, 4.82, 4.95, 20.0);
  EXPECT_TRUE(std::isfinite(g));
  EXPECT_EQ(g, 4.82);
  // Fields above 200 boreholes use the smaller floor.
  for (int i = 1; i <= 201; ++i) SondeX[i] = 1000.0 * i;
  SondeX[2] = SondeX[1] + 59.0;
  FieldNeighbourInfluence(201, table, 4.82, 4.95, 20.0);
  EXPECT_NEAR(table[1], 4.82 + 0.0008, 1e-12);
}

TEST_F(FieldInfluence, BaseValueStepsAndSelectedBorehole) {
  for (int i = 1; i <= 101; ++i) SondeX[i] = 1000.0 * i;
  SondeX[2] = SondeX[1] + 1.0;  // r = 1: t = B - ln 20
  FieldNeighbourInfluence(100, table, 4.82, 4.95, 100.0);
  EXPECT_NEAR(table[1], 4.82 + (4.82 + 0.13 * 2) - std::log(20.0), 1e-12);
  FieldNeighbourInfluence(101, table, 4.82, 4.95, 100.0);
  EXPECT_NEAR(table[1], 4.82 + (4.82 + 0.13 * 4 / 3) - std::log(20.0), 1e-12);
  SondeNr = 2;
  EXPECT_DOUBLE_EQ(FieldNeighbourInfluence(101, table, 4.82, 4.95, 100.0), table[2]);
  SondeNr = 500;  // beyond the count: the mean
  double mean = 0;
  const double got = FieldNeighbourInfluence(101, table, 4.82, 4.95, 100.0);
  for (int i = 1; i <= 101; ++i) mean += table[i] / 101;
  EXPECT_NEAR(got, mean, 1e-12);
}

TEST_F(FieldInfluence, SixtyMetresStillCountAndTheBaseAbove200) {
  SondeX[2] = 60.0;  // r = 60: t = 4.8252 - ln 1200 < 0, the floor is added
  EXPECT_NEAR(FieldNeighbourInfluence(2, table, 4.82, 4.95, 100.0), 4.82 + 0.0023, 1e-12);
  SondeX[2] = 60.001;
  EXPECT_EQ(FieldNeighbourInfluence(2, table, 4.82, 4.95, 100.0), 4.82);
  // Base value of 200 and of 201 boreholes, seen through a pair 1 m apart.
  for (int i = 1; i <= 201; ++i) SondeX[i] = 1000.0 * i;
  SondeX[2] = SondeX[1] + 1.0;  // r = 1: t = B - ln 20
  FieldNeighbourInfluence(200, table, 4.82, 4.95, 100.0);
  EXPECT_NEAR(table[1], 4.82 + (4.82 + 0.13 * 100 / 75) - std::log(20.0), 1e-12);
  FieldNeighbourInfluence(201, table, 4.82, 4.95, 100.0);
  EXPECT_NEAR(table[1], 4.82 + (4.82 + 0.13 * 100 / 85) - std::log(20.0), 1e-12);
  // Lone boreholes of the field keep gSingle; the mean counts every borehole.
  EXPECT_EQ(table[3], 4.82);
  double sum = 0;
  for (int i = 1; i <= 201; ++i) sum += table[i];
  EXPECT_NEAR(FieldNeighbourInfluence(201, table, 4.82, 4.95, 100.0), sum / 201, 1e-12);
}

TEST_F(FieldInfluence, NeighbourBoreholesInfluenceButDoNotCount) {
  Sondengrafik = true;
  Anz_Nachbarsonden = 1;
  Nachbarsonde[2] = true;
  SondeX[2] = 5.0;
  const double got = FieldNeighbourInfluence(2, table, 4.82, 4.95, 100.0);
  EXPECT_EQ(table[2], -1.0);  // not counted: keeps its value
  EXPECT_GT(table[1], 4.82);
  EXPECT_DOUBLE_EQ(got, table[1]);
}

TEST_F(FieldInfluence, RefusesTablesAndCountsBeyondTheArrays) {
  std::vector<double> small(3);
  EXPECT_THROW(FieldNeighbourInfluence(5, small, 4.82, 4.95, 100.0), CalcError);
  EXPECT_THROW(FieldNeighbourInfluence(601, table, 4.82, 4.95, 100.0), CalcError);
  EXPECT_THROW(FieldNeighbourInfluence(3, table, 4.82, 4.95, 0.0), CalcError);
}

// ---------------------------------------------------------------------------
// Groundwater layers of the probe segments
// ---------------------------------------------------------------------------

TEST(GroundwaterSegments, LayerAcrossThreeSegments) {
  SetupProbeSegments(1, 10, 0.01, 100.0, 1e-4, 0, 0, 15, 35, 200, 300, 8.0);
  const double ts[] = {0, 0, 0.25, 0.5, 0.25, 0, 0, 0, 0, 0, 0};
  const double ss[] = {0, 0, 0.5, 1.0, 0.5, 0, 0, 0, 0, 0, 0};
  for (int i = 0; i <= 10; ++i) {
    EXPECT_NEAR(GWAnteilSchicht1[i], ts[i], 1e-15) << i;
    EXPECT_NEAR(GWAnteil1[i], ss[i], 1e-15) << i;
    EXPECT_NEAR(GWLeitwert1[i], ts[i] * 20 * 8 * 1e-6 * 4.2e6, 1e-9) << i;
  }
  EXPECT_DOUBLE_EQ(vDarcy1, 1e-6);
  EXPECT_DOUBLE_EQ(GWQuerschnitt1, 160.0);
  // Layer 2 runs from 35 m to below the probe, layer 3 misses it.
  EXPECT_DOUBLE_EQ(GWAnteil2[4], 0.5);
  EXPECT_DOUBLE_EQ(GWAnteil2[10], 1.0);
  EXPECT_NEAR(GWAnteilSchicht2[10], 10.0 / 165.0, 1e-15);
  for (int i = 0; i <= 10; ++i) {
    EXPECT_EQ(GWAnteil3[i], 0.0);
    EXPECT_EQ(GWAnteilSchicht3[i], 0.0);
  }
}

TEST(GroundwaterSegments, LayerInsideOneSegment) {
  SetupProbeSegments(1, 4, 0.02, 40.0, 0, 1e-3, 0, 0, 12, 15, 16, 5.0);
  EXPECT_DOUBLE_EQ(GWAnteilSchicht2[2], 1.0);
  EXPECT_DOUBLE_EQ(GWAnteil2[2], 0.3);
  EXPECT_NEAR(GWLeitwert2[2], 3 * 5.0 * 2e-5 * 4.2e6, 1e-9);
}

TEST(GroundwaterSegments, SharesStayWithinTheProbe) {
  // From 2 m above the surface to 25 m below a 20 m probe of 4 segments.
  SetupProbeSegments(1, 4, 0.0, 20.0, 1e-4, 0, 0, -2, 25, 30, 40, 5.0);
  double sumT = 0;
  for (int i = 1; i <= 4; ++i) {
    EXPECT_DOUBLE_EQ(GWAnteil1[i], 1.0) << i;
    EXPECT_GE(GWAnteilSchicht1[i], 0.0);
    EXPECT_LE(GWAnteilSchicht1[i], 1.0);
    sumT += GWAnteilSchicht1[i];
    EXPECT_EQ(GWLeitwert1[i], 0.0);  // no gradient: no flow, shares still set
  }
  EXPECT_NEAR(sumT, 20.0 / 27.0, 1e-15);
  // A layer from the surface starts in segment 1.
  SetupProbeSegments(1, 4, 0.0, 20.0, 1e-4, 0, 0, 0, 3, 30, 40, 5.0);
  EXPECT_DOUBLE_EQ(GWAnteil1[1], 0.6);
  EXPECT_DOUBLE_EQ(GWAnteilSchicht1[1], 1.0);
  EXPECT_THROW(SetupProbeSegments(1, 11, 0.0, 20.0, 0, 0, 0, 0, 1, 2, 3, 5), CalcError);
}

TEST(GroundwaterSegments, LayerBelowTheProbeRunsToTheLastSegment) {
  // 100 m probe, 10 segments; layer 1 from 35 m to 200 m.
  SetupProbeSegments(1, 10, 0.01, 100.0, 1e-4, 0, 0, 35, 200, 300, 400, 8.0);
  EXPECT_DOUBLE_EQ(GWAnteil1[4], 0.5);
  for (int i = 5; i <= 10; ++i) {
    EXPECT_DOUBLE_EQ(GWAnteil1[i], 1.0) << i;
    EXPECT_NEAR(GWAnteilSchicht1[i], 10.0 / 165.0, 1e-15) << i;
    // Only the water beside the segment: 10 m x 8 m x 1e-6 m/s x 4.2e6 J/m³K.
    EXPECT_NEAR(GWLeitwert1[i], 10.0 * 8.0 * 1e-6 * 4.2e6, 1e-9) << i;
  }
  EXPECT_DOUBLE_EQ(GWQuerschnitt1, 165.0 * 8.0);
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(GWAnteil1[i], 0.0) << i;
}

TEST(GroundwaterSegments, LayersBesideNoSegmentCarryNothingThere) {
  // Layer 1 starts at the probe's foot, layer 2 is inverted, layer 3 lies
  // below the probe: no share and no capacity flow in any segment.
  SetupProbeSegments(1, 4, 0.05, 40.0, 1e-3, 1e-3, 1e-3, 40, 60, 50, 70, 5.0);
  for (int i = 0; i <= 10; ++i) {
    EXPECT_EQ(GWAnteil1[i], 0.0) << i;
    EXPECT_EQ(GWAnteilSchicht1[i], 0.0) << i;
    EXPECT_EQ(GWLeitwert1[i], 0.0) << i;
    EXPECT_EQ(GWAnteil2[i], 0.0) << i;
    EXPECT_EQ(GWLeitwert2[i], 0.0) << i;
    EXPECT_EQ(GWAnteil3[i], 0.0) << i;
    EXPECT_EQ(GWLeitwert3[i], 0.0) << i;
  }
  EXPECT_DOUBLE_EQ(GWQuerschnitt1, 100.0);
  EXPECT_EQ(GWQuerschnitt2, 0.0);  // never negative
  EXPECT_DOUBLE_EQ(GWQuerschnitt3, 100.0);
  EXPECT_DOUBLE_EQ(vDarcy2, 5e-5);
}

TEST(GroundwaterSegments, LayerWithoutThicknessLiesInItsSegment) {
  // 40 m probe of 4 segments; layer 2 collapsed onto 25 m (segment 3).
  SetupProbeSegments(1, 4, 0.05, 40.0, 1e-3, 1e-3, 1e-3, 5, 25, 25, 30, 5.0);
  for (int i = 0; i <= 4; ++i) {
    EXPECT_EQ(GWAnteilSchicht2[i], i == 3 ? 1.0 : 0.0) << i;
    EXPECT_EQ(GWAnteil2[i], 0.0) << i;
    EXPECT_EQ(GWLeitwert2[i], 0.0) << i;
  }
  EXPECT_EQ(GWQuerschnitt2, 0.0);
  // A layer boundary on a segment boundary belongs to the upper segment.
  SetupProbeSegments(1, 4, 0.05, 40.0, 1e-3, 1e-3, 1e-3, 5, 20, 20, 30, 5.0);
  EXPECT_EQ(GWAnteilSchicht2[2], 1.0);
  EXPECT_EQ(GWAnteilSchicht2[3], 0.0);
  // Layer 1 from 5 to 20 m: shares 1/3 and 2/3, segment shares 0.5 and 1.
  EXPECT_NEAR(GWAnteilSchicht1[1], 1.0 / 3.0, 1e-15);
  EXPECT_NEAR(GWAnteilSchicht1[2], 2.0 / 3.0, 1e-15);
  EXPECT_DOUBLE_EQ(GWAnteil1[1], 0.5);
  EXPECT_DOUBLE_EQ(GWAnteil1[2], 1.0);
}

// ---------------------------------------------------------------------------
// Groundwater values of the field
// ---------------------------------------------------------------------------

class GroundwaterField : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaults();
    hydrDruckgradient = false;
    Sondengrafik = true;
    DimAxi = 1;
  }
};

TEST_F(GroundwaterField, ParallelHorizontalContourLines) {
  ContourLines l{0, 0, 50, 0, 0, 20, 50, 20, 399, 398};
  const double x[] = {0, 0, 30}, y[] = {0, 10, 10};
  double gradient = -1, width = 0, spacing = 0;
  ComputeGroundwaterFlow(2, x, y, l, 1e-6, 1e-6, 1e-6, gradient, width, spacing);
  EXPECT_DOUBLE_EQ(width, 8.0);  // 30 + 4 lowered to 4 x 2
  EXPECT_DOUBLE_EQ(spacing, 8.0);
  EXPECT_DOUBLE_EQ(gradient, 0.05);
  // Line 2 drawn the other way round gives the same.
  ContourLines r{0, 0, 50, 0, 50, 20, 0, 20, 399, 398};
  double g2 = -1, w2 = 0, s2 = 0;
  ComputeGroundwaterFlow(2, x, y, r, 1e-6, 1e-6, 1e-6, g2, w2, s2);
  EXPECT_DOUBLE_EQ(g2, gradient);
  EXPECT_DOUBLE_EQ(w2, width);
}

TEST_F(GroundwaterField, OneBoreholeAndBoreholesAcrossTheAxis) {
  ContourLines l{0, 0, 50, 0, 0, 20, 50, 20, 399, 398};
  const double x[] = {0, 10, 10, 10}, y[] = {0, 3, 8, 15};
  double g = 0, w = 0, s = 0;
  ComputeGroundwaterFlow(1, x, y, l, 1e-6, 1e-6, 1e-6, g, w, s);
  EXPECT_EQ(w, 4.0);
  ComputeGroundwaterFlow(3, x, y, l, 1e-6, 1e-6, 1e-6, g, w, s);
  EXPECT_EQ(w, 4.0);  // same foot on the axis y = 10
}

TEST_F(GroundwaterField, VerticalContourLineIsIntersectedExactly) {
  // Line 1 is x = 0, line 2 has slope 1 through (10, 0): they meet at (0, -10).
  ContourLines l{0, 0, 0, 10, 10, 0, 20, 10, 400, 399};
  // The axis runs from (0, -10) along the bisector of (0, 1) and (1, 1)/sqrt 2.
  const double ux = std::sqrt(0.5), uy = 1 + std::sqrt(0.5);
  const double n = std::hypot(ux, uy);
  const double ax = ux / n, ay = uy / n;
  const double x[] = {0, 2, 3}, y[] = {0, 5, 3};
  double g = 0, w = 0, s = 0;
  ComputeGroundwaterFlow(2, x, y, l, 1e-6, 1e-6, 1e-6, g, w, s);
  const double along = std::fabs((x[2] - x[1]) * ax + (y[2] - y[1]) * ay);
  EXPECT_NEAR(w, std::min(8.0, along + 4.0), 1e-12);
  // Spacing: the middle of the two feet, twice its distance to x = 0.
  auto foot = [&](double px, double py) {
    const double t = (px - 0) * ax + (py + 10) * ay;
    return std::pair<double, double>{t * ax, -10 + t * ay};
  };
  const auto f1 = foot(x[1], y[1]), f2 = foot(x[2], y[2]);
  const double mx = (f1.first + f2.first) / 2;
  EXPECT_NEAR(g, 1.0 / (2 * std::fabs(mx)), 1e-12);
}

// Axis through (30, -10) along the bisector of (0, 1) and (1, 1)/sqrt 2: the
// meeting point of the vertical line x = 30 and the line y = x - 40.
struct OffsetAxis {
  double ax, ay;
  OffsetAxis() {
    const double ux = std::sqrt(0.5), uy = 1 + std::sqrt(0.5);
    ax = ux / std::hypot(ux, uy);
    ay = uy / std::hypot(ux, uy);
  }
  std::pair<double, double> Foot(double px, double py) const {
    const double t = (px - 30) * ax + (py + 10) * ay;
    return {30 + t * ax, -10 + t * ay};
  }
};

TEST_F(GroundwaterField, VerticalContourLineAwayFromTheOrigin) {
  const OffsetAxis axis;
  const double x[] = {0, 32, 33}, y[] = {0, 5, 3};
  const auto f1 = axis.Foot(x[1], y[1]), f2 = axis.Foot(x[2], y[2]);
  const double mx = (f1.first + f2.first) / 2, my = (f1.second + f2.second) / 2;
  const double wantW = std::hypot(f2.first - f1.first, f2.second - f1.second) + 4.0;
  ASSERT_LT(wantW, 8.0);
  double g = 0, w = 0, s = 0;
  // Line 1 vertical: the spacing is twice the distance of the middle to x = 30.
  ContourLines l{30, 0, 30, 10, 40, 0, 50, 10, 400, 399};
  ComputeGroundwaterFlow(2, x, y, l, 1e-6, 1e-6, 1e-6, g, w, s);
  EXPECT_NEAR(w, wantW, 1e-12);
  EXPECT_NEAR(g, 1.0 / (2 * std::fabs(mx - 30)), 1e-12);
  // Line 2 vertical: the same axis; the spacing is measured to y = x - 40.
  ContourLines r{40, 0, 50, 10, 30, 0, 30, 10, 400, 399};
  ComputeGroundwaterFlow(2, x, y, r, 1e-6, 1e-6, 1e-6, g, w, s);
  EXPECT_NEAR(w, wantW, 1e-12);
  EXPECT_NEAR(g, 1.0 / (2 * std::fabs(mx - my - 40) / std::sqrt(2.0)), 1e-12);
}

TEST_F(GroundwaterField, SharedStateAndTheSegmentTerms) {
  // The worked example through the shared variables, with the layers on a
  // 100 m probe of 10 segments.
  AnzahlSonden = 2;
  SondeX[1] = 0;
  SondeY[1] = 10;
  SondeX[2] = 30;
  SondeY[2] = 10;
  x1Isohypse1 = 0;
  y1Isohypse1 = 0;
  x2Isohypse1 = 50;
  y2Isohypse1 = 0;
  x1Isohypse2 = 50;  // drawn the other way round
  y1Isohypse2 = 20;
  x2Isohypse2 = 0;
  y2Isohypse2 = 20;
  Isohypse1 = 399;
  Isohypse2 = 398;
  Durchlaessigkeit1 = 2e-4;
  DimAxi = 10;
  Sondenlaenge = 100;
  zSchicht1 = 15;
  zSchicht2 = 35;
  zSchicht3 = 200;
  zSchicht4 = 300;
  ComputeGroundwaterFlow();
  EXPECT_DOUBLE_EQ(Druckgradient, 0.05);
  EXPECT_DOUBLE_EQ(GWFeldbreite, 8.0);
  EXPECT_DOUBLE_EQ(Mittlerer_Abstand, 8.0);
  EXPECT_EQ(x1Isohypse2, 50);  // the caller's line keeps its order
  EXPECT_DOUBLE_EQ(vDarcy1, 1e-5);
  EXPECT_DOUBLE_EQ(GWQuerschnitt1, 20.0 * 8.0);
  EXPECT_NEAR(GWLeitwert1[3], 0.5 * 160.0 * 1e-5 * 4.2e6, 1e-9);
}

TEST_F(GroundwaterField, RoundedCosineBeyondOneStillOrdersTheLines) {
  // These directions give a rounded cosine of +-1.0000000000000002, whose
  // arccos would not be a number; line 2 drawn backwards must still be turned.
  ContourLines l{0, 0, 0.1, 0.1, 0, 5, 0.1, 5.1, 400, 399};
  ContourLines back{0, 0, 0.1, 0.1, 0.1, 5.1, 0, 5, 400, 399};
  const double x[] = {0, 0.5, 2}, y[] = {0, 1, 1};
  double g = 0, w = 0, s = 0, g2 = 0, w2 = 0, s2 = 0;
  ComputeGroundwaterFlow(2, x, y, l, 1e-6, 1e-6, 1e-6, g, w, s);
  ComputeGroundwaterFlow(2, x, y, back, 1e-6, 1e-6, 1e-6, g2, w2, s2);
  EXPECT_TRUE(std::isfinite(g));
  EXPECT_TRUE(std::isfinite(w));
  EXPECT_EQ(g2, g);
  EXPECT_EQ(w2, w);
}

TEST_F(GroundwaterField, EnteredGradientWithoutLayoutUsesTheSpacing) {
  hydrDruckgradient = true;
  Sondengrafik = false;
  Sondenabstand = 7.0;
  ContourLines l{0, 0, 50, 0, 0, 20, 50, 20, 399, 398};
  const double x[] = {0, 0, 30, 0, 0}, y[] = {0, 10, 10, 0, 0};
  double g = 0.123, w = 0, s = 0;
  ComputeGroundwaterFlow(2, x, y, l, 1e-6, 1e-6, 1e-6, g, w, s);
  EXPECT_EQ(g, 0.123);
  EXPECT_DOUBLE_EQ(w, 11.0);
  EXPECT_DOUBLE_EQ(s, 8.0);
  ComputeGroundwaterFlow(4, x, y, l, 1e-6, 1e-6, 1e-6, g, w, s);
  EXPECT_DOUBLE_EQ(w, (2.0 - 1.0) * 7.0 + 4.0);
}

}  // namespace
}  // namespace qeb
