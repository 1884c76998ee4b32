// The project file written right after the defaults, compared line by line
// with the file layout and its labels.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

#include "calc/QEBMOD.h"

namespace qeb {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

// Lines of a CR LF file; index = line number (entry 0 empty). A bare LF or a
// missing final line end fails the test.
std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> out{""};
  size_t p = 0;
  while (p < bytes.size()) {
    size_t e = bytes.find("\r\n", p);
    if (e == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      out.push_back(bytes.substr(p));
      break;
    }
    std::string l = bytes.substr(p, e - p);
    EXPECT_EQ(l.find('\n'), std::string::npos) << "bare LF in line " << out.size();
    EXPECT_EQ(l.find('\r'), std::string::npos) << "bare CR in line " << out.size();
    out.push_back(l);
    p = e + 2;
  }
  return out;
}

// Label text given in UTF-8, as the file holds it in its code page.
std::string W(const char* utf8) { return Utf8ToWin1252(utf8); }

const std::string kZero = " 0.00000000000000E+0000";
const std::string kOne = " 1.00000000000000E+0000";

class ProjectWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaults();
    ResetFileState();
    // Values command -3 leaves alone: give them known contents.
    x_koord = 0;
    y_koord = 0;
    StaoWert8 = 0.0;
    SummeQHeiz = 0.0;
    SummeQKuehl = 0.0;
    Messung = 0.0;
    Reserve18Schalter = 0;
    Reserve19Schalter = 0;
    ReserveA = ReserveC = ReserveD = 0.0;
    Beginn = 1;
    subdt = 1;
    substep_run = 1;
    substep_stop = 1;
    Auslegungsdruck = DruckabfallSonde = AuslegungsDruckabfall_Sondenkreis = 0.0;
    Druckgradient = 0.0;
    SondeNr = 0;
    for (int i = 1; i <= 600; ++i) Sondenbelastung[i] = 0.0;
    for (int i = 1; i <= 10; ++i) Starttemperatur[i] = 10.0;
  }

  std::vector<std::string> Write(const std::string& name = "pw.qeb") {
    int zs = Zeitschritt, spj = SchritteProJahr;
    WriteOutputHeader(name, zs, spj);
    AusgabeText.Close();
    return CrLfLines(Slurp(name));
  }
};

