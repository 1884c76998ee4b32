// The heat pump dialog driven as a user drives it: the COP curve and powers
// it shows, the extraction power it derives and offers, its checks, and what
// filling and closing it may change.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QRadioButton>
#include <QtTest/qtestspontaneevent.h>

#include "calc/QEBMOD.h"
#include "input/SystemForms.h"
#include "input/WP1.h"
#include "platform/Platform.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

class HeatPumpDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Form1->Button5->click();  // "Wärmepumpe"
  }
  void TearDown() override { Form8->hide(); }
  static void Type(QLineEdit* e, const char* t) {
    e->setText(QString::fromUtf8(t));
    e->setModified(true);
  }
  // The user picks "ja" for deriving the extraction power.
  static void WaehleJa() {
    Form8->EWP->setItemIndex(1);
    Form8->EWP->button(0)->click();
  }
};

TEST_F(HeatPumpDialog, ShowsTheDefaultCurveInTheOrderOfItsSourceTemperatures) {
  ASSERT_TRUE(Form8->isVisible());
  EXPECT_EQ(Form8->windowTitle(), QStringLiteral("Wärmepumpe"));
  QLineEdit* cop[] = {Form8->ECOP_5, Form8->ECOP_0, Form8->ECOP5, Form8->ECOP10, Form8->ECOP15};
  const char* text[] = {"2.50", "3.00", "3.50", "4.00", "4.50"};
  const char* label[] = {"COP bei -5°C = ", "COP bei 0°C = ", "COP bei 5°C = ", "COP bei 10°C = ", "COP bei 15°C = "};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(cop[i]->text(), QString::fromLatin1(text[i]));
    auto* l = Form8->findChild<QLabel*>(QStringLiteral("L_") + cop[i]->objectName());
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->text(), QString::fromUtf8(label[i]));
    if (i > 0) {
      EXPECT_GT(cop[i]->mapTo(Form8, QPoint()).y(), cop[i - 1]->mapTo(Form8, QPoint()).y());
    }
  }
  EXPECT_EQ(Form8->ESondenpumpe->text(), QStringLiteral("50"));
  EXPECT_EQ(Form8->EWPFrostgrenze->text(), QStringLiteral("-10.0"));
  // Opened from the main window the heat pump is on, and "Lastprofil 2" is gone.
  EXPECT_TRUE(WP);
  EXPECT_EQ(Form8->EWP->itemIndex(), 0);
  EXPECT_FALSE(Form1->Lastprofil1->isVisible());
  EXPECT_TRUE(Form1->Wrmepumpeaus1->isVisible());
}

TEST_F(HeatPumpDialog, OffersTheExtractionPowerOfATenKilowattHeatPumpAtCopThree) {
  Auslegungsentzug = 5.0;
  DauerLastSpitze = 2;
  Form1->EDurchschnitt->setItemIndex(1);
  Type(Form8->EWPHeizleistung, "10");
  Type(Form8->ECOP_0, "3");
  ScriptedInteraction ui;
  ui.AnswerAsk(kJa);    // adapt the run time
  ui.AnswerAsk(kJa);    // take 6.7 kW
  ui.AnswerAsk(kNein);  // keep February's continuous operation
  ui.AnswerAsk(kJa);    // reduce it to one day
  ui.AnswerAsk(kJa);    // with the new power
  WaehleJa();
  EXPECT_EQ(ui.Texts("ask"),
            (std::vector<std::string>{"Sondenlaufzeit der neuen Leistung anpassen ?",
                                      "Entzugsleistung Sonde auf 6.7 kW ändern?",
                                      "Dauerbetrieb Sonde Februar ausschalten (empfohlen)?",
                                      "Dauerbetrieb Sonde auf 1 Tag im Februar reduzieren (empfohlen)?",
                                      "Entzugsleistung Dauerbetrieb auf 6.7 kW ändern?"}));
  EXPECT_EQ(Form1->EAuslegungsentzug->text(), QStringLiteral("6.7"));
  EXPECT_NEAR(Auslegungsentzug, 20.0 / 3.0, 0.05);
  EXPECT_EQ(DauerLastSpitze, 1);
  EXPECT_EQ(Form1->EDauerLastSpitze->text(), QStringLiteral("1"));
  EXPECT_NEAR(QSpitzeFeb, 20.0 / 3.0, 0.05);
  EXPECT_EQ(Form1->EQSpitzeFeb->text(), QStringLiteral("6.7"));
  // The run-time choice went through "energy" and back to what it was.
  EXPECT_EQ(Form1->EDurchschnitt->itemIndex(), 1);
  EXPECT_TRUE(ui.AllAnswersUsed());
}

