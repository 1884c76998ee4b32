#include "results/Gradient.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "platform/Print.h"
#include "results/Bericht.h"
#include "results/Bildflaeche.h"
#include "results/Grafik_labels.h"
#include "widgets/Typing.h"
#include "widgets/TableData.h"

namespace qeb {

TForm10* Form10 = nullptr;
double ProfilTiefe[11] = {};
double ProfilTemperatur[11] = {};
bool ProfilAusWaermefluss = false;
QImage ProfilBitmap;

namespace {

constexpr double kZoom = 0.8;
// A point far off the picture stays a pixel number the painter can take.
int Pixel(double p) { return static_cast<int>(std::trunc(std::clamp(p, -1e6, 1e6))); }
int PlotX(double x) { return Pixel(x * kZoom * ProfilBreite + 0.5); }
int PlotY(double y) { return Pixel((1.0 - y) * kZoom * ProfilHoehe + 0.5); }

// Points of the project's hand-entered profile: depths in (0, 9000] m.
int ProfilPunkte() {
  int n = 0;
  for (int i = 1; i <= 10; ++i)
    if (zTProfil[i] > 0 && zTProfil[i] <= 9000) ++n;
  return n;
}

QString Zahl(double v, int dezimalen) {
  return QString::fromStdString(FormatFixed(std::isfinite(v) ? v : 0.0, 0, dezimalen));
}

void Strich(QPainter& p, double x1, double y1, double x2, double y2) {
  p.drawLine(PlotX(x1), PlotY(y1), PlotX(x2), PlotY(y2));
}

}  // namespace

double Oberflaechentemperatur(int n) {
  // Only two distinct depths define a line to extrapolate to the surface.
  if (n >= 2 && zTProfil[2] != zTProfil[1])
    return TProfil[1] - (TProfil[2] - TProfil[1]) / (zTProfil[2] - zTProfil[1]) * zTProfil[1];
  return TProfil[1];
}

void ProfilBerechnen() {
  if (Form1 != nullptr) Form1->EingabenUebernehmen();
  // A new profile: nothing of an earlier one stays behind its last depth.
  std::fill(std::begin(ProfilTiefe), std::end(ProfilTiefe), 0.0);
  std::fill(std::begin(ProfilTemperatur), std::end(ProfilTemperatur), 0.0);
  const int n = std::clamp(DimAxi, 1, 10);
  const double H = Sondenlaenge;

  double t0 = Jahresmitteltemp + Bodenerwaermung;
  if (mit_Standorthoehe == 1.0) t0 = 1.373e-6 * Standorthoehe * Standorthoehe - 0.00688 * Standorthoehe + 14.2;
  ProfilTemperatur[0] = t0;

  if (!SchichtenGleichmaessig) {
    for (int i = 1; i <= n; ++i) ProfilTiefe[i] = Schicht[i];
  } else {
    for (int i = 1; i <= n; ++i) ProfilTiefe[i] = i * H / n;
    if (H > 20 && n == 1) {
      for (int i = 1; i <= 9; ++i) ProfilTiefe[i + 1] = ProfilTiefe[i] + 1.5 * H / 10;
    } else if (H <= 20) {
      for (int i = n + 1; i <= 9; ++i) ProfilTiefe[i] = i * H / n;
    }
  }

  // Conductivities of the layers; a layer without one takes the last
  // positive conductivity above it (or the ground's own).
  double lambda[11] = {};
  if (SchichtenGleichmaessig) {
    lambdaErde[0] = lambdaErde[1];
    for (int i = 1; i <= 10; ++i)
      if (lambdaErde[i] == 0) lambdaErde[i] = lambdaErde[i - 1];
    for (int i = 1; i <= 10; ++i) lambda[i] = lambdaErde[i];
  } else {
    for (int i = 1; i <= 10; ++i) lambda[i] = lambdaErdeSchicht[i];
  }
  double letzte = lambdaErd > 0 ? lambdaErd : 0.0;
  for (int i = 1; i <= 10; ++i) {
    if (lambda[i] > 0 && std::isfinite(lambda[i])) {
      letzte = lambda[i];
    } else {
      lambda[i] = letzte;
    }
  }

  for (int i = 1; i <= 10; ++i) {
    ProfilTemperatur[i] =
        ProfilTiefe[i] > 0 && lambda[i] > 0
            ? ProfilTemperatur[i - 1] + (ProfilTiefe[i] - ProfilTiefe[i - 1]) * Waermefluss / lambda[i]
            : 0.0;
  }
  if (mit_Standorthoehe != 1.0) {
    ProfilTemperatur[0] += Klimaerwaermung;
    for (int i = 1; i <= 10; ++i) {
      const double z = ProfilTiefe[i];
      if (z >= 80 || (z == 0 && i > 1)) continue;
      ProfilTemperatur[i] += Klimaerwaermung * (80 - z) / 80;
    }
  } else {
    for (int i = 1; i <= 10; ++i)
      ProfilTemperatur[i] =
          ProfilTiefe[i] > 0 ? ProfilTemperatur[i - 1] + (ProfilTiefe[i] - ProfilTiefe[i - 1]) * TGrad : 0.0;
  }
}

#define QEB_WINDOW TForm10
#define QEB_TABLE_FILE "results/Gradient_controls.inc"
#include "widgets/WindowTables.inc"

TForm10::TForm10(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form10"));
  setWindowTitle(QStringLiteral("Programm QEB: Temperaturprofil im Untergrund"));
  setProperty("titleTags", QVariantList{8, QStringLiteral(": "), 843});
  auto* h = new QHBoxLayout(this);
  h->setContentsMargins(0, 0, 4, 0);
  bild_ = new Bildflaeche(&ProfilBitmap, QSize(RoundToInt(ProfilBreite * kZoom), RoundToInt(ProfilHoehe * kZoom)),
                          this);
  h->addWidget(bild_, 0, Qt::AlignLeft | Qt::AlignTop);
  auto* seite = new QWidget(this);
  seite->setObjectName(QStringLiteral("Bedienfeld"));
  BuildFromTables(seite, Tables(), nullptr, nullptr);
  h->addWidget(seite, 0, Qt::AlignTop);
#include "widgets/WindowBinding.inc"
  // What the user typed counts before any command of the dialog runs.
  BefehleFertigstellenZuerst(this);
  connect(Zeichnen, &QPushButton::clicked, this, &TForm10::ZeichnenClick);
  connect(aus_Waermefluss, &QPushButton::clicked, this, &TForm10::aus_WaermeflussClick);
  connect(Uebernehm, &QPushButton::clicked, this, &TForm10::UebernehmClick);
  connect(Copy, &QPushButton::clicked, this, &TForm10::CopyClick);
  connect(Drucken, &QPushButton::clicked, this, &TForm10::DruckenClick);
  connect(Schliessen, &QPushButton::clicked, this, &TForm10::SchliessenClick);
  FormCreate();
}

void TForm10::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!e->spontaneous()) Button1Click();
}

