#include "input/QEBInput_dokumente.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <filesystem>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Bild.h"
#include "platform/Jpeg.h"
#include "platform/Mail.h"
#include "platform/Platform.h"
#include "shell/Info.h"
#include "shell/Sprachen.h"

namespace qeb {

namespace fs = std::filesystem;

const char* const kKartenHost = "https://map.geo.admin.ch";
const char* const kKantonHost = "https://maps.zh.ch";
const char* const kGeomolHost = "https://viewer.geomol.ch";
const char* const kGeomolAnsicht = "5f1f3c9d8e2b4a6c7d0e1f2a3b4c5d6e";

std::string GespeichertesProjekt;
std::string GespeicherterPlan;

namespace {

void Oeffnen(const std::string& ziel) { UI().ShellOpen(ziel); }

// New-frame coordinates (7 digits) become the old frame.
void AlterRahmen() {
  if (x_koord > 1999999 && x_koord < 2999999) x_koord -= 2000000;
  if (y_koord > 999999 && y_koord < 1999999) y_koord -= 1000000;
}

std::string Text(const QLineEdit* e) { return e->text().trimmed().toStdString(); }

// Controls into the shared state, the old frame, and back into the controls.
void Koordinaten() {
  Form1->EingabenUebernehmen();
  AlterRahmen();
  Form1->EingabenAnzeigen();
}

bool National() { return x_koord > 400000 && x_koord < 800000 && y_koord > 50000 && y_koord < 400000; }
bool Kanton() { return x_koord > 668000 && x_koord < 717000 && y_koord > 223000 && y_koord < 284000; }

std::string Swisstopo(const std::string& vor, const std::string& nach, const std::string& ersatzE,
                      const std::string& ersatzN) {
  Koordinaten();
  const bool hier = National();
  const std::string x = hier ? Text(Form1->Ex_koord) : ersatzE, y = hier ? Text(Form1->Ey_koord) : ersatzN;
  const std::string seite = std::string(kKartenHost) + "/?" + vor + "&E=" + (hier ? "2" : "") + x + "&N=" +
                            (hier ? "1" : "") + y + nach;
  Oeffnen(seite);
  return seite;
}

const char* const kTektonik =
    "topic=geol&lang=de&bgLayer=voidLayer&layers=ch.swisstopo.geologie-geocover,ch.swisstopo.geologie-geologischer_"
    "atlas,ch.swisstopo.geologie-geologische_karte,ch.swisstopo.geologie-tektonische_karte&layers_opacity=0.75,0.75,"
    "1,1&catalogNodes=1786,1787&layers_visibility=";

// Street and place end up on one line of the project file: no field or line
// separators in them.
std::string Bereinigt(const std::string& s) {
  std::string r;
  for (char c : s)
    if (c != '\t' && c != '|' && c != '\r' && c != '\n') r += c;
  return r;
}

// A picture that cannot be read, or is too large, says so and gives nothing.
QImage Bildladen(const std::string& datei) {
  QImage b;
  std::string grund;
  if (!BildLesen(datei, b, grund)) {
    Message(grund);
    return QImage();
  }
  return b;
}

}  // namespace

// ---------------- manuals and courses ----------------

void Handbuch1Click() { Oeffnen(std::string(kHerstellerWebseite) + "/download/Bed_QEB55.pdf"); }
void Manual1Click() { Oeffnen(std::string(kHerstellerWebseite) + "/download/Bed_QEB55_Eng.pdf"); }
void Kurse1Click() { Oeffnen(std::string(kHerstellerWebseite) + "/qeb_einsteigerkurse.html"); }
void Kurse21Click() { Oeffnen(std::string(kHerstellerWebseite) + "/qeb_expertenkurse.html"); }

void PDFWaehlen(int n) {
  if (n < 1 || n > 3) return;
  const std::string datei = UI().OpenFileName("PDF|*.pdf", Programmverzeichnis);
  if (datei.empty()) {
    Message(" Keine Daten eingelesen / No input ");
    PdfVorhanden[n] = false;
    return;
  }
  PdfDatei[n] = datei;
  PdfVorhanden[n] = true;
}

void PDFOeffnen(int n) {
  if (n < 1 || n > 3) return;
  if (PdfVorhanden[n]) {
    Oeffnen(PdfDatei[n]);
  } else {
    PDFWaehlen(n);
  }
}

// ---------------- map viewers ----------------

std::string FelstiefeClick() {
  return Swisstopo(
      "topic=geol&lang=de&bgLayer=ch.swisstopo.pixelkarte-grau&layers=ch.swisstopo.geologie-geocover,ch.swisstopo."
      "geologie-felsoberflaeche_hoehenmodell,ch.swisstopo.geologie-lockergestein_maechtigkeitsmodell&layers_opacity="
      "0.75,0.75,0.75&catalogNodes=1786,1855,1811,1787,1799,1856,1812,1818",
      "&zoom=6&layers_visibility=false,false,true", "2670000", "1210000");
}

std::string GA1Click() {
  return Swisstopo(
      "topic=geol&lang=de&bgLayer=voidLayer&layers=ch.swisstopo.geologie-geocover,ch.swisstopo.geologie-geologischer_"
      "atlas,ch.swisstopo.geologie-geologischer_atlas_profile&layers_opacity=0.75,0.75,1&catalogNodes=1786,1787,1802,"
      "15143&layers_visibility=false,true,true",
      "&zoom=8", "2680000", "1250000");
}

std::string Tektonik1Click() {
  return Swisstopo(std::string(kTektonik) + "false,false,false,true", "&zoom=4", "2645794.35", "1220258.68");
}

std::string Geologie1Click() {
  return Swisstopo(std::string(kTektonik) + "false,false,true,false", "&zoom=4", "2645794.35", "1220258.68");
}

std::string Geologiedaten1Click() {
  return Swisstopo(
      "lang=de&topic=ech&bgLayer=voidLayer&layers=ch.swisstopo.geologie-geologischer_atlas,ch.swisstopo.geologie-"
      "gisgeol-punkte,ch.swisstopo.geologie-geologischer_atlas_profile",
      "&zoom=8", "2600000", "1200000");
}

std::string Karte1Click() {
  return Swisstopo("lang=de&topic=ech&bgLayer=ch.swisstopo.pixelkarte-farbe,,,,", "&zoom=8", "2600000", "1200000");
}

std::string Vogel1Click() {
  return Swisstopo(
      "topic=swisstopo&lang=de&bgLayer=ch.swisstopo.pixelkarte-farbe&layers=ch.swisstopo.swissimage-product&layers_"
      "timestamp=current",
      "&zoom=13", "2600000", "1200000");
}

std::string QEBZH1Click() {
  Koordinaten();
  const std::string seite =
      Kanton() ? std::string(kKantonHost) + "/?topic=AwelGSWaermewwwZH&scale=2000&x=" + Text(Form1->Ex_koord) +
                     "&y=" + Text(Form1->Ey_koord) + "&offlayers=bezirkslabels"
               : std::string(kKantonHost) + "/?topic=AwelGSWaermewwwZH&scale=25000&x=683000&y=248000&offlayers=bezirkslabels";
  Oeffnen(seite);
  return seite;
}

std::string FelsZH1Click() {
  Koordinaten();
  const std::string x = Kanton() ? "2" + Text(Form1->Ex_koord) : "2683000";
  const std::string y = Kanton() ? "1" + Text(Form1->Ey_koord) : "1247000";
  const std::string seite = std::string(kKantonHost) + "?topic=AwelGWFelsZH&scale=10000&x=" + x + "&y=" + y +
                            "&srid=2056&offlayers=felsoberflaeche%2Cfelsoberflaeche_hill&onlayers=lockergestein%"
                            "2Caufgeschlossener_fels%2Cisohypsen10%2Cisohypsen50";
  Oeffnen(seite);
  return seite;
}

std::string WasserZH1Click() {
  Koordinaten();
  const std::string x = Kanton() ? "2" + Text(Form1->Ex_koord) : "2683000";
  const std::string y = Kanton() ? "1" + Text(Form1->Ey_koord) : "1247000";
  const std::string seite = std::string(kKantonHost) + "?topic=AwelGrundWaMWwwwZH&scale=10000&x=" + x + "&y=" + y +
                            "&srid=2056&offlayers=bezirkslabels";
  Oeffnen(seite);
  return seite;
}

std::string Geomol1Click() {
  const std::string seite = std::string(kGeomolHost) + "/webgui/gui2.php?viewHash=" + kGeomolAnsicht;
  Oeffnen(seite);
  return seite;
}

void LandkartenClick() {
  Form1->EingabenUebernehmen();
  const auto ganz = [](const std::string& s, long lo, long hi) {
    const auto v = ParseInteger(Trim(s));
    return v && *v >= lo && *v <= hi ? static_cast<int>(*v) : 0;
  };
  if (x_koord == 0) {
    x_koord = ganz(UI().InputBox("Koordinaten Projekt", "x-Koordinate (z.B. 600000 für Bern)", ""), 400000, 800000);
  } else if (x_koord > 1999999 && x_koord < 2999999) {
    x_koord -= 2000000;
  }
  if (y_koord == 0) {
    y_koord = ganz(UI().InputBox("Koordinaten Projekt", "y-Koordinate (z.B. 200000 für Bern)", ""), 50000, 400000);
  } else if (y_koord > 999999 && y_koord < 1999999) {
    y_koord -= 1000000;
  }
  if (Projektstrasse.empty())
    Projektstrasse = Utf8ToWin1252(Bereinigt(UI().InputBox("Projekt-Adresse", "Strasse / Nr. ", "")));
  if (Projektort.empty()) Projektort = Utf8ToWin1252(Bereinigt(UI().InputBox("Projekt-Adresse", "Ort ", "")));
  Form1->EingabenAnzeigen();
  FelstiefeClick();
  Geologie1Click();
  Geologiedaten1Click();
  Karte1Click();
  Vogel1Click();
  if (Kanton()) {
    QEBZH1Click();
    FelsZH1Click();
    WasserZH1Click();
  }
}

// ---------------- picture and logo ----------------

void BildZeigen(const QImage& bild) {
  QLabel* s2 = Form1->s2;
  const int H = bild.height(), W = bild.width();
  const double ratio = W > 1 ? static_cast<double>(H) / W : 1.0;
  s2->setScaledContents(false);
  int breite = W, hoehe = H;
  if (H > kVorschauHoehe) {
    breite = static_cast<int>(RoundHalfEven(kVorschauHoehe / ratio));
    hoehe = kVorschauHoehe;
  }
  s2->setScaledContents(H >= kVorschauHoehe);
  s2->setFixedSize(breite, hoehe);
  s2->setPixmap(QPixmap::fromImage(bild));
}

void BildeinlesenClick() {
  const std::string datei = UI().PictureFileName(Beschriftung(889, "Bilder") + " (*.jpg;*.bmp)|*.jpg;*.JPG;*.bmp;*.BMP", Programmverzeichnis);
  if (datei.empty()) return;
  const QImage b = Bildladen(datei);
  if (b.isNull()) return;  // an unreadable picture changes nothing
  BildZeigen(b);
  BildGeladen = true;
  const std::string ext = fs::path(datei).extension().string();
  BildIstBitmap = ext == ".bmp" || ext == ".BMP";
  Projektbild = b.copy();
  ProjektbildGeladen = true;
  Form1->Button19->show();
}

void ClipboardEinlesenClick() {
  const QImage b = QApplication::clipboard()->image();
  if (b.isNull()) return;
  if (const std::string zuGross = BildZuGross("Zwischenablage / clipboard", b.width(), b.height()); !zuGross.empty()) {
    Message(zuGross);
    return;
  }
  BildZeigen(b);
  BildGeladen = true;
  BildIstBitmap = true;
  Projektbild = b.copy();
  if (!FeldKopieErstellt) ProjektbildGeladen = true;
  Form1->Button19->show();
}

void LogoClick() {
  const std::string datei = UI().PictureFileName("JPEG (*.jpg)|*.jpg;*.JPG", Programmverzeichnis);
  const QImage b = datei.empty() ? QImage() : Bildladen(datei);
  if (b.isNull()) {
    LogoGeladen = false;
    return;
  }
  Form1->s6->setPixmap(QPixmap::fromImage(b));
  LogoGeladen = true;
  Form1->Logobild = QPixmap::fromImage(b.copy());
}

// ---------------- support mail ----------------

bool SendeSupportMail(const std::string& an, const std::string& betreff, const std::string& text,
                      const std::string& anhang) {
  std::string fehler;
  if (Mailprogramm().Verfassen(an, betreff, text, anhang, fehler)) return true;
  Message(fehler);
  return false;
}

void Button18Click() {
  // The mail carries the project as it was saved just now, or nothing.
  if (!Form1->ToolButtonSpeichernClick()) return;
  GespeichertesProjekt = GespeichertUnter;
  GespeicherterPlan = ProjektBasis(GespeichertUnter) + ".map";
  if (!SendeSupportMail(kSupportAdresse, "Support-Anfrage für QEB-Berechnung", "Gespeicherte Datei aus QEB-Berechnung",
                        GespeichertesProjekt))
    return;
  if (mitPlan)
    SendeSupportMail(kSupportAdresse, "Support-Anfrage für QEB-Berechnung", "MAP-Datei der QEB-Berechnung",
                     GespeicherterPlan);
}

void DokumenteVerbinden(TForm1* f) {
  const auto an = [f](QAction* a, auto fn) { QObject::connect(a, &QAction::triggered, f, [fn] { fn(); }); };
  an(f->Handbuch1, Handbuch1Click);
  an(f->Manual1, Manual1Click);
  an(f->Kurse1, Kurse1Click);
  an(f->Kurse21, Kurse21Click);
  an(f->PDFFile1, [] { PDFWaehlen(1); });
  an(f->PDFFile2, [] { PDFWaehlen(2); });
  an(f->PDFFile3, [] { PDFWaehlen(3); });
  an(f->PDFFile12, [] { PDFOeffnen(1); });
  an(f->PDFFile22, [] { PDFOeffnen(2); });
  an(f->PDFFile31, [] { PDFOeffnen(3); });
  an(f->Felstiefe, FelstiefeClick);
  an(f->GA1, GA1Click);
  an(f->Tektonik1, Tektonik1Click);
  an(f->Geologie1, Geologie1Click);
  an(f->Geologiedaten1, Geologiedaten1Click);
  an(f->Karte1, Karte1Click);
  an(f->Vogel1, Vogel1Click);
  an(f->QEBZH1, QEBZH1Click);
  an(f->FelsZH1, FelsZH1Click);
  an(f->WasserZH1, WasserZH1Click);
  an(f->Geomol1, Geomol1Click);
  an(f->Support1, Button18Click);
  QObject::connect(f->Landkarten, &QPushButton::clicked, f, [] { LandkartenClick(); });
  QObject::connect(f->Bildeinlesen, &QPushButton::clicked, f, [] { BildeinlesenClick(); });
  QObject::connect(f->ClipboardEinlesen, &QPushButton::clicked, f, [] { ClipboardEinlesenClick(); });
  QObject::connect(f->Logo, &QPushButton::clicked, f, [] { LogoClick(); });
  QObject::connect(f->Button18, &QPushButton::clicked, f, [] { Button18Click(); });
}

}  // namespace qeb
