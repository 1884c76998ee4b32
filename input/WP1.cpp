#include "input/WP1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <utility>
#include <vector>

#include "calc/QEBMOD.h"
#include "input/QEBInput_handlers.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "widgets/Typing.h"
#include "widgets/TableData.h"

namespace qeb {

TForm8* Form8 = nullptr;

#define QEB_WINDOW TForm8
#define QEB_TABLE_FILE "input/WP1_controls.inc"
#include "widgets/WindowTables.inc"

double FehlenderCOP0(double cop_5, double cop5, double cop10, double cop15) {
  if (cop_5 != 0.0 && cop5 != 0.0) return (cop_5 + cop5) / 2.0;
  std::vector<std::pair<double, double>> punkte;  // (source temperature, COP), nearest to 0 °C first
  if (cop5 != 0.0) punkte.push_back({5.0, cop5});
  if (cop_5 != 0.0) punkte.push_back({-5.0, cop_5});
  if (cop10 != 0.0) punkte.push_back({10.0, cop10});
  if (cop15 != 0.0) punkte.push_back({15.0, cop15});
  if (punkte.empty()) return 0.0;
  if (punkte.size() == 1) return punkte[0].second;
  const auto [t1, c1] = punkte[0];
  const auto [t2, c2] = punkte[1];
  return c1 + (0.0 - t1) * (c2 - c1) / (t2 - t1);
}

TForm8::TForm8(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form8"));
  setWindowTitle(QStringLiteral("Wärmepumpe"));
  setProperty("titleTags", QVariantList{72});
  BuildFromTables(this, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
  // What the user typed counts before any command of the dialog runs.
  BefehleFertigstellenZuerst(this);
  // The captions read in one line each beside their inputs.
  for (QLabel* l : findChildren<QLabel*>())
    if (l->objectName().startsWith(QLatin1String("L_"))) {
      l->setProperty("wrapWidth", 300);
      SetCaption(l, l->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
  connect(EWP, &RadioGroup::click, this, &TForm8::ChangeEntzug);
  // Leaving the choice (focus moves from its buttons to anything else) checks the COP data.
  fokus_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* alt, QWidget* neu) {
    const auto inEWP = [this](QWidget* w) { return w != nullptr && (w == EWP || EWP->isAncestorOf(w)); };
    if (inEWP(alt) && !inEWP(neu)) COPTest();
  });
  connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm8::Button3Click);
}

// The focus leaves the dialog's edits while they are destroyed: the dialog
// is no longer there to check its choice.
TForm8::~TForm8() { disconnect(fokus_); }

void TForm8::WPAnzeigen() {
  fuellen_ = true;
  const auto zeig = [](QLineEdit* e, double v) { e->setText(FixedText(v, EditDecimals(e))); };
  zeig(ECOP_5, COP_5);
  zeig(ECOP_0, COP_0);
  zeig(ECOP5, COP5);
  zeig(ECOP10, COP10);
  zeig(ECOP15, COP15);
  zeig(EWPHeizleistung, WPHeizleistung);
  zeig(EKesselleistung, Kesselleistung);
  zeig(EWPFrostgrenze, WPFrostgrenze);
  zeig(ESondenpumpe, Sondenpumpe);
  EWP->setItemIndex(WP ? 0 : 1);
  Ebivalent->setItemIndex(bivalent ? 0 : 1);
  for (QLineEdit* e : findChildren<QLineEdit*>()) e->setModified(false);
  fuellen_ = false;
}

void TForm8::WPEinlesen() {
  WP = EWP->itemIndex() == 0;
  bivalent = Ebivalent->itemIndex() == 0;
  const auto lies = [](const QLineEdit* e) { return EditReal(e, Fehlercode); };
  COP_5 = lies(ECOP_5);
  COP_0 = lies(ECOP_0);
  COP5 = lies(ECOP5);
  COP10 = lies(ECOP10);
  COP15 = lies(ECOP15);
  Sondenpumpe = lies(ESondenpumpe);
  WPHeizleistung = lies(EWPHeizleistung);
  Kesselleistung = lies(EKesselleistung);
  WPFrostgrenze = lies(EWPFrostgrenze);
}

void TForm8::WPlesen() { WPEinlesen(); }

void TForm8::hideEvent(QHideEvent* e) {
  WPlesen();
  QWidget::hideEvent(e);
}

void TForm8::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) WPlesen();
  QWidget::changeEvent(e);
}

void TForm8::closeEvent(QCloseEvent* e) {
  // The title bar's close is the user's "Schliessen".
  if (e->spontaneous()) {
    WPEinlesen();
    if (WP && Form1 != nullptr) Form1->Lastprofil1->setVisible(false);
  }
  QWidget::closeEvent(e);
}

