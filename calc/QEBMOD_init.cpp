// Run initialisation: refuses inputs the run cannot use, clears everything a
// previous run left, derives the run's fixed quantities and sets up the
// ground model. Command -1 calls it for a new run, the year jump again with
// a later start year and the averaged history of the first year.
#include <climits>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {

double WWZapfStunde[25];
bool SchichtLambdaDirekt = true;
bool TSinkKuehlStuendlich = false;
int Betriebsstunden = 0;
double ZeitVerlauf[1001];
double GrafikVerlauf[7][3001];
double gFeld1[kMaxSonden + 1];
double gFeld2[kMaxSonden + 1];
double gFeld3[kMaxSonden + 1];
double gFeld4[kMaxSonden + 1];
double gFeld5[kMaxSonden + 1];

namespace {

[[noreturn]] void Refuse(const std::string& what) { throw CalcError(" Eingabe ung\xFCltig  /  invalid value : " + what); }
// A refused value of one key; `reason` says what the value must be.
[[noreturn]] void Refuse(const std::string& key, double value, const std::string& reason) {
  throw CalcError(" Eingabe ung\xFCltig  /  invalid value : " + key + " " + reason, key, value, reason);
}

// Superposition blocks of `years` years of `stepsPerYear` steps.
long long BlocksOf(long long years) {
  const long long minutes = years * static_cast<long long>(SchritteProJahr) * Zeitschritt;
  return minutes / (static_cast<long long>(RepRandbed) * 10080) + 1;
}

// Replaces the step-table headers that the plant options change; the
// defaults of command -3 stay where no case applies.
void ChooseStepTableHeaders() {
  const char* deg = "\xB0";
  auto H = [](std::initializer_list<std::string> cols) {
    std::string s;
    for (const auto& c : cols) {
      if (!s.empty()) s += '\t';
      s += c;
    }
    return s;
  };
  const std::string C = std::string("[") + deg + "C]";
  const std::string head = "Step";
  if (!solar && mitRueckkuehler) {
    if (Freecooling)
      KopfzeileSolar = H({head, "M [kg/s]", "TSink max " + C, "Qsoll [kW]", "TSource " + C, "Ta " + C, "Gk [MJ/m2]",
                          "TMonitor", "p [Pa]", "laminar?", "Q Sonden eff [kW]", "TSink eff " + C,
                          "Q Rueckkuehler [kW]"});
    else
      KopfzeileSolar = H({head, "M [kg/s]", "TSink" + C, "Q Sonden [kW]", "TSource " + C, "Ta " + C, "Gk [MJ/m2]",
                          "TMonitor", "p [Pa]", "laminar?", "Q Rueckkuehler [kW]"});
  }
  if (!solar && Freecooling) {
    std::vector<std::string> cols = {head,     "M [kg/s]", "TSink max " + C, "Qsoll [kW]", "TSource " + C,
                                     "TMonitor", "p [Pa]",  "laminar?",       "Qeff [kW]",  "TSink eff " + C};
    if (Rueckkuehlung) cols.push_back("Q Rueckkuehl [kW]");
    std::string s;
    for (const auto& c : cols) s += (s.empty() ? "" : "\t") + c;
    Kopfzeile = s;
  }
  if (solar && Freecooling) {
    std::vector<std::string> cols = {head,          "M [kg/s]", "TSink max " + C, "Qsoll [kW]",
                                     "TSource " + C, "Ta " + C,   "Gk [MJ/m2]",     "TMonitor",
                                     "p [Pa]",       "laminar?", "Qeff [kW]",      "TSink eff " + C};
    if (Rueckkuehlung) cols.push_back("Q Rueckkuehl [kW]");
    cols.push_back("QKollektor [kW]");
    if (WWsolar) cols.push_back("QwwSolar [kW]");
    std::string s;
    for (const auto& c : cols) s += (s.empty() ? "" : "\t") + c;
    KopfzeileSolar = s;
  }
}

int YearlyOperatingHours() {
  if (Systemsimulation) return 0;
  if (Durchschnittsentzug) return 8760;
  // In 64 bits: the hours and days come from the project and may be anything
  // an int holds; a day has at most 24 hours, February at most 28 peak days.
  long long h = 0;
  for (int m = 1; m <= 12; ++m)
    if (Laufzeit[m] > 0) h += static_cast<long long>(DaysOfMonth(m)) * Laufzeit[m];
  h += (24LL - Laufzeit[2]) * DauerLastSpitze;
  return static_cast<int>(std::clamp<long long>(h, INT_MIN, INT_MAX));
}

void ClearSums() {
  SummePumpenenergie = 0.0;
  SummeZusatzwaerme = 0.0;
  SummeKesselwaerme = 0.0;
  SummeNennwaerme = 0.0;
  SummeVerdichterarbeit = 0.0;
  QKaeltemaschineJahr = 0.0;
  SummeKuehlbedarf = 0.0;
  KuehlbedarfSumme = 0.0;
  KreisEnergieSumme = 0.0;
  QKuehlSumme = 0.0;
  QHeizSumme = 0.0;
  QFreecoolingSumme = 0.0;
  for (int m = 0; m <= 12; ++m) {
    QHeizMonat[m] = 0.0;
    QKuehlMonat[m] = 0.0;
  }
  QSourceMax = 0.0;
  QSourceMin = 0.0;
  QLuftMax = 0.0;
  QLuftMin = 0.0;
}

}  // namespace

