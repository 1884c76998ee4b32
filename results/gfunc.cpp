#include "results/gfunc.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/QEBMOD_run.h"
#include "calc/TextIO.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "platform/Print.h"
#include "results/Grafik_labels.h"
#include "widgets/TableData.h"

namespace qeb {

TForm5* Form5 = nullptr;
QImage GfuncBitmap;

int PlotX(double x) { return static_cast<int>(std::trunc(x * Zoomfaktor * 790 + 0.5)); }
int PlotY(double y) { return static_cast<int>(std::trunc((1.0 - y) * Zoomfaktor * 550 + 0.5)); }

namespace {

class GfuncFlaeche : public QWidget {
 public:
  explicit GfuncFlaeche(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Zeichenflaeche"));
    setMinimumSize(RoundToInt(0.8 * 790), RoundToInt(0.8 * 550));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!GfuncBitmap.isNull()) p.drawImage(0, 0, GfuncBitmap);
  }
};

QString Zahl(double v, int decimals) { return QString::fromStdString(FormatFixed(v, 0, decimals)); }

// Axes, grid and labels of the graph.
void Achsen(QPainter& p, bool test, const QString& titel, const QString& xText, const QString& yText, double xLow,
            double xHigh, double yLow, double yHigh) {
  p.fillRect(GfuncBitmap.rect(), Qt::white);
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(PlotX(0.3), PlotY(0.1), PlotX(0.95), PlotY(0.1));
  p.drawLine(PlotX(0.3), PlotY(0.1), PlotX(0.3), PlotY(0.9));
  QFont f = p.font();
  f.setPixelSize(11);
  p.setFont(f);
  const int m = test ? 5 : 10;
  for (int j = 0; j <= m; ++j) {
    const double x = 0.3 + 0.65 * j / m;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(PlotX(x), PlotY(0.09), PlotX(x), PlotY(0.9));
    const double v = xLow + j * (xHigh - xLow) / m;
    p.drawText(PlotX(0.29 + 0.65 * j / m), PlotY(0.08) + 11, Zahl(v, std::fabs(v - std::round(v)) < 1e-9 ? 0 : 1));
  }
  for (int i = 0; i <= 10; ++i) {
    const double y = 0.1 + 0.08 * i;
    p.drawLine(PlotX(0.29), PlotY(y), PlotX(0.95), PlotY(y));
    p.drawText(PlotX(0.23), PlotY(y) + 4, Zahl(yLow + i * (yHigh - yLow) / 10, 1));
  }
  f.setPixelSize(14);
  f.setBold(true);
  p.setFont(f);
  p.drawText(PlotX(0.5), PlotY(0.92), titel);
  f.setPixelSize(11);
  f.setBold(false);
  p.setFont(f);
  p.drawText(PlotX(0.6), PlotY(0.96), xText);
  p.drawText(PlotX(0.23), PlotY(0.97), yText);
  p.drawText(PlotX(0.85), PlotY(0.96), QStringLiteral("ts = ") + Zahl(tsJahre, 1) + QStringLiteral(" [a]"));
}

double Yvon(double v, double lo, double hi) { return 0.8 * (v - lo) / (hi - lo) + 0.1; }

}  // namespace

#define QEB_WINDOW TForm5
#define QEB_TABLE_FILE "results/gfunc_controls.inc"
#include "widgets/WindowTables.inc"

TForm5::TForm5(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("g-Funktion"));
  setProperty("titleTags", QVariantList{101});
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  Zeichenflaeche = new GfuncFlaeche(this);
  v->addWidget(Zeichenflaeche, 1);
  auto* knoepfe = new QWidget(this);
  v->addWidget(knoepfe);
  BuildFromTables(knoepfe, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
  connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
  connect(Copy, &QPushButton::clicked, this, &TForm5::CopyClick);
  connect(Drucken, &QPushButton::clicked, this, &TForm5::DruckenClick);
  connect(Form5Schliessen, &QPushButton::clicked, this, &TForm5::Form5SchliessenClick);
  FormCreate();
}

void TForm5::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Each showing follows the current g values; offscreen a window may never
  // be activated, so showing draws too.
  ZeichneGfunc();
  Button1Click();
}

void TForm5::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
    ZeichneGfunc();
    Button1Click();
  }
}

void TForm5::ZeichneGfunc() {
  if (zeichnet_) return;
  zeichnet_ = true;
  try {
    Zeichne();
    gemeldet_.clear();
  } catch (const CalcError& err) {
    if (gemeldet_ != err.what()) {
      gemeldet_ = err.what();
      Message(Win1252ToUtf8(err.what()));
    }
  }
  zeichnet_ = false;
}

