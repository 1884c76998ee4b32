// The field editor's drawing: the metre grid, the boreholes and their
// labels, the evaluation view that colours each borehole by its long-term
// g-value, the zoom and grid buttons, and "Ende", which hands the field to
// the project.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/QEBMOD_run.h"
#include "calc/TextIO.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput_catalog.h"
#include "input/QEBInput_dokumente.h"
#include "platform/Platform.h"
#include "results/gfunc_fit.h"
#include "shell/Sprachen.h"

namespace qeb {

namespace {
const QColor kRot(255, 0, 0);
const QColor kGelb(255, 255, 0);
const QColor kGruen(0, 128, 0);
const QColor kBlau(0, 0, 255);
QString Zahl1(double v) { return FromBytes(FormatFixed(v, 0, 1)); }
}  // namespace

QColor TFeld::Knopfflaeche() const { return palette().color(QPalette::Button); }

void TFeld::Refresh() {
  Zeichenflaeche->BildAnpassen();
  Zeichenflaeche->Bild.fill(Knopfflaeche());
  // The plan lies behind everything the editor draws.
  if (mitPlan && PlanAktiv && !PlanBild.isNull()) {
    QPainter p(&Zeichenflaeche->Bild);
    p.drawImage(Posx, Posy, PlanBild);
  }
  Zeichenflaeche->update();
}

void TFeld::Scheibe(QPainter& p, int x, int y, int r) const { p.drawEllipse(QRect(x - r, y - r, 2 * r, 2 * r)); }

void TFeld::SondeMalen(QPainter& p, int i, int r) const {
  const bool n = Nachbarsonde[i];
  p.setPen(QPen(n ? kGruen : kRot, 3));
  p.setBrush(n ? kGelb : kRot);
  Scheibe(p, Px(SondeX[i]), Px(SondeY[i]), r);
}

QString TFeld::SondenText(int n, double x, double y) const {
  return QStringLiteral(" ") + QString::number(n) + QStringLiteral(" : ") + Zahl1(x) + QStringLiteral(" : ") + Zahl1(y);
}

QRect TFeld::Beschriftung(QPainter& p, const QString& text, int X, int Y, const QColor& grund) const {
  // The label hangs below its point, its box's top-left corner at (X - 20, Y + 4).
  QFont f = p.font();
  f.setPixelSize(11);
  p.setFont(f);
  const QFontMetrics fm(f);
  const QRect r(X - 20, Y + 4, fm.horizontalAdvance(text) + 2, fm.height());
  p.fillRect(r, grund);
  p.setPen(QPen(Qt::black, 1));
  p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
  return r;
}

void TFeld::Rasterlinien(QPainter& p, bool mausVariante) const {
  const int ende = std::max(Zeichenflaeche->Bild.width(), Zeichenflaeche->Bild.height());
  const int weite = std::max(Gitterweite, 1);
  for (int i = 1; i <= 1500; ++i) {
    const int q = Px(i);
    if (q > ende) break;  // nothing of the grid lies beyond the canvas
    const bool stufe = i % weite == 0;
    if (stufe) {
      p.setPen(QPen(Qt::black, Schrittgitter && !mausVariante ? 1 : 2));
    } else if (Schrittgitter) {
      if (!mausVariante) continue;
      p.setPen(QPen(mitPlan ? QColor(Qt::black) : Knopfflaeche(), 1));
    } else {
      p.setPen(QPen(Qt::black, 1));
    }
    p.drawLine(0, q, 10000, q);
    p.drawLine(q, 0, q, 10000);
  }
}

void TFeld::FeldNeuZeichnen() {
  QPainter p(&Zeichenflaeche->Bild);
  Rasterlinien(p, true);
  for (int i = 1; i <= Zaehler; ++i) {
    // The label first: it hangs below the marker and never hides it.
    const int px = Px(SondeX[i]), py = Px(SondeY[i]);
    if (!KompaktModus) Beschriftung(p, SondenText(i, px * Multiplikator, py * Multiplikator), px, py, Qt::white);
    SondeMalen(p, i, Markergroesse);
  }
  p.end();
  Zeichenflaeche->update();
}

void TFeld::Messpunkte(QPainter& p) const {
  for (int k = 1; k <= std::min(Punktzaehler, 2); ++k) {
    const double* m = k == 1 ? Messpunkt1 : Messpunkt2;
    const int X = Px(m[0]), Y = Px(m[1]);
    p.setPen(QPen(kGelb, 1));
    p.setBrush(kGelb);
    Scheibe(p, X, Y, 2);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    Scheibe(p, X, Y, 1);
    Beschriftung(p, QStringLiteral(" Mpt") + QString::number(k) + QStringLiteral(" : ") + Zahl1(m[0]) +
                        QStringLiteral(" : ") + Zahl1(m[1]),
                 X, Y, kGelb);
  }
}

void TFeld::Konturlinien(QPainter& p) const {
  struct Linie {
    double x1, y1, x2, y2, h;
    const char* name;
  };
  const Linie linien[2] = {{x1Isohypse1, y1Isohypse1, x2Isohypse1, y2Isohypse1, Isohypse1, " Isohypse1 = "},
                           {x1Isohypse2, y1Isohypse2, x2Isohypse2, y2Isohypse2, Isohypse2, " Isohypse2 = "}};
  for (const Linie& l : linien) {
    p.setPen(QPen(kBlau, 2));
    p.drawLine(Px(l.x1), Px(l.y1), Px(l.x2), Px(l.y2));
    if (l.x1 > 1.0 && l.y1 > 1.0)
      p.drawText(Px(l.x1) + 10, Px(l.y1) - 10, QString::fromLatin1(l.name) + FromBytes(FormatFixed(l.h, 0, 3)));
  }
  p.setPen(QPen(Qt::black, 1));
}

// ---------------- evaluation ----------------

namespace {

// Own and neighbour boreholes as the project counts them: at least one own.
void FeldZaehlen() {
  int eigene = 0;
  for (int i = 1; i <= std::min(Zaehler, kMaxSonden); ++i)
    if (!Nachbarsonde[i]) ++eigene;
  AnzahlSonden = std::max(eigene, 1);
  Anz_Nachbarsonden = Zaehler - AnzahlSonden;
}

bool HatEigeneSonde() {
  for (int i = 1; i <= std::min(Zaehler, kMaxSonden); ++i)
    if (!Nachbarsonde[i]) return true;
  return false;
}

// g1..g5 of the field from the borehole positions; false (values kept) when
// the module refuses.
bool FeldGWerte() {
  double g[5];
  double* tab[5] = {gFeld1, gFeld2, gFeld3, gFeld4, gFeld5};
  const double einzel[5] = {4.82, 5.69, 6.29, 6.57, 6.6};
  const double feld[5] = {4.95, 5.94, 6.53, 6.77, 6.79};
  for (int k = 0; k < 5; ++k)
    g[k] = FieldNeighbourInfluence(Zaehler, std::span<double>(tab[k], kMaxSonden + 1), einzel[k], feld[k],
                                   Sondenlaenge);
  g1 = g[0], g2 = g[1], g3 = g[2], g4 = g[3], g5 = g[4];
  g_Sondenabstand = Sondenabstand;
  return true;
}

// One borehole's long-term g at x = ln(t/ts) from the fit of its values.
double Langzeitwert(double x, double capGrund) {
  const double gm = GfuncPolynom(-3.8);
  double cap = capGrund;
  if (gKurzzeitBreit) cap = gm > 15 ? 3.34 : 4.09;
  x = std::min(x, 2.5);
  const double lin = 0.5 * x + 6.84;
  double v = x >= -4.0 ? GfuncPolynom(x) : lin;
  if (x < -2.0 && lin - 0.3 >= v) v = lin;
  if (gKurzzeitBreit) {
    if (gm >= 15 && x >= -7 && x <= -3.8) v = cap + (gm - cap) * ((7 + x) / 3.2) * ((7 + x) / 3.2);
    if (gm < 15 && x >= -5.5 && x <= -3.8) v = cap + (gm - cap) * (5.5 + x) / 1.7;
  } else if (x >= -4.5 && x <= -3.8) {
    v = cap + (gm - cap) * (4.5 + x) / 0.7;
  }
  return v;
}

}  // namespace

bool TFeld::Auswerten() {
  FeldPruefen();
  try {
    if (Zaehler >= 1) {
      FeldZaehlen();
      gfuntyp = Sondenauswahl = 43;
      Sondengrafik = gfunction = true;
      // Neighbours alone have no g-function of their own.
      if (HatEigeneSonde()) FeldGWerte();
      if (Form1 != nullptr) Form1->EingabenAnzeigen();
    }
    if (Form1 != nullptr) {
      Sondenlaenge = ValReal(Form1->ESondenlaenge->text(), Fehlercode);
      Sondenabstand = ValReal(Form1->ESondenabstand->text(), Fehlercode);
      g_Sondenabstand = ValReal(Form1->Eg_Sondenabstand->text(), Fehlercode);
    }
    tsJahre = Sondenlaenge * Sondenlaenge / 9.0 / lambdaErd * cpErd * rhoErd / 3600.0 / 8760.0;
    FeldGMin = 200.0;
    FeldGMax = 0.0;
    if (Zaehler < 2) return true;
    // Colours range over the project's own boreholes: a neighbour's values
    // are not computed.
    for (int durchgang = 1; durchgang <= 2; ++durchgang) {
      const double x = std::log((durchgang == 1 ? 50.0 : Auswertejahre) / tsJahre);
      for (int i = 1; i <= Zaehler; ++i) {
        if (Nachbarsonde[i]) continue;
        double v = NAN;
        try {
          double a = gFeld4[i], b = gFeld5[i];
          FitGFunctionPolynomial(g_Sondenabstand, Sondenabstand, gFeld1[i], gFeld2[i], gFeld3[i], a, b);
          GfuncXMin = -4.0;
          v = Langzeitwert(x, 4.59);
        } catch (const CalcError&) {
          v = NAN;  // this borehole stays uncoloured
        }
        if (durchgang == 1) {
          if (std::isfinite(v)) {
            FeldGMin = std::min(FeldGMin, v);
            FeldGMax = std::max(FeldGMax, v);
          }
        } else {
          gFeld5[i] = v;
        }
      }
    }
    return true;
  } catch (const CalcError& err) {
    if (!auswertungFehler_) Message(Win1252ToUtf8(err.what()));
    auswertungFehler_ = true;
    return false;
  }
}

void TFeld::Auswertungsbild() {
  QPainter p(&Zeichenflaeche->Bild);
  Rasterlinien(p, false);
  const int T = Trefferradius;
  const double spanne = FeldGMax - FeldGMin;
  for (int i = 1; i <= Zaehler; ++i) {
    const int px = Px(SondeX[i]), py = Px(SondeY[i]);
    const bool nachbar = Nachbarsonde[i];
    if (Zaehler > 1 && spanne > 0 && !nachbar && std::isfinite(gFeld5[i])) {
      const double roh = (gFeld5[i] - FeldGMin) / spanne * 245 + 10;
      const int c = std::clamp(static_cast<int>(std::lround(std::clamp(roh, 0.0, 255.0))), 0, 255);
      const int ks[3] = {static_cast<int>(std::lround(c / 3.0)), static_cast<int>(std::lround(2.0 * c / 3.0)), c};
      const int rs[3] = {4 * T, 2 * T, T};
      for (int s = 0; s < 3; ++s) {
        const QColor farbe(ks[s], 0, 255 - ks[s]);
        p.setPen(QPen(farbe, 1));
        p.setBrush(farbe);
        Scheibe(p, px, py, rs[s]);
      }
    } else {
      p.setPen(QPen(nachbar ? kGruen : kRot, 1));
      p.setBrush(nachbar ? kGelb : kRot);
      Scheibe(p, px, py, Ergebnisanzeige ? 3 : Markergroesse);
    }
    if (!KompaktModus) Beschriftung(p, SondenText(i, SondeX[i], SondeY[i]), px, py, Qt::white);
    p.setPen(QPen(nachbar ? kGruen : kRot, 1));
    p.setBrush(nachbar ? kGelb : kRot);
    int r = std::max(static_cast<int>(std::lround(T / 2.0)), 2);
    if (Ergebnisanzeige) r = 3;
    if (nachbar) r = 6;
    Scheibe(p, px, py, r);
  }
  p.end();
  Zeichenflaeche->update();
}

void TFeld::Button4Click() {
  setFocus();
  if (MacModus && Zaehler == 0) {
    Clip->show();
    Messen->show();
  }
  CheckBox1->show();
  if (SteuerelementeSichtbar) {
    Button11->show();
    Button6->setVisible(!PlanAktiv);
    ScrollBar1->setVisible(!PlanAktiv && mitPlan);
    for (QWidget* w : std::initializer_list<QWidget*>{Clip, Messen, Button16, Wasser1, Wasser2, Button13, Button14,
                                                      Button17, Button18, Button21, Button22, Button23, Button31})
      w->show();
    if (mitPlan)
      for (QWidget* w : std::initializer_list<QWidget*>{Farb0, Farb4, Farb5, Farb6, Farb7, Farb8, Farb9, Plan, Nachbar})
        w->show();
    // The plan's own commands (brightness, reload) and the result view
    // belong to a plan; the screen copy is always at hand, as the copy for
    // the project picture while a map is shown.
    if (mitPlan)
      for (QWidget* w : std::initializer_list<QWidget*>{Farb, Farb2, Button7, Button15}) w->show();
    Scre->setVisible(!Ueberblendung);
    Copy0->setVisible(Ueberblendung);
  }
  if (GW_zeigen) {
    Wasser1->show();
    Wasser2->show();
  }
  auswertungFehler_ = false;
  if (!Auswerten()) return;  // the picture stays as it was
  Refresh();
  Auswertungsbild();
}

void TFeld::Gitter() {
  auswertungFehler_ = false;
  if (!Auswerten()) return;
  Refresh();
  QPainter p(&Zeichenflaeche->Bild);
  Rasterlinien(p, false);
  if (x_Ref > 1.0 && y_Ref > 1.0) {
    p.setPen(QPen(QColor(128, 0, 128), 1));
    p.setBrush(QColor(128, 0, 128));
    Scheibe(p, Px(x_Ref), Px(y_Ref), 3);
    Beschriftung(p, QStringLiteral(" Ref : ") + Zahl1(x_CH_Koord) + QStringLiteral(" : ") + Zahl1(y_CH_Koord),
                 Px(x_Ref), Px(y_Ref), Qt::white);
  }
  if (x_Stao > 1.0 && y_Stao > 1.0) {
    double dT = 0.0;
    try {
      dT = FieldTemperatureResponse(JahrGrafik) + StaoTemperaturaenderung;
    } catch (const CalcError& err) {
      Message(Win1252ToUtf8(err.what()));
    }
    const QColor silber(192, 192, 192);
    p.setPen(QPen(silber, 1));
    p.setBrush(silber);
    Scheibe(p, Px(x_Stao), Px(y_Stao), 4);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    Scheibe(p, Px(x_Stao), Px(y_Stao), 1);
    StaoLandeskoordinaten(x_Stao_CH, y_Stao_CH);  // also for a site read from a project
    Beschriftung(p,
                 QStringLiteral(" Stao : ") + Zahl1(x_Stao_CH) + QStringLiteral(" : ") + Zahl1(y_Stao_CH) +
                     QStringLiteral(" : ") + Zahl1(dT) + QStringLiteral(" K"),
                 Px(x_Stao), Px(y_Stao), Qt::white);
  }
  for (int i = 1; i <= Zaehler; ++i) {
    const int px = Px(SondeX[i]), py = Px(SondeY[i]);
    if (!KompaktModus) Beschriftung(p, SondenText(i, SondeX[i], SondeY[i]), px, py, Qt::white);
    SondeMalen(p, i, Ergebnisanzeige || Ueberblendung ? 3 : Markergroesse);
    SondeMalen(p, i, Ergebnisanzeige ? Ergebnismarker : Markergroesse);
  }
  p.setPen(QPen(Qt::black, 1));
  QFont f = p.font();
  f.setPixelSize(12);
  p.setFont(f);
  // The heading follows the windows' language.
  auto text = [](int n, const char* deutsch) {
    const QString t = FromBytes(Fenstertext(n));
    return t.isEmpty() ? QString::fromUtf8(deutsch) : t;
  };
  QString kopf = text(8, "Programm QEB") + QStringLiteral(", Version 5.6");
  if (JahrGrafik != 50) kopf += QStringLiteral(", ") + QString::number(JahrGrafik) + QLatin1Char(' ') + text(895, "Jahre");
  p.drawText(50, 6 + 12, kopf);
  Konturlinien(p);
  if (Nummernmodus && KompaktModus)
    for (int i = 1; i <= Zaehler; ++i)
      Beschriftung(p, QStringLiteral(" ") + QString::number(i), Px(SondeX[i]) + 10, Px(SondeY[i]), Qt::white);
  p.end();
  Zeichenflaeche->update();
}

void TFeld::Button19Click() { Gitter(); }

void TFeld::Button2Click() {
  // The zoom stops at the scales the editor draws, as a measured scale does.
  FeldPruefen();
  if (MassstabFehler(Multiplikator * 1.5).empty()) Multiplikator *= 1.5;
  Refresh();
  FeldNeuZeichnen();
}

void TFeld::Button3Click() {
  FeldPruefen();
  if (MassstabFehler(Multiplikator / 1.5).empty()) Multiplikator /= 1.5;
  Refresh();
  FeldNeuZeichnen();
}

void TFeld::Rastertaste(int weite, bool schritt, bool kompakt, int marker, int treffer, QPushButton* anzeige) {
  Gitterweite = weite;
  Schrittgitter = schritt;
  KompaktModus = kompakt;
  Markergroesse = marker;
  Trefferradius = treffer;
  for (QPushButton* b : {Button24, Button25, Button26, Button27, Button28, Button29, Button30})
    b->setVisible(b == anzeige);
  Button2Click();
  Button3Click();
  // The whole view comes back at the new grid: the plan fixed and reloaded
  // (which redraws the field), or the full redraw with the reference and
  // site points, the contour lines and the heading; the result view on top.
  if (mitPlan && PlanAktiv) {
    Button6Click();
  } else {
    Gitter();
  }
  if (Ergebnisanzeige) Auswertungsbild();
}

void TFeld::Button16Click() { Rastertaste(10, !Schrittgitter, false, 6, 7, nullptr); }
void TFeld::Button13Click() { Rastertaste(20, true, true, 3, 3, Button25); }
void TFeld::Button14Click() { Rastertaste(50, true, true, 3, 3, Button24); }
void TFeld::Button17Click() { Rastertaste(8, true, true, 3, 3, Button27); }
void TFeld::Button18Click() { Rastertaste(5, true, true, 3, 3, Button30); }
void TFeld::Button21Click() { Rastertaste(10, true, true, 3, 3, Button26); }
void TFeld::Button22Click() { Rastertaste(6, true, true, 3, 3, Button29); }
void TFeld::Button23Click() { Rastertaste(7, true, true, 3, 3, Button28); }

void TFeld::Year_of_graphClick() {
  EYear_Grafik->setText(QString::number(JahrGrafik));
  EYear_Grafik->show();
}

void TFeld::EYear_GrafikKeyPress(int key) {
  if (key != 13) return;
  EYear_Grafik->hide();
  JahrGrafik = ValInt(EYear_Grafik->text(), Fehlercode);
  if (JahrGrafik < 1) JahrGrafik = 50;
}

void TFeld::Button15Click() {
  Ergebnisanzeige = !Ergebnisanzeige;
  if (Ergebnisanzeige) {
    Button4Click();
  } else {
    Button2Click();
    Button3Click();
    // The plain plan is fixed again; a shown overlay stays.
    if (mitPlan && PlanAktiv && !Ueberblendung) Button6Click();
  }
  Gitter();
  if (Ueberblendung) {
    if (!Nummernmodus) {
      Nummernmodus = true;
      Button5->show();
      Button31->hide();
    }
    // This copy may become the project picture: the clipboard keeps it.
    Copy0Click();
  } else {
    QApplication::clipboard()->clear();
  }
}

// ---------------- hand-over to the project ----------------

bool FeldUebergeben() {
  bool ok = true;
  FeldZaehlen();
  gfuntyp = Sondenauswahl = 43;
  // A field of neighbours only has no g-function of its own: the
  // project's values stay as they were.
  if (Sondengrafik && HatEigeneSonde()) {
    try {
      FeldGWerte();
    } catch (const CalcError& err) {
      Message(Win1252ToUtf8(err.what()));
      ok = false;
    }
  }
  if (Form1 != nullptr) {
    Form1->EingabenAnzeigen();
    for (QWidget* w : std::initializer_list<QWidget*>{Form1->ESondenabstand, Form1->TSondenabstand, Form1->TBHeff,
                                                      Form1->EBH, Form1->TBHgfunction, Form1->EBHgfunction,
                                                      Form1->Tg_Sondenabstand, Form1->Eg_Sondenabstand})
      w->hide();
    Form1->TFlag4->show();
    Form1->ESondengrafik->show();
    Form1->ZoomSondenfeld1->setVisible(true);
  }
  return ok;
}

bool FeldInKraftSetzen() {
  Zaehler = std::clamp(Zaehler, 0, kMaxSonden);
  if (Zaehler < 1) return true;
  // As opening the editor does: the field is drawn and has a g-function.
  Sondengrafik = gfunction = true;
  return FeldUebergeben();
}

void TFeld::Button1Click() {
  FeldPruefen();
  for (QWidget* w : std::initializer_list<QWidget*>{Year_of_graph, EYear_Grafik, Blend, Blend1, Stao, Button60, Button61})
    w->hide();
  hide();
  std::error_code ec;
  for (const char* f : {"blend1.map", "blend2.map", "blend3.map"}) std::filesystem::remove(f, ec);
  if (Zaehler < 1 && Sondenauswahl >= 2 && Sondenauswahl <= catalog::kGPresets) {
    // Nothing was drawn over a preset layout: the preset and its count stay
    // the project's field.
    Sondengrafik = false;
    if (Form1 != nullptr) Form1->EingabenAnzeigen();
  } else if (Zaehler < 1) {
    gfuntyp = Sondenauswahl = 1;
    Sondengrafik = false;
    if (Form1 != nullptr) {
      Form1->ESondengrafik->setItemIndex(1);
      Form1->CWahlgfunction->setCurrentIndex(1);
    }
    AnzahlSonden = 1;
    if (Form1 != nullptr) Form1->EingabenAnzeigen();
  } else {
    FeldUebergeben();
  }
  if (!ProjektbildGeladen && FeldKopieErstellt && Form1 != nullptr) ClipboardEinlesenClick();
}

void TFeld::FormButton1Click() { Button1Click(); }

}  // namespace qeb
