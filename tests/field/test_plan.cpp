// The plan behind the field and the colour map over it, driven as a user
// would: a plan from a file and from the clipboard, dragged, stretched,
// zoomed, brightened and fixed; the seven scale buttons, the map's colour
// at a borehole after a plan move, its legend and its guards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>
#include <filesystem>
#include <cstring>
#include <random>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_plant.h"
#include "calc/QEBMOD_run.h"
#include "field/Farbkarte.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "shell/Sprachen.h"
#include "results/gfunc_fit.h"
#include "tests/support/ui_feld.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

namespace fs = std::filesystem;

void Ziehen(int x0, int y0, int x1, int y1) {
  Maus(QEvent::MouseButtonPress, x0, y0, Qt::LeftButton, Qt::LeftButton);
  Maus(QEvent::MouseMove, (x0 + x1) / 2, (y0 + y1) / 2, Qt::NoButton, Qt::LeftButton);
  Maus(QEvent::MouseMove, x1, y1, Qt::NoButton, Qt::LeftButton);
  Maus(QEvent::MouseButtonRelease, x1, y1, Qt::LeftButton, Qt::NoButton);
}
QColor Leinwand(int x, int y) { return QColor(Feld->Zeichenflaeche->Bild.pixel(x, y)); }

// A plan of four coloured quarters, so that a shift shows.
QImage Testplan(int w, int h, QColor farbe = QColor(100, 150, 200)) {
  QImage b(w, h, QImage::Format_RGB32);
  b.fill(farbe);
  for (int y = 0; y < h / 2; ++y)
    for (int x = 0; x < w / 2; ++x) b.setPixel(x, y, qRgb(10, 20, 30));
  return b;
}

void Aufraeumen() {
  std::error_code ec;
  for (const char* f : {"plan.qeb", "temp.bmp", "blend1.map", "blend2.map", "blend3.map", "proj.map", "plan_in.bmp"})
    fs::remove(f, ec);
}

class Plan : public ::testing::Test {
 protected:
  void SetUp() override {
    Aufraeumen();
    NeuesProjektInDenFenstern();
    Form1->ESondenlaenge->setText(QStringLiteral("100.0"));
    Form1->EingabenUebernehmen();
    FeldeditorInitialisieren();
    ProjektfeldGeladen = false;
    Zaehler = 0;
    for (int i = 1; i <= kMaxSonden; ++i) {
      SondeX[i] = SondeY[i] = Sondenbelastung[i] = 0;
      Nachbarsonde[i] = false;
    }
    Sondengrafik = false;
    mitPlan = false;
    Posx = Posy = 0;
    Ueberblendung = false;
    TStandort50 = 0;
    Form1->Sondenfeld1Click();
    ASSERT_TRUE(Feld->isVisible());
  }
  void TearDown() override {
    Feld->hide();
    Aufraeumen();
  }
  void AusZwischenablage(const QImage& b) {
    QApplication::clipboard()->setImage(b);
    Feld->ClipClick();
  }
  ScriptedInteraction ui;
};

TEST_F(Plan, FromAFileTheClipboardAndCancel) {
  Testplan(200, 100).save(QStringLiteral("plan_in.bmp"), "BMP");
  ui.AnswerFile("");
  Feld->Button11Click();
  EXPECT_FALSE(PlanVerschieben);
  EXPECT_TRUE(PlanBild.isNull());
  ui.AnswerFile((fs::current_path() / "plan_in.bmp").string());
  Feld->Button11Click();
  EXPECT_EQ(ui.Texts("picture").size(), 2u);
  ASSERT_EQ(PlanBild.size(), QSize(200, 100));
  EXPECT_TRUE(mitPlan && PlanAktiv && PlanVerschieben && PlanGeaendert);
  EXPECT_FALSE(Feld->ScrollBar1->isHidden());
  EXPECT_EQ(Feld->ScrollBar1->maximum(), 100);
  EXPECT_EQ(Feld->ScrollBar1->value(), 50);
  EXPECT_TRUE(Feld->Button2->isHidden() && Feld->Button3->isHidden());
  EXPECT_TRUE(fs::exists("temp.bmp"));
  // The plan lies behind the field at its corner.
  EXPECT_EQ(Leinwand(5, 5), QColor(10, 20, 30));
  EXPECT_EQ(Leinwand(150, 75), QColor(100, 150, 200));

  // A clipboard without a picture changes nothing.
  QApplication::clipboard()->setText(QStringLiteral("kein Bild"));
  Feld->ClipClick();
  EXPECT_EQ(PlanBild.size(), QSize(200, 100));
  EXPECT_FALSE(fs::exists("plan.qeb"));
  AusZwischenablage(Testplan(300, 120));
  EXPECT_EQ(PlanBild.size(), QSize(300, 120));
  EXPECT_TRUE(fs::exists("plan.qeb"));
  EXPECT_EQ(Planverzeichnis, fs::current_path().string() + "/");
  for (QWidget* w : std::initializer_list<QWidget*>{Feld->Farb0, Feld->Farb4, Feld->Farb9, Feld->Plan, Feld->Button6, Feld->Hinweis})
    EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
}

