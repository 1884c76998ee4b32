// The command-line driver run as a separate process: a new project's
// defaults, a project read back from a saved output file, the year-jump runs
// of many years, the same-file refusal and a failed run that must leave the
// previous output as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"

namespace qeb {
namespace {

namespace fs = std::filesystem;

// The driver is built beside the test binary's directory: build/<x>/tests/calc_tests
// and build/<x>/qebcalc.
fs::path DriverPath() {
  const fs::path self = fs::read_symlink("/proc/self/exe");
  return self.parent_path().parent_path() / "qebcalc";
}

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

Result RunDriver(const fs::path& dir, const std::vector<std::string>& args) {
  std::string cmd = "cd '" + dir.string() + "' && '" + DriverPath().string() + "'";
  for (const auto& a : args) cmd += " '" + a + "'";
  cmd += " >stdout.txt 2>stderr.txt";
  Result r;
  const int rc = std::system(cmd.c_str());
  r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  r.out = Slurp(dir / "stdout.txt");
  r.err = Slurp(dir / "stderr.txt");
  return r;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> v;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      if (!cur.empty() && cur.back() == '\r') cur.pop_back();
      v.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) v.push_back(cur);
  return v;
}

// Sets the value of every project-file line whose key is `key` (a few keys
// stand on two lines).
void SetProjectValue(const fs::path& file, const std::string& key, const std::string& value) {
  auto lines = Lines(Slurp(file));
  bool found = false;
  for (auto& l : lines) {
    const auto tab = l.rfind('\t');
    if (tab == std::string::npos || l.substr(tab + 1) != key) continue;
    l = value + l.substr(l.find('\t'));
    found = true;
  }
  ASSERT_TRUE(found) << key;
  std::ofstream f(file, std::ios::binary);
  for (const auto& l : lines) f << l << "\r\n";
}

class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(DriverPath())) GTEST_SKIP() << "driver not built: " << DriverPath();
    dir_ = fs::current_path() /
           ("driver_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  // A project of the defaults, written by the driver itself, made fast:
  // transient steps and the year jump.
  fs::path MakeProject(const std::string& name) {
    Result r = RunDriver(dir_, {});
    EXPECT_EQ(r.status, 0) << r.err;
    const fs::path p = dir_ / name;
    fs::rename(dir_ / "Ausgabe.qeb", p);
    SetProjectValue(p, "stationaer", "FALSE");
    SetProjectValue(p, "Starttemp", "TRUE");
    SetProjectValue(p, "readfile", "FALSE");
    return p;
  }
  fs::path dir_;
};

TEST_F(DriverTest, NewProjectRunsTheDefaults) {
  const Result r = RunDriver(dir_, {});
  ASSERT_EQ(r.status, 0) << r.err;
  // Three simulated years by default, one progress line each: year, min, max.
  const auto progress = Lines(r.out);
  ASSERT_EQ(progress.size(), 3u) << r.out;
  for (int y = 1; y <= 3; ++y) {
    const auto f = SplitTabs(progress[y - 1]);
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[0], std::to_string(y));
    EXPECT_LE(*ParseReal(f[1]), *ParseReal(f[2]));
  }
  const auto out = Lines(Slurp(dir_ / "Ausgabe.qeb"));
  // 1001 header lines and the rows 0..8760 of the last year.
  ASSERT_EQ(out.size(), 1001u + 8761u);
  EXPECT_EQ(out[0], kVersionszeile);
  EXPECT_EQ(out[1001].substr(0, 2), "0\t");
  EXPECT_EQ(out.back().substr(0, 5), "8760\t");
  EXPECT_FALSE(fs::exists(dir_ / "Ausgabe.qeb.tmp"));
}

