#include "field/Farbkarte.h"

#include <QPainter>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "shell/Sprachen.h"
#include "widgets/Controls.h"

namespace qeb {

namespace {

inline double Ausgabe(const FarbkartenEingabe& e, double S) {
  return e.q * S / 3.14 / 2 / e.lambda + e.zusatz;
}

// One borehole's term as both loops compute it.
// ln d is taken as ln(d^2) / 2: the same number without a square root.
inline double Term(const FarbkartenEingabe& e, double dx, double dy) {
  const double d2 = dx * dx + dy * dy;
  if (!(d2 > 0)) return 0.0;
  const double t = e.A + e.B - 0.5 * std::log(d2);
  return t > 0 ? t : 0.0;
}

}  // namespace

std::vector<double> FarbkartenWerteEinfach(const FarbkartenEingabe& e) {
  std::vector<double> w(static_cast<size_t>(std::max(e.breite, 0)) * std::max(e.hoehe, 0));
  const size_t n = std::min(e.x.size(), e.y.size());
  for (int r = 0; r < e.hoehe; ++r)
    for (int c = 0; c < e.breite; ++c) {
      const double px = (e.posx + c) * e.massstab, py = (e.posy + r) * e.massstab;
      double S = 0;
      for (size_t i = 0; i < n; ++i) S += Term(e, px - e.x[i], py - e.y[i]);
      w[static_cast<size_t>(r) * e.breite + c] = Ausgabe(e, S);
    }
  return w;
}

int FarbkartenLaeufe = 0;

std::vector<double> FarbkartenWerte(const FarbkartenEingabe& e) {
  ++FarbkartenLaeufe;
  std::vector<double> w(static_cast<size_t>(std::max(e.breite, 0)) * std::max(e.hoehe, 0));
  const size_t n = std::min(e.x.size(), e.y.size());
  // Beyond R = exp(A + B) a borehole's term is not positive and counts 0; the
  // margin keeps every term that might still be positive after rounding.
  const double R = std::exp(e.A + e.B) * (1 + 1e-9) + 1e-12;
  const bool alle = !std::isfinite(R);
  const double R2 = R * R;
  const double C = e.A + e.B;
  const double Rinnen = std::exp(C) * (1 - 1e-9);
  const double R2innen = Rinnen * Rinnen;
  // A bundle of squares, each below R^2 and above 1e-12, stays within the
  // range of a double: at most 1e300 and at least 1e-300.
  const int buendel = R2 > 1 ? std::min(25, static_cast<int>(300.0 / std::log10(R2))) : 25;
  const bool gebuendelt = !alle && buendel >= 2 && R2innen > 0;
  std::vector<int> zeilen(static_cast<size_t>(std::max(e.hoehe, 0)));
  std::iota(zeilen.begin(), zeilen.end(), 0);
  QtConcurrent::blockingMap(zeilen, [&](int r) {
    const double py = (e.posy + r) * e.massstab;
    // The boreholes near enough to this row.
    std::vector<size_t> nah;
    nah.reserve(n);
    for (size_t i = 0; i < n; ++i)
      if (alle || std::fabs(py - e.y[i]) <= R) nah.push_back(i);
    double* zeile = w.data() + static_cast<size_t>(r) * e.breite;
    for (int c = 0; c < e.breite; ++c) {
      const double px = (e.posx + c) * e.massstab;
      double S = 0;
      if (gebuendelt) {
        // Well inside R every term is C - ln(d^2)/2 > 0: their sum is
        // n C - ln(product of the d^2)/2, one logarithm for a bundle of boreholes.
        // Terms near R (where rounding decides the sign) and tiny distances
        // are taken one by one as the plain loop takes them.
        double produkt = 1, logsumme = 0;
        int imBuendel = 0, gezaehlt = 0;
        for (size_t i : nah) {
          const double dx = px - e.x[i], dy = py - e.y[i];
          const double d2 = dx * dx + dy * dy;
          if (d2 > R2) continue;
          if (d2 >= R2innen || d2 < 1e-12) {
            S += Term(e, dx, dy);
            continue;
          }
          produkt *= d2;
          ++gezaehlt;
          if (++imBuendel == buendel) {
            logsumme += std::log(produkt);
            produkt = 1;
            imBuendel = 0;
          }
        }
        if (imBuendel > 0) logsumme += std::log(produkt);
        S += gezaehlt * C - 0.5 * logsumme;
      } else {
        for (size_t i : nah) {
          const double dx = px - e.x[i], dy = py - e.y[i];
          if (!alle && dx * dx + dy * dy > R2) continue;
          S += Term(e, dx, dy);
        }
      }
      zeile[c] = Ausgabe(e, S);
    }
  });
  return w;
}

QRgb FarbeAusWert(double v, double skala, double q, bool karte) {
  if (!std::isfinite(v)) return qRgb(0, 0, 255);
  double v2 = v;
  if (karte && q < 0) v2 = -v;
  double h = v2 <= 0 ? 0.0 : v2 >= 1 ? 6.0 : 6.0 * v2;
  h = 6.0 - h;
  const int b = static_cast<int>(std::nearbyint((h - std::trunc(h)) * 255.0));
  const double w = skala * v2;
  if (std::isfinite(w) && std::fabs(w) < 31) {
    for (int k = 30; k >= 1; --k) {
      const int m = k >= 13 ? 20 : k == 12 ? 30 : k >= 10 ? 40 : k >= 7 ? 50 : k >= 5 ? 60 : k >= 3 ? 75 : 100;
      if (std::nearbyint(w * m) / m == k) return qRgb(0, 0, 0);
    }
  }
  switch (static_cast<int>(std::trunc(h))) {
    case 0: return qRgb(255, b, 0);
    case 1: return qRgb(255 - b, 255, 0);
    case 2: return qRgb(0, 255, b / 2);
    case 3: return qRgb(0, 255, b / 2 + 127);
    case 4: return qRgb(0, 255 - b / 2, 255);
    case 5: return qRgb(0, 127 - b / 2, 255);
    default: return qRgb(0, 0, 255);
  }
}

void FarbkartePinseln(QImage& bild, const std::vector<double>& werte, double skala, double q) {
  if (bild.format() != QImage::Format_RGB32) bild = bild.convertToFormat(QImage::Format_RGB32);
  const int W = bild.width(), H = bild.height();
  if (werte.size() != static_cast<size_t>(W) * H) return;
  for (int r = 0; r < H; ++r) {
    auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(r));
    for (int c = 0; c < W; ++c) zeile[c] = FarbeAusWert(werte[static_cast<size_t>(r) * W + c] / skala, skala, q, true);
  }
}

