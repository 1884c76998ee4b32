// The calculation module: shared simulation state, defaults, files and the
// command entry. Every parameter is a global named by its project-file key;
// the windows read and write them directly.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "calc/QEBMOD_state.h"

namespace qeb {

// The one error the module raises. The message is the text the windows show,
// in Windows-1252 like every text of the module.
class CalcError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  // A value of the shared state refused: the key it is stored under
  // ("Sondenlaenge", "Laufzeit[3]"), the value and why it is refused ("ausserhalb
  // / outside 0 .. 10000"). The windows name the field the value was typed into
  // rather than the key.
  CalcError(const std::string& what, std::string key, double value, std::string reason)
      : std::runtime_error(what), key(std::move(key)), value(value), reason(std::move(reason)) {}
  std::string key;  // empty for every other error
  double value = 0.0;
  std::string reason;
};

// Hours of the simulated year plus index 0 for start values.
inline constexpr int kStunden = 8760;
inline constexpr int kStundenArray = kStunden + 1;
inline constexpr int kMaxSonden = 600;
inline constexpr int kLabelCount = 2000;
inline constexpr int kLabelBytes = 100;

// ---- state declared here in addition to the generated dictionary ----

// Label of every project-file line, 1..2000 (entry n labels line n).
extern std::string Labeltabelle[kLabelCount + 1];

// Rock and soil table, rows 1..40 (1..30 replaceable from "geologie.qeb").
extern std::string Erdname[41];
extern double Erdlambda[41];
extern double Erdcp[41];
extern double Erdrho[41];

// Effective ground conductivity per axial segment, 1..20, as the ground model
// reads it. The project file keeps the per-layer values in lambdaErde_eff; the
// segments take them one to one unless the windows spread layered ground onto
// them (commands -3 and -2 reset the one-to-one copy).
extern double lambdaErde_effSegment[21];
void SegmentsTakeLayerConductivities();

// Hourly series filled by command -3.
extern double Lueftungsprofil[kStundenArray];
extern double TRLStunde[kStundenArray];
extern double TSpeicherStunde[kStundenArray];

// Site temperature change per borehole and per year (index 0..600).
extern double dTStaoSonde[kMaxSonden + 1];
extern double TStandortJahr[kMaxSonden + 2];  // up to 602 site rows, 0..601

// Measured temperature files and response-test tables kept for the windows.
extern double TempFileWerte1[3][2001];
extern double TempFileWerte2[3][2001];
extern double TRTFeld1[11][121];
extern double TRTFeld2[11][121];
extern double TRTFeld3[11][121];
extern double TRTFeld4[11][121];
extern double TRTFeld5[11][121];

// The windows' descriptions name some module variables differently:
//   Konvergenzstatus = Rechenstatus, AlphaProSchritt = alpha_pro_Schritt,
//   EinzelSonde = Einzelsonde, GeologieGeladen = GeologieGelesen,
//   AnzahlNachbarsonden = Anz_Nachbarsonden, mitWWPrio = WWPrio,
//   Laminar = laminar,
//   Orientierungsfaktor = KollektorFaktor, QRueckkuehlerStunde = QRueckkuehlStunde.

// ---- registry of the dictionary, for tests and tools ----
enum class VarType { Double, Int, Bool, String };
struct StateVar {
  const char* key;
  VarType type;
  void* ptr;      // scalar, or the first element of the array
  int lo, hi;     // array index range as stored; 0,0 for a scalar
  bool notReset;  // command -3 leaves it unchanged
};
const std::vector<StateVar>& StateRegistry();

// ---- defaults (command -3) ----
void ApplyDictionaryDefaults();  // the plain constants of the dictionary
void SetDefaults();
int FileVersionFromLine(const char* versionLine);
void ResetToDefaults();
void FillLabelTable();
void FillRockTable();

// Version line of the project file; FileVersion is read from it.
inline constexpr const char* kVersionszeile = "28.0 Version des Ausgabefiles, Programm QEB";

}  // namespace qeb

// The module's routines, declared by the files that implement them.
#if __has_include("calc/QEBMOD_data.h")
#include "calc/QEBMOD_data.h"      // calendar, data files
#endif
#if __has_include("calc/QEBMOD_file.h")
#include "calc/QEBMOD_file.h"      // project file, step table, ground temperature file
#endif
#if __has_include("calc/QEBMOD_run.h")
#include "calc/QEBMOD_run.h"       // command entry, run, services
#endif
#if __has_include("calc/QEBMOD_plant.h")
#include "calc/QEBMOD_plant.h"     // plant, weather, load profile
#endif
