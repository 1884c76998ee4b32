// Calendar of the simulated year: 365 days, 8760 hours, no leap year.
#include "calc/QEBMOD.h"

namespace qeb {

namespace {

constexpr int kDaysOfMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Hour 1 of each month; entry 13 is the hour after the year.
constexpr int kFirstHour[14] = {0,    1,    745,  1417, 2161, 2881, 3625,
                                4345, 5089, 5833, 6553, 7297, 8017, 8761};

// Share of the annual run time per month, without and with hot water.
constexpr double kShareHeating[13] = {0, 0.185, 0.15, 0.14, 0.095, 0.015, 0, 0, 0, 0, 0.1, 0.14, 0.175};
constexpr double kShareHotWater[13] = {0,     0.154, 0.129, 0.124, 0.092, 0.036, 0.026,
                                       0.026, 0.026, 0.026, 0.096, 0.122, 0.143};

}  // namespace

int DaysOfMonth(int month) {
  if (month < 1 || month > 12) throw CalcError("Monat ausserhalb 1..12 / month out of range");
  return kDaysOfMonth[month];
}

int FirstHourOfMonth(int month) {
  if (month < 1 || month > 13) throw CalcError("Monat ausserhalb 1..12 / month out of range");
  return kFirstHour[month];
}

void MonthlyRunHours() {
  const double* share = Warmwasser ? kShareHotWater : kShareHeating;
  for (int m = 1; m <= 12; ++m) {
    if (share[m] == 0.0) {
      Laufzeit[m] = 0;
      continue;
    }
    // Rounded half up by adding 0.5 and truncating, in extended precision as
    // the run-hour table has always been computed; capped before the cast so
    // that an absurd annual figure cannot overflow the integer.
    long double v = static_cast<long double>(Jahreslaufzeit) / DaysOfMonth(m) * share[m] + 0.5L;
    if (v > 24.0L) v = 24.0L;
    Laufzeit[m] = static_cast<int>(v);  // truncation toward zero
  }
  for (int m = 1; m <= 12; ++m)
    if (Laufzeit[m] > 24) Laufzeit[m] = 24;
}

double SmallerOf(double a, double b) { return a < b ? a : b; }

double LargerOf(double a, double b) { return a > b ? a : b; }

}  // namespace qeb
