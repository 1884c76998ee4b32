// Calendar of the simulated year and the optional data files of the module:
// the rock and soil table, the site temperature file and the ground layer
// table of command -5. Included through calc/QEBMOD.h.
#pragma once

#include <string>

namespace qeb {

// ---- calendar: 365 days, 8760 hours, February always 28 days ----

// Days of month 1..12; raises CalcError for any other month.
int DaysOfMonth(int month);
// First hour (1-based) of month 1..12 in the 8760-hour year. Month 13 gives
// 8761, the hour after the year, so that FirstHourOfMonth(m + 1) - 1 is the
// last hour of every month m. Raises CalcError for any other month.
int FirstHourOfMonth(int month);
// Daily run hours of the heat pump per month (`Laufzeit`[1..12]) from the
// annual run hours `Jahreslaufzeit`, with or without hot water (`Warmwasser`).
void MonthlyRunHours();
// a when a < b, else b (so equal arguments return b).
double SmallerOf(double a, double b);
// a when a > b, else b (so equal arguments return b).
double LargerOf(double a, double b);

// ---- data files, all named relative to the current directory ----

inline constexpr const char* kGeologieFile = "geologie.qeb";
inline constexpr const char* kStaoDefaultFile = "stao.qeb";
inline constexpr const char* kSwqebScratchFile = "test.swqeb";

// Rows of the rock table that "geologie.qeb" may replace.
inline constexpr int kGeologyRows = 30;
// Data rows of the ground layer table that are stored (one more is added).
inline constexpr int kGroundLayerRows = 21;

// Length of one axial segment of the probe model, `Sondenlaenge` / `DimAxi`.
extern double Segmentlaenge;

// True when `name` is not empty and names a regular file that opens for
// reading; the file is closed again at once and nothing is reported.
bool FileCanBeOpened(const std::string& name);

// Replaces rows 1..30 of the rock table (`Erdname`, `Erdlambda`, `Erdrho`,
// `Erdcp`) from "geologie.qeb". False, with the table untouched, when the file
// is missing or holds no material row.
bool ReadGeologyFile();

// Reads the site temperature file into `TStandortJahr` and sets `TStandort50`,
// `StaoGelesen` (and `StaoFehlt` when a project's own file is missing).
// Returns `StaoGelesen`. Never raises: a missing or unreadable file leaves the
// yearly values as they were. The first form reads the file named by `StaoFile`.
// Why the last rock table or site file that was found was not used (a value
// outside its range, with file, line, value and range); the windows show it.
extern std::string DatenfileFehler;

bool ReadLocationFile();
bool ReadLocationFile(const std::string& name);

// Command -5: reads the ground layer table named by `SwqebFile` (normalised in
// memory; the normalised text is also left in "test.swqeb") and sets the
// per-segment ground properties, their means and, with more than one layer,
// `TGrad`, `Jahresmitteltemp`, `Bodenerwaermung` and `TErdoberflaeche`.
// Raises CalcError (with the state unchanged) when the table is missing,
// unreadable, holds no layer or a layer whose conductivity, heat capacity or
// density is not above 0, or the probe grid is invalid.
void ReadGroundLayerTable();
inline void ReadPropertyTable() { ReadGroundLayerTable(); }

}  // namespace qeb