TEST_F(ProjectWrite, DefaultsGiveTheLayoutLineByLine) {
  auto L = Write();
  ASSERT_EQ(L.size(), 1002u) << "exactly 1001 lines";
  EXPECT_EQ(L[1], "28.0 Version des Ausgabefiles, Programm QEB");
  EXPECT_EQ(L[2], "Programm QEB, Ver 5.5 mit Default-Werten");
  EXPECT_EQ(L[3], "Projekt Erdwaermesonden");
  EXPECT_EQ(L[4], "");
  EXPECT_EQ(L[5], "");
  EXPECT_EQ(L[6], "1\t\tAnzahl Sonden\t\tAnzahlSonden");
  EXPECT_EQ(L[7], " 2.00000000000000E+0001\tm\tSondenlaenge\t\tSondenlaenge");
  EXPECT_EQ(L[8], " 1.20000000000000E-0001\tm\tBohrdurchmesser\t\tBohrdurchmesser");
  EXPECT_EQ(L[9], " 3.20000000000000E-0002\tm\tSondeninnendurchmesser\t\tSondendurchmesser");
  EXPECT_EQ(L[11], kZero + "\tK/W\tR1\t\tR1");
  EXPECT_EQ(L[14], "FALSE\t\tKoaxialsonde\t\tKoaxialSonde");
  EXPECT_EQ(L[21], " 3.90460000000000E+0003\tJ/kgK\tcp Fluid\t\tcpSole");
  EXPECT_EQ(L[22], " 3.49000000000000E-0006\tm2/s\tViskositaet Fluid\t\tnueSole");
  EXPECT_EQ(L[24], "TRUE\t\tDruckabfall berechnet\t\tDruck");
  EXPECT_EQ(L[27], " 2.50000000000000E+0000\t-\t" + W("COP bei -5°C") + "\t\tCOP_5");
  EXPECT_EQ(L[30], "swqeb.dat");
  EXPECT_EQ(L[34], " 2.40000000000000E+0000\tW/mK\tLambda Erde1\t\tlambdaErde[1]");
  EXPECT_EQ(L[35], " 2.60000000000000E+0003\tkg/m3\tDichte Erde1\t\trhoErde[1]");
  EXPECT_EQ(L[63], " 1.00000000000000E+0003\tJ/kgK\tcp Erde10\t\tcpErde[10]");
  EXPECT_EQ(L[69], " 9.00000000000000E+0000\t" + W("°C") + "\tJahresmitteltemperatur Luft\t\tJahresmitteltemp");
  EXPECT_EQ(L[75], "8760\t\tnumrows\t\tnumrows");
  EXPECT_EQ(L[76], "3\ty\tSimulationsdauer in Jahren\t\tLastYear");
  EXPECT_EQ(L[85], "60\tMin\tZeitschritt\t\tZeitschritt");
  EXPECT_EQ(L[96], "FALSE\t\tStarttemperatur abschaetzen\t\tStarttemp");
  EXPECT_EQ(L[108], "FALSE\t\tErdreichtemperatur abschaetzen\t\tStarttemp");
  EXPECT_EQ(L[98], kOne + "\tkW\tEntzugsleistung (falls nicht von File)\t\tQSource");
  EXPECT_EQ(L[110], "12\th/d oder kWh\tLaufzeit oder Entzugsenergie Januar\t\tLaufzeit[1]");
  EXPECT_EQ(L[121], "11\th/d oder kWh\tLaufzeit oder Entzugsenergie Dezember\t\tLaufzeit[12]");
  EXPECT_EQ(L[158], kOne + "\t\tLueftungsfahrplan\t\tLF[10]");
  EXPECT_EQ(L[177], kOne + "\t\tLueftungsfahrplan\t\tLF[29]");
  EXPECT_EQ(L[186], " 2.40000000000000E+0000\tW/mK\tscheinbares Lambda Erde der Schicht 9\t\tlambdaErde_eff[9]");
  EXPECT_EQ(L[208], "anfahr.qeb");
  EXPECT_EQ(L[249], kZero + "\tK/W\tR1 Schicht 1\t\tR1V[1]");
  EXPECT_EQ(L[288], kZero + "\tKm/W\tRc Schicht 10\t\tRcV[10]");
  EXPECT_EQ(L[297], "S");
  // Ten values, each followed by a TAB, then the rebuilt address label.
  EXPECT_EQ(L[298], kOne + "\t" + kZero + "\t" + kOne + "\t" + kZero + "\t50\t0\t0\t" + kZero + "\t" + kOne + "\t" + kOne +
                        "\t\t|stao.qeb");
  for (int l = 312; l <= 321; ++l) EXPECT_EQ(L[l], "") << l;
  EXPECT_EQ(L[323], "0\t0\t" + W("ausgewählte Sondenanordnung / Kollektorwahl") + "\t\tSondenauswahl / Kollektorwahl");
  EXPECT_EQ(L[326], "730\t\tjeden n. Zeitschritt auf File TEarth schreiben\t\tstepWrite_TEarth");
  EXPECT_EQ(L[327], " 9.00000000000000E+0000\t 1.00000000000000E+0003\t" +
                        W("m2/Liter, Grösse Solarregister und Solarspeicher") + "\t\tWWTauscher/Solarspeicher");
  EXPECT_EQ(L[363].substr(0, 3), "10\t");
  EXPECT_EQ(L[366].substr(0, 24), " 3.33000000000000E+0002\t");
  EXPECT_EQ(L[401], kZero + "\t" + kZero + "\t" + kZero + "\t" + kZero +
                        "\tx-Koordinate der 1. Sonde / der 151. Sonde / der 301. Sonde / der 451. Sonde \t"
                        "SondeX[1] / SondeX[151] / SondeX[301] / SondeX[451]");
  EXPECT_EQ(L[600], kZero + "\t" + kZero + "\t" + kZero + "\t" + kZero +
                        "\ty-Koordinate der 100. Sonde / der 250. Sonde / der 400. Sonde / der 550. Sonde  \t"
                        "SondeY[100] / SondeY[250] / SondeY[400] / SondeY[550]");
  EXPECT_EQ(L[601], " 3.00000000000000E+0001\tm\tTiefe 1. Schicht\t\tSchicht[1]");
  EXPECT_EQ(L[641],
            "0.0\t0.0\t0.0\t0.0\t0\t0\t0\t0\t[W/m], Sondenbelastung der 1. / 151. / 301. / 451. Sonde /Ist Sonde eine "
            "Nachbarsonde(Ja=1 Nein=0)?\tSondenbelastung[1] / Sondenbelastung[151] / Sondenbelastung[301] / "
            "Sondenbelastung[451] / Nachbarsonde[1] / Nachbarsonde[151] / Nachbarsonde[301] / Nachbarsonde[451]");
  EXPECT_EQ(L[799], kZero + "\t" + kZero + "\t" + kZero + "\t" + kZero +
                        "\tx-Koordinate der 101. Sonde / der 251. Sonde / der 401. Sonde / der 551. Sonde \t"
                        "SondeX[101] / SondeX[251] / SondeX[401] / SondeX[551]");
  EXPECT_TRUE(L[898].ends_with("Sonde  \tSondeY[150] / SondeY[300] / SondeY[450] / SondeY[600]"));
  EXPECT_EQ(L[957], kZero + "\t" + kZero + "\t" + kZero + "\t 2.00000000000000E+0005\t" +
                        W("kWh, Freecooling Jan - Dez bei Feldaufteilung / Temperaturgrad mit Waermefluss / "
                          "Waermeentzug aus So") +
                        "\t\tFreecool[1] / mit_Waermefluss / SummeQHeiz / y_CH_Koord");
  EXPECT_TRUE(L[959].starts_with(kZero + "\t0\t 5.53000000000000E+0002\t"));
  // Freecool[7] = 420 and three switches written as zeros.
  EXPECT_EQ(L[963].substr(0, 96), " 4.20000000000000E+0002\t" + kZero + "\t" + kZero + "\t" + kZero + "\t");
  EXPECT_NE(L[963].find("\t\tFreecool[7] / Reserve7 / WWPrio / Reserve27"), std::string::npos);
  EXPECT_NE(L[965].find("\t\tFreecool[9]/RueckkuehlLeistung/Reserve19/mit_Standorthoehe/Ta_nurLuftbetrieb/"
                        "Ta_nurQEBbetrieb/ReserveA"),
            std::string::npos);
  EXPECT_NE(L[966].find("\t1\t"), std::string::npos) << "Anforderung as an integer";
  EXPECT_NE(L[966].find("\t\tFreecool[10]/Ein_Rueckkuehler/x_CH_Koord/TRT_Methode/Anforderung/ReserveC/ReserveD"),
            std::string::npos);
  EXPECT_EQ(L[969].substr(0, 7), "12.800\t");
  EXPECT_EQ(L[970].substr(0, 8), "100.000\t");
  EXPECT_EQ(L[971].substr(0, 7), "18.800\t");
  EXPECT_EQ(L[972].substr(0, 8), "300.000\t");
  EXPECT_EQ(L[973].substr(0, 6), "0.000\t");
  EXPECT_TRUE(L[970].ends_with("\t\tzTProfil[1]"));
  EXPECT_EQ(L[999], " 6.00000000000000E+0001\t" + W("°C") + "\tWarmwasser - Temperatur\t\tWWTemperatur");
  EXPECT_EQ(L[1000], " 2.40000000000000E+0000\tW/mK\tscheinbares Lambda Erde der Schicht 10\t\tlambdaErde_eff[10]");
  EXPECT_EQ(L[1001], "Step\tM [kg/s]\tTSink\tQ [kW]\tTSource\tTMonitor\tp [Pa]\tlaminar?");
}

