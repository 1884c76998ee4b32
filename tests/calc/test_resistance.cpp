// Borehole thermal resistances: the default grouted double-U probe, the order
// of the cap and the single-U doubling, precedence of entered values, coaxial
// probes and refused geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/Erdsonden.h"

namespace {

using namespace qeb;
constexpr double kPi = std::numbers::pi;

ResistanceInputs DefaultInputs() {
  SetDefaults();
  double a1 = 0, a2 = 0, a3 = 0;
  ComputeProbeAlphas(Auslegungsmassenstrom / AnzahlSonden, a1, a2, a3);
  return ResistanceInputsFromState(a1, a2, a3);
}

struct R {
  double R1 = 0, Ra = 0, Rb = 0, Rc = 0, Rd = 0;
};

R Compute(const ResistanceInputs& in, R r, double lambdaFill, bool corrugated = false,
          double* raKorrFactor = nullptr) {
  double f = 0.7;
  ComputeBoreholeResistances(in, r.R1, r.Ra, r.Rb, corrugated, r.Rd, r.Rc, lambdaFill,
                             raKorrFactor ? *raKorrFactor : f);
  return r;
}

TEST(ResistanceInputs, FromDefaultState) {
  const ResistanceInputs in = DefaultInputs();
  EXPECT_DOUBLE_EQ(in.ri, 0.013);
  EXPECT_DOUBLE_EQ(in.rb, 0.06);
  EXPECT_NEAR(in.rm1, std::sqrt((0.06 * 0.06 + 0.013 * 0.013) / 2.0), 1e-15);
  EXPECT_DOUBLE_EQ(in.dz, 20.0);
  EXPECT_NEAR(in.S, 0.0796 / 0.12, 1e-12);
  EXPECT_NEAR(in.alpha1, 4.36 * 0.5 / 0.026, 1e-9);
  EXPECT_TRUE(in.hellstroem);
  EXPECT_FALSE(in.singleU);
}

TEST(ResistanceMultipole, DefaultDoubleUProbe) {
  const ResistanceInputs in = DefaultInputs();
  // Entered values are ignored by the multipole method.
  const R r = Compute(in, R{1.0, 1.0, 1.0, 1.0, 0.0}, 0.81);
  // A grouted double U in a 12 cm borehole: Rb around 0.08 .. 0.15 mK/W.
  EXPECT_GT(r.Rb, 0.08);
  EXPECT_LT(r.Rb, 0.15);
  // Figures of the multipole formulas evaluated separately.
  EXPECT_NEAR(r.Ra, 0.4063818914675329, 1e-12);
  EXPECT_NEAR(r.Rb, 0.11237050625913916, 1e-12);
  EXPECT_NEAR(r.R1, r.Ra / 4.0 / 20.0, 1e-15);
  // Rc is Rb without the film resistance of the four pipes.
  EXPECT_NEAR(r.Rc, r.Rb - 1.0 / (8.0 * kPi * in.alpha1 * in.ri), 1e-15);
  EXPECT_NEAR(r.Rc, 0.07586707894448427, 1e-12);
  // The contact resistance is added to Rb only.
  const R rd = Compute(in, R{0, 0, 0, 0, 0.02}, 0.81);
  EXPECT_NEAR(rd.Rb - r.Rb, 0.02, 1e-14);
  EXPECT_DOUBLE_EQ(rd.Ra, r.Ra);
}

TEST(ResistanceMultipole, BetterFillLowersResistance) {
  const ResistanceInputs in = DefaultInputs();
  const R low = Compute(in, R{}, 0.81);
  const R high = Compute(in, R{}, 2.0);
  EXPECT_LT(high.Rb, low.Rb);
  EXPECT_LT(high.Ra, low.Ra);
}

TEST(ResistanceMultipole, CapBeforeSingleUDoubling) {
  ResistanceInputs in = DefaultInputs();
  in.singleU = true;
  in.raKorr = true;
  const double rd = 0.02;
  const R r = Compute(in, R{0, 0, 0, 0, rd}, 0.81);
  // Capped at four times the Rb before doubling: Rb_final = 2 Rb0 - Rd.
  const double rb0 = (r.Rb + rd) / 2.0;
  EXPECT_NEAR(r.Ra, 4.0 * rb0, 1e-14);
  EXPECT_NEAR(r.Ra, 0.5294820250365566, 1e-12);
  EXPECT_NEAR(r.Rb, 0.24474101251827832, 1e-12);
  EXPECT_LT(r.Ra, 4.0 * r.Rb);  // a cap after the doubling would give 4 Rb_final
  EXPECT_NEAR(r.Rc, r.Rb - 1.0 / (8.0 * kPi * in.alpha1 * in.ri), 1e-15);
}

TEST(ResistanceMultipole, SingleUCorrectionFactor) {
  ResistanceInputs in = DefaultInputs();
  in.singleU = true;
  in.Bu = 0.035;
  in.S = 0.035 / 0.12;
  in.raKorr = true;
  double f = 0.7;
  const R r = Compute(in, R{}, 0.81, false, &f);
  EXPECT_DOUBLE_EQ(f, 0.7);
  EXPECT_NEAR(r.Ra, 0.5637781756006535, 1e-12);  // 0.7 x the uncorrected value, below the cap
  in.raKorr = false;
  const R r2 = Compute(in, R{}, 0.81, false, &f);
  EXPECT_DOUBLE_EQ(f, 1.0);  // the factor is reset for later runs
  EXPECT_NEAR(r2.Ra, 4.0 * (r2.Rb / 2.0), 1e-14);  // uncorrected value exceeds the cap
  EXPECT_NEAR(r2.Rb, 0.316143894904222, 1e-12);
}

TEST(ResistanceMultipole, CorrugatedChangesOnlyPipeWall) {
  ResistanceInputs in = DefaultInputs();
  const R corr = Compute(in, R{}, 0.81, true);
  EXPECT_NEAR(corr.Ra, 0.3956462237666176, 1e-12);
  EXPECT_NEAR(corr.Rb, 0.10961723521449855, 1e-12);
  in.lambdaPipe *= 1.158;
  const R equiv = Compute(in, R{}, 0.81, false);
  EXPECT_NEAR(corr.Ra, equiv.Ra, 1e-15);
  EXPECT_NEAR(corr.Rb, equiv.Rb, 1e-15);
}

TEST(ResistanceMultipole, PipeWithoutWallNeedsNoWallConductivity) {
  // A pipe whose inner radius is its outer radius has no wall: beta is the film
  // term alone, lambda of the pipe does not enter, and the result is that of a
  // wall of vanishing thickness.
  ResistanceInputs in = DefaultInputs();
  in.ri = in.D / 2.0;
  const R withWallLambda = Compute(in, R{}, 0.81);
  in.lambdaPipe = 0.0;
  R noWall;
  ASSERT_NO_THROW(noWall = Compute(in, R{}, 0.81));
  EXPECT_DOUBLE_EQ(noWall.Ra, withWallLambda.Ra);
  EXPECT_DOUBLE_EQ(noWall.Rb, withWallLambda.Rb);
  // Thinner walls lower Rb towards that limit.
  ResistanceInputs thin = DefaultInputs();
  thin.ri = in.D / 2.0 - 1e-9;
  EXPECT_NEAR(Compute(thin, R{}, 0.81).Rb, noWall.Rb, 1e-6);
}

TEST(ResistanceMultipole, ImpossibleGeometryIsRefused) {
  ResistanceInputs in = DefaultInputs();
  ResistanceInputs wide = in;
  wide.Bu = 0.13;
  wide.S = 0.13 / 0.12;  // pipes outside the borehole
  EXPECT_THROW(Compute(wide, R{}, 0.81), CalcError);
  ResistanceInputs zero = in;
  zero.Bu = 0.0;
  zero.S = 0.0;
  EXPECT_THROW(Compute(zero, R{}, 0.81), CalcError);
  EXPECT_THROW(Compute(in, R{}, 0.0), CalcError);  // fill conductivity 0
  ResistanceInputs small = in;
  small.rb = 0.01;  // borehole narrower than the pipe
  EXPECT_THROW(Compute(small, R{}, 0.81), CalcError);
  ResistanceInputs wall = in;
  wall.ri = 0.0;
  EXPECT_THROW(Compute(wall, R{}, 0.81), CalcError);
}

class ResistanceEntered : public ::testing::Test {
 protected:
  void SetUp() override {
    in = DefaultInputs();
    in.hellstroem = false;
    cU = 1.0 / (8.0 * kPi * in.alpha1 * in.ri);
    L = std::log(in.rb / in.rm1) / (2.0 * kPi * 0.81);
  }
  ResistanceInputs in;
  double cU = 0, L = 0;
};

TEST_F(ResistanceEntered, GivenRaAndRbStay) {
  const R r = Compute(in, R{0, 0.3, 0.1, 0, 0.01}, 0.81);
  EXPECT_DOUBLE_EQ(r.Ra, 0.3);
  EXPECT_DOUBLE_EQ(r.Rb, 0.1);
  EXPECT_DOUBLE_EQ(r.R1, 0.3 / 4.0 / 20.0);
  EXPECT_DOUBLE_EQ(r.Rc, 0.1 - cU);
}

TEST_F(ResistanceEntered, RcOverridesRb) {
  const R r = Compute(in, R{0, 0.3, 0.1, 0.05, 0}, 0.81);
  EXPECT_DOUBLE_EQ(r.Rb, 0.05 + cU);
  EXPECT_NEAR(r.Rc, 0.05, 1e-15);
  EXPECT_DOUBLE_EQ(r.Ra, 0.3);
}

TEST_F(ResistanceEntered, RbAloneGivesRaAndR1) {
  const R r = Compute(in, R{0, -1, 0.1, 0, 0.01}, 0.81);
  const double r1 = (0.1 - 0.01) / 20.0 - L / 20.0;
  EXPECT_NEAR(r.R1, r1, 1e-16);
  EXPECT_NEAR(r.Ra, 4.0 * r1 * 20.0, 1e-15);
  EXPECT_DOUBLE_EQ(r.Rb, 0.1);
}

TEST_F(ResistanceEntered, R1AloneGivesRaAndRb) {
  const R r = Compute(in, R{0.002, 0, 0, 0, 0.01}, 0.81);
  EXPECT_DOUBLE_EQ(r.R1, 0.002);
  EXPECT_NEAR(r.Ra, 0.16, 1e-15);
  EXPECT_NEAR(r.Rb, 0.04 + 0.01 + L, 1e-15);
}

TEST_F(ResistanceEntered, NothingGivenUsesRingFormula) {
  // A given Ra alone is not enough: it is replaced.
  const R r = Compute(in, R{0, 0.3, 0, 0, 0.01}, 0.81);
  const double r1 = (1.0 / (8.0 * kPi * 20.0)) *
                    (std::log((in.rb - in.rm1) / in.ri) / 0.81 + 1.0 / (in.alpha1 * in.ri));
  EXPECT_NEAR(r.R1, r1, 1e-16);
  EXPECT_NEAR(r.Ra, 4.0 * r1 * 20.0, 1e-15);
  EXPECT_NEAR(r.Rb, r1 * 20.0 + 0.01 + L, 1e-15);
  EXPECT_NEAR(r.Rc, r.Rb - cU, 1e-15);
  in.singleU = true;
  const R s = Compute(in, R{}, 0.81);
  EXPECT_NEAR(s.R1, 2.0 * r1, 1e-16);
}

class ResistanceCoaxial : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaults();
    KoaxialSonde = true;
    Sondendurchmesser = 0.063;
    Dicke_Sondenrohr = 0.0058;
    Innenrohrdurchmesser = 0.04;
    Dicke_Innenrohr = 0.0037;
    Bohrdurchmesser = 0.15;
    Auslegungsmassenstrom = 0.5;
    double a1 = 0, a2 = 0, a3 = 0;
    ComputeProbeAlphas(0.5, a1, a2, a3);
    in = ResistanceInputsFromState(a1, a2, a3);
    raK = 1.0 / (kPi * 0.04 * a3) + 1.0 / (2.0 * kPi * in.rii * a2) +
          std::log(0.02 / in.rii) / (2.0 * kPi * 0.42);
    cK = 1.0 / (2.0 * kPi * a1 * in.ri);
    L = std::log(in.rb / in.rm1) / (2.0 * kPi * 0.81);
  }
  ResistanceInputs in;
  double raK = 0, cK = 0, L = 0;
};

