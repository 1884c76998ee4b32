// The step's AVX2 kernels against its portable code: every grid size, both
// brine models, U-tube and coaxial probes, hour after hour through block
// ends, must give the same bits. On a processor without AVX2 and FMA both
// runs take the portable code and the test compares it with itself.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {
namespace {

struct Case {
  int axi;
  int rad;
  bool stationary;
  bool coaxial;
};

// Every hour's reported temperatures, the whole grid, both brine columns and
// the block means, as bytes.
std::vector<unsigned char> RunHours(const Case& c, bool portable, int hours) {
  UsePortableKernels(portable);
  int code = -3;
  Simulate(code);
  readfile = false;
  writefile = false;
  DimAxi = c.axi;
  DimRad = c.rad;
  stationaer = c.stationary;
  if (c.coaxial) {
    KoaxialSonde = true;
    Sondendurchmesser = 0.063;
    Dicke_Sondenrohr = 0.0058;
    Innenrohrdurchmesser = 0.032;
    Dicke_Innenrohr = 0.003;
  }
  std::vector<unsigned char> bytes;
  auto keep = [&](const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    bytes.insert(bytes.end(), b, b + n);
  };
  code = -1;
  Simulate(code);
  Schrittzaehler = 0;
  Jahr = 1;
  for (int h = 0; h < hours; ++h) {
    ++Schrittzaehler;
    code = 0;
    Simulate(code);
    keep(&TSource, sizeof TSource);
    keep(&TSink, sizeof TSink);
    keep(TGitter, sizeof TGitter);
    keep(TSoleAb, sizeof TSoleAb);
    keep(TSoleAuf, sizeof TSoleAuf);
    keep(QBlockMittel, sizeof QBlockMittel);
  }
  UsePortableKernels(false);
  return bytes;
}

TEST(Kernels, AdvancedAndPortableGiveTheSameBits) {
  std::vector<Case> cases;
  for (int rad = 2; rad <= 12; ++rad) cases.push_back({rad % 2 == 0 ? 10 : 3, rad, true, false});
  cases.push_back({10, 12, false, false});
  cases.push_back({1, 9, true, false});
  cases.push_back({10, 12, true, true});
  cases.push_back({4, 7, false, true});
  // 200 hours pass the first block end (a week) with its renewal of the far field.
  for (const Case& c : cases) {
    const std::string name = std::to_string(c.axi) + " x " + std::to_string(c.rad) +
                             (c.stationary ? " stationary" : " transient") + (c.coaxial ? " coaxial" : " U-tube");
    const std::vector<unsigned char> advanced = RunHours(c, false, 200);
    const std::vector<unsigned char> portable = RunHours(c, true, 200);
    ASSERT_EQ(advanced.size(), portable.size()) << name;
    EXPECT_EQ(std::memcmp(advanced.data(), portable.data(), advanced.size()), 0) << name;
  }
}

}  // namespace
}  // namespace qeb
