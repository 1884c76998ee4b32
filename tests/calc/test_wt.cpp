#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "calc/QEBMOD.h"

using namespace qeb;

namespace {

TEST(WTExchanger, PassThroughWithoutFlow) {
  double a = -1, b = -1;
  HeatExchangerNTU(5.0, 25.0, 99999999.0, 2.0, 0.0, 0.5, 0.5, false, true, a, b);
  EXPECT_EQ(a, 5.0);
  EXPECT_EQ(b, 25.0);
  HeatExchangerNTU(5.0, 25.0, 2.0, 1e-8, 0.0, 0.5, 0.5, false, true, a, b);
  EXPECT_EQ(a, 5.0);
  EXPECT_EQ(b, 25.0);
}

TEST(WTExchanger, HeatBalanceInTransferUnits) {
  // capacity rates are Ak / N: (outA - TA) / NA = -(outB - TB) / NB
  for (double share : {0.0, 0.5, 1.0}) {
    for (auto [ta, tb, na, nb] : {std::array<double, 4>{5, 25, 1.5, 0.8}, {30, 4, 0.4, 2.2}, {10, 12, 3, 3}}) {
      double a, b;
      HeatExchangerNTU(ta, tb, na, nb, 0.0, 0.0, share, false, false, a, b);
      EXPECT_NEAR((a - ta) / na, -(b - tb) / nb, 1e-12);
      EXPECT_GE(a, std::min(ta, tb) - 1e-12);
      EXPECT_LE(a, std::max(ta, tb) + 1e-12);
    }
  }
}

TEST(WTExchanger, SameEffectivenessAsTheCollectorExchanger) {
  // side 1 = A with m1 c1 = Ak / NA, side 2 = B
  double ak = 1000, na = 1.25, nb = 0.5;
  double a, b, t1, t2, q;
  HeatExchangerNTU(40, 10, na, nb, 0, 0, 0.7, false, false, a, b);
  HeatExchangerCounterflowShare(ak, 0.7, ak / na / 4000, 4000, 40, ak / nb / 4000, 4000, 10, t1, t2, q);
  EXPECT_NEAR(a, t1, 1e-12);
  EXPECT_NEAR(b, t2, 1e-12);
}

TEST(WTExchanger, DewPointOfTheSaturationFormula) {
  // saturated air is at its dew point
  // (0.12469 inverts the exponent 8.02 to four digits)
  for (double t : {-10.0, 0.0, 12.0, 30.0}) EXPECT_NEAR(DewPoint(t, 1.0), t, 2e-3) << t;
  // 20 °C at 50 %: about 9.3 °C by any psychrometric table
  EXPECT_NEAR(DewPoint(20.0, 0.5), 9.3, 0.3);
  EXPECT_LT(DewPoint(20.0, 0.3), DewPoint(20.0, 0.6));
}

TEST(WTExchanger, CondensingAirStopsHalfwayBelowItsDewPoint) {
  // humid warm air (B) cooled by cold glycol (A)
  double dryA, dryB, a, b;
  HeatExchangerNTU(2.0, 28.0, 1.0, 2.0, 0.0, 0.8, 0.5, false, false, dryA, dryB);
  HeatExchangerNTU(2.0, 28.0, 1.0, 2.0, 0.0, 0.8, 0.5, false, true, a, b);
  double td = DewPoint(28.0, 0.8);
  ASSERT_LT(dryB, td);
  EXPECT_NEAR(b, td - (td - dryB) / 2.0, 1e-12);
  EXPECT_EQ(a, dryA);
  // dry air above its dew point is left as it is
  HeatExchangerNTU(2.0, 28.0, 1.0, 2.0, 0.0, 0.2, 0.5, false, true, a, b);
  EXPECT_EQ(b, dryB);
}

}  // namespace

namespace {

// A run of the default project, ready for the hours of the ventilation plant.
class WTHourTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Simulate(-3);
    StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
    readfile = false;
    writefile = false;
    Systemsimulation = true;
    Sondenlaenge = 100.0;
    m1 = 0.3;
    m2 = 0.4;
    m3 = 0.3;
    m4 = 0.4;
    Ak1 = 800;
    Ak2 = 1500;
    Ak3 = 1200;
    DTVenti = 1.5;
    EtaWRG = 0.0;
    TRaum = 20.0;
    MaxQ = false;
    Frostschutz = false;
    DirektkuehlungWP = false;
    Simulate(-1);
    Schrittzaehler = 0;
    Jahr = 1;
    Rechenstatus = 0;
  }
  void TearDown() override { Systemsimulation = false; }
  // Runs hour h of the year with outdoor temperature ta.
  void Hour(int h, double ta) {
    Schrittzaehler = h;
    Aussentemperatur[h] = ta;
    CoupleAirHeatExchanger();
  }
};