TEST_F(ResistanceCoaxial, Multipole) {
  ASSERT_GT(in.alpha2, 0.0);
  const R r = Compute(in, R{9, 9, 9, 9, 0.01}, 0.81);
  const double r1 = 0.01 / 20.0 + (1.0 / (2.0 * kPi * 20.0)) *
                                      (1.0 / (in.alpha1 * in.ri) +
                                       std::log(0.0315 / in.ri) / 0.42 +
                                       std::log(2.0 * in.rm1 / 0.063) / 0.81);
  EXPECT_NEAR(r.R1, r1, 1e-15);
  EXPECT_NEAR(r.Ra, raK, 1e-14);
  EXPECT_NEAR(r.Rb, r1 * 20.0 + L, 1e-14);
  EXPECT_NEAR(r.Rc, r.Rb - cK, 1e-14);
  // Corrugated: the fill term's argument is divided by 1.079 as well.
  const R c = Compute(in, R{}, 0.81, true);
  const double r1c = (1.0 / (2.0 * kPi * 20.0)) *
                     (1.0 / (in.alpha1 * in.ri) + std::log(0.0315 / in.ri) / (0.42 * 1.158) +
                      std::log(2.0 * in.rm1 / (0.063 * 1.079)) / 0.81);
  EXPECT_NEAR(c.R1, r1c, 1e-15);
}

