// A project of one or several years with the outdoor-air recooler, saved
// (the save runs the calculation), a new project, the saved one opened and
// saved again: the hourly rows the project carries come back at their own
// hours. The oracles are the weather year the test saved with and the file
// the first save wrote.
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
#include "tests/support/ui_project.h"
#include "tests/support/step_table.h"
#include "tests/support/ui_typing.h"
#include "widgets/Controls.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

using Row = std::vector<std::string>;

double Num(const Row& r, size_t col) { return col < r.size() ? ParseReal(r[col]).value_or(NAN) : NAN; }

class SavedYears : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    NeuesProjekt();
    dir = (fs::current_path() / ("saved_years_" + std::to_string(GetParam()))).string();
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  static void NeuesProjekt() { NeuesProjektOhneDatei("Halle Nord", "Rueckkuehler"); }
  std::string dir;
};

TEST_P(SavedYears, RecoolerRowsComeBackAtTheirOwnHours) {
  const int years = GetParam();
  TForm1& f = *Form1;
  ScriptedInteraction ui;
  TippeUndVerlasse(f.ELastyear, std::to_string(years).c_str());
  f.Rckkhler1->trigger();
  f.ERueckkuehler->button(0)->click();
  ASSERT_TRUE(mitRueckkuehler);
  double ta[8761];
  std::copy(Aussentemperatur, Aussentemperatur + 8761, ta);

  const std::string a = dir + "/a.txt", b = dir + "/b.txt";
  ui.AnswerFile(a);
  ASSERT_TRUE(f.ToolButtonSpeichernClick()) << ::testing::PrintToString(ui.Texts("message"));
  const std::vector<Row> first = StepTable(a);
  // A start row, then hours 1 .. 8760; the weather of hour k in row k.
  ASSERT_EQ(first.size(), 8761u);
  for (int k = 1; k <= 8760; ++k) {
    ASSERT_EQ(first[k][0], std::to_string(k));
    ASSERT_NEAR(Num(first[k], 5), ta[k], 0.05 + 1e-9) << k;
  }

  NeuesProjekt();
  ui.AnswerFile(a);
  f.ToolButtonOeffnenClick();
  ASSERT_TRUE(mitRueckkuehler);
  ASSERT_EQ(LastYear, years);
  for (int h = 1; h <= 8760; ++h) {
    ASSERT_EQ(Aussentemperatur[h], Num(first[h], 5)) << h;
    ASSERT_EQ(Globalstrahlung[h], Num(first[h], 6)) << h;
    ASSERT_EQ(MassenstromStunde[h], Num(first[h], 1)) << h;
  }

  ui.AnswerFile(b);
  ASSERT_TRUE(f.ToolButtonSpeichernClick()) << ::testing::PrintToString(ui.Texts("message"));
  const std::vector<Row> second = StepTable(b);
  ASSERT_EQ(second.size(), first.size());
  for (size_t k = 0; k < first.size(); ++k) ASSERT_EQ(second[k], first[k]) << "row " << k;
}

INSTANTIATE_TEST_SUITE_P(Years, SavedYears, ::testing::Values(1, 3, 50));

}  // namespace
}  // namespace qeb
