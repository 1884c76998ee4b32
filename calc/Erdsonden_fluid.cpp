// Brine-side heat transfer: the film coefficient between the circulating brine
// and a pipe wall, and the conduction stand-in for standing brine.
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

#include "calc/Erdsonden.h"

namespace qeb {

namespace {

constexpr double kReLaminar = 2300.0;
constexpr double kReTurbulent = 10000.0;
constexpr double kNuLaminar = 4.36;
// ln(10000/2300) is taken of this ratio.
constexpr double kReRatio = 4.3478260869565215;
// Friction factor and Petukhov K1 of the decimal-log correlation at Re = 10000.
constexpr double kXi10000 = 0.031437;
constexpr double kK1_10000 = 1.106886;

void RequirePositive(double v, const char* deName, const char* enName) {
  if (!(v > 0.0) || !std::isfinite(v)) {
    throw CalcError(std::string(deName) + " ung\xFCltig  /  invalid " + enName);
  }
}

}  // namespace

double PowAbs(double x, double y) {
  if (x == 0.0 || !std::isfinite(x)) {
    throw CalcError("Potenz von 0 ung\xFCltig  /  invalid power of 0");
  }
  const long double l = std::log(std::fabs(static_cast<long double>(x)));
  const double r = static_cast<double>(std::exp(static_cast<long double>(y) * l));
  if (!std::isfinite(r)) {
    throw CalcError("Potenz ausserhalb des Zahlenbereichs  /  power out of range");
  }
  return r;
}

FluidFlowFigures ComputeFluidFlowFigures(bool geocoax, bool coaxial, bool singleU, bool hellstroem,
                                         bool corrugated, double nu, double rho, double cp,
                                         double lambda, double massFlow, double pipeDiameter,
                                         double wallThickness, double coreDiameter,
                                         double seriesFactor) {
  FluidFlowFigures f;
  // The comparison constant is held in extended precision: the double nearest
  // 0.0001 lies just above it and is computed like any other flow.
  if (static_cast<long double>(massFlow) <= 0.0001L) {
    f.noFlow = true;
    f.alpha = 0.01;
    return f;
  }
  RequirePositive(rho, "Dichte der Sole", "brine density");
  RequirePositive(nu, "Viskosit\xE4t der Sole", "brine viscosity");
  RequirePositive(lambda, "W\xE4rmeleitf\xE4higkeit der Sole", "brine conductivity");
  RequirePositive(cp, "W\xE4rmekapazit\xE4t der Sole", "brine heat capacity");

  const double d = pipeDiameter - 2.0 * wallThickness;
  RequirePositive(d, "Rohrdurchmesser / Wandst\xE4rke", "pipe diameter / wall thickness");
  f.innerDiameter = d;

  const double pi = std::numbers::pi;
  double u;
  // Length of the flow section: the inner diameter of a round pipe; for the
  // ring round a core its hydraulic diameter, 4 area / wetted perimeter =
  // outer minus core diameter. The ring's gap, not the outer pipe, sets its
  // regime and the distance heat crosses in it.
  double dh = d;
  if (!coaxial) {
    // The design flow is divided over the two circuits of a double U-tube.
    u = 2.0 * massFlow / rho / (d * d) / pi * seriesFactor;
    if (singleU) u = 2.0 * u;
  } else {
    const double ring = (d / 2.0) * (d / 2.0) - (coreDiameter / 2.0) * (coreDiameter / 2.0);
    RequirePositive(ring, "Ringspalt der Koaxialsonde", "annulus of the coaxial probe");
    u = massFlow / rho / pi * seriesFactor / ring;
    dh = d - coreDiameter;
  }
  f.velocity = u;
  f.hydraulicDiameter = dh;

  double re = u * dh / nu;
  if (geocoax) {
    re = 5.0 * re;
    if (re < kReLaminar) re = kReLaminar;
  }
  f.reynolds = re;

  const double pr = nu * rho * cp / lambda;
  f.prandtl = pr;
  const double k2 = 11.7 + 1.8 / PowAbs(pr, 1.0 / 3.0);
  const double pr23 = PowAbs(pr, 2.0 / 3.0);

  // The friction factor is formed only where the turbulent correlation is
  // used: its denominator vanishes near Re = 8.
  auto turbulentNu = [&]() {
    // Both forms are Darcy friction factors, as the Petukhov form needs them;
    // a Fanning factor (a quarter of it) would cut Nu to less than half.
    double xi;
    if (hellstroem) {
      const double den = 0.79 * std::log(re) - 1.64;
      xi = 1.0 / (den * den);
    } else {
      const double den = 1.82 * std::log(re) / std::log(10.0) - 1.64;
      xi = 1.0 / (den * den);
    }
    const double k1 = 1.0 + 27.2 * xi / 8.0;
    return (xi / 8.0) * re * pr / (k1 + k2 * std::sqrt(xi / 8.0) * (pr23 - 1.0));
  };

  double nuss;
  if (!(re > kReLaminar)) {  // also a Reynolds number that is not a number
    nuss = kNuLaminar;
  } else if (hellstroem) {
    nuss = turbulentNu();
  } else if (re >= kReTurbulent) {
    nuss = turbulentNu();
  } else {
    const double nu10000 = (kXi10000 / 8.0) * 10000.0 * pr /
                           (kK1_10000 + k2 * std::sqrt(kXi10000 / 8.0) * (pr23 - 1.0));
    const double p = std::log(nu10000 / kNuLaminar) / std::log(kReRatio);
    nuss = kNuLaminar * PowAbs(re / kReLaminar, p);
  }
  f.nusselt = nuss;

  double alpha = nuss * lambda / dh;
  if (corrugated) alpha *= (re <= kReLaminar) ? 1.158 : 1.9;
  if (!std::isfinite(alpha)) {
    throw CalcError("W\xE4rme\xFC" "bergang der Sole nicht berechenbar  /  brine heat transfer not computable");
  }
  f.alpha = alpha;
  return f;
}

double ComputeFluidAlpha(bool geocoax, bool coaxial, bool singleU, bool hellstroem, bool corrugated,
                         double nu, double rho, double cp, double lambda, double massFlow,
                         double pipeDiameter, double wallThickness, double coreDiameter,
                         double seriesFactor) {
  return ComputeFluidFlowFigures(geocoax, coaxial, singleU, hellstroem, corrugated, nu, rho, cp,
                                 lambda, massFlow, pipeDiameter, wallThickness, coreDiameter,
                                 seriesFactor)
      .alpha;
}

double ConductionCoefficient(bool corrugated, double lambda, double pipeDiameter) {
  RequirePositive(lambda, "W\xE4rmeleitf\xE4higkeit der Sole", "brine conductivity");
  RequirePositive(pipeDiameter, "Sondendurchmesser", "probe pipe diameter");
  // Distance from the wall to the radius that halves the cross-section.
  double k = lambda / ((1.0 - std::sqrt(0.5)) * pipeDiameter / 2.0);
  if (corrugated) k *= 1.158;
  return k;
}

namespace {

void ComputeProbeAlphasNow(double massFlowPerProbe, double& alpha1, double& alpha2, double& alpha3,
                           bool withInnerPipe) {
  alpha1 = ComputeFluidAlpha(Geocoax, KoaxialSonde, einfachU, Hellstroem, Wellrohr1, nueSole,
                             rhoSole, cpSole, lambdaSole, massFlowPerProbe, Sondendurchmesser,
                             Dicke_Sondenrohr, Innenrohrdurchmesser, inSerie);
  if (!withInnerPipe) return;
  // Call 3 is the probe pipe again, without the corrugation factor. The inner
  // pipe exists only in a coaxial probe; a U-tube probe may carry any leftover
  // inner-pipe geometry, which must not stop its run.
  alpha3 = ComputeFluidAlpha(Geocoax, KoaxialSonde, einfachU, Hellstroem, false, nueSole, rhoSole,
                             cpSole, lambdaSole, massFlowPerProbe, Sondendurchmesser,
                             Dicke_Sondenrohr, Innenrohrdurchmesser, inSerie);
  if (!KoaxialSonde) {
    alpha2 = 0.0;
    return;
  }
  alpha2 = ComputeFluidAlpha(Geocoax, KoaxialSonde, einfachU, Hellstroem, false, nueSole, rhoSole,
                             cpSole, lambdaSole, massFlowPerProbe, Innenrohrdurchmesser,
                             Dicke_Innenrohr, 0.0, inSerie);
}

// Everything the three coefficients depend on. The time step asks for them
// every pass, mostly with the same flow; they are computed again only when
// an input differs in any bit.
struct AlphaInputs {
  double values[10];
  unsigned char flags[8];  // fills the struct: no padding bytes to compare
};
static_assert(sizeof(AlphaInputs) == 10 * sizeof(double) + 8);

AlphaInputs CurrentAlphaInputs(double massFlowPerProbe, bool withInnerPipe) {
  AlphaInputs k;
  std::memset(&k, 0, sizeof k);
  const double v[10] = {massFlowPerProbe, nueSole,  rhoSole,          cpSole,          lambdaSole,
                        Sondendurchmesser, Dicke_Sondenrohr, Innenrohrdurchmesser, Dicke_Innenrohr, inSerie};
  std::memcpy(k.values, v, sizeof v);
  const bool f[6] = {Geocoax, KoaxialSonde, einfachU, Hellstroem, Wellrohr1, withInnerPipe};
  for (int i = 0; i < 6; ++i) k.flags[i] = f[i] ? 1 : 0;
  return k;
}

struct AlphaMemo {
  AlphaInputs inputs;
  double alpha1 = 0, alpha2 = 0, alpha3 = 0;
  bool valid = false;
};
AlphaMemo gAlphaMemo;

}  // namespace

void ComputeProbeAlphas(double massFlowPerProbe, double& alpha1, double& alpha2, double& alpha3,
                        bool withInnerPipe) {
  const AlphaInputs inputs = CurrentAlphaInputs(massFlowPerProbe, withInnerPipe);
  AlphaMemo& m = gAlphaMemo;
  if (!m.valid || std::memcmp(&inputs, &m.inputs, sizeof inputs) != 0) {
    m.valid = false;
    // Without the inner pipe alpha2 and alpha3 stay as the caller has them.
    double a1 = 0.0, a2 = alpha2, a3 = alpha3;
    ComputeProbeAlphasNow(massFlowPerProbe, a1, a2, a3, withInnerPipe);
    m.inputs = inputs;
    m.alpha1 = a1;
    m.alpha2 = a2;
    m.alpha3 = a3;
    m.valid = true;
  }
  alpha1 = m.alpha1;
  if (!withInnerPipe) return;
  alpha2 = m.alpha2;
  alpha3 = m.alpha3;
}

}  // namespace qeb
