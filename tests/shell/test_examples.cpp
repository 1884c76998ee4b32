// The ten example projects: each opens from its menu item and window, is a
// complete project of its description, and calculates to plausible results.
#include <gtest/gtest.h>

#include <QAction>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/Exp.h"
#include "shell/Sprachen.h"
#include "widgets/Controls.h"
#include "calc/QEBMOD_plant.h"
#include "tests/support/ui_project.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

class Examples : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Hauptlauf = true;
  }
  TForm1& f = *(CreateApplicationWindows(), Form1);
};

int Zeilen(std::string_view t) { return static_cast<int>(std::count(t.begin(), t.end(), '\n')); }

TEST_F(Examples, TextsAreDataOfTheNamedVersionsWithTheirTitles) {
  const char* const titel[11] = {"",
                                 "QEB Kurs: Beispiel 1",
                                 "QEB Kurs: Beispiel 2",
                                 "QEB Kurs: Beispiel 3",
                                 "QEB Kurs: Beispiel 4",
                                 "QEB Kurs: Beispiel 5",
                                 "Beispiel 6: Solare Sondenregeneration mit WW-Vorwärmung",
                                 "Beispiel 7: Anergienetz",
                                 "Beispiel 8: Grundwassereinfluss",
                                 "Beispiel 9: 36 x 20m Beton-Erdpfähle DN 50cm, mit Grundwasser",
                                 "Beispiel 10: Sondenregeneration mit Aussenluft-Wärmetauscher"};
  for (int k = 1; k <= 10; ++k) {
    const std::string_view t = BeispielText(k);
    EXPECT_EQ(Zeilen(t), 1001) << k;
    const std::string version(t.substr(0, t.find('.')));
    EXPECT_EQ(version, k == 1 ? "17" : k <= 5 ? "14" : "22") << k;
    std::istringstream in{std::string(t)};
    std::string l1, l2, l3;
    std::getline(in, l1);
    std::getline(in, l2);
    std::getline(in, l3);
    if (!l3.empty() && l3.back() == '\r') l3.pop_back();
    EXPECT_EQ(Win1252ToUtf8(l3), titel[k]);
  }
}

TEST_F(Examples, EveryExampleOpensFromItsMenuAndCalculatesPlausibly) {
  std::printf("  k | probes x length | fluid min..max [C] | heat [MWh/a] | cooling\n");
  for (int k = 1; k <= 10; ++k) {
    SCOPED_TRACE("example " + std::to_string(k));
    NeuesProjektInDenFenstern();
    QAction* const items[] = {nullptr,         f.Beispiel11, f.Beispiel21, f.Beispiel31, f.Beispiel41, f.Beispiel51,
                              f.Beispiel61,    f.Beispiel71, f.Beispiel81, f.Beispiel91, f.Beispiel101};
    items[k]->trigger();
    TBeispielFenster* w = BeispielFenster(k);
    ASSERT_TRUE(w->isVisible());
    // The title speaks the windows' language (German as built, the
    // project's language once an example has been loaded).
    const std::string l = Fenstersprache.empty() ? "D" : Fenstersprache;
    EXPECT_EQ(w->windowTitle(), FromBytes(LanguageText(8, l)) + QStringLiteral(":  ") +
                                    FromBytes(LanguageText(842, l)) + QStringLiteral(" %1").arg(k));
    {
      ScriptedInteraction ui;
      w->Button1Click();
      EXPECT_TRUE(ui.Shown_().empty()) << (ui.Shown_().empty() ? "" : ui.Shown_()[0].text);
    }
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(BeispielWirdGeladen);
    EXPECT_FALSE(BeispielModus);
    EXPECT_TRUE(fs::exists("Bsp" + std::to_string(k) + ".qeb"));
    const int sonden = AnzahlSonden;
    ScriptedInteraction ui;
    for (int i = 0; i < 20; ++i) ui.AnswerAsk(7);
    ASSERT_TRUE(f.Button14Click());
    for (const auto& s : ui.Shown_())
      if (s.kind != "ask") ADD_FAILURE() << s.kind << ": " << s.text;
    double tmin = 1e9, tmax = -1e9, q = 0, qk = 0;
    for (int h = 1; h <= 8760; ++h) {
      for (double t : {TSinkStunde[h], TSourceStunde[h]}) {
        tmin = std::min(tmin, t);
        tmax = std::max(tmax, t);
      }
      if (QStunde[h] > 0) q += QStunde[h];
      if (QStunde[h] < 0) qk -= QStunde[h];
    }
    std::printf(" %2d | %3d x %6.1f m | %6.2f .. %6.2f | %8.1f | %8.1f\n", k, sonden, Sondenlaenge, tmin, tmax,
                q / 1000, qk / 1000);
    EXPECT_GE(tmin, -10.0);
    EXPECT_LE(tmax, 40.0);
    EXPECT_GT(Sondenlaenge, 0.0);
    EXPECT_GT(q, 0.0);
    // Cooling, solar or outdoor-air regeneration put heat back from example 4 on.
    if (k >= 4) {
      EXPECT_GT(qk, 0.0);
    } else {
      EXPECT_EQ(qk, 0.0);
    }
  }
}