void TForm10::Button1Click() {
  if (Form1 != nullptr) Form1->EingabenUebernehmen();
  const int n = ProfilPunkte();
  const double ts = Oberflaechentemperatur(n);
  double tmin = ts, tmax = ts, zmax = zTProfil[1];
  for (int i = 1; i <= n; ++i) {
    tmin = std::min(tmin, TProfil[i]);
    tmax = std::max(tmax, TProfil[i]);
    zmax = std::max(zmax, zTProfil[i]);
  }
  // The computed profile is drawn on the same axes: they hold it too.
  const bool berechnet = ProfilAusWaermefluss || mit_Waermefluss == 1.0;
  int m = 0;
  if (berechnet) {
    ProfilBerechnen();
    m = 1;
    for (int i = 2; i <= 10; ++i)
      if (ProfilTiefe[i] > 0) ++m;
    for (int i = 0; i <= m; ++i) {
      tmin = std::min(tmin, ProfilTemperatur[i]);
      tmax = std::max(tmax, ProfilTemperatur[i]);
      zmax = std::max(zmax, ProfilTiefe[i]);
    }
  }

  ProfilBitmap = QImage(RoundToInt(ProfilBreite * kZoom), RoundToInt(ProfilHoehe * kZoom), QImage::Format_RGB32);
  ProfilBitmap.fill(Qt::white);
  Tunten = 0;
  if (tmin < 0) Tunten = std::trunc(tmin) - 1;
  if (tmin > 10) Tunten = 10;
  if (tmax <= 20) {
    Toben = 20;
  } else if (tmax <= 30) {
    Toben = 30;
  } else if (tmax <= 50) {
    Toben = 50;
  } else {
    Toben = std::trunc(tmax) + 1;
  }
  if (!std::isfinite(Tunten) || !std::isfinite(Toben) || !(Toben > Tunten)) {
    Tunten = 0;
    Toben = 20;
  }
  Ztief = -500;
  for (double z : {100.0, 200.0, 300.0, 400.0, 500.0}) {
    if (z >= zmax) {
      Ztief = -z;
      break;
    }
  }
  if (zmax > 500 && std::isfinite(zmax)) Ztief = -std::trunc(zmax);

  QPainter p(&ProfilBitmap);
  // Axes.
  p.setBrush(Qt::white);
  p.setPen(QPen(Qt::black, 1));
  // The side panel left of the frame holds nothing: it is not drawn.
  p.drawRect(QRect(QPoint(PlotX(0.21), PlotY(0.99)), QPoint(PlotX(0.99), PlotY(0.01))));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 2));
  Strich(p, 0.3, 0.1, 0.95, 0.1);
  Strich(p, 0.3, 0.1, 0.3, 0.9);
  p.setPen(QPen(Qt::black, 1));
  for (int j = 0; j <= 10; ++j) {
    Strich(p, 0.3 + 0.065 * j, 0.09, 0.3 + 0.065 * j, 0.9);
    TextAus(p, PlotX(0.29 + 0.065 * j), PlotY(0.08), Zahl(Tunten + j * (Toben - Tunten) / 10, 0));
  }
  for (int i = 0; i <= 10; ++i) {
    Strich(p, 0.29, 0.1 + 0.08 * i, 0.95, 0.1 + 0.08 * i);
    TextAus(p, PlotX(0.22), PlotY(0.115 + 0.08 * i), Zahl(Ztief + i * (0 - Ztief) / 10, 0));
  }
  TextAus(p, PlotX(0.45), PlotY(0.97), QString::fromStdString(GrafikText::Tabellentext(843, "Temperaturprofil im Untergrund")));
  TextAus(p, PlotX(0.9), PlotY(0.05), QStringLiteral("[°C]"));
  TextAus(p, PlotX(0.22), PlotY(0.97), QString::fromStdString(GrafikText::Tabellentext(158, "Tiefe") + " [m]"));

  // Profiles.
  auto px = [this](double t) { return PlotX((t - Tunten) / (Toben - Tunten) * 0.65 + 0.3); };
  auto py = [this](double z) { return PlotY((-z - Ztief) / (0 - Ztief) * 0.8 + 0.1); };
  auto linie = [&p](QPoint& a, QPoint b, bool& begonnen) {
    if (begonnen) p.drawLine(a, b);
    a = b;
    begonnen = true;
  };
  if (n >= 1) {
    p.setPen(QPen(Qt::red, 2));
    QPoint a(px(ts), py(0));
    bool begonnen = std::isfinite(ts);
    for (int i = 1; i <= n; ++i)
      if (std::isfinite(TProfil[i]) && std::isfinite(zTProfil[i])) linie(a, QPoint(px(TProfil[i]), py(zTProfil[i])), begonnen);
  }
  if (berechnet) {
    p.setPen(QPen(Qt::blue, 2));
    QPoint a(px(ProfilTemperatur[0]), PlotY(0.9));
    bool begonnen = std::isfinite(ProfilTemperatur[0]);
    for (int i = 1; i <= m; ++i)
      if (std::isfinite(ProfilTemperatur[i])) linie(a, QPoint(px(ProfilTemperatur[i]), py(ProfilTiefe[i])), begonnen);
  }
  p.setPen(QPen(Qt::black, 2));
  Strich(p, 0.3, 0.9, 0.95, 0.9);
  p.end();
  if (isVisible()) bild_->repaint();
}

