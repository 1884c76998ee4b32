// The imports of outside hourly data as the user runs them from the import
// menu: a Meteonorm year and measured values written here and read back,
// damaged files that change nothing, cancelled dialogs that do nothing, and
// the user's temperature files.
#include <gtest/gtest.h>

#include <QAction>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "tests/support/files.h"
#include "tests/support/scratch.h"
#include "tests/support/ui_project.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

// An hourly year: temperature, humidity and radiation as functions of the hour.
double Ta(int h) { return 8.0 + 10.0 * std::sin(h * 0.01); }
double Rh(int h) { return 60.0 + (h % 30); }
double Gs(int h) { return (h % 24 >= 8 && h % 24 <= 16) ? 100.0 + h % 400 : 0.0; }

std::string Meteonorm(bool standard, int zeilen = 8760, int kaputt = 0) {
  std::string s;
  for (int h = 1; h <= zeilen; ++h) {
    std::string f[15];
    for (int c = 1; c <= 14; ++c) f[c] = "0";
    if (standard) {
      f[7] = FormatFixed(Gs(h), 0, 1);
      f[10] = FormatFixed(Ta(h), 0, 2);
    } else {
      f[7] = FormatFixed(Ta(h), 0, 2);
      f[8] = FormatFixed(Rh(h), 0, 1);
      f[11] = FormatFixed(Gs(h), 0, 1);
    }
    if (h == kaputt) f[standard ? 10 : 7] = "1,5";
    for (int c = 1; c <= (standard ? 10 : 14); ++c) s += f[c] + (c % 2 ? " " : "\t");
    s += "rest\r\n";
  }
  return s;
}

class Imports : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    MeteonormGeladen = false;
    dir = FrischerOrdner("imp_");
  }
  TForm1& f = *(CreateApplicationWindows(), Form1);
  std::string dir;
};

TEST_F(Imports, AMeteonormYearRoundTripsAndDamagedFilesChangeNothing) {
  Offset = 5;
  const double rh1 = Luftfeuchte[1], ta1 = Aussentemperatur[1];
  // Cancelled: nothing, not even a message.
  {
    ScriptedInteraction ui;
    ui.AnswerFile("");
    f.WetterdatenMeteonorm1->trigger();
    EXPECT_EQ(ui.Shown_().size(), 1u);
    EXPECT_EQ(Offset, 5);
  }
  // 8759 lines and a bad field are refused; nothing changes.
  for (const std::string& text : {Meteonorm(true, 8759), Meteonorm(true, 8760, 5000)}) {
    Schreib(dir + "/w.dat", text);
    ScriptedInteraction ui;
    ui.AnswerFile(dir + "/w.dat");
    f.WetterdatenMeteonorm1Click();
    ASSERT_EQ(ui.Texts("message").size(), 1u);
    EXPECT_EQ(ui.Texts("message")[0].rfind(" Kein Meteonorm Wetterfile! ", 0), 0u);
    EXPECT_EQ(Aussentemperatur[1], ta1);
    EXPECT_EQ(Offset, 5);
    EXPECT_FALSE(MeteonormGeladen);
    EXPECT_FALSE(f.KlimadatenAus->isVisible());
  }
  {
    Schreib(dir + "/w.dat", Meteonorm(true, 8760, 5000));
    ScriptedInteraction ui;
    ui.AnswerFile(dir + "/w.dat");
    f.WetterdatenMeteonorm1Click();
    EXPECT_NE(ui.Texts("message")[0].find("5000"), std::string::npos);
  }
  // The standard layout: radiation and temperature, humidity kept; exactly 8760 lines.
  MeteoStandard = true;
  Schreib(dir + "/w.dat", Meteonorm(true));
  {
    ScriptedInteraction ui;
    ui.AnswerFile(dir + "/w.dat");
    f.WetterdatenMeteonorm1Click();
    EXPECT_TRUE(ui.Texts("message").empty());
  }
  for (int h : {1, 100, 4000, 8760}) {
    EXPECT_NEAR(Aussentemperatur[h], Ta(h), 0.005);
    EXPECT_NEAR(Globalstrahlung[h], Gs(h) * 3.6 / 1000, 1e-9);
  }
  EXPECT_EQ(Luftfeuchte[1], rh1);
  EXPECT_TRUE(MeteonormGeladen);
  EXPECT_EQ(Offset, 0);
  EXPECT_EQ(OffsetVorMeteonorm, 5);
  EXPECT_TRUE(f.KlimadatenAus->isVisible());
  // A second year: the offset before Meteonorm stays that of the first.
  MeteoStandard = false;
  Schreib(dir + "/m.dat", Meteonorm(false));
  {
    ScriptedInteraction ui;
    ui.AnswerFile(dir + "/m.dat");
    f.WetterdatenMeteonorm1Click();
  }
  EXPECT_NEAR(Luftfeuchte[77], Rh(77), 1e-9);
  EXPECT_NEAR(Aussentemperatur[77], Ta(77), 0.005);
  EXPECT_EQ(OffsetVorMeteonorm, 5);
}