TEST_F(Examples, LoadersSetWhatTheStoredProjectDoesNotCarry) {
  auto laden = [&](int k) {
    ScriptedInteraction ui;
    BeispielFenster(k)->Button1Click();
    EXPECT_TRUE(ui.Shown_().empty());
  };
  laden(3);
  EXPECT_EQ(AnzahlSonden, 10);
  EXPECT_EQ(Sondenlaenge, 210.0);
  EXPECT_EQ(Projekttitel2, "QEB Kurs: Beispiel 3");
  EXPECT_EQ(f.ESondenlaenge->text(), "210.0");
  laden(6);
  EXPECT_EQ(Offset, 7);
  EXPECT_TRUE(WWsolar);
  EXPECT_EQ(HeizlastWW, 28000);
  EXPECT_TRUE(f.PageControl1->isTabVisible(f.PageControl1->indexOf(f.TabKollektoren)));
  double t[8761];
  double rh[8761];
  double g[8761];
  StandardWetterjahrKopieren(t, rh, g);
  // The built-in year, shifted by 7 hours.
  bool vor = true, zurueck = true, gleich = true;
  for (int h = 1; h <= 200; ++h) {
    vor = vor && Aussentemperatur[h + 7] == t[h];
    zurueck = zurueck && Aussentemperatur[h] == t[h + 7];
    gleich = gleich && Aussentemperatur[h] == t[h];
  }
  EXPECT_TRUE(vor || zurueck);
  EXPECT_FALSE(gleich);
  laden(8);
  EXPECT_EQ(LastYear, 50);
  EXPECT_EQ(DeltaVerdampfer, 2);
  EXPECT_TRUE(f.PageControl1->isTabVisible(f.PageControl1->indexOf(f.TabSheet9)));
  EXPECT_TRUE(f.Grundwasser1->isVisible());
  // The language stays as it was.
  f.Italienisch1Click();
  laden(2);
  EXPECT_EQ(Sprache, "I");
  laden(2);
  std::ifstream in("Bsp2.qeb", std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  EXPECT_EQ(all.str(), std::string(BeispielText(2)));
  f.Deutsch1Click();
}

TEST_F(Examples, AFailedLoadShowsTheErrorAndStops) {
  // A folder where the example's file should go: the text cannot be put there.
  fs::remove_all("Bsp5.qeb");
  fs::create_directory("Bsp5.qeb");
  fs::create_directory("Bsp5.qeb/x");
  f.ESondenlaenge->setText("77");
  f.EingabenUebernehmen();
  ScriptedInteraction ui;
  Form15->show();
  Form15->Button1Click();
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(Sondenlaenge, 77.0);
  EXPECT_TRUE(Form15->isVisible());  // the loader's further steps did not run
  EXPECT_FALSE(BeispielWirdGeladen);
  EXPECT_FALSE(fs::exists("Bsp.qeb"));
  Form15->close();
  fs::remove_all("Bsp5.qeb");
}

TEST_F(Examples, AccessNumberShowsTheMenu) {
  f.EBspNr->setText("4640");
  EXPECT_TRUE(f.Beispiel1->isVisible());
  EXPECT_FALSE(f.Beispiel81->isVisible());
  f.EBspNr->setText("12");
  EXPECT_FALSE(f.Beispiel1->isVisible());
  f.Beispiele1Click();
  EXPECT_TRUE(f.Beispiel1->isVisible());
}

}  // namespace
}  // namespace qeb
