// The catalogues of the project input window, picked as a user picks them:
// probe types, fluids, solar collectors and g-function presets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFocusEvent>
#include <cmath>
#include <string>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/QEBInput_catalog.h"
#include "input/Cooling.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "shell/QEB.h"

namespace qeb {
namespace {

class Catalogs : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateApplicationWindows();
    ResetToDefaults();
    Form6->FillSystemForm();
    system_2->FillSystemForm();
    Sondentyp = 0;
    FillGleichErde = false;
    Form1->EingabenAnzeigen();
  }
  TForm1& f = *(CreateApplicationWindows(), Form1);
  // The user picks item n: the index moves and the combo box reports the pick.
  static void Pick(QComboBox* c, int n) {
    c->setCurrentIndex(n);
    emit c->activated(n);
  }
  static std::string T(const QLineEdit* e) { return e->text().toStdString(); }
};

// The item texts of a combo box as the window's control table lists them.
QStringList TableItems(const char* name) {
  for (const ControlSpec& c : TForm1::Tables().controls)
    if (std::string(c.name) == name) return QString::fromUtf8(c.items).split(QLatin1Char('|'));
  return {};
}

// The catalogues and the combo boxes' items come from two separate readings of
// the same lists: their names agree row by row, item 0 is empty.
TEST_F(Catalogs, RowsMatchTheItemsOfTheirComboBoxes) {
  auto check = [](const char* combo, int rows, auto name, int extra) {
    const QStringList items = TableItems(combo);
    ASSERT_EQ(items.size(), rows + 1 + extra) << combo;
    EXPECT_TRUE(items[0].isEmpty()) << combo;
    for (int n = 1; n <= rows; ++n) EXPECT_EQ(items[n].toStdString(), std::string(name(n))) << combo << " row " << n;
  };
  check("WahlSondendurchmesser", catalog::kProbeTypes, [](int n) { return catalog::ProbeTypeRow(n)->name; }, 0);
  check("ComboFluid", catalog::kFluids, [](int n) { return catalog::FluidRow(n)->name; }, 1);
  check("CKollektorwahl", catalog::kCollectors, [](int n) { return catalog::CollectorRow(n)->name; }, 0);
  check("CWahlgfunction", catalog::kGPresets, [](int n) { return catalog::GPresetRow(n)->name; }, 2);
  EXPECT_EQ(TableItems("ComboFluid").back().toStdString(), "nicht definiert");
  EXPECT_EQ(TableItems("CWahlgfunction")[42].toStdString(), "nicht definiert");
  EXPECT_EQ(TableItems("CWahlgfunction")[43].toStdString(), "eigene Eingabe");
  EXPECT_EQ(catalog::ProbeTypeRow(0), nullptr);
  EXPECT_EQ(catalog::ProbeTypeRow(47), nullptr);
  EXPECT_EQ(catalog::GPresetRow(42), nullptr);

  // Traits the lists state in words.
  for (int n = 1; n <= catalog::kProbeTypes; ++n) {
    const auto* p = catalog::ProbeTypeRow(n);
    EXPECT_EQ((p->kind & catalog::kCorrugated) != 0, n == 21 || n == 22) << n;
    EXPECT_EQ((p->kind & catalog::KindMask) == catalog::SinglePipe, n >= 44) << n;
    EXPECT_EQ(p->stationary, n == 11 ? 0 : (n >= 44 ? -1 : 1)) << n;
    EXPECT_EQ(p->wall < 0.0, n >= 38 && n <= 41) << n;
  }
  // Spot values.
  const auto* m = catalog::ProbeTypeRow(12);
  EXPECT_EQ(m->pipe, 130);
  EXPECT_EQ(m->innerWall, 10);
  EXPECT_EQ(m->lambdaInner, 0.2);
  EXPECT_EQ(catalog::ProbeTypeRow(43)->lambdaPipe, 0.48);
  EXPECT_EQ(catalog::ProbeTypeRow(21)->pipe, 58.4);
  const auto *c11 = catalog::CollectorRow(11), *c12 = catalog::CollectorRow(12);
  EXPECT_TRUE(c11->eta0 == c12->eta0 && c11->bu == c12->bu && c11->b1 == c12->b1 && c11->b2 == c12->b2 &&
              c11->absorber == c12->absorber && c11->unglazed == c12->unglazed);
  EXPECT_EQ(catalog::CollectorRow(1)->b2, 3.7675);
  EXPECT_EQ(catalog::CollectorRow(9)->b2, 1.3859);
  EXPECT_EQ(std::string(catalog::FluidRow(9)->rho), "969.00");
  EXPECT_EQ(std::string(catalog::GPresetRow(32)->g[2]), "20.00");
  EXPECT_EQ(catalog::GPresetRow(41)->bh, 0.05);
}

