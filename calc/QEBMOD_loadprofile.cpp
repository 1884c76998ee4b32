// Command -6: an hourly load file generated from the monthly load description,
// written in the project-file layout and read back into the heat-pump series.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calc/QEBMOD.h"

namespace qeb {

double QWPStunde[8761];
double MWPStunde[8761];
double Freecoolanteil[13];
double Heizgradtage[366];
double MonatsHeizgradtage[13];
double QGradtagStunde[8761];
double Jahresbetriebsstunden = 0.0;
int Entzugsstunden = 0;
double MaxEinspeiseleistung = 0.0;
double MaxEntzugsleistung = 0.0;
double QSondeKuehlung = 0.0;
double QSondeTeillast = 0.0;
double QSondeVollast = 0.0;
double MaxHeizleistung = 0.0;
double MaxKuehlleistung = 0.0;
double JahresheizlastTotal = 0.0;
double JahreskuehllastTotal = 0.0;

namespace {

constexpr double kSonnig = 10.0;  // W/m²: an hour counts as sunny above this

// Ground side of a heat pump's heating power: what its COP leaves. A COP of 0
// has no meaningful limit; the term is dropped.
double Verdampferanteil(double cop) { return cop != 0.0 ? (cop - 1.0) / cop : 0.0; }
// Ground side of a chiller's cooling power, including its compressor work.
double Kondensatoranteil(double eer) { return eer != 0.0 ? (eer + 1.0) / eer : 0.0; }

// Brine flow that carries `q` kW across the evaporator spread.
double FlowFor(double q) {
  if (q == 0.0 || cpSole == 0.0 || DeltaVerdampfer == 0.0) return 0.0;
  return std::fabs(q / cpSole / DeltaVerdampfer * 1000.0);
}

bool Sunny(int h) { return Globalstrahlung[h] * 1000.0 / 3.6 > kSonnig; }

int HourIndex(int month, int day, int hourOfDay) {
  return FirstHourOfMonth(month) - 1 + (day - 1) * 24 + hourOfDay;
}

// Full-load days of February: 28 would leave no other February day to divide by.
int FullLoadDays() { return std::clamp(TageVollast, 0, 27); }

std::string RealField(double x) { return FormatFixed(x, 0, 3); }

void Row(LineWriter& f, int step, const std::string& mass, double tSink, const std::string& power) {
  f.WriteLine(FormatInt(step) + "\t" + mass + "\t" + RealField(tSink) + "\t" + power);
}

}  // namespace

void ComputeHeatingDegreeDays() {
  int k = 0;
  // Clamped while still a real: a tiny power makes the quotient too big for an int.
  if (Heizleistung_WW > 0.0) {
    const double hours = std::ceil(HeizlastWW / Heizleistung_WW / 365.0);
    k = std::isnan(hours) ? 0 : static_cast<int>(std::clamp(hours, 0.0, 24.0));
  }
  for (int d = 1; d <= 365; ++d) {
    double sum = 0.0;
    for (int i = 1; i <= 24; ++i) sum += Aussentemperatur[(d - 1) * 24 + i];
    double tm = sum / 24.0;
    Heizgradtage[d] = tm < 14.0 ? 20.0 - tm : 0.0;
  }
  // the building reacts a day late: day 1 takes the last day of the year
  Heizgradtage[0] = Heizgradtage[365];
  for (int d = 365; d >= 1; --d) Heizgradtage[d] = Heizgradtage[d - 1];
  int day = 0;
  for (int m = 1; m <= 12; ++m) {
    double f = 0.0;
    MonatsHeizgradtage[m] = 0.0;
    for (int d = 1; d <= DaysOfMonth(m); ++d) MonatsHeizgradtage[m] += Heizgradtage[day + d];
    if (MonatsHeizgradtage[m] > 0.0 && k < 24) f = Heizlast[m] / MonatsHeizgradtage[m] / (24 - k);
    for (int d = 1; d <= DaysOfMonth(m); ++d) {
      for (int i = 1; i <= 24; ++i) {
        QGradtagStunde[HourIndex(m, d, i)] =
            i <= 24 - k ? Verdampferanteil(COP_Heizlast) * f * Heizgradtage[day + d] : 0.0;
      }
    }
    day += DaysOfMonth(m);
  }
}

void BuildHourlyLoadProfile() {
  const double pk = Heizleistung_Teillast > 1.1 * Heizleistung_Vollast ? Heizleistung_Teillast / 1.1
                                                                        : Heizleistung_Vollast;
  const double split = Aufteilung ? 2.0 : 1.0;
  const double kuehlleistung = Kuehlleistung * split;
  const double freecoolleistung = Freecoolleistung * split;
  if (Reserve7) ComputeHeatingDegreeDays();
  const int tv = FullLoadDays();
  const int tvk = std::clamp(TageVollastKuehlung, 0, DaysOfMonth(8));
  const double freecoollast = JahresFreecooling;

  for (int m = 1; m <= 12; ++m) {
    double hb = Heizbandlast / 365.0 * DaysOfMonth(m);
    double kb = Kuehlbandlast / 365.0 * DaysOfMonth(m);
    Heizanteil[m] = Jahresheizlast > 0.0 ? (Heizlast[m] - hb) / Jahresheizlast : 0.0;
    Kuehlanteil[m] = Jahreskuehllast > 0.0 ? (Kuehllast[m] - kb) / Jahreskuehllast : 0.0;
    Freecoolanteil[m] = freecoollast > 0.0 ? Freecool[m] / freecoollast : 0.0;
  }

  // hot water
  double hw = Heizleistung_WW != 0.0 ? HeizlastWW / Heizleistung_WW : 0.0;
  if (std::isnan(hw)) hw = 0.0;
  int w = static_cast<int>(std::trunc(std::clamp(hw / 365.0, 0.0, 24.0)));
  int e = 0;
  // The rest is below 365 hours whenever w < 24.
  if (w < 24 && hw - 365.0 * w >= 0.0001) e = static_cast<int>(std::trunc(std::min(hw - 365.0 * w, 365.0)));

  // part load
  const double hp = Heizleistung_Teillast != 0.0
                        ? (Jahresheizlast - tv * Heizleistung_Vollast) / Heizleistung_Teillast
                        : 0.0;

  // base loads spread over the hours that nothing else claims
  const double restHours = 8760.0 - hw - hp;
  const double b =
      restHours > 0.0 ? Verdampferanteil(COP_Heizlast) * Heizbandlast / restHours : 0.0;
  const double c = Kondensatoranteil(EER_Kuehllast) * Kuehlbandlast / 8760.0;
  for (int h = 0; h <= kStunden; ++h) {
    QStunde[h] = h == 0 ? 0.0 : b - c;
    MassenstromStunde2[h] = 0.0;
  }

  const double qww = Verdampferanteil(COP_WW) * Heizleistung_WW - c;
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= DaysOfMonth(m); ++d) {
      for (int i = 24 - w + 1; i <= 24; ++i) QStunde[HourIndex(m, d, i)] = qww;
      if (e > 0 && d <= e / 12 && 24 - w >= 1) QStunde[HourIndex(m, d, 24 - w)] = qww;
    }
  }

  // heating
  const double t = Heizleistung_Teillast != 0.0 ? tv * Heizleistung_Vollast / Heizleistung_Teillast
                                               : static_cast<double>(tv);
  for (int m = 1; m <= 12; ++m) {
    const int days = DaysOfMonth(m);
    double nRaw, energy;
    if (m == 2) {
      nRaw = (Heizanteil[2] * hp - 24.0 * t) / (days - tv);
      energy = (Heizanteil[2] * Jahresheizlast - 24.0 * t * Heizleistung_Teillast) / (days - tv);
    } else {
      nRaw = Heizanteil[m] * hp / days;
      energy = Heizanteil[m] * Jahresheizlast / days;
    }
    int n = std::min(RoundToInt(std::clamp(nRaw, -1.0, 48.0)), 24);
    double pm = n >= 1 ? std::min(energy / n, 1.1 * pk) : 0.0;
    for (int d = 1; d <= days; ++d) {
      double p = Verdampferanteil(COP_Heizlast) * pm - c;
      if (m == 3 && d == 1) p = Verdampferanteil(COP_Heizlast) * Heizleistung_Teillast - c;
      for (int i = 1; i <= n; ++i) QStunde[HourIndex(m, d, i)] = p;
    }
  }

  if (Reserve7) {
    for (int h = 1; h <= kStunden; ++h)
      if (QGradtagStunde[h] > 0.0) QStunde[h] = QGradtagStunde[h];
  }

  for (int h = 0; h <= kStunden; ++h) QStundeFeld1[h] = QStunde[h];

  // cooling
  if (Kuehlleistung != 0.0) {
    for (int m = 1; m <= 12; ++m) {
      const int days = DaysOfMonth(m);
      const double cooling = Kuehlanteil[m] * Jahreskuehllast * split / days;
      int n = std::min(RoundToInt(std::clamp(cooling / kuehlleistung, -1.0, 48.0)), 24);
      double pc = n >= 1 ? std::min(cooling / n, 1.15 * kuehlleistung) : 0.0;
      int nf = 0;
      double pf = 0.0;
      if (Aufteilung && freecoolleistung != 0.0) {
        const double free = Freecoolanteil[m] * freecoollast * split / days;
        nf = std::min(RoundToInt(std::clamp(free / freecoolleistung, -1.0, 48.0)), 24);
        pf = nf >= 1 ? std::min(free / nf, 1.15 * freecoolleistung) : 0.0;
      }
      for (int d = 1; d <= days; ++d) {
        for (int i = 1; i <= n; ++i) QStunde[HourIndex(m, d, i)] -= Kondensatoranteil(EER_Kuehllast) * pc;
        for (int i = 1; i <= nf; ++i) QStundeFeld1[HourIndex(m, d, i)] -= pf;
      }
    }
  }

  // full-load days at the end of February and of August
  const double qVoll = Verdampferanteil(COP_Volllast) * Heizleistung_Vollast - c;
  for (int h = FirstHourOfMonth(3) - tv * 24; h <= FirstHourOfMonth(3) - 1; ++h) {
    QStunde[h] = qVoll;
    QStundeFeld1[h] = qVoll;
  }
  const double qKuehlVoll = -Kondensatoranteil(EER_Vollast) * KuehlleistungVollast * split;
  for (int h = FirstHourOfMonth(9) - tvk * 24; h <= FirstHourOfMonth(9) - 1; ++h) QStunde[h] = qKuehlVoll;

  // flows
  double plantFlow = Auslegungsmassenstrom;
  if (mKollektor < plantFlow && mKollektor > 0.001) plantFlow = mKollektor;
  auto flowOf = [](double q) {
    double f = FlowFor(q);
    if (q < 0.0 && mKuehl > 0.0001) f = std::max(f, mKuehl);
    return f;
  };
  for (int h = 1; h <= kStunden; ++h) {
    QWPStunde[h] = QStunde[h];
    QStundeFeld2[h] = QStunde[h];
    MassenstromStunde2[h] = flowOf(QStunde[h]);
    MWPStunde[h] = MassenstromStunde2[h];
    MassenstromFeld1[h] = flowOf(QStundeFeld1[h]);
    if ((solar && Sunny(h)) || mitRueckkuehler) {
      if (MassenstromStunde2[h] < 0.001) MassenstromStunde2[h] = plantFlow;
      if (MassenstromFeld1[h] < 0.001) MassenstromFeld1[h] = plantFlow;
    }
  }

  // results
  Entzugsstunden = 0;
  MaxEinspeiseleistung = 0.0;
  MaxEntzugsleistung = 0.0;
  for (int h = 1; h <= kStunden; ++h) {
    if (QStunde[h] > 0.0) ++Entzugsstunden;
    MaxEinspeiseleistung = std::min(MaxEinspeiseleistung, QStunde[h]);
    MaxEntzugsleistung = std::max(MaxEntzugsleistung, QStunde[h]);
  }
  QSondeKuehlung = EER_Kuehllast != 0.0 ? -Kuehlleistung * Kondensatoranteil(EER_Kuehllast) : 0.0;
  QSondeTeillast = (COP_Heizlast != 0.0 && COP_Heizlast != 1.0)
                       ? Heizleistung_Teillast * Verdampferanteil(COP_Heizlast)
                       : 0.0;
  QSondeVollast = (COP_Volllast != 0.0 && COP_Volllast != 1.0)
                      ? Heizleistung_Vollast * Verdampferanteil(COP_Volllast)
                      : 0.0;
  MaxHeizleistung = std::max({Heizleistung_Vollast, Heizleistung_Teillast, Heizleistung_WW});
  MaxKuehlleistung = Kuehlleistung;
  JahresheizlastTotal = Jahresheizlast + Heizbandlast + HeizlastWW;
  JahreskuehllastTotal = Jahreskuehllast + Kuehlbandlast;
}

