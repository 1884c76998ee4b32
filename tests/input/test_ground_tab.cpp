// The ground tab driven as a user drives it: typing into an edit and leaving
// it, picking a ground material, switching homogeneous and inhomogeneous
// ground and fill; the layer depths, the effective conductivities and the
// table's display.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <string>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/Cooling.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "shell/QEB.h"

namespace qeb {
namespace {

class GroundTab : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateApplicationWindows();
    ResetToDefaults();
    Form6->FillSystemForm();
    system_2->FillSystemForm();
    Form1->EingabenAnzeigen();
  }
  TForm1& f = *(CreateApplicationWindows(), Form1);
  // The user enters the edit, types `text` and leaves it.
  static void Leave(QLineEdit* e, const char* text) {
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(e, &in);
    e->setText(QString::fromUtf8(text));
    emit e->editingFinished();
  }
  static void Pick(QComboBox* c, int n) {
    c->setCurrentIndex(n);
    emit c->activated(n);
  }
  static std::string T(const QLineEdit* e) { return e->text().toStdString(); }
  static std::string T(const QLabel* l) { return l->text().toStdString(); }
  // Layered rows: the mode radio group shows "ungleichmässig", the window takes it.
  void Layered(int rows) {
    f.EDimAxi->setText(QString::number(rows));
    f.Egleichmaessig->setItemIndex(1);
    f.SchichtenZeilenZeigen();
  }
};

TEST_F(GroundTab, LayerDepthsKeepIncreasing) {
  ScriptedInteraction ui;
  Layered(4);
  f.ESchicht1->setText(QStringLiteral("20.0"));
  Leave(f.ESchicht2, "50");
  EXPECT_TRUE(ui.Texts("warning").empty());
  EXPECT_EQ(Schicht[1], 20.0);
  EXPECT_EQ(T(f.ESchicht2), "50.0");
  Leave(f.ESchicht3, "40");
  ASSERT_EQ(ui.Texts("warning").size(), 1u);
  EXPECT_EQ(ui.Texts("warning")[0], " Eingabe ungültig  /  invalid value ");
  EXPECT_EQ(Schicht[3], 51.0);
  EXPECT_EQ(T(f.ESchicht3), "51.0");
  // Equal depths pass silently.
  Leave(f.ESchicht4, "51");
  EXPECT_EQ(ui.Texts("warning").size(), 1u);
  EXPECT_EQ(Schicht[4], 51.0);
  // The last row compares with the depth held for row 9, not its edit.
  Schicht[9] = 80.0;
  f.ESchicht9->setText(QStringLiteral("10.0"));
  Leave(f.ESchicht10, "70");
  EXPECT_EQ(Schicht[10], 81.0);
  EXPECT_EQ(ui.Texts("warning").size(), 2u);
  // Passing through an edit without a change does nothing.
  Leave(f.ESchicht3, "51.0");
  EXPECT_EQ(ui.Texts("warning").size(), 2u);
}

TEST_F(GroundTab, GroundMaterialsTakeTheirValuesIntoTheRow) {
  ScriptedInteraction ui;
  f.EDimAxi->setText(QStringLiteral("4"));
  f.Egleichmaessig->setItemIndex(0);
  f.EingabenUebernehmen();
  f.PulldownErde();
  EXPECT_EQ(f.CErdauswahl2->count(), 41);
  EXPECT_EQ(f.CErdauswahl2->itemText(1), FromBytes(Erdname[1]));
  EXPECT_TRUE(f.CErdauswahl2->itemText(0).isEmpty());

  // A material of the rock table.
  Pick(f.CErdauswahl2, 5);
  EXPECT_EQ(lambdaErde[2], Erdlambda[5]);
  EXPECT_EQ(T(f.ELambdaerde2), FixedText(Erdlambda[5], 2).toStdString());
  EXPECT_EQ(T(f.ECperde2), FixedText(Erdcp[5], 0).toStdString());
  EXPECT_FALSE(homogen);
  EXPECT_EQ(f.Ehomogen->itemIndex(), 1);
  EXPECT_EQ(Erdauswahli[2], 5);

  // Entry 31 in row 3 copies row 1; the row's own entry 33 changes nothing.
  Leave(f.ELambdaerde1, "3.10");
  Leave(f.ErhoErde1, "2700");
  f.EingabenUebernehmen();
  Pick(f.CErdauswahl3, 31);
  EXPECT_EQ(lambdaErde[3], 3.1);
  EXPECT_EQ(rhoErde[3], 2700.0);
  EXPECT_EQ(T(f.ELambdaerde3), "3.10");
  Leave(f.ELambdaerde3, "1.75");
  f.EingabenUebernehmen();
  Pick(f.CErdauswahl3, 33);
  EXPECT_EQ(lambdaErde[3], 1.75);
  EXPECT_EQ(T(f.ELambdaerde3), "1.75");

  // A refill keeps the row's choice from the state; the one-shot skip spares one refresh.
  Erdauswahli[4] = 7;
  f.SkipPulldownRefresh = true;
  f.ELambdaerde4->setText(QStringLiteral("9.99"));
  f.PulldownErde();
  EXPECT_FALSE(f.SkipPulldownRefresh);
  EXPECT_EQ(T(f.ELambdaerde4), "9.99");  // no refresh of the controls
  EXPECT_EQ(f.CErdauswahl4->currentIndex(), 7);
  EXPECT_EQ(f.CErdauswahl4->count(), 41);
  f.PulldownErde();
  EXPECT_NE(T(f.ELambdaerde4), "9.99");  // this time the controls show the state
  Erdauswahli[4] = 99;                   // a choice past the list keeps the selection
  f.PulldownErde();
  EXPECT_EQ(f.CErdauswahl4->currentIndex(), 7);
}

