// The second system definition dialog driven as a user drives it: the plant
// with its heat pump calculated from "Berechnung" (the plant hour every hour),
// "Lastprofil WP", the flow sum of pumps 3 to 5, and a plant project saved
// and opened again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QRadioButton>
#include <QtTest/qtestspontaneevent.h>
#include <algorithm>
#include <filesystem>
#include <string>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_plant.h"
#include "input/Cooling.h"
#include "input/SystemForms.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "tests/support/ui_project.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

class SecondSystemDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    DateiGewaehlt = false;  // no project waits to be opened when the main window shows
    DirektkuehlungWP = true;
    Form1->ELastyear->setText(QStringLiteral("1"));
    Form1->ELastyear2->setText(QStringLiteral("1"));
    system_2->show();
  }
  void TearDown() override {
    system_2->hide();
    Form4->hide();
    if (Resultat != nullptr) Resultat->hide();
    DirektkuehlungWP = false;
  }
  static void Type(QLineEdit* e, const char* t) {
    e->setText(QString::fromUtf8(t));
    e->setModified(true);
  }
};

TEST_F(SecondSystemDialog, TheProbeFlowIsPumpsThreeToFiveAndReadingShowsTheSameInTheFirstDialog) {
  EXPECT_EQ(system_2->windowTitle(), QStringLiteral("Systemdefinition 2"));
  Type(system_2->Em3, "1000");
  Type(system_2->Em4, "800");
  Type(system_2->Em5, "1800");
  EXPECT_EQ(system_2->EmSonde->text(), QStringLiteral("3600"));
  EXPECT_DOUBLE_EQ(Auslegungsmassenstrom, 1.0);
  EXPECT_EQ(Form1->EAuslegungsmassenstrom->text(), QStringLiteral("1.000"));
  Type(system_2->EAK2, "420");
  system_2->EFrostschutz->button(0)->click();
  Form1->InputFileErzeugen2->setItemIndex(1);
  system_2->ReadSystemForm();
  EXPECT_DOUBLE_EQ(m5, 0.5);
  EXPECT_EQ(Ak2, 420.0);
  EXPECT_TRUE(Frostschutz);
  EXPECT_TRUE(Lasteinlesen);
  EXPECT_EQ(Form6->EAK2->text(), QStringLiteral("420"));
  EXPECT_EQ(Form6->EFrostschutz->itemIndex(), 0);
  // A refill shows the state and keeps the design flow.
  Auslegungsmassenstrom = 0.25;
  system_2->FillSystemForm();
  EXPECT_EQ(system_2->Em5->text(), QStringLiteral("1800"));
  EXPECT_EQ(Auslegungsmassenstrom, 0.25);
}

TEST_F(SecondSystemDialog, TheRefillKeepsWhatWasTypedAndTheTitleBarCloseIsSchliessen) {
  Type(system_2->ETZulSoll, "21.5");
  system_2->close();
  EXPECT_EQ(TZulSoll, 19.0);
  // Showing it again refills it, and what was typed stays.
  TaMax = 9.0;
  system_2->show();
  system_2->oeffnesystem2();
  EXPECT_EQ(system_2->ETZulSoll->text(), QStringLiteral("21.5"));
  EXPECT_EQ(system_2->ETaMax->text(), QStringLiteral("9.0"));
  QCloseEvent ev;
  QSpontaneKeyEvent::setSpontaneous(&ev);
  static_cast<QObject*>(system_2)->event(&ev);  // as the title bar delivers it
  EXPECT_EQ(TZulSoll, 21.5);
}

