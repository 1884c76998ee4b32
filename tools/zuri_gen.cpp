// Builds the built-in hourly reference year (calc/zuri.cpp) for a temperate
// inland site near 47° N, 8.5° E, clock in winter time (UTC+1).
//
// The year is synthesised, deterministically from a fixed seed, and needs no
// data from outside: radiation is the extraterrestrial radiation of the sun's
// position times a clearness index that follows the weather of the day;
// temperature is a seasonal curve plus a slowly wandering weather anomaly and
// a daily cycle that grows with sunshine; humidity follows from a dew point
// that lags the daily mean temperature and drops on sunny days. Afterwards
// the year is bent smoothly (weights that blend from month centre to month
// centre) until every published figure of the reference year holds exactly
// after rounding to the stored decimals: the first day, the extremes at their
// hours, the monthly and annual means.
//
// Usage: zuri_gen <output.cpp>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "calc/TextIO.h"

namespace {

constexpr int kH = 8760;
constexpr int kMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr double kLat = 47.4;
constexpr double kLon = 8.55;
constexpr double kPi = std::numbers::pi;

// ---- figures of the reference year ----
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
constexpr double kTYear = 9.02, kGYear = 0.4487, kRHYear = 76.86;
constexpr int kTMinHour = 607, kTMaxHour = 5008, kGMaxHour = 2726;
constexpr double kTMin = -19.3, kTMax = 34.1, kGMax = 3.889, kRHMin = 22.1, kRHMax = 100.0;
// Hour at which the driest air of the year is placed: the clear April day of
// the radiation maximum.
constexpr int kRHMinHour = kGMaxHour;

int FirstHour(int m) {
  int h = 1;
  for (int k = 1; k < m; ++k) h += kMonthDays[k] * 24;
  return h;
}
int MonthOf(int h) {
  int m = 1;
  while (m < 12 && h >= FirstHour(m + 1)) ++m;
  return m;
}
int HoursOf(int m) { return kMonthDays[m] * 24; }

// splitmix64: portable, so the year is the same with every standard library.
struct Rng {
  uint64_t s;
  uint64_t Next() {
    uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  double Uniform() { return (static_cast<double>(Next() >> 11) + 0.5) / 9007199254740992.0; }
  double Normal() {
    double u1 = Uniform(), u2 = Uniform();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * kPi * u2);
  }
};

// Extraterrestrial radiation on the horizontal, mean over clock hour h, MJ/m²h;
// also the mean sine of the solar altitude while the sun is up.
void Extraterrestrial(int h, double& i0, double& sinAlt) {
  int n = (h - 1) / 24 + 1;
  int hh = h - (n - 1) * 24;
  double decl = 23.45 * kPi / 180.0 * std::sin(2.0 * kPi * (284 + n) / 365.0);
  double b = 2.0 * kPi * (n - 81) / 364.0;
  double eot = 9.87 * std::sin(2 * b) - 7.53 * std::cos(b) - 1.5 * std::sin(b);
  double isc = 1367.0 * (1.0 + 0.033 * std::cos(2.0 * kPi * n / 365.0));
  double phi = kLat * kPi / 180.0;
  double sum = 0, up = 0, sumSin = 0;
  const int sub = 20;
  for (int k = 0; k < sub; ++k) {
    double t = hh - 1 + (k + 0.5) / sub;
    double solar = t - 1.0 + kLon / 15.0 + eot / 60.0;
    double w = 15.0 * (solar - 12.0) * kPi / 180.0;
    double s = std::sin(phi) * std::sin(decl) + std::cos(phi) * std::cos(decl) * std::cos(w);
    if (s > 0) {
      sum += isc * s;
      sumSin += s;
      up += 1;
    }
  }
  i0 = sum / sub * 3600.0 / 1e6;
  sinAlt = up > 0 ? sumSin / up : 0.0;
}

// Partition of unity: linear between month centres, periodic over the year.
double MonthCentre(int m) { return FirstHour(m) + HoursOf(m) / 2.0 - 0.5; }
void Weights(int h, int& k1, double& w1, int& k2, double& w2) {
  for (int m = 1; m <= 12; ++m) {
    int n = m == 12 ? 1 : m + 1;
    double a = MonthCentre(m), b = m == 12 ? MonthCentre(1) + kH : MonthCentre(n);
    double x = h;
    if (m == 12 && x < a) x += kH;
    if (x >= a && x < b) {
      k1 = m, k2 = n;
      w2 = (x - a) / (b - a);
      w1 = 1.0 - w2;
      return;
    }
  }
  k1 = k2 = 1, w1 = 1, w2 = 0;
}

bool Solve12(std::array<std::array<double, 13>, 13> a, std::array<double, 13>& x) {
  for (int c = 1; c <= 12; ++c) {
    int p = c;
    for (int r = c + 1; r <= 12; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[p][c])) p = r;
    if (std::fabs(a[p][c]) < 1e-14) return false;
    std::swap(a[p], a[c]);
    std::swap(x[p], x[c]);
    for (int r = c + 1; r <= 12; ++r) {
      double f = a[r][c] / a[c][c];
      for (int k = c; k <= 12; ++k) a[r][k] -= f * a[c][k];
      x[r] -= f * x[c];
    }
  }
  for (int c = 12; c >= 1; --c) {
    for (int k = c + 1; k <= 12; ++k) x[c] -= a[c][k] * x[k];
    x[c] /= a[c][c];
  }
  return true;
}

