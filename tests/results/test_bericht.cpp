// The printed reports, read back from their PDF files: the main report of the
// default project and of a 50-year project with every line of the result
// block, the SIA 384/6 line only from 50 years, titles, date and page
// numbers; the course and graph reports on one page; Cancel, a failed run and
// a printer that cannot start print nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QDate>
#include <QPushButton>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/QEBMOD_plant.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "platform/Print.h"
#include "results/Bericht.h"
#include "results/Grafik.h"
#include "results/Sia.h"
#include "results/verlauf.h"
#include "shell/Sprachen.h"
#include "tests/support/pdf.h"
#include "tests/support/scratch.h"
#include "tests/support/ui_project.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

// The German wording of every text the report prints by number.
const std::map<int, std::string> kWortlaut = {
    {6, "Ja"}, {7, "Nein"}, {25, "Bohrdurchmesser [m]"}, {41, "Aussenluft - Wärmetauscher"},
    {43, "Leistung bei DT=15K (ENV 1048)"}, {48, "Dauerbetrieb Ende August"}, {49, "EER bei Vollast"},
    {50, "Kühlleistung Vollast"}, {147, "Sondendurchsatz:"}, {148, "Temperaturdifferenz über Sonde [K]"},
    {149, "Temperaturen im ungestörten Erdreich:"}, {165, "Bohrlochwiderstände:"}, {222, "Simulationsdauer [Jahre]"},
    {264, "Einspeisleistung Sonden bei Kühlbetrieb [kW]"}, {312, "Wärmeleitfähigkeit Erde ="},
    {313, "Anzahl Erdwärmesonden ="}, {314, "Bohrtiefe der Erdwärmesonden ="}, {315, "Sondenabstand ="},
    {316, "Sonden-Aussendurchmesser ="}, {319, "Dauerentzug Ende Februar ="}, {320, "Entzugsleistung im Dauerbetrieb ="},
    {334, "Wärmeeintrag in Erdwärmesonden ="}, {335, "Wärmeentzug aus Erdwärmesonden ="},
    {339, "Minimale Sondenrücklauftemperatur ="}, {340, "Maximale Sondenrücklauftemperatur ="},
    {354, "Druckabfall Sonde bei Auslegungsbedingung="}, {705, "Jahres-Kühlenergie des Kältenetzes (TABS) = "},
    {992, "Jahres-Kühlenergiebedarf total"}, {524, "COP bei Vollast"}, {525, "COP Heizfall"},
    {526, "COP Warmwasser"}, {527, "EER im Kühlfall"}, {528, "Heizleistung Vollast"}, {529, "Heizleistung WW"},
    {530, "Heizleistung Teillast"}, {531, "Kühlleistung"}, {532, "Heizenergie ohne WW/Bandlast"},
    {533, "Heizenergie Warmwasser"}, {534, "Bandlast Heizenergie"}, {535, "Kühlenergie ohne Bandlast"},
    {536, "Bandlast Kühlenergie"}, {537, "Dauerbetrieb Ende Februar "}, {606, "Absorberfläche der Kollektoren total"},
    {615, "Azimut Kollektoren"}, {616, "Neigung Kollektoren"}, {646, "Solar - Ertrag ="}, {714, "Spez. Sondenbelastung"},
    {719, "Norm SIA 384/6 eingehalten ?"}};

std::string Z(double v, int d) { return QString::number(v, 'f', d).toStdString(); }
std::string T(QLineEdit* e) { return e->text().toStdString(); }

