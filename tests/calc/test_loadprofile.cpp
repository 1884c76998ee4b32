#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"

using namespace qeb;

namespace {

constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
int First(int m) {
  int h = 1;
  for (int k = 1; k < m; ++k) h += kDays[k] * 24;
  return h;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

// Splits CR LF lines; fails the test on a bare LF.
std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t lf = bytes.find('\n', pos);
    EXPECT_NE(lf, std::string::npos);
    if (lf == std::string::npos) break;
    EXPECT_TRUE(lf > pos && bytes[lf - 1] == '\r') << "line " << lines.size() + 1;
    lines.push_back(bytes.substr(pos, lf - pos - 1));
    pos = lf + 1;
  }
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> f;
  size_t a = 0;
  for (;;) {
    size_t t = line.find('\t', a);
    f.push_back(line.substr(a, t == std::string::npos ? std::string::npos : t - a));
    if (t == std::string::npos) break;
    a = t + 1;
  }
  return f;
}

class LoadProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetToDefaults();
    for (int h = 0; h <= 8760; ++h) {
      Globalstrahlung[h] = 0.0;
      Aussentemperatur[h] = 10.0;
    }
    solar = false;
    mitRueckkuehler = false;
    Lastprofil2 = false;
    Durchschnittsentzug = false;
    TTSink = 2.5;
    // one file per test: ctest runs the tests side by side in one directory
    file_ = std::string("lastgen_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".qeb";
    kFile = file_.c_str();
  }
  void TearDown() override { std::remove(kFile); }
  std::string file_;
  const char* kFile = nullptr;
};

TEST_F(LoadProfileTest, LayoutOneFileAndReadBack) {
  int lz[13] = {0, 10, 24, 0, -5, 30, 3, 3, 3, 3, 3, 3, 3};  // 30 counts as 24
  solar = true;
  Auslegungsmassenstrom = 0.45;
  Einspeisung = 4.0;
  const int sunny = First(3) + 11;  // a March noon hour outside the 0 running hours
  Globalstrahlung[sunny] = 1.0;
  double jb = -1;
  GenerateLoadFile(kFile, lz, jb, 2, 9.0, 7.0, 6.0, 0.45);
  // February's peak counts once: (24 - 24) * 2 = 0 here; months of 0 and of
  // injection count nothing; 30 hours a day are 24
  EXPECT_EQ(jb, 31 * 10 + 28 * 24 + 31 * 24 + 30 * 3 + 31 * 3 + 31 * 3 + 30 * 3 + 31 * 3 + 30 * 3 + 31 * 3);

  std::vector<std::string> lines = CrLfLines(ReadBytes(kFile));
  ASSERT_EQ(lines.size(), 1001u + 8760u);
  for (int s = 1; s <= 8760; ++s) {
    std::vector<std::string> f = Fields(lines[1000 + s]);
    ASSERT_EQ(f.size(), 4u) << s;
    ASSERT_EQ(f[0], std::to_string(s));
    ASSERT_EQ(f[2], "2.500") << s;  // TTSink in every row
  }
  auto row = [&](int s) { return Fields(lines[1000 + s]); };
  // January: 10 running hours of 6 kW, then idle rows in exponent form
  EXPECT_EQ(row(1)[1], "0.450");
  EXPECT_EQ(row(1)[3], "6.000");
  EXPECT_EQ(row(10)[3], "6.000");
  EXPECT_EQ(row(11)[1], " 0.00000000000000E+0000");
  EXPECT_EQ(row(11)[3], " 0.00000000000000E+0000");
  // a month of 0 hours: zero power all day, the collector flow in sunny hours
  EXPECT_EQ(row(First(3))[3], " 0.00000000000000E+0000");
  EXPECT_EQ(row(sunny)[1], " 4.50000000000000E-0001");
  // negative hours: injection with a negative sign
  EXPECT_EQ(row(First(4))[3], "-4.000");
  EXPECT_EQ(row(First(4) + 5)[3], " 0.00000000000000E+0000");
  // last two February days carry the peak
  EXPECT_EQ(row(First(3) - 48)[3], "9.000");
  EXPECT_EQ(row(First(3) - 49)[3], "6.000");

  // read back into the heat-pump series
  EXPECT_EQ(QWPStunde[1], 6.0);
  EXPECT_EQ(MWPStunde[1], 0.45);
  EXPECT_EQ(QWPStunde[First(4)], -4.0);
  EXPECT_EQ(MWPStunde[sunny], 0.45);
  EXPECT_EQ(QWPStunde[First(3) - 1], 9.0);
  EXPECT_EQ(QWPStunde[11], 0.0);
  EXPECT_FALSE(AusgabeText.IsOpen());
}

