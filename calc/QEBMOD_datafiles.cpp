// The optional data files beside the project file: the rock and soil table
// "geologie.qeb", the site temperature file and the ground layer table of an
// outside ground-property tool (command -5).
//
// Every reader parses the whole file into local values first and changes the
// shared state only when the file was read completely, so that a bad or empty
// file never leaves a half-replaced table behind.
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"

namespace qeb {

double Segmentlaenge = 0.0;
std::string DatenfileFehler;

namespace {

// Numbers of a line separated by blanks or TABs, as the reads of the site
// file take them; empty pieces are skipped.
std::vector<std::string_view> SplitBlanks(std::string_view s) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    size_t start = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
    if (i > start) out.push_back(s.substr(start, i - start));
  }
  return out;
}

std::string ReadWholeFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw CalcError("Datei kann nicht gelesen werden / cannot read file: " + path);
  std::string data;
  char buf[4096];
  size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, got);
  bool bad = std::ferror(f) != 0;
  std::fclose(f);
  if (bad) throw CalcError("Lesefehler / read error: " + path);
  return data;
}

// Splits at LF; a CR before the LF (or at the very end) is dropped.
std::vector<std::string_view> SplitLines(std::string_view s) {
  std::vector<std::string_view> out;
  size_t start = 0;
  while (start < s.size()) {
    size_t p = s.find('\n', start);
    size_t end = (p == std::string_view::npos) ? s.size() : p;
    std::string_view line = s.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out.push_back(line);
    if (p == std::string_view::npos) break;
    start = p + 1;
  }
  return out;
}

bool IsSameFileOnDisk(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

struct LayerRow {
  double thickness = 0;    // m
  double temperature = 0;  // °C
  double lambda = 0;       // W/mK
  double cp = 0;           // J/kgK
  double rho = 0;          // kg/m3
};

}  // namespace

