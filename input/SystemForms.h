// What the two system definition dialogs share: building from their tables
// and showing the shared state in the edits that EingabenUebernehmen reads.
#pragma once

#include <QLineEdit>
#include <cmath>

#include "calc/QEBMOD.h"
#include "widgets/Controls.h"

namespace qeb {

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

template <class F>
void FillSystemEdits(F* f) {
  ShowIn(f->ETaMax, TaMax);
  ShowIn(f->ETaMin, TaMin);
  ShowIn(f->ETKondens, TKondens);
  ShowIn(f->ETZulSoll, TZulSoll);
  ShowIn(f->EDTVenti, DTVenti);
  ShowIn(f->EEtaWRG, EtaWRG);
  ShowIn(f->EKaeltemaschine, Kaeltemaschine);
  ShowIn(f->EAK1, Ak1);
  ShowIn(f->EAK2, Ak2);
  ShowIn(f->EAK3, Ak3);
  ShowIn(f->Ezz1, zz1);
  ShowIn(f->Ezz2, zz2);
  ShowIn(f->Ezz3, zz3);
  // Pump flows are entered in kg/h.
  ShowIn(f->Em1, m1 * 3600.0);
  ShowIn(f->Em2, m2 * 3600.0);
  ShowIn(f->Em3, m3 * 3600.0);
  ShowIn(f->Em4, m4 * 3600.0);
  ShowIn(f->EmZul, mZul);
  ShowIn(f->EmZul2, mZul2);
  ShowIn(f->ETRL20, TRL20);
  ShowIn(f->ETRL30, TRL30);
  f->ESystem->setItemIndex(Systemsimulation ? 0 : 1);
  f->ELastbegrenzung->setItemIndex(!MaxQ ? 0 : (MaxQKuehl ? 1 : 2));
}

}  // namespace qeb