TEST_F(LoadProfileTest, OperatingHoursCountThePeakOnce) {
  int lz[13] = {0, 12, 11, 9, 7, 3, 2, 2, 2, 3, 7, 9, 11};
  double jb = 0;
  GenerateLoadFile(kFile, lz, jb, 2, 1.0, 7.0, 1.0, 0.3);
  double expected = (24 - 11) * 2;
  for (int m = 1; m <= 12; ++m) expected += kDays[m] * lz[m];
  EXPECT_EQ(jb, expected);
}

TEST_F(LoadProfileTest, LayoutTwoSpreadsTheMonthlyEnergy) {
  Durchschnittsentzug = true;
  int lz[13] = {0, 744, 672, 372, 0, 0, 0, 0, 0, 0, 0, 0, 744};  // kWh per month
  double jb = 0;
  GenerateLoadFile(kFile, lz, jb, 1, 5.0, 7.0, 1.0, 0.3);
  EXPECT_EQ(QWPStunde[1], 1.0);          // 744 / 31 / 24
  EXPECT_EQ(QWPStunde[First(2)], 1.0);   // 672 / 28 / 24
  EXPECT_EQ(QWPStunde[First(3) - 1], 5.0);  // last February day: peak
  EXPECT_EQ(QWPStunde[First(3)], 0.5);
  EXPECT_EQ(MWPStunde[First(5)], 0.3);
}

TEST_F(LoadProfileTest, ProfileEnergiesFollowTheMonthlyLoads) {
  // defaults: Heizlast 333, 270, ... (1800 kWh), Kuehllast up to 420 in July
  Heizbandlast = 0;
  Kuehlbandlast = 0;
  HeizlastWW = 0;
  Aufteilung = false;
  Reserve7 = false;
  BuildHourlyLoadProfile();
  const double conv = (COP_Heizlast - 1) / COP_Heizlast;
  const double econv = (EER_Kuehllast + 1) / EER_Kuehllast;
  double jan = 0, jul = 0;
  for (int h = First(1); h < First(2); ++h) jan += QStunde[h];
  for (int h = First(7); h < First(8); ++h) jul += QStunde[h];
  EXPECT_NEAR(jan, conv * Heizlast[1], 1e-9);
  EXPECT_NEAR(jul, -econv * Kuehllast[7], 1e-9);
  // results and the copies
  int hours = 0;
  double mx = 0, mn = 0;
  for (int h = 1; h <= 8760; ++h) {
    hours += QStunde[h] > 0;
    mx = std::max(mx, QStunde[h]);
    mn = std::min(mn, QStunde[h]);
    ASSERT_EQ(QWPStunde[h], QStunde[h]);
    ASSERT_EQ(QStundeFeld2[h], QStunde[h]);
    double flow = std::fabs(QStunde[h] / cpSole / DeltaVerdampfer * 1000);
    if (QStunde[h] < 0 && mKuehl > 0.0001) flow = std::max(flow, mKuehl);
    ASSERT_NEAR(MassenstromStunde2[h], flow, 1e-12) << h;
  }
  EXPECT_EQ(Entzugsstunden, hours);
  EXPECT_EQ(MaxEntzugsleistung, mx);
  EXPECT_EQ(MaxEinspeiseleistung, mn);
  EXPECT_EQ(JahresheizlastTotal, Jahresheizlast);
  // full-load days at the end of February
  EXPECT_NEAR(QStunde[First(3) - 1], (COP_Volllast - 1) / COP_Volllast * Heizleistung_Vollast, 1e-12);
}

