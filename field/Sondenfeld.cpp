// The field editor: its state, the canvas and the mouse.
#include "field/Sondenfeld.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "calc/QEBMOD_run.h"
#include "calc/TextIO.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "results/gfunc_fit.h"
#include "widgets/TableData.h"
#include "widgets/Typing.h"

namespace qeb {

TFeld* Feld = nullptr;

bool Nachbarmodus = false;
bool Isohypse1Eingabe = false;
bool Isohypse2Eingabe = false;
bool Referenzmodus = false;
bool mitReferenzpunkt = false;
bool Staomodus = false;
bool StaoGesetzt = false;
bool NrGetauscht = false;
bool KartenZoom = false;
bool Ueberblendung = false;
double x_Stao_CH = 0;
double y_Stao_CH = 0;
double& StaoTemperaturaenderung = TStandort50;
int Auswertejahre = 50;
int Ergebnismarker = 4;
double Grundmassstab = kStandardMassstab;

bool NeueSonde = true;
int AktiveSonde = 0;
int Punktzaehler = 0;
double Messpunkt1[2] = {};
double Messpunkt2[2] = {};
double Messdistanz = 0;
double Solldistanz = 10.0;
double Skalierfaktor = 1.0;
bool Messmodus = false;
bool PlanVerschieben = false;
bool PlanZiehen = false;
int PlanLinks = 0, PlanOben = 0;
bool Nummernmodus = false;
bool KompaktModus = false;
bool Schnellstart = false;
bool PlanAktiv = false;
bool Ergebnisanzeige = false;
int Gitterweite = 10;
bool Schrittgitter = false;
double FeldGMin = 200.0, FeldGMax = 0.0;
bool SteuerelementeSichtbar = true;
double PlanFaktor = 1.0;
QImage PlanBild;
bool PlanGeaendert = false;
double Streckfaktor = 1.0;
int PlanGriffX = 0, PlanGriffY = 0;
int Helligkeit = 0;
int KartenZoomStufe = 0;
double FarbSkala = 7.0;

void FeldeditorInitialisieren() {
  PlanFaktor = 1.0;
  Schnellstart = PlanVerschieben = PlanAktiv = Messmodus = Ergebnisanzeige = false;
  Schrittgitter = KompaktModus = Nummernmodus = false;
  NeueSonde = true;
  AktiveSonde = 0;
  Punktzaehler = 0;
  Solldistanz = 10.0;
  Gitterweite = 10;
  SteuerelementeSichtbar = true;
  PlanBild = QImage();
  PlanGeaendert = PlanZiehen = false;
  Streckfaktor = 1.0;
  PlanLinks = PlanOben = PlanGriffX = PlanGriffY = 0;
  Helligkeit = KartenZoomStufe = 0;
  Nachbarmodus = Isohypse1Eingabe = Isohypse2Eingabe = Referenzmodus = Staomodus = NrGetauscht = false;
}

// ---------------- the canvas ----------------

FeldZeichenflaeche::FeldZeichenflaeche(TFeld* feld) : QWidget(feld), feld_(feld) {
  setObjectName(QStringLiteral("Zeichenflaeche"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  setMinimumSize(400, 300);
  Bild = QImage(1280, 1024, QImage::Format_RGB32);
  Bild.fill(palette().color(QPalette::Button));
}

void FeldZeichenflaeche::BildAnpassen() {
  if (Bild.width() >= width() && Bild.height() >= height()) return;
  QImage neu(std::max(Bild.width(), width()), std::max(Bild.height(), height()), QImage::Format_RGB32);
  neu.fill(palette().color(QPalette::Button));
  QPainter p(&neu);
  p.drawImage(0, 0, Bild);
  p.end();
  Bild = neu;
}

void FeldZeichenflaeche::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Bild);
}

void FeldZeichenflaeche::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  BildAnpassen();
}

