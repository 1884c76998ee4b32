// Files the tests write and read back, byte for byte.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qeb {

inline std::string Lies(const std::string& f) {
  std::ifstream in(f, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The CR LF lines of a text, without their line ends.
inline std::vector<std::string> CrlfZeilen(const std::string& text) {
  std::vector<std::string> z;
  for (size_t p = 0; p < text.size();) {
    size_t q = text.find("\r\n", p);
    if (q == std::string::npos) q = text.size();
    z.push_back(text.substr(p, q - p));
    p = q + 2;
  }
  return z;
}

inline void Schreib(const std::string& f, const std::string& text) { std::ofstream(f, std::ios::binary) << text; }

}  // namespace qeb