TEST_F(GroundTab, HomogeneousGroundSpreadsOverTheSegmentsInUse) {
  ScriptedInteraction ui;
  f.Ehomogen->setItemIndex(1);
  f.CErdauswahl6->setCurrentIndex(4);
  f.EDimAxi->setText(QStringLiteral("4"));
  f.ELambdaErd->setText(QStringLiteral("2.10"));
  f.Ehomogen->setItemIndex(0);
  EXPECT_EQ(DimAxi, 4);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(lambdaErde[i], 2.1) << i;
  for (int i = 5; i <= 20; ++i) EXPECT_EQ(lambdaErde[i], 0.0) << i;
  for (QComboBox* c : {f.CErdauswahl5, f.CErdauswahl6, f.CErdauswahl7, f.CErdauswahl10})
    EXPECT_EQ(c->currentIndex(), 0);
  EXPECT_EQ(T(f.ELambdaerde3), "2.10");

  // Leaving the single value spreads it; with the table chosen it is not read.
  Leave(f.ErhoErd, "2400");
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(rhoErde[i], 2400.0) << i;
  EXPECT_EQ(rhoErde[5], 0.0);
  EXPECT_EQ(T(f.ErhoErde4), "2400");
  f.Ehomogen->setItemIndex(1);
  Leave(f.ErhoErd, "1000");
  EXPECT_EQ(rhoErde[1], 2400.0);

  // One segment: the row would repeat the single values and is hidden.
  f.EDimAxi->setText(QStringLiteral("1"));
  f.Ehomogen->setItemIndex(0);
  EXPECT_TRUE(f.ELambdaerde1->isHidden());
  EXPECT_TRUE(f.CErdauswahl1->isHidden());
  f.Ehomogen->setItemIndex(1);
  EXPECT_FALSE(f.ELambdaerde1->isHidden());

  // A count the arrays cannot hold keeps the count in force.
  f.EDimAxi->setText(QStringLiteral("0"));
  f.Ehomogen->setItemIndex(0);
  EXPECT_EQ(DimAxi, 1);
  f.Ehomogen->setItemIndex(1);
  f.EDimAxi->setText(QStringLiteral("500"));
  f.Ehomogen->setItemIndex(0);
  EXPECT_EQ(DimAxi, 1);
}

TEST_F(GroundTab, FillPerSegmentAndItsResistances) {
  ScriptedInteraction ui;
  f.EDimAxi->setText(QStringLiteral("3"));
  f.Egleichmaessig->setItemIndex(0);
  f.SchichtenZeilenZeigen();
  f.EFillVariabel->setItemIndex(1);
  EXPECT_FALSE(f.ERa1->isHidden());
  EXPECT_FALSE(f.ELambdaFill3->isHidden());
  for (int i = 1; i <= 10; ++i) {
    RaV[i] = 0.5 + i;
    RbV[i] = 0.05;
    RcV[i] = 0.2;
  }
  f.SchichtwiderstaendeAnzeigen();
  EXPECT_EQ(T(f.ERa7), "7.500");

  // Passing through a fill edit keeps the resistances given per segment.
  Leave(f.ELambdaFill2, T(f.ELambdaFill2).c_str());
  EXPECT_EQ(RaV[7], 7.5);
  EXPECT_EQ(T(f.ERb10), "0.050");
  // A changed fill value discards them all: they are calculated again.
  Leave(f.ErhoFill2, "1500");
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(RaV[i] + RbV[i] + RcV[i], 0.0) << i;
  for (QLineEdit* e : {f.ERa1, f.ERb5, f.ERc10}) EXPECT_EQ(T(e), "0.000");
  EXPECT_TRUE(FillVariabel);
  EXPECT_EQ(f.EFillVariabel->itemIndex(), 1);

  // Back to a homogeneous fill: the single values fill the segments in use.
  f.ELambdaFill->setText(QStringLiteral("1.20"));
  f.EFillVariabel->setItemIndex(0);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(lambdaFillV[i], 1.2) << i;
  EXPECT_EQ(lambdaFillV[4], 0.0);
  EXPECT_TRUE(f.ERa1->isHidden());
  EXPECT_TRUE(f.ELambdaFill3->isHidden());

  // Per-segment fill needs equal segments.
  Layered(3);
  f.EFillVariabel->setItemIndex(1);
  EXPECT_EQ(f.EFillVariabel->itemIndex(), 0);
}