void TForm10::ZeichnenClick() {
  ProfilAusWaermefluss = false;
  Button1Click();
}

void TForm10::aus_WaermeflussClick() {
  ProfilAusWaermefluss = true;
  Button1Click();
}

void TForm10::UebernehmClick() {
  // The profile of the inputs as they stand now.
  ProfilBerechnen();
  int n = 0;
  for (int i = 1; i <= 10; ++i)
    if (ProfilTiefe[i] > 0 && ProfilTiefe[i] <= 9000) ++n;
  for (int i = 1; i <= n; ++i) {
    TProfil[i] = ProfilTemperatur[i];
    zTProfil[i] = ProfilTiefe[i];
  }
  for (int i = n + 1; i <= 10; ++i) {
    TProfil[i] = 0;
    zTProfil[i] = 0;
  }
  if (Form1 != nullptr) Form1->EingabenAnzeigen();
  close();
  show();
}

void TForm10::CopyClick() {
  if (!ProfilBitmap.isNull()) QGuiApplication::clipboard()->setImage(ProfilBitmap);
}

void TForm10::DruckenClick() {
  CopyClick();
  TitelAusEingaben();
  const QImage bild = ProfilBitmap;
  PrintDocument(
      "QEB",
      [&bild](QPainter& p, QPrinter& pr) {
        const double W = pr.width(), H = pr.height();
        Sanduhr sanduhr;
        p.drawImage(QRectF(std::round(0.08 * W), std::round(0.15 * H), std::round(0.8 * W), std::round(0.4 * H)), bild);
        TextAus(p, std::round(0.08 * W), std::round(0.05 * H), FromBytes(Projekttitel2));
        TextAus(p, std::round(0.08 * W), std::round(0.075 * H), FromBytes(Projekttitel1));
        TextAus(p, std::round(0.08 * W), std::round(0.1 * H), FromBytes(Projekttitel4));
        TextAus(p, std::round(0.08 * W), std::round(0.98 * H), Kennzeile());
      },
      PrintDialogKind::Setup);
}

void TForm10::SchliessenClick() { close(); }

}  // namespace qeb