class Bericht : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektFuerDenBericht();
    dir = FrischerOrdner("bericht_");
    Form1->EProjektname->setText(QStringLiteral("Wohnhaus Rain"));
    Form1->EBeschreibung->setText(QStringLiteral("Variante A"));
    Form1->EErsteller->setText(QStringLiteral("Büro Muster"));
    Form1->EAnmerkungen->setText(QStringLiteral("Entwurf"));
  }
  void TearDown() override {
    // QEB_BILDER=dir keeps the printed files to look at.
    if (const char* d = std::getenv("QEB_BILDER"))
      for (const auto& e : fs::directory_iterator(dir))
        fs::copy_file(e.path(), fs::path(d) / e.path().filename(), fs::copy_options::overwrite_existing);
    SetPrinterOverride(-1);
    SetEscapeProbe(nullptr);
    Sprache = "D";
  }
  // Prints the main report into `name`, answering the calculation's question.
  bool Hauptbericht(ScriptedInteraction& ui, const std::string& datei) {
    if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
    ui.AnswerFile(datei);
    return Form1->ToolButtonDruckenClick();
  }
  // The result block's lines in the report's own words, for the project as it stands.
  std::vector<std::string> Ergebniszeilen() const {
    TForm1& f = *Form1;
    std::vector<std::string> z = {
        "Bohrtiefe der Erdwärmesonden = " + T(f.ESondenlaenge) + " m",
        "Anzahl Erdwärmesonden = " + T(f.EAnzahlSonden),
        "Sonden-Aussendurchmesser = " + T(f.ESondendurchmesser) + " m",
        "Bohrdurchmesser [m] = " + T(f.EBohrdurchmesser) + " m",
        "Wärmeleitfähigkeit Erde = " + T(f.ELambdaErd) + " W/mK",
        "Bohrlochwiderstände: Ra = " + T(f.ERa) + " Km/W",
        "Bohrlochwiderstände: Rb = " + T(f.ERb) + " Km/W",
        "Sondendurchsatz: = " + Z(Auslegungsmassenstrom, 2) + " kg/s",
        "Druckabfall Sonde bei Auslegungsbedingung= " + Z(Auslegungsdruck, 0) + (laminar ? " Pa (laminar)" : " Pa (turbulent)"),
        "Minimale Sondenrücklauftemperatur = " + Z(TSinkMin, 1) + " °C",
        "Maximale Sondenrücklauftemperatur = " + Z(TSinkMax, 1) + " °C",
        "Simulationsdauer [Jahre] = " + T(f.ELastyear),
        "Wärmeeintrag in Erdwärmesonden = " + Z(0.0 - QKuehlSumme, 1) + " kWh",
        "Wärmeentzug aus Erdwärmesonden = " + Z(QHeizSumme, 1) + " kWh",
        "Entzugsleistung im Dauerbetrieb = " + T(f.EAuslegungsentzug) + " kW",
        "Dauerentzug Ende Februar = " + std::to_string(DauerLastSpitze) + " d"};
    if (AnzahlSonden > 1 && !Sondengrafik) {
      z.push_back("Sondenabstand = " + T(f.ESondenabstand) + " m");
    } else {
      z.push_back("Temperaturen im ungestörten Erdreich: = " + T(f.EErdmitteltemp) + " °C");
    }
    return z;
  }
  std::string dir;
};

TEST_F(Bericht, TextnummernTragenDenWortlautDesBerichts) {
  std::filesystem::remove("sprache.qeb");
  LoadLanguageTables();
  for (const Berichtszeile& z : Berichtszeilen()) {
    if (z.text == 0) continue;
    ASSERT_EQ(kWortlaut.count(z.text), 1u) << z.text;
  }
  for (const auto& [n, text] : kWortlaut) EXPECT_EQ(Win1252ToUtf8(LanguageText(n, "D")), text) << n;

  // The right column of a load profile prints its own captions beside its values.
  Lastprofil2 = true;
  auto zeile = [](int nr, const char* feld) {
    for (const Berichtszeile& z : Berichtszeilen())
      if (z.text == nr && std::string(Form1->findChild<QLineEdit*>(feld)->text().toStdString()) == z.wert().toStdString())
        return Zeilentext(z).toStdString();
    return std::string();
  };
  Form1->ECOP_Volllast->setText(QStringLiteral("3.80"));
  EXPECT_EQ(zeile(524, "ECOP_Volllast"), "COP bei Vollast = 3.80");
  Sprache = "E";
  EXPECT_EQ(zeile(524, "ECOP_Volllast"), "COP at full load = 3.80");
  Sprache = "e";  // only the capital letters choose a language
  EXPECT_EQ(zeile(524, "ECOP_Volllast"), "COP bei Vollast = 3.80");
  Sprache = "X";
  EXPECT_EQ(zeile(148, "EDeltaVerdampfer"), "Temperaturdifferenz über Sonde [K] = " + T(Form1->EDeltaVerdampfer) + " K");
  Sprache = "D";
  Lastprofil2 = false;

  // The collectors' orientation: not for the measured weather's tilt 44.9, nor 44.95.
  const Berichtszeile* azimut = nullptr;
  for (const Berichtszeile& z : Berichtszeilen())
    if (z.text == 615) azimut = &z;
  ASSERT_NE(azimut, nullptr);
  solar = true;
  for (auto [neigung, gedruckt] : {std::pair{44.9, false}, {44.95, false}, {45.0, true}, {30.0, true}}) {
    Neigung = neigung;
    EXPECT_EQ(azimut->bedingung(), gedruckt) << neigung;
  }
  solar = false;
}

