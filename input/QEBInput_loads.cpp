// The load and heat-pump chain of the input window: the simulated years in
// both of their edits, annual and monthly energies kept consistent through
// the monthly shares, and the heat pump's power and COP driving the design
// extraction and the design mass flow while the user types.
#include <QAction>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "widgets/Typing.h"

namespace qeb {

// The monthly heating shares are the module's: the window keeps no copy.
double (&AnteilHeizung)[13] = Heizanteil;
double AnteilKuehlung[13] = {};
double AnteilFreecooling[13] = {};
double SpezEntzugLeistung = 0.0;
double SpezEntzugEnergie = 0.0;

namespace {
constexpr int kTage[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}  // namespace

int TageImMonat(int m, int sonst) { return m >= 1 && m <= 12 ? kTage[m] : sonst; }

// Shows a value in an edit, except in the one the user is typing in: its
// text stays as typed until the user leaves it.
void TForm1::Zeige(QLineEdit* e, double v, int decimals) {
  if (e == EditInArbeit(this)) return;
  const QString t = FixedText(v, decimals);
  if (e->text() != t) e->setText(t);
}

void TForm1::ZeigeInt(QLineEdit* e, long long v) {
  if (e == EditInArbeit(this)) return;
  const QString t = IntText(v);
  if (e->text() != t) e->setText(t);
}

// ---------------- simulated years ----------------

void TForm1::JahreAusEdit(QLineEdit* e) {
  const int v = I(e);
  // At least one simulated year, at most 200.
  LastYear = std::clamp(v, 1, 200);
  const bool kuerzer = Allsteps && v >= 31;
  if (kuerzer) LastYear = 30;
  ZeigeInt(ELastyear, LastYear);
  ZeigeInt(ELastyear2, LastYear);
  if (kuerzer) EingabenAnzeigen();
}

void TForm1::ELastyearChange() {
  if (!Anzeigend()) JahreAusEdit(ELastyear);
}

void TForm1::ELastyear2Change() {
  if (!Anzeigend()) JahreAusEdit(ELastyear2);
}

// ---------------- annual and monthly energies ----------------

void TForm1::EJahresheizlastChange() {
  if (Anzeigend()) return;
  const double eer = R(EEER_Kuehllast);
  if (eer != 0.0) EER_Kuehllast = eer;
  Zeige(EEER_Kuehllast, EER_Kuehllast, 2);
  EingabenUebernehmen();
  for (int m = 1; m <= 12; ++m) {
    Heizlast[m] = kTage[m] * Heizbandlast / 365.0 + AnteilHeizung[m] * Jahresheizlast;
    Kuehllast[m] = kTage[m] * Kuehlbandlast / 365.0 + AnteilKuehlung[m] * Jahreskuehllast;
    Freecool[m] = AnteilFreecooling[m] * JahresFreecooling;
  }
  if (Lastprofil2 && COP_Heizlast > 1.0 && Heizleistung_Vollast > 0.0 && COP_Volllast > 0.0)
    Auslegungsentzug = Heizleistung_Vollast / COP_Volllast * (COP_Volllast - 1.0);
  EingabenAnzeigen();
}

void TForm1::EHeizlast1Change() {
  if (Anzeigend()) return;
  EingabenUebernehmen();
  double heiz = 0.0, kuehl = 0.0, frei = 0.0;
  for (int m = 1; m <= 12; ++m) {
    heiz += Heizlast[m];
    kuehl += Kuehllast[m];
    frei += Freecool[m];
  }
  Jahresheizlast = std::max(0.0, heiz - Heizbandlast);
  Jahreskuehllast = std::max(0.0, kuehl - Kuehlbandlast);
  JahresFreecooling = std::max(0.0, frei);
  EingabenAnzeigen();
  AnteileAusMonatswerten();
  SpezifischenEntzugZeigen();
}

void TForm1::AnteileAusMonatswerten() {
  // The shares are the shape of the monthly table: an annual value typed
  // later is spread the same way. With an annual value of 0 they stay.
  double heiz = 0.0, kuehl = 0.0, frei = 0.0;
  for (int m = 1; m <= 12; ++m) {
    heiz += Heizlast[m] - kTage[m] * Heizbandlast / 365.0;
    kuehl += Kuehllast[m] - kTage[m] * Kuehlbandlast / 365.0;
    frei += Freecool[m];
  }
  for (int m = 1; m <= 12; ++m) {
    if (heiz > 0.0) AnteilHeizung[m] = (Heizlast[m] - kTage[m] * Heizbandlast / 365.0) / heiz;
    if (kuehl > 0.0) AnteilKuehlung[m] = (Kuehllast[m] - kTage[m] * Kuehlbandlast / 365.0) / kuehl;
    if (frei > 0.0) AnteilFreecooling[m] = Freecool[m] / frei;
  }
}

// ---------------- heat pump, design extraction and design flow ----------------

void TForm1::SpezifischenEntzugZeigen() {
  const double n = Sondenlaenge * AnzahlSonden;
  SpezEntzugLeistung = 0.0;
  // A negative COP and length product gives no extraction, not a positive one.
  if (COP_Volllast * n > 0.0) {
    const double q = Heizleistung_Vollast * 1000.0 * (COP_Volllast - 1.0) / (COP_Volllast * n);
    if (std::isfinite(q) && q > 0.0) SpezEntzugLeistung = q;
  }
  SpezEntzugEnergie = SpecificExtractionEnergy();
  Zeige(ESpez_Entzug, SpezEntzugLeistung, 2);
  Zeige(ESpez_Entzug_kWh, SpezEntzugEnergie, 1);
}

void TForm1::ECOP_VolllastChange() {
  if (Anzeigend()) return;
  // The COP typed counts at once: the extraction follows it.
  COP_Volllast = R(ECOP_Volllast);
  SpezifischenEntzugZeigen();
  // The flow may stand at 0 from a COP of 1 typed on the way: the COP alone
  // brings it back.
  if (R(EDeltaVerdampfer) > 0.001) EDeltaVerdampferChange();
}

void TForm1::EHeizleistung_VollastChange() {
  if (Anzeigend()) return;
  Heizleistung_Vollast = R(EHeizleistung_Vollast);
  if (Heizleistung_Vollast > 0.0) {
    Heizleistung_Teillast = Heizleistung_Vollast;
    Heizleistung_WW = Heizleistung_Vollast;
    // Their own handlers would read the other one before it is shown.
    const QSignalBlocker a(EHeizleistung_Teillast), b(EHeizleistung_WW);
    Zeige(EHeizleistung_Teillast, Heizleistung_Teillast, 1);
    Zeige(EHeizleistung_WW, Heizleistung_WW, 1);
  }
  ECOP_VolllastChange();
}

void TForm1::EDeltaVerdampferChange() {
  if (Anzeigend() || !MassenstromAusEntzug) return;
  DeltaVerdampfer = R(EDeltaVerdampfer);
  if (DeltaVerdampfer <= 0.0 || cpSole <= 0.0) return;
  // With the load profile's heat pump the design extraction is the heat
  // pump's, whatever it was before (as the transfer has it): an extraction
  // of 0 from a COP of 1 on the way does not lock the chain. A COP of 0
  // divides by nothing and keeps the extraction; a COP of 1 or less takes
  // nothing from the ground.
  if (Lastprofil2 && COP_Heizlast > 1.0 && Heizleistung_Vollast > 0.0 && COP_Volllast != 0.0) {
    Auslegungsentzug = COP_Volllast <= 1.0 ? 0.0 : Heizleistung_Vollast / COP_Volllast * (COP_Volllast - 1.0);
    // Shown rounded; read back it would round the extraction just computed.
    const QSignalBlocker stumm(EAuslegungsentzug);
    Zeige(EAuslegungsentzug, Auslegungsentzug, 2);
  }
  // Heating takes the extraction, cooling the heat fed in: the flow is never negative.
  Auslegungsmassenstrom = std::fabs(Auslegungsentzug) * 1000.0 / cpSole / DeltaVerdampfer;
  Massenstrom = Auslegungsmassenstrom;
  Zeige(EAuslegungsmassenstrom, Auslegungsmassenstrom, 3);
}

void TForm1::EAuslegungsentzugChange() {
  if (Anzeigend() || !MassenstromAusEntzug) return;
  Auslegungsentzug = R(EAuslegungsentzug);
  if (Auslegungsentzug > 0.0 && cpSole > 0.0 && DeltaVerdampfer > 0.0) {
    Auslegungsmassenstrom = Auslegungsentzug * 1000.0 / (cpSole * DeltaVerdampfer);
    Massenstrom = Auslegungsmassenstrom;
    Zeige(EAuslegungsmassenstrom, Auslegungsmassenstrom, 3);
  }
}

void TForm1::EAuslegungsmassenstromChange() {
  if (Anzeigend()) return;
  Massenstrom = Auslegungsmassenstrom = R(EAuslegungsmassenstrom);
}

void TForm1::EQSpitzeFebChange() {
  if (Anzeigend()) return;
  if (R(EDeltaVerdampfer) > 0.001 && R(EAuslegungsmassenstrom) > 0.001) EDeltaVerdampferChange();
}

// ---------------- the probe return temperature in its three edits ----------------

void TForm1::TSinkAusEdit(QLineEdit* e) {
  TSink = R(e);
  for (QLineEdit* o : {ETSink, ETSink1, ETSink2})
    if (o != e) Zeige(o, TSink, 2);
}

void TForm1::ETSinkChange() {
  if (!Anzeigend()) TSinkAusEdit(ETSink);
}
void TForm1::ETSink1Change() {
  if (!Anzeigend()) TSinkAusEdit(ETSink1);
}
void TForm1::ETSink2Change() {
  if (Anzeigend()) return;
  TSinkAusEdit(ETSink2);
  TSinkKopie = TSink;
}

// ---------------- bindings ----------------

void ConnectLoadHandlers(TForm1* form) {
  TForm1& f = *form;
  using H = void (TForm1::*)();
  auto change = [&f](QLineEdit* e, H h) { BeiAenderung(e, &f, [&f, h] { (f.*h)(); }); };
  change(f.ELastyear, &TForm1::ELastyearChange);
  change(f.ELastyear2, &TForm1::ELastyear2Change);
  for (QLineEdit* e : {f.EJahresheizlast, f.EJahresKuehllast, f.EFreecoollast, f.EHeizlastWW, f.EHeizbandlast,
                       f.EKuehlbandlast, f.EHeizleistung_Teillast, f.EHeizleistung_WW, f.EKuehlleistung,
                       f.ETageVollast, f.ECOP_Heizlast, f.ECOP_WW, f.EEER_Kuehllast})
    change(e, &TForm1::EJahresheizlastChange);
  QObject::connect(f.Lastprofil2erzeugen, &RadioGroup::click, &f, [&f] { f.EJahresheizlastChange(); });
  for (int m = 1; m <= 12; ++m)
    for (const char* reihe : {"EHeizlast", "EKuehllast", "EFreecool"}) {
      auto* e = f.findChild<QLineEdit*>(QString::fromLatin1(reihe) + QString::number(m));
      RequireControl(e, reihe);
      change(e, &TForm1::EHeizlast1Change);
    }
  change(f.EHeizleistung_Vollast, &TForm1::EHeizleistung_VollastChange);
  change(f.ECOP_Volllast, &TForm1::ECOP_VolllastChange);
  change(f.EDeltaVerdampfer, &TForm1::EDeltaVerdampferChange);
  change(f.EAuslegungsentzug, &TForm1::EAuslegungsentzugChange);
  change(f.EAuslegungsmassenstrom, &TForm1::EAuslegungsmassenstromChange);
  change(f.EQSpitzeFeb, &TForm1::EQSpitzeFebChange);
  change(f.ErhoSole, &TForm1::EQSpitzeFebChange);
  change(f.ETSink, &TForm1::ETSinkChange);
  change(f.ETSink1, &TForm1::ETSink1Change);
  change(f.ETSink2, &TForm1::ETSink2Change);
}

}  // namespace qeb
