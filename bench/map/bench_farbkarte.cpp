// The colour map of a 600-borehole field on a screen-size plan (1920 x 1080):
// values and colours as the scale buttons draw them, against the plain loop
// over every borehole at every pixel. The counter "verschieden" counts the
// pixels whose colour differs between the two (it must be 0).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstring>

#include "field/Farbkarte.h"

namespace {

using qeb::FarbkartenEingabe;

FarbkartenEingabe Feld600() {
  FarbkartenEingabe e;
  e.breite = 1920;
  e.hoehe = 1080;
  e.posx = 0;
  e.posy = 0;
  e.massstab = 0.1;  // 192 m x 108 m
  for (int i = 0; i < 30; ++i)
    for (int j = 0; j < 20; ++j) {
      e.x.push_back(25.0 + 5.0 * i + 0.37);
      e.y.push_back(5.0 + 5.0 * j + 0.21);
    }
  e.A = 7.2;                    // the field's g after 50 years
  e.B = std::log(0.0005 * 200);  // 200 m boreholes
  e.q = 30.0;
  e.lambda = 2.2;
  e.zusatz = 0.0;
  return e;
}

QImage Zeichnen(const std::vector<double>& w, double skala, double q) {
  QImage b(1920, 1080, QImage::Format_RGB32);
  qeb::FarbkartePinseln(b, w, skala, q);
  qeb::LegendeZeichnen(b, skala, false, QColor(240, 240, 240));
  return b;
}

void BM_FarbkarteSchnell(benchmark::State& state) {
  const FarbkartenEingabe e = Feld600();
  for (auto _ : state) {
    QImage b = Zeichnen(qeb::FarbkartenWerte(e), 7.0, e.q);
    benchmark::DoNotOptimize(b.constBits());
  }
}
BENCHMARK(BM_FarbkarteSchnell)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Another scale button on the same field: only the colours are new.
void BM_FarbkarteNurFarben(benchmark::State& state) {
  const FarbkartenEingabe e = Feld600();
  const auto w = qeb::FarbkartenWerte(e);
  for (auto _ : state) {
    QImage b = Zeichnen(w, 13.0, e.q);
    benchmark::DoNotOptimize(b.constBits());
  }
}
BENCHMARK(BM_FarbkarteNurFarben)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_FarbkarteEinfacheSchleife(benchmark::State& state) {
  const FarbkartenEingabe e = Feld600();
  QImage einfach;
  for (auto _ : state) {
    einfach = Zeichnen(qeb::FarbkartenWerteEinfach(e), 7.0, e.q);
    benchmark::DoNotOptimize(einfach.constBits());
  }
  const QImage schnell = Zeichnen(qeb::FarbkartenWerte(e), 7.0, e.q);
  int verschieden = 0;
  for (int y = 0; y < 1080; ++y)
    for (int x = 0; x < 1920; ++x) verschieden += schnell.pixel(x, y) != einfach.pixel(x, y);
  state.counters["verschieden"] = verschieden;
}
BENCHMARK(BM_FarbkarteEinfacheSchleife)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

// The legend's text needs a running application (no screen: offscreen).
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
