#include "results/verlauf.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "results/Bericht.h"
#include "results/Bildflaeche.h"
#include "results/Grafik.h"
#include "results/Grafik_labels.h"
#include "widgets/TableData.h"

namespace qeb {

TForm9* Form9 = nullptr;
bool VerlaufLetztesJahr = false;
bool TagesMinMax = false;
bool ModusJahresMinMax = true, ModusMin = false, ModusMax = false, ModusMittel = false, ModusBrine = false,
     ModusBrineMittel = false;
double TSinkMinTag[366] = {};
double TSinkMaxTag[366] = {};
QImage VerlaufBitmap;

void VerlaufInit() {
  ModusJahresMinMax = true;
  TagesMinMax = false;
  ModusMin = ModusMax = ModusMittel = ModusBrine = ModusBrineMittel = false;
}

namespace {
// A placeholder of the statistics (±9999) can lie far off the picture; the
// pixel stays a number the painter can take.
int Pixel(double p) { return static_cast<int>(std::trunc(std::clamp(p, -1e6, 1e6))); }
}  // namespace

int VerlaufXKoord(double v) { return Pixel(v * GrafikZoom * VerlaufBreite + 0.5); }
int VerlaufYKoord(double v) { return Pixel((1.0 - v) * GrafikZoom * VerlaufHoehe + 0.5); }

namespace {

// Years the statistics hold for the graphs.
int Jahre() { return std::clamp(LastYear, 0, kMaxJahre); }

double MaxJahresmaximum(int n) {
  double m = -9999999999.0;
  for (int j = 1; j <= n; ++j) m = std::max(m, TSinkMaxJahr[j]);
  return m;
}
double MinJahresminimum(int n) {
  double m = 9999999999.0;
  for (int j = 1; j <= n; ++j) m = std::min(m, TSinkMinJahr[j]);
  return m;
}

QString Zahl(double v, int breite, int dezimalen) {
  return QString::fromStdString(FormatFixed(std::isfinite(v) ? v : 0.0, breite, dezimalen));
}

// The heights (fractions) every curve point of a drawing reached.
double HoeheMin = 0.0, HoeheMax = 0.0;
void Hoehe(double y) {
  HoeheMin = std::min(HoeheMin, y);
  HoeheMax = std::max(HoeheMax, y);
}

// A polyline that a point joins only when it exists: the pen starts at the
// first existing point, and a missing point leaves the pen where it was.
class Linie {
 public:
  Linie(QPainter& p, const QColor& farbe, int breite) : p_(p) { p_.setPen(QPen(farbe, breite)); }
  void Punkt(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    Hoehe(y);
    const QPoint q(VerlaufXKoord(x), VerlaufYKoord(y));
    if (begonnen_) p_.drawLine(letzter_, q);
    letzter_ = q;
    begonnen_ = true;
  }
  // Moves the pen without drawing (the first point of a curve).
  void Start(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    Hoehe(y);
    letzter_ = QPoint(VerlaufXKoord(x), VerlaufYKoord(y));
    begonnen_ = true;
  }

