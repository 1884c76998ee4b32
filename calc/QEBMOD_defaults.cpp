// Command -3: every variable of the dictionary to its default, in the order in
// which later values are derived from earlier ones.
#include <cctype>
#include <cstring>

#include "calc/QEBMOD.h"

namespace qeb {

std::string Labeltabelle[kLabelCount + 1];
std::string Erdname[41];
double Erdlambda[41];
double Erdcp[41];
double Erdrho[41];
double Lueftungsprofil[kStundenArray];
double TRLStunde[kStundenArray];
double TSpeicherStunde[kStundenArray];
double dTStaoSonde[kMaxSonden + 1];
double TStandortJahr[kMaxSonden + 2];
double TempFileWerte1[3][2001];
double TempFileWerte2[3][2001];
double TRTFeld1[11][121];
double TRTFeld2[11][121];
double TRTFeld3[11][121];
double TRTFeld4[11][121];
double TRTFeld5[11][121];

namespace {

// The leading digits of `s` from `from` on, as the version line is read:
// the digits before the first character that is no digit, 0 when none.
int LeadingNumber(const char* s, size_t from, size_t count) {
  int v = 0;
  size_t n = std::strlen(s);
  for (size_t i = from; i < from + count && i < n; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) break;
    v = v * 10 + (s[i] - '0');
  }
  return v;
}

std::string JoinTabs(std::initializer_list<const char*> cols) {
  std::string s;
  bool first = true;
  for (const char* c : cols) {
    if (!first) s += '\t';
    s += c;
    first = false;
  }
  return s;
}

template <size_t N, size_t M>
void Clear2D(double (&a)[N][M]) {
  for (auto& row : a)
    for (double& v : row) v = 0.0;
}

}  // namespace

int FileVersionFromLine(const char* versionLine) {
  int first = LeadingNumber(versionLine, 0, 1);
  int second = LeadingNumber(versionLine, 1, 2);
  if (second >= 1 && second <= 9) return 10 * first + second;
  return first;
}