TEST_F(Bericht, HauptberichtZweiSeitenMitAllenZeilen) {
  Form1->ELastyear->setText(QStringLiteral("2"));
  ScriptedInteraction ui;
  const std::string pdf = dir + "/bericht.pdf";
  ASSERT_TRUE(Hauptbericht(ui, pdf));
  EXPECT_EQ(PdfInfo(pdf, "Pages"), "2");
  EXPECT_EQ(PdfInfo(pdf, "Title"), "QEB-Parameter");
  const std::string s1 = PdfSeite(pdf, 1), s2 = PdfSeite(pdf, 2);
  for (const std::string& z : Ergebniszeilen()) EXPECT_NE(s1.find(z), std::string::npos) << z << "\n" << s1;
  EXPECT_EQ(s1.find("Norm SIA 384/6"), std::string::npos);
  EXPECT_EQ(s2.find("Norm SIA 384/6"), std::string::npos);
  const std::string heute = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
  for (const std::string& s : {s1, s2}) {
    for (const char* titel : {"Wohnhaus Rain", "Variante A", "Entwurf", "Büro Muster / "}) EXPECT_NE(s.find(titel), std::string::npos) << titel;
    EXPECT_NE(s.find(heute), std::string::npos);
    EXPECT_NE(s.find("Programm QEB"), std::string::npos);
  }
  EXPECT_NE(s2.find(" 2 Büro Muster / " + heute), std::string::npos) << s2;
  // The graph window and the course window are closed again.
  EXPECT_FALSE(Form4->isVisible());
  EXPECT_FALSE(Form9->isVisible());
}

TEST_F(Bericht, HauptberichtAb50JahrenMitSiaZeile) {
  Form1->ELastyear->setText(QStringLiteral("50"));
  ScriptedInteraction ui;
  const std::string pdf = dir + "/bericht50.pdf";
  ASSERT_TRUE(Hauptbericht(ui, pdf));
  EXPECT_EQ(PdfInfo(pdf, "Pages"), "2");
  const std::string s1 = PdfSeite(pdf, 1), s2 = PdfSeite(pdf, 2);
  for (const std::string& z : Ergebniszeilen()) EXPECT_NE(s1.find(z), std::string::npos) << z;
  const std::string klasse = Anforderung >= 2 && Anforderung <= 4 ? "(R" + std::to_string(Anforderung) + ")" : "(R1)";
  const bool erfuellt = SiaAnforderungErfuellt(Anforderung, LastYear, DauerLastSpitze, Lastprofil2, TSinkMin,
                                               Auslegungsentzug, COP_Volllast, Heizleistung_Vollast,
                                               DeltaVerdampfer) == 1;
  const std::string kopf = "Norm SIA 384/6 eingehalten ? " + klasse + (erfuellt ? " Ja" : " Nein");
  EXPECT_NE(s1.find(kopf + (erfuellt ? " ( f_BHE = " : "")), std::string::npos) << s1;
  EXPECT_NE(s2.find(kopf), std::string::npos) << s2;
  EXPECT_EQ(s2.find("f_BHE"), std::string::npos);
}

