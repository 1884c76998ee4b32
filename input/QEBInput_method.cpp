// How the calculation treats the borehole: g-functions and the engineer's own
// g-values, the step response, the stationary model, computed or given
// borehole resistances, loads from a file, and the layer options. Each option
// sets its flag and shows the inputs that belong to it.
#include <QAction>
#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/QEBInput_catalog.h"
#include "input/QEBInput_handlers.h"
#include "platform/Platform.h"
#include "widgets/Typing.h"

namespace qeb {

int SprungParameter1 = 0;
int SprungParameter2 = 0;

namespace {

std::vector<QWidget*> GWerteReihe(TForm1& f, const char* prefix, int von, int bis) {
  std::vector<QWidget*> out;
  for (int k = von; k <= bis; ++k)
    if (auto* w = f.findChild<QWidget*>(QString::fromLatin1(prefix) + QString::number(k))) out.push_back(w);
  return out;
}

void ZeigeAlle(const std::vector<QWidget*>& ws, bool shown) {
  for (QWidget* w : ws) w->setHidden(!shown);
}

void WiderstaendeLoeschen() {
  Ra = Rb = Rc = 0.0;
  for (int i = 1; i <= 10; ++i) RaV[i] = RbV[i] = RcV[i] = 0.0;
}

}  // namespace

// ---------------- step response ----------------

void TForm1::SprungantwortSchritte() {
  EingabenUebernehmen();
  if (DauerSprungantwort->itemIndex() == 1) {
    Zeitschritt = 60;
    SprungParameter1 = 40;
    SprungParameter2 = 20;
    numrows = 744;
  } else if (DauerSprungantwort->itemIndex() == 0) {
    Zeitschritt = 1;
    numrows = 900;
  }
  EingabenAnzeigen();
}

void TForm1::DauerSprungantwortClick() {
  if (Anzeigend()) return;
  SprungantwortSchritte();
}

void TForm1::ESprungantwortClick() {
  if (Anzeigend()) return;
  Entzug1Click();
  Rechenparameter1Click();
  SprungantwortSchritte();
  if (ESprungantwort->itemIndex() == 1) {
    EingabenUebernehmen();
    numrows = 8760;
    Zeitschritt = 60;
    DauerSprungantwort->setItemIndex(1);
    EingabenAnzeigen();
    TRTModus = false;
  } else if (ESprungantwort->itemIndex() == 0) {
    EingabenUebernehmen();
    stationaer = false;
    LastYear = 1;
    if (std::fabs(QSource) < 0.001) QSource = 1.0;
    DimAxi = 10;
    EingabenAnzeigen();
    if (lambdaErde[10] < 0.001) {
      // No tenth layer given: the ground is taken homogeneous over all segments.
      Ehomogen->setItemIndex(0);
      EFillVariabel->setItemIndex(1);
      DimAxi = std::clamp(I(EDimAxi), 1, 10);
      cpErd = R(ECperd);
      rhoErd = R(ErhoErd);
      lambdaErd = R(ELambdaErd);
      cpFill = R(EcpFill);
      rhoFill = R(ERhoFill);
      lambdaFill = R(ELambdaFill);
      for (int i = 1; i <= 20; ++i) {
        lambdaFillV[i] = lambdaFill;
        rhoFillV[i] = rhoFill;
        cpFillV[i] = cpFill;
        const bool inUse = i <= DimAxi;
        lambdaErde[i] = inUse ? lambdaErd : 0.0;
        rhoErde[i] = inUse ? rhoErd : 0.0;
        cpErde[i] = inUse ? cpErd : 0.0;
      }
      SchichtdatenAnzeigen();
      EingabenAnzeigen();
    }
  }
}

// ---------------- g-functions ----------------

void TForm1::EgfunctionClick() {
  gfunction = Egfunction->itemIndex() == 0;
  if (Anzeigend()) return;
  const bool mehrere = AnzahlSonden > 1;
  Sichtbar({CWahlgfunction}, gfunction && mehrere);
  std::vector<QWidget*> werte = GWerteReihe(*this, "Eg", 1, 5);
  werte.insert(werte.end(), {Tg0, Eg_Sondenabstand, Tg_Sondenabstand, EBHgfunction, TBHgfunction});
  ZeigeAlle(werte, gfunction && mehrere && gEingabe);
}

void TForm1::EgEingabeClick() {
  gEingabe = EgEingabe->itemIndex() == 0;
  if (Anzeigend() || !gfunction) return;
  std::vector<QWidget*> werte = GWerteReihe(*this, "Eg", 1, 5);
  werte.push_back(Tg0);
  if (!gEingabe) {
    ZeigeAlle(werte, false);
    if (AnzahlSonden > 1) Sichtbar({Eg_Sondenabstand, Tg_Sondenabstand, TBHgfunction}, false);
  } else {
    ZeigeAlle(werte, true);
    if (AnzahlSonden > 1 && !Sondengrafik) Sichtbar({Eg_Sondenabstand, Tg_Sondenabstand, TBHgfunction}, true);
  }
}

void TForm1::Eg_SondenabstandChange() {
  if (Anzeigend()) return;
  g_Sondenabstand = R(Eg_Sondenabstand);
  if (Sondenlaenge > 0.0) {
    BHgfunction = g_Sondenabstand / Sondenlaenge;
    Zeige(EBHgfunction, BHgfunction, 3);
  }
}

// ---------------- probe kind, model and resistances ----------------

void TForm1::EKoaxialSondeClick() {
  if (Anzeigend() || Einzelrohr) return;
  KoaxialSonde = EKoaxialSonde->itemIndex() == 0;
  Sichtbar({TKoaxial, EInnenrohrdurchmesser, EDicke_Innenrohr, ElambdaInnenrohr}, KoaxialSonde);
  Sichtbar({EBu, ERc}, !KoaxialSonde);
}

void TForm1::EStationaerClick() {
  stationaer = EStationaer->itemIndex() == 0;
  if (Anzeigend()) return;
  if (!stationaer) {
    Freecooling = false;
    EingabenAnzeigen();
  }
  Sichtbar({EFreecooling, EFreecooling2, Label4, Label179, ETSink1, ETSink2}, stationaer);
}

void TForm1::EAnfahrfileSchreibenClick() {
  if (Anzeigend()) return;
  if (EAnfahrfileSchreiben->itemIndex() == 0) WahlSetzen(EStationaer, 1, [this] { EStationaerClick(); });
}

void TForm1::EHellstroemClick() {
  if (Anzeigend()) return;
  WiderstaendeLoeschen();
  Zeige(ERa, Ra, 3);
  Zeige(ERb, Rb, 3);
  Zeige(ERc, Rc, 3);
  SchichtdatenAnzeigen();
}

void TForm1::EHellClick() {
  if (Anzeigend()) return;
  EingabenUebernehmen();
  EHellstroem->setItemIndex(0);
  Hell = EHell->itemIndex() == 0;
  Ra = Rb = Rc = 0.0;
  Zeige(ERa, Ra, 3);
  Zeige(ERb, Rb, 3);
  Zeige(ERc, Rc, 3);
}

void TForm1::EBuChange() {
  if (Anzeigend()) return;
  const double buAlt = Bu, rdAlt = Rd;
  EingabenUebernehmen();
  Bu = R(EBu);
  Rd = R(ERd);
  // Typed digit by digit the spacing passes through values outside its
  // bounds: it is held to them when the edit is left.
  bool begrenzt = false;
  if (EditInArbeit(this) != EBu) {
    // A bound shown rounded reads back a hair outside it: that is no cut.
    const double getippt = Bu;
    Bu = std::clamp(Bu, BuMin, std::max(BuMin, BuMax));
    begrenzt = std::fabs(Bu - getippt) > 0.0001;
    Zeige(EBu, Bu, 3);
  }
  if (std::fabs(Bu - buAlt) > 0.0001 || std::fabs(Rd - rdAlt) > 0.0001 || begrenzt) {
    WiderstaendeLoeschen();
    Zeige(ERa, Ra, 3);
    Zeige(ERb, Rb, 3);
    Zeige(ERc, Rc, 3);
  }
}

void TForm1::ECpSoleChange() {
  if (Anzeigend()) return;
  if (MassenstromAusEntzug) {
    if (R(ECpSole) > 0.0) cpSole = R(ECpSole);
    if (R(EDeltaVerdampfer) > 0.0) DeltaVerdampfer = R(EDeltaVerdampfer);
    if (cpSole > 0.0 && DeltaVerdampfer > 0.0) {
      Auslegungsmassenstrom = std::fabs(Auslegungsentzug) * 1000.0 / cpSole / DeltaVerdampfer;
      Zeige(EAuslegungsmassenstrom, Auslegungsmassenstrom, 3);
    }
  }
  if (R(EDeltaVerdampfer) > 0.001 && R(EAuslegungsmassenstrom) > 0.001) EDeltaVerdampferChange();
}

void TForm1::EFreecool1Change() {
  if (Anzeigend()) return;
  // The rows follow each key; a count the table does not hold (0, 500, a
  // text on its way) keeps the count in force until the field is left and
  // brought into range there.
  int code = 0;
  const int n = EditInt(EDimAxi, code);
  if (code != 0 || n < 1 || n > 10) return;
  DimAxi = n;
  SchichtenZeilenZeigen();
}

// ---------------- loads from a file, options of the grid ----------------

void TForm1::InputFileErzeugenClick() {
  if (Anzeigend()) return;
  Lasteinlesen = InputFileErzeugen->itemIndex() == 1;
  InputFileErzeugen2->setItemIndex(Lasteinlesen ? 1 : 0);
  alpha_pro_Schritt = Lasteinlesen;
  Ealpha_pro_Schritt->setItemIndex(alpha_pro_Schritt ? 0 : 1);
}

void TForm1::InputFileErzeugen2Click() {
  if (Anzeigend()) return;
  Lasteinlesen = InputFileErzeugen2->itemIndex() == 1;
  InputFileErzeugen->setItemIndex(Lasteinlesen ? 1 : 0);
  alpha_pro_Schritt = Lasteinlesen;
  Ealpha_pro_Schritt->setItemIndex(alpha_pro_Schritt ? 0 : 1);
}

void TForm1::Ealpha_pro_SchrittClick() {
  if (Anzeigend()) return;
  alpha_pro_Schritt = Ealpha_pro_Schritt->itemIndex() == 0;
}

void TForm1::EgleichmaessigClick() {
  if (Anzeigend()) return;
  SchichtenUebernehmen();
  SchichtenGleichmaessig = Egleichmaessig->itemIndex() == 0;
  ungleichmaessig = !SchichtenGleichmaessig;
  if (ungleichmaessig) EFillVariabel->setItemIndex(0);
  SchichtenZeilenZeigen();
  Sichtbar({Ehomogen}, SchichtenGleichmaessig);
}

void TForm1::ELaenge_berechnenClick() {
  if (Anzeigend()) return;
  Laenge_im_Feld = ELaenge_im_Feld->itemIndex() == 0;
}

// ---------------- bindings ----------------

void ConnectMethodHandlers(TForm1* form) {
  TForm1& f = *form;
  using H = void (TForm1::*)();
  auto click = [&f](RadioGroup* r, H h) { QObject::connect(r, &RadioGroup::click, &f, [&f, h] { (f.*h)(); }); };
  // Options whose handlers clear or convert values follow the user's pick only.
  auto pickR = [&f](RadioGroup* r, H h) { BeiWahl(r, &f, [&f, h] { (f.*h)(); }); };
  pickR(f.ESprungantwort, &TForm1::ESprungantwortClick);
  pickR(f.DauerSprungantwort, &TForm1::DauerSprungantwortClick);
  click(f.Egfunction, &TForm1::EgfunctionClick);
  click(f.EgEingabe, &TForm1::EgEingabeClick);
  BeimVerlassen(f.Eg_Sondenabstand, &f, [&f] { f.Eg_SondenabstandChange(); });
  click(f.EKoaxialSonde, &TForm1::EKoaxialSondeClick);
  pickR(f.EStationaer, &TForm1::EStationaerClick);
  pickR(f.EAnfahrfileSchreiben, &TForm1::EAnfahrfileSchreibenClick);
  pickR(f.EHellstroem, &TForm1::EHellstroemClick);
  pickR(f.EHell, &TForm1::EHellClick);
  BeimVerlassen(f.EBu, &f, [&f] { f.EBuChange(); });
  BeimVerlassen(f.ERd, &f, [&f] { f.EBuChange(); });
  BeiAenderung(f.ECpSole, &f, [&f] { f.ECpSoleChange(); });
  pickR(f.InputFileErzeugen, &TForm1::InputFileErzeugenClick);
  pickR(f.InputFileErzeugen2, &TForm1::InputFileErzeugen2Click);
  click(f.Ealpha_pro_Schritt, &TForm1::Ealpha_pro_SchrittClick);
  pickR(f.Egleichmaessig, &TForm1::EgleichmaessigClick);
  click(f.ELaenge_im_Feld, &TForm1::ELaenge_berechnenClick);
}

}  // namespace qeb
