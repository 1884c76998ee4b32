// The results window reports the calculation it follows: a run of the whole
// plant and a run with the extraction power given show their own figures,
// with the signs their captions name.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QtTest/QTest>
#include <algorithm>
#include <cmath>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "shell/Exp.h"
#include "shell/start.h"
#include "tests/support/ui_project.h"
#include "tests/support/ui_typing.h"

namespace qeb {
namespace {

double Zahl(QLineEdit* e) { return e->text().toDouble(); }

class ResultsOfTheRun : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    SetEscapeProbe(nullptr);
    Form3->show();
    Form3->ButtonNeuClick();
  }
  void TearDown() override {
    Resultat->hide();
    Form6->hide();
    Form4->hide();
  }
  TForm1& f = *(CreateApplicationWindows(), Form1);
};

TEST_F(ResultsOfTheRun, AWholePlantRunShowsItsOwnFiguresWithTheirCaptionsSigns) {
  ScriptedInteraction ui;
  for (int i = 0; i < 10; ++i) ui.AnswerAsk(kNein);
  // A house of 18,000 kWh with a 10 kW heat pump, first as a load profile.
  Tippe(f.ESondenlaenge, "200");
  Tippe(f.EHeizleistung_Vollast, "10");
  Tippe(f.ECOP_Volllast, "4.2");
  Tippe(f.EJahresheizlast, "18000");
  Tippe(f.ELastyear2, "1");
  f.Button14->click();
  const double druckAuslegung = DruckabfallSonde;
  // Then the whole plant from the system dialog, and its results.
  f.Systemeinbindung->trigger();
  ASSERT_TRUE(Form6->isVisible());
  Form6->ESystem->button(0)->click();
  Form6->Berechnen->click();
  ASSERT_TRUE(Systemsimulation);
  ASSERT_EQ(LetztesLaufergebnis, Laufergebnis::Fertig);
  Form6->Resultate->click();
  ASSERT_TRUE(Resultat->isVisible());
  TResultat& r = *Resultat;

  // The run's hours: what it took out, its largest hour and its largest flow.
  const double meter = 200.0;
  double entzug = 0.0, spitze = 0.0, kuehlen = 0.0, mMax = 0.0;
  for (int h = 1; h <= 8760; ++h) {
    if (QStunde[h] > 0.0) entzug += QStunde[h];
    spitze = std::max(spitze, QStunde[h]);
    kuehlen = std::max(kuehlen, -QStunde[h]);
    mMax = std::max(mMax, MassenstromStunde[h]);
  }
  EXPECT_NEAR(Zahl(r.ESummeQHeiz), entzug, 0.5);
  EXPECT_NEAR(Zahl(r.ESpez_Entzug_kWh), entzug / meter, 0.05 + 1e-9);
  EXPECT_NEAR(Zahl(r.ESpez_Entzug), spitze * 1000.0 / meter, 0.05);
  // The heat taken out, under the caption that says so.
  EXPECT_NEAR(Zahl(r.EQWaerme), entzug, 0.5);
  EXPECT_TRUE(r.findChild<QLabel*>(QStringLiteral("Waermeentzug"))->isVisibleTo(&r));
  EXPECT_FALSE(r.findChild<QLabel*>(QStringLiteral("Waermebedarf"))->isVisibleTo(&r));
  // Heat put in and the cooling network's energy are amounts.
  EXPECT_GT(Zahl(r.ESummeQKuehl), 0.0);
  EXPECT_NEAR(Zahl(r.ESummeQKuehl), -QKuehlSumme, 0.5);
  EXPECT_GE(Zahl(r.EQTABS), 0.0);
  EXPECT_GT(kuehlen, 0.0);
  EXPECT_NEAR(Zahl(r.EQIstMin), kuehlen, 0.05 + 1e-9);
  EXPECT_NEAR(Zahl(r.EQIstMax), spitze, 0.05 + 1e-9);
  // The pressure drop at the plant's own flow, far below the design flow's.
  bool lam = false;
  EXPECT_NEAR(Zahl(r.EDruckabfallSonde), CircuitPressureDropAt(mMax, 200.0, &lam), 0.5);
  EXPECT_LT(Zahl(r.EDruckabfallSonde), druckAuslegung / 4.0);
  EXPECT_EQ(r.Elaminar->text(), lam ? QStringLiteral("laminar") : QStringLiteral("turbulent"));
}

TEST_F(ResultsOfTheRun, ARunWithTheExtractionPowerShowsThatPowerPerMetre) {
  ScriptedInteraction ui;
  f.Beispiel11->trigger();
  BeispielFenster(1)->Button1Click();
  ASSERT_TRUE(Leistung);
  ASSERT_FALSE(Lastprofil2);
  f.Button14->click();
  ASSERT_EQ(LetztesLaufergebnis, Laufergebnis::Fertig);
  ui.AnswerAsk(kNein);  // new calculation?
  f.Result->click();
  const double meter = AnzahlSonden * Sondenlaenge;
  EXPECT_EQ(meter, 185.0);
  // 9 kW out of 185 m, and the year's extraction of the run per metre.
  EXPECT_EQ(Resultat->ESpez_Entzug->text(), FixedText(9000.0 / 185.0, 2));
  double entzug = 0.0;
  for (int h = 1; h <= 8760; ++h)
    if (QStunde[h] > 0.0) entzug += QStunde[h];
  EXPECT_NEAR(Zahl(Resultat->ESpez_Entzug_kWh), entzug / meter, 0.05 + 1e-9);
  EXPECT_GT(Zahl(Resultat->ESpez_Entzug_kWh), 90.0);
}

}  // namespace
}  // namespace qeb
