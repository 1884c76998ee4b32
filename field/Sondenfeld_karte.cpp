// The temperature-change colour map over the plan: seven buttons choose the
// full scale, the map is painted pixel by pixel with isolines and a legend
// and kept as "blend2.map" beside the plain plan "blend1.map" for the
// cross-fade.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_run.h"
#include "field/Farbkarte.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/gfunc_fit.h"

namespace qeb {

namespace {
// The change at every pixel of the last map and what it was computed from:
// the scale buttons only recolour it.
FarbkartenEingabe letzteEingabe;
std::vector<double> letzteWerte;
}  // namespace

double FeldTemperatur() {
  if (Form1 != nullptr) {
    Sondenlaenge = ValReal(Form1->ESondenlaenge->text(), Fehlercode);
    Sondenabstand = ValReal(Form1->ESondenabstand->text(), Fehlercode);
    g_Sondenabstand = ValReal(Form1->Eg_Sondenabstand->text(), Fehlercode);
  }
  return GFunctionValue(JahrGrafik);
}

void TFeld::JahrUebernehmen() {
  if (EYear_Grafik->isVisible()) EYear_GrafikKeyPress(13);
}

void TFeld::Skalenknopf(double skala) {
  JahrUebernehmen();
  FarbSkala = skala;
  KartenZoom = true;
  Stao->show();
  Year_of_graph->show();
  Farb3Click();
  Button60->hide();
  Button61->hide();
}

void TFeld::Farb9Click() { Skalenknopf(2.75); }
void TFeld::Farb4Click() { Skalenknopf(3.5); }
void TFeld::Farb8Click() { Skalenknopf(5.0); }
void TFeld::Farb0Click() { Skalenknopf(7.0); }
void TFeld::Farb5Click() { Skalenknopf(10.0); }
void TFeld::Farb6Click() { Skalenknopf(12.0); }
void TFeld::Farb7Click() { Skalenknopf(13.0); }

void TFeld::Farb3Click() {
  if (Form1 != nullptr) Form1->EingabenUebernehmen();
  FeldPruefen();
  // Without an own borehole the specific load is undefined: no map, and the
  // plain plan stays what the editor shows.
  bool eigene = false;
  for (int i = 1; i <= Zaehler; ++i) eigene = eigene || !Nachbarsonde[i];
  if (!eigene) {
    Message(kKeineEigeneSonde);
    return;
  }
  Blend->show();
  Blend1->hide();
  Ueberblendung = true;
  QImage bild = PlanLaden();
  if (!bild.isNull()) bild.save(QStringLiteral("blend1.map"), "BMP");
  if (bild.isNull()) bild = PlanBild;
  Gitter();
  if (bild.isNull()) return;
  if (Form1 != nullptr) Form1->EingabenUebernehmen();
  FeldPruefen();
  int n = 0;
  for (int i = 1; i <= Zaehler; ++i)
    if (!Nachbarsonde[i]) ++n;
  // Without an own borehole, a length or a conductivity the specific load
  // is undefined: no map.
  if (n == 0 || !(Sondenlaenge > 0) || !(lambdaErd > 0) || !std::isfinite(Sondenlaenge) || !std::isfinite(lambdaErd))
    return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  FarbkartenEingabe e;
  double E = 0;
  try {
    // The loads of the project on screen, never the energy a run of
    // another project left behind.
    E = ProjektJahresenergie();
    e.A = FeldTemperatur();
  } catch (const CalcError& err) {
    QApplication::restoreOverrideCursor();
    Message(Win1252ToUtf8(err.what()));
    return;
  }
  if (E == 0) {
    QApplication::restoreOverrideCursor();
    Message(kKeineLasten);
    return;
  }
  e.breite = bild.width();
  e.hoehe = bild.height();
  e.posx = Posx;
  e.posy = Posy;
  e.massstab = Multiplikator;
  for (int i = 1; i <= Zaehler; ++i) {
    e.x.push_back(SondeX[i]);
    e.y.push_back(SondeY[i]);
  }
  e.q = E / 8.76 / Sondenlaenge / n;
  e.B = std::log(0.0005 * Sondenlaenge);
  e.lambda = lambdaErd;
  e.zusatz = StaoTemperaturaenderung;
  if (!(e == letzteEingabe) || letzteWerte.size() != static_cast<size_t>(e.breite) * e.hoehe) {
    letzteWerte = FarbkartenWerte(e);
    letzteEingabe = e;
  }
  FarbkartePinseln(bild, letzteWerte, FarbSkala, e.q);
  LegendeZeichnen(bild, FarbSkala, E < 0, Knopfflaeche());
  bild.save(QStringLiteral("blend2.map"), "BMP");
  PlanBild = bild;
  Gitter();
  QApplication::restoreOverrideCursor();
  // With a map on screen the copy is the one for the project picture.
  if (SteuerelementeSichtbar) {
    Scre->hide();
    Copy0->show();
  }
}

void TFeld::PlanClick() {
  JahrUebernehmen();
  Ueberblendung = false;
  if (SteuerelementeSichtbar) {
    Copy0->hide();
    Scre->show();
  }
  Stao->show();
  Year_of_graph->show();
  // The plain plan again, not the map.
  Button7Click();
  Button15Click();
}

}  // namespace qeb
