// One simulated step: the bookkeeping of the step just finished (statistics,
// step-table row), the next load, the hourly records, then the ground model.
// A repeat of a step starts again from the state saved at its first pass.
// At a year end of a long run the year jump restarts the ground model with
// the averaged history of the first year.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {

double QStundeFeld1[8761];
double MassenstromFeld1[8761];
double QStundeFeld2[8761];
double TSinkVorgabe1 = 0.0;
double TSinkVorgabe2 = 0.0;
double Randmittel[11];
int AnzahlStarts = 0;
int Startstunde[8761];
bool LeistungVorgabe = true;

double QSourceMin = 0.0;
double QSourceMax = 0.0;
double SummeZusatzwaerme = 0.0;
double SummeKesselwaerme = 0.0;
double SummeNennwaerme = 0.0;
double SummeVerdichterarbeit = 0.0;
double SummePumpenenergie = 0.0;
double SummeKuehlbedarf = 0.0;
double SummeKollektorDeltaT = 0.0;
double KollektorStunden = 0.0;
double QLuftMin = 0.0;
double QLuftMax = 0.0;

namespace {

// QSource as the last step left it. Without load rows the next hour's load is
// the given one (QSourceSoll), not the result of the plant and frost limits,
// unless a caller has put a new load into QSource since.
double gQSourceNachSchritt = 0.0;
bool gQSourceNachSchrittGueltig = false;

// The state that a repeat of the step starts from.
double gSavedGrid[kMaxSegmente + 1][kMatDim];
double gSavedSoleAuf[kMaxSegmente + 1];
double gSavedSoleAb[kMaxSegmente + 1];
double gSavedBlockMittel[kMaxSegmente + 1];


bool InHours(int h) { return h >= 0 && h <= kStunden; }

// Reads an hourly series; an index outside the year reads as 0 rather than
// past the array (the row number can come from a file).
double HourValue(const double (&series)[8761], int h) { return InHours(h) ? series[h] : 0.0; }

void RestoreStepState() {
  const int n = std::clamp(DimAxi, 0, kMaxSegmente);
  const int r = std::clamp(DimRad, 0, kMaxRadial);
  for (int j = 1; j <= n; ++j)
    for (int k = 1; k <= r; ++k) TGitter[j][k] = gSavedGrid[j][k];
  for (int j = 0; j <= kMaxSegmente; ++j) {
    TSoleAuf[j] = gSavedSoleAuf[j];
    TSoleAb[j] = gSavedSoleAb[j];
    QBlockMittel[j] = gSavedBlockMittel[j];
  }
}

void Statistics() {
  if (Leistung) TSink = TSource - QSource * 1000.0 / Massenstrom / cpSole;
  TSinkMin = std::min(TSinkMin, TSink);
  TSinkMax = std::max(TSinkMax, TSink);
  QSourceMin = std::min(QSourceMin, QSource);
  QSourceMax = std::max(QSourceMax, QSource);
  if (solar && TSinkMax > MaxSondenruecklauf) TSinkMax = MaxSondenruecklauf;
  if (Frostbegrenzung && COP_Frostgrenze != 1.0) SummeZusatzwaerme += Zusatzwaerme;
  if (WP && QSource > 0.0) {
    SummeZusatzwaerme += Zusatzwaerme;
    SummeKesselwaerme += Kesselwaerme;
    SummeNennwaerme += Heizbedarf / (COP_0 - 1.0) * COP_0;
    // A COP of 1 has no finite compressor work; such an hour adds nothing.
    if (COPaktuell > 1.0) SummeVerdichterarbeit += QSource / (COPaktuell - 1.0);
    SummePumpenenergie += Sondenpumpe / 1000.0;
  }
  if (HourValue(MKollektorStunde, Zeilenzaehler) > 0.001) {
    SummeKollektorDeltaT += std::fabs(TSinkNachTauscher - TKollektorAus);
    KollektorStunden += 1.0;
  }
  if (Systemsimulation && MaxQ && InHours(Zeilenzaehler)) {
    const double q = QMaxStunde[Zeilenzaehler];
    QLuftMin = std::min(QLuftMin, q - SupplyAirFanHeat(Zeilenzaehler));
    QLuftMax = std::max(QLuftMax, q);
  }
}

void NextLoad() {
  if (readfile || MessungAn()) {
    ReadLoadRow(Zeilenzaehler, Massenstrom, TSink, QSource);
    // A saved output begins its rows with row 0, the start values of the run
    // that wrote it; row k holds hour k. The load of this hour is the next
    // row, as in a generated load file, whose rows begin at 1.
    if (Zeilenzaehler == 0 && Schrittzaehler >= 1) ReadLoadRow(Zeilenzaehler, Massenstrom, TSink, QSource);
  } else if (LeistungVorgabe && !Aufteilung && gQSourceNachSchrittGueltig && QSource == gQSourceNachSchritt)
    QSource = QSourceSoll;
  const int z = Zeilenzaehler;
  if (Aufteilung) {
    ZweitesFeld = Feld1 ? (Jahr % 2 != 0) : (Jahr % 2 == 0);
    if (ZweitesFeld) {
      QSource = HourValue(QStundeFeld2, z);
      Massenstrom = HourValue(MassenstromStunde2, z);
      TSink = TSinkVorgabe2;
    } else {
      QSource = HourValue(QStundeFeld1, z);
      Massenstrom = HourValue(MassenstromFeld1, z);
      TSink = TSinkVorgabe1;
    }
  } else if (Freecooling) {
    // Cooling hours never send brine colder than it comes back.
    const double limit = Lasteinlesen && TSinkKuehlStuendlich ? HourValue(TSinkKuehlStunde, z) : TSinkVorgabe2;
    TSink = std::max(TSource, limit);
  }
}

void HourlyRecord() {
  const int h = Schrittzaehler;
  if (Massenstrom <= 0.0001) {
    QSource = 0.0;
    TSink = TSource;
    Laufminuten = 0;
  } else {
    DeriveMissingValue();
    if (Laufminuten == 0 && std::fabs(QSource) > 0.00001) Laufminuten = 60;
  }
  TSourceStunde[h] = TSource;
  TSinkStunde[h] = TSink;
  QStunde[h] = QSource;
  if (h >= 1 && QStunde[h - 1] == 0.0 && QStunde[h] > 0.0 && (!Vorlauf || Allsteps) && AnzahlStarts < kStunden) {
    ++AnzahlStarts;
    Startstunde[AnzahlStarts] = h;
  }
}

void Bookkeeping() {
  if (!readfile) Zeilenzaehler = Schrittzaehler - 1;
  if (Schrittzaehler > 1 && (!Vorlauf || Allsteps) && Massenstrom > 0.0001) Statistics();
  if (writefile && Sprungantwort) Zeilenzaehler = Schrittzaehler - 1;

  if (StepWrite > 0 && (Schrittzaehler - 1) % StepWrite == 0) {
    if (TRTModus && !TRTOption && Schrittzaehler > TRTHeizdauer / 60.0) {
      // The simulated response test stops heating after its heating time.
      QSource = 0.0;
      Massenstrom = 0.0;
    }
    DeriveMissingValue();
    WriteCurrentStepRow(Sprungantwort && Zeitschritt == 1 && !Freecooling);
  }

  NextLoad();

  Leistung = LeistungVorgabe;
  QSourceSoll = QSource;
  if (LeistungVorgabe && Freecooling && QSource < 0.0) Leistung = false;

  if (!Systemsimulation && Freecooling && !Vorlauf && QSource < 0.0) SummeKuehlbedarf += Zeitschritt * QSource / 60.0;
  Heizbedarf = QSource;

  if (DeltaT != 0.0) TSink = TSourceVorher - DeltaT;

  if (!Systemsimulation && Schrittzaehler <= kStunden && Schrittzaehler >= 0) HourlyRecord();
}

}  // namespace

