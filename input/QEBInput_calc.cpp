// The calculation command of the project input window and its road: the
// checks, the one-year pre-run, the main run through the graph window's run
// driver (or, for a field sized borehole by borehole, through saving), the
// heat pump's run-hours check; the window's own quiet calculation that
// writes a project file; and the small handlers that start a calculation or
// open a window of the calculation road.
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/SystemForms.h"
#include "input/WP1.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/gfunc.h"
#include "shell/Info.h"
#include "shell/QEB.h"
#include "widgets/ErrorText.h"

namespace qeb {

namespace {

QProgressBar* Fortschritt(TForm1& f, const char* name) { return f.findChild<QProgressBar*>(QString::fromLatin1(name)); }

// A routine of a window of a later part of the program, called by name when
// that window offers it.
void RufeFallsVorhanden(QObject* o, const char* slot) {
  if (o == nullptr) return;
  const QByteArray sig = QByteArray(slot) + "()";
  if (o->metaObject()->indexOfMethod(sig.constData()) >= 0) QMetaObject::invokeMethod(o, slot, Qt::DirectConnection);
}

QWidget* FensterNamens(const char* name) {
  for (QWidget* w : ApplicationWindows())
    if (w->objectName() == QLatin1String(name)) return w;
  return nullptr;
}

int Aufgerundet(double x) {
  if (!std::isfinite(x)) return 0;
  return static_cast<int>(std::clamp(std::ceil(x), -1e6, 1e6));
}

// One pass of the window's own calculation: no drawing, no convergence
// question; Escape stops it after the user confirms. False when it did not
// run to its end (the unfinished output file is dropped then).
bool EigenerDurchgang(TForm1& f) {
  const std::string sprache = Sprache;
  for (int h = 1; h <= kStunden; ++h) QStunde[h] = 0.0;
  if (Systemsimulation) {
    // Without weather the plant cannot run, and no later pass could either.
    if (Luftfeuchte[1] == 0.0) {
      Warning(" Wetterfile noch nicht eingelesen! ");
      return false;
    }
    f.InputFileErzeugen->setItemIndex(1);
    KurveSystem1 = KurveVerteilnetz = KurveSystem2 = true;
    Leistung = false;
    Leistungsinput = false;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  struct CursorBack {
    ~CursorBack() { QApplication::restoreOverrideCursor(); }
  } cursorBack;
  QProgressBar* pb1 = Fortschritt(f, "ProgressBar1");
  pb1->setRange(0, 41);
  pb1->setValue(1);
  pb1->show();

  const bool systemAlt = Systemsimulation;
  const int lastYearAlt = LastYear;
  if ((f.InputFileErzeugen->itemIndex() == 0 && !Systemsimulation) || EingabedateiFehlt()) {
    if (!Sprungantwort) {
      Zeitschritt = 60;
      f.EZeitschritt->setText(QStringLiteral("60"));
    }
    f.EwriteFile->setItemIndex(0);
    f.EingabenUebernehmen();
    Inputfile = Inputfile2;
    LastYear = 1;
    // Written as a run of the loads writes it: its rows are the loads', not
    // the plant's; the plant is switched on again after the re-read.
    Systemsimulation = false;
    Simulate(-6);
  }
  EingabeNeuLesen(lastYearAlt, true);
  Systemsimulation = systemAlt;

  const int schritteProStunde = LaufBeginnen(lastYearAlt);

  LaufArt art;
  art.still = true;
  art.fortschritt = [pb1](int s) {
    if (s % 219 == 0) pb1->setValue(std::min(41, 1 + s / 219));
  };
  int stunde = 0;
  RunSimulationLoop(stunde, schritteProStunde, art);
  Sprache = sprache;
  if (Abbruch) {
    AbandonRun();
    return false;
  }
  Jahr = LastYear;
  readfile = true;
  Simulate(-4);
  Sprache = sprache;
  return true;
}

}  // namespace

// ---------------- the window's own calculation ----------------

void TForm1::Schreiben(const std::string& fileName) {
  EwriteFile->setItemIndex(0);
  writefile = true;
  StepWrite = 1;
  EStepwrite->setText(QStringLiteral("1"));
  Outputfile = fileName;
}

bool TForm1::Rechnen() {
  const bool laengeAlt = Laenge_berechnen;
  int i = 0;
  if (Laenge_im_Feld) SondeNr = 0;
  std::fill(std::begin(Sondenbelastung), std::end(Sondenbelastung), 0.0);
  // Neighbour boreholes only influence the ground: the load is shared by the plant's own.
  int anlagensonden = 0;
  for (int k = 1; k <= std::min(Zaehler, 600); ++k)
    if (!Nachbarsonde[k]) ++anlagensonden;
  QProgressBar* pb2 = Fortschritt(*this, "ProgressBar2");
  const bool feld = Laenge_im_Feld && Sondengrafik;
  pb2->setRange(0, feld ? std::clamp(Zaehler, 0, 600) + 1 : 1);
  pb2->setValue(0);
  pb2->show();
  Abbruch = false;
  LetztesLaufergebnis = Laufergebnis::Fertig;
  SizingNichtKonvergiert = false;
  LaufWache wache;
  const double laengeEingabe = Sondenlaenge;
  const QString laengeText = ESondenlaenge->text();
  ExtremeDerLetztenRechnung extreme;
  const LaufEingaben eingaben;

  SizingOhneZiel ohneZiel;
  bool ok = true;
  // One pass; false when it was refused or stopped.
  auto lauf = [&]() {
    extreme.Merken();
    bool r = false;
    try {
      r = EigenerDurchgang(*this);
    } catch (const CalcError& e) {
      // The run's files are dropped; an earlier output stays as it was.
      AbandonRun();
      Message(CalcErrorText(e).toStdString());
      r = false;
    }
    extreme.OhneStundenZurueck();
    return r;
  };
  do {
    int durchgang = 1;
    ++i;
    // Every borehole is sized from the length the user asked for.
    Laenge_berechnen = laengeAlt;
    if (Laenge_im_Feld) SondeNr = (Sondengrafik && i <= Zaehler && i <= 600) ? SondeNr + 1 : 0;
    ESondeNr->setText(IntText(SondeNr));
    pb2->setValue(std::min(pb2->maximum(), pb2->value() + 1));
    const bool nachbar = SondeNr > 0 && SondeNr <= 600 && Nachbarsonde[SondeNr];
    if (!nachbar) {
      double gerechnet = Sondenlaenge, tGerechnet = TSinkMin;
      bool amRand = false;
      do {
        gerechnet = Sondenlaenge;
        ok = lauf();
        if (!ok) break;
        tGerechnet = TSinkMin;
        if (Laenge_berechnen) {
          const double d = TSinkMin - MinSondentemp;
          // The graph window's sizing tolerance: a length it found meets the
          // limit here too, and a save keeps it.
          if (std::fabs(d) < 0.05) {
            Laenge_berechnen = false;
          } else if (!Laengenschritt(d)) {
            // The next length would leave the lengths a probe can have.
            amRand = true;
            ++durchgang;
            break;
          }
        }
        ++durchgang;
        ESondenlaenge->setText(FixedText(Sondenlaenge, 1));
      } while (Laenge_berechnen && durchgang <= 22);
      if (!ok) break;
      if (Laenge_berechnen) {
        // The limit was not met: the project keeps the length entered, and
        // the file this calculation writes is a run of that length, not of
        // the last one the sizing tried.
        SizingNichtKonvergiert = true;
        SizingOhneZielMerken(ohneZiel, gerechnet, tGerechnet, durchgang - 1, amRand);
        Laenge_berechnen = false;
        Sondenlaenge = laengeEingabe;
        ESondenlaenge->setText(laengeText);
        ok = lauf();
        if (!ok) break;
      }
    }
    if (Laenge_im_Feld) {
      const int idx = SondeNr == 0 ? 0 : i;
      SondenlaengeJeSonde[idx] = Sondenlaenge;
      Sondenbelastung[idx] = anlagensonden > 0 && Sondenlaenge > 0.0
                                 ? Auslegungsentzug * 1000.0 / Sondenlaenge / anlagensonden
                                 : 0.0;
      if (nachbar) Sondenbelastung[idx] = 0.0;
    }
  } while (Laenge_im_Feld && Sondengrafik && i <= Zaehler && i <= 600);

  if ((Abbruch || !ok) && laengeAlt) {
    Sondenlaenge = laengeEingabe;
    ESondenlaenge->setText(laengeText);
  }
  if (!ok) {
    // A refused or stopped calculation leaves the project as it was, and
    // no window shows curves of it or of an earlier one.
    eingaben.Zurueck();
    LetztesLaufergebnis = Abbruch ? Laufergebnis::Abgebrochen : Laufergebnis::Fehler;
    if (Form4 != nullptr) Form4->LeereAchsen();
  } else if (ohneZiel.ja) {
    Message(SizingOhneZielText(ohneZiel, laengeText));
  }
  Laenge_berechnen = laengeAlt;
  pb2->hide();
  Fortschritt(*this, "ProgressBar1")->hide();
  return ok;
}

// ---------------- one run through the graph window ----------------

bool TForm1::StartGrafik() {
  if (TRTModus) {
    RufeFallsVorhanden(this, "TRTClick");
    if (Form5 != nullptr) Form5->show();
  }
  Laenge_berechnen = C(ELaenge_berechnen);
  MinSondentemp = ValReal(EMinSondentemp->text(), Fehlercode);
  Laenge_im_Feld = C(ELaenge_im_Feld);

  // A field sized borehole by borehole is calculated by saving it.
  if (Laenge_im_Feld && Zaehler >= 2) {
    const bool ok = ToolButtonSpeichernClick();
    if (system_2 != nullptr) system_2->close();
    ESondenlaenge->setText(FixedText(Sondenlaenge, 1));
    return ok;
  }
  if (Laenge_berechnen && system_2 != nullptr) system_2->close();
  bool flagsKept = false;
  bool systemAlt = false, leistungAlt = false, leistungsinputAlt = false, lasteinlesenAlt = false;
  if (DirektkuehlungWP) {
    Lasteinlesen = InputFileErzeugen2->itemIndex() != 0;
    if (!Lasteinlesen) {
      flagsKept = true;
      systemAlt = Systemsimulation;
      leistungAlt = Leistung;
      leistungsinputAlt = Leistungsinput;
      lasteinlesenAlt = Lasteinlesen;
    }
  }
  const bool feldAlt = Laenge_im_Feld;
  std::string sprache = Sprache;
  const int fluidtyp = Fluidtyp;
  const int sondentyp = Sondentyp;
  EingabenUebernehmen();
  const double massenstrom = Massenstrom;
  Fluidtyp = fluidtyp;
  Sondentyp = sondentyp;
  Sprache = sprache;
  Laenge_im_Feld = feldAlt;
  if (flagsKept) {
    Systemsimulation = systemAlt;
    Leistung = leistungAlt;
    Leistungsinput = leistungsinputAlt;
    Lasteinlesen = lasteinlesenAlt;
  }

  Form4->close();
  Form4->show();
  const bool ok = Form4->Start();

  Massenstrom = massenstrom;
  EingabenAnzeigen();
  Sprache = sprache;
  Fluidtyp = fluidtyp;
  Sondentyp = sondentyp;
  Button9Click();
  EingabenAnzeigen();
  Sprache = sprache;
  PulldownErde();
  return ok;
}

// ---------------- the calculation command ----------------

bool TForm1::Button14Click() {
  // 1. A project without weather rows runs on the built-in weather year
  // (with the project's offset); each sum is set once it has been replaced.
  if (SummeGlobalstrahlung == 0.0) {
    UseBuiltInWeather();
    SummeGlobalstrahlung = 1.0;
  }
  if (SummeAussentemperatur == 0.0) {
    UseBuiltInWeather();
    SummeAussentemperatur = 1.0;
  }
  // 2.
  if (!Leistung && !Lasteinlesen) {
    if (Ask(" Leistungseingabe wählen? / Choose \"Heat extraction rate?\" ") == kJa) {
      Leistung = true;
      EingabenAnzeigen();
    }
  }
  // 3.
  if (mitRueckkuehler || solar) {
    EingabenUebernehmen();
    if (mKollektor < 0.2 * Auslegungsmassenstrom)
      Message(" Durchsatz Kollektor/WT sehr klein / flow rate collector very small ");
  }
  // 4.
  if (TRTModus) EingabenUebernehmen();
  // 5.
  Sprungantwort = C(ESprungantwort);
  Laenge_berechnen = C(ELaenge_berechnen);
  Laenge_im_Feld = C(ELaenge_im_Feld);

  // 6. The pre-run: one year, nothing drawn, no sizing.
  auto vorlauf = [this]() {
    Hauptlauf = false;
    // The years as the user typed them, which the state may not hold yet.
    const int lastYear = I(ELastyear);
    LastYear = 1;
    ShowInt(ELastyear, 1);
    const bool ok = StartGrafik();
    LastYear = lastYear;
    ShowInt(ELastyear, LastYear);
    Hauptlauf = true;
    return ok;
  };
  bool ok = true;
  if (!Laenge_berechnen && !Laenge_im_Feld && !Lasteinlesen && !Sprungantwort && !TRTModus) {
    ok = vorlauf();
  } else if (Laenge_berechnen || Laenge_im_Feld) {
    const bool laenge = Laenge_berechnen;
    const bool imFeld = Laenge_im_Feld;
    ELaenge_berechnen->setItemIndex(1);
    ELaenge_im_Feld->setItemIndex(1);
    Laenge_berechnen = false;
    Laenge_im_Feld = false;
    ok = vorlauf();
    Laenge_berechnen = laenge;
    Laenge_im_Feld = imFeld;
    if (laenge) ELaenge_berechnen->setItemIndex(0);
    if (imFeld) ELaenge_im_Feld->setItemIndex(0);
  }
  // A pre-run that failed or was stopped stops the whole calculation.
  if (!ok) return false;

  // 7. The main run.
  Hauptlauf = true;
  ok = StartGrafik();
  ResultatZeilenZeigen();
  if (ok && TRTModus) ok = StartGrafik();
  if (!ok) return false;

  // 8.
  double summe = 0.0;
  for (int h = 1; h <= kStunden; ++h) summe += QRueckkuehlStunde[h];
  QRueckkuehler = summe;
  ESummeQWT->setText(FixedText(QRueckkuehler, 0));

  // 9. The heat pump's daily run hours against the load.
  if (!Lastprofil2) return true;
  const double teillastAlt = Heizleistung_Teillast;
  if (Heizleistung_WW == 0.0) Heizleistung_WW = 0.01;
  int hWW = Aufgerundet(HeizlastWW / Heizleistung_WW / 365.0);
  int hMax = 0, mMax = 0;
  for (int m = 1; m <= 12; ++m) {
    if (!(Heizleistung_Teillast > 0.0)) continue;
    const int h = Aufgerundet(Heizlast[m] / Heizleistung_Teillast / DaysOfMonth(m));
    if (h > hMax) {
      hMax = h;
      mMax = m;
    }
  }
  auto nochmals = [this]() {
    const bool r = StartGrafik();
    Form4->close();
    show();
    ShowTab(Lastprofil);
    return r;
  };
  if (hMax <= 0) {
    if (Heizleistung_Vollast > 0.0 && Heizleistung_Teillast == 0.0) {
      Message(" Wärmepumpenleistung Teillast nicht definiert / Heating power for partload not defined ");
      Heizleistung_Teillast = Heizleistung_Vollast;
      EHeizleistung_Teillast->setText(FixedText(Heizleistung_Teillast, 1));
      return nochmals();
    }
    return true;
  }
  if (hWW + hMax <= 24) return true;
  Message(" Wärmepumpenleistung für diese Heizlast zu klein / Power of heatpumpe too small for this load ");
  if (Ask(" Leistung Wärmepumpen anpassen?  /  Change Power of Heatpump?  ") != kJa) return true;
  if (hWW > 8) Heizleistung_WW = HeizlastWW / 365.0 / 8.0;
  if (Heizleistung_WW == 0.0) Heizleistung_WW = 0.01;
  hWW = Aufgerundet(HeizlastWW / Heizleistung_WW / 365.0);
  if (hMax + hWW > 24 && 23.5 - hWW > 0.0)
    Heizleistung_Teillast = Heizlast[mMax] / DaysOfMonth(mMax) / (23.5 - hWW);
  Heizleistung_Teillast = std::max(Heizleistung_Teillast, teillastAlt);
  Heizleistung_Vollast = std::max({Heizleistung_Vollast, Heizleistung_Teillast, Heizleistung_WW});
  EHeizleistung_Teillast->setText(FixedText(Heizleistung_Teillast, 1));
  EHeizleistung_Vollast->setText(FixedText(Heizleistung_Vollast, 1));
  EHeizleistung_WW->setText(FixedText(Heizleistung_WW, 1));
  return nochmals();
}

// ---------------- calculations of the plant dialogs ----------------

void TForm1::Button10Click() {
  EingabenUebernehmen();
  if (Allsteps && LastYear > 30) {
    LastYear = 30;
    EingabenAnzeigen();
  }
  if (COP_Heizlast > 1.0 && Heizleistung_Vollast > 0.0)
    Auslegungsentzug = (COP_Heizlast - 1.0) * Heizleistung_Vollast / COP_Heizlast;
  if (cpSole > 0.0 && DeltaVerdampfer > 0.0) {
    Auslegungsmassenstrom = Auslegungsentzug * 1000.0 / cpSole / DeltaVerdampfer;
    EAuslegungsmassenstrom->setText(FixedText(Auslegungsmassenstrom, 3));
  }
  if (TempProfil) {
    RufeFallsVorhanden(this, "TemProfilClick");
    RufeFallsVorhanden(this, "TemProfilClick");
  }
  Laenge_berechnen = C(ELaenge_berechnen);
  MinSondentemp = ValReal(EMinSondentemp->text(), Fehlercode);
  Laenge_im_Feld = C(ELaenge_im_Feld);
  if (Laenge_im_Feld && Zaehler >= 2) {
    ToolButtonSpeichernClick();
    if (system_2 != nullptr) system_2->close();
    ESondenlaenge->setText(FixedText(Sondenlaenge, 1));
    return;
  }
  EingabenUebernehmen();
  const int lastYear = LastYear;
  LastYear = 1;
  Lasteinlesen = InputFileErzeugen2->itemIndex() != 0;
  if (!Lasteinlesen) {
    const bool s = Systemsimulation, l = Leistung, li = Leistungsinput, le = Lasteinlesen;
    Systemsimulation = false;
    Leistung = true;
    Leistungsinput = true;
    Lasteinlesen = false;
    ShowInt(ELastyear, 1);
    ShowInt(ELastyear2, 1);
    // The borehole alone with the extraction power for one year.
    StartGrafik();
    Systemsimulation = s;
    Leistung = l;
    Leistungsinput = li;
    Lasteinlesen = le;
  }
  WPdirekt_oeffnen();
  Button1->show();
  Button4->show();
  Button10->hide();
  Button11->hide();
  if (system_2 != nullptr) {
    m5 = Verdampferdurchsatz();
    system_2->Em5->setText(FixedText(m5 * 3600.0, 0));
    int code = 0;
    m3 = ValReal(system_2->Em3->text(), code);
    m4 = ValReal(system_2->Em4->text(), code);
    const double summe = m5 * 3600.0 + m3 + m4;
    system_2->EmSonde->setText(FixedText(summe, 0));
    Auslegungsmassenstrom = summe / 3600.0;
    EAuslegungsmassenstrom->setText(FixedText(Auslegungsmassenstrom, 3));
    m3 /= 3600.0;
    m4 /= 3600.0;
  }
  LastYear = 1;
  Lasteinlesen = InputFileErzeugen2->itemIndex() != 0;
  Form4->show();
  LastYear = lastYear;
  ShowInt(ELastyear, LastYear);
  ShowInt(ELastyear2, LastYear);
  Form4->close();
}

void TForm1::Button3Click() {
  Form4->close();
  static bool ersterAufruf = true;
  if (ersterAufruf) {
    ersterAufruf = false;
    DirektkuehlungWP = false;
    if (Form6 != nullptr) Form6->Vergroessern();
    if (system_2 != nullptr) system_2->Vergroessern();
  }
  const int lastYear = LastYear;
  if (Systemsimulation) LastYear = 1;
  ShowInt(ELastyear, LastYear);
  ShowInt(ELastyear2, LastYear);
  Button14Click();
  LastYear = lastYear;
  ShowInt(ELastyear, LastYear);
  ShowInt(ELastyear2, LastYear);
  if (Form6 != nullptr) {
    Form6->close();
    Form6->show();
  }
  ESondenlaenge->setText(QString::number(Sondenlaenge, 'g', 15));
}

void TForm1::WPdirekt_oeffnen() {
  const int lastYear = LastYear;
  if (Systemsimulation) LastYear = 1;
  ShowInt(ELastyear, LastYear);
  ShowInt(ELastyear2, LastYear);
  Button14Click();
  LastYear = lastYear;
  ShowInt(ELastyear, LastYear);
  ShowInt(ELastyear2, LastYear);
  DirektkuehlungWP = true;
  if (system_2 != nullptr) system_2->show();
  if (Form8 != nullptr) Form8->WPAnzeigen();
  Button1->show();
  Button10->hide();
  ESondenlaenge->setText(QString::number(Sondenlaenge, 'g', 15));
}

// ---------------- navigation ----------------

void TForm1::ResultatClick() {
  if (Ask("New calculation? / Neuberechnung ? / Nouveau calcul ?") == kJa) Button14Click();
  QWidget* resultat = FensterNamens("Resultat");
  if (resultat == nullptr) return;
  resultat->show();
  // A run of the whole plant reports the heat it took out, not a profile's demand.
  const bool bedarf = (Lastprofil2 && !Systemsimulation) || WP;
  if (auto* l = resultat->findChild<QLabel*>(QStringLiteral("Waermebedarf"))) l->setVisible(bedarf);
  if (auto* l = resultat->findChild<QLabel*>(QStringLiteral("Waermeentzug"))) l->setVisible(!bedarf);
}

void TForm1::ResultateClick() {
  if (Form2 != nullptr) Form2->exec();
}

void TForm1::Eingaben() {
  Form4->close();
  show();
  Form4->hide();
}

// ---------------- bindings ----------------

void ConnectCalculationHandlers(TForm1* f) {
  // The two progress bars of the quiet calculation sit in the command row.
  if (auto* bar = f->findChild<QWidget*>(QStringLiteral("Befehlsleiste"))) {
    for (const char* name : {"ProgressBar2", "ProgressBar1"}) {
      auto* pb = new QProgressBar(bar);
      pb->setObjectName(QString::fromLatin1(name));
      pb->setMaximumWidth(120);
      pb->setTextVisible(false);
      pb->hide();
      if (auto* row = qobject_cast<QBoxLayout*>(bar->layout())) row->insertWidget(row->count() - 1, pb);
    }
  } else {
    for (const char* name : {"ProgressBar2", "ProgressBar1"}) {
      auto* pb = new QProgressBar(f);
      pb->setObjectName(QString::fromLatin1(name));
      pb->hide();
    }
  }
  QObject::connect(f->Button14, &QPushButton::clicked, f, [f] { f->Button14Click(); });
  QObject::connect(f->Button4, &QPushButton::clicked, f, [f] { f->StartGrafik(); });
  for (QPushButton* b : {f->Button10, f->Button11, f->Button16})
    QObject::connect(b, &QPushButton::clicked, f, &TForm1::Button10Click);
  QObject::connect(f->Systemeinbindung, &QAction::triggered, f, &TForm1::Button3Click);
  QObject::connect(f->Info3, &QAction::triggered, f, &TForm1::Button3Click);
  QObject::connect(f->WPdirekt, &QAction::triggered, f, &TForm1::WPdirekt_oeffnen);
  QObject::connect(f->Result, &QPushButton::clicked, f, &TForm1::ResultatClick);
  QObject::connect(f->Resultate, &QAction::triggered, f, &TForm1::ResultatClick);
  QObject::connect(f->Resultate1, &QAction::triggered, f, &TForm1::ResultatClick);
  QObject::connect(f->Info5, &QAction::triggered, f, &TForm1::ResultateClick);
  QObject::connect(f->Button7, &QPushButton::clicked, f, &TForm1::Eingaben);
  for (QPushButton* b : {f->ToolButtonSpeichern, f->Speichern})
    QObject::connect(b, &QPushButton::clicked, f, [f] { f->ToolButtonSpeichernClick(); });
  QObject::connect(f->Speichern1, &QAction::triggered, f, [f] { f->ToolButtonSpeichernClick(); });
  QObject::connect(f->Button1, &QPushButton::clicked, f, &TForm1::Button1Click);
  for (QPushButton* b : {f->ToolButtonOeffnen, f->Button2})
    QObject::connect(b, &QPushButton::clicked, f, &TForm1::ToolButtonOeffnenClick);
  QObject::connect(f->Oeffnen1, &QAction::triggered, f, &TForm1::ToolButtonOeffnenClick);
  QObject::connect(f->Button9, &QPushButton::clicked, f, &TForm1::Button9Click);
  QObject::connect(f->SIA_Grenzwert, &QComboBox::activated, f, [f](int) { f->SIA_Grenzwert1Change(); });
  // Leaving the second circuit's probe count or the third circuit's flow after a change.
  for (QLineEdit* e : {f->EAnzahlSonden2, f->EAuslegungsmassenstrom3}) {
    QObject::connect(e, &QLineEdit::editingFinished, f, [f, e] {
      if (e->isModified()) {
        e->setModified(false);
        f->Button9Click();
      }
    });
  }
}

void TForm1::SIA_Grenzwert1Change() {
  Anforderung = SIA_Grenzwert->currentIndex() + 1;
  SIA_Grenzwert1->setText(QStringLiteral("R") + QString::number(Anforderung));
}

}  // namespace qeb
