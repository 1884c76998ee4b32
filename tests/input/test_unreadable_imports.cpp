// Every import of the input window fed what a user can pick by mistake: a
// folder, a file that opens but cannot be read, and a file with one absurd
// record. Each gives one message, the program runs on and the project stays
// as it was.
#include <gtest/gtest.h>

#include <QAction>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_data.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "tests/support/files.h"
#include "tests/support/ui_project.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

// A weather year in the meteo layout (temperature 7, humidity 8, radiation 11).
std::string Wetter(int zeile, int spalte, const std::string& wert) {
  std::string s;
  for (int h = 1; h <= 8760; ++h) {
    for (int c = 1; c <= 14; ++c) s += (h == zeile && c == spalte ? wert : c == 8 ? "50" : "5") + " ";
    s += "\r\n";
  }
  return s;
}

// Measured values: 1001 header lines, then step, flow, sink temperature, heat flow.
std::string Messwerte(int zeile, int spalte, const std::string& wert) {
  std::string s;
  for (int i = 1; i <= 1001; ++i) s += "Kopf\r\n";
  for (int h = 1; h <= 8760; ++h) {
    const std::string f[] = {std::to_string(h), "0.5", "8", "3"};
    for (int c = 1; c <= 4; ++c) s += (h == zeile && c == spalte ? wert : f[c - 1]) + "\t";
    s += "\r\n";
  }
  return s;
}

class UnreadableImports : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    dir = (fs::current_path() / "unlesbar").string();
    fs::remove_all(dir);
    fs::create_directories(dir + "/ordner.csv");
  }
  TForm1& f = *(CreateApplicationWindows(), Form1);
  std::string dir;
};

TEST_F(UnreadableImports, OneMessageAndNothingChanged) {
  // A file that opens and then fails on the first read.
  const std::string defekt = "/proc/self/mem";
  ASSERT_TRUE(FileCanBeOpened(defekt));
  TempDatei1 = "alt.csv";
  TempDateiVorhanden1 = true;
  StaoFile = "stao.qeb";
  const double ta = Aussentemperatur[100], rh = Luftfeuchte[100], gs = Globalstrahlung[100];
  const double m = MassenstromStunde[100];
  const bool messung = MessungAn();
  const double lambda = lambdaErd, sonde = Sondenlaenge;
  auto unveraendert = [&] {
    EXPECT_EQ(Aussentemperatur[100], ta);
    EXPECT_EQ(Luftfeuchte[100], rh);
    EXPECT_EQ(Globalstrahlung[100], gs);
    EXPECT_FALSE(MeteonormGeladen);
    EXPECT_EQ(MassenstromStunde[100], m);
    EXPECT_EQ(MessungAn(), messung);
    EXPECT_EQ(TempDatei1, "alt.csv");
    EXPECT_TRUE(TempDateiVorhanden1);
    EXPECT_EQ(StaoFile, "stao.qeb");
    EXPECT_FALSE(Reserve27);
    EXPECT_EQ(lambdaErd, lambda);
    EXPECT_EQ(Sondenlaenge, sonde);
    EXPECT_FALSE(TRTAusgewertet);
  };
  Schreib(dir + "/w.dat", Wetter(100, 7, "-1e308"));
  Schreib(dir + "/w2.dat", Wetter(100, 11, "-1e6"));
  Schreib(dir + "/w3.dat", Wetter(100, 8, "1e30"));
  Schreib(dir + "/m.txt", Messwerte(100, 2, "1e30"));
  Schreib(dir + "/m2.txt", Messwerte(100, 2, "-5"));
  Schreib(dir + "/m3.txt", Messwerte(100, 3, "-1e308"));
  Schreib(dir + "/t.csv", "Temperature;Tiefe\r\n10;100\r\n-1e308;200\r\n");
  Schreib(dir + "/s.stao", "Stao\r\nYear\tx\ty\tdT\r\n0\t1\t2\t0\r\n1\t1\t2\t-1e308\r\n");
  MeteoStandard = false;
  const std::pair<QAction*, std::vector<std::string>> importe[] = {
      {f.WetterdatenMeteonorm1, {dir + "/w.dat", dir + "/w2.dat", dir + "/w3.dat"}},
      {f.Messwerteeinlesen1, {dir + "/m.txt", dir + "/m2.txt", dir + "/m3.txt"}},
      {f.TempFile1, {dir + "/t.csv"}},
      {f.TRT, {}},
      {f.ImportTempStao1, {dir + "/s.stao"}}};
  for (const auto& [aktion, absurd] : importe) {
    std::vector<std::string> dateien = {dir + "/ordner.csv", defekt};
    dateien.insert(dateien.end(), absurd.begin(), absurd.end());
    for (const std::string& datei : dateien) {
      SCOPED_TRACE(aktion->objectName().toStdString() + " " + datei);
      ScriptedInteraction ui;
      ui.AnswerFile(datei);
      aktion->trigger();
      EXPECT_TRUE(ui.AllAnswersUsed());
      ASSERT_EQ(ui.Texts("message").size(), 1u);
      const std::string text = ui.Texts("message")[0];
      // The message names the file or, for a record, its line.
      EXPECT_TRUE(text.find(fs::path(datei).filename().string()) != std::string::npos ||
                  text.find("Zeile / line") != std::string::npos)
          << text;
      unveraendert();
    }
  }
}

TEST_F(UnreadableImports, MeasuredHeatFlowsBeyondAnyLoadAreRefusedByLineAndColumn) {
  // The project on screen holds measured values already.
  {
    ScriptedInteraction ui;
    for (int i = 0; i < 5; ++i) ui.AnswerAsk(kNein);
    Schreib(dir + "/gut.txt", Messwerte(0, 0, ""));
    ui.AnswerFile(dir + "/gut.txt");
    f.Messwerteeinlesen1->trigger();
    ASSERT_TRUE(MessungAn());
  }
  for (const char* wert : {"1e308", "-1e308", "1.5e6"}) {
    SCOPED_TRACE(wert);
    Schreib(dir + "/q.txt", Messwerte(4000, 4, wert));
    ScriptedInteraction ui;
    ui.AnswerFile(dir + "/q.txt");
    f.Messwerteeinlesen1->trigger();
    EXPECT_TRUE(ui.AllAnswersUsed());
    ASSERT_EQ(ui.Texts("message").size(), 1u);
    const std::string text = ui.Texts("message")[0];
    // Line 1001 + 4000 of the file, its heat-flow column, the load's range.
    EXPECT_NE(text.find("Zeile / line 5001, Spalte / column 4: \"" + std::string(wert) + "\""), std::string::npos)
        << text;
    EXPECT_NE(text.find("-1000000 .. 1000000 kW"), std::string::npos) << text;
    EXPECT_TRUE(ui.Texts("ask").empty());
    // The measured values in force are those of the file taken before.
    EXPECT_TRUE(MessungAn());
    EXPECT_EQ(QMessungStunde[4000], 3.0);
    EXPECT_EQ(QLastStunde[4000], 3.0);
    EXPECT_TRUE(f.keineMesswerteeinlesen1->isVisible());
  }
}

}  // namespace
}  // namespace qeb
