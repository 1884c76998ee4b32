#include "tests/fuzz/fuzz_common.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string_view>
#include <vector>

#include "calc/QEBMOD.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace qeb::fuzz {

namespace {

// The project in memory as bytes and texts, to prove that a refused file
// changed nothing.
void StateBytes(std::string& out) {
  out.clear();
  for (const StateVar& v : StateRegistry()) {
    const size_t n = static_cast<size_t>(v.hi) + 1;
    switch (v.type) {
      case VarType::Double: out.append(static_cast<const char*>(v.ptr), n * sizeof(double)); break;
      case VarType::Int: out.append(static_cast<const char*>(v.ptr), n * sizeof(int)); break;
      case VarType::Bool: out.append(static_cast<const char*>(v.ptr), n * sizeof(bool)); break;
      case VarType::String:
        for (size_t i = 0; i < n; ++i) out += static_cast<const std::string*>(v.ptr)[i] + '\0';
        break;
    }
  }
  for (const LineSpec& s : ProjectLayout()) {
    for (const Field& f : s.fields) {
      switch (f.fmt) {
        case Fmt::E: case Fmt::F1: case Fmt::F3: case Fmt::R:
          out.append(static_cast<const char*>(f.ptr), sizeof(double));
          break;
        case Fmt::I: out.append(static_cast<const char*>(f.ptr), sizeof(int)); break;
        case Fmt::B: case Fmt::BoolNum: case Fmt::BoolInt:
          out.append(static_cast<const char*>(f.ptr), sizeof(bool));
          break;
        case Fmt::T: out += *static_cast<const std::string*>(f.ptr) + '\0'; break;
      }
    }
  }
}

}  // namespace

void Prepare() {
  static bool done = false;
  if (done) return;
  done = true;
  char dir[] = "/tmp/qeb_fuzz_XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) Finding("no scratch directory");
  UseBuiltInWeather();
}

void WriteInput(const std::string& name, const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(name.c_str(), "wb");
  if (!f) Finding("cannot write " + name);
  if (size && std::fwrite(data, 1, size, f) != size) Finding("cannot write " + name);
  std::fclose(f);
}

void Finding(const std::string& what) {
  std::fprintf(stderr, "FUZZ FINDING: %s\n", what.c_str());
  std::abort();
}

bool ReadProject(const std::string& name) {
  Messung = 0.0;  // every input is a project opened afresh
  int code = -3;
  Simulate(code);
  Inputfile = name;
  readfile = true;
  static std::string before, after;
  StateBytes(before);
  try {
    code = -2;
    Simulate(code);
  } catch (const CalcError& e) {
    if (std::string_view(e.what()).empty()) Finding("refusal without a text");
    StateBytes(after);
    if (after != before) Finding(std::string("a refused file changed the project: ") + e.what());
    return false;
  }
  CheckProjectInRange("after the reader");
  return true;
}

void CheckProjectInRange(const char* where) {
  for (const LineSpec& s : ProjectLayout()) {
    for (const Field& f : s.fields) {
      double v;
      if (f.fmt == Fmt::E || f.fmt == Fmt::F1 || f.fmt == Fmt::F3 || f.fmt == Fmt::R)
        v = *static_cast<const double*>(f.ptr);
      else if (f.fmt == Fmt::I)
        v = *static_cast<const int*>(f.ptr);
      else
        continue;
      if (s.line == 75 || s.line == 85) continue;  // taken into the caller's counts
      const std::string what = RangeViolation(f.key, v);
      if (!what.empty()) Finding(std::string(where) + ": " + f.key + " " + what);
    }
  }
}

// ---- mutator ----

namespace {

const char* const kValues[] = {
    "0", "1", "-1", "2", "0.5", "0.99", "1.99", "24", "25", "28", "29", "40", "41", "365", "600", "601", "8760",
    "8761", "10080", "525600", "2147483647", "-2147483648", "2147483648", "1e9", "-1e9", "1e300", "1.7e308",
    "-1.7e308", "4.9e-324", "1e-300", "nan", "inf", "-inf", "TRUE", "FALSE", "true", "", " ", "1.0E+0002",
    "-0", "0x10", "1,5", "12.8", "-10", "100", "1000", "99999", "1e6", "-1e6", "3.49E-06"};

std::vector<std::string> Lines(std::string_view s) {
  std::vector<std::string> out;
  size_t p = 0;
  while (p <= s.size()) {
    size_t e = s.find('\n', p);
    if (e == std::string_view::npos) {
      if (p < s.size()) out.emplace_back(s.substr(p));
      break;
    }
    out.emplace_back(s.substr(p, e + 1 - p));
    p = e + 1;
  }
  return out;
}

}  // namespace

// One of: a value replaced by an edge value, a line removed, doubled or moved,
// the version changed, the file cut at a line end, or the bytes of a single
// line mutated; so most mutants stay files whose lines still mean something.
size_t MutateProjectLines(uint8_t* data, size_t size, size_t maxSize, unsigned seed) {
  std::minstd_rand g(seed);
  std::vector<std::string> lines = Lines(std::string_view(reinterpret_cast<const char*>(data), size));
  if (lines.size() < 2 || g() % 16 == 0) return LLVMFuzzerMutate(data, size, maxSize);
  // Most edits land in the header, where the values are.
  auto pick = [&] {
    size_t n = std::min<size_t>(lines.size(), g() % 4 ? 1001 : lines.size());
    return static_cast<size_t>(g() % n);
  };
  const unsigned op = g() % 10;
  const size_t i = pick();
  std::string& l = lines[i];
  switch (op) {
    case 0: case 1: case 2: case 3: {  // first value of the line
      size_t a = l.find_first_not_of(" ");
      size_t b = l.find_first_of("\t\r\n", a == std::string::npos ? 0 : a);
      if (a == std::string::npos || a > b) a = 0;
      if (b == std::string::npos) b = l.size();
      l.replace(a, b - a, kValues[g() % std::size(kValues)]);
      break;
    }
    case 4: {  // another value of a multi-value line
      std::vector<size_t> tabs;
      for (size_t k = 0; k < l.size(); ++k)
        if (l[k] == '\t') tabs.push_back(k);
      if (tabs.empty()) break;
      size_t t = tabs[g() % tabs.size()] + 1;
      size_t e = l.find_first_of("\t\r\n", t);
      if (e == std::string::npos) e = l.size();
      l.replace(t, e - t, kValues[g() % std::size(kValues)]);
      break;
    }
    case 5:
      lines.erase(lines.begin() + static_cast<long>(i));
      break;
    case 6:
      lines.insert(lines.begin() + static_cast<long>(i), l);
      break;
    case 7: {
      const size_t j = pick();
      std::swap(lines[i], lines[j]);
      break;
    }
    case 8:
      if (g() % 2) {
        lines[0] = std::to_string(g() % 31) + ".0 Version des Ausgabefiles, Programm QEB\r\n";
      } else {
        lines.resize(i + 1);
      }
      break;
    default: {  // the bytes of one line
      std::string buf = l;
      buf.resize(std::max<size_t>(l.size() * 2, 64));
      size_t n = LLVMFuzzerMutate(reinterpret_cast<uint8_t*>(buf.data()), l.size(), buf.size());
      buf.resize(n);
      l = buf;
      break;
    }
  }
  std::string out;
  for (const std::string& s : lines) out += s;
  if (out.size() > maxSize) out.resize(maxSize);
  std::memcpy(data, out.data(), out.size());
  return out.size();
}

}  // namespace qeb::fuzz
