// Measured ground temperature profile -> start temperature per layer, and the
// groundwater layers spread over the probe segments.
#include <algorithm>
#include <cmath>

#include "calc/Erdsonden.h"

namespace qeb {

double Erdmitteltemp = 0.0;

double vDarcy1 = 0.0, vDarcy2 = 0.0, vDarcy3 = 0.0;
double GWQuerschnitt1 = 0.0, GWQuerschnitt2 = 0.0, GWQuerschnitt3 = 0.0;
SegmentValues GWAnteilSchicht1{}, GWAnteilSchicht2{}, GWAnteilSchicht3{};
SegmentValues GWAnteil1{}, GWAnteil2{}, GWAnteil3{};
SegmentValues GWLeitwert1{}, GWLeitwert2{}, GWLeitwert3{};
double GWFeldbreite = 0.0;

namespace {

constexpr int kNutzerPunkte = 10;     // points the user enters, 1..10
constexpr double kLeerTiefe = 0.001;  // a point shallower than this is empty
constexpr double kProfilEnde = 10000.0;

}  // namespace

void SortGroundLayers(double (&temperatures)[kProfilPunkte + 1], double (&depths)[kProfilPunkte + 1],
                      double (&result)[kSchichtErgebnis + 1], double length) {
  const int layers = DimAxi;
  if (layers < 1 || layers > kMaxProfilSegmente) {
    throw CalcError(" DimAxi ung\xFCltig (1 .. 30)  /  invalid number of layers ");
  }
  if (!(length > 0.0) || !std::isfinite(length)) {
    throw CalcError(" Sondenl\xE4nge ung\xFCltig  /  invalid probe length ");
  }
  double* T = temperatures;
  double* z = depths;

  z[0] = 0.0;

  // 2./3. order the used points by depth. Points at the same depth keep the
  // order in which they were entered (a stable sort): a selection of "the next
  // point not deeper than the last one picked" cannot step past two equal
  // depths, and an unsorted profile would be interpolated backwards.
  int order[kNutzerPunkte];
  int used = 0;
  for (int i = 1; i <= kNutzerPunkte; ++i) {
    if (z[i] > kLeerTiefe) order[used++] = i;  // blank (and unreadable) depths are empty
  }
  std::stable_sort(order, order + used, [z](int a, int b) { return z[a] < z[b]; });
  {
    double newT[kNutzerPunkte + 1] = {};
    double newZ[kNutzerPunkte + 1] = {};
    for (int k = 1; k <= used; ++k) {
      newT[k] = T[order[k - 1]];
      newZ[k] = z[order[k - 1]];
    }
    for (int k = 1; k <= kNutzerPunkte; ++k) {
      T[k] = newT[k];
      z[k] = newZ[k];
    }
  }

  // The point after the user's ten holds the deep extension of an earlier call
  // with all ten points used. It belongs to the profile only while it still
  // follows a full, deeper-ending table; otherwise it would be counted as a
  // point after the gap left by a blanked entry.
  if (!(used == kNutzerPunkte && z[kNutzerPunkte + 1] > z[kNutzerPunkte])) {
    z[kNutzerPunkte + 1] = 0.0;
    T[kNutzerPunkte + 1] = 0.0;
  }

  // 4. surface and deep extension
  const int n = (z[kNutzerPunkte + 1] > kLeerTiefe) ? kNutzerPunkte + 1 : used;
  int last = n;  // deepest point of the profile as it is stored
  if (n > 1) {
    z[0] = 0.0;
    T[0] = (z[2] == z[1]) ? T[1] : T[1] - (T[2] - T[1]) / (z[2] - z[1]) * z[1];
    // A profile that already reaches 10000 m (or deeper) needs no extension;
    // a point at 10000 m after a deeper one would break the depth order and
    // come back with every further call.
    if (z[n] < kProfilEnde) {
      const double tn =
          (z[n] == z[n - 1]) ? T[n] : T[n] + (T[n] - T[n - 1]) / (z[n] - z[n - 1]) * (kProfilEnde - z[n]);
      z[n + 1] = kProfilEnde;
      T[n + 1] = tn;
      last = n + 1;
    }
  }

  // Working copy of the profile for the layer means. Below its deepest point
  // the last temperature is held: with a single point (or none) no gradient
  // is known, and a layer below it would otherwise start at 0 degrees. The
  // held point is not stored, so the profile of the project stays as entered.
  double zp[kProfilPunkte + 2] = {};
  double Tp[kProfilPunkte + 2] = {};
  for (int i = 0; i <= last; ++i) {
    zp[i] = z[i];
    Tp[i] = T[i];
  }
  const double held = std::max(kProfilEnde, 2.0 * length);
  if (zp[last] < held) {
    ++last;
    zp[last] = held;
    Tp[last] = Tp[last - 1];
  }

  // 5./6. exact mean of the piecewise-linear profile over each layer
  const double dz = length / layers;
  for (int s = 0; s <= kSchichtErgebnis; ++s) result[s] = 0.0;
  result[0] = T[0];
  double Bprev = T[0];
  double sum = 0.0;
  for (int s = 1; s <= layers; ++s) {
    const double top = dz * (s - 1);
    const double bottom = dz * s;
    double B = 0.0;
    for (int j = 1; j <= last; ++j) {
      if (j < last && zp[j] <= bottom && bottom < zp[j + 1]) {
        B = Tp[j] + (Tp[j + 1] - Tp[j]) / (zp[j + 1] - zp[j]) * (bottom - zp[j]);
      }
      if (zp[j] > bottom && zp[j - 1] <= top) {
        B = Tp[j - 1] + (Tp[j] - Tp[j - 1]) / (zp[j] - zp[j - 1]) * (bottom - zp[j - 1]);
      }
    }
    double M = Bprev;
    for (int j = 1; j <= last; ++j) {
      if (!(zp[j] > top && zp[j - 1] < bottom)) continue;
      const bool startsAbove = zp[j - 1] <= top;
      const bool endsBelow = zp[j] > bottom;
      if (startsAbove && endsBelow) {
        M = (B + Bprev) / 2.0;
      } else if (startsAbove) {
        M += (Tp[j] - Bprev) * (zp[j] - top) / (2.0 * dz);
      } else if (!endsBelow) {
        M += ((Tp[j] + Tp[j - 1]) / 2.0 - Bprev) * (zp[j] - zp[j - 1]) / dz;
      } else {
        M += ((B + Tp[j - 1]) / 2.0 - Bprev) * (bottom - zp[j - 1]) / dz;
      }
    }
    result[s] = M;
    sum += M;
    Bprev = B;
  }
  // 7.
  Erdmitteltemp = sum / layers;
}

namespace {

struct LayerOut {
  double* darcy;
  double* section;
  double* thicknessShare;
  double* segmentShare;
  double* capacityFlow;
};

// Water: 1000 kg/m³ and 4200 J/kgK.
constexpr double kRhoCpWasser = 1000.0 * 4200.0;

void SpreadLayer(int n, double dz, double top, double bottom, double conductivity, double gradient,
                 double fieldWidth, const LayerOut& out) {
  *out.darcy = conductivity * gradient;
  for (int i = 0; i <= kMaxSegmente; ++i) {
    out.thicknessShare[i] = 0.0;
    out.segmentShare[i] = 0.0;
    out.capacityFlow[i] = 0.0;
  }
  const double d = bottom - top;
  // An inverted layer carries no water (a negative cross-section would turn
  // the capacity flow negative).
  *out.section = std::max(d, 0.0) * fieldWidth;
  if (d == 0.0) {
    // A layer without thickness lies wholly in the segment of its depth; it
    // takes no length of the segment and carries no water.
    const double length = dz * n;
    if (top >= 0.0 && top <= length) {
      const int i = std::clamp(static_cast<int>(std::ceil(top / dz)), 1, n);
      out.thicknessShare[i] = 1.0;
    }
    return;
  }
  if (!(d > 0.0)) return;
  // Only the part of the layer that lies beside the probe counts: a layer
  // that starts at or above the surface begins in segment 1, one that reaches
  // below the probe ends in the last segment, and no share exceeds 1.
  for (int i = 1; i <= n; ++i) {
    const double segTop = (i - 1) * dz;
    const double segBottom = i * dz;
    const double overlap = std::min(bottom, segBottom) - std::max(top, segTop);
    if (overlap <= 0.0) continue;
    out.thicknessShare[i] = std::min(overlap / d, 1.0);
    out.segmentShare[i] = std::min(overlap / dz, 1.0);
  }
  for (int i = 1; i <= n; ++i) {
    out.capacityFlow[i] = out.thicknessShare[i] * *out.section * *out.darcy * kRhoCpWasser;
  }
}

}  // namespace

void SetupProbeSegments(int /*count*/, int dimAxi, double gradient, double length, double k1, double k2,
                        double k3, double z1, double z2, double z3, double z4, double fieldWidth) {
  if (dimAxi < 1 || dimAxi > kMaxSegmente) {
    throw CalcError(" DimAxi ung\xFCltig (1 .. 10)  /  invalid number of axial cells ");
  }
  if (!(length > 0.0) || !std::isfinite(length)) {
    throw CalcError(" Sondenl\xE4nge ung\xFCltig  /  invalid probe length ");
  }
  const double dz = length / dimAxi;
  SpreadLayer(dimAxi, dz, z1, z2, k1, gradient, fieldWidth,
              {&vDarcy1, &GWQuerschnitt1, GWAnteilSchicht1, GWAnteil1, GWLeitwert1});
  SpreadLayer(dimAxi, dz, z2, z3, k2, gradient, fieldWidth,
              {&vDarcy2, &GWQuerschnitt2, GWAnteilSchicht2, GWAnteil2, GWLeitwert2});
  SpreadLayer(dimAxi, dz, z3, z4, k3, gradient, fieldWidth,
              {&vDarcy3, &GWQuerschnitt3, GWAnteilSchicht3, GWAnteil3, GWLeitwert3});
}

}  // namespace qeb