void WriteHourlyLoadRows(LineWriter& file, int month, const int (&laufzeit)[13], double power,
                         double massFlow, int dauerLastSpitze, double qSpitzeFeb,
                         [[maybe_unused]] double tSink) {
  // every row carries the project's sink temperature for generated loads
  const double ts = TTSink;
  const int days = DaysOfMonth(month);
  // More peak days than February has mean all of February.
  dauerLastSpitze = std::clamp(dauerLastSpitze, 0, DaysOfMonth(2));
  auto peakDay = [&](int d) { return month == 2 && d > DaysOfMonth(2) - dauerLastSpitze; };

  if (Lastprofil2) {
    if (month != 1) return;  // the profile is a whole year, written once
    BuildHourlyLoadProfile();
    for (int s = 1; s <= kStunden; ++s)
      Row(file, s, RealField(MassenstromStunde2[s]), ts, RealField(QStunde[s]));
    return;
  }

  if (Durchschnittsentzug) {
    const double mean = static_cast<double>(laufzeit[month]) / days / 24.0;
    for (int d = 1; d <= days; ++d)
      for (int i = 1; i <= 24; ++i)
        Row(file, HourIndex(month, d, i), RealField(massFlow), ts,
            RealField(peakDay(d) ? qSpitzeFeb : mean));
    return;
  }

  const int n = static_cast<int>(std::min<long long>(std::llabs(laufzeit[month]), 24));
  const double sign = laufzeit[month] < 0 ? -1.0 : 1.0;
  for (int d = 1; d <= days; ++d) {
    for (int i = 1; i <= 24; ++i) {
      const int s = HourIndex(month, d, i);
      if (peakDay(d)) {
        Row(file, s, RealField(massFlow), ts, RealField(qSpitzeFeb));
      } else if (i <= n) {
        Row(file, s, RealField(massFlow), ts, RealField(sign * power));
      } else {
        // idle hour: the plant circulates in sunny hours when collectors are on
        const double m = (solar && Sunny(s)) ? Auslegungsmassenstrom : 0.0;
        Row(file, s, FormatExp(m), ts, FormatExp(0.0));
      }
    }
  }
}

