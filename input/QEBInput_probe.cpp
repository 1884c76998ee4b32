// The probe geometry, the grid, the monthly run times and the load options of
// the input window, as the engineer types: the state follows every key, the
// edit being typed keeps its text, and what a typed value corrects (a pipe
// cut to the borehole, a count kept within its range, a message) happens
// when the edit is left.
#include <QAction>
#include <QLabel>
#include <QButtonGroup>
#include <QMetaObject>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <span>
#include <vector>

#include "calc/Erdsonden.h"
#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/QEBMOD_run.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_handlers.h"
#include "platform/Platform.h"
#include "widgets/Typing.h"

namespace qeb {

int AnzahlSondenKopie = 0;

void Sichtbar(std::initializer_list<QWidget*> ws, bool shown) {
  for (QWidget* w : ws)
    if (w != nullptr) w->setHidden(!shown);
}

void RufeWennDa(QObject* o, const char* slot) {
  if (o == nullptr) return;
  const QByteArray sig = QByteArray(slot) + "()";
  if (o->metaObject()->indexOfMethod(sig.constData()) >= 0) QMetaObject::invokeMethod(o, slot, Qt::DirectConnection);
}

void BeimVerlassen(QLineEdit* e, QObject* context, std::function<void()> handler) {
  // Only the user's keys count as typed; texts other code writes do not.
  auto getippt = std::make_shared<bool>(false);
  QObject::connect(e, &QLineEdit::textEdited, context, [getippt] { *getippt = true; });
  QObject::connect(e, &QLineEdit::editingFinished, context, [e, getippt, handler] {
    if (!*getippt) return;
    *getippt = false;
    // Left: the edit is no longer the one being typed, its whole rule applies.
    e->setModified(false);
    handler();
  });
}

void BeiWahl(RadioGroup* r, QObject* context, std::function<void()> handler) {
  if (r->count() == 0) return;
  for (int i = 0; i < r->count(); ++i)
    QObject::connect(r->button(i), &QAbstractButton::pressed, context,
                     [r] { r->setProperty("qebVorher", r->itemIndex()); });
  // The group takes the new item first; the handler follows when it changed.
  QObject::connect(r->button(0)->group(), &QButtonGroup::idClicked, context, [r, handler](int) {
    if (r->property("qebVorher").toInt() != r->itemIndex()) handler();
  });
}

void WahlSetzen(RadioGroup* r, int item, const std::function<void()>& handler) {
  if (r->itemIndex() == item) return;
  r->setItemIndex(item);
  handler();
}

namespace {

// Shows a value with the decimals the edit itself is built with.
int Stellen(const QLineEdit* e) {
  const int d = EditDecimals(e);
  return d >= 0 ? d : 3;
}

// The field's g-values of the five support points from the borehole
// positions: single-borehole and reference-field values of each point.
constexpr double kGEinzel[6] = {0, 4.82, 5.69, 6.29, 6.57, 6.6};
constexpr double kGFeld[6] = {0, 4.95, 5.94, 6.53, 6.77, 6.79};

}  // namespace

// The five g-values of the drawn field; false (and the old values kept) when
// the module refuses the field.
bool FeldGWerte() {
  double* tab[6] = {nullptr, gFeld1, gFeld2, gFeld3, gFeld4, gFeld5};
  double g[6] = {};
  try {
    for (int k = 1; k <= 5; ++k)
      g[k] = FieldNeighbourInfluence(Zaehler, std::span<double>(tab[k], 601), kGEinzel[k], kGFeld[k], Sondenlaenge);
  } catch (const CalcError& e) {
    Message(Win1252ToUtf8(e.what()));
    return false;
  }
  g1 = g[1];
  g2 = g[2];
  g3 = g[3];
  g4 = g[4];
  g5 = g[5];
  return true;
}

// Wall of the pipes whose wall grows or shrinks with depth (by probe length L, m).
double WandstaerkeNachLaenge(int typ, double L) {
  switch (typ) {
    case 38:
      if (L <= 50) return 0.00675;
      if (L < 200) return 0.00675 - (L - 50) * 8.8e-6;
      if (L <= 350) return 0.00543 - (L - 200) * 6.8666667e-6;
      return 0.0044;
    case 39:
      if (L <= 50) return 0.0045;
      if (L < 150) return 0.0045 - (L - 50) * 5e-6;
      if (L <= 300) return 0.004 - (L - 150) * 1.5e-6;
      return 0.00375;
    case 40:
      if (L <= 100) return 0.0032;
      if (L < 130) return 0.0032 + (L - 100) * 2.3333333e-6;
      if (L <= 300) return 0.00327 + (L - 130) * 2.5e-6;
      return 0.0037;
    case 41:
      if (L <= 100) return 0.0025;
      if (L < 130) return 0.00258 + (L - 100) * 2e-6;
      if (L <= 300) return 0.00264 + (L - 130) * 2e-6;
      return 0.003;
    default:
      return -1.0;
  }
}

// ---------------- probe count, length, spacing and pipe ----------------

void TForm1::EAnzahlSondenChange() {
  if (Anzeigend()) return;
  AnzahlSonden = AnzahlSondenKopie = I(EAnzahlSonden);
  EingabenAnzeigen();
  if (BHgfunction < 0.00001 && Sondenlaenge > 0.0) BHgfunction = g_Sondenabstand / Sondenlaenge;
  if (AnzahlSonden < 2) {
    Einzelsonde = true;
    Sichtbar({ESondenabstand, TSondenabstand, Eg_Sondenabstand, Tg_Sondenabstand, EBHgfunction, TBHgfunction, TBHeff,
              EBH},
             false);
  } else {
    Egfunction->setItemIndex(0);
    gfunction = true;
    Einzelsonde = false;
    Sichtbar({ESondenabstand, TSondenabstand}, true);
    Sichtbar({Eg_Sondenabstand, Tg_Sondenabstand, EBHgfunction, TBHgfunction}, gfunction && gEingabe);
    Sichtbar({TBHeff, EBH}, gfunction);
    if (CWahlgfunction->currentIndex() > 1) Zeige(Eg_Sondenabstand, BHgfunction * Sondenlaenge, Stellen(Eg_Sondenabstand));
  }
  // The preset list belongs to a field: it follows the count as the
  // g-function option shows it.
  Sichtbar({CWahlgfunction}, gfunction && AnzahlSonden > 1);
  SpezifischenEntzugZeigen();
}

void TForm1::ESondenlaengeChange() {
  if (Anzeigend()) return;
  Sondenlaenge = R(ESondenlaenge);
  SchichttiefenAnzeigen();
  if (CWahlgfunction->currentIndex() > 1) Zeige(Eg_Sondenabstand, BHgfunction * Sondenlaenge, Stellen(Eg_Sondenabstand));
  const double g = R(Eg_Sondenabstand);
  if (g != 0.0) g_Sondenabstand = g;
  if (Sondenlaenge > 0.0) {
    BHgfunction = g_Sondenabstand / Sondenlaenge;
    Zeige(EBHgfunction, BHgfunction, 3);
  }
  const double wand = WandstaerkeNachLaenge(WahlSondendurchmesser->currentIndex(), Sondenlaenge);
  if (wand > 0.0) {
    Dicke_Sondenrohr = wand;
    Zeige(EDicke_Sondenrohr, Dicke_Sondenrohr, Stellen(EDicke_Sondenrohr));
  }
  SpezifischenEntzugZeigen();
}

void TForm1::ESondenabstandChange() {
  if (Anzeigend()) return;
  // A length typed digit by digit passes through short values: it is held
  // to the minimum only when the user leaves it.
  if (EditInArbeit(this) != ESondenlaenge && R(ESondenlaenge) < 3.0) {
    Sondenlaenge = 3.0;
    ESondenlaenge->setText(FixedText(3.0, 1));
    Message(" Minimal borehole depth is 3m / Minimale Bohrtiefe ist 3m ");
  }
  Sondenabstand = R(ESondenabstand);
  Bohrdurchmesser = R(EBohrdurchmesser);
  if (Sondenlaenge > 0.0) Zeige(EBH, Sondenabstand / Sondenlaenge, 3);
  if (Sondengrafik) {
    if (FeldGWerte()) g_Sondenabstand = Sondenabstand;
    EingabenAnzeigen();
  }
}

void TForm1::ESondendurchmesserChange() {
  if (Anzeigend()) return;
  KoaxialSonde = EKoaxialSonde->itemIndex() == 0;
  Sondendurchmesser = R(ESondendurchmesser);
  Innenrohrdurchmesser = R(EInnenrohrdurchmesser);
  // The corrections wait until the diameters are no longer being typed.
  QLineEdit* tippt = EditInArbeit(this);
  if (tippt == ESondendurchmesser || tippt == EInnenrohrdurchmesser || tippt == EBohrdurchmesser) return;
  const double grenze = (KoaxialSonde ? 0.9 : 0.5) * R(EBohrdurchmesser);
  if (Sondendurchmesser > grenze) {
    Sondendurchmesser = grenze;
    ESondendurchmesser->setText(FixedText(Sondendurchmesser, 3));
  }
  if (Innenrohrdurchmesser <= 0.0 || Innenrohrdurchmesser >= Sondendurchmesser) {
    Innenrohrdurchmesser = 0.7071 * Sondendurchmesser;
    EInnenrohrdurchmesser->setText(FixedText(Innenrohrdurchmesser, Stellen(EInnenrohrdurchmesser)));
  }
}

// ---------------- grid ----------------

void TForm1::EDimRadChange() {
  if (Anzeigend()) return;
  DimRad = std::clamp(I(EDimRad), 1, 12);
  ZeigeInt(EDimRad, DimRad);
}

void TForm1::EDimAxiChange2() {
  if (Anzeigend()) return;
  DimAxi = std::clamp(I(EDimAxi), 1, 10);
  if (SchichtenGleichmaessig) Ehomogen->setItemIndex(0);
  ZeigeInt(EDimAxi, DimAxi);
  SchichtenZeilenZeigen();
  if (EFillVariabel->itemIndex() == 0) {
    lambdaFill = R(ELambdaFill);
    rhoFill = R(ERhoFill);
    cpFill = R(EcpFill);
    for (int i = 1; i <= 20; ++i) {
      lambdaFillV[i] = i <= DimAxi ? lambdaFill : 0.0;
      rhoFillV[i] = i <= DimAxi ? rhoFill : 0.0;
      cpFillV[i] = i <= DimAxi ? cpFill : 0.0;
    }
    SchichtdatenAnzeigen();
  }
  if (Ehomogen->itemIndex() == 0) {
    lambdaErd = R(ELambdaErd);
    rhoErd = R(ErhoErd);
    cpErd = R(ECperd);
    for (int i = 1; i <= 20; ++i) {
      lambdaErde[i] = i <= DimAxi ? lambdaErd : 0.0;
      rhoErde[i] = i <= DimAxi ? rhoErd : 0.0;
      cpErde[i] = i <= DimAxi ? cpErd : 0.0;
    }
    SchichtdatenAnzeigen();
    SchichttiefenAnzeigen();
  }
}

// ---------------- run times, resistances, COP ----------------

void TForm1::ELaufzeit1Change() {
  if (Anzeigend()) return;
  WahlSetzen(InputFileErzeugen, 0, [this] { InputFileErzeugenClick(); });
  DateiGewaehlt = false;
  for (int m = 1; m <= 12; ++m)
    Laufzeit[m] = I(findChild<QLineEdit*>(QStringLiteral("ELaufzeit") + QString::number(m)));
  QSpitzeFeb = R(EQSpitzeFeb);
  DauerLastSpitze = I(EDauerLastSpitze);
  Auslegungsentzug = R(EAuslegungsentzug);
  Einspeisung = R(EEinspeisung);
}

void TForm1::Widerstand() {
  if (Anzeigend()) return;
  Auslegungsmassenstrom = R(EAuslegungsmassenstrom);
  // Given resistances are the engineer's: only computed ones start anew.
  if (EHellstroem->itemIndex() != 0) return;
  Ra = Rb = 0.0;
  Zeige(ERa, Ra, 3);
  Zeige(ERb, Rb, 3);
}

void TForm1::ECOP_WWChange() {
  if (Anzeigend()) return;
  COP_WW = R(ECOP_WW);
  ECOP_VolllastChange();
}

// ---------------- monthly run times as energies or hours ----------------

void LaufzeitEinheitZeigen(TForm1& f) {
  const QString einheit = Durchschnittsentzug ? QStringLiteral("[kWh]") : QStringLiteral("[h/d]");
  for (int m = 1; m <= 12; ++m)
    if (auto* l = f.findChild<QLabel*>(QStringLiteral("LEinheitLaufzeit") + QString::number(m))) l->setText(einheit);
}

void TForm1::EDurchschnittClick() {
  if (Anzeigend()) {
    Durchschnittsentzug = EDurchschnitt->itemIndex() == 0;
    return;
  }
  Durchschnittsentzug = EDurchschnitt->itemIndex() == 0;
  WahlSetzen(InputFileErzeugen, 0, [this] { InputFileErzeugenClick(); });
  static constexpr int kTage[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::array<QLineEdit*, 13> e{};
  for (int m = 1; m <= 12; ++m) e[m] = findChild<QLineEdit*>(QStringLiteral("ELaufzeit") + QString::number(m));
  for (int m = 1; m <= 12; ++m) Laufzeit[m] = I(e[m]);
  QSpitzeFeb = R(EQSpitzeFeb);
  DauerLastSpitze = I(EDauerLastSpitze);
  Auslegungsentzug = R(EAuslegungsentzug);
  Einspeisung = R(EEinspeisung);
  // February's peak days carry the peak load; the rest of its days the design
  // extraction. A peak as long as the month leaves no ordinary days.
  const double peak = DauerLastSpitze * 24.0 * QSpitzeFeb;
  LaufzeitEinheitZeigen(*this);
  for (int m = 1; m <= 12; ++m) {
    const int v = Laufzeit[m];
    const double p = v >= 0 ? Auslegungsentzug : Einspeisung;
    const int tage = m == 2 ? std::max(0, 28 - DauerLastSpitze) : kTage[m];
    double neu = v;
    if (Durchschnittsentzug) {
      // A full day (24 h/d either way) is hours too; only 25 stays as it is.
      if (v >= -24 && v <= 24) neu = m == 2 ? v * tage * p + peak : v * tage * p;
    } else if (std::abs(v) >= 26) {
      double rest = v;
      if (m == 2) rest -= RoundHalfEven(peak);
      neu = tage * p != 0.0 ? std::clamp(RoundHalfEven(rest / tage / p), -24.0, 24.0) : 0.0;
    }
    if (std::isfinite(neu)) Laufzeit[m] = static_cast<int>(std::clamp(RoundHalfEven(neu), -2e9, 2e9));
  }
  for (int m = 1; m <= 12; ++m) {
    const QSignalBlocker still(e[m]);
    e[m]->setText(IntText(Laufzeit[m]));
  }
}

void TForm1::EFreecoolingClick() {
  if (Anzeigend()) return;
  Freecooling = EFreecooling->itemIndex() == 0;
  EingabenAnzeigen();
}

void TForm1::EFreecooling2Click() {
  if (Anzeigend()) return;
  Freecooling = EFreecooling2->itemIndex() == 0;
  EingabenAnzeigen();
}

void AufteilungZeigen(TForm1& f) {
  std::vector<QWidget*> frei{f.ETSink3, f.Label354, f.LKopfFreecool};
  for (int m = 1; m <= 12; ++m) {
    frei.push_back(f.findChild<QWidget*>(QStringLiteral("EFreecool") + QString::number(m)));
    frei.push_back(f.findChild<QWidget*>(QStringLiteral("TFreecool") + QString::number(m)));
  }
  for (QWidget* w : frei)
    if (w != nullptr) w->setHidden(!Aufteilung);
  Sichtbar({f.EHeizbandlast, f.EKuehlbandlast}, !Aufteilung);
}

void TForm1::EAufteilungClick() {
  if (Anzeigend()) return;
  Aufteilung = EAufteilung->itemIndex() == 0;
  AufteilungZeigen(*this);
  if (Aufteilung) {
    // Cleared as typing 0 would clear them: the months lose their band part.
    Heizbandlast = Kuehlbandlast = 0.0;
    EHeizbandlast->setText(FixedText(0.0, 0));
    EKuehlbandlast->setText(FixedText(0.0, 0));
    EJahresheizlastChange();
  }
}

void TForm1::EFeld1Click() { Feld1 = EFeld1->itemIndex() == 0; }

// ---------------- bindings ----------------

void ConnectProbeHandlers(TForm1* form) {
  TForm1& f = *form;
  using H = void (TForm1::*)();
  auto change = [&f](QLineEdit* e, H h) { BeiAenderung(e, &f, [&f, h] { (f.*h)(); }); };
  auto click = [&f](RadioGroup* r, H h) { QObject::connect(r, &RadioGroup::click, &f, [&f, h] { (f.*h)(); }); };
  auto pick = [&f](RadioGroup* r, H h) { BeiWahl(r, &f, [&f, h] { (f.*h)(); }); };
  change(f.ESondenlaenge, &TForm1::ESondenlaengeChange);
  // What a typed value corrects or recomputes happens when the user leaves it.
  auto leave = [&f](QLineEdit* e, H h) { BeimVerlassen(e, &f, [&f, h] { (f.*h)(); }); };
  leave(f.EAnzahlSonden, &TForm1::EAnzahlSondenChange);
  for (QLineEdit* e : {f.ESondenlaenge, f.ESondenabstand, f.EBohrdurchmesser}) leave(e, &TForm1::ESondenabstandChange);
  for (QLineEdit* e : {f.ESondendurchmesser, f.EInnenrohrdurchmesser, f.EBohrdurchmesser})
    leave(e, &TForm1::ESondendurchmesserChange);
  leave(f.EDimRad, &TForm1::EDimRadChange);
  leave(f.EDimAxi, &TForm1::EDimAxiChange2);
  for (int m = 1; m <= 12; ++m) {
    auto* e = f.findChild<QLineEdit*>(QStringLiteral("ELaufzeit") + QString::number(m));
    RequireControl(e, "ELaufzeit");
    change(e, &TForm1::ELaufzeit1Change);
  }
  leave(f.EAuslegungsmassenstrom, &TForm1::Widerstand);
  change(f.ECOP_WW, &TForm1::ECOP_WWChange);
  pick(f.EDurchschnitt, &TForm1::EDurchschnittClick);
  click(f.EFreecooling, &TForm1::EFreecoolingClick);
  click(f.EFreecooling2, &TForm1::EFreecooling2Click);
  pick(f.EAufteilung, &TForm1::EAufteilungClick);
  click(f.EFeld1, &TForm1::EFeld1Click);
}

}  // namespace qeb
