#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/zuri.h"

using namespace qeb;

namespace {

constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Published figures of the reference year.
constexpr double kTFirstDay[24] = {3.2, 2.9, 2.4, 2.3, 1.8, 1.5, 1.2, 1.4, 1.4, 1.8, 2.5, 2.8,
                                   2.7, 5.4, 6.8, 6.1, 4.5, 2.1, -0.4, -0.8, -0.9, -1, -1.5, -1.9};
constexpr double kGFirstDay[24] = {0, 0, 0, 0, 0, 0, 0, 0, 0.033, 0.139, 0.312, 0.678,
                                   0.831, 1.908, 1.005, 0.174, 0.054, 0, 0, 0, 0, 0, 0, 0};
constexpr double kRHFirstDay[24] = {84.5, 88.5, 92.8, 94.1, 95.9, 96.1, 95.9, 96.5,
                                    97.2, 96.7, 98,   99.5, 99.9, 88.4, 77.4, 80.7,
                                    85.6, 90,   91.9, 92.6, 94.8, 95.3, 94.9, 94.6};
constexpr double kTMonth[13] = {0, -0.11, 0.42, 4.67, 8.13, 12.54, 15.44,
                                18.45, 17.50, 14.44, 10.13, 4.11, 1.92};
constexpr double kGMonth[13] = {0, 0.15, 0.29, 0.46, 0.58, 0.62, 0.69, 0.74, 0.66, 0.53, 0.35, 0.20, 0.12};
constexpr double kRHMonth[13] = {0, 83.89, 79.49, 73.28, 70.27, 71.56, 71.79,
                                 69.90, 73.92, 78.55, 82.33, 83.61, 83.87};

double Mean(const double* t, int from, int to) {
  double s = 0;
  for (int h = from; h <= to; ++h) s += t[h];
  return s / (to - from + 1);
}

// A mean "is" a published figure with n decimals when it rounds to it.
void ExpectRoundsTo(double value, double figure, int decimals, const char* what, int m = 0) {
  double scale = std::pow(10.0, decimals);
  EXPECT_EQ(std::nearbyint(value * scale), std::nearbyint(figure * scale)) << what << " month " << m << " " << value;
}

// Number of decimals a stored value needs (values are stored as the nearest double).
bool HasAtMostDecimals(double v, int decimals) {
  double scale = std::pow(10.0, decimals);
  return std::fabs(v * scale - std::nearbyint(v * scale)) < 1e-6;
}

TEST(WeatherData, IndexZeroRepeatsHourOne) {
  EXPECT_EQ(kZuriTemperatur[0], kZuriTemperatur[1]);
  EXPECT_EQ(kZuriFeuchte[0], kZuriFeuchte[1]);
  EXPECT_EQ(kZuriStrahlung[0], kZuriStrahlung[1]);
}

TEST(WeatherData, FirstDayAsPublished) {
  for (int h = 1; h <= 24; ++h) {
    EXPECT_NEAR(kZuriTemperatur[h], kTFirstDay[h - 1], 1e-9) << h;
    EXPECT_NEAR(kZuriStrahlung[h], kGFirstDay[h - 1], 1e-9) << h;
    EXPECT_NEAR(kZuriFeuchte[h], kRHFirstDay[h - 1], 1e-9) << h;
  }
}

TEST(WeatherData, DecimalsAndRanges) {
  for (int h = 0; h <= 8760; ++h) {
    ASSERT_TRUE(std::isfinite(kZuriTemperatur[h]) && std::isfinite(kZuriFeuchte[h]) &&
                std::isfinite(kZuriStrahlung[h])) << h;
    EXPECT_TRUE(HasAtMostDecimals(kZuriTemperatur[h], 1)) << h;
    EXPECT_TRUE(HasAtMostDecimals(kZuriFeuchte[h], 1)) << h;
    EXPECT_TRUE(HasAtMostDecimals(kZuriStrahlung[h], 3)) << h;
    EXPECT_GE(kZuriStrahlung[h], 0.0) << h;
    EXPECT_GE(kZuriFeuchte[h], 22.1 - 1e-9) << h;
    EXPECT_LE(kZuriFeuchte[h], 100.0 + 1e-9) << h;
  }
}

TEST(WeatherData, ExtremesAtTheirHours) {
  const double* t = kZuriTemperatur;
  const double* g = kZuriStrahlung;
  const double* rh = kZuriFeuchte;
  EXPECT_NEAR(t[607], -19.3, 1e-9);
  EXPECT_NEAR(t[5008], 34.1, 1e-9);
  EXPECT_NEAR(g[2726], 3.889, 1e-9);
  for (int h = 1; h <= 8760; ++h) {
    if (h != 607) {
      EXPECT_GT(t[h], -19.3 + 1e-9) << h;
    }
    if (h != 5008) {
      EXPECT_LT(t[h], 34.1 - 1e-9) << h;
    }
    if (h != 2726) {
      EXPECT_LT(g[h], 3.889 - 1e-9) << h;
    }
  }
  EXPECT_NEAR(*std::min_element(rh + 1, rh + 8761), 22.1, 1e-9);
  EXPECT_NEAR(*std::max_element(rh + 1, rh + 8761), 100.0, 1e-9);
}

TEST(WeatherData, AnnualAndMonthlyMeans) {
  ExpectRoundsTo(Mean(kZuriTemperatur, 1, 8760), 9.02, 2, "temperature");
  ExpectRoundsTo(Mean(kZuriStrahlung, 1, 8760), 0.4487, 4, "radiation");
  ExpectRoundsTo(Mean(kZuriFeuchte, 1, 8760), 76.86, 2, "humidity");
  double yearSum = Mean(kZuriStrahlung, 1, 8760) * 8760;
  EXPECT_NEAR(yearSum, 3930.0, 5.0);  // about 3930 MJ/m² a year
  int first = 1;
  for (int m = 1; m <= 12; ++m) {
    int last = first + kDays[m] * 24 - 1;
    ExpectRoundsTo(Mean(kZuriTemperatur, first, last), kTMonth[m], 2, "temperature", m);
    ExpectRoundsTo(Mean(kZuriStrahlung, first, last), kGMonth[m], 2, "radiation", m);
    ExpectRoundsTo(Mean(kZuriFeuchte, first, last), kRHMonth[m], 2, "humidity", m);
    first = last + 1;
  }
  EXPECT_EQ(first, 8761);
}

// Extraterrestrial radiation at 47.4° N, 8.55° E, clock UTC+1, mean of the clock
// hour ending at hh on day n (MJ/m² per hour): an independent bound for the data.
double ExtraterrestrialBound(int h) {
  const double pi = 3.14159265358979323846;
  int n = (h - 1) / 24 + 1, hh = h - (n - 1) * 24;
  double decl = 23.45 * pi / 180 * std::sin(2 * pi * (284 + n) / 365.0);
  double phi = 47.4 * pi / 180;
  double sum = 0;
  for (int k = 0; k < 60; ++k) {
    double t = hh - 1 + (k + 0.5) / 60.0;
    // widen by 20 minutes for the equation of time and the site's longitude
    double best = 0;
    for (double shift = -0.34; shift <= 0.34; shift += 0.17) {
      double w = 15.0 * (t - 1.0 + 8.55 / 15.0 + shift - 12.0) * pi / 180;
      best = std::max(best, std::sin(phi) * std::sin(decl) + std::cos(phi) * std::cos(decl) * std::cos(w));
    }
    sum += 1367 * 1.034 * std::max(best, 0.0);
  }
  return sum / 60 * 3600 / 1e6;
}

TEST(WeatherData, RadiationOnlyWhileTheSunIsUp) {
  int nightHours = 0;
  for (int h = 1; h <= 8760; ++h) {
    double bound = ExtraterrestrialBound(h);
    if (bound == 0.0) {
      ++nightHours;
      EXPECT_EQ(kZuriStrahlung[h], 0.0) << h;
    } else if (h > 24 && h != 2726) {
      // no more than arrives above the air (the published first day and the
      // published maximum are taken as they are)
      EXPECT_LE(kZuriStrahlung[h], bound + 1e-9) << h;
    }
  }
  EXPECT_GT(nightHours, 3500);  // about half the year is night
}

TEST(WeatherData, PlausibleCourse) {
  // no jumps beyond what fronts and sunrise give in an hour
  for (int h = 1; h < 8760; ++h) {
    EXPECT_LT(std::fabs(kZuriTemperatur[h + 1] - kZuriTemperatur[h]), 8.0) << h;
  }
  // afternoons are warmer than the early morning on average in every month
  int first = 1;
  for (int m = 1; m <= 12; ++m) {
    double am = 0, pm = 0;
    for (int d = 0; d < kDays[m]; ++d) {
      am += kZuriTemperatur[first + d * 24 + 5];   // 5-6 h
      pm += kZuriTemperatur[first + d * 24 + 14];  // 14-15 h
    }
    EXPECT_GT(pm, am) << m;
    first += kDays[m] * 24;
  }
}

TEST(WeatherCopy, CopiesAllValuesAndLeavesTheOffset) {
  static double t[8761], rh[8761], g[8761];
  OffsetAktuell = 5;
  StandardWetterjahrKopieren(t, rh, g);
  EXPECT_EQ(OffsetAktuell, 5);
  for (int h = 0; h <= 8760; ++h) {
    EXPECT_EQ(t[h], kZuriTemperatur[h]);
    EXPECT_EQ(rh[h], kZuriFeuchte[h]);
    EXPECT_EQ(g[h], kZuriStrahlung[h]);
  }
}

void FreshYear() {
  StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
  OffsetAktuell = 0;
}

TEST(WeatherShift, MovesHoursLeftAndWraps) {
  FreshYear();
  Offset = 3;
  ShiftWeatherData();
  EXPECT_EQ(OffsetAktuell, 3);
  for (int h = 1; h <= 8757; ++h) {
    ASSERT_EQ(Aussentemperatur[h], kZuriTemperatur[h + 3]) << h;
    ASSERT_EQ(Luftfeuchte[h], kZuriFeuchte[h + 3]) << h;
    ASSERT_EQ(Globalstrahlung[h], kZuriStrahlung[h + 3]) << h;
  }
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(Aussentemperatur[8757 + k], kZuriTemperatur[k]);
    EXPECT_EQ(Globalstrahlung[8757 + k], kZuriStrahlung[k]);
  }
  EXPECT_EQ(Aussentemperatur[0], kZuriTemperatur[0]);  // index 0 untouched
}

