// What the two system definition dialogs share: showing the shared state in
// their controls, reading it back, the probe flow sum, and the schematic
// picture of the plant.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <cmath>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "widgets/Controls.h"
#include "widgets/Typing.h"

namespace qeb {

// Mean approach temperature of the air heat exchanger over the samples of
// the last run, K (shown in the hidden edit of the first dialog).
extern double GraedigkeitLuft;

// Flow of the evaporator pump that carries the design extraction power with
// the evaporator's temperature difference (kg/s); 0 when the fluid's heat
// capacity or the difference is not positive.
inline double Verdampferdurchsatz() {
  if (!(cpSole > 0.0) || !(DeltaVerdampfer > 0.0)) return 0.0;
  const double m = Auslegungsentzug * 1000.0 / cpSole / DeltaVerdampfer;
  return std::isfinite(m) ? m : 0.0;
}

inline void ShowIn(QLineEdit* e, double v) {
  const int d = EditDecimals(e);
  e->setText(FixedText(v, d >= 0 ? d : 3));
}

// The load limit of a system dialog: none, on heating and cooling, or on
// heating only; no choice leaves the flags as they are.
inline void LastbegrenzungUebernehmen(int item) {
  switch (item) {
    case 0:
      MaxQ = false;
      break;
    case 1:
      MaxQ = true;
      MaxQKuehl = true;
      break;
    case 2:
      MaxQ = true;
      MaxQKuehl = false;
      break;
    default:
      break;
  }
}

// A choice the user made in a dialog that the shared state does not hold yet.
inline const char* kVomBenutzer = "vomBenutzer";

// Writes the shared state into a system dialog's controls. With `behalten`
// the edits the user has typed into, and the choices made, since the dialog
// was last read stay as they are (the refill on activation).
template <class F>
void FillSystemEdits(F* f, bool behalten) {
  const auto zeig = [behalten](QLineEdit* e, double v) {
    if (behalten && e->isModified()) return;
    ShowIn(e, v);
    e->setModified(false);
  };
  const auto wahl = [behalten](RadioGroup* r, int i) {
    if (behalten && r->property(kVomBenutzer).toBool()) return;
    r->setItemIndex(i);
    r->setProperty(kVomBenutzer, false);
  };
  zeig(f->ETaMax, TaMax);
  zeig(f->ETaMin, TaMin);
  zeig(f->ETKondens, TKondens);
  zeig(f->ETZulSoll, TZulSoll);
  zeig(f->EDTVenti, DTVenti);
  zeig(f->EEtaWRG, EtaWRG);
  zeig(f->EKaeltemaschine, Kaeltemaschine);
  zeig(f->EAK1, Ak1);
  zeig(f->EAK2, Ak2);
  zeig(f->EAK3, Ak3);
  zeig(f->Ezz1, zz1);
  zeig(f->Ezz2, zz2);
  zeig(f->Ezz3, zz3);
  // Pump flows are entered in kg/h.
  zeig(f->Em1, m1 * 3600.0);
  zeig(f->Em2, m2 * 3600.0);
  zeig(f->Em3, m3 * 3600.0);
  zeig(f->Em4, m4 * 3600.0);
  zeig(f->EmZul, mZul);
  zeig(f->EmZul2, mZul2);
  zeig(f->ETRL20, TRL20);
  zeig(f->ETRL30, TRL30);
  wahl(f->ESystem, Systemsimulation ? 0 : 1);
  wahl(f->EFrostschutz, Frostschutz ? 0 : 1);
  wahl(f->ELastbegrenzung, !MaxQ ? 0 : (MaxQKuehl ? 1 : 2));
}

// Reads a system dialog's controls into the shared state (parse errors are
// not reported); afterwards nothing in it counts as typed any more.
template <class F>
void ReadSystemEdits(F* f) {
  const auto r = [](QLineEdit* e) {
    e->setModified(false);
    return EditReal(e, Fehlercode);
  };
  TaMax = r(f->ETaMax);
  TaMin = r(f->ETaMin);
  TKondens = r(f->ETKondens);
  TZulSoll = r(f->ETZulSoll);
  DTVenti = r(f->EDTVenti);
  EtaWRG = r(f->EEtaWRG);
  Kaeltemaschine = r(f->EKaeltemaschine);
  Ak1 = r(f->EAK1);
  Ak2 = r(f->EAK2);
  Ak3 = r(f->EAK3);
  zz1 = r(f->Ezz1);
  zz2 = r(f->Ezz2);
  zz3 = r(f->Ezz3);
  m1 = r(f->Em1) / 3600.0;
  m2 = r(f->Em2) / 3600.0;
  m3 = r(f->Em3) / 3600.0;
  m4 = r(f->Em4) / 3600.0;
  mZul = r(f->EmZul);
  mZul2 = r(f->EmZul2);
  TRL20 = r(f->ETRL20);
  TRL30 = r(f->ETRL30);
  if (Form1 != nullptr) Form1->AussentempRampe();
  Frostschutz = f->EFrostschutz->itemIndex() == 0;
  Systemsimulation = f->ESystem->itemIndex() == 0;
  if (Systemsimulation) {
    Leistung = false;
    Leistungsinput = false;
  }
  LastbegrenzungUebernehmen(f->ELastbegrenzung->itemIndex());
  for (RadioGroup* g : {f->ESystem, f->EFrostschutz, f->ELastbegrenzung}) g->setProperty(kVomBenutzer, false);
}

// Marks a dialog's choices as the user's when the user clicks them.
template <class F>
void MarkUserChoices(F* f, const bool& fuellen) {
  for (RadioGroup* g : {f->ESystem, f->EFrostschutz, f->ELastbegrenzung})
    QObject::connect(g, &RadioGroup::click, f, [g, &fuellen] {
      if (!fuellen) g->setProperty(kVomBenutzer, true);
    });
}

// The probe flow (kg/h) of the pumps feeding the probes, shown in EmSonde;
// outside a fill it becomes the project's design mass flow.
void ShowProbeFlow(QLineEdit* summe, double kgProStunde, bool fuellen);

// The schematic picture of the plant: ventilation unit, three heat
// exchangers, the pumps and the probe field; with the heat pump and its
// evaporator pump for the second dialog.
class Anlagenschema : public QWidget {
 public:
  Anlagenschema(bool mitWaermepumpe, QWidget* parent);
  QSize sizeHint() const override { return {380, 330}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  bool mitWaermepumpe_;
};

}  // namespace qeb
