// g-function fit, line-source series and the superposition of block loads:
// the exponential integral at known arguments, the infinite line source at long
// times, the support values of the fit, the asymptote and the transitions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <vector>

#include "calc/Erdsonden.h"

namespace {

using namespace qeb;
constexpr double kPi = std::numbers::pi;
constexpr double kWeek = 604800.0;

double Poly(const double c[6], double x) {
  double s = 0, p = 1;
  for (int k = 0; k < 6; ++k) {
    s += c[k] * p;
    p *= x;
  }
  return s;
}

// ---------------------------------------------------------------------------
// Fit
// ---------------------------------------------------------------------------

TEST(GFunctionFit, DefaultValuesNoCorrection) {
  const GFunctionFit f = FitGFunction(4.82, 5.69, 6.29, 6.57, 6.6, 10.0, 10.0);
  EXPECT_FALSE(f.corrected);
  EXPECT_EQ(f.xStart, -4.0);
  EXPECT_EQ(f.x[5], -4.5);
  EXPECT_NEAR(f.y[5], 0.99 * (std::log(1000.0) - 2.25), 1e-15);
  EXPECT_EQ(f.x[3], 2.5);  // the fourth point lies at 2.5, not 2
  EXPECT_NEAR(f.y[3], 0.99 * (6.57 + 0.99 * 6.6) / 2.0, 1e-15);
  EXPECT_NEAR(f.y[4], 0.99 * 6.6, 1e-15);
  // The polynomial passes through the six points.
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(Poly(f.c, f.x[i]), f.y[i], 1e-12) << i;
  // Coefficients of the exact interpolant (solved in rational arithmetic).
  const double expect[6] = {6.29,
                            0.1830405547760664,
                            -0.061200625430166994,
                            0.0020636544296301134,
                            0.001965331973561252,
                            0.00012663952709806198};
  for (int k = 0; k < 6; ++k) EXPECT_NEAR(f.c[k], expect[k], 1e-13) << k;
}

TEST(GFunctionFit, SpacingCorrection) {
  // A field with a closer spacing than that of its values: every value rises.
  const GFunctionFit f = FitGFunction(5.2, 6.5, 7.6, 8.6, 9.0, 6.0, 10.0);
  ASSERT_TRUE(f.corrected);
  EXPECT_EQ(f.G[1], 4.82);  // within 1.5 of 4.82: snapped back
  EXPECT_NEAR(f.G[2], 6.53029020559769, 1e-12);
  EXPECT_NEAR(f.G[3], 9.430899734650442, 1e-12);
  EXPECT_NEAR(f.G[4], 11.026305238663657, 1e-12);
  EXPECT_NEAR(f.G[5], 11.116666666666667, 1e-12);
  EXPECT_NEAR(f.c[0], 9.430899734650442, 1e-12);
  EXPECT_NEAR(f.c[5], 0.002114204869410861, 1e-13);
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(Poly(f.c, f.x[i]), f.y[i], 1e-11) << i;

  // Far closer: G1 moves by more than 1.5 and is averaged with 4.82, which
  // moves the early point below -4.5.
  const GFunctionFit g = FitGFunction(5.2, 6.5, 7.6, 8.6, 9.0, 2.0, 10.0);
  EXPECT_NEAR(g.G[1], 6.274946641072617, 1e-12);
  EXPECT_NEAR(g.x[5], -4.0 - (g.G[1] - 4.82) / 2.0, 1e-15);
  EXPECT_NEAR(g.xStart, -4.227473320536308, 1e-12);
  EXPECT_NEAR(g.G[5], 20.15, 1e-12);
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(Poly(g.c, g.x[i]), g.y[i], 1e-10) << i;

  // A wider spacing pulls the values towards the single borehole but never below.
  const GFunctionFit w = FitGFunction(5.2, 6.5, 7.6, 8.6, 9.0, 1000.0, 10.0);
  const double floor[6] = {0, 4.82, 5.69, 6.29, 6.57, 6.6};
  for (int i = 1; i <= 5; ++i) EXPECT_GE(w.G[i], floor[i]) << i;
  EXPECT_NEAR(w.G[5], 6.6 + 2.71 / 100.0, 1e-12);
}

TEST(GFunctionFit, CorrectionSkipped) {
  // Spacings within 0.05 m, or g3 at 6.29: the values stay.
  const GFunctionFit a = FitGFunction(5.2, 6.5, 7.6, 8.6, 9.0, 10.04, 10.0);
  EXPECT_FALSE(a.corrected);
  EXPECT_EQ(a.G[3], 7.6);
  EXPECT_EQ(a.xStart, -4.0);
  EXPECT_TRUE(FitGFunction(5.2, 6.5, 7.6, 8.6, 9.0, 10.06, 10.0).corrected);
  EXPECT_TRUE(FitGFunction(5.2, 6.5, 7.6, 8.6, 9.0, 9.94, 10.0).corrected);
  const GFunctionFit b = FitGFunction(5.2, 6.5, 6.290005, 8.6, 9.0, 4.0, 10.0);
  EXPECT_FALSE(b.corrected);
  EXPECT_EQ(b.G[5], 9.0);
  // With a large G1 and no correction the early point moves down.
  const GFunctionFit c = FitGFunction(9.0, 9.5, 10.0, 11.0, 11.5, 10.0, 10.0);
  EXPECT_NEAR(c.x[5], -6.09, 1e-12);
  EXPECT_NEAR(c.xStart, -5.59, 1e-12);
  const GFunctionFit d = FitGFunction(12.0, 12.5, 13.0, 13.5, 14.0, 10.0, 10.0);
  EXPECT_EQ(d.xStart, -6.0);
}

TEST(GFunctionFit, InvalidInputIsRefused) {
  // A spacing of 0 only matters when a correction is due.
  EXPECT_THROW(FitGFunction(5.2, 6.5, 7.6, 8.6, 9.0, 0.0, 10.0), CalcError);
  EXPECT_THROW(FitGFunction(5.2, 6.5, 7.6, 8.6, 9.0, 10.0, 0.0), CalcError);
  EXPECT_NO_THROW(FitGFunction(4.82, 5.69, 6.29, 6.57, 6.6, 0.0, 10.0));
  // g5 at 6.6 with g3 above 6.29, or the two excesses of opposite sign: no decay rate.
  EXPECT_THROW(FitGFunction(5.2, 6.5, 7.6, 8.6, 6.6, 6.0, 10.0), CalcError);
  EXPECT_THROW(FitGFunction(5.2, 6.5, 6.0, 8.6, 9.0, 6.0, 10.0), CalcError);
  // An excess that grows towards short times explodes for wide spacings.
  EXPECT_THROW(FitGFunction(5.2, 6.5, 9.0, 8.6, 6.7, 1000.0, 10.0), CalcError);
}

TEST(GFunctionFit, GrowingCorrectionIsRefusedUnlessTheFitHolds) {
  // g3 exceeds the single-borehole value by more than g5 does, so the spacing
  // correction grows towards short times. Mildly so: G1 = 4.82 + e^(343 r |k|)
  // (g5 - 6.29)/r, averaged with 4.82, stays moderate and the fit is sound.
  const GFunctionFit mild = FitGFunction(5.2, 6.5, 6.8, 8.6, 7.0, 10.5, 10.0);
  ASSERT_TRUE(mild.corrected);
  const double r = 10.5 / 10.0;
  const double k = -std::log((6.8 - 6.29) / (7.0 - 6.6)) / 27.0;
  const double g1 = std::exp(-r * k * 343.0) * (7.0 - 6.29) / r + 4.82;
  ASSERT_GT(g1 - 4.82, 1.5);
  EXPECT_NEAR(mild.G[1], (4.82 + g1) / 2.0, 1e-12);
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(Poly(mild.c, mild.x[i]), mild.y[i], 1e-9) << i;
  // Strongly so: G1 near 1e24 puts the early point at x = -6e23; the elimination
  // without pivoting cannot resolve that and the polynomial would miss its own
  // support values. Such values are refused instead of fitted.
  const double kk = -std::log((10.0 - 6.29) / (6.7 - 6.6)) / 27.0;
  ASSERT_GT(std::exp(-1.2 * kk * 343.0), 1e23);
  EXPECT_THROW(FitGFunction(5.2, 6.5, 10.0, 8.6, 6.7, 12.0, 10.0), CalcError);
}

TEST(GFunctionFit, WrappersAndMaxOfTwo) {
  double c0, c1, c2, c3, c4, c5, xs, g4c, g5c;
  FitGFunctionPolynomial(c0, c1, c2, 5.2, 6.5, 7.6, 8.6, 9.0, 6.0, 10.0, c3, c4, c5, xs, g4c, g5c);
  EXPECT_NEAR(c0, 9.430899734650442, 1e-12);
  EXPECT_NEAR(g4c, 11.026305238663657, 1e-12);
  EXPECT_NEAR(g5c, 11.116666666666667, 1e-12);
  EXPECT_EQ(xs, -4.0);

  SetDefaults();
  gPolyStart = 99.0;
  FitGFunctionFromState();
  EXPECT_NEAR(gKoeff0, 6.29, 1e-13);
  EXPECT_NEAR(gKoeff5, 0.00012663952709806198, 1e-15);
  EXPECT_EQ(gPolyStart, -4.0);
  EXPECT_EQ(qeb::g4, 6.57);  // the shared values are not touched
  EXPECT_EQ(qeb::g5, 6.6);

  EXPECT_EQ(MaxOfTwo(1.0, 2.0), 2.0);
  EXPECT_EQ(MaxOfTwo(3.0, 2.0), 3.0);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(MaxOfTwo(1.0, nan)));
  EXPECT_EQ(MaxOfTwo(nan, 1.0), 1.0);
}

