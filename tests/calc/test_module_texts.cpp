// The module's texts are Windows-1252 bytes, every one of them: a UTF-8
// literal among them would reach the screen garbled ("SondenlÃ¤nge").
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"

namespace qeb {
namespace {

struct Finding {
  std::string file;
  int line;
};

// Non-ASCII bytes inside string and character literals of a C++ source;
// comments may hold any text.
std::vector<int> NonAsciiInLiterals(const std::string& s) {
  std::vector<int> lines;
  int line = 1;
  size_t i = 0;
  const size_t n = s.size();
  auto nonAscii = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
  while (i < n) {
    const char c = s[i];
    if (c == '\n') {
      ++line;
      ++i;
    } else if (s.compare(i, 2, "//") == 0) {
      while (i < n && s[i] != '\n') ++i;
    } else if (s.compare(i, 2, "/*") == 0) {
      const size_t e = s.find("*/", i + 2);
      const size_t end = e == std::string::npos ? n : e + 2;
      for (; i < end; ++i)
        if (s[i] == '\n') ++line;
    } else if (c == 'R' && i + 1 < n && s[i + 1] == '"' && (i == 0 || !(std::isalnum(static_cast<unsigned char>(s[i - 1])) || s[i - 1] == '_'))) {
      const size_t open = s.find('(', i);
      const std::string close = ")" + s.substr(i + 2, open - i - 2) + "\"";
      const size_t e = s.find(close, open);
      const size_t end = e == std::string::npos ? n : e + close.size();
      bool found = false;
      for (; i < end; ++i) {
        if (nonAscii(s[i]) && !found) {
          lines.push_back(line);
          found = true;
        }
        if (s[i] == '\n') ++line;
      }
    } else if (c == '\'' && i > 0 && std::isxdigit(static_cast<unsigned char>(s[i - 1]))) {
      ++i;  // digit separator: 500'000
    } else if (c == '"' || c == '\'') {
      bool found = false;
      for (++i; i < n && s[i] != c && s[i] != '\n'; ++i) {
        if (s[i] == '\\') {
          ++i;
          continue;
        }
        if (nonAscii(s[i]) && !found) {
          lines.push_back(line);
          found = true;
        }
      }
      ++i;
    } else {
      ++i;
    }
  }
  return lines;
}

TEST(ModuleTexts, NoLiteralOfTheModuleHoldsAByteBeyondAscii) {
  // The scanner itself: a literal is found, a comment and a separator are not.
  EXPECT_EQ(NonAsciiInLiterals("// L\xC3\xA4nge\nint x = 500'000;\nconst char* t = \"L\xC3\xA4nge\";\n"),
            std::vector<int>{3});
  EXPECT_EQ(NonAsciiInLiterals("const char* t = \"L\\xE4nge\"; /* \xC3\xA4 */ char c = '\xB0';"), std::vector<int>{1});

  const char* src = std::getenv("QEB_SOURCE_DIR");
  ASSERT_NE(src, nullptr);
  int files = 0;
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(src) / "calc")) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    ++files;
    for (int line : NonAsciiInLiterals(ss.str()))
      found.push_back(entry.path().filename().string() + ":" + std::to_string(line));
  }
  EXPECT_GT(files, 30);
  for (const std::string& f : found) ADD_FAILURE() << f << ": write the text as Windows-1252 escapes (\"L\\xE4nge\")";
}

TEST(ModuleTexts, ErrorsAndLabelsAreWindows1252) {
  // An error of the ground model with an umlaut in its text.
  Simulate(-3);
  DimRad = 1;
  try {
    Simulate(-1);
    ADD_FAILURE() << "one radial cell was accepted";
  } catch (const CalcError& e) {
    const std::string t = e.what();
    EXPECT_EQ(Win1252ToUtf8(t), " Eingabe ung\u00fcltig  /  invalid value : DimRad < 2");
    EXPECT_EQ(e.key, "DimRad");
    EXPECT_EQ(e.value, 1.0);
  }
  // The labels of the project file: one byte for each degree sign and umlaut.
  EXPECT_EQ(Labeltabelle[27], "-\tCOP bei -5\xB0" "C");
  EXPECT_EQ(Labeltabelle[389], "kWh\tK\xFChllast der Monate Jan - Dez");
  EXPECT_EQ(Erdname[3], "Mor\xE4ne");
  Simulate(-3);
}

}  // namespace
}  // namespace qeb