// The plant with its heat pump over one year: the window's own calculation,
// then the graph run; every hour runs the plant hour.
TEST_F(SecondSystemDialog, BerechnungRunsThePlantHourEveryHourAndTheProjectKeepsItsPlant) {
  const std::string dir = (fs::current_path() / "anlage").string();
  fs::remove_all(dir);
  fs::create_directories(dir);
  Form1->EAuslegungsentzug->setText(QStringLiteral("10"));
  Form1->EProjektname->setText(QStringLiteral("Anlage mit WP"));
  Form1->EBeschreibung->setText(QStringLiteral("Direktkühlung"));
  Form1->ELastyear->setText(QStringLiteral("2"));
  Form1->ELastyear2->setText(QStringLiteral("2"));
  Form1->EingabenUebernehmen();
  Type(system_2->Em1, "1800");
  Type(system_2->Em3, "720");
  Type(system_2->Em4, "0");
  Type(system_2->EAK1, "650");
  Type(system_2->ETaMin, "18.0");
  system_2->EFrostschutz->button(0)->click();
  for (int h = 1; h <= kStunden; ++h) TZulStunde[h] = -999.0;
  ScriptedInteraction ui;
  for (int k = 0; k < 6; ++k) ui.AnswerAsk(kNein);
  ASSERT_TRUE(system_2->BerechnenClick());
  EXPECT_TRUE(ui.Texts("message").empty()) << ui.Texts("message").front();
  int ohne = 0;
  for (int h = 1; h <= kStunden; ++h) ohne += TZulStunde[h] == -999.0;
  EXPECT_EQ(ohne, 0);
  // Pump 5 carries the design extraction with the evaporator's difference.
  EXPECT_EQ(system_2->Em5->text(), FixedText(10.0 * 1000.0 / cpSole / DeltaVerdampfer * 3600.0, 0));
  EXPECT_NEAR(Auslegungsmassenstrom, (720.0 + 10.0 * 1000.0 / cpSole / DeltaVerdampfer * 3600.0) / 3600.0, 1e-3);
  EXPECT_TRUE(Systemsimulation);
  EXPECT_FALSE(System2Erstlauf);
  // The main window shows the years it showed before.
  EXPECT_EQ(Form1->ELastyear2->text(), QStringLiteral("2"));
  EXPECT_EQ(LastYear, 2);
  EXPECT_DOUBLE_EQ(m1, 0.5);
  EXPECT_EQ(Form6->Em1->text(), QStringLiteral("1800.0"));
  // The results window shows the plant's energies.
  Resultat->show();
  EXPECT_FALSE(Resultat->findChild<QLineEdit*>(QStringLiteral("EQTABS"))->text().isEmpty());
  EXPECT_FALSE(Resultat->findChild<QLineEdit*>(QStringLiteral("EEnergieWRG"))->text().isEmpty());
  Resultat->hide();

  // Saved and opened again: every dialog value as saved, the plant still on.
  const std::string datei = dir + "/anlage.txt";
  ui.AnswerFile(datei);
  for (int k = 0; k < 6; ++k) ui.AnswerAsk(kNein);
  ASSERT_TRUE(Form1->ToolButtonSpeichernClick());
  std::vector<std::pair<QString, QString>> gespeichert;
  for (QLineEdit* e : system_2->findChildren<QLineEdit*>()) gespeichert.push_back({e->objectName(), e->text()});
  ResetToDefaults();
  Form6->FillSystemForm();
  system_2->FillSystemForm();
  ASSERT_EQ(system_2->Em1->text(), QStringLiteral("144.0"));
  ui.AnswerFile(datei);
  for (int k = 0; k < 6; ++k) ui.AnswerAsk(kNein);
  Form1->ToolButtonOeffnenClick();
  system_2->FillSystemForm();
  Form6->FillSystemForm();
  EXPECT_TRUE(Systemsimulation);
  EXPECT_TRUE(Frostschutz);
  for (const auto& [name, text] : gespeichert)
    EXPECT_EQ(system_2->findChild<QLineEdit*>(name)->text(), text) << name.toStdString();
  EXPECT_EQ(Form6->EAK1->text(), QStringLiteral("650"));
  EXPECT_EQ(system_2->EFrostschutz->itemIndex(), 0);
}

TEST_F(SecondSystemDialog, LastprofilWpCalculatesThePlantOnceAndKeepsTheYears) {
  Form1->EProjektname->setText(QStringLiteral("Anlage mit WP"));
  Form1->EBeschreibung->setText(QStringLiteral("Lastprofil"));
  Form1->ELastyear->setText(QStringLiteral("3"));
  Form1->ELastyear2->setText(QStringLiteral("3"));
  LastYear = 3;
  ASSERT_TRUE(System2Erstlauf);
  ScriptedInteraction ui;
  for (int k = 0; k < 6; ++k) ui.AnswerAsk(kNein);
  for (int druck = 1; druck <= 2; ++druck) {
    for (int h = 1; h <= kStunden; ++h) TZulStunde[h] = -999.0;
    system_2->Button6Click();
    // The first press calculates the plant year, the second only prepares the main window.
    EXPECT_EQ(TZulStunde[kStunden] != -999.0, druck == 1) << druck;
    EXPECT_FALSE(System2Erstlauf);
    EXPECT_TRUE(system_2->Button3->isVisibleTo(system_2));
    EXPECT_EQ(Form1->InputFileErzeugen2->itemIndex(), 0);
    EXPECT_EQ(Form1->ELastyear->text(), QStringLiteral("3"));
    EXPECT_EQ(Form1->ELastyear2->text(), QStringLiteral("3"));
    EXPECT_EQ(LastYear, 3);
    EXPECT_TRUE(Form1->Button10->isVisibleTo(Form1));
    EXPECT_FALSE(Form1->Button4->isVisibleTo(Form1));
  }
  ResetToDefaults();
  EXPECT_TRUE(System2Erstlauf);
}

}  // namespace
}  // namespace qeb
