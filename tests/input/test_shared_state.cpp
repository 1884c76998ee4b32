// The window works on the module's own variables: what the user changes in
// the window is in the module at once and in the saved project, and what a
// project holds is what the window shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QtTest/QTest>
#include <filesystem>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

class SharedState : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Form1->Lastprofil1Click();
    Form1->show();
  }
  void TearDown() override { Form4->hide(); }
  static void Tippe(QLineEdit* e, const char* keys) {
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, QString::fromUtf8(keys));
  }
  // Saves through the tool button, then reads the file back into a fresh state.
  static void SpeichernUndLesen(const std::string& name) {
    ScriptedInteraction ui;
    ui.AnswerInput("Gemeinsam");
    ui.AnswerInput("");
    const std::string file = (std::filesystem::current_path() / name).string();
    ui.AnswerFile(file);
    Form1->ToolButtonSpeichern->click();
    ASSERT_TRUE(std::filesystem::exists(file));
    ResetToDefaults();
    Inputfile = file;
    Simulate(-2);
  }
};

TEST_F(SharedState, ValuesChangedInTheWindowAreTheModulesAndSaved) {
  Tippe(Form1->EBohrdurchmesser, "0.14");
  Tippe(Form1->EBu, "0.07");
  Tippe(Form1->EVerlegetiefe, "1.5");
  Tippe(Form1->EFreecoollast, "0");
  Tippe(Form1->ELastyear1, "2");
  Form1->EingabenUebernehmen();
  // The resistance and its limit see the shank ratio of the spacing typed.
  EXPECT_DOUBLE_EQ(BuRelativ, 0.07 / 0.14);
  EXPECT_EQ(BuMin, Sondendurchmesser);
  EXPECT_DOUBLE_EQ(BuMax, 0.14 - Sondendurchmesser);
  EXPECT_EQ(StaoWert3, 1.5);
  EXPECT_EQ(JahresFreecooling, 0.0);
  EXPECT_EQ(MessungJahre, 2);
  // A run keeps the free-cooling energy typed.
  SetEscapeProbe(nullptr);
  {
    ScriptedInteraction ui;
    Form1->StartGrafik();
  }
  EXPECT_EQ(Form1->EFreecoollast->text(), QStringLiteral("0"));

  SpeichernUndLesen("gemeinsam.txt");
  EXPECT_DOUBLE_EQ(BuRelativ, 0.07 / 0.14);
  EXPECT_EQ(StaoWert3, 1.5);
  double frei = 0.0;
  for (int m = 1; m <= 12; ++m) frei += Freecool[m];
  EXPECT_EQ(frei, 0.0);
}

TEST_F(SharedState, TheSiteFileFlagAProjectHoldsShowsAsOn) {
  Reserve27 = true;
  StaoGelesen = true;
  Form1->EingabenAnzeigen();
  EXPECT_EQ(Form1->EReserve27->text(), QStringLiteral("1.000"));
  EXPECT_TRUE(Form1->NoImportTempStao1->isVisible());
  EXPECT_FALSE(Form1->ImportTempStao1->isVisible());
  Reserve27 = false;
  Form1->EingabenAnzeigen();
  EXPECT_EQ(Form1->EReserve27->text(), QStringLiteral("0.000"));
  EXPECT_TRUE(Form1->ImportTempStao1->isVisible());
}

}  // namespace
}  // namespace qeb