TEST_F(Imports, MeasuredValuesRoundTripAndADamagedRowChangesNothing) {
  std::string s;
  for (int i = 1; i <= 1001; ++i) s += "Kopf " + std::to_string(i) + "\r\n";
  for (int h = 1; h <= 8760; ++h)
    s += std::to_string(h) + "\t" + FormatFixed(0.5 + h % 7 * 0.1, 0, 3) + " " + FormatFixed(5 + h % 11, 0, 2) +
         "\t" + FormatFixed(3.0 + h % 5, 0, 2) + "\tRest\r\n";
  const std::string gut = dir + "/mess.txt";
  Schreib(gut, s);
  std::string k = s;
  k.replace(k.find("\r\n4000\t") + 2, 4, "4x00");
  Schreib(dir + "/kaputt.txt", k);
  const double m1 = MassenstromStunde[1];
  {
    ScriptedInteraction ui;
    ui.AnswerFile("");
    f.Messwerteeinlesen1Click();
    ui.AnswerFile(dir + "/kaputt.txt");
    f.Messwerteeinlesen1Click();
    ASSERT_EQ(ui.Texts("message").size(), 1u);
    EXPECT_NE(ui.Texts("message")[0].find("5001"), std::string::npos) << ui.Texts("message")[0];
    EXPECT_EQ(MassenstromStunde[1], m1);
    EXPECT_FALSE(MessungAn());
  }
  ScriptedInteraction ui;
  for (int i = 0; i < 5; ++i) ui.AnswerAsk(7);
  ui.AnswerFile(gut);
  f.Messwerteeinlesen1Click();
  EXPECT_TRUE(ui.Texts("message").empty());
  EXPECT_TRUE(MessungAn());
  EXPECT_FALSE(MesswerteAusProjekt);
  for (int h : {1, 2, 4000, 8760}) {
    EXPECT_NEAR(MassenstromStunde[h], 0.5 + h % 7 * 0.1, 1e-9);
    EXPECT_NEAR(TSinkStunde[h], 5 + h % 11, 1e-9);
    EXPECT_NEAR(TSinkMessungStunde[h], 5 + h % 11, 1e-9);
    EXPECT_NEAR(QMessungStunde[h], 3.0 + h % 5, 1e-9);
  }
  EXPECT_TRUE(f.keineMesswerteeinlesen1->isVisible());
  EXPECT_FALSE(f.Messwerteeinlesen1->isVisible());
  EXPECT_FALSE(f.ELastyear1->isHidden());
  EXPECT_EQ(MessungJahre, LastYear);
  f.keineMesswerteeinlesen1Click();
  EXPECT_FALSE(MessungAn());
  EXPECT_TRUE(f.Messwerteeinlesen1->isVisible());
}

TEST_F(Imports, TemperatureFiles) {
  const std::string gut = dir + "/t.csv";
  Schreib(gut, "Messung\r\nOrt\r\nTemperature;Tiefe\r\n\"10,5\";100\r\n11,25;200\r\n\r\n");
  const std::string datum = dir + "/d.txt";
  Schreib(datum, "Datum     m\r\n1.1.2020\tx\r\n");
  const std::string kaputt = dir + "/k.txt";
  Schreib(kaputt, "xTemperature\r\n1\t2\r\n3\tdrei\r\n");
  TempDatei1.clear();
  TempDateiVorhanden1 = false;
  TempDateiVorhanden2 = false;
  ScriptedInteraction ui;
  ui.AnswerFile("");
  f.TempFile1Click();
  EXPECT_EQ(ui.Count("message", " Keine Daten eingelesen / No input "), 1);
  EXPECT_FALSE(TempDateiVorhanden1);
  ui.Clear();
  ui.AnswerFile(gut);
  f.TempFile1Click();
  EXPECT_TRUE(TempDateiVorhanden1);
  EXPECT_EQ(TempDatei1, gut);
  ui.AnswerFile(datum);
  f.TempFile2Click();
  EXPECT_TRUE(TempDateiVorhanden2);
  ui.AnswerFile(kaputt);
  f.TempFile1Click();
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_NE(ui.Texts("message")[0].find("Zeile / line 3"), std::string::npos);
  EXPECT_EQ(TempDatei1, gut);  // the file attached before stays
  EXPECT_TRUE(TempDateiVorhanden1);
  EXPECT_FALSE(fs::exists("temp1.txt"));
}

}  // namespace
}  // namespace qeb