TEST_F(Plan, DraggedFixedAndReloadedKeepsTheNewCorner) {
  AusZwischenablage(Testplan(200, 100));
  // A press outside the plan grabs nothing.
  Ziehen(400, 400, 450, 450);
  EXPECT_EQ(Posx, 0);
  Ziehen(50, 50, 80, 90);  // right and down
  EXPECT_EQ(Posx, 30);
  EXPECT_EQ(Posy, 40);
  EXPECT_EQ(Leinwand(35, 45), QColor(10, 20, 30));
  EXPECT_EQ(Leinwand(10, 10), Feld->palette().color(QPalette::Button));
  Feld->Button6Click();  // "Fixieren"
  EXPECT_FALSE(PlanVerschieben);
  EXPECT_TRUE(Feld->ScrollBar1->isHidden());
  EXPECT_EQ(Posx, 30);
  EXPECT_EQ(Posy, 40);
  EXPECT_EQ(Leinwand(35, 45), QColor(10, 20, 30));
  // "aktuell" and a click on the canvas show it at the same place.
  Feld->Button7Click();
  Klick(600, 400);
  EXPECT_EQ(Zaehler, 1);
  EXPECT_EQ(Leinwand(35, 45), QColor(10, 20, 30));
  EXPECT_EQ(Leinwand(135, 95), QColor(100, 150, 200));
}

TEST_F(Plan, StretchedByTheScrollBarAndScaledByAMeasuredDistance) {
  AusZwischenablage(Testplan(200, 100));
  Feld->ScrollBar1->setValue(100);  // twice the size
  EXPECT_DOUBLE_EQ(Streckfaktor, 2.0);
  EXPECT_EQ(PlanBild.size(), QSize(400, 200));
  Feld->ScrollBar1->setValue(25);
  EXPECT_EQ(PlanBild.size(), QSize(100, 50));  // from the work copy, not the last stretch
  Feld->Button6Click();
  EXPECT_EQ(QImage(QStringLiteral("plan.qeb")).size(), QSize(100, 50));
  const double M0 = Multiplikator;
  Feld->MessenClick();
  Feld->EDistanz->setText(QStringLiteral("30"));
  Klick(100, 100);
  Klick(300, 100);
  EXPECT_NEAR(Multiplikator, 30.0 / 200.0, 1e-12);
  EXPECT_NE(Multiplikator, M0);
}

TEST_F(Plan, BrightnessChangesEveryPixelAndSaturates) {
  AusZwischenablage(Testplan(7, 3, QColor(100, 252, 3)));
  Feld->Button6Click();
  Feld->FarbClick();
  EXPECT_EQ(Helligkeit, 5);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 7; ++x) {
      const QColor soll = x < 3 && y < 1 ? QColor(15, 25, 35) : QColor(105, 255, 8);
      EXPECT_EQ(QColor(PlanBild.pixel(x, y)), soll) << x << "," << y;
    }
  Feld->Farb2Click();
  EXPECT_EQ(Helligkeit, 0);
  Feld->Farb2Click();
  EXPECT_EQ(Helligkeit, -5);
  EXPECT_EQ(QColor(PlanBild.pixel(6, 2)), QColor(95, 247, 0));
  Feld->Farb2Click();
  EXPECT_EQ(Helligkeit, -10);
  Feld->FarbClick();  // back to -5 first, then brighter
  EXPECT_EQ(Helligkeit, 0);
}