// ---------------------------------------------------------------------------
// Line source
// ---------------------------------------------------------------------------

TEST(LineSourceSeries, ExponentialIntegral) {
  // Reference values of E1 (Abramowitz & Stegun, table 5.1).
  EXPECT_NEAR(LineSourceSeriesE1(1.0), 0.219383934, 0.01 * 0.2194);
  EXPECT_NEAR(LineSourceSeriesE1(0.5), 0.559773595, 0.01 * 0.56);
  EXPECT_NEAR(LineSourceSeriesE1(0.1), 1.822923958, 0.003);
  EXPECT_NEAR(LineSourceSeriesE1(0.01), 4.037929577, 0.001);
  // The truncation as specified: u = 1 stops after k = 5 ...
  EXPECT_NEAR(LineSourceSeriesE1(1.0), -0.5772 + 1.0 - 1.0 / 4 + 1.0 / 18 - 1.0 / 96 + 1.0 / 600,
              1e-15);
  EXPECT_NEAR(LineSourceSeriesE1(1.0), 0.2196, 5e-5);
  // ... u = 0.5 after k = 4 ...
  const double u = 0.5;
  EXPECT_NEAR(LineSourceSeriesE1(u), -0.5772 - std::log(u) + u - u * u / 4 + u * u * u / 18 -
                                         u * u * u * u / 96,
              1e-15);
  // ... and u <= 0.1 after k = 2.
  for (double v : {0.1, 0.01, 1e-4}) {
    EXPECT_NEAR(LineSourceSeriesE1(v), -0.5772 - std::log(v) + v - v * v / 4, 1e-15) << v;
  }
}

