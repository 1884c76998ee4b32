// The input window's menus and the switches of its display: tabs brought
// forward, the drawn probe field, the horizontal pipe, the window zoom, the
// heat pump switched off, a new project, and the small display flags.
#include <QAction>
#include <QApplication>
#include <QPalette>
#include <QTabBar>
#include <QTabWidget>
#include <cmath>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "calc/TextIO.h"
#include "field/Sondenfeld.h"
#include "input/Bildfenster.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/QEBInput_catalog.h"
#include "input/QEBInput_handlers.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/gfunc.h"
#include "shell/QEB.h"
#include "shell/Sprachen.h"
#include "widgets/Typing.h"

namespace qeb {

namespace {

QWidget* Fenster(const char* name) {
  for (QWidget* w : ApplicationWindows())
    if (w->objectName() == QLatin1String(name)) return w;
  return nullptr;
}

void GrafikZu() {
  if (Form4 != nullptr) Form4->close();
}

void Hintergrund(QLineEdit* e, const QColor& c) {
  QPalette p = e->palette();
  p.setColor(QPalette::Base, c);
  e->setPalette(p);
}

}  // namespace

// ---------------- the drawn probe field ----------------

void TForm1::ESondengrafikClick() {
  Sondengrafik = ESondengrafik->itemIndex() == 0;
  if (Anzeigend()) return;
  if (Sondengrafik && Zaehler > 0) {
    AnzahlSonden = Zaehler;
    gfuntyp = 43;
    Sondenauswahl = 43;
    if (FeldGWerte()) g_Sondenabstand = Sondenabstand;
    if (Sondenlaenge > 0.0) Zeige(EBH, Sondenabstand / Sondenlaenge, 3);
    EingabenAnzeigen();
    Sichtbar({Eg_Sondenabstand, Tg_Sondenabstand}, false);
    Sichtbar({ESondenabstand, EBH, TBHgfunction}, true);
    EingabenUebernehmen();
  }
  if (AnzahlSonden >= 2 && !Sondengrafik && gEingabe) {
    Sichtbar({Eg_Sondenabstand, Tg_Sondenabstand}, true);
    if (Sondenlaenge > 0.0) Zeige(EBH, Sondenabstand / Sondenlaenge, 3);
    EingabenUebernehmen();
  }
}

// ---------------- horizontal pipe ----------------

void TForm1::HorizontalrohrClick() {
  if (Anzeigend()) {
    qeb::Horizontalrohr = Horizontalrohr->itemIndex() == 1;
    return;
  }
  EingabenUebernehmen();
  Sichtbar({Label415, Label414, EVerlegetiefe}, true);
  Sichtbar({Label413}, false);
  if (Horizontalrohr->itemIndex() == 1) {
    qeb::Horizontalrohr = true;
    TGrad = 0.0;
    SetTabVisible(TabSheet9, true);
    ShowTab(TabSheet9);
    if (WahlSondendurchmesser->currentIndex() == 0) {
      // A single pipe laid in a trench.
      Sondentyp = 45;
      einfachU = false;
      Rd = 0.0;
      Gegenstrom = false;
      Sondendurchmesser = 0.032;
      Bohrdurchmesser = 0.12;
      Einzelrohr = true;
      Innenrohrdurchmesser = 0.001;
      lambdaRohr = 0.44;
      Wellrohr1 = false;
      Dicke_Sondenrohr = 0.003;
      Dicke_Innenrohr = 0.0004;
      KoaxialSonde = true;
      lambdaInnenrohr = 0.0001;
      Sichtbar({Label360, EinSerie1}, false);
      Geocoax = false;
    }
    if (gfuntyp == 0) gfunction = false;
  } else {
    qeb::Horizontalrohr = false;
    if (TGrad == 0.0) TGrad = 0.03;
    SetTabVisible(TabSheet9, false);
    ShowTab(TabSheet1);
  }
  EingabenAnzeigen();
}

void TForm1::Horizontalrohr1Click() { Sichtbar({Horizontalrohr}, true); }

// ---------------- zoom ----------------

void TForm1::Zoom2Click() {
  const ScreenMetrics s = Screen();
  if (ScreenWidthAtStart == 0) ScreenWidthAtStart = s.monitorWidth;
  if (ScreenHeightAtStart == 0) ScreenHeightAtStart = s.monitorHeight;
  FormSkalieren(this, RoundToInt(ScreenWidthAtStart * 0.8), RoundToInt(ScreenHeightAtStart * 0.8));
  // The window takes 0.8 x 0.8 of the monitor, whatever its design size.
  resize(RoundToInt(ScreenWidthAtStart * 0.64), RoundToInt(ScreenHeightAtStart * 0.64));
  WindowScaleLevel = 3;
  Zoom2->setVisible(false);
}

void TForm1::Zoom3Click() {
  FormSkalieren(this, ScreenWidthAtStart, ScreenHeightAtStart);
  showMinimized();
  showMaximized();
}

// ---------------- tabs ----------------

void TForm1::Kopieren1Click() {
  GrafikZu();
  ShowTab(TabSheet1);
}
void TForm1::Einfgen1Click() {
  GrafikZu();
  ShowTab(TabSheet2);
}
void TForm1::Erde1Click() {
  GrafikZu();
  ShowTab(TabSheet3);
}
void TForm1::Info2Click() {
  GrafikZu();
  ShowTab(TabSheet7);
}
void TForm1::Parameter1Click() {
  GrafikZu();
  ShowTab(TabSheet6);
}
void TForm1::Parameter2Click() {
  SetTabVisible(TabSheet6, true);
  ShowTab(TabSheet6);
}
void TForm1::Simulation1Click() {
  SetTabVisible(TabSheet4, true);
  ShowTab(TabSheet4);
  Sichtbar({EFreecool_Max, EMinDeckungFreecooling}, true);
}
void TForm1::Rechenparameter1Click() { Simulation1Click(); }

void TForm1::Entzug1Click() {
  GrafikZu();
  SetTabVisible(Lastprofil, false);
  SetTabVisible(TabSheet5, true);
  ShowTab(TabSheet5);
  Lastprofil2 = false;
  Lastprofil2erzeugen->setItemIndex(1);
  Wrmepumpe1->setVisible(true);
  Wrmepumpe2->setVisible(true);
  EAuslegungsmassenstrom->setReadOnly(false);
  Hintergrund(EAuslegungsmassenstrom, palette().color(QPalette::Base));
  Tageslastprofil1->setVisible(false);
  Kuehlspitze->setVisible(false);
}

void TForm1::DruckClick() {
  SetTabVisible(TabSheet8, true);
  ShowTab(TabSheet8);
  Button9Click();
}

void TForm1::PageControl1Change() {
  if (Anzeigend()) return;
  const OhneEingabe keineAenderung;
  Button9Click();
}

void TForm1::Durchsatz1Click() {
  EAuslegungsmassenstrom->setReadOnly(false);
  Hintergrund(EAuslegungsmassenstrom, Qt::white);
  ShowTab(TabSheet2);
}

// ---------------- heat pump, single probe, new project ----------------

void TForm1::Wrmepumpeaus1Click() {
  if (QWidget* wp = Fenster("Form8")) {
    if (auto* modus = wp->findChild<RadioGroup*>(QStringLiteral("EWP"))) modus->setItemIndex(1);
    wp->close();
  }
  WP = false;
  Lastprofil1->setVisible(true);
  Wrmepumpeaus1->setVisible(false);
}

void TForm1::Einzelsonde1Click() {
  if (AnzahlSonden <= 1 && Zaehler <= 1) return;
  Sichtbar({ESondeNr, TSonde_Nr}, true);
  ShowTab(TabSheet1);
}

void TForm1::ESondeNrChange() {
  if (Anzeigend() || EditInArbeit(this) == ESondeNr) return;
  EingabenUebernehmen();
  if (Form5 != nullptr) {
    Form5->show();
    Form5->close();
  }
}

void TForm1::NeuClick() {
  if (Ask(" Alles löschen? / Delete all? / Effacer tous?") == kJa && VorErsetzenSpeichern()) {
    ErgebnisfensterSchliessen();
    try {
      const SpracheBleibt sprache;
      ResetToDefaults();
    } catch (const CalcError& e) {
      Message(Win1252ToUtf8(e.what()));
    }
    // The defaults keep the measured-value option for the file an open
    // reads next; a new project has no measurement of its own.
    SetMessung(false);
    // Nor a file: the replaced project's name would label the new one, and
    // its plan and test data would be written over the replaced project's.
    Projektdateiname.clear();
    GespeichertUnter.clear();
    GeoeffneteDatei.clear();
    ResponseTestBeenden(*this);
    // A new project starts from the built-in weather year, not from an
    // imported or shifted one.
    MeteonormGeladen = false;
    StandortWetterjahr();
    Sichtbar({Label308, Label309, Label318, Label317, ENeigung, EAzimut}, true);
    KlimadatenAus->setVisible(false);
    KlimadatenAus1->setVisible(false);
    EingabenAnzeigen();
    EingabenAnzeigen();
    // The defaults' load profile may differ from the one the replaced
    // project showed its tabs for.
    LastprofilSeitenZeigen();
    ProjektStandMerken();
  }
  while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
}

// ---------------- pictures and display flags ----------------

void TForm1::WrmeflussNAGRANTB99081Click() {
  if (Waermefluss_NAGRA_NTB_99_08 != nullptr) Waermefluss_NAGRA_NTB_99_08->show();
}

void TForm1::WrmeleitfhigkeitlambdaderMolasse1Click() {
  if (Form26 != nullptr) Form26->show();
}

void TForm1::Tageslastprofil1Click() { qeb::Tageslastprofil = !qeb::Tageslastprofil; }
void TForm1::mKuehlfall1Click() { Sichtbar({Label356, EmKuehl}, true); }
void TForm1::EGlattrohrClick() { Wellrohr1 = EGlattrohr->itemIndex() == 1; }
void TForm1::SondenfeldGrafikjahr1Click() { SondenfeldGrafikjahr = true; }
void TForm1::ZoomSondenfeld1Click() { Schnellstart = true; }
void TForm1::Mac1Click() { MacModus = true; }
void TForm1::Win101Click() { Win10Modus = true; }
void TForm1::Win11SnippingToolon1Click() {
  DruckTasteSetzen(true);
  DruckTasteAlt = 1;
}
void TForm1::Win11SnippingTooloff1Click() { DruckTasteSetzen(false); }

void TForm1::Button22Click() {
  ToolButtonOeffnenClick();
  // A system-simulation project is read a second time, as its dialogs need.
  if (SystemProjektGelesen) ToolButtonOeffnenClick();
}

// ---------------- bindings ----------------

void ConnectMenuHandlers(TForm1* form) {
  TForm1& f = *form;
  using H = void (TForm1::*)();
  auto menu = [&f](QAction* a, H h) { QObject::connect(a, &QAction::triggered, &f, [&f, h] { (f.*h)(); }); };
  auto click = [&f](RadioGroup* r, H h) { QObject::connect(r, &RadioGroup::click, &f, [&f, h] { (f.*h)(); }); };
  // Options whose handlers clear or convert values follow the user's pick only.
  auto pickR = [&f](RadioGroup* r, H h) { BeiWahl(r, &f, [&f, h] { (f.*h)(); }); };
  pickR(f.ESondengrafik, &TForm1::ESondengrafikClick);
  pickR(f.Horizontalrohr, &TForm1::HorizontalrohrClick);
  click(f.EGlattrohr, &TForm1::EGlattrohrClick);
  menu(f.Zoom2, &TForm1::Zoom2Click);
  menu(f.Zoom3, &TForm1::Zoom3Click);
  menu(f.Kopieren1, &TForm1::Kopieren1Click);
  menu(f.Einfgen1, &TForm1::Einfgen1Click);
  menu(f.Erde1, &TForm1::Erde1Click);
  menu(f.Info2, &TForm1::Info2Click);
  menu(f.Parameter1, &TForm1::Parameter1Click);
  menu(f.Parameter2, &TForm1::Parameter2Click);
  menu(f.Simulation1, &TForm1::Simulation1Click);
  menu(f.Rechenparameter1, &TForm1::Rechenparameter1Click);
  menu(f.Entzug1, &TForm1::Entzug1Click);
  menu(f.Lastprofil1, &TForm1::Lastprofil1Click);
  menu(f.Druck1, &TForm1::DruckClick);
  menu(f.Durchsatz1, &TForm1::Durchsatz1Click);
  menu(f.Wrmepumpeaus1, &TForm1::Wrmepumpeaus1Click);
  menu(f.Einzelsonde1, &TForm1::Einzelsonde1Click);
  BeiAenderung(f.ESondeNr, &f, [&f] { f.ESondeNrChange(); });
  menu(f.Neu, &TForm1::NeuClick);
  menu(f.WrmeflussNAGRANTB99081, &TForm1::WrmeflussNAGRANTB99081Click);
  menu(f.WrmeleitfhigkeitlambdaderMolasse1, &TForm1::WrmeleitfhigkeitlambdaderMolasse1Click);
  menu(f.Tageslastprofil1, &TForm1::Tageslastprofil1Click);
  menu(f.mKuehlfall1, &TForm1::mKuehlfall1Click);
  menu(f.Horizontalrohr1, &TForm1::Horizontalrohr1Click);
  menu(f.SondenfeldGrafikjahr1, &TForm1::SondenfeldGrafikjahr1Click);
  menu(f.ZoomSondenfeld1, &TForm1::ZoomSondenfeld1Click);
  menu(f.Mac1, &TForm1::Mac1Click);
  menu(f.Win101, &TForm1::Win101Click);
  menu(f.Win11SnippingToolon1, &TForm1::Win11SnippingToolon1Click);
  menu(f.Win11SnippingTooloff1, &TForm1::Win11SnippingTooloff1Click);
  QObject::connect(f.Button22, &QPushButton::clicked, &f, &TForm1::Button22Click);
  // The button on the probe tab opens the field editor as its menu item does.
  QObject::connect(f.Sondenfeld2, &QPushButton::clicked, &f, &TForm1::Sondenfeld1Click);
  // The layer rows follow every key typed into the segment count.
  BeiAenderung(f.EDimAxi, &f, [&f] { f.EFreecool1Change(); });
  // The pressure drop follows when the user turns to another tab.
  QObject::connect(f.PageControl1, &QTabWidget::tabBarClicked, &f, [&f](int i) {
    if (i >= 0 && i != f.PageControl1->currentIndex()) f.PageControl1Change();
  });
}

}  // namespace qeb
