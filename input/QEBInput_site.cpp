// Groundwater, the undisturbed ground temperature profile and the site
// altitude of the input window: layer depths kept increasing, conductivities
// from the soil kind, the profile given point by point, from the heat flux or
// from the altitude, and the weather year following the altitude.
#include <QAction>
#include <QComboBox>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/QEBMOD_plant.h"
#include "input/QEBInput.h"
#include "input/QEBInput_handlers.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "shell/QEB.h"
#include "widgets/Typing.h"

namespace qeb {

namespace {

// Hydraulic conductivity (m/s) of the soil kinds of the layer combos; item 0
// is empty and keeps the value.
constexpr double kDurchlaessigkeit[10] = {0, 0.05, 0.001, 0.0005, 5e-05, 1e-06, 5e-08, 5e-11, 5e-07, 5e-09};

// The weather year was moved for an altitude away from the reference.
bool hoehenKorrektur = false;

constexpr double kReferenzhoehe = 553.1;

std::vector<QWidget*> Profilfelder(TForm1& f) {
  std::vector<QWidget*> out;
  for (const char* prefix : {"ETProfil", "zTProfil"})
    for (int k = 1; k <= 10; ++k)
      if (auto* w = f.findChild<QWidget*>(QString::fromLatin1(prefix) + QString::number(k))) out.push_back(w);
  return out;
}

void ZeigeAlle(const std::vector<QWidget*>& ws, bool shown) {
  for (QWidget* w : ws) w->setHidden(!shown);
}

QWidget* Fenster(const char* name) {
  for (QWidget* w : ApplicationWindows())
    if (w->objectName() == QLatin1String(name)) return w;
  return nullptr;
}

}  // namespace

void StandortWetterjahr() {
  // A fresh copy carries no offset yet: the project's offset is applied to it.
  StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
  OffsetAktuell = 0;
  ShiftWeatherData();
  hoehenKorrektur = std::fabs(Hoeh - kReferenzhoehe) > 0.01;
  if (hoehenKorrektur)
    for (int h = 0; h <= 8760; ++h) Aussentemperatur[h] += (553.0 - Hoeh) * 0.0047;
}

// ---------------- groundwater ----------------

namespace {
void TiefenSteigend() {
  if (zSchicht1 > zSchicht2) zSchicht2 = zSchicht1 + 0.1;
  if (zSchicht2 > zSchicht3) zSchicht3 = zSchicht2 + 0.1;
  if (zSchicht3 > zSchicht4) zSchicht4 = zSchicht3 + 0.1;
}
}  // namespace

void TForm1::Button13Click() {
  if (Anzeigend()) return;
  // Depths typed digit by digit pass through smaller values: the others
  // follow (and the transfer runs) when the edit is left.
  QLineEdit* tippt = EditInArbeit(this);
  if (tippt == EzSchicht1 || tippt == EzSchicht2 || tippt == EzSchicht3 || tippt == EzSchicht4) return;
  EingabenUebernehmen();
  TiefenSteigend();
  EingabenAnzeigen();
}

void TForm1::EzSchicht1Change() {
  if (Anzeigend() || EditInArbeit(this) == EzSchicht1) return;
  EingabenUebernehmen();
  if (zSchicht1 <= 0.0) zSchicht1 = 0.01;
  TiefenSteigend();
  Niveau = (Isohypse1 + Isohypse2) / 2.0 + zSchicht1;
  EingabenAnzeigen();
}

void TForm1::Grundwasser1Click() {
  SetTabVisible(TabSheet9, true);
  ShowTab(TabSheet9);
}

void TForm1::Grundwasser2Click() { Grundwasser1Click(); }

namespace {
void LeitfaehigkeitGewaehlt(TForm1& f, QComboBox* c, double& durchlaessigkeit, int& leitfaehigkeit) {
  const int i = c->currentIndex();
  if (i >= 1 && i <= 9) durchlaessigkeit = kDurchlaessigkeit[i];
  leitfaehigkeit = i;
  f.EingabenAnzeigen();
}
}  // namespace

void TForm1::ELeitfaehigkeit1Change() { LeitfaehigkeitGewaehlt(*this, ELeitfaehigkeit1, Durchlaessigkeit1, Leitfaehigkeit1); }
void TForm1::ELeitfaehigkeit2Change() { LeitfaehigkeitGewaehlt(*this, ELeitfaehigkeit2, Durchlaessigkeit2, Leitfaehigkeit2); }
void TForm1::ELeitfaehigkeit3Change() { LeitfaehigkeitGewaehlt(*this, ELeitfaehigkeit3, Durchlaessigkeit3, Leitfaehigkeit3); }

void TForm1::EHydrDruckgradientClick() {
  hydrDruckgradient = EHydrDruckgradient->itemIndex() == 0;
  if (Anzeigend()) return;
  if (hydrDruckgradient) Druckgradient = R(EDruckgradient);
  QPalette p = EDruckgradient->palette();
  p.setColor(QPalette::Base, palette().color(hydrDruckgradient ? QPalette::Base : QPalette::Window));
  EDruckgradient->setPalette(p);
}

void TForm1::EGrundwasserClick() {
  Grundwasser = EGrundwasser->itemIndex() == 0;
  if (Anzeigend()) return;
  SchichtenZeilenZeigen();
}

// ---------------- temperature profile ----------------

void TForm1::ETempProfilClick() {
  TempProfil = ETempProfil->itemIndex() == 0;
  if (Anzeigend()) return;
  mit_Waermefluss = 0.0;
  Zeige(Emit_Waermefluss, mit_Waermefluss, 3);
  TemperaturprofilZeigen();
  if (TempProfil) {
    EingabenUebernehmen();
    EingabenAnzeigen();
  }
  ResultatZeilenZeigen();
}

void TForm1::ETProfil1Change() {
  if (Anzeigend()) return;
  mit_Waermefluss = 0.0;
  Zeige(Emit_Waermefluss, mit_Waermefluss, 3);
  TemperaturprofilZeigen();
  Sichtbar({EJahresmitteltemp, EBodenerwaermung, T31, T32}, false);
}

void TForm1::TemProfilClick() {
  EingabenUebernehmen();
  double schichten[kSchichtErgebnis + 1] = {};
  try {
    SortGroundLayers(TProfil, zTProfil, schichten, Sondenlaenge);
  } catch (const CalcError& e) {
    Message(Win1252ToUtf8(e.what()));
    return;
  }
  // The start temperatures hold the surface and the probe's segments.
  constexpr int n = static_cast<int>(sizeof(Starttemperatur) / sizeof(Starttemperatur[0]));
  std::copy(schichten, schichten + std::min(n, kSchichtErgebnis + 1), Starttemperatur);
  EingabenAnzeigen();
}

void TForm1::TemperaturgradientClick() {
  QWidget* profil = Fenster("Form10");
  if (profil == nullptr) return;
  profil->show();
  // The heat-flux command stands beside the profile unless the profile
  // already comes from the heat flux alone.
  if (QWidget* panel = profil->findChild<QWidget*>(QStringLiteral("aus_Waermefluss")))
    panel->setVisible(!(mit_Waermefluss == 1.0 && mit_Standorthoehe != 1.0));
  if (mit_Waermefluss == 1.0) RufeWennDa(profil, "aus_WaermeflussClick");
}

void TForm1::UebernehmClick() {
  TempProfil = true;
  ETempProfil->setItemIndex(0);
  TemperaturgradientClick();
  if (QWidget* profil = Fenster("Form10")) {
    RufeWennDa(profil, "aus_WaermeflussClick");
    RufeWennDa(profil, "UebernehmClick");
    RufeWennDa(profil, "aus_WaermeflussClick");
  }
  if (mit_Standorthoehe < 1.0) mit_Waermefluss = 1.0;
  Zeige(Emit_Waermefluss, mit_Waermefluss, 3);
  ETempProfil->setItemIndex(0);
  TempProfil = true;
  Sichtbar({EJahresmitteltemp, EBodenerwaermung, T31, T32, EStandorthoehe, Label401, Label402, Label403}, false);
}

void TForm1::Button16Click() {
  mit_Waermefluss = mit_Waermefluss == 1.0 ? 0.0 : 1.0;
  mit_Standorthoehe = 0.0;
  Sichtbar({EStandorthoehe, Label401, Label402}, false);
  const std::vector<QWidget*> profil = Profilfelder(*this);
  if (mit_Waermefluss == 1.0) {
    // The heat-flux profile is taken over with its own button.
    Sichtbar({EWaermefluss, Label361, Label362, EKlimaerwaermung, Label378, Uebernehm, EJahresmitteltemp,
              EBodenerwaermung, T31, T32},
             true);
    Zeige(Emit_Waermefluss, mit_Waermefluss, 3);
    ZeigeAlle(profil, false);
  } else {
    Zeige(Emit_Waermefluss, mit_Waermefluss, 3);
    Sichtbar({EKlimaerwaermung, Label378, Uebernehm, EWaermefluss, Label361, Label362}, false);
    Sichtbar({EJahresmitteltemp, EBodenerwaermung, T31, T32}, true);
    ZeigeAlle(profil, true);
  }
  Sichtbar({Label403}, false);
}

void TForm1::Aus_StandorthoeheClick() {
  mit_Standorthoehe = mit_Standorthoehe == 1.0 ? 0.0 : 1.0;
  mit_Waermefluss = 0.0;
  // The transfer reads the heat-flux mode back from its edit.
  Zeige(Emit_Waermefluss, mit_Waermefluss, 3);
  Sichtbar({EWaermefluss, Label361, EJahresmitteltemp, EBodenerwaermung, T31, T32}, false);
  const bool an = mit_Standorthoehe == 1.0;
  Sichtbar({EStandorthoehe, Label401, Label402, Label403}, an);
  if (!an) Sichtbar({EJahresmitteltemp, EBodenerwaermung, T31, T32}, true);
  ZeigeAlle(Profilfelder(*this), true);
}

// ---------------- site altitude ----------------

void TForm1::EHoehChange() {
  if (Anzeigend()) return;
  Hoeh = R(EHoeh);
  if (Hoeh == 0.0) Hoeh = 553.0;
  EingabenAnzeigen();
  // An imported year belongs to its own site: it stays while the import
  // holds. Back at the reference the weather of an earlier altitude is undone.
  if (MeteonormGeladen) return;
  if (std::fabs(Hoeh - kReferenzhoehe) > 0.01 || hoehenKorrektur) StandortWetterjahr();
}

// ---------------- bindings ----------------

void ConnectSiteHandlers(TForm1* form) {
  TForm1& f = *form;
  using H = void (TForm1::*)();
  auto click = [&f](RadioGroup* r, H h) { QObject::connect(r, &RadioGroup::click, &f, [&f, h] { (f.*h)(); }); };
  // Options whose handlers clear or convert values follow the user's pick only.
  auto pickR = [&f](RadioGroup* r, H h) { BeiWahl(r, &f, [&f, h] { (f.*h)(); }); };
  auto pick = [&f](QComboBox* c, H h) { QObject::connect(c, &QComboBox::activated, &f, [&f, h](int) { (f.*h)(); }); };
  auto menu = [&f](QAction* a, H h) { QObject::connect(a, &QAction::triggered, &f, [&f, h] { (f.*h)(); }); };
  QObject::connect(f.Button13, &QPushButton::clicked, &f, &TForm1::Button13Click);
  BeiAenderung(f.EzSchicht1, &f, [&f] { f.EzSchicht1Change(); });
  for (QLineEdit* e : {f.EzSchicht2, f.EzSchicht3, f.EzSchicht4}) BeiAenderung(e, &f, [&f] { f.Button13Click(); });
  // Every groundwater input refreshes the fields derived from them (flow
  // areas, Darcy velocities).
  for (QLineEdit* e : {f.ENiveau, f.EIsohypse1, f.EIsohypse2, f.EDruckgradient, f.EMittlerer_Abstand,
                       f.EDurchlaessigkeit1, f.EDurchlaessigkeit2, f.EDurchlaessigkeit3, f.EPorositaet1,
                       f.EPorositaet2, f.EPorositaet3, f.EAmplitude, f.EPhasenverschiebung, f.ETempKellerSommer,
                       f.ETempKellerWinter, f.EUWertKeller, f.EKellerflaeche})
    BeiAenderung(e, &f, [&f] { f.Button13Click(); });
  BeiAenderung(f.EHoeh, &f, [&f] { f.EHoehChange(); });
  menu(f.Grundwasser1, &TForm1::Grundwasser1Click);
  menu(f.Grundwasser2, &TForm1::Grundwasser2Click);
  pick(f.ELeitfaehigkeit1, &TForm1::ELeitfaehigkeit1Change);
  pick(f.ELeitfaehigkeit2, &TForm1::ELeitfaehigkeit2Change);
  pick(f.ELeitfaehigkeit3, &TForm1::ELeitfaehigkeit3Change);
  click(f.EHydrDruckgradient, &TForm1::EHydrDruckgradientClick);
  click(f.EGrundwasser, &TForm1::EGrundwasserClick);
  pickR(f.ETempProfil, &TForm1::ETempProfilClick);
  for (int k = 1; k <= 10; ++k) {
    auto* e = f.findChild<QLineEdit*>(QStringLiteral("ETProfil") + QString::number(k));
    RequireControl(e, "ETProfil");
    BeiAenderung(e, &f, [&f] { f.ETProfil1Change(); });
  }
  QObject::connect(f.TemProfil, &QPushButton::clicked, &f, &TForm1::TemProfilClick);
  QObject::connect(f.Temperaturgradient, &QPushButton::clicked, &f, &TForm1::TemperaturgradientClick);
  QObject::connect(f.Uebernehm, &QPushButton::clicked, &f, &TForm1::UebernehmClick);
  menu(f.Aus_Waermefluss, &TForm1::Button16Click);
  menu(f.Aus_Standorthoehe, &TForm1::Aus_StandorthoeheClick);
}

}  // namespace qeb
