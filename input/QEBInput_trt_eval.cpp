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
  int h0 = 1;  // first record of the heating: the origin of the line source's time
  double heizdauer = 0;
  Durchgang best;
  double t0 = 0;
  std::vector<double> stunden;  // index 1..8760
  std::vector<double> zeit, lnzeit, temp, dt, p;  // index 0..anzahl
};

// The pass over records f..n (f is the fit start the method names).
Durchgang FitAb(const Ergebnis& x, int n, int f, double pmax) {
  Durchgang d;
  d.f = std::max(1, f);
  if (n > x.anzahl) n = x.anzahl;
  if (d.f >= n) {
    d.grund = "Auswertefenster leer / empty fit window";
    return d;
  }
  double tmax = x.temp[d.f];
  d.L = 0;
  for (int j = d.f; j <= n; ++j) {
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
  if (x.zeit[d.f] - x.zeit[x.h0] <= 0.0) {
    d.grund = "Zeit 0 im Auswertefenster / time 0 in the fit window";
    return d;
  }
  const int N = d.L - d.f + 1;
  double sln = 0, st = 0, sp = 0, sdt = 0;
  for (int j = d.f; j <= d.L; ++j) {
    sln += x.lnzeit[j];
    st += x.temp[j];
    sp += x.p[j];
    sdt += x.dt[j];
  }
  d.lnMittel = sln / N;
  d.tMittel = st / N;
  d.pMittel = sp / N;
  d.dtMittel = sdt / N;
  const double dln = x.lnzeit[d.L] - x.lnzeit[d.f];
  d.k = dln > 0.0 ? (x.temp[d.L] - x.temp[d.f]) / dln : 0.0;
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
  // The line source counts time from the start of the heating, not from the
  // first record: a test file begins with quiet records for the undisturbed
  // temperature, and hours of them would bend ln t and the conductivity.
  x.h0 = 1;
  for (int i = 1; i <= anzahl; ++i)
    if (x.p[i] > 0.02 * pmax) {
      x.h0 = i;
      break;
    }
  for (int i = 1; i <= anzahl; ++i) {
    const double t = x.zeit[i] - x.zeit[x.h0];
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
  x.heizdauer = (x.zeit[e] - x.zeit[std::min(s, x.h0)]) * 60.0;

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
  Durchgang best;
  best.lambda = 100.0;
  std::string letzterGrund;
  for (int pass = 1; pass <= passes; ++pass) {
    const int n = pass == 1 ? Rnd(faktor * n0) : n0;
    Durchgang d;
    // Method 1's divisor n / (r tmin) puts the start at the record of tmin.
    if (mitTmin)
      d = FitAb(x, n, x.h0 - 1 + Rnd(x.r * tmin), pmax);
    else
      d = FitAb(x, n, x.h0 - 1 + Rnd(static_cast<double>(n - x.h0 + 1) / D), pmax);
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
  // Hourly series from the start of heating.
  x.stunden.assign(kTRTMaxRecords + 1, 0.0);
  const int bis = TRTOhneNachlauf ? best.L + 1 - s : kTRTMaxRecords;
  for (int j = 1; j <= bis && s - 1 + j <= anzahl; ++j) {
    const int h = j / x.r + 1;
    if (h > kTRTMaxRecords) break;
    x.stunden[h] = x.temp[s - 1 + j];
  }
  double t0 = x.temp[s];
  if (s > 30) {
    double summe = 0;
    int zahl = 0;
    for (int i = s - 30; i <= s - 1; ++i)
      if (x.p[i] <= 0.02 * pmax) {
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
  const int N = x.best.L + 1 - x.s;
  const int H = N / x.r - 2;
  if (H < 1 || H > kTRTMaxRecords) {
    grund = "Heizdauer / heating time " + std::to_string(H) + " h";
    return false;
  }
  const double t = H * 3600.0;
  const double tEnde = x.stunden[H];
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
  DeltaVerdampfer = b.dtMittel;
  EDeltaVerdampfer->setText(FixedText(b.dtMittel, 3));
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
  return true;
}


void TForm1::TRTClick() {
  const bool modusAlt = TRTModus;
  // 1. A working copy in the current directory is evaluated again and again.
  if (FileCanBeOpened("TRT.qeb")) {
    TRTDateiName = "TRT.qeb";
    TRTAusgewertet = true;
  }
  TRTModus = true;
  bool ok = false;
  if (TRTAusgewertet) {
    // 2. Re-evaluation of the file in force.
    ok = TRTDateiAuswerten(TRTDateiName);
  } else if (!Projektdateiname.empty() && !TRTProjektTrt.empty() &&
             (FileCanBeOpened(TRTProjektTrt) || FileCanBeOpened(TRTProjektXls))) {
    // 3. The project's own measurement: the companion it has.
    const std::string begleiter = FileCanBeOpened(TRTProjektTrt) ? TRTProjektTrt : TRTProjektXls;
    ShowTab(Lastprofil2 ? Lastprofil : TabSheet5);
    ok = TRTDateiAuswerten(begleiter);
    if (ok) {
      TRTDateiName = begleiter;
      TRTKopieName = begleiter;
      TRTProjektDaten = true;
      TRT->setVisible(false);
    }
  } else {
    // 4.
    const std::string datei = UI().OpenFileName(
        "TRT *.qeb (*.qeb);;TXT *.txt (*.txt);;CSV *.csv (*.csv);;XLS *.xls (*.xls)",
        Programmverzeichnis);
    if (datei.empty()) {
      Message(" Keine Daten eingelesen / No input ");
      TRTModus = false;
    } else {
      ShowTab(Lastprofil2 ? Lastprofil : TabSheet5);
      TRTGewaehlteDatei = datei;
      ok = TRTDateiAuswerten(datei);
      if (ok) {
        TRTDateiName = datei;
        TRT->setVisible(false);
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
  const double laenge = R(ELaenge);
  const double methode = R(ETRT_Methode);
  if (!std::isfinite(laenge) || !std::isfinite(methode)) return;
  // A new length or a new method gives a new evaluation of the same file.
  if (laenge == Sondenlaenge && methode == TRT_Methode) return;
  Sondenlaenge = laenge;
  TRT_Methode = methode;
  ESondenlaenge->setText(FixedText(Sondenlaenge, 1));
  TRTClick();
}

void TForm1::EMitteltemChange() {
  Jahresmitteltemp = R(EMitteltem);
  EJahresmitteltemp->setText(FixedText(Jahresmitteltemp, 1));
  Button14Click();
}

void ConnectTRTHandlers(TForm1* f) {
  // A date and time fit in full.
  for (QLineEdit* e : {f->ETRTStart, f->ETRTEnd}) e->setMinimumWidth(e->fontMetrics().horizontalAdvance("28/12/2011 16:28") + 12);
  QObject::connect(f->TRT, &QAction::triggered, f, &TForm1::TRTClick);
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
