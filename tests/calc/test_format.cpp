// Number forms of the module's files.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

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