void FeldZeichenflaeche::mousePressEvent(QMouseEvent* e) {
  const QPoint q = e->position().toPoint();
  feld_->FormMouseDown(e->button(), e->buttons(), q.x(), q.y(), false);
}
void FeldZeichenflaeche::mouseDoubleClickEvent(QMouseEvent* e) {
  const QPoint q = e->position().toPoint();
  feld_->FormMouseDown(e->button(), e->buttons(), q.x(), q.y(), true);
}
void FeldZeichenflaeche::mouseMoveEvent(QMouseEvent* e) {
  const QPoint q = e->position().toPoint();
  feld_->FormMouseMove(e->buttons(), q.x(), q.y());
}
void FeldZeichenflaeche::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint q = e->position().toPoint();
  feld_->FormMouseUp(e->button(), e->buttons(), q.x(), q.y());
}

// ---------------- the window ----------------

namespace {
// Calls its routine when the watched control loses the focus.
class Verlassen : public QObject {
 public:
  Verlassen(QObject* eltern, std::function<void()> f) : QObject(eltern), f_(std::move(f)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::FocusOut) f_();
    return false;
  }

 private:
  std::function<void()> f_;
};
}  // namespace

#define QEB_WINDOW TFeld
#define QEB_TABLE_FILE "field/Sondenfeld_controls.inc"
#include "widgets/WindowTables.inc"

TFeld::TFeld(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Feld"));
  setWindowTitle(QStringLiteral("Programm QEB:  Sondenanordnung"));
  setProperty("titleTags", QVariantList{8, QStringLiteral(":  "), 103});
  // The editor is left through "Ende", never through the title bar.
  setWindowFlag(Qt::WindowCloseButtonHint, false);
  auto* h = new QHBoxLayout(this);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(0);
  Zeichenflaeche = new FeldZeichenflaeche(this);
  h->addWidget(Zeichenflaeche, 1);
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Steuerung"));
  auto* pv = new QVBoxLayout(panel);
  pv->setContentsMargins(0, 0, 0, 0);
  auto* tabellen = new QWidget(panel);
  pv->addWidget(tabellen);
  BuildFromTables(tabellen, Tables(), nullptr, nullptr);
  ScrollBar1 = new QScrollBar(Qt::Vertical, panel);
  ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
  ScrollBar1->setRange(0, 100);
  ScrollBar1->setValue(50);
  ScrollBar1->hide();
  pv->addWidget(ScrollBar1, 1, Qt::AlignHCenter);
  pv->addStretch(1);
  h->addWidget(panel, 0);
#include "widgets/WindowBinding.inc"
  // A year typed into the editor counts before any of its commands runs.
  BefehleFertigstellenZuerst(this);
  QFont fett = Nachbar1->font();
  fett.setBold(true);
  Nachbar1->setFont(fett);
  Button5->setFont(fett);

  struct Bindung {
    QPushButton* b;
    void (TFeld::*slot)();
  };
  const Bindung bindungen[] = {
      {Button1, &TFeld::Button1Click},     {Neu, &TFeld::NeuClick},
      {Button4, &TFeld::Button4Click},     {Button15, &TFeld::Button15Click},
      {Button2, &TFeld::Button2Click},     {Button3, &TFeld::Button3Click},
      {Nachbar, &TFeld::NachbarClick},     {Nachbar1, &TFeld::Nachbar1Click},
      {Button31, &TFeld::Button31Click},   {Button5, &TFeld::Button31Click},
      {Plan, &TFeld::PlanClick},           {Scre, &TFeld::ScreClick},
      {Copy0, &TFeld::Copy0Click},         {Year_of_graph, &TFeld::Year_of_graphClick},
      {Koordinaten, &TFeld::KoordinatenClick}, {Stao, &TFeld::StaoClick},
      {Messen, &TFeld::MessenClick},       {Wasser1, &TFeld::Wasser1Click},
      {Wasser2, &TFeld::Wasser2Click},     {Button16, &TFeld::Button16Click},
      {Button13, &TFeld::Button13Click},   {Button14, &TFeld::Button14Click},
      {Button17, &TFeld::Button17Click},   {Button18, &TFeld::Button18Click},
      {Button21, &TFeld::Button21Click},   {Button22, &TFeld::Button22Click},
      {Button23, &TFeld::Button23Click},   {Button11, &TFeld::Button11Click},
      {Clip, &TFeld::ClipClick},           {Button6, &TFeld::Button6Click},
      {Button7, &TFeld::Button7Click},     {Plankl, &TFeld::PlanklClick},
      {Plangr, &TFeld::PlanklClickgr},     {Farb, &TFeld::FarbClick},
      {Farb2, &TFeld::Farb2Click},         {Button60, &TFeld::Button60Click},
      {Button61, &TFeld::Button61Click},   {Blend, &TFeld::BlendClick},
      {Blend1, &TFeld::Blend1Click},
  };
  for (const Bindung& b : bindungen) connect(b.b, &QPushButton::clicked, this, b.slot);
  const Bindung skalen[] = {{Farb9, &TFeld::Farb9Click}, {Farb4, &TFeld::Farb4Click}, {Farb8, &TFeld::Farb8Click},
                            {Farb0, &TFeld::Farb0Click}, {Farb5, &TFeld::Farb5Click}, {Farb6, &TFeld::Farb6Click},
                            {Farb7, &TFeld::Farb7Click}};
  for (const Bindung& b : skalen) connect(b.b, &QPushButton::clicked, this, b.slot);
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { ClipClick(); });
  connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { Scroll(); });
  // Leaving the scroll bar redraws the field over the stretched plan.
  ScrollBar1->setFocusPolicy(Qt::StrongFocus);
  ScrollBar1->installEventFilter(new Verlassen(ScrollBar1, [this] { Button19Click(); }));
  connect(EYear_Grafik, &QLineEdit::returnPressed, this, [this] { EYear_GrafikKeyPress(13); });
}