// The annulus of the 63/40 mm probe (outer pipe 63 x 5.8 mm, inner pipe 40 mm)
// is a 5.7 mm gap: its flow and its film are those of a channel of hydraulic
// diameter 51.4 - 40 = 11.4 mm, not of the 51.4 mm pipe round it.
TEST_F(ResistanceCoaxial, AnnulusFilmOnItsHydraulicDiameter) {
  const double dh = 0.0514 - 0.040;
  const double area = kPi / 4.0 * (0.0514 * 0.0514 - 0.040 * 0.040);
  const double pr = nueSole * rhoSole * cpSole / lambdaSole;
  struct Case {
    double m, re, nusselt, rb;
  };
  Case cases[2] = {{0.3, 0, 0, 0}, {3.0, 0, 0, 0}};
  for (Case& c : cases) {
    c.re = c.m / rhoSole / area * dh / nueSole;
    if (c.re <= 2300.0) {
      c.nusselt = 4.36;
    } else {
      const double xi = std::pow(0.79 * std::log(c.re) - 1.64, -2);
      c.nusselt = (xi / 8.0) * c.re * pr /
                  (1.0 + 3.4 * xi + (11.7 + 1.8 / std::cbrt(pr)) * std::sqrt(xi / 8.0) *
                                        (std::pow(pr, 2.0 / 3.0) - 1.0));
    }
    const double alpha = c.nusselt * lambdaSole / dh;
    double a1 = 0, a2 = 0, a3 = 0;
    ComputeProbeAlphas(c.m, a1, a2, a3);
    EXPECT_NEAR(a1 / alpha, 1.0, 1e-12) << c.m;
    EXPECT_NEAR(a3 / alpha, 1.0, 1e-12) << c.m;  // the same annulus at the inner pipe's wall
    // Borehole resistance of the multipole method with that film, by hand:
    // film, outer pipe wall, fill out to the first grid ring and on to the wall.
    const double ri = 0.0257, rb = 0.075, rm1 = std::sqrt((rb * rb + ri * ri) / 2.0);
    const double rbHand = (1.0 / (alpha * ri) + std::log(0.0315 / ri) / 0.42 +
                           std::log(2.0 * rm1 / 0.063) / 0.81 + std::log(rb / rm1) / 0.81) /
                          (2.0 * kPi);
    in = ResistanceInputsFromState(a1, a2, a3);
    c.rb = Compute(in, R{}, 0.81).Rb;
    EXPECT_NEAR(c.rb, rbHand, 1e-12) << c.m;
  }
  EXPECT_NEAR(cases[0].re, 1155.04, 0.01);  // laminar: alpha = 4.36 * 0.5 / 0.0114 = 191.2
  EXPECT_NEAR(cases[1].re, 11550.4, 0.1);  // turbulent
  EXPECT_NEAR(cases[0].rb, 0.27995, 0.00001);
  EXPECT_NEAR(cases[1].rb, 0.24841, 0.00001);
}

