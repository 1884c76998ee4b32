// What the engineer types and picks is what is calculated: numbers are read
// as typed (a decimal comma too) or refused by name, options set by code carry
// their consequences, and the run sees the values the window shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/QEBInput_handlers.h"
#include "input/WP1.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "tests/support/ui_project.h"
#include "widgets/Controls.h"

namespace qeb {
namespace {

class InputCounts : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Form1->show();
  }
  void TearDown() override {
    Form4->hide();
    Form8->hide();
    Form1->hide();
  }
  static void Tippe(QLineEdit* e, const char* keys) {
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, QString::fromUtf8(keys));
  }
  static void Leere(QLineEdit* e) {
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
  }
  static void Verlasse(QLineEdit* e) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(e, &out);
    e->clearFocus();
  }
  static void Eingabe(QLineEdit* e, const char* keys) {
    Tippe(e, keys);
    Verlasse(e);
  }
  static std::string T(const QLineEdit* e) { return e->text().toStdString(); }
  static double Summe(const double* m) {
    double s = 0.0;
    for (int i = 1; i <= 12; ++i) s += m[i];
    return s;
  }
  // One simulated year through the window's calculation command.
  static void EinJahrRechnen() {
    Eingabe(Form1->ELastyear, "1");
    ASSERT_TRUE(Form4->Start());
  }
};

// ---------------- typed numbers ----------------

TEST_F(InputCounts, ADecimalCommaCountsAndTextThatIsNoNumberIsRefusedByItsCaption) {
  ScriptedInteraction ui;
  Form1->Lastprofil1Click();
  // "3,8" is the COP 3.8: the run calculates with it.
  Eingabe(Form1->ECOP_Volllast, "3,8");
  EXPECT_TRUE(ui.Texts("message").empty());
  EinJahrRechnen();
  EXPECT_EQ(COP_Volllast, 3.8);
  EXPECT_NEAR(Auslegungsentzug, Heizleistung_Vollast * 2.8 / 3.8, 1e-9);
  const double tMinKomma = TSinkMin;
  std::printf("COP \"3,8\": COP %.2f, design flow %.3f kg/s, lowest fluid temperature %.2f C\n", COP_Volllast,
              Auslegungsmassenstrom, tMinKomma);
  Eingabe(Form1->ECOP_Volllast, "3.8");
  EinJahrRechnen();
  EXPECT_EQ(TSinkMin, tMinKomma);

  // Letters, two points, an emptied length: one message naming the field,
  // the last good value back, nothing calculated with 0.
  Eingabe(Form1->ESondenlaenge, "150,5");
  EXPECT_EQ(Sondenlaenge, 150.5);
  for (const char* schlecht : {"abc", "1.2.3", ""}) {
    ui.Clear();
    if (*schlecht != 0) {
      Tippe(Form1->ESondenlaenge, schlecht);
    } else {
      Leere(Form1->ESondenlaenge);
    }
    Verlasse(Form1->ESondenlaenge);
    ASSERT_EQ(ui.Texts("message").size(), 1u) << schlecht;
    EXPECT_NE(ui.Texts("message")[0].find("Sondenl\u00e4nge [m]"), std::string::npos) << ui.Texts("message")[0];
    EXPECT_EQ(ui.Count("message", " Minimal borehole depth is 3m / Minimale Bohrtief ist 3m "), 0);
    EXPECT_EQ(T(Form1->ESondenlaenge), "150,5");
    EXPECT_EQ(Sondenlaenge, 150.5);
  }

  // Emptying the annual heating energy keeps the months; leaving it refuses it.
  Eingabe(Form1->EJahresheizlast, "18000");
  const double monate = Summe(Heizlast);
  ui.Clear();
  Leere(Form1->EJahresheizlast);
  EXPECT_EQ(Summe(Heizlast), monate);
  Verlasse(Form1->EJahresheizlast);
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(T(Form1->EJahresheizlast), "18000");
  EXPECT_EQ(Summe(Heizlast), monate);

  // A value outside the project's range is refused at leave, not at the run.
  ui.Clear();
  Eingabe(Form1->EJahresheizlast, "1e308");
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_NE(ui.Texts("message")[0].find("1e+308"), std::string::npos) << ui.Texts("message")[0];
  EXPECT_EQ(T(Form1->EJahresheizlast), "18000");
  EXPECT_EQ(Jahresheizlast, 18000.0);
  EXPECT_NEAR(Summe(Heizlast), monate, 1e-6);

  // A command finishes the typing first: the refused text never reaches the run.
  ui.Clear();
  Tippe(Form1->ECOP_Volllast, "x");
  ui.AnswerAsk(kNein);  // "Change Power of Heatpump?"
  ui.AnswerAsk(kJa);    // "New calculation?"
  Form1->Resultate->trigger();
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(COP_Volllast, 3.8);
}

}  // namespace
}  // namespace qeb
