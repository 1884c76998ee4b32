// Opening a project with the files that travel with it, and the tab of the
// second load profile.
#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMetaObject>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "calc/QEBMOD_run.h"
#include "calc/TextIO.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/QEBInput_trt.h"
#include "input/system2.h"
#include "platform/Bild.h"
#include "platform/Jpeg.h"
#include "platform/Platform.h"
#include "results/Gradient.h"
#include "results/Grafik.h"
#include "results/Molasse.h"
#include "results/Result.h"
#include "results/gfunc.h"
#include "results/verlauf.h"
#include "shell/Sprachen.h"

namespace qeb {

bool ProjektfeldGeladen = false;
bool MesswerteAusProjekt = false;
bool BildGeladen = false;
bool BildIstBitmap = false;
QImage Projektbild;
std::string PdfDatei[4];
bool PdfVorhanden[4] = {};
std::string TempDatei1, TempDatei2, TempDatei3;
bool TempDateiVorhanden1 = false, TempDateiVorhanden2 = false, TempDateiVorhanden3 = false;
std::string TRTProjektTrt;
std::string TRTProjektXls;
bool TRTProjektDaten = false;
std::string TRTKopieName;
bool TRTTrtVorhanden = false, TRTXlsVorhanden = false;
std::string Projektdateiname;
std::string GespeichertUnter;

namespace {
const std::vector<std::string>* g_argumente = nullptr;
// The command-line project is opened once without a dialog (at start-up);
// later "Öffnen" commands let the engineer choose, starting at it.
bool g_kommandozeileGeoeffnet = false;
}

void SetKommandozeile(const std::vector<std::string>* argumente) {
  g_argumente = argumente;
  g_kommandozeileGeoeffnet = false;
}

std::string KommandozeilenProjekt() {
  std::string erstes;
  if (g_argumente != nullptr) {
    if (g_argumente->size() > 1) erstes = (*g_argumente)[1];
  } else if (QCoreApplication::instance() != nullptr) {
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1) erstes = args.at(1).toStdString();
  }
  return FileCanBeOpened(erstes) ? erstes : std::string();
}

int VorschauBreite(int bildBreite, int bildHoehe, int normalBreite) {
  if (bildHoehe <= kVorschauHoehe || bildHoehe <= 0) return normalBreite;
  return static_cast<int>(RoundHalfEven(static_cast<double>(kVorschauHoehe) * bildBreite / bildHoehe));
}

std::vector<std::string> NachgeleseneWerte(const std::string& datei) {
  std::vector<std::string> keys;
  // Line numbers are those of the current layout only.
  if (FileVersion != FileVersionFromLine(kVersionszeile)) return keys;
  const std::vector<LineSpec>& layout = ProjectLayout();
  std::vector<std::string> zeilen(1, std::string());
  {
    LineReader in(datei);
    std::string z;
    while (zeilen.size() < layout.size() && in.Next(z)) {
      if (!z.empty() && z.back() == '\r') z.pop_back();
      zeilen.push_back(z);
    }
  }
  for (const LineSpec& s : layout) {
    if (s.cond == nullptr || s.never || s.cond()) continue;
    if (s.line <= 0 || s.line >= static_cast<int>(zeilen.size()) || s.minVersion > FileVersion) continue;
    if (s.kind != LineKind::Param && s.kind != LineKind::Multi) continue;
    const std::string& z = zeilen[static_cast<size_t>(s.line)];
    // The first whitespace-delimited numbers of the line, as the reader takes them.
    std::vector<std::string> tok;
    size_t i = 0;
    while (tok.size() < s.fields.size()) {
      while (i < z.size() && (z[i] == ' ' || z[i] == '\t')) ++i;
      if (i >= z.size()) break;
      const size_t b = i;
      while (i < z.size() && z[i] != ' ' && z[i] != '\t') ++i;
      tok.push_back(z.substr(b, i - b));
    }
    if (tok.size() < s.fields.size()) continue;
    // The whole line or nothing: every value a plain number within its range.
    std::vector<double> werte;
    for (size_t k = 0; k < s.fields.size(); ++k) {
      const Field& f = s.fields[k];
      const bool zahl = f.fmt == Fmt::E || f.fmt == Fmt::F1 || f.fmt == Fmt::F3 || f.fmt == Fmt::R || f.fmt == Fmt::I;
      if (!zahl || f.conv != Conv::Plain || f.intIsReal) break;
      const std::optional<double> v = ParseReal(tok[k]);
      if (!v || !RangeViolation(f.key, *v).empty()) break;
      if (f.fmt == Fmt::I && (*v != std::trunc(*v) || std::fabs(*v) > 2e9)) break;
      werte.push_back(*v);
    }
    if (werte.size() != s.fields.size()) continue;
    // Only the values: what the reader derives from a line it reads (the run
    // hours of a generated load profile) belongs to an option that is off.
    for (size_t k = 0; k < s.fields.size(); ++k) {
      const Field& f = s.fields[k];
      if (f.fmt == Fmt::I)
        *static_cast<int*>(f.ptr) = static_cast<int>(werte[k]);
      else
        *static_cast<double*>(f.ptr) = werte[k];
    }
    for (const Field& f : s.fields) keys.push_back(f.key);
  }
  return keys;
}

