// The field on its plan as an engineer uses it: every button of the editor
// within reach, the colour map and the site export from the loads of the
// project on screen, an imported field that the run takes, the g-values of a
// field of neighbours and of a preset, a scale that cannot be kept, and the
// spacing correction of the field's g-function.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/QEBMOD_data.h"
#include "calc/QEBMOD_plant.h"
#include "calc/QEBMOD_run.h"
#include "calc/TextIO.h"
#include "field/Farbkarte.h"
#include "field/Sondenfeld.h"
#include "input/Bildfenster.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/gfunc.h"
#include "results/gfunc_fit.h"
#include "tests/support/scratch.h"
#include "tests/support/ui_feld.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

namespace fs = std::filesystem;

void Tippen(QLineEdit* e, const char* text) {
  e->setFocus();
  e->selectAll();
  QTest::keyClicks(e, QString::fromUtf8(text));
  QTest::keyClick(e, Qt::Key_Tab);
}
void Waehle(QComboBox* c, int i) {
  c->setCurrentIndex(i);
  emit c->activated(i);
}

// The annual energy of the project's loads as its inputs give them: each
// month's days run the given hours a day at the design extraction (at the
// injection power when the month's hours are negative); the last days of
// February run all day at the February peak.
double JahresenergieAusDenLasten() {
  double E = 0;
  for (int m = 1; m <= 12; ++m) {
    const int tage = DaysOfMonth(m);
    const int stunden = std::min(std::abs(Laufzeit[m]), 24);
    const double leistung = Laufzeit[m] < 0 ? -Einspeisung : Auslegungsentzug;
    const int spitze = m == 2 ? std::clamp(DauerLastSpitze, 0, tage) : 0;
    E += (tage - spitze) * stunden * leistung + spitze * 24.0 * QSpitzeFeb;
  }
  return E;
}

class FeldAlltag : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    dir = FrischerOrdner("alltag_");
    for (const char* f : {"plan.qeb", "temp.bmp", "blend1.map", "blend2.map", "blend3.map"}) fs::remove(f, ec);
    Hauptlauf = true;
    Projektdateiname.clear();
    GespeichertUnter.clear();
    Tippen(Form1->ELastyear, "1");
    Tippen(Form1->ESondenlaenge, "100.0");
    FeldeditorInitialisieren();
    ProjektfeldGeladen = false;
    mitPlan = Ueberblendung = false;
    Planverzeichnis.clear();
    Posx = Posy = 0;
    Zaehler = 0;
    for (int i = 1; i <= kMaxSonden; ++i) {
      SondeX[i] = SondeY[i] = Sondenbelastung[i] = 0;
      Nachbarsonde[i] = false;
    }
    Sondengrafik = false;
    x_Stao = y_Stao = x_Ref = y_Ref = 0;
    Multiplikator = kStandardMassstab;
  }
  void TearDown() override {
    Feld->hide();
    if (Form5 != nullptr) Form5->hide();
    for (const char* f : {"plan.qeb", "temp.bmp", "blend1.map", "blend2.map", "blend3.map"}) fs::remove(f, ec);
  }
  // Twelve boreholes in three rows of four, 6 m apart, with (15 m, 9 m) in
  // the middle of the field.
  void ZwoelfSondenKlicken() {
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 4; ++c) Klick(RoundToInt((6.0 + 6.0 * c) / Multiplikator), RoundToInt((3.0 + 6.0 * r) / Multiplikator));
    ASSERT_EQ(Zaehler, 12);
  }
  double Lauf() {
    if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
    EXPECT_TRUE(Form1->Button14Click()) << ::testing::PrintToString(ui.Texts("message"));
    return TSinkMin;
  }
  std::string dir;
  std::error_code ec;
  ScriptedInteraction ui;
};