TEST_F(Catalogs, ProbeTypeFillsTheProbeTabAndTheShankSpacing) {
  ScriptedInteraction ui;
  f.EHellstroem->setItemIndex(1);
  Ra = 0.2;
  Pick(f.WahlSondendurchmesser, 3);
  EXPECT_EQ(T(f.ESondendurchmesser), "0.0400");
  EXPECT_EQ(T(f.EDicke_Sondenrohr), "0.0037");
  EXPECT_EQ(T(f.EBohrdurchmesser), "0.135");
  EXPECT_EQ(T(f.EInnenrohrdurchmesser), "0.0250");
  EXPECT_EQ(T(f.ElambdaRohr), "0.4200");
  EXPECT_EQ(T(f.ElambdaInnenrohr), "0.4200");
  // 0.85 x (0.135 - 2 x 0.04) + 0.04
  EXPECT_NEAR(Bu, 0.08675, 1e-12);
  EXPECT_EQ(T(f.EBu), "0.087");
  EXPECT_EQ(T(f.ERa), "0.000");
  EXPECT_EQ(T(f.ERb), "0.000");
  EXPECT_EQ(T(f.ERc), "0.000");
  EXPECT_EQ(T(f.ERd), "0.000");
  EXPECT_EQ(f.EHellstroem->itemIndex(), 0);
  EXPECT_TRUE(Hellstroem);
  EXPECT_EQ(f.EKoaxialSonde->itemIndex(), 1);
  EXPECT_FALSE(KoaxialSonde || einfachU || Einzelrohr || Geocoax || Gegenstrom);
  EXPECT_EQ(Sondentyp, 3);

  // Single U: the spacing is a share of bore minus pipe, (0.115 - 0.032) x 0.9.
  Pick(f.WahlSondendurchmesser, 9);
  EXPECT_NEAR(Bu, 0.0747, 1e-12);
  EXPECT_EQ(T(f.EBu), "0.075");
  EXPECT_TRUE(einfachU);

  // The same type again leaves hand edits alone.
  f.ESondendurchmesser->setText(QStringLiteral("0.0333"));
  Bu = 0.05;
  Pick(f.WahlSondendurchmesser, 9);
  EXPECT_EQ(T(f.ESondendurchmesser), "0.0333");
  EXPECT_EQ(Bu, 0.05);

  // Geokoax: stationary off, probes in series shown; single pipes keep stationary.
  Pick(f.WahlSondendurchmesser, 11);
  EXPECT_FALSE(stationaer);
  EXPECT_TRUE(Geocoax && KoaxialSonde);
  EXPECT_FALSE(f.EinSerie1->isHidden());
  EXPECT_FALSE(f.Label360->isHidden());
  Pick(f.WahlSondendurchmesser, 45);
  EXPECT_FALSE(stationaer);
  EXPECT_TRUE(Einzelrohr && KoaxialSonde);
  EXPECT_TRUE(f.EinSerie1->isHidden());
  EXPECT_NEAR(Innenrohrdurchmesser, 0.001, 1e-15);
  EXPECT_NEAR(Dicke_Innenrohr, 0.0004, 1e-15);
  EXPECT_EQ(T(f.ElambdaInnenrohr), "0.0001");

  // Corrugated pipe shows its choice; a smooth pipe afterwards leaves it visible.
  f.EGlattrohr->setHidden(true);
  Pick(f.WahlSondendurchmesser, 22);
  EXPECT_EQ(f.EGlattrohr->itemIndex(), 1);
  EXPECT_FALSE(f.EGlattrohr->isHidden());
  Pick(f.WahlSondendurchmesser, 2);
  EXPECT_EQ(f.EGlattrohr->itemIndex(), 0);
  EXPECT_FALSE(f.EGlattrohr->isHidden());
  EXPECT_TRUE(ui.Texts("warning").empty());
}

TEST_F(Catalogs, FillFollowsTheGroundOnlyForTheProbeThatUsesIt) {
  ScriptedInteraction ui;
  lambdaErd = 2.7;
  cpErd = 950;
  rhoErd = 2500;
  f.EFillVariabel->setItemIndex(0);
  Pick(f.WahlSondendurchmesser, 12);
  EXPECT_EQ(lambdaFill, 2.7);
  EXPECT_TRUE(FillGleichErde);
  EXPECT_EQ(T(f.ELambdaFill), "2.700");
  // The fill edit is spread over the segments in use.
  for (int i = 1; i <= DimAxi; ++i) EXPECT_EQ(lambdaFillV[i], 2.7) << i;
  Pick(f.WahlSondendurchmesser, 3);
  EXPECT_EQ(lambdaFill, 0.81);
  EXPECT_EQ(cpFill, 3040);
  EXPECT_EQ(rhoFill, 1180);
  EXPECT_FALSE(FillGleichErde);
  // A fill the user gave stays with any other type.
  lambdaFill = 2.0;
  Pick(f.WahlSondendurchmesser, 4);
  EXPECT_EQ(lambdaFill, 2.0);
  EXPECT_EQ(T(f.ELambdaFill), "2.000");
}