 private:
  QPainter& p_;
  QPoint letzter_;
  bool begonnen_ = false;
};

struct Skala {
  double ymin, ymax;
  double Y(double t) const { return 0.1 + 0.8 * (t - ymin) / (ymax - ymin); }
};

void Text(QPainter& p, double x, double y, const QString& s) {
  TextAus(p, VerlaufXKoord(x), VerlaufYKoord(y), s);
}

void Rechteck(QPainter& p, double x1, double y1, double x2, double y2) {
  p.drawRect(QRect(QPoint(VerlaufXKoord(x1), VerlaufYKoord(y2)), QPoint(VerlaufXKoord(x2), VerlaufYKoord(y1))));
}
void Strich(QPainter& p, double x1, double y1, double x2, double y2) {
  p.drawLine(VerlaufXKoord(x1), VerlaufYKoord(y1), VerlaufXKoord(x2), VerlaufYKoord(y2));
}

void VerlaufAchsen(QPainter& p, const Skala& s, const QString& titel, const QString& xText) {
  // At least one year on the axis, also before any run.
  const int jahre = std::max(Jahre(), 1);
  const int n = VerlaufLetztesJahr ? 12 : jahre;
  p.setBrush(Qt::white);
  p.setPen(QPen(Qt::black, 1));
  // The side panel left of the frame holds nothing: it is not drawn.
  Rechteck(p, 0.14, 0.01, 0.97, 0.99);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 2));
  Strich(p, 0.2, 0.1, 0.95, 0.1);
  Strich(p, 0.2, 0.1, 0.2, 0.9);
  p.setPen(QPen(Qt::black, 1));
  for (int i = 0; i <= n; ++i) Strich(p, 0.2 + 0.75 * i / n, 0.09, 0.2 + 0.75 * i / n, 0.9);
  if (VerlaufLetztesJahr) {
    for (int i = 0; i <= 12; ++i) Text(p, 0.19 + 0.75 * i / 12, 0.08, Zahl(i, 2, 0));
  } else if (jahre <= 20) {
    for (int i = 0; i <= n; ++i) Text(p, 0.19 + 0.75 * i / n, 0.08, Zahl(static_cast<double>(jahre) * i / jahre, 2, 0));
  } else if (jahre == 50) {
    for (int i = 0; i <= 10; ++i) Text(p, 0.194 + 0.075 * i, 0.08, Zahl(50.0 * i / 10, 2, 0));
  } else {
    for (int i = 0; i <= 20; ++i) Text(p, 0.19 + 0.0375 * i, 0.08, Zahl(static_cast<double>(jahre) * i / 20, 2, 0));
  }
  for (int i = 0; i <= 10; ++i) {
    Strich(p, 0.19, 0.1 + 0.08 * i, 0.95, 0.1 + 0.08 * i);
    Text(p, 0.16, 0.115 + 0.08 * i, Zahl(s.ymin + (s.ymax - s.ymin) * i / 10, 2, 0));
  }
  Text(p, 0.4, 0.96, titel);
  // A long axis caption ends inside the frame.
  TextAus(p, std::min(VerlaufXKoord(0.85), VerlaufXKoord(0.96) - p.fontMetrics().horizontalAdvance(xText)),
          VerlaufYKoord(0.05), xText);
  Text(p, 0.16, 0.97, QStringLiteral("[°C]"));
  Text(p, 0.85, 0.96, QStringLiteral("ts = ") + Zahl(tsJahre, 2, 1) + QStringLiteral(" [a]"));
}

void ZeichneJahresMinMax(QPainter& p, const Skala& s) {
  const int jahre = Jahre();
  if (!VerlaufLetztesJahr) {
    if (jahre >= 2) {
      const double w = 0.75 / jahre;
      const double* reihen[2] = {TSinkMinJahr, TSinkMaxJahr};
      const QColor farben[2] = {Qt::blue, Qt::red};
      for (int r = 0; r < 2; ++r) {
        Linie l(p, farben[r], 2);
        for (int k = 1; k <= jahre; ++k) l.Punkt(0.2 + w / 2 + w * (k - 1), s.Y(reihen[r][k]));
      }
    }
  } else if (TagesMinMax) {
    const double* reihen[2] = {TSinkMinTag, TSinkMaxTag};
    const QColor farben[2] = {Qt::blue, Qt::magenta};
    for (int r = 0; r < 2; ++r) {
      Linie l(p, farben[r], 2);
      l.Start(0.2, s.Y(reihen[r][1]));
      for (int d = 2; d <= 365; ++d) l.Punkt(0.2 + 0.75 * d / 365, s.Y(reihen[r][d]));
    }
  } else {
    const double* reihen[2] = {TSinkStunde, TSourceStunde};
    const QColor farben[2] = {Qt::blue, Qt::red};
    for (int r = 0; r < 2; ++r) {
      Linie l(p, farben[r], 1);
      l.Start(0.2, s.Y(reihen[r][1]));
      for (int h = 2; h <= kStunden; ++h)
        if (Messung != 0.0 || MassenstromStunde[h] > 0.001) l.Punkt(0.2 + 0.75 * h / kStunden, s.Y(reihen[r][h]));
    }
  }
  p.setPen(QPen(Qt::black, 2));
  Strich(p, 0.2, s.Y(0.0), 0.95, s.Y(0.0));
}

