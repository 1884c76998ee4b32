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
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "tests/support/ui_project.h"
#include "widgets/Controls.h"

namespace qeb {
namespace {

// The tab on screen at the design size: what scrolls sideways or is cut.
std::vector<std::string> Abgeschnitten(TForm1& f, QWidget* tab) {
  f.resize(838, 602);
  f.PageControl1->setCurrentWidget(tab);
  f.show();
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
    for (QWidget* d : c->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (d < c && d->isVisibleTo(tab) && d->geometry().intersects(c->geometry()))
        out.push_back(c->objectName().toStdString() + " overlaps " + d->objectName().toStdString());
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

// A measured response test, 6 kW into 100 m (11 + 1.90986 ln t over 72 h).
std::string Messung() {
  std::string text = "Datum;T1;T2;P\r\n";
  const double start = *DatumZeitLesen("28/2/2011 16:28");
  for (int i = 0; i <= 96 * 6; ++i) {
    const double t = i / 6.0;
    const double tm = t <= 0    ? 11.0
                      : t <= 72 ? 11.0 + 1.90986 * std::log(t)
                                : 11.0 + 1.90986 * (std::log(t) - std::log(t - 72));
    const double dt = t <= 72 ? -5.0 : 0.0;
    text += DatumZeitText(start + t / 24.0) + ";" + FormatFixed(tm - dt / 2, 0, 4) + ";" +
            FormatFixed(tm + dt / 2, 0, 4) + ";" + (t <= 72 ? "6" : "0") + "\r\n";
  }
  return text;
}

// The test's inputs shown and relabelled while the window is away (behind
// the start dialog, a project being opened) keep whole rows when it shows.
TEST(DesignWidth, ResponseTestGroupKeepsWholeRowsInEveryLanguage) {
  NeuesProjektInDenFenstern();
  TForm1& f = *Form1;
  std::ofstream("design_trt.qeb", std::ios::binary) << Messung();
  for (QAction* sprache : {f.Deutsch1, f.Franzsisch1, f.Italienisch1, f.Englisch1, f.Spanisch1}) {
    f.hide();
    sprache->trigger();
    SCOPED_TRACE(Sprache);
    ScriptedInteraction ui;
    ui.AnswerFile("design_trt.qeb");
    f.TRT->trigger();
    ASSERT_TRUE(TRTAusgewertet);
    ASSERT_TRUE(f.ETRT->isVisibleTo(&f) && f.EHell->isVisibleTo(&f));
    for (const std::string& s : Abgeschnitten(f, f.TabSheet4)) ADD_FAILURE() << s;
  }
  TRTModus = TRTAusgewertet = false;
  f.Deutsch1->trigger();
}

}  // namespace
}  // namespace qeb