void TForm8::ChangeEntzug() {
  // Filling the dialog only shows the state: nothing is derived or asked.
  if (fuellen_) {
    WP = EWP->itemIndex() == 0;
    return;
  }
  WPEinlesen();
  const bool ja = EWP->itemIndex() == 0;
  // The second load profile sets the probe's power from its own heat pump and
  // switches this choice off in every transfer: say so now, rather than let
  // the run and the saved project drop the choice without a word.
  if (ja && Form1 != nullptr && Form1->Lastprofil2erzeugen->itemIndex() == 0) {
    EWP->setItemIndex(1);
    WP = false;
    // The menu as the engineer sees it, in the language in force.
    const auto text = [](const QAction* a) { return a->text().remove(QLatin1Char('&')).toStdString(); };
    const std::string menue = "\"" + text(Form1->Bearbeiten1) + " / " + text(Form1->Entzug1) + "\"";
    Message("Lastprofil 2 ist eingeschaltet und gilt: die Sondenleistung wird nicht aus den "
            "Wärmepumpen-Kennwerten berechnet. Umschalten mit Menü " + menue + ".  /  "
            "Load profile 2 is on and holds: the probe power is not derived from the heat pump data. "
            "To switch, choose " + menue + ".");
    return;
  }
  if (COP_0 == 0.0 && WPHeizleistung > 0.0 && ja) {
    COP_0 = FehlenderCOP0(COP_5, COP5, COP10, COP15);
    ECOP_0->setText(FixedText(COP_0, 1));
  }
  // A COP of 1 or less leaves nothing to extract from the ground.
  if (!(COP_0 > 1.0) || !(WPHeizleistung > 0.0) || !ja) return;
  const double p = (COP_0 - 1.0) * WPHeizleistung / COP_0;
  if (!std::isfinite(p) || !(std::fabs(Auslegungsentzug - p) > 0.05)) return;
  const std::string pText = FixedText(p, 1).toStdString();

  const bool laufzeit = Ask("Sondenlaufzeit der neuen Leistung anpassen ?") == kJa;
  const int durchschnitt = Form1->EDurchschnitt->itemIndex();
  if (Ask("Entzugsleistung Sonde auf " + pText + " kW ändern?") != kJa) return;
  // Every change of the run-time unit converts the run times as a pick would.
  const auto einheit = [](int item) { WahlSetzen(Form1->EDurchschnitt, item, [] { Form1->EDurchschnittClick(); }); };
  if (laufzeit) einheit(0);
  Auslegungsentzug = p;
  Form1->EAuslegungsentzug->setText(FixedText(Auslegungsentzug, 1));
  if (DauerLastSpitze > 0 && Ask("Dauerbetrieb Sonde Februar ausschalten (empfohlen)?") == kJa) {
    DauerLastSpitze = 0;
    Form1->EDauerLastSpitze->setText(QStringLiteral("0"));
  }
  if (DauerLastSpitze > 0) {
    if (DauerLastSpitze > 1 && Ask("Dauerbetrieb Sonde auf 1 Tag im Februar reduzieren (empfohlen)?") == kJa) {
      DauerLastSpitze = 1;
      Form1->EDauerLastSpitze->setText(QStringLiteral("1"));
    }
    if (Ask("Entzugsleistung Dauerbetrieb auf " + pText + " kW ändern?") == kJa) {
      QSpitzeFeb = Auslegungsentzug;
      Form1->EQSpitzeFeb->setText(FixedText(QSpitzeFeb, 1));
    }
  }
  if (laufzeit) {
    einheit(1);
    einheit(durchschnitt);
  }
}

void TForm8::COPTest() {
  WPEinlesen();
  const bool vollstaendig =
      ((COP_5 != 0.0 && COP5 != 0.0) || (COP10 != 0.0 && COP15 != 0.0)) && COP_0 != 0.0 && COP_0 <= 1000.0;
  // Incomplete data leave no choice: the user is told, and the heat pump is
  // off until its data are entered.
  if (!vollstaendig) {
    Message("COP eingeben");
    EWP->setItemIndex(1);
    WP = false;
  }
  if (WPHeizleistung == 0.0) {
    Message("Heizleistung der Wärmepumpe eingeben");
    EWP->setItemIndex(1);
    WP = false;
  }
}

void TForm8::Button1Click() {
  WPEinlesen();
  close();
  if (WP && Form1 != nullptr) Form1->Lastprofil1->setVisible(false);
}

bool TForm8::Lauf(bool resultate) {
  if (Form1 == nullptr || Form4 == nullptr) return false;
  WPEinlesen();
  Form1->EingabenUebernehmen();
  Form4->show();
  const bool ok = Form4->Start();
  Form1->EingabenAnzeigen();
  if (ok && resultate && Resultat != nullptr) {
    Resultat->show();
    const bool bedarf = Lastprofil2 || WP;
    if (auto* l = Resultat->findChild<QLabel*>(QStringLiteral("Waermebedarf"))) l->setVisible(bedarf);
    if (auto* l = Resultat->findChild<QLabel*>(QStringLiteral("Waermeentzug"))) l->setVisible(!bedarf);
  }
  if (WP) Form1->Lastprofil1->setVisible(false);
  return ok;
}

void TForm8::Button2Click() { Lauf(true); }
void TForm8::Button3Click() { Lauf(false); }

void TForm1::WP_oeffnen() {
  if (Form8 == nullptr) return;
  // The dialog shows the heat pump as it is switched on here.
  WP = !Lastprofil2;
  Form8->show();
  Form8->WPAnzeigen();
  Wrmepumpeaus1->setVisible(true);
  Wrmepumpe1->setVisible(!Lastprofil2);
  Wrmepumpe2->setVisible(!Lastprofil2);
  if (WP) Lastprofil1->setVisible(false);
}

void ConnectHeatPumpHandlers(TForm1* f) {
  QObject::connect(f->Button5, &QPushButton::clicked, f, &TForm1::WP_oeffnen);
  QObject::connect(f->Wrmepumpe1, &QAction::triggered, f, &TForm1::WP_oeffnen);
  QObject::connect(f->Wrmepumpe2, &QAction::triggered, f, &TForm1::WP_oeffnen);
}

}  // namespace qeb
