#include "results/Result.h"

#include <QHideEvent>
#include <QLabel>
#include <QLayout>
#include <QMetaObject>
#include <QShowEvent>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput_project.h"
#include "widgets/TableData.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Sia.h"
#include "shell/Sprachen.h"

namespace qeb {

TResultat* Resultat = nullptr;

double QStromWP = 0.0;
double QStromSondenpumpe = 0.0;
double QWaermeWP = 0.0;
double SummeQZusatz = 0.0;
double SummeQHilf = 0.0;
double QIstMax = 0.0, QIstMin = 0.0;
double QSollMax = 0.0, QSollMin = 0.0;
double EnergieKaeltemaschine = 0.0;
double EnergieWRG = 0.0;
double QTABS = 0.0;
double Kuehlbedarf = 0.0;
double QFreecooling = 0.0;
double MonatsenergieSonde[13] = {};
int Vollaststunden = 0;
int StundenUeberSoll = 0;
double COPmittel = 0.0;
double JAZ = 0.0;
bool ResultatScalePending = false;

namespace {

Berechnungsfunktion g_berechnung = nullptr;
constexpr int kBreite = 260;  // widest caption of a row, pixels

// The main window's calculation command, when it is there.
bool Berechnungsbefehl() {
  return Form1 != nullptr && QMetaObject::invokeMethod(Form1, "Button14Click", Qt::DirectConnection);
}

void SetShown(std::initializer_list<QWidget*> ws, bool shown) {
  for (QWidget* w : ws)
    if (w != nullptr) w->setHidden(!shown);
}

// A division whose divisor may be 0 gives 0, as the summary shows it.
double Anteil(double zaehler, double nenner) { return nenner != 0.0 ? zaehler / nenner : 0.0; }

void Zahl(QLineEdit* e, double v, int dezimalen) {
  // Every figure here comes from guarded divisions; a non-finite value is a
  // fault of the run, shown as 0 rather than as "inf".
  e->setText(FixedText(std::isfinite(v) ? v : 0.0, dezimalen));
}
void Ganz(QLineEdit* e, long long v) { e->setText(IntText(v)); }

}  // namespace

void SetBerechnung(Berechnungsfunktion f) { g_berechnung = f; }

void LaufergebnisseUebernehmen() {
  // Yearly heat-pump figures of the last simulated year, from its hourly
  // records, so that they match QHeizSumme of the same year.
  const int schritte = std::clamp(SchritteProJahr, 0, kStunden);
  const double dt = Zeitschritt / 60.0;
  double strom = 0.0, waerme = 0.0;
  int heizstunden = 0;
  for (int h = 1; h <= schritte; ++h) {
    const double q = QStunde[h];
    if (q <= 0.0) continue;
    ++heizstunden;
    if (WP) {
      const double cop = HeatPumpCharacteristic(TSourceStunde[h], COP_5, COP_0, COP5, COP10, COP15);
      const double el = cop > 1.0 ? q / (cop - 1.0) * dt : 0.0;
      strom += el;
      waerme += q * dt + el;
    }
  }
  if (Lastprofil2 && !WP) {
    // A load profile is built from the heat pump's energies and their COPs:
    // its electricity follows from them.
    auto el = [](double energie, double cop) { return cop > 0.0 ? energie / cop : 0.0; };
    strom = el(Jahresheizlast + Heizbandlast, COP_Heizlast) +
            el(Heizleistung_Vollast * 24.0 * TageVollast, COP_Volllast) + el(HeizlastWW, COP_WW);
    waerme = JahresheizlastTotal;
  }
  QStromWP = strom;
  QWaermeWP = waerme;
  QStromSondenpumpe = Sondenpumpe / 1000.0 * heizstunden * dt;

  for (int m = 1; m <= 12; ++m) MonatsenergieSonde[m] = QHeizMonat[m] + QKuehlMonat[m];
  MonatsenergieSonde[0] = 0.0;
  QIstMax = QSourceMax;
  QIstMin = QSourceMin;
  QSollMax = QLuftMax;
  QSollMin = QLuftMin;
  // Sums the module keeps over the whole run.
  SummeQZusatz = SummeZusatzwaerme;
  SummeQHilf = SummeKesselwaerme;
  EnergieKaeltemaschine = QKaeltemaschineSumme;
  EnergieWRG = QWRGSumme;
  StundenUeberSoll = StundenUeberTZulSoll;
  QTABS = KreisEnergieSumme;
  Kuehlbedarf = KuehlbedarfSumme;
  QFreecooling = QFreecoolingSumme;
  Vollaststunden = Betriebsstunden;
}

#define QEB_WINDOW TResultat
#define QEB_TABLE_FILE "results/Result_controls.inc"
#include "widgets/WindowTables.inc"

TResultat::TResultat(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Resultat"));
  setWindowTitle(QStringLiteral("Resultate Programm QEB"));
  setProperty("titleTags", QVariantList{841});
  BuildFromTables(this, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
  // One line per caption: the rows stay as high as their edits.
  for (const ControlSpec& c : Tables().controls) {
    if (c.kind != ctl::Label) continue;
    if (auto* l = findChild<QLabel*>(QString::fromUtf8(c.name))) {
      // Only captions longer than a column break, at blanks: in German a few,
      // in the languages switched to later more.
      l->setProperty("wrapWidth", kBreite);
      SetCaption(l, QString::fromUtf8(c.caption));
    }
  }
  for (QLineEdit* e : {EAktuelleDatei, EProjektname, EBeschreibung, EAnmerkungen, EErsteller}) e->setMinimumWidth(280);
  connect(Button1, &QPushButton::clicked, this, &TResultat::StartGrafik);
  connect(Button3, &QPushButton::clicked, this, &TResultat::StartGrafik);
  connect(Button2, &QPushButton::clicked, this, &TResultat::SchliessenClick);
  connect(Schliessen, &QPushButton::clicked, this, &TResultat::SchliessenClick);

  // The size the rows need, within the screen found at start.
  QSize s = sizeHint();
  if (ScreenWidthAtStart > 0 && ScreenHeightAtStart > 0)
    s = s.boundedTo(QSize(ScreenWidthAtStart, ScreenHeightAtStart - 40));
  resize(s);
}

void TResultat::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (e->spontaneous()) return;
  automatischeLaeufe_ = 0;
  aktuell();
}

void TResultat::setVisible(bool visible) {
  const bool offen = visible && isVisible();
  QWidget::setVisible(visible);
  if (offen && !inAktuell_) {
    automatischeLaeufe_ = 0;
    aktuell();
    // Asked for again, it comes to the front where the user looks for it.
    raise();
    activateWindow();
  }
}

void TResultat::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  if (!e->spontaneous()) automatischeLaeufe_ = 0;
}

