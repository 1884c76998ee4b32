// The colour map of the ground temperature change around a field: the
// change at every pixel of the plan from the superposed line sources of all
// boreholes, and the colour scale with its isolines. Plain routines on
// images, so the editor, the benchmark and the tests share them.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>
#include <vector>

namespace qeb {

// What the change at one pixel depends on.
struct FarbkartenEingabe {
  int breite = 0, hoehe = 0;      // the plan picture, px
  int posx = 0, posy = 0;         // where the plan is drawn on the canvas, px
  double massstab = 0;            // Multiplikator, m per pixel
  std::vector<double> x, y;       // every borehole (own and neighbour), m
  double A = 0, B = 0;            // field g-value of the year and ln(borehole radius)
  double q = 0;                   // specific load, W/m
  double lambda = 0;              // ground conductivity, W/mK
  double zusatz = 0;              // the site file's change added everywhere, K
  bool operator==(const FarbkartenEingabe&) const = default;
};

// The change in K at every pixel, row by row: pixel (c, r) lies at
// ((posx + c) * massstab, (posy + r) * massstab). Each borehole adds
// max(0, A + B - ln d) for d > 0. The fast form skips the boreholes whose term
// is exactly zero (d at or beyond exp(A + B)), sums the logarithms of the
// others as the logarithm of their product (one for a bundle of boreholes)
// and computes rows in parallel; its numbers differ from the plain loop's
// only by rounding (about 1e-13 relative) and give the same colours.
std::vector<double> FarbkartenWerte(const FarbkartenEingabe& e);
// How often FarbkartenWerte ran (the scale buttons only recolour).
extern int FarbkartenLaeufe;
std::vector<double> FarbkartenWerteEinfach(const FarbkartenEingabe& e);

// Colour of the value v (change / full scale). `karte` with q < 0 turns the
// sign (a cooled ground shows as a change upwards); `skala` is FarbSkala, for
// the isolines at whole kelvins. A non-finite value is blue.
QRgb FarbeAusWert(double v, double skala, double q, bool karte);

// Paints the map of the values onto the picture (same size).
void FarbkartePinseln(QImage& bild, const std::vector<double>& werte, double skala, double q);

// The legend at the top right of the picture: bar, ticks and "dT = k K"
// labels, each label over the colour the map gives that change.
void LegendeZeichnen(QImage& bild, double skala, bool erwaermung, const QColor& grund);

}  // namespace qeb
