#include "results/gfunc_fit.h"

#include <algorithm>
#include <cmath>

#include "calc/ErdsondenKernels.h"
#include "calc/QEBMOD.h"
#include "calc/QEBMOD_plant.h"
#include "calc/QEBMOD_run.h"
#include "input/QEBInput.h"

namespace qeb {

double Zoomfaktor = 0.8;
std::vector<double> GfuncTabelle(kGfuncPunkte + 1, 0.0);
double GfuncKoeff[6] = {};
double GfuncXMin = -4.0;
double AbstandSondeStao = 0.0;

double Max(double a, double b) { return b > a ? b : a; }

double GfuncPolynom(double x) {
  double p = 0.0;
  for (int k = 5; k >= 0; --k) p = p * x + GfuncKoeff[k];
  return p;
}

double TabellenMaximum(int n) {
  double m = -9999999999.0;
  const int last = std::min(n, static_cast<int>(GfuncTabelle.size()) - 1);
  for (int i = 1; i <= last; ++i)
    if (GfuncTabelle[static_cast<std::size_t>(i)] > m) m = GfuncTabelle[static_cast<std::size_t>(i)];
  return m;
}

void FitGFunctionPolynomial(double bRef, double b, double g1, double g2, double g3, double& g4, double& g5) {
  // The module's fit is the same algorithm with the same constants.
  const GFunctionFit fit = FitGFunction(g1, g2, g3, g4, g5, b, bRef, true);
  for (int k = 0; k < 6; ++k) GfuncKoeff[k] = fit.c[k];
  GfuncXMin = fit.xStart;
  g4 = fit.G[4];
  g5 = fit.G[5];
}

double GfuncLangzeit(double x) {
  x = std::min(x, 2.5);
  const double a = 0.5 * x + 6.84;
  double g = x >= GfuncXMin ? GfuncPolynom(x) : a;
  if (x < -2.0 && g < a - 0.3) g = a;
  return g;
}

double GFunctionValue(int n) {
  const double H = Sondenlaenge;
  tsJahre = H * H / 9.0 / lambdaErd * cpErd * rhoErd / 3600.0 / 8760.0;
  if (!(tsJahre > 0.0) || !std::isfinite(tsJahre) || n < 1) {
    throw CalcError(" Sondenlänge oder Erdreich ungültig  /  invalid probe length or ground ");
  }
  double x = std::log(n / tsJahre);
  double g4 = 6.77, g5 = 6.79;
  FitGFunctionPolynomial(g_Sondenabstand, Sondenabstand, 4.95, 5.94, 6.53, g4, g5);
  GfuncXMin = -4.0;
  const double P = GfuncPolynom(-3.8);
  const double gLow = gKurzzeitBreit ? 4.09 : 4.59;
  x = std::min(x, 2.5);
  double g = GfuncLangzeit(x);
  if (x >= -5.5 && x < -3.8) g = (P - gLow) / 1.7 * (5.5 + x) + gLow;
  return g;
}

double ProjektJahresenergie() {
  int code = -6;
  Simulate(code);
  double E = 0.0;
  for (int h = 1; h <= 8760; ++h) E += QWPStunde[h];
  return E;
}

double FieldTemperatureResponse(int n) {
  if (!(Sondenlaenge > 0.0) || !(lambdaErd > 0.0)) return 0.0;
  return FieldTemperatureResponse(n, ProjektJahresenergie());
}

double FieldTemperatureResponse(int n, double E) {
  const double H = Sondenlaenge;
  if (!(H > 0.0) || !(lambdaErd > 0.0)) return 0.0;
  // The mean load is shared by the project's own boreholes; a field of
  // neighbours only still carries the project's load on one borehole.
  int eigene = 0;
  for (int i = 1; i <= std::min(Zaehler, kMaxSonden); ++i)
    if (!Nachbarsonde[i]) ++eigene;
  eigene = std::max(eigene, 1);
  const double q = E / 8.76 / H / eigene;
  const double gN = GFunctionValue(n);
  // ln(0.0005 H) stands for the borehole radius of the g-function: nearer
  // than that the field's response does not grow any more (and ln 0 is none).
  const double r0 = 0.0005 * H;
  const double L = std::log(r0);
  double S = 0.0;
  for (int i = 1; i <= std::min(Zaehler, kMaxSonden); ++i) {
    const double d = std::hypot(SondeX[i] - x_Stao, SondeY[i] - y_Stao);
    AbstandSondeStao = d;
    // A borehole at the site itself adds nothing, as on the colour map.
    if (!(d > 0.0)) continue;
    const double term = gN - std::log(std::max(d, r0)) + L;
    if (term > 0.0) S += term;
  }
  const double dT = S * q / 3.14 / 2.0 / lambdaErd;
  return std::isfinite(dT) ? dT : 0.0;
}

}  // namespace qeb