void TFeld::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  Zeichenflaeche->BildAnpassen();
}

void TFeld::closeEvent(QCloseEvent* e) {
  // The close box is greyed: only "Ende" (which hides the window) leaves it.
  if (e->spontaneous()) {
    e->ignore();
    return;
  }
  QWidget::closeEvent(e);
}

void TFeld::FeldPruefen() {
  // A scale that is not a positive number (a file, a zoom pushed too far)
  // would put every borehole at one pixel or none: back to the default.
  if (!(Multiplikator > 0.0) || !std::isfinite(Multiplikator)) Multiplikator = kStandardMassstab;
  // One kept by an older file beyond the scales the editor draws comes to
  // the nearest one it draws, where the zoom can take it on.
  Multiplikator = std::clamp(Multiplikator, kKleinsterMassstab, kGroessterMassstab);
  // The borehole tables end at 600.
  Zaehler = std::clamp(Zaehler, 0, kMaxSonden);
}

std::string MassstabFehler(double massstab) {
  std::string grund = RangeReason("Multiplikator", massstab);
  if (grund.empty() && !(massstab > 0.0)) grund = "nicht positiv / not positive";
  if (grund.empty() && (massstab < kKleinsterMassstab || massstab > kGroessterMassstab))
    grund = "ausserhalb / outside " + FormatRangeNumber(kKleinsterMassstab) + " .. " + FormatRangeNumber(kGroessterMassstab);
  if (grund.empty()) return grund;
  return " Massstab / scale " + FormatRangeNumber(massstab) + " m/Pixel: " + grund +
         "; nicht uebernommen / not taken ";
}

int TFeld::Px(double m) const {
  const double p = std::round(m / Multiplikator);
  if (!std::isfinite(p)) return 0;
  return static_cast<int>(std::clamp(p, -1.0e6, 1.0e6));
}

int TFeld::Treffer(int X, int Y) const {
  int hit = 0;
  const double M = Multiplikator;
  const int R = std::max(Trefferradius, 1);
  for (int i = 1; i <= std::min(Zaehler, kMaxSonden); ++i) {
    // The hit region lies where the borehole is now, not where it was drawn.
    const double dx = X - Px(SondeX[i]), dy = Y - Px(SondeY[i]);
    bool t = dx * dx + dy * dy < static_cast<double>(R) * R;
    if (!KompaktModus) {
      t = t || (std::fabs(X * M - SondeX[i]) < 0.4 && std::fabs(Y * M - SondeY[i]) < 0.4);
    } else {
      t = t || std::hypot(X * M - SondeX[i], Y * M - SondeY[i]) < 4.0;
    }
    if (t) hit = i;
  }
  return hit;
}

