// The step table of an output file as the tests read it back.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/TextIO.h"

namespace qeb {

// Entry i is the i-th row behind the 1001-line header, split into its fields.
inline std::vector<std::vector<std::string>> StepTable(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  const std::string text = ss.str();
  std::vector<std::vector<std::string>> rows;
  size_t a = 0;
  int line = 0;
  while (a < text.size()) {
    size_t e = text.find("\r\n", a);
    if (e == std::string::npos) e = text.size();
    if (++line > 1001) rows.push_back(SplitTabs(text.substr(a, e - a)));
    a = e + 2;
  }
  return rows;
}

}  // namespace qeb
