// The results summary "Resultate Programm QEB": the project's identification,
// its chief inputs, the chief results of the last run, the heat-pump figures,
// the solar and recooler yields and the SIA 384/6 verdict. It keeps no data:
// every showing rebuilds all texts from the shared state.
#pragma once

#include <QWidget>
#include <string>

#include "input/QEBInput.h"

namespace qeb {

// ---- results of the last run that the summary shows ----
// Yearly figures of the last simulated year unless noted; filled from the
// module's records by LaufergebnisseUebernehmen.
extern double QStromWP;           // electricity of the heat pump, kWh
extern double QStromSondenpumpe;  // electricity of the probe pump, kWh
extern double QWaermeWP;          // heat the heat pump delivered, kWh
extern double SummeQZusatz;       // heat the heat pump could not deliver, kWh (over the run)
extern double SummeQHilf;         // part of it from the auxiliary heater, kWh (over the run)
extern double QIstMax, QIstMin;   // largest extraction and injection of the probes, kW
extern double QSollMax, QSollMin; // largest air-side demand and smallest less fan heat, kW
extern double EnergieKaeltemaschine;  // chiller energy, kWh (over the run)
extern double EnergieWRG;             // heat recovery, kWh (over the run)
extern double QTABS;                  // cooling network energy, kWh
extern double Kuehlbedarf;            // cooling demand of the building, kWh
extern double QFreecooling;           // free-cooling energy, kWh
extern double MonatsenergieSonde[13]; // energy through the probes per month 1..12, kWh
extern int Vollaststunden;            // yearly run time of the heat pump, h
extern int StundenUeberSoll;          // hours with supply air above its set temperature
// Computed by the summary and kept in the shared state.
extern double COPmittel;
extern double JAZ;
// The summary still has to be scaled to the window-scale level.
extern bool ResultatScalePending;

// Derives the figures above from what the last run left in the module.
void LaufergebnisseUebernehmen();

// The calculation the summary starts when it has no results yet, and on
// "Neuberechnung". By default it is the main window's calculation command,
// found by name at run time (false when that command is not there). Tests
// install a stand-in; nullptr returns to the default.
using Berechnungsfunktion = bool (*)();
void SetBerechnung(Berechnungsfunktion f);

class TResultat : public QWidget {
  Q_OBJECT

 public:
  explicit TResultat(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "results/Result_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();

  // Automatic calculations started since the window was last shown.
  int AutomatischeLaeufe() const { return automatischeLaeufe_; }
  // Shown again while open (a results request after another run): the
  // texts are rebuilt from the last run as on a first showing.
  void setVisible(bool visible) override;

 public slots:
  // Rebuilds every text and visibility from the shared state (on show).
  void aktuell();
  // Controls into the shared state, the graph window, the calculation command,
  // the shared state back into the controls, then the texts again.
  void StartGrafik();
  void Input();
  void SchliessenClick();

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  int automatischeLaeufe_ = 0;
  bool inAktuell_ = false;
};

extern TResultat* Resultat;

}  // namespace qeb
