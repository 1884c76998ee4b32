// Ventilation plant coupled to the probes. Heat exchanger 1 joins the
// building's hydronic circuit to the probe brine (direct cooling), heat
// exchanger 2 the brine to a glycol circuit, heat exchanger 3 the glycol to
// the supply air. One hour is tried again and again with the probe time step
// until the source temperature settles.
#include "calc/WT.h"

#include <algorithm>
#include <cmath>

#include "calc/QEBMOD.h"

namespace qeb {

double QWRGSumme = 0.0;
double QKaeltemaschineSumme = 0.0;
int StundenUeberTZulSoll = 0;
int AktuellerSchritt = -1;

namespace {

constexpr double kKeinFluss = 99999999.0;
constexpr double kGrenzeN = 9000000.0;
constexpr double kMinFluss = 0.0001;  // kg/s

double TransferUnits(double ak, double flow, double cp) {
  return (flow > 0.0 && cp > 0.0) ? ak / flow / cp : kKeinFluss;
}

bool PassThrough(double n) { return !(n < kGrenzeN && n > 1.0 / kGrenzeN); }

void NoConvergence() {
  if (Rechenstatus != 1) Rechenstatus = 2;
}

}  // namespace

double DewPoint(double t, double phi) {
  double base = std::max(1.098 + t / 100.0, 0.0);
  double ps = 288.68 * std::pow(base, 8.02);
  double denom = 101300.0 - phi * ps;
  if (!(denom > 0.0)) return t;  // saturated beyond the model: the air is at its dew point
  double x = 622.0 * phi * ps / denom;
  double pd = 101300.0 * x / (622.0 + x);
  return 100.0 * (std::pow(std::max(pd / 288.68, 0.0), 0.12469) - 1.098);
}

void HeatExchangerNTU(double ta, double tb, double na, double nb, double phiA, double phiB,
                      double share, bool condA, bool condB, double& outA, double& outB) {
  if (PassThrough(na) || PassThrough(nb)) {
    outA = ta;
    outB = tb;
    return;
  }
  const double tdA = condA ? DewPoint(ta, phiA) : 0.0;
  const double tdB = condB ? DewPoint(tb, phiB) : 0.0;
  if (ta < tb) {
    double r = na / nb;
    double p = CounterflowShareEffectiveness(na, r, share);
    outA = ta + (tb - ta) * p;
    outB = tb - (tb - ta) * p / r;
  } else {
    double r = nb / na;
    double p = CounterflowShareEffectiveness(nb, r, share);
    outB = tb + (ta - tb) * p;
    outA = ta - (ta - tb) * p / r;
  }
  // condensing moisture releases heat: the stream stops halfway below its dew point
  if (condA && outA < tdA) outA = tdA - (tdA - outA) / 2.0;
  if (condB && outB < tdB) outB = tdB - (tdB - outB) / 2.0;
}

namespace {

// State of one hour of the ventilation plant.
struct Stunde {
  int h = 0;
  double ta = 0, phi = 0, trl = 0;
  double c = 0;  // air capacity rate, kW/K
  double d = 0;  // air-side demand less fan heat, kW
  double mwp = 0, qwp = 0, twp = 0;
  double tZul = 0;
  double brine1 = 0, brine2 = 0;
  bool hx1 = false;
};

// One try of the hour with the probe time step; the step code goes up by one.
void TimeStep() {
  Leistung = false;
  readfile = false;
  ++AktuellerSchritt;
  Simulate(AktuellerSchritt);
}

void HeatPumpOutlet(Stunde& s) {
  if (s.mwp >= kMinFluss && cpSole > 0.0) {
    s.twp = TSource - s.qwp * 1000.0 / cpSole / s.mwp;
    Massenstrom = s.mwp;
  } else {
    s.twp = TSource;
    Massenstrom = 0.0;
  }
}

// Mixes the brine streams that return to the probes; zero total flow leaves
// the brine at the source temperature.
double Mix(double m3run, double t3, double m4run, double t4, double mwp, double twp, double& total) {
  total = m3run + m4run + mwp;
  if (!(total > 0.0)) return TSource;
  return (m3run * t3 + m4run * t4 + mwp * twp) / total;
}

// Repeats the hour with the sink temperature that `setSink` gives from the
// current TSource, until TSource settles.
template <class F>
void RepeatUntilSettled(F setSink) {
  for (int pass = 1;; ++pass) {
    setSink();
    double told = TSource;
    TimeStep();
    if (std::fabs(told - TSource) < Genauigkeit) break;
    if (pass >= kMaxLueftungsDurchlaeufe) {
      NoConvergence();
      break;
    }
  }
}

}  // namespace

void CoupleAirHeatExchanger() {
  Stunde s;
  s.h = Schrittzaehler;
  if (s.h < 1 || s.h > kStunden) throw CalcError("Stunde ausserhalb des Jahres / hour outside the year");
  const int h = s.h;
  s.ta = Aussentemperatur[h];
  s.phi = Luftfeuchte[h] / 100.0;
  s.d = QMaxStunde[h] - SupplyAirFanHeat(h);
  s.mwp = DirektkuehlungWP ? MWPStunde[h] : 0.0;
  s.qwp = DirektkuehlungWP ? QWPStunde[h] : 0.0;
  const double cHeat = 1.2 * (Lueftungsprofil[h] * mZul) / 3600.0;
  const double cCool = 1.2 * (Lueftungsprofil[h] * mZul2) / 3600.0;
  s.c = s.ta <= TaMin ? cHeat : cCool;

  const double n1b = TransferUnits(Ak1, m1, cpSole);
  const double n1p = TransferUnits(Ak1, m3, cpSole);
  const double n2p = TransferUnits(Ak2, m4, cpSole);
  const double n2g = TransferUnits(Ak2, m2, cpGlykol);
  const double n3g = TransferUnits(Ak3, m2, cpGlykol);
  const double n3a = s.c > 0.0 ? Ak3 / s.c / 1000.0 : kKeinFluss;
  const double glycolRate = m2 * cpGlykol / 1000.0;  // kW/K

  s.trl = TRLStunde[h] == 0.0 ? TSource : TRLStunde[h];
  Massenstrom = m3 + m4 + s.mwp;
  AktuellerSchritt = -1;

  double mRun3 = 0.0, mRun4 = 0.0;  // flows of the brine streams through exchangers 1 and 2
  for (int outer = 1;; ++outer) {
    if (DirektkuehlungWP) HeatPumpOutlet(s);
    Vorlauf = (Jahr != LastYear);
    const double told = TSource;

    if (s.ta > TaMax && s.ta < TaMin) {
      // between heating and cooling limit: the air passes unconditioned
      s.tZul = s.ta;
      TSink = DirektkuehlungWP ? s.twp : TSource;
      TVLStunde[h] = s.trl;
      mRun3 = mRun4 = 0.0;
      s.brine1 = s.brine2 = TSource;
    } else {
      double gIn = -30.0, gOut = 30.0;
      for (int pass = 1;; ++pass) {
        double gOutNew = gOut, tZul = s.ta, gInNew = gIn;
        HeatExchangerNTU(gIn, s.ta, n3g, n3a, 0.0, s.phi, zz3, false, true, gOutNew, tZul);
        if (Frostschutz && s.ta <= TaMax && gOutNew <= 0.5) {
          gOutNew = 0.5;
          if (s.c > 0.0) tZul = s.ta + glycolRate * (gIn - gOutNew) / s.c;
        }
        if (s.ta > TaMin && tZul + DTVenti <= TKondens && tZul < s.ta) {
          tZul = std::min(TKondens - DTVenti, s.ta);
          if (glycolRate > 0.0) gOutNew = gIn - s.c * (tZul - s.ta) / glycolRate;
        }
        if (MaxQ && s.d < 0.0 && tZul > s.ta) {
          tZul = s.ta;
          gOutNew = gIn;
        }
        HeatExchangerNTU(gOutNew, TSource, n2g, n2p, 0.0, 0.0, zz2, false, false, gInNew, s.brine2);
        s.tZul = tZul;
        bool settled = std::fabs(gInNew - gIn) < Genauigkeit && std::fabs(gOutNew - gOut) < Genauigkeit;
        gIn = gInNew;
        gOut = gOutNew;
        if (settled) break;
        if (pass >= kMaxLueftungsDurchlaeufe) {
          NoConvergence();
          break;
        }
      }
      s.hx1 = m1 >= kMinFluss && m3 >= kMinFluss && s.ta >= TaMin;
      mRun4 = m4;
      mRun3 = 0.0;
      double total = 0.0;
      if (s.hx1) {
        double tvl = s.trl;
        HeatExchangerNTU(s.trl, TSource, n1b, n1p, 0.0, 0.0, zz1, false, false, tvl, s.brine1);
        if (tvl > s.trl) {
          // the ground is warmer than the building's return: bypass
          tvl = s.trl;
          s.brine1 = TSource;
        }
        TVLStunde[h] = tvl;
        mRun3 = m3;
      } else {
        s.brine1 = TSource;
        TVLStunde[h] = s.trl;
      }
      TSink = Mix(mRun3, s.brine1, mRun4, s.brine2, s.mwp, s.twp, total);
      Massenstrom = total;
    }
    TimeStep();
    if (std::fabs(told - TSource) < Genauigkeit) break;
    if (outer >= kMaxLueftungsDurchlaeufe) {
      NoConvergence();
      break;
    }
  }

  // heat the probes took from the plant without the heat pump's share, W
  const double p = (mRun3 * (s.brine1 - TSource) + mRun4 * (s.brine2 - TSource)) * cpSole;

  if (MaxQ) {
    const double d = s.d;
    auto demandFromBrine = [&](double flow) {
      // the ground delivers exactly the demand through the given brine flow
      if (DirektkuehlungWP) HeatPumpOutlet(s);
      double total = flow + s.mwp;
      if (total > 0.0 && cpSole > 0.0)
        TSink = TSource - (s.qwp * 1000.0 + d * 1000.0) / cpSole / total;
      else
        TSink = TSource;
      Massenstrom = total;
    };
    auto coilMeetsDemand = [&]() {
      TVLStunde[h] = s.trl;
      RepeatUntilSettled([&] {
        demandFromBrine(m4);
        s.tZul = s.c > 0.0 ? d / s.c + s.ta : s.ta;
      });
    };
    if (d >= 0.0 && p < 0.0 && !MaxQKuehl) {
      if (-p < d * 1000.0) coilMeetsDemand();
    } else if (d < 0.0 && p >= 0.0 && -d * 1000.0 < p) {
      if ((s.tZul - s.ta) * s.c <= d) {
        coilMeetsDemand();
      } else {
        RepeatUntilSettled([&] { demandFromBrine(m3 + m4); });
      }
    } else if ((d >= 0.0 && p >= 0.0) || (d < 0.0 && p < 0.0)) {
      // the coil would work against the demand: off for this hour
      RepeatUntilSettled([&] {
        s.tZul = s.ta;
        TVLStunde[h] = s.trl;
        if (DirektkuehlungWP) {
          HeatPumpOutlet(s);
          TSink = s.twp;
          QSource = s.qwp;
          Massenstrom = s.mwp;
        } else {
          TSink = TSource;
          QSource = 0.0;
          Massenstrom = 0.0;
        }
      });
    }
  }

  // fan heat and heat recovery
  s.tZul += DTVenti;
  const double etaWrg = std::min(EtaWRG, 1.0);
  if (s.tZul < TRaum) {
    double gain = (TRaum - s.tZul + DTVenti) * etaWrg;
    s.tZul += gain;
    if (!Vorlauf) QWRGSumme += gain * s.c;
  }

  // chiller for the cooling the ground could not carry
  if (!Vorlauf && MaxQ && s.d < 0.0) {
    const double d = s.d;
    const double km = Kaeltemaschine;
    const double qr = s.tZul > TZulSoll ? (s.tZul - TZulSoll) * s.c : 0.0;
    auto coolAirOnly = [&] {
      if (qr < km) {
        s.tZul = TZulSoll;
        QKaeltemaschineSumme -= qr;
      } else {
        if (s.c > 0.0) s.tZul -= km / s.c;
        QKaeltemaschineSumme -= km;
      }
    };
    if (d < -p / 1000.0) {
      if (qr < km) {
        if (qr > 0.0) {
          s.tZul = TZulSoll;
          if (p < 0.0) QKaeltemaschineSumme -= qr;
        }
        if (p > 0.0 && m1 > 0.0 && cpSole > 0.0) {
          double rest = -d - p / 1000.0 - qr;
          if (rest <= km) {
            TVLStunde[h] -= rest * 1000.0 / m1 / cpSole;
            QKaeltemaschineSumme += p / 1000.0 + d;
          } else {
            TVLStunde[h] -= (km - qr) * 1000.0 / m1 / cpSole;
            QKaeltemaschineSumme -= km;
          }
        }
      } else {
        if (s.c > 0.0) s.tZul -= km / s.c;
        QKaeltemaschineSumme -= km;
      }
    } else if (s.tZul > TZulSoll) {
      coolAirOnly();
    }
    if (s.tZul > TZulSoll) ++StundenUeberTZulSoll;
  }
  TZulStunde[h] = s.tZul;
}

}  // namespace qeb