void TFeld::Schnellstarten() {
  PlanFaktor = 1.0;
  ClipClick();
  Button6Click();
  Schnellstart = true;
  MessenClick();
  for (QWidget* w : {static_cast<QWidget*>(EDistanz), static_cast<QWidget*>(TDistanz),
                     static_cast<QWidget*>(TDistanz2), static_cast<QWidget*>(Messen),
                     static_cast<QWidget*>(CheckBox1)})
    w->show();
  PlanAktiv = true;
  mitPlan = true;
  Koordinaten->show();
  Posx = Posy = 0;
  Button6->hide();
}

void TFeld::FormMouseDown(Qt::MouseButton Button, Qt::MouseButtons, int X, int Y, bool Doppelklick) {
  FeldPruefen();
  const double M = Multiplikator;
  NrGetauscht = false;
  QPainter p(&Zeichenflaeche->Bild);
  if (Doppelklick) {
    // Only a borehole this very click hit is changed.
    const int hit = Treffer(X, Y);
    if (hit > 0) {
      AktiveSonde = hit;
      NeueSonde = false;
    }
    if (mitPlan && !KartenZoom && Zaehler <= AktiveSonde) {
      Button60->show();
      Button61->show();
    }
    if (!(Nummernmodus && ProjektfeldGeladen)) {
      if (hit > 0) Nachbarsonde[hit] = Nachbarmodus;
    } else if (hit >= 2) {
      std::swap(SondeX[hit], SondeX[hit - 1]);
      std::swap(SondeY[hit], SondeY[hit - 1]);
      std::swap(Nachbarsonde[hit], Nachbarsonde[hit - 1]);
      std::swap(Sondenbelastung[hit], Sondenbelastung[hit - 1]);
      NeueSonde = false;
      NrGetauscht = true;
      p.end();
      Gitter();
      return;
    }
  }
  bool startklick = false;
  if (Button == Qt::MiddleButton && Zaehler == 0 && !Messmodus) {
    // The quick start redraws the whole canvas: this click's painter waits.
    p.end();
    Schnellstarten();
    p.begin(&Zeichenflaeche->Bild);
    startklick = true;
  }
  if (Isohypse1Eingabe || Isohypse2Eingabe) {
    ++Punktzaehler;
    const double x = X * M, y = Y * M;
    Beschriftung(p,
                 QStringLiteral(" Mpt") + QString::number(Punktzaehler) + QStringLiteral(" : ") +
                     FromBytes(FormatFixed(x, 0, 1)) + QStringLiteral(" : ") + FromBytes(FormatFixed(y, 0, 1)),
                 X, Y, QColor(0, 0, 255));
    if (Punktzaehler == 1) {
      Messpunkt1[0] = x, Messpunkt1[1] = y;
      if (Isohypse1Eingabe) {
        x1Isohypse1 = x2Isohypse1 = x;
        y1Isohypse1 = y2Isohypse1 = y;
        Isohypse1 = ValReal(EHoehe1->text(), Fehlercode);
      } else {
        x1Isohypse2 = x2Isohypse2 = x;
        y1Isohypse2 = y2Isohypse2 = y;
        Isohypse2 = ValReal(EHoehe2->text(), Fehlercode);
      }
    } else if (Punktzaehler == 2) {
      Messpunkt2[0] = x, Messpunkt2[1] = y;
      if (Isohypse1Eingabe) {
        x2Isohypse1 = x, y2Isohypse1 = y;
      } else {
        x2Isohypse2 = x, y2Isohypse2 = y;
      }
    } else {
      Punktzaehler = 0;
      Isohypse1Eingabe = Isohypse2Eingabe = false;
      for (QWidget* w : {static_cast<QWidget*>(EHoehe1), static_cast<QWidget*>(EHoehe2),
                         static_cast<QWidget*>(Hoehe1), static_cast<QWidget*>(Hoehe2), static_cast<QWidget*>(Em1),
                         static_cast<QWidget*>(Em2), static_cast<QWidget*>(Nachbar),
                         static_cast<QWidget*>(Nachbar1)})
        w->hide();
    }
  } else if (startklick) {
    // The click that starts the quick start places and measures nothing.
  } else if (Referenzmodus && !Schnellstart) {
    x_Ref = X * M;
    y_Ref = Y * M;
    p.setPen(QPen(QColor(128, 0, 128), 1));
    p.setBrush(QColor(128, 0, 128));
    Scheibe(p, X, Y, 3);
    x_CH_Koord = ValReal(Ex_CH_Koord->text(), Fehlercode);
    y_CH_Koord = ValReal(Ey_CH_Koord->text(), Fehlercode);
    Beschriftung(p,
                 QStringLiteral(" Ref : ") + FromBytes(FormatFixed(x_CH_Koord, 0, 1)) + QStringLiteral(" : ") +
                     FromBytes(FormatFixed(y_CH_Koord, 0, 1)),
                 X, Y, Qt::white);
    Ex_CH_Koord->hide();
    Ey_CH_Koord->hide();
    Referenzmodus = false;
  } else if (Staomodus && !Schnellstart) {
    x_Stao = X * M;
    y_Stao = Y * M;
    StaoLandeskoordinaten(x_Stao_CH, y_Stao_CH);
    p.setPen(QPen(QColor(192, 192, 192), 1));
    p.setBrush(QColor(192, 192, 192));
    Scheibe(p, X, Y, 3);
    double dT = 0.0;
    try {
      dT = FieldTemperatureResponse(JahrGrafik);
    } catch (const CalcError& err) {
      Message(Win1252ToUtf8(err.what()));
    }
    Beschriftung(p,
                 QStringLiteral(" Stao : ") + FromBytes(FormatFixed(x_Stao_CH, 0, 1)) + QStringLiteral(" : ") +
                     FromBytes(FormatFixed(y_Stao_CH, 0, 1)) + QStringLiteral(" : ") +
                     FromBytes(FormatFixed(dT, 0, 1)) + QStringLiteral(" K"),
                 X, Y, Qt::white);
    StaoGesetzt = true;
    Staomodus = false;
  } else if (!Messmodus) {
    Ergebnisanzeige = false;
    if (!PlanVerschieben) {
      NeueSonde = true;
      const int hit = Treffer(X, Y);
      if (hit > 0) {
        AktiveSonde = hit;
        NeueSonde = false;
      } else if (Zaehler < kMaxSonden) {
        if (MacModus) {
          Clip->hide();
          Messen->hide();
        }
        const int n = ++Zaehler;
        ProjektfeldGeladen = false;
        Nachbarsonde[n] = Nachbarmodus;
        CheckBox2->hide();
        if (n == 1) {
          Messen->hide();
          Button6->hide();
          Plankl->hide();
          Plangr->hide();
          Schnellstart = false;
        }
        Sondengrafik = true;
        SondeX[n] = X * M;
        SondeY[n] = Y * M;
        if (!KompaktModus) Beschriftung(p, SondenText(n, SondeX[n], SondeY[n]), X, Y, Qt::white);
        p.setPen(QPen(Nachbarsonde[n] ? QColor(0, 128, 0) : QColor(255, 0, 0), 3));
        p.setBrush(Nachbarsonde[n] ? QColor(255, 255, 0) : QColor(255, 0, 0));
        Scheibe(p, X, Y, Markergroesse);
      }
    } else if (Button == Qt::LeftButton && !PlanBild.isNull() &&
               QRect(PlanLinks, PlanOben, PlanBild.width(), PlanBild.height()).contains(X, Y)) {
      PlanZiehen = true;
      PlanGriffX = X - PlanLinks;
      PlanGriffY = Y - PlanOben;
    }
  } else {
    ++Punktzaehler;
    const double x = X * M, y = Y * M;
    if (Punktzaehler <= 2) {
      Beschriftung(p,
                   QStringLiteral(" Mpt") + QString::number(Punktzaehler) + QStringLiteral(" : ") +
                       FromBytes(FormatFixed(x, 0, 1)) + QStringLiteral(" : ") + FromBytes(FormatFixed(y, 0, 1)),
                   X, Y, QColor(255, 255, 0));
      p.setPen(QPen(QColor(255, 255, 0), 1));
      p.setBrush(QColor(255, 255, 0));
      Scheibe(p, X, Y, 2);
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(Qt::black);
      Scheibe(p, X, Y, 1);
    }
    if (Punktzaehler == 1) {
      Messpunkt1[0] = x, Messpunkt1[1] = y;
    } else if (Punktzaehler == 2) {
      Messpunkt2[0] = x, Messpunkt2[1] = y;
      Messdistanz = std::hypot(Messpunkt2[0] - Messpunkt1[0], Messpunkt2[1] - Messpunkt1[1]);
      EDistanz->show();
      Solldistanz = ValReal(EDistanz->text(), Fehlercode);
      // The same point twice measures nothing: the scale stays.
      if (Solldistanz > 0.0 && Messdistanz > 0.0) {
        // A scale the module cannot keep would collapse the field to a pixel
        // and make the project neither savable nor computable: refused.
        const double neu = Multiplikator * (Solldistanz / Messdistanz);
        const std::string fehler = MassstabFehler(neu);
        if (fehler.empty()) {
          Skalierfaktor = Solldistanz / Messdistanz;
          Multiplikator = neu;
          FeldPruefen();
        } else {
          p.end();
          Message(fehler);
          p.begin(&Zeichenflaeche->Bild);
        }
      }
    } else {
      Messmodus = false;
      Punktzaehler = 0;
      EDistanz->hide();
      TDistanz->hide();
      TDistanz2->hide();
      if (Zaehler == 0 && Schnellstart) {
        Plankl->show();
        Plangr->show();
      }
      // The quick start ends with its measurement; the next clicks place.
      Schnellstart = false;
    }
  }
  p.end();
  Zeichenflaeche->update();
}