TEST_F(Plan, ZoomButtonsAndMapZoomSteps) {
  AusZwischenablage(Testplan(200, 100));
  Feld->Button6Click();
  const double M0 = Multiplikator;
  for (int i = 0; i < 6; ++i) Feld->PlanklClickgr();
  EXPECT_NEAR(PlanFaktor, 1.61051, 1e-9);
  EXPECT_NEAR(Multiplikator, M0 * std::pow(0.9090909, 5), 1e-12);
  EXPECT_EQ(PlanBild.size(), QSize(322, 161));
  // With boreholes both buttons hide themselves and change nothing.
  Zaehler = 1;
  SondeX[1] = SondeY[1] = 5;
  Feld->PlanklClick();
  EXPECT_TRUE(Feld->Plankl->isHidden() && Feld->Plangr->isHidden());
  EXPECT_NEAR(PlanFaktor, 1.61051, 1e-9);
  Zaehler = 0;

  // The project's map file: step +1 enlarges it by 20 percent.
  Projektdateiname = (fs::current_path() / "proj.txt").string();
  Testplan(100, 50).save(QStringLiteral("proj.map"), "BMP");
  Grundmassstab = 0.05;
  Feld->Button60Click();
  EXPECT_EQ(KartenZoomStufe, 1);
  EXPECT_EQ(PlanBild.size(), QSize(120, 60));
  EXPECT_NEAR(Multiplikator, 0.05 / 1.2, 1e-12);
  Feld->Button61Click();  // step 0: the map as it is, the base scale
  EXPECT_EQ(KartenZoomStufe, 0);
  EXPECT_EQ(PlanBild.size(), QSize(100, 50));
  EXPECT_DOUBLE_EQ(Multiplikator, 0.05);
  // Far down the picture would vanish and the scale divide by zero: the
  // steps that far are refused.
  KartenZoomStufe = -27;
  for (int i = 0; i < 5; ++i) Feld->Button61Click();
  EXPECT_EQ(KartenZoomStufe, -29);  // -30 would make it 0 px and divide by zero
  EXPECT_EQ(PlanBild.size(), QSize(1, 1));
  EXPECT_TRUE(std::isfinite(Multiplikator) && Multiplikator > 0);
  EXPECT_FALSE(PlanBild.isNull());
  // Far up it would exhaust memory (a map one pixel high keeps this test small).
  Testplan(100, 1).save(QStringLiteral("proj.map"), "BMP");
  KartenZoomStufe = 25;
  for (int i = 0; i < 5; ++i) Feld->Button60Click();
  EXPECT_LE(PlanBild.width(), kMaxPlanSeite);
  EXPECT_EQ(KartenZoomStufe, 27);  // 13737 px wide; the next step would be 16484
  EXPECT_TRUE(std::isfinite(Multiplikator) && Multiplikator > 0);
  Projektdateiname.clear();
}

TEST_F(Plan, ANewPlanForgetsTheOldOverlay) {
  Testplan(50, 50, Qt::red).save(QStringLiteral("blend1.map"), "BMP");
  Testplan(50, 50, Qt::red).save(QStringLiteral("blend2.map"), "BMP");
  AusZwischenablage(Testplan(200, 100));
  EXPECT_FALSE(fs::exists("blend1.map"));
  EXPECT_FALSE(fs::exists("blend2.map"));
  Feld->Button6Click();
  EXPECT_EQ(PlanBild.size(), QSize(200, 100));
}

// ---------------- the colour map ----------------

