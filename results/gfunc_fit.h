// The g-function of a borehole field as the windows evaluate it: the
// polynomial through five support values, the field's g after N years and the
// temperature change the whole field causes at one point. Plain routines on
// the shared state, no windows: the g-function window, the field editor and
// the site export call them, tests call them directly.
#pragma once

#include <vector>

namespace qeb {

// Scale of the g-function graph (and of the ground temperature profile).
extern double Zoomfaktor;
// Points of the g-function curve.
inline constexpr int kGfuncPunkte = 500;
// The curve's g values, index 0..kGfuncPunkte; in the response-test mode the
// measured temperatures from index 1, so it grows to hold every point.
extern std::vector<double> GfuncTabelle;
// Coefficients c0..c5 of the last fit, p(x) = c0 + c1 x + ... + c5 x^5.
extern double GfuncKoeff[6];
// Below this x = ln(t/ts) the asymptote replaces the polynomial.
extern double GfuncXMin;
// Distance from the site point to the last borehole summed (m).
extern double AbstandSondeStao;

double Max(double a, double b);
// p(x) of the last fit.
double GfuncPolynom(double x);
// The largest of GfuncTabelle[1..n]; -9999999999.0 when n < 1.
double TabellenMaximum(int n);

// Fits the polynomial through the five support values, corrected first for a
// spacing b that differs from the spacing bRef the values belong to. Sets
// GfuncKoeff and GfuncXMin; g4 and g5 receive the corrected values. Raises
// CalcError when the values cannot be fitted.
void FitGFunctionPolynomial(double bRef, double b, double g1, double g2, double g3, double& g4, double& g5);

// The long-term g value at x = ln(t/ts) from the last fit: the polynomial
// above GfuncXMin, the asymptote 0.5 x + 6.84 below it and where the
// polynomial dips under it early; x is capped at 2.5.
double GfuncLangzeit(double x);

// g of the field after n years (sets tsJahre). Raises CalcError for a ground
// whose characteristic time is not a positive number.
double GFunctionValue(int n);

// Temperature change (K) at the site point (x_Stao, y_Stao) after n years,
// superposing every borehole of the field with the mean specific load of the
// project's own boreholes. 0 for a probe length or conductivity <= 0, and
// never a non-finite number.
double FieldTemperatureResponse(int n);
// The same with the annual energy E (kWh) given, for callers that ask for
// many years of one project.
double FieldTemperatureResponse(int n, double E);

// The annual energy (kWh, extraction positive) of the loads of the project
// as it stands in the shared state: its hourly loads are generated now
// (command -6) and summed, so a run of another project, an import or a
// refused run never lends its energy. Raises CalcError when the module
// refuses the project.
double ProjektJahresenergie();
// The message shown when the project has no loads to spread.
inline constexpr const char* kKeineLasten = " Keine Lasten im Projekt  /  the project has no loads ";

}  // namespace qeb