namespace {

// The file the open command has just tried (Einlesen need not try it again).
std::string g_geprueft;

// Reads the file over the project in hand: the module puts back everything a
// file it refuses had changed, so a damaged file leaves the project as it
// was. One message names the fault.
bool Probelesen(const std::string& datei) {
  if (!g_geprueft.empty() && datei == g_geprueft) {
    g_geprueft.clear();
    return true;
  }
  g_geprueft.clear();
  const SpracheBleibt sprache;
  const std::string inputAlt = Inputfile;
  const bool keep = readfile;
  const bool messungEinlesen = MessungEinlesen;
  bool gelesen = true;
  try {
    Inputfile = datei;
    readfile = true;
    // The real read starts from the defaults, under which a file's stored
    // measured rows are taken; a project on screen that has taken its own
    // would let the trial pass over this file's rows unread.
    MessungEinlesen = true;
    Simulate(-2);
  } catch (const CalcError& e) {
    Message(Win1252ToUtf8(e.what()));
    MessungEinlesen = messungEinlesen;
    gelesen = false;
  }
  Inputfile = inputAlt;
  readfile = keep;
  return gelesen;
}

}  // namespace

void ErgebnisfensterSchliessen() {
  for (QWidget* w : std::initializer_list<QWidget*>{Form4, Resultat, Form9, Form5, Form10, Form29})
    if (w != nullptr) w->close();
  // The sums of the last run are the replaced project's: the summary, asked
  // for again, calculates the new project instead of showing them.
  QHeizSumme = 0.0;
  QKuehlSumme = 0.0;
  // Nor do the graph, the course or a report, drawn again before the new
  // project is calculated, show the hours of the replaced one.
  LetztesLaufergebnis = Laufergebnis::Keine;
  if (Form4 != nullptr) Form4->LeereAchsen();
}

bool TForm1::Einlesen(const std::string& fileName) {
  const SpracheBleibt sprache;
  // The defaults come first (a file of an older version leaves the rest at
  // them): only a file the module takes may replace the project.
  if (DateiGewaehlt && !Probelesen(fileName)) return false;
  bool gelesen = true;
  try {
    Simulate(-3);
    ResponseTestBeenden(*this);
    GespeichertUnter.clear();
    auto inDir = [](const std::string& name) {
      std::string d = Programmverzeichnis;
      if (!d.empty() && d.back() != '/') d += '/';
      return d + name;
    };
    Inputfile2 = inDir("input2.qeb");
    Outputfile = inDir("Ausgabe.qeb");
    Inputfile = inDir("input.qeb");
    if (DateiGewaehlt) {
      Inputfile = fileName;
      const bool keep = readfile;
      readfile = true;
      try {
        Simulate(-2);
      } catch (...) {
        readfile = keep;
        throw;
      }
      readfile = keep;
      SystemProjektGelesen = Systemsimulation;
      // The reader passes over the values of options that are off (the inner
      // pipe of a U-tube probe, the heat-pump figures without a heat pump);
      // the window shows them, so they come back as the file holds them.
      NachgeleseneWerte(fileName);
    }
  } catch (const CalcError& e) {
    Message(Win1252ToUtf8(e.what()));
    gelesen = false;
  }
  EingabenAnzeigen();
  // The plant dialogs are read by every later transfer: they show the
  // project just read, not the one before it.
  if (Form6 != nullptr) Form6->FillSystemForm();
  if (system_2 != nullptr) system_2->FillSystemForm();
  if (StaoFehlt) {
    Message("File " + Win1252ToUtf8(StaoFile) + " not found!");
    Reserve27 = false;
  }
  return gelesen;
}

