// Brine temperatures along the probe: closed forms of a chain of equal
// segments, conservation, and the transient scheme's steady state.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/Erdsonden.h"

namespace qeb {
namespace {

struct BrineCase {
  VectorStack grid{};
  SegmentValues A{}, B{}, ab{}, auf{}, E{};
  BrineInputs in;
  explicit BrineCase(int n, double tGround, double a, double b) {
    for (int k = 1; k <= n; ++k) {
      grid[k][1] = tGround;
      A[k] = a;
      B[k] = b;
      ab[k] = auf[k] = tGround;
    }
    in.grid = &grid;
    in.A = A;
    in.B = B;
    in.dimAxi = n;
    in.cSoleRohr = 50000;
    in.cSoleRingraum = 60000;
    in.cSoleInnenrohr = 30000;
    in.subdt = 4;
    in.zeitschritt = 60;
  }
  double Run() { return ComputeBrineProfile(in, ab, auf, E); }
  double Heat() const {
    double s = 0;
    for (int k = 1; k <= in.dimAxi; ++k) s += E[k];
    return s;
  }
  double Seconds() const { return 60.0 * in.zeitschritt / in.subdt; }
};

TEST(BrineUTube, StationaryChainOfEqualSegments) {
  // Each half-leg cell: W (T_k - T_k-1) = B/2 (Tg - T_k), so the outlet is
  // Tg + (Tin - Tg) (W / (W + B/2))^(2n).
  for (int n : {1, 3, 10}) {
    BrineCase c(n, 10.0, 0.0, 80.0);
    c.in.stationaer = true;
    c.in.W = 300.0;
    c.in.Tin = 0.0;
    const double out = c.Run();
    const double ratio = 300.0 / (300.0 + 40.0);
    EXPECT_NEAR(out, 10.0 - 10.0 * std::pow(ratio, 2 * n), 1e-12) << n;
    // Energy: the heat of the segments is what the brine carried away.
    EXPECT_NEAR(c.Heat(), 300.0 * (out - 0.0) * c.Seconds(), 1e-6 * c.Heat());
    if (n == 1) {
      EXPECT_EQ(c.auf[0], c.ab[1]);  // turnaround copies the down leg
    }
  }
}

TEST(BrineUTube, AtRestStationaryTakesTheGroundTemperature) {
  BrineCase c(4, 7.5, 0.0, 50.0);
  for (int k = 1; k <= 4; ++k) c.grid[k][1] = 5.0 + k;
  c.in.stationaer = true;
  c.in.W = 0.0;
  c.in.Tin = 0.0;
  c.Run();
  for (int k = 1; k <= 4; ++k) {
    EXPECT_DOUBLE_EQ(c.ab[k], 5.0 + k);
    EXPECT_DOUBLE_EQ(c.auf[5 - k], 5.0 + k);
    EXPECT_EQ(c.E[k], 0.0);
  }
}

TEST(BrineUTube, TransientSchemeSettlesOnTheStationaryOutlet) {
  BrineCase stat(5, 12.0, 0.0, 60.0);
  stat.in.stationaer = true;
  stat.in.W = 200.0;
  stat.in.Tin = 2.0;
  const double want = stat.Run();

  BrineCase tr(5, 12.0, 0.0, 60.0);
  tr.in.W = 200.0;
  tr.in.Tin = 2.0;
  tr.in.nsub = 50;
  double out = 0;
  for (int i = 0; i < 200; ++i) out = tr.Run();
  EXPECT_NEAR(out, want, 1e-9);
}

TEST(BrineUTube, AlwaysTakesTheGivenInlet) {
  BrineCase c(3, 10.0, 0.0, 60.0);
  c.in.stationaer = true;
  c.in.W = 100;
  c.in.Tin = 3.0;
  c.in.reversed = true;  // only a coaxial probe reverses
  c.Run();
  EXPECT_EQ(c.ab[0], 3.0);
}

TEST(BrineCoaxial, NormalFlowConservesEnergyOnceSettled) {
  BrineCase c(6, 11.0, 40.0, 90.0);
  c.in.coaxial = true;
  c.in.stationaer = true;
  c.in.W = 250.0;
  c.in.Tin = 1.0;
  c.in.nsub = 400;
  double out = 0;
  for (int i = 0; i < 3; ++i) out = c.Run();
  // Settled: every inner sub-step takes W (Tout - Tin) dt from the ground.
  EXPECT_NEAR(c.Heat(), 250.0 * (out - 1.0) * c.Seconds(), 1e-7 * c.Heat());
  EXPECT_GT(out, 1.0);
  EXPECT_LT(out, 11.0);
  EXPECT_NEAR(out, c.auf[6], 1e-9);  // top of the inner pipe
}

TEST(BrineCoaxial, ReversedFlowWithoutInnerCouplingIsAChainInTheAnnulus) {
  // With no exchange through the inner pipe the brine reaches the bottom at
  // Tin and warms up the annulus: Tout = Tg + (Tin - Tg) (W/(W+B))^n.
  const int n = 4;
  BrineCase c(n, 9.0, 0.0, 70.0);
  c.in.coaxial = true;
  c.in.reversed = true;
  c.in.stationaer = true;
  c.in.W = 150.0;
  c.in.Tin = -1.0;
  for (int k = 1; k <= n; ++k) c.auf[k] = 0.0;
  c.in.nsub = 20;
  c.Run();  // the heat of this scheme is taken before the update: settle first
  const double out = c.Run();
  EXPECT_NEAR(out, 9.0 + (-1.0 - 9.0) * std::pow(150.0 / 220.0, n), 1e-12);
  EXPECT_NEAR(c.ab[1], out, 1e-12);  // the annulus at the top holds the outlet
  for (int k = 1; k <= n; ++k) EXPECT_EQ(c.auf[k], -1.0);
  EXPECT_NEAR(c.Heat(), 150.0 * (out + 1.0) * c.Seconds(), 1e-6 * c.Heat());
}

TEST(BrineCoaxial, ReversedTransientSettlesLikeTheStationary) {
  BrineCase s(3, 10.0, 30.0, 80.0);
  s.in.coaxial = true;
  s.in.reversed = true;
  s.in.stationaer = true;
  s.in.W = 120.0;
  s.in.Tin = 0.0;
  s.in.nsub = 200;
  double want = 0;
  for (int i = 0; i < 5; ++i) want = s.Run();

  BrineCase t(3, 10.0, 30.0, 80.0);
  t.in.coaxial = true;
  t.in.reversed = true;
  t.in.W = 120.0;
  t.in.Tin = 0.0;
  t.in.nsub = 200;
  double out = 0;
  for (int i = 0; i < 200; ++i) out = t.Run();
  EXPECT_NEAR(out, want, 1e-8);
}

TEST(BrineChecks, RefusesStepsThatCannotBeTaken) {
  BrineCase c(3, 10.0, 0.0, 60.0);
  c.in.nsub = 0;
  EXPECT_THROW(c.Run(), CalcError);
  c.in.nsub = 1;
  c.in.dimAxi = 11;
  EXPECT_THROW(c.Run(), CalcError);
  c.in.dimAxi = 3;
  c.in.cSoleRohr = 0;
  EXPECT_THROW(c.Run(), CalcError);
  c.in.cSoleRohr = 1;
  c.in.grid = nullptr;
  EXPECT_THROW(c.Run(), CalcError);
}

}  // namespace
}  // namespace qeb
