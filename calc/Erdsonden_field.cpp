// Services of the borehole field: the neighbour influence on a g-function
// support value, and the groundwater values of the field.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/Erdsonden.h"

namespace qeb {

double FieldNeighbourInfluence(int count, std::span<double> table, double gSingle, double gField,
                               double length) {
  if (count <= 1) return gSingle;
  if (count > kMaxSonden) {
    throw CalcError(" Zu viele Sonden (max. 600)  /  too many boreholes (max. 600) ");
  }
  if (table.size() < static_cast<std::size_t>(count) + 1) {
    throw CalcError(" Sondentabelle zu klein  /  borehole table too small ");
  }
  if (!(length > 0.0) || !std::isfinite(length)) {
    throw CalcError(" Sondenl\xE4nge ung\xFCltig  /  invalid probe length ");
  }
  const int N = count;
  const double delta = gField - gSingle;
  double base;
  if (N <= 100) {
    base = gSingle + delta / 50.0 * N;
  } else if (N <= 200) {
    base = gSingle + delta / 75.0 * 100.0;
  } else {
    base = gSingle + delta / 85.0 * 100.0;
  }
  if (gSingle > 5.5) base += 0.17;
  const double floorTerm = (N > 200) ? 0.0008 : 0.0023;

  double sum = 0.0;
  int counted = 0;
  for (int i = 1; i <= N; ++i) {
    const bool counts = !Sondengrafik || !Nachbarsonde[i];
    if (!counts) continue;
    ++counted;
    double v = gSingle;
    for (int j = 1; j <= N; ++j) {
      if (j == i) continue;
      const double d = std::hypot(SondeX[j] - SondeX[i], SondeY[j] - SondeY[i]);
      // A borehole drawn on top of another one adds nothing (no ln 0).
      if (!(d > 0.0) || d > 60.0) continue;
      const double r = d / length * 100.0;
      const double t = base - std::log(r / 0.05);
      v += (t > 0.0023) ? t : floorTerm;
    }
    table[static_cast<std::size_t>(i)] = v;
    sum += v;
  }
  // Neighbours alone give the project no field of its own: its boreholes
  // stand as a single one does (a mean of nothing would be 0).
  if (counted == 0) return gSingle;
  const int k = N - Anz_Nachbarsonden;
  const double mean = (k > 0) ? sum / k : sum;
  if (SondeNr > 0 && SondeNr <= N) return table[static_cast<std::size_t>(SondeNr)];
  return mean;
}

namespace {

struct Vec {
  double x = 0, y = 0;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator*(double s, Vec a) { return {s * a.x, s * a.y}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double Length(Vec a) { return std::hypot(a.x, a.y); }

// Foot of the perpendicular from p on the line through p0 with direction a
// (|a|² taken as 1 when a vanishes).
Vec Foot(Vec p, Vec p0, Vec a) {
  double aa = Dot(a, a);
  if (aa == 0.0) aa = 1.0;
  return p0 + (Dot(p - p0, a) / aa) * a;
}

}  // namespace

void ComputeGroundwaterFlow(int count, const double* x, const double* y, const ContourLines& lines, double k1,
                            double k2, double k3, double& gradient, double& fieldWidth, double& meanSpacing) {
  if (count > kMaxSonden) {
    throw CalcError(" Zu viele Sonden (max. 600)  /  too many boreholes (max. 600) ");
  }
  // Working copies: exchanging the ends of line 2 stays local.
  Vec a1{lines.x1L1, lines.y1L1}, b1{lines.x2L1, lines.y2L1};
  Vec a2{lines.x1L2, lines.y1L2}, b2{lines.x2L2, lines.y2L2};
  Vec d1 = b1 - a1;
  Vec d2 = b2 - a2;

  // 1. both lines in the same sense
  double lengths = Length(d1) * Length(d2);
  if (lengths == 0.0) lengths = 1.0;
  const double cosine = std::clamp(Dot(d1, d2) / lengths, -1.0, 1.0);
  if (std::acos(cosine) >= std::numbers::pi / 2.0) {
    std::swap(a2, b2);
    d2 = b2 - a2;
  }

  // 2./3. axis of the field between the lines, from P0 to P1
  const bool vertical1 = (b1.x == a1.x);
  const bool vertical2 = (b2.x == a2.x);
  const double m1 = vertical1 ? 0.0 : (b1.y - a1.y) / (b1.x - a1.x);
  const double c1 = vertical1 ? 0.0 : (b1.x * a1.y - a1.x * b1.y) / (b1.x - a1.x);
  const double m2 = vertical2 ? 0.0 : (b2.y - a2.y) / (b2.x - a2.x);
  const double c2 = vertical2 ? 0.0 : (b2.x * a2.y - a2.x * b2.y) / (b2.x - a2.x);
  const bool parallel = (vertical1 && vertical2) || (!vertical1 && !vertical2 && m1 == m2);
  Vec P0, P1;
  if (!parallel) {
    if (vertical1) {
      P0 = {a1.x, m2 * a1.x + c2};
    } else if (vertical2) {
      P0 = {a2.x, m1 * a2.x + c1};
    } else {
      P0 = {(c2 - c1) / (m1 - m2), (m1 * c2 - m2 * c1) / (m1 - m2)};
    }
    const double l1 = Length(d1);
    const double l2 = Length(d2);
    if (l1 > 0.0 && l2 > 0.0) {
      P1 = P0 + 100.0 * ((1.0 / l1) * d1 + (1.0 / l2) * d2);
    } else {
      P1 = {0.0, 0.0};
    }
  } else if (vertical1) {
    P0 = {a1.x + (a2.x - a1.x) / 2.0, 0.0};
    P1 = {P0.x, 100.0};
  } else {
    const double c = c1 + (c2 - c1) / 2.0;
    P0 = {0.0, c};
    P1 = {100.0, m1 * 100.0 + c};
  }

  // 4./5. feet of the boreholes on the axis and the two outermost ones
  const Vec axis = P1 - P0;
  Vec fMin = P0, fMax = P0;
  if (count >= 1) {
    Vec feetMin{}, feetMax{};
    int xi = 1, xa = 1;
    Vec first = Foot({x[1], y[1]}, P0, axis);
    feetMin = feetMax = first;
    for (int i = 2; i <= count; ++i) {
      const Vec f = Foot({x[i], y[i]}, P0, axis);
      if (f.x < feetMin.x) {
        feetMin = f;
        xi = i;
      }
      if (f.x > feetMax.x) {
        feetMax = f;
        xa = i;
      }
    }
    if (xi == xa && count >= 2) {
      // the axis is vertical: take the extremes along y
      feetMin = feetMax = first;
      xi = xa = 1;
      for (int i = 2; i <= count; ++i) {
        const Vec f = Foot({x[i], y[i]}, P0, axis);
        if (f.y < feetMin.y) {
          feetMin = f;
          xi = i;
        }
        if (f.y > feetMax.y) {
          feetMax = f;
          xa = i;
        }
      }
    }
    fMin = feetMin;
    fMax = feetMax;
  }

  // 6. width across the flow
  double W = (count <= 1) ? 4.0 : Length(fMax - fMin) + 4.0;
  W = std::max(W, 4.0);
  if (count >= 1) W = std::min(W, 4.0 * count);
  fieldWidth = W;
  meanSpacing = W;

  // 7. spacing of the contour lines at the field
  const Vec M = 0.5 * (fMin + fMax);
  const Vec G = Foot(M, a1, d1);
  const double D = 2.0 * Length(M - G);

  // 8. gradient
  if (!hydrDruckgradient) {
    gradient = (D == 0.0) ? 0.0 : std::fabs(lines.level2 - lines.level1) / D;
  } else if (!Sondengrafik && count > 1) {
    fieldWidth = (count == 2) ? Sondenabstand + 4.0
                              : (std::sqrt(static_cast<double>(count)) - 1.0) * Sondenabstand + 4.0;
  }

  // 9. groundwater terms of the probe segments
  SetupProbeSegments(count, DimAxi, gradient, Sondenlaenge, k1, k2, k3, zSchicht1, zSchicht2, zSchicht3,
                     zSchicht4, fieldWidth);
}

void ComputeGroundwaterFlow() {
  const ContourLines lines{x1Isohypse1, y1Isohypse1, x2Isohypse1, y2Isohypse1, x1Isohypse2,
                           y1Isohypse2, x2Isohypse2, y2Isohypse2, Isohypse1,   Isohypse2};
  ComputeGroundwaterFlow(AnzahlSonden, SondeX, SondeY, lines, Durchlaessigkeit1, Durchlaessigkeit2,
                         Durchlaessigkeit3, Druckgradient, GWFeldbreite, Mittlerer_Abstand);
}

}  // namespace qeb