std::string TemporaryOutputName(const std::string& target) { return target + ".tmp"; }

void ValidateRunInputs() {
  // The grid holds at most 10 axial segments and 12 radial cells.
  if (DimAxi > kMaxSegmente) throw CalcError("DimAxi > DimAxiMax !");
  if (DimRad > kMaxRadial) throw CalcError("DimRad > DimAxiRad !");
  if (DimAxi < 1) Refuse("DimAxi", DimAxi, "< 1");
  if (DimRad < 2) Refuse("DimRad", DimRad, "< 2");
  if (Zeitschritt <= 0 || Zeitschritt > 10080) Refuse("Zeitschritt", Zeitschritt, "(1 .. 10080 min)");
  if (RepRandbed <= 0) Refuse("RepRandbed", RepRandbed, "<= 0");
  if (SchritteProJahr <= 0) Refuse("SchritteProJahr <= 0");
  if (StepWrite <= 0) Refuse("StepWrite <= 0");
  if (TEarth && stepWrite_TEarth <= 0) Refuse("stepWrite_TEarth <= 0");
  if (AnzahlSonden <= 0) Refuse("AnzahlSonden", AnzahlSonden, "<= 0");
  if (!(cpSole > 0.0)) Refuse("cpSole", cpSole, "<= 0");
  if (!(Genauigkeit > 0.0)) Refuse("Genauigkeit", Genauigkeit, "<= 0");
  if (WP && !(COP_0 > 1.0)) Refuse("COP_0", COP_0, "<= 1");
  if (MonitorAxi < 1 || MonitorAxi > DimAxi) Refuse("MonitorAxi (1 .. DimAxi)");
  if (MonitorRad < 0 || MonitorRad > DimRad + 1) Refuse("MonitorRad (0 .. DimRad + 1)");
  if (LastYear > kMaxStandortJahre) Refuse("LastYear", LastYear, "> 600");
  // The steps of a year must start within the year: the hourly tables, the
  // weather and the step table hold the hours 0..8760.
  if (static_cast<long long>(SchritteProJahr - 1) * Zeitschritt >= 60LL * kStunden)
    Refuse("numrows * Zeitschritt > 1 Jahr / 1 year (SchritteProJahr)");
  // Step-table rows that carry hourly values (weather, collector, recooler,
  // free cooling, system simulation, measured rows) are indexed by the row
  // number, which runs up to the steps of a year; rows of the step response
  // with hourly steps come from the traces, which hold 3000 entries.
  if (writefile && (solar || mitRueckkuehler || Freecooling || Systemsimulation || MesswerteSpeichern) &&
      SchritteProJahr > kStunden)
    Refuse("numrows > 8760 mit Stundenwerten (solar, Rueckkuehler, Freecooling, Systemsimulation)  /  with hourly "
           "values");
  if (writefile && Sprungantwort && Stundensprung && SchritteProJahr >= kVerlaufMax)
    Refuse("numrows > 2999 mit Sprungantwort und Stundensprung  /  with step response and hourly step");
  // The block history of a segment holds 10600 blocks. Without Starttemp the
  // block number counts over every year of the run (and its pre-run); with
  // it the ground model counts the blocks of the running year only.
  const long long years =
      Starttemp ? 1
                : static_cast<long long>(std::max(LastYear, 1)) + (Lastprofil ? std::max(JahreEinschwingen, 0) : 0) + 1;
  if (BlocksOf(years) > kMaxBloecke) Refuse("Simulationsdauer / RepRandbed: > 10600 Bloecke");
  if (writefile && SameFile(Outputfile, Inputfile))
    throw CalcError(" Ausgabefile = Eingabefile !  /  output file = input file ! : " + Outputfile);
  // Every value may lie in its range while the pipes together leave no bore
  // (a wall as thick as half the diameter): the flow then has no area and the
  // probe's pressure drop, shown and written with the run, is infinite.
  double total = 0.0;
  const double dp = CircuitPressureDropAt(Auslegungsmassenstrom / AnzahlSonden, Sondenlaenge, nullptr, &total);
  if (!std::isfinite(dp) || !std::isfinite(total))
    Refuse("Druckabfall unendlich  /  infinite pressure drop");
}

