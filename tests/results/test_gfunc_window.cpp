// The g-function window: the default project's curve where the graph's scale
// puts it, the response-test points, the picture on the clipboard, the
// printout with the project's titles, and the fit that cannot be made.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_run.h"
#include "input/QEBInput.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "platform/Print.h"
#include "results/Grafik.h"
#include "results/gfunc.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

bool RotNahe(int x, int y) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (QColor(GfuncBitmap.pixel(x + dx, y + dy)) == QColor(Qt::red)) return true;
  return false;
}

std::string PdfText(const std::string& pdf) {
  std::string out;
  const std::string cmd = "pdftotext -layout '" + pdf + "' - 2>/dev/null";
  if (FILE* f = ::popen(cmd.c_str(), "r")) {
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    ::pclose(f);
  }
  return out;
}

class GfuncFenster : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    GFunktionEintragen();
  }
  void TearDown() override {
    Form5->hide();
    TRTModus = false;
  }
  ScriptedInteraction ui;
};

TEST_F(GfuncFenster, DrawsTheProjectsCurveWhereTheScalePutsIt) {
  TRTModus = true;
  Form1->Button8Click();
  EXPECT_FALSE(TRTModus);
  ASSERT_TRUE(Form5->isVisible());
  EXPECT_EQ(Form5->windowTitle(), QStringLiteral("g-Funktion"));
  ASSERT_EQ(GfuncBitmap.size(), QSize(632, 440));
  // x = ln(t/ts) = 0 is point 350 of 500; there the curve passes g3 = 6.29,
  // on a y axis from 0 to 10.
  EXPECT_TRUE(RotNahe(477, 175));
  EXPECT_NEAR(GfuncTabelle[350], 6.29, 1e-9);
  // Below the curve there is none of it; the y axis is black at x 0.3.
  EXPECT_FALSE(RotNahe(477, 260));
  EXPECT_EQ(QColor(GfuncBitmap.pixel(190, 220)), QColor(Qt::black));
  for (int i = 1; i <= kGfuncPunkte; ++i) EXPECT_GE(GfuncTabelle[i], GfuncTabelle[i - 1]) << i;
  // The graph follows a changed g3 at its next showing.
  Form1->Eg3->setText(QStringLiteral("7.000"));
  Form1->Button8Click();
  EXPECT_NEAR(GfuncTabelle[350], 7.0, 1e-9);
}

TEST_F(GfuncFenster, AFieldFromTheEditorBringsItsOwnGValues) {
  Form1->ESondenlaenge->setText(QStringLiteral("100.0"));
  Form1->EingabenUebernehmen();
  Zaehler = 2;
  SondeX[1] = 0.0, SondeY[1] = 0.0, SondeX[2] = 10.0, SondeY[2] = 0.0;
  Nachbarsonde[1] = Nachbarsonde[2] = false;
  Sondengrafik = true;
  Form1->ESondengrafik->setItemIndex(0);
  Form1->Button8Click();
  // Two boreholes 10 m apart at H = 100 m: g1 gains the floor term 0.0023,
  // g5 the term B - ln(200) with B = 6.6 + 0.19 / 25 + 0.17.
  // The graph reads them back from the edits, three decimals.
  const double g5Feld = 6.6 + (6.6 + 0.19 / 25 + 0.17 - std::log(200.0));
  EXPECT_EQ(Form1->Eg1->text(), FixedText(4.82 + 0.0023, 3));
  EXPECT_EQ(Form1->Eg5->text(), FixedText(g5Feld, 3));
  EXPECT_NEAR(g5, g5Feld, 5e-4);
  EXPECT_DOUBLE_EQ(g_Sondenabstand, Sondenabstand);
  Zaehler = 0;
  Sondengrafik = false;
}

