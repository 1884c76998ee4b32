// The ventilation schedule dialog driven as a user drives it: its layout, the
// week it builds from the bands and unrolls over the year, and what merely
// looking at it or closing it may change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest/qtestspontaneevent.h>
#include <filesystem>
#include <vector>

#include "calc/QEBMOD.h"
#include "input/Fahrplan.h"
#include "platform/Platform.h"
#include "calc/QEBMOD_file.h"
#include "calc/QEBMOD_run.h"
#include "results/Grafik.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

QPoint Pos(QWidget* w) { return w->mapTo(Form7, QPoint()); }

class VentilationSchedule : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Form7->hide();
  }
  void TearDown() override { Form7->hide(); }
  static QLineEdit* Band(int s, int b) {
    return Form7->findChild<QLineEdit*>(QStringLiteral("LF%1%2").arg(s).arg(b));
  }
  static QComboBox* Tag(int d) { return Form7->findChild<QComboBox*>(QStringLiteral("LFBox%1").arg(d)); }
  static void Type(QLineEdit* e, double v) {
    e->setText(QString::number(v));
    e->setModified(true);
  }
  static void Choose(QComboBox* c, int i) {
    c->setCurrentIndex(i);
    emit c->activated(i);
  }
  static std::vector<double> Profil() { return std::vector<double>(Lueftungsprofil, Lueftungsprofil + kStundenArray); }
};

TEST_F(VentilationSchedule, ShowsBothSchedulesSideBySideAndTheWeekdaysInOneColumn) {
  Form7->show();
  QApplication::processEvents();
  EXPECT_EQ(Form7->windowTitle(), QStringLiteral("Lüftungsfahrplan im Programm QEB"));
  const char* captions[] = {"0  -  6 Uhr", "6  -  7 Uhr", "7  - 12 Uhr", "12 - 13 Uhr", "13 - 14 Uhr",
                            "14 - 16 Uhr", "16 - 18 Uhr", "18 - 20 Uhr", "20 - 22 Uhr", "22 - 24 Uhr"};
  for (int b = 0; b <= 9; ++b) {
    auto* l = Form7->findChild<QLabel*>(QStringLiteral("LBand%1").arg(b));
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->text(), QString::fromLatin1(captions[b]));
    EXPECT_EQ(Band(1, b)->text(), QStringLiteral("1.00"));
    EXPECT_NEAR(Pos(Band(1, b)).y(), Pos(Band(2, b)).y(), 2);
    EXPECT_NEAR(Pos(l).y() + l->height() / 2, Pos(Band(1, b)).y() + Band(1, b)->height() / 2, 4);
    EXPECT_GT(Pos(Band(2, b)).x(), Pos(Band(1, b)).x());
    if (b > 0) {
      EXPECT_GT(Pos(Band(1, b)).y(), Pos(Band(1, b - 1)).y());
    }
  }
  for (int d = 2; d <= 7; ++d) {
    EXPECT_EQ(Pos(Tag(d)).x(), Pos(Tag(1)).x());
    EXPECT_GT(Pos(Tag(d)).y(), Pos(Tag(d - 1)).y());
  }
  EXPECT_EQ(Tag(1)->itemText(1), QStringLiteral("Fahrplan 2"));
}

TEST_F(VentilationSchedule, ViewingTheDialogChangesNothing) {
  const auto profil = Profil();
  Form7->show();
  EXPECT_EQ(Form7->EFahrplan->itemIndex(), 0);
  Form7->hide();
  EXPECT_FALSE(LFahrplan);
  for (int i = 10; i <= 29; ++i) EXPECT_EQ(LF[i], 1.0);
  EXPECT_EQ(Profil(), profil);
  // A schedule from the project file stays the file's.
  LFahrplan = true;
  LF[12] = 0.25;
  Form7->show();
  EXPECT_EQ(Form7->EFahrplan->itemIndex(), 1);
  EXPECT_EQ(Band(1, 2)->text(), QStringLiteral("0.25"));
  Form7->close();
  EXPECT_TRUE(LFahrplan);
  EXPECT_EQ(Profil(), profil);
}

