// Small computations that the windows and the simulation share: extraction per
// metre of probe, the supply-air fan heat of one hour, the heat-pump
// characteristic and the pressure drop of the probe circuit. None keeps state.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/QEBMOD.h"

namespace qeb {

double SpecificExtractionEnergy() {
  double e = 0.0;
  // Heat put into the ground while cooling counts against the extraction.
  if (EER_Kuehllast > 0.0) e = -(Jahreskuehllast + Kuehlbandlast) / EER_Kuehllast * (EER_Kuehllast + 1.0);
  // A split field alternates: each half carries half the cooling, and the
  // free cooling of the other half goes into the ground as well.
  if (Aufteilung) e = e / 2.0 - JahresFreecooling / 2.0;
  if (COP_Heizlast > 1.0) e += (Jahresheizlast + Heizbandlast) / COP_Heizlast * (COP_Heizlast - 1.0);
  if (COP_WW > 1.0) e += HeizlastWW / COP_WW * (COP_WW - 1.0);
  const double metres = static_cast<double>(AnzahlSonden) * Sondenlaenge;
  return metres > 0.0 ? e / metres : 0.0;
}

double SpecificExtractionPower() {
  const double denom = static_cast<double>(AnzahlSonden) * Sondenlaenge * COP_Volllast;
  if (!(denom > 0.0)) return 0.0;
  const double p = Heizleistung_Vollast * 1000.0 / denom * (COP_Volllast - 1.0);
  return p < 0.0 ? 0.0 : p;
}

double SupplyAirFanHeat(int hour) {
  // Hours outside the series carry no fan heat rather than reading past it.
  if (hour < 0 || hour > kStunden) return 0.0;
  if (!LFahrplan || !(QMaxStunde[hour] < 0.0)) return 0.0;
  const double v = Aussentemperatur[hour] > TaMin ? mZul2 : mZul;
  // 1.2 kg/m3 air at 1000 J/kgK; m3/h to m3/s; W to kW.
  return DTVenti * 1000.0 * v * Lueftungsprofil[hour] * 1.2 / 3600.0 / 1000.0;
}

double HeatPumpCharacteristic(double t, double c1, double c2, double c3, double c4, double c5) {
  if (c1 == 0.0 && c2 == 0.0 && c3 == 0.0 && c4 == 0.0 && c5 == 0.0) return 1e9;
  // Only the upper points given: extend their slope downwards.
  if (c1 == 0.0 && c3 == 0.0) {
    const double s = (c5 - c4) / 5.0;
    c3 = c4 - 5.0 * s;
    if (c2 == 0.0) c2 = c4 - 10.0 * s;
    c1 = c4 - 15.0 * s;
  }
  // Only the lower points given: continue with the flatter of their slopes.
  if (c4 == 0.0 && c5 == 0.0) {
    const double s = std::min((c3 - c2) / 5.0, (c2 - c1) / 5.0);
    c4 = c3 + 5.0 * s;
    c5 = c3 + 10.0 * s;
  }
  const double k1 = (c2 - c1) / 5.0;
  const double k2 = (c3 - c2) / 5.0;
  const double k3 = (c4 - c3) / 5.0;
  const double k4 = (c5 - c4) / 5.0;
  const double kmax = std::max({k1, k2, k3, k4});
  double v;
  if (t >= 15.0)
    v = c5;
  else if (t >= 10.0)
    v = c4 + (t - 10.0) * k4;
  else if (t >= 5.0)
    v = c3 + (t - 5.0) * k3;
  else if (t >= 0.0)
    v = c2 + t * k2;
  else if (t >= -5.0)
    v = c1 + (t + 5.0) * k1;
  else
    v = c1 + (t + 5.0) * kmax;
  return v < 1.0 ? 1.0 : v;
}

namespace {

// Darcy friction factor: laminar below 2300, a smooth-pipe fit above.
double FrictionFactor(double re, bool* laminar) {
  if (re <= 0.0) return 0.0;
  if (re < 2300.0) {
    if (laminar != nullptr) *laminar = true;
    return 64.0 / re;
  }
  const double d = 1.82 * std::log10(re) - 1.64;
  return 1.0 / (d * d);
}

double CircleArea(double diameter) { return std::numbers::pi * (diameter / 2.0) * (diameter / 2.0); }

}  // namespace

double ComputeCircuitPressureDrop(bool& laminarFlow, double sondendurchmesser, double dickeSondenrohr,
                                  double dickeInnenrohr, double massFlowPipes, double massFlowComponents,
                                  double rho, double nue, double sondenverlaengerung, double durchmesserAnschluss,
                                  double laengeAnschluss, int anzahlParallel, int anzahlBogen90, int anzahlSonden,
                                  double nenndruckVerdampfer, double nenndurchsatzVerdampfer,
                                  double nenndruckVerteiler, double nenndurchsatzVerteiler,
                                  double nenndruckMessung, double nenndurchsatzMessung, double nenndruckVentil,
                                  double nenndurchsatzVentil, double& extension, double& total, double& pipes,
                                  double& reProbe, double& reInner, double probeLength) {
  laminarFlow = false;
  extension = 0.0;
  total = 0.0;
  pipes = 0.0;
  reProbe = 0.0;
  reInner = 0.0;
  const double m = massFlowPipes;
  // A fluid without density or viscosity has no defined flow: report nothing
  // rather than dividing by zero.
  if (!(rho > 0.0) || !(nue > 0.0)) return 0.0;

  const double d = sondendurchmesser - 2.0 * dickeSondenrohr;
  double dh = 0.0, v = 0.0, re = 0.0;
  double di = 0.0, vi = 0.0;
  if (!KoaxialSonde) {
    dh = d;
    if (dh > 0.0) {
      v = (m / 2.0) / (CircleArea(dh) * rho) * inSerie;
      if (einfachU) v *= 2.0;
      re = v * dh / nue;
    }
  } else {
    const double a2 = d * d - Innenrohrdurchmesser * Innenrohrdurchmesser;
    dh = a2 > 0.0 ? std::sqrt(a2) : 0.0;
    if (dh > 0.0) {
      v = m / (CircleArea(dh) * rho) * inSerie;
      re = v * dh / nue;
      if (Geocoax) re = std::max(re * 5.0, 2300.0);
    }
    di = Innenrohrdurchmesser - 2.0 * dickeInnenrohr;
    if (di > 0.0) {
      vi = m / (CircleArea(di) * rho) * inSerie;
      reInner = Koaxialrohr2 ? 0.0 : vi * di / nue;
    }
  }
  reProbe = re;

  double fp = FrictionFactor(re, &laminarFlow);
  if (Wellrohr1 && re >= 2300.0) fp = 0.0692;
  const double fi = KoaxialSonde ? FrictionFactor(reInner, nullptr) : 0.0;

  double dp = 0.0;
  if (dh > 0.0) {
    if (!KoaxialSonde) {
      dp = v * v * probeLength * fp / dh * rho;
    } else {
      const double vo = Geocoax ? 5.0 * v : v;
      dp = vo * vo * probeLength * fp / dh * rho / 2.0;
      if (di > 0.0 && (Geocoax || !Koaxialrohr2)) dp += vi * vi * probeLength * fi / di * rho / 2.0;
    }
  }
  const double result = (dp + 4.0 * rho / 2.0 * v * v) * inSerie;

  if (sondenverlaengerung > 2.0 && dh > 0.0) extension = v * v * sondenverlaengerung * fp / dh * rho;

  double connection = 0.0, bends = 0.0;
  const double dA = durchmesserAnschluss;
  if (dA > 0.0 && anzahlParallel > 0) {
    const double vA = m / (CircleArea(dA) * rho) * anzahlSonden / anzahlParallel;
    const double reA = vA * dA / nue;
    const double fA = FrictionFactor(reA, nullptr);
    connection = vA * vA * 2.0 * laengeAnschluss * fA / dA * rho / 2.0;
    bends = anzahlBogen90 * 2.0 * rho / 2.0 * vA * vA;
  }
  pipes = extension + connection + bends;

  const double flow = anzahlSonden * massFlowComponents;
  auto component = [flow](double nominalDrop, double nominalFlow) {
    const double nf = nominalFlow == 0.0 ? 1000.0 : nominalFlow;
    return flow * flow * nominalDrop / (nf * nf);
  };
  total = result + pipes + component(nenndruckVerdampfer, nenndurchsatzVerdampfer) +
          component(nenndruckVerteiler, nenndurchsatzVerteiler) + component(nenndruckMessung, nenndurchsatzMessung) +
          component(nenndruckVentil, nenndurchsatzVentil);
  return result;
}

double CircuitPressureDropAt(double massFlowPerProbe, double probeLength, bool* laminarFlow, double* total) {
  bool lam = false;
  double ext = 0.0, tot = 0.0, pip = 0.0, re = 0.0, rei = 0.0;
  const double r = ComputeCircuitPressureDrop(
      lam, Sondendurchmesser, Dicke_Sondenrohr, Dicke_Innenrohr, massFlowPerProbe, massFlowPerProbe, rhoSole,
      nueSole, Sondenverlaengerung, DurchmesserAnschluss, LaengeAnschluss, AnzahlParallel, AnzahlBogen90,
      AnzahlSonden, NenndruckVerdampfer, NenndurchsatzVerdampfer, NenndruckVerteiler, NenndurchsatzVerteiler,
      NenndruckMessung, NenndurchsatzMessung, NenndruckVentil, NenndurchsatzVentil, ext, tot, pip, re, rei,
      probeLength);
  if (laminarFlow != nullptr) *laminarFlow = lam;
  if (total != nullptr) *total = tot;
  return r;
}

}  // namespace qeb
