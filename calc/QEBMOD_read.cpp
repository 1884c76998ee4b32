// Command -2: the project file read back into the shared state, for every
// file version from the oldest on, and the hourly load rows read one per
// simulated step from the same open file.
//
// The file is read strictly line by line: a value line that ends too early,
// a file that ends inside the header or the stored rows, or a count that
// would index past an array stops the reader with an error naming the line,
// never with zeros taken in place of the missing values.
#include <cmath>
#include <climits>
#include <cstring>
#include <vector>

#include "calc/QEBMOD.h"

namespace qeb {

LineReader Eingabedatei;
double MassenstromStunde[8761];
double QLastStunde[8761];
double TSinkMessungStunde[8761];
double TSinkKuehlStunde[8761];
double QMaxStunde[8761];
int MessungJahre = 1;
bool MessungEinlesen = true;
double MessungAlt = 0.0;
bool ProjektOeffnen = false;
bool BeispielModus = false;
std::string GeoeffneteDatei;
std::string SpracheFile;
bool WetterGeladen = false;
int Reserve18Schalter = 0;
int Reserve19Schalter = 0;
bool MesswerteSpeichern = false;
bool ErstesJahrWiederholen = true;

void ResetFileState() {
  MessungJahre = 1;
  MessungEinlesen = true;
  ErstesJahrWiederholen = true;
  MesswerteSpeichern = false;
  WetterGeladen = false;
}

int HeaderLineCount(int version) {
  if (version <= 2) return 201;
  if (version <= 8) return 401;
  if (version <= 11) return 701;
  return 1001;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Whitespace-delimited tokens of a line; `end` receives the position just
// behind the last token taken.
std::vector<std::string_view> Tokens(std::string_view s, size_t want, size_t* end = nullptr) {
  std::vector<std::string_view> out;
  size_t p = 0;
  while (out.size() < want) {
    while (p < s.size() && IsBlank(s[p])) ++p;
    if (p >= s.size()) break;
    size_t a = p;
    while (p < s.size() && !IsBlank(s[p])) ++p;
    out.push_back(s.substr(a, p - a));
  }
  if (end) *end = p;
  return out;
}

// A boolean field: the text up to the first TAB; only "true" and "TRUE" count.
bool BoolField(std::string_view line) {
  size_t t = line.find('\t');
  std::string_view f = line.substr(0, t);
  return f == "true" || f == "TRUE";
}

class Reader {
 public:
  Reader(LineReader& f, std::string name) : f_(f), name_(std::move(name)) {}

  int counter = 1;  // number of the next line of the file
  int version = 0;
  std::string line;

  [[noreturn]] void Fail(int lineNo, const std::string& key, const std::string& what) const {
    throw CalcError(Where(lineNo, key) + what);
  }

  std::string Where(int lineNo, const std::string& key) const {
    std::string k = key.empty() ? std::string() : " (" + key + ")";
    return "Projektdatei / project file " + name_ + ", Zeile / line " + std::to_string(lineNo) + k + ": ";
  }

  void Open() {
    if (!f_.Open(name_)) throw CalcError("Datei nicht gefunden / file not found: " + name_);
    counter = 1;
  }

  void Next(const std::string& key) {
    if (!f_.Next(line)) Fail(counter, key, "Dateiende / unexpected end of file");
    ++counter;
  }

  void SkipTo(int n, const std::string& key) {
    while (counter < n) Next(key);
  }

  double Real(std::string_view tok, int lineNo, const std::string& key) const {
    auto v = ParseReal(tok);
    if (!v) Fail(lineNo, key, "Zahl ung\xFCltig / invalid number \"" + std::string(tok) + "\"");
    return *v;
  }

  int Int(std::string_view tok, int lineNo, const std::string& key) const {
    auto v = ParseInteger(tok);
    if (!v || *v < INT_MIN || *v > INT_MAX)
      Fail(lineNo, key, "ganze Zahl ung\xFCltig / invalid integer \"" + std::string(tok) + "\"");
    return static_cast<int>(*v);
  }

  int Convert(double v, Conv c, int lineNo, const std::string& key) const {
    double r = c == Conv::Trunc ? std::trunc(v) : RoundHalfEven(v);
    if (!(r >= INT_MIN && r <= INT_MAX)) Fail(lineNo, key, "Zahl ausserhalb des Bereichs / number out of range");
    return static_cast<int>(r);
  }

  // Reads the next line as `n` whitespace-delimited values; never takes a
  // value from the following line.
  std::vector<std::string_view> Values(size_t n, const std::string& key, size_t* end = nullptr) {
    Next(key);
    auto tok = Tokens(line, n, end);
    if (tok.size() < n)
      Fail(counter - 1, key,
           "zu wenige Werte / too few values (" + std::to_string(tok.size()) + " von / of " + std::to_string(n) + ")");
    return tok;
  }

  // A value outside its plausible range stops the reader with the line, the
  // key, the value and the allowed range.
  void CheckRange(const Field& f, double v, int lineNo) const {
    std::string what = RangeViolation(f.key, v);
    if (!what.empty()) throw CalcError(Where(lineNo, f.key) + what, f.key, v, RangeReason(f.key, v));
  }

  void Store(const Field& f, std::string_view tok, int lineNo) {
    switch (f.fmt) {
      case Fmt::E:
      case Fmt::F1:
      case Fmt::F3:
      case Fmt::R: {
        double v = Real(tok, lineNo, f.key);
        CheckRange(f, v, lineNo);
        *static_cast<double*>(f.ptr) = v;
        break;
      }
      case Fmt::I: {
        // Checked before it becomes an int: no conversion can overflow.
        double v = f.intIsReal ? Real(tok, lineNo, f.key) : static_cast<double>(Int(tok, lineNo, f.key));
        CheckRange(f, v, lineNo);
        *static_cast<int*>(f.ptr) = f.intIsReal ? Convert(v, f.conv, lineNo, f.key) : static_cast<int>(v);
        break;
      }
      case Fmt::BoolNum: {
        double v = Real(tok, lineNo, f.key);
        CheckRange(f, v, lineNo);
        bool b = f.conv == Conv::Exactly1 ? v == 1.0 : f.conv == Conv::Above01 ? v > 0.1 : v >= 0.99;
        *static_cast<bool*>(f.ptr) = b;
        break;
      }
      case Fmt::BoolInt: {
        int v = Int(tok, lineNo, f.key);
        CheckRange(f, v, lineNo);
        *static_cast<bool*>(f.ptr) = v != 0;
        break;
      }
      case Fmt::B:
      case Fmt::T:
        break;
    }
  }

  const std::string& Name() const { return name_; }

 private:
  LineReader& f_;
  std::string name_;
};

std::string FirstKey(const LineSpec& s) {
  if (!s.keyText.empty()) return s.keyText;
  return "Zeile " + std::to_string(s.line);
}

void ReadLanguage(Reader& r) {
  r.Next("Sprache");
  std::string s = r.line;
  static const char* ok[] = {"D", "d", "E", "e", "F", "f", "I", "i", "S", "s"};
  bool good = false;
  for (const char* o : ok) good = good || s == o;
  Sprache = good ? s : std::string("D");
  SpracheFile = Sprache;
}

void ReadLine298(Reader& r) {
  const LineSpec& layout = ProjectLayout()[298];
  int lineNo = r.counter;
  if (r.version < 26) {
    r.Next("MassenstromAusEntzug");
    MassenstromAusEntzug = BoolField(r.line);
    return;
  }
  size_t end = 0;
  auto tok = r.Values(10, "Zeile 298", &end);
  for (size_t k = 0; k < 10; ++k) r.Store(layout.fields[k], tok[k], lineNo);
  if (JahrGrafik == 0) JahrGrafik = 50;
  // The TAB behind the tenth number is dropped; the rest is the address.
  std::string rest = end + 1 <= r.line.size() ? r.line.substr(end + 1) : std::string();
  if (rest == "\tReserven\t\tReserven") rest.clear();
  if (rest.empty()) {
    Projektstrasse.clear();
    return;
  }
  size_t t = rest.find('\t');
  if (t == std::string::npos) {
    Projektstrasse = rest;
    Projektort.clear();
    StaoFile.clear();
    return;
  }
  Projektstrasse = rest.substr(0, t);
  std::string after;
  for (char c : rest.substr(t + 1))
    if (c != '\t') after += c;
  size_t bar = after.find('|');
  if (bar == std::string::npos) {
    Projektort = after;
    StaoFile.clear();
    return;
  }
  Projektort = after.substr(0, bar);
  std::string stao;
  for (char c : after.substr(bar + 1))
    if (c != '|') stao += c;
  StaoFile = stao;
}

void ReadSpec(Reader& r, const LineSpec& s, int& stepMinutes, int& stepsPerYear) {
  const int v = r.version;
  const std::string key = FirstKey(s);
  if (s.minVersion > v) {
    if (s.below == Below::Skip) r.Next(key);
    if (s.below == Below::SkipTo) r.SkipTo(s.skipTo, key);
    return;
  }
  if (s.never || (s.cond && !s.cond())) {
    r.Next(key);
    return;
  }
  const int lineNo = r.counter;
  switch (s.kind) {
    case LineKind::Version:
    case LineKind::Header:
      r.Next(key);
      return;
    case LineKind::Text:
      if (s.line == 297) {
        ReadLanguage(r);
      } else {
        r.Next(key);
        *static_cast<std::string*>(s.fields[0].ptr) = r.line;
      }
      return;
    case LineKind::Line298:
      ReadLine298(r);
      return;
    default:
      break;
  }
  size_t n = s.count ? static_cast<size_t>(s.count(v)) : s.fields.size();
  if (n == 0) {
    r.Next(key);
    return;
  }
  if (s.fields.size() == 1 && s.fields[0].fmt == Fmt::B) {
    r.Next(key);
    *static_cast<bool*>(s.fields[0].ptr) = BoolField(r.line);
  } else {
    auto tok = r.Values(n, key);
    if (s.line == 75) {
      stepsPerYear = r.Int(tok[0], lineNo, key);
      r.CheckRange(s.fields[0], stepsPerYear, lineNo);
    } else if (s.line == 85) {
      stepMinutes = r.Int(tok[0], lineNo, key);
      r.CheckRange(s.fields[0], stepMinutes, lineNo);
    } else {
      for (size_t k = 0; k < n; ++k) r.Store(s.fields[k], tok[k], lineNo);
    }
  }
  if (s.after) {
    try {
      s.after(v, static_cast<int>(n));
    } catch (const CalcError& e) {
      r.Fail(lineNo, "", e.what());
    }
  }
}

// Positions a freshly opened file so that `line` is the next one read.
void Reopen(Reader& r, int line) {
  r.Open();
  r.SkipTo(line, "Kopfzeilen / header");
}

// The step number at the start of a row, or -1 where there is none.
long long StepOf(const std::string& row) {
  auto tok = Tokens(row, 1);
  if (tok.empty()) return -1;
  auto s = ParseInteger(tok[0]);
  return s ? *s : -1;
}

// A run writes its step table from a start row, the values before its first
// hour, to row 8760: row k carries hour k, its weather and plant values
// included. Such a table holds 8761 rows, and its hour 1 is the second row.
// The start row is numbered 0 in a run of one year; a run of several years
// numbers it 8760, the last hour of the year before. So a table is a run's
// by its shape: a start row numbered 0 or 8760, then the rows 1 to 8760 in
// their order. Rows that begin at hour 1 (a generated load file, the files
// of earlier versions of the program) give the hours in their order, as
// they always did. Looked at through a reader of its own, so the file's
// position stays.
bool BeginsWithStartRow(const std::string& path, int firstRowLine) {
  LineReader f;
  if (!f.Open(path)) return false;
  std::string row;
  for (int l = 1; l <= firstRowLine; ++l)
    if (!f.Next(row)) return false;
  const long long start = StepOf(row);
  if (start != 0 && start != kStunden) return false;
  for (int h = 1; h <= kStunden; ++h)
    if (!f.Next(row) || StepOf(row) != h) return false;
  return true;
}

// Passes over the start row of a run's step table, so that the next row read
// is hour 1.
void SkipStartRow(Reader& r) {
  if (BeginsWithStartRow(r.Name(), r.counter)) r.Next("Startzeile / start row");
}

// Stored rows of a system simulation: the weather and plant series of a
// previous run, taken before the rest of the header is read.
void ReadSystemRows(Reader& r) {
  const int resume = r.counter;
  if (r.version >= 3) r.SkipTo(337, "DirektkuehlungWP");
  if (r.version >= 9) {
    r.Next("DirektkuehlungWP");
    DirektkuehlungWP = BoolField(r.line);
  }
  r.SkipTo(HeaderLineCount(r.version) + 1, "Kopfzeilen / header");
  SkipStartRow(r);
  const bool full = ProjektOeffnen;
  size_t need = 8;
  if (LFahrplan) need = 12;
  if (MaxQ) need = 13;
  if (DirektkuehlungWP) need = 15;
  std::vector<double> m(8761), ta(8761), rh(8761), gk(8761), lp(8761), qmax(8761), mwp(8761), qwp(8761);
  for (int h = 1; h <= kStunden; ++h) {
    int lineNo = r.counter;
    auto tok = r.Values(need, "Stundenwerte / hourly rows");
    auto val = [&](size_t col) { return r.Real(tok[col - 1], lineNo, "Spalte / column " + std::to_string(col)); };
    m[h] = val(2);
    ta[h] = val(6);
    if (full) {
      rh[h] = val(7);
      gk[h] = val(8);
    }
    if (LFahrplan) lp[h] = val(12);
    if (MaxQ) qmax[h] = val(13);
    if (DirektkuehlungWP) {
      mwp[h] = val(14);
      qwp[h] = val(15);
    }
  }
  if (full) {
    SummeGlobalstrahlung = 0.0;
    SummeAussentemperatur = 0.0;
  }
  for (int h = 1; h <= kStunden; ++h) {
    MassenstromStunde[h] = m[h];
    Aussentemperatur[h] = ta[h];
    if (full) {
      Luftfeuchte[h] = rh[h];
      Globalstrahlung[h] = gk[h];
      SummeGlobalstrahlung += gk[h];
      SummeAussentemperatur += ta[h];
    }
    if (LFahrplan) Lueftungsprofil[h] = lp[h];
    if (MaxQ) QMaxStunde[h] = qmax[h];
    if (DirektkuehlungWP) {
      MWPStunde[h] = mwp[h];
      QWPStunde[h] = qwp[h];
    }
  }
  Reopen(r, resume);
}

// Rows of a previous run behind the header: weather and loads of a plant
// with collectors or recooler, or the measured hourly values.
void ReadStoredRows(Reader& r, const std::string& fileName) {
  const int firstRow = r.counter;
  if (solar || mitRueckkuehler) {
    if (fileName != GeoeffneteDatei) return;
    SkipStartRow(r);
    std::vector<double> m(8761), ts(8761), q(8761), ta(8761), gk(8761);
    for (int h = 1; h <= kStunden; ++h) {
      int lineNo = r.counter;
      auto tok = r.Values(7, "Stundenwerte / hourly rows");
      m[h] = r.Real(tok[1], lineNo, "M");
      ts[h] = r.Real(tok[2], lineNo, "TSink");
      q[h] = r.Real(tok[3], lineNo, "Q");
      ta[h] = r.Real(tok[5], lineNo, "Ta");
      gk[h] = r.Real(tok[6], lineNo, "Gk");
    }
    SummeGlobalstrahlung = 0.0;
    SummeAussentemperatur = 0.0;
    for (int h = 1; h <= kStunden; ++h) {
      MassenstromStunde[h] = m[h];
      TSinkStunde[h] = ts[h];
      TSinkMessungStunde[h] = ts[h];
      QLastStunde[h] = q[h];
      Aussentemperatur[h] = ta[h];
      Globalstrahlung[h] = gk[h];
      SummeGlobalstrahlung += gk[h];
      SummeAussentemperatur += ta[h];
    }
    Reopen(r, firstRow);
    WetterGeladen = true;
    return;
  }
  if (MessungAlt >= 0.99 && !MessungAn()) Messung = MessungAlt;
  if (MessungAn() && MessungEinlesen) {
    SkipStartRow(r);
    std::vector<double> m(8761), ts(8761), q(8761);
    for (int h = 1; h <= kStunden; ++h) {
      int lineNo = r.counter;
      auto tok = r.Values(4, "Messwerte / measured rows");
      m[h] = r.Real(tok[1], lineNo, "M");
      ts[h] = r.Real(tok[2], lineNo, "TSink");
      q[h] = r.Real(tok[3], lineNo, "Q");
    }
    for (int h = 1; h <= kStunden; ++h) {
      MassenstromStunde[h] = m[h];
      TSinkStunde[h] = ts[h];
      TSinkMessungStunde[h] = ts[h];
      QLastStunde[h] = q[h];
    }
    Reopen(r, firstRow);
    MessungEinlesen = false;
  }
}

// An old header ends early: its column-header line follows at the place the
// header-length table gives.
void EndOldHeader(Reader& r) {
  if (r.version >= 9 && r.version <= 13) MeteoStandard = false;
  r.SkipTo(HeaderLineCount(r.version), "Kopfzeilen / header");
  r.Next("Kopfzeile / column header");
}

int VersionOf(const std::string& first) {
  long long v = 0;
  for (char c : first) {
    if (c < '0' || c > '9') break;
    v = v * 10 + (c - '0');
    if (v > 100000) break;
  }
  return static_cast<int>(v);
}

}  // namespace

namespace {

void ReadInputFileOpen(const std::string& fileName, int& stepMinutes, int& stepsPerYear) {
  Reader r(Eingabedatei, fileName);
  r.Open();
  r.Next("Version");
  r.version = VersionOf(r.line);
  FileVersion = r.version;
  std::string* titles[] = {&Projekttitel1, &Projekttitel2, &Projekttitel3, &Projekttitel4};
  for (std::string* t : titles) {
    r.Next("Projekttitel");
    *t = r.line;
  }
  const auto& layout = ProjectLayout();
  const int v = r.version;
  bool ended = false;
  for (int l = 6; l <= 1001 && !ended; ++l) {
    if (l == 201 && v <= 2) continue;  // a 201-line header ends with its column header here
    if (l == 202) {
      if (Systemsimulation) ReadSystemRows(r);
      if (v <= 2) {
        EndOldHeader(r);
        ended = true;
        break;
      }
    }
    if (l == 298 && v >= 3) {
      ReadSpec(r, layout[l], stepMinutes, stepsPerYear);
      MassenstromAusEntzug = true;
      continue;
    }
    if (l == 401 && v <= 8) {
      EndOldHeader(r);
      ended = true;
      break;
    }
    if (l == 741) {
      if (v <= 13) {
        EndOldHeader(r);
        ended = true;
        break;
      }
      if (v < 25) r.SkipTo(741, "Sondenbelastung");
    }
    ReadSpec(r, layout[l], stepMinutes, stepsPerYear);
  }
  if (r.counter != HeaderLineCount(v) + 1)
    r.Fail(r.counter, "", "Kopfzeilen passen nicht zur Version / header does not match version " + std::to_string(v));
  if (v < 19)
    for (int k = 1; k <= 10; ++k) lambdaErde_eff[k] = lambdaErde[k];
  ReadStoredRows(r, fileName);
}

}  // namespace

namespace {

// Everything the reader may change, kept so that a file that fails half way
// leaves the project in memory exactly as it was: every variable of the line
// layout and of the dictionary, the values the reader derives, and the hourly
// series that stored rows fill.
class ReaderBackup {
 public:
  ReaderBackup() {
    raw_.clear();
    text_.clear();
    for (const StateVar& v : StateRegistry()) {
      const size_t n = static_cast<size_t>(v.hi) + 1;
      switch (v.type) {
        case VarType::Double: Raw(v.ptr, n * sizeof(double)); break;
        case VarType::Int: Raw(v.ptr, n * sizeof(int)); break;
        case VarType::Bool: Raw(v.ptr, n * sizeof(bool)); break;
        case VarType::String:
          for (size_t i = 0; i < n; ++i) Text(static_cast<std::string*>(v.ptr) + i);
          break;
      }
    }
    for (const LineSpec& s : ProjectLayout()) {
      for (const Field& f : s.fields) {
        switch (f.fmt) {
          case Fmt::E: case Fmt::F1: case Fmt::F3: case Fmt::R: Raw(f.ptr, sizeof(double)); break;
          case Fmt::I: Raw(f.ptr, sizeof(int)); break;
          case Fmt::B: case Fmt::BoolNum: case Fmt::BoolInt: Raw(f.ptr, sizeof(bool)); break;
          case Fmt::T: Text(static_cast<std::string*>(f.ptr)); break;
        }
      }
    }
    for (double* series : {MassenstromStunde, TSinkStunde, TSinkMessungStunde, QLastStunde, Aussentemperatur,
                           Luftfeuchte, Globalstrahlung, Lueftungsprofil, QMaxStunde, MWPStunde, QWPStunde})
      Raw(series, kStundenArray * sizeof(double));
    Raw(R1V, sizeof R1V);
    Raw(RaV, sizeof RaV);
    Raw(RbV, sizeof RbV);
    Raw(RcV, sizeof RcV);
    Raw(lambdaErde_eff, sizeof lambdaErde_eff);
    Raw(Laufzeit, sizeof Laufzeit);
    Raw(&MessungJahre, sizeof MessungJahre);
    Raw(&MessungEinlesen, sizeof MessungEinlesen);
    Raw(&WetterGeladen, sizeof WetterGeladen);
    Raw(&Reserve18Schalter, sizeof Reserve18Schalter);
    Raw(&Reserve19Schalter, sizeof Reserve19Schalter);
    Raw(&mitRueckkuehler, sizeof mitRueckkuehler);
    Raw(&StaoOffsetX, sizeof StaoOffsetX);
    Raw(&StaoOffsetY, sizeof StaoOffsetY);
    Raw(&MessungAlt, sizeof MessungAlt);
    Text(&SpracheFile);
  }