void InitSimulation(int startYear, const double (&history)[11]) {
  ValidateRunInputs();
  ValidateProbeModelInput();
  if (startYear == 0) {
    // A new run inherits nothing of the one before.
    Jahr = 1;
    Schrittzaehler = 0;
    Zeilenzaehler = 0;
    ForgetStepLoad();
    PlantRunStart();
  }

  Druckverlust = CircuitPressureDropAt(Auslegungsmassenstrom / AnzahlSonden, Sondenlaenge, &laminar);

  QHeizSumme = 0.0;
  QKuehlSumme = 0.0;
  QFreecoolingSumme = 0.0;
  Kaelteleistung = 0.0;
  KaeltemaschineAktiv = false;
  QRueckkuehler = 0.0;

  for (int h = 1; h <= 24; ++h) WWZapfStunde[h] = WW_Bedarf / 365.0 * WWTagesprofil[h] / 4.2 / 50.0 * 3600.0;

  if (!Grundwasser)
    for (int k = 1; k <= 20; ++k) lambdaErde_effSegment[k] = SchichtLambdaDirekt ? lambdaErde[k] : lambdaErdeSchicht[k];

  for (int t = 0; t < 7; ++t) {
    const double v = t < 3 ? 0.0 : (t < 5 ? 9999.0 : -9999.0);
    for (int i = 0; i <= 3000; ++i) GrafikVerlauf[t][i] = v;
  }
  SummeKollektorDeltaT = 0.0;
  KollektorStunden = 0.0;

  if (MinDeckungFreecooling >= 0.95) MinDeckungFreecooling = 0.95;
  if (MinDeckungFreecooling <= 0.0) MinDeckungFreecooling = 0.0;

  // The routine works on its own copy; a new run starts without history.
  double hist[kMaxSegmente + 1];
  for (int i = 0; i <= kMaxSegmente; ++i) hist[i] = startYear == 0 ? 0.0 : history[i];

  CloseTEarthFile();
  WriteTEarthHeader();

  for (int h = 0; h <= kStunden; ++h) {
    QwwSolarStunde[h] = 0.0;
    QKollektorStunde[h] = 0.0;
    QRueckkuehlStunde[h] = 0.0;
  }

  if (Sondengrafik) {
    g1 = FieldNeighbourInfluence(Zaehler, gFeld1, 4.82, 4.95, Sondenlaenge);
    g2 = FieldNeighbourInfluence(Zaehler, gFeld2, 5.69, 5.94, Sondenlaenge);
    g3 = FieldNeighbourInfluence(Zaehler, gFeld3, 6.29, 6.53, Sondenlaenge);
    g4 = FieldNeighbourInfluence(Zaehler, gFeld4, 6.57, 6.77, Sondenlaenge);
    g5 = FieldNeighbourInfluence(Zaehler, gFeld5, 6.6, 6.79, Sondenlaenge);
    if (Zaehler > 150 && g5 > 135.0) {
      g2 = std::min(g2, g5 / 2.7);
      g1 = std::min(g1, g5 / 27.0);
    }
    g_Sondenabstand = Sondenabstand;
  }

  // A load profile runs in hours; the model's sub-steps must be built for
  // that step length, so it is fixed before the set-up.
  if (Lastprofil) Zeitschritt = 60;

  const double dt = PrepareProbeModel(startYear, hist);

  VerlaufSchritte = subdt > 0 ? 1000 / subdt : 0;
  for (int i = 0; i <= 1000; ++i) TSourceVerlauf[i] = 0.0;
  ZeitVerlauf[0] = 0.0;
  for (int i = 1; i <= 1000; ++i) ZeitVerlauf[i] = (i - 1) * dt + dt / 2.0;

  double total = 0.0;
  DruckabfallSonde = CircuitPressureDropAt(Auslegungsmassenstrom / AnzahlSonden, Sondenlaenge, nullptr, &total);
  AuslegungsDruckabfall_Sondenkreis = total;

  // A restart of the year jump keeps the run's own mode: at a year end
  // Leistung is the last hour's, and a cooling hour of a power-driven run with
  // free cooling runs on its sink temperature.
  if (startYear == 0) LeistungVorgabe = Leistung;
  ChooseStepTableHeaders();
  Betriebsstunden = YearlyOperatingHours();

  ClearSums();
  // The ventilation plant's yearly sums and its hour counter.
  QWRGSumme = 0.0;
  QKaeltemaschineSumme = 0.0;
  StundenUeberTZulSoll = 0;

  if (Lastprofil) MonthlyRunHours();

  AnzahlStarts = 0;
  for (int h = 0; h <= kStunden; ++h) {
    TSourceStunde[h] = 0.0;
    TSinkStunde[h] = 0.0;
    QStunde[h] = 0.0;
    Startstunde[h] = 0;
    QFreecoolingStunde[h] = 0.0;
  }

  Auslegungsdruck = DruckabfallSonde;
}

}  // namespace qeb
