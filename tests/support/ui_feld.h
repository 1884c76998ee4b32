// The mouse on the probe field's drawing area, as a user would use it.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPointF>

#include "field/Sondenfeld.h"

namespace qeb {

inline void Maus(QEvent::Type t, int x, int y, Qt::MouseButton b, Qt::MouseButtons gehalten) {
  QWidget* w = Feld->Zeichenflaeche;
  QMouseEvent e(t, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), b, gehalten, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

inline void Klick(int x, int y) {
  Maus(QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
  Maus(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
}

}  // namespace qeb
