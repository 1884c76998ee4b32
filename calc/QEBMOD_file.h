// The project file (parameter input, calculation output and saved project in
// one layout), the step table appended to it during a run, the ground
// temperature file "TEarth.qeb" and the hourly load rows read back per step.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/QEBMOD_state.h"
#include "calc/TextIO.h"

namespace qeb {

// ---- open files of a run ----
extern LineWriter AusgabeText;  // output file, open from the header writer to the run finish
extern LineWriter TEarthText;   // "TEarth.qeb", open while TEarth is on
extern LineReader Eingabedatei;  // project file being read; after the reader it stands at the first hourly row

// ---- hourly series that the reader and the load rows fill (index = hour 1..8760, 0 spare) ----
extern double MassenstromStunde[8761];
extern double QLastStunde[8761];
// The sink temperatures of the stored rows as the reader took them. Every run
// clears `TSinkStunde` and records its own sink temperature there, so a
// project saved with its measured hours takes them from here.
extern double TSinkMessungStunde[8761];
extern double TSinkKuehlStunde[8761];
extern double QMaxStunde[8761];

// ---- reader and measured-value state ----
extern int MessungJahre;           // years of measured hourly values (1 after command -3)
extern bool MessungEinlesen;       // measured rows still have to be taken from the file (TRUE after -3)
extern double MessungAlt;          // Messung on entry of the reader
extern bool ProjektOeffnen;        // set by the input window only around its open command
extern bool BeispielModus;         // set only while a built-in example project is read
extern std::string GeoeffneteDatei;  // project file the user opened last
extern std::string SpracheFile;    // language letter of the last file read
extern bool WetterGeladen;         // weather rows were taken from the project file
extern int Reserve18Schalter;      // written as Reserve18 (1.0 when it equals 1)
extern int Reserve19Schalter;      // written as Reserve19
extern bool MesswerteSpeichern;    // the save handler writes measured rows in place of the run's
extern bool ErstesJahrWiederholen;  // later years re-use the first year's rows (TRUE after -3)

// `Messung` holds the number of its project-file line; the option is on
// whenever that number is not below 0.99.
inline bool MessungAn() { return Messung >= 0.99; }
inline void SetMessung(bool on) { Messung = on ? (MessungJahre > 1 ? double(MessungJahre) : 1.0) : 0.0; }

// Site offsets: the national grid coordinates of the site point (below).
extern double StaoOffsetX;
extern double StaoOffsetY;

// The one routine for the national grid coordinates of the site point, used by
// the field editor, the site temperature export and the file reader. With a
// reference point placed (x_Ref and y_Ref above 0.01): x_CH_Koord - x_Ref +
// x_Stao and, the grid's north being up and the plan's y down, y_CH_Koord +
// y_Ref - y_Stao; otherwise the plan coordinates x_Stao, y_Stao.
void StaoLandeskoordinaten(double& x, double& y);

// Defaults of the variables above (command -3 calls it).
void ResetFileState();

// ---- number formatting of the module's files ----

// The 23-character exponent form: sign place, one digit, ".", 14 digits,
// "E", exponent sign, four exponent digits (" 1.85000000000000E+0002").
// Raises CalcError for a value that is not finite.
std::string FormatExp(double x);

// ---- project file layout ----

enum class Fmt {
  E,       // real, exponent form
  F1,      // real, one decimal
  F3,      // real, three decimals
  I,       // integer
  R,       // real written rounded as an integer
  B,       // TRUE / FALSE
  T,       // text as stored
  BoolNum,  // boolean written as the real 1.0 / 0.0
  BoolInt   // boolean written as the integer 1 / 0
};

// How a number read back becomes a boolean or an integer.
enum class Conv { Plain, AtLeast099, Exactly1, Above01, Round, Trunc };

struct Field {
  Fmt fmt;
  void* ptr;         // double*, int*, bool* or std::string* by fmt (R: double*)
  std::string key;   // key text of this value
  Conv conv = Conv::Plain;
  bool intIsReal = false;  // int target written as I but read as a real and converted by conv
};

enum class LineKind { Version, Text, Param, Multi, Probe, Line298, Header };

// What the reader does with a line that a file version lacks.
enum class Below {
  Absent,  // the line is not in the file: nothing is consumed
  Skip,    // the line is there and passed over
  SkipTo   // lines are passed over until the line counter reaches `skipTo`
};

struct LineSpec {
  int line = 0;
  LineKind kind = LineKind::Param;
  std::vector<Field> fields;
  std::string keyText;  // as written after the label