void TFeld::SondeLoeschen(int k) {
  if (k < 1 || k > Zaehler) return;
  for (int i = k; i < Zaehler; ++i) {
    SondeX[i] = SondeX[i + 1];
    SondeY[i] = SondeY[i + 1];
    Nachbarsonde[i] = Nachbarsonde[i + 1];
    Sondenbelastung[i] = Sondenbelastung[i + 1];
  }
  SondeX[Zaehler] = SondeY[Zaehler] = 0.0;
  Nachbarsonde[Zaehler] = false;
  --Zaehler;
  if (Zaehler == 0) Sondengrafik = false;
}

void TFeld::FormMouseMove(Qt::MouseButtons Shift, int X, int Y) {
  if (Messmodus) return;
  if (PlanVerschieben) {
    if (PlanZiehen && (Shift & Qt::LeftButton)) {
      // The plan's corner is where the mouse holds it; the field is drawn
      // over it again at that place, whichever way it moved.
      PlanLinks = Posx = X - PlanGriffX;
      PlanOben = Posy = Y - PlanGriffY;
      Gitter();
    }
    return;
  }
  FeldPruefen();
  if (NeueSonde || NrGetauscht || AktiveSonde < 1 || AktiveSonde > Zaehler) return;
  const int k = AktiveSonde;
  if (Shift & Qt::LeftButton) {
    Zeichenflaeche->setCursor(Qt::BlankCursor);
    QPainter p(&Zeichenflaeche->Bild);
    const int ax = Px(SondeX[k]), ay = Px(SondeY[k]);
    // Paint over the old label and marker.
    const QColor face = Knopfflaeche();
    if (!KompaktModus) {
      const QRect r = Beschriftung(p, SondenText(k, SondeX[k], SondeY[k]), ax, ay, face);
      p.fillRect(r, face);
    }
    p.setPen(QPen(face, 3));
    p.setBrush(face);
    Scheibe(p, ax, ay, Markergroesse);
    SondeX[k] = X * Multiplikator;
    SondeY[k] = Y * Multiplikator;
    if (!KompaktModus) Beschriftung(p, SondenText(k, SondeX[k], SondeY[k]), X, Y, Qt::white);
    SondeMalen(p, k, Markergroesse);
    p.end();
    NrGetauscht = false;
    Zeichenflaeche->update();
  } else if (Shift & Qt::RightButton) {
    SondeLoeschen(k);
    NeueSonde = true;
    Button2Click();
    Button3Click();
    NrGetauscht = false;
  }
}

