#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"

using namespace qeb;

namespace {

// Every dictionary value rendered as text, so two states can be compared whole.
std::vector<std::string> Snapshot() {
  std::vector<std::string> out;
  for (const StateVar& v : StateRegistry()) {
    int lo = v.lo, hi = v.hi;
    for (int i = lo; i <= hi; ++i) {
      std::string s = std::string(v.key) + "[" + std::to_string(i) + "]=";
      switch (v.type) {
        case VarType::Double: {
          double d = static_cast<double*>(v.ptr)[i];
          char buf[64];
          std::snprintf(buf, sizeof buf, "%.17g", d);
          s += buf;
          break;
        }
        case VarType::Int: s += std::to_string(static_cast<int*>(v.ptr)[i]); break;
        case VarType::Bool: s += static_cast<bool*>(v.ptr)[i] ? "T" : "F"; break;
        case VarType::String: s += static_cast<std::string*>(v.ptr)[i]; break;
      }
      out.push_back(s);
    }
  }
  return out;
}

// Runs command -3 in an empty directory of its own, so that no data file of
// another test changes what the readers of steps 15 and 16 find.
class ScratchDir : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = std::filesystem::current_path();
    dir_ = home_ / ("defaults_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                    "_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    std::filesystem::current_path(home_);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::filesystem::path home_, dir_;
};

class Defaults : public ScratchDir {};

}  // namespace

TEST(DefaultsRegistry, KeysAreUniqueAndBoundsSane) {
  std::set<std::string> keys;
  for (const StateVar& v : StateRegistry()) {
    EXPECT_TRUE(keys.insert(v.key).second) << "duplicate key " << v.key;
    EXPECT_LE(v.lo, v.hi) << v.key;
    EXPECT_NE(v.ptr, nullptr) << v.key;
  }
  EXPECT_GT(keys.size(), 380u);
  // Arrays hold the whole range the file and the kernels index.
  for (const StateVar& v : StateRegistry()) {
    std::string k = v.key;
    if (k == "lambdaErde" || k == "Schicht" || k == "RbV" || k == "lambdaRadial") {
      EXPECT_EQ(v.hi, 20) << k;
    }
    if (k == "SondeX" || k == "Sondenbelastung" || k == "Nachbarsonde") {
      EXPECT_EQ(v.hi, 600) << k;
    }
    if (k == "TProfil" || k == "zTProfil") {
      EXPECT_EQ(v.hi, 30) << k;
    }
    if (k == "LF") {
      EXPECT_EQ(v.hi, 39) << k;
    }
    if (k == "Heizlast" || k == "Laufzeit" || k == "Freecool") {
      EXPECT_EQ(v.hi, 12) << k;
    }
  }
}

TEST_F(Defaults, ProbeFluidAndGroundFigures) {
  SetDefaults();
  EXPECT_EQ(AnzahlSonden, 1);
  EXPECT_TRUE(Einzelsonde);
  EXPECT_DOUBLE_EQ(Sondenlaenge, 20.0);
  EXPECT_DOUBLE_EQ(Bohrdurchmesser, 0.12);
  EXPECT_DOUBLE_EQ(Sondendurchmesser, 0.032);
  EXPECT_NEAR(Innenrohrdurchmesser, 0.0226272, 1e-12);
  EXPECT_NEAR(Bu, 0.0796, 1e-12);
  EXPECT_NEAR(BuMin, 0.032, 1e-15);
  EXPECT_NEAR(BuMax, 0.088, 1e-15);
  EXPECT_NEAR(BuRelativ, 0.0796 / 0.12, 1e-12);
  EXPECT_DOUBLE_EQ(nueSole, 3.49e-6);
  EXPECT_DOUBLE_EQ(cpSole, 3904.6);
  EXPECT_EQ(DimRad, 5);
  EXPECT_EQ(DimAxi, 1);
  EXPECT_EQ(Zeitschritt, 60);
  EXPECT_EQ(SchritteProJahr, 8760);
  EXPECT_EQ(FileVersion, 28);
  EXPECT_NEAR(TErdoberflaeche, 9.8, 1e-12);
  EXPECT_NEAR(TProfil[1], 12.8, 1e-12);
  EXPECT_NEAR(TProfil[2], 18.8, 1e-12);
  EXPECT_DOUBLE_EQ(zTProfil[1], 100.0);
  EXPECT_DOUBLE_EQ(zTProfil[2], 300.0);
  for (int i = 3; i <= 30; ++i) EXPECT_EQ(TProfil[i], 0.0);
  EXPECT_DOUBLE_EQ(Schicht[10], 300.0);
  EXPECT_DOUBLE_EQ(Schicht[20], 600.0);
  for (int i = 1; i <= 20; ++i) {
    EXPECT_DOUBLE_EQ(lambdaErde[i], 2.4);
    EXPECT_DOUBLE_EQ(rhoFillV[i], 1180.0);
    EXPECT_DOUBLE_EQ(lambdaRadial[i], 2.4);
    EXPECT_EQ(RbV[i], 0.0);
  }
  EXPECT_DOUBLE_EQ(Auslegungsentzug, QSource);
  EXPECT_DOUBLE_EQ(Ak_Kollektor, 999999.9);
  EXPECT_DOUBLE_EQ(Durchlaessigkeit2, 1e-6);
  EXPECT_EQ(Inputfile, "input.qeb");
  EXPECT_EQ(Outputfile, "Ausgabe.qeb");
  EXPECT_EQ(StaoFile, "stao.qeb");
  EXPECT_EQ(Sprache, "S");
  EXPECT_EQ(Projekttitel1, "Programm QEB, Ver 5.6 mit Default-Werten");
}

TEST_F(Defaults, MonthlyEnergiesFollowFromShares) {
  SetDefaults();
  double heat = 0, cool = 0, free = 0, shareH = 0, shareC = 0, ww = 0;
  for (int m = 1; m <= 12; ++m) {
    heat += Heizlast[m];
    cool += Kuehllast[m];
    free += Freecool[m];
    shareH += Heizanteil[m];
    shareC += Kuehlanteil[m];
    EXPECT_EQ(KuehlanteilProfil[m], Kuehlanteil[m]);
  }
  for (int h = 1; h <= 24; ++h) ww += WWTagesprofil[h];
  EXPECT_NEAR(heat, 1800.0, 1e-9);
  EXPECT_NEAR(cool, 1200.0, 1e-9);
  EXPECT_NEAR(free, 1200.0, 1e-9);
  EXPECT_NEAR(shareH, 1.0, 1e-12);
  EXPECT_NEAR(shareC, 1.0, 1e-12);
  EXPECT_NEAR(ww, 1.0, 1e-12);
  EXPECT_NEAR(Heizlast[1], 333.0, 1e-9);
  EXPECT_NEAR(Kuehllast[7], 420.0, 1e-9);
  EXPECT_NEAR(Freecool[7], 420.0, 1e-9);
  EXPECT_EQ(Laufzeit[1], 12);
  EXPECT_EQ(Laufzeit[12], 11);
}

TEST_F(Defaults, HourlySeriesAndHeaders) {
  SetDefaults();
  for (int h = 0; h <= kStunden; ++h) {
    ASSERT_EQ(Lueftungsprofil[h], 1.0);
    ASSERT_EQ(TRLStunde[h], 18.0);
    ASSERT_EQ(TSpeicherStunde[h], 10.0);
  }
  for (int i = 10; i <= 39; ++i) EXPECT_EQ(LF[i], 1.0);
  EXPECT_EQ(Kopfzeile, "Step\tM [kg/s]\tTSink\tQ [kW]\tTSource\tTMonitor\tp [Pa]\tlaminar?");
  // Headers are Windows-1252 bytes: the degree sign is one byte.
  EXPECT_NE(KopfzeileAnlage.find("Ta [\xB0" "C]"), std::string::npos);
  EXPECT_NE(KopfzeileAnlageWP.find("QMax [kW]\tM WP [kg/s]\tQ WP [kW]\tQKollektor [kW]"), std::string::npos);
  EXPECT_EQ(KopfzeileSolar.substr(KopfzeileSolar.size() - 15), "QKollektor [kW]");
}