// A page of a printed file as a picture.
QImage Seitenbild(const std::string& pdf, int seite) {
  const std::string s = std::to_string(seite), ziel = pdf + "_" + s;
  Ausgabe("pdftoppm -r 40 -png -singlefile -f " + s + " -l " + s + " '" + pdf + "' '" + ziel + "'");
  return QImage(QString::fromStdString(ziel + ".png"));
}
// A fraction of the printable area (what the report lays out) on the paper.
QPointF AufPapier(double x, double y) {
  QPrinter pr(QPrinter::HighResolution);
  pr.setOutputFormat(QPrinter::PdfFormat);
  pr.setPageSize(QPageSize(QPageSize::A4));
  const QRectF papier = pr.paperRect(QPrinter::DevicePixel), seite = pr.pageRect(QPrinter::DevicePixel);
  return QPointF((seite.left() + x * seite.width()) / papier.width(), (seite.top() + y * seite.height()) / papier.height());
}
bool Farbe(const QImage& b, double x, double y, const QColor& c) {
  const QPointF f = AufPapier(x, y);
  const QColor p(b.pixel(static_cast<int>(f.x() * b.width()), static_cast<int>(f.y() * b.height())));
  return std::abs(p.red() - c.red()) < 40 && std::abs(p.green() - c.green()) < 40 && std::abs(p.blue() - c.blue()) < 40;
}

TEST_F(Bericht, ProjektbildUndLogoAufBeidenSeiten) {
  Form1->ELastyear->setText(QStringLiteral("1"));
  QImage logo(200, 100, QImage::Format_RGB32);
  logo.fill(QColor(0, 160, 0));
  Form1->Logobild = QPixmap::fromImage(logo);
  LogoGeladen = true;
  // Logo x: 0.84 + 0.12 / 2; y: 0.04 + half of 0.12 * 0.5 * 21 / 29.6.
  const double lx = 0.90, ly = 0.04 + 0.03 * 21 / 29.6;
  {
    // No project picture: the logo keeps its own proportions on both pages.
    BildGeladen = false;
    ScriptedInteraction ui;
    ASSERT_TRUE(Hauptbericht(ui, dir + "/logo.pdf"));
    for (int seite : {1, 2}) {
      const QImage b = Seitenbild(dir + "/logo.pdf", seite);
      ASSERT_FALSE(b.isNull());
      EXPECT_TRUE(Farbe(b, lx, ly, QColor(0, 160, 0))) << seite;
      EXPECT_TRUE(Farbe(b, lx, 0.04 + 0.12 * 0.5 * 21 / 29.6 + 0.01, Qt::white)) << seite;
    }
  }
  {
    // A picture twice as wide as high: 0.9 W wide from (0.05 W, 0.15 H), (0.2051 + 0.15) H high.
    QImage bild(1000, 500, QImage::Format_RGB32);
    bild.fill(QColor(0, 0, 255));
    Projektbild = bild;
    BildGeladen = true;
    BildIstBitmap = false;
    ScriptedInteraction ui;
    ASSERT_TRUE(Hauptbericht(ui, dir + "/bild.pdf"));
    const QImage b = Seitenbild(dir + "/bild.pdf", 1);
    const double unten = 0.15 + 0.410295358649789 * 0.5 + 0.15;
    EXPECT_TRUE(Farbe(b, 0.06, 0.16, Qt::blue));
    EXPECT_TRUE(Farbe(b, 0.94, unten - 0.01, Qt::blue));
    EXPECT_TRUE(Farbe(b, 0.97, 0.3, Qt::white));
    EXPECT_TRUE(Farbe(b, 0.5, unten + 0.01, Qt::white));
    EXPECT_TRUE(Farbe(b, lx, ly, QColor(0, 160, 0)));
  }
  BildGeladen = false;
  LogoGeladen = false;
  Form1->Logobild = QPixmap();
  Projektbild = QImage();
}

// An operating system of version 5.1 asks whether it is a newer one; No
// prints the first page only.
TEST_F(Bericht, AltesSystemOhneBitmapsEineSeite) {
  Form1->ELastyear->setText(QStringLiteral("1"));
  FakeDesktop alt;
  alt.version = {5, 1, 2600, true};
  DesktopSettings* vorher = SetDesktop(&alt);
  const bool win10 = Win10Modus;
  Win10Modus = false;
  ScriptedInteraction ui;
  ui.AnswerAsk(kNein);
  ASSERT_TRUE(Hauptbericht(ui, dir + "/alt.pdf"));
  SetDesktop(vorher);
  Win10Modus = win10;
  EXPECT_EQ(ui.Count("ask", "Benutzen Sie Windows 8, 8.1 oder 10 / Is your OS Windows 8, 8.1 or 10 ?"), 1);
  EXPECT_EQ(PdfInfo(dir + "/alt.pdf", "Pages"), "1");
}