void TFeld::FormMouseUp(Qt::MouseButton, Qt::MouseButtons, int, int) {
  Zeichenflaeche->unsetCursor();
  FeldPruefen();
  const bool zweiPunkte = Messmodus || Isohypse1Eingabe || Isohypse2Eingabe;
  if (!zweiPunkte) {
    if (!PlanVerschieben) {
      if (!PlanAktiv && !Messmodus) Refresh();
      FeldNeuZeichnen();
      if (PlanAktiv) Button7Click();
    } else {
      PlanZiehen = false;
    }
    if (PlanAktiv) Gitter();
  } else {
    QPainter p(&Zeichenflaeche->Bild);
    Messpunkte(p);
  }
  QPainter p(&Zeichenflaeche->Bild);
  Konturlinien(p);
  p.end();
  Zeichenflaeche->update();
}

// ---------------- mode buttons ----------------

void TFeld::MessenClick() {
  Messmodus = true;
  PlanVerschieben = false;
  EDistanz->setText(FixedText(Solldistanz, 3));
  EDistanz->show();
  TDistanz->show();
  TDistanz2->show();
  Nachbar->show();
  Ergebnisanzeige = false;
}

void TFeld::Wasser1Click() {
  Isohypse1Eingabe = true;
  EHoehe1->setText(FixedText(Isohypse1, 3));
  EHoehe1->show();
  Hoehe1->show();
  Em1->show();
  hydrDruckgradient = false;
}

