#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"

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

TEST(Defaults, ProbeFluidAndGroundFigures) {
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
  EXPECT_EQ(Projekttitel1, "Programm QEB, Ver 5.5 mit Default-Werten");
}

TEST(Defaults, MonthlyEnergiesFollowFromShares) {
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

TEST(Defaults, HourlySeriesAndHeaders) {
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

TEST(Defaults, NotResetVariablesSurvive) {
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

TEST(Defaults, TwoCallsGiveTheSameState) {
  SetDefaults();
  std::vector<std::string> a = Snapshot();
  SetDefaults();
  EXPECT_EQ(a, Snapshot());
  ResetToDefaults();
  EXPECT_EQ(a, Snapshot());
}

TEST(Defaults, FileVersionReadsLikeTheVersionLine) {
  EXPECT_EQ(FileVersionFromLine("28.0 Version des Ausgabefiles, Programm QEB"), 28);
  EXPECT_EQ(FileVersionFromLine("14.0 Version"), 14);
  EXPECT_EQ(FileVersionFromLine("9.0 Version"), 9);  // "." is no digit: only the first
  EXPECT_EQ(FileVersionFromLine("20.0 x"), 2);       // second number 0 lies outside 1..9
}
