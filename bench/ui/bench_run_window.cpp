// One whole calculation through the graph window's run driver against the
// same calculation stepped the way the command-line driver steps it. The
// difference is what the windows add: month drawings, statistics, the Escape
// poll with its event processing, the set-up through the controls.
//
//   qeb_ui_bench [YEARS]   (default 10; offscreen platform unless one is set)
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/QEB.h"

namespace {

using Clock = std::chrono::steady_clock;

void Project(int years) {
  using namespace qeb;
  ResetToDefaults();
  StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
  Form6->FillSystemForm();
  system_2->FillSystemForm();
  Form1->EingabenAnzeigen();
  Form1->ELastyear->setText(QString::number(years));
  Hauptlauf = std::getenv("QEB_BENCH_NODRAW") == nullptr;
  Outputfile = "bench_ausgabe.qeb";
}

double WindowRun(int years) {
  Project(years);
  const auto t0 = Clock::now();
  if (!qeb::Form4->Start()) std::fprintf(stderr, "run through the window failed\n");
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

// The same inputs and commands, stepped as tools/qebcalc steps them.
double DriverRun(int years) {
  using namespace qeb;
  Project(years);
  const auto t0 = Clock::now();
  // The window's run writes the step table; so does the driver.
  Form1->EwriteFile->setItemIndex(0);
  Form1->EingabenUebernehmen();
  Inputfile = Inputfile2;
  writefile = true;
  LastYear = 1;
  Simulate(-6);
  Simulate(-2);
  Form1->EingabenUebernehmen();
  Simulate(-1);
  Schrittzaehler = 0;
  Jahr = 1;
  while (Jahr <= LastYear) {
    Vorlauf = Jahr < LastYear;
    ++Schrittzaehler;
    int code = 0;
    Simulate(code);
    if (Rechenstatus >= 2 && Rechenstatus <= 4) Rechenstatus = 1;
  }
  readfile = true;
  Simulate(-4);
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The run's output and scratch files go into a folder of the benchmark's own.
  QTemporaryDir arbeit;
  if (!arbeit.isValid() || !QDir::setCurrent(arbeit.path())) {
    std::fprintf(stderr, "qeb_ui_bench: no working folder\n");
    return 1;
  }
  const int years = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  qeb::CreateApplicationWindows();
  qeb::ScriptedInteraction ui;  // a question would be a failure of the benchmark
  qeb::Form4->show();
  // QEB_BENCH_ONLY=window or =driver repeats one side only, for profiling.
  const char* only = std::getenv("QEB_BENCH_ONLY");
  const bool window = only == nullptr || std::string(only) != "driver";
  const bool driver = only == nullptr || std::string(only) != "window";
  std::vector<double> w, d;
  if (window) WindowRun(years);  // warm-up
  // Alternating, so that a slower phase of a shared machine falls on both.
  for (int i = 0; i < 9; ++i) {
    if (window) w.push_back(WindowRun(years));
    if (driver) d.push_back(DriverRun(years));
  }
  if (w.empty()) w.push_back(0.0);
  if (d.empty()) d.push_back(0.0);
  const double tw = Median(w), td = Median(d);
  const double tw0 = *std::min_element(w.begin(), w.end()), td0 = *std::min_element(d.begin(), d.end());
  // The controls' transfer, which every pass makes three times.
  Project(years);
  const auto t0 = Clock::now();
  for (int i = 0; i < 10; ++i) qeb::Form1->EingabenUebernehmen();
  const double tTransfer = std::chrono::duration<double>(Clock::now() - t0).count() / 10;
  std::printf("controls to shared state %.4f s per transfer\n", tTransfer);
  // One month picture drawn and copied to the window, as the run draws it.
  qeb::Hauptlauf = true;
  const int bilder = std::getenv("QEB_BENCH_PICTURES") ? std::max(1, std::atoi(std::getenv("QEB_BENCH_PICTURES"))) : 20;
  const auto t1 = Clock::now();
  for (int i = 0; i < bilder; ++i) qeb::Form4->MonatClick(1 + i % 12);
  const double tBild = std::chrono::duration<double>(Clock::now() - t1).count() / bilder;
  std::printf("month picture %.2f ms\n", 1000 * tBild);
  std::printf("years %d  window run %.3f s  driver run %.3f s  windows' share %.1f %% (medians of 9)\n", years, tw,
              td, 100.0 * (tw - td) / td);
  std::printf("years %d  window run %.3f s  driver run %.3f s  windows' share %.1f %% (fastest of 9)\n", years, tw0,
              td0, 100.0 * (tw0 - td0) / td0);
  qeb::DestroyApplicationWindows();
  return 0;
}
