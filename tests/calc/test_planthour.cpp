#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "calc/QEBMOD.h"

using namespace qeb;

namespace {

constexpr int kH = 4000;

class PlantHourTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PlantRunStart();
    solar = true;
    mitRueckkuehler = false;
    RueckkuehlerHeizen = true;
    unverglast = false;
    WWsolar = false;
    WWPrio = false;
    AnlageAktiv = true;
    Koll_Verlustfakt = false;
    Rechenstatus = 0;
    Schrittzaehler = kH;
    Massenstrom = 0.5;
    cpSole = 3800.0;
    TSource = 5.0;
    QSourceSoll = 10.0;
    QSource = 10.0;
    TSink = TSource - QSource * 1000 / Massenstrom / cpSole;
    Kollektor = 20.0;
    Eta0 = 0.8;
    a1 = 3.5;
    a2 = 0.0;
    KollektorFaktor = 1.0;
    mKollektor = 0.3;
    cp_Kollektor = 3800.0;
    Ak_Kollektor = 2000.0;
    zzKollektor = 1.0;
    MaxSondenruecklauf = 30.0;
    Ta_nurQEBbetrieb = 0.0;
    Ta_nurLuftbetrieb = 12.0;
    Ein_Rueckkuehler = 2.0;
    RueckkuehlLeistung = 10.0;
    TKaltwasser = 10.0;
    Solarspeicher = 500.0;
    for (int h = 0; h <= 8760; ++h) {
      Globalstrahlung[h] = 0.0;
      Aussentemperatur[h] = 15.0;
      TSpeicherStunde[h] = 10.0;
    }
    Globalstrahlung[kH] = 2.88;  // 800 W/m²
    MKollektorStunde[kH] = 0.3;  // as the previous year left it
  }
  void TearDown() override {
    solar = false;
    mitRueckkuehler = false;
  }
  double SinkWP() const { return TSource - QSourceSoll * 1000 / Massenstrom / cpSole; }
};

TEST_F(PlantHourTest, NothingWithoutPlant) {
  solar = false;
  double ts = TSink, qs = QSource;
  PlantHour();
  EXPECT_EQ(TSink, ts);
  EXPECT_EQ(QSource, qs);
  EXPECT_EQ(QKollektorStunde[kH], 0.0);
}

TEST_F(PlantHourTest, SunnyHourHeatsTheBrineAndBalances) {
  const double twp = SinkWP();
  PlantHour();
  EXPECT_EQ(Rechenstatus, 0);
  ASSERT_GT(QKollektor, 1.0);
  // the brine takes what passed the exchanger (the bypass is mixed back)
  EXPECT_NEAR((TSink - twp) * Massenstrom * cpSole / 1000, QTauscher, 1e-9);
  // collector heat = exchanger heat at convergence
  EXPECT_LT(std::fabs(QKollektor - QTauscher), 0.02 + 1e-12);
  EXPECT_NEAR(QSource, (TSource - TSink) * Massenstrom * cpSole / 1000, 1e-9);
  EXPECT_NEAR(QKollektorStunde[kH], QKollektor, 1e-12);
  EXPECT_EQ(TVLStunde[kH], TKollektorAus);
  EXPECT_EQ(TZulStunde[kH], TKollektorEin);
  EXPECT_GT(TKollektorAus, TKollektorEin);  // the collectors heat their circuit
}

TEST_F(PlantHourTest, FirstYearWithoutCarriedFlowPassesNoHeat) {
  MKollektorStunde[kH] = 0.0;  // no earlier year
  const double entry = TSink;
  PlantHour();
  EXPECT_EQ(QTauscher, 0.0);
  EXPECT_NEAR(TSink, entry, 1e-12);
  EXPECT_EQ(MKollektorStunde[kH], 0.3);  // this year's flow is kept for the next
}

TEST_F(PlantHourTest, ReturnHeldAtTheLimit) {
  MaxSondenruecklauf = 0.5;  // below what the collectors would reach
  PlantHour();
  // the exchanger is throttled pass by pass, the rest is cut
  EXPECT_LE(TSink, 0.5 + 1e-12);
  EXPECT_GT(TSink, 0.3);
  EXPECT_NEAR(QSource, (TSource - TSink) * Massenstrom * cpSole / 1000, 1e-9);
  EXPECT_LE(QKollektorStunde[kH], QKollektor + 1e-12);
  // the unthrottled exchanger would have gone far beyond the limit
  MaxSondenruecklauf = 30.0;
  PlantHour();
  EXPECT_GT(TSink, 1.0);
}

