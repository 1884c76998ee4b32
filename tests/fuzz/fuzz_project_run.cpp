// The reader followed by a short run: -1, a bounded number of steps, -4.
// Every step must end with finite results or stop with the module's error;
// a run that was accepted must not hand back NaN or infinity anywhere in the
// reported temperatures, the ground grid or the brine columns.
#include <algorithm>
#include <cmath>
#include <string>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"
#include "tests/fuzz/fuzz_common.h"

namespace {

void CheckFinite(const char* where) {
  using namespace qeb;
  auto bad = [&](const std::string& what, double v) {
    if (!std::isfinite(v)) fuzz::Finding(std::string(where) + ": " + what + " not finite");
  };
  bad("TSource", TSource);
  bad("TSink", TSink);
  bad("QSource", QSource);
  const int axi = std::clamp(DimAxi, 1, kMaxSegmente);
  const int rad = std::clamp(DimRad, 1, kMatDim - 2);
  for (int j = 1; j <= axi; ++j) {
    bad("TSoleAb", TSoleAb[j]);
    bad("TSoleAuf", TSoleAuf[j]);
    for (int k = 0; k <= rad + 1; ++k) bad("TGitter", TGitter[j][k]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qeb;
  fuzz::Prepare();
  fuzz::WriteInput("fuzz_run.qeb", data, size);
  if (!fuzz::ReadProject("fuzz_run.qeb")) return 0;
  // Bounds of the harness, not of the module: no settling years of the peak
  // pre-run (each is a whole simulated year) and at most two days of steps.
  JahreEinschwingen = 0;
  Outputfile = "fuzz_run_out.qeb";
  writefile = true;
  Auslegungsentzug = QSource;
  try {
    int code;
    // Every eighth input also generates a load file from its monthly values.
    if (size > 0 && data[size / 2] % 8 == 0) {
      Inputfile2 = "fuzz_load.qeb";
      code = -6;
      Simulate(code);
    }
    code = -1;
    Simulate(code);
    Schrittzaehler = 0;
    Jahr = 1;
    int minutes = 0;
    for (int n = 0; n < 48 && minutes < 2 * 1440 && Jahr <= LastYear; ++n) {
      Vorlauf = Jahr < LastYear;
      ++Schrittzaehler;
      code = 0;
      Simulate(code);
      CheckFinite("after a step");
      if (Rechenstatus >= 2 && Rechenstatus <= 4) Rechenstatus = 1;
      minutes += std::max(Zeitschritt, 1);
    }
    code = -4;
    Simulate(code);
  } catch (const CalcError&) {
    AbandonRun();
  }
  if (Eingabedatei.IsOpen()) Eingabedatei.Close();
  if (AusgabeText.IsOpen()) AbandonRun();
  return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned seed) {
  return qeb::fuzz::MutateProjectLines(data, size, maxSize, seed);
}
