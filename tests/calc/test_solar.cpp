#include <gtest/gtest.h>

#include <cmath>

#include "calc/QEBMOD.h"

using namespace qeb;

namespace {

TEST(SolarOrientation, FixedPointsAndRounding) {
  Koll_Verlustfakt = false;
  EXPECT_EQ(CollectorOrientationFactor(45, 45), 1.0);
  EXPECT_EQ(CollectorOrientationFactor(44.905, -70), 1.0);
  for (double az : {-90.0, -30.0, 0.0, 60.0, 90.0}) EXPECT_DOUBLE_EQ(CollectorOrientationFactor(1, az), 83.0 / 91.0);
  EXPECT_EQ(CollectorOrientationFactor(30, 100), 0.0);
  EXPECT_EQ(CollectorOrientationFactor(-1, 0), 0.0);
  EXPECT_EQ(CollectorOrientationFactor(91, 0), 0.0);
  // tilt 15 and 25 both round to the 20° row (halves to even), south column: 94 %
  EXPECT_DOUBLE_EQ(CollectorOrientationFactor(15, 0), 0.94 / 0.91);
  EXPECT_DOUBLE_EQ(CollectorOrientationFactor(25, 0), 0.94 / 0.91);
  // vertical east (+90) and west (-90) facades: 64 % and 55 %
  EXPECT_DOUBLE_EQ(CollectorOrientationFactor(90, 90), 0.64 / 0.91);
  EXPECT_DOUBLE_EQ(CollectorOrientationFactor(90, -90), 0.55 / 0.91);
  // azimuth 22.5 gives -1.5, which rounds to -2 (halves to even): column 5 of the 30° row = 95 %
  EXPECT_DOUBLE_EQ(CollectorOrientationFactor(30, 22.5), 0.95 / 0.91);
  EXPECT_DOUBLE_EQ(CollectorOrientationFactor(30, 7.5), 0.97 / 0.91);  // -0.5 rounds to 0: south
  Koll_Verlustfakt = true;
  KollVerlustAnteil = 0.1;
  EXPECT_DOUBLE_EQ(CollectorOrientationFactor(45, 45), 0.9);
  EXPECT_DOUBLE_EQ(CollectorOrientationFactor(1, 0), 0.9 * 83.0 / 91.0);
  Koll_Verlustfakt = false;
}

class SolarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AnlageAktiv = true;
    WWsolar = false;
    KollektorFaktor = 1.0;
    a2 = 0.0;
    u = 0.0;
    TKaltwasser = 10.0;
    DeltaT_WW = 0.0;
    Solarspeicher = 500.0;
    Speicherverluste = 0.01;
    WWTauscher = 9.0;
    Ak_Fak_WWTauscher = 100.0;
    for (int i = 1; i <= 24; ++i) WWZapfStunde[i] = 0.0;
    for (int h = 0; h <= 8760; ++h) {
      Globalstrahlung[h] = 0.0;
      Aussentemperatur[h] = 10.0;
      TSpeicherStunde[h] = 10.0;
    }
  }
  double Run(int h, double inlet, double m = 0.2, double area = 20.0) {
    return SolarCollectorHour(false, h, inlet, area, 0.8, 3.5, 0, 0, 0, m, 4000.0, q, flow, ww);
  }
  double q = 0, flow = 0, ww = 0;
};

TEST_F(SolarTest, GlazedCollectorMatchesTheLinearClosedForm) {
  const int h = 3000;
  Globalstrahlung[h] = 2.88;  // 800 W/m²
  Aussentemperatur[h] = 20.0;
  double inlet = 30.0;
  double out = Run(h, inlet);
  // eta = eta0 - a1 (Tm - Ta) / G with Tm the mean of inlet and outlet:
  // dT = A (eta0 G - a1 (Tin - Ta)) / (m c + A a1 / 2)
  double G = 800.0, A = 20.0, mc = 0.2 * 4000.0;
  double dt = A * (0.8 * G - 3.5 * (inlet - 20.0)) / (mc + A * 3.5 / 2);
  EXPECT_NEAR(out, inlet + dt, 0.05);
  EXPECT_NEAR(q, mc * (out - inlet) / 1000.0, 1e-9);  // collector heat = heat carried off
  EXPECT_EQ(flow, 0.2);
  EXPECT_EQ(MKollektorStunde[h], 0.2);
  EXPECT_EQ(TKollektorAus, out);
}

TEST_F(SolarTest, UnglazedCurveWithWind) {
  const int h = 3000;
  Globalstrahlung[h] = 2.88;
  Aussentemperatur[h] = 20.0;
  // without wind the unglazed curve is the glazed one with a1 = b_1
  double glazed = Run(h, 25.0);
  double qg = q;
  u = 0.0;
  double unglazed = SolarCollectorHour(true, h, 25.0, 20.0, 0.8, 99.0, 3.5, 1.0, 0.05, 0.2, 4000.0, q, flow, ww);
  EXPECT_DOUBLE_EQ(unglazed, glazed);
  EXPECT_DOUBLE_EQ(q, qg);
  // wind lowers the optical part and raises the losses
  u = 3.0;
  double windy = SolarCollectorHour(true, h, 25.0, 20.0, 0.8, 99.0, 3.5, 1.0, 0.05, 0.2, 4000.0, q, flow, ww);
  EXPECT_LT(windy, unglazed);
  u = 0.0;
}

