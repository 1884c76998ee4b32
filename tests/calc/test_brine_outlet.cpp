// The outlet of transient brine after a pump start: brine that mixes, takes
// up and gives off heat cannot leave warmer than the warmest or colder than
// the coldest temperature it met, and the heat the ground gives is what the
// brine carried off plus what it kept. The oracles are these bounds of
// physics and the first law with the capacities the test sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {
namespace {

enum class Probe { DoubleU, Coaxial, CoaxialReversed };

// One grid sub-step of an hour in four, right after a pause of the pump: the
// brine stood at the temperature of the ground around it, and the pump now
// sends cold (extraction) or warm (injection) brine into the probe.
void PumpStart(Probe probe, double tIn) {
  SCOPED_TRACE(::testing::Message() << "probe " << static_cast<int>(probe) << ", inlet " << tIn);
  constexpr int n = 4;
  VectorStack grid{};
  SegmentValues A{}, B{}, ab{}, auf{}, E{};
  const double ground[n + 1] = {0, 8.20, 8.40, 8.60, 8.68};
  for (int k = 1; k <= n; ++k) {
    grid[k][1] = ground[k];
    A[k] = 30.0;
    B[k] = 80.0;
    ab[k] = ground[k];
    auf[n + 1 - k] = ground[k];  // the up channel is counted from the bottom
  }
  BrineInputs in;
  in.grid = &grid;
  in.A = A;
  in.B = B;
  in.dimAxi = n;
  in.cSoleRohr = 50000;
  in.cSoleRingraum = 60000;
  in.cSoleInnenrohr = 30000;
  in.subdt = 4;
  in.zeitschritt = 60;
  in.W = 300.0;
  in.Tin = tIn;
  in.stationaer = false;
  in.coaxial = probe != Probe::DoubleU;
  in.reversed = probe == Probe::CoaxialReversed;
  // Inner sub-steps short enough that no channel exchanges more than its
  // own heat content in one of them.
  const double seconds = 60.0 * in.zeitschritt / in.subdt;
  const double rate = in.coaxial ? std::max((in.W + 30.0 + 80.0) / in.cSoleRingraum, (in.W + 30.0) / in.cSoleInnenrohr)
                                 : (in.W + 40.0) / in.cSoleRohr;
  in.nsub = static_cast<int>(std::ceil(seconds * rate));

  double lo = tIn, hi = tIn, kept = 0.0;
  for (int k = 1; k <= n; ++k) {
    lo = std::min({lo, ground[k], ab[k], auf[k]});
    hi = std::max({hi, ground[k], ab[k], auf[k]});
  }
  const SegmentValues ab0 = {ab[0], ab[1], ab[2], ab[3], ab[4]};
  const SegmentValues auf0 = {auf[0], auf[1], auf[2], auf[3], auf[4]};
  const double outlet = ComputeBrineProfile(in, ab, auf, E);
  EXPECT_GE(outlet, lo);
  EXPECT_LE(outlet, hi);
  double heat = 0.0;
  for (int k = 1; k <= n; ++k) {
    EXPECT_GE(ab[k], lo) << k;
    EXPECT_LE(ab[k], hi) << k;
    EXPECT_GE(auf[k], lo) << k;
    EXPECT_LE(auf[k], hi) << k;
    heat += E[k];
    kept += in.coaxial ? in.cSoleRingraum * (ab[k] - ab0[k]) + in.cSoleInnenrohr * (auf[k] - auf0[k])
                       : in.cSoleRohr * (ab[k] - ab0[k] + auf[k] - auf0[k]);
  }
  // First law: heat from the ground = carried off + kept in the brine.
  const double carried = in.W * (outlet - tIn) * seconds;
  EXPECT_NEAR(heat, carried + kept, 1e-9 * (std::fabs(heat) + std::fabs(kept) + std::fabs(carried)));
}

TEST(BrineOutlet, AfterAPumpStartStaysWithinTheTemperaturesTheBrineMet) {
  for (Probe p : {Probe::DoubleU, Probe::Coaxial, Probe::CoaxialReversed})
    for (double tIn : {2.0, 16.0}) PumpStart(p, tIn);
}

// The first hours of a run through the command entry, the pump switching on
// and off every two hours, traced sub-step by sub-step: in extraction no
// outlet is warmer than the warmest ground at the start, in injection none
// colder than the coldest.
void FirstHours(bool coaxial, bool singleU, double load) {
  SCOPED_TRACE(::testing::Message() << (coaxial ? "coaxial" : singleU ? "single U" : "double U") << ", load "
                                    << load);
  SetDefaults();
  readfile = false;
  writefile = false;
  stationaer = false;
  Jahreszeiten = false;
  Kellerflaeche = 0.0;
  Druck = false;
  AnfahrfileSchreiben = false;
  TEarth = false;
  LastYear = 1;
  Leistung = true;
  KoaxialSonde = coaxial;
  einfachU = singleU;
  DimAxi = 4;
  DimRad = 6;
  Sondenlaenge = 100.0;
  Auslegungsmassenstrom = 0.3;
  Simulate(-1);
  double lo = 1e9, hi = -1e9;
  for (int j = 1; j <= DimAxi; ++j)
    for (int k = 1; k <= DimRad + 1; ++k) {
      lo = std::min(lo, TGitter[j][k]);
      hi = std::max(hi, TGitter[j][k]);
    }
  ASSERT_GT(VerlaufSchritte, 5);
  Schrittzaehler = 0;
  Jahr = 1;
  for (int h = 1; h < VerlaufSchritte && h <= 24; ++h) {
    const bool on = ((h - 1) / 2) % 2 == 0;
    Massenstrom = on ? 0.3 : 0.0;
    QSource = on ? load : 0.0;
    ++Schrittzaehler;
    int code = 0;
    Simulate(code);
    for (int s = 1; s <= subdt; ++s) {
      const double t = TSourceVerlauf[(h - 1) * subdt + s];
      if (load > 0) {
        EXPECT_LE(t, hi + 1e-9) << "hour " << h << ", sub-step " << s;
      } else {
        EXPECT_GE(t, lo - 1e-9) << "hour " << h << ", sub-step " << s;
      }
    }
  }
}

TEST(BrineOutlet, FirstHoursOfARunStayOnTheSideOfTheGroundTheLoadGivesThem) {
  for (bool coaxial : {false, true})
    for (double load : {4.0, -6.0}) FirstHours(coaxial, false, load);
  FirstHours(false, true, 4.0);
}

}  // namespace
}  // namespace qeb