TEST_F(LoadProfileTest, DegenerateInputsStayFinite) {
  TageVollast = 28;  // would leave no February day to divide by
  COP_Heizlast = 0;
  EER_Kuehllast = 0;
  HeizlastWW = 1e6;  // more hot-water hours than a day has
  Heizleistung_WW = 1.0;
  Freecoolleistung = 0;
  Aufteilung = true;
  BuildHourlyLoadProfile();
  for (int h = 1; h <= 8760; ++h) {
    ASSERT_TRUE(std::isfinite(QStunde[h])) << h;
    ASSERT_TRUE(std::isfinite(MassenstromStunde2[h])) << h;
    ASSERT_TRUE(std::isfinite(QStundeFeld1[h])) << h;
  }
  EXPECT_EQ(TageVollast, 28);  // the project value itself is left alone
}

TEST_F(LoadProfileTest, DegreeDaysSpreadTheHeatingEnergy) {
  HeizlastWW = 0;
  for (int h = 1; h <= 8760; ++h) Aussentemperatur[h] = 10.0;  // 10 degree days every day
  for (int h = First(7); h < First(8); ++h) Aussentemperatur[h] = 20.0;  // a warm July
  Heizlast[7] = 50.0;
  ComputeHeatingDegreeDays();
  EXPECT_EQ(Heizgradtage[1], 10.0);
  EXPECT_EQ(MonatsHeizgradtage[1], 310.0);
  EXPECT_EQ(MonatsHeizgradtage[7], 10.0);  // the lag carries 30 June into 1 July
  EXPECT_EQ(Heizgradtage[First(8) / 24 + 1], 0.0);  // 1 August: 31 July was warm
  const double conv = (COP_Heizlast - 1) / COP_Heizlast;
  double jan = 0, aug = 0;
  for (int h = First(1); h < First(2); ++h) jan += QGradtagStunde[h];
  for (int h = First(8); h < First(9); ++h) aug += QGradtagStunde[h];
  EXPECT_NEAR(jan, conv * Heizlast[1], 1e-9);
  EXPECT_NEAR(aug, 0.0, 1e-12);  // August has no heating (Heizlast 0)
  // a month with no degree days gets no heating
  for (int h = 1; h <= 8760; ++h) Aussentemperatur[h] = 20.0;
  ComputeHeatingDegreeDays();
  for (int h = 1; h <= 8760; ++h) ASSERT_EQ(QGradtagStunde[h], 0.0);
}

TEST_F(LoadProfileTest, LayoutThreeWritesTheProfileOnce) {
  Lastprofil2 = true;
  int lz[13] = {0, 12, 11, 9, 7, 3, 2, 2, 2, 3, 7, 9, 11};
  double jb = 0;
  GenerateLoadFile(kFile, lz, jb, 2, 1.0, 7.0, 1.0, 0.3);
  std::vector<std::string> lines = CrLfLines(ReadBytes(kFile));
  ASSERT_EQ(lines.size(), 1001u + 8760u);
  for (int s = 1; s <= 8760; ++s) {
    ASSERT_EQ(Fields(lines[1000 + s])[0], std::to_string(s));
    ASSERT_NEAR(QWPStunde[s], QStunde[s], 0.0005 + 1e-12) << s;
  }
}

TEST_F(LoadProfileTest, UnwritableFileRaises) {
  int lz[13] = {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  double jb = 0;
  EXPECT_THROW(GenerateLoadFile("no_such_dir/x.qeb", lz, jb, 2, 1.0, 7.0, 1.0, 0.3), CalcError);
  EXPECT_FALSE(AusgabeText.IsOpen());
}

}  // namespace

namespace {

TEST_F(LoadProfileTest, CommandMinusSixThroughTheEntry) {
  LastYear = 7;
  Inputfile2 = kFile;
  Auslegungsentzug = 4.0;
  Auslegungsmassenstrom = 0.35;
  Simulate(-6);
  EXPECT_EQ(LastYear, 7);  // restored after the generation
  EXPECT_EQ(Inputfile, Inputfile2);
  std::vector<std::string> lines = CrLfLines(ReadBytes(kFile));
  ASSERT_EQ(lines.size(), 1001u + 8760u);
  // default January: 12 running hours a day
  EXPECT_EQ(QWPStunde[1], 4.0);
  EXPECT_EQ(MWPStunde[12], 0.35);
  EXPECT_EQ(QWPStunde[13], 0.0);
  EXPECT_EQ(Fields(lines[1000 + 8760])[0], "8760");
}

}  // namespace

