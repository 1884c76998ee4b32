// Errors a user can read: the module's texts reach the screen as written, a
// value refused by the module is named by the field it was typed into, and a
// refused run leaves no curves of an earlier run in the graph window.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <string>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "tests/support/ui_project.h"
#include "widgets/ErrorText.h"

namespace qeb {
namespace {

class ReadableErrors : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Hauptlauf = true;
    Outputfile = "Ausgabe_errors.qeb";
    Form1->ELastyear->setText(QStringLiteral("1"));
    Form4->show();
  }
  void TearDown() override { Form4->close(); }
  // Types into an edit and leaves it, as a user does.
  static void Type(QLineEdit* e, const QString& t) {
    e->setText(t);
    e->setModified(true);
    emit e->editingFinished();
  }
  // Pixels of the run's curves (pure red and blue) in the graph picture.
  static int KurvenPixel() {
    int n = 0;
    const QImage& b = Form4->Bild;
    for (int y = 0; y < b.height(); ++y)
      for (int x = 0; x < b.width(); ++x) {
        const QRgb p = b.pixel(x, y);
        if (p == qRgb(255, 0, 0) || p == qRgb(0, 0, 255)) ++n;
      }
    return n;
  }
};

TEST_F(ReadableErrors, TheModulesTextsReachTheScreenAsWritten) {
  ScriptedInteraction ui;
  // An error text with umlauts, raised deep in the ground model.
  const CalcError e(std::string(" Sondenl\xE4nge ung\xFCltig  /  invalid probe length "));
  EXPECT_EQ(CalcErrorText(e).toStdString(), " Sondenl\u00e4nge ung\u00fcltig  /  invalid probe length ");
  // A run the module refuses: one radial cell.
  Type(Form1->EDimRad, QStringLiteral("1"));
  EXPECT_FALSE(Form4->Start());
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  const std::string shown = ui.Texts("message")[0];
  EXPECT_EQ(shown.find("\u00c3"), std::string::npos) << shown;  // no UTF-8 read as Windows-1252
  EXPECT_NE(shown.find("ung\u00fcltig"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Radiale Zellen [-] = 1"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("DimRad"), std::string::npos) << shown;

  // A refusal of the ground model in its own words.
  Type(Form1->EDimRad, QStringLiteral("4"));
  Type(Form1->ESondenlaenge, QStringLiteral("0"));
  ui.Clear();
  EXPECT_FALSE(Form4->Start());
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(ui.Texts("message")[0], " Sondenl\u00e4nge ung\u00fcltig  /  invalid probe length ");
}

TEST_F(ReadableErrors, ARefusedValueIsNamedByItsFieldNotByTheScratchFile) {
  ScriptedInteraction ui;
  Type(Form1->EBohrdurchmesser, QStringLiteral("3.5"));
  EXPECT_FALSE(Form4->Start());
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  const std::string shown = ui.Texts("message")[0];
  EXPECT_EQ(shown, " Eingabe ung\u00fcltig  /  invalid value : Bohrdurchmesser [m] = 3.5  (ausserhalb / outside 0 .. 2)");
  EXPECT_EQ(shown.find("Zeile"), std::string::npos) << shown;

  // A cell of a table is named by its column and its row.
  Type(Form1->EBohrdurchmesser, QStringLiteral("0.15"));
  Form1->ELaufzeit1->setText(QStringLiteral("30"));
  ui.Clear();
  EXPECT_FALSE(Form4->Start());
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(ui.Texts("message")[0], " Eingabe ung\u00fcltig  /  invalid value : Laufzeit Januar = 30  (ausserhalb / outside -24 .. 24)");

  // A key no field holds keeps the module's own words.
  const CalcError e("Eingabe ung\xFCltig / invalid input Reserve27: Wert / value 2e+09", "Reserve27", 2e9, "x");
  EXPECT_EQ(CalcErrorText(e).toStdString(), "Eingabe ung\u00fcltig / invalid input Reserve27: Wert / value 2e+09");
}

TEST_F(ReadableErrors, ARefusedRunLeavesNoCurvesOfTheRunBefore) {
  ScriptedInteraction ui;
  ASSERT_TRUE(Form4->Start());
  ASSERT_GT(KurvenPixel(), 100);  // the month just run
  Type(Form1->EDimRad, QStringLiteral("1"));
  EXPECT_FALSE(Form4->Start());
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(KurvenPixel(), 0);
  EXPECT_FALSE(Form4->Bild.isNull());  // empty axes, not a blank window

  // The same through the calculation command, whose one-year pre-run draws
  // nothing itself.
  Type(Form1->EDimRad, QStringLiteral("4"));
  ASSERT_TRUE(Form4->Start());
  ASSERT_GT(KurvenPixel(), 100);
  Type(Form1->EDimRad, QStringLiteral("1"));
  ui.Clear();
  ui.AnswerAsk(kNein);  // no extraction-rate input
  EXPECT_FALSE(Form1->Button14Click());
  EXPECT_EQ(KurvenPixel(), 0);
}

}  // namespace
}  // namespace qeb