  void Restore() {
    for (size_t i = 0; i < raw_.size(); ++i) std::memcpy(raw_[i].ptr, bytes_.data() + raw_[i].at, raw_[i].size);
    for (size_t i = 0; i < text_.size(); ++i) *text_[i] = texts_[i];
  }

 private:
  struct Region {
    void* ptr;
    size_t at, size;
  };
  void Raw(void* p, size_t n) {
    raw_.push_back({p, used_, n});
    if (bytes_.size() < used_ + n) bytes_.resize(2 * (used_ + n));
    std::memcpy(bytes_.data() + used_, p, n);
    used_ += n;
  }
  void Text(std::string* p) {
    if (texts_.size() <= text_.size()) texts_.resize(text_.size() + 64);
    texts_[text_.size()] = *p;
    text_.push_back(p);
  }
  // The buffers outlive the read (the module runs on one thread): a read
  // copies the state into memory it already owns instead of allocating it.
  static inline std::vector<Region> raw_;
  static inline std::vector<unsigned char> bytes_;
  static inline std::vector<std::string*> text_;
  static inline std::vector<std::string> texts_;
  size_t used_ = 0;
};

}  // namespace

void ReadInputFile(const std::string& fileName, int& stepMinutes, int& stepsPerYear) {
  ReaderBackup backup;
  const int savedMinutes = stepMinutes, savedSteps = stepsPerYear;
  MessungAlt = Messung;
  Eingabedatei.Close();
  try {
    ReadInputFileOpen(fileName, stepMinutes, stepsPerYear);
  } catch (...) {
    // A file that failed half way must not hand its lines to the load rows,
    // nor leave a half-read project: everything it changed is put back
    // (`Messung` included, so a file that announced measured rows it does
    // not hold leaves the option as it was for the next project).
    Eingabedatei.Close();
    backup.Restore();
    stepMinutes = savedMinutes;
    stepsPerYear = savedSteps;
    throw;
  }
}

void ReadLoadRow(int& step, double& massFlow, double& tSink, double& q) {
  auto checkStep = [](int s, const std::string& where) {
    if (s < 0 || s > kStunden)
      throw CalcError(where + ": Schritt / step " + std::to_string(s) + " ausserhalb / outside 0..8760");
  };
  const bool mess = MessungAn();
  const bool withQ = Leistungsinput && (!Sprungantwort || Lasteinlesen);
  if (Jahr > 1 && ErstesJahrWiederholen && !Rueckkuehlung && !Systemsimulation && !mess) {
    step = Schrittzaehler;
    checkStep(step, "Lastzeile / load row");
    massFlow = MassenstromStunde[step];
    tSink = TSinkStunde[step];
    if (withQ) q = QLastStunde[step];
  } else {
    if (!Sprungantwort || Lasteinlesen) {
      if (!Eingabedatei.IsOpen()) throw CalcError("Eingabedatei nicht offen / input file not open");
      std::string line;
      const std::string where = "Projektdatei / project file " + Eingabedatei.Path() + ", Zeile / line " +
                                std::to_string(Eingabedatei.LineNumber() + 1);
      if (!Eingabedatei.Next(line)) throw CalcError(where + ": Dateiende / unexpected end of file");
      size_t n = Leistungsinput ? 4 : 3;
      auto tok = Tokens(line, n);
      if (tok.size() < n) throw CalcError(where + ": zu wenige Werte / too few values");
      auto s = ParseInteger(tok[0]);
      if (!s || *s < 0 || *s > kStunden) throw CalcError(where + ": Schritt ung\xFCltig / invalid step");
      auto mf = ParseReal(tok[1]);
      auto ts = ParseReal(tok[2]);
      std::optional<double> qq = Leistungsinput ? ParseReal(tok[3]) : std::optional<double>(q);
      if (!mf || !ts || !qq) throw CalcError(where + ": Zahl ung\xFCltig / invalid number");
      step = static_cast<int>(*s);
      massFlow = *mf;
      tSink = *ts;
      q = *qq;
    }
    checkStep(step, "Lastzeile / load row");
    if (!mess && withQ) QLastStunde[step] = q;
  }
  if (!Systemsimulation && Freecooling) QMaxStunde[step] = q;
  TSinkKuehlStunde[step] = tSink;
  if (!mess) MassenstromStunde[step] = massFlow;
  AnlageAktiv = true;
  if (mess) {
    // The measured hour as it was taken in: `TSinkStunde` holds the run's
    // own sink temperature of the year before by now.
    auto measured = [&] {
      q = QLastStunde[step];
      massFlow = MassenstromStunde[step];
      tSink = TSinkMessungStunde[step];
      AnlageAktiv = false;
    };
    if (start_Messung) {
      if (Jahr < MessungJahre && MessungJahre > 1) measured();
    } else {
      if (Jahr >= LastYear && MessungJahre == 1 && Jahr > 1) measured();
      if (Jahr >= MessungJahre && MessungJahre > 1 && Jahr > 1) measured();
    }
  }
}

}  // namespace qeb