void GenerateLoadFile(const std::string& fileName, const int (&laufzeit)[13],
                      double& jahresbetriebsstunden, int dauerLastSpitze, double qSpitzeFeb,
                      double tSink, double auslegungsentzug, double auslegungsmassenstrom) {
  for (int h = 0; h <= kStunden; ++h) {
    QStundeFeld1[h] = 0.0;
    MassenstromFeld1[h] = 0.0;
    QStundeFeld2[h] = 0.0;
  }
  // The February peak counts once, not once per month; a day has no more
  // running hours than the rows give it (24).
  jahresbetriebsstunden = 0.0;
  for (int m = 1; m <= 12; ++m)
    if (laufzeit[m] > 0) jahresbetriebsstunden += DaysOfMonth(m) * std::min(laufzeit[m], 24);
  jahresbetriebsstunden += (24.0 - std::clamp(laufzeit[2], 0, 24)) * std::clamp(dauerLastSpitze, 0, DaysOfMonth(2));

  try {
    WriteOutputHeader(fileName, Zeitschritt, SchritteProJahr);
    for (int m = 1; m <= 12; ++m) {
      const double power = laufzeit[m] < 0 ? Einspeisung : auslegungsentzug;
      WriteHourlyLoadRows(AusgabeText, m, laufzeit, power, auslegungsmassenstrom, dauerLastSpitze,
                          qSpitzeFeb, tSink);
    }
    AusgabeText.Close();
  } catch (...) {
    if (AusgabeText.IsOpen()) AusgabeText.Close();
    throw;
  }

  for (int h = 0; h <= kStunden; ++h) {
    MWPStunde[h] = 0.0;
    QWPStunde[h] = 0.0;
  }
  LineReader in;
  if (!in.Open(fileName))
    throw CalcError("Datei kann nicht geoeffnet werden / cannot open file: " + fileName);
  std::string line;
  for (int i = 0; i < 1001; ++i)
    if (!in.Next(line)) throw CalcError("Lastdatei zu kurz / load file too short: " + fileName);
  for (int r = 0; r < kStunden; ++r) {
    if (!in.Next(line)) throw CalcError("Lastdatei zu kurz / load file too short: " + fileName);
    std::vector<std::string> f = SplitTabs(line);
    std::optional<long long> s = f.size() >= 4 ? ParseInteger(f[0]) : std::nullopt;
    std::optional<double> m = f.size() >= 4 ? ParseReal(f[1]) : std::nullopt;
    std::optional<double> q = f.size() >= 4 ? ParseReal(f[3]) : std::nullopt;
    if (!s || !m || !q || *s < 1 || *s > kStunden)
      throw CalcError("Fehler in Zeile " + FormatInt(in.LineNumber()) + " / bad row in line " +
                      FormatInt(in.LineNumber()) + ": " + fileName);
    MWPStunde[*s] = *m;
    QWPStunde[*s] = *q;
  }
}

}  // namespace qeb