TEST(Farbskala, ColoursIsolinesAndNonFiniteValues) {
  EXPECT_EQ(FarbeAusWert(0.0, 7.0, 1, true), qRgb(0, 0, 255));
  EXPECT_EQ(FarbeAusWert(-0.3, 7.0, 1, true), qRgb(0, 0, 255));
  EXPECT_EQ(FarbeAusWert(1.0, 2.75, 1, true), qRgb(255, 0, 0));
  EXPECT_EQ(FarbeAusWert(1.7, 2.75, 1, true), qRgb(255, 0, 0));
  EXPECT_EQ(FarbeAusWert(1.0, 7.0, 1, true), qRgb(0, 0, 0));  // 7 K is an isoline
  // 3 K is black within +-0.025 K (m = 20 ... 75: 3 K has m = 75, 1/150 K).
  EXPECT_EQ(FarbeAusWert(3.0 / 7.0, 7.0, 1, true), qRgb(0, 0, 0));
  EXPECT_EQ(FarbeAusWert(3.006 / 7.0, 7.0, 1, true), qRgb(0, 0, 0));
  EXPECT_NE(FarbeAusWert(3.05 / 7.0, 7.0, 1, true), qRgb(0, 0, 0));
  // Sectors: h = 6 - 6v, b = frac(h) 255.
  EXPECT_EQ(FarbeAusWert(0.5 / 6, 13.0, 1, true), qRgb(0, 127 - 64, 255));  // h = 5.5, b = 128
  EXPECT_EQ(FarbeAusWert(2.5 / 6, 20.0, 1, true), qRgb(0, 255, 64 + 127));  // h = 3.5
  EXPECT_EQ(FarbeAusWert(5.5 / 6, 20.0, 1, true), qRgb(255, 128, 0));        // h = 0.5
  // A cooled ground (q < 0) shows its change upwards on the map only.
  EXPECT_EQ(FarbeAusWert(-1.0, 2.75, -1, true), qRgb(255, 0, 0));
  EXPECT_EQ(FarbeAusWert(-1.0, 2.75, -1, false), qRgb(0, 0, 255));
  for (double v : {std::nan(""), HUGE_VAL, -HUGE_VAL}) EXPECT_EQ(FarbeAusWert(v, 7.0, 1, true), qRgb(0, 0, 255));
}

TEST(Farbskala, NoConductivityGivesBlueNotANumberIndex) {
  FarbkartenEingabe e;
  e.breite = 4;
  e.hoehe = 3;
  e.massstab = 1;
  e.x = {1};
  e.y = {1};
  e.A = 6;
  e.B = -2;
  e.q = 10;
  e.lambda = 0;
  QImage b(4, 3, QImage::Format_RGB32);
  FarbkartePinseln(b, FarbkartenWerte(e), 7.0, e.q);
  EXPECT_EQ(b.pixel(1, 1), qRgb(0, 0, 255));  // on the borehole: 0 / 0
  EXPECT_EQ(b.pixel(3, 2), qRgb(0, 0, 255));  // + infinity
}

TEST(Farbskala, FastMapEqualsThePlainLoopToRoundingWithTheSameColours) {
  std::mt19937 g(7);
  std::uniform_real_distribution<double> u(0, 40);
  FarbkartenEingabe e;
  e.breite = 160;
  e.hoehe = 90;
  e.posx = 13;
  e.posy = -7;
  e.massstab = 0.25;
  for (int i = 0; i < 60; ++i) {
    e.x.push_back(u(g));
    e.y.push_back(u(g));
  }
  e.x.push_back((13 + 20) * 0.25);  // exactly on a pixel
  e.y.push_back((-7 + 30) * 0.25);
  e.x.push_back((13 + 21) * 0.25 + 1e-9);  // next to one
  e.y.push_back((-7 + 30) * 0.25);
  e.A = 6.7;
  e.B = std::log(0.05);
  e.q = 25;
  e.lambda = 2.2;
  e.zusatz = 0.3;
  // One borehole exactly at R from a pixel centre: its term is 0 either way.
  e.x.push_back((13 + 100) * 0.25 + std::exp(e.A + e.B));
  e.y.push_back((-7 + 50) * 0.25);
  const auto a = FarbkartenWerte(e), b = FarbkartenWerteEinfach(e);
  ASSERT_EQ(a.size(), b.size());
  QImage fa(160, 90, QImage::Format_RGB32), fb(160, 90, QImage::Format_RGB32);
  FarbkartePinseln(fa, a, 7.0, e.q);
  FarbkartePinseln(fb, b, 7.0, e.q);
  EXPECT_EQ(fa, fb);
  for (size_t i = 0; i < a.size(); ++i) {
    if (!std::isfinite(b[i])) {
      EXPECT_EQ(std::isfinite(a[i]), false) << i;
      continue;
    }
    ASSERT_NEAR(a[i], b[i], 1e-12 * std::max(1.0, std::fabs(b[i]))) << i;
  }
  EXPECT_TRUE(std::isfinite(a[30 * 160 + 20]));
}