TEST_F(WTHourTest, MildAirPassesUnconditioned) {
  Hour(1, 13.0);  // between TaMax 10 and TaMin 16
  EXPECT_NEAR(TZulStunde[1], 13.0 + 1.5, 1e-12);
  EXPECT_EQ(TVLStunde[1], TRLStunde[1]);
  EXPECT_NEAR(TSink, TSource, 0.02);
  EXPECT_EQ(Rechenstatus, 0);
}

TEST_F(WTHourTest, ColdAirIsWarmedByTheGround) {
  Hour(1, -8.0);
  EXPECT_GT(TZulStunde[1], -8.0 + 1.5);  // the coil heats the supply air
  EXPECT_LT(TSink, TSource);             // the brine gives that heat
  EXPECT_LT(TZulStunde[1], TSource + 1.5);
  EXPECT_EQ(Rechenstatus, 0);
  EXPECT_GE(AktuellerSchritt, 0);
}

TEST_F(WTHourTest, HeatRecoveryLiftsColdSupplyAir) {
  EtaWRG = 2.0;  // limited to 1
  QWRGSumme = 0.0;
  Vorlauf = false;
  LastYear = 1;
  Hour(1, 13.0);
  // supply 14.5 below 20: recovery adds (20 - 14.5 + 1.5) x 1
  EXPECT_NEAR(TZulStunde[1], 14.5 + 7.0, 1e-12);
  EXPECT_GT(QWRGSumme, 0.0);
}

TEST_F(WTHourTest, CoilWorkingAgainstTheDemandIsSwitchedOff) {
  MaxQ = true;
  QMaxStunde[1] = 2.0;  // heating demand in a warm hour: the coil would cool
  Hour(1, 25.0);
  EXPECT_NEAR(TZulStunde[1], 25.0 + 1.5, 1e-12);
  EXPECT_EQ(Massenstrom, 0.0);
  EXPECT_EQ(QSource, 0.0);
  EXPECT_EQ(TVLStunde[1], TRLStunde[1]);
  QMaxStunde[1] = 0.0;
}

TEST_F(WTHourTest, UnsettledHourStopsAtThePassLimit) {
  Genauigkeit = 0.0;  // nothing can settle
  Hour(1, -8.0);
  EXPECT_EQ(Rechenstatus, 2);
  EXPECT_TRUE(std::isfinite(TSink));
  EXPECT_LE(AktuellerSchritt, 2 * kMaxLueftungsDurchlaeufe + 2);
  Rechenstatus = 1;  // the user went on: not reported again
  Hour(2, -8.0);
  EXPECT_EQ(Rechenstatus, 1);
}

TEST_F(WTHourTest, NoFlowsStayFinite) {
  m1 = m2 = m3 = m4 = 0.0;
  for (int h = 0; h <= 8760; ++h) Lueftungsprofil[h] = 0.0;  // no air either
  Hour(1, -8.0);
  EXPECT_TRUE(std::isfinite(TSink));
  EXPECT_TRUE(std::isfinite(TZulStunde[1]));
  EXPECT_NEAR(TZulStunde[1], -8.0 + 1.5, 1e-12);
}

}  // namespace

