// Number forms of the module's files.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "calc/QEBMOD.h"

namespace qeb {
namespace {

TEST(FormatExp, TwentyThreeCharactersWithFourExponentDigits) {
  EXPECT_EQ(FormatExp(185.0), " 1.85000000000000E+0002");
  EXPECT_EQ(FormatExp(-185.0), "-1.85000000000000E+0002");
  EXPECT_EQ(FormatExp(0.0), " 0.00000000000000E+0000");
  EXPECT_EQ(FormatExp(1.0), " 1.00000000000000E+0000");
  EXPECT_EQ(FormatExp(0.12), " 1.20000000000000E-0001");
  EXPECT_EQ(FormatExp(3.49e-6), " 3.49000000000000E-0006");
  EXPECT_EQ(FormatExp(1.0 / 3.0), " 3.33333333333333E-0001");
  EXPECT_EQ(FormatExp(2.0 / 3.0), " 6.66666666666667E-0001");
  EXPECT_EQ(FormatExp(999999.9), " 9.99999900000000E+0005");
  EXPECT_EQ(FormatExp(1e300), " 1.00000000000000E+0300");
  EXPECT_EQ(FormatExp(-2.5e-300), "-2.50000000000000E-0300");
  // 15 significant digits: the sixteenth rounds.
  EXPECT_EQ(FormatExp(9.999999999999999), " 1.00000000000000E+0001");
  for (double x : {1.0, -1.0, 123456.789, 1e-200, -7e45, 6e-7})
    EXPECT_EQ(FormatExp(x).size(), 23u) << x;
}

// "a blank (or "-" when negative)": zero is not negative, whatever its sign bit.
TEST(FormatExp, NegativeZeroTakesTheBlank) {
  EXPECT_EQ(FormatExp(-0.0), " 0.00000000000000E+0000");
  EXPECT_EQ(FormatExp(-1.0 * 0.0), " 0.00000000000000E+0000");
  EXPECT_EQ(FormatExp(-5e-324), "-4.94065645841247E-0324");
}

// Halves go to the even neighbour: these integers are exact doubles whose
// sixteenth digit is a 5 with nothing behind it.
TEST(FormatExp, HalvesRoundToEven) {
  EXPECT_EQ(FormatExp(1234567890123455.0), " 1.23456789012346E+0015");
  EXPECT_EQ(FormatExp(1234567890123445.0), " 1.23456789012344E+0015");
  EXPECT_EQ(FormatExp(-2000000000000005.0), "-2.00000000000000E+0015");
  EXPECT_EQ(FormatExp(2000000000000015.0), " 2.00000000000002E+0015");
}

// Sign place, one digit, point, 14 digits, "E", exponent sign and four
// exponent digits, checked against the C library's %.14E in the C locale
// (which rounds the exact binary value the same way) on many bit patterns.
TEST(FormatExp, AgreesWithTheCLibraryOnManyValues) {
  std::mt19937_64 gen(20261208);
  std::uniform_real_distribution<double> wide(-1e7, 1e7);
  for (int n = 0; n < 40000; ++n) {
    double x;
    if (n % 2 == 0) {
      const unsigned long long bits = gen();
      std::memcpy(&x, &bits, sizeof x);
      if (!std::isfinite(x)) continue;
    } else {
      x = wide(gen);
    }
    if (x == 0.0) continue;  // the C library keeps the sign of a negative zero
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", x);  // e.g. "-1.85000000000000E+02"
    std::string c = buf;
    const size_t e = c.find('E');
    ASSERT_NE(e, std::string::npos);
    std::string want = c[0] == '-' ? c.substr(0, e) : " " + c.substr(0, e);
    const int exp = std::atoi(c.c_str() + e + 1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%04d", exp < 0 ? '-' : '+', exp < 0 ? -exp : exp);
    want += tail;
    ASSERT_EQ(FormatExp(x), want) << std::hexfloat << x;
  }
}

TEST(FormatExp, ReadsBackExactlyForFifteenDigits) {
  for (double x : {0.085, 1036.72, 3904.6, 2.45, -3.0, 15.65, 0.0226272, 200000.0, 1e-6}) {
    auto v = ParseReal(FormatExp(x));
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(*v, x);
  }
}

TEST(FormatExp, RefusesValuesThatAreNotFinite) {
  EXPECT_THROW(FormatExp(std::numeric_limits<double>::quiet_NaN()), CalcError);
  EXPECT_THROW(FormatExp(std::numeric_limits<double>::infinity()), CalcError);
  EXPECT_THROW(FormatExp(-std::numeric_limits<double>::infinity()), CalcError);
}

TEST(FormatExp, SameBytesUnderAGermanLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
    GTEST_SKIP() << "no German locale installed";
  std::string e = FormatExp(1234.5), f = FormatFixed(10.5, 0, 3), g = FormatFixed(-0.26, 1, 1);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(e, " 1.23450000000000E+0003");
  EXPECT_EQ(f, "10.500");
  EXPECT_EQ(g, "-0.3");
}

}  // namespace
}  // namespace qeb
