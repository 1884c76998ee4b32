// Borehole thermal resistances of one axial segment: U-tube probes by the
// multipole formulas or from entered values with a ring formula, coaxial probes
// likewise. Entered values (> 0) win over computed ones except in the multipole
// methods.
#include <cmath>
#include <numbers>
#include <string>

#include "calc/Erdsonden.h"

namespace qeb {

namespace {

constexpr double kPi = std::numbers::pi;

[[noreturn]] void Invalid(const char* de, const char* en) {
  throw CalcError(std::string(de) + " ung\xFCltig  /  invalid " + en);
}

void RequirePositive(double v, const char* de, const char* en) {
  if (!(v > 0.0) || !std::isfinite(v)) Invalid(de, en);
}

// Logarithm of a ratio the user's geometry produces; a non-positive argument
// has no physical meaning here.
double LogOf(double v, const char* de, const char* en) {
  if (!(v > 0.0) || !std::isfinite(v)) Invalid(de, en);
  return std::log(v);
}

// Internal resistance of a coaxial probe between the inner pipe and the annulus.
double CoaxialInternalResistance(const ResistanceInputs& in) {
  RequirePositive(in.Din, "Innenrohrdurchmesser", "inner pipe diameter");
  RequirePositive(in.rii, "Innenrohrdurchmesser / Wandst\xE4rke Innenrohr",
                  "inner pipe diameter / wall thickness");
  RequirePositive(in.alpha2, "W\xE4rme\xFC" "bergang Innenrohr", "inner pipe heat transfer");
  RequirePositive(in.alpha3, "W\xE4rme\xFC" "bergang Ringraum", "annulus heat transfer");
  RequirePositive(in.lambdaInnerPipe, "W\xE4rmeleitf\xE4higkeit Innenrohr", "inner pipe conductivity");
  return 1.0 / (kPi * in.Din * in.alpha3) + 1.0 / (2.0 * kPi * in.rii * in.alpha2) +
         LogOf((in.Din / 2.0) / in.rii, "Innenrohrdurchmesser / Wandst\xE4rke Innenrohr",
               "inner pipe diameter / wall thickness") /
             (2.0 * kPi * in.lambdaInnerPipe);
}

void CheckFinite(double v) {
  if (!std::isfinite(v)) {
    throw CalcError("Bohrlochwiderstand nicht berechenbar  /  borehole resistance not computable");
  }
}

}  // namespace

ResistanceInputs ResistanceInputsFromState(double alpha1, double alpha2, double alpha3) {
  if (DimAxi < 1) Invalid("Axiale Zellenzahl", "number of axial cells");
  ResistanceInputs in;
  in.ri = Sondendurchmesser / 2.0 - Dicke_Sondenrohr;
  in.D = Sondendurchmesser;
  in.rb = Bohrdurchmesser / 2.0;
  in.rm1 = std::sqrt((in.rb * in.rb + in.ri * in.ri) / 2.0);
  in.Din = Innenrohrdurchmesser;
  in.rii = Innenrohrdurchmesser / 2.0 - Dicke_Innenrohr;
  in.alpha1 = alpha1;
  in.alpha2 = alpha2;
  in.alpha3 = alpha3;
  in.dz = Sondenlaenge / DimAxi;
  in.lambdaGround = lambdaErd;
  in.lambdaPipe = lambdaRohr;
  in.lambdaInnerPipe = lambdaInnenrohr;
  in.Bu = Bu;
  in.S = BuRelativ;
  in.coaxial = KoaxialSonde;
  in.hellstroem = Hellstroem;
  in.singleU = einfachU;
  in.raKorr = RaKorr;
  return in;
}

void ComputeBoreholeResistances(const ResistanceInputs& in, double& R1, double& Ra, double& Rb,
                                bool corrugated, double& Rd, double& Rc, double lambdaFill,
                                double& raKorrEinfachU) {
  const double ri = in.ri;
  const double rb = in.rb;
  const double rm1 = in.rm1;
  const double dz = in.dz;
  const double a1 = in.alpha1;
  const double lf = lambdaFill;

  RequirePositive(ri, "Sondendurchmesser / Wandst\xE4rke", "pipe diameter / wall thickness");
  RequirePositive(dz, "Segmentl\xE4nge", "segment length");
  RequirePositive(a1, "W\xE4rme\xFC" "bergang der Sole", "brine heat transfer");
  RequirePositive(lf, "W\xE4rmeleitf\xE4higkeit der Hinterf\xFCllung", "fill conductivity");
  if (!(rb > ri)) Invalid("Bohrdurchmesser", "borehole diameter");

  const double f1 = corrugated ? 1.158 : 1.0;
  const double f2 = corrugated ? 1.079 : 1.0;
  const double cU = 1.0 / (8.0 * kPi * a1 * ri);
  const double cK = 1.0 / (2.0 * kPi * a1 * ri);
  // Fill between the first grid ring and the borehole wall.
  const double L = std::log(rb / rm1) / (2.0 * kPi * lf);

  if (!in.coaxial && in.hellstroem) {
    const double lg = in.lambdaGround;
    RequirePositive(lg, "W\xE4rmeleitf\xE4higkeit des Erdreichs", "ground conductivity");
    const double S = in.S;
    const double bu = in.Bu;
    RequirePositive(bu, "Schenkelabstand Bu", "shank spacing Bu");
    if (!(S > 0.0) || !(S < 1.0)) Invalid("Schenkelabstand Bu", "shank spacing Bu");
    const double rb4 = rb * rb * rb * rb;
    const double h = bu / 2.0;
    const double gap = rb4 - h * h * h * h;
    if (!(gap > 0.0)) Invalid("Schenkelabstand Bu", "shank spacing Bu");

    const double sigma = (lf - lg) / (lf + lg);
    double beta;
    if (2.0 * ri >= in.D) {
      beta = lf / (a1 * ri);  // no pipe wall
    } else {
      RequirePositive(in.lambdaPipe, "W\xE4rmeleitf\xE4higkeit Sondenrohr", "pipe conductivity");
      beta = lf * (1.0 / (a1 * ri) + std::log((in.D / 2.0) / ri) / (in.lambdaPipe * f1));
    }
    if (beta == 1.0) Invalid("Sondenrohr / Hinterf\xFCllung", "pipe / fill");

    const double S2 = S * S;
    const double S4 = S2 * S2;
    Ra = (1.0 / (kPi * lf)) * (std::log(std::sqrt(2.0) * S * rb / ri) -
                               0.5 * std::log(2.0 * S * rb / ri) -
                               0.5 * sigma * std::log((1.0 - S4) / (1.0 + S4))) +
         beta / (2.0 * kPi * lf);
    if (!in.raKorr) raKorrEinfachU = 1.0;
    if (in.singleU) {
      Ra = ((1.0 / (kPi * lf)) *
                (std::log(2.0 * S * rb / ri) - sigma * std::log((1.0 - S2) / (1.0 + S2))) +
            beta / (kPi * lf)) *
           raKorrEinfachU;
    }
    const double bu2 = bu * bu;
    const double bu4 = bu2 * bu2;
    const double P = (ri * ri / bu2) * std::pow(1.0 - (sigma * bu4 / 4.0) / gap, 2);
    const double Q = (1.0 + beta) / (1.0 - beta) + (ri * ri / bu2) * (1.0 + sigma * bu4 * rb4 / (gap * gap));
    if (Q == 0.0) Invalid("Sondenrohr / Hinterf\xFCllung", "pipe / fill");
    Rb = (1.0 / (8.0 * kPi * lf)) * (std::log(rb / ri) + beta + std::log(rb / bu) +
                                     sigma * std::log(rb4 / gap) - P / Q) +
         Rd;
    // The internal resistance is capped before the single-U doubling of Rb.
    if (4.0 * Rb < Ra) Ra = 4.0 * Rb;
    if (in.singleU) Rb = 2.0 * Rb - Rd;
    R1 = Ra / 4.0 / dz;
    Rc = Rb - cU;
  } else if (!in.coaxial) {
    if (Rc > 0.0) Rb = Rc + cU;
    if (Ra > 0.0 && Rb > 0.0) {
      R1 = Ra / 4.0 / dz;
    } else if (Rb > 0.0) {
      R1 = (Rb - Rd) / dz - L / dz;
      Ra = 4.0 * R1 * dz;
    } else if (R1 > 0.0) {
      Ra = 4.0 * R1 * dz;
      Rb = R1 * dz + Rd + L;
    } else {
      R1 = (1.0 / (8.0 * kPi * dz)) *
           (LogOf((rb - rm1) / ri, "Bohrdurchmesser", "borehole diameter") / lf + 1.0 / (a1 * ri));
      if (in.singleU) R1 = 2.0 * R1;
      Ra = 4.0 * R1 * dz;
      Rb = R1 * dz + Rd + L;
    }
    Rc = Rb - cU;
  } else if (in.hellstroem) {
    RequirePositive(in.D, "Sondendurchmesser", "pipe diameter");
    RequirePositive(in.lambdaPipe, "W\xE4rmeleitf\xE4higkeit Sondenrohr", "pipe conductivity");
    R1 = Rd / dz + (1.0 / (2.0 * kPi * dz)) *
                       (1.0 / (a1 * ri) +
                        LogOf((in.D / 2.0) / ri, "Sondendurchmesser / Wandst\xE4rke",
                              "pipe diameter / wall thickness") /
                            (in.lambdaPipe * f1) +
                        std::log(2.0 * rm1 / (in.D * f2)) / lf);
    Ra = CoaxialInternalResistance(in);
    Rb = R1 * dz + L;
    Rc = Rb - cK;
  } else {
    if (Rc > 0.0) Rb = Rc + cK;
    if (Ra > 0.0 && Rb > 0.0) {
      R1 = Rb / dz - L / dz;
    } else if (Rb > 0.0) {
      Ra = CoaxialInternalResistance(in);
      R1 = Rb / dz - L / dz;
    } else if (R1 > 0.0) {
      Ra = CoaxialInternalResistance(in);
      Rb = R1 * dz + L;
    } else {
      R1 = Rd / dz + (1.0 / (2.0 * kPi * dz)) * (std::log(rm1 / ri) / lf + 1.0 / (a1 * ri));
      Ra = CoaxialInternalResistance(in);
      Rb = R1 * dz + L;
    }
    Rc = Rb - cK;
  }
  CheckFinite(R1);
  CheckFinite(Ra);
  CheckFinite(Rb);
  CheckFinite(Rc);
}

void ComputeSegmentResistances(const ResistanceInputs& in) {
  if (DimAxi < 1 || DimAxi > kMaxSegmente) Invalid("Axiale Zellenzahl", "number of axial cells");
  for (int i = 1; i <= DimAxi; ++i) {
    if (!FillVariabel) {
      RaV[i] = Ra;
      RbV[i] = Rb;
      RcV[i] = Rc;
      R1V[i] = R1;
    }
    ComputeBoreholeResistances(in, R1V[i], RaV[i], RbV[i], Wellrohr1, Rd, RcV[i], lambdaFillV[i],
                               RaKorr_einfachU);
  }
  double sa = 0, sb = 0, sc = 0, s1 = 0;
  for (int i = 1; i <= DimAxi; ++i) {
    sa += RaV[i];
    sb += RbV[i];
    sc += RcV[i];
    s1 += R1V[i];
  }
  Ra = sa / DimAxi;
  Rb = sb / DimAxi;
  Rc = sc / DimAxi;
  R1 = s1 / DimAxi;
}

}  // namespace qeb