// Bends `base` on the free hours (additively or by a factor that blends from
// month to month) so that every month sums to `target[m]`, with the free hours
// held within [lo, hi] unless `noClip`.
std::vector<double> Bend(const std::vector<double>& base, const std::vector<bool>& fixed,
                         const std::vector<bool>& noClip, bool multiply, double lo,
                         const std::vector<double>& hi, const std::array<double, 13>& target) {
  std::array<double, 13> c{};
  for (int m = 1; m <= 12; ++m) c[m] = multiply ? 1.0 : 0.0;
  std::vector<double> v(base);
  for (int it = 0; it < 200; ++it) {
    std::array<double, 13> r{};
    std::array<std::array<double, 13>, 13> a{};
    for (int h = 1; h <= kH; ++h) {
      if (!fixed[h]) {
        int k1, k2;
        double w1, w2;
        Weights(h, k1, w1, k2, w2);
        double f = c[k1] * w1 + c[k2] * w2;
        double x = multiply ? base[h] * f : base[h] + f;
        bool clipped = false;
        if (!noClip[h] && x < lo) x = lo, clipped = true;
        if (!noClip[h] && x > hi[h]) x = hi[h], clipped = true;
        v[h] = x;
        if (!clipped) {
          double d = multiply ? base[h] : 1.0;
          a[MonthOf(h)][k1] += w1 * d;
          a[MonthOf(h)][k2] += w2 * d;
        }
      }
      r[MonthOf(h)] += v[h];
    }
    double worst = 0;
    for (int m = 1; m <= 12; ++m) {
      r[m] = target[m] - r[m];
      worst = std::max(worst, std::fabs(r[m]));
    }
    if (worst < 1e-7) break;
    if (!Solve12(a, r)) {
      std::fprintf(stderr, "zuri_gen: singular correction\n");
      std::exit(1);
    }
    for (int m = 1; m <= 12; ++m) c[m] += r[m];
  }
  return v;
}

// Integer month totals (in units of the stored decimal) whose month means
// round to the published ones and whose year total gives the annual mean.
std::array<long long, 13> MonthTotals(const double* monthMean, double yearMean, double q,
                                      double yearHalfUnit, const char* what) {
  std::array<long long, 13> n{};
  double tsum = 0;
  for (int m = 1; m <= 12; ++m) tsum += monthMean[m] * HoursOf(m) / q;
  long long year = std::llround(yearMean * kH / q);
  double c = (static_cast<double>(year) - tsum) / kH;
  long long s = 0;
  for (int m = 1; m <= 12; ++m) {
    n[m] = std::llround(monthMean[m] * HoursOf(m) / q + c * HoursOf(m));
    s += n[m];
  }
  for (int m = 1; s != year; m = m % 12 + 1) {
    long long d = year > s ? 1 : -1;
    n[m] += d;
    s += d;
  }
  for (int m = 1; m <= 12; ++m) {
    double mean = n[m] * q / HoursOf(m);
    if (std::fabs(mean - monthMean[m]) > 0.0045) {
      std::fprintf(stderr, "zuri_gen: %s month %d cannot meet its mean\n", what, m);
      std::exit(1);
    }
  }
  if (std::fabs(static_cast<double>(year) * q / kH - yearMean) > 0.9 * yearHalfUnit) {
    std::fprintf(stderr, "zuri_gen: %s year mean out of reach\n", what);
    std::exit(1);
  }
  return n;
}

