// Long-term response of the borehole field: the polynomial fit of the
// g-function to its support values, and the temperature change at the edge of
// the ground grid from the block history of heat flows, by superposition with
// the g-function or with the infinite line source.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "calc/Erdsonden.h"

namespace qeb {

double gKoeff0 = 0;
double gKoeff1 = 0;
double gKoeff2 = 0;
double gKoeff3 = 0;
double gKoeff4 = 0;
double gKoeff5 = 0;
double gPolyStart = 0;
BlockHistory QHistorie = {};

namespace {

constexpr double kPi = std::numbers::pi;

// Default support values of a single borehole; the spacing correction never
// goes below them.
constexpr double kG1 = 4.82;
constexpr double kG2 = 5.69;
constexpr double kG3 = 6.29;
constexpr double kG4 = 6.57;
constexpr double kG5 = 6.6;

[[noreturn]] void Invalid(const char* de, const char* en) {
  throw CalcError(std::string(de) + " ung\xFCltig  /  invalid " + en);
}

void RequirePositive(double v, const char* de, const char* en) {
  if (!(v > 0.0) || !std::isfinite(v)) Invalid(de, en);
}

double Poly(const double c[6], double x) {
  return c[0] + c[1] * x + c[2] * x * x + c[3] * x * x * x + c[4] * x * x * x * x +
         c[5] * x * x * x * x * x;
}

void CheckHistoryArgs(int j, int N) {
  if (j < 1 || j > kMaxSegmente) Invalid("Segmentnummer", "segment number");
  if (N > kMaxBloecke) {
    throw CalcError(
        "Zu viele Randbedingungsbl\xF6" "cke (Simulationsdauer)  /  too many boundary blocks (simulation "
        "length)");
  }
}

void CheckResponseArgs(int N, int dimAxi, double H, double r, double lambda, double c, double rho,
                       int repRandbed) {
  if (N > kMaxBloecke) {
    throw CalcError(
        "Zu viele Randbedingungsbl\xF6" "cke (Simulationsdauer)  /  too many boundary blocks (simulation "
        "length)");
  }
  if (dimAxi < 1) Invalid("Axiale Zellenzahl", "number of axial cells");
  if (repRandbed < 1) Invalid("Wiederholung der Randbedingung", "boundary repetition");
  RequirePositive(H, "Sondenl\xE4nge", "probe length");
  RequirePositive(r, "Rechenradius", "calculation radius");
  RequirePositive(lambda, "W\xE4rmeleitf\xE4higkeit des Erdreichs", "ground conductivity");
  RequirePositive(c, "W\xE4rmekapazit\xE4t des Erdreichs", "ground heat capacity");
  RequirePositive(rho, "Dichte des Erdreichs", "ground density");
}

void CheckResult(double dT) {
  if (!std::isfinite(dT)) {
    throw CalcError(
        "Temperatur\xE4nderung am Rechenrand nicht berechenbar  /  boundary temperature change not "
        "computable");
  }
}

}  // namespace

double MaxOfTwo(double a, double b) { return a > b ? a : b; }

GFunctionFit FitGFunction(double g1, double g2, double g3, double g4, double g5, double spacing,
                          double spacingOfValues, bool decaying) {
  GFunctionFit fit;
  double* G = fit.G;
  G[1] = g1;
  G[2] = g2;
  G[3] = g3;
  G[4] = g4;
  G[5] = g5;

  if (std::fabs(spacing - spacingOfValues) > 0.05 && std::fabs(G[3] - kG3) > 0.00001) {
    RequirePositive(spacing, "Sondenabstand", "borehole spacing");
    RequirePositive(spacingOfValues, "Sondenabstand der g-Funktion",
                    "borehole spacing of the g-function");
    // The decay rate of the field's excess over the single borehole comes from
    // the ratio of the excesses at the third and fifth support values; it must
    // be a positive finite number.
    const double ratio = (G[3] - kG3) / (G[5] - kG5);
    if (!(ratio > 0.0) || !std::isfinite(ratio)) Invalid("g-Funktionswerte g3 / g5", "g-function values g3 / g5");
    fit.corrected = true;
    const double r = spacing / spacingOfValues;
    const double d = G[5] - kG3;
    double k = -std::log(ratio) / 27.0;
    // A field's third value usually lies further above the single borehole's
    // than its fifth: k is then negative and the exponentials would grow
    // without bound. The correction decays in every case.
    if (decaying) k = std::fabs(k);
    G[1] = MaxOfTwo(kG1, std::exp(-r * k * 343.0) * d / r + kG1);
    if (std::fabs(G[1] - kG1) < 1.5) {
      G[1] = kG1;
    } else {
      G[1] = (kG1 + G[1]) / 2.0;
    }
    G[2] = MaxOfTwo(kG2, std::exp(-r * k * 125.0) * d / r + kG2);
    G[3] = MaxOfTwo(kG3, std::exp(-r * k * 27.0) * d / r + kG3);
    G[4] = MaxOfTwo(kG4, std::exp(-r * k) * d / r + kG4);
    G[5] = MaxOfTwo(kG5, d / r + kG5);
    for (int i = 1; i <= 5; ++i) {
      if (!std::isfinite(G[i])) Invalid("Sondenabstand / g-Funktionswerte", "borehole spacing / g-function values");
    }
  }

  double x6 = -4.0 - (G[1] - kG1) / 2.0;
  if (x6 >= -4.5) x6 = -4.5;
  fit.xStart = MaxOfTwo(-6.0, x6 + 0.5);

  const double xs[6] = {-4.0, -2.0, 0.0, 2.5, 3.0, x6};
  const double ys[6] = {G[1],
                        G[2],
                        G[3],
                        0.99 * (G[4] + 0.99 * G[5]) / 2.0,
                        0.99 * G[5],
                        0.99 * (std::log(1000.0) + 0.5 * x6)};
  double m[6][6];
  for (int i = 0; i < 6; ++i) {
    fit.x[i] = xs[i];
    fit.y[i] = ys[i];
    double p = 1.0;
    for (int k = 0; k < 6; ++k) {
      m[i][k] = p;
      p *= xs[i];
    }
  }
  // A third value whose excess over the single borehole is larger than that of
  // the fifth makes the correction grow instead of decay; the early point then
  // lies so far out that the powers overflow or the elimination without
  // pivoting loses every digit.
  for (int i = 0; i < 6; ++i) {
    for (int k = 0; k < 6; ++k) {
      if (!std::isfinite(m[i][k])) Invalid("g-Funktionswerte", "g-function values");
    }
  }
  GaussJordanInvert(&m[0][0], 6, 6);
  for (int i = 0; i < 6; ++i) {
    long double s = 0.0L;
    for (int k = 0; k < 6; ++k) s += static_cast<long double>(m[i][k]) * ys[k];
    fit.c[i] = static_cast<double>(s);
    if (!std::isfinite(fit.c[i])) Invalid("g-Funktionswerte", "g-function values");
  }
  // The polynomial must pass through its support points; a fit that does not
  // would hand the run a meaningless g-function.
  for (int i = 0; i < 6; ++i) {
    long double p = 0.0L;
    for (int k = 5; k >= 0; --k) p = p * xs[i] + fit.c[k];
    const long double err = std::fabs(p - static_cast<long double>(ys[i]));
    if (!(err <= 1e-6L * std::max(1.0L, std::fabs(static_cast<long double>(ys[i]))))) {
      Invalid("g-Funktionswerte", "g-function values");
    }
  }
  return fit;
}

void FitGFunctionPolynomial(double& c0, double& c1, double& c2, double g1, double g2, double g3,
                            double g4value, double g5value, double spacing,
                            double spacingOfValues, double& c3, double& c4, double& c5,
                            double& xStart, double& g4, double& g5) {
  const GFunctionFit fit = FitGFunction(g1, g2, g3, g4value, g5value, spacing, spacingOfValues);
  c0 = fit.c[0];
  c1 = fit.c[1];
  c2 = fit.c[2];
  c3 = fit.c[3];
  c4 = fit.c[4];
  c5 = fit.c[5];
  xStart = fit.xStart;
  g4 = fit.G[4];
  g5 = fit.G[5];
}

void FitGFunctionFromState() {
  double g4c = 0;
  double g5c = 0;
  FitGFunctionPolynomial(gKoeff0, gKoeff1, gKoeff2, g1, g2, g3, g4, g5, Sondenabstand,
                         g_Sondenabstand, gKoeff3, gKoeff4, gKoeff5, gPolyStart, g4c, g5c);
}

// ---------------------------------------------------------------------------
// Line source
// ---------------------------------------------------------------------------

double LineSourceSeriesE1(double u) {
  // Euler's constant is taken to four places, as the response has always used.
  double e = -0.5772 - std::log(u) + u;
  double term = -u;  // (-u)^k, from k = 1
  double fact = 1.0;
  // The series converges for every u; the cap only guards against a
  // comparison that never succeeds.
  for (int k = 2; k <= 60; ++k) {
    term *= -u;
    fact *= k;
    const double old = e;
    e = e - term / (k * fact);
    if (std::fabs(1.0 - e / old) < 0.01) break;
  }
  return e;
}

double LineSourceE1Row(const double* historyRow, int N, int dimAxi, double H, double r,
                       double lambda, double c, double rho, int repRandbed) {
  if (N < 1) return 0.0;
  CheckResponseArgs(N, dimAxi, H, r, lambda, c, rho, repRandbed);
  const double u0 = r * r * rho * c / (4.0 * lambda) / repRandbed / kSekundenProWoche;
  const double C = 4.0 * kPi * lambda * H / dimAxi;
  double dT = 0.0;
  for (int i = 1; i <= N; ++i) {
    const double u = u0 / i;
    // Blocks too recent for the heat to have reached the radius.
    if (u > 1.0) continue;
    dT += (historyRow[N - i] - historyRow[N - i + 1]) / C * LineSourceSeriesE1(u);
  }
  CheckResult(dT);
  return dT;
}

double LineSourceE1(int j, int N, int dimAxi, double H, double r, double lambda, double c,
                    double rho, const BlockHistory& history, int repRandbed) {
  CheckHistoryArgs(j, N);
  return LineSourceE1Row(history[j], N, dimAxi, H, r, lambda, c, rho, repRandbed);
}

// ---------------------------------------------------------------------------
// g-function superposition
// ---------------------------------------------------------------------------

double SuperpositionGValue(double x, const double coeff[6], bool kurzzeitBreit) {
  const double p38 = Poly(coeff, -3.8);
  double gb = 4.59;
  if (kurzzeitBreit) gb = (p38 > 15.0) ? 3.34 : 4.09;
  if (x > 2.5) x = 2.5;
  const double ga = 0.5 * x + 6.84;
  double g = (x < -4.0) ? ga : Poly(coeff, x);
  if (x < -2.0 && g < ga - 0.3) g = ga;
  if (kurzzeitBreit && p38 >= 15.0) {
    if (x >= -7.0 && x < -3.8) {
      const double s = (x + 7.0) / 3.2;
      g = gb + (p38 - gb) * s * s;
    }
  } else if (kurzzeitBreit) {
    if (x >= -5.5 && x < -3.8) g = gb + (p38 - gb) * (x + 5.5) / 1.7;
  } else {
    if (x >= -4.5 && x < -3.8) g = gb + (p38 - gb) * (x + 4.5) / 0.7;
  }
  return g;
}

double GFunctionSuperpositionRow(const double* historyRow, int N, int dimAxi,
                                 const double coeff[6], double H, double r, double lambda,
                                 double c, double rho, int repRandbed, bool kurzzeitBreit) {
  if (N < 1) return 0.0;
  CheckResponseArgs(N, dimAxi, H, r, lambda, c, rho, repRandbed);
  const double ts = H * H * rho * c / (9.0 * lambda);
  const double radiusCorrection = std::log(r / (0.0005 * H));
  const double perMetre = dimAxi / H;
  double dT = 0.0;
  for (int i = 1; i <= N; ++i) {
    const double t = static_cast<double>(i) * repRandbed * kSekundenProWoche;
    double g = SuperpositionGValue(std::log(t / ts), coeff, kurzzeitBreit) - radiusCorrection;
    if (g < 0.0) g = 0.0;
    dT += (historyRow[N - i] - historyRow[N - i + 1]) * perMetre * g / (2.0 * kPi * lambda);
  }
  CheckResult(dT);
  return dT;
}

double GFunctionSuperposition(int j, int N, int dimAxi, double c0, double c1, double c2, double c3,
                              double c4, double c5, double H, double r, double lambda, double c,
                              double rho, const BlockHistory& history, int repRandbed) {
  CheckHistoryArgs(j, N);
  gPolyStart = -4.0;
  const double coeff[6] = {c0, c1, c2, c3, c4, c5};
  return GFunctionSuperpositionRow(history[j], N, dimAxi, coeff, H, r, lambda, c, rho, repRandbed,
                                   gKurzzeitBreit);
}

}  // namespace qeb
