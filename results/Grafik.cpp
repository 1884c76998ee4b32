// The graph window "Programm QEB - Berechnung": the off-screen picture of one
// month (or of the whole period) of hourly temperatures or powers, its axes
// and curves, and the buttons that pick a month and a curve set.
#include "results/Grafik.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "platform/Platform.h"
#include "results/Bericht.h"
#include "results/Grafik_labels.h"
#include "shell/QEB.h"

namespace qeb {

TForm4* Form4 = nullptr;
double GrafikZoom = 0.8;
int Achsenmaximum = 10;
bool DezemberGezeichnet = false;
bool KurvePlus = true, KurveSondenRL = true, KurveLeistung = false;
bool KurveSystem1 = false, KurveVerteilnetz = false, KurveSystem2 = false;
bool Kurve24h = false, KurveLuft = false;

int Temperaturskala(double tSinkMax, double tSinkMin) {
  static const struct {
    double grenze;
    int skala;
  } kStufen[] = {{12, 20}, {20, 25}, {25, 30}, {30, 35}, {35, 40}, {40, 45},
                 {45, 50}, {50, 55}, {55, 60}, {60, 65}, {65, 80}, {80, 100}};
  int s = 15;
  for (const auto& st : kStufen)
    if (tSinkMax > st.grenze || tSinkMin < -st.grenze) s = st.skala;
  return s;
}

namespace {

// The picture area: shows the off-screen picture as it stands, whole. A
// window smaller than the picture shows a copy scaled to fit; the copy is made
// once for each picture drawn (and each new window size), not at every repaint:
// the run repaints far more often than it draws.
class Zeichenflaeche : public QWidget {
 public:
  explicit Zeichenflaeche(TForm4* f) : QWidget(f), form_(f) {
    setObjectName(QStringLiteral("Zeichenflaeche"));
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  QSize sizeHint() const override { return QSize(RoundToInt(1264 * 0.8), RoundToInt(880 * 0.8)); }
  QSize minimumSizeHint() const override { return QSize(200, 140); }

  const QImage& Anzeige() {
    const QImage& bild = form_->Bild;
    if (bild.isNull()) return bild;
    const QSize ziel = bild.size().scaled(size(), Qt::KeepAspectRatio);
    if (ziel.width() >= bild.width() || ziel.isEmpty()) return bild;  // fits as drawn
    if (bild.cacheKey() != quelle_ || kopie_.size() != ziel) {
      kopie_ = bild.scaled(ziel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      quelle_ = bild.cacheKey();
      ++form_->BildSkalierungen;
    }
    return kopie_;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QImage& bild = Anzeige();
    // White only where the picture does not cover: the run repaints often.
    const QRegion rest = QRegion(rect()) - QRegion(bild.rect());
    for (const QRect& r : rest) p.fillRect(r, Qt::white);
    if (!bild.isNull()) p.drawImage(0, 0, bild);
  }
  void mouseDoubleClickEvent(QMouseEvent*) override { form_->Button10Click(); }

 private:
  TForm4* form_;
  QImage kopie_;
  qint64 quelle_ = 0;
};

// Calls a handler another window offers by name; false when it has none.
bool Aufrufen(QObject* o, const char* name) {
  const QByteArray sig = QByteArray(name) + "()";
  if (o->metaObject()->indexOfMethod(QMetaObject::normalizedSignature(sig.constData())) < 0) return false;
  return QMetaObject::invokeMethod(o, name, Qt::DirectConnection);
}

QString U(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A step of 1, 2 or 5 times a power of ten that gives at most `maxTicks` divisions.
double Teilung(double spanne, int maxTicks) {
  if (!(spanne > 0)) return 1.0;
  const double roh = spanne / maxTicks;
  const double p = std::pow(10.0, std::floor(std::log10(roh)));
  for (double f : {1.0, 2.0, 5.0, 10.0})
    if (f * p >= roh - 1e-12) return f * p;
  return 10.0 * p;
}

std::string Zahl(double v) {
  const double r = std::fabs(v - std::round(v)) < 1e-9 ? std::round(v) : v;
  return FormatFixed(r, 0, std::fabs(r - std::round(r)) < 1e-9 ? 0 : 1);
}

const QColor kDunkelgruen(0, 128, 0);
const QColor kPurpur(128, 0, 128);
const QColor kLimone(0, 255, 0);
const QColor kFuchsia(255, 0, 255);

struct Knopf {
  QPushButton* TForm4::*member;
  const char* name;
  const char* caption;
  int tag;
  void (TForm4::*slot)();
  int row, col;
};

// The window's controls: name, caption, text number, handler, place.
const Knopf kKnoepfe[] = {
    {&TForm4::Januar, "Januar", "Januar", 362, &TForm4::JanuarClick, 0, 0},
    {&TForm4::Februar, "Februar", "Februar", 363, &TForm4::FebruarClick, 0, 1},
    {&TForm4::Maerz, "Maerz", "März", 364, &TForm4::MaerzClick, 0, 2},
    {&TForm4::April, "April", "April", 365, &TForm4::AprilClick, 0, 3},
    {&TForm4::Mai, "Mai", "Mai", 366, &TForm4::MaiClick, 0, 4},
    {&TForm4::Juni, "Juni", "Juni", 367, &TForm4::JuniClick, 0, 5},
    {&TForm4::Juli, "Juli", "Juli", 368, &TForm4::JuliClick, 0, 6},
    {&TForm4::August, "August", "August", 369, &TForm4::AugustClick, 0, 7},
    {&TForm4::September, "September", "September", 370, &TForm4::SeptemberClick, 0, 8},
    {&TForm4::Oktober, "Oktober", "Oktober", 371, &TForm4::OktoberClick, 0, 9},
    {&TForm4::November, "November", "November", 372, &TForm4::NovemberClick, 0, 10},
    {&TForm4::Dezember, "Dezember", "Dezember", 373, &TForm4::DezemberClick, 0, 11},
    {&TForm4::Button1, "Button1", "Leistung", 381, &TForm4::Button1Click, 1, 0},
    {&TForm4::Button6, "Button6", "24h-Mittel", 382, &TForm4::Button6Click, 1, 1},
    {&TForm4::Button4, "Button4", "Sonden-Temp", 375, &TForm4::Button4Click, 1, 2},
    {&TForm4::Button2, "Button2", "Sonden RL", 376, &TForm4::Button2Click, 1, 3},
    {&TForm4::Button3, "Button3", "Kältenetz", 377, &TForm4::Button3Click, 1, 4},
    {&TForm4::Lufttemperatur, "Lufttemperatur", "Luft - Temp", 378, &TForm4::LufttemperaturClick, 1, 5},
    {&TForm4::Button5, "Button5", "Berechnung", 361, &TForm4::Button5Click, 1, 7},
    {&TForm4::Copy, "Copy", "Copy", 379, &TForm4::CopyClick, 1, 8},
    {&TForm4::Drucken, "Drucken", "Drucken", 374, &TForm4::DruckenClick, 1, 9},
    {&TForm4::Schliessen, "Schliessen", "Schliessen", 380, &TForm4::SchliessenClick, 1, 11},
};

}  // namespace

TForm4::TForm4(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("Programm QEB - Berechnung"));
  setProperty("titleTags", QVariantList{8, QStringLiteral(" - "), 70});
  auto* v = new QVBoxLayout(this);
  v->addWidget(new Zeichenflaeche(this), 1);
  auto* g = new QGridLayout();
  v->addLayout(g);
  for (const Knopf& k : kKnoepfe) {
    auto* b = new QPushButton(QString::fromUtf8(k.caption), this);
    b->setObjectName(QString::fromLatin1(k.name));
    if (k.tag > 0) b->setProperty("tag", k.tag);
    this->*(k.member) = b;
    g->addWidget(b, k.row, k.col);
    connect(b, &QPushButton::clicked, this, [this, slot = k.slot] { (this->*slot)(); });
  }
  Button6->hide();
  FormCreate();
}

void TForm4::FormCreate() {
  const ScreenMetrics m = Screen();
  Bildschirmbreite = m.monitorWidth;
  Bildschirmhoehe = m.monitorHeight;
}

void TForm4::FormShow() {
  LogischeBreite = 1264;
  LogischeHoehe = 880;
  FensterEinpassen();
}

void TForm4::FensterEinpassen() {
  // The first showing takes the whole picture's size where the screen has room
  // (the toolkit's default is two thirds of the screen); later showings keep
  // the user's size. Room stays for the title bar and a task bar.
  const ScreenMetrics m = Screen();
  if (m.width <= 0 || m.height <= 0) return;
  const QSize platz(m.width, m.height - 80);
  const QSize soll = (groesseGewaehlt_ ? size() : sizeHint()).boundedTo(platz);
  groesseGewaehlt_ = true;
  if (soll != size()) resize(soll);
}

void TForm4::showEvent(QShowEvent* e) {
  FormShow();
  QWidget::showEvent(e);
}

void TForm4::paintEvent(QPaintEvent* e) { QWidget::paintEvent(e); }

void TForm4::mouseDoubleClickEvent(QMouseEvent*) { Button10Click(); }

void TForm4::BildZeigen() {
  if (auto* z = findChild<QWidget*>(QStringLiteral("Zeichenflaeche")); z != nullptr && isVisible()) z->repaint();
}


void TForm4::Achsen(const std::string& titel, const std::string& legende, double xmin, double xmax, double ymin,
                    double ymax, const std::string& xText, const std::string& yText) {
  if (Bild.isNull())
    Bild = QImage(RoundToInt(1264 * GrafikZoom), RoundToInt(880 * GrafikZoom), QImage::Format_RGB32);
  QPainter p(&Bild);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(Bild.rect(), Qt::white);
  QFont f = p.font();
  f.setPixelSize(std::max(8, RoundToInt(15 * GrafikZoom)));
  p.setFont(f);
  // Two frames.
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(X(0.002), Y(0.998), X(0.998) - X(0.002), Y(0.002) - Y(0.998));
  p.drawRect(X(0.01), Y(0.99), X(0.99) - X(0.01), Y(0.01) - Y(0.99));

  // Grid and tick labels inside the plot area x 0.3..0.95, y 0.1..0.9.
  const QFontMetrics fm(f);
  const double sx = Teilung(xmax - xmin, 16);
  const double sy = Teilung(ymax - ymin, 10);
  QPen gitter(QColor(200, 200, 200), 1, Qt::DotLine);
  gitter.setCosmetic(true);  // the raster engine's fast path for dotted lines
  for (double x = std::ceil(xmin / sx) * sx; x <= xmax + 1e-9; x += sx) {
    const double fx = 0.3 + 0.65 * (x - xmin) / (xmax - xmin);
    p.setPen(gitter);
    p.drawLine(X(fx), Y(0.1), X(fx), Y(0.9));
    p.setPen(Qt::black);
    const QString t = U(Zahl(x));
    p.drawText(X(fx) - fm.horizontalAdvance(t) / 2, Y(0.1) + fm.ascent() + 4, t);
  }
  for (double y = std::ceil(ymin / sy) * sy; y <= ymax + 1e-9; y += sy) {
    const double fy = 0.1 + 0.8 * (y - ymin) / (ymax - ymin);
    p.setPen(std::fabs(y) < 1e-9 ? QPen(Qt::gray, 1) : gitter);
    p.drawLine(X(0.3), Y(fy), X(0.95), Y(fy));
    p.setPen(Qt::black);
    const QString t = U(Zahl(y));
    p.drawText(X(0.3) - fm.horizontalAdvance(t) - 6, Y(fy) + fm.ascent() / 2 - 1, t);
  }
  // The axes, 2 pixels wide.
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(X(0.3), Y(0.1), X(0.95), Y(0.1));
  p.drawLine(X(0.3), Y(0.1), X(0.3), Y(0.9));
  // Title, legend and axis texts.
  p.setPen(Qt::black);
  QFont tf = f;
  tf.setPixelSize(std::max(10, RoundToInt(22 * GrafikZoom)));
  tf.setBold(true);
  p.setFont(tf);
  p.drawText(X(0.3), Y(0.955), U(titel));
  p.setFont(f);
  p.drawText(X(0.3), Y(0.925), U(legende));
  p.drawText(X(0.625) - fm.horizontalAdvance(U(xText)) / 2, Y(0.035), U(xText));
  p.drawText(X(0.3) - fm.horizontalAdvance(U(yText)) / 2, Y(0.9) - 6, U(yText));
}

void TForm4::LeereAchsen() {
  ansicht_ = -1;
  Achsen("", GrafikText::QuellenRuecklauf(), 0, 31, -20, 20, GrafikText::Tage(), GrafikText::TemperaturAchse());
  BildZeigen();
}

void TForm4::Polylinie(const double* werte, int n, double ymin, double ymax, const QColor& farbe, int breite) {
  if (n < 1 || Bild.isNull() || !(ymax > ymin)) return;
  QPainter p(&Bild);
  p.setPen(QPen(farbe, breite));
  p.setClipRect(QRect(X(0.3) - 1, Y(0.9) - 1, X(0.95) - X(0.3) + 3, Y(0.1) - Y(0.9) + 3));
  std::vector<QPoint> punkte;
  punkte.reserve(static_cast<size_t>(n));
  auto yAt = [&](double v) {
    double f = 0.1 + 0.8 * (v - ymin) / (ymax - ymin);
    if (!std::isfinite(f)) f = 0.1;
    return Y(std::clamp(f, -1.0, 2.0));
  };
  punkte.emplace_back(X(0.3), yAt(werte[0]));
  // A year has far more hours than the plot has pixel columns: each column
  // keeps the first, lowest, highest and last point it holds, which draws the
  // same pixels as every point would, at a fraction of the cost.
  int spalte = punkte.back().x();
  int lo = punkte.back().y(), hi = lo, letzter = lo;
  bool offen = false;
  auto schliesse = [&] {
    if (!offen) return;
    if (punkte.back() != QPoint(spalte, lo)) punkte.emplace_back(spalte, lo);
    if (hi != lo) punkte.emplace_back(spalte, hi);
    if (letzter != hi) punkte.emplace_back(spalte, letzter);
    offen = false;
  };
  for (int k = 2; k <= n; ++k) {
    const int x = X(0.3 + 0.65 * k / n);
    const int y = yAt(werte[k - 1]);
    if (x != spalte) {
      schliesse();
      spalte = x;
      lo = hi = letzter = y;
      punkte.emplace_back(x, y);
      continue;
    }
    lo = std::min(lo, y);
    hi = std::max(hi, y);
    letzter = y;
    offen = true;
  }
  schliesse();
  if (n == 1) punkte.emplace_back(X(0.95), yAt(werte[0]));
  // Wide pens go through the stroker; two one-pixel lines draw the same band.
  QPen stift(farbe, 1);
  stift.setCosmetic(true);
  p.setPen(stift);
  p.drawPolyline(punkte.data(), static_cast<int>(punkte.size()));
  for (int b = 1; b < breite; ++b) {
    p.translate(0, 1);
    p.drawPolyline(punkte.data(), static_cast<int>(punkte.size()));
  }
}

void TForm4::ZeichneMonat(int monat, const std::string& titel, int tage, int ersteStunde) {
  if (!Hauptlauf) return;
  // A stopped or refused calculation has no result: its hours, and the
  // extremes beside them, are of a run that is not the project's.
  if (LetztesLaufergebnis != Laufergebnis::Fertig) {
    LeereAchsen();
    return;
  }
  const bool leistung = KurveLeistung || Kurve24h;
  double s = leistung ? Achsenmaximum : Temperaturskala(TSinkMax, TSinkMin);
  if (!(s > 0)) s = 5;
  std::string legende = GrafikText::QuellenRuecklauf();
  if (KurveSystem1 && KurveVerteilnetz && KurveSystem2)
    legende = GrafikText::SystemTemperaturen();
  else if (KurveVerteilnetz)
    legende = GrafikText::VorRuecklaufNetz();
  else if (KurveLuft)
    legende = GrafikText::Aussenluft();
  else if (KurveSondenRL && !KurvePlus)
    legende = "               " + GrafikText::Sondenruecklauf();
  std::string ueberschrift = titel;
  if (leistung) {
    ueberschrift = Kurve24h ? GrafikText::EntzugMittel() : GrafikText::Entzugsleistung();
    legende = GrafikText::LeistungBedarf();
  }
  double ymin = -s, ymax = s;
  if (Sprungantwort && Zeitschritt < 60) {
    Achsen(ueberschrift, legende, 0, 60, ymin, ymax, "Minuten", GrafikText::TemperaturAchse());
  } else if (TRTModus) {
    ymin = 0;
    Achsen(ueberschrift, legende, 0, 4, ymin, ymax, GrafikText::Tage(), GrafikText::TemperaturAchse());
  } else {
    Achsen(ueberschrift, legende, 0, tage, ymin, ymax, GrafikText::Tage(),
           leistung ? std::string("[kW]") : GrafikText::TemperaturAchse());
  }
  if (KurveVerteilnetz && (solar || mitRueckkuehler)) {
    // Second scale on the right for the collector temperatures.
    QPainter p(&Bild);
    QFont f = p.font();
    f.setPixelSize(std::max(8, RoundToInt(15 * GrafikZoom)));
    p.setFont(f);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(X(0.95), Y(0.1), X(0.95), Y(0.9));
    p.setPen(Qt::black);
    for (int t = -20; t <= 80; t += 20) {
      const double fy = 0.1 + 0.8 * (t + 20) / 100.0;
      p.drawLine(X(0.95), Y(fy), X(0.955), Y(fy));
      p.drawText(X(0.958), Y(fy) + 5, QString::number(t));
    }
    p.drawText(X(0.8), Y(0.925), U(GrafikText::Tabellentext(483, "Kollektoren")));
  }
  ZeichneGrafik(tage, ersteStunde, ymin, ymax);
  ansicht_ = monat;
  ansichtSprung_ = monat == 0 && titel == GrafikText::Sprungantwort();
  ansichtPeriode_ = monat == 0 && titel == GrafikText::Tabellentext(990, "Simulationsperiode");
  ansichtTitel_ = titel;
  ansichtTage_ = tage;
  ansichtStunde_ = ersteStunde;
  emit Gezeichnet(monat, ersteStunde);
}

void TForm4::BildInSprache() {
  if (Bild.isNull()) return;
  if (ansicht_ >= 1 && ansicht_ <= 12) {
    ZeichneMonat(ansicht_, GrafikText::Monat(ansicht_), ansichtTage_, ansichtStunde_);
  } else if (ansicht_ == 0) {
    // The period's own titles follow the language; any other stays as given.
    const std::string titel = ansichtSprung_    ? GrafikText::Sprungantwort()
                              : ansichtPeriode_ ? GrafikText::Tabellentext(990, "Simulationsperiode")
                                                : ansichtTitel_;
    ZeichneMonat(0, titel, ansichtTage_, ansichtStunde_);
  } else if (ansicht_ == -1) {
    LeereAchsen();
  } else if (ansicht_ == -3) {
    Achsen(GrafikText::Tabellentext(848, "Berechnung gestartet"), GrafikText::QuellenRuecklauf(), 0, 31, -20, 20,
           GrafikText::Tabellentext(847, "Tag"), GrafikText::TemperaturAchse());
  }
  BildZeigen();
}

void TForm4::ZeichneZeitraum(const std::string& titel) { ZeichneMonat(0, titel, Sprungantwort ? 4 : 365, 1); }

void TForm4::ZeichneGrafik(int tage, int ersteStunde, double ymin, double ymax) {
  if (Bild.isNull()) return;
  ersteStunde = std::clamp(ersteStunde, 1, kStunden);
  const bool subStuendlich = Sprungantwort && Zeitschritt < 60;
  int n = Sprungantwort ? (subStuendlich ? 900 : 96) : tage * 24;
  if (TRTModus) n = 96;
  const int start = (Sprungantwort || TRTModus) ? 1 : ersteStunde;
  n = std::clamp(n, 1, subStuendlich ? kVerlaufMax : kStunden + 1 - start);
  const bool nebenskala = KurveVerteilnetz && (solar || mitRueckkuehler);

  if (KurvePlus) {
    if (subStuendlich)
      Polylinie(&TSourceVerlauf[1], n, ymin, ymax, Qt::red, 2);
    else
      Polylinie(&TSourceStunde[start], n, ymin, ymax, Qt::red, 2);
  }
  if (KurveSondenRL) {
    if (subStuendlich) {
      // Scaled by its own extremes; a constant series lies flat on the axis scale.
      const auto [lo, hi] = std::minmax_element(&TSinkVerlauf[1], &TSinkVerlauf[1] + n);
      if (*hi - *lo > 1e-12)
        Polylinie(&TSinkVerlauf[1], n, *lo, *hi, Qt::blue, 1);
      else
        Polylinie(&TSinkVerlauf[1], n, ymin, ymax, Qt::blue, 1);
    } else {
      Polylinie(&TSinkStunde[start], n, ymin, ymax, Qt::blue, 1);
    }
  }
  // Month of the drawing, for its energies (0 for a period).
  int monat = 0;
  if (!Sprungantwort && tage < 365)
    for (int m = 1; m <= 12; ++m)
      if (kMonatsersteStunde[m] == ersteStunde) monat = m;
  auto energien = [&] {
    if (monat == 0) return;
    QPainter p(&Bild);
    QFont f = p.font();
    f.setPixelSize(std::max(8, RoundToInt(15 * GrafikZoom)));
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(X(0.03), Y(0.45), U(GrafikText::Heizenergie() + FormatFixed(QHeizMonat[monat], 0, 0) + " [kWh]"));
    p.drawText(X(0.03), Y(0.41), U(GrafikText::Kuehlenergie() + FormatFixed(QKuehlMonat[monat], 0, 0) + " [kWh]"));
  };
  if (KurveLeistung) {
    Polylinie(&QStunde[start], n, ymin, ymax, kDunkelgruen, 2);
    Polylinie(MaxQ ? &QMaxStunde[start] : &QWPStunde[start], n, ymin, ymax, kPurpur, 1);
    energien();
  }
  if (KurveSystem1) Polylinie(&TZulStunde[start], n, ymin, ymax, kDunkelgruen, 2);
  if (KurveVerteilnetz) {
    const double lo = nebenskala ? -20.0 : ymin, hi = nebenskala ? 80.0 : ymax;
    Polylinie(&TVLStunde[start], n, lo, hi, nebenskala ? QColor(Qt::red) : kLimone, 1);
    Polylinie(&TRLStunde[start], n, lo, hi, nebenskala ? QColor(Qt::blue) : QColor(Qt::yellow), 2);
  }
  if (KurveSystem2) Polylinie(&Aussentemperatur[start], n, ymin, ymax, kFuchsia, 1);
  if (Kurve24h) {
    const int ersterTag = std::clamp((start + 23) / 24, 1, 365);
    const int tageN = std::clamp(tage, 1, 366 - ersterTag);
    Polylinie(&QTagesmittel[ersterTag], tageN, ymin, ymax, kDunkelgruen, 2);
    Polylinie(&QTagesmittelLuft[ersterTag], tageN, ymin, ymax, kPurpur, 1);
    energien();
  }
  if (KurveLuft) {
    QPainter p(&Bild);
    p.setPen(QPen(Qt::black, 1));
    const double fy = 0.1 + 0.8 * (TZulSoll - ymin) / (ymax - ymin);
    if (fy >= 0.1 && fy <= 0.9) p.drawLine(X(0.3), Y(fy), X(0.95), Y(fy));
  }
  // Until the run has found its extremes they hold the statistics' start
  // values (1000 / -1000 °C): no figure rather than a false one.
  if (TSinkMin <= TSinkMax) {
    QPainter p(&Bild);
    QFont f = p.font();
    f.setPixelSize(std::max(8, RoundToInt(15 * GrafikZoom)));
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(X(0.03), Y(0.6), U("TMin  = " + FormatFixed(TSinkMin, 0, 2) + " °C"));
    p.drawText(X(0.03), Y(0.56), U("TMax = " + FormatFixed(TSinkMax, 0, 2) + " °C"));
  }
  BildZeigen();
}

void TForm4::KurvenLoeschen() {
  KurvePlus = KurveSondenRL = KurveLeistung = false;
  KurveSystem1 = KurveVerteilnetz = KurveSystem2 = false;
  Kurve24h = KurveLuft = false;
}

void TForm4::MonatClick(int monat) {
  if (monat < 1 || monat > 12) return;
  ZeichneMonat(monat, GrafikText::Monat(monat), kMonatstage[monat], kMonatsersteStunde[monat]);
}

void TForm4::Button1Click() {
  KurvenLoeschen();
  KurveLeistung = true;
  Button6->show();
  MonatClick(1);
}

void TForm4::Button6Click() {
  KurvenLoeschen();
  Kurve24h = true;
  MonatClick(1);
}

void TForm4::Button3Click() {
  Button6->hide();
  KurvenLoeschen();
  if (Systemsimulation || solar || mitRueckkuehler) KurveVerteilnetz = true;
  MonatClick(1);
}

void TForm4::Button2Click() {
  Button6->hide();
  KurvenLoeschen();
  KurveSondenRL = true;
  MonatClick(1);
}

void TForm4::Button4Click() {
  Button6->hide();
  KurvenLoeschen();
  KurvePlus = true;
  KurveSondenRL = true;
  MonatClick(1);
}

void TForm4::LufttemperaturClick() {
  Button6->hide();
  KurvenLoeschen();
  KurveLuft = true;
  if (Systemsimulation) {
    KurveSystem1 = true;
    KurveSystem2 = true;
  }
  MonatClick(1);
}

void TForm4::Button5Click() { Start(); }

void TForm4::CopyClick() {
  if (!Bild.isNull()) QGuiApplication::clipboard()->setImage(Bild);
}

void TForm4::DruckenClick() { GrafikBerichtDrucken(); }

void TForm4::SchliessenClick() { close(); }

void TForm4::Button10Click() {
  // The multi-year course window and its first graph.
  for (QWidget* w : ApplicationWindows()) {
    if (w->objectName() == QStringLiteral("Form9")) {
      w->show();
      Aufrufen(w, "Button1Click");
      return;
    }
  }
}

void TForm4::Button6Zeigen() { Button6->show(); }
void TForm4::Button6Verbergen() { Button6->hide(); }

}  // namespace qeb
