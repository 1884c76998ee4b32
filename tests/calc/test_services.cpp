// Extraction per metre, supply-air fan heat, heat-pump characteristic and the
// probe-circuit pressure drop, against hand-computed values and the physics
// of laminar pipe flow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/QEBMOD.h"

namespace qeb {
namespace {

class ServicesTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDefaults(); }
};

// ---- heat-pump characteristic ----

TEST_F(ServicesTest, CharacteristicInterpolatesAndExtrapolates) {
  // Points at -5, 0, 5, 10, 15 °C.
  const double c[5] = {2.5, 3.0, 3.6, 4.0, 4.5};
  EXPECT_DOUBLE_EQ(HeatPumpCharacteristic(20.0, c[0], c[1], c[2], c[3], c[4]), 4.5);
  EXPECT_DOUBLE_EQ(HeatPumpCharacteristic(15.0, c[0], c[1], c[2], c[3], c[4]), 4.5);
  EXPECT_DOUBLE_EQ(HeatPumpCharacteristic(0.0, c[0], c[1], c[2], c[3], c[4]), 3.0);
  EXPECT_NEAR(HeatPumpCharacteristic(7.5, c[0], c[1], c[2], c[3], c[4]), 3.8, 1e-12);
  EXPECT_NEAR(HeatPumpCharacteristic(-2.5, c[0], c[1], c[2], c[3], c[4]), 2.75, 1e-12);
  // Below -5 °C the steepest slope (0.6 / 5 between 0 and 5 °C) continues the line.
  EXPECT_NEAR(HeatPumpCharacteristic(-10.0, c[0], c[1], c[2], c[3], c[4]), 2.5 - 5.0 * 0.12, 1e-12);
}

TEST_F(ServicesTest, CharacteristicFillsMissingPoints) {
  // Only 0, 10 and 15 °C given: c3 and c1 from the slope of the top points.
  EXPECT_NEAR(HeatPumpCharacteristic(5.0, 0, 3, 0, 4, 5), 3.0, 1e-12);
  EXPECT_NEAR(HeatPumpCharacteristic(-5.0, 0, 3, 0, 4, 5), 1.0, 1e-12);
  EXPECT_NEAR(HeatPumpCharacteristic(0.0, 0, 3, 0, 4, 5), 3.0, 1e-12);
  // Only the lower points: continued with the flatter slope (0.4 / 5).
  EXPECT_NEAR(HeatPumpCharacteristic(15.0, 2.0, 2.6, 3.0, 0, 0), 3.8, 1e-12);
  EXPECT_DOUBLE_EQ(HeatPumpCharacteristic(3.0, 0, 0, 0, 0, 0), 1e9);
  EXPECT_DOUBLE_EQ(HeatPumpCharacteristic(3.0, 0.5, 0.5, 0.5, 0.5, 0.5), 1.0);
}

// ---- extraction per metre ----

TEST_F(ServicesTest, SpecificExtraction) {
  AnzahlSonden = 2;
  Sondenlaenge = 100.0;
  Aufteilung = false;
  EER_Kuehllast = 3.0;
  Jahreskuehllast = 1200.0;
  Kuehlbandlast = 0.0;
  COP_Heizlast = 0.0;
  COP_WW = 0.0;
  // Cooling only: 1200 kWh at EER 3 put 1600 kWh into 200 m.
  EXPECT_NEAR(SpecificExtractionEnergy(), -8.0, 1e-12);
  COP_Heizlast = 4.0;
  Jahresheizlast = 4000.0;
  Heizbandlast = 0.0;
  EXPECT_NEAR(SpecificExtractionEnergy(), (3000.0 - 1600.0) / 200.0, 1e-12);
  AnzahlSonden = 0;
  EXPECT_DOUBLE_EQ(SpecificExtractionEnergy(), 0.0);

  AnzahlSonden = 1;
  Heizleistung_Vollast = 10.0;
  COP_Volllast = 4.0;
  EXPECT_NEAR(SpecificExtractionPower(), 75.0, 1e-12);
  COP_Volllast = 0.5;  // would be negative
  EXPECT_DOUBLE_EQ(SpecificExtractionPower(), 0.0);
}