void ZeichneMonatswerte(QPainter& p, const Skala& s) {
  const int jahre = Jahre();
  if (jahre < 1) return;
  const int monate = 12 * jahre;
  auto x = [monate](int m) { return 0.2 + 0.75 * m / monate; };
  if (ModusMittel) {
    Linie l(p, QColor(0, 128, 0), 1);
    for (int m = 1; m <= monate; ++m)
      if (LaufstundenMonat[m] > 0) l.Punkt(x(m), s.Y(TSinkSummeMonat[m] / LaufstundenMonat[m]));
  }
  // A month without running hours keeps its placeholder and is left out: the
  // curve starts at the first month with a value.
  if ((ModusMax || ModusBrine) && !ModusBrineMittel) {
    const double* werte = ModusBrine ? TBrineMaxMonat : TSinkMaxMonat;
    Linie l(p, Qt::red, 1);
    for (int m = 1; m <= monate; ++m)
      if (TSinkMaxMonat[m] > -900) l.Punkt(x(m), s.Y(werte[m]));
  }
  if ((ModusMin || ModusBrine) && !ModusBrineMittel) {
    const double* werte = ModusBrine ? TBrineMinMonat : TSinkMinMonat;
    Linie l(p, Qt::blue, 1);
    for (int m = 1; m <= monate; ++m)
      if (TSinkMinMonat[m] < 900) l.Punkt(x(m), s.Y(werte[m]));
  }
  if (ModusBrine) {
    Linie l(p, Qt::magenta, 1);
    for (int m = 1; m <= monate; ++m)
      if (LaufstundenMonat[m] > 0) l.Punkt(x(m), s.Y(TBrineSummeMonat[m] / LaufstundenMonat[m]));
  }
}

}  // namespace

void VerlaufSkala(int n, double& ymin, double& ymax) {
  const double max = MaxJahresmaximum(n), min = MinJahresminimum(n);
  ymax = std::trunc(max / 10 + 1) * 10;
  ymin = std::trunc(min / 10 - 1) * 10;
  // Before any run (or with broken statistics) there is no range to scale to.
  if (!std::isfinite(ymax) || !std::isfinite(ymin) || !(ymax > ymin) || n < 1) {
    ymin = -10;
    ymax = 20;
  }
}

void TagesstatistikBerechnen() {
  for (int d = 1; d <= 365; ++d) {
    double mn = 9999, mx = -9999;
    for (int h = 24 * (d - 1) + 1; h <= 24 * d; ++h) {
      if (MassenstromStunde[h] > 0.001) {
        mn = std::min(mn, TSinkStunde[h]);
        mx = std::max(mx, TSinkStunde[h]);
      }
    }
    if (mn == 9999) mn = TSinkStunde[24 * d];
    if (mx == -9999) mx = TSinkStunde[24 * d];
    TSinkMinTag[d] = mn;
    TSinkMaxTag[d] = mx;
  }
}

#define QEB_WINDOW TForm9
#define QEB_TABLE_FILE "results/verlauf_controls.inc"
#include "widgets/WindowTables.inc"