TEST_F(Catalogs, WallThicknessFollowsTheProbeLengthAtTheChoice) {
  ScriptedInteraction ui;
  auto wallAt = [&](int row, double L) {
    Sondentyp = 0;
    Sondenlaenge = L;
    Pick(f.WahlSondendurchmesser, row);
    return Dicke_Sondenrohr;
  };
  EXPECT_NEAR(wallAt(38, 100), 0.00631, 1e-12);
  EXPECT_EQ(T(f.EDicke_Sondenrohr), "0.0063");
  EXPECT_NEAR(wallAt(38, 200), 0.00543, 1e-12);
  EXPECT_NEAR(wallAt(38, 400), 0.0044, 1e-12);
  EXPECT_NEAR(wallAt(38, 350), 0.0044, 1e-12);  // the slope ends where the last value starts
  EXPECT_NEAR(wallAt(38, 0), 0.00675, 1e-12);
  EXPECT_NEAR(wallAt(40, 50), 0.0032, 1e-12);
  EXPECT_NEAR(wallAt(40, 200), 0.003445, 1e-12);
  EXPECT_NEAR(wallAt(40, 130), 0.00327, 1e-12);
  EXPECT_NEAR(wallAt(39, 300), 0.003775, 1e-12);
  EXPECT_NEAR(wallAt(39, 301), 0.00375, 1e-12);
  EXPECT_NEAR(wallAt(41, 100), 0.0025, 1e-12);
  EXPECT_NEAR(wallAt(41, 100.5), 0.002581, 1e-12);
  EXPECT_NEAR(wallAt(41, 300), 0.00298, 1e-12);
  // Computed once: a later length does not change it.
  Sondenlaenge = 100;
  f.EingabenAnzeigen();
  EXPECT_NEAR(Dicke_Sondenrohr, 0.00298, 1e-12);
  EXPECT_EQ(catalog::WallByLength(3, 100), -1.0);
}

// The index set by a display pass is not a pick: the user's later edits stay.
TEST_F(Catalogs, DisplayPassDoesNotReapplyARow) {
  ScriptedInteraction ui;
  Pick(f.WahlSondendurchmesser, 3);
  Pick(f.ComboFluid, 7);
  Pick(f.CKollektorwahl, 4);
  f.ESondendurchmesser->setText(QStringLiteral("0.0450"));
  f.ELambdaSole->setText(QStringLiteral("0.480"));
  f.EEta0->setText(QStringLiteral("0.700"));
  f.EingabenUebernehmen();
  f.EingabenAnzeigen();
  f.EingabenUebernehmen();
  EXPECT_EQ(f.WahlSondendurchmesser->currentIndex(), 3);
  EXPECT_EQ(f.ComboFluid->currentIndex(), 7);
  EXPECT_EQ(f.CKollektorwahl->currentIndex(), 4);
  EXPECT_NEAR(Sondendurchmesser, 0.045, 1e-12);
  EXPECT_NEAR(lambdaSole, 0.48, 1e-12);
  EXPECT_NEAR(Eta0, 0.7, 1e-12);
}

TEST_F(Catalogs, FluidWritesItsOwnTexts) {
  ScriptedInteraction ui;
  Pick(f.ComboFluid, 7);
  EXPECT_EQ(T(f.ELambdaSole), "0.50");
  EXPECT_EQ(T(f.ErhoSole), "1036.72");
  EXPECT_EQ(T(f.ECpSole), "3904.6");
  EXPECT_EQ(T(f.EnueSole), "0.00000349");
  EXPECT_EQ(lambdaSole, 0.5);
  EXPECT_EQ(rhoSole, 1036.72);
  EXPECT_EQ(cpSole, 3904.6);
  EXPECT_EQ(nueSole, 3.49e-6);
  EXPECT_EQ(Fluidtyp, 7);
  Pick(f.ComboFluid, 9);
  EXPECT_EQ(T(f.ErhoSole), "969.00");
  // "nicht definiert" keeps the properties but records the choice.
  Pick(f.ComboFluid, catalog::kFluidUndefined);
  EXPECT_EQ(rhoSole, 969.0);
  EXPECT_EQ(T(f.ErhoSole), "969.00");
  EXPECT_EQ(Fluidtyp, 10);
}