struct History {
  BlockHistory h{};
};

TEST(LineSourceResponse, ConstantLoadMatchesInfiniteLineSource) {
  auto hist = std::make_unique<History>();
  const int N = 520;  // ten years of weekly blocks
  const double q = 2000.0, H = 100.0, r = 2.5, lam = 2.4, rho = 2600.0, c = 1000.0;
  for (int i = 1; i <= N; ++i) hist->h[1][i] = q;
  const double dT = LineSourceE1(1, N, 1, H, r, lam, c, rho, hist->h, 1);
  // Only the first load step counts, seen N weeks later; at long times the
  // line source is -q/(4 pi lambda H) (ln(4 a t / r²) - gamma).
  const double a = lam / (rho * c);
  const double t = N * kWeek;
  const double ils = -q / (4.0 * kPi * lam * H) * (std::log(4.0 * a * t / (r * r)) - 0.5772156649);
  EXPECT_NEAR(dT / ils, 1.0, 0.002);
  EXPECT_LT(dT, 0.0);  // heat taken from the ground cools the far field
  // Per segment: DimAxi segments of H / DimAxi each.
  hist->h[2][0] = 0.0;
  for (int i = 1; i <= N; ++i) hist->h[2][i] = q / 4.0;
  EXPECT_NEAR(LineSourceE1(2, N, 4, H, r, lam, c, rho, hist->h, 1), dT, 1e-12);
}

