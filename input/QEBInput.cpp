// The project input window: construction, start-up, closing, scaling and the
// Print-key setting.
#include "input/QEBInput.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QToolBar>
#include <cmath>
#include <stdexcept>

#include "calc/QEBMOD.h"
#include "input/QEBInput_project.h"
#include "widgets/Controls.h"
#include "widgets/TableData.h"
#include "widgets/Typing.h"
#include "platform/Jpeg.h"
#include "platform/Platform.h"
#include "shell/QEB.h"
#include "shell/Sprachen.h"
#include "widgets/ErrorText.h"

namespace qeb {

int Fehlercode = 0;
bool SchichtenGleichmaessig = true;
double TSinkKopie = 0.0;
double tsJahre = 0.0;
double SummeSpeicherverluste = 0.0;
double WWDeckung = 0.0;
double GW_Flaeche[4] = {};
double Darcy[4] = {};
double Richtung[5] = {};
bool Tageslastprofil = false;
bool TRTAusgewertet = false;
double AnzahlSondenKreis[4] = {};
double DruckSondeKreis[4] = {};
double DruckZulKreis[4] = {};
double ReynoldsKreis[4] = {};
bool Laminar2 = false;
bool Laminar3 = false;
bool Freecool_Max = false;
double Hoehe1 = 0.0;
// The window's name for the module's option: one variable, never a copy.
bool& TRTOhneNachlauf = TRTOption;
bool SommerRegeneration = false;
double BHgfunction = 0.0;
double SummeGraedigkeit = 0.0;
int AnzahlGraedigkeit = 0;
int ScreenWidthAtStart = 0;
int ScreenHeightAtStart = 0;
int WindowScaleLevel = 1;
int DruckTasteAlt = -1;
bool LogoGeladen = false;
bool DateiGewaehlt = false;
bool ProjektBeimZeigenOeffnen = false;
bool SystemProjektGelesen = false;
bool BeispielWirdGeladen = false;
std::string Programmverzeichnis;

TForm1* Form1 = nullptr;

void RequireControl(const void* p, const char* name) {
  if (p == nullptr) throw std::logic_error(std::string("control missing from its window: ") + name);
}

#define QEB_WINDOW TForm1
#define QEB_TABLE_FILE "input/QEBInput_controls.inc"
#define QEB_MENU_FILE "input/QEBInput_menus.inc"
#define QEB_BIND_TABS
#include "widgets/WindowTables.inc"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Eingabedaten QEB"));
  setProperty("titleTags", QVariantList{840});
  auto* body = new QWidget(this);
  body->setObjectName(QStringLiteral("Form1Body"));
  setCentralWidget(body);
  BuildFromTables(body, Tables(), menuBar(), &PageControl1);
#include "widgets/WindowBinding.inc"
  // What the user typed counts before any command of the window runs.
  BefehleFertigstellenZuerst(this, true);
  // The command buttons serve every tab: they sit in one row below the tabs.
  if (auto* cmd = findChild<QGroupBox*>(QStringLiteral("grp_g_Sonden_Befehle"))) {
    auto* bar = new QWidget(body);
    bar->setObjectName(QStringLiteral("Befehlsleiste"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* tools = addToolBar(QStringLiteral("Projekt"));
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setMovable(false);
    tools->toggleViewAction()->setProperty("tag", 295);  // "Projekt", named in every language
    for (QPushButton* b : {ToolButtonOeffnen, ToolButtonSpeichern, ToolButtonDrucken}) {
      const bool hidden = b->isHidden();
      b->setFlat(true);
      tools->addWidget(b)->setVisible(!hidden);
    }
    const auto buttons = cmd->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (QPushButton* b : buttons) {
      const bool hidden = b->isHidden();
      b->setParent(bar);
      b->setHidden(hidden);
      row->addWidget(b);
    }
    row->setSpacing(4);
    for (QPushButton* b : bar->findChildren<QPushButton*>()) b->setStyleSheet(QStringLiteral("padding: 3px 8px;"));
    // The second "Oeffnen" serves system-simulation projects; the toolbar and
    // Button2 open every other project.
    Button22->setHidden(true);
    row->addStretch(1);
    static_cast<QBoxLayout*>(body->layout())->addWidget(bar);
    delete cmd;
  }
  // Twelve tabs fit side by side at the window's design width.
  PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 7px; }"));
  connect(Kuehlspitze, &QAction::triggered, this, &TForm1::KuehlspitzeClick);
  connect(Beenden3, &QAction::triggered, this, &TForm1::Beenden3Click);
  resize(838, 602);
  ConnectCatalogHandlers(this);
  ConnectLanguageMenu(this);
  ConnectCalculationHandlers(this);
  ConnectLoadHandlers(this);
  ConnectFieldHandlers(this);
  ConnectTRTHandlers(this);
  ConnectProbeHandlers(this);
  ConnectMethodHandlers(this);
  ConnectSiteHandlers(this);
  ConnectCollectorHandlers(this);
  ConnectMenuHandlers(this);
  // The catalogues and the fluids show their whole item.
  for (QComboBox* c : {WahlSondendurchmesser, ComboFluid, CKollektorwahl}) GanzeEintraegeZeigen(c, 360);
  // One "Info" menu: the options menu (languages, examples, zoom, display
  // modes) follows the documents in it, below a separator, instead of a
  // second menu of the same name.
  if (QMenu* info = findChild<QMenu*>(QStringLiteral("Info1_menu"))) {
    if (QMenu* optionen = findChild<QMenu*>(QStringLiteral("Optionen1_menu"))) {
      info->addSeparator();
      info->addActions(optionen->actions());
      Optionen1->setVisible(false);
    }
  }
  // A group whose inputs are all hidden is not shown as an empty frame.
  LeereGruppenVerbergen(this);
}

// ---------------- lifecycle ----------------
void TForm1::Kreate() {
  if (IstWindows11()) {
    DruckTasteLesen();
    SnippingBeenden();
    Win11SnippingToolon1->setVisible(true);
    Win11SnippingTooloff1->setVisible(true);
  }
  SkipPulldownRefresh = true;
  SkipPulldownRefresh2 = true;

  StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
  try {
    const SpracheBleibt sprache;
    ResetToDefaults();
  } catch (const CalcError& e) {
    Message(CalcErrorText(e).toStdString());
  }

  if (Programmverzeichnis.empty()) Programmverzeichnis = AktuellesVerzeichnis();
  auto inDir = [](const std::string& name) {
    std::string d = Programmverzeichnis;
    if (!d.empty() && d.back() != '/') d += '/';
    return d + name;
  };
  Inputfile2 = inDir(Inputfile2);
  Outputfile = inDir(Outputfile);
  Inputfile = inDir(Inputfile);

  EingabenAnzeigen();
  PulldownErde();

  // A print logo beside the program's working files.
  if (QFile::exists(QStringLiteral("varkologo.jpg"))) {
    QImage img;
    if (LoadJpeg("varkologo.jpg", img)) {
      LogoGeladen = true;
      Logobild = QPixmap::fromImage(img);
      Logo->setHidden(false);
    } else {
      LogoGeladen = false;
    }
  }

  // The screen size at start: width is the width.
  const ScreenMetrics s = Screen();
  if (ScreenWidthAtStart == 0) ScreenWidthAtStart = s.monitorWidth;
  if (ScreenHeightAtStart == 0) ScreenHeightAtStart = s.monitorHeight;

  for (int i = 1; i < WindowScaleLevel; ++i)
    FormSkalieren(this, RoundToInt(s.monitorWidth * 0.8), RoundToInt(s.monitorHeight * 0.8));
}

void TForm1::Zeigen() {
  // "Projekt laden" in the start dialog: the window opens a project when shown.
  // Once: a window shown again later (after the graph window, a dialog)
  // must not ask for a project anew.
  if (DateiGewaehlt && ProjektBeimZeigenOeffnen) {
    ProjektBeimZeigenOeffnen = false;
    ToolButtonOeffnenClick();
  }
}

void TForm1::Zu() { CloseCompanionWindows(); }

void TForm1::Schliessen() { close(); }
void TForm1::Beenden3Click() { Schliessen(); }

void TForm1::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (!e->spontaneous()) {
    SeitenNeuAuslegen(this);
    Zeigen();
  }
}

