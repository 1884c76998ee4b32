// Regeneration plant, weather and load profiles: the collector-circuit heat
// exchanger and the outdoor-air recooler, solar collectors with their hot-water
// store, the hourly plant step, the built-in weather year with its time shift,
// and the generation of an hourly load file from monthly values.
#pragma once

#include <string>

#include "calc/QEBMOD_state.h"
#include "calc/TextIO.h"

namespace qeb {

// ---- weather: the three working series, hour 1..8760, index 0 = hour 1 ----
extern double Aussentemperatur[8761];  // outdoor air, °C
extern double Luftfeuchte[8761];       // relative humidity, %
extern double Globalstrahlung[8761];   // global radiation on the horizontal, MJ/m² per hour

// ---- plant switches and constants that have no project-file line ----
extern bool mitRueckkuehler;       // an outdoor-air recooler is part of the plant
extern double KollektorFaktor;     // yield factor of tilt and azimuth (set by the input window)
extern double KollVerlustAnteil;   // share lost with Koll_Verlustfakt (0.1)
extern double UA_Solarregister;    // W/K of the hot-water register, recomputed every collector hour

// ---- working state of the plant hour, kept from hour to hour ----
extern double TSinkWP;            // brine after the heat pump, without the plant
extern double TSinkEintritt;      // TSink on entry of the plant hour
extern double TKollektorEin;      // collector / recooler circuit inlet
extern double TKollektorAus;      // collector / recooler circuit outlet
extern double TKollektorAusAlt;   // outlet of the previous pass
extern double QKollektor;         // collector heat, kW
extern double QwwSolar;           // heat into the hot-water store, kW
extern double QTauscher;          // heat through the collector-circuit exchanger, kW
extern double QRueckkuehler;      // recooler heat, kW (negative: rejection)
extern double MSoleTauscher;      // brine flow through the exchanger, kg/s
extern double TSinkNachTauscher;  // TSink after the exchanger, before the clamps

// ---- hourly plant results, index = hour of the year ----
extern double TVLStunde[8761];               // collector-circuit outlet / hydronic supply
extern double TZulStunde[8761];              // collector-circuit inlet / supply air
extern double QKollektorStunde[8761];        // kW
extern double QRueckkuehlStunde[8761];       // kW
extern double MKollektorStunde[8761];        // collector flow of the hour, kg/s
extern double QwwSolarStunde[8761];          // kW into the hot-water store
extern double QSpeicherVerlustStunde[8761];  // kW lost by the store

// ---- ventilation plant (calc/WT) ----
extern double QWRGSumme;             // heat from heat recovery, kWh
extern double QKaeltemaschineSumme;  // chiller energy, kWh (negative)
extern int StundenUeberTZulSoll;     // hours with supply air above TZulSoll
extern int AktuellerSchritt;         // step code handed to the time step; -1 before the hour

// ---- load profile generation ----
extern double QWPStunde[8761];  // heat-pump side load of the hour, kW
extern double MWPStunde[8761];  // its mass flow, kg/s
extern double Freecoolanteil[13];
extern double Heizgradtage[366];        // index = day of the year, 0 = lag carry
extern double MonatsHeizgradtage[13];
extern double QGradtagStunde[8761];     // heating load spread by degree days, kW (ground side)
extern double Jahresbetriebsstunden;
extern int Entzugsstunden;
extern double MaxEinspeiseleistung;
extern double MaxEntzugsleistung;
extern double QSondeKuehlung;
extern double QSondeTeillast;
extern double QSondeVollast;
extern double MaxHeizleistung;
extern double MaxKuehlleistung;
extern double JahresheizlastTotal;
extern double JahreskuehllastTotal;

// ---- heat exchanger and recooler ----

// Two-stream exchanger whose arrangement is `share` counter flow and
// (1 - share) parallel flow. Side 1: mass1 kg/s, cp1 J/kgK, inlet t1; side 2
// likewise. Outlets in t1Out / t2Out, heat in kW (positive: side 1 gives heat
// to side 2). A side without flow makes the exchanger a pass-through.
void HeatExchangerCounterflowShare(double ak, double share, double mass1, double cp1, double t1,
                                   double mass2, double cp2, double t2, double& t1Out,
                                   double& t2Out, double& q);

// Effectiveness of the colder (reference) stream: transfer units n of that
// stream, ratio r = n / n(other stream), `share` counter flow (0..1).
double CounterflowShareEffectiveness(double n, double r, double share);

// One pass through the outdoor-air recooler: returns the temperature change
// of the circuit fluid (K, positive when it takes heat from the air) and its
// heat in kW in `qRecooler`.
double RecoolerHour(double cpKollektor, double massKollektor, double einRueckkuehler,
                    double rueckkuehlLeistung, double ta, double t, double& qRecooler);

// ---- weather ----

// Copies the built-in reference year (all 8761 values, index 0 included).
void StandardWetterjahrKopieren(double (&temperatur)[8761], double (&feuchte)[8761],
                                double (&strahlung)[8761]);
// Undoes OffsetAktuell and applies Offset to the three working series.
void ShiftWeatherData();
// For callers without windows (the command-line driver): the built-in year
// into the three working series, shifted by Offset (the fresh copy carries
// no offset yet, so OffsetAktuell is set to 0 before the shift).
void UseBuiltInWeather();
// Rotates hours 1..8760 left by n (hour h takes hour h + n); negative n
// rotates right. Index 0 is left alone.
void RotateHours(double (&series)[8761], int n);

// ---- solar collectors and store ----

double CollectorOrientationFactor(double tilt, double azimuth);

// One hour of the collector field at inlet temperature `inlet`; returns the
// outlet (also left in TKollektorAus). Outputs: collector heat kW, collector
// flow of the hour (also in MKollektorStunde[hour]), hot-water heat kW.
double SolarCollectorHour(bool unglazed, int hour, double inlet, double area, double eta0,
                          double coefA1, double coefB1, double coefB2, double coefBu,
                          double massKollektor, double cpKollektor, double& qKollektor,
                          double& massHour, double& qww);

// Steps the hot-water store by one hour; `charge` (kW) comes back as the heat
// the store actually took. Returns the store temperature at the end of the hour.
double SolarStoreHour(int hour, double& charge, double limit, double tCollector);

// ---- hourly plant step ----

// Couples collectors and recooler to the brine for hour Schrittzaehler.
// Does nothing unless solar or mitRueckkuehler is set.
void PlantHour();

// Clears the plant's hourly series and working values so that nothing of an
// earlier run or project leaks into a new one. Called at run start (command
// -1), not at the year jump: the collector flows of the previous year are
// meant to carry over between the years of one run.
void PlantRunStart();

// Collector flow at or below this counts as none (kg/s).
inline constexpr double kMinKollektorFluss = 0.001;

// ---- load profile generation (command -6) ----

void GenerateLoadFile(const std::string& fileName, const int (&laufzeit)[13],
                      double& jahresbetriebsstunden, int dauerLastSpitze, double qSpitzeFeb,
                      double tSink, double auslegungsentzug, double auslegungsmassenstrom);
void WriteHourlyLoadRows(LineWriter& file, int month, const int (&laufzeit)[13], double power,
                         double massFlow, int dauerLastSpitze, double qSpitzeFeb, double tSink);
void BuildHourlyLoadProfile();
void ComputeHeatingDegreeDays();

}  // namespace qeb

#include "calc/WT.h"
