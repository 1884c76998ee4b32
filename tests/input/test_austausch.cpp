// The exchange files of the input window through its menu: borehole
// positions written and read back in both frames, damaged and oversized
// files that change nothing, the site temperature file, and the hourly
// Polysun table that never costs the project.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "input/QEBInput_austausch.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "results/gfunc_fit.h"
#include "tests/support/scratch.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Zeilen(const std::string& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string s = ss.str();
  std::vector<std::string> z;
  size_t a = 0;
  while (a < s.size()) {
    const size_t e = s.find("\r\n", a);
    if (e == std::string::npos) {
      z.push_back(s.substr(a) + "<no CR LF>");
      break;
    }
    z.push_back(s.substr(a, e - a));
    a = e + 2;
  }
  return z;
}

void Schreiben(const std::string& datei, const std::string& text) {
  std::ofstream(datei, std::ios::binary) << text;
}

class Austausch : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    dir = FrischerOrdner("aus_");
    Form1->EProjektname->setText(QStringLiteral("Wohnhaus Rain"));
    Form1->EBeschreibung->setText(QStringLiteral("Variante Süd"));
    Form1->EErsteller->setText(QStringLiteral("Ing."));
    Form1->EAnmerkungen->setText(QStringLiteral(""));
    mitReferenzpunkt = false;
    x_CH_Koord = y_CH_Koord = x_Ref = y_Ref = 0;
    Zaehler = 3;
    const double xs[] = {0, 12.5, 18.25, 30.0}, ys[] = {0, 3.25, 9.0, 40.125};
    for (int i = 1; i <= kMaxSonden; ++i) {
      SondeX[i] = i <= 3 ? xs[i] : 0;
      SondeY[i] = i <= 3 ? ys[i] : 0;
      Nachbarsonde[i] = i == 3;
      Sondenbelastung[i] = i <= 3 ? 0.5 : 0;
    }
  }
  void Leeren() {
    Zaehler = 0;
    for (int i = 1; i <= kMaxSonden; ++i) SondeX[i] = SondeY[i] = 0, Nachbarsonde[i] = false;
  }
  void Exportieren(const std::string& datei) {
    ui.AnswerFile(datei);
    Form1->ExportSonden1->trigger();
    ASSERT_EQ(ui.Count("message", " Daten geschrieben / output done "), 1);
    ui.Clear();
  }
  void Importieren(const std::string& datei) {
    ui.AnswerFile(datei);
    Form1->ImportSonden1->trigger();
  }
  void ErwarteFeld() {
    ASSERT_EQ(Zaehler, 3);
    const double xs[] = {0, 12.5, 18.25, 30.0}, ys[] = {0, 3.25, 9.0, 40.125};
    for (int i = 1; i <= 3; ++i) {
      EXPECT_NEAR(SondeX[i], xs[i], 0.0051) << i;
      EXPECT_NEAR(SondeY[i], ys[i], 0.0051) << i;  // two decimals, halves to even
      EXPECT_EQ(Nachbarsonde[i], i == 3);
      EXPECT_DOUBLE_EQ(Sondenbelastung[i], 0.5);
    }
  }
  std::string dir;
  ScriptedInteraction ui;
};

TEST_F(Austausch, PlanCoordinatesWrittenLineByLineAndReadBack) {
  const std::string datei = dir + "/sonden.qeb";
  Exportieren(datei);
  const auto z = Zeilen(datei);
  ASSERT_EQ(z.size(), 13u);
  EXPECT_EQ(z[0], "Datei mit Standorten der Erdwaermesonden, 28.0 Version des Ausgabefiles, Programm QEB");
  EXPECT_EQ(z[1], "");
  EXPECT_EQ(z[2], "Wohnhaus Rain");
  EXPECT_EQ(z[3], "Variante S\xFC" "d");  // Windows-1252
  EXPECT_EQ(z[4], "Ing.");
  EXPECT_EQ(z[5], "");
  EXPECT_EQ(z[6], "");
  EXPECT_EQ(z[7], "0.000\t0.000\tNullpunkt:");
  EXPECT_EQ(z[8], "");
  EXPECT_EQ(z[9], "Nr\tx-Koord\ty-Koord\tNachbarsonde (1=Ja)\tSondenbelastung");
  EXPECT_EQ(z[10], "1\t12.50\t3.25\t0\t0.500");
  EXPECT_EQ(z[12], "3\t30.00\t40.12\t1\t0.500");  // halves to even
  Leeren();
  Importieren(datei);
  EXPECT_EQ(ui.Count("message", " Daten eingelesen / input done "), 1);
  ErwarteFeld();
  // A plan file read into a project tied to the national grid stays where
  // it was drawn, not hundreds of kilometres away.
  mitReferenzpunkt = true;
  x_CH_Koord = 683000, y_CH_Koord = 247000, x_Ref = 10, y_Ref = 20;
  Leeren();
  Importieren(datei);
  ErwarteFeld();
  // Cancelled: nothing changes.
  ui.Clear();
  ui.AnswerFile("");
  Form1->ImportSonden1->trigger();
  EXPECT_EQ(ui.Count("message", " Keine Daten eingelesen / No input "), 1);
  ErwarteFeld();
  ui.AnswerFile("");
  Form1->ExportSonden1->trigger();
  EXPECT_EQ(ui.Count("message", " Keine Daten geschrieben / No output "), 1);
}