TEST_F(SolarTest, NoSunNoHeat) {
  const int h = 100;
  Globalstrahlung[h] = 0.036;  // exactly 10 W/m²: not sunny
  MKollektorStunde[h] = 7;
  EXPECT_EQ(Run(h, 25.0), 25.0);
  EXPECT_EQ(q, 0.0);
  EXPECT_EQ(flow, 0.0);
  EXPECT_EQ(MKollektorStunde[h], 0.0);
}

TEST_F(SolarTest, NegativeEfficiencyDeliversNothing) {
  const int h = 500;
  Globalstrahlung[h] = 0.36;  // 100 W/m²
  Aussentemperatur[h] = -5.0;
  EXPECT_EQ(Run(h, 60.0), 60.0);  // hot inlet, cold air
  EXPECT_EQ(q, 0.0);
}

TEST_F(SolarTest, ZeroCollectorFlowStaysFinite) {
  const int h = 3000;
  Globalstrahlung[h] = 2.88;
  double out = Run(h, 30.0, 0.0);
  EXPECT_EQ(out, 30.0);
  EXPECT_EQ(q, 0.0);
  EXPECT_EQ(flow, 0.0);
}

TEST_F(SolarTest, PlantOffReturnsTheInlet) {
  const int h = 3000;
  Globalstrahlung[h] = 2.88;
  AnlageAktiv = false;
  EXPECT_EQ(Run(h, 30.0), 30.0);
  EXPECT_EQ(q, 0.0);
  EXPECT_EQ(flow, 0.0);
  AnlageAktiv = true;
}

TEST_F(SolarTest, HotWaterHeatLeavesTheCollectorCircuit) {
  const int h = 3001;
  Globalstrahlung[h] = 2.88;
  Aussentemperatur[h] = 20.0;
  WWsolar = true;
  TSpeicherStunde[h - 1] = 20.0;
  double out = Run(h, 30.0);
  ASSERT_GT(ww, 0.0);
  EXPECT_LE(ww, q + 1e-12);
  EXPECT_EQ(QwwSolarStunde[h], ww);
  // the heat that stays in the loop after the register is collector less hot water
  EXPECT_NEAR(0.2 * 4000 * (out - 30.0) / 1000.0, q - ww, 1e-9);
  EXPECT_GT(TSpeicherStunde[h], 20.0);
}

TEST_F(SolarTest, StoreEnergyBalanceCloses) {
  const int h = 2000;
  Solarspeicher = 300.0;
  Speicherverluste = 0.02;
  WWZapfStunde[(h - 1) % 24 + 1] = 40.0;
  TSpeicherStunde[h - 1] = 45.0;
  double charge = 3.0;
  double t = SolarStoreHour(h, charge, 10.0, 90.0);
  double stored = 300.0 * 4200.0 * (t - 45.0) / 3.6e6;       // kWh
  double loss = QSpeicherVerlustStunde[h];                     // kW over one hour
  double draw = 40.0 * 4200.0 * (45.0 - 10.0) / 3.6e6;        // kWh of the drawn water
  EXPECT_NEAR(charge, 3.0, 1e-12);
  EXPECT_NEAR(stored, charge - loss - draw, 1e-9);
  EXPECT_NEAR(loss, (45.0 - 10.0) * 0.02 * 4200 * 300 / 3.6e6, 1e-12);
  EXPECT_EQ(QwwSolarStunde[h], charge);
}

TEST_F(SolarTest, StoreStaysBetweenColdWaterAndCollector) {
  const int h = 2000;
  // charging cannot lift the store above the collector less the margin
  DeltaT_WW = 3.0;
  TSpeicherStunde[h - 1] = 40.0;
  double charge = 50.0;
  double t = SolarStoreHour(h, charge, 50.0, 48.0);
  EXPECT_NEAR(t, 45.0, 1e-9);
  EXPECT_LT(charge, 50.0);
  EXPECT_GE(charge, 0.0);
  // a draw larger than the store empties it to cold water, not below
  WWZapfStunde[(h - 1) % 24 + 1] = 2000.0;
  charge = 0.0;
  t = SolarStoreHour(h, charge, 0.0, 0.0);
  EXPECT_EQ(t, TKaltwasser);
  EXPECT_EQ(TSpeicherStunde[0], TKaltwasser);
  // no store: nothing to divide by
  Solarspeicher = 0.0;
  charge = 5.0;
  t = SolarStoreHour(h, charge, 5.0, 60.0);
  EXPECT_EQ(t, TKaltwasser);
  EXPECT_EQ(charge, 0.0);
  EXPECT_THROW(SolarStoreHour(0, charge, 0.0, 0.0), CalcError);
  EXPECT_THROW(SolarStoreHour(8761, charge, 0.0, 0.0), CalcError);
}

}  // namespace