TEST_F(VentilationSchedule, TheYearUnrolledFromTheWeekHasTheSumOfItsBands) {
  Form7->show();
  double v1[10], v2[10];
  for (int b = 0; b <= 9; ++b) {
    v1[b] = 0.1 * (b + 1);
    v2[b] = 0.05 * (10 - b);
    Type(Band(1, b), v1[b]);
    Type(Band(2, b), v2[b]);
  }
  Choose(Tag(6), 1);  // Saturday and Sunday on schedule 2
  Choose(Tag(7), 1);
  EXPECT_EQ(Form7->EFahrplan->itemIndex(), 2);
  EXPECT_TRUE(LFahrplan);
  Form7->Button1Click();
  EXPECT_FALSE(Form7->isVisible());
  // Each band counts its hours; the year is 52 weeks and one Monday.
  const int stunden[10] = {6, 1, 5, 1, 1, 2, 2, 2, 2, 2};
  double tag1 = 0.0, tag2 = 0.0;
  for (int b = 0; b <= 9; ++b) {
    tag1 += stunden[b] * v1[b];
    tag2 += stunden[b] * v2[b];
  }
  const double erwartet = 52.0 * (5.0 * tag1 + 2.0 * tag2) + tag1;
  double summe = 0.0;
  for (int h = 1; h <= kStunden; ++h) summe += Lueftungsprofil[h];
  EXPECT_NEAR(summe, erwartet, 1e-9);
  EXPECT_DOUBLE_EQ(Lueftungsprofil[7], v1[1]);        // Monday 6 to 7 h
  EXPECT_DOUBLE_EQ(Lueftungsprofil[7 + 168], v1[1]);
  EXPECT_DOUBLE_EQ(Lueftungsprofil[168], v2[9]);      // Sunday 23 to 24 h
  EXPECT_DOUBLE_EQ(Lueftungsprofil[8736], v2[9]);
  EXPECT_EQ(LFNr[6], 2);
  EXPECT_EQ(LFNr[1], 1);
}

TEST_F(VentilationSchedule, ThisSheetsScheduleWithoutEditingUnrollsTheBandsShown) {
  for (int b = 0; b <= 9; ++b) LF[10 + b] = 0.3;
  Form7->show();
  Form7->EFahrplan->button(2)->click();
  EXPECT_TRUE(LFahrplan);
  Form7->Button1Click();
  for (int h : {1, 100, 168, 169, 8760}) EXPECT_DOUBLE_EQ(Lueftungsprofil[h], 0.3) << h;
}

TEST_F(VentilationSchedule, AWeekdayWithoutAChoiceStoresTheScheduleItRunsOn) {
  LFNr[3] = 5;  // no such schedule
  LFahrplan = true;
  Form7->show();
  EXPECT_EQ(Tag(3)->currentIndex(), -1);
  Form7->EFahrplan->setItemIndex(2);
  Form7->Button1Click();
  EXPECT_EQ(LFNr[3], 1);
  EXPECT_EQ(Tag(3)->currentIndex(), 0);
}

TEST_F(VentilationSchedule, TheTitleBarCloseIsSchliessenAndNoScheduleKeepsTheProfile) {
  Form7->show();
  Type(Band(1, 0), 0.4);
  QCloseEvent ev;
  QSpontaneKeyEvent::setSpontaneous(&ev);
  static_cast<QObject*>(Form7)->event(&ev);  // as the title bar delivers it
  EXPECT_EQ(LF[10], 0.4);
  EXPECT_DOUBLE_EQ(Lueftungsprofil[1], 0.4);
  EXPECT_DOUBLE_EQ(Lueftungsprofil[7], 1.0);
  Form7->hide();
  // "Kein Fahrplan verwenden" switches the schedule off and leaves the profile.
  const auto profil = Profil();
  Form7->show();
  Type(Band(1, 0), 0.9);
  Form7->EFahrplan->button(0)->click();
  Form7->Button1Click();
  EXPECT_FALSE(LFahrplan);
  EXPECT_EQ(Profil(), profil);
}

TEST_F(VentilationSchedule, AScheduleBuiltHereCountsInEveryPassOfARun) {
  Form7->show();
  Type(Band(1, 0), 0.4);
  Choose(Tag(7), 1);
  Type(Band(2, 9), 0.2);
  Form7->Button1Click();
  ASSERT_DOUBLE_EQ(Lueftungsprofil[1], 0.4);
  Form1->ELastyear->setText(QStringLiteral("1"));
  ScriptedInteraction ui;
  Form4->show();
  ASSERT_TRUE(Form4->Start());
  Form4->hide();
  EXPECT_TRUE(LFahrplan);
  EXPECT_EQ(LF[10], 0.4);
  EXPECT_EQ(LF[29], 0.2);
  EXPECT_EQ(LFNr[7], 2);
  EXPECT_DOUBLE_EQ(Lueftungsprofil[1], 0.4);
  EXPECT_DOUBLE_EQ(Lueftungsprofil[168], 0.2);
  EXPECT_DOUBLE_EQ(Lueftungsprofil[7], 1.0);
}

TEST_F(VentilationSchedule, ReReadingTheProjectBeforeAPassKeepsTheScheduleAndItsProfile) {
  // The project on disk has a schedule of its own (all 1.0).
  LFahrplan = true;
  int zeitschritt = 60, schritte = kStunden;
  WriteOutputHeader("plan.qeb", zeitschritt, schritte);
  AusgabeText.Close();
  Inputfile = "plan.qeb";
  readfile = true;
  Form7->show();
  Type(Band(1, 0), 0.4);
  Choose(Tag(7), 1);
  Form7->Button1Click();
  EingabeNeuLesen(1, false);
  readfile = false;
  EXPECT_TRUE(LFahrplan);
  EXPECT_EQ(LF[10], 0.4);
  EXPECT_EQ(LFNr[7], 2);
  EXPECT_DOUBLE_EQ(Lueftungsprofil[1], 0.4);
}

}  // namespace
}  // namespace qeb