TEST_F(Austausch, NationalCoordinatesReadBackInBothFrames) {
  mitReferenzpunkt = true;
  x_CH_Koord = 683000, y_CH_Koord = 247000, x_Ref = 10, y_Ref = 20;
  const std::string datei = dir + "/national.qeb";
  Exportieren(datei);
  const auto z = Zeilen(datei);
  EXPECT_EQ(z[7], "682990.000\t247020.000\tNullpunkt:");
  EXPECT_EQ(z[10], "1\t683002.50\t247016.75\t0\t0.500");  // y mirrored: north is up
  Leeren();
  Importieren(datei);
  ErwarteFeld();
  // Into a project without a reference point: the file's own origin, not
  // mirrored in y.
  mitReferenzpunkt = false;
  x_CH_Koord = y_CH_Koord = x_Ref = y_Ref = 0;
  Leeren();
  Importieren(datei);
  ErwarteFeld();
}

TEST_F(Austausch, DamagedOversizedOrEmptyFilesChangeNothing) {
  const std::string datei = dir + "/sonden.qeb";
  Exportieren(datei);
  const std::string gut = [&] {
    std::ifstream in(datei, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }();
  const std::string kopf = gut.substr(0, gut.find("1\t12.50"));
  Zaehler = 2;  // what is there before each attempt
  struct Fall {
    std::string text, zeile;
  } faelle[] = {
      {kopf + "1\t1.0\t2.0\t0\t0.5\r\n2\tabc\t2.0\t0\t0.5\r\n", "12"},
      {kopf + "1\t1.0\t2.0\t0\r\n", "11"},
      {kopf + "1\t1.0\t2.0\t7\t0.5\r\n", "11"},
      {kopf + "1\t1.0\tnan\t0\t0.5\r\n", "11"},
      {kopf, "keine Sonden"},
      {kopf + "\r\n\r\n", "keine Sonden"},
  };
  for (const Fall& f : faelle) {
    Schreiben(datei, f.text);
    ui.Clear();
    Importieren(datei);
    ASSERT_EQ(ui.Texts("message").size(), 1u);
    EXPECT_NE(ui.Texts("message")[0].find(f.zeile), std::string::npos) << ui.Texts("message")[0];
    EXPECT_EQ(ui.Count("message", " Daten eingelesen / input done "), 0);
    EXPECT_EQ(Zaehler, 2);
    EXPECT_DOUBLE_EQ(SondeX[1], 12.5);
  }
  std::string gross = kopf;
  for (int i = 1; i <= 601; ++i) gross += std::to_string(i) + "\t" + std::to_string(i) + ".0\t5.0\t0\t0.1\r\n";
  Schreiben(datei, gross);
  ui.Clear();
  Importieren(datei);
  EXPECT_NE(ui.Texts("message")[0].find("611"), std::string::npos);
  EXPECT_EQ(Zaehler, 2);
  EXPECT_DOUBLE_EQ(SondeX[1], 12.5);
  // 600 rows, a last line end and an empty line behind: all 600 are taken.
  gross = gross.substr(0, gross.rfind("601\t")) + "\r\n";
  Schreiben(datei, gross);
  ui.Clear();
  Importieren(datei);
  EXPECT_EQ(ui.Count("message", " Daten eingelesen / input done "), 1);
  EXPECT_EQ(Zaehler, 600);
  EXPECT_DOUBLE_EQ(SondeX[600], 600.0);
}

// A load share of -5 would make a borehole that extracts inject: the row is
// refused by its line like every other bad row, and the field stays.
TEST_F(Austausch, ANegativeLoadShareIsRefusedByItsLine) {
  const std::string datei = dir + "/sonden.qeb";
  Exportieren(datei);
  std::vector<std::string> z = Zeilen(datei);
  ASSERT_EQ(z.size(), 13u);
  z[11] = "2\t18.25\t9.00\t0\t-5";  // line 12: the second borehole
  std::string text;
  for (const std::string& l : z) text += l + "\r\n";
  Schreiben(datei, text);
  Leeren();
  Zaehler = 2;
  SondeX[1] = 12.5;
  Importieren(datei);
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  const std::string m = ui.Texts("message")[0];
  EXPECT_NE(m.find("Zeile / line 12"), std::string::npos) << m;
  EXPECT_NE(m.find("-5"), std::string::npos) << m;
  EXPECT_EQ(ui.Count("message", " Daten eingelesen / input done "), 0);
  EXPECT_EQ(Zaehler, 2);
  EXPECT_DOUBLE_EQ(SondeX[1], 12.5);
  EXPECT_DOUBLE_EQ(Sondenbelastung[2], 0.5);
}

TEST_F(Austausch, SiteTemperaturesWrittenAndReadFromAnyFolder) {
  Form1->ESondenlaenge->setText(QStringLiteral("150.0"));
  Form1->EingabenUebernehmen();
  QHeizSumme = 20000, QKuehlSumme = 0;
  x_Stao = 1.0;  // not placed
  Form1->ExportTempStao1->trigger();
  EXPECT_TRUE(ui.Shown_().empty());
  // The site right on borehole 1: that borehole adds nothing, no "inf".
  x_Stao = SondeX[1], y_Stao = SondeY[1];
  const std::string datei = dir + "/feld.stao";
  ui.AnswerFile(datei);
  Form1->ExportTempStao1->trigger();
  EXPECT_EQ(ui.Count("message", " Daten geschrieben / output done "), 1);
  const auto z = Zeilen(datei);
  ASSERT_EQ(z.size(), 203u);
  EXPECT_EQ(z[0], Projekttitel1);
  EXPECT_EQ(z[1], "Year\tx-Koord\ty-Koord\tdT Stao [K]");
  EXPECT_EQ(z[2], "0\t   12.5\t    3.2\t0.00");
  for (const std::string& l : z) EXPECT_EQ(l.find("inf"), std::string::npos) << l;
  const double dT50 = FieldTemperatureResponse(50);
  EXPECT_TRUE(std::isfinite(dT50));
  EXPECT_EQ(z[52], "50\t   12.5\t    3.2\t" + FormatFixed(dT50, 4, 2));
  // Read from a folder that is not the current one: found by its full path,
  // kept by its name.
  ui.Clear();
  ui.AnswerFile(datei);
  Form1->ImportTempStao1->trigger();
  EXPECT_EQ(ui.Count("message", " Input stao-file "), 1);
  EXPECT_TRUE(Reserve27);
  EXPECT_TRUE(StaoGelesen);
  EXPECT_EQ(StaoFile, "feld.stao");
  EXPECT_NEAR(TStandortJahr[50], dT50, 0.005);
  Form1->NoImportTempStao1->trigger();
  EXPECT_FALSE(Reserve27);
  EXPECT_EQ(TStandort50, 0.0);
  EXPECT_EQ(ui.Count("message", " No Input stao.qeb "), 1);
}

TEST_F(Austausch, PolysunTableOnlyAfterASuccessfulSaveAndNeverLosesTheProject) {
  Form1->ELastyear->setText(QStringLiteral("1"));
  Projektdateiname.clear();
  GespeichertUnter.clear();
  // Cancelled save: no table, nothing written.
  ui.AnswerFile("");
  Form1->Button17->click();
  EXPECT_EQ(ui.Count("message", " Keine Daten geschrieben / No output "), 1);
  EXPECT_TRUE(fs::is_empty(dir));

  const std::string datei = dir + "/projekt.txt";
  ui.Clear();
  ui.AnswerFile(datei);
  Form1->ExportPolysun1->trigger();
  EXPECT_EQ(ui.Count("message", " Keine Daten geschrieben / No output "), 0);
  const auto z = Zeilen(datei);
  ASSERT_EQ(z.size(), 9761u);
  EXPECT_EQ(z[0], "24.0 Version des Ausgabefiles, Programm QEB");
  EXPECT_EQ(z[297], "TRUE\tVar Pumpe");
  EXPECT_EQ(z[1000], "Step\tM [kg/s]\tTSink\tQ [kW]\tTSource\tTa [\xB0" "C]\t\t");
  for (size_t r : {size_t{1001}, size_t{5000}, size_t{9760}}) {
    const auto f = SplitTabs(z[r]);
    ASSERT_EQ(f.size(), 8u) << z[r];
    EXPECT_EQ(f[7], "1");
    for (int j = 1; j < 7; ++j) EXPECT_EQ(f[static_cast<size_t>(j)].size(), 23u) << z[r];
  }
  EXPECT_FALSE(fs::exists(datei + "1"));

  // A project that does not hold a full year: it stays as saved, and says so.
  std::string fehler, tabelle;
  Schreiben(dir + "/kurz.txt", "a\r\nb\r\n");
  EXPECT_FALSE(PolysunTabelle(dir + "/kurz.txt", tabelle, fehler));
  EXPECT_NE(fehler.find("9761"), std::string::npos);
}

}  // namespace
}  // namespace qeb