TEST(LineSourceResponse, SuperpositionOfSteps) {
  auto hist = std::make_unique<History>();
  const double H = 100.0, r = 2.5, lam = 2.4, rho = 2600.0, c = 1000.0;
  // Load switched on at block 1 and off at block 101: after 300 blocks the
  // response is the difference of two line sources, 300 and 200 blocks old.
  for (int i = 1; i <= 100; ++i) hist->h[1][i] = 1000.0;
  const int N = 300;
  const double u0 = r * r * rho * c / (4.0 * lam) / kWeek;
  const double expect = -1000.0 / (4.0 * kPi * lam * H) *
                        (LineSourceSeriesE1(u0 / 300.0) - LineSourceSeriesE1(u0 / 200.0));
  EXPECT_NEAR(LineSourceE1(1, N, 1, H, r, lam, c, rho, hist->h, 1), expect, 1e-13);
  // Two-week blocks halve u.
  const double expect2 = -1000.0 / (4.0 * kPi * lam * H) *
                         (LineSourceSeriesE1(u0 / 600.0) - LineSourceSeriesE1(u0 / 400.0));
  EXPECT_NEAR(LineSourceE1(1, N, 1, H, r, lam, c, rho, hist->h, 2), expect2, 1e-13);
}

TEST(LineSourceResponse, NothingReachesTheEdge) {
  auto hist = std::make_unique<History>();
  for (int i = 1; i <= 20; ++i) hist->h[3][i] = 500.0 * i;
  EXPECT_EQ(LineSourceE1(3, 0, 1, 100, 2.5, 2.4, 1000, 2600, hist->h, 1), 0.0);
  // u0 = 25 * 2.6e6 / 9.6 / 604800 = 11.2: the first 11 blocks do not count.
  EXPECT_EQ(LineSourceE1(3, 11, 1, 100, 5.0, 2.4, 1000, 2600, hist->h, 1), 0.0);
  EXPECT_NE(LineSourceE1(3, 12, 1, 100, 5.0, 2.4, 1000, 2600, hist->h, 1), 0.0);
}

TEST(LineSourceResponse, InvalidInputIsRefused) {
  auto hist = std::make_unique<History>();
  hist->h[1][1] = 100.0;
  EXPECT_THROW(LineSourceE1(1, 1, 1, 100, 0.0, 2.4, 1000, 2600, hist->h, 1), CalcError);
  EXPECT_THROW(LineSourceE1(1, 1, 1, 100, 2.5, 0.0, 1000, 2600, hist->h, 1), CalcError);
  EXPECT_THROW(LineSourceE1(1, 1, 1, 100, 2.5, 2.4, 1000, 2600, hist->h, 0), CalcError);
  EXPECT_THROW(LineSourceE1(0, 1, 1, 100, 2.5, 2.4, 1000, 2600, hist->h, 1), CalcError);
  EXPECT_THROW(LineSourceE1(11, 1, 1, 100, 2.5, 2.4, 1000, 2600, hist->h, 1), CalcError);
  EXPECT_THROW(LineSourceE1(1, kMaxBloecke + 1, 1, 100, 2.5, 2.4, 1000, 2600, hist->h, 1),
               CalcError);
  EXPECT_NO_THROW(LineSourceE1(1, kMaxBloecke, 1, 100, 2.5, 2.4, 1000, 2600, hist->h, 1));
}

// ---------------------------------------------------------------------------
// g-function superposition
// ---------------------------------------------------------------------------

class GFunctionSuperpositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fit = FitGFunction(4.82, 5.69, 6.29, 6.57, 6.6, 10.0, 10.0);
    hist = std::make_unique<History>();
  }
  GFunctionFit fit;
  std::unique_ptr<History> hist;
};

