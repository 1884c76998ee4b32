// Collector-circuit heat exchanger (blend of parallel and counter flow) and
// the outdoor-air recooler.
#include <algorithm>
#include <cmath>

#include "calc/QEBMOD.h"

namespace qeb {

namespace {

constexpr double kKeinFluss = 99999999.0;  // transfer units of a side without flow
constexpr double kGrenzeN = 9000000.0;

}  // namespace

// Effectiveness of the colder (reference) stream for transfer units n and
// capacity ratio r = n / n_other, with `share` counter flow. Shared with the
// air exchangers of the ventilation plant.
double CounterflowShareEffectiveness(double n, double r, double share) {
  // exp of large negative arguments underflows to 0, which is the limit wanted.
  double ppar = (1.0 - std::exp(-(1.0 + r) / r * n)) * r / (1.0 + r);
  double pcf;
  if (r == 1.0) {
    pcf = n / (1.0 + n);
  } else {
    double e = std::exp(-(1.0 - 1.0 / r) * n);
    pcf = (1.0 - e) / (1.0 - e / r);
    // a huge positive exponent (r far below 1) gives inf / inf: the limit is r
    if (!std::isfinite(pcf)) pcf = r;
  }
  pcf = std::min(pcf, 1.0);
  return (1.0 - share) * ppar + share * pcf;
}

void HeatExchangerCounterflowShare(double ak, double share, double mass1, double cp1, double t1,
                                   double mass2, double cp2, double t2, double& t1Out,
                                   double& t2Out, double& q) {
  double n1 = (mass1 > 0 && cp1 > 0) ? ak / mass1 / cp1 : kKeinFluss;
  double n2 = (mass2 > 0 && cp2 > 0) ? ak / mass2 / cp2 : kKeinFluss;
  if (n1 >= kGrenzeN || n2 >= kGrenzeN || n1 <= 1.0 / kGrenzeN || n2 <= 1.0 / kGrenzeN ||
      !std::isfinite(n1) || !std::isfinite(n2)) {
    t1Out = t1;
    t2Out = t2;
    q = 0.0;
    return;
  }
  if (t1 < t2) {
    double r = n1 / n2, n = n1;
    double p = CounterflowShareEffectiveness(n, r, share);
    t1Out = t1 + (t2 - t1) * p;
    t2Out = t2 - (t2 - t1) * p / r;
  } else {
    double r = n2 / n1, n = n2;
    double p = CounterflowShareEffectiveness(n, r, share);
    t2Out = t2 + (t1 - t2) * p;
    t1Out = t1 - (t1 - t2) * p / r;
  }
  q = (mass1 * cp1 * (t1 - t1Out) / 1000.0 + mass2 * cp2 * (t2Out - t2) / 1000.0) / 2.0;
}

double RecoolerHour(double cpKollektor, double massKollektor, double einRueckkuehler,
                    double rueckkuehlLeistung, double ta, double t, double& qRecooler) {
  const double f = Koll_Verlustfakt ? 0.8 : 1.0;
  const bool flows = massKollektor > 0 && cpKollektor > 0;
  double dt = 0.0;
  bool heating = false;
  qRecooler = 0.0;
  if (ta - t > einRueckkuehler && flows && RueckkuehlerHeizen) {
    heating = true;
    dt = rueckkuehlLeistung * f * 1000.0 / 15.0 * (ta - t) / massKollektor / cpKollektor;
    if (t + dt > ta - 1.0) dt = ta - 1.0 - t;
    dt = std::clamp(dt, 0.0, 20.0);
    qRecooler = massKollektor * cpKollektor * dt / 1000.0;
  } else if (t - ta > einRueckkuehler && flows && !RueckkuehlerHeizen) {
    dt = rueckkuehlLeistung * f * 1000.0 / 15.0 * (t - ta) / massKollektor / cpKollektor;
    if (t - dt < ta + 1.0) dt = t - (ta + 1.0);
    dt = std::clamp(dt, 0.0, 20.0);
    qRecooler = -massKollektor * cpKollektor * dt / 1000.0;
  }
  if (!AnlageAktiv) {
    qRecooler = 0.0;
    return 0.0;
  }
  return heating ? dt : -dt;
}

}  // namespace qeb
