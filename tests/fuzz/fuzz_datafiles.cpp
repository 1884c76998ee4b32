// The data-file readers: the first byte chooses the rock table, the site
// temperature file or the ground layer table, the rest is the file. A file
// that is taken must leave every value it set finite and in its range.
#include <cmath>
#include <string>

#include "calc/QEBMOD.h"
#include "tests/fuzz/fuzz_common.h"

namespace {

void InRange(const char* key, double v) {
  const std::string what = qeb::RangeViolation(key, v);
  if (!what.empty()) qeb::fuzz::Finding(std::string(key) + " " + what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qeb;
  fuzz::Prepare();
  static bool defaults = false;
  if (!defaults) {
    int code = -3;
    Simulate(code);
    defaults = true;
  }
  if (size == 0) return 0;
  const int which = data[0] % 3;
  ++data;
  --size;
  try {
    if (which == 0) {
      fuzz::WriteInput(kGeologieFile, data, size);
      if (ReadGeologyFile())
        for (int r = 1; r <= 40; ++r) {
          InRange("lambdaErde", Erdlambda[r]);
          InRange("rhoErde", Erdrho[r]);
          InRange("cpErde", Erdcp[r]);
        }
    } else if (which == 1) {
      fuzz::WriteInput("fuzz.stao", data, size);
      if (ReadLocationFile("fuzz.stao")) {
        for (double v : TStandortJahr) InRange("TStandortJahr", v);
        InRange("TStandortJahr", TStandort50);
      }
    } else {
      fuzz::WriteInput("fuzz_swqeb.dat", data, size);
      SwqebFile = "fuzz_swqeb.dat";
      DimAxi = 1 + static_cast<int>(size % 10);
      Sondenlaenge = 20.0 + static_cast<double>(size % 400);
      ReadPropertyTable();
      for (int s = 1; s <= DimAxi; ++s) {
        InRange("lambdaErde", lambdaErde[s]);
        InRange("rhoErde", rhoErde[s]);
        InRange("cpErde", cpErde[s]);
      }
      InRange("TGrad", TGrad);
      InRange("Jahresmitteltemp", Jahresmitteltemp);
    }
  } catch (const CalcError& e) {
    if (std::string(e.what()).empty()) fuzz::Finding("refusal without a text");
  }
  return 0;
}
