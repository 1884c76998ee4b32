// What the program shows during a run can be answered: the run's input
// filter swallows keys, clicks and closes only while nothing modal is open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/Platform.h"
#include "results/Grafik.h"

namespace qeb {
namespace {

// Shows a message through the desktop's own dialogs while a run's guard is
// installed, and lets `answer` act on the box the way a user would. A box
// that does not close within two seconds is closed by force and counted.
bool MessageClosesDuringRun(const std::function<void(QWidget*)>& answer) {
  Interaction* scripted = SetInteraction(nullptr);  // the real message boxes
  LaufWache wache;
  bool forced = false;
  QTimer user;
  user.setSingleShot(true);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) answer(box);
  });
  user.start(50);
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      forced = true;
      box->done(0);
    }
  });
  watchdog.start(2000);
  Message(" Eingabe ungültig  /  invalid value : DimRad < 2");
  SetInteraction(scripted);
  return !forced;
}

TEST(RunInputFilter, AMessageShownDuringARunClosesByKeyClickAndCloseBox) {
  EXPECT_TRUE(MessageClosesDuringRun([](QWidget* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box->focusWidget() != nullptr ? box->focusWidget() : box, &press);
  })) << "Return on the message";
  EXPECT_TRUE(MessageClosesDuringRun([](QWidget* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  })) << "Escape on the message";
  EXPECT_TRUE(MessageClosesDuringRun([](QWidget* box) {
    auto* mb = qobject_cast<QMessageBox*>(box);
    ASSERT_NE(mb, nullptr);
    mb->button(QMessageBox::Ok)->click();
  })) << "a click on OK";
  EXPECT_TRUE(MessageClosesDuringRun([](QWidget* box) { box->close(); })) << "the close box";
}

TEST(RunInputFilter, EscapeAnsweringAMessageDoesNotStopTheRun) {
  SetEscapeProbe(nullptr);
  LaufWache wache;
  ASSERT_TRUE(MessageClosesDuringRun([](QWidget* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  }));
  EXPECT_FALSE(EscapeGedrueckt());
}

TEST(RunInputFilter, WithoutAModalWindowKeysAndClosesAreSwallowedAndEscapeIsLatched) {
  SetEscapeProbe(nullptr);
  QWidget w;
  w.show();
  LaufWache wache;
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&w, &esc);
  EXPECT_TRUE(w.close() == false || w.isVisible());
  EXPECT_TRUE(EscapeGedrueckt());
}

}  // namespace
}  // namespace qeb