TEST_F(GroundTab, EffectiveConductivityIsNeverBelowThePlainOne) {
  ScriptedInteraction ui;
  f.EDimAxi->setText(QStringLiteral("3"));
  f.Egleichmaessig->setItemIndex(0);
  f.EGrundwasser->setItemIndex(1);
  f.ELambdaerde2->setText(QStringLiteral("2.00"));
  Leave(f.ELambdaeff2, "1.5");
  EXPECT_EQ(lambdaErde_eff[2], 2.0);
  EXPECT_EQ(T(f.ELambdaeff2), "2.00");
  EXPECT_TRUE(ui.Texts("warning").empty());  // groundwater off: no warning
  f.EGrundwasser->setItemIndex(0);
  Leave(f.ELambdaeff2, "1.6");
  ASSERT_EQ(ui.Texts("warning").size(), 1u);
  EXPECT_EQ(ui.Texts("warning")[0], " Lambda_eff >= Lambda ");
  Leave(f.ELambdaeff2, "2.5");
  EXPECT_EQ(lambdaErde_eff[2], 2.5);
  EXPECT_EQ(ui.Texts("warning").size(), 1u);
  // Leaving a ground value marks the ground inhomogeneous and checks again.
  f.Ehomogen->setItemIndex(0);
  Leave(f.ELambdaerde2, "2.80");
  EXPECT_FALSE(homogen);
  EXPECT_EQ(f.Ehomogen->itemIndex(), 1);
  EXPECT_EQ(lambdaErde_eff[2], 2.8);
  EXPECT_EQ(ui.Texts("warning").size(), 2u);
}

TEST_F(GroundTab, SpacingProbesInSeriesAndDepthLabels) {
  ScriptedInteraction ui;
  f.Eg_Sondenabstand->setText(QStringLiteral("6.00"));
  Leave(f.ESondenabstand, "0.05");
  EXPECT_EQ(T(f.ESondenabstand), "10.0");
  ASSERT_EQ(ui.Texts("warning").size(), 1u);
  EXPECT_EQ(ui.Texts("warning")[0], " Sondenabstand grösser wählen ");
  Leave(f.ESondenabstand, "0.1");
  EXPECT_EQ(T(f.ESondenabstand), "0.1");
  EXPECT_EQ(ui.Texts("warning").size(), 1u);

  Leave(f.EinSerie1, "3");
  EXPECT_EQ(inSerie, 3.0);
  EXPECT_EQ(T(f.EinSerie), "3");
  Leave(f.EinSerie1, "0");  // no probe in series is no count: the one in force stays
  EXPECT_EQ(inSerie, 3.0);
  EXPECT_EQ(T(f.EinSerie), "3");

  Sondenlaenge = 150;
  DimAxi = 4;
  f.SchichttiefenAnzeigen();
  EXPECT_EQ(T(f.ETiefe1), "bis 37.5 m");
  EXPECT_EQ(T(f.ETiefe4), "bis 150.0 m");
  EXPECT_EQ(T(f.ETiefe5), "");
  DimAxi = 0;  // as a file may give it: no segments, no depths
  f.SchichttiefenAnzeigen();
  for (QLabel* l : {f.ETiefe1, f.ETiefe2, f.ETiefe10}) EXPECT_EQ(T(l), "");
}

TEST_F(GroundTab, TableShowsLayersWithTheirOwnDecimals) {
  ScriptedInteraction ui;
  lambdaErdeSchicht[2] = 2.345;
  lambdaErde[2] = 1.5;
  DimAxi = 3;
  for (int i = 1; i <= 10; ++i) lambdaFillV[i] = i == 1 ? 0.9 : 0.0;
  cpFillV[1] = 3000;
  SchichtenGleichmaessig = false;
  f.SchichtdatenAnzeigen();
  EXPECT_EQ(T(f.ELambdaerde2), "2.345");
  // Further segments not given take the fill of the first.
  EXPECT_EQ(lambdaFillV[10], 0.9);
  EXPECT_EQ(cpFillV[5], 3000.0);
  EXPECT_EQ(T(f.ELambdaFill7), "0.90");
  SchichtenGleichmaessig = true;
  f.SchichtdatenAnzeigen();
  EXPECT_EQ(T(f.ELambdaerde2), "1.50");
}

}  // namespace
}  // namespace qeb