class Farbkarte : public Plan {
 protected:
  void Feldmitplan(int breite = 400) {
    AusZwischenablage(Testplan(breite, 300));
    Ziehen(50, 50, 90, 70);  // the plan moves by (40, 20)
    Feld->Button6Click();
    ASSERT_EQ(Posx, 40);
    ASSERT_EQ(Posy, 20);
    Zaehler = 3;
    const double xs[] = {0, 12.0, 15.0, 13.5}, ys[] = {0, 10.0, 10.0, 13.0};
    for (int i = 1; i <= 3; ++i) {
      SondeX[i] = xs[i];
      SondeY[i] = ys[i];
    }
    Nachbarsonde[3] = true;
    QHeizSumme = 30000;
    QKuehlSumme = 0;
  }
  // The Part's formula at a canvas pixel, computed here.
  double Aenderung(int X, int Y) {
    const double M = Multiplikator;
    const double A = GFunctionValue(JahrGrafik), B = std::log(0.0005 * Sondenlaenge);
    double S = 0;
    for (int i = 1; i <= Zaehler; ++i) {
      const double d = std::hypot(X * M - SondeX[i], Y * M - SondeY[i]);
      const double t = d > 0 ? A + B - std::log(d) : 0;
      S += std::max(t, 0.0);
    }
    // The project's own hourly loads, which the map generated.
    double E = 0;
    for (int h = 1; h <= 8760; ++h) E += QWPStunde[h];
    const double q = E / 8.76 / Sondenlaenge / 2;
    return q * S / 3.14 / 2 / lambdaErd + TStandort50;
  }
};

TEST_F(Farbkarte, AfterAPlanMoveTheMapSitsUnderTheBoreholes) {
  Feldmitplan();
  Feld->Farb0Click();
  EXPECT_DOUBLE_EQ(FarbSkala, 7.0);
  EXPECT_TRUE(Ueberblendung);
  EXPECT_TRUE(fs::exists("blend1.map") && fs::exists("blend2.map"));
  EXPECT_FALSE(Feld->Blend->isHidden());
  ASSERT_EQ(PlanBild.size(), QSize(400, 300));
  const double M = Multiplikator;
  // Next to borehole 1 and far from all, in plan pixels (canvas minus corner).
  for (auto [X, Y] : {std::pair{static_cast<int>(12.0 / M) + 3, static_cast<int>(10.0 / M) + 2},
                      std::pair{static_cast<int>(14.0 / M), static_cast<int>(11.0 / M)}, std::pair{430, 310}}) {
    const QRgb soll = FarbeAusWert(Aenderung(X, Y) / 7.0, 7.0, 1, true);
    EXPECT_EQ(PlanBild.pixel(X - Posx, Y - Posy), soll) << X << "," << Y;
  }
  EXPECT_NE(PlanBild.pixel(static_cast<int>(14.0 / M) - 40, static_cast<int>(11.0 / M) - 20), qRgb(0, 0, 255));
  // The site file's change is added everywhere.
  TStandort50 = 0.5;
  Feld->Farb0Click();
  EXPECT_EQ(PlanBild.pixel(390, 290), FarbeAusWert(Aenderung(430, 310) / 7.0, 7.0, 1, true));
}

