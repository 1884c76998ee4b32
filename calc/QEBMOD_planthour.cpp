// The hourly plant step: collectors and outdoor-air recooler coupled to the
// brine through the collector-circuit heat exchanger.
#include <algorithm>
#include <cmath>

#include "calc/QEBMOD.h"

namespace qeb {

double TSinkWP = 0.0;
double TSinkEintritt = 0.0;
double TKollektorEin = 0.0;
double TKollektorAus = 0.0;
double TKollektorAusAlt = 0.0;
double QKollektor = 0.0;
double QwwSolar = 0.0;
double QTauscher = 0.0;
double QRueckkuehler = 0.0;
double MSoleTauscher = 0.0;
double TSinkNachTauscher = 0.0;

double TVLStunde[8761];
double TZulStunde[8761];
double QKollektorStunde[8761];
double QRueckkuehlStunde[8761];

namespace {

constexpr int kMaxDurchlaeufe = 201;       // passes of the collector branches
constexpr int kMaxRueckkuehlZaehler = 101;  // counter limit of the recooler loop
constexpr double kBilanzToleranz = 0.02;   // kW
constexpr double kKeinUmlauf = 0.001;      // kg/s: brine flow at or below this is none

bool BrineFlows() { return Massenstrom > kKeinUmlauf && cpSole > 0.0; }

double SinkAfterHeatPump() {
  if (!BrineFlows()) return TSource;
  return TSource - QSourceSoll * 1000.0 / Massenstrom / cpSole;
}

double SourceFromSink() { return (TSource - TSink) * Massenstrom * cpSole / 1000.0; }

double Bilanz() { return std::fabs(QKollektor + QRueckkuehler - QwwSolar - QTauscher); }

double CollectorHour(int h, double inlet) {
  double massHour = 0.0;
  return SolarCollectorHour(unverglast, h, inlet, Kollektor, Eta0, a1, b_1, b_2, b_u, mKollektor,
                            cp_Kollektor, QKollektor, massHour, QwwSolar);
}

// The collector-circuit exchanger: the collector or recooler circuit enters at
// TKollektorAus and returns at TKollektorEin; the brine enters at TSinkWP.
// Without circulation the full (zero) flow passes and TSink is its outlet;
// otherwise the brine is split so that the exchanger sees no more capacity on
// its brine side than the collector side offers, and the bypass is mixed back.
void ExchangerStep(double massCollector, double ak) {
  if (!BrineFlows()) {
    HeatExchangerCounterflowShare(ak, zzKollektor, massCollector, cp_Kollektor, TKollektorAus,
                                  Massenstrom, cpSole, TSinkWP, TKollektorEin, TSink, QTauscher);
    return;
  }
  MSoleTauscher = Massenstrom;
  if (massCollector * cp_Kollektor < Massenstrom * cpSole)
    MSoleTauscher = massCollector * cp_Kollektor / cpSole;
  double brineOut = TSinkWP;
  HeatExchangerCounterflowShare(ak, zzKollektor, massCollector, cp_Kollektor, TKollektorAus,
                                MSoleTauscher, cpSole, TSinkWP, TKollektorEin, brineOut, QTauscher);
  TSink = QTauscher * 1000.0 / Massenstrom / cpSole + TSinkWP;
}

// Collectors feeding only the hot-water store, no exchanger to the brine.
void DirectCollectors(int h) {
  QTauscher = 0.0;
  QRueckkuehler = 0.0;
  for (int pass = 1; pass <= kMaxDurchlaeufe; ++pass) {
    if (pass == 2) TKollektorAusAlt = TKollektorAus;
    // one pass starts hot to leave a stuck loop
    TKollektorEin = pass == 30 ? TKollektorAusAlt + 20.0 : TKollektorAus;
    TKollektorAus = CollectorHour(h, TKollektorEin);
    QSource = SourceFromSink();
    if (pass >= 3 && Bilanz() < kBilanzToleranz) break;
  }
}

void CollectorsWithExchanger(int h) {
  double ak = Ak_Kollektor;
  // the collector flow of this hour as the previous year (or pre-run) left it
  const double massCollector = mitRueckkuehler ? mKollektor : MKollektorStunde[h];
  bool frozen = false;
  int last = 0;  // pass at which the loop ended
  for (int pass = 1; pass <= kMaxDurchlaeufe; ++pass) {
    last = pass;
    if (mitRueckkuehler && !frozen) {
      double dt = RecoolerHour(cp_Kollektor, mKollektor, Ein_Rueckkuehler, RueckkuehlLeistung,
                               Aussentemperatur[h], TKollektorEin, QRueckkuehler);
      if (pass > 10 && dt == 0.0) frozen = true;
      if (!frozen) TKollektorEin += dt;
    }
    TKollektorAusAlt = TKollektorAus;
    TKollektorAus = CollectorHour(h, TKollektorEin);
    TSinkWP = SinkAfterHeatPump();
    ExchangerStep(massCollector, ak);
    if (TSink > MaxSondenruecklauf) ak *= 0.85;
    if (WWPrio && WWsolar && TKollektorEin < 55.0) ak *= 0.85;
    if (pass >= 3 && Bilanz() < kBilanzToleranz) break;
  }
  TVLStunde[h] = TKollektorAus;
  TZulStunde[h] = TKollektorEin;
  if (last >= kMaxDurchlaeufe) {
    // not settled: the circuit starts the next hour from the brine again
    TKollektorEin = TSinkWP;
    TKollektorAus = TSinkWP;
  }
  TSinkNachTauscher = TSink;
  if (TSink > MaxSondenruecklauf) TSink = MaxSondenruecklauf;
  QSource = SourceFromSink();
}

void NoSun(int h, bool demand) {
  QKollektor = 0.0;
  const double ta = Aussentemperatur[h];
  if (!mitRueckkuehler) {
    // nothing of the plant reaches the brine in this hour
    QTauscher = 0.0;
    QRueckkuehler = 0.0;
    TSink = TSinkWP;
    QSource = SourceFromSink();
  } else if (ta < Ta_nurQEBbetrieb) {
    QTauscher = 0.0;
  } else {
    if (TSinkWP > 0.0) {
      int counter = 0;
      bool frozen = false;
      for (;;) {
        TKollektorAusAlt = TKollektorAus;
        double dt = 0.0;
        if (!frozen)
          dt = RecoolerHour(cp_Kollektor, mKollektor, Ein_Rueckkuehler, RueckkuehlLeistung, ta,
                            TKollektorEin, QRueckkuehler);
        counter += dt > 0.0 ? 2 : 1;
        if (counter > 10 && dt == 0.0) frozen = true;
        if (!frozen) TKollektorEin += dt;
        TKollektorAus = TKollektorEin;
        ExchangerStep(mKollektor, Ak_Kollektor);
        if (std::fabs(TKollektorAusAlt - TKollektorAus) < 0.02 && counter >= 4) break;
        if (counter >= kMaxRueckkuehlZaehler) break;
      }
    }
    TSink = std::min(TSink, MaxSondenruecklauf);
    QSource = SourceFromSink();
    if (RueckkuehlerHeizen && ta >= Ta_nurLuftbetrieb && demand) QSource = 0.0;
  }
  double charge = 0.0;
  TSpeicherStunde[h] = SolarStoreHour(h, charge, 0.0, TKollektorAus);
  TVLStunde[h] = ta;
  TZulStunde[h] = ta;
  QRueckkuehlStunde[h] = QTauscher;
}

}  // namespace

void PlantHour() {
  if (!solar && !mitRueckkuehler) return;
  const int h = Schrittzaehler;
  if (h < 1 || h > kStunden) return;

  TVLStunde[h] = 0.0;
  TZulStunde[h] = 0.0;
  TSinkEintritt = TSink;
  TSinkWP = SinkAfterHeatPump();
  const bool demand = Massenstrom <= kKeinUmlauf || std::fabs(QSource) >= 0.001;
  TKollektorEin = TSinkWP;
  TKollektorAus = TSinkWP;

  bool sun = solar && Massenstrom > kKeinUmlauf && Globalstrahlung[h] * 1000.0 / 3.6 > 10.0;
  if (solar && !(mKollektor > kMinKollektorFluss && cp_Kollektor > 0.0)) {
    // The collectors cannot be simulated without circulation; the run driver
    // asks the user once whether to go on without them.
    if (Rechenstatus != 1) Rechenstatus = 4;
    sun = false;
  }

  if (sun) {
    if (Ak_Kollektor <= 0.1 && !mitRueckkuehler)
      DirectCollectors(h);
    else
      CollectorsWithExchanger(h);
    TVLStunde[h] = TKollektorAus;
    TZulStunde[h] = TKollektorEin;
  } else {
    NoSun(h, demand);
  }

  const double t0 = TSink;
  if (TSink > MaxSondenruecklauf) TSink = MaxSondenruecklauf;
  if (TSink < TSinkEintritt) TSink = TSinkEintritt;
  QKollektorStunde[h] = QKollektor - (t0 - TSink) * Massenstrom * cpSole / 1000.0;
}

void PlantRunStart() {
  for (int h = 0; h <= kStunden; ++h) {
    MKollektorStunde[h] = 0.0;
    QwwSolarStunde[h] = 0.0;
    QSpeicherVerlustStunde[h] = 0.0;
    QKollektorStunde[h] = 0.0;
    QRueckkuehlStunde[h] = 0.0;
  }
  QRueckkuehler = 0.0;
  QTauscher = 0.0;
  QKollektor = 0.0;
  QwwSolar = 0.0;
  MSoleTauscher = 0.0;
}

}  // namespace qeb
