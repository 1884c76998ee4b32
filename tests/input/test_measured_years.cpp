// Measured hourly values over several years, brought in through the import
// menu: every measured year of the run calculates with the hours as they
// were measured, a save writes them as they were imported, and the saved
// project opened again holds them. The oracle is the measurement file the
// test writes, a distinct sink temperature in every hour and a load that
// changes every hour.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "tests/support/run_hours.h"
#include "tests/support/ui_project.h"
#include "tests/support/step_table.h"
#include "tests/support/ui_typing.h"
#include "widgets/Controls.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

// The measured hours, each as the file gives it (three decimals).
std::string M(int h) { return FormatFixed(0.150 + 0.001 * (h % 400), 0, 3); }
std::string T(int h) { return FormatFixed(1.0 + 0.001 * h, 0, 3); }
std::string Q(int h) { return FormatFixed(-1.0 + 0.001 * (h % 2000), 0, 3); }
double V(const std::string& s) { return ParseReal(s).value(); }

class MeasuredYears : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    NeuesProjekt();
    dir = (fs::current_path() / (GetParam() ? "measured_years_power" : "measured_years_temp")).string();
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::string s;
    for (int i = 1; i <= 1001; ++i) s += "Kopf " + std::to_string(i) + "\r\n";
    for (int h = 1; h <= 8760; ++h) s += std::to_string(h) + "\t" + M(h) + "\t" + T(h) + "\t" + Q(h) + "\r\n";
    std::ofstream(dir + "/mess.txt", std::ios::binary) << s;
  }
  static void NeuesProjekt() { NeuesProjektOhneDatei("Schulhaus", "Messung"); }
  // One calculation from the graph window; every step's result as the test
  // saw it between the steps (the step that closes a year leaves the
  // counters at step 0 of the next).
  std::vector<Hour> Rechnen() {
    std::vector<Hour> hours;
    StundenAufzeichnen(hours);
    Form4->show();
    const bool ok = Form4->Start();
    SetEscapeProbe(nullptr);
    Form4->hide();
    EXPECT_TRUE(ok);
    return hours;
  }
  // In the measured years (from year 2 on) each hour runs with the measured
  // flow and, by the mode, the measured sink temperature or load.
  void ExpectMeasuredYears(const std::vector<Hour>& hours, bool power) {
    int checked = 0;
    for (const Hour& h : hours) {
      if (h.jahr < 2 || h.stunde < 1 || h.stunde > 8760) continue;
      ++checked;
      ASSERT_EQ(h.m, V(M(h.stunde))) << "year " << h.jahr << ", hour " << h.stunde;
      // The output file restarted after a settling year puts the design
      // load into the load after that year's last hour: its own load is
      // seen in the hourly record of the last year below.
      if (power && h.stunde < 8760) {
        ASSERT_EQ(h.q, V(Q(h.stunde))) << "year " << h.jahr << ", hour " << h.stunde;
      } else if (!power) {
        ASSERT_EQ(h.tSink, V(T(h.stunde))) << "year " << h.jahr << ", hour " << h.stunde;
      }
    }
    EXPECT_GE(checked, 8760);
    for (int h = 1; h <= 8760; ++h) {
      if (power)
        ASSERT_EQ(QStunde[h], V(Q(h))) << "last year, hour " << h;
      else
        ASSERT_EQ(TSinkStunde[h], V(T(h))) << "last year, hour " << h;
    }
  }
  std::string dir;
};

TEST_P(MeasuredYears, EveryMeasuredYearRunsSavesAndReopensWithTheMeasuredHours) {
  const bool power = GetParam();
  TForm1& f = *Form1;
  ScriptedInteraction ui;
  TippeUndVerlasse(f.ELastyear, "4");
  f.ELeistung->button(power ? 0 : 1)->click();
  for (int i = 0; i < 5; ++i) ui.AnswerAsk(7);
  ui.AnswerFile(dir + "/mess.txt");
  f.Messwerteeinlesen1->trigger();
  ASSERT_TRUE(MessungAn());
  // Measured from year 2 on: years 2, 3 and 4.
  TippeUndVerlasse(f.ELastyear1, "2");
  f.EStartStundenwerte->button(1)->click();

  ExpectMeasuredYears(Rechnen(), power);
  if (HasFatalFailure()) return;

  const std::string a = dir + "/a.txt";
  ui.AnswerFile(a);
  ASSERT_TRUE(f.ToolButtonSpeichernClick()) << ::testing::PrintToString(ui.Texts("message"));
  const auto rows = StepTable(a);
  ASSERT_EQ(rows.size(), 8761u);
  for (int h = 1; h <= 8760; ++h) {
    ASSERT_GE(rows[h].size(), 4u);
    ASSERT_EQ(rows[h][1], M(h)) << h;
    ASSERT_EQ(rows[h][2], T(h)) << h;
    ASSERT_EQ(rows[h][3], Q(h)) << h;
  }

  NeuesProjekt();
  ui.AnswerFile(a);
  f.ToolButtonOeffnenClick();
  ASSERT_TRUE(MessungAn());
  ExpectMeasuredYears(Rechnen(), power);
}

INSTANTIATE_TEST_SUITE_P(Modes, MeasuredYears, ::testing::Bool());

}  // namespace
}  // namespace qeb
