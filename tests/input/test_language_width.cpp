// The language switch widens the input window only as far as the longer
// captions need, and gives the width back when they are shorter again.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "shell/start.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

// Every tab, turned to, shows its whole width: no horizontal scroll bar.
void TabsPassen(TForm1& f) {
  const int vorher = f.PageControl1->currentIndex();
  for (int i = 0; i < f.PageControl1->count(); ++i) {
    auto* s = f.PageControl1->widget(i)->findChild<QScrollArea*>();
    if (s == nullptr || s->widget() == nullptr) continue;
    f.PageControl1->setCurrentIndex(i);
    QApplication::processEvents();
    EXPECT_EQ(s->horizontalScrollBar()->maximum(), 0) << f.PageControl1->tabText(i).toStdString();
  }
  f.PageControl1->setCurrentIndex(vorher);
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

  // Back to German from the load profile's tab, which scrolls.
  f.PageControl1->setCurrentWidget(f.Lastprofil);
  QApplication::processEvents();
  f.Deutsch1->trigger();
  QApplication::processEvents();
  EXPECT_EQ(f.width(), deutsch);
  TabsPassen(f);
  SetScreenOverride(nullptr);
}

}  // namespace
}  // namespace qeb
