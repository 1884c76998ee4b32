// The system definition dialog driven as a user drives it: pump flows in kg/h
// held in kg/s, the probe flow sum and the design mass flow, what its refills
// may change, and what its commands and closes take over.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QRadioButton>
#include <QtTest/qtestspontaneevent.h>

#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/SystemForms.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

class SystemDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Form6->show();
  }
  void TearDown() override {
    Form6->hide();
    DirektkuehlungWP = false;
  }
  static void Type(QLineEdit* e, const char* t) {
    e->setText(QString::fromUtf8(t));
    e->setModified(true);
  }
  static void TitleBarClose(QWidget* w) {
    QCloseEvent ev;
    QSpontaneKeyEvent::setSpontaneous(&ev);
    static_cast<QObject*>(w)->event(&ev);  // as the title bar delivers it
  }
};

TEST_F(SystemDialog, PumpFlowsAreTypedInKilogramsPerHourAndTheProbeSumIsTheDesignFlow) {
  EXPECT_EQ(Form6->windowTitle(), QStringLiteral("Systemdefinition"));
  Type(Form6->Em1, "1800");
  Type(Form6->Em3, "1000");
  Type(Form6->Em4, "800");
  EXPECT_EQ(Form6->EmSonde->text(), QStringLiteral("1800"));
  EXPECT_EQ(Form1->EAuslegungsmassenstrom->text(), QStringLiteral("0.500"));
  EXPECT_DOUBLE_EQ(Auslegungsmassenstrom, 0.5);
  Form6->SchliessenClick();
  EXPECT_FALSE(Form6->isVisible());
  EXPECT_DOUBLE_EQ(m1, 0.5);
  EXPECT_DOUBLE_EQ(m3, 1000.0 / 3600.0);
  Form6->FillSystemForm();
  EXPECT_EQ(Form6->Em1->text(), QStringLiteral("1800.0"));
}

TEST_F(SystemDialog, ARefillShowsTheSumButLeavesTheDesignFlowAlone) {
  Auslegungsmassenstrom = 0.7;
  m3 = 0.1;
  m4 = 0.2;
  Form6->FillSystemForm();
  EXPECT_EQ(Form6->EmSonde->text(), QStringLiteral("1080"));
  EXPECT_EQ(Auslegungsmassenstrom, 0.7);
  m3 = 0.3;
  Form6->Button1Click();  // the refill on activation
  EXPECT_EQ(Form6->Em3->text(), QStringLiteral("1080.0"));
  EXPECT_EQ(Auslegungsmassenstrom, 0.7);
}

TEST_F(SystemDialog, TheActivationRefillKeepsWhatWasTypedAndChosenHere) {
  Type(Form6->ETaMax, "12.5");
  Form6->ESystem->button(0)->click();
  TaMin = 17.0;  // changed elsewhere meanwhile
  Form6->Button1Click();
  EXPECT_EQ(Form6->ETaMax->text(), QStringLiteral("12.5"));
  EXPECT_EQ(Form6->ESystem->itemIndex(), 0);
  EXPECT_EQ(Form6->ETaMin->text(), QStringLiteral("17.0"));
  Leistung = true;
  Leistungsinput = true;
  Form6->SchliessenClick();
  EXPECT_EQ(TaMax, 12.5);
  EXPECT_TRUE(Systemsimulation);
  // "ja" for the whole system switches the power input off.
  EXPECT_FALSE(Leistung);
  EXPECT_FALSE(Leistungsinput);
  // Once read, a refill shows the state again.
  TaMax = 11.0;
  Form6->Button1Click();
  EXPECT_EQ(Form6->ETaMax->text(), QStringLiteral("11.0"));
}

TEST_F(SystemDialog, TheTitleBarCloseIsSchliessenAndTheProgramsOwnCloseReadsNothing) {
  Type(Form6->ETKondens, "9.0");
  Form6->close();
  EXPECT_EQ(TKondens, 14.0);
  Form6->show();
  EXPECT_EQ(Form6->ETKondens->text(), QStringLiteral("9.0"));  // still typed
  Form6->EFrostschutz->button(0)->click();
  TitleBarClose(Form6);
  EXPECT_EQ(TKondens, 9.0);
  EXPECT_TRUE(Frostschutz);
}

TEST_F(SystemDialog, SchliessenWithDirectCoolingByTheHeatPumpKeepsWhatWasRead) {
  DirektkuehlungWP = true;
  Type(Form6->Em1, "1800");
  Type(Form6->EAK1, "750");
  Form6->SchliessenClick();
  EXPECT_DOUBLE_EQ(m1, 0.5);
  EXPECT_EQ(Ak1, 750.0);
  EXPECT_EQ(system_2->Em1->text(), QStringLiteral("1800.0"));
}

TEST_F(SystemDialog, BerechnenTakesTheFrostProtectionChosenHere) {
  Form1->ELastyear->setText(QStringLiteral("1"));
  Form6->EFrostschutz->button(0)->click();
  ASSERT_FALSE(Frostschutz);
  ScriptedInteraction ui;
  for (int k = 0; k < 8; ++k) ui.AnswerAsk(kNein);
  Form6->BerechnenClick();
  Form4->hide();
  EXPECT_TRUE(Frostschutz);
  EXPECT_TRUE(Form6->isVisible());
}

TEST_F(SystemDialog, ShowsTheApproachTemperatureAndKeepsItsSizeAtOtherResolutions) {
  EXPECT_EQ(Form6->EGraedLuft->text(), QStringLiteral("0.00"));
  SummeGraedigkeit = 6.0;
  AnzahlGraedigkeit = 4;
  Form6->FillSystemForm();
  EXPECT_EQ(Form6->EGraedLuft->text(), QStringLiteral("1.50"));
  EXPECT_EQ(GraedigkeitLuft, 1.5);
  SummeGraedigkeit = 0.0;
  AnzahlGraedigkeit = 0;

  ScreenMetrics m = Screen();
  m.pixelsPerInch = 120.0;
  SetScreenOverride(&m);
  const QSize vorher = Form6->size();
  Form6->Vergroessern();
  EXPECT_EQ(Form6->size(), vorher);
  m.pixelsPerInch = 96.0;
  SetScreenOverride(&m);
  const int breite = Form6->width();
  Form6->Vergroessern();
  EXPECT_EQ(Form6->width(), static_cast<int>(breite * 118.0 / 96.0 + 0.5));
  SetScreenOverride(nullptr);
}

TEST_F(SystemDialog, DrawsThePlant) {
  QApplication::processEvents();
  const QImage bild = Form6->Schema->grab().toImage();
  ASSERT_FALSE(bild.isNull());
  int farbig = 0;
  for (int y = 0; y < bild.height(); y += 2)
    for (int x = 0; x < bild.width(); x += 2) {
      const QColor c = bild.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 90) ++farbig;  // the red supply lines
    }
  EXPECT_GT(farbig, 20);
}

}  // namespace
}  // namespace qeb