TEST_F(PlantHourTest, NightWithoutRecooler) {
  Globalstrahlung[kH] = 0.0;
  QTauscher = 5.0;  // stale from an earlier hour
  TSink = SinkWP() - 1.0;
  PlantHour();
  EXPECT_NEAR(TSink, SinkWP(), 1e-12);
  EXPECT_EQ(QKollektorStunde[kH], 0.0);
  EXPECT_EQ(QRueckkuehlStunde[kH], 0.0);
  EXPECT_EQ(TVLStunde[kH], Aussentemperatur[kH]);
  // entry above TSinkWP: the exit clamp keeps the entry and books the cut
  TSink = SinkWP() + 2.0;
  const double entry = TSink;
  PlantHour();
  EXPECT_EQ(TSink, entry);
  EXPECT_NEAR(QKollektorStunde[kH], -(SinkWP() - entry) * Massenstrom * cpSole / 1000, 1e-9);
}

TEST_F(PlantHourTest, RecoolerBelowItsLimitLeavesTheSink) {
  solar = false;
  mitRueckkuehler = true;
  Ta_nurQEBbetrieb = 5.0;
  Aussentemperatur[kH] = 2.0;
  const double entry = TSink;
  QTauscher = 3.0;
  PlantHour();
  EXPECT_EQ(QTauscher, 0.0);
  EXPECT_EQ(TSink, entry);
  EXPECT_EQ(QRueckkuehlStunde[kH], 0.0);
}

TEST_F(PlantHourTest, RecoolerHeatsTheBrineFromWarmAir) {
  solar = false;
  mitRueckkuehler = true;
  Aussentemperatur[kH] = 10.0;  // below Ta_nurLuftbetrieb: the ground still works
  TSource = 8.0;
  QSourceSoll = QSource = 5.0;
  TSink = SinkWP();
  const double twp = SinkWP();
  PlantHour();
  EXPECT_GT(QTauscher, 0.0);
  EXPECT_GT(TSink, twp);
  EXPECT_NEAR((TSink - twp) * Massenstrom * cpSole / 1000, QTauscher, 1e-9);
  EXPECT_NEAR(QRueckkuehlStunde[kH], QTauscher, 1e-12);
  EXPECT_LT(TSink, Aussentemperatur[kH]);
  EXPECT_GT(QSource, 0.0);
  // warm enough for air-only operation: the ground gives nothing this hour
  Aussentemperatur[kH] = 15.0;
  TSink = SinkWP();
  PlantHour();
  EXPECT_EQ(QSource, 0.0);
}

TEST_F(PlantHourTest, TooSmallCollectorFlowIsReported) {
  mKollektor = 0.0005;
  PlantHour();
  EXPECT_EQ(Rechenstatus, 4);
  EXPECT_TRUE(std::isfinite(TSink));
  EXPECT_EQ(QKollektor, 0.0);
  Rechenstatus = 1;  // the user chose to go on: not asked again
  PlantHour();
  EXPECT_EQ(Rechenstatus, 1);
}

TEST_F(PlantHourTest, NoBrineFlowStaysFinite) {
  for (bool recooler : {false, true}) {
    mitRueckkuehler = recooler;
    Massenstrom = 0.0;
    TSink = TSource;
    PlantHour();
    EXPECT_TRUE(std::isfinite(TSink));
    EXPECT_TRUE(std::isfinite(QSource));
    EXPECT_TRUE(std::isfinite(QKollektorStunde[kH]));
  }
}

TEST_F(PlantHourTest, DirectCollectorsFeedOnlyTheStore) {
  Ak_Kollektor = 0.0;
  WWsolar = true;
  TSpeicherStunde[kH - 1] = 20.0;
  const double entry = TSink;
  PlantHour();
  EXPECT_EQ(TSink, entry);  // no exchanger to the brine
  EXPECT_GT(TSpeicherStunde[kH], 20.0 * (1 - 0.01));
  EXPECT_LT(std::fabs(QKollektor - QwwSolar), 0.02 + 1e-12);
}

TEST_F(PlantHourTest, RunStartClearsEarlierFlows) {
  MKollektorStunde[123] = 0.4;
  QwwSolarStunde[123] = 1.0;
  QKollektorStunde[123] = 2.0;
  QRueckkuehler = 3.0;
  PlantRunStart();
  EXPECT_EQ(MKollektorStunde[123], 0.0);
  EXPECT_EQ(QwwSolarStunde[123], 0.0);
  EXPECT_EQ(QKollektorStunde[123], 0.0);
  EXPECT_EQ(QRueckkuehler, 0.0);
}

}  // namespace

// ---- whole runs through the command entry ----