TEST_F(GfuncFenster, CopiesAndPrintsWithTheProjectsTitles) {
  SetPrinterOverride(0);
  Form1->EProjektname->setText(QStringLiteral("Wohnhaus Rain"));
  Form1->EBeschreibung->setText(QStringLiteral("Variante Süd"));
  Form1->Button8Click();
  QGuiApplication::clipboard()->clear();
  Form5->CopyClick();
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            GfuncBitmap.convertToFormat(QImage::Format_RGB32));
  const std::string pdf = (std::filesystem::current_path() / "gfunc.pdf").string();
  std::filesystem::remove(pdf);
  ui.AnswerFile(pdf);
  Form5->DruckenClick();
  ASSERT_TRUE(std::filesystem::exists(pdf));
  const std::string text = PdfText(pdf);
  EXPECT_NE(text.find("Wohnhaus Rain"), std::string::npos) << text;
  EXPECT_NE(text.find("Variante Süd"), std::string::npos) << text;
  EXPECT_NE(text.find("Verwendete g-Funktion:"), std::string::npos) << text;
  // Cancel prints nothing; the picture is on the clipboard all the same.
  std::filesystem::remove(pdf);
  QGuiApplication::clipboard()->clear();
  ui.AnswerFile("");
  Form5->DruckenClick();
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
  SetPrinterOverride(-1);
  Form5->Form5SchliessenClick();
  EXPECT_FALSE(Form5->isVisible());
}

TEST_F(GfuncFenster, ResponseTestModeHoldsEveryMeasuredPoint) {
  TRTAnzahl = 3000;
  for (int i = 1; i <= TRTAnzahl; ++i) {
    TRTLnZeit[i] = std::log(i / 60.0);  // one point a minute
    TRTTemp[i] = 12.0 + 1.5 * (std::log(3600.0) + TRTLnZeit[i] - 8.0);
  }
  TRTFitStart = 600;
  TRTFitEnde = 3000;
  // The fitted line 1 K below the points, so both show.
  TRTFitT1 = TRTTemp[600] - 1.0;
  TRTFitT2 = TRTTemp[3000] - 1.0;
  TRTLambda = 2.35;
  TRTModus = true;
  Form5->show();
  ASSERT_GE(GfuncTabelle.size(), 3001u);
  EXPECT_EQ(GfuncTabelle[3000], TRTTemp[3000]);
  // The fitted line in green at its last point: ln t = ln 3600 + ln 50.
  const double lnT = std::log(3600.0) + std::log(50.0);
  const int x = PlotX((lnT - 8.0) / 5.0 * 0.65 + 0.3);
  const int y = PlotY(0.8 * (TRTFitT2 - 10.0) / 20.0 + 0.1);
  EXPECT_EQ(QColor(GfuncBitmap.pixel(x - 3, y)).green(), 255);
  TRTAnzahl = 0;
}

TEST_F(GfuncFenster, ValuesThatCannotBeFittedLeaveThePicture) {
  Form1->Button8Click();
  const QImage vorher = GfuncBitmap.copy();
  // With another spacing, g5 below the single borehole's 6.6 cannot be corrected.
  Form1->ESondenabstand->setText(QStringLiteral("10.00"));
  Form1->Eg5->setText(QStringLiteral("6.500"));
  Form1->Eg3->setText(QStringLiteral("6.500"));
  Form5->ZeichneGfunc();
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(GfuncBitmap, vorher);
}

}  // namespace
}  // namespace qeb

namespace qeb {
namespace {

// A run of the response-test project shows the g-function window with the test.
TEST(GfuncTestmodus, RunInTestModeShowsTheWindow) {
  NeuesProjektInDenFenstern();
  ScriptedInteraction ui;
  Form5->hide();
  Form1->ELastyear->setText(QStringLiteral("1"));
  TRTModus = true;
  Form1->EingabenUebernehmen();
  TRTModus = true;
  SetEscapeProbe([] { return true; });  // the run stops at its first step
  ui.AnswerFile("");  // no measurement file chosen for the test's evaluation
  ui.AnswerAsk(kJa);
  Form1->StartGrafik();
  SetEscapeProbe(nullptr);
  EXPECT_TRUE(Form5->isVisible());
  Form5->hide();
  TRTModus = false;
}

}  // namespace
}  // namespace qeb
