// Pressure drop of the brine circuit for up to three groups of probes,
// recalculated after every calculation, before every save and on request.
#include <QMetaObject>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/QEBInput_pressure.h"

namespace qeb {

double DruckabfallSonde1 = 0.0;
double DruckabfallZuleitung = 0.0;
double DruckabfallVerlaengerung = 0.0;
double ReynoldsSonde = 0.0;
double VolumenstromKreis = 0.0;

namespace {

struct Kreisergebnis {
  double sonde = 0.0;  // the probe's own drop, Pa
  double total = 0.0;  // the whole circuit with its components, Pa
  double leitung = 0.0;  // connection lines with the probe extension
  double verlaengerung = 0.0;
  double reynolds = 0.0;
  double kreisfluss = 0.0;  // the flow the component terms were taken at
  bool laminar = false;
};

// One group of `anzahl` probes sharing `massenstrom`; a group without probes
// has no flow per probe and keeps its previous result.
bool Kreis(int anzahl, double massenstrom, Kreisergebnis& r) {
  if (anzahl <= 0) return false;
  const double proSonde = massenstrom / anzahl;
  double reInnen = 0.0;
  r.sonde = ComputeCircuitPressureDrop(r.laminar, Sondendurchmesser, Dicke_Sondenrohr, Dicke_Innenrohr, proSonde,
                                       proSonde, rhoSole, nueSole, Sondenverlaengerung, DurchmesserAnschluss,
                                       LaengeAnschluss, AnzahlParallel, AnzahlBogen90, anzahl, NenndruckVerdampfer,
                                       NenndurchsatzVerdampfer, NenndruckVerteiler, NenndurchsatzVerteiler,
                                       NenndruckMessung, NenndurchsatzMessung, NenndruckVentil, NenndurchsatzVentil,
                                       r.verlaengerung, r.total, r.leitung, r.reynolds, reInnen, Sondenlaenge);
  r.kreisfluss = anzahl * proSonde;
  return true;
}

void Uebernimm(int j, const Kreisergebnis& r) {
  DruckSondeKreis[j] = r.sonde;
  DruckZulKreis[j] = r.leitung;
  ReynoldsKreis[j] = r.reynolds;
}

}  // namespace

void TForm1::Button9Click() {
  EingabenUebernehmen();
  Kreisergebnis r;
  // The main group: its total is the circuit's design pressure drop.
  AnzahlSondenKreis[1] = AnzahlSonden;
  if (Kreis(AnzahlSonden, Auslegungsmassenstrom, r)) {
    Uebernimm(1, r);
    AuslegungsDruckabfall_Sondenkreis = r.total;
    laminar = r.laminar;
    // The parts the summary shows, so that they add up to the total.
    DruckabfallSonde1 = r.sonde;
    DruckabfallZuleitung = r.leitung;
    DruckabfallVerlaengerung = r.verlaengerung;
    ReynoldsSonde = r.reynolds;
    VolumenstromKreis = r.kreisfluss;
  }
  // The second group carries the design flow over its own probe count.
  if (AnzahlSonden2 > 0) {
    AnzahlSondenKreis[2] = AnzahlSonden2;
    if (Kreis(AnzahlSonden2, Auslegungsmassenstrom, r)) {
      Uebernimm(2, r);
      Laminar2 = r.laminar;
    }
  }
  // The third group has its own flow; without probes it is skipped.
  if (Kreis(static_cast<int>(AnzahlSondenKreis[3]), Auslegungsmassenstrom3, r)) {
    Uebernimm(3, r);
    Laminar3 = r.laminar;
  }
  EingabenAnzeigen();
  if (mit_Standorthoehe == 1.0 || mit_Waermefluss == 1.0) {
    Uebernehm->show();
    // The undisturbed ground temperature from the site altitude or the heat
    // flow, once the site handlers are there.
    // Each switch is pressed twice to refresh its inputs; the profile mode
    // itself is the project's and stays as it was.
    const double waermefluss = mit_Waermefluss, standorthoehe = mit_Standorthoehe;
    for (const char* slot : {"Aus_StandorthoeheClick", "Aus_StandorthoeheClick", "Button16Click", "Button16Click"}) {
      const QByteArray sig = QByteArray(slot) + "()";
      if (metaObject()->indexOfMethod(sig.constData()) >= 0) QMetaObject::invokeMethod(this, slot, Qt::DirectConnection);
    }
    // Switched on once more from off, each mode shows its own inputs.
    mit_Waermefluss = mit_Standorthoehe = 0.0;
    if (waermefluss == 1.0) Button16Click();
    if (standorthoehe == 1.0) Aus_StandorthoeheClick();
    mit_Waermefluss = waermefluss;
    mit_Standorthoehe = standorthoehe;
  }
}

}  // namespace qeb