void SetDefaults() {
  // 1. State of the reader, the run and the plant that the windows also set:
  // a project opened before must not leave its measured-value mode, its
  // response-test heating time or its layer choice behind. Weather sums: 1.0
  // stands for the built-in weather year.
  ResetFileState();
  TRTHeizdauer = 5760.0;
  SchichtLambdaDirekt = true;
  KollVerlustAnteil = 0.1;
  SummeGlobalstrahlung = 1.0;
  SummeAussentemperatur = 1.0;

  // 2.-11. The plain constants of the dictionary (hot-water day profile, grid,
  // fluid, fill, ground, layers 1..20, probe, simulation control, loads, plant).
  ApplyDictionaryDefaults();

  // 3. File version from the version line.
  FileVersion = FileVersionFromLine(kVersionszeile);

  // 5. Layers end at 30, 60, ..., 600 m.
  Schicht[0] = 0.0;
  for (int i = 1; i <= 20; ++i) Schicht[i] = Schicht[i - 1] + 30.0;

  // 6. One borehole is a single probe.
  AnzahlSonden = 1;
  Einzelsonde = true;

  // 8. Start of the temperature profile and its two default points.
  TErdoberflaeche = Jahresmitteltemp + Bodenerwaermung;
  for (int i = 0; i <= 30; ++i) {
    zTProfil[i] = 0.0;
    TProfil[i] = 0.0;
  }
  zTProfil[1] = 100.0;
  zTProfil[2] = 300.0;
  for (int i = 1; i <= 2; ++i) TProfil[i] = TErdoberflaeche + zTProfil[i] * TGrad;

  // 9. File names.
  Inputfile = "input.qeb";
  Inputfile2 = "input.qeb";
  Outputfile = "Ausgabe.qeb";
  SwqebFile = "swqeb.dat";

  // 10. Steps of one simulated year.
  SchritteProJahr = Simulationsdauer * 60 / Zeitschritt;

  // 11. Values computed from the probe geometry.
  Innenrohrdurchmesser = 0.7071 * Sondendurchmesser;
  Auslegungsentzug = QSource;
  BuMin = Sondendurchmesser;
  BuMax = Bohrdurchmesser - Sondendurchmesser;
  Bu = BuMin + 0.85 * (BuMax - BuMin);
  BuRelativ = Bu / Bohrdurchmesser;

  // 12. Titles.
  Projekttitel1 = "Programm QEB, Ver 5.6 mit Default-Werten";
  Projekttitel2 = "Projekt Erdwaermesonden";
  Projekttitel3.clear();
  Projekttitel4.clear();

  // 13. Hourly series and the ventilation schedule.
  for (int h = 0; h < kStundenArray; ++h) {
    Lueftungsprofil[h] = 1.0;
    TRLStunde[h] = TRL20;
    TSpeicherStunde[h] = TKaltwasser;
  }
  for (int i = 10; i <= 39; ++i) LF[i] = 1.0;
  for (int i = 1; i <= 7; ++i) LFNr[i] = 1;

  // 14. Ground material choices and the built-in rock and soil table.
  for (int i = 1; i <= 10; ++i) Erdauswahli[i] = 0;
  FillRockTable();

  // 15. A rock table file replaces rows 1..30 when it exists.
  GeologieGelesen = ReadGeologyFile();

  // 16. Site temperatures; the site file is read under the name the previous
  // project left (the default name is set only in step 19).
  for (double& v : dTStaoSonde) v = 0.0;
  for (double& v : TStandortJahr) v = 0.0;
  StaoGelesen = false;
  StaoGefunden = ReadLocationFile(StaoFile);
  Reserve27 = false;

  // 17. Monthly energies follow from the shares once; they are inputs afterwards.
  for (int m = 1; m <= 12; ++m) {
    Heizlast[m] = Heizanteil[m] * Jahresheizlast;
    Kuehllast[m] = Kuehlanteil[m] * Jahreskuehllast;
    Freecool[m] = Kuehlanteil[m] * JahresFreecooling;
    KuehlanteilProfil[m] = Kuehlanteil[m];
  }
  for (int i = 1; i <= kMaxSonden; ++i) {
    SondeX[i] = 0.0;
    SondeY[i] = 0.0;
  }
  for (int i = 0; i <= kMaxSonden; ++i) Nachbarsonde[i] = false;
  Zaehler = 0;

  // 18. Address and measured values.
  Projektort.clear();
  Projektstrasse.clear();
  Clear2D(TempFileWerte1);
  Clear2D(TempFileWerte2);
  Clear2D(TRTFeld1);
  Clear2D(TRTFeld2);
  Clear2D(TRTFeld3);
  Clear2D(TRTFeld4);
  Clear2D(TRTFeld5);

  // The second system dialog's first "Lastprofil WP" calculates the plant year.
  System2Erstlauf = true;

  // 19. Default site temperature file.
  StaoFile = "stao.qeb";

  // 20. Labels of the project file and the step-table headers.
  FillLabelTable();
  Kopfzeile = JoinTabs({"Step", "M [kg/s]", "TSink", "Q [kW]", "TSource", "TMonitor", "p [Pa]", "laminar?"});
  KopfzeileAnlage = JoinTabs({"Step", "M [kg/s]", "TSink", "Q [kW]", "TSource", "Ta [\xB0""C]", "RH [%]",
                              "Gk [W/m2]", "TZul [\xB0""C]", "TVL [\xB0""C]", "TRL [\xB0""C]",
                              "rel. Luftmenge [-]", "QMax [kW]", "QKollektor [kW]"});
  KopfzeileAnlageWP = JoinTabs({"Step", "M [kg/s]", "TSink", "Q [kW]", "TSource", "Ta [\xB0""C]", "RH [%]",
                                "Gk [W/m2]", "TZul [\xB0""C]", "TVL [\xB0""C]", "TRL [\xB0""C]",
                                "rel. Luftmenge [-]", "QMax [kW]", "M WP [kg/s]", "Q WP [kW]",
                                "QKollektor [kW]"});
  KopfzeileSolar = JoinTabs({"Step", "M [kg/s]", "TSink", "Q [kW]", "TSource", "Ta [\xB0""C]", "Gk [MJ/m2]",
                             "TMonitor", "p [Pa]", "laminar?", "QKollektor [kW]"});
  SegmentsTakeLayerConductivities();
}

void ResetToDefaults() { SetDefaults(); }

double lambdaErde_effSegment[21]{};
void SegmentsTakeLayerConductivities() {
  for (int k = 0; k <= 20; ++k) lambdaErde_effSegment[k] = lambdaErde_eff[k];
}

}  // namespace qeb
