// The language switch widens the input window only as far as the longer
// captions need, and gives the width back when they are shorter again.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QScrollArea>
#include <QTabWidget>

#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "shell/start.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

// Every tab's content fits the room the page on screen has, without a
// horizontal scroll bar.
void TabsPassen(TForm1& f) {
  auto* aktuell = f.PageControl1->currentWidget()->findChild<QScrollArea*>();
  ASSERT_NE(aktuell, nullptr);
  for (int i = 0; i < f.PageControl1->count(); ++i) {
    auto* s = f.PageControl1->widget(i)->findChild<QScrollArea*>();
    if (s == nullptr || s->widget() == nullptr) continue;
    EXPECT_LE(s->widget()->minimumSizeHint().width(), aktuell->viewport()->width()) << i;
  }
}

TEST(LanguageWidth, FrenchWidensAsFarAsItsCaptionsNeedAndGermanGivesItBack) {
  const ScreenMetrics bildschirm{1600, 1000, 1600, 1000, 96.0};
  SetScreenOverride(&bildschirm);
  NeuesProjektInDenFenstern();
  ScriptedInteraction ui;
  Form3->show();
  Form3->ButtonNeuClick();
  TForm1& f = *Form1;
  QApplication::processEvents();
  const int deutsch = f.width();
  // German fits the design size.
  f.Deutsch1->trigger();
  QApplication::processEvents();
  EXPECT_EQ(f.width(), deutsch);

  f.Franzsisch1->trigger();
  QApplication::processEvents();
  TabsPassen(f);
  EXPECT_LT(f.width(), deutsch + 60) << "widened beyond what the captions need";

  f.Deutsch1->trigger();
  QApplication::processEvents();
  EXPECT_EQ(f.width(), deutsch);
  TabsPassen(f);
  SetScreenOverride(nullptr);
}

}  // namespace
}  // namespace qeb
