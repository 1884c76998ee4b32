// The language switch widens the input window only as far as the longer
// captions need, and gives the width back when they are shorter again.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "calc/TextIO.h"
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

// The captions of the page in front that are cut in width or height, as
// "caption: shown w x h of needed w x h".
std::vector<std::string> Abgeschnitten(TForm1& f) {
  std::vector<std::string> out;
  QWidget* seite = f.PageControl1->currentWidget();
  for (QWidget* c : seite->findChildren<QWidget*>()) {
    if (!c->isVisibleTo(seite)) continue;
    QString text;
    QSize noetig;
    if (auto* l = qobject_cast<QLabel*>(c)) {
      if (l->text().isEmpty()) continue;
      text = l->text();
      noetig = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
    } else if (auto* b = qobject_cast<QAbstractButton*>(c)) {
      if (b->text().isEmpty()) continue;
      text = b->text();
      noetig = b->sizeHint();
    } else if (auto* g = qobject_cast<QGroupBox*>(c)) {
      if (g->title().isEmpty()) continue;
      text = g->title();
      noetig = g->minimumSizeHint();
    } else {
      continue;
    }
    if (c->width() < noetig.width() || c->height() < noetig.height())
      out.push_back(text.replace(QLatin1Char('\n'), QLatin1Char(' ')).toStdString() + ": " +
                    std::to_string(c->width()) + " x " + std::to_string(c->height()) + " of " +
                    std::to_string(noetig.width()) + " x " + std::to_string(noetig.height()));
  }
  return out;
}

// Whichever tab is in front during a switch, every page shows its captions
// whole afterwards, in height as in width.
TEST(LanguageWidth, EveryPageIsLaidOutForTheNewTextsWhicheverTabIsInFront) {
  NeuesProjektInDenFenstern();
  ScriptedInteraction ui;
  Form3->show();
  Form3->ButtonNeuClick();
  TForm1& f = *Form1;
  QApplication::processEvents();
  const std::pair<QAction*, const char*> sprachen[] = {
      {f.Franzsisch1, "F"}, {f.Italienisch1, "I"}, {f.Spanisch1, "S"}, {f.Englisch1, "E"}, {f.Deutsch1, "D"}};
  int geprueft = 0;
  for (auto [menu, letter] : sprachen) {
    for (int vorn = 0; vorn < f.PageControl1->count(); ++vorn) {
      if (!f.PageControl1->isTabVisible(vorn)) continue;
      // From the language before, with this tab in front.
      f.PageControl1->setCurrentIndex(vorn);
      QApplication::processEvents();
      (std::string(letter) == "D" ? f.Englisch1 : f.Deutsch1)->trigger();
      QApplication::processEvents();
      menu->trigger();
      QApplication::processEvents();
      for (int i = 0; i < f.PageControl1->count(); ++i) {
        if (!f.PageControl1->isTabVisible(i)) continue;
        f.PageControl1->setCurrentIndex(i);
        QApplication::processEvents();
        for (const std::string& c : Abgeschnitten(f))
          ADD_FAILURE() << letter << ", " << f.PageControl1->tabText(vorn).toStdString() << " in front, then "
                        << f.PageControl1->tabText(i).toStdString() << ": " << c;
        ++geprueft;
      }
    }
  }
  EXPECT_GT(geprueft, 5 * 8 * 8);
  f.hide();
}

}  // namespace
}  // namespace qeb
