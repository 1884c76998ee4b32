// The picture area of the course and profile windows: shows an off-screen
// picture unscaled at its top-left corner.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace qeb {

class Bildflaeche : public QWidget {
 public:
  Bildflaeche(const QImage* bild, QSize groesse, QWidget* parent) : QWidget(parent), bild_(bild) {
    setObjectName(QStringLiteral("Bildflaeche"));
    setFixedSize(groesse);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (bild_ != nullptr && !bild_->isNull()) p.drawImage(0, 0, *bild_);
  }

 private:
  const QImage* bild_;
};

// Writes `text` with its top-left corner at (x, y), as the pictures and the
// printed pages place their texts.
inline void TextAus(QPainter& p, double x, double y, const QString& text) {
  p.drawText(QPointF(x, y + p.fontMetrics().ascent()), text);
}

}  // namespace qeb
