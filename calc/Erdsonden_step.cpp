// One time step of the borehole model: brine along the probe, segment powers,
// start-up traces, running block means, renewal of the far field at the end of
// each block, and the radial Crank-Nicolson update of every segment.
#include <immintrin.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>

#include "calc/Erdsonden.h"

namespace qeb {

double TSourceVorher = 0.0;
double TMonitor = 0.0;
double Ringbreite = 0.0;
double TSourceVerlauf[kVerlaufMax + 1]{};
double TSinkVerlauf[kVerlaufMax + 1]{};
double TMonitorVerlauf[kVerlaufMax + 1]{};
int VerlaufSchritte = 0;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kMinutenProWoche = 10080;

double FarField(int j, int N) {
  if (gfunction) {
    return GFunctionSuperposition(j, N, DimAxi, gKoeff0, gKoeff1, gKoeff2, gKoeff3, gKoeff4, gKoeff5,
                                  Sondenlaenge, Rechenradius, lambdaErde[j], cpErde[j], rhoErde[j], QHistorie,
                                  RepRandbed);
  }
  return LineSourceE1(j, N, DimAxi, Sondenlaenge, Rechenradius, lambdaErde[j], cpErde[j], rhoErde[j],
                      QHistorie, RepRandbed);
}

// Groundwater takes away part of the block's heat: the history entry moves
// towards 0 by the layer's capacity flow times the far-field change, never
// past 0 for the layer's share of the segment.
void GroundwaterCorrection(int j, int N, double dT) {
  const double q = QHistorie[j][N];
  const double* shares[3] = {GWAnteil1, GWAnteil2, GWAnteil3};
  const double* flows[3] = {GWLeitwert1, GWLeitwert2, GWLeitwert3};
  for (int l = 0; l < 3; ++l) {
    const double a = shares[l][j] * q;
    const double b = flows[l][j] * dT;
    if (a > 0.0) {
      if (b <= 0.0) QHistorie[j][N] += std::max(b, -a);
    } else {
      if (b >= 0.0) QHistorie[j][N] += std::min(b, -a);
    }
  }
}

void RenewOuterBoundary(int j, int N, int schrittzaehler, int stepsPerWeek) {
  if (N < 1 || N > kMaxBloecke) {
    throw CalcError(" Zu viele Randbedingungsbl\xF6" "cke (max. 10600)  /  too many boundary blocks (max. 10600) ");
  }
  const int outer = DimRad + 1;
  QHistorie[j][N] = QBlockMittel[j];
  double dT = FarField(j, N);
  if (Grundwasser) {
    GroundwaterCorrection(j, N, dT);
    dT = FarField(j, N);
  }
  const int week = std::clamp((schrittzaehler - 1) / stepsPerWeek + 1, 0, kWochenTabelle);
  TGitter[j][outer] = TUngestoert[j] + dT + TJahreszeit[j][week];
  if (StaoGelesen && Reserve27) {
    if (Jahr < 1 || Jahr > kMaxStandortJahre) {
      throw CalcError(
          " Standortjahr ausserhalb der Tabelle (1 .. 600)  /  site year outside the table (1 .. 600) ");
    }
    TGitter[j][outer] -= (TStandortJahr[Jahr - 1] + TStandortJahr[Jahr]) / 2.0;
  }
  // Cellar above the field, always against the top segment's boundary.
  const double Tk = (schrittzaehler <= 2880 || schrittzaehler >= 6552) ? TempKellerWinter : TempKellerSommer;
  const double Qk = Kellerflaeche * UWertKeller * (Tk - TGitter[1][outer]);
  if (Qk != 0.0 && LeitwertRand[j] > 0.0) {
    double d = Qk / AnzahlSonden / DimAxi / LeitwertRand[j];
    const double Tb = TGitter[j][outer];
    if ((d > 0.0 && Tb + d > Tk) || (d < 0.0 && Tb + d < Tk)) d = Tk - Tb;
    TGitter[j][outer] = Tb + d;
  }
}

// The update matrices of one step, column by column: entry [c][i] is the
// weight of old node c in new cell i + 1. Stored that way all cells of a row
// are advanced together in the inner loop, while each cell still adds its
// terms in column order, exactly as a row-by-row product would.
struct ColumnMatrices {
  alignas(64) double w[kMaxSegmente + 1][kMatDim][kMaxRadial];
};

// The columns are taken again only when the matrices they come from changed
// (a new run, a new time step length, the pump switching between running and
// standing): the source block is remembered and compared.
struct ColumnCache {
  ColumnMatrices columns;
  SegmentMatrix source[kMaxSegmente];
  int n = 0;
  int nR = 0;
  bool valid = false;
};

bool SameBlock(const MatrixStack& M, const ColumnCache& cache, int n, int nR) {
  if (!cache.valid || cache.n != n || cache.nR != nR) return false;
  const size_t rowBytes = sizeof(double) * static_cast<size_t>(nR + 2);
  for (int j = 0; j < n; ++j)
    for (int i = 1; i <= nR; ++i)
      if (std::memcmp(M[j][i], cache.source[j][i], rowBytes) != 0) return false;
  return true;
}

const ColumnMatrices& TakeColumns(const MatrixStack& M, int n, int nR, ColumnCache& cache) {
  if (SameBlock(M, cache, n, nR)) return cache.columns;
  for (int j = 1; j <= n; ++j) {
    const SegmentMatrix& m = M[j - 1];
    std::memcpy(cache.source[j - 1], m, sizeof(SegmentMatrix));
    for (int c = 0; c <= nR + 1; ++c) {
      double* col = cache.columns.w[j][c];
      for (int i = 0; i < kMaxRadial; ++i) col[i] = (i < nR) ? m[i + 1][c] : 0.0;
    }
  }
  cache.n = n;
  cache.nR = nR;
  cache.valid = true;
  return cache.columns;
}

// Radial update of every segment's row: the new cells from the old row by
// the update matrix (rows sum to 1), formed on the differences to each cell's
// own value so that a uniform row stays uniform to the last digit. The
// brine-side node and the outer boundary are not changed.
//
// The cells of a row are carried in vector registers of L lanes, G registers
// per row (the cell count rounded up to a multiple of L; the weights of the
// lanes past the last cell are 0 and those lanes are not stored). Every lane
// does exactly the scalar sequence change += w * (old - cell) in column
// order, with no fused multiply-add, so the result is the same to the bit on
// every processor and with either instruction set.
using V2 = double __attribute__((vector_size(16)));

// The cell count is a template argument: the column loop is unrolled and
// whole registers are stored where the row fills them.
using AdvanceFn = void (*)(const ColumnMatrices&, VectorStack&, int);

template <int NR>
void AdvanceSse2(const ColumnMatrices& cm, VectorStack& grid, int n) {
  for (int j = 1; j <= n; ++j) {
    double* row = grid[j];
    constexpr int L = sizeof(V2) / sizeof(double);
    constexpr int G = (NR + L - 1) / L;
    V2 cell[G];
    V2 change[G];
    // Lanes past the row read the outer boundary or spare nodes: finite
    // values with weight 0, never stored.
    for (int g = 0; g < G; ++g) {
      std::memcpy(&cell[g], row + 1 + g * L, sizeof(V2));
      change[g] = V2{};
    }
#pragma GCC unroll 14
    for (int c = 0; c <= NR + 1; ++c) {
      const double o = row[c];
      const V2 oc = {o, o};
      const double* w = cm.w[j][c];
      for (int g = 0; g < G; ++g) {
        V2 wv;
        std::memcpy(&wv, w + g * L, sizeof(V2));
        change[g] += wv * (oc - cell[g]);
      }
    }
    for (int g = 0; g < G; ++g) {
      const V2 r = cell[g] + change[g];
      if ((g + 1) * L <= NR) {
        std::memcpy(row + 1 + g * L, &r, sizeof(V2));
      } else {
        row[1 + g * L] = r[0];
      }
    }
  }
}

// The same sequence written with the instructions it must become. Left to
// itself the compiler loads the row in whole registers and shuffles the old
// nodes out of them; those loads span the narrower stores of the brine-side
// node and of the previous update, which the processor cannot forward and
// must wait for. Each old node is broadcast straight from memory instead.
//
// Two of the three operations per weight are additions, and processors of
// this class add on two ports and multiply on two others. Every other
// difference is therefore formed on a multiply port as old * 1 - cell with a
// single rounding, which is the subtraction to the bit. (The build forbids
// the compiler to fuse anything itself.)
// Registers G0 .. G-1 of cells of row j, formed from the old row in one
// pass over its columns and then stored.
template <int NR, int G0>
__attribute__((target("avx2,fma"), always_inline)) inline void AdvanceRegistersAvx2(const ColumnMatrices& cm,
                                                                                    double* row, int j) {
  constexpr int G = (NR + 3) / 4;
  const __m256d one = _mm256_set1_pd(1.0);
  __m256d cell[G];
  __m256d change[G];
  for (int g = G0; g < G; ++g) {
    cell[g] = _mm256_loadu_pd(row + 1 + g * 4);
    change[g] = _mm256_setzero_pd();
  }
#pragma GCC unroll 14
  for (int c = 0; c <= NR + 1; ++c) {
    const __m256d oc = _mm256_broadcast_sd(row + c);
    const double* w = cm.w[j][c];
    for (int g = G0; g < G; ++g) {
      const __m256d d = (c + g) % 2 == 0 ? _mm256_fmsub_pd(oc, one, cell[g]) : _mm256_sub_pd(oc, cell[g]);
      change[g] = _mm256_add_pd(change[g], _mm256_mul_pd(_mm256_load_pd(w + g * 4), d));
    }
  }
  for (int g = G0; g < G; ++g) {
    const __m256d r = _mm256_add_pd(cell[g], change[g]);
    if ((g + 1) * 4 <= NR) {
      _mm256_storeu_pd(row + 1 + g * 4, r);
    } else {
      alignas(32) double lanes[4];
      _mm256_store_pd(lanes, r);
      for (int l = 0; l < 4; ++l)
        if (g * 4 + l < NR) row[1 + g * 4 + l] = lanes[l];
    }
  }
}

template <int NR>
__attribute__((target("avx2,fma"))) void AdvanceAvx2(const ColumnMatrices& cm, VectorStack& grid, int n) {
  for (int j = 1; j <= n; ++j) AdvanceRegistersAvx2<NR, 0>(cm, grid[j], j);
}

// One grid sub-step of the U-tube with stationary brine, fused with the
// brine chain of the sub-step after it. The chain down and up the probe is a
// long series of dependent operations that leaves the arithmetic idle; here
// its steps are laid between the rows of the update, so that it runs while
// the rows are formed. First the first register of cells of every row (the
// first cell among them, which the next brine reads) is formed and kept;
// then, row by row, the remaining registers are formed from the old row,
// the row takes all its new cells, and two steps of the next chain run.
// Each value gets the same operations on the same inputs as the brine
// profile and the update one after the other. Returns the next sub-step's
// outlet temperature.
struct NextBrine {
  const BrineInputs* in;
  const BrineFactors* f;
  SegmentValues* soleAb;
  SegmentValues* soleAuf;
  SegmentValues* E;
};

template <int NR>
__attribute__((target("avx2,fma"))) double AdvanceWithBrineAvx2(const ColumnMatrices& cm, VectorStack& grid, int n,
                                                                const NextBrine& nb) {
  constexpr int G = (NR + 3) / 4;
  static_assert(G > 1 && NR >= 4);
  const __m256d one = _mm256_set1_pd(1.0);
  __m256d first[kMaxSegmente + 1];
  double tg[kMaxSegmente + 1], p[kMaxSegmente + 1], hd[kMaxSegmente + 1];
  const BrineFactors& f = *nb.f;
  for (int j = 1; j <= n; ++j) {
    const double* row = grid[j];
    const __m256d cell = _mm256_loadu_pd(row + 1);
    __m256d change = _mm256_setzero_pd();
#pragma GCC unroll 14
    for (int c = 0; c <= NR + 1; ++c) {
      const __m256d oc = _mm256_broadcast_sd(row + c);
      const __m256d d = c % 2 == 0 ? _mm256_fmsub_pd(oc, one, cell) : _mm256_sub_pd(oc, cell);
      change = _mm256_add_pd(change, _mm256_mul_pd(_mm256_load_pd(cm.w[j][c]), d));
    }
    first[j] = _mm256_add_pd(cell, change);
    tg[j] = _mm256_cvtsd_f64(first[j]);
    p[j] = f.b[j] * tg[j] / f.den[j];
  }
  double up = nb.in->Tin;
  (*nb.soleAb)[0] = up;
  int step = 0;
  auto chainStep = [&] {
    ++step;
    if (step <= n) {
      const int k = step;
      up = p[k] + f.q[k] * up;
      (*nb.soleAb)[k] = up;
      hd[k] = (tg[k] - up) * f.gain[k];
      if (k == n) (*nb.soleAuf)[0] = up;
    } else if (step <= 2 * n) {
      const int k = step - n;
      const int d = n + 1 - k;
      up = p[d] + f.q[d] * up;
      (*nb.soleAuf)[k] = up;
      const double hu = (tg[d] - up) * f.gain[d];
      double e = 0.0;
      e += hd[d] + hu;
      (*nb.E)[d] = e * nb.in->cSoleRohr;
    }
  };
  for (int j = 1; j <= n; ++j) {
    double* row = grid[j];
    AdvanceRegistersAvx2<NR, 1>(cm, row, j);
    _mm256_storeu_pd(row + 1, first[j]);
    chainStep();
    chainStep();
  }
  double outletSum = 0.0;
  outletSum += up;
  return outletSum / nb.in->nsub;
}

using FusedFn = double (*)(const ColumnMatrices&, VectorStack&, int, const NextBrine&);

template <int... NR>
FusedFn PickFused(int nR, std::integer_sequence<int, NR...>) {
  FusedFn f = nullptr;
  ((nR == NR + 9 ? (f = AdvanceWithBrineAvx2<NR + 9>, 0) : 0), ...);
  return f;
}

bool g_portable = false;

bool HasAvx2() { return AdvancedKernels(); }

template <int... NR>
AdvanceFn PickAdvance(int nR, bool avx2, std::integer_sequence<int, NR...>) {
  AdvanceFn f = nullptr;
  ((nR == NR + 2 ? (f = avx2 ? AdvanceAvx2<NR + 2> : AdvanceSse2<NR + 2>, 0) : 0), ...);
  return f;
}

// The kernel for nR cells (2..12) on this processor.
AdvanceFn ChooseAdvance(int nR) {
  return PickAdvance(nR, HasAvx2(), std::make_integer_sequence<int, kMaxRadial - 1>{});
}

// The fused sub-step for nR cells (9..12), where the processor has AVX2:
// with fewer cells the rest of a row is too short to hide the chain.
FusedFn ChooseFused(int nR) {
  return HasAvx2() ? PickFused(nR, std::make_integer_sequence<int, kMaxRadial - 8>{}) : nullptr;
}

// Every sub-step divides three times per segment. The divisions are
// independent, so they go four segments to a register where the processor
// has AVX2 (a division gives the same bits in any width); one division
// after the other they would keep the divider busy for a sixth of the step.
using SegmentPowersFn = void (*)(int, const SegmentValues&, const SegmentValues&, double, double, VectorStack&,
                                 SegmentValues&);
using BlockMeansFn = void (*)(int, const SegmentValues&, double, SegmentValues&);

// The segments' powers from the brine and their brine-side nodes.
__attribute__((always_inline)) inline void SegmentPowersBody(int n, const SegmentValues& E, const SegmentValues& G,
                                                             double subSteps, double stepSeconds, VectorStack& grid,
                                                             SegmentValues& P) {
  double first[kMaxSegmente + 1], node[kMaxSegmente + 1];
  for (int k = 1; k <= n; ++k) first[k] = grid[k][1];
  for (int k = 1; k <= n; ++k) {
    P[k] = E[k] * subSteps / stepSeconds;
    node[k] = first[k] - P[k] / G[k];
  }
  for (int k = 1; k <= n; ++k) grid[k][0] = node[k];
}

// The running mean of each segment's power over its block, m sub-steps before
// this one.
__attribute__((always_inline)) inline void BlockMeansBody(int n, const SegmentValues& P, double m,
                                                          SegmentValues& mean) {
  for (int j = 1; j <= n; ++j) mean[j] = (m * mean[j] + P[j]) / (m + 1.0);
}

void SegmentPowersSse2(int n, const SegmentValues& E, const SegmentValues& G, double subSteps, double stepSeconds,
                       VectorStack& grid, SegmentValues& P) {
  SegmentPowersBody(n, E, G, subSteps, stepSeconds, grid, P);
}
__attribute__((target("avx2"))) void SegmentPowersAvx2(int n, const SegmentValues& E, const SegmentValues& G,
                                                       double subSteps, double stepSeconds, VectorStack& grid,
                                                       SegmentValues& P) {
  SegmentPowersBody(n, E, G, subSteps, stepSeconds, grid, P);
}
void BlockMeansSse2(int n, const SegmentValues& P, double m, SegmentValues& mean) { BlockMeansBody(n, P, m, mean); }
__attribute__((target("avx2"))) void BlockMeansAvx2(int n, const SegmentValues& P, double m, SegmentValues& mean) {
  BlockMeansBody(n, P, m, mean);
}

}  // namespace

