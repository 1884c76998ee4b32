// Files the tests write and read back, byte for byte.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace qeb {

inline std::string Lies(const std::string& f) {
  std::ifstream in(f, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void Schreib(const std::string& f, const std::string& text) { std::ofstream(f, std::ios::binary) << text; }

}  // namespace qeb