TEST_F(GFunctionSuperpositionTest, GValueAsymptoteAndTransitions) {
  const double* c = fit.c;
  const double p38 = Poly(c, -3.8);
  ASSERT_LT(p38, 15.0);
  // Narrow transition: from the asymptote at -4.5 (4.59) to P(-3.8).
  EXPECT_NEAR(SuperpositionGValue(-4.5, c, false), 4.59, 1e-12);
  EXPECT_NEAR(SuperpositionGValue(-3.8 - 1e-12, c, false), p38, 1e-9);
  EXPECT_NEAR(SuperpositionGValue(-4.15, c, false), 4.59 + (p38 - 4.59) * 0.5, 1e-12);
  EXPECT_NEAR(SuperpositionGValue(-6.0, c, false), 0.5 * -6.0 + 6.84, 1e-12);
  // Wide transition from -5.5 (4.09).
  EXPECT_NEAR(SuperpositionGValue(-5.5, c, true), 4.09, 1e-12);
  EXPECT_NEAR(SuperpositionGValue(-4.65, c, true), 4.09 + (p38 - 4.09) * 0.5, 1e-12);
  EXPECT_NEAR(SuperpositionGValue(-6.0, c, true), 3.84, 1e-12);
  // Polynomial from -3.8 on, and at the support points.
  EXPECT_NEAR(SuperpositionGValue(-2.0, c, false), 5.69, 1e-12);
  EXPECT_NEAR(SuperpositionGValue(0.0, c, true), 6.29, 1e-12);
  // Capped at 2.5.
  EXPECT_EQ(SuperpositionGValue(7.0, c, false), SuperpositionGValue(2.5, c, false));
  // Below -2 a polynomial far under the asymptote gives way to it.
  const double low[6] = {0, 0, 0, 0, 0, 0};
  EXPECT_NEAR(SuperpositionGValue(-3.0, low, false), 5.34, 1e-12);
  EXPECT_EQ(SuperpositionGValue(-1.0, low, false), 0.0);
  // With P(-3.8) of 15 or more the wide transition is quadratic from -7 (3.34).
  const double high[6] = {20, 0, 0, 0, 0, 0};
  EXPECT_NEAR(SuperpositionGValue(-7.0, high, true), 3.34, 1e-12);
  EXPECT_NEAR(SuperpositionGValue(-5.4, high, true), 3.34 + (20 - 3.34) * 0.25, 1e-12);
  // At P(-3.8) exactly 15 the end value is that of the linear transition
  // (4.09) while the shape is already the quadratic one from -7.
  const double edge[6] = {15, 0, 0, 0, 0, 0};
  EXPECT_NEAR(SuperpositionGValue(-7.0, edge, true), 4.09, 1e-12);
  EXPECT_NEAR(SuperpositionGValue(-5.4, edge, true), 4.09 + (15 - 4.09) * 0.25, 1e-12);
  EXPECT_NEAR(SuperpositionGValue(-7.5, edge, true), 0.5 * -7.5 + 6.84, 1e-12);
}

TEST_F(GFunctionSuperpositionTest, ConstantLoadAtTs) {
  // Choose the ground so that 52 weekly blocks equal ts (x = 0, g = 6.29),
  // and the radius r = 0.0005 H (no radius correction).
  const int N = 52;
  const double H = 100.0, lam = 2.0, rho = 1.0, q = 3000.0;
  const double c = 9.0 * lam * N * kWeek / (H * H);
  for (int i = 1; i <= N; ++i) hist->h[1][i] = q;
  gPolyStart = 7.0;
  const double dT = GFunctionSuperposition(1, N, 1, fit.c[0], fit.c[1], fit.c[2], fit.c[3],
                                           fit.c[4], fit.c[5], H, 0.0005 * H, lam, c, rho,
                                           hist->h, 1);
  EXPECT_EQ(gPolyStart, -4.0);
  // Only the first load step contributes: -q/H g/(2 pi lambda).
  EXPECT_NEAR(dT, -q / H * 6.29 / (2.0 * kPi * lam), 1e-9);
  // Per segment.
  for (int i = 1; i <= N; ++i) hist->h[4][i] = q / 5.0;
  EXPECT_NEAR(GFunctionSuperpositionRow(hist->h[4], N, 5, fit.c, H, 0.0005 * H, lam, c, rho, 1, true),
              dT, 1e-12);
}