  // Reading: the line is read from version `minVersion` on; below it `below`
  // applies. With `cond` false (or `never`) a present line is passed over.
  int minVersion = 0;
  Below below = Below::Absent;
  int skipTo = 0;
  bool never = false;
  bool (*cond)() = nullptr;
  // Number of leading fields stored for a version (0: the line is passed
  // over); null means all of them.
  int (*count)(int version) = nullptr;
  // Conversions after the values of the line were stored; n = fields read.
  void (*after)(int version, int n) = nullptr;
};

// The 1001 lines of the current layout, index = line number (entry 0 unused).
const std::vector<LineSpec>& ProjectLayout();

// Label written on a line (entry n of Labeltabelle, composed for 799..898).
std::string LayoutLabel(int line);

// Text written for a line of the current state (without line end).
std::string FormatLayoutLine(const LineSpec& layout);

// ---- plausible ranges of the numbers the file holds ----

struct ValueRange {
  double lo, hi;
};

// Range of the value stored under `key` (an array element's key names its
// array: "Laufzeit[3]"); null for a key without a number.
const ValueRange* RangeOf(std::string_view key);

// Empty when `value` is finite and lies in the range of `key`, else the text
// that says why not (the value and the allowed range).
std::string RangeViolation(std::string_view key, double value);
// The same without the value: "ausserhalb / outside 0 .. 10000".
std::string RangeReason(std::string_view key, double value);

// Number as a range message shows it.
std::string FormatRangeNumber(double x);

// Checks every number of the layout as the shared state holds it (values the
// windows set bypass the reader); raises CalcError naming the key and value.
void CheckProjectValues();

// ---- writer ----

// Creates `fileName` as AusgabeText, writes the 1001 header lines and leaves
// the file open. The two counts are written on lines 85 and 75.
void WriteOutputHeader(const std::string& fileName, int& zeitschritt, int& schritteProJahr);

// Column header of line 1001 chosen by the plant options.
const std::string& StepTableHeader();

// ---- step table and ground temperature file ----

void WriteStepRow(int& zeilenzaehler, double& m, double& tSink, double& q, double& tSource, double& tMonitor,
                  double& p, double& qk, bool laminarFlow, bool systemsimulation);

// Boundaries and centre radii of the radial ground grid, shared by the ground
// model and the ground temperature file: r[0] = inner pipe radius, r[1] =
// borehole radius, r[k] (k = 2..dimRad) growing outwards by `factor` to
// r[dimRad] = outer radius; rm[k] = sqrt((r[k]^2 + r[k-1]^2) / 2) for
// k = 1..dimRad, rm[0] = r[0], rm[dimRad + 1] = outer radius. A factor of 1
// gives equal ring widths. Raises CalcError for dimRad outside 2..12, a factor
// that is not positive, or radii that do not grow outwards.
void RingRadii(int dimRad, double rPipeInner, double rBorehole, double rOuter, double factor, double (&r)[14],
               double (&rm)[14]);

void WriteTEarthHeader();
void WriteTEarthRow(int zeilenzaehler);
void CloseTEarthFile();

// ---- reader ----

// Lines of a stored header of `version`: 201, 401, 701 or 1001.
int HeaderLineCount(int version);

// Command -2: reads `fileName` into the shared state and returns with
// Eingabedatei open at the first hourly row.
void ReadInputFile(const std::string& fileName, int& stepMinutes, int& stepsPerYear);

// One hourly load row per simulated step.
void ReadLoadRow(int& step, double& massFlow, double& tSink, double& q);

}  // namespace qeb