TEST_F(Farbkarte, ScaleButtonsKeepTheIsolinesAndTheLegendMatchesTheMap) {
  Feldmitplan(820);
  const struct {
    QPushButton* b;
    double s;
  } knoepfe[] = {{Feld->Farb9, 2.75}, {Feld->Farb4, 3.5}, {Feld->Farb8, 5.0}, {Feld->Farb0, 7.0},
                 {Feld->Farb5, 10.0}, {Feld->Farb6, 12.0}, {Feld->Farb7, 13.0}};
  const int laeufe = FarbkartenLaeufe;
  for (const auto& k : knoepfe) {
    k.b->click();
    EXPECT_EQ(FarbkartenLaeufe, laeufe + 1);  // computed once, then only recoloured
    EXPECT_DOUBLE_EQ(FarbSkala, k.s);
    EXPECT_TRUE(Feld->Button60->isHidden());
  }
  auto schwarz = [](double skala) {
    std::vector<bool> m;
    for (int y = 170; y < PlanBild.height(); ++y)
      for (int x = 0; x < PlanBild.width(); ++x) m.push_back(PlanBild.pixel(x, y) == qRgb(0, 0, 0) && skala > 0);
    return m;
  };
  Feld->Farb9->click();
  const auto m1 = schwarz(2.75);
  const QRgb warm = PlanBild.pixel(static_cast<int>(13.0 / Multiplikator) - 40, static_cast<int>(10.0 / Multiplikator) - 20);
  Feld->Farb7->click();
  EXPECT_EQ(schwarz(13.0), m1);
  EXPECT_NE(PlanBild.pixel(static_cast<int>(13.0 / Multiplikator) - 40, static_cast<int>(10.0 / Multiplikator) - 20), warm);
  // Under each label k the bar shows the map's colour of k - 0.3 K.
  for (int k = 1; k <= 9; ++k) {
    const int j = 10 * k - 3;
    const int x = 645 + static_cast<int>(std::nearbyint(1.4 * j));
    const QRgb c = PlanBild.pixel(x, 60);
    EXPECT_TRUE(c == FarbeAusWert(0.1 * j / 13.0, 13.0, 0, false) || c == FarbeAusWert(0.1 * (j + 1) / 13.0, 13.0, 0, false))
        << k;
  }
}

TEST_F(Farbkarte, WithoutAnnualEnergyTheLoadComesFromTheHourlySeries) {
  Feldmitplan();
  QHeizSumme = QKuehlSumme = 0;
  Feld->Farb8Click();
  ASSERT_TRUE(fs::exists("blend2.map"));
  double E = 0;
  for (int h = 1; h <= 8760; ++h) E += QWPStunde[h];
  const double q = E / 8.76 / Sondenlaenge / 2;
  const int X = static_cast<int>(13.0 / Multiplikator), Y = static_cast<int>(10.0 / Multiplikator);
  const double A = GFunctionValue(JahrGrafik), B = std::log(0.0005 * Sondenlaenge);
  double S = 0;
  for (int i = 1; i <= Zaehler; ++i) {
    const double d = std::hypot(X * Multiplikator - SondeX[i], Y * Multiplikator - SondeY[i]);
    S += std::max(d > 0 ? A + B - std::log(d) : 0.0, 0.0);
  }
  EXPECT_EQ(PlanBild.pixel(X - Posx, Y - Posy), FarbeAusWert((q * S / 3.14 / 2 / lambdaErd) / 5.0, 5.0, q, true));
}

TEST_F(Farbkarte, NoMapWithoutOwnBoreholeLengthOrConductivity) {
  Feldmitplan();
  const QImage vorher = PlanBild;
  Nachbarsonde[1] = Nachbarsonde[2] = true;
  Feld->Farb0Click();
  EXPECT_FALSE(fs::exists("blend2.map"));
  EXPECT_EQ(PlanBild, vorher);
}

}  // namespace
}  // namespace qeb

namespace qeb {
namespace {

TEST(PlanTexte, ThePlanButtonsOwnTheirTextNumbers) {
  LoadLanguageTables();
  EXPECT_EQ(LanguageText(560, "E"), "File");
  EXPECT_EQ(LanguageText(561, "E"), "Clipboard");
  EXPECT_EQ(LanguageText(562, "D"), "Fixieren");
  EXPECT_EQ(LanguageText(564, "D"), "aktuell");
  // The corrugated pipe's edit took a number of its own.
  EXPECT_EQ(LanguageText(661, "D"), "Wellrohr [-]");
  NeuesProjektInDenFenstern();
  EXPECT_EQ(Feld->Button11->property("tag").toInt(), 560);
  EXPECT_EQ(Feld->Button7->property("tag").toInt(), 564);
  EXPECT_EQ(Form1->EWellrohr->property("tag").toInt(), 661);
}

}  // namespace
}  // namespace qeb
