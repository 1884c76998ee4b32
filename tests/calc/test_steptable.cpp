// Rows of the step table and the ground temperature file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> out;
  size_t p = 0;
  while (p < bytes.size()) {
    size_t e = bytes.find("\r\n", p);
    EXPECT_NE(e, std::string::npos) << "line without CR LF";
    if (e == std::string::npos) break;
    out.push_back(bytes.substr(p, e - p));
    p = e + 2;
  }
  return out;
}

class StepTable : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaults();
    ResetFileState();
    mitRueckkuehler = false;
    AusgabeText.Open("st.qeb");
  }
  void TearDown() override {
    AusgabeText.Close();
    CloseTEarthFile();
  }
  // Writes one row with the given loads and returns it.
  std::string Row(int s, bool sys = false) {
    AusgabeText.Close();
    AusgabeText.Open("st.qeb");
    int z = s;
    WriteStepRow(z, m, tSink, q, tSource, tMon, p, qk, lam, sys);
    AusgabeText.Close();
    auto l = Lines(Slurp("st.qeb"));
    EXPECT_EQ(l.size(), 1u);
    return l.empty() ? std::string() : l[0];
  }
  double m = 0.085, tSink = 20.0, q = 1.0, tSource = 10.0, tMon = 9.876, p = 1234.4, qk = -2.5;
  bool lam = false;
};

TEST_F(StepTable, PlainRowHasEightFields) {
  EXPECT_EQ(Row(5), "5\t0.085\t20.000\t1.000\t10.000\t9.88\t1234\tFALSE");
  tSink = -3.25;
  lam = true;
  EXPECT_EQ(Row(6), "6\t0.085\t-3.250\t1.000\t10.000\t9.88\t1234\tTRUE");
}

TEST_F(StepTable, FreecoolingMovesTSinkBehindQeff) {
  Freecooling = true;
  TSinkKuehlStunde[7] = 18.0;
  // Qeff = (10 - 20) * 0.085 * 3904.6 / 1000 = -3.31891
  EXPECT_EQ(Row(7), "7\t0.085\t18.000\t1.000\t10.000\t9.88\t1234\tFALSE\t-3.319\t20.000");
  Rueckkuehlung = true;
  EXPECT_EQ(Row(7), "7\t0.085\t18.000\t1.000\t10.000\t9.88\t1234\tFALSE\t-3.319\t20.000\t-2.500");
}

TEST_F(StepTable, StepResponseRowsUseTheTraces) {
  Sprungantwort = Stundensprung = true;
  TSinkVerlauf[3] = 5.5;
  TSourceVerlauf[3] = 6.5;
  EXPECT_EQ(Row(3), "3\t0.085\t5.500\t1.000\t6.500\t9.88\t1234\tFALSE");
  EXPECT_THROW(Row(kVerlaufMax + 1), CalcError) << "traces are read only within their bounds";
}

TEST_F(StepTable, SystemSimulationRowsEndWithTheirLastPlantColumn) {
  Systemsimulation = true;
  int s = 10;
  MassenstromStunde[s] = 0.5;
  TSinkStunde[s] = 3.0;
  QStunde[s] = 2.0;
  TSourceStunde[s] = 4.0;
  Aussentemperatur[s] = -1.25;
  Luftfeuchte[s] = 80.0;
  Globalstrahlung[s] = 0.3;
  TZulStunde[s] = 19.0;
  TVLStunde[s] = 7.0;
  TRLStunde[s] = 8.0;
  Lueftungsprofil[s] = 1.0;
  QMaxStunde[s] = 3.5;
  MWPStunde[s] = 0.2;
  QWPStunde[s] = 1.1;
  std::string base = "10\t0.500\t3.000\t2.000\t4.000\t-1.2\t80.0\t0.300\t19.00\t7.00\t8.00\t1.00\t3.50";
  EXPECT_EQ(Row(s, true), base);
  EXPECT_EQ(SplitTabs(Row(s, true)).size(), 13u);
  DirektkuehlungWP = true;
  EXPECT_EQ(Row(s, true), base + "\t0.200\t1.100");
  EXPECT_THROW(Row(9000, true), CalcError);
}

