// The g-function routines: the fit through the support values (with and
// without the spacing correction), the field's long-term g, the table
// maximum and the temperature change the field causes at the site point.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_run.h"
#include "input/QEBInput.h"
#include "results/gfunc_fit.h"

namespace qeb {
namespace {

TEST(GfuncFit, PassesThroughTheSupportPointsOfASingleBorehole) {
  double g4 = 6.57, g5 = 6.6;
  FitGFunctionPolynomial(5.0, 5.0, 4.82, 5.69, 6.29, g4, g5);
  EXPECT_EQ(g4, 6.57);
  EXPECT_EQ(g5, 6.6);
  EXPECT_NEAR(GfuncPolynom(-4.0), 4.82, 1e-9);
  EXPECT_NEAR(GfuncPolynom(-2.0), 5.69, 1e-9);
  EXPECT_NEAR(GfuncPolynom(0.0), 6.29, 1e-9);
  EXPECT_NEAR(GfuncPolynom(2.5), 0.99 * (6.57 + 0.99 * 6.6) / 2, 1e-9);
  EXPECT_NEAR(GfuncPolynom(3.0), 0.99 * 6.6, 1e-9);
  // x6 = -4.5 for g1 = 4.82: the polynomial holds from -4.
  EXPECT_NEAR(GfuncPolynom(-4.5), 0.99 * (std::log(1000.0) + 0.5 * -4.5), 1e-9);
  EXPECT_DOUBLE_EQ(GfuncXMin, -4.0);
}

TEST(GfuncFit, CorrectsForASpacingOtherThanTheValues) {
  // Values of a field at 5 m, used at 10 m: r = 2.
  double g4 = 6.77, g5 = 6.79;
  FitGFunctionPolynomial(5.0, 10.0, 4.95, 5.94, 6.53, g4, g5);
  // The correction decays with the spacing ratio whichever excess is larger.
  const double k = std::fabs(std::log((6.53 - 6.29) / (6.79 - 6.6))) / 27.0;
  const double d = 6.79 - 6.29;
  EXPECT_NEAR(g5, std::max(6.6, d / 2 + 6.6), 1e-12);
  EXPECT_NEAR(g4, std::max(6.57, std::exp(-2 * k) * d / 2 + 6.57), 1e-12);
  EXPECT_NEAR(GfuncPolynom(0.0), std::max(6.29, std::exp(-27 * 2 * k) * d / 2 + 6.29), 1e-9);
  EXPECT_NEAR(GfuncPolynom(3.0), 0.99 * g5, 1e-9);
  // Within 0.05 m, or with g3 = 6.29, nothing is corrected.
  g4 = 6.77, g5 = 6.79;
  FitGFunctionPolynomial(5.0, 5.04, 4.95, 5.94, 6.53, g4, g5);
  EXPECT_EQ(g5, 6.79);
  EXPECT_NEAR(GfuncPolynom(0.0), 6.53, 1e-9);
}

TEST(GfuncFit, TableMaximumOfNothingIsTheStartValue) {
  EXPECT_EQ(TabellenMaximum(0), -9999999999.0);
  GfuncTabelle.assign(kGfuncPunkte + 1, 1.0);
  GfuncTabelle[7] = 3.0;
  GfuncTabelle[0] = 9.0;  // index 0 is not looked at
  EXPECT_EQ(TabellenMaximum(500), 3.0);
}

class GfuncFeld : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetToDefaults();
    Sondenlaenge = 100.0;
    lambdaErd = 2.0;
    rhoErd = 2600.0;
    cpErd = 1000.0;
    Sondenabstand = g_Sondenabstand = 5.0;
    gKurzzeitBreit = false;
    QHeizSumme = 10000.0;
    QKuehlSumme = 0.0;
    Zaehler = 0;
    x_Stao = 50.0;
    y_Stao = 50.0;
  }
};

TEST_F(GfuncFeld, LongTermValueAfterVeryLongTimeIsTheFitAtTwoAndAHalf) {
  const double g = GFunctionValue(1000000);
  EXPECT_NEAR(g, 0.99 * (6.77 + 0.99 * 6.79) / 2, 1e-9);
  EXPECT_NEAR(tsJahre, 100.0 * 100.0 / 9.0 / 2.0 * 1000.0 * 2600.0 / 3600.0 / 8760.0, 1e-12);
  Sondenlaenge = 0.0;
  EXPECT_THROW(GFunctionValue(50), CalcError);
}

TEST_F(GfuncFeld, SiteResponseSumsBoreholesAndClipsFarOnes) {
  Zaehler = 2;
  SondeX[1] = 60.0;  // 10 m from the site
  SondeY[1] = 50.0;
  SondeX[2] = 50.0 + 1.0e6;  // far away: its term would be negative
  SondeY[2] = 50.0;
  Nachbarsonde[1] = Nachbarsonde[2] = false;
  const double gN = GFunctionValue(50);
  const double q = 10000.0 / 8.76 / 100.0 / 2;
  const double expected = (gN - std::log(10.0) + std::log(0.05)) * q / 3.14 / 2 / 2.0;
  EXPECT_NEAR(FieldTemperatureResponse(50, 10000.0), expected, 1e-9);
  EXPECT_NEAR(AbstandSondeStao, 1.0e6, 1e-6);
}

TEST_F(GfuncFeld, SiteResponseOfNeighboursOnlyOrOnTheBoreholeIsFinite) {
  Zaehler = 1;
  SondeX[1] = x_Stao;  // exactly on the site point
  SondeY[1] = y_Stao;
  Nachbarsonde[1] = true;  // and no own borehole at all
  const double gN = GFunctionValue(50);
  const double q = 10000.0 / 8.76 / 100.0 / 1;
  // A borehole at the site itself adds nothing, as on the colour map.
  EXPECT_EQ(FieldTemperatureResponse(50, 10000.0), 0.0);
  // Nearer than the borehole radius 0.0005 H the response stays at its value there.
  SondeX[1] = x_Stao + 0.01;
  EXPECT_NEAR(FieldTemperatureResponse(50, 10000.0), gN * q / 3.14 / 2 / 2.0, 1e-9);
  Sondenlaenge = 0.0;
  EXPECT_EQ(FieldTemperatureResponse(50, 10000.0), 0.0);
  Sondenlaenge = 100.0;
  lambdaErd = 0.0;
  EXPECT_EQ(FieldTemperatureResponse(50, 10000.0), 0.0);
}

}  // namespace
}  // namespace qeb