void UsePortableKernels(bool portable) { g_portable = portable; }

bool AdvancedKernels() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0 && __builtin_cpu_supports("fma") != 0;
  }();
  return has && !g_portable;
}

void StepProbeModel(int code, int schrittzaehler, int& schrittImBlock) {
  if (DimAxi < 1 || DimAxi > kMaxSegmente || DimRad < 2 || DimRad > kMaxRadial) {
    throw CalcError(" Gitter ung\xFCltig  /  invalid grid ");
  }
  if (Zeitschritt < 1 || Zeitschritt > kMinutenProWoche || RepRandbed < 1 || subdt < 1 || substep_run < 1 ||
      substep_stop < 1 || AnzahlSonden < 1) {
    throw CalcError(
        " Zeitschritt ung\xFCltig oder Modell nicht vorbereitet  /  invalid time step or model not prepared ");
  }
  if (MonitorAxi < 1 || MonitorAxi > DimAxi || MonitorRad < 0 || MonitorRad > DimRad + 1) {
    throw CalcError(" Monitorzelle ausserhalb des Gitters  /  monitor cell outside the grid ");
  }
  const int n = DimAxi;
  const int nR = DimRad;

  // 1. block position
  int stepsPerWeek = kMinutenProWoche / Zeitschritt;
  long long L = static_cast<long long>(stepsPerWeek) * RepRandbed;
  const long long A =
      Starttemp ? schrittzaehler : static_cast<long long>(SchritteProJahr) * (Jahr - 1) + schrittzaehler;
  const long long blockNumber = (A - 1) / L + 1;
  long long inBlock = A % L;
  if (inBlock == 0) inBlock = L;
  schrittImBlock = static_cast<int>(inBlock);
  if (blockNumber > kMaxBloecke) {
    throw CalcError(" Zu viele Randbedingungsbl\xF6" "cke (max. 10600)  /  too many boundary blocks (max. 10600) ");
  }

  // 2.
  Ringbreite = Rechenradius - Bohrdurchmesser / 2.0;
  const bool flowing = Massenstrom > 0.00001;
  const double flowPerProbe = Massenstrom / AnzahlSonden;
  const double W = flowing ? cpSole * flowPerProbe : 0.0;
  const double dz = Sondenlaenge / n;

  // Conductances of the brine side for this step.
  // Entries 1..n are set below and only those are read.
  SegmentValues Acond, Bcond, G;
  int nsub;
  if (flowing && alpha_pro_Schritt) {
    double a1 = 0, a2 = 0, a3 = 0;
    ComputeProbeAlphas(flowPerProbe, a1, a2, a3, KoaxialSonde);
    const double r = Sondendurchmesser / 2.0 - Dicke_Sondenrohr;
    const double ri = Innenrohrdurchmesser / 2.0 - Dicke_Innenrohr;
    const double f = KoaxialSonde ? 1.0 / (2.0 * kPi) : (einfachU ? 1.0 / (4.0 * kPi) : 1.0 / (8.0 * kPi));
    for (int k = 1; k <= n; ++k) {
      Bcond[k] = 1.0 / (f / (a1 * r) / dz + 1.0 / LeitwertWandErde[k]);
      Acond[k] = KoaxialSonde
                     ? 1.0 / (1.0 / LeitwertInnenrohr[k] +
                              (1.0 / (2.0 * kPi * a2 * ri) + 1.0 / (kPi * a3 * Innenrohrdurchmesser)) / dz)
                     : LeitwertSoleSole[k];
      G[k] = LeitwertWandErde[k];
    }
    nsub = substep_run;
  } else if (flowing) {
    for (int k = 1; k <= n; ++k) {
      Acond[k] = LeitwertSoleSole[k];
      Bcond[k] = LeitwertSoleErde[k];
      G[k] = LeitwertSoleErde[k];
    }
    nsub = substep_run;
  } else {
    for (int k = 1; k <= n; ++k) {
      Acond[k] = LeitwertSoleSoleRuhe[k];
      Bcond[k] = LeitwertSoleErdeRuhe[k];
      G[k] = LeitwertSoleErdeRuhe[k];
    }
    nsub = substep_stop;
  }
  if (!stationaer) {
    // The transient brine update is explicit: within one brine sub-step no
    // channel may exchange more than its own heat content, or the
    // temperatures oscillate and grow without bound. The counts of the model
    // set-up come from the design flow and the U-tube's pipe capacity; the two
    // smaller channels of a coaxial probe with their mutual coupling, or a
    // running flow above the design flow, need more sub-steps.
    const double dtGrid = 60.0 * Zeitschritt / subdt;
    double rate = 0.0;  // 1/s, largest exchange rate of a channel
    for (int k = 1; k <= n; ++k) {
      if (KoaxialSonde) {
        if (CSoleRingraum > 0.0) rate = std::max(rate, (W + Acond[k] + Bcond[k]) / CSoleRingraum);
        if (CSoleInnenrohr > 0.0) rate = std::max(rate, (W + Acond[k]) / CSoleInnenrohr);
      } else if (CSoleRohr > 0.0) {
        rate = std::max(rate, (W + Bcond[k] / 2.0) / CSoleRohr);
      }
    }
    const double needed = std::ceil(dtGrid * rate);
    if (!(needed * subdt * n <= kMaxSoleTeilschritte)) {
      throw CalcError(
          " Zu viele Sole-Teilschritte (Durchfluss zu gross oder Sondenrohr zu klein?)  /  too many brine "
          "sub-steps (flow too large or probe pipe too small?) ");
    }
    nsub = std::max(nsub, static_cast<int>(needed));
  }
  // One cache per stack: the pump switches on and off from hour to hour.
  static ColumnCache runningCache, standingCache;
  const ColumnMatrices& columns = flowing ? TakeColumns(CNMatrixBetrieb, n, nR, runningCache)
                                          : TakeColumns(CNMatrixRuhe, n, nR, standingCache);
  const AdvanceFn advance = ChooseAdvance(nR);
  const SegmentPowersFn segmentPowers = HasAvx2() ? SegmentPowersAvx2 : SegmentPowersSse2;
  const BlockMeansFn blockMeans = HasAvx2() ? BlockMeansAvx2 : BlockMeansSse2;

  BrineInputs in;
  in.grid = &TGitter;
  in.A = Acond;
  in.B = Bcond;
  in.W = W;
  in.Tin = flowing ? TSink : 0.0;
  in.nsub = nsub;
  in.cSoleRohr = CSoleRohr;
  in.cSoleRingraum = CSoleRingraum;
  in.cSoleInnenrohr = CSoleInnenrohr;
  in.stationaer = stationaer;
  in.dimAxi = n;
  in.coaxial = KoaxialSonde;

  const int subSteps = subdt;
  bool stepResponseEnded = false;
  double outletSum = 0.0;
  SegmentValues E, P;  // 1..n, written by every sub-step before they are read
  in.subdt = subdt;
  in.zeitschritt = Zeitschritt;
  in.reversed = Gegenstrom && Leistung && QSource < 0.0;
  BrineFactors factors;
  PrepareBrineFactors(in, factors);
  // Without start-up traces nothing in the pass changes the step length.
  const FusedFn fused = ChooseFused(nR);
  if (fused != nullptr && !KoaxialSonde && stationaer && in.nsub == 1 && !factors.anyKeep &&
      schrittzaehler >= VerlaufSchritte) {
    const NextBrine nb{&in, &factors, &TSoleAb, &TSoleAuf, &E};
    TSource = ComputeBrineProfile(in, factors, TSoleAb, TSoleAuf, E);
    segmentPowers(n, E, G, subdt, 60.0 * Zeitschritt, TGitter, P);
    blockMeans(n, P, static_cast<double>(schrittImBlock - 1) * subdt, QBlockMittel);
    for (int s = 1; s <= subSteps; ++s) {
      const long long Aall = static_cast<long long>(SchritteProJahr) * (Jahr - 1) + schrittzaehler;
      const bool blockEnd = code == 0 && s == subSteps &&
                            (Aall * Zeitschritt) % (static_cast<long long>(RepRandbed) * kMinutenProWoche) == 0;
      if (blockEnd)
        for (int j = 1; j <= n; ++j)
          RenewOuterBoundary(j, static_cast<int>(blockNumber), schrittzaehler, stepsPerWeek);
      const double outlet = TSource;
      if (s < subSteps) {
        TSource = fused(columns, TGitter, n, nb);
        segmentPowers(n, E, G, subdt, 60.0 * Zeitschritt, TGitter, P);
        blockMeans(n, P, static_cast<double>(schrittImBlock - 1) * subdt + s, QBlockMittel);
      } else {
        advance(columns, TGitter, n);
      }
      outletSum += outlet;
    }
  } else {
  for (int s = 1; s <= subSteps; ++s) {
    // 3.1-3.3 brine; the end of a step response changes the step length
    // within the pass.
    if (in.zeitschritt != Zeitschritt) {
      in.zeitschritt = Zeitschritt;
      PrepareBrineFactors(in, factors);
    }
    TSource = ComputeBrineProfile(in, factors, TSoleAb, TSoleAuf, E);
    // 3.4 powers and the brine-side node
    segmentPowers(n, E, G, subdt, 60.0 * Zeitschritt, TGitter, P);
    // 3.5 start-up traces
    if (schrittzaehler < VerlaufSchritte) {
      const long long i = static_cast<long long>(schrittzaehler - 1) * subdt + s;
      if (i >= 0 && i <= kVerlaufMax) {
        TSourceVerlauf[i] = TSource;
        TMonitorVerlauf[i] = TGitter[MonitorAxi][MonitorRad];
        if (Sprungantwort) {
          if (Leistung && Massenstrom > 0.001) {
            TSinkVerlauf[i] = TSource - QSource * 1000.0 / Massenstrom / cpSole;
          } else if (Leistung && TRTModus) {
            // A simulated response test stops its flow after the heating and
            // goes on recording the recovery: the step response has not ended.
            TSinkVerlauf[i] = TSource;
          } else if (Leistung) {
            TSinkVerlauf[i] = TSource;
            stepResponseEnded = true;
            Zeitschritt = 60;
            SchritteProJahr = 8760;
            Sprungantwort = false;
            stepsPerWeek = kMinutenProWoche / Zeitschritt;
          } else {
            TSinkVerlauf[i] = TSink;
          }
        }
      }
    }
    // 3.6 segments
    const long long Aall = static_cast<long long>(SchritteProJahr) * (Jahr - 1) + schrittzaehler;
    const bool blockEnd = code == 0 && s == subSteps &&
                          (Aall * Zeitschritt) % (static_cast<long long>(RepRandbed) * kMinutenProWoche) == 0;
    blockMeans(n, P, static_cast<double>(schrittImBlock - 1) * subdt + (s - 1), QBlockMittel);
    // A segment's renewal reads only its own block mean.
    if (blockEnd)
      for (int j = 1; j <= n; ++j) RenewOuterBoundary(j, static_cast<int>(blockNumber), schrittzaehler, stepsPerWeek);
    // The renewal touches only the outer boundaries and the histories, which
    // the update reads but does not change.
    advance(columns, TGitter, n);
    outletSum += TSource;
  }
  }

  // The grid and brine sub-steps were built for the short steps of the step
  // response; the hourly steps that follow need their own.
  if (stepResponseEnded) BuildTimeStepping();

  // 4.
  TSource = outletSum / subSteps;
  TSourceVorher = TSource;
  TMonitor = TGitter[MonitorAxi][MonitorRad];
  TSourceVerlauf[0] = TSourceVerlauf[1];
  TSinkVerlauf[0] = TSinkVerlauf[1];
  TMonitorVerlauf[0] = TMonitorVerlauf[1];
}

}  // namespace qeb