namespace {

// A whole year of the ventilation plant on the built-in weather: every hour
// settles, and the coil heats in winter and cools in summer through the probes.
TEST_F(WTHourTest, YearOfVentilationSettlesEveryHour) {
  for (int h = 0; h <= 8760; ++h) Lueftungsprofil[h] = 1.0;
  StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
  int worst = 0, hoursHeated = 0, hoursCooled = 0;
  double groundHeat = 0.0;  // kWh the probes gave
  double worstBalance = 0.0;  // kW
  double airHeat = 0.0;       // kWh the supply air gained in the heating hours
  Jahr = 1;
  LastYear = 1;
  for (int h = 1; h <= 8760; ++h) {
    Schrittzaehler = h;
    const double ta = Aussentemperatur[h];
    CoupleAirHeatExchanger();
    ASSERT_TRUE(std::isfinite(TSink) && std::isfinite(TSource) && std::isfinite(TZulStunde[h])) << h;
    worst = std::max(worst, AktuellerSchritt);
    if (Rechenstatus != 0) {
      ADD_FAILURE() << "status " << Rechenstatus << " in hour " << h;
      Rechenstatus = 0;
    }
    groundHeat += (TSource - TSink) * Massenstrom * cpSole / 1000.0;
    const double supply = TZulStunde[h] - DTVenti;
    if (ta <= TaMax && supply > ta + 0.01) ++hoursHeated;
    if (ta >= TaMin && supply < ta - 0.01) ++hoursCooled;
    // no conditioning can bring the air beyond the brine it exchanges with
    if (ta <= TaMax) {
      EXPECT_LE(supply, std::max(ta, TSource) + 0.05) << h;
      // heating: no moisture condenses, so what the air gains the brine gave
      // (through the glycol circuit; exchanger 1 is off below TaMin)
      const double c = 1.2 * Lueftungsprofil[h] * mZul / 3600.0;
      const double brine = (TSource - TSink) * Massenstrom * cpSole / 1000.0;
      worstBalance = std::max(worstBalance, std::fabs(c * (supply - ta) - brine));
      airHeat += c * (supply - ta);
    }
  }
  std::printf("ventilation year: %d heated, %d cooled hours, ground %.1f kWh, most step codes %d, air heated "
              "by %.1f kWh, worst heating balance %.4f kW\n",
              hoursHeated, hoursCooled, groundHeat, worst, airHeat, worstBalance);
  EXPECT_LT(worstBalance, 0.05);
  EXPECT_GT(hoursHeated, 1000);
  EXPECT_GT(hoursCooled, 500);
}

}  // namespace

namespace {

// Three years of the ventilation plant with the settling years of Starttemp,
// driven hour by hour as the run driver does. The last hour of each year is
// repeated by the coupling loop after code 0 has closed the year: each year
// must still be closed once, and the heat recovery must be counted for the
// hours of the last year only.
TEST_F(WTHourTest, SettlingYearsCloseOnceThroughTheCouplingLoop) {
  for (int h = 0; h <= 8760; ++h) Lueftungsprofil[h] = 1.0;
  Starttemp = true;
  LastYear = 3;
  EtaWRG = 0.5;
  DTVenti = 0.0;  // a supply below TRaum then always had heat recovered
  Simulate(-1);
  Schrittzaehler = 0;
  Jahr = 1;
  QWRGSumme = 0.0;
  std::array<int, 5> hoursOfYear{};
  std::vector<int> yearEnds;  // Jahr, Schrittzaehler, highest step code of each last hour
  while (Jahr <= LastYear) {
    Vorlauf = Jahr < LastYear;
    ++Schrittzaehler;
    const int year = Jahr;
    ASSERT_LE(year, 4);
    ++hoursOfYear[year];
    const bool last = Schrittzaehler == SchritteProJahr;
    ASSERT_NO_THROW(CoupleAirHeatExchanger());
    ASSERT_TRUE(std::isfinite(TSource) && std::isfinite(TSink));
    if (last) yearEnds.insert(yearEnds.end(), {Jahr, Schrittzaehler, AktuellerSchritt});
    if (Rechenstatus != 0) {
      ADD_FAILURE() << "status " << Rechenstatus << " in year " << year << " hour " << Schrittzaehler;
      Rechenstatus = 0;
    }
  }
  const double recovered = QWRGSumme;
  Simulate(-4);
  EXPECT_EQ(hoursOfYear[1], 8760);
  EXPECT_EQ(hoursOfYear[2], 8760);
  EXPECT_EQ(hoursOfYear[3], 8760);
  EXPECT_EQ(hoursOfYear[4], 0);
  ASSERT_EQ(yearEnds.size(), 9u);
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(yearEnds[3 * y], y + 2);
    EXPECT_EQ(yearEnds[3 * y + 1], 0);
    // December nights need the coil: the hour was tried more than once.
    EXPECT_GE(yearEnds[3 * y + 2], 1);
  }
  // The heat recovered in the last year, from its supply-air temperatures:
  // below TRaum the supply s became s + EtaWRG (TRaum - s).
  double expected = 0.0;
  for (int h = 1; h <= 8760; ++h) {
    const double t = TZulStunde[h];
    if (t >= TRaum) continue;
    const double s = (t - EtaWRG * TRaum) / (1.0 - EtaWRG);
    const double c = 1.2 * Lueftungsprofil[h] * (Aussentemperatur[h] <= TaMin ? mZul : mZul2) / 3600.0;
    expected += (t - s) * c;
  }
  EXPECT_GT(expected, 100.0);
  EXPECT_NEAR(recovered, expected, 1e-9 * expected);
  Starttemp = false;
}

}  // namespace
