// The input window's tabs read whole at the design size (838 x 602) in all
// five languages: no group scrolls sideways, no caption is cut.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <string>
#include <vector>

#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "tests/support/ui_project.h"
#include "widgets/Controls.h"

namespace qeb {
namespace {

// The tab on screen at the design size: what scrolls sideways or is cut.
std::vector<std::string> Abgeschnitten(TForm1& f, QWidget* tab) {
  f.resize(838, 602);
  f.PageControl1->setCurrentWidget(tab);
  QApplication::processEvents();
  std::vector<std::string> out;
  auto* scroll = tab->findChild<QScrollArea*>();
  if (scroll->horizontalScrollBar()->maximum() > 0)
    out.push_back("scrolls by " + std::to_string(scroll->horizontalScrollBar()->maximum()) + " px");
  for (QWidget* c : tab->findChildren<QWidget*>()) {
    if (!c->isVisibleTo(tab)) continue;
    int noetig = 0;
    if (auto* l = qobject_cast<QLabel*>(c)) noetig = l->text().isEmpty() ? 0 : l->sizeHint().width();
    else if (auto* b = qobject_cast<QAbstractButton*>(c)) noetig = b->text().isEmpty() ? 0 : b->sizeHint().width();
    if (noetig > c->width() || c->height() < c->minimumSizeHint().height())
      out.push_back(c->objectName().toStdString() + " cut");
  }
  return out;
}

TEST(DesignWidth, LoadProfileFitsWithAndWithoutTheSplitInEveryLanguage) {
  NeuesProjektInDenFenstern();
  TForm1& f = *Form1;
  f.show();
  for (QAction* sprache : {f.Deutsch1, f.Franzsisch1, f.Italienisch1, f.Englisch1, f.Spanisch1}) {
    sprache->trigger();
    f.Lastprofil1->trigger();
    for (int ja : {1, 0}) {
      SCOPED_TRACE(Sprache + (ja == 0 ? " split" : ""));
      f.EAufteilung->button(ja)->click();
      ASSERT_EQ(Aufteilung, ja == 0);
      // The split adds the free-cooling column.
      EXPECT_EQ(f.EFreecool1->isVisibleTo(f.Lastprofil), ja == 0);
      for (const std::string& s : Abgeschnitten(f, f.Lastprofil)) ADD_FAILURE() << s;
    }
    f.EAufteilung->button(1)->click();
  }
  f.Deutsch1->trigger();
}

}  // namespace
}  // namespace qeb
