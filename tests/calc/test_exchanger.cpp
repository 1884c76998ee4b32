#include <gtest/gtest.h>

#include <cmath>

#include "calc/QEBMOD.h"

using namespace qeb;

namespace {

// Textbook effectiveness of the stream with the smaller capacity rate.
double EpsCounter(double ntu, double cr) {
  if (std::fabs(cr - 1.0) < 1e-12) return ntu / (1.0 + ntu);
  double e = std::exp(-ntu * (1.0 - cr));
  return (1.0 - e) / (1.0 - cr * e);
}
double EpsParallel(double ntu, double cr) { return (1.0 - std::exp(-ntu * (1.0 + cr))) / (1.0 + cr); }

struct Case {
  double ak, m1, c1, t1, m2, c2, t2;
};

// Expected heat (kW, side 1 to side 2) from the closed forms.
double ClosedFormQ(const Case& k, double share) {
  double C1 = k.m1 * k.c1, C2 = k.m2 * k.c2;
  double cmin = std::min(C1, C2), cmax = std::max(C1, C2);
  double ntu = k.ak / cmin, cr = cmin / cmax;
  double eps = (1 - share) * EpsParallel(ntu, cr) + share * EpsCounter(ntu, cr);
  // the blend acts on the reference (colder) stream's effectiveness, which is
  // eps * cmin / C_ref; the heat is the same either way
  return eps * cmin * (k.t1 - k.t2) / 1000.0;
}

const Case kCases[] = {
    {2000, 0.5, 4000, 60, 0.8, 3800, 10},   // hot side 1 has the smaller rate
    {2000, 0.9, 4000, 60, 0.3, 3800, 10},   // hot side 1 has the larger rate
    {800, 0.3, 3600, 5, 0.6, 4180, 30},     // side 1 colder
    {5000, 0.2, 4180, 45, 0.25, 3344, 12},  // equal capacity rates (836 W/K)
    {150, 1.2, 4000, -3, 0.1, 4000, 8},
};

TEST(ExchangerCounterflowShare, PureLimitsMatchClosedForms) {
  for (const Case& k : kCases) {
    for (double share : {0.0, 1.0}) {
      double t1o, t2o, q;
      HeatExchangerCounterflowShare(k.ak, share, k.m1, k.c1, k.t1, k.m2, k.c2, k.t2, t1o, t2o, q);
      double qx = ClosedFormQ(k, share);
      EXPECT_NEAR(q, qx, 1e-9 * std::max(1.0, std::fabs(qx))) << k.ak << " share " << share;
      EXPECT_NEAR(t1o, k.t1 - qx * 1000 / (k.m1 * k.c1), 1e-9);
      EXPECT_NEAR(t2o, k.t2 + qx * 1000 / (k.m2 * k.c2), 1e-9);
    }
  }
}

TEST(ExchangerCounterflowShare, EnergyBalanceClosesForEveryShare) {
  for (const Case& k : kCases) {
    for (double share : {0.0, 0.25, 0.5, 0.8, 1.0}) {
      double t1o, t2o, q;
      HeatExchangerCounterflowShare(k.ak, share, k.m1, k.c1, k.t1, k.m2, k.c2, k.t2, t1o, t2o, q);
      double given = k.m1 * k.c1 * (k.t1 - t1o) / 1000;
      double taken = k.m2 * k.c2 * (t2o - k.t2) / 1000;
      EXPECT_NEAR(given, taken, 1e-9) << share;
      EXPECT_NEAR(q, given, 1e-9);
      // no stream passes the other's inlet temperature (second law)
      double lo = std::min(k.t1, k.t2), hi = std::max(k.t1, k.t2);
      EXPECT_GE(t1o, lo - 1e-12);
      EXPECT_LE(t1o, hi + 1e-12);
      EXPECT_GE(t2o, lo - 1e-12);
      EXPECT_LE(t2o, hi + 1e-12);
    }
  }
}

TEST(ExchangerCounterflowShare, BlendIsLinearInTheShare) {
  const Case& k = kCases[0];
  double a1, a2, aq, b1, b2, bq, h1, h2, hq;
  HeatExchangerCounterflowShare(k.ak, 0.0, k.m1, k.c1, k.t1, k.m2, k.c2, k.t2, a1, a2, aq);
  HeatExchangerCounterflowShare(k.ak, 1.0, k.m1, k.c1, k.t1, k.m2, k.c2, k.t2, b1, b2, bq);
  HeatExchangerCounterflowShare(k.ak, 0.5, k.m1, k.c1, k.t1, k.m2, k.c2, k.t2, h1, h2, hq);
  EXPECT_NEAR(hq, (aq + bq) / 2, 1e-12);
  EXPECT_NEAR(h1, (a1 + b1) / 2, 1e-12);
  EXPECT_GT(bq, aq);  // counter flow transfers more
}

TEST(ExchangerCounterflowShare, EqualRatesUseNOverOnePlusN) {
  // N = 5000 / 836 on both sides
  double t1o, t2o, q;
  HeatExchangerCounterflowShare(5000, 1.0, 0.2, 4180, 45, 0.25, 3344, 12, t1o, t2o, q);
  double n = 5000.0 / 836.0;
  EXPECT_NEAR(t2o, 12 + (45 - 12) * n / (1 + n), 1e-9);
}

TEST(ExchangerCounterflowShare, ZeroFlowPassesBothStreams) {
  for (double m1 : {0.0, -1.0, 0.4}) {
    for (double m2 : {0.0, 0.4}) {
      if (m1 > 0 && m2 > 0) continue;
      double t1o = -99, t2o = -99, q = -99;
      HeatExchangerCounterflowShare(1000, 0.5, m1, 4000, 50, m2, 4000, 10, t1o, t2o, q);
      EXPECT_EQ(t1o, 50);
      EXPECT_EQ(t2o, 10);
      EXPECT_EQ(q, 0);
    }
  }
  double t1o, t2o, q;
  HeatExchangerCounterflowShare(0.0, 0.5, 0.3, 4000, 50, 0.3, 4000, 10, t1o, t2o, q);  // no area
  EXPECT_EQ(q, 0);
  HeatExchangerCounterflowShare(1000, 0.5, 0.3, 0.0, 50, 0.3, 4000, 10, t1o, t2o, q);  // no cp
  EXPECT_EQ(q, 0);
}

TEST(ExchangerCounterflowShare, ExtremeRatiosStayFinite) {
  // one stream a million times the other: the small one reaches the big one's inlet
  for (double share : {0.0, 0.5, 1.0}) {
    double t1o, t2o, q;
    HeatExchangerCounterflowShare(1e5, share, 1e-3, 4000, 80, 1000, 4000, 10, t1o, t2o, q);
    ASSERT_TRUE(std::isfinite(t1o) && std::isfinite(t2o) && std::isfinite(q));
    EXPECT_NEAR(t1o, 10, 1e-3);
    HeatExchangerCounterflowShare(1e5, share, 1000, 4000, 80, 1e-3, 4000, 10, t1o, t2o, q);
    ASSERT_TRUE(std::isfinite(t1o) && std::isfinite(t2o) && std::isfinite(q));
    EXPECT_NEAR(t2o, 80, 1e-3);
  }
}

class ExchangerRecooler : public ::testing::Test {
 protected:
  void SetUp() override {
    Koll_Verlustfakt = false;
    RueckkuehlerHeizen = true;
    AnlageAktiv = true;
  }
  void TearDown() override { AnlageAktiv = true; }
};

TEST_F(ExchangerRecooler, HeatingFromWarmAir) {
  // 10 kW at 15 K, 0.5 kg/s of 4000 J/kgK, air 12 °C, fluid 4 °C, switch-on 2 K
  double q = 0;
  double dt = RecoolerHour(4000, 0.5, 2.0, 10.0, 12.0, 4.0, q);
  double expected = 10.0 * 1000 / 15 * 8 / 0.5 / 4000;  // 2.667 K
  EXPECT_NEAR(dt, expected, 1e-12);
  EXPECT_NEAR(q, 0.5 * 4000 * expected / 1000, 1e-12);
  Koll_Verlustfakt = true;
  dt = RecoolerHour(4000, 0.5, 2.0, 10.0, 12.0, 4.0, q);
  EXPECT_NEAR(dt, 0.8 * expected, 1e-12);
}

TEST_F(ExchangerRecooler, NeverCloserThanOneKelvinNorMoreThanTwenty) {
  double q;
  double dt = RecoolerHour(4000, 0.05, 1.0, 50.0, 12.0, 4.0, q);  // huge recooler, small flow
  EXPECT_NEAR(dt, 12.0 - 1.0 - 4.0, 1e-12);
  dt = RecoolerHour(4000, 0.05, 1.0, 500.0, 40.0, 4.0, q);
  EXPECT_NEAR(dt, 20.0, 1e-12);
  EXPECT_NEAR(q, 0.05 * 4000 * 20 / 1000, 1e-12);
  RueckkuehlerHeizen = false;  // rejection
  dt = RecoolerHour(4000, 0.05, 1.0, 50.0, 12.0, 30.0, q);
  EXPECT_NEAR(dt, -(30.0 - 13.0), 1e-12);
  EXPECT_NEAR(q, -0.05 * 4000 * 17 / 1000, 1e-12);
  dt = RecoolerHour(4000, 0.05, 1.0, 500.0, 0.0, 60.0, q);
  EXPECT_NEAR(dt, -20.0, 1e-12);
}

TEST_F(ExchangerRecooler, SwitchOnDifferenceIsExclusive) {
  double q = 7;
  EXPECT_EQ(RecoolerHour(4000, 0.5, 3.0, 10.0, 13.0, 10.0, q), 0.0);
  EXPECT_EQ(q, 0.0);
  EXPECT_GT(RecoolerHour(4000, 0.5, 3.0, 10.0, 13.01, 10.0, q), 0.0);
  // warm fluid, cold air, heating mode: nothing (the recooler does not reject)
  EXPECT_EQ(RecoolerHour(4000, 0.5, 3.0, 10.0, 0.0, 20.0, q), 0.0);
}

TEST_F(ExchangerRecooler, NoFlowOrPlantOffGivesNothing) {
  double q = 7;
  EXPECT_EQ(RecoolerHour(4000, 0.0, 1.0, 10.0, 20.0, 0.0, q), 0.0);
  EXPECT_EQ(q, 0.0);
  EXPECT_EQ(RecoolerHour(0.0, 0.5, 1.0, 10.0, 20.0, 0.0, q), 0.0);
  AnlageAktiv = false;
  EXPECT_EQ(RecoolerHour(4000, 0.5, 1.0, 10.0, 20.0, 0.0, q), 0.0);
  EXPECT_EQ(q, 0.0);
}

}  // namespace
