// Brine-side heat transfer: closed forms (laminar Nusselt limit, Petukhov and
// Gnielinski correlations evaluated independently), branch order and the
// no-flow value.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/Erdsonden.h"

namespace {

using namespace qeb;

// Brine and pipe of the default project: 32 x 3 mm pipes, 3.49e-6 m²/s.
constexpr double kNu = 3.49e-6, kRho = 1036.72, kCp = 3904.6, kLam = 0.5;
constexpr double kD = 0.032, kWall = 0.003, kDi = 0.026;
constexpr double kPi = std::numbers::pi;

// Mass flow through a double U-tube probe that gives the Reynolds number re
// (the flow splits over two circuits).
double FlowForRe(double re) { return re * kNu * kRho * kPi * kDi / 2.0; }

double Alpha(double m, bool hell = false, bool corr = false, bool singleU = false,
             bool geocoax = false) {
  return ComputeFluidAlpha(geocoax, false, singleU, hell, corr, kNu, kRho, kCp, kLam, m, kD, kWall,
                           0.0226272, 1.0);
}

double Prandtl() { return kNu * kRho * kCp / kLam; }

// Petukhov form with the friction factor xi, written out here from the
// textbook shape: (xi/8) Re Pr / (K1 + K2 sqrt(xi/8) (Pr^(2/3) - 1)).
double Petukhov(double re, double xi) {
  const double pr = Prandtl();
  const double k1 = 1.0 + 3.4 * xi;
  const double k2 = 11.7 + 1.8 / std::cbrt(pr);
  return (xi / 8.0) * re * pr / (k1 + k2 * std::sqrt(xi / 8.0) * (std::pow(pr, 2.0 / 3.0) - 1.0));
}

TEST(FluidPowAbs, PowerOfAbsoluteValue) {
  EXPECT_NEAR(PowAbs(-8.0, 1.0 / 3.0), 2.0, 1e-15);
  EXPECT_NEAR(PowAbs(2.0, 10.0), 1024.0, 1e-12);
  EXPECT_NEAR(PowAbs(0.25, -0.5), 2.0, 1e-15);
  EXPECT_DOUBLE_EQ(PowAbs(3.7, 0.0), 1.0);
  // ln 0 would be a division by zero: refused instead of returning 0 or inf.
  EXPECT_THROW(PowAbs(0.0, 2.0), CalcError);
  EXPECT_THROW(PowAbs(10.0, 1e6), CalcError);  // overflow is not passed on
}

TEST(FluidAlpha, NoFlowGivesFixedCoefficient) {
  EXPECT_DOUBLE_EQ(Alpha(0.00005), 0.01);
  EXPECT_DOUBLE_EQ(Alpha(0.0), 0.01);
  EXPECT_DOUBLE_EQ(Alpha(-1.0), 0.01);
  // 0.0002 and even the double nearest 0.0001 (which lies above the extended
  // constant) are computed: laminar, Nu = 4.36.
  EXPECT_DOUBLE_EQ(Alpha(0.0002), 4.36 * kLam / kDi);
  EXPECT_DOUBLE_EQ(Alpha(0.0001), 4.36 * kLam / kDi);
  // No-flow short cut comes before any geometry check.
  EXPECT_DOUBLE_EQ(ComputeFluidAlpha(false, false, false, false, false, kNu, kRho, kCp, kLam, 0.0,
                                     0.0, 0.0, 0.0, 1.0),
                   0.01);
}

TEST(FluidAlpha, DefaultProbeIsLaminar) {
  SetDefaults();
  const double m = Auslegungsmassenstrom / AnzahlSonden;
  const FluidFlowFigures f =
      ComputeFluidFlowFigures(Geocoax, KoaxialSonde, einfachU, Hellstroem, Wellrohr1, nueSole,
                              rhoSole, cpSole, lambdaSole, m, Sondendurchmesser, Dicke_Sondenrohr,
                              Innenrohrdurchmesser, inSerie);
  // u = 2 m / (rho pi d²): 0.085 kg/s over two circuits of 26 mm.
  const double u = 2.0 * 0.085 / (1036.72 * kPi * 0.026 * 0.026);
  EXPECT_NEAR(f.velocity, u, 1e-12);
  EXPECT_NEAR(f.reynolds, u * 0.026 / 3.49e-6, 1e-9);
  EXPECT_NEAR(f.reynolds, 575.226, 0.001);
  EXPECT_NEAR(f.prandtl, 28.25488, 1e-5);
  EXPECT_DOUBLE_EQ(f.nusselt, 4.36);
  EXPECT_NEAR(f.alpha, 83.846153846, 1e-8);
  EXPECT_DOUBLE_EQ(f.alpha, ComputeFluidAlpha(Geocoax, KoaxialSonde, einfachU, Hellstroem,
                                              Wellrohr1, nueSole, rhoSole, cpSole, lambdaSole, m,
                                              Sondendurchmesser, Dicke_Sondenrohr,
                                              Innenrohrdurchmesser, inSerie));
}

TEST(FluidAlpha, TurbulentBranchMatchesDarcyCorrelations) {
  const double re = 100000.0;
  const double a = Alpha(FlowForRe(re));
  const double nu = a * kDi / kLam;
  // Decimal-log correlation for the Darcy friction factor.
  const double xi = 1.0 / std::pow(1.82 * std::log10(re) - 1.64, 2);
  EXPECT_NEAR(nu, Petukhov(re, xi), 1e-6 * nu);
  // Independent check of the physics: Gnielinski with the Darcy factor of
  // Petukhov's fit; a Fanning factor (a quarter) would miss by a factor of 2.
  const double pr = Prandtl();
  const double f = std::pow(0.79 * std::log(re) - 1.64, -2);
  const double gn = (f / 8.0) * (re - 1000.0) * pr /
                    (1.0 + 12.7 * std::sqrt(f / 8.0) * (std::pow(pr, 2.0 / 3.0) - 1.0));
  EXPECT_NEAR(nu / gn, 1.0, 0.1);
}

// The turbulent branch of the multipole method against two textbook
// correlations that share nothing with the code but the Darcy friction factor
// of Petukhov's fit: Gnielinski (1976) and Petukhov (1970).
TEST(FluidAlpha, HellstroemTurbulentMatchesGnielinski) {
  for (double pr : {7.0, 30.0}) {
    // A brine with the wanted Prandtl number: only cp differs.
    const double cp = pr * kLam / (kNu * kRho);
    for (double re : {1.0e4, 3.0e4, 1.0e5}) {
      const double a = ComputeFluidAlpha(false, false, false, true, false, kNu, kRho, cp, kLam,
                                         FlowForRe(re), kD, kWall, 0.0, 1.0);
      const double nu = a * kDi / kLam;
      const double f = std::pow(0.79 * std::log(re) - 1.64, -2);
      const double s = std::sqrt(f / 8.0);
      const double pr23 = std::pow(pr, 2.0 / 3.0) - 1.0;
      const double gnielinski = (f / 8.0) * (re - 1000.0) * pr / (1.0 + 12.7 * s * pr23);
      const double petukhov = (f / 8.0) * re * pr / (1.07 + 12.7 * s * pr23);
      // Gnielinski's (Re - 1000) lowers his value by 10 % at Re = 10^4, where
      // the Petukhov form sits 8 % (Pr 7) and 13 % (Pr 30) above it; from
      // 3·10^4 on the two agree within 6 %.
      const double tol = (re < 2.0e4 && pr > 20.0) ? 0.13 : 0.10;
      EXPECT_NEAR(nu / gnielinski, 1.0, tol) << "Pr " << pr << " Re " << re;
      EXPECT_NEAR(nu / petukhov, 1.0, 0.05) << "Pr " << pr << " Re " << re;
      // The other method's correlation gives the same figure from 10^4 on.
      const double other = ComputeFluidAlpha(false, false, false, false, false, kNu, kRho, cp, kLam,
                                             FlowForRe(re), kD, kWall, 0.0, 1.0);
      EXPECT_NEAR(a / other, 1.0, 0.005) << "Pr " << pr << " Re " << re;
    }
  }
}

TEST(FluidAlpha, BranchOrderAndTransitions) {
  const double nuLam = 4.36 * kLam / kDi;
  // Re exactly 2300 (as computed) is laminar, with and without Hellstroem.
  const FluidFlowFigures at2300 = ComputeFluidFlowFigures(
      false, false, false, false, false, kNu, kRho, kCp, kLam, FlowForRe(2300.0), kD, kWall, 0, 1);
  ASSERT_LE(at2300.reynolds, 2300.0);
  EXPECT_DOUBLE_EQ(at2300.alpha, nuLam);
  // Just above 2300 the interpolation starts at the laminar value.
  EXPECT_NEAR(Alpha(FlowForRe(2301.0)) / nuLam, 1.0, 0.01);
  // With Hellstroem the turbulent formula applies directly above 2300.
  {
    const double re = 2301.0;
    const FluidFlowFigures h = ComputeFluidFlowFigures(false, false, false, true, false, kNu, kRho,
                                                       kCp, kLam, FlowForRe(re), kD, kWall, 0, 1);
    const double xi = 1.0 / std::pow(0.79 * std::log(h.reynolds) - 1.64, 2);
    EXPECT_NEAR(h.nusselt, Petukhov(h.reynolds, xi), 1e-9 * h.nusselt);
    EXPECT_GT(h.nusselt, 15.0);
  }
  // Interpolation in log-log between (2300, 4.36) and (10000, Nu_10000).
  {
    const double pr = Prandtl();
    const double k2 = 11.7 + 1.8 / std::cbrt(pr);
    const double nu10 = (0.031437 / 8.0) * 10000.0 * pr /
                        (1.106886 + k2 * std::sqrt(0.031437 / 8.0) * (std::pow(pr, 2.0 / 3.0) - 1.0));
    const FluidFlowFigures f = ComputeFluidFlowFigures(false, false, false, false, false, kNu, kRho,
                                                       kCp, kLam, FlowForRe(5000.0), kD, kWall, 0, 1);
    const double p = std::log(nu10 / 4.36) / std::log(10000.0 / 2300.0);
    EXPECT_NEAR(f.nusselt, 4.36 * std::pow(f.reynolds / 2300.0, p), 1e-9 * f.nusselt);
    // The two branches meet at 10000 up to the rounded constants.
    const double below = Alpha(FlowForRe(9999.999));
    const double above = Alpha(FlowForRe(10000.001));
    EXPECT_NEAR(below / above, 1.0, 1e-4);
  }
}

TEST(FluidAlpha, CorrugatedFactorByRegime) {
  const double m = FlowForRe(1000.0);
  EXPECT_NEAR(Alpha(m, false, true) / Alpha(m), 1.158, 1e-12);
  const double mt = FlowForRe(20000.0);
  EXPECT_NEAR(Alpha(mt, false, true) / Alpha(mt), 1.9, 1e-12);
  // At 2300 the laminar factor applies (Geocoax raises a slow flow to 2300).
  const double slow = FlowForRe(100.0);
  EXPECT_NEAR(Alpha(slow, false, true, false, true) / (4.36 * kLam / kDi), 1.158, 1e-12);
  // Without Geocoax: the laminar factor up to 2300 inclusive, 1.9 right above,
  // whatever branch gave the Nusselt number (interpolation or Hellstroem).
  const FluidFlowFigures at = ComputeFluidFlowFigures(false, false, false, false, true, kNu, kRho, kCp,
                                                      kLam, FlowForRe(2300.0), kD, kWall, 0, 1);
  ASSERT_LE(at.reynolds, 2300.0);
  EXPECT_NEAR(at.alpha, 1.158 * 4.36 * kLam / kDi, 1e-12);
  for (bool hell : {false, true}) {
    const double m = FlowForRe(2301.0);
    EXPECT_NEAR(Alpha(m, hell, true) / Alpha(m, hell, false), 1.9, 1e-12) << hell;
  }
}

TEST(FluidAlpha, GeocoaxSingleUAndSeriesFactor) {
  // Geocoax: laminar flow counted as Re = 2300 -> Nu = 4.36; a flow of 4000
  // counts as 20000.
  EXPECT_DOUBLE_EQ(Alpha(FlowForRe(300.0), false, false, false, true), 4.36 * kLam / kDi);
  EXPECT_NEAR(Alpha(FlowForRe(4000.0), false, false, false, true), Alpha(FlowForRe(20000.0)), 1e-9);
  // A single U-tube carries the whole flow in one circuit: twice the velocity.
  const double m = FlowForRe(6000.0);
  EXPECT_NEAR(Alpha(m, false, false, true), Alpha(2.0 * m), 1e-9);
  // The series factor multiplies the velocity.
  EXPECT_NEAR(ComputeFluidAlpha(false, false, false, false, false, kNu, kRho, kCp, kLam, m, kD, kWall,
                                0, 2.0),
              Alpha(2.0 * m), 1e-9);
}

TEST(FluidAlpha, CoaxialAnnulus) {
  // 60 x 4 mm outer pipe round a 40 mm inner pipe: annulus area pi (0.026² - 0.02²),
  // hydraulic diameter 4 area / (pi (0.052 + 0.04)) = 0.052 - 0.04 = 12 mm.
  const double m = 0.5;
  const double area = kPi * (0.026 * 0.026 - 0.02 * 0.02);
  const FluidFlowFigures f = ComputeFluidFlowFigures(false, true, false, false, false, kNu, kRho, kCp,
                                                     kLam, m, 0.06, 0.004, 0.04, 1.0);
  EXPECT_NEAR(f.velocity, m / kRho / area, 1e-12);
  EXPECT_NEAR(f.hydraulicDiameter, 0.012, 1e-15);
  EXPECT_NEAR(f.reynolds, f.velocity * 0.012 / kNu, 1e-6);
  ASSERT_LT(f.reynolds, 2300.0);
  EXPECT_NEAR(f.alpha, 4.36 * kLam / 0.012, 1e-9);
  // singleU has no effect on a coaxial probe.
  EXPECT_DOUBLE_EQ(
      ComputeFluidAlpha(false, true, true, false, false, kNu, kRho, kCp, kLam, m, 0.06, 0.004, 0.04, 1.0),
      f.alpha);
  // An inner pipe that fills the outer one leaves no annulus.
  EXPECT_THROW(ComputeFluidAlpha(false, true, false, false, false, kNu, kRho, kCp, kLam, m, 0.06, 0.004,
                                 0.052, 1.0),
               CalcError);
}

TEST(FluidAlpha, InvalidInputIsRefused) {
  const double m = 0.1;
  // Wall as thick as the radius: no inner diameter.
  EXPECT_THROW(ComputeFluidAlpha(false, false, false, false, false, kNu, kRho, kCp, kLam, m, 0.032,
                                 0.016, 0, 1),
               CalcError);
  EXPECT_THROW(ComputeFluidAlpha(false, false, false, false, false, 0.0, kRho, kCp, kLam, m, kD,
                                 kWall, 0, 1),
               CalcError);
  EXPECT_THROW(ComputeFluidAlpha(false, false, false, false, false, kNu, kRho, kCp, 0.0, m, kD,
                                 kWall, 0, 1),
               CalcError);
}

TEST(FluidAlpha, ProbeAlphasFromState) {
  SetDefaults();
  double a1 = 0, a2 = -1, a3 = 0;
  ComputeProbeAlphas(0.085, a1, a2, a3);
  EXPECT_NEAR(a1, 83.846153846, 1e-8);
  EXPECT_DOUBLE_EQ(a3, a1);  // no corrugation: calls 1 and 3 agree
  EXPECT_DOUBLE_EQ(a2, 0.0);  // a U-tube probe has no inner pipe
  Wellrohr1 = true;
  ComputeProbeAlphas(0.085, a1, a2, a3);
  EXPECT_NEAR(a1 / a3, 1.158, 1e-12);
  KoaxialSonde = true;
  Wellrohr1 = false;
  ComputeProbeAlphas(0.085, a1, a2, a3);
  // Inner pipe 22.6272 x 2.5 mm carries the whole flow of the probe.
  const double di = 0.0226272 - 0.005;
  const double re = 0.085 / 1036.72 / kPi / (di * di / 4.0) * di / 3.49e-6;
  ASSERT_LT(re, 2300.0);
  EXPECT_NEAR(a2, 4.36 * 0.5 / di, 1e-9);
}

TEST(FluidConduction, ConductionCoefficient) {
  const double k = ConductionCoefficient(false, 0.5, 0.032);
  EXPECT_NEAR(k, 0.5 / ((1.0 - std::sqrt(0.5)) * 0.016), 1e-9);
  EXPECT_NEAR(k, 106.7, 0.05);
  EXPECT_NEAR(ConductionCoefficient(true, 0.5, 0.032) / k, 1.158, 1e-12);
  EXPECT_THROW(ConductionCoefficient(false, 0.5, 0.0), CalcError);
}

}  // namespace