TEST_F(Defaults, NotResetVariablesSurvive) {
  SetDefaults();
  Beginn = 7;
  subdt = 11;
  Starttemperatur[3] = 12.5;
  Druckgradient = 0.004;
  Sondenbelastung[42] = 33.0;
  SummeQHeiz = 1234.0;
  Messung = 5.0;
  x_koord = 683000;
  StaoWert8 = 2.5;
  ReserveD = -1.0;
  AuslegungsDruckabfall_Sondenkreis = 45000.0;
  // Changed inputs must come back to their defaults.
  Sondenlaenge = 250.0;
  Nachbarsonde[0] = true;
  SondeX[600] = 12.0;
  SetDefaults();
  EXPECT_EQ(Beginn, 7);
  EXPECT_EQ(subdt, 11);
  EXPECT_EQ(Starttemperatur[3], 12.5);
  EXPECT_EQ(Druckgradient, 0.004);
  EXPECT_EQ(Sondenbelastung[42], 33.0);
  EXPECT_EQ(SummeQHeiz, 1234.0);
  EXPECT_EQ(Messung, 5.0);
  EXPECT_EQ(x_koord, 683000);
  EXPECT_EQ(StaoWert8, 2.5);
  EXPECT_EQ(ReserveD, -1.0);
  EXPECT_EQ(AuslegungsDruckabfall_Sondenkreis, 45000.0);
  EXPECT_EQ(Sondenlaenge, 20.0);
  EXPECT_FALSE(Nachbarsonde[0]);
  EXPECT_EQ(SondeX[600], 0.0);
}

TEST_F(Defaults, TwoCallsGiveTheSameState) {
  SetDefaults();
  std::vector<std::string> a = Snapshot();
  SetDefaults();
  EXPECT_EQ(a, Snapshot());
  ResetToDefaults();
  EXPECT_EQ(a, Snapshot());
}

TEST_F(Defaults, FileVersionReadsLikeTheVersionLine) {
  EXPECT_EQ(FileVersionFromLine("28.0 Version des Ausgabefiles, Programm QEB"), 28);
  EXPECT_EQ(FileVersionFromLine("14.0 Version"), 14);
  EXPECT_EQ(FileVersionFromLine("9.0 Version"), 9);  // "." is no digit: only the first
  EXPECT_EQ(FileVersionFromLine("20.0 x"), 2);       // second number 0 lies outside 1..9
}

// ---- the whole dictionary, row by row ----
//
// Every keyed default of the parameter dictionary, as its tables state it:
// key, index range (0, 0 for a scalar), kind and the value (one value for
// every index, or one per index separated by commas). Checked against the
// state after command -3 starting from a scrambled state, so that a default
// that is only right because globals start at zero is caught too.

