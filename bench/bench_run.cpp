// Speed of the simulation as users wait for it: time per simulated hour
// (command 0 with the step counter advanced as the run driver does), whole
// 50-year runs hour by hour and with the year jump, a 50-year run through the
// driver with its output files, and a 20-pass sizing of the default project.
// A reference loop does the 10 x 12 grid's matrix-vector work of one hour as
// fast as plain vector code on this machine can; the grid hour is reported
// as a multiple of it.
#include <benchmark/benchmark.h>
#include <immintrin.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace {

void DefaultProject() {
  qeb::Simulate(-3);
  qeb::readfile = false;
  qeb::writefile = false;
}

void LargeGrid() {
  DefaultProject();
  qeb::DimAxi = 10;
  qeb::DimRad = 12;
}

void RunOneYearOfSteps(benchmark::State& state, void (*project)()) {
  project();
  qeb::Simulate(-1);
  qeb::Schrittzaehler = 0;
  qeb::Jahr = 1;
  for (auto _ : state) {
    ++qeb::Schrittzaehler;
    int code = 0;
    qeb::Simulate(code);
    benchmark::DoNotOptimize(qeb::TSource);
    if (qeb::Jahr > 40) {
      // Restart before the block history of the run fills up.
      state.PauseTiming();
      qeb::Simulate(-1);
      qeb::Schrittzaehler = 0;
      qeb::Jahr = 1;
      state.ResumeTiming();
    }
  }
  qeb::Simulate(-4);
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("per simulated hour");
}

void BM_HourDefault(benchmark::State& state) { RunOneYearOfSteps(state, DefaultProject); }

// ---- reference: the matrix-vector work of one 10 x 12 hour ----

struct GridWork {
  int subSteps = 0;  // sub-steps per pass of the hour
  int passes = 0;    // passes of the ground step per hour
};

// The sub-steps of the 10 x 12 grid, and the passes of its hour counted from
// the sub-step traces: the step runs subdt sub-steps per pass.
GridWork GridHourWork() {
  static GridWork w = [] {
    GridWork g;
    LargeGrid();
    qeb::Simulate(-1);
    g.subSteps = qeb::subdt;
    qeb::Schrittzaehler = 0;
    qeb::Jahr = 1;
    // Passes of a typical hour: time 200 hours, then the same hours with one
    // pass each is not possible from outside; the power-mode hour runs the
    // step again with the inlet its outlet and load give, once.
    g.passes = qeb::Leistung ? 2 : 1;
    qeb::Simulate(-4);
    return g;
  }();
  return w;
}

// y = M x for the cells of every segment, M the 12 x 14 update block: the
// columns broadcast against three 4-lane registers of cells, multiply and
// add (the work of the update, without the difference form the module uses
// for uniform rows), on data that stays in the first-level cache.
struct alignas(64) RefData {
  double w[10][14][12];
  double x[10][14];
};

__attribute__((target("avx2"), noinline)) void ReferenceHour(RefData& d, int steps) {
  for (int s = 0; s < steps; ++s) {
    for (int j = 0; j < 10; ++j) {
      __m256d a0 = _mm256_setzero_pd(), a1 = _mm256_setzero_pd(), a2 = _mm256_setzero_pd();
      for (int c = 0; c < 14; ++c) {
        const __m256d xc = _mm256_broadcast_sd(&d.x[j][c]);
        a0 = _mm256_add_pd(a0, _mm256_mul_pd(_mm256_load_pd(&d.w[j][c][0]), xc));
        a1 = _mm256_add_pd(a1, _mm256_mul_pd(_mm256_load_pd(&d.w[j][c][4]), xc));
        a2 = _mm256_add_pd(a2, _mm256_mul_pd(_mm256_load_pd(&d.w[j][c][8]), xc));
      }
      _mm256_storeu_pd(&d.x[j][1], a0);
      _mm256_storeu_pd(&d.x[j][5], a1);
      _mm256_storeu_pd(&d.x[j][9], a2);
    }
  }
}

double gReferenceNs = 0.0;

void BM_ReferenceGrid10x12(benchmark::State& state) {
  if (!__builtin_cpu_supports("avx2")) {
    state.SkipWithError("no AVX2");
    return;
  }
  const GridWork g = GridHourWork();
  static RefData d;
  // An averaging matrix (rows sum to 1) keeps the values bounded.
  for (int j = 0; j < 10; ++j)
    for (int c = 0; c < 14; ++c) {
      d.x[j][c] = 10.0 + j + 0.1 * c;
      for (int i = 0; i < 12; ++i) d.w[j][c][i] = 1.0 / 14.0;
    }
  const int steps = g.subSteps * g.passes;
  const auto t0 = std::chrono::steady_clock::now();
  long long n = 0;
  for (auto _ : state) {
    ReferenceHour(d, steps);
    benchmark::DoNotOptimize(d.x[3][4]);
    ++n;
  }
  const auto t1 = std::chrono::steady_clock::now();
  gReferenceNs = std::chrono::duration<double, std::nano>(t1 - t0).count() / static_cast<double>(n);
  state.counters["substeps"] = steps;
  state.SetLabel("10 x 12 matrix-vector work of one hour");
}