// The map of a project opened from its file, with no run since and a run
// of another project before, shows the change its own loads give.
TEST_F(FeldAlltag, MapOfAnOpenedProjectUsesItsOwnLoads) {
  Tippen(Form1->EAuslegungsentzug, "12.0");
  QImage plan(900, 700, QImage::Format_RGB32);
  plan.fill(QColor(200, 200, 190));
  QApplication::clipboard()->setImage(plan);
  Form1->Sondenfeld1->trigger();
  ASSERT_TRUE(Feld->Clip->isVisible());
  Feld->Clip->click();
  Feld->Button6->click();
  ZwoelfSondenKlicken();
  Feld->Button1->click();
  const std::string projekt = dir + "/zwoelf.txt";
  ui.AnswerInput("Zwoelf Sonden");
  ui.AnswerInput("Variante A");
  ui.AnswerFile(projekt);
  ASSERT_TRUE(Form1->ToolButtonSpeichernClick());
  ASSERT_TRUE(fs::exists(dir + "/zwoelf.map"));
  // What a calculation of another project left behind.
  QHeizSumme = 1234.0;
  QKuehlSumme = -100.0;
  FeldeditorInitialisieren();
  mitPlan = false;
  ui.AnswerAsk(kNein);  // the field cleared above is not to be saved
  ui.AnswerFile(projekt);
  Form1->ToolButtonOeffnen->click();
  ASSERT_EQ(Zaehler, 12);
  Form1->Sondenfeld1->trigger();
  ASSERT_TRUE(Feld->Farb0->isVisible());
  Feld->Farb0->click();
  ASSERT_TRUE(Ueberblendung);
  ASSERT_FALSE(Lastprofil2);
  ASSERT_FALSE(Durchschnittsentzug);
  ASSERT_FALSE(Lasteinlesen);
  const double E = JahresenergieAusDenLasten();
  ASSERT_GT(E, 0.0);
  const double q = E / 8.76 / Sondenlaenge / 12;
  // The field's centre, on the canvas and on the map.
  const int X = RoundToInt(15.0 / Multiplikator), Y = RoundToInt(9.0 / Multiplikator);
  const double A = GFunctionValue(JahrGrafik), B = std::log(0.0005 * Sondenlaenge);
  double S = 0;
  for (int i = 1; i <= 12; ++i) {
    const double d = std::hypot(X * Multiplikator - SondeX[i], Y * Multiplikator - SondeY[i]);
    S += std::max(d > 0 ? A + B - std::log(d) : 0.0, 0.0);
  }
  const double dT = q * S / 3.14 / 2 / lambdaErd + StaoTemperaturaenderung;
  EXPECT_GT(dT, 2.0);
  EXPECT_EQ(PlanBild.pixel(X - Posx, Y - Posy), FarbeAusWert(dT / 7.0, 7.0, q, true)) << dT;

  // The site export of the same project writes the same loads' change.
  Feld->Stao->click();
  Klick(X, Y);
  const std::string stao = dir + "/feld.stao";
  ui.AnswerFile(stao);
  Form1->ExportTempStao1->trigger();
  std::ifstream in(stao, std::ios::binary);
  std::string zeile;
  for (int k = 0; k <= 52 && std::getline(in, zeile); ++k) {
  }
  EXPECT_NE(zeile.find("\t" + FormatFixed(dT - StaoTemperaturaenderung, 4, 2)), std::string::npos) << zeile;

  // A project without loads has nothing to spread: the map and the export say so.
  Tippen(Form1->EAuslegungsentzug, "0");
  Tippen(Form1->EQSpitzeFeb, "0");
  Feld->Farb0->click();
  ui.AnswerFile(dir + "/leer.stao");
  Form1->ExportTempStao1->trigger();
  EXPECT_EQ(ui.Count("message", kKeineLasten), 2) << ::testing::PrintToString(ui.Texts("message"));
  EXPECT_FALSE(fs::exists(dir + "/leer.stao"));
}

// An imported field is the project's field at once: the run after the
// import is the run after opening the editor and leaving it with "Ende".
TEST_F(FeldAlltag, ImportedBoreholesAreCalculatedAsAfterEnde) {
  const std::string datei = dir + "/sonden.qeb";
  {
    std::ofstream f(datei, std::ios::binary);
    f << "Datei mit Standorten der Erdwaermesonden, 28.0 Version des Ausgabefiles, Programm QEB\r\n\r\n"
      << "Feld\r\n\r\n\r\n\r\n\r\n0.000\t0.000\tNullpunkt:\r\n\r\n"
      << "Nr\tx-Koord\ty-Koord\tNachbarsonde (1=Ja)\tSondenbelastung\r\n";
    for (int k = 0; k < 12; ++k)
      f << k + 1 << "\t" << 6.0 + 6.0 * (k % 4) << "\t" << 3.0 + 6.0 * (k / 4) << "\t0\t0.000\r\n";
  }
  Tippen(Form1->ESondenlaenge, "150.0");
  ui.AnswerFile(datei);
  Form1->ImportSonden1->trigger();
  ASSERT_EQ(ui.Count("message", " Daten eingelesen / input done "), 1);
  EXPECT_EQ(AnzahlSonden, 12);
  EXPECT_EQ(gfuntyp, 43);
  EXPECT_TRUE(Sondengrafik);
  const double gNachImport = g3;
  const double nachImport = Lauf();
  Form1->Sondenfeld1->trigger();
  Feld->Button1->click();
  EXPECT_DOUBLE_EQ(g3, gNachImport);
  EXPECT_EQ(AnzahlSonden, 12);
  EXPECT_DOUBLE_EQ(Lauf(), nachImport);
  EXPECT_GT(nachImport, -30.0);
}