namespace dict {

enum class Kind { Num, Approx, Bool, Str, NotReset, Whole };
struct Row {
  const char* key;
  int lo, hi;
  Kind kind;
  const char* value;
};

constexpr Row kRows[] = {
    {"TErdoberflaeche", 0, 0, Kind::Num, "9.8"},
    {"BuMin", 0, 0, Kind::Num, "0.032"},
    {"BuMax", 0, 0, Kind::Num, "0.088"},
    {"BuRelativ", 0, 0, Kind::Approx, "0.6633"},
    {"AnzahlSonden", 0, 0, Kind::Num, "1"},
    {"Sondenlaenge", 0, 0, Kind::Num, "20"},
    {"Bohrdurchmesser", 0, 0, Kind::Num, "0.12"},
    {"Sondendurchmesser", 0, 0, Kind::Num, "0.032"},
    {"Dicke_Sondenrohr", 0, 0, Kind::Num, "0.003"},
    {"R1", 0, 0, Kind::Num, "0"},
    {"Ra", 0, 0, Kind::Num, "0"},
    {"Rb", 0, 0, Kind::Num, "0"},
    {"KoaxialSonde", 0, 0, Kind::Bool, "FALSE"},
    {"Innenrohrdurchmesser", 0, 0, Kind::Num, "0.0226272"},
    {"Geocoax", 0, 0, Kind::Bool, "FALSE"},
    {"Rc", 0, 0, Kind::Num, "0"},
    {"Dicke_Innenrohr", 0, 0, Kind::Num, "0.0025"},
    {"lambdaInnenrohr", 0, 0, Kind::Num, "0.42"},
    {"Sondentyp", 0, 0, Kind::Num, "0"},
    {"Hellstroem", 0, 0, Kind::Bool, "TRUE"},
    {"Bu", 0, 0, Kind::Num, "0.0796"},
    {"lambdaRohr", 0, 0, Kind::Num, "0.42"},
    {"RaKorr", 0, 0, Kind::Bool, "TRUE"},
    {"RaKorr_einfachU", 0, 0, Kind::Num, "0.7"},
    {"einfachU", 0, 0, Kind::Bool, "FALSE"},
    {"Gegenstrom", 0, 0, Kind::Bool, "FALSE"},
    {"Rd", 0, 0, Kind::Num, "0"},
    {"Wellrohr1", 0, 0, Kind::Bool, "FALSE"},
    {"lambdaFill", 0, 0, Kind::Num, "0.81"},
    {"rhoFill", 0, 0, Kind::Num, "1180"},
    {"cpFill", 0, 0, Kind::Num, "3040"},
    {"FillVariabel", 0, 0, Kind::Bool, "FALSE"},
    {"lambdaFillV", 1, 10, Kind::Num, "0.81"},
    {"rhoFillV", 1, 10, Kind::Num, "1180"},
    {"cpFillV", 1, 10, Kind::Num, "3040"},
    {"R1V", 1, 10, Kind::Num, "0"},
    {"RaV", 1, 10, Kind::Num, "0"},
    {"RbV", 1, 10, Kind::Num, "0"},
    {"RcV", 1, 10, Kind::Num, "0"},
    {"lambdaSole", 0, 0, Kind::Num, "0.5"},
    {"rhoSole", 0, 0, Kind::Num, "1036.72"},
    {"cpSole", 0, 0, Kind::Num, "3904.6"},
    {"nueSole", 0, 0, Kind::Num, "3.49E-06"},
    {"Auslegungsmassenstrom", 0, 0, Kind::Num, "0.085"},
    {"Massenstrom", 0, 0, Kind::Num, "0.085"},
    {"stationaer", 0, 0, Kind::Bool, "TRUE"},
    {"Fluidtyp", 0, 0, Kind::Num, "7"},
    {"cpGlykol", 0, 0, Kind::Num, "3800"},
    {"mKuehl", 0, 0, Kind::Num, "0"},
    {"Durchsatz_const", 0, 0, Kind::Bool, "FALSE"},
    {"lambdaErd", 0, 0, Kind::Num, "2.4"},
    {"rhoErd", 0, 0, Kind::Num, "2600"},
    {"cpErd", 0, 0, Kind::Num, "1000"},
    {"lambdaErde", 1, 10, Kind::Num, "2.4"},
    {"rhoErde", 1, 10, Kind::Num, "2600"},
    {"cpErde", 1, 10, Kind::Num, "1000"},
    {"Jahresmitteltemp", 0, 0, Kind::Num, "9"},
    {"TGrad", 0, 0, Kind::Num, "0.03"},
    {"Bodenerwaermung", 0, 0, Kind::Num, "0.8"},
    {"lambdaErde_eff", 1, 10, Kind::Num, "2.4"},
    {"homogen", 0, 0, Kind::Bool, "TRUE"},
    {"Erdauswahl", 0, 0, Kind::Bool, "TRUE"},
    {"Erdauswahli", 1, 10, Kind::Num, "0"},
    {"ungleichmaessig", 0, 0, Kind::Bool, "FALSE"},
    {"Leitfaehigkeit2", 0, 0, Kind::Num, "0"},
    {"Leitfaehigkeit3", 0, 0, Kind::Num, "0"},
    {"Schicht", 1, 10, Kind::Num, "30,60,90,120,150,180,210,240,270,300"},
    {"cpErdeSchicht", 1, 10, Kind::Num, "1000"},
    {"rhoErdeSchicht", 1, 10, Kind::Num, "2600"},
    {"lambdaErdeSchicht", 1, 10, Kind::Num, "2.4"},
    {"TempProfil", 0, 0, Kind::Bool, "FALSE"},
    {"Jahreszeiten", 0, 0, Kind::Bool, "FALSE"},
    {"Waermefluss", 0, 0, Kind::Num, "0.072"},
    {"Klimaerwaermung", 0, 0, Kind::Num, "1.5"},
    {"Leitfaehigkeit1", 0, 0, Kind::Num, "0"},
    {"Amplitude", 0, 0, Kind::Num, "9"},
    {"Phasenverschiebung", 0, 0, Kind::Num, "15"},
    {"mit_Waermefluss", 0, 0, Kind::Num, "0"},
    {"TProfil", 1, 10, Kind::Num, "12.8,18.8,0,0,0,0,0,0,0,0"},
    {"zTProfil", 1, 10, Kind::Num, "100,300,0,0,0,0,0,0,0,0"},
    {"Starttemperatur", 1, 10, Kind::NotReset, ""},
    {"Grundwasser", 0, 0, Kind::Bool, "FALSE"},
    {"hydrDruckgradient", 0, 0, Kind::Bool, "TRUE"},
    {"GW_zeigen", 0, 0, Kind::Bool, "FALSE"},
    {"Druckgradient", 0, 0, Kind::NotReset, ""},
    {"Mittlerer_Abstand", 0, 0, Kind::Num, "10"},
    {"Niveau", 0, 0, Kind::Num, "400"},
    {"x1Isohypse1", 0, 0, Kind::Num, "0"},
    {"y1Isohypse1", 0, 0, Kind::Num, "0"},
    {"x2Isohypse1", 0, 0, Kind::Num, "0"},
    {"y2Isohypse1", 0, 0, Kind::Num, "0"},
    {"x1Isohypse2", 0, 0, Kind::Num, "0"},
    {"y1Isohypse2", 0, 0, Kind::Num, "0"},
    {"x2Isohypse2", 0, 0, Kind::Num, "0"},
    {"y2Isohypse2", 0, 0, Kind::Num, "0"},
    {"Isohypse1", 0, 0, Kind::Num, "399"},
    {"Isohypse2", 0, 0, Kind::Num, "398"},
    {"Porositaet1", 0, 0, Kind::Num, "0.15"},
    {"Porositaet2", 0, 0, Kind::Num, "0.15"},
    {"Porositaet3", 0, 0, Kind::Num, "0.15"},
    {"Durchlaessigkeit1", 0, 0, Kind::Num, "1E-06"},
    {"Durchlaessigkeit2", 0, 0, Kind::Num, "1E-06"},
    {"Durchlaessigkeit3", 0, 0, Kind::Num, "1E-06"},
    {"zSchicht1", 0, 0, Kind::Num, "1"},
    {"zSchicht2", 0, 0, Kind::Num, "2"},
    {"zSchicht3", 0, 0, Kind::Num, "3"},
    {"zSchicht4", 0, 0, Kind::Num, "4"},
    {"TempKellerSommer", 0, 0, Kind::Num, "10"},
    {"UWertKeller", 0, 0, Kind::Num, "1"},
    {"Kellerflaeche", 0, 0, Kind::Num, "0"},
    {"TempKellerWinter", 0, 0, Kind::Num, "10"},
    {"Beginn", 0, 0, Kind::NotReset, ""},
    {"LastYear", 0, 0, Kind::Num, "3"},
    {"Simulationsdauer", 0, 0, Kind::Num, "8760"},
    {"DeltaT", 0, 0, Kind::Num, "0"},
    {"MonitorAxi", 0, 0, Kind::Num, "1"},
    {"MonitorRad", 0, 0, Kind::Num, "1"},
    {"Sicherheit1", 0, 0, Kind::Num, "4"},
    {"Sicherheit2", 0, 0, Kind::Num, "2"},
    {"Zeitschritt", 0, 0, Kind::Num, "60"},
    {"RepRandbed", 0, 0, Kind::Num, "1"},
    {"DimRad", 0, 0, Kind::Num, "5"},
    {"DimAxi", 0, 0, Kind::Num, "1"},
    {"Gitterfaktor", 0, 0, Kind::Num, "2"},
    {"Rechenradius", 0, 0, Kind::Num, "2.5"},
    {"Genauigkeit", 0, 0, Kind::Num, "0.01"},
    {"StepWrite", 0, 0, Kind::Num, "1"},
    {"readfile", 0, 0, Kind::Bool, "TRUE"},
    {"writefile", 0, 0, Kind::Bool, "FALSE"},
    {"Allsteps", 0, 0, Kind::Bool, "FALSE"},
    {"Starttemp", 0, 0, Kind::Bool, "FALSE"},
    {"g1", 0, 0, Kind::Num, "4.82"},
    {"g2", 0, 0, Kind::Num, "5.69"},
    {"g3", 0, 0, Kind::Num, "6.29"},
    {"g4", 0, 0, Kind::Num, "6.57"},
    {"g5", 0, 0, Kind::Num, "6.6"},
    {"Sondenabstand", 0, 0, Kind::Num, "10"},
    {"g_Sondenabstand", 0, 0, Kind::Num, "10"},
    {"gfunction", 0, 0, Kind::Bool, "FALSE"},
    {"subdt", 0, 0, Kind::NotReset, ""},
    {"substep_run", 0, 0, Kind::NotReset, ""},
    {"substep_stop", 0, 0, Kind::NotReset, ""},
    {"gfuntyp", 0, 0, Kind::Num, "0"},
    {"Sprungantwort", 0, 0, Kind::Bool, "FALSE"},
    {"Stundensprung", 0, 0, Kind::Bool, "FALSE"},
    {"gEingabe", 0, 0, Kind::Bool, "FALSE"},
    {"Sondenauswahl", 0, 0, Kind::Num, "0"},
    {"TEarth", 0, 0, Kind::Bool, "FALSE"},
    {"stepWrite_TEarth", 0, 0, Kind::Num, "730"},
    {"Sondengrafik", 0, 0, Kind::Bool, "FALSE"},
    {"alpha_pro_Schritt", 0, 0, Kind::Bool, "TRUE"},
    {"Laenge_berechnen", 0, 0, Kind::Bool, "FALSE"},
    {"Laenge_im_Feld", 0, 0, Kind::Bool, "FALSE"},
    {"MeteoStandard", 0, 0, Kind::Bool, "TRUE"},
    {"TRT", 0, 0, Kind::Bool, "FALSE"},
    {"Hell", 0, 0, Kind::Bool, "TRUE"},
    {"start_Messung", 0, 0, Kind::Bool, "FALSE"},
    {"Messung", 0, 0, Kind::NotReset, ""},
    {"TRT_Methode", 0, 0, Kind::Num, "1"},
    {"Leistung", 0, 0, Kind::Bool, "TRUE"},
    {"Leistungsinput", 0, 0, Kind::Bool, "FALSE"},
    {"TSink", 0, 0, Kind::Num, "20"},
    {"QSource", 0, 0, Kind::Num, "1"},
    {"Durchschnittsentzug", 0, 0, Kind::Bool, "FALSE"},
    {"Laufzeit", 1, 12, Kind::Num, "12,11,9,7,3,2,2,2,3,7,9,11"},
    {"QSpitzeFeb", 0, 0, Kind::Num, "1"},
    {"DauerLastSpitze", 0, 0, Kind::Num, "2"},
    {"Kuehlsonde", 0, 0, Kind::Bool, "TRUE"},
    {"Einspeisung", 0, 0, Kind::Num, "1"},
    {"Lasteinlesen", 0, 0, Kind::Bool, "FALSE"},
    {"Lastprofil", 0, 0, Kind::Bool, "FALSE"},
    {"Warmwasser", 0, 0, Kind::Bool, "FALSE"},
    {"Jahreslaufzeit", 0, 0, Kind::Num, "2400"},
    {"JahreEinschwingen", 0, 0, Kind::Num, "1"},
    {"MaxQ", 0, 0, Kind::Bool, "FALSE"},
    {"MaxQKuehl", 0, 0, Kind::Bool, "FALSE"},
    {"Lastprofil2", 0, 0, Kind::Bool, "FALSE"},
    {"Heizleistung_Teillast", 0, 0, Kind::Num, "1.3"},
    {"Heizleistung_WW", 0, 0, Kind::Num, "1.3"},
    {"Kuehlleistung", 0, 0, Kind::Num, "2.5"},
    {"Heizleistung_Vollast", 0, 0, Kind::Num, "1.3"},
    {"Heizlast", 1, 12, Kind::Num, "333,270,252,171,27,0,0,0,0,180,252,315"},
    {"Kuehllast", 1, 12, Kind::Num, "0,0,0,0,60,240,420,360,120,0,0,0"},
    {"COP_Heizlast", 0, 0, Kind::Num, "4.2"},
    {"COP_WW", 0, 0, Kind::Num, "2.8"},
    {"EER_Kuehllast", 0, 0, Kind::Num, "3"},
    {"Jahresheizlast", 0, 0, Kind::Num, "1800"},
    {"Jahreskuehllast", 0, 0, Kind::Num, "1200"},
    {"HeizlastWW", 0, 0, Kind::Num, "600"},
    {"Heizbandlast", 0, 0, Kind::Num, "0"},
    {"Kuehlbandlast", 0, 0, Kind::Num, "0"},
    {"TageVollast", 0, 0, Kind::Num, "2"},
    {"SummeQHeiz", 0, 0, Kind::NotReset, ""},
    {"SummeQKuehl", 0, 0, Kind::NotReset, ""},
    {"TageVollastKuehlung", 0, 0, Kind::Num, "0"},
    {"EER_Vollast", 0, 0, Kind::Num, "3"},
    {"Offset", 0, 0, Kind::Num, "0"},
    {"KuehlleistungVollast", 0, 0, Kind::Num, "2.5"},
    {"Reserve7", 0, 0, Kind::Bool, "FALSE"},
    {"Anforderung", 0, 0, Kind::Num, "1"},
    {"Heizanteil", 1, 12, Kind::Num, "0.185,0.15,0.14,0.095,0.015,0,0,0,0,0.1,0.14,0.175"},
    {"Kuehlanteil", 1, 12, Kind::Num, "0,0,0,0,0.05,0.2,0.35,0.3,0.1,0,0,0"},
    {"KuehlanteilProfil", 1, 12, Kind::Num, "0,0,0,0,0.05,0.2,0.35,0.3,0.1,0,0,0"},
    {"JahresFreecooling", 0, 0, Kind::Num, "1200"},
    {"WWTagesprofil", 1, 24, Kind::Num, "0.01,0,0,0,0,0.02,0.1,0.09,0.05,0.04,0.04,0.08,0.07,0.04,0.03,0.04,0.05,0.08,0.1,0.05,0.03,0.03,0.03,0.02"},
    {"WP", 0, 0, Kind::Bool, "FALSE"},
    {"bivalent", 0, 0, Kind::Bool, "FALSE"},
    {"Kesselleistung", 0, 0, Kind::Num, "0"},
    {"COP_5", 0, 0, Kind::Num, "2.5"},
    {"COP_0", 0, 0, Kind::Num, "3"},
    {"COP5", 0, 0, Kind::Num, "3.5"},
    {"COP10", 0, 0, Kind::Num, "4"},
    {"COP15", 0, 0, Kind::Num, "4.5"},
    {"WPHeizleistung", 0, 0, Kind::Num, "1.5"},
    {"WPFrostgrenze", 0, 0, Kind::Num, "-10"},
    {"Kaeltemaschine", 0, 0, Kind::Num, "0"},
    {"TSink3", 0, 0, Kind::Num, "20"},
    {"COP_Volllast", 0, 0, Kind::Num, "3.8"},
    {"DeltaVerdampfer", 0, 0, Kind::Num, "3"},
    {"Freecooling", 0, 0, Kind::Bool, "FALSE"},
    {"TTSink", 0, 0, Kind::Num, "20"},
    {"Rueckkuehlung", 0, 0, Kind::Bool, "FALSE"},
    {"COPRueckkuehlung", 0, 0, Kind::Num, "3.5"},
    {"MinDeckungFreecooling", 0, 0, Kind::Num, "0.7"},
    {"DirektkuehlungWP", 0, 0, Kind::Bool, "FALSE"},
    {"Frostbegrenzung", 0, 0, Kind::Bool, "FALSE"},
    {"Frostgrenze", 0, 0, Kind::Num, "-3"},
    {"COP_Frostgrenze", 0, 0, Kind::Num, "9999"},
    {"MinSondentemp", 0, 0, Kind::Num, "-3"},
    {"Aufteilung", 0, 0, Kind::Bool, "FALSE"},
    {"Feld1", 0, 0, Kind::Bool, "TRUE"},
    {"Freecoolleistung", 0, 0, Kind::Num, "2.5"},
    {"Freecool", 1, 12, Kind::Num, "0,0,0,0,60,240,420,360,120,0,0,0"},
    {"Systemsimulation", 0, 0, Kind::Bool, "FALSE"},
    {"TaMin", 0, 0, Kind::Num, "16"},
    {"TaMax", 0, 0, Kind::Num, "10"},
    {"TKondens", 0, 0, Kind::Num, "14"},
    {"EtaWRG", 0, 0, Kind::Num, "0"},
    {"Ak1", 0, 0, Kind::Num, "500"},
    {"zz1", 0, 0, Kind::Num, "0.5"},
    {"Ak2", 0, 0, Kind::Num, "99999"},
    {"zz2", 0, 0, Kind::Num, "1"},
    {"Ak3", 0, 0, Kind::Num, "300"},
    {"zz3", 0, 0, Kind::Num, "0.5"},
    {"m1", 0, 0, Kind::Num, "0.04"},
    {"m2", 0, 0, Kind::Num, "0.04"},
    {"m3", 0, 0, Kind::Num, "0.04"},
    {"m4", 0, 0, Kind::Num, "0.045"},
    {"TZulSoll", 0, 0, Kind::Num, "19"},
    {"mZul", 0, 0, Kind::Num, "240"},
    {"mZul2", 0, 0, Kind::Num, "360"},
    {"TRL20", 0, 0, Kind::Num, "18"},
    {"TRL30", 0, 0, Kind::Num, "22"},
    {"DTVenti", 0, 0, Kind::Num, "0"},
    {"Frostschutz", 0, 0, Kind::Bool, "FALSE"},
    {"LFahrplan", 0, 0, Kind::Bool, "FALSE"},
    {"LF", 10, 29, Kind::Num, "1"},
    {"m5", 0, 0, Kind::Num, "0"},
    {"LFNr", 1, 7, Kind::Num, "1"},
    {"Sondenpumpe", 0, 0, Kind::Num, "50"},
    {"TRaum", 0, 0, Kind::Num, "20"},
    {"Rueckkuehler1", 0, 0, Kind::Num, "0"},
    {"RueckkuehlLeistung", 0, 0, Kind::Num, "0"},
    {"Ta_nurLuftbetrieb", 0, 0, Kind::Num, "1000"},
    {"Ta_nurQEBbetrieb", 0, 0, Kind::Num, "2"},
    {"Ein_Rueckkuehler", 0, 0, Kind::Num, "3"},
    {"Koll_Verlustfakt", 0, 0, Kind::Bool, "TRUE"},
    {"WWsolar", 0, 0, Kind::Bool, "FALSE"},
    {"WW_Bedarf", 0, 0, Kind::Num, "700"},
    {"Kollektorwahl", 0, 0, Kind::Num, "0"},
    {"WWTauscher", 0, 0, Kind::Num, "9"},
    {"Solarspeicher", 0, 0, Kind::Num, "1000"},
    {"a2", 0, 0, Kind::Num, "0"},
    {"Ak_Kollektor", 0, 0, Kind::Num, "999999.9"},
    {"solar", 0, 0, Kind::Bool, "FALSE"},
    {"unverglast", 0, 0, Kind::Bool, "TRUE"},
    {"Res1", 0, 0, Kind::Bool, "FALSE"},
    {"zzKollektor", 0, 0, Kind::Num, "0.5"},
    {"cp_Kollektor", 0, 0, Kind::Num, "3600"},
    {"Kollektor", 0, 0, Kind::Num, "10"},
    {"Absorber", 0, 0, Kind::Num, "10"},
    {"b_u", 0, 0, Kind::Num, "0.012"},
    {"u", 0, 0, Kind::Num, "1.5"},
    {"b_1", 0, 0, Kind::Num, "11.26"},
    {"a1", 0, 0, Kind::Num, "15.65"},
    {"b_2", 0, 0, Kind::Num, "2.45"},
    {"VarA", 0, 0, Kind::Num, "0"},
    {"Eta0", 0, 0, Kind::Num, "0.925"},
    {"VarB", 0, 0, Kind::Num, "0"},
    {"parallel", 0, 0, Kind::Num, "1"},
    {"VarC", 0, 0, Kind::Num, "0"},
    {"Azimut", 0, 0, Kind::Num, "45"},
    {"Ak_Fak_WWTauscher", 0, 0, Kind::Num, "100"},
    {"Neigung", 0, 0, Kind::Num, "45"},
    {"Speicherverluste", 0, 0, Kind::Num, "0.01"},
    {"MaxSondenruecklauf", 0, 0, Kind::Num, "40"},
    {"mKollektor", 0, 0, Kind::Num, "0.1"},
    {"inSerie", 0, 0, Kind::Num, "1"},
    {"WWPrio", 0, 0, Kind::Bool, "FALSE"},
    {"WWTemperatur", 0, 0, Kind::Num, "60"},
    {"Druck", 0, 0, Kind::Bool, "TRUE"},
    {"Auslegungsdruck", 0, 0, Kind::NotReset, ""},
    {"DruckabfallSonde", 0, 0, Kind::NotReset, ""},
    {"Druckberechnung", 0, 0, Kind::Bool, "TRUE"},
    {"NenndruckVerdampfer", 0, 0, Kind::Num, "10000"},
    {"NenndurchsatzVerdampfer", 0, 0, Kind::Num, "99"},
    {"NenndruckVerteiler", 0, 0, Kind::Num, "5000"},
    {"NenndurchsatzVerteiler", 0, 0, Kind::Num, "99"},
    {"NenndruckMessung", 0, 0, Kind::Num, "0"},
    {"NenndurchsatzMessung", 0, 0, Kind::Num, "99"},
    {"DurchmesserAnschluss", 0, 0, Kind::Num, "1"},
    {"LaengeAnschluss", 0, 0, Kind::Num, "5"},
    {"NenndruckVentil", 0, 0, Kind::Num, "0"},
    {"NenndurchsatzVentil", 0, 0, Kind::Num, "99"},
    {"AnzahlBogen90", 0, 0, Kind::Num, "6"},
    {"Sondenverlaengerung", 0, 0, Kind::Num, "10"},
    {"AuslegungsDruckabfall_Sondenkreis", 0, 0, Kind::NotReset, ""},
    {"AnzahlParallel", 0, 0, Kind::Num, "1"},
    {"AnzahlSonden2", 0, 0, Kind::Num, "2"},
    {"Auslegungsmassenstrom3", 0, 0, Kind::Num, "0"},
    {"Zaehler", 0, 0, Kind::Num, "0"},
    {"Multiplikator", 0, 0, Kind::Num, "0.05"},
    {"SondeNr", 0, 0, Kind::NotReset, ""},
    {"SondeX", 1, 600, Kind::Num, "0"},
    {"SondeY", 1, 600, Kind::Num, "0"},
    {"Sondenbelastung", 1, 600, Kind::NotReset, ""},
    {"Nachbarsonde", 1, 600, Kind::Bool, "FALSE"},
    {"mitPlan", 0, 0, Kind::Bool, "FALSE"},
    {"Posx", 0, 0, Kind::Num, "0"},
    {"Posy", 0, 0, Kind::Num, "0"},
    {"x_Ref", 0, 0, Kind::Num, "0"},
    {"y_Ref", 0, 0, Kind::Num, "0"},
    {"Anz_Nachbarsonden", 0, 0, Kind::Num, "0"},
    {"x_Stao", 0, 0, Kind::Num, "0"},
    {"y_Stao", 0, 0, Kind::Num, "0"},
    {"swqebinput", 0, 0, Kind::Bool, "FALSE"},
    {"AnfahrfileSchreiben", 0, 0, Kind::Bool, "FALSE"},
    {"y_CH_Koord", 0, 0, Kind::Num, "200000"},
    {"Hoeh", 0, 0, Kind::Num, "553"},
    {"Reserve27", 0, 0, Kind::Bool, "FALSE"},
    {"Reserve18", 0, 0, Kind::NotReset, ""},
    {"Standorthoehe", 0, 0, Kind::Num, "700"},
    {"Reserve19", 0, 0, Kind::NotReset, ""},
    {"mit_Standorthoehe", 0, 0, Kind::Num, "0"},
    {"ReserveA", 0, 0, Kind::NotReset, ""},
    {"x_CH_Koord", 0, 0, Kind::Num, "600000"},
    {"ReserveC", 0, 0, Kind::NotReset, ""},
    {"ReserveD", 0, 0, Kind::NotReset, ""},
    {"MassenstromAusEntzug", 0, 0, Kind::Bool, "TRUE"},
    {"Horizontalrohr", 0, 0, Kind::Bool, "FALSE"},
    {"StaoWert3", 0, 0, Kind::Num, "1.0"},
    {"Koaxialrohr2", 0, 0, Kind::Bool, "FALSE"},
    {"JahrGrafik", 0, 0, Kind::Num, "50"},
    {"x_koord", 0, 0, Kind::NotReset, ""},
    {"y_koord", 0, 0, Kind::NotReset, ""},
    {"StaoWert8", 0, 0, Kind::NotReset, ""},
    {"TRTOption", 0, 0, Kind::Bool, "TRUE"},
    {"TRTAuto", 0, 0, Kind::Bool, "TRUE"},
    {"Projekttitel1", 0, 0, Kind::Str, "Programm QEB, Ver 5.6 mit Default-Werten"},
    {"Projekttitel2", 0, 0, Kind::Str, "Projekt Erdwaermesonden"},
    {"Projekttitel3", 0, 0, Kind::Str, ""},
    {"Projekttitel4", 0, 0, Kind::Str, ""},
    {"SwqebFile", 0, 0, Kind::Str, "swqeb.dat"},
    {"Anfahrfile", 0, 0, Kind::Str, "anfahr.qeb"},
    {"Sprache", 0, 0, Kind::Str, "S"},
    {"Erdname", 31, 40, Kind::Str, ""},
    {"Inputfile", 0, 0, Kind::Str, "input.qeb"},
    {"Inputfile2", 0, 0, Kind::Str, "input.qeb"},
    {"Outputfile", 0, 0, Kind::Str, "Ausgabe.qeb"},
    {"StaoFile", 0, 0, Kind::Str, "stao.qeb"},
    {"Projektstrasse", 0, 0, Kind::Str, ""},
    {"Projektort", 0, 0, Kind::Str, ""},
    {"Planverzeichnis", 0, 0, Kind::Str, ""},
    {"Lueftungsprofil", 0, 8760, Kind::Num, "1.0"},
    {"TRLStunde", 0, 8760, Kind::Num, "18"},
    {"TSpeicherStunde", 0, 8760, Kind::Num, "10"},
    {"dTStaoSonde", 0, 600, Kind::Num, "0"},
    {"TStandortJahr", 0, 600, Kind::Num, "0"},
    {"SondeX", 1, 600, Kind::Num, "0"},
    {"SondeY", 1, 600, Kind::Num, "0"},
    {"Nachbarsonde", 0, 600, Kind::Bool, "FALSE"},
    {"TempFileWerte1", -1, -1, Kind::Whole, "0"},
    {"TempFileWerte2", -1, -1, Kind::Whole, "0"},
    {"TRTFeld1", -1, -1, Kind::Whole, "0"},
    {"TRTFeld2", -1, -1, Kind::Whole, "0"},
    {"TRTFeld3", -1, -1, Kind::Whole, "0"},
    {"TRTFeld4", -1, -1, Kind::Whole, "0"},
    {"TRTFeld5", -1, -1, Kind::Whole, "0"},
    {"Auslegungsentzug", 0, 0, Kind::Num, "1"},
    {"TSource", 0, 0, Kind::Num, "0"},
    {"Jahr", 0, 0, Kind::Num, "1"},
    {"Rechenstatus", 0, 0, Kind::Num, "0"},
    {"Laufminuten", 0, 0, Kind::Num, "60"},
    {"SchritteProJahr", 0, 0, Kind::Num, "8760"},
    {"OffsetAktuell", 0, 0, Kind::Num, "0"},
    {"Vorlauf", 0, 0, Kind::Bool, "FALSE"},
    {"AnlageAktiv", 0, 0, Kind::Bool, "TRUE"},
    {"gKurzzeitBreit", 0, 0, Kind::Bool, "TRUE"},
    {"ZweitesFeld", 0, 0, Kind::Bool, "TRUE"},
    {"Einzelsonde", 0, 0, Kind::Bool, "TRUE"},
    {"ProjektGeoeffnet", 0, 0, Kind::Bool, "FALSE"},
    {"MacModus", 0, 0, Kind::Bool, "FALSE"},
    {"Win10Modus", 0, 0, Kind::Bool, "FALSE"},
    {"SondenfeldGrafikjahr", 0, 0, Kind::Bool, "FALSE"},
    {"Markergroesse", 0, 0, Kind::Num, "6"},
    {"Trefferradius", 0, 0, Kind::Num, "7"},
    {"FileVersion", 0, 0, Kind::Num, "28"},
    {"StaoGelesen", 0, 0, Kind::Bool, "FALSE"},
    {"Reserve27", 0, 0, Kind::Bool, "FALSE"},
    {"TKaltwasser", 0, 0, Kind::Num, "10"},
    {"DeltaT_WW", 0, 0, Kind::Num, "0"},
    {"SummeGlobalstrahlung", 0, 0, Kind::Num, "1.0"},
    {"SummeAussentemperatur", 0, 0, Kind::Num, "1.0"},
    {"StaoFehlt", 0, 0, Kind::Bool, "FALSE"},
    {"TStandort50", 0, 0, Kind::Num, "0"},
    {"RueckkuehlerHeizen", 0, 0, Kind::Bool, "TRUE"},
};

}  // namespace dict