void RememberStepLoad() {
  gQSourceNachSchritt = QSource;
  gQSourceNachSchrittGueltig = true;
}

void ForgetStepLoad() { gQSourceNachSchrittGueltig = false; }

void SaveStepState() {
  // Only what RestoreStepState takes back.
  const int n = std::clamp(DimAxi, 0, kMaxSegmente);
  const int r = std::clamp(DimRad, 0, kMaxRadial);
  for (int j = 1; j <= n; ++j)
    for (int k = 1; k <= r; ++k) gSavedGrid[j][k] = TGitter[j][k];
  for (int j = 0; j <= kMaxSegmente; ++j) {
    gSavedSoleAuf[j] = TSoleAuf[j];
    gSavedSoleAb[j] = TSoleAb[j];
    gSavedBlockMittel[j] = QBlockMittel[j];
  }
}

// The ground model indexes its block history by the block number and the
// site trend by the year; a caller that runs past the run's length is
// stopped here instead of writing past those tables.
static void CheckStepInRange() {
  if (Schrittzaehler < 0 || Schrittzaehler > SchritteProJahr)
    throw CalcError("Schrittzaehler ausserhalb 0 .. SchritteProJahr / step counter out of range");
  const long long a =
      Starttemp ? Schrittzaehler : static_cast<long long>(SchritteProJahr) * (Jahr - 1) + Schrittzaehler;
  const long long blockLength = static_cast<long long>(10080 / std::max(Zeitschritt, 1)) * RepRandbed;
  if (Jahr < 1 || (blockLength > 0 && a > 0 && (a - 1) / blockLength + 1 > kMaxBloecke) ||
      (StaoGelesen && Reserve27 && Jahr > kMaxStandortJahre))
    throw CalcError("Simulationsdauer zu lang / run too long for the block history");
}

void SimulateHour(int& code) {
  CheckStepInRange();
  if (code == 0)
    SaveStepState();
  else
    RestoreStepState();
  if (code == 0) Bookkeeping();
  StepProbeModel(code, Schrittzaehler, SchrittImBlock);
}

void YearJump() {
  if (LastYear <= 3) return;
  // Mean block load of the first year per segment: the history the ground has
  // seen, spread evenly over the years that are jumped.
  auto averageHistory = [] {
    const int blocks = RepRandbed > 0 ? 52 / RepRandbed : 0;
    for (int i = 0; i <= kMaxSegmente; ++i) Randmittel[i] = 0.0;
    const int n = std::clamp(DimAxi, 0, kMaxSegmente);
    for (int i = 1; i <= n; ++i) {
      double s = 0.0;
      for (int b = 1; b <= blocks; ++b) s += QHistorie[i][b];
      Randmittel[i] = blocks > 0 ? s / blocks : 0.0;
    }
  };
  if (Jahr == 2) {
    if (!LeistungVorgabe) {
      averageHistory();
      Jahr = (LastYear / 3) * 2;
      InitSimulation(Jahr - 1, Randmittel);
      SaveStepState();
      Jahr = LastYear - 1;
    } else {
      Jahr = LastYear;
    }
  }
  if (Jahr == LastYear) {
    averageHistory();
    InitSimulation(Jahr - 1, Randmittel);
    SaveStepState();
  }
}

}  // namespace qeb