void TForm5::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  gemeldet_.clear();
}

void TForm5::Zeichne() {
  if (Form1 != nullptr) Form1->EingabenUebernehmen();
  if (Sondengrafik && Zaehler >= 1) {
    const double H = Sondenlaenge;
    g1 = FieldNeighbourInfluence(Zaehler, gFeld1, 4.82, 4.95, H);
    g2 = FieldNeighbourInfluence(Zaehler, gFeld2, 5.69, 5.94, H);
    g3 = FieldNeighbourInfluence(Zaehler, gFeld3, 6.29, 6.53, H);
    g4 = FieldNeighbourInfluence(Zaehler, gFeld4, 6.57, 6.77, H);
    g5 = FieldNeighbourInfluence(Zaehler, gFeld5, 6.6, 6.79, H);
    g_Sondenabstand = Sondenabstand;
    if (Zaehler > 150 && g5 > 135) {
      g2 = std::min(g2, g5 / 2.7);
      g1 = std::min(g1, g5 / 27);
    }
    if (Form1 != nullptr) Form1->EingabenAnzeigen();
  }
  Zoomfaktor = 0.8;
  double w[5] = {};
  double b = 0, bRef = 0;
  if (Form1 != nullptr) {
    const QLineEdit* e[5] = {Form1->Eg1, Form1->Eg2, Form1->Eg3, Form1->Eg4, Form1->Eg5};
    for (int k = 0; k < 5; ++k) w[k] = ValReal(e[k]->text(), Fehlercode);
    b = ValReal(Form1->ESondenabstand->text(), Fehlercode);
    bRef = ValReal(Form1->Eg_Sondenabstand->text(), Fehlercode);
    g1 = w[0], g2 = w[1], g3 = w[2], g4 = w[3], g5 = w[4];
    Sondenabstand = b;
    g_Sondenabstand = bRef;
  } else {
    w[0] = g1, w[1] = g2, w[2] = g3, w[3] = g4, w[4] = g5;
    b = Sondenabstand;
    bRef = g_Sondenabstand;
  }
  double g4k = w[3], g5k = w[4];
  FitGFunctionPolynomial(bRef, b, w[0], w[1], w[2], g4k, g5k);
  GfuncXMin = -4.0;
  const double P = GfuncPolynom(-3.8);
  double gLow = gKurzzeitBreit ? 4.09 : 4.59;
  if (gKurzzeitBreit && P > 15) gLow = 3.34;
  const double H = Sondenlaenge;
  tsJahre = H * H / 9.0 / lambdaErd * cpErd * rhoErd / 3600.0 / 8760.0;

  std::vector<double> tabelle(kGfuncPunkte + 1, 0.0);
  for (int i = 0; i <= kGfuncPunkte; ++i) {
    const double x = std::min(0.02 * i - 7.0, 2.5);
    double g = GfuncLangzeit(x);
    if (!gKurzzeitBreit && x >= -4.5 && x < -3.8) g = (4.5 + x) * (P - gLow) / 0.7 + gLow;
    if (gKurzzeitBreit && P >= 15 && x >= -7 && x < -3.8) g = (7 + x) * (7 + x) * (P - gLow) / (3.2 * 3.2) + gLow;
    if (gKurzzeitBreit && P < 15 && x >= -5.5 && x < -3.8) g = (5.5 + x) * (P - gLow) / 1.7 + gLow;
    if (i > 0 && g < tabelle[static_cast<std::size_t>(i - 1)]) g = tabelle[static_cast<std::size_t>(i - 1)];
    tabelle[static_cast<std::size_t>(i)] = g;
  }
  if (!TRTModus) {
    for (double g : tabelle)
      if (!std::isfinite(g)) throw CalcError(" g-Funktion nicht berechenbar  /  g-function cannot be computed ");
  }

  QImage bild(RoundToInt(0.8 * 790), RoundToInt(0.8 * 550), QImage::Format_RGB32);
  GfuncBitmap = bild;
  QPainter p(&GfuncBitmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  if (!TRTModus) {
    GfuncTabelle = tabelle;
    const double m = TabellenMaximum(kGfuncPunkte);
    const double yHigh = 10.0 * std::trunc(m / 10 + 1);
    Achsen(p, false, QString::fromStdString(GrafikText::Tabellentext(101, "g-Funktion")), QStringLiteral("ln ( t / ts )"), QStringLiteral("[-]"), -7, 3, 0,
           yHigh);
    p.setPen(QPen(Qt::red, 2));
    QPolygon linie;
    linie << QPoint(PlotX(0.3), PlotY(Yvon(GfuncTabelle[0], 0, yHigh)));
    for (int i = 1; i <= kGfuncPunkte; ++i)
      linie << QPoint(PlotX(0.65 * i / kGfuncPunkte + 0.3), PlotY(Yvon(GfuncTabelle[static_cast<std::size_t>(i)], 0, yHigh)));
    p.drawPolyline(linie);
  } else {
    // The table holds every measured point, however many the test has.
    const int n = std::clamp(TRTAnzahl, 0, kTRTMaxRecords);
    GfuncTabelle.assign(static_cast<std::size_t>(std::max(n, kGfuncPunkte)) + 1, 0.0);
    for (int i = 1; i <= n; ++i) GfuncTabelle[static_cast<std::size_t>(i)] = TRTTemp[i];
    Achsen(p, true, QStringLiteral("TRT"), QStringLiteral("ln ( t )"),
           QStringLiteral("[°C]    lambda = ") + Zahl(TRTLambda, 2) + QStringLiteral(" W/mK  "), 8, 13, 10, 30);
    auto px = [](double lnT) { return PlotX((lnT - 8.0) / 5.0 * 0.65 + 0.3); };
    auto py = [](double t) { return PlotY(Yvon(t, 10, 30)); };
    const double ln3600 = std::log(3600.0);
    const int s = std::clamp(TRTFitStart, 0, kTRTMaxRecords), e = std::clamp(TRTFitEnde, 0, kTRTMaxRecords);
    p.setPen(QPen(Qt::green, 4));
    p.drawLine(px(ln3600 + TRTLnZeit[s]), py(TRTFitT1), px(ln3600 + TRTLnZeit[e]), py(TRTFitT2));
    p.setPen(QPen(Qt::red, 2));
    QPolygon punkte;
    bool begonnen = false;
    for (int i = 1; i <= n; ++i) {
      const double lnT = ln3600 + TRTLnZeit[i];
      if (!std::isfinite(lnT) || !std::isfinite(TRTTemp[i])) continue;
      if (!begonnen) {
        if (lnT > 8.0 + 0.2) {
          punkte << QPoint(PlotX(0.3), py(TRTTemp[i]));
          begonnen = true;
        } else {
          continue;
        }
      }
      if (lnT >= 8.0) punkte << QPoint(px(lnT), py(TRTTemp[i]));
    }
    p.drawPolyline(punkte);
  }
}

void TForm5::Button1Click() {
  if (Zeichenflaeche != nullptr) Zeichenflaeche->update();
}

void TForm5::CopyClick() {
  if (!GfuncBitmap.isNull()) QGuiApplication::clipboard()->setImage(GfuncBitmap);
}

void TForm5::DruckenClick() {
  CopyClick();
  if (Form1 != nullptr) {
    Projekttitel2 = ToBytes(Form1->EProjektname->text());
    Projekttitel1 = ToBytes(Form1->EBeschreibung->text());
    Projekttitel3 = ToBytes(Form1->EErsteller->text());
    Projekttitel4 = ToBytes(Form1->EAnmerkungen->text());
  }
  const QImage bild = GfuncBitmap;
  PrintDocument(
      "QEB g-function",
      [&bild](QPainter& p, QPrinter& printer) {
        const QRect seite = printer.pageLayout().paintRectPixels(printer.resolution());
        const double W = seite.width(), H = seite.height();
        if (!bild.isNull())
          p.drawImage(QRectF(0.08 * W, 0.15 * H, 0.8 * W, 0.4 * H), bild);
        QFont f = p.font();
        f.setPointSize(11);
        p.setFont(f);
        p.setPen(Qt::black);
        const double x = 0.08 * W;
        p.drawText(QPointF(x, 0.05 * H), FromBytes(Projekttitel2));
        p.drawText(QPointF(x, 0.075 * H), FromBytes(Projekttitel1));
        p.drawText(QPointF(x, 0.1 * H), FromBytes(Projekttitel4));
        p.drawText(QPointF(x, 0.125 * H), QString::fromStdString(GrafikText::Tabellentext(887, "Verwendete g-Funktion:")));
      },
      PrintDialogKind::Setup);
}

void TForm5::Form5SchliessenClick() {
  close();
  if (Form1 != nullptr) Form1->show();
}

}  // namespace qeb