namespace {

// Where a dictionary name lives: the registry, or one of the tables the unit
// header declares beside it.
struct Target {
  VarType type;
  void* ptr;
  int hi;  // last valid index (0 for a scalar)
};

std::map<std::string, Target> Targets() {
  std::map<std::string, Target> t;
  for (const StateVar& v : StateRegistry()) t[v.key] = {v.type, v.ptr, v.hi};
  t["Lueftungsprofil"] = {VarType::Double, Lueftungsprofil, kStunden};
  t["TRLStunde"] = {VarType::Double, TRLStunde, kStunden};
  t["TSpeicherStunde"] = {VarType::Double, TSpeicherStunde, kStunden};
  t["dTStaoSonde"] = {VarType::Double, dTStaoSonde, kMaxSonden};
  t["TStandortJahr"] = {VarType::Double, TStandortJahr, kMaxSonden + 1};
  t["Erdname"] = {VarType::String, Erdname, 40};
  return t;
}

struct Whole {
  const char* key;
  double* first;
  size_t count;
};
template <size_t N, size_t M>
Whole W(const char* key, double (&a)[N][M]) {
  return {key, &a[0][0], N * M};
}
std::vector<Whole> WholeTables() {
  return {W("TempFileWerte1", TempFileWerte1), W("TempFileWerte2", TempFileWerte2), W("TRTFeld1", TRTFeld1),
          W("TRTFeld2", TRTFeld2),             W("TRTFeld3", TRTFeld3),             W("TRTFeld4", TRTFeld4),
          W("TRTFeld5", TRTFeld5)};
}

std::vector<std::string> SplitCommas(const std::string& s) {
  std::vector<std::string> out;
  size_t start = 0;
  for (;;) {
    size_t p = s.find(',', start);
    out.push_back(s.substr(start, p == std::string::npos ? std::string::npos : p - start));
    if (p == std::string::npos) return out;
    start = p + 1;
  }
}

// Value of the row for index i.
std::string ValueAt(const dict::Row& r, int i) {
  if (r.kind == dict::Kind::Str) return r.value;
  std::vector<std::string> v = SplitCommas(r.value);
  if (v.size() == 1) return v[0];
  return v.at(static_cast<size_t>(i - r.lo));
}

// Junk in every variable that the dictionary names (the not-reset ones get a
// value of their own that must survive), all booleans set to `flags`.
void Scramble(bool flags) {
  for (auto& [key, t] : Targets()) {
    for (int i = 0; i <= t.hi; ++i) {
      switch (t.type) {
        case VarType::Double: static_cast<double*>(t.ptr)[i] = flags ? -777.25 : 0.0; break;
        case VarType::Int: static_cast<int*>(t.ptr)[i] = flags ? -777 : 0; break;
        case VarType::Bool: static_cast<bool*>(t.ptr)[i] = flags; break;
        case VarType::String: static_cast<std::string*>(t.ptr)[i] = flags ? "junk" : ""; break;
      }
    }
  }
  for (const Whole& w : WholeTables())
    for (size_t k = 0; k < w.count; ++k) w.first[k] = flags ? -777.25 : 0.0;
}

class DefaultsDictionary : public ScratchDir {};

TEST_F(DefaultsDictionary, EveryRowNamesAVariableOfItsType) {
  const auto targets = Targets();
  std::set<std::string> wholes;
  for (const Whole& w : WholeTables()) wholes.insert(w.key);
  for (const dict::Row& r : dict::kRows) {
    if (r.kind == dict::Kind::Whole) {
      EXPECT_TRUE(wholes.count(r.key)) << r.key;
      continue;
    }
    auto it = targets.find(r.key);
    ASSERT_NE(it, targets.end()) << "no variable " << r.key;
    const Target& t = it->second;
    EXPECT_LE(r.hi, t.hi) << r.key << " is too short";
    EXPECT_LE(r.lo, r.hi) << r.key;
    size_t values = r.kind == dict::Kind::Str ? 1 : SplitCommas(r.value).size();
    EXPECT_TRUE(values == 1 || values == static_cast<size_t>(r.hi - r.lo + 1)) << r.key;
    switch (r.kind) {
      case dict::Kind::Num:
      case dict::Kind::Approx:
        EXPECT_TRUE(t.type == VarType::Double || t.type == VarType::Int) << r.key;
        break;
      case dict::Kind::Bool: EXPECT_EQ(t.type, VarType::Bool) << r.key; break;
      case dict::Kind::Str: EXPECT_EQ(t.type, VarType::String) << r.key; break;
      default: break;
    }
  }
}

TEST_F(DefaultsDictionary, RegistryAndTablesAgreeOnKeysAndTheNotResetList) {
  std::set<std::string> rowKeys, notReset;
  for (const dict::Row& r : dict::kRows) {
    rowKeys.insert(r.key);
    if (r.kind == dict::Kind::NotReset) notReset.insert(r.key);
  }
  // Keys whose value the tables leave open (the writer's row count, the
  // results of the two readers) or give in prose (the radial conductivities
  // and the step-table headers, checked on their own).
  const std::set<std::string> open = {"numrows",   "GeologieGelesen", "StaoGefunden",      "lambdaRadial",
                                      "Kopfzeile", "KopfzeileAnlage", "KopfzeileAnlageWP", "KopfzeileSolar"};
  for (const StateVar& v : StateRegistry()) {
    if (open.count(v.key)) continue;
    EXPECT_TRUE(rowKeys.count(v.key)) << v.key << " has no default in the dictionary";
    EXPECT_EQ(v.notReset, notReset.count(v.key) == 1) << v.key;
  }
  EXPECT_EQ(notReset.size(), 22u);
}

TEST_F(DefaultsDictionary, EveryKeyedValueAfterCommandMinus3) {
  const auto targets = Targets();
  for (bool flags : {true, false}) {
    SCOPED_TRACE(flags ? "from junk and TRUE flags" : "from zeros and FALSE flags");
    Scramble(flags);
    // The not-reset values carry their own marks.
    std::map<std::string, double> marks;
    double mark = 100.5;
    for (const dict::Row& r : dict::kRows) {
      if (r.kind != dict::Kind::NotReset) continue;
      const Target& t = targets.at(r.key);
      for (int i = r.lo; i <= r.hi; ++i, mark += 1.0) {
        double stored = t.type == VarType::Int ? std::floor(mark) : mark;
        if (t.type == VarType::Double) static_cast<double*>(t.ptr)[i] = stored;
        if (t.type == VarType::Int) static_cast<int*>(t.ptr)[i] = static_cast<int>(stored);
        marks[std::string(r.key) + "[" + std::to_string(i) + "]"] = stored;
      }
    }
    SetDefaults();
    int checked = 0;
    for (const dict::Row& r : dict::kRows) {
      if (r.kind == dict::Kind::Whole) {
        for (const Whole& w : WholeTables()) {
          if (std::string(w.key) != r.key) continue;
          for (size_t k = 0; k < w.count; ++k) ASSERT_EQ(w.first[k], 0.0) << r.key << " element " << k;
          ++checked;
        }
        continue;
      }
      const Target& t = targets.at(r.key);
      for (int i = r.lo; i <= r.hi; ++i, ++checked) {
        const std::string where = std::string(r.key) + "[" + std::to_string(i) + "]";
        const std::string want = ValueAt(r, i);
        switch (r.kind) {
          case dict::Kind::NotReset: {
            double got = t.type == VarType::Double ? static_cast<double*>(t.ptr)[i]
                                                   : static_cast<int*>(t.ptr)[i];
            EXPECT_EQ(got, marks.at(where)) << where << " must keep its value";
            break;
          }
          case dict::Kind::Num:
          case dict::Kind::Approx: {
            std::optional<double> w = ParseReal(want);
            ASSERT_TRUE(w.has_value()) << where << " " << want;
            if (t.type == VarType::Int) {
              EXPECT_EQ(static_cast<int*>(t.ptr)[i], static_cast<int>(*w)) << where;
              EXPECT_EQ(std::floor(*w), *w) << where;
            } else {
              double got = static_cast<double*>(t.ptr)[i];
              double tol = r.kind == dict::Kind::Approx ? 1e-4 * std::fabs(*w) : 1e-12 * std::fabs(*w);
              if (*w == 0.0)
                EXPECT_EQ(got, 0.0) << where;
              else
                EXPECT_NEAR(got, *w, tol) << where;
            }
            break;
          }
          case dict::Kind::Bool:
            EXPECT_EQ(static_cast<bool*>(t.ptr)[i], want == "TRUE") << where;
            break;
          case dict::Kind::Str:
            EXPECT_EQ(static_cast<std::string*>(t.ptr)[i], want) << where;
            break;
          case dict::Kind::Whole: break;
        }
      }
    }
    EXPECT_GT(checked, 12000);
  }
}

// What the tables say in prose: the layer arrays take their defaults for 1..20
// though the file stores 1..10, the profile arrays are cleared over 0..30, the
// schedule holds 10..39, and entry 0 of the neighbour flags is cleared too.
TEST_F(DefaultsDictionary, RangesBeyondTheStoredEntries) {
  Scramble(true);
  SetDefaults();
  struct Layer {
    const double* a;
    double v;
    const char* name;
  };
  const Layer layers[] = {{lambdaErde, 2.4, "lambdaErde"},
                          {rhoErde, 2600, "rhoErde"},
                          {cpErde, 1000, "cpErde"},
                          {lambdaErdeSchicht, 2.4, "lambdaErdeSchicht"},
                          {rhoErdeSchicht, 2600, "rhoErdeSchicht"},
                          {cpErdeSchicht, 1000, "cpErdeSchicht"},
                          {lambdaErde_eff, 2.4, "lambdaErde_eff"},
                          {lambdaFillV, 0.81, "lambdaFillV"},
                          {rhoFillV, 1180, "rhoFillV"},
                          {cpFillV, 3040, "cpFillV"},
                          {R1V, 0, "R1V"},
                          {RaV, 0, "RaV"},
                          {RbV, 0, "RbV"},
                          {RcV, 0, "RcV"},
                          {lambdaRadial, 2.4, "lambdaRadial"}};
  for (const Layer& l : layers)
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(l.a[i], l.v) << l.name << "[" << i << "]";
  for (int i = 0; i <= 20; ++i) EXPECT_EQ(Schicht[i], 30.0 * i) << "Schicht[" << i << "]";
  for (int i = 0; i <= 30; ++i) {
    if (i == 1 || i == 2) continue;
    EXPECT_EQ(TProfil[i], 0.0) << i;
    EXPECT_EQ(zTProfil[i], 0.0) << i;
  }
  for (int i = 10; i <= 39; ++i) EXPECT_EQ(LF[i], 1.0) << i;
  EXPECT_FALSE(Nachbarsonde[0]);
  for (int i = 0; i <= kMaxSonden + 1; ++i) EXPECT_EQ(TStandortJahr[i], 0.0) << i;
  EXPECT_FALSE(GeologieGelesen);  // nothing to read in an empty directory
  EXPECT_FALSE(StaoGefunden);
  EXPECT_FALSE(StaoFehlt);
}

// Values that the reader, the run and the plant keep beside the dictionary
// come back with command -3 too, so that a project opened before leaves
// nothing behind.
TEST_F(DefaultsDictionary, StateOfTheOtherUnitsComesBack) {
  SetDefaults();
  MessungJahre = 3;
  MessungEinlesen = false;
  ErstesJahrWiederholen = false;
  MesswerteSpeichern = true;
  WetterGeladen = true;
  TRTHeizdauer = 120.0;
  SchichtLambdaDirekt = false;
  KollVerlustAnteil = 0.3;
  SetDefaults();
  EXPECT_EQ(MessungJahre, 1);
  EXPECT_TRUE(MessungEinlesen);
  EXPECT_TRUE(ErstesJahrWiederholen);
  EXPECT_FALSE(MesswerteSpeichern);
  EXPECT_FALSE(WetterGeladen);
  EXPECT_EQ(TRTHeizdauer, 5760.0);
  EXPECT_TRUE(SchichtLambdaDirekt);
  EXPECT_EQ(KollVerlustAnteil, 0.1);
}

// A new project has no recooler: the recooler of the project before (from
// its file or its window) reaches neither the new project's state nor the
// file it writes (line 964, from which the project is read again), and its
// step table has the plain header.
TEST_F(DefaultsDictionary, NewProjectHasNoRecooler) {
  Simulate(-3);
  mitRueckkuehler = true;
  RueckkuehlerHeizen = false;
  Rueckkuehler1 = 2.0;
  Simulate(-3);
  EXPECT_FALSE(mitRueckkuehler);
  EXPECT_TRUE(RueckkuehlerHeizen);
  EXPECT_EQ(Rueckkuehler1, 0.0);
  EXPECT_FALSE(solar);

  int zs = Zeitschritt, spj = SchritteProJahr;
  WriteOutputHeader("neu.txt", zs, spj);
  AusgabeText.Close();
  LineReader f;
  ASSERT_TRUE(f.Open("neu.txt"));
  std::string line, line964, line1001;
  for (int l = 1; l <= 1001 && f.Next(line); ++l) {
    if (l == 964) line964 = line;
    if (l == 1001) line1001 = line;
  }
  f.Close();
  const std::vector<std::string> values = SplitTabs(line964);
  ASSERT_GE(values.size(), 2u) << line964;
  EXPECT_EQ(ParseReal(values[1]), 0.0) << line964;
  EXPECT_EQ(line1001, Kopfzeile);
}

void WriteBytes(const std::string& name, const std::string& bytes) {
  std::FILE* f = std::fopen(name.c_str(), "wb");
  ASSERT_NE(f, nullptr) << name;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// The site file is read under the name the previous project left; the
// default name is set only afterwards, so a second call finds "stao.qeb".
TEST_F(DefaultsDictionary, SiteFileIsReadUnderTheNameLeftBefore) {
  WriteBytes("stao.qeb", "Standort\r\nYear\tx-Koord\ty-Koord\tdT Stao [K]\r\n1\t0\t0\t0.25\r\n2\t0\t0\t0.5\r\n");
  WriteBytes("own.stao", "Standort\r\nYear\tx-Koord\ty-Koord\tdT Stao [K]\r\n1\t0\t0\t-1.5\r\n");
  StaoFile.clear();  // as at program start
  SetDefaults();
  EXPECT_FALSE(StaoGefunden);
  EXPECT_FALSE(StaoGelesen);
  EXPECT_EQ(TStandortJahr[0], 0.0);
  EXPECT_EQ(StaoFile, "stao.qeb");

  Reserve27 = true;
  SetDefaults();
  EXPECT_TRUE(StaoGefunden);
  EXPECT_TRUE(StaoGelesen);
  EXPECT_EQ(TStandortJahr[0], 0.25);
  EXPECT_EQ(TStandortJahr[1], 0.5);
  EXPECT_EQ(TStandortJahr[2], 0.0);
  EXPECT_FALSE(Reserve27);
  EXPECT_FALSE(StaoFehlt);

  StaoFile = "own.stao";
  SetDefaults();
  EXPECT_TRUE(StaoGefunden);
  EXPECT_EQ(TStandortJahr[0], -1.5);
  EXPECT_EQ(TStandortJahr[1], 0.0);  // nothing of the longer file before stays
  EXPECT_EQ(StaoFile, "stao.qeb");

  // A project's own file that has gone missing is no error for command -3.
  StaoFile = "gone.stao";
  Reserve27 = true;
  SetDefaults();
  EXPECT_FALSE(StaoGefunden);
  EXPECT_FALSE(StaoFehlt);
  EXPECT_EQ(TStandortJahr[0], 0.0);
}

TEST_F(DefaultsDictionary, RockTableFileReplacesTheBuiltInRows) {
  WriteBytes("geologie.qeb", "Name\tLambda\tRho\tcp\r\nSand\t1.1\t1900\t850\r\nLehm\xE4\t1.3\t2000\t900\r\n");
  Erdname[35] = "from a project";
  SetDefaults();
  EXPECT_TRUE(GeologieGelesen);
  EXPECT_EQ(Erdname[1], "Sand");
  EXPECT_EQ(Erdlambda[1], 1.1);
  EXPECT_EQ(Erdrho[1], 1900.0);
  EXPECT_EQ(Erdcp[1], 850.0);
  EXPECT_EQ(Erdname[2], "Lehm\xE4");
  EXPECT_EQ(Erdname[19], "Granit");  // rows the file does not hold stay built in
  EXPECT_EQ(Erdname[35], "");
  EXPECT_EQ(Erdlambda[35], 2.4);
  std::filesystem::remove("geologie.qeb");
  SetDefaults();
  EXPECT_FALSE(GeologieGelesen);
  EXPECT_EQ(Erdname[1], "Schotter trocken");
  EXPECT_EQ(Erdrho[1], 2000.0);
}

TEST_F(Defaults, StepTableHeadersByteForByte) {
  SetDefaults();
  EXPECT_EQ(Kopfzeile, "Step\tM [kg/s]\tTSink\tQ [kW]\tTSource\tTMonitor\tp [Pa]\tlaminar?");
  const std::string plant =
      "Step\tM [kg/s]\tTSink\tQ [kW]\tTSource\tTa [\xB0" "C]\tRH [%]\tGk [W/m2]\tTZul [\xB0" "C]\tTVL [\xB0" "C]\t"
      "TRL [\xB0" "C]\trel. Luftmenge [-]\tQMax [kW]\t";
  EXPECT_EQ(KopfzeileAnlage, plant + "QKollektor [kW]");
  EXPECT_EQ(KopfzeileAnlageWP, plant + "M WP [kg/s]\tQ WP [kW]\tQKollektor [kW]");
  EXPECT_EQ(KopfzeileSolar,
            "Step\tM [kg/s]\tTSink\tQ [kW]\tTSource\tTa [\xB0" "C]\tGk [MJ/m2]\tTMonitor\tp [Pa]\tlaminar?\t"
            "QKollektor [kW]");
}

}  // namespace