TEST_F(ProjectWrite, EveryKeyedLineEndsWithItsKeyAndLabel) {
  auto L = Write();
  ASSERT_EQ(L.size(), 1002u);
  const auto& layout = ProjectLayout();
  for (int l = 6; l <= 1000; ++l) {
    const LineSpec& s = layout[l];
    if (s.kind == LineKind::Param || s.kind == LineKind::Multi) {
      EXPECT_TRUE(L[l].ends_with("\t" + LayoutLabel(l) + "\t\t" + s.keyText)) << "line " << l << ": " << L[l];
      EXPECT_EQ(SplitTabs(L[l]).front().empty(), false) << l;
    } else if (s.kind == LineKind::Probe) {
      EXPECT_TRUE(L[l].ends_with("\t" + LayoutLabel(l) + "\t" + s.keyText)) << "line " << l;
    }
  }
  // Labels of the table are used by line number.
  EXPECT_EQ(LayoutLabel(88), Labeltabelle[88]);
  EXPECT_EQ(layout[88].keyText, "DimAxi");
  EXPECT_EQ(layout[34].keyText, "lambdaErde[1]");
  EXPECT_EQ(layout[36].keyText, "cpErde[1]");
  EXPECT_EQ(layout[37].keyText, "lambdaErde[2]");
  EXPECT_EQ(layout[252].keyText, "RcV[1]");
  EXPECT_EQ(layout[962].keyText, "Freecool[6] / Wellrohr1 / Kuehlleistung bei Vollast / x_Stao");
  EXPECT_EQ(layout[960].keyText, "Freecool[4] / Rd / Tage Vollast Kuehlung / Messung");
}