TEST_F(Bericht, NichtsGedrucktBeiAbbruchFehlerUndDrucker) {
  Form1->ELastyear->setText(QStringLiteral("1"));
  {
    // Cancel in the save dialog: nothing printed.
    ScriptedInteraction ui;
    EXPECT_FALSE(Hauptbericht(ui, ""));
    EXPECT_TRUE(fs::is_empty(dir));
  }
  {
    // A calculation the module refuses: its reason, then why nothing is printed, no dialog.
    ScriptedInteraction ui;
    if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
    Form1->EDimRad->setText(QStringLiteral("0"));
    EXPECT_FALSE(Form1->ToolButtonDruckenClick());
    Form1->EDimRad->setText(QStringLiteral("10"));
    EXPECT_EQ(ui.Texts("save").size(), 0u);
    const auto m = ui.Texts("message");
    ASSERT_GE(m.size(), 2u);
    EXPECT_NE(m.back().find("nothing is printed"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(dir));
  }
  {
    // The menu item, the tool button and the picture tab's button print the report.
    ScriptedInteraction ui;
    for (int i = 0; i < 3; ++i) {
      if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
      ui.AnswerFile("");
    }
    Form1->Drucken1->trigger();
    // The tool button is hidden in its tool bar: its signal stands for the click.
    emit Form1->ToolButtonDrucken->clicked();
    Form1->Button19->click();
    EXPECT_EQ(ui.Texts("save").size(), 3u);
    EXPECT_TRUE(fs::is_empty(dir));
  }
  {
    // A file that cannot be written: one message.
    ScriptedInteraction ui;
    EXPECT_FALSE(Hauptbericht(ui, dir + "/fehlt/bericht.pdf"));
    EXPECT_EQ(ui.Texts("message").size(), 1u);
  }
}

TEST_F(Bericht, VerlaufsUndGrafikberichtEineSeite) {
  Form1->ELastyear->setText(QStringLiteral("2"));
  {
    ScriptedInteraction ui;
    if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
    ASSERT_TRUE(Form1->Button14Click());
  }
  const std::vector<std::string> zeilen = Ergebniszeilen();
  Form1->GrafikSimulationsdauer1Click();
  EXPECT_TRUE(Form9->isVisible());
  {
    ScriptedInteraction ui;
    ui.AnswerFile(dir + "/verlauf.pdf");
    Form9->DruckenClick();
    const std::string s = PdfText(dir + "/verlauf.pdf");
    EXPECT_EQ(PdfInfo(dir + "/verlauf.pdf", "Pages"), "1");
    for (const std::string& z : zeilen) EXPECT_NE(s.find(z), std::string::npos) << z;
    EXPECT_NE(s.find("Wohnhaus Rain"), std::string::npos);
    EXPECT_EQ(Win1252ToUtf8(Projekttitel3), "Büro Muster");
  }
  {
    ScriptedInteraction ui;
    ui.AnswerFile(dir + "/grafik.pdf");
    Form4->Drucken->click();
    const std::string s = PdfText(dir + "/grafik.pdf");
    EXPECT_EQ(PdfInfo(dir + "/grafik.pdf", "Pages"), "1");
    for (const std::string& z : zeilen) EXPECT_NE(s.find(z), std::string::npos) << z;
    EXPECT_NE(s.find("Variante A"), std::string::npos);
  }
  {
    // Cancel: nothing.
    ScriptedInteraction ui;
    ui.AnswerFile("");
    Form4->DruckenClick();
    ui.AnswerFile("");
    Form9->DruckenClick();
    EXPECT_FALSE(fs::exists(dir + "/QEB.pdf"));
  }
  Form9->close();
  Form4->close();
}

}  // namespace
}  // namespace qeb