TEST_F(GFunctionSuperpositionTest, RadiusCorrectionAndLongTimes) {
  const double H = 100.0, lam = 2.4, rho = 2600.0, c = 1000.0;
  const double ts = H * H * rho * c / (9.0 * lam);
  const int N = 1000;
  const double q = 1000.0;
  for (int i = 1; i <= N; ++i) hist->h[1][i] = q;
  const double r = 2.5;
  const double x = std::log(N * kWeek / ts);
  const double g = SuperpositionGValue(x, fit.c, true) - std::log(r / 0.05);
  EXPECT_NEAR(GFunctionSuperpositionRow(hist->h[1], N, 1, fit.c, H, r, lam, c, rho, 1, true),
              -q / H * g / (2.0 * kPi * lam), 1e-12);
  // A very short probe: ts of a few weeks, so most blocks are beyond x = 2.5
  // and all see the same g.
  const double Hs = 1.0;
  const double tss = Hs * Hs * rho * c / (9.0 * lam);
  ASSERT_GT(10 * kWeek, tss * std::exp(2.5));
  hist->h[2][0] = 0;
  hist->h[2][1] = q;
  for (int i = 2; i <= 40; ++i) hist->h[2][i] = (i % 2) ? q : 0.0;
  // Blocks older than ts e^2.5 all use g(2.5): shifting old changes around
  // among them does not matter.
  auto hist2 = std::make_unique<History>();
  for (int i = 0; i <= 40; ++i) hist2->h[2][i] = hist->h[2][i];
  hist2->h[2][2] = q;  // change moved from block 2 to block 3 (both old)
  hist2->h[2][3] = 0.0;
  const double a = GFunctionSuperpositionRow(hist->h[2], 40, 1, fit.c, Hs, 0.0005, lam, c, rho, 1, true);
  const double b = GFunctionSuperpositionRow(hist2->h[2], 40, 1, fit.c, Hs, 0.0005, lam, c, rho, 1, true);
  EXPECT_NEAR(a, b, 1e-12);
  // A radius correction larger than g: nothing at all.
  EXPECT_EQ(GFunctionSuperpositionRow(hist->h[1], N, 1, fit.c, H, 1e6, lam, c, rho, 1, true), 0.0);
}

TEST_F(GFunctionSuperpositionTest, AgreesWithLineSourceForSingleBorehole) {
  // At r = 0.0005 H and moderate times the g-function of a single borehole is
  // the line source: g = E1(r²/4at)/2. Compare the two responses.
  const double H = 100.0, lam = 2.4, rho = 2600.0, c = 1000.0, r = 0.05;
  const int N = 52;  // a year: x around -3.65
  for (int i = 1; i <= N; ++i) hist->h[1][i] = 1500.0;
  const double gs = GFunctionSuperpositionRow(hist->h[1], N, 1, fit.c, H, r, lam, c, rho, 1, true);
  const double ls = LineSourceE1Row(hist->h[1], N, 1, H, r, lam, c, rho, 1);
  EXPECT_NEAR(gs / ls, 1.0, 0.03);
  EXPECT_EQ(GFunctionSuperpositionRow(hist->h[1], 0, 1, fit.c, H, r, lam, c, rho, 1, true), 0.0);
}

TEST_F(GFunctionSuperpositionTest, InvalidInputIsRefused) {
  hist->h[1][1] = 100.0;
  EXPECT_THROW(GFunctionSuperpositionRow(hist->h[1], 1, 1, fit.c, 0.0, 2.5, 2.4, 1000, 2600, 1, true),
               CalcError);
  EXPECT_THROW(GFunctionSuperpositionRow(hist->h[1], 1, 1, fit.c, 100, -2.5, 2.4, 1000, 2600, 1, true),
               CalcError);
  EXPECT_THROW(GFunctionSuperpositionRow(hist->h[1], 1, 1, fit.c, 100, 2.5, 2.4, 0.0, 2600, 1, true),
               CalcError);
  EXPECT_THROW(GFunctionSuperposition(1, kMaxBloecke + 1, 1, 0, 0, 0, 0, 0, 0, 100, 2.5, 2.4, 1000,
                                      2600, hist->h, 1),
               CalcError);
}

}  // namespace
