#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <fstream>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"

using namespace qeb;

TEST(TextIO, RoundHalfEvenTiesGoToEven) {
  EXPECT_EQ(RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(1.5), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(-3.5), -4.0);
  EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
  EXPECT_EQ(RoundToInt(8759.5), 8760);
  EXPECT_THROW(RoundToInt(1e12), CalcError);
}

TEST(TextIO, NumbersIgnoreTheLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "de_CH.UTF-8");
  EXPECT_EQ(FormatFixed(3.25, 8, 3), "   3.250");
  EXPECT_EQ(FormatFixed(-0.5, 1, 2), "-0.50");
  EXPECT_EQ(FormatFixed(123456.0, 2, 0), "123456");
  EXPECT_EQ(*ParseReal(" 2.5 "), 2.5);
  EXPECT_EQ(*ParseReal("-1.5E-03"), -0.0015);
  EXPECT_FALSE(ParseReal("2,5").has_value());
  EXPECT_FALSE(ParseReal("").has_value());
  EXPECT_FALSE(ParseReal("1.0x").has_value());
  EXPECT_EQ(*ParseInteger("+42"), 42);
  EXPECT_FALSE(ParseInteger("4.2").has_value());
  std::setlocale(LC_ALL, saved.c_str());
  if (!german) GTEST_SKIP() << "no German locale installed; checked under C only";
}

TEST(TextIO, BooleansAndFields) {
  EXPECT_TRUE(ParseBool("TRUE"));
  EXPECT_TRUE(ParseBool("true"));
  EXPECT_FALSE(ParseBool("FALSE"));
  EXPECT_FALSE(ParseBool("1"));
  EXPECT_EQ(FormatBool(true), "TRUE");
  auto f = SplitTabs("a\t\tb\t");
  ASSERT_EQ(f.size(), 4u);
  EXPECT_EQ(f[1], "");
  EXPECT_EQ(f[2], "b");
  EXPECT_EQ(f[3], "");
}

TEST(TextIO, CodePageRoundTrip) {
  std::string utf8 = "Mor\xC3\xA4ne 20 \xC2\xB0""C \xE2\x82\xAC";  // Moräne 20 °C €
  std::string cp = Utf8ToWin1252(utf8);
  EXPECT_EQ(cp, "Mor\xE4ne 20 \xB0""C \x80");
  EXPECT_EQ(Win1252ToUtf8(cp), utf8);
}

TEST(TextIO, LinesEndInCrLfAndReadBackFromEitherEnding) {
  const char* path = "textio_lines.txt";
  {
    LineWriter w;
    w.Open(path);
    w.WriteLine("eins\tzwei");
    w.WriteLine("");
    w.Write("drei");
    w.WriteLine("");
    w.Close();
  }
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "eins\tzwei\r\n\r\ndrei\r\n");
  {
    std::ofstream lf("textio_lf.txt", std::ios::binary);
    lf << "a\nb\r\nc";
  }
  LineReader r("textio_lf.txt");
  std::string line;
  ASSERT_TRUE(r.Next(line));
  EXPECT_EQ(line, "a");
  ASSERT_TRUE(r.Next(line));
  EXPECT_EQ(line, "b");
  ASSERT_TRUE(r.Next(line));
  EXPECT_EQ(line, "c");
  EXPECT_EQ(r.LineNumber(), 3);
  EXPECT_FALSE(r.Next(line));
  std::remove(path);
  std::remove("textio_lf.txt");
  LineWriter bad;
  EXPECT_THROW(bad.Open("no_such_dir/x.txt"), CalcError);
}