TEST(WeatherShift, TwiceTheSameOffsetEqualsOnce) {
  for (int off : {1, 7, 23}) {
    FreshYear();
    Offset = off;
    ShiftWeatherData();
    std::vector<double> once(Aussentemperatur, Aussentemperatur + 8761);
    std::vector<double> onceG(Globalstrahlung, Globalstrahlung + 8761);
    std::vector<double> onceRH(Luftfeuchte, Luftfeuchte + 8761);
    ShiftWeatherData();
    EXPECT_EQ(std::vector<double>(Aussentemperatur, Aussentemperatur + 8761), once) << off;
    EXPECT_EQ(std::vector<double>(Globalstrahlung, Globalstrahlung + 8761), onceG) << off;
    EXPECT_EQ(std::vector<double>(Luftfeuchte, Luftfeuchte + 8761), onceRH) << off;
  }
}

TEST(WeatherShift, ChangingTheOffsetMovesAllThreeSeries) {
  // a second, different offset must first undo the applied one in every series
  FreshYear();
  Offset = 4;
  ShiftWeatherData();
  Offset = 9;
  ShiftWeatherData();
  for (int h = 1; h <= 8751; ++h) {
    ASSERT_EQ(Aussentemperatur[h], kZuriTemperatur[h + 9]) << h;
    ASSERT_EQ(Luftfeuchte[h], kZuriFeuchte[h + 9]) << h;
    ASSERT_EQ(Globalstrahlung[h], kZuriStrahlung[h + 9]) << h;
  }
}