TEST_F(HeatPumpDialog, AsksOnlyWhatTheStateCallsFor) {
  Type(Form8->EWPHeizleistung, "10");
  Type(Form8->ECOP_0, "3");
  {  // Within 0.05 kW of the derived power: nothing is asked.
    Auslegungsentzug = 6.7;
    ScriptedInteraction ui;
    WaehleJa();
    EXPECT_TRUE(ui.Texts("ask").empty());
  }
  {  // No to the power changes nothing, even after Yes to the run time.
    Auslegungsentzug = 4.0;
    Form1->EDurchschnitt->setItemIndex(1);
    const QString vorher = Form1->EAuslegungsentzug->text();
    ScriptedInteraction ui;
    ui.AnswerAsk(kJa);
    ui.AnswerAsk(kNein);
    WaehleJa();
    EXPECT_EQ(Auslegungsentzug, 4.0);
    EXPECT_EQ(Form1->EAuslegungsentzug->text(), vorher);
    EXPECT_EQ(Form1->EDurchschnitt->itemIndex(), 1);
  }
  {  // One day of continuous operation: only the question about its power.
    Auslegungsentzug = 4.0;
    DauerLastSpitze = 1;
    ScriptedInteraction ui;
    ui.AnswerAsk(kNein);
    ui.AnswerAsk(kJa);
    ui.AnswerAsk(kNein);
    ui.AnswerAsk(kNein);
    WaehleJa();
    EXPECT_EQ(ui.Texts("ask").back(), "Entzugsleistung Dauerbetrieb auf 6.7 kW ändern?");
    EXPECT_EQ(ui.Count("ask", "Dauerbetrieb Sonde auf 1 Tag im Februar reduzieren (empfohlen)?"), 0);
    EXPECT_EQ(DauerLastSpitze, 1);
  }
}

TEST_F(HeatPumpDialog, AMissingCopAtZeroComesFromItsNeighboursAndACopOfOneOffersNothing) {
  Auslegungsentzug = 1.0;
  Type(Form8->EWPHeizleistung, "10");
  Type(Form8->ECOP_0, "0");
  {
    ScriptedInteraction ui;
    ui.AnswerAsk(kNein);
    ui.AnswerAsk(kNein);
    WaehleJa();  // mean of 2.5 and 3.5
    EXPECT_EQ(Form8->ECOP_0->text(), QStringLiteral("3.0"));
    EXPECT_EQ(COP_0, 3.0);
    EXPECT_EQ(ui.Texts("ask").at(1), "Entzugsleistung Sonde auf 6.7 kW ändern?");
  }
  // Only the upper points: 4.0 and 4.5 at 10 and 15 °C give 3.0 at 0 °C.
  EXPECT_DOUBLE_EQ(FehlenderCOP0(0.0, 0.0, 4.0, 4.5), 3.0);
  EXPECT_DOUBLE_EQ(FehlenderCOP0(2.0, 0.0, 4.0, 0.0), 2.0 + 5.0 * 2.0 / 15.0);  // the line through -5 and 10 °C
  EXPECT_DOUBLE_EQ(FehlenderCOP0(0.0, 0.0, 0.0, 0.0), 0.0);
  {
    Type(Form8->ECOP_5, "0");
    Type(Form8->ECOP5, "0");
    Type(Form8->ECOP_0, "0");
    ScriptedInteraction ui;
    ui.AnswerAsk(kNein);
    ui.AnswerAsk(kNein);
    WaehleJa();
    EXPECT_EQ(Form8->ECOP_0->text(), QStringLiteral("3.0"));
  }
  {  // A COP of 1 or less: no zero or negative extraction is offered.
    for (const char* c : {"1", "0.5"}) {
      Type(Form8->ECOP_0, c);
      ScriptedInteraction ui;
      WaehleJa();
      EXPECT_TRUE(ui.Texts("ask").empty()) << c;
      EXPECT_EQ(Auslegungsentzug, 1.0);
    }
  }
}