TEST_F(StepTable, RecoolerRowsMatchTheirHeader) {
  mitRueckkuehler = true;
  int s = 2;
  Aussentemperatur[s] = 12.0;
  Globalstrahlung[s] = 1.5;
  QRueckkuehlStunde[s] = -4.0;
  QKollektorStunde[s] = 6.0;
  QwwSolarStunde[s] = 0.5;
  std::string row = Row(s);
  EXPECT_EQ(row, "2\t0.085\t20.000\t1.000\t10.000\t12.0\t1.500\t9.88\t1234\tFALSE\t-4.000");
  EXPECT_EQ(SplitTabs(row).size(), 11u);
  EXPECT_EQ(SplitTabs(KopfzeileSolar).size(), 11u);
  WWsolar = true;
  EXPECT_EQ(Row(s), "2\t0.085\t20.000\t1.000\t10.000\t12.0\t1.500\t9.88\t1234\tFALSE\t6.000\t0.500");
  WWsolar = false;
  mitRueckkuehler = false;
  solar = true;
  EXPECT_EQ(Row(s), "2\t0.085\t20.000\t1.000\t10.000\t12.0\t1.500\t9.88\t1234\tFALSE\t6.000");
  Freecooling = true;
  Rueckkuehlung = true;
  TSinkKuehlStunde[s] = 16.0;
  EXPECT_EQ(Row(s), "2\t0.085\t16.000\t1.000\t10.000\t12.0\t1.500\t9.88\t1234\tFALSE\t-3.319\t20.000\t-2.500\t6.000");
  WWsolar = true;
  EXPECT_EQ(Row(s),
            "2\t0.085\t16.000\t1.000\t10.000\t12.0\t1.500\t9.88\t1234\tFALSE\t-3.319\t20.000\t-2.500\t6.000\t0.500");
  mitRueckkuehler = true;
  WWsolar = false;
  EXPECT_EQ(Row(s), "2\t0.085\t16.000\t1.000\t10.000\t12.0\t1.500\t9.88\t1234\tFALSE\t-3.319\t20.000\t-4.000");
}

TEST_F(StepTable, MeasuredValuesStandInWhileSaving) {
  MesswerteSpeichern = true;
  MassenstromStunde[4] = 0.3;
  TSinkMessungStunde[4] = 7.0;
  QLastStunde[4] = 2.5;
  // What the run recorded for the hour does not reach the row.
  TSinkStunde[4] = 13.5;
  EXPECT_EQ(Row(4), "4\t0.300\t7.000\t2.500\t10.000\t9.88\t1234\tFALSE");
  // Row 0 is the run's start, not a measured hour.
  MassenstromStunde[0] = 0.0;
  TSinkStunde[0] = 9.5;
  TSinkMessungStunde[0] = -99.0;
  QLastStunde[0] = 0.0;
  EXPECT_EQ(Row(0), "0\t0.000\t9.500\t0.000\t10.000\t9.88\t1234\tFALSE");
  EXPECT_EQ(m, 0.085);
  EXPECT_EQ(tSink, 20.0);
  EXPECT_EQ(q, 1.0);
  MesswerteSpeichern = false;
}

TEST(StepTableRadii, ClosedFormOfTheRingGrid) {
  double r[14], rm[14];
  // Factor 2, three cells: ring widths d and 2d with d = (2.5 - 0.06) / 3.
  RingRadii(3, 0.013, 0.06, 2.5, 2.0, r, rm);
  double d = 2.44 / 3.0;
  EXPECT_DOUBLE_EQ(r[0], 0.013);
  EXPECT_DOUBLE_EQ(r[1], 0.06);
  EXPECT_NEAR(r[2], 0.06 + d, 1e-12);
  EXPECT_DOUBLE_EQ(r[3], 2.5);
  EXPECT_NEAR(r[3] - r[2], 2 * d, 1e-12);
  EXPECT_DOUBLE_EQ(rm[0], 0.013);
  EXPECT_NEAR(rm[2], std::sqrt((r[2] * r[2] + r[1] * r[1]) / 2), 1e-15);
  EXPECT_DOUBLE_EQ(rm[4], 2.5);
  // Factor 1: equal widths.
  RingRadii(5, 0.013, 0.06, 2.5, 1.0, r, rm);
  for (int k = 2; k <= 5; ++k) EXPECT_NEAR(r[k] - r[k - 1], 2.44 / 4, 1e-12) << k;
  EXPECT_THROW(RingRadii(1, 0.013, 0.06, 2.5, 2.0, r, rm), CalcError);
  EXPECT_THROW(RingRadii(13, 0.013, 0.06, 2.5, 2.0, r, rm), CalcError);
  EXPECT_THROW(RingRadii(3, 0.013, 0.06, 0.05, 2.0, r, rm), CalcError);
  EXPECT_THROW(RingRadii(3, 0.013, 0.06, 2.5, 0.0, r, rm), CalcError);
}

