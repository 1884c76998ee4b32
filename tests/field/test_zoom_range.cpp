// The field editor's zoom keeps the plan scale within the scales it draws,
// as a measured scale does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "calc/QEBMOD.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

TEST(FeldZoom, StopsAtTheScaleRangeAndComesBackStepByStep) {
  NeuesProjektInDenFenstern();
  FeldeditorInitialisieren();
  ScriptedInteraction ui;
  Form1->Sondenfeld1Click();
  ASSERT_TRUE(Feld->isVisible());
  // "<-" widens the view by 1.5 a click: 0.05 m per pixel passes 1 km per
  // pixel after 25 clicks.
  for (int i = 0; i < 60; ++i) Feld->Button2->click();
  EXPECT_LE(Multiplikator, 1.0e3);
  EXPECT_GT(Multiplikator, 1.0e3 / 1.5);
  EXPECT_EQ(RangeReason("Multiplikator", Multiplikator), "");
  const double oben = Multiplikator;
  Feld->Button3->click();
  EXPECT_DOUBLE_EQ(Multiplikator, oben / 1.5);
  Feld->hide();
}

}  // namespace
}  // namespace qeb