void TResultat::StartGrafik() {
  if (Form1 != nullptr) Form1->EingabenUebernehmen();
  if (Form4 != nullptr) Form4->show();
  if (g_berechnung != nullptr) {
    g_berechnung();
  } else {
    Berechnungsbefehl();
  }
  if (Form1 != nullptr) Form1->EingabenAnzeigen();
  aktuell();
}

void TResultat::Input() {
  if (Form1 != nullptr) {
    Form1->EingabenUebernehmen();
    Form1->show();
    Form1->EingabenAnzeigen();
  }
  aktuell();
}

void TResultat::SchliessenClick() {
  close();
  if (Form4 != nullptr) Form4->close();
}

void TResultat::aktuell() {
  // 1. Scaling to the window-scale level, once.
  if (ResultatScalePending && WindowScaleLevel == 3) {
    FormSkalieren(this, static_cast<int>(std::lround(ScreenWidthAtStart * 0.8 * 0.8)),
                  static_cast<int>(std::lround(ScreenHeightAtStart * 0.8 * 0.8)));
    ResultatScalePending = false;
  }
  LaufergebnisseUebernehmen();
  // The figures of the load profile belong to a run of that profile; a run
  // of the whole plant reports its own hours.
  const bool profil = Lastprofil2 && !Systemsimulation;
  const bool bedarf = profil || WP;
  if (auto* l = findChild<QLabel*>(QStringLiteral("Waermebedarf"))) l->setVisible(bedarf);
  if (auto* l = findChild<QLabel*>(QStringLiteral("Waermeentzug"))) l->setVisible(!bedarf);

  // 2. Identification.
  // The project the engineer opened or saved, not the run's scratch input.
  EAktuelleDatei->setText(Projektdateiname.empty() ? FromBytes(Inputfile)
                                                   : QString::fromUtf8(Projektdateiname.c_str()));
  EProjektname->setText(FromBytes(Projekttitel2));
  EBeschreibung->setText(FromBytes(Projekttitel1));
  EAnmerkungen->setText(FromBytes(Projekttitel4));
  EErsteller->setText(FromBytes(Projekttitel3));

  // 3., 4. Heat pump.
  Zahl(ESummeQZusatz, SummeQZusatz, 0);
  if (WP) {
    Zahl(ECOP_5, HeatPumpCharacteristic(-5.0, COP_5, COP_0, COP5, COP10, COP15), 2);
    Zahl(ECOP_0, HeatPumpCharacteristic(0.0, COP_5, COP_0, COP5, COP10, COP15), 2);
    Zahl(ECOP5, HeatPumpCharacteristic(5.0, COP_5, COP_0, COP5, COP10, COP15), 2);
    Zahl(ECOP10, HeatPumpCharacteristic(10.0, COP_5, COP_0, COP5, COP10, COP15), 2);
    Zahl(ECOP15, HeatPumpCharacteristic(15.0, COP_5, COP_0, COP5, COP10, COP15), 2);
    Zahl(ESondenpumpe, Sondenpumpe, 0);
    Zahl(EStromSondenpumpe, QStromSondenpumpe, 0);
  } else {
    for (QLineEdit* e : {ECOP_5, ECOP_0, ECOP5, ECOP10, ECOP15, ESondenpumpe, EStromSondenpumpe}) e->clear();
  }

  // 5. Auxiliary heater.
  if (bivalent) {
    Zahl(EKesselleistung, Kesselleistung, 1);
  } else {
    EKesselleistung->clear();
  }
  const bool kessel = bivalent && Kesselleistung != 0.0;
  SetShown({EKesselleistung, L_EKesselleistung, U_EKesselleistung}, kessel);
  if (kessel) {
    Zahl(ESummeQHilf, SummeQHilf, 0);
  } else {
    ESummeQHilf->clear();
  }

  // 6., 7. Heat and electricity.
  Zahl(EQWaerme, WP ? QWaermeWP : (profil ? JahresheizlastTotal : QHeizSumme), 0);
  Zahl(EQStrom, QStromWP, 0);
  COPmittel = QStromWP != 0.0 ? QHeizSumme / QStromWP + 1.0 : 0.0;
  JAZ = QStromWP != 0.0 ? Anteil(QHeizSumme, QStromWP + QStromSondenpumpe) + 1.0 : 0.0;
  Zahl(ECOPmittel, COPmittel, 2);
  Zahl(EJAZ, JAZ, 2);

  // 8. Ground and loads.
  // Heat put into the probes, as its caption says: the module counts it negative.
  Zahl(ESummeQKuehl, 0.0 - QKuehlSumme, 0);
  Zahl(EEnergieKaeltemaschine, EnergieKaeltemaschine, 0);
  Zahl(ESummeQHeiz, QHeizSumme, 0);
  Zahl(ETSinkMin, TSinkMin, 1);
  Zahl(ETSinkMax, TSinkMax, 1);
  Zahl(EQIstMax, profil ? MaxEntzugsleistung : QIstMax, 1);
  // The probes' largest cooling power, an amount: the module counts heat put
  // in negative.
  Zahl(EQIstMin, 0.0 - (profil ? MaxEinspeiseleistung : QIstMin), 1);
  Zahl(EQSollMax, profil ? MaxHeizleistung : QSollMax, 1);
  Zahl(EQSollMin, profil ? MaxKuehlleistung : QSollMin, 1);
  Zahl(EEtaWRG, EtaWRG, 2);
  Zahl(EEnergieWRG, EnergieWRG, 0);
  Zahl(EDTVenti, DTVenti, 1);
  Zahl(ELambdaErd, lambdaErd, 1);
  Zahl(EErdmitteltemp, Erdmitteltemp, 2);

  // 9. Mean probe load of July and August (62 days), W/m; no probe metres, no load.
  const double meter = AnzahlSonden * Sondenlaenge;
  // A load, an amount: in a summer of cooling the probes take heat in, which
  // the module counts negative.
  Zahl(EBelastung,
       meter > 0.0 ? std::fabs(MonatsenergieSonde[7] + MonatsenergieSonde[8]) / 62.0 / 24.0 * 1000.0 / meter : 0.0, 1);
  // Specific extraction: of the load profile's design, as the input window
  // shows it, when the run was that profile's; else of the run itself (its
  // extraction power, or the plant's largest hour, and the heat it took out).
  if (profil) {
    Zahl(ESpez_Entzug, SpecificExtractionPower(), 2);
    Zahl(ESpez_Entzug_kWh, SpecificExtractionEnergy(), 1);
  } else {
    Zahl(ESpez_Entzug, meter > 0.0 ? (Systemsimulation ? QIstMax : Auslegungsentzug) * 1000.0 / meter : 0.0, 2);
    Zahl(ESpez_Entzug_kWh, meter > 0.0 ? QHeizSumme / meter : 0.0, 1);
  }

  // 10., 11. Probes and run time.
  Zahl(ESondenlaenge, Sondenlaenge, 1);
  Ganz(EAnzahlSonden, AnzahlSonden);
  Ganz(EStundenUeberSoll, StundenUeberSoll);
  if (Lastprofil2) {
    EVollaststunden->clear();
  } else {
    Ganz(EVollaststunden, Vollaststunden);
  }
  // The empty edit goes with its captions.
  SetShown({EVollaststunden, L_EVollaststunden, U_EVollaststunden}, !Lastprofil2);

  // 12., 13. Pressure drop, spacing, probe diameter. The plant's run sets
  // its own flow hour by hour: its pressure drop is that of its largest flow.
  bool laminarer = laminar;
  if (Druck && Systemsimulation && AnzahlSonden > 0) {
    double mMax = 0.0;
    for (int h = 1; h <= kStunden; ++h) mMax = std::max(mMax, MassenstromStunde[h]);
    Zahl(EDruckabfallSonde, CircuitPressureDropAt(mMax / AnzahlSonden, Sondenlaenge, &laminarer), 0);
  } else if (Druck) {
    Zahl(EDruckabfallSonde, DruckabfallSonde, 0);
  }
  if (AnzahlSonden <= 1 || Sondengrafik) {
    ESondenabstand->clear();
  } else {
    Zahl(ESondenabstand, Sondenabstand, 1);
  }
  Zahl(ESondenAussenDurchmesser, Sondendurchmesser * 1000.0, 0);

  // 14., 15. Plant simulation or design loads; cooling shares.
  if (Systemsimulation) {
    // The cooling network's energy, as its caption says: cooling counts negative.
    Zahl(EQTABS, 0.0 - QTABS, 0);
    for (QLineEdit* e : {EAuslegungsentzug, EEinspeisung, EDauerlastspitze, EQSpitzeFeb}) e->clear();
    if (MaxQ) {
      Zahl(EKuehlbedarf, Kuehlbedarf, 0);
      Zahl(EDeckungsbeitrag, 100.0 * Anteil(Freecooling ? QFreecooling : QKuehlSumme, Kuehlbedarf), 1);
    } else {
      EKuehlbedarf->clear();
      EDeckungsbeitrag->clear();
    }
  } else {
    for (QLineEdit* e : {EQTABS, EKuehlbedarf, EDeckungsbeitrag}) e->clear();
    Zahl(EAuslegungsentzug, Lastprofil2 ? QSondeTeillast : Auslegungsentzug, 1);
    // The power the probes take back, as its caption says: the profile
    // holds it as injection (negative).
    Zahl(EEinspeisung, Lastprofil2 ? 0.0 - QSondeKuehlung : Einspeisung, 1);
    Ganz(EDauerlastspitze, Lastprofil2 ? TageVollast : DauerLastSpitze);
    Zahl(EQSpitzeFeb, Lastprofil2 ? QSondeVollast : QSpitzeFeb, 1);
    if (Freecooling) {
      Zahl(EKuehlbedarf, Kuehlbedarf, 0);
      Zahl(EDeckungsbeitrag, 100.0 * Anteil(QFreecooling, Kuehlbedarf), 1);
    }
  }
  // 16. The profile's cooling demand, held as injection (negative), shown as a demand.
  if (profil) Zahl(EKuehlbedarf, JahreskuehllastTotal, 0);

  // 17. No results yet: one calculation per showing, then what there is.
  if (QKuehlSumme == 0.0 && QHeizSumme == 0.0 && automatischeLaeufe_ == 0) {
    ++automatischeLaeufe_;
    StartGrafik();
    if (Form4 != nullptr) Form4->close();
    return;
  }

  // 18., 19. Recooler.
  U_EQWT->setVisible(solar || mitRueckkuehler);
  if (mitRueckkuehler) {
    Zahl(EQWT, QRueckkuehler, 0);
    Zahl(ERueckkuehlLeistung, RueckkuehlLeistung, 1);
  }
  SetShown({EQWT, ERueckkuehlLeistung, L_EQWT, L_ERueckkuehlLeistung, U_ERueckkuehlLeistung}, mitRueckkuehler);

  // 20. Solar.
  const std::initializer_list<QWidget*> solarRows = {
      EQKoll, L_EQKoll, U_EQKoll, EQKollspez, L_EQKollspez, U_EQKollspez, EWWDeckung, L_EWWDeckung, U_EWWDeckung,
      EKollektor, L_EKollektor, U_EKollektor, EAzimut, L_EAzimut, U_EAzimut, ENeigung, L_ENeigung, U_ENeigung};
  SetShown(solarRows, solar);
  if (solar) {
    double qKoll = 0.0, qWW = 0.0;
    for (int h = 1; h <= kStunden; ++h) {
      qKoll += QKollektorStunde[h];
      qWW += QwwSolarStunde[h];
    }
    Zahl(EQKoll, qKoll, 0);
    Zahl(EQKollspez, Kollektor > 0.0 ? qKoll / Kollektor : 0.0, 0);
    Zahl(EWWDeckung, qWW, 0);
    Zahl(EKollektor, Kollektor, 2);
    Zahl(EAzimut, Azimut, 1);
    Zahl(ENeigung, Neigung, 1);
    // The tilt of measured weather: its orientation is the site's own.
    if (std::fabs(Neigung - 44.9) <= 0.0001)
      SetShown({EAzimut, L_EAzimut, U_EAzimut, ENeigung, L_ENeigung, U_ENeigung}, false);
  }

  // 21. SIA 384/6, from 50 simulated years.
  if (LastYear >= 50) {
    EReg->setVisible(Lastprofil2 && !Lasteinlesen && !Aufteilung);
    SetShown({LSIA384_6, EAnforderung, ER1_4, U_EReg}, true);
    Zahl(EReg, 100.0 * SiaAnforderungsklasse(SiaKlasse), 1);
    switch (Anforderung) {
      case 2: EAnforderung->setText(QStringLiteral("(R2)")); break;
      case 3: EAnforderung->setText(QStringLiteral("(R3)")); break;
      case 4: EAnforderung->setText(QStringLiteral("(R4)")); break;
      default: EAnforderung->setText(QStringLiteral("(R1)")); break;
    }
    const bool erfuellt = SiaAnforderungErfuellt(Anforderung, LastYear, DauerLastSpitze, Lastprofil2, TSinkMin,
                                                 Auslegungsentzug, COP_Volllast, Heizleistung_Vollast,
                                                 DeltaVerdampfer) == 1;
    ESIA384_6_ja->setVisible(erfuellt);
    ESIA384_6_nein->setVisible(!erfuellt);
    // The balance ratio reads whole, "f_BHE = value %", or not at all.
    const bool fBHE = erfuellt && Lastprofil2 && !Lasteinlesen && !Aufteilung;
    SetShown({ER1_4, EReg, U_EReg}, fBHE);
  } else {
    SetShown({LSIA384_6, EAnforderung, ER1_4, U_EReg, ER1_4, ESIA384_6_ja, ESIA384_6_nein, EReg}, false);
  }

  // 22. A load profile has no heat-pump characteristic of its own: its rows go.
  // They come back for a project without one.
  SetShown({ECOPmittel, L_ECOPmittel, ECOP_5, L_ECOP_5, ECOP_0, L_ECOP_0, ECOP5, L_ECOP5, ECOP10, L_ECOP10, ECOP15,
            L_ECOP15, EJAZ, L_EJAZ, EQStrom, L_EQStrom, U_EQStrom, EStromSondenpumpe, L_EStromSondenpumpe,
            U_EStromSondenpumpe, ESondenpumpe, L_ESondenpumpe, U_ESondenpumpe},
           !Lastprofil2);

  // A stopped or refused calculation has no result: what its hours summed
  // up, or what an earlier calculation left, is not the project's.
  if (LetztesLaufergebnis != Laufergebnis::Fertig) {
    for (QLineEdit* e : {ESummeQZusatz, ESummeQHilf, EQWaerme, EQStrom, ECOPmittel, EJAZ, ESummeQKuehl,
                         EEnergieKaeltemaschine, ESummeQHeiz, ETSinkMin, ETSinkMax, EQIstMax, EQIstMin, EQSollMax,
                         EQSollMin, EEnergieWRG, EBelastung, ESpez_Entzug_kWh, EStundenUeberSoll, EVollaststunden,
                         EQTABS, EDeckungsbeitrag, EQWT, EQKoll, EQKollspez, EWWDeckung})
      e->clear();
    SetShown({ESIA384_6_ja, ESIA384_6_nein, ER1_4, EReg, U_EReg}, false);
  }

  // 23. Flow in the probe.
  Elaminar->setText(QString::fromStdString(laminarer ? Beschriftung(976, "laminar") : Beschriftung(977, "turbulent")));
  // A value or word wider than its field has widened it: the rows lay out
  // anew, inner layouts first, so no caption beside it is squeezed.
  SeitenNeuAuslegen(this);
  if (layout() != nullptr) layout()->invalidate();
}

}  // namespace qeb