TEST_F(ProjectWrite, WriterSetsSwitchRealsAndLabel298) {
  Auslegungsentzug = 7.5;
  QSource = 1.0;
  Projektstrasse = "Bahnhofstrasse 1";
  Projektort = "Zuerich";
  StaoFile = "meinort.stao";
  mitRueckkuehler = true;
  RueckkuehlerHeizen = false;
  Reserve18Schalter = 1;
  Reserve19Schalter = 0;
  MessungJahre = 3;
  Messung = 1.0;
  Wellrohr1 = true;
  start_Messung = true;
  WWPrio = true;
  auto L = Write();
  EXPECT_EQ(QSource, 7.5);
  EXPECT_EQ(L[98].substr(0, 23), " 7.50000000000000E+0000");
  EXPECT_EQ(Labeltabelle[298], "Bahnhofstrasse 1\tZuerich|meinort.stao");
  EXPECT_TRUE(L[298].ends_with("\tBahnhofstrasse 1\tZuerich|meinort.stao"));
  auto v = [&](int line, int k) { return SplitTabs(L[line])[k]; };
  EXPECT_EQ(v(958, 1), kOne);
  EXPECT_EQ(v(960, 3), " 3.00000000000000E+0000");
  EXPECT_EQ(Messung, 3.0);
  EXPECT_EQ(v(962, 1), kOne);
  EXPECT_EQ(v(963, 2), kOne);
  EXPECT_EQ(v(964, 1), " 2.00000000000000E+0000");
  EXPECT_EQ(v(964, 2), kOne);
  EXPECT_EQ(v(965, 2), kZero);
  EXPECT_EQ(L[1001], KopfzeileSolar) << "recooler selects the solar header";

  RueckkuehlerHeizen = true;
  MessungJahre = 1;
  L = Write();
  EXPECT_EQ(v(964, 1), kOne);
  EXPECT_EQ(v(960, 3), kOne);
  mitRueckkuehler = false;
  Messung = 0.0;
  L = Write();
  EXPECT_EQ(v(964, 1), kZero);
  EXPECT_EQ(v(960, 3), kZero);
}

TEST_F(ProjectWrite, ColumnHeaderFollowsThePlantOptions) {
  Systemsimulation = true;
  DirektkuehlungWP = true;
  EXPECT_EQ(Write()[1001], KopfzeileAnlageWP);
  DirektkuehlungWP = false;
  EXPECT_EQ(Write()[1001], KopfzeileAnlage);
  Systemsimulation = false;
  solar = true;
  EXPECT_EQ(Write()[1001], KopfzeileSolar);
  solar = false;
  EXPECT_EQ(Write()[1001], Kopfzeile);
}