void TFeld::Wasser2Click() {
  Isohypse2Eingabe = true;
  EHoehe2->setText(FixedText(Isohypse2, 3));
  EHoehe2->show();
  Hoehe2->show();
  Em2->show();
  hydrDruckgradient = false;
}

void TFeld::KoordinatenClick() {
  Referenzmodus = true;
  Ex_CH_Koord->setText(FixedText(x_CH_Koord, 1));
  Ey_CH_Koord->setText(FixedText(y_CH_Koord, 1));
  Ex_CH_Koord->show();
  Ey_CH_Koord->show();
  x_CH_Koord = ValReal(Ex_CH_Koord->text(), Fehlercode);
  y_CH_Koord = ValReal(Ey_CH_Koord->text(), Fehlercode);
  mitReferenzpunkt = true;
}

void TFeld::StaoClick() { Staomodus = true; }

void TFeld::NachbarClick() {
  Nachbarmodus = !Nachbarmodus;
  Nachbar->hide();
  Nachbar1->show();
}

void TFeld::Nachbar1Click() {
  Nachbarmodus = !Nachbarmodus;
  Nachbar1->hide();
  Nachbar->show();
}

void TFeld::Button31Click() {
  Nummernmodus = !Nummernmodus;
  Button5->setVisible(Nummernmodus);
  Button31->setVisible(!Nummernmodus);
  if (Nummernmodus && KompaktModus) {
    FeldPruefen();
    QPainter p(&Zeichenflaeche->Bild);
    p.setPen(Knopfflaeche());
    for (int i = 1; i <= Zaehler; ++i)
      Beschriftung(p, QStringLiteral(" ") + QString::number(i), Px(SondeX[i]) + 10, Px(SondeY[i]), Qt::white);
    Zeichenflaeche->update();
  } else if (!Ueberblendung) {
    Button15Click();
  } else {
    ScreClick();
    Copy0Click();
  }
}

void TFeld::NeuClick() {
  if (Ask(" Delete all? ") == kJa) {
    // The whole field goes: every slot, its flag and load share, and the
    // project no longer has a drawn field.
    Zaehler = 0;
    for (int i = 1; i <= kMaxSonden; ++i) {
      SondeX[i] = SondeY[i] = 0.0;
      Nachbarsonde[i] = false;
      Sondenbelastung[i] = 0.0;
    }
    Sondengrafik = false;
    AktiveSonde = 0;
    NeueSonde = true;
    Koordinaten->show();
    Button4Click();
    Refresh();
  }
  Button4Click();
}

void TFeld::ESondeNrChange() {
  if (Form1 != nullptr) Form1->EingabenUebernehmen();
}

}  // namespace qeb