TEST_F(ResistanceCoaxial, EnteredValues) {
  in.hellstroem = false;
  // Ra and Rb given: Ra stays, R1 from Rb.
  R r = Compute(in, R{0, 0.2, 0.1, 0, 0.01}, 0.81);
  EXPECT_DOUBLE_EQ(r.Ra, 0.2);
  EXPECT_NEAR(r.R1, 0.1 / 20.0 - L / 20.0, 1e-16);
  EXPECT_NEAR(r.Rc, 0.1 - cK, 1e-15);
  // Rb alone: Ra computed.
  r = Compute(in, R{0, 0, 0.1, 0, 0}, 0.81);
  EXPECT_NEAR(r.Ra, raK, 1e-14);
  // R1 alone.
  r = Compute(in, R{0.003, 0, 0, 0, 0}, 0.81);
  EXPECT_NEAR(r.Rb, 0.06 + L, 1e-15);
  EXPECT_NEAR(r.Ra, raK, 1e-14);
  // Nothing: ring formula with Rd inside R1.
  r = Compute(in, R{0, 0, 0, 0, 0.01}, 0.81);
  const double r1 = 0.01 / 20.0 + (1.0 / (2.0 * kPi * 20.0)) *
                                      (std::log(in.rm1 / in.ri) / 0.81 + 1.0 / (in.alpha1 * in.ri));
  EXPECT_NEAR(r.R1, r1, 1e-16);
  EXPECT_NEAR(r.Rb, r1 * 20.0 + L, 1e-15);
  // Rc wins over Rb.
  r = Compute(in, R{0, 0.2, 0.1, 0.04, 0}, 0.81);
  EXPECT_NEAR(r.Rb, 0.04 + cK, 1e-15);
}