TEST_F(Catalogs, CollectorSetsItsCoefficientsAndTheSolarChoices) {
  ScriptedInteraction ui;
  solar = false;
  Koll_Verlustfakt = false;
  f.EingabenAnzeigen();
  Pick(f.CKollektorwahl, 1);
  EXPECT_TRUE(solar && Koll_Verlustfakt && unverglast);
  EXPECT_EQ(Kollektorwahl, 1);
  EXPECT_EQ(f.ESolar->itemIndex(), 0);
  EXPECT_EQ(f.Eunverglast->itemIndex(), 0);
  EXPECT_EQ(T(f.EEta0), "0.954");
  EXPECT_EQ(T(f.Eb_2), "3.768");
  EXPECT_EQ(T(f.EAbsorber), "2.020");
  Pick(f.CKollektorwahl, 3);
  EXPECT_EQ(b_u, 0.0);
  EXPECT_EQ(b_1, 0.0);
  EXPECT_EQ(b_2, 0.0);
  EXPECT_EQ(a1, 4.47);
  EXPECT_EQ(a2, 0.0098);
  EXPECT_FALSE(unverglast);
  EXPECT_EQ(f.Eunverglast->itemIndex(), 1);
  EXPECT_EQ(T(f.Ea2), "0.0098");
  // The empty item changes nothing and shows the collector in force.
  Pick(f.CKollektorwahl, 0);
  EXPECT_EQ(Kollektorwahl, 3);
  EXPECT_EQ(f.CKollektorwahl->currentIndex(), 3);
}

TEST_F(Catalogs, GFunctionPresetsOfFieldLayouts) {
  ScriptedInteraction ui;
  Sondenlaenge = 150;
  AnzahlSonden = 100;
  gEingabe = false;
  Sondengrafik = true;
  f.EingabenAnzeigen();
  Pick(f.CWahlgfunction, 25);
  const char* expected[5] = {"5.0", "11.0", "27.5", "37.7", "38.8"};
  QLineEdit* eg[5] = {f.Eg1, f.Eg2, f.Eg3, f.Eg4, f.Eg5};
  for (int j = 0; j < 5; ++j) EXPECT_EQ(T(eg[j]), expected[j]) << j;
  EXPECT_EQ(T(f.Eg_Sondenabstand), "15.0");
  EXPECT_EQ(T(f.EBHgfunction), "0.100");
  EXPECT_EQ(g4, 37.7);  // taken into the state at the end
  EXPECT_EQ(AnzahlSonden, 100);
  EXPECT_EQ(gfuntyp, 25);
  EXPECT_EQ(Sondenauswahl, 25);
  EXPECT_TRUE(gfunction);
  EXPECT_FALSE(Sondengrafik);
  EXPECT_EQ(f.ESondengrafik->itemIndex(), 1);
  EXPECT_FALSE(f.ESondenabstand->isHidden());
  EXPECT_TRUE(f.Eg_Sondenabstand->isHidden());  // own g-values not chosen

  Pick(f.CWahlgfunction, 2);
  EXPECT_EQ(T(f.Eg_Sondenabstand), "7.5");
  EXPECT_EQ(T(f.EBHgfunction), "0.050");
  EXPECT_EQ(T(f.Eg1), "5.10");

  // Not defined: the single-borehole values, no g-function, B/H back to 0.1.
  Pick(f.CWahlgfunction, catalog::kGNotDefined);
  EXPECT_FALSE(gfunction);
  EXPECT_EQ(f.Egfunction->itemIndex(), 1);
  EXPECT_EQ(T(f.EBHgfunction), "0.100");
  EXPECT_EQ(T(f.Eg5), "6.60");
  EXPECT_EQ(T(f.Eg_Sondenabstand), T(f.ESondenabstand));

  // Own input stays chosen: the next preset for a field shows the g-function spacing.
  Pick(f.CWahlgfunction, catalog::kGOwnInput);
  EXPECT_TRUE(gEingabe && gfunction);
  EXPECT_EQ(f.EgEingabe->itemIndex(), 0);
  Pick(f.CWahlgfunction, 36);
  EXPECT_TRUE(gEingabe);
  EXPECT_FALSE(f.Eg_Sondenabstand->isHidden());
  EXPECT_FALSE(f.EBHgfunction->isHidden());

  // A single borehole: one probe, the spacing text copied unchanged.
  f.ESondenabstand->setText(QStringLiteral("8.25"));
  Pick(f.CWahlgfunction, 1);
  EXPECT_EQ(AnzahlSonden, 1);
  EXPECT_EQ(T(f.EAnzahlSonden), "1");
  EXPECT_EQ(T(f.Eg_Sondenabstand), "8.25");
  EXPECT_EQ(T(f.Eg1), "4.82");
  EXPECT_EQ(T(f.EBHgfunction), "0.100");
}

}  // namespace
}  // namespace qeb