void LegendeZeichnen(QImage& bild, double skala, bool erwaermung, const QColor& grund) {
  QPainter p(&bild);
  p.setPen(QPen(grund, 3));
  for (int j = 1; j <= 100; ++j) {
    const int x = 640 + static_cast<int>(std::nearbyint(1.5 * j));
    p.drawLine(x, 20, x, 157);
  }
  // The bar runs from 0 K at the left tick to 10 K at the right, so the
  // colour under each label is the one the map shows for that change.
  QRgb vorher = FarbeAusWert(0.0, skala, 0, false);
  for (int j = 1; j <= 99; ++j) {
    QRgb c = FarbeAusWert(0.1 * j / skala, skala, 0, false);
    if (c == qRgb(0, 0, 0)) c = vorher;
    vorher = c;
    p.setPen(QPen(QColor(c), 3));
    const int x = 645 + static_cast<int>(std::nearbyint(1.4 * j));
    p.drawLine(x, 25, x, 100);
  }
  p.setPen(QPen(Qt::black, 2));
  for (int k = 1; k <= 10; ++k) {
    const int x = 645 + 14 * k;
    p.drawLine(x, 25, x, 100);
  }
  QFont f = p.font();
  f.setPixelSize(10);
  p.setFont(f);
  p.setPen(Qt::black);
  if (erwaermung) {
    // The title follows the windows' language.
    const QString t = FromBytes(Fenstertext(896));
    p.drawText(20, 628, (t.isEmpty() ? QStringLiteral("Temperaturerhöhung") : t) + QString(12, QLatin1Char(' ')));
  }
  for (int k = 1; k <= 9; ++k) {
    // Labels stand one above the other so that each stays readable at its tick.
    p.save();
    p.translate(636 + 14 * k + 12, 110);
    p.rotate(90);
    p.drawText(0, 0, QStringLiteral("dT = ") + QString::number(k) + QStringLiteral("K"));
    p.restore();
  }
}

}  // namespace qeb