TEST(ResistanceSegments, SameEntriesPerSegmentAndMeansWrittenBack) {
  SetDefaults();
  DimAxi = 3;
  Sondenlaenge = 150.0;
  Hellstroem = false;
  FillVariabel = false;
  Ra = 0.0;
  Rb = 0.1;
  Rc = 0.0;
  R1 = 0.0;
  Rd = 0.0;
  lambdaFillV[1] = 0.8;
  lambdaFillV[2] = 1.6;
  lambdaFillV[3] = 2.4;
  RbV[2] = 0.5;  // stale segment value, replaced by the scalar
  double a1 = 0, a2 = 0, a3 = 0;
  ComputeProbeAlphas(0.085, a1, a2, a3);
  const ResistanceInputs in = ResistanceInputsFromState(a1, a2, a3);
  ComputeSegmentResistances(in);
  double sumR1 = 0, sumRa = 0;
  for (int i = 1; i <= 3; ++i) {
    EXPECT_DOUBLE_EQ(RbV[i], 0.1);
    const double L = std::log(in.rb / in.rm1) / (2.0 * kPi * lambdaFillV[i]);
    EXPECT_NEAR(R1V[i], 0.1 / 50.0 - L / 50.0, 1e-16);
    sumR1 += R1V[i];
    sumRa += RaV[i];
  }
  EXPECT_NEAR(R1, sumR1 / 3.0, 1e-16);
  EXPECT_NEAR(Ra, sumRa / 3.0, 1e-15);
  EXPECT_DOUBLE_EQ(Rb, 0.1);
  // The means now count as entered values: a second set-up takes Ra and Rb.
  const double raMean = Ra;
  ComputeSegmentResistances(in);
  for (int i = 1; i <= 3; ++i) EXPECT_NEAR(R1V[i], raMean / 4.0 / 50.0, 1e-16);
}

TEST(ResistanceSegments, VariableFillKeepsSegmentEntries) {
  SetDefaults();
  DimAxi = 2;
  Hellstroem = false;
  FillVariabel = true;
  Ra = Rb = Rc = R1 = 0.0;
  RaV[1] = 0.3;
  RbV[1] = 0.12;
  RaV[2] = 0.0;
  RbV[2] = 0.0;
  RcV[1] = RcV[2] = R1V[1] = R1V[2] = 0.0;
  double a1 = 0, a2 = 0, a3 = 0;
  ComputeProbeAlphas(0.085, a1, a2, a3);
  ComputeSegmentResistances(ResistanceInputsFromState(a1, a2, a3));
  EXPECT_DOUBLE_EQ(RaV[1], 0.3);
  EXPECT_DOUBLE_EQ(RbV[1], 0.12);
  EXPECT_GT(RbV[2], 0.0);
  EXPECT_NE(RbV[2], 0.12);
  EXPECT_NEAR(Rb, (0.12 + RbV[2]) / 2.0, 1e-16);
}

}  // namespace