void TForm1::ToolButtonOeffnenClick() {
  // Unsaved work is offered for saving before another project replaces it.
  if (!VorErsetzenSpeichern()) return;
  // 1.
  const double messungAlt = Messung;
  const bool messwerteAlt = MesswerteAusProjekt;
  Messung = 0.0;
  MesswerteAusProjekt = true;
  if (Form4 != nullptr) Form4->close();

  // 2. The project named on the command line is opened at start-up; every
  // later open lets the engineer choose, starting at it.
  std::string file;
  const std::string kommandozeile = KommandozeilenProjekt();
  if (!kommandozeile.empty() && !g_kommandozeileGeoeffnet) {
    file = kommandozeile;
    g_kommandozeileGeoeffnet = true;
  }
  if (file.empty()) {
    for (;;) {
      file = UI().OpenFileName(Beschriftung(888, "Textdateien") + " (*.txt)",
                               kommandozeile.empty() ? Programmverzeichnis : kommandozeile);
      if (file.empty()) {
        // Cancelled: nothing is opened.
        Messung = messungAlt;
        MesswerteAusProjekt = messwerteAlt;
        if (Lastprofil2) {
          const OhneEingabe keineAenderung;
          Lastprofil1Click();
          ShowTab(TabSheet1);
        }
        return;
      }
      if (FileCanBeOpened(file)) break;
      Message(" kein Eingabefile gewählt ");
    }
  }
  // A file the module refuses changes nothing: not the project, not its
  // folder, pictures or companion names. It is tried as the one opened, so
  // that its stored hourly rows are tried too.
  const std::string geoeffnetAlt = GeoeffneteDatei;
  GeoeffneteDatei = file;
  if (!Probelesen(file)) {
    GeoeffneteDatei = geoeffnetAlt;
    Messung = messungAlt;
    MesswerteAusProjekt = messwerteAlt;
    return;
  }
  g_geprueft = file;
  ErgebnisfensterSchliessen();

  // 3.
  Programmverzeichnis = VerzeichnisVon(file);
  const std::string basis = ProjektBasis(file);
  TRTProjektTrt = basis + ".trt";
  TRTProjektXls = basis + ".xls";
  ProjektfeldGeladen = true;

  // 4. Plan, picture and logo beside the project; a picture that cannot be
  // read, or is larger than a plan may be, is skipped with a message and
  // leaves the previous one.
  std::string grund;
  if (FileCanBeOpened(basis + ".map")) {
    QImage plan;
    if (!BildLesen(basis + ".map", plan, grund)) {
      Message(grund);
    } else if (plan.save(QStringLiteral("plan.qeb"), "BMP")) {
      std::error_code ec;
      Planverzeichnis = std::filesystem::current_path(ec).string() + "/";
    }
  }
  for (const bool bitmap : {false, true}) {
    const std::string name = basis + (bitmap ? ".bmp" : ".jpg");
    if (!FileCanBeOpened(name)) continue;
    QImage bild;
    if (!BildLesen(name, bild, grund, bitmap ? "BMP" : nullptr)) {
      Message(grund);
      continue;
    }
    Projektbild = bild;
    BildGeladen = true;
    BildIstBitmap = bitmap;
    Button19->show();
  }
  if (FileCanBeOpened(Programmverzeichnis + "logo.jpg")) {
    QImage logo;
    if (BildLesen(Programmverzeichnis + "logo.jpg", logo, grund)) {
      Logobild = QPixmap::fromImage(logo);
      LogoGeladen = true;
      Logo->show();
    } else {
      Message(grund);
    }
  }

  // 5. Read the project (twice unless it simulates a plant, so that the
  // handlers the first display ran see the whole project).
  DateiGewaehlt = true;
  GeoeffneteDatei = file;
  const bool feldGeladen = ProjektfeldGeladen;
  const bool gelesen = Einlesen(file);
  ProjektGeoeffnet = gelesen;
  ProjektfeldGeladen = feldGeladen;

  // 6.
  if (Form6 != nullptr) {
    Form6->show();
    SetLanguage(Sprache);
    if (!Systemsimulation) Form6->close();
  }
  if (system_2 != nullptr) {
    system_2->show();
    SetLanguage(Sprache);
    system_2->close();
  }
  PulldownErde();

  // 7. A project that asks for sizing shows results at once: one year
  // without sizing, unless it sizes a field.
  if (Laenge_berechnen) {
    const bool ohneFeld = !Laenge_im_Feld;
    Laenge_berechnen = false;
    Laenge_im_Feld = false;
    EingabenAnzeigen();
    Hauptlauf = false;
    const int lastYear = LastYear;
    LastYear = 1;
    ShowInt(ELastyear, 1);
    if (ohneFeld) StartGrafik();
    LastYear = lastYear;
    ShowInt(ELastyear, LastYear);
    Hauptlauf = true;
    if (Form4 != nullptr) Form4->close();
    Laenge_berechnen = ohneFeld;
    Laenge_im_Feld = false;
  }

  // 8.
  EingabenAnzeigen();
  SetTabVisible(Lastprofil, Lastprofil2);
  SetTabVisible(TabSheet5, !Lastprofil2);

  // 9.
  if (TRTModus && metaObject()->indexOfMethod("TRTClick()") >= 0)
    QMetaObject::invokeMethod(this, "TRTClick", Qt::DirectConnection);
  Projektdateiname = file;
  LastprofilSeitenZeigen();

  // 10. Documents, temperature files and test data beside the project.
  for (int k = 1; k <= 3; ++k) {
    PdfDatei[k] = basis + "_" + std::to_string(k) + ".pdf";
    PdfVorhanden[k] = FileCanBeOpened(PdfDatei[k]);
  }
  TempDatei1 = basis + "_Temp1.txt";
  TempDatei2 = basis + "_Temp2.txt";
  TempDatei3 = basis + "_Temp3.txt";
  TempDateiVorhanden1 = FileCanBeOpened(TempDatei1);
  TempDateiVorhanden2 = FileCanBeOpened(TempDatei2);
  TempDateiVorhanden3 = FileCanBeOpened(TempDatei3);
  TRTTrtVorhanden = FileCanBeOpened(TRTProjektTrt);
  TRTXlsVorhanden = FileCanBeOpened(TRTProjektXls);
  TRTProjektDaten = TRTXlsVorhanden;
  if (TRTXlsVorhanden) TRTKopieName = TRTProjektXls;

  // 11.
  if (Systemsimulation && Form6 != nullptr) Form6->show();
  if (gelesen) ProjektStandMerken();
}