TEST_F(ServicesTest, SupplyAirFanHeatOnlyInCoolingHours) {
  LFahrplan = true;
  DTVenti = 2.0;
  TaMin = 16.0;
  mZul = 240.0;
  mZul2 = 360.0;
  Lueftungsprofil[100] = 1.0;
  Aussentemperatur[100] = 30.0;
  QMaxStunde[100] = -5.0;
  // 360 m3/h of air (1.2 kg/m3, 1 kJ/kgK) warmed by 2 K.
  EXPECT_NEAR(SupplyAirFanHeat(100), 360.0 / 3600.0 * 1.2 * 2.0, 1e-12);
  Aussentemperatur[100] = 10.0;
  EXPECT_NEAR(SupplyAirFanHeat(100), 240.0 / 3600.0 * 1.2 * 2.0, 1e-12);
  QMaxStunde[100] = 0.0;
  EXPECT_DOUBLE_EQ(SupplyAirFanHeat(100), 0.0);
  QMaxStunde[100] = -5.0;
  LFahrplan = false;
  EXPECT_DOUBLE_EQ(SupplyAirFanHeat(100), 0.0);
  LFahrplan = true;
  EXPECT_DOUBLE_EQ(SupplyAirFanHeat(9000), 0.0);
}

// ---- pressure drop ----

struct Drop {
  double probe, extension, total, pipes, re, reInner;
  bool laminar;
};

Drop DropAt(double m, double length, double extension = 0.0) {
  Drop d{};
  d.probe = ComputeCircuitPressureDrop(d.laminar, 0.032, 0.0029, 0.003, m, m, 1000.0, 2e-6, extension, 0.0, 0.0, 1, 0,
                                       1, 0, 0, 0, 0, 0, 0, 0, 0, d.extension, d.total, d.pipes, d.re, d.reInner,
                                       length);
  return d;
}

class ServicesPressureDropTest : public ServicesTest {
 protected:
  void SetUp() override {
    ServicesTest::SetUp();
    KoaxialSonde = false;
    einfachU = false;
    Geocoax = false;
    Wellrohr1 = false;
    Koaxialrohr2 = false;
    inSerie = 1.0;
  }
};

TEST_F(ServicesPressureDropTest, LaminarDoubleUTubeFollowsHagenPoiseuille) {
  const double m = 0.1, L = 150.0, rho = 1000.0, nu = 2e-6;
  const double d = 0.032 - 2 * 0.0029;
  const double v = m / 2.0 / rho / (std::numbers::pi * d * d / 4.0);  // two parallel pipes per direction
  const Drop r = DropAt(m, L);
  EXPECT_TRUE(r.laminar);
  EXPECT_NEAR(r.re, v * d / nu, 1e-9);
  // Down and up: 2 x 32 mu L v / d², plus four dynamic pressures.
  const double expected = 2.0 * 32.0 * nu * rho * L * v / (d * d) + 4.0 * rho * v * v / 2.0;
  EXPECT_NEAR(r.probe, expected, 1e-9 * expected);
  EXPECT_DOUBLE_EQ(r.reInner, 0.0);
  EXPECT_DOUBLE_EQ(r.total, r.probe);
}

TEST_F(ServicesPressureDropTest, ProbeLengthIsAnArgument) {
  // The friction part grows in proportion to the length; the dynamic part does not.
  const Drop a = DropAt(0.1, 100.0), b = DropAt(0.1, 200.0), c = DropAt(0.1, 300.0);
  EXPECT_GT(b.probe, a.probe);
  EXPECT_NEAR(c.probe - b.probe, b.probe - a.probe, 1e-9 * c.probe);
}