TEST_F(DriverTest, OutputReadsBackAsAProject) {
  const fs::path p = MakeProject("projekt.txt");
  SetProjectValue(p, "Sondenlaenge", " 1.37000000000000E+0002");
  SetProjectValue(p, "LastYear", "1");
  const Result r = RunDriver(dir_, {"projekt.txt", "ergebnis.txt"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Lines(r.out).size(), 1u);
  // The output is a project again: read it with command -3 / -2.
  Simulate(-3);
  Inputfile = (dir_ / "ergebnis.txt").string();
  readfile = true;
  Simulate(-2);
  EXPECT_DOUBLE_EQ(Sondenlaenge, 137.0);
  EXPECT_EQ(LastYear, 1);
  EXPECT_TRUE(Starttemp);
  EXPECT_FALSE(stationaer);
  Eingabedatei.Close();
  // And it runs as a project, also with its hourly rows as loads over
  // several years (the file is reopened at each settling year's end).
  const Result again = RunDriver(dir_, {"ergebnis.txt", "zweite.txt"});
  EXPECT_EQ(again.status, 0) << again.err;
  SetProjectValue(dir_ / "ergebnis.txt", "readfile", "TRUE");
  SetProjectValue(dir_ / "ergebnis.txt", "Starttemp", "FALSE");
  SetProjectValue(dir_ / "ergebnis.txt", "LastYear", "2");
  const Result rows = RunDriver(dir_, {"ergebnis.txt", "dritte.txt"});
  EXPECT_EQ(rows.status, 0) << rows.err;
  EXPECT_EQ(Lines(rows.out).size(), 2u);
  EXPECT_EQ(Lines(Slurp(dir_ / "dritte.txt")).size(), 1001u + 8761u);
}

TEST_F(DriverTest, ManyYearsWithTheYearJump) {
  const fs::path p = MakeProject("projekt.txt");
  struct Case {
    int lastYear;
    std::vector<std::string> years;
  };
  // The default project runs in power mode: year 1, then the last year; in
  // temperature mode the year before the last is simulated as well.
  const Case cases[] = {{1, {"1"}}, {3, {"1", "2", "3"}}, {4, {"1", "4"}}, {30, {"1", "30"}}, {50, {"1", "50"}}};
  const Case temperatureCases[] = {{4, {"1", "3", "4"}}, {30, {"1", "29", "30"}}};
  auto check = [&](const Case& c) {
    SetProjectValue(p, "LastYear", std::to_string(c.lastYear));
    const Result r = RunDriver(dir_, {"projekt.txt", "out.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> years;
    for (const auto& l : Lines(r.out)) years.push_back(SplitTabs(l)[0]);
    EXPECT_EQ(years, c.years);
    const auto out = Lines(Slurp(dir_ / "out.txt"));
    ASSERT_EQ(out.size(), 1001u + 8761u);
    EXPECT_EQ(out[1001].substr(0, 2), "0\t");
    EXPECT_EQ(out.back().substr(0, 5), "8760\t");
    // The output reads back as a project with the run's settings.
    Simulate(-3);
    Inputfile = (dir_ / "out.txt").string();
    readfile = true;
    Simulate(-2);
    Eingabedatei.Close();
    EXPECT_EQ(LastYear, c.lastYear);
    EXPECT_EQ(SchritteProJahr, 8760);
    EXPECT_TRUE(Starttemp);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lastYear);
    check(c);
  }
  SetProjectValue(p, "Leistung", "FALSE");
  for (const Case& c : temperatureCases) {
    SCOPED_TRACE(::testing::Message() << c.lastYear << " temperature mode");
    check(c);
    EXPECT_FALSE(Leistung);
  }
}

TEST_F(DriverTest, SameFileIsRefusedBeforeWriting) {
  const fs::path p = MakeProject("x.txt");
  const std::string before = Slurp(p);
  Result r = RunDriver(dir_, {"x.txt", "./x.txt"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Ausgabefile = Eingabefile"), std::string::npos) << r.err;
  EXPECT_EQ(Slurp(p), before);
  // A hard link is the same file under another name.
  fs::create_hard_link(p, dir_ / "link.txt");
  r = RunDriver(dir_, {"x.txt", "link.txt"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Slurp(p), before);
  EXPECT_FALSE(fs::exists(dir_ / "x.txt.tmp"));
  EXPECT_FALSE(fs::exists(dir_ / "link.txt.tmp"));
}

TEST_F(DriverTest, FailedRunKeepsThePreviousOutput) {
  const fs::path p = MakeProject("projekt.txt");
  {
    std::ofstream f(dir_ / "out.txt", std::ios::binary);
    f << "previous project\r\n";
  }
  // An accuracy of 0 would never end the power iteration: refused at -1.
  SetProjectValue(p, "Genauigkeit", " 0.00000000000000E+0000");
  const Result r = RunDriver(dir_, {"projekt.txt", "out.txt"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Genauigkeit"), std::string::npos) << r.err;
  EXPECT_EQ(Slurp(dir_ / "out.txt"), "previous project\r\n");
  EXPECT_FALSE(fs::exists(dir_ / "out.txt.tmp"));
  // A missing project is an error with the module's text, not a crash.
  const Result missing = RunDriver(dir_, {"gibtsnicht.txt", "out.txt"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(Slurp(dir_ / "out.txt"), "previous project\r\n");
}

}  // namespace
}  // namespace qeb

namespace qeb {
namespace {

// The project's extraction power is the power of the run: the writer stores
// the design power as QSource, so a project must not fall back to 1 kW.
TEST_F(DriverTest, ProjectPowerIsThePowerOfTheRun) {
  const fs::path p = MakeProject("projekt.txt");
  SetProjectValue(p, "QSource", " 3.00000000000000E+0000");
  SetProjectValue(p, "LastYear", "1");
  const Result r = RunDriver(dir_, {"projekt.txt", "ergebnis.txt"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto out = Lines(Slurp(dir_ / "ergebnis.txt"));
  ASSERT_EQ(out.size(), 1001u + 8761u);
  for (size_t i = 1002; i < out.size(); i += 997) {
    const auto f = SplitTabs(out[i]);
    ASSERT_GE(f.size(), 5u) << out[i];
    EXPECT_NEAR(*ParseReal(f[3]), 3.0, 1e-9) << out[i];
  }
  Simulate(-3);
  Inputfile = (dir_ / "ergebnis.txt").string();
  readfile = true;
  Simulate(-2);
  EXPECT_DOUBLE_EQ(QSource, 3.0);
  Eingabedatei.Close();
}

}  // namespace
}  // namespace qeb