namespace {

// An hour is sunny above 10 W/m²; hourly radiation in MJ/m² converts to W/m²
// by 1000 / 3.6, so the threshold lies at 0.036 MJ/m² per hour.
TEST_F(LoadProfileTest, SunnyIdleHoursAtTenWattsPerSquareMetre) {
  int lz[13] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  solar = true;
  Auslegungsmassenstrom = 0.45;
  const int dim = First(6) + 7, bright = First(6) + 8, noon = First(6) + 12;
  Globalstrahlung[dim] = 0.035;     // 9.7 W/m²
  Globalstrahlung[bright] = 0.037;  // 10.3 W/m²
  Globalstrahlung[noon] = 2.0;
  double jb = 0;
  GenerateLoadFile(kFile, lz, jb, 0, 0.0, 7.0, 1.0, 0.45);
  EXPECT_EQ(MWPStunde[dim], 0.0);
  EXPECT_EQ(MWPStunde[bright], 0.45);
  EXPECT_EQ(MWPStunde[noon], 0.45);
  EXPECT_EQ(QWPStunde[bright], 0.0);
}

TEST_F(LoadProfileTest, ProfilePlantFlowOnlyInSunnyHours) {
  Lastprofil2 = true;
  solar = true;
  Auslegungsmassenstrom = 0.5;
  mKollektor = 0.2;  // smaller than the design flow: the plant flow
  const int dim = First(7) + 7, bright = First(7) + 8;
  Globalstrahlung[dim] = 0.035;
  Globalstrahlung[bright] = 0.037;
  // July without cooling: the hours carry no load of their own
  for (int m = 1; m <= 12; ++m) Kuehllast[m] = 0.0;
  Kuehlbandlast = 0.0;
  Heizbandlast = 0.0;
  HeizlastWW = 0.0;
  BuildHourlyLoadProfile();
  ASSERT_EQ(QStunde[dim], 0.0);
  ASSERT_EQ(QStunde[bright], 0.0);
  EXPECT_EQ(MassenstromStunde2[dim], 0.0);
  EXPECT_EQ(MassenstromStunde2[bright], 0.2);
  EXPECT_EQ(MassenstromFeld1[bright], 0.2);
}

// 28 full-load days would leave no other February day; they count as 27, and
// the last 27 × 24 February hours carry the full load.
TEST_F(LoadProfileTest, TwentyEightFullLoadDaysCountAsTwentySeven) {
  Heizbandlast = 0;
  Kuehlbandlast = 0;
  HeizlastWW = 0;
  Aufteilung = false;
  Reserve7 = false;
  Heizleistung_Vollast = 6.0;
  COP_Volllast = 3.0;
  const double full = (COP_Volllast - 1) / COP_Volllast * Heizleistung_Vollast;  // 4 kW
  double p27[8761], p28[8761];
  TageVollast = 27;
  BuildHourlyLoadProfile();
  std::copy(std::begin(QStunde), std::end(QStunde), std::begin(p27));
  TageVollast = 28;
  BuildHourlyLoadProfile();
  std::copy(std::begin(QStunde), std::end(QStunde), std::begin(p28));
  const int end = First(3) - 1;
  for (int h = end - 27 * 24 + 1; h <= end; ++h) ASSERT_EQ(p28[h], full) << h;
  EXPECT_NE(p28[end - 27 * 24], full);  // 1 February is no full-load day
  for (int h = 1; h <= 8760; ++h) ASSERT_EQ(p28[h], p27[h]) << h;
  // the hot-water hours of a day are at most 24
  HeizlastWW = 1e6;
  Heizleistung_WW = 1.0;
  COP_WW = 3.0;
  TageVollast = 0;
  for (int m = 1; m <= 12; ++m) Heizlast[m] = 0.0;
  Jahresheizlast = 0.0;
  Kuehlleistung = 0.0;
  TageVollastKuehlung = 0;
  BuildHourlyLoadProfile();
  for (int h = 1; h <= 8760; ++h) ASSERT_NEAR(QStunde[h], 2.0 / 3.0, 1e-12) << h;
}

}  // namespace