void BM_HourGrid10x12(benchmark::State& state) {
  const auto t0 = std::chrono::steady_clock::now();
  RunOneYearOfSteps(state, LargeGrid);
  const auto t1 = std::chrono::steady_clock::now();
  if (gReferenceNs > 0.0) {
    const double perHour =
        std::chrono::duration<double, std::nano>(t1 - t0).count() / static_cast<double>(state.iterations());
    state.counters["x_reference"] = perHour / gReferenceNs;
  }
}

void RunYears(benchmark::State& state, void (*project)(), bool yearJump = false) {
  long long steps = 0;
  for (auto _ : state) {
    project();
    qeb::LastYear = 50;
    qeb::Starttemp = yearJump;
    qeb::Simulate(-1);
    qeb::Schrittzaehler = 0;
    qeb::Jahr = 1;
    while (qeb::Jahr <= qeb::LastYear) {
      qeb::Vorlauf = qeb::Jahr < qeb::LastYear;
      ++qeb::Schrittzaehler;
      int code = 0;
      qeb::Simulate(code);
      ++steps;
    }
    qeb::Simulate(-4);
    benchmark::DoNotOptimize(qeb::QHeizSumme);
  }
  state.counters["hours"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
}

void BM_Run50YearsDefault(benchmark::State& state) { RunYears(state, DefaultProject); }
void BM_Run50YearsJumpDefault(benchmark::State& state) { RunYears(state, DefaultProject, true); }
void BM_Run50YearsJumpGrid10x12(benchmark::State& state) { RunYears(state, LargeGrid, true); }

// The run as the driver (tools/qebcalc) makes it: built-in weather, every
// hour of 50 years, the output file with its settling years restarted, in a
// scratch directory.
void BM_Driver50YearsDefault(benchmark::State& state) {
  char dir[] = "/tmp/qeb_bench_XXXXXX";
  if (!::mkdtemp(dir) || ::chdir(dir) != 0) {
    state.SkipWithError("no scratch directory");
    return;
  }
  for (auto _ : state) {
    qeb::UseBuiltInWeather();
    qeb::Simulate(-3);
    qeb::readfile = false;
    qeb::writefile = true;
    qeb::Outputfile = std::string(dir) + "/Ausgabe.qeb";
    qeb::LastYear = 50;
    qeb::Simulate(-1);
    qeb::Schrittzaehler = 0;
    qeb::Jahr = 1;
    while (qeb::Jahr <= qeb::LastYear) {
      qeb::Vorlauf = qeb::Jahr < qeb::LastYear;
      ++qeb::Schrittzaehler;
      int code = 0;
      qeb::Simulate(code);
      if (qeb::Rechenstatus >= 2 && qeb::Rechenstatus <= 4) qeb::Rechenstatus = 1;
    }
    int finish = -4;
    qeb::Simulate(finish);
  }
  std::system((std::string("rm -rf ") + dir).c_str());
}

// Automatic sizing: the whole default run (3 years) repeated 20 times with
// the probe length changed by a factor between 0.7 and 1.3 each pass.
void BM_Sizing20PassesDefault(benchmark::State& state) {
  for (auto _ : state) {
    DefaultProject();
    double length = qeb::Sondenlaenge;
    for (int pass = 0; pass < 20; ++pass) {
      DefaultProject();
      qeb::Sondenlaenge = length;
      qeb::Simulate(-1);
      qeb::Schrittzaehler = 0;
      qeb::Jahr = 1;
      while (qeb::Jahr <= qeb::LastYear) {
        qeb::Vorlauf = qeb::Jahr < qeb::LastYear;
        ++qeb::Schrittzaehler;
        int code = 0;
        qeb::Simulate(code);
      }
      qeb::Simulate(-4);
      length *= (pass % 2 == 0) ? 1.3 : 0.7 + 0.01 * pass;
    }
    benchmark::DoNotOptimize(qeb::TSource);
  }
}

}  // namespace

BENCHMARK(BM_HourDefault);
BENCHMARK(BM_ReferenceGrid10x12);
BENCHMARK(BM_HourGrid10x12);
BENCHMARK(BM_Run50YearsDefault)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Run50YearsJumpDefault)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Run50YearsJumpGrid10x12)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Driver50YearsDefault)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Sizing20PassesDefault)->Unit(benchmark::kMillisecond)->Iterations(1);
