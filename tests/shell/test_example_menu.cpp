// All ten examples from the menu, and example 9 running as its description
// says: piles with Rb = 0.15 Km/W, six of them in series.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <cstdio>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/Exp.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

TEST(ExampleMenu, AllTenReachableAndExampleNineAsDescribed) {
  NeuesProjektInDenFenstern();
  TForm1& f = *Form1;
  f.Beispiele1->trigger();
  EXPECT_TRUE(f.Beispiel1->isVisible());
  QAction* const items[] = {f.Beispiel11, f.Beispiel21, f.Beispiel31, f.Beispiel41, f.Beispiel51,
                            f.Beispiel61, f.Beispiel71, f.Beispiel81, f.Beispiel91, f.Beispiel101};
  for (int k = 1; k <= 10; ++k) {
    QAction* a = items[k - 1];
    EXPECT_TRUE(a->isVisible()) << k;
    // The item sits in the menu "Beispiele" the user opens.
    EXPECT_TRUE(a->associatedObjects().size() >= 1u) << k;
    a->trigger();
    EXPECT_TRUE(BeispielFenster(k)->isVisible()) << k;
    BeispielFenster(k)->close();
  }
  f.Beispiel91->trigger();
  {
    ScriptedInteraction ui;
    BeispielFenster(9)->Button1Click();
    EXPECT_TRUE(ui.Shown_().empty()) << (ui.Shown_().empty() ? "" : ui.Shown_()[0].text);
  }
  EXPECT_EQ(AnzahlSonden, 36);
  EXPECT_EQ(inSerie, 6.0);
  ScriptedInteraction ui;
  for (int i = 0; i < 20; ++i) ui.AnswerAsk(7);
  ASSERT_TRUE(f.Button14Click());
  std::printf("      example 9: Rb %.3f Km/W, Ra %.3f Km/W, %g piles in series, laminar %d\n", Rb, Ra, inSerie,
              laminar ? 1 : 0);
  // The run used the description's resistance, not one computed from the pipes.
  EXPECT_NEAR(Rb, 0.15, 0.005);
  EXPECT_EQ(inSerie, 6.0);
  Form4->hide();
}

}  // namespace
}  // namespace qeb