TForm9::TForm9(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form9"));
  setWindowTitle(QStringLiteral("Verlauf"));
  setProperty("titleTags", QVariantList{844});
  auto* h = new QHBoxLayout(this);
  h->setContentsMargins(0, 0, 4, 0);
  bild_ = new Bildflaeche(&VerlaufBitmap,
                          QSize(RoundToInt(VerlaufBreite * 0.8), RoundToInt(VerlaufHoehe * 0.8)), this);
  h->addWidget(bild_, 0, Qt::AlignLeft | Qt::AlignTop);
  auto* seite = new QWidget(this);
  seite->setObjectName(QStringLiteral("Bedienfeld"));
  BuildFromTables(seite, Tables(), nullptr, nullptr);
  h->addWidget(seite, 0, Qt::AlignTop);
#include "widgets/WindowBinding.inc"
  const std::pair<QPushButton*, void (TForm9::*)()> knoepfe[] = {
      {Button1, &TForm9::Button1Click}, {Button2, &TForm9::Button2Click}, {Button3, &TForm9::Button3Click},
      {Button4, &TForm9::Button4Click}, {Button5, &TForm9::Button5Click}, {Button6, &TForm9::Button6Click},
      {Button7, &TForm9::Button7Click}, {Button8, &TForm9::Button8Click}, {Button9, &TForm9::Button9Click},
      {Button10, &TForm9::Button10Click}, {Copy, &TForm9::CopyClick}, {Drucken, &TForm9::DruckenClick},
      {Form5Schliessen, &TForm9::Form9SchliessenClick}};
  for (const auto& [b, slot] : knoepfe) connect(b, &QPushButton::clicked, this, slot);
}

void TForm9::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!e->spontaneous()) Button1Click();
}

void TForm9::Modus(bool jahresMinMax, bool min, bool max, bool mittel, bool brine, bool brineMittel) {
  ModusJahresMinMax = jahresMinMax;
  ModusMin = min;
  ModusMax = max;
  ModusMittel = mittel;
  ModusBrine = brine;
  ModusBrineMittel = brineMittel;
}

void TForm9::Zeigen() {
  ZeichneGfunc();
  if (isVisible()) bild_->repaint();
}

void TForm9::BildInSprache() {
  if (isVisible()) Zeigen();
}

void TForm9::Button1Click() {
  Modus(true, false, false, false, false, false);
  Zeigen();
}
void TForm9::Button2Click() {
  Modus(false, true, true, true, false, false);
  VerlaufLetztesJahr = false;
  Zeigen();
}
void TForm9::Button3Click() {
  Modus(true, true, true, true, false, false);
  VerlaufLetztesJahr = false;
  Zeigen();
}
void TForm9::Button4Click() {
  Modus(false, true, false, false, false, false);
  VerlaufLetztesJahr = false;
  Zeigen();
}
void TForm9::Button5Click() {
  Modus(false, false, true, false, false, false);
  VerlaufLetztesJahr = false;
  Zeigen();
}
void TForm9::Button6Click() {
  Modus(false, false, false, true, false, false);
  VerlaufLetztesJahr = false;
  Zeigen();
}
void TForm9::Button7Click() {
  Modus(false, false, false, false, true, false);
  VerlaufLetztesJahr = false;
  Zeigen();
}
void TForm9::Button8Click() {
  Modus(false, false, false, false, true, true);
  VerlaufLetztesJahr = false;
  Zeigen();
}
void TForm9::Button9Click() {
  Modus(true, false, false, false, false, false);
  VerlaufLetztesJahr = true;
  TagesMinMax = false;
  Zeigen();
}
void TForm9::Button10Click() {
  TagesstatistikBerechnen();
  Modus(true, false, false, false, false, false);
  VerlaufLetztesJahr = true;
  TagesMinMax = true;
  Zeigen();
  TagesMinMax = false;
}

void TForm9::CopyClick() {
  if (!VerlaufBitmap.isNull()) QGuiApplication::clipboard()->setImage(VerlaufBitmap);
}

void TForm9::DruckenClick() { VerlaufBerichtDrucken(); }

void TForm9::Form9SchliessenClick() {
  VerlaufLetztesJahr = false;
  close();
  if (Form4 != nullptr) {
    Form4->show();
    Form4->repaint();
    Form4->JanuarClick();
  }
}

