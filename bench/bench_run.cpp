// Speed of the simulation: time per simulated hour (command 0 with the step
// counter advanced as the run driver does) and a whole 50-year run, for the
// default project and for the largest grid of 10 axial by 12 radial cells.
#include <benchmark/benchmark.h>

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
void BM_HourGrid10x12(benchmark::State& state) { RunOneYearOfSteps(state, LargeGrid); }

void RunYears(benchmark::State& state, void (*project)()) {
  long long steps = 0;
  for (auto _ : state) {
    project();
    qeb::LastYear = 50;
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
void BM_Run50YearsGrid10x12(benchmark::State& state) { RunYears(state, LargeGrid); }

}  // namespace

BENCHMARK(BM_HourDefault);
BENCHMARK(BM_HourGrid10x12);
BENCHMARK(BM_Run50YearsDefault)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Run50YearsGrid10x12)->Unit(benchmark::kMillisecond)->Iterations(1);
