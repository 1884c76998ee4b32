// Typing into an edit as a user would: select what it holds, type the keys,
// and (for the second) leave it as Tab would.
#pragma once

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QString>
#include <QTest>

namespace qeb {

inline void Tippe(QLineEdit* e, const char* keys) {
  e->setFocus();
  e->selectAll();
  QTest::keyClicks(e, QString::fromUtf8(keys));
}

inline void Verlasse(QLineEdit* e) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(e, &out);
  e->clearFocus();
}

inline void TippeUndVerlasse(QLineEdit* e, const char* keys) {
  Tippe(e, keys);
  Verlasse(e);
}

}  // namespace qeb
