// Solar collectors and the solar hot-water store.
#include <algorithm>
#include <cmath>

#include "calc/QEBMOD.h"

namespace qeb {

bool mitRueckkuehler = false;
double KollektorFaktor = 1.0;
double KollVerlustAnteil = 0.1;
double UA_Solarregister = 0.0;

double MKollektorStunde[8761];
double QwwSolarStunde[8761];
double QSpeicherVerlustStunde[8761];

namespace {

// Yield in whole percent by tilt row (1 = 90°, 10 = 0°) and azimuth column
// (1 = +90°, 7 = south, 13 = -90°).
constexpr int kErtragTabelle[11][14] = {
    {},
    {0, 64, 70, 74, 77, 78, 78, 77, 75, 73, 70, 66, 61, 55},
    {0, 69, 75, 80, 83, 85, 85, 85, 83, 80, 76, 72, 67, 60},
    {0, 73, 80, 85, 89, 91, 92, 91, 90, 87, 83, 78, 71, 65},
    {0, 76, 83, 88, 93, 95, 95, 95, 95, 92, 87, 82, 75, 69},
    {0, 79, 85, 90, 95, 96, 97, 97, 96, 95, 90, 85, 79, 72},
    {0, 81, 86, 91, 95, 96, 99, 99, 97, 95, 92, 87, 81, 75},
    {0, 82, 86, 91, 95, 95, 97, 97, 96, 95, 91, 87, 82, 76},
    {0, 82, 85, 89, 91, 93, 94, 94, 93, 92, 89, 86, 82, 78},
    {0, 82, 84, 85, 87, 87, 89, 89, 88, 87, 85, 84, 83, 80},
    {0, 83, 83, 83, 83, 83, 83, 83, 83, 83, 83, 83, 83, 83},
};

constexpr double kCpWasser = 4200.0;  // J/(kg K), 1 kg per litre

void CheckHour(int hour) {
  if (hour < 1 || hour > kStunden) throw CalcError("Stunde ausserhalb des Jahres / hour outside the year");
}

int HourOfDay(int hour) { return hour - ((hour - 1) / 24) * 24; }

}  // namespace

double CollectorOrientationFactor(double tilt, double azimuth) {
  double f;
  if (!(tilt >= 0.0 && tilt <= 90.0) || !(azimuth >= -90.0 && azimuth <= 90.0)) {
    f = 0.0;
  } else if ((tilt == 45.0 && azimuth == 45.0) || std::fabs(tilt - 44.9) < 0.01) {
    f = 1.0;
  } else if (tilt < 2.0) {
    f = 83.0 / 91.0;
  } else {
    int r = 10 - RoundToInt(tilt / 10.0);
    int c = RoundToInt(-azimuth / 15.0) + 7;
    r = std::clamp(r, 1, 10);
    c = std::clamp(c, 1, 13);
    f = kErtragTabelle[r][c] / 100.0 / 0.91;
  }
  if (Koll_Verlustfakt) f *= 1.0 - KollVerlustAnteil;
  return f;
}

double SolarStoreHour(int hour, double& charge, double limit, double tCollector) {
  CheckHour(hour);
  TSpeicherStunde[0] = TKaltwasser;
  const double v = Solarspeicher;
  if (!(v > 0.0)) {
    // No store volume: nothing to heat, lose or draw.
    charge = 0.0;
    QSpeicherVerlustStunde[hour] = 0.0;
    QwwSolarStunde[hour] = 0.0;
    return TKaltwasser;
  }
  const double tk = TKaltwasser;
  const double tPrev = TSpeicherStunde[hour - 1];
  const double t1 = std::max(tPrev - (tPrev - tk) * Speicherverluste, tk);
  QSpeicherVerlustStunde[hour] =
      std::max((tPrev - tk) * Speicherverluste * kCpWasser / 1000.0 * v / 3600.0, 0.0);
  const double t2 = t1 - (tPrev - tk) * WWZapfStunde[HourOfDay(hour)] / v;
  const double k = 1000.0 * 3600.0 / kCpWasser / v;  // K per kW over one hour
  double t = std::max(charge * k + t2, tk);
  if (t > tCollector - DeltaT_WW) {
    t = std::max(tCollector - DeltaT_WW, tk);
    charge = (t - t2) / k;
    charge = std::max(0.0, std::min(limit, charge));
    t = charge * k + t2;
  }
  t = std::max(t, tk);
  QwwSolarStunde[hour] = charge;
  return t;
}

double SolarCollectorHour(bool unglazed, int hour, double inlet, double area, double eta0,
                          double coefA1, double coefB1, double coefB2, double coefBu,
                          double massKollektor, double cpKollektor, double& qKollektor,
                          double& massHour, double& qww) {
  CheckHour(hour);
  const double g = Globalstrahlung[hour] * KollektorFaktor * 1000.0 / 3.6;
  const double ta = Aussentemperatur[hour];
  UA_Solarregister = Ak_Fak_WWTauscher * WWTauscher;
  double charge = 0.0, limit = 0.0;
  double outlet = inlet;
  double q = 0.0;
  const double capacity = massKollektor * cpKollektor;

  if (g <= 10.0 || !(capacity > 0.0)) {
    // No usable sun, or no circulation in the collector loop (the plant step
    // reports a collector flow that is too small).
    massHour = 0.0;
    QwwSolarStunde[hour] = 0.0;
  } else {
    double eta = 0.0;
    int pass = 0;
    double change = 0.0;
    do {
      ++pass;
      const double tm = (inlet + outlet) / 2.0;
      const double x = std::max((tm - ta) / g, 0.0);
      if (unglazed)
        eta = eta0 * (1.0 - coefBu * u) - (coefB1 + coefB2 * u) * x;
      else
        eta = eta0 - coefA1 * x - a2 * g * x * x;
      q = area * eta * g;
      outlet = std::min(q / capacity + inlet, 250.0);
      change = std::fabs((inlet + outlet) / 2.0 - tm);
    } while (change >= 0.02 && pass < 51);
    if (eta > eta0 || eta < 0.0 || pass > 50 || q < 0.0) {
      outlet = inlet;
      q = 0.0;
    }
    massHour = massKollektor;

    if (WWsolar) {
      const double tPrev = TSpeicherStunde[hour - 1];
      const double draw = WWZapfStunde[HourOfDay(hour)];
      double dt = 0.0;
      if (outlet > tPrev + DeltaT_WW)
        dt = outlet - tPrev;
      else if (outlet > TKaltwasser + DeltaT_WW)
        dt = draw < Solarspeicher ? (outlet - TKaltwasser) * draw / Solarspeicher : outlet - TKaltwasser;
      charge = std::min(std::max(0.0, q / 1000.0), std::max(0.0, dt * UA_Solarregister / 1000.0));
      limit = std::max(0.0, q / 1000.0);
      QwwSolarStunde[hour] = charge;
    } else {
      QwwSolarStunde[hour] = 0.0;
    }
  }

  if (q < 0.0) {
    outlet = inlet;
    q = 0.0;
    massHour = 0.0;
    charge = 0.0;
  }
  qKollektor = q / 1000.0;
  outlet = std::min(outlet, 250.0);

  TSpeicherStunde[hour] = SolarStoreHour(hour, charge, limit, outlet);
  if (QwwSolarStunde[hour] > 0.0 && capacity > 0.0)
    outlet -= QwwSolarStunde[hour] * 1000.0 / cpKollektor / massKollektor;
  qww = charge;

  double result = outlet;
  if (!AnlageAktiv) {
    qKollektor = 0.0;
    massHour = 0.0;
    qww = 0.0;
    result = inlet;
  }
  MKollektorStunde[hour] = massHour;
  TKollektorAus = result;
  return result;
}

}  // namespace qeb
