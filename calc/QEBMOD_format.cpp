// Numbers as the module's files hold them. The exponent form has a fixed
// width of 23 characters so that columns of a saved project stay aligned;
// the C library's %E gives only two exponent digits and follows the locale,
// so it is built here from the locale-free to_chars.
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "calc/QEBMOD.h"

namespace qeb {

std::string FormatExp(double x) {
  if (!std::isfinite(x)) throw CalcError("Zahl nicht endlich / number not finite");
  // Only a negative value takes the minus sign; a negative zero (a product
  // such as -1 * 0) is written like zero.
  if (x == 0.0) x = 0.0;
  char buf[64];
  // 1 digit, point, 14 digits: 15 significant digits, rounded half to even
  // on the exact binary value.
  auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
  std::string s(buf, res.ptr);  // e.g. "-1.85000000000000e+02"
  bool neg = !s.empty() && s[0] == '-';
  if (neg) s.erase(0, 1);
  size_t e = s.find('e');
  std::string mant = s.substr(0, e);
  int exp = std::atoi(s.c_str() + e + 1);
  std::string out;
  out.reserve(23);
  out += neg ? '-' : ' ';
  out += mant;
  out += 'E';
  out += exp < 0 ? '-' : '+';
  int a = std::abs(exp);
  char d[5] = {char('0' + a / 1000 % 10), char('0' + a / 100 % 10), char('0' + a / 10 % 10), char('0' + a % 10), 0};
  out += d;
  return out;
}

}  // namespace qeb
