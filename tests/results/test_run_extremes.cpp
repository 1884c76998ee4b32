// The yearly and monthly extremes of the fluid temperature that a run from
// the windows keeps: each is the extreme of the running hours inside its
// period, the year's first and last hour included. The oracle is every
// step's result as the test saw it between the steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

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

}  // namespace
}  // namespace qeb
