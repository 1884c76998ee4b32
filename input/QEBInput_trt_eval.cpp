// The input window's side of the thermal response test: the import command,
// the evaluation of a measurement file into the ground conductivity and the
// borehole resistance, and the project set up to simulate the test.
#include <QAction>
#include <QMetaObject>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <initializer_list>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_data.h"
#include "calc/QEBMOD_file.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"

namespace qeb {

namespace {

constexpr const char* kFalschesFormat = "Falsches Dateiformat / Wrong Format";
constexpr double kPi8 = 3.14159265;
constexpr double kTemperaturleitung = 1.0869565217391303e-06;  // m²/s behind the method-1 start time

void SetShown(std::initializer_list<QWidget*> ws, bool shown) {
  for (QWidget* w : ws) w->setVisible(shown);
}

int Rnd(double x) {
  if (!std::isfinite(x) || std::fabs(x) > 1e9) return 0;
  return static_cast<int>(RoundHalfEven(x));
}

void Aufrufen(QObject* o, const char* slot) {
  const QByteArray sig = QByteArray(slot) + "()";
  if (o->metaObject()->indexOfMethod(sig.constData()) >= 0) QMetaObject::invokeMethod(o, slot, Qt::DirectConnection);
}

// One fit pass: the window f..L and what it gives.
struct Durchgang {
  bool gueltig = false;
  std::string grund;
  int f = 0, L = 0;
  double k = 0, achse = 0, lambda = 0, pMittel = 0, dtMittel = 0, lnMittel = 0, tMittel = 0;
};

// Everything an evaluation derives, kept apart until it succeeded.
struct Ergebnis {
  int anzahl = 0, s = 0, e = 0, n = 0, r = 1;
  // The last quiet record before the heating (0 when the file begins heated):
  // the origin of the line source's time.
  int o = 0;
  std::vector<bool> aus;        // records left out of the fit (a sensor's error value)
  std::string ausgelassen;      // those records named for the user
  double heizdauer = 0;
  Durchgang best;
  double t0 = 0;
  std::vector<double> stunden;  // index 1..8760
  std::vector<double> zeit, lnzeit, temp, dt, p;  // index 0..anzahl
  // Hours since the origin of record i.
  double Stunden(int i) const { return zeit[i] - zeit[std::max(o, 1)]; }
};

// The last evaluation succeeded (a failed one leaves the project as it was).
bool gAuswertungOk = false;
// The menu item asks for another file after one was evaluated.
bool gNeueDatei = false;

constexpr double kLambdaMin = 0.2, kLambdaMax = 10.0;  // W/mK a ground can have

// The pass over records f..n (f is the fit start the method names).
Durchgang FitAb(const Ergebnis& x, int n, int f, double pmax) {
  Durchgang d;
  d.f = std::max(1, f);
  if (n > x.anzahl) n = x.anzahl;
  if (d.f >= n) {
    d.grund = "Auswertefenster leer / empty fit window";
    return d;
  }
  // A record left out neither starts nor ends the window: the window runs
  // from the next record kept to the last one kept.
  while (d.f < n && x.aus[d.f]) ++d.f;
  while (n > d.f && x.aus[n]) --n;
  double tmax = x.temp[d.f];
  d.L = 0;
  for (int j = d.f; j <= n; ++j) {
    if (x.aus[j]) continue;
    if (x.temp[j] >= tmax && x.p[j] > 0.85 * pmax && x.p[j] <= 1.1 * pmax) {
      tmax = x.temp[j];
      d.L = j;
    }
  }
  if (d.L == 0) d.L = n;
  if (d.L <= d.f) {
    d.grund = "Auswertefenster leer / empty fit window";
    return d;
  }
  if (x.Stunden(d.f) <= 0.0) {
    d.grund = "Zeit 0 im Auswertefenster / time 0 in the fit window";
    return d;
  }
  int N = 0;
  double sln = 0, st = 0, sp = 0, sdt = 0;
  for (int j = d.f; j <= d.L; ++j) {
    if (x.aus[j]) continue;
    ++N;
    sln += x.lnzeit[j];
    st += x.temp[j];
    sp += x.p[j];
    sdt += x.dt[j];
  }
  if (N < 2) {
    d.grund = "Auswertefenster leer / empty fit window";
    return d;
  }
  d.lnMittel = sln / N;
  d.tMittel = st / N;
  d.pMittel = sp / N;
  d.dtMittel = sdt / N;
  // The slope of the line that fits every record of the window, not the
  // line through its two ends: a single noisy end would tilt it.
  double sxx = 0, sxy = 0;
  for (int j = d.f; j <= d.L; ++j) {
    if (x.aus[j]) continue;
    const double dx = x.lnzeit[j] - d.lnMittel;
    sxx += dx * dx;
    sxy += dx * (x.temp[j] - d.tMittel);
  }
  d.k = sxx > 0.0 ? sxy / sxx : 0.0;
  if (!(d.k > 0.0) || !std::isfinite(d.k)) {
    d.grund = "keine steigende Temperatur / no rising temperature";
    return d;
  }
  if (!(d.pMittel > 0.0)) {
    d.grund = "keine Heizleistung / no heating power";
    return d;
  }
  if (!(d.dtMittel < 0.0) && !(d.dtMittel > 0.0)) {
    d.grund = "T2 - T1 = 0";
    return d;
  }
  d.achse = d.tMittel - d.k * d.lnMittel;
  d.lambda = d.pMittel * 1000.0 / (Sondenlaenge * kPi8 * 4.0 * d.k);
  if (!std::isfinite(d.lambda) || d.lambda <= 0.0) {
    d.grund = "Sondenlaenge";
    return d;
  }
  // A power in the wrong unit, a wrong length or a failed sensor gives a
  // conductivity no ground has: the pass is void, not a result.
  if (d.lambda < kLambdaMin || d.lambda > kLambdaMax) {
    d.grund = "\xCE\xBB = " + FormatFixed(d.lambda, 0, d.lambda < 1.0 ? 4 : 2) + " W/mK: Einheiten / Messfehler?";
    return d;
  }
  d.gueltig = true;
  return d;
}

// Reads, finds the heating window and fits; false with the reason when no
// pass is usable. Uses the probe length and borehole diameter in force.
bool Auswerten(const TRTMessreihe& m, Ergebnis& x, std::string& grund) {
  const int anzahl = static_cast<int>(m.datum.size());
  const double pmax = m.pmax;
  if (anzahl <= 100) {
    grund = "nur / only " + std::to_string(anzahl) + " Messwerte / records (> 100)";
    return false;
  }
  if (!(pmax > 0.0)) {
    grund = "keine Heizleistung / no heating power";
    return false;
  }
  x.anzahl = anzahl;
  x.zeit.assign(anzahl + 1, 0.0);
  x.lnzeit.assign(anzahl + 1, 0.0);
  x.temp.assign(anzahl + 1, 0.0);
  x.dt.assign(anzahl + 1, 0.0);
  x.p.assign(anzahl + 1, 0.0);
  x.zeit[0] = m.datum[0];
  for (int i = 1; i <= anzahl; ++i) {
    x.zeit[i] = 24.0 * (m.datum[i - 1] - m.datum[0]);
    x.temp[i] = (m.t1[i - 1] + m.t2[i - 1]) / 2.0;
    x.dt[i] = m.t2[i - 1] - m.t1[i - 1];
    x.p[i] = m.p[i - 1];
  }
  x.temp[0] = x.temp[1];
  // A sensor's error value (85 °C and the like) held for one to three
  // records is no ground: a run of up to three records that leaves the
  // records on both sides of it by more than 5 K, all the same way, in one
  // sensor is left out of the fit and named. Each record of a held pair has
  // the other as a neighbour, so the run is tested as a whole; a longer
  // excursion is the test's own and stays.
  x.aus.assign(anzahl + 1, false);
  for (const std::vector<double>* t : {&m.t1, &m.t2}) {
    for (int i = 1; i + 1 < anzahl; ++i) {  // i: first record of the run, 0-based
      const double a = (*t)[i - 1];
      for (int lang = 1; lang <= 3 && i + lang < anzahl; ++lang) {
        const double c = (*t)[i + lang];
        bool lauf = true;
        for (int j = i; j < i + lang && lauf; ++j) {
          const double b = (*t)[j];
          lauf = std::fabs(b - a) > 5.0 && std::fabs(b - c) > 5.0 && (b - a) * (b - c) > 0.0 &&
                 (b - a) * ((*t)[i] - a) > 0.0;
        }
        if (!lauf) continue;
        for (int j = i; j < i + lang; ++j) x.aus[j + 1] = true;
        i += lang - 1;
        break;
      }
    }
  }
  for (int i = 1; i <= anzahl; ++i) {
    if (!x.aus[i]) continue;
    if (!x.ausgelassen.empty()) x.ausgelassen += ", ";
    x.ausgelassen += std::to_string(i <= static_cast<int>(m.zeile.size()) ? m.zeile[i - 1] : i);
  }
  // The line source counts time from the start of the heating, not from the
  // first record: a test file begins with quiet records for the undisturbed
  // temperature, and hours of them would bend ln t and the conductivity. The
  // heating began after the last quiet record, so that record is the origin;
  // a file that begins heated counts from its first record.
  x.o = 0;
  for (int i = 1; i <= anzahl; ++i)
    if (x.p[i] > 0.02 * pmax) {
      x.o = i - 1;
      break;
    }
  for (int i = 1; i <= anzahl; ++i) {
    const double t = x.Stunden(i);
    x.lnzeit[i] = t > 0.0 ? std::log(t) : 0.0;
  }
  // Heating window.
  int s = anzahl;
  for (int i = 1; i <= anzahl; ++i)
    if (x.p[i] > 0.8 * pmax) {
      s = i;
      break;
    }
  int e = anzahl;
  for (int i = std::max(s + 1, 101); i <= anzahl; ++i)
    if (x.p[i] < 0.6 * pmax) {
      e = i;
      break;
    }
  const int n0 = e - 20;
  if (n0 <= s) {
    grund = "Heizphase zu kurz / heating period too short";
    return false;
  }
  x.s = s;
  x.e = e;
  x.n = n0;
  // Records per hour from the whole date-times of records 2 and 3.
  const double delta = (m.datum[2] - m.datum[1]) * 1440.0;
  x.r = delta >= 0.0001 ? std::max(1, Rnd(60.0 / delta)) : 1;
  x.heizdauer = x.Stunden(e) * 60.0;

  // Method table.
  const int methode = Rnd(TRT_Methode);
  double faktor = 1.0;
  double D = 4;
  int passes = 1;
  const double rb = Bohrdurchmesser / 2.0;
  const double tmin = 10.0 * rb * rb / kTemperaturleitung / 3600.0;
  const bool inTabelle = TRT_Methode >= -0.5 && TRT_Methode < 9.5;
  const bool mitTmin = inTabelle && methode == 1;
  switch (inTabelle ? methode : -1) {
    case 0: faktor = 0.99, D = 8; break;
    case 1: faktor = 0.98, passes = 2; break;
    case 2: faktor = 0.75, D = 12, passes = 2; break;
    case 3: faktor = 0.85, D = 4, passes = 2; break;
    case 4: faktor = 0.65, D = 4, passes = 2; break;
    case 5: faktor = 0.99, D = 2; break;
    case 6: faktor = 0.99, D = 4; break;
    case 7: faktor = 0.99, D = 8; break;
    case 8: faktor = 0.8, D = 4; break;
    case 9: faktor = 0.7, D = 4; break;
    default: faktor = 1.0, D = 4; break;
  }
  // Method 1's divisor n / (r tmin) puts the start at the record of tmin:
  // the record nearest that time, whatever the records' spacing.
  int fTmin = x.o + 1;
  for (int i = x.o + 1; i <= anzahl; ++i) {
    if (std::fabs(x.Stunden(i) - tmin) < std::fabs(x.Stunden(fTmin) - tmin)) fTmin = i;
    if (x.Stunden(i) > tmin) break;
  }
  Durchgang best;
  best.lambda = 100.0;
  std::string letzterGrund;
  for (int pass = 1; pass <= passes; ++pass) {
    const int n = pass == 1 ? Rnd(faktor * n0) : n0;
    Durchgang d;
    if (mitTmin)
      d = FitAb(x, n, fTmin, pmax);
    else
      d = FitAb(x, n, x.o + Rnd(static_cast<double>(n - x.o) / D), pmax);
    if (!d.gueltig) {
      letzterGrund = d.grund;
      continue;
    }
    if (d.lambda < best.lambda || !best.gueltig) best = d;
  }
  if (!best.gueltig) {
    grund = letzterGrund;
    return false;
  }
  x.best = best;
  // Hourly series from the start of heating: entry h + 1 is the mean fluid
  // temperature h hours after the origin, taken at that time between the
  // records around it (whatever their spacing), entry 1 the undisturbed one.
  x.stunden.assign(kTRTMaxRecords + 1, 0.0);
  const int bis = TRTOhneNachlauf ? best.L : anzahl;
  {
    int a = std::max(x.o, 1);
    for (int i = a + 1; i <= bis; ++i) {
      if (x.aus[i]) continue;
      const double ta = x.Stunden(a), ti = x.Stunden(i);
      for (int h = static_cast<int>(std::floor(ta)) + 1; h <= ti + 1e-9 && h < kTRTMaxRecords; ++h) {
        if (h < 1 || !(ti > ta)) continue;
        const double w = (h - ta) / (ti - ta);
        x.stunden[h + 1] = x.temp[a] + w * (x.temp[i] - x.temp[a]);
      }
      a = i;
    }
  }
  double t0 = x.temp[s];
  if (s > 30) {
    double summe = 0;
    int zahl = 0;
    for (int i = s - 30; i <= s - 1; ++i)
      if (x.p[i] <= 0.02 * pmax && !x.aus[i]) {
        summe += x.temp[i];
        ++zahl;
      }
    if (zahl >= 1) t0 = summe / zahl;
  }
  x.t0 = t0;
  x.stunden[1] = t0;
  return true;
}


// The borehole resistance from the end of the heating; false (Ra and Rb
// untouched) with the reason when an input makes it meaningless.
bool RbBestimmen(const Ergebnis& x, double massenstrom, double& ra, double& rb, std::string& grund) {
  // The heating time two hours before the window's end, and the hourly
  // temperature at that same time.
  const int H = static_cast<int>(std::floor(x.Stunden(x.best.L) + 1e-6)) - 2;
  if (H < 1 || H + 1 > kTRTMaxRecords) {
    grund = "Heizdauer / heating time " + std::to_string(H) + " h";
    return false;
  }
  const double t = H * 3600.0;
  const double tEnde = x.stunden[H + 1];
  const double lambda = x.best.lambda;
  const double P = x.best.pMittel * 1000.0;
  const double argument = 16.0 * lambda * t / (cpErd * rhoErd * Bohrdurchmesser * Bohrdurchmesser);
  if (!(argument > 0.0) || !std::isfinite(argument)) {
    grund = "cp, rho, Bohrdurchmesser";
    return false;
  }
  const double rbStern = Sondenlaenge / P * (tEnde - Jahresmitteltemp - Bodenerwaermung - Sondenlaenge / 2.0 * TGrad) -
                         (std::log(argument) - 0.5772) * 0.0795774716368782 / lambda;
  const double ri = Sondendurchmesser / 2.0 - Dicke_Sondenrohr;
  const double sigma = (lambdaFill - lambdaErd) / (lambdaFill + lambdaErd);
  const double sv = BuRelativ;
  if (!(ri > 0.0) || !(sv > 0.0) || !(sv < 1.0) || !(lambdaFill > 0.0) || !(lambdaRohr > 0.0)) {
    grund = "Rohr, Bu / pipe, shank spacing";
    return false;
  }
  if (!(massenstrom > 0.0) || !std::isfinite(massenstrom)) {
    grund = "Massenstrom / mass flow";
    return false;
  }
  const double h = RohrWaermeuebergang(KoaxialSonde, einfachU, Hellstroem, inSerie, Innenrohrdurchmesser,
                                       Dicke_Sondenrohr, Sondendurchmesser, massenstrom, lambdaSole, cpSole,
                                       rhoSole, nueSole);
  const double rp = 2.0 * ri < Sondendurchmesser ? std::log((Sondendurchmesser / 2.0) / ri) / lambdaRohr + 1.0 / (h * ri)
                                                 : 1.0 / (h * ri);
  const double s4 = sv * sv * sv * sv;
  const double raNeu = (std::log(std::sqrt(2.0) * sv * Bohrdurchmesser / 2.0 / ri) -
                        0.5 * std::log(sv * Bohrdurchmesser / ri) - 0.5 * sigma * std::log((1.0 - s4) / (1.0 + s4))) *
                           0.3183098861837907 / lambdaFill +
                       rp / (2.0 * M_PI);
  if (!(raNeu > 0.0) || !std::isfinite(raNeu)) {
    grund = "Ra = " + FormatFixed(raNeu, 0, 3);
    return false;
  }
  double rbNeu = rbStern - Sondenlaenge * Sondenlaenge / (3.0 * raNeu * cpSole * cpSole * massenstrom * massenstrom);
  if (!(rbNeu > 0.0) || !std::isfinite(rbNeu)) {
    grund = "Rb = " + FormatFixed(std::isfinite(rbNeu) ? rbNeu : 0.0, 0, 3);
    return false;
  }
  double raFertig = raNeu;
  if (4.0 * rbNeu <= raFertig) raFertig = 4.0 * rbNeu - 0.01;
  if (!(raFertig > 0.0)) {
    grund = "Ra = " + FormatFixed(raFertig, 0, 3);
    return false;
  }
  ra = raFertig;
  rb = rbNeu;
  return true;
}

}  // namespace

bool TForm1::TRTDateiAuswerten(const std::string& datei) {
  gAuswertungOk = false;
  TRTTitelDatei = datei;
  EingabenUebernehmen();
  // 3. A start or end typed by hand must be a date-time.
  if ((!ETRTStart1->text().isEmpty() && !DatumZeitLesen(ETRTStart->text().toStdString())) ||
      (!ETRTEnd1->text().isEmpty() && !DatumZeitLesen(ETRTEnd->text().toStdString()))) {
    Message("Falsches Datumsformat / Wrong Format  / Try: 28/2/2011 16:28");
    return false;
  }
  TRTMessreihe m;
  std::string grund;
  const double laengeAlt = Sondenlaenge;
  if (Sondenlaenge == 20.0) Sondenlaenge = 250.0;
  Ergebnis x;
  if (!TRTDateiLesen(datei, m, grund) || !Auswerten(m, x, grund)) {
    Sondenlaenge = laengeAlt;
    Message(std::string(kFalschesFormat) + "\n" + grund);
    return false;
  }
  const Durchgang& b = x.best;
  if (!x.ausgelassen.empty())
    Message("Messwerte ausgelassen (Sensorfehler) / records left out (sensor error), Zeile / line " + x.ausgelassen);

  // 1. The series.
  std::fill(std::begin(TRTTemp), std::end(TRTTemp), 0.0);
  std::fill(std::begin(TRTZeit), std::end(TRTZeit), 0.0);
  std::fill(std::begin(TRTDeltaT), std::end(TRTDeltaT), 0.0);
  std::fill(std::begin(TRTLeistung), std::end(TRTLeistung), 0.0);
  std::fill(std::begin(TRTLnZeit), std::end(TRTLnZeit), 0.0);
  for (int i = 0; i <= x.anzahl; ++i) {
    TRTZeit[i] = x.zeit[i];
    TRTLnZeit[i] = i == 0 ? 0.0 : x.lnzeit[i];
    TRTTemp[i] = x.temp[i];
    TRTDeltaT[i] = x.dt[i];
    TRTLeistung[i] = x.p[i];
  }
  for (int h = 0; h <= kTRTMaxRecords; ++h) TRTStundenTemp[h] = x.stunden[h];

  // 2.
  ESondenlaenge->setText(FixedText(Sondenlaenge, 1));
  EingabenUebernehmen();
  SetShown({ETRT, ETRT4, LTRT4, ETRT_Auto, Label420, ETRT_Methode, ETRTStart, ETRTEnd, LStart, LEnd, LTRT, ELambdaTRT,
            Label276, Label277, ELaenge, Label280, Label279, EMitteltem, Label285, ERbTRT, Label281, Label284, EHell,
            LHell, Label404, Label405, Label406},
           true);
  ELaenge->setText(FixedText(Sondenlaenge, 1));
  SetShown({Label143, DauerSprungantwort}, false);

  // 4.-7.
  ETRTStart->setText(QString::fromStdString(DatumZeitText(TRTZeit[0] + TRTZeit[x.s] / 24.0)));
  ETRTEnd->setText(QString::fromStdString(DatumZeitText(TRTZeit[0] + TRTZeit[b.L] / 24.0)));
  TRTHeizdauer = x.heizdauer;
  TRTHeizPunkte = b.L - x.s + 1;

  // 9.-10. The best pass.
  Eb->setText(FixedText(b.k, 3));
  Ea->setText(FixedText(b.achse, 3));
  Auslegungsentzug = b.pMittel;
  EAuslegungsentzug->setText(FixedText(b.pMittel, 3));
  EQSource->setText(FixedText(-b.pMittel, 3));
  // Inlet and outlet in the other order of columns are the same test: the
  // fluid cools by the magnitude of the difference on its way through.
  DeltaVerdampfer = -std::fabs(b.dtMittel);
  EDeltaVerdampfer->setText(FixedText(DeltaVerdampfer, 3));
  TRTLambda = b.lambda;
  TRTFitStart = b.f;
  TRTFitEnde = b.L;
  TRTLnTMitte = std::log(3600.0) + b.lnMittel;
  TRTTMitte = b.tMittel;
  const double steigung = b.pMittel * 1000.0 / (Sondenlaenge * kPi8 * 4.0 * b.lambda);
  TRTFitT1 = b.tMittel - (TRTLnTMitte - std::log(3600.0) - TRTLnZeit[b.f]) * steigung;
  TRTFitT2 = TRTFitT1 + (TRTLnZeit[b.L] - TRTLnZeit[b.f]) * steigung;

  // 11.
  TRTLnTDatenEnde = std::log(3600.0) + TRTLnZeit[x.n];
  TRTAnzahl = x.n;
  ELambdaTRT->setText(FixedText(TRTLambda, 2));
  lambdaErd = TRTLambda;
  ELambdaErd->setText(FixedText(lambdaErd, 2));
  for (int mal = 0; mal < (TRTAuto ? 2 : 1); ++mal) {
    Ehomogen->setItemIndex(1);
    Ehomogen->setItemIndex(0);
  }
  SetTabVisible(TabSheet4, true);
  ShowTab(TabSheet4);
  TRTAusgewertet = true;

  // 12. The project simulates the test: the measured flow, not the design one.
  Fluidtyp = 1;
  ComboFluid->setCurrentIndex(1);
  ComboFluidChange();
  Sprungantwort = true;
  ESprungantwort->setItemIndex(0);
  // The step response's set-up takes the window over, and with it the design
  // power becomes the test's source term; the test's flow follows from the
  // power measured.
  const double entzug = Auslegungsentzug;
  Aufrufen(this, "ESprungantwortClick");
  Auslegungsentzug = entzug;
  EAuslegungsentzug->setText(FixedText(entzug, 3));
  const double massenstrom = -Auslegungsentzug * 1000.0 / cpSole / DeltaVerdampfer;
  Auslegungsmassenstrom = massenstrom;
  EAuslegungsmassenstrom->setText(FixedText(Auslegungsmassenstrom, 3));
  numrows = TRTOhneNachlauf ? 96 : 120;
  ShowInt(Enumrows, numrows);
  TempProfil = ETempProfil->itemIndex() == 0;
  Jahresmitteltemp += Bodenerwaermung;
  EMitteltem->setText(FixedText(Jahresmitteltemp, 2));
  EJahresmitteltemp->setText(FixedText(Jahresmitteltemp, 2));
  Bodenerwaermung = 0.0;
  EBodenerwaermung->setText(FixedText(0.0, 0));
  TGrad = R(ETgrad);
  Jahresmitteltemp = R(EJahresmitteltemp);
  Bodenerwaermung = R(EBodenerwaermung);
  if (TempProfil) {
    double summe = 0;
    for (int i = 1; i <= 10; ++i) summe += Starttemperatur[i] / 10.0;
    Jahresmitteltemp = summe;
    TGrad = 0.0;
    EMitteltem->setText(FixedText(Jahresmitteltemp, 2));
  }
  Label282->setVisible(!TempProfil);
  Label283->setVisible(TempProfil);
  EMitteltem->setReadOnly(TempProfil);
  QPalette pal = EMitteltem->palette();
  pal.setColor(QPalette::Base, TempProfil ? palette().color(QPalette::Button) : palette().color(QPalette::Base));
  EMitteltem->setPalette(pal);

  // 13.
  if (Hell) {
    EHellstroem->setItemIndex(1);
    Hellstroem = false;
    double ra = Ra, rb = Rb;
    if (RbBestimmen(x, massenstrom, ra, rb, grund)) {
      Ra = ra;
      Rb = rb;
      Rc = 0.0;
      for (int i = 1; i <= 10; ++i) RaV[i] = RbV[i] = RcV[i] = 0.0;
      ERbTRT->setText(FixedText(Rb, 3));
      ERa->setText(FixedText(Ra, 3));
      ERb->setText(FixedText(Rb, 3));
      ERc->setText(FixedText(Rc, 3));
    } else {
      Message("Rb aus TRT nicht bestimmbar / Rb from TRT not determinable: " + grund);
    }
    SchichtdatenAnzeigen();
    Label282->setVisible(TGrad != 0.0);
    Label283->setVisible(TGrad == 0.0);
  } else {
    SchichtdatenAnzeigen();
  }
  gAuswertungOk = true;
  return true;
}


void TForm1::TRTClick() {
  const bool modusAlt = TRTModus;
  const bool ausgewertetAlt = TRTAusgewertet;
  // 1. A working copy in the current directory is evaluated again and again.
  if (gNeueDatei) {
    TRTAusgewertet = false;
  } else if (FileCanBeOpened("TRT.qeb")) {
    TRTDateiName = "TRT.qeb";
    TRTAusgewertet = true;
  }
  TRTModus = true;
  bool ok = false;
  if (TRTAusgewertet) {
    // 2. Re-evaluation of the file in force.
    ok = TRTDateiAuswerten(TRTDateiName);
  } else if (!gNeueDatei && !Projektdateiname.empty() && !TRTProjektTrt.empty() &&
             (FileCanBeOpened(TRTProjektTrt) || FileCanBeOpened(TRTProjektXls))) {
    // 3. The project's own measurement: the companion it has.
    const std::string begleiter = FileCanBeOpened(TRTProjektTrt) ? TRTProjektTrt : TRTProjektXls;
    ShowTab(Lastprofil2 ? Lastprofil : TabSheet5);
    ok = TRTDateiAuswerten(begleiter);
    if (ok) {
      TRTDateiName = begleiter;
      TRTKopieName = begleiter;
      TRTProjektDaten = true;
    }
  } else {
    // 4.
    const std::string datei = UI().OpenFileNameTitled(
        "Eingabe Messwerte TRT / Input TRT-Measurement",
        "TRT *.qeb (*.qeb);;TXT *.txt (*.txt);;CSV *.csv (*.csv);;XLS *.xls (*.xls)",
        Programmverzeichnis);
    if (datei.empty()) {
      Message(" Keine Daten eingelesen / No input ");
      // Choosing no second file leaves the test in force as it was.
      if (!gNeueDatei) TRTModus = false;
    } else {
      ShowTab(Lastprofil2 ? Lastprofil : TabSheet5);
      TRTGewaehlteDatei = datei;
      ok = TRTDateiAuswerten(datei);
      if (ok) {
        TRTDateiName = datei;
        if (!ArbeitsVerzeichnis.empty()) {
          std::error_code ec;
          std::filesystem::current_path(ArbeitsVerzeichnis, ec);
        }
        // The measurement travels with the project: a spreadsheet text as
        // ".xls", every other layout as ".trt"; without a project there is
        // nowhere to copy it.
        const std::string e = datei.size() >= 3 ? datei.substr(datei.size() - 3) : datei;
        const bool xls = e == "xls" || e == "XLS";
        const bool text = e == "TXT" || e == "txt" || e == "csv" || e == "CSV" || e == "trt" || e == "TRT";
        if (!Projektdateiname.empty() && (xls || text)) {
          const std::string ziel = ProjektBasis(Projektdateiname) + (xls ? ".xls" : ".trt");
          std::string fehler;
          if (BegleitdateiKopieren(datei, ziel, &fehler)) {
            TRTKopieName = ziel;
            TRTProjektDaten = true;
          } else {
            Message(fehler);
          }
        }
      }
    }
  }
  if (!ok && TRTModus) TRTModus = modusAlt;
  if (!ok && gNeueDatei) TRTAusgewertet = ausgewertetAlt;  // the test in force stays evaluated
  // 5.
  ETRT->setItemIndex(TRTModus ? 0 : 1);
  ETRT_Auto->setItemIndex(TRTAuto ? 0 : 1);
}

void TForm1::ETRTClick() {
  TRTModus = ETRT->itemIndex() == 0;
  qeb::TRT = TRTModus;
  MitteltemperaturZeigen(qeb::TRT);
}

void TForm1::ETRT4Click() { TRTOption = ETRT4->itemIndex() == 0; }
void TForm1::ETRT_AutoClick() { TRTAuto = ETRT_Auto->itemIndex() == 0; }

void TForm1::ELaengeChange() {
  // The length of the test's probe: a text that is no number, or a length
  // no probe has, is refused before it reaches the project.
  auto gelesen = [](const QLineEdit* e) {
    std::string t = e->text().toStdString();
    std::replace(t.begin(), t.end(), ',', '.');
    const auto v = ParseReal(t);
    return v && std::isfinite(*v) ? *v : std::nan("");
  };
  const double laenge = gelesen(ELaenge);
  if (!(laenge > 0.0) || !RangeViolation("Sondenlaenge", laenge).empty()) {
    Message(Label280->text().toStdString() + " [m]: \"" + ELaenge->text().toStdString() + "\" " +
            (std::isfinite(laenge) ? RangeReason("Sondenlaenge", laenge > 0.0 ? laenge : -1.0)
                                   : std::string("keine Zahl / not a number")));
    ELaenge->setText(FixedText(Sondenlaenge, 1));
    return;
  }
  const double methode = R(ETRT_Methode);
  if (!std::isfinite(methode)) return;
  // A new length or a new method gives a new evaluation of the same file.
  if (laenge == Sondenlaenge && methode == TRT_Methode) return;
  const double laengeAlt = Sondenlaenge, methodeAlt = TRT_Methode;
  Sondenlaenge = laenge;
  TRT_Methode = methode;
  ESondenlaenge->setText(FixedText(Sondenlaenge, 1));
  TRTClick();
  if (!gAuswertungOk) {
    // The evaluation failed: the project keeps the length and method it had.
    Sondenlaenge = laengeAlt;
    TRT_Methode = methodeAlt;
    ESondenlaenge->setText(FixedText(Sondenlaenge, 1));
    ELaenge->setText(FixedText(Sondenlaenge, 1));
    ETRT_Methode->setText(FixedText(TRT_Methode, 0));
  }
}

void TForm1::EMitteltemChange() {
  Jahresmitteltemp = R(EMitteltem);
  EJahresmitteltemp->setText(FixedText(Jahresmitteltemp, 1));
  Button14Click();
}

void ResponseTestBeenden(TForm1& f) {
  TRTModus = false;
  bool ohneTest = false;
  f.MitteltemperaturZeigen(ohneTest);
  f.Eb->clear();
  f.Ea->clear();
}

void ConnectTRTHandlers(TForm1* f) {
  // A date and time fit in full.
  for (QLineEdit* e : {f->ETRTStart, f->ETRTEnd}) e->setMinimumWidth(e->fontMetrics().horizontalAdvance("28/12/2011 16:28") + 12);
  // The menu item stays reachable: once a test is evaluated, choosing it
  // again asks for the next test's file (a new length or method still
  // re-evaluates the file in force without a dialog).
  QObject::connect(f->TRT, &QAction::triggered, f, [f] {
    gNeueDatei = TRTAusgewertet;
    f->TRTClick();
    gNeueDatei = false;
  });
  QObject::connect(f->ETRT, &RadioGroup::click, f, &TForm1::ETRTClick);
  QObject::connect(f->ETRT4, &RadioGroup::click, f, &TForm1::ETRT4Click);
  QObject::connect(f->ETRT_Auto, &RadioGroup::click, f, &TForm1::ETRT_AutoClick);
  for (QLineEdit* e : {f->ELaenge, f->ETRT_Methode})
    QObject::connect(e, &QLineEdit::editingFinished, f, [f, e] {
      if (e->isModified()) f->ELaengeChange();
    });
  for (QLineEdit* e : {f->EMitteltem, f->EErdmitteltemp})
    QObject::connect(e, &QLineEdit::editingFinished, f, [f, e] {
      if (e->isModified()) f->EMitteltemChange();
    });
  QObject::connect(f->Button12, &QPushButton::clicked, f, &TForm1::TRTFileClick);
  ConnectImportHandlers(f);
}

}  // namespace qeb