// Rounds the free hours to the stored decimal so that each month keeps its
// integer total exactly (largest remainders take the extra unit).
std::vector<long long> Quantise(const std::vector<double>& v, const std::vector<bool>& fixed,
                                double q, long long lo, const std::vector<double>& hiValue,
                                const std::array<long long, 13>& total, const char* what) {
  std::vector<long long> out(kH + 1, 0);
  for (int m = 1; m <= 12; ++m) {
    long long s = 0;
    std::vector<std::pair<double, int>> rem;
    for (int h = FirstHour(m); h < FirstHour(m) + HoursOf(m); ++h) {
      double x = v[h] / q;
      const long long hi = std::llround(hiValue[h] / q);
      if (fixed[h]) {
        out[h] = std::llround(x);
      } else {
        x = std::clamp(x, static_cast<double>(lo), static_cast<double>(hi));
        out[h] = static_cast<long long>(std::floor(x));
        if (out[h] < hi && x - std::floor(x) > 0.0) rem.push_back({x - std::floor(x), h});
      }
      s += out[h];
    }
    long long d = total[m] - s;
    std::stable_sort(rem.begin(), rem.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    if (d < 0 || d > static_cast<long long>(rem.size())) {
      std::fprintf(stderr, "zuri_gen: %s month %d: rounding cannot close (%lld)\n", what, m, d);
      std::exit(1);
    }
    for (long long i = 0; i < d; ++i) out[rem[static_cast<size_t>(i)].second] += 1;
  }
  return out;
}

double Saturation(double t) { return 6.112 * std::exp(17.62 * t / (243.12 + t)); }

void WriteTable(std::FILE* f, const char* name, const std::vector<long long>& v, int decimals) {
  double q = std::pow(10.0, -decimals);
  std::fprintf(f, "const double %s[8761] = {\n", name);
  for (int h = 0; h <= kH; ++h) {
    long long x = v[h == 0 ? 1 : h];
    std::string s = qeb::FormatFixed(static_cast<double>(x) * q, 0, decimals);
    if (s.size() > 1 && s[0] == '-' && x == 0) s.erase(0, 1);
    std::fprintf(f, "%s%s,%s", (h % 12 == 0) ? "    " : "", s.c_str(),
                 (h % 12 == 11 || h == kH) ? "\n" : " ");
  }
  std::fprintf(f, "};\n\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zuri_gen <output.cpp>\n");
    return 2;
  }
  Rng rng{20260047};
  std::vector<double> i0(kH + 1), sinAlt(kH + 1);
  for (int h = 1; h <= kH; ++h) Extraterrestrial(h, i0[h], sinAlt[h]);

  // ---- clearness index: day-to-day weather with a seasonal mean ----
  std::vector<double> ktDay(366);
  double anomaly = 0;
  for (int d = 1; d <= 365; ++d) {
    double season = 0.5 - 0.5 * std::cos(2.0 * kPi * (d - 15) / 365.0);  // 0 winter, 1 summer
    double mean = 0.32 + 0.20 * season;
    anomaly = 0.55 * anomaly + 0.17 * rng.Normal();
    ktDay[d] = std::clamp(mean + anomaly, 0.05, 0.76);
  }
  ktDay[(kGMaxHour - 1) / 24 + 1] = 0.76;  // the clear April day of the radiation maximum
  ktDay[(kTMaxHour - 1) / 24 + 1] = 0.72;  // the heat wave is sunny
  ktDay[(kTMaxHour - 1) / 24] = 0.70;
  ktDay[(kTMinHour - 1) / 24 + 1] = 0.70;  // a clear, frosty night ahead of a clear day
  ktDay[(kTMinHour - 1) / 24] = 0.66;

  std::vector<bool> firstDay(kH + 1, false);
  for (int h = 1; h <= 24; ++h) firstDay[h] = true;

  // ---- radiation ----
  std::vector<double> gBase(kH + 1, 0.0);
  std::vector<bool> gFixed(firstDay), gNoClip(kH + 1, false);
  for (int h = 1; h <= kH; ++h) {
    int d = (h - 1) / 24 + 1;
    double kt = std::clamp(ktDay[d] + 0.07 * rng.Normal(), 0.02, 0.80);
    // low sun passes more air: a little less of it arrives
    double airmass = 0.7 + 0.3 * std::min(1.0, sinAlt[h] / 0.35);
    gBase[h] = i0[h] < 0.0015 ? 0.0 : i0[h] * kt * airmass;
    if (gBase[h] == 0.0) gFixed[h] = true;  // night stays dark
  }
  for (int h = 1; h <= 24; ++h) gBase[h] = kGFirstDay[h - 1];
  gBase[kGMaxHour] = kGMax;
  gFixed[kGMaxHour] = true;
  auto gTot = MonthTotals(kGMonth, kGYear, 0.001, 0.00005, "radiation");
  std::array<double, 13> gTarget{};
  for (int m = 1; m <= 12; ++m) gTarget[m] = gTot[m] * 0.001;
  // no hour brighter than 80 % of what arrives above the air, none above 3.850
  std::vector<double> gHi(kH + 1, 3.850);
  for (int h = 1; h <= kH; ++h) gHi[h] = std::min(3.850, std::floor(0.80 * i0[h] * 1000.0) / 1000.0);
  std::vector<double> g = Bend(gBase, gFixed, gNoClip, true, 0.0, gHi, gTarget);
  std::vector<long long> gq = Quantise(g, gFixed, 0.001, 0, gHi, gTot, "radiation");
  // Clearness the air feels: the day's clearness, blended from day to day so
  // that temperature and humidity do not jump at midnight.
  std::vector<double> ktd(367, 0.3);
  for (int d = 1; d <= 365; ++d) {
    double s = 0, s0 = 0;
    for (int h = (d - 1) * 24 + 1; h <= d * 24; ++h) s += gq[h] * 0.001, s0 += i0[h];
    ktd[d] = s0 > 0 ? s / s0 : 0.3;
  }
  ktd[0] = ktd[365];
  ktd[366] = ktd[1];
  std::vector<double> kt(kH + 1, 0.0);
  for (int h = 1; h <= kH; ++h) {
    double x = (h - 0.5) / 24.0 + 0.5;  // day position, day d centred at d
    int d = static_cast<int>(std::floor(x));
    double w = x - d;
    kt[h] = (1 - w) * ktd[d] + w * ktd[d + 1];
  }

  // ---- temperature ----
  std::vector<double> tShape(kH + 1), tSyn(kH + 1);
  double a = 0, wobble = 0;
  const double phi = std::exp(-1.0 / 40.0);
  for (int h = 1; h <= kH; ++h) {
    int d = (h - 1) / 24 + 1, hh = h - (d - 1) * 24;
    double season = 0.5 - 0.5 * std::cos(2.0 * kPi * (d - 15) / 365.0);
    double sigma = 3.4 - 1.2 * season;
    a = phi * a + std::sqrt(1 - phi * phi) * sigma * rng.Normal();
    double sunny = kt[h] - (0.32 + 0.20 * season);
    // clear winter days are cold, clear summer days warm
    tSyn[h] = 9.0 - 9.6 * std::cos(2.0 * kPi * (d - 19) / 365.0) + a +
              (12.0 * season - 5.0) * sunny;
    // daily cycle: coldest about sunrise, warmest mid-afternoon
    double amp = (1.5 + 14.0 * kt[h]) * (0.55 + 0.45 * season);
    double tMinH = season > 0.5 ? 5.0 : 7.0, tMaxH = season > 0.5 ? 16.0 : 15.0;
    double x = hh;
    double shape;
    if (x >= tMinH && x <= tMaxH) {
      shape = -std::cos(kPi * (x - tMinH) / (tMaxH - tMinH));
    } else {
      double span = 24.0 - (tMaxH - tMinH);
      double since = x > tMaxH ? x - tMaxH : x + 24.0 - tMaxH;
      shape = std::cos(kPi * since / span);
    }
    wobble = 0.78 * wobble + 0.35 * rng.Normal();
    tShape[h] = 0.5 * amp * shape + wobble;
  }
  std::vector<bool> tFixed(firstDay), tNoClip(kH + 1, false);
  tNoClip[kTMinHour] = tNoClip[kTMaxHour] = true;
  auto tTot = MonthTotals(kTMonth, kTYear, 0.1, 0.005, "temperature");
  std::array<double, 13> tTarget{};
  for (int m = 1; m <= 12; ++m) tTarget[m] = tTot[m] * 0.1;
  std::vector<double> t;
  double dip = -8.0, wave = 6.0;
  for (int it = 0; it < 40; ++it) {
    std::vector<double> base(kH + 1);
    for (int h = 1; h <= kH; ++h) {
      double g1 = std::exp(-0.5 * std::pow((h - kTMinHour) / 30.0, 2));
      double g2 = std::exp(-0.5 * std::pow((h - kTMaxHour) / 40.0, 2));
      base[h] = tSyn[h] + tShape[h] + dip * g1 + wave * g2;
    }
    // the second day continues where the published first day ends
    double jump = kTFirstDay[23] - base[24];
    for (int h = 1; h <= kH; ++h) {
      if (h <= 24) base[h] = kTFirstDay[h - 1];
      else base[h] += jump * std::exp(-(h - 24) / 10.0);
    }
    t = Bend(base, tFixed, tNoClip, false, -19.2, std::vector<double>(kH + 1, 34.0), tTarget);
    double e1 = kTMin - t[kTMinHour], e2 = kTMax - t[kTMaxHour];
    dip += e1;
    wave += e2;
    if (std::fabs(e1) < 1e-9 && std::fabs(e2) < 1e-9) break;
  }
  tFixed[kTMinHour] = tFixed[kTMaxHour] = true;
  t[kTMinHour] = kTMin;
  t[kTMaxHour] = kTMax;
  std::vector<long long> tq =
      Quantise(t, tFixed, 0.1, -192, std::vector<double>(kH + 1, 34.0), tTot, "temperature");

  // ---- humidity from a dew point ----
  std::vector<double> rhBase(kH + 1);
  double dpAnomaly = 0;
  for (int h = 1; h <= kH; ++h) {
    double sum = 0;
    int n = 0;
    for (int k = h - 23; k <= h; ++k)
      if (k >= 1) sum += tq[k] * 0.1, ++n;
    double tMean = sum / n;  // the air mass of the last day
    dpAnomaly = 0.97 * dpAnomaly + 0.25 * rng.Normal();
    // the dry air mass of the radiation maximum
    double dry = 16.0 * std::exp(-0.5 * std::pow((h - kRHMinHour) / 10.0, 2));
    double depression = std::max(0.0, 0.5 + 9.0 * kt[h] + dpAnomaly + dry);
    double td = tMean - depression;
    double tt = tq[h] * 0.1;
    rhBase[h] = 100.0 * Saturation(std::min(td, tt)) / Saturation(tt);
  }
  {
    double jump = kRHFirstDay[23] - rhBase[24];
    for (int h = 1; h <= kH; ++h) {
      if (h <= 24) rhBase[h] = kRHFirstDay[h - 1];
      else rhBase[h] += jump * std::exp(-(h - 24) / 10.0);
    }
  }
  std::vector<bool> rhFixed(firstDay), rhNoClip(kH + 1, false);
  rhBase[kRHMinHour] = kRHMin;
  rhFixed[kRHMinHour] = true;
  auto rhTot = MonthTotals(kRHMonth, kRHYear, 0.1, 0.005, "humidity");
  std::array<double, 13> rhTarget{};
  for (int m = 1; m <= 12; ++m) rhTarget[m] = rhTot[m] * 0.1;
  const std::vector<double> rhHi(kH + 1, kRHMax);
  std::vector<double> rh = Bend(rhBase, rhFixed, rhNoClip, false, kRHMin, rhHi, rhTarget);
  std::vector<long long> rhq = Quantise(rh, rhFixed, 0.1, 221, rhHi, rhTot, "humidity");

  std::FILE* f = std::fopen(argv[1], "wb");
  if (!f) {
    std::fprintf(stderr, "zuri_gen: cannot create %s\n", argv[1]);
    return 1;
  }
  std::fprintf(f,
               "// Built-in hourly reference year, written by tools/zuri_gen.cpp; do not edit,\n"
               "// run the generator again. Index 0 repeats hour 1.\n"
               "#include \"calc/zuri.h\"\n\nnamespace qeb {\n\n");
  WriteTable(f, "kZuriTemperatur", tq, 1);
  WriteTable(f, "kZuriFeuchte", rhq, 1);
  WriteTable(f, "kZuriStrahlung", gq, 3);
  std::fprintf(f, "}  // namespace qeb\n");
  if (std::fclose(f) != 0) return 1;
  return 0;
}
