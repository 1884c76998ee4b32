// The yearly and monthly extremes of the fluid temperature that a run from
// the windows keeps: each is the extreme of the running hours inside its
// period, the year's first and last hour included. The oracle is every
// step's result as the test saw it between the steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/QEB.h"
#include "tests/support/run_hours.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

constexpr int kB[13] = {0, 744, 1416, 2160, 2880, 3624, 4344, 5088, 5832, 6552, 7296, 8016, 8760};

TEST(RunExtremes, TheYearsExtremesAreThoseOfAllItsRunningHours) {
  NeuesProjektInDenFenstern();
  Hauptlauf = true;
  SparsamZeichnen = true;
  Outputfile = "Ausgabe_extremes.qeb";
  Form1->ELastyear->setText(QStringLiteral("2"));
  Form4->show();
  std::vector<Hour> hours;
  StundenAufzeichnen(hours);
  ScriptedInteraction ui;
  const bool ok = Form4->Start();
  SetEscapeProbe(nullptr);
  Form4->hide();
  ASSERT_TRUE(ok);

  double lo = 1000.0, hi = -1000.0, monthLo[13], monthHi[13];
  std::fill(monthLo, monthLo + 13, 9999.0);
  std::fill(monthHi, monthHi + 13, -9999.0);
  int seen = 0;
  for (const Hour& h : hours) {
    if (h.jahr != 1) continue;
    ++seen;
    if (!(h.m > 0.0001 && std::fabs(h.q) > 0.0001)) continue;
    int m = 1;
    while (h.stunde > kB[m]) ++m;
    lo = std::min(lo, h.tSink);
    hi = std::max(hi, h.tSink);
    monthLo[m] = std::min(monthLo[m], h.tSink);
    monthHi[m] = std::max(monthHi[m], h.tSink);
  }
  ASSERT_EQ(seen, 8760);
  EXPECT_EQ(TSinkMinJahr[1], lo);
  EXPECT_EQ(TSinkMaxJahr[1], hi);
  for (int m = 1; m <= 12; ++m) {
    const int k = MonatsIndex(1, m);
    EXPECT_EQ(TSinkMinMonat[k], monthLo[m]) << m;
    EXPECT_EQ(TSinkMaxMonat[k], monthHi[m]) << m;
    // No month reaches beyond its year.
    EXPECT_LE(TSinkMinJahr[1], TSinkMinMonat[k]) << m;
    EXPECT_GE(TSinkMaxJahr[1], TSinkMaxMonat[k]) << m;
  }
}

// Until a run has found its extremes they hold the statistics' start values
// (1000 / -1000 °C); a month drawn meanwhile shows no such figures beside
// its curves.
TEST(RunExtremes, AMonthDrawnBeforeTheExtremesAreKnownShowsNone) {
  NeuesProjektInDenFenstern();
  Form4->show();
  auto dunkel = [] {
    const QImage& b = Form4->Bild;
    int n = 0;
    for (int y = std::max(0, Form4->Y(0.63)); y <= std::min(b.height() - 1, Form4->Y(0.55)); ++y)
      for (int x = std::max(0, Form4->X(0.02)); x <= std::min(b.width() - 1, Form4->X(0.2)); ++x)
        if (qGray(b.pixel(x, y)) < 128) ++n;
    return n;
  };
  TSinkMin = -1.49;
  TSinkMax = 12.5;
  Form4->Februar->click();
  EXPECT_GT(dunkel(), 0);  // the place looked at is where the extremes stand
  TSinkMin = 1000.0;
  TSinkMax = -1000.0;
  Form4->Februar->click();
  EXPECT_EQ(dunkel(), 0);
  Form4->hide();
}

}  // namespace
}  // namespace qeb
