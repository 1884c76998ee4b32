// Brine temperatures along both channels of one probe during one grid sub-step,
// and the heat that every segment of the ground gives to the brine.
#include <cmath>
#include <utility>

#include "calc/Erdsonden.h"

namespace qeb {

namespace {

void CheckBrineInputs(const BrineInputs& in) {
  if (in.grid == nullptr || in.A == nullptr || in.B == nullptr) {
    throw CalcError(" Solemodell ohne Eingaben  /  brine model without inputs ");
  }
  if (in.dimAxi < 1 || in.dimAxi > kMaxSegmente || in.nsub < 1 || in.subdt < 1 || in.zeitschritt < 1) {
    throw CalcError(" Solemodell: ung\xFCltige Schrittzahl  /  brine model: invalid step counts ");
  }
  const bool capacitiesOk =
      in.coaxial ? (in.cSoleRingraum > 0.0 && in.cSoleInnenrohr > 0.0) : (in.cSoleRohr > 0.0);
  if (!capacitiesOk || !(in.W >= 0.0)) {
    throw CalcError(" Solemodell: W\xE4rmekapazit\xE4t <= 0  /  brine model: capacity <= 0 ");
  }
}

// Stationary balance of one channel cell; a cell without any coupling keeps
// the temperature it had.
double Balance(double numerator, double denominator, double previous) {
  return denominator > 0.0 ? numerator / denominator : previous;
}

}  // namespace

void PrepareBrineFactors(const BrineInputs& in, BrineFactors& f) {
  CheckBrineInputs(in);
  const int n = in.dimAxi;
  const double W = in.W;
  f.dt = 60.0 * in.zeitschritt / (static_cast<double>(in.subdt) * in.nsub);
  if (in.coaxial) return;
  // U-tube: each leg takes half of B. Everything but the brine and the grid
  // is fixed during a pass, so the stationary balance is prepared as
  // T = p + q * T_upstream with p = B/2 * tg / (B/2 + W) formed per sub-step
  // from the grid; this keeps the divisions off the chain that runs down and
  // up the probe.
  const double C = in.cSoleRohr;
  f.c = W * f.dt / C;
  f.anyKeep = false;
  for (int k = 1; k <= n; ++k) {
    const double b = in.B[k] / 2.0;
    f.b[k] = b;
    f.gain[k] = b * f.dt / C;
    const double den = b + W;
    f.den[k] = den;
    f.keep[k] = !(den > 0.0);
    f.anyKeep = f.anyKeep || f.keep[k];
    if (!f.keep[k]) f.q[k] = W / den;
  }
}

double ComputeBrineProfile(const BrineInputs& in, SegmentValues& soleAb, SegmentValues& soleAuf,
                           SegmentValues& E) {
  BrineFactors f;
  PrepareBrineFactors(in, f);
  E[0] = 0.0;
  for (int k = in.dimAxi + 1; k <= kMaxSegmente; ++k) E[k] = 0.0;
  return ComputeBrineProfile(in, f, soleAb, soleAuf, E);
}

namespace {

// The common case, a U-tube with stationary brine in one brine sub-step,
// for a segment count known when compiling: the chain down and up the
// probe carries nothing but the temperatures, unrolled; each segment's heat
// is formed after it. The same operations on the same values as the
// general profile.
template <int N>
__attribute__((always_inline)) inline double UTubeStationary(const BrineInputs& in, const BrineFactors& f,
                                                             SegmentValues& soleAb, SegmentValues& soleAuf,
                                                             SegmentValues& E) {
  const VectorStack& grid = *in.grid;
  double tg[N + 1], p[N + 1], hd[N + 1];
  for (int k = 1; k <= N; ++k) tg[k] = grid[k][1];
  for (int k = 1; k <= N; ++k) p[k] = f.b[k] * tg[k] / f.den[k];
  // Each heat is formed from the temperature in the register: reading the
  // cells back in whole registers right after storing them one by one would
  // wait for the stores.
  double up = in.Tin;
  soleAb[0] = up;
  for (int k = 1; k <= N; ++k) {
    up = p[k] + f.q[k] * up;
    soleAb[k] = up;
    hd[k] = (tg[k] - up) * f.gain[k];
  }
  soleAuf[0] = up;
  for (int k = 1; k <= N; ++k) {
    const int d = N + 1 - k;
    up = p[d] + f.q[d] * up;
    soleAuf[k] = up;
    const double hu = (tg[d] - up) * f.gain[d];
    double e = 0.0;
    e += hd[d] + hu;
    E[d] = e * in.cSoleRohr;
  }
  double outletSum = 0.0;
  outletSum += up;
  return outletSum / in.nsub;
}

template <int... N>
__attribute__((always_inline)) inline bool UTubeStationaryFor(int n, const BrineInputs& in, const BrineFactors& f,
                                                              SegmentValues& soleAb, SegmentValues& soleAuf,
                                                              SegmentValues& E, double& outlet,
                                                              std::integer_sequence<int, N...>) {
  return ((n == N + 1 ? (outlet = UTubeStationary<N + 1>(in, f, soleAb, soleAuf, E), true) : false) || ...);
}

__attribute__((always_inline)) inline double BrineProfileBody(const BrineInputs& in, const BrineFactors& f,
                                                              SegmentValues& soleAb, SegmentValues& soleAuf,
                                                              SegmentValues& E) {
  const int n = in.dimAxi;
  const VectorStack& grid = *in.grid;
  if (!in.coaxial && in.stationaer && in.nsub == 1 && !f.anyKeep) {
    double outlet = 0.0;
    if (UTubeStationaryFor(n, in, f, soleAb, soleAuf, E, outlet, std::make_integer_sequence<int, kMaxSegmente>{}))
      return outlet;
  }
  const double* A = in.A;
  const double* B = in.B;
  const double W = in.W;
  const double dt = f.dt;

  double e[kMaxSegmente + 1];
  for (int k = 1; k <= n; ++k) e[k] = 0.0;
  double X[kMaxSegmente + 1];  // reversed coaxial: inner pipe, top to bottom
  double Y[kMaxSegmente + 1];  // reversed coaxial: annulus, bottom to top
  if (in.coaxial && in.reversed) {
    X[0] = in.Tin;
  } else {
    soleAb[0] = in.Tin;
  }
  double outletSum = 0.0;

  // U-tube: the grid's first cells and the stationary balance's constant
  // term of this sub-step.
  struct LegFactors {
    double tg[kMaxSegmente + 1];  // first grid cell
    double p[kMaxSegmente + 1];   // stationary: B/2 * tg / (B/2 + W)
  } leg;
  const double c = f.c;
  if (!in.coaxial) {
    for (int k = 1; k <= n; ++k) {
      leg.tg[k] = grid[k][1];
      if (in.stationaer && !f.keep[k]) leg.p[k] = f.b[k] * leg.tg[k] / f.den[k];
    }
  }

  // Transient brine: an upwind chain. Within an inner sub-step every cell
  // takes what flows in from its upstream neighbour and exchanges with the
  // ground and the other channel at the temperatures all cells had at the
  // start of the sub-step, and the brine leaves at the temperature the top
  // cell had then. So the heat the cells gain is exactly what flowed in, less
  // what flowed out, plus what they exchanged: the chain closes its energy,
  // and with the sub-steps short enough to be stable (the kernel sees to
  // that) every cell's new temperature is a weighted mean of temperatures of
  // the sub-step, so neither a cell nor the outlet leaves the range of the
  // brine and wall temperatures. (A chain in which each cell took its
  // neighbour's new temperature would hand the brine through the whole probe
  // within one sub-step and leave a part of its heat to no cell.)
  //
  // The heat a segment gives is what its transient brine took in the update,
  // formed before the step. Formed after it, it would differ by the cell's
  // change times its conductance, which running and standing brine do not
  // share, so every start and stop of the pump would leave a part of it
  // unbalanced. The stationary balance has no such difference.
  const bool carried = !in.stationaer && W > 0.0;
  for (int step = 0; step < in.nsub; ++step) {
    if (!in.coaxial) {
      double hd[kMaxSegmente + 1];
      double hu[kMaxSegmente + 1];
      // The chain runs down and up the probe one cell after the other; the
      // upstream temperature is carried in a register, not read back from
      // the cell just stored.
      double up = soleAb[0];
      double outlet;
      if (in.stationaer) {
        for (int k = 1; k <= n; ++k) {
          double t = soleAb[k];
          if (!f.keep[k]) t = leg.p[k] + f.q[k] * up;
          hd[k] = (leg.tg[k] - t) * f.gain[k];
          soleAb[k] = t;
          up = t;
        }
        soleAuf[0] = up;
        for (int k = 1; k <= n; ++k) {
          const int d = n + 1 - k;
          double t = soleAuf[k];
          if (!f.keep[d]) t = leg.p[d] + f.q[d] * up;
          hu[k] = (leg.tg[d] - t) * f.gain[d];
          soleAuf[k] = t;
          up = t;
        }
        outlet = up;
      } else {
        // `up` carries the upstream cell's temperature from the start of
        // the sub-step.
        for (int k = 1; k <= n; ++k) {
          const double t = soleAb[k];
          const double h = (leg.tg[k] - t) * f.gain[k];
          soleAb[k] = t + c * (up - t) + h;
          hd[k] = h;
          up = t;
        }
        soleAuf[0] = soleAb[n];
        for (int k = 1; k <= n; ++k) {
          const int d = n + 1 - k;
          const double t = soleAuf[k];
          const double h = (leg.tg[d] - t) * f.gain[d];
          soleAuf[k] = t + c * (up - t) + h;
          hu[k] = h;
          up = t;
        }
        outlet = carried ? up : soleAuf[n];
      }
      for (int k = 1; k <= n; ++k) e[k] += hd[k] + hu[n + 1 - k];
      outletSum += outlet;
    } else if (!in.reversed) {
      const double C1 = in.cSoleRingraum;
      const double C2 = in.cSoleInnenrohr;
      if (in.stationaer) {
        for (int k = 1; k <= n; ++k) {
          const double tg = grid[k][1];
          const double ti = soleAuf[n + 1 - k];
          soleAb[k] = Balance(B[k] * tg + W * soleAb[k - 1] + A[k] * ti, B[k] + W + A[k], soleAb[k]);
          e[k] += (tg - soleAb[k]) * B[k] * dt / C1;
        }
        soleAuf[0] = soleAb[n];
        for (int k = 1; k <= n; ++k) {
          const int d = n + 1 - k;
          soleAuf[k] = Balance(A[d] * soleAb[d] + W * soleAuf[k - 1], A[d] + W, soleAuf[k]);
        }
        outletSum += soleAuf[n];
      } else {
        // Both channels as they stood at the start of the sub-step.
        double ab[kMaxSegmente + 1];
        double auf[kMaxSegmente + 1];
        for (int k = 0; k <= n; ++k) {
          ab[k] = soleAb[k];
          auf[k] = soleAuf[k];
        }
        for (int k = 1; k <= n; ++k) {
          const double tg = grid[k][1];
          const double ti = auf[n + 1 - k];
          const double h = (tg - ab[k]) * B[k] * dt / C1;
          soleAb[k] = ab[k] + dt / C1 * (W * (ab[k - 1] - ab[k]) + A[k] * (ti - ab[k])) + h;
          e[k] += h;
        }
        // The turnaround hands the bottom of the annulus to the inner pipe.
        auf[0] = ab[n];
        soleAuf[0] = soleAb[n];
        for (int k = 1; k <= n; ++k) {
          const int d = n + 1 - k;
          soleAuf[k] = auf[k] + dt / C2 * (W * (auf[k - 1] - auf[k]) - A[d] * (auf[k] - ab[d]));
        }
        outletSum += carried ? auf[n] : soleAuf[n];
      }
    } else {
      const double C1 = in.cSoleRingraum;
      const double C2 = in.cSoleInnenrohr;
      for (int k = 1; k <= n; ++k) {
        X[k] = soleAuf[n + 1 - k];
        Y[k] = soleAb[n + 1 - k];
      }
      if (in.stationaer) {
        for (int k = 1; k <= n; ++k) {
          const double ya = Y[n + 1 - k];
          X[k] = Balance(A[k] * ya + W * X[k - 1], A[k] + W, X[k]);
        }
        Y[0] = X[n];
        for (int k = 1; k <= n; ++k) {
          const int d = n + 1 - k;
          const double tg = grid[d][1];
          const double h = (tg - Y[k]) * B[d] * dt / C1;
          Y[k] = Balance(B[d] * tg + W * Y[k - 1] + A[d] * X[d], B[d] + W + A[d], Y[k]);
          e[d] += h;
        }
        outletSum += Y[n];
      } else {
        // Both channels as they stood at the start of the sub-step.
        double x[kMaxSegmente + 1];
        double y[kMaxSegmente + 1];
        for (int k = 0; k <= n; ++k) x[k] = X[k];
        for (int k = 1; k <= n; ++k) y[k] = Y[k];
        y[0] = x[n];
        for (int k = 1; k <= n; ++k) {
          const double ya = y[n + 1 - k];
          X[k] = x[k] + dt / C2 * (W * (x[k - 1] - x[k]) - A[k] * (x[k] - ya));
        }
        Y[0] = X[n];
        for (int k = 1; k <= n; ++k) {
          const int d = n + 1 - k;
          const double tg = grid[d][1];
          const double h = (tg - y[k]) * B[d] * dt / C1;
          Y[k] = y[k] + dt / C1 * (W * (y[k - 1] - y[k]) + A[d] * (x[d] - y[k])) + h;
          e[d] += h;
        }
        outletSum += carried ? y[n] : Y[n];
      }
      for (int k = 1; k <= n; ++k) {
        soleAuf[k] = X[n + 1 - k];
        soleAb[k] = Y[n + 1 - k];
      }
    }
  }

  const double scale = in.coaxial ? in.cSoleRingraum : in.cSoleRohr;
  for (int k = 1; k <= n; ++k) E[k] = e[k] * scale;
  return outletSum / in.nsub;
}

// The same operations in either instruction set; with AVX2 the divisions and
// sums over the segments go four to a register (same bits in any width).
double BrineProfileSse2(const BrineInputs& in, const BrineFactors& f, SegmentValues& soleAb, SegmentValues& soleAuf,
                        SegmentValues& E) {
  return BrineProfileBody(in, f, soleAb, soleAuf, E);
}

__attribute__((target("avx2"))) double BrineProfileAvx2(const BrineInputs& in, const BrineFactors& f,
                                                        SegmentValues& soleAb, SegmentValues& soleAuf,
                                                        SegmentValues& E) {
  return BrineProfileBody(in, f, soleAb, soleAuf, E);
}

}  // namespace

double ComputeBrineProfile(const BrineInputs& in, const BrineFactors& f, SegmentValues& soleAb,
                           SegmentValues& soleAuf, SegmentValues& E) {
  return AdvancedKernels() ? BrineProfileAvx2(in, f, soleAb, soleAuf, E) : BrineProfileSse2(in, f, soleAb, soleAuf, E);
}

}  // namespace qeb