TEST_F(ServicesPressureDropTest, TurbulentSingleUAndExtension) {
  einfachU = true;  // all the flow in one pipe: twice the velocity
  const double m = 0.3, L = 100.0, rho = 1000.0, nu = 2e-6;
  const double d = 0.032 - 2 * 0.0029;
  const double v = m / rho / (std::numbers::pi * d * d / 4.0);
  const double re = v * d / nu;
  ASSERT_GE(re, 2300.0);
  const double f = 1.0 / std::pow(1.82 * std::log10(re) - 1.64, 2);
  const Drop r = DropAt(m, L, 10.0);
  EXPECT_FALSE(r.laminar);
  EXPECT_NEAR(r.probe, v * v * L * f / d * rho + 2.0 * rho * v * v, 1e-9 * r.probe);
  EXPECT_NEAR(r.extension, v * v * 10.0 * f / d * rho, 1e-9 * r.extension);
  EXPECT_DOUBLE_EQ(DropAt(m, L, 2.0).extension, 0.0);
  Wellrohr1 = true;
  EXPECT_NEAR(DropAt(m, L).probe, v * v * L * 0.0692 / d * rho + 2.0 * rho * v * v, 1e-9 * r.probe);
}

TEST_F(ServicesPressureDropTest, ZeroFlowAndComponents) {
  const Drop z = DropAt(0.0, 100.0);
  EXPECT_DOUBLE_EQ(z.total, 0.0);
  EXPECT_DOUBLE_EQ(z.re, 0.0);
  EXPECT_FALSE(z.laminar);
  // A component with nominal flow 0 counts with 1000 kg/s: 2 probes x 0.5 kg/s.
  bool lam = false;
  double ext = 0, tot = 0, pip = 0, re = 0, rei = 0;
  const double probe = ComputeCircuitPressureDrop(lam, 0.032, 0.0029, 0.003, 0.5, 0.5, 1000.0, 2e-6, 0.0, 0.0, 0.0,
                                                  1, 0, 2, 1e6, 0.0, 2e4, 2.0, 0, 0, 0, 0, ext, tot, pip, re, rei,
                                                  100.0);
  EXPECT_NEAR(tot - probe, 1.0 * 1e6 / 1e6 + 1.0 * 2e4 / 4.0, 1e-9);
  // Fluid without viscosity: nothing is defined, nothing is divided by zero.
  const double none = ComputeCircuitPressureDrop(lam, 0.032, 0.0029, 0.003, 0.5, 0.5, 1000.0, 0.0, 0.0, 0.0, 0.0, 1,
                                                 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, ext, tot, pip, re, rei, 100.0);
  EXPECT_DOUBLE_EQ(none, 0.0);
  EXPECT_TRUE(std::isfinite(tot));
}

TEST_F(ServicesPressureDropTest, ConnectionPipesAndBends) {
  bool lam = false;
  double ext = 0, tot = 0, pip = 0, re = 0, rei = 0;
  const double m = 0.2, D = 0.05, rho = 1000.0, nu = 2e-6;
  ComputeCircuitPressureDrop(lam, 0.032, 0.0029, 0.003, m, m, rho, nu, 0.0, D, 20.0, 1, 3, 2, 0, 0, 0, 0, 0, 0, 0, 0,
                             ext, tot, pip, re, rei, 100.0);
  const double vA = m / (std::numbers::pi * D * D / 4.0 * rho) * 2.0;
  const double reA = vA * D / nu;
  const double fA = reA < 2300.0 ? 64.0 / reA : 1.0 / std::pow(1.82 * std::log10(reA) - 1.64, 2);
  EXPECT_NEAR(pip, vA * vA * 2.0 * 20.0 * fA / D * rho / 2.0 + 3.0 * rho * vA * vA, 1e-9 * pip);
}

// Darcy friction factor of the circuit: laminar below 2300, else the smooth-pipe fit.
double Friction(double re) {
  if (re <= 0.0) return 0.0;
  return re < 2300.0 ? 64.0 / re : 1.0 / std::pow(1.82 * std::log10(re) - 1.64, 2);
}