void TForm1::closeEvent(QCloseEvent* e) {
  if (e->spontaneous()) {
    // A close request of the desktop (the close box, which window managers
    // draw even where it is greyed, or Alt+F4) is the window's own
    // "Schliessen": it asks whether to quit (and to save); No keeps the
    // window open, Yes ends the program the way "Schliessen" does.
    e->ignore();
    Button1Click();
    return;
  }
  Zu();
  e->accept();
}

void TForm1::SetCloseBoxGreyed(bool greyed) {
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowCloseButtonHint, !greyed);
  if (shown) show();  // changing the flags hides a shown window
}

// ---------------- scaling ----------------
void FormSkalieren(QWidget* form, int designWidth, int designHeight) {
  const ScreenMetrics s = Screen();
  if ((s.width == designWidth && s.height == designHeight) || designWidth <= 0 || designHeight <= 0) return;
  const int frameH = form->frameGeometry().height() - form->height();
  const int frameW = form->frameGeometry().width() - form->width();
  const int h = form->height() * s.height / designHeight + frameH;
  const int w = form->width() * s.width / designWidth + frameW;
  QFont f = form->font();
  const double scale = static_cast<double>(s.width) / designWidth;
  if (f.pointSizeF() > 0) {
    f.setPointSizeF(f.pointSizeF() * scale);
  } else if (f.pixelSize() > 0) {
    f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * scale)));
  }
  form->setFont(f);
  form->resize(std::max(1, w - frameW), std::max(1, h - frameH));
}

bool Standard96Dpi() { return Screen().pixelsPerInch == 96.0; }

// ---------------- the Print key ----------------
bool IstWindows11() {
  const OsVersion v = Desktop().Version();
  return v.ok && v.major == 10 && v.build >= 22000;
}
void ProzessBeenden(const std::string& exeName) { Desktop().EndProcesses(exeName); }
void DruckTasteLesen() {
  int v = 0;
  DruckTasteAlt = Desktop().ReadPrintKey(v) ? v : -1;
}
void DruckTasteAus() { Desktop().WritePrintKey(0); }
void DruckTasteSetzen(bool on) { Desktop().WritePrintKey(on ? 1 : 0); }
void DruckTasteZurueck() {
  if (DruckTasteAlt != -1) {
    Desktop().WritePrintKey(DruckTasteAlt);
  } else {
    Desktop().DeletePrintKey();
  }
}
void SnippingBeenden() {
  ProzessBeenden("SnippingTool.exe");
  ProzessBeenden("ScreenSketch.exe");
  DruckTasteAus();
}

// ---------------- return temperature ----------------
void TForm1::AussentempRampe() {
  // Return temperature of the hydronic circuit from the outdoor air: TRL20 up
  // to 20 °C, TRL30 above 30 °C, linear between.
  TRLStunde[0] = TRL20;
  for (int h = 1; h <= 8760; ++h) {
    const double ta = Aussentemperatur[h];
    double t = TRL20;
    if (ta > 30.0) {
      t = TRL30;
    } else if (ta >= 20.0) {
      t = TRL20 + (TRL30 - TRL20) * (ta - 20.0) / 10.0;
    }
    TRLStunde[h] = t;
  }
}

}  // namespace qeb