TEST_F(ProjectWrite, NumbersKeepTheirForm) {
  Sondenlaenge = -185.0;
  Sondenverlaengerung = 2.5;
  Sondenbelastung[1] = 12.3;
  Sondenbelastung[451] = -3.0;
  Nachbarsonde[151] = true;
  TProfil[1] = 10.5;
  auto L = Write();
  EXPECT_EQ(L[7].substr(0, 24), "-1.85000000000000E+0002\t");
  EXPECT_EQ(L[363].substr(0, 2), "2\t");
  Sondenverlaengerung = 3.5;
  L = Write();
  EXPECT_EQ(L[363].substr(0, 2), "4\t");
  EXPECT_TRUE(L[641].starts_with("12.3\t0.0\t0.0\t-3.0\t0\t1\t0\t0\t[W/m]"));
  EXPECT_EQ(L[969].substr(0, 7), "10.500\t");
}

TEST_F(ProjectWrite, LongAddressIsCutAt100Characters) {
  Projektstrasse = std::string(60, 'a');
  Projektort = std::string(30, 'b');
  StaoFile = std::string(30, 'c');
  auto L = Write();
  ASSERT_EQ(Labeltabelle[298].size(), 100u);
  EXPECT_EQ(Labeltabelle[298], std::string(60, 'a') + "\t" + std::string(30, 'b') + "|" + std::string(8, 'c'));
  EXPECT_TRUE(L[298].ends_with(Labeltabelle[298]));
}

TEST_F(ProjectWrite, SeparatorsInsideTextsBecomeBlanks) {
  Projektstrasse = "Weg\t3";
  Projektort = "Bern|Ost";
  StaoFile = "a\r\nb";
  Projekttitel1 = "Zeile1\r\nZeile2";
  auto L = Write();
  ASSERT_EQ(L.size(), 1002u);
  EXPECT_EQ(L[2], "Zeile1  Zeile2");
  EXPECT_TRUE(L[298].ends_with("\tWeg 3\tBern Ost|a  b"));
}

TEST_F(ProjectWrite, ValueThatIsNotFiniteIsRefusedWithItsKey) {
  Bohrdurchmesser = std::numeric_limits<double>::quiet_NaN();
  int zs = 60, spj = 8760;
  try {
    WriteOutputHeader("pw_nan.qeb", zs, spj);
    FAIL() << "no error";
  } catch (const CalcError& e) {
    std::string m = e.what();
    EXPECT_NE(m.find("Bohrdurchmesser"), std::string::npos) << m;
    EXPECT_NE(m.find("8"), std::string::npos) << m;
  }
  AusgabeText.Close();
  SetDefaults();
  TProfil[2] = std::numeric_limits<double>::infinity();
  EXPECT_THROW(WriteOutputHeader("pw_nan.qeb", zs, spj), CalcError);
  AusgabeText.Close();
}

TEST_F(ProjectWrite, CountsComeFromTheCaller) {
  int zs = 30, spj = 17520;
  WriteOutputHeader("pw_counts.qeb", zs, spj);
  AusgabeText.Close();
  auto L = CrLfLines(Slurp("pw_counts.qeb"));
  EXPECT_EQ(L[75].substr(0, 6), "17520\t");
  EXPECT_EQ(L[85].substr(0, 3), "30\t");
}

TEST_F(ProjectWrite, ByteIdenticalUnderAGermanLocale) {
  Sondenlaenge = 123.456;
  Sondenbelastung[2] = 4.5;
  Write("pw_c.qeb");
  std::string c = Slurp("pw_c.qeb");
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8") &&
      !std::setlocale(LC_ALL, "de_CH.UTF-8"))
    GTEST_SKIP() << "no German locale installed";
  Write("pw_de.qeb");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(Slurp("pw_de.qeb"), c);
}

}  // namespace
}  // namespace qeb
