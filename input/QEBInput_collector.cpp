// Regeneration of the ground in summer on the input window: solar collectors
// with their hot-water pre-heating, the outdoor-air exchanger, the collector
// orientation; and the project's weather year: shifted by hours, reset to the
// built-in year, imported.
#include <QAction>
#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_plant.h"
#include "input/QEBInput.h"
#include "input/QEBInput_handlers.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "results/Result.h"
#include "widgets/Typing.h"

namespace qeb {

double AzimutVorher = 45.0;
double NeigungVorher = 45.0;
double HoehVorher = 553.1;

namespace {

// The results window names the collector orientation only while it is the engineer's.
void ErgebnisOrientierungZeigen(bool shown) {
  if (Resultat == nullptr) return;
  for (const char* name : {"L_EAzimut", "L_ENeigung"})
    if (auto* l = Resultat->findChild<QWidget*>(QString::fromLatin1(name))) l->setHidden(!shown);
}

constexpr double kReferenzhoehe = 553.1;

std::vector<QWidget*> Kollektoreingaben(TForm1& f) {
  return {f.CKollektorwahl, f.Eunverglast, f.EKollektor, f.EAbsorber, f.Eparallel, f.EmKollektor, f.Button15,
          f.Ecp_Kollektor, f.EAk_Kollektor, f.EzzKollektor, f.EEta0, f.Ea1, f.Ea2, f.Eb_u, f.Eb_1, f.Eb_2, f.Eu,
          f.EKoll_Verlustfakt, f.EVerlustfakt, f.EWWTemperatur, f.EWWTauscher, f.EAk_Fak_WWTauscher,
          f.ESolarspeicher, f.ESpeicherverluste, f.EVerlustfakt1, f.ESP_Verluste, f.EWWDeckung, f.EWWsolar};
}

std::vector<QWidget*> Tauschereingaben(TForm1& f) {
  return {f.ERueckkuehler, f.ERueckkuehlLeistung, f.EEin_Rueckkuehler, f.Label410, f.Label424, f.ETa_nurLuftbetrieb,
          f.ETa_nurQEBbetrieb};
}

void ZeigeAlle(const std::vector<QWidget*>& ws, bool shown) {
  for (QWidget* w : ws)
    if (w != nullptr) w->setHidden(!shown);
}

}  // namespace

// ---------------- collectors and exchanger ----------------

void TForm1::Button15Click() {
  Kollektor = R(EKollektor);
  RueckkuehlLeistung = R(ERueckkuehlLeistung);
  mKollektor = Kollektor * 40.0 / 3600.0;
  double mrk = 0.0;
  if (mitRueckkuehler && cp_Kollektor > 0.0) mrk = RueckkuehlLeistung * 1000.0 / 5.0 / cp_Kollektor;
  if (solar) {
    if (mrk > 0.00001 && mrk < mKollektor) mKollektor = mrk;
  } else if (mitRueckkuehler && mrk > 0.00001) {
    mKollektor = mrk;
  }
  EmKollektor->setText(FixedText(mKollektor, 2));
}

void TForm1::Kollektoren1Click() {
  SetTabVisible(TabKollektoren, true);
  ShowTab(TabKollektoren);
  OffsetWetterdaten1->setVisible(true);
  Sichtbar({EHoeh, Label388, Label389}, mitRueckkuehler && std::fabs(Hoeh - kReferenzhoehe) >= 0.01);
}

void TForm1::Rckkhler1Click() {
  Kollektoren1Click();
  // The exchanger's site altitude matters: it is shown whatever it is.
  Sichtbar({Label388, Label389, EHoeh}, true);
  ZeigeAlle(Kollektoreingaben(*this), false);
  Sichtbar({EWW_Bedarf}, false);
  WahlSetzen(EWWsolar, 1, [this] { EWWsolarClick(); });
  WWsolar = false;
  WWPrio = false;
  EWWPrio->setItemIndex(1);
  Sichtbar({EWWPrio}, false);
  ZeigeAlle(Tauschereingaben(*this), true);
  // Nothing of the hot-water pre-heating is left to show.
  Sichtbar({findChild<QWidget*>(QStringLiteral("grp_g_Koll_WW"))}, false);
  AussenluftTauscheraus1->setVisible(true);
  Rckkhler1->setVisible(false);
}

void TForm1::AussenluftTauscheraus1Click() {
  ERueckkuehler->setItemIndex(1);
  mitRueckkuehler = false;
  ZeigeAlle(Tauschereingaben(*this), false);
  Sichtbar({EHoeh, Label388, Label389}, false);
  ZeigeAlle(Kollektoreingaben(*this), true);
  Sichtbar({findChild<QWidget*>(QStringLiteral("grp_g_Koll_WW")), EWW_Bedarf, EWWPrio}, true);
  AussenluftTauscheraus1->setVisible(false);
  Rckkhler1->setVisible(true);
}

void TForm1::WetterdatenClick() {
  // The orientation and altitude the engineer gave are kept from before the
  // first import only: a second import must not take the first one's.
  const bool importInKraft = MeteonormGeladen;
  const double azimut = Azimut, neigung = Neigung, hoeh = Hoeh;
  RufeWennDa(this, "WetterdatenMeteonorm1Click");
  // The flag stays set while the imported year is in force; the climate
  // reset and a new project clear it.
  if (!MeteonormGeladen) return;
  Sichtbar({ENeigung, EAzimut, EHoeh, Label308, Label309, Label317, Label318, Label388, Label389}, false);
  ErgebnisOrientierungZeigen(false);
  if (!importInKraft) {
    AzimutVorher = azimut;
    NeigungVorher = neigung;
    HoehVorher = hoeh;
  }
  Azimut = 45.0;
  Neigung = 44.9;
  Hoeh = 553.1;
  {
    const QSignalBlocker a(EAzimut), n(ENeigung), h(EHoeh);
    EAzimut->setText(FixedText(Azimut, 1));
    ENeigung->setText(FixedText(Neigung, 1));
    EHoeh->setText(FixedText(Hoeh, 1));
  }
  KlimadatenAus->setVisible(true);
  KlimadatenAus1->setVisible(true);
}

void TForm1::ESolarClick() {
  solar = ESolar->itemIndex() == 0;
  if (Anzeigend() || !solar) return;
  Freecooling = true;
  EFreecooling->setItemIndex(0);
  EFreecooling2->setItemIndex(0);
  Zeige(ETSink2, MaxSondenruecklauf, 2);
  Zeige(ETSink1, MaxSondenruecklauf, 2);
  Freecooling1->setVisible(true);
  Leistung = true;
  ELeistung->setItemIndex(0);
}

void TForm1::ERueckkuehlerClick() {
  mitRueckkuehler = ERueckkuehler->itemIndex() == 0;
  Rueckkuehler1 = mitRueckkuehler ? 1.0 : 0.0;
  if (Anzeigend() || !mitRueckkuehler) return;
  Rckkhler1Click();
  Leistung = true;
  ELeistung->setItemIndex(0);
}

void TForm1::EWWsolarClick() {
  WWsolar = EWWsolar->itemIndex() == 0;
  if (Anzeigend() || WWsolar) return;
  WWDeckung = 0.0;
  EWWDeckung->setText(FixedText(WWDeckung, 0));
  for (int h = 1; h <= 8760; ++h) QwwSolarStunde[h] = 0.0;
}

void TForm1::EAzimutChange() {
  if (Anzeigend()) return;
  Azimut = R(EAzimut);
  Neigung = R(ENeigung);
  KollektorFaktor = CollectorOrientationFactor(Neigung, Azimut);
}

void TForm1::EmKuehlChange() {
  if (Anzeigend()) return;
  mKuehl = R(EmKuehl);
  Sichtbar({EDTKuehl, Label355}, mKuehl <= 0.0001);
}

void TForm1::EKoll_VerlustfaktClick() {
  if (Anzeigend()) return;
  Koll_Verlustfakt = EKoll_Verlustfakt->itemIndex() == 0;
  EVerlustfakt1->setItemIndex(Koll_Verlustfakt ? 0 : 1);
}

void TForm1::EVerlustfakt1Click() {
  if (Anzeigend()) return;
  Koll_Verlustfakt = EVerlustfakt1->itemIndex() == 0;
  EKoll_Verlustfakt->setItemIndex(Koll_Verlustfakt ? 0 : 1);
}

void TForm1::EMaxSondenruecklaufChange() {
  if (Anzeigend()) return;
  MaxSondenruecklauf = R(EMaxSondenruecklauf);
  // The whole transfer (and what it may report) waits until the edit is left.
  if (EditInArbeit(this) == EMaxSondenruecklauf) return;
  EingabenUebernehmen();
  EingabenAnzeigen();
}

void TForm1::SommerRegenerationClick() { qeb::SommerRegeneration = SommerRegeneration->itemIndex() == 0; }

void TForm1::Freecooling1Click() {
  Sichtbar({EFreecooling, EFreecooling2, Label4, Label179, ETSink1, ETSink2}, true);
}

// ---------------- weather offset and reset ----------------

namespace {
void Versetzen(TForm1& f, int stunden) {
  Offset = stunden;
  f.EingabenAnzeigen();
  ShiftWeatherData();
}
}  // namespace

void TForm1::OffsetWetterdatenClick() { Versetzen(*this, 1); }
void TForm1::OffsetWetterdaten6h1Click() { Versetzen(*this, 6); }
void TForm1::OffsetWetterdaten7h1Click() { Versetzen(*this, 7); }
void TForm1::OffsetWetterdaten8h1Click() { Versetzen(*this, 8); }
void TForm1::OffsetWetterdaten10h1Click() { Versetzen(*this, 10); }
void TForm1::OffsetWetterdaten12h1Click() { Versetzen(*this, 12); }
void TForm1::OffsetWetterdaten15h1Click() { Versetzen(*this, 15); }

void TForm1::KlimadatenAusClick() {
  MeteonormGeladen = false;
  Sichtbar({Label308, Label309, Label389, Label318, Label317, ENeigung, EAzimut, EHoeh}, true);
  ErgebnisOrientierungZeigen(true);
  Azimut = AzimutVorher;
  Neigung = std::fabs(NeigungVorher - 44.9) <= 0.01 ? 45.0 : NeigungVorher;
  Hoeh = HoehVorher;
  Offset = OffsetVorMeteonorm;
  // The built-in year with the offset and altitude now in force.
  StandortWetterjahr();
  {
    const QSignalBlocker a(EAzimut), n(ENeigung), h(EHoeh);
    EHoeh->setText(FixedText(Hoeh, 1));
    EAzimut->setText(FixedText(Azimut, 1));
    ENeigung->setText(FixedText(Neigung, 1));
  }
  EingabenAnzeigen();
  KlimadatenAus->setVisible(false);
  KlimadatenAus1->setVisible(false);
}

void TForm1::KlimadatenAus1Click() {
  if (AskCancel("Reset Meteo (Zürich SMA)?") != kJa) return;
  SummeGlobalstrahlung = 1.0;
  KlimadatenAusClick();
  KlimadatenAus->setVisible(false);
  KlimadatenAus1->setVisible(false);
}

// ---------------- bindings ----------------

void ConnectCollectorHandlers(TForm1* form) {
  TForm1& f = *form;
  using H = void (TForm1::*)();
  auto click = [&f](RadioGroup* r, H h) { QObject::connect(r, &RadioGroup::click, &f, [&f, h] { (f.*h)(); }); };
  // Options whose handlers clear or convert values follow the user's pick only.
  auto pickR = [&f](RadioGroup* r, H h) { BeiWahl(r, &f, [&f, h] { (f.*h)(); }); };
  auto menu = [&f](QAction* a, H h) { QObject::connect(a, &QAction::triggered, &f, [&f, h] { (f.*h)(); }); };
  QObject::connect(f.Button15, &QPushButton::clicked, &f, &TForm1::Button15Click);
  menu(f.Rckkhler1, &TForm1::Rckkhler1Click);
  menu(f.AussenluftTauscheraus1, &TForm1::AussenluftTauscheraus1Click);
  menu(f.Kollektoren1, &TForm1::Kollektoren1Click);
  QObject::connect(f.Wetterdaten, &QPushButton::clicked, &f, &TForm1::WetterdatenClick);
  pickR(f.ESolar, &TForm1::ESolarClick);
  pickR(f.ERueckkuehler, &TForm1::ERueckkuehlerClick);
  pickR(f.EWWsolar, &TForm1::EWWsolarClick);
  for (QLineEdit* e : {f.EAzimut, f.ENeigung}) BeiAenderung(e, &f, [&f] { f.EAzimutChange(); });
  BeiAenderung(f.EmKuehl, &f, [&f] { f.EmKuehlChange(); });
  pickR(f.EKoll_Verlustfakt, &TForm1::EKoll_VerlustfaktClick);
  pickR(f.EVerlustfakt1, &TForm1::EVerlustfakt1Click);
  BeiAenderung(f.EMaxSondenruecklauf, &f, [&f] { f.EMaxSondenruecklaufChange(); });
  click(f.SommerRegeneration, &TForm1::SommerRegenerationClick);
  menu(f.Freecooling1, &TForm1::Freecooling1Click);
  menu(f.OffsetWetterdaten, &TForm1::OffsetWetterdatenClick);
  menu(f.OffsetWetterdaten6h1, &TForm1::OffsetWetterdaten6h1Click);
  menu(f.OffsetWetterdaten7h1, &TForm1::OffsetWetterdaten7h1Click);
  menu(f.OffsetWetterdaten8h1, &TForm1::OffsetWetterdaten8h1Click);
  menu(f.OffsetWetterdaten10h1, &TForm1::OffsetWetterdaten10h1Click);
  menu(f.OffsetWetterdaten12h1, &TForm1::OffsetWetterdaten12h1Click);
  menu(f.OffsetWetterdaten15h1, &TForm1::OffsetWetterdaten15h1Click);
  menu(f.KlimadatenAus, &TForm1::KlimadatenAusClick);
  menu(f.KlimadatenAus1, &TForm1::KlimadatenAus1Click);
}

}  // namespace qeb