// A field of neighbours only keeps g-values of a borehole when the
// g-function window computes the field.
TEST_F(FeldAlltag, NeighboursOnlyKeepTheSingleBoreholeValues) {
  Form1->Sondenfeld1->trigger();
  Feld->Nachbar->click();
  Klick(200, 200);
  Klick(400, 200);
  ASSERT_TRUE(Nachbarsonde[1] && Nachbarsonde[2]);
  Feld->Button1->click();
  Form1->Button8->click();
  EXPECT_DOUBLE_EQ(g1, 4.82);
  EXPECT_DOUBLE_EQ(g3, 6.29);
  EXPECT_DOUBLE_EQ(g5, 6.6);
  EXPECT_EQ(Form1->Eg5->text().toDouble(), 6.6);
}

// "Ende" without a drawn field keeps a preset layout and its count.
TEST_F(FeldAlltag, EndeWithoutDrawingKeepsThePreset) {
  Waehle(Form1->CWahlgfunction, 14);  // 2 x 2 boreholes, B/H = 0.05
  Tippen(Form1->EAnzahlSonden, "4");
  Form1->EingabenUebernehmen();
  const double g5Vorgabe = g5;
  ASSERT_GT(g5Vorgabe, 6.6);
  Form1->Sondenfeld1->trigger();
  Feld->Button1->click();
  EXPECT_EQ(gfuntyp, 14);
  EXPECT_EQ(Form1->CWahlgfunction->currentIndex(), 14);
  EXPECT_EQ(AnzahlSonden, 4);
  EXPECT_EQ(g5, g5Vorgabe);
}

// A measured scale the module cannot keep is refused; the field stays.
TEST_F(FeldAlltag, AnAbsurdScaleIsRefused) {
  Form1->Sondenfeld1->trigger();
  Klick(200, 100);
  Feld->Messen->click();
  Tippen(Feld->EDistanz, "1e308");
  Klick(100, 300);
  Klick(200, 300);
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_DOUBLE_EQ(Multiplikator, kStandardMassstab);
  EXPECT_DOUBLE_EQ(SondeX[1], 10.0);
  Klick(300, 300);  // the measurement ends as usual
  EXPECT_FALSE(Messmodus);
  // A sensible one is still taken.
  Feld->Messen->click();
  Tippen(Feld->EDistanz, "10");
  Klick(100, 300);
  Klick(200, 300);
  EXPECT_DOUBLE_EQ(Multiplikator, 0.1);
}

// A true distance of 1e-300 m over 200 pixels would make the field a single
// pixel: refused with the message of every scale that cannot be kept, the
// field stays as it was drawn. Neither zoom button leaves the scales the
// editor draws (0.1 mm to 1 km a pixel) however often it is clicked.
TEST_F(FeldAlltag, AVanishingScaleIsRefusedAndTheZoomStopsBothWays) {
  Form1->Sondenfeld1->trigger();
  Klick(200, 100);
  ASSERT_DOUBLE_EQ(SondeX[1], 10.0);
  Feld->Messen->click();
  Tippen(Feld->EDistanz, "1e-300");
  Klick(100, 300);
  Klick(300, 300);
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_NE(ui.Texts("message")[0].find("m/Pixel"), std::string::npos) << ui.Texts("message")[0];
  EXPECT_DOUBLE_EQ(Multiplikator, kStandardMassstab);
  EXPECT_DOUBLE_EQ(SondeX[1], 10.0);
  Klick(500, 300);  // the measurement ends as usual
  // "->" narrows the view by 1.5 a click: 0.05 m a pixel passes 0.1 mm
  // after 16 clicks.
  for (int i = 0; i < 40; ++i) Feld->Button3->click();
  EXPECT_GE(Multiplikator, 1.0e-4);
  EXPECT_LT(Multiplikator, 1.5e-4);
  // "<-" takes the view back click by click, and stops at 1 km a pixel.
  const double unten = Multiplikator;
  Feld->Button2->click();
  EXPECT_DOUBLE_EQ(Multiplikator, unten * 1.5);
  for (int i = 0; i < 60; ++i) Feld->Button2->click();
  EXPECT_LE(Multiplikator, 1.0e3);
  EXPECT_GT(Multiplikator, 1.0e3 / 1.5);
  EXPECT_DOUBLE_EQ(SondeX[1], 10.0);
  EXPECT_EQ(ui.Texts("message").size(), 1u);
}