TEST_F(ServicesPressureDropTest, CoaxialAnnulusInnerPipeAndSeries) {
  KoaxialSonde = true;
  Innenrohrdurchmesser = 0.02;
  const double m = 0.3, L = 100.0, rho = 1000.0, nu = 2e-6, pi = std::numbers::pi;
  const double d = 0.032 - 2 * 0.0029;
  // The annulus as the circle of the same area; the inner pipe (wall 3 mm).
  const double dh = std::sqrt(d * d - 0.02 * 0.02);
  const double v = m / (pi * dh * dh / 4.0 * rho);
  const double di = 0.02 - 2 * 0.003;
  const double vi = m / (pi * di * di / 4.0 * rho);
  const double re = v * dh / nu, rei = vi * di / nu;
  const Drop a = DropAt(m, L);
  EXPECT_NEAR(a.re, re, 1e-9 * re);
  EXPECT_NEAR(a.reInner, rei, 1e-9 * rei);
  EXPECT_EQ(a.laminar, re < 2300.0);
  const double expected = v * v * L * Friction(re) / dh * rho / 2.0 + vi * vi * L * Friction(rei) / di * rho / 2.0 +
                          2.0 * rho * v * v;
  EXPECT_NEAR(a.probe, expected, 1e-9 * expected);

  // Geocoax: five times the Reynolds number (at least 2300) and five times the
  // annulus velocity in its friction term.
  Geocoax = true;
  const double reG = std::max(5.0 * re, 2300.0);
  const Drop g = DropAt(m, L);
  EXPECT_NEAR(g.re, reG, 1e-9 * reG);
  const double expectedG = 25.0 * v * v * L * Friction(reG) / dh * rho / 2.0 +
                           vi * vi * L * Friction(rei) / di * rho / 2.0 + 2.0 * rho * v * v;
  EXPECT_NEAR(g.probe, expectedG, 1e-9 * expectedG);

  // Probes in series: the velocity and the probe's drop both scale.
  Geocoax = false;
  KoaxialSonde = false;
  const Drop one = DropAt(0.05, L);
  inSerie = 2.0;
  const Drop two = DropAt(0.05, L);
  const double dU = d;
  const double v2 = 2.0 * (0.05 / 2.0) / (pi * dU * dU / 4.0 * rho);
  const double re2 = v2 * dU / nu;
  EXPECT_NEAR(two.re, 2.0 * one.re, 1e-9 * two.re);
  const double expected2 = (v2 * v2 * L * Friction(re2) / dU * rho + 2.0 * rho * v2 * v2) * 2.0;
  EXPECT_NEAR(two.probe, expected2, 1e-9 * expected2);
}

TEST_F(ServicesTest, SpecificExtractionOfASplitFieldAndHotWater) {
  AnzahlSonden = 1;
  Sondenlaenge = 100.0;
  Aufteilung = true;
  EER_Kuehllast = 3.0;
  Jahreskuehllast = 1200.0;
  Kuehlbandlast = 0.0;
  JahresFreecooling = 600.0;
  COP_Heizlast = 4.0;
  Jahresheizlast = 3000.0;
  Heizbandlast = 1000.0;
  COP_WW = 2.5;
  HeizlastWW = 1000.0;
  // Cooling 1600 kWh into the ground, halved, less half the free cooling;
  // heating 4000 kWh at COP 4 and hot water 1000 kWh at COP 2.5 from it.
  EXPECT_NEAR(SpecificExtractionEnergy(), (-800.0 - 300.0 + 3000.0 + 600.0) / 100.0, 1e-12);
}

TEST_F(ServicesPressureDropTest, CoaxialProbes) {
  KoaxialSonde = true;
  Innenrohrdurchmesser = 0.02;
  const Drop a = DropAt(0.3, 100.0);
  EXPECT_GT(a.reInner, 0.0);
  Koaxialrohr2 = true;
  const Drop b = DropAt(0.3, 100.0);
  EXPECT_DOUBLE_EQ(b.reInner, 0.0);
  EXPECT_LT(b.probe, a.probe);
  // A Geocoax probe is never laminar.
  Geocoax = true;
  const Drop g = DropAt(0.001, 100.0);
  EXPECT_FALSE(g.laminar);
  EXPECT_GE(g.re, 2300.0);
}

}  // namespace
}  // namespace qeb