TEST(WeatherShift, InvalidOffsetsOnlyUndo) {
  for (int off : {0, -3, 24, 100}) {
    FreshYear();
    Offset = 6;
    ShiftWeatherData();
    Offset = off;
    ShiftWeatherData();
    EXPECT_EQ(OffsetAktuell, off);
    for (int h = 0; h <= 8760; ++h) {
      ASSERT_EQ(Aussentemperatur[h], kZuriTemperatur[h]) << off << " " << h;
      ASSERT_EQ(Globalstrahlung[h], kZuriStrahlung[h]) << off << " " << h;
      ASSERT_EQ(Luftfeuchte[h], kZuriFeuchte[h]) << off << " " << h;
    }
  }
}

TEST(WeatherShift, FreshCopyThenShiftUndoesTheRecordedOffset) {
  // The copy does not reset OffsetAktuell, so the next shift first rotates
  // the fresh year back by the recorded offset, as the windows expect.
  FreshYear();
  OffsetAktuell = 2;
  Offset = 2;
  ShiftWeatherData();
  for (int h = 1; h <= 8760; ++h) ASSERT_EQ(Aussentemperatur[h], kZuriTemperatur[h]) << h;
}

TEST(WeatherShift, BuiltInYearForADriver) {
  FreshYear();
  Offset = 5;
  ShiftWeatherData();
  for (int k = 0; k < 2; ++k) {  // twice: a fresh copy each time, one shift applied
    UseBuiltInWeather();
    EXPECT_EQ(OffsetAktuell, 5);
    for (int h = 1; h <= 8755; ++h) ASSERT_EQ(Aussentemperatur[h], kZuriTemperatur[h + 5]) << h;
  }
}

