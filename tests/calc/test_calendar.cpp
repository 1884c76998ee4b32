#include <gtest/gtest.h>

#include <cmath>

#include "calc/QEBMOD.h"

using namespace qeb;

namespace {

TEST(CalendarMonths, DaysOfTheNoLeapYear) {
  const int days[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int sum = 0;
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(DaysOfMonth(m), days[m]) << m;
    sum += DaysOfMonth(m);
  }
  EXPECT_EQ(sum, 365);
  EXPECT_EQ(DaysOfMonth(2), 28);
  EXPECT_THROW(DaysOfMonth(0), CalcError);
  EXPECT_THROW(DaysOfMonth(13), CalcError);
}

TEST(CalendarMonths, FirstHoursTileTheYear) {
  const int first[13] = {0, 1, 745, 1417, 2161, 2881, 3625, 4345, 5089, 5833, 6553, 7297, 8017};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(FirstHourOfMonth(m), first[m]) << m;
  // Each month is its days times 24 hours long; together they fill 1..8760.
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(FirstHourOfMonth(m + 1) - FirstHourOfMonth(m), 24 * DaysOfMonth(m)) << m;
  EXPECT_EQ(FirstHourOfMonth(1), 1);
  EXPECT_EQ(FirstHourOfMonth(12), 8017);
  EXPECT_EQ(FirstHourOfMonth(13) - 1, 8760);  // December ends with the year
  EXPECT_THROW(FirstHourOfMonth(0), CalcError);
  EXPECT_THROW(FirstHourOfMonth(14), CalcError);
}

TEST(CalendarRunHours, WithoutHotWater) {
  for (int m = 1; m <= 12; ++m) Laufzeit[m] = 99;
  Warmwasser = false;
  Jahreslaufzeit = 2000;
  MonthlyRunHours();
  // 2000 / days * share + 0.5, truncated: January 12.43 -> 12, October 6.95 -> 6.
  const int expected[13] = {0, 12, 11, 9, 6, 1, 0, 0, 0, 0, 6, 9, 11};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(Laufzeit[m], expected[m]) << m;
  EXPECT_EQ(Laufzeit[0], 0);  // index 0 is not a month
}

TEST(CalendarRunHours, WithHotWaterCappedAtADay) {
  Warmwasser = true;
  Jahreslaufzeit = 8760;
  MonthlyRunHours();
  // January 8760 / 31 * 0.154 = 43.5 -> 24; June 8760 / 30 * 0.026 + 0.5 = 8.09 -> 8.
  const int expected[13] = {0, 24, 24, 24, 24, 10, 8, 7, 7, 8, 24, 24, 24};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(Laufzeit[m], expected[m]) << m;
}

TEST(CalendarRunHours, ZeroAndHugeAnnualHours) {
  for (bool ww : {false, true}) {
    for (int m = 1; m <= 12; ++m) Laufzeit[m] = 7;
    Warmwasser = ww;
    Jahreslaufzeit = 0;
    MonthlyRunHours();
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(Laufzeit[m], 0) << m;
    Jahreslaufzeit = 2147483647;
    MonthlyRunHours();
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(Laufzeit[m], ww || (m < 6 || m > 9) ? 24 : 0) << m;
  }
}

TEST(CalendarRunHours, RoundsHalfUpNotToEven) {
  // October without hot water: 775 / 31 * 0.1 = 2.5, which +0.5 and truncation
  // make 3 where halves-to-even would give 2.
  Warmwasser = false;
  Jahreslaufzeit = 775;
  MonthlyRunHours();
  EXPECT_EQ(Laufzeit[10], 3);
  // With hot water, May: 1291 / 31 * 0.036 = 1.4992 -> 1; 1292 h give 1.5004 -> 2.
  Warmwasser = true;
  Jahreslaufzeit = 1291;
  MonthlyRunHours();
  EXPECT_EQ(Laufzeit[5], 1);
  Jahreslaufzeit = 1292;
  MonthlyRunHours();
  EXPECT_EQ(Laufzeit[5], 2);
}

TEST(CalendarCompare, SmallerAndLarger) {
  EXPECT_EQ(SmallerOf(1.0, 2.0), 1.0);
  EXPECT_EQ(SmallerOf(2.0, 1.0), 1.0);
  EXPECT_EQ(LargerOf(1.0, 2.0), 2.0);
  EXPECT_EQ(LargerOf(2.0, 1.0), 2.0);
  EXPECT_EQ(SmallerOf(-3.5, -3.25), -3.5);
  // Equal arguments give the second one: +0 and -0 compare equal but differ in sign.
  EXPECT_TRUE(std::signbit(SmallerOf(0.0, -0.0)));
  EXPECT_FALSE(std::signbit(SmallerOf(-0.0, 0.0)));
  EXPECT_TRUE(std::signbit(LargerOf(0.0, -0.0)));
  EXPECT_FALSE(std::signbit(LargerOf(-0.0, 0.0)));
}

}  // namespace