// The site's temperature change written for 200 years grows with the
// years when the field's spacing differs from the spacing its g-values
// belong to: the spacing correction shrinks the field's excess instead of
// letting it grow far beyond the field's value at any time.
TEST_F(FeldAlltag, TheSiteChangeGrowsWithTheYearsAtAnotherSpacing) {
  Tippen(Form1->ESondenabstand, "10.0");
  Tippen(Form1->Eg_Sondenabstand, "5.0");
  Form1->Sondenfeld1->trigger();
  for (int k = 0; k < 4; ++k) Klick(200 + 200 * k, 200);
  Feld->Stao->click();
  Klick(500, 260);
  const std::string stao = dir + "/feld.stao";
  ui.AnswerFile(stao);
  Form1->ExportTempStao1->trigger();
  ASSERT_EQ(ui.Count("message", " Daten geschrieben / output done "), 1) << ::testing::PrintToString(ui.Texts("message"));
  std::ifstream in(stao, std::ios::binary);
  std::string zeile;
  std::vector<double> dT;
  std::getline(in, zeile);
  std::getline(in, zeile);
  while (std::getline(in, zeile)) dT.push_back(std::stod(zeile.substr(zeile.rfind('\t') + 1)));
  ASSERT_EQ(dT.size(), 201u);
  EXPECT_GT(dT[50], 0.0);
  for (int y = 1; y < 200; ++y) EXPECT_LE(dT[y], dT[y + 1] + 0.005) << y;
  EXPECT_LE(dT[1], dT[50]);
}

// Every command the Parts offer with a plan is on the panel and does its
// work when clicked: brightness, reload, result view, both copies.
TEST_F(FeldAlltag, PlanButtonsAndCopiesAreThereToBeClicked) {
  QImage plan(600, 400, QImage::Format_RGB32);
  plan.fill(QColor(100, 120, 140));
  QApplication::clipboard()->setImage(plan);
  Form1->Sondenfeld2->click();  // the probe tab's own "Sondenfeld"
  ASSERT_TRUE(Feld->isVisible());
  ASSERT_TRUE(Feld->Scre->isVisible() && Feld->Scre->isEnabled());
  QApplication::clipboard()->clear();
  Feld->Scre->click();
  EXPECT_EQ(QApplication::clipboard()->image().size(), Feld->size());
  QApplication::clipboard()->setImage(plan);
  Feld->Clip->click();
  Feld->Button6->click();
  for (QPushButton* b : {Feld->Farb, Feld->Farb2, Feld->Button7, Feld->Button15, Feld->Plankl, Feld->Plangr})
    EXPECT_TRUE(b->isVisible() && b->isEnabled()) << b->objectName().toStdString();
  Feld->Farb->click();
  EXPECT_EQ(Helligkeit, 5);
  EXPECT_EQ(QColor(PlanBild.pixel(10, 10)), QColor(105, 125, 145));
  Feld->Farb2->click();
  EXPECT_EQ(Helligkeit, 0);
  PlanBild = QImage();
  Feld->Button7->click();  // "aktuell": the fixed plan again
  EXPECT_EQ(QColor(PlanBild.pixel(10, 10)), QColor(100, 120, 140));
  Klick(200, 100);
  Feld->Button15->click();
  EXPECT_TRUE(Ergebnisanzeige);
  Feld->Button15->click();
  EXPECT_FALSE(Ergebnisanzeige);
  // With the map on screen the copy is the one for the project picture.
  FeldKopieErstellt = false;
  Feld->Farb0->click();
  ASSERT_TRUE(Ueberblendung);
  EXPECT_TRUE(Feld->Scre->isHidden());
  ASSERT_TRUE(Feld->Copy0->isVisible() && Feld->Copy0->isEnabled());
  Feld->Copy0->click();
  EXPECT_TRUE(FeldKopieErstellt);
  Feld->Plan->click();
  EXPECT_TRUE(Feld->Scre->isVisible());
  FeldKopieErstellt = false;
}

int Malerwarnungen = 0;
void Zaehlen(QtMsgType, const QMessageLogContext&, const QString& m) {
  if (m.contains(QStringLiteral("QPainter"))) ++Malerwarnungen;
}