TEST_F(HeatPumpDialog, IncompleteDataSwitchTheHeatPumpOffOnLeavingTheChoice) {
  // A message, not a question: no answer keeps the heat pump on with incomplete data.
  Type(Form8->ECOP_0, "1200");
  ScriptedInteraction ui;
  Form8->COPTest();
  EXPECT_TRUE(ui.Texts("ask").empty());
  EXPECT_EQ(ui.Texts("message"), std::vector<std::string>{"COP eingeben"});
  EXPECT_EQ(Form8->EWP->itemIndex(), 1);
  EXPECT_FALSE(WP);
  ui.Clear();
  Type(Form8->ECOP_0, "3");
  Form8->EWP->setItemIndex(0);
  Type(Form8->EWPHeizleistung, "0");
  Form8->COPTest();
  EXPECT_TRUE(ui.Texts("ask").empty());
  EXPECT_EQ(ui.Texts("message"), std::vector<std::string>{"Heizleistung der Wärmepumpe eingeben"});
  EXPECT_EQ(Form8->EWP->itemIndex(), 1);
  EXPECT_FALSE(WP);
}

TEST_F(HeatPumpDialog, FillingChangesNothingAndTheTitleBarCloseIsSchliessen) {
  {
    // A fill with the heat pump on and data that would offer a new power asks nothing.
    Form8->EWP->setItemIndex(1);
    WP = true;
    WPHeizleistung = 10.0;
    COP_0 = 3.0;
    Auslegungsentzug = 2.0;
    ScriptedInteraction ui;
    Form8->WPAnzeigen();
    EXPECT_TRUE(ui.Texts("ask").empty());
    EXPECT_EQ(Auslegungsentzug, 2.0);
    EXPECT_EQ(Form8->EWP->itemIndex(), 0);
  }
  Form1->Lastprofil1->setVisible(true);
  Type(Form8->ECOP15, "5.2");
  QCloseEvent ev;
  QSpontaneKeyEvent::setSpontaneous(&ev);
  static_cast<QObject*>(Form8)->event(&ev);  // as the title bar delivers it
  EXPECT_EQ(COP15, 5.2);
  EXPECT_FALSE(Form1->Lastprofil1->isVisible());
  // Hiding the dialog reads it back too.
  Type(Form8->EKesselleistung, "7.5");
  Form8->hide();
  EXPECT_EQ(Kesselleistung, 7.5);
}

TEST(EvaporatorFlow, CarriesTheDesignExtractionAndIsZeroWithoutAHeatCapacity) {
  NeuesProjektInDenFenstern();
  Auslegungsentzug = 10.0;
  cpSole = 3800.0;
  DeltaVerdampfer = 3.0;
  EXPECT_NEAR(Verdampferdurchsatz(), 0.877, 0.0005);
  EXPECT_EQ(FixedText(Verdampferdurchsatz() * 3600.0, 0), QStringLiteral("3158"));
  DeltaVerdampfer = 0.0;
  EXPECT_EQ(Verdampferdurchsatz(), 0.0);
  DeltaVerdampfer = 3.0;
  cpSole = -1.0;
  EXPECT_EQ(Verdampferdurchsatz(), 0.0);
}

}  // namespace
}  // namespace qeb