namespace {

struct RunResult {
  double tMinLastYear = 1e300;  // lowest fluid temperature of the last year while the brine flows
  double qKollektor = 0.0;      // kWh of the last year
  double qRueckkuehl = 0.0;     // kWh of the last year
  bool finite = true;
  int worstStatus = 0;
};

enum class Plant { None, Solar, Recooler };

// A 100 m probe with 3 kW extraction in the running hours of the default
// monthly table; the hourly loads come from a load file generated by
// command -6 and read back as the project (command -2).
RunResult RunTenYears(Plant plant, bool profile2, const std::string& file) {
  Simulate(-3);
  StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
  writefile = false;
  Leistung = true;
  Leistungsinput = true;
  stationaer = true;
  Sondenlaenge = 100.0;
  solar = plant == Plant::Solar;
  mitRueckkuehler = plant == Plant::Recooler;
  RueckkuehlerHeizen = true;
  RueckkuehlLeistung = 5.0;
  Lastprofil2 = profile2;
  QSource = 3.0;
  Auslegungsentzug = 3.0;
  Auslegungsmassenstrom = 0.3;
  Massenstrom = 0.3;
  Kollektor = 10.0;
  mKollektor = 0.2;
  Ak_Kollektor = 1500.0;
  zzKollektor = 1.0;
  Inputfile2 = file;
  Simulate(-6);
  readfile = true;
  Inputfile = file;
  Simulate(-2);
  LastYear = 10;  // the generated file carries the 2 years of the generation
  Simulate(-1);
  Schrittzaehler = 0;
  Jahr = 1;
  RunResult r;
  while (Jahr <= LastYear) {
    Vorlauf = Jahr < LastYear;
    ++Schrittzaehler;
    const int h = Schrittzaehler;
    const bool last = Jahr == LastYear;
    int code = 0;
    Simulate(code);
    r.worstStatus = std::max(r.worstStatus, Rechenstatus);
    if (!std::isfinite(TSink) || !std::isfinite(TSource) || !std::isfinite(QSource)) r.finite = false;
    if (last) {
      if (Massenstrom > 0.001) r.tMinLastYear = std::min({r.tMinLastYear, TSink, TSource});
      r.qKollektor += QKollektorStunde[h];
      r.qRueckkuehl += QRueckkuehlStunde[h];
    }
  }
  int finish = -4;
  Simulate(finish);
  std::remove(file.c_str());
  return r;
}

TEST(PlantHourRun, SolarRegenerationRaisesTheLowestFluidTemperature) {
  RunResult without = RunTenYears(Plant::None, false, "plantrun_none.qeb");
  RunResult with = RunTenYears(Plant::Solar, false, "plantrun_solar.qeb");
  EXPECT_TRUE(without.finite);
  EXPECT_TRUE(with.finite);
  EXPECT_LT(with.worstStatus, 2);
  EXPECT_GT(with.qKollektor, 100.0);  // kWh put into the ground in the last year
  EXPECT_GT(with.tMinLastYear, without.tMinLastYear + 0.1);
  EXPECT_EQ(without.qKollektor, 0.0);
}

TEST(PlantHourRun, OutdoorAirRecoolerRunsTenYears) {
  RunResult without = RunTenYears(Plant::None, false, "plantrun_none2.qeb");
  RunResult with = RunTenYears(Plant::Recooler, false, "plantrun_recooler.qeb");
  EXPECT_TRUE(with.finite);
  EXPECT_LT(with.worstStatus, 2);
  EXPECT_GT(with.qRueckkuehl, 100.0);  // heat taken from the air in the last year
  EXPECT_GT(with.tMinLastYear, without.tMinLastYear);
}

TEST(PlantHourRun, GeneratedLoadProfileRunsTenYears) {
  RunResult r = RunTenYears(Plant::None, true, "plantrun_profile.qeb");
  EXPECT_TRUE(r.finite);
  EXPECT_LT(r.worstStatus, 2);
  EXPECT_LT(r.tMinLastYear, 1e300);  // the brine flowed in the last year
}

}  // namespace

namespace {

// Collectors and recooler together: the recooler circuit is the collector
// circuit, its flow the collector flow whatever the previous year left.
TEST_F(PlantHourTest, CollectorsWithRecoolerUseTheCollectorFlow) {
  mitRueckkuehler = true;
  MKollektorStunde[kH] = 0.0;  // no earlier year: without the recooler no heat would pass
  Aussentemperatur[kH] = 25.0;
  const double twp = SinkWP();
  PlantHour();
  EXPECT_GT(QTauscher, 1.0);
  EXPECT_NEAR((TSink - twp) * Massenstrom * cpSole / 1000, QTauscher, 1e-9);
  // collectors and air together deliver what passed the exchanger
  EXPECT_LT(std::fabs(QKollektor + QRueckkuehler - QTauscher), 0.02 + 1e-12);
  EXPECT_GT(QRueckkuehler, 0.0);  // the air is warmer than the circuit
}

// A recooler that rejects heat (RueckkuehlerHeizen clear) cannot lower the
// brine below what it was on entry: the exit clamp keeps TSink.
TEST_F(PlantHourTest, RejectingRecoolerKeepsTheEntrySink) {
  solar = false;
  mitRueckkuehler = true;
  RueckkuehlerHeizen = false;
  Aussentemperatur[kH] = 5.0;
  TSource = 20.0;
  QSourceSoll = QSource = -5.0;  // injection: the brine comes back warm
  TSink = SinkWP();
  const double entry = TSink;
  PlantHour();
  EXPECT_LT(QTauscher, 0.0);  // heat went to the air
  EXPECT_EQ(TSink, entry);
  EXPECT_TRUE(std::isfinite(QKollektorStunde[kH]));
}

}  // namespace