// The quick start draws the plan at once, with no painter in the way.
TEST_F(FeldAlltag, QuickStartShowsThePlanAtOnce) {
  QImage plan(600, 400, QImage::Format_RGB32);
  plan.fill(QColor(100, 120, 140));
  QApplication::clipboard()->setImage(plan);
  Form1->Sondenfeld1->trigger();
  Malerwarnungen = 0;
  const QtMessageHandler vorher = qInstallMessageHandler(Zaehlen);
  Maus(QEvent::MouseButtonPress, 300, 300, Qt::MiddleButton, Qt::MiddleButton);
  qInstallMessageHandler(vorher);
  EXPECT_EQ(Malerwarnungen, 0);
  EXPECT_TRUE(Schnellstart);
  // Between the metre lines the canvas shows the plan before the button is up.
  EXPECT_EQ(QColor(Feld->Zeichenflaeche->Bild.pixel(15, 15)), QColor(100, 120, 140));
  Maus(QEvent::MouseButtonRelease, 300, 300, Qt::MiddleButton, Qt::NoButton);
}

// The grid buttons give back the whole view: reference point, heading and
// a plan under work fixed; leaving the stretch bar redraws.
TEST_F(FeldAlltag, GridButtonsAndTheStretchBarRedrawTheWholeView) {
  Form1->Sondenfeld1->trigger();
  Klick(200, 200);
  x_Ref = 20.0, y_Ref = 15.0;  // a reference point at (400, 300) px
  Feld->Button13->click();
  EXPECT_EQ(QColor(Feld->Zeichenflaeche->Bild.pixel(400, 300)), QColor(128, 0, 128));
  QImage plan(600, 400, QImage::Format_RGB32);
  plan.fill(QColor(100, 120, 140));
  QApplication::clipboard()->setImage(plan);
  Feld->Clip->click();
  ASSERT_TRUE(PlanVerschieben);
  ASSERT_FALSE(Feld->ScrollBar1->isHidden());
  Feld->Zeichenflaeche->Bild.setPixel(400, 300, qRgb(1, 2, 3));
  QFocusEvent weg(QEvent::FocusOut);
  QApplication::sendEvent(Feld->ScrollBar1, &weg);
  EXPECT_EQ(QColor(Feld->Zeichenflaeche->Bild.pixel(400, 300)), QColor(128, 0, 128));
  Feld->Button14->click();
  EXPECT_FALSE(PlanVerschieben);
  EXPECT_TRUE(Feld->ScrollBar1->isHidden());
  EXPECT_EQ(QColor(Feld->Zeichenflaeche->Bild.pixel(400, 300)), QColor(128, 0, 128));
  EXPECT_EQ(QColor(Feld->Zeichenflaeche->Bild.pixel(570, 370)), QColor(100, 120, 140));
}

// A map button without an own borehole says why and leaves the plan shown.
TEST_F(FeldAlltag, AMapWithoutOwnBoreholeSaysSo) {
  QImage plan(600, 400, QImage::Format_RGB32);
  plan.fill(QColor(100, 120, 140));
  QApplication::clipboard()->setImage(plan);
  Form1->Sondenfeld1->trigger();
  Feld->Clip->click();
  Feld->Button6->click();
  Feld->Nachbar->click();
  Klick(200, 200);
  Feld->Farb0->click();
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_FALSE(Ueberblendung);
  EXPECT_FALSE(fs::exists("blend2.map"));
}

// g-values that cannot be fitted are reported once per showing.
TEST_F(FeldAlltag, AnUnfittableGFunctionIsReportedOnce) {
  Waehle(Form1->CWahlgfunction, 43);  // own values
  Tippen(Form1->ESondenabstand, "5.0");
  Tippen(Form1->Eg_Sondenabstand, "10.0");
  Tippen(Form1->Eg3, "6.0");
  Tippen(Form1->Eg5, "7.0");
  Form1->Button8->click();
  QApplication::processEvents();
  Form5->activateWindow();
  QApplication::processEvents();
  EXPECT_EQ(ui.Texts("message").size(), 1u) << ::testing::PrintToString(ui.Texts("message"));
}

// The map pictures of the "Karten" menu name the file they miss.
TEST_F(FeldAlltag, AMissingMapPictureIsNamed) {
  const std::string vorher = Programmverzeichnis;
  Programmverzeichnis = dir + "/";
  Form1->WrmeflussNAGRANTB99081->trigger();
  const QString text = Waermefluss_NAGRA_NTB_99_08->Bild->text();
  Waermefluss_NAGRA_NTB_99_08->hide();
  Programmverzeichnis = vorher;
  EXPECT_TRUE(text.contains(QString::fromStdString(dir + "/" + Waermefluss_NAGRA_NTB_99_08->Datei))) << text.toStdString();
}

}  // namespace
}  // namespace qeb