void TForm1::LastprofilSeitenZeigen() {
  SetTabVisible(Lastprofil, Lastprofil2);
  SetTabVisible(TabSheet5, !Lastprofil2);
  EAuslegungsmassenstrom->setReadOnly(Lastprofil2);
  QPalette p = EAuslegungsmassenstrom->palette();
  p.setColor(QPalette::Base, Lastprofil2 ? palette().color(QPalette::Window) : palette().color(QPalette::Base));
  EAuslegungsmassenstrom->setPalette(p);
}

void TForm1::Lastprofil1Click() {
  ShowTab(Lastprofil);
  SetTabVisible(TabSheet5, false);
  Lastprofil2 = true;
  Lastprofil2erzeugen->setItemIndex(0);
  Button9Click();  // the pressure drop at the flow of the new profile
  Wrmepumpe1->setVisible(false);
  Wrmepumpe2->setVisible(false);
  WP = false;
  EAuslegungsmassenstrom->setReadOnly(true);
  QPalette p = EAuslegungsmassenstrom->palette();
  p.setColor(QPalette::Base, palette().color(QPalette::Window));
  EAuslegungsmassenstrom->setPalette(p);
  Tageslastprofil1->setVisible(true);
  Kuehlspitze->setVisible(true);
}

}  // namespace qeb