bool FileCanBeOpened(const std::string& name) {
  // A directory opens for reading on this platform but cannot be read.
  if (name.empty() || !FileExists(name)) return false;
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

bool ReadGeologyFile() {
  if (!FileCanBeOpened(kGeologieFile)) return false;
  LineReader in(kGeologieFile);
  if (!in.IsOpen()) return false;

  std::string name[kGeologyRows + 1];
  double lambda[kGeologyRows + 1], rho[kGeologyRows + 1], cp[kGeologyRows + 1];
  for (int r = 1; r <= kGeologyRows; ++r) {
    name[r] = Erdname[r];
    lambda[r] = Erdlambda[r];
    rho[r] = Erdrho[r];
    cp[r] = Erdcp[r];
  }

  std::string bad;  // the first value outside its range
  // A number that does not parse leaves the built-in value of its cell: a zero
  // conductivity or density would only fail later inside the ground model.
  auto store = [&](int r, int field, const std::string& text) {
    if (field == 1) {
      name[r] = text;
      return;
    }
    std::optional<double> v = ParseReal(text);
    if (!v) return;
    // A number outside its plausible range makes the table unusable.
    static const char* const keys[] = {"", "", "lambdaErde", "rhoErde", "cpErde"};
    if (bad.empty()) {
      std::string what = RangeViolation(keys[field], *v);
      if (!what.empty()) bad = std::string(kGeologieFile) + ", Zeile / line " + std::to_string(r + 1) + ": " + what;
    }
    if (field == 2) lambda[r] = *v;
    if (field == 3) rho[r] = *v;
    if (field == 4) cp[r] = *v;
  };

  std::string line;
  in.Next(line);  // free text
  int rowsWithData = 0;
  for (int r = 1; r <= kGeologyRows; ++r) {
    if (!in.Next(line)) break;
    int field = 1;
    bool stored = false;
    std::string text;
    for (char c : line) {
      if (c == '\t') {
        if (field <= 4) {
          store(r, field, text);
          stored = true;
        }
        text.clear();
        ++field;
      } else {
        text += c;
      }
    }
    // Only the fourth field needs no TAB after it.
    if (field == 4) {
      store(r, field, text);
      stored = true;
    }
    if (stored) ++rowsWithData;
  }
  if (rowsWithData == 0) return false;  // a header without rows replaces nothing
  if (!bad.empty()) {
    DatenfileFehler = bad;
    return false;  // the built-in table stays
  }

  for (int r = 1; r <= kGeologyRows; ++r) {
    Erdname[r] = name[r];
    Erdlambda[r] = lambda[r];
    Erdrho[r] = rho[r];
    Erdcp[r] = cp[r];
  }
  return true;
}

bool ReadLocationFile() { return ReadLocationFile(StaoFile); }

static bool ReadLocationFileRows(const std::string& name);

bool ReadLocationFile(const std::string& name) {
  // A file that opens but fails while it is read is as unusable as a
  // missing one: the yearly values stay as they were.
  try {
    return ReadLocationFileRows(name);
  } catch (const CalcError& e) {
    DatenfileFehler = e.what();
    StaoGelesen = false;
    return false;
  }
}

// Every refusal leaves its reason in DatenfileFehler for the window that asked.
static bool ReadLocationFileRows(const std::string& name) {
  if (!FileCanBeOpened(name)) {
    StaoGelesen = false;
    if (!name.empty() && name != kStaoDefaultFile && Reserve27) StaoFehlt = true;
    DatenfileFehler = name + ": nicht gefunden / not found";
    return false;
  }
  LineReader in(name);
  std::string line;
  if (!in.IsOpen() || !in.Next(line) || !in.Next(line)) {  // free text and column header
    StaoGelesen = false;
    DatenfileFehler = name + ": keine Kopfzeilen / no header lines";
    return false;
  }

  // Row r of the file goes to entry r (from 0), whatever year it names.
  constexpr size_t kMaxRows = std::size(TStandortJahr);
  std::vector<double> values;
  while (values.size() < kMaxRows && in.Next(line)) {
    if (Trim(line).empty()) break;  // the table ends at the first empty line
    std::vector<std::string_view> nums = SplitBlanks(line);
    bool ok = nums.size() >= 4;
    for (size_t k = 0; ok && k < 4; ++k) ok = ParseReal(nums[k]).has_value();
    if (!ok) {
      DatenfileFehler = name + ", Zeile / line " + std::to_string(in.LineNumber()) +
                        ": Jahr, x, y, dT erwartet / year, x, y, dT expected: " + line;
      StaoGelesen = false;
      return false;
    }
    const double dT = *ParseReal(nums[3]);
    // A change of the ground temperature beyond its range would only make a
    // run diverge years later, far from this file: the file is not used.
    if (std::string what = RangeViolation("TStandortJahr", dT); !what.empty()) {
      DatenfileFehler = name + ", Zeile / line " + std::to_string(in.LineNumber()) + " (dT Stao): " + what;
      StaoGelesen = false;
      return false;
    }
    values.push_back(dT);
  }
  if (values.empty()) {
    DatenfileFehler = name + ": keine Jahre / no years";
    StaoGelesen = false;
    return false;
  }

  // A shorter file than the one read before must not keep its later years.
  for (size_t r = 0; r < kMaxRows; ++r) TStandortJahr[r] = r < values.size() ? values[r] : 0.0;
  TStandort50 = TStandortJahr[49] / 2 + TStandortJahr[50] / 2;  // no overflow near the double range
  StaoGelesen = true;
  return true;
}

void ReadGroundLayerTable() {
  const std::string name = SwqebFile;
  if (!FileCanBeOpened(name))
    throw CalcError("File " + name + " nicht gefunden. \nKopiere das File " + name + " in den aktuellen Katalog !");

  // The outside tool writes ";"-separated fields, some quoted and padded with
  // blanks. The user's file stays as it is; the normalised text is read from
  // memory and left in the scratch copy for inspection.
  const std::string raw = ReadWholeFile(name);
  std::string text;
  text.reserve(raw.size());
  for (char c : raw) {
    if (c == '"' || c == ' ') continue;
    text += (c == ';') ? '\t' : c;
  }
  if (!IsSameFileOnDisk(name, kSwqebScratchFile)) {
    LineWriter scratch;
    scratch.Open(kSwqebScratchFile);
    scratch.Write(text);
    scratch.Close();
  }

  // Header line, then one layer per line from the top: two text fields and
  // thickness, temperature, conductivity, heat capacity, density.
  LayerRow rows[kGroundLayerRows + 2];
  int n = 0;
  std::vector<std::string_view> lines = SplitLines(text);
  for (size_t li = 1; li < lines.size() && n < kGroundLayerRows; ++li) {
    std::string_view line = lines[li];
    if (line.find_first_not_of("\t\r") == std::string_view::npos) continue;  // empty row
    size_t tab1 = line.find('\t');
    size_t tab2 = (tab1 == std::string_view::npos) ? tab1 : line.find('\t', tab1 + 1);
    std::vector<std::string_view> nums;
    if (tab2 != std::string_view::npos) nums = SplitBlanks(line.substr(tab2 + 1));
    double v[5] = {};
    bool ok = nums.size() >= 5;
    for (size_t k = 0; ok && k < 5; ++k) {
      std::optional<double> p = ParseReal(nums[k]);
      ok = p.has_value();
      if (ok) v[k] = *p;
    }
    if (!ok)
      throw CalcError("Lesefehler in / read error in " + name + ", Zeile / line " + std::to_string(li + 1));
    static const char* const keys[] = {"Schichtdicke", "Jahresmitteltemp", "lambdaErde", "cpErde", "rhoErde"};
    for (size_t k = 0; k < 5; ++k)
      if (std::string what = RangeViolation(keys[k], v[k]); !what.empty())
        throw CalcError("Wert ung\xFCltig in / invalid value in " + name + ", Zeile / line " + std::to_string(li + 1) +
                        " (" + keys[k] + "): " + what);
    // The run refuses ground without conductivity, heat capacity or density;
    // the table is refused here, where the line that holds it is known.
    for (size_t k = 2; k < 5; ++k)
      if (!(v[k] > 0.0))
        throw CalcError(" Erdeigenschaften m\xFCssen > 0 sein  /  ground properties must be > 0 : " + name +
                        ", Zeile / line " + std::to_string(li + 1) + " (" + keys[k] + ")");
    ++n;
    rows[n] = LayerRow{v[0], v[1], v[2], v[3], v[4]};
  }
  if (n == 0) throw CalcError("Keine Schichten in / no layers in " + name);
  if (DimAxi < 1 || DimAxi >= static_cast<int>(std::size(lambdaErde)))
    throw CalcError("Axiale Unterteilung ung\xFCltig / invalid axial cell count: " + std::to_string(DimAxi));
  if (!std::isfinite(Sondenlaenge) || Sondenlaenge <= 0)
    throw CalcError("Sondenlaenge ung\xFCltig / invalid probe length");

  // D[i]: depth of the bottom of layer i.
  double D[kGroundLayerRows + 2] = {};
  for (int i = 1; i <= n; ++i) D[i] = D[i - 1] + rows[i].thickness;
  // The added layer below the table reaches 2000 m further down, and at least
  // to the probe's foot, so that no cell of a deep probe is left without ground.
  rows[n + 1] = rows[n];
  rows[n + 1].thickness = LargerOf(2000.0, Sondenlaenge - D[n]);
  D[n + 1] = D[n] + rows[n + 1].thickness;

  const double seg = Sondenlaenge / DimAxi;
  double lam[std::size(lambdaErde)] = {}, cpv[std::size(lambdaErde)] = {}, rhov[std::size(lambdaErde)] = {};
  for (int i = 1; i <= n + 1; ++i) {
    const double t = rows[i].thickness;
    for (int s = 1; s <= DimAxi; ++s) {
      // a: part of the layer above the cell's bottom; b: part below its top.
      double a = SmallerOf(t, LargerOf(s * seg - D[i - 1], 0.0));
      double b = LargerOf(0.0, SmallerOf(D[i] - (s - 1) * seg, t));
      if (a > 0.0001 && b > 0.0001) {
        double w = SmallerOf(SmallerOf(a, b), seg) / seg;
        lam[s] += w * rows[i].lambda;
        cpv[s] += w * rows[i].cp;
        rhov[s] += w * rows[i].rho;
      }
    }
  }
  double sumLam = 0, sumCp = 0, sumRho = 0;
  for (int s = 1; s <= DimAxi; ++s) {
    sumLam += lam[s];
    sumCp += cpv[s];
    sumRho += rhov[s];
  }

  // Gradient between the middles of the first and the last layer of the table.
  double tgrad = TGrad;
  if (n > 1) {
    double span = (D[n] - rows[n].thickness / 2) - D[1] / 2;
    if (span != 0.0) tgrad = (rows[n].temperature - rows[1].temperature) / span;
    if (span == 0.0 || !std::isfinite(tgrad))
      throw CalcError("Schichtdicken ung\xFCltig / invalid layer thicknesses in " + name);
  }

  // Numbers near the end of the double range can still add up to infinity;
  // such a table is refused like one that does not parse.
  double jahresmittel = n > 1 ? rows[1].temperature - tgrad * rows[1].thickness / 2 : Jahresmitteltemp;
  bool finite = std::isfinite(sumLam) && std::isfinite(sumCp) && std::isfinite(sumRho) && std::isfinite(jahresmittel);
  for (int s = 1; s <= DimAxi; ++s)
    finite = finite && std::isfinite(lam[s]) && std::isfinite(cpv[s]) && std::isfinite(rhov[s]);
  // The layers' gradient and surface temperature must be plausible too.
  std::string what = RangeViolation("TGrad", tgrad);
  if (what.empty()) what = RangeViolation("Jahresmitteltemp", jahresmittel);
  if (!finite || !what.empty())
    throw CalcError("Werte ausserhalb des Bereichs / values out of range in " + name + (what.empty() ? "" : ": " + what));

  Segmentlaenge = seg;
  for (int s = 1; s <= DimAxi; ++s) {
    lambdaErde[s] = lam[s];
    cpErde[s] = cpv[s];
    rhoErde[s] = rhov[s];
  }
  lambdaErd = sumLam / DimAxi;
  cpErd = sumCp / DimAxi;
  rhoErd = sumRho / DimAxi;
  if (n > 1) {
    TGrad = tgrad;
    Bodenerwaermung = 0;
    Jahresmitteltemp = jahresmittel;
    TErdoberflaeche = Jahresmitteltemp;
  }
}

}  // namespace qeb