void TForm9::ZeichneGfunc() {
  if (Form1 != nullptr) {
    Form1->EingabenUebernehmen();
    Form1->EingabenAnzeigen();
    int code = 0;
    g1 = ValReal(Form1->Eg1->text(), code);
    g2 = ValReal(Form1->Eg2->text(), code);
    g3 = ValReal(Form1->Eg3->text(), code);
    g4 = ValReal(Form1->Eg4->text(), code);
    g5 = ValReal(Form1->Eg5->text(), code);
    Sondenabstand = ValReal(Form1->ESondenabstand->text(), code);
    g_Sondenabstand = ValReal(Form1->Eg_Sondenabstand->text(), code);
  }
  GrafikZoom = 0.8;
  VerlaufBitmap = QImage(RoundToInt(VerlaufBreite * 0.8), RoundToInt(VerlaufHoehe * 0.8), QImage::Format_RGB32);
  VerlaufBitmap.fill(Qt::white);

  // A stopped or refused calculation has no course to show: its years are
  // not the project's, and neither are those of a calculation before it.
  const bool ohneErgebnis = LetztesLaufergebnis != Laufergebnis::Fertig;
  Skala s{};
  VerlaufSkala(ohneErgebnis ? 0 : Jahre(), s.ymin, s.ymax);
  if (!ohneErgebnis) {
    // The yearly statistics count the running hours only; the hourly, daily
    // and brine curves can reach beyond them. A trial drawing finds every
    // curve's range, and the scale widens (rounded the same way) to hold it.
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter q(&probe);
    HoeheMin = 0.1;
    HoeheMax = 0.9;
    if (ModusJahresMinMax) ZeichneJahresMinMax(q, s);
    if (ModusMin || ModusMax || ModusMittel || ModusBrine) ZeichneMonatswerte(q, s);
    const double tief = s.ymin + (HoeheMin - 0.1) / 0.8 * (s.ymax - s.ymin);
    const double hoch = s.ymin + (HoeheMax - 0.1) / 0.8 * (s.ymax - s.ymin);
    // A placeholder of the statistics (beyond ±900) is no temperature to scale to.
    if (std::isfinite(hoch) && hoch > s.ymax && hoch < 900) s.ymax = std::trunc(hoch / 10 + 1) * 10;
    if (std::isfinite(tief) && tief < s.ymin && tief > -900) s.ymin = std::trunc(tief / 10 - 1) * 10;
  }
  // The captions follow the chosen language.
  auto text = [](int n, const char* deutsch) { return QString::fromStdString(GrafikText::Tabellentext(n, deutsch)); };
  QString titel, xText = text(849, "Jahre [a]");
  if (TagesMinMax) {
    titel = text(851, "Tagesminimum (blau) und -maximum (rosa) von TSink");
    xText = text(850, "Monate des letzten Jahres");
  } else if (VerlaufLetztesJahr) {
    titel = text(852, "TSink (blau) / TSource (rot) im Betrieb");
    xText = text(850, "Monate des letzten Jahres");
  } else if (ModusBrine) {
    titel = text(853, "Soletemperatur (TSource + TSink)/2");
  } else if (ModusJahresMinMax && !ModusMin && !ModusMax) {
    titel = QStringLiteral("T_Min / T_Max");
  } else if (ModusJahresMinMax || (ModusMin && ModusMax)) {
    titel = QStringLiteral("Min/Max TSink");
  } else if (ModusMin) {
    titel = QStringLiteral("Min. TSink");
  } else if (ModusMax) {
    titel = QStringLiteral("Max. TSink");
  } else {
    titel = text(854, "Monatsmittel von TSink");
  }

  QPainter p(&VerlaufBitmap);
  VerlaufAchsen(p, s, titel, xText);
  if (ohneErgebnis) return;
  if (ModusJahresMinMax) ZeichneJahresMinMax(p, s);
  if (ModusMin || ModusMax || ModusMittel || ModusBrine) ZeichneMonatswerte(p, s);
}

}  // namespace qeb
