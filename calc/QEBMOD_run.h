// The command entry and one calculation: run initialisation, the simulated
// hour with its repeats and the year jump, the run finish; and the services
// that the windows call directly (extraction per metre, supply-air fan heat,
// heat-pump characteristic, probe-circuit pressure drop).
#pragma once

#include <string>

#include "calc/QEBMOD_state.h"

namespace qeb {

// ---- run state (index of the hourly arrays = Schrittzaehler, 0 = start values) ----
extern int Schrittzaehler;    // step of the running year, from 1
extern int Zeilenzaehler;     // row number of the step-table row written last
extern double TSourceStunde[8761];
extern double TSinkStunde[8761];
extern double QStunde[8761];
extern double QHeizMonat[13];   // kWh per month, 1..12
extern double QKuehlMonat[13];
extern double QHeizSumme;       // kWh of the last simulated year
extern double QKuehlSumme;
extern double QTagesmittel[366];      // daily mean heat flow, kW, day 1..365
extern double QTagesmittelLuft[366];  // daily mean air-side demand less fan heat, kW
extern double QFreecoolingSumme;      // free-cooling energy of the year, kWh
extern double QFreecoolingStunde[8761];  // free-cooling power of each hour, kW
extern double KuehlbedarfSumme;       // system simulation: air-side cooling energy, kWh
extern double KreisEnergieSumme;      // system simulation: hydronic circuit energy, kWh

extern double QSourceSoll;          // heat flow of the hour as the load gives it
extern double Kaelteleistung;       // chiller power put into the boreholes, kW
extern bool KaeltemaschineAktiv;
extern bool Frostbetrieb;
extern double Heizbedarf;
extern double COPaktuell;
extern double Zusatzwaerme;
extern double Kesselwaerme;
extern bool LeistungVorgabe;        // power mode of the run; Leistung is reset from it every hour
extern double Druckverlust;         // probe pressure drop at the running flow, Pa
extern bool laminar;                // the probe flow of the last pressure-drop calculation is laminar
extern int AnzahlStarts;
extern int Startstunde[8761];
extern double QKaeltemaschineJahr;  // chiller demand of the year LastYear, kWh

// Hourly loads of the two fields of the alternating mode; MassenstromStunde2 is
// also the February-peak pre-run table.
extern double QStundeFeld1[8761];
extern double MassenstromFeld1[8761];
extern double QStundeFeld2[8761];
extern double MassenstromStunde2[8761];
extern double TSinkVorgabe1;
extern double TSinkVorgabe2;
extern double Randmittel[11];  // averaged block history per segment for the year jump

// Extremes and energy sums of the recorded steps.
extern double QSourceMin;
extern double QSourceMax;
extern double SummeZusatzwaerme;
extern double SummeKesselwaerme;
extern double SummeNennwaerme;
extern double SummeVerdichterarbeit;
extern double SummePumpenenergie;
extern double SummeKuehlbedarf;
extern double SummeKollektorDeltaT;
extern double KollektorStunden;
extern double QLuftMin;  // smallest air-side power less fan heat
extern double QLuftMax;  // largest air-side power

// Response-test simulation.
extern bool TRTModus;
extern double TRTHeizdauer;      // minutes of heating
extern double TRTQSource[121];   // QSource of steps 0..120; TRTFeld1..5 hold the probe values

// Run initialisation.
extern double WWZapfStunde[25];
extern bool SchichtLambdaDirekt;
extern int Betriebsstunden;
extern double ZeitVerlauf[1001];
extern double GrafikVerlauf[7][3001];  // traces the run driver fills for its graphs
// Field influence per borehole of the five g-function support points.
extern double gFeld1[601];
extern double gFeld2[601];
extern double gFeld3[601];
extern double gFeld4[601];
extern double gFeld5[601];
// Cooling hours take the hourly sink temperature read with the loads
// (with Lasteinlesen) instead of TSinkVorgabe2.
extern bool TSinkKuehlStuendlich;

// ---- command entry ----

// Runs one command: -6 load file, -5 layer table, -4 finish, -3 defaults,
// -2 read the project file, -1 initialise (then the February-peak pre-run
// when Lastprofil is set), 0 a new step, 1.. repeat the step. The code is
// in-out: the stationary iteration may hand back a larger step code.
// Repeats of a year's last step, which arrive after code 0 has closed the
// year, recompute that step and close the year again in place of the first
// close; when the year jump restarted the ground model there, the first try
// stands and the repeats hand back its result.
void Simulate(int& code);
inline void Simulate(int&& code) { int c = code; Simulate(c); }
void DispatchCommand(int& code);
void BuildPeakMassFlowTable(const int (&laufzeit)[13], double massFlow);

// ---- run ----
// Raises CalcError (before anything is set up) when the grid is too large or
// an input would make the run divide by zero.
void InitSimulation(int startYear, const double (&history)[11]);
void SimulateHour(int& code);
void YearJump();
void FinishRun();
// Closes the open project file, reopens it and skips its header so that the
// next load row is the first hour again.
void ReopenInputFile();
// Drops an unfinished output file (the previous file under the target name
// stays as it was). Safe to call at any time.
void AbandonRun();
// Copies the current state into the saved one that repeats start from.
void SaveStepState();
// The load of an hour without load rows is the given one: the step entry
// remembers what a step left in QSource (RememberStepLoad) so that the next
// hour can tell a result from a new load set by the caller.
void RememberStepLoad();
void ForgetStepLoad();
// Refuses (CalcError) inputs that would make the run divide by zero, index
// past its tables or never end; the run initialisation calls it first.
void ValidateRunInputs();
// Command -2 with the module's own file names.
void ReadProjectFile();
// Output file of a run: created beside `Outputfile` under a temporary name,
// header written, moved into place by the run finish.
void OpenOutputFile();
void RestartOutputFile();
void CommitOutputFile();
// One step-table row with the current values (the missing one of TSink and
// QSource must be up to date); with monitorTrace the monitor column carries
// the trace value of the row.
void WriteCurrentStepRow(bool monitorTrace);
// Mean over the axial segments of the fill temperature (grid column 1).
double MeanFillTemperature();
// Power mode: TSink from TSource and QSource; temperature mode: QSource.
void DeriveMissingValue();

// The output file is first written beside the target and moved into place
// when the run finishes; these give the names involved.
std::string TemporaryOutputName(const std::string& target);
// True when both names denote the same existing file (device and inode).
bool SameFile(const std::string& a, const std::string& b);

// ---- services ----
double SpecificExtractionEnergy();
double SpecificExtractionPower();
double SupplyAirFanHeat(int hour);
double HeatPumpCharacteristic(double t, double c1, double c2, double c3, double c4, double c5);

// Pressure drop of the brine circuit. Result: the probe's own drop in Pa;
// the probe length is an argument so that probe groups of different length
// can be evaluated.
double ComputeCircuitPressureDrop(bool& laminarFlow, double sondendurchmesser, double dickeSondenrohr,
                                  double dickeInnenrohr, double massFlowPipes, double massFlowComponents,
                                  double rho, double nue, double sondenverlaengerung, double durchmesserAnschluss,
                                  double laengeAnschluss, int anzahlParallel, int anzahlBogen90, int anzahlSonden,
                                  double nenndruckVerdampfer, double nenndurchsatzVerdampfer,
                                  double nenndruckVerteiler, double nenndurchsatzVerteiler,
                                  double nenndruckMessung, double nenndurchsatzMessung, double nenndruckVentil,
                                  double nenndurchsatzVentil, double& extension, double& total, double& pipes,
                                  double& reProbe, double& reInner, double probeLength);
// The same with every other argument taken from the shared state.
double CircuitPressureDropAt(double massFlowPerProbe, double probeLength, bool* laminarFlow = nullptr,
                             double* total = nullptr);

}  // namespace qeb
