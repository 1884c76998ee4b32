#include "input/SystemForms.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "shell/Sprachen.h"

namespace qeb {

double GraedigkeitLuft = 0.0;

void ShowProbeFlow(QLineEdit* summe, double kgProStunde, bool fuellen) {
  summe->setText(FixedText(kgProStunde, 0));
  // A fill shows the state; the design flow changes only with the user's flows.
  if (fuellen) return;
  Auslegungsmassenstrom = kgProStunde / 3600.0;
  if (Form1 != nullptr) Form1->EAuslegungsmassenstrom->setText(FixedText(Auslegungsmassenstrom, 3));
}

Anlagenschema::Anlagenschema(bool mitWaermepumpe, QWidget* parent)
    : QWidget(parent), mitWaermepumpe_(mitWaermepumpe) {
  setObjectName(QStringLiteral("Anlagenschema"));
  setMinimumSize(380, 330);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

namespace {

const QColor kWarm(200, 40, 30), kKalt(30, 80, 200), kLuft(60, 150, 60), kLinie(40, 40, 40);

void Pumpe(QPainter& p, QPointF c, const QString& name, bool beschriftungLinks = false) {
  p.save();
  p.setPen(QPen(kLinie, 1.5));
  p.setBrush(Qt::white);
  p.drawEllipse(c, 8, 8);
  QPainterPath dreieck;
  dreieck.moveTo(c + QPointF(-4, -5));
  dreieck.lineTo(c + QPointF(6, 0));
  dreieck.lineTo(c + QPointF(-4, 5));
  dreieck.closeSubpath();
  p.setBrush(kLinie);
  p.drawPath(dreieck);
  p.setPen(kLinie);
  const QRectF r = beschriftungLinks ? QRectF(c.x() - 44, c.y() - 7, 32, 14) : QRectF(c.x() + 11, c.y() - 7, 32, 14);
  p.drawText(r, (beschriftungLinks ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, name);
  p.restore();
}

// A word in a box: lines break at blanks, and a word longer than the box
// ("Kältemaschine") is set smaller until it fits.
void ImKasten(QPainter& p, const QRectF& r, const QString& text) {
  p.save();
  QFont f = p.font();
  int breitestes = 0;
  for (const QString& w : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
    breitestes = std::max(breitestes, p.fontMetrics().horizontalAdvance(w));
  const double platz = r.width() - 4;
  if (breitestes > platz) {
    f.setPixelSize(std::max(6, static_cast<int>(f.pixelSize() * platz / breitestes)));
    p.setFont(f);
  }
  p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
  p.restore();
}

void Plattentauscher(QPainter& p, const QRectF& r, const QString& name) {
  p.save();
  p.setPen(QPen(kLinie, 1.5));
  p.setBrush(QColor(235, 235, 235));
  p.drawRect(r);
  for (int k = 1; k < 5; ++k) {
    const double x = r.left() + r.width() * k / 5.0;
    p.drawLine(QPointF(x, r.top() + 3), QPointF(x, r.bottom() - 3));
  }
  p.drawText(QRectF(r.right() + 4, r.top(), 40, r.height()), Qt::AlignLeft | Qt::AlignVCenter, name);
  p.restore();
}

void Pfeil(QPainter& p, QPointF von, QPointF bis, const QColor& farbe) {
  p.save();
  p.setPen(QPen(farbe, 2));
  p.drawLine(von, bis);
  const QPointF d = bis - von;
  const double l = std::hypot(d.x(), d.y());
  if (l > 0) {
    const QPointF e = d / l, n(-e.y(), e.x());
    QPainterPath spitze;
    spitze.moveTo(bis);
    spitze.lineTo(bis - 8 * e + 4 * n);
    spitze.lineTo(bis - 8 * e - 4 * n);
    spitze.closeSubpath();
    p.setBrush(farbe);
    p.drawPath(spitze);
  }
  p.restore();
}

// A circuit between two points: supply and return side by side.
void Kreis(QPainter& p, const QPolygonF& vorlauf, const QPolygonF& ruecklauf) {
  p.save();
  p.setPen(QPen(kWarm, 1.8));
  p.drawPolyline(vorlauf);
  p.setPen(QPen(kKalt, 1.8));
  p.drawPolyline(ruecklauf);
  p.restore();
}

}  // namespace

void Anlagenschema::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  // Drawn on a 380 x 330 sheet, scaled to the widget with its proportions kept.
  const double s = std::min(width() / 380.0, height() / 330.0);
  p.translate((width() - 380.0 * s) / 2.0, (height() - 330.0 * s) / 2.0);
  p.scale(s, s);
  QFont f = p.font();
  f.setPixelSize(10);
  p.setFont(f);

  // Ventilation unit: heat recovery, air coil (exchanger 1) and supply fan.
  p.setPen(QPen(kLinie, 1.5));
  p.setBrush(QColor(248, 248, 240));
  p.drawRect(QRectF(30, 22, 210, 56));
  // The words follow the chosen language; symbols (WRG, WT, P) stand in all.
  auto text = [](int n, const char* deutsch) {
    const QString t = FromBytes(Fenstertext(n));
    return t.isEmpty() ? QString::fromUtf8(deutsch) : t;
  };
  p.drawText(QRectF(30, 6, 210, 14), Qt::AlignLeft, text(882, "Lüftungsgerät"));
  Pfeil(p, {0, 50}, {44, 50}, kLuft);
  p.drawText(QRectF(0, 82, 100, 12), Qt::AlignLeft, text(883, "Aussenluft"));
  p.setBrush(Qt::white);
  const QRectF wrg(48, 32, 36, 36);
  p.drawRect(wrg);
  p.drawLine(wrg.topLeft(), wrg.bottomRight());
  p.drawLine(wrg.topRight(), wrg.bottomLeft());
  p.drawText(QRectF(48, 68, 40, 10), Qt::AlignHCenter, QStringLiteral("WRG"));
  const QRectF wt1(110, 30, 28, 40);
  p.drawRect(wt1);
  QPolygonF schlange;
  for (int k = 0; k <= 8; ++k) schlange << QPointF(k % 2 == 0 ? 114 : 134, 33 + 4.25 * k);
  p.drawPolyline(schlange);
  p.drawText(QRectF(140, 28, 30, 12), Qt::AlignLeft, QStringLiteral("WT1"));
  p.drawEllipse(QPointF(200, 50), 15, 15);
  p.drawLine(QPointF(200, 35), QPointF(210, 60));
  p.drawLine(QPointF(200, 35), QPointF(190, 60));
  Pfeil(p, {215, 50}, {290, 50}, kLuft);
  p.drawText(QRectF(250, 54, 125, 14), Qt::AlignLeft, text(884, "Zuluft"));

  // Circuit of pump 1: air coil to exchanger 2.
  Kreis(p, QPolygonF({{116, 70}, {116, 130}}), QPolygonF({{132, 70}, {132, 130}}));
  Pumpe(p, {116, 100}, QStringLiteral("P1"), true);
  Plattentauscher(p, QRectF(100, 130, 48, 26), QStringLiteral("WT2"));

  // Pump 2: the heating and cooling network of the building.
  Kreis(p, QPolygonF({{148, 136}, {300, 136}, {300, 150}}), QPolygonF({{148, 150}, {290, 150}}));
  p.setPen(QPen(kLinie, 1.5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(290, 126, 40, 34));
  for (int k = 0; k < 5; ++k) p.drawLine(QPointF(296 + 7 * k, 130), QPointF(296 + 7 * k, 156));
  p.drawText(QRectF(245, 162, 135, 12), Qt::AlignHCenter, text(885, "Heizen / Kühlen"));
  Pumpe(p, {220, 136}, QStringLiteral("P2"));

  // Pump 3: exchanger 2 to exchanger 3, with the chiller beside it.
  Kreis(p, QPolygonF({{116, 156}, {116, 200}}), QPolygonF({{132, 156}, {132, 200}}));
  Pumpe(p, {116, 178}, QStringLiteral("P3"), true);
  Plattentauscher(p, QRectF(100, 200, 48, 26), QStringLiteral("WT3"));
  Kreis(p, QPolygonF({{148, 206}, {190, 206}}), QPolygonF({{148, 220}, {190, 220}}));
  p.setPen(QPen(kLinie, 1.5));
  p.setBrush(QColor(225, 235, 250));
  p.drawRect(QRectF(190, 196, 70, 34));
  ImKasten(p, QRectF(190, 196, 70, 34), text(886, "Kältemaschine"));

  // Pump 4: exchanger 3 to the probe field.
  const double boden = 262;
  Kreis(p, QPolygonF({{116, 226}, {116, boden}, {40, boden}, {40, boden + 4}}),
        QPolygonF({{132, 226}, {132, boden + 8}, {40, boden + 8}}));
  Pumpe(p, {116, 244}, QStringLiteral("P4"), true);
  // The ground and the probes in it.
  p.setPen(QPen(QColor(120, 90, 50), 1));
  p.drawLine(QPointF(0, boden - 6), QPointF(380, boden - 6));
  for (int x = 0; x < 380; x += 10) p.drawLine(QPointF(x, boden - 6), QPointF(x + 6, boden - 12));
  p.setPen(QPen(kLinie, 1.5));
  for (int k = 0; k < 4; ++k) {
    const double x = 40 + 26 * k;
    p.drawLine(QPointF(x, boden + 8), QPointF(x, 318));
    p.drawLine(QPointF(x + 8, boden + 8), QPointF(x + 8, 318));
    p.drawArc(QRectF(x, 314, 8, 8), 180 * 16, 180 * 16);
    if (k > 0) {
      p.setPen(QPen(kWarm, 1.2));
      p.drawLine(QPointF(x - 26, boden + 4), QPointF(x, boden + 4));
      p.setPen(QPen(kKalt, 1.2));
      p.drawLine(QPointF(x - 18, boden + 8), QPointF(x + 8, boden + 8));
      p.setPen(QPen(kLinie, 1.5));
    }
  }
  p.drawText(QRectF(150, 300, 145, 14), Qt::AlignLeft, text(84, "Sondenfeld"));

  if (mitWaermepumpe_) {
    // The heat pump draws from the same probes through its evaporator pump 5.
    Kreis(p, QPolygonF({{300, 230}, {300, boden}, {116, boden}}),
          QPolygonF({{316, 230}, {316, boden + 8}, {132, boden + 8}}));
    p.setPen(QPen(kLinie, 1.5));
    p.setBrush(QColor(250, 230, 220));
    p.drawRect(QRectF(282, 196, 70, 34));
    ImKasten(p, QRectF(282, 196, 70, 34), text(72, "Wärmepumpe"));
    Pumpe(p, {300, 246}, QStringLiteral("P5"), true);
  }
}

}  // namespace qeb