class StepTableTEarth : public StepTable {
 protected:
  void SetUp() override {
    StepTable::SetUp();
    std::remove("TEarth.qeb");
    TEarth = true;
    DimAxi = 2;
    DimRad = 3;
    Sondenlaenge = 100.0;
    stepWrite_TEarth = 24;
  }
};

TEST_F(StepTableTEarth, HeaderDescribesTheGrid) {
  WriteTEarthHeader();
  CloseTEarthFile();
  auto l = Lines(Slurp("TEarth.qeb"));
  ASSERT_EQ(l.size(), 16u);
  EXPECT_EQ(l[0], "Ausgabefile TEarth.qeb mit allen berechneten Erdtemperaturen");
  EXPECT_EQ(l[1], "");
  EXPECT_EQ(l[2], "Programm QEB, Ver 5.6 mit Default-Werten");
  EXPECT_EQ(l[6], "1\t" + Labeltabelle[6]);
  EXPECT_EQ(l[7], "100.00\t" + Labeltabelle[7]);
  EXPECT_EQ(l[8], "2\t\tDimAxi");
  EXPECT_EQ(l[9], "3\t\tDimRad");
  EXPECT_EQ(l[11], "Tiefe [m]\t25.00\t25.00\t25.00\t25.00\t25.00\t75.00\t75.00\t75.00\t75.00\t75.00");
  // r_in = 0.016 - 0.003; rb = 0.06; ring ends 0.873 and 2.5 (widths d, 2d).
  EXPECT_EQ(l[12], "von Radius r [m]\t\t0\t0.013\t0.060\t0.873\t\t0\t0.013\t0.060\t0.873");
  EXPECT_EQ(l[13], "bis Radius r [m]\t\t0.013\t0.060\t0.873\t2.500\t\t0.013\t0.060\t0.873\t2.500");
  double m0 = std::sqrt((0.06 * 0.06 + 0.013 * 0.013) / 2), r1 = 0.06 + 2.44 / 3;
  double m1 = std::sqrt((r1 * r1 + 0.06 * 0.06) / 2), m2 = std::sqrt((2.5 * 2.5 + r1 * r1) / 2);
  std::string g = "\t\t0.013\t" + FormatFixed(m0, 0, 3) + "\t" + FormatFixed(m1, 0, 3) + "\t" + FormatFixed(m2, 0, 3);
  EXPECT_EQ(l[14], "Schwerpunkt-Radius rz [m]" + g + g);
  EXPECT_EQ(l[15], "filestep [h] im Jahr 3");
  EXPECT_DOUBLE_EQ(Ringbreite, 2.44);
}

TEST_F(StepTableTEarth, RowsEveryNthStep) {
  WriteTEarthHeader();
  for (int a = 1; a <= 2; ++a)
    for (int k = 0; k <= 3; ++k) TGitter[a][k] = 10.0 * a + k + 0.125;
  for (int s = 1; s <= 50; ++s) Row(s);
  CloseTEarthFile();
  auto l = Lines(Slurp("TEarth.qeb"));
  ASSERT_EQ(l.size(), 18u);
  EXPECT_EQ(l[16], "24\t\t10.12\t11.12\t12.12\t13.12\t\t20.12\t21.12\t22.12\t23.12");
  EXPECT_TRUE(l[17].starts_with("48\t\t"));
}

TEST_F(StepTableTEarth, CoaxialRowsCarryTheUpwardChannel) {
  KoaxialSonde = true;
  stepWrite_TEarth = 1;
  WriteTEarthHeader();
  TSoleAuf[1] = 4.5;
  TSoleAuf[2] = 5.5;
  Row(1);
  CloseTEarthFile();
  auto l = Lines(Slurp("TEarth.qeb"));
  ASSERT_EQ(l.size(), 17u);
  EXPECT_TRUE(l[14].starts_with("Schwerpunkt-Radius rz [m]\tTUp\t"));
  EXPECT_TRUE(l[16].starts_with("1\t4.50\t")) << l[16];
}

TEST_F(StepTableTEarth, OffWritesNothing) {
  TEarth = false;
  WriteTEarthHeader();
  Row(24);
  CloseTEarthFile();
  std::FILE* f = std::fopen("TEarth.qeb", "rb");
  EXPECT_EQ(f, nullptr);
  if (f) std::fclose(f);
}

}  // namespace
}  // namespace qeb