TEST(WeatherShift, RotateComposes) {
  static double a[8761];
  for (int h = 0; h <= 8760; ++h) a[h] = h;
  RotateHours(a, 5);
  RotateHours(a, 7);
  for (int h = 1; h <= 8760; ++h) ASSERT_EQ(a[h], (h + 12 - 1) % 8760 + 1) << h;
  RotateHours(a, -12);
  for (int h = 0; h <= 8760; ++h) ASSERT_EQ(a[h], h);
}

}  // namespace

namespace {

std::string Slurp(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return {};
  std::string s;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
  std::fclose(f);
  return s;
}

// The build root holds the tools: build/<x>/tests/calc_tests -> build/<x>/zuri_gen.
// Each test process works in a directory of its own, so no relative path serves.
std::filesystem::path BuildRoot() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// The source tree: as ctest hands it over, else the tree this test was built from.
std::filesystem::path SourceRoot() {
  if (const char* src = std::getenv("QEB_SOURCE_DIR"); src && *src) return src;
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
}

TEST(WeatherData, GeneratorReproducesTheCompiledTables) {
  // the tables are the generator's output, byte for byte
  const std::filesystem::path tool = BuildRoot() / "zuri_gen";
  const std::filesystem::path table = SourceRoot() / "calc" / "zuri.cpp";
  ASSERT_TRUE(std::filesystem::exists(tool)) << "build the target tool_zuri_gen: " << tool;
  ASSERT_TRUE(std::filesystem::exists(table)) << table;
  const std::filesystem::path out = std::filesystem::absolute("zuri_regenerated.cpp");
  ASSERT_EQ(std::system(("'" + tool.string() + "' '" + out.string() + "'").c_str()), 0);
  const std::string fresh = Slurp(out.string());
  std::filesystem::remove(out);
  EXPECT_GT(fresh.size(), 100000u);
  EXPECT_TRUE(fresh == Slurp(table.string()));
}

}  // namespace
