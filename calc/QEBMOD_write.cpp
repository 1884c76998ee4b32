// The header of the project file: 1001 lines written from the shared state
// by the line layout. The file stays open for the step table.
#include <cmath>

#include "calc/QEBMOD.h"

namespace qeb {

LineWriter AusgabeText;

namespace {

// Counts handed to the writer by its caller, written in place of the
// variables on their lines.
const int* gZeitschritt = nullptr;
const int* gSchritteProJahr = nullptr;

// A line break would split the line and shift every later line; the reader
// takes text lines whole, so nothing else needs replacing there.
std::string OneLine(std::string s) {
  for (char& c : s)
    if (c == '\r' || c == '\n') c = ' ';
  return s;
}

// The address parts share the label of line 298, split again at TAB and "|".
std::string AddressPart(std::string s) {
  for (char& c : s)
    if (c == '\r' || c == '\n' || c == '\t' || c == '|') c = ' ';
  return s;
}

std::string FormatField(const Field& f, int line) {
  try {
    switch (f.fmt) {
      case Fmt::E:
        return FormatExp(*static_cast<double*>(f.ptr));
      case Fmt::F1:
      case Fmt::F3: {
        double v = *static_cast<double*>(f.ptr);
        if (!std::isfinite(v)) throw CalcError("Zahl nicht endlich / number not finite");
        return f.fmt == Fmt::F1 ? FormatFixed(v, 1, 1) : FormatFixed(v, 0, 3);
      }
      case Fmt::I:
        if (line == 85 && gZeitschritt) return FormatInt(*gZeitschritt);
        if (line == 75 && gSchritteProJahr) return FormatInt(*gSchritteProJahr);
        return FormatInt(*static_cast<int*>(f.ptr));
      case Fmt::R:
        return FormatInt(RoundToInt(*static_cast<double*>(f.ptr)));
      case Fmt::B:
        return FormatBool(*static_cast<bool*>(f.ptr));
      case Fmt::BoolNum:
        return FormatExp(*static_cast<bool*>(f.ptr) ? 1.0 : 0.0);
      case Fmt::BoolInt:
        return *static_cast<bool*>(f.ptr) ? "1" : "0";
      case Fmt::T:
        return OneLine(*static_cast<std::string*>(f.ptr));
    }
  } catch (const CalcError& e) {
    throw CalcError("Zeile " + std::to_string(line) + " (" + (f.key.empty() ? std::string("Text") : f.key) +
                    "): " + e.what());
  }
  return {};
}

// Switches stored as reals on their lines get their numbers first.
void PrepareSwitchReals() {
  QSource = Auslegungsentzug;
  SetMessung(MessungAn());
  Rueckkuehler1 = mitRueckkuehler ? (RueckkuehlerHeizen ? 1.0 : 2.0) : 0.0;
  Reserve18 = Reserve18Schalter == 1 ? 1.0 : 0.0;
  Reserve19 = Reserve19Schalter == 1 ? 1.0 : 0.0;
}

void RebuildLabel298() {
  std::string s = AddressPart(Projektstrasse) + "\t" + AddressPart(Projektort) + "|" + AddressPart(StaoFile);
  if (s.size() > static_cast<size_t>(kLabelBytes)) s.resize(kLabelBytes);
  Labeltabelle[298] = s;
}

}  // namespace

const std::string& StepTableHeader() {
  if (Systemsimulation && DirektkuehlungWP) return KopfzeileAnlageWP;
  if (Systemsimulation) return KopfzeileAnlage;
  if (solar || mitRueckkuehler) return KopfzeileSolar;
  return Kopfzeile;
}

std::string FormatLayoutLine(const LineSpec& layout) {
  std::string s;
  switch (layout.kind) {
    case LineKind::Version:
      return kVersionszeile;
    case LineKind::Text:
      return FormatField(layout.fields[0], layout.line);
    case LineKind::Header:
      return OneLine(StepTableHeader());
    case LineKind::Param:
    case LineKind::Multi:
      for (const Field& f : layout.fields) s += FormatField(f, layout.line) + "\t";
      s += LayoutLabel(layout.line);
      s += "\t\t";
      s += layout.keyText;
      return s;
    case LineKind::Probe:
      for (const Field& f : layout.fields) s += FormatField(f, layout.line) + "\t";
      s += LayoutLabel(layout.line);
      s += "\t";
      s += layout.keyText;
      return s;
    case LineKind::Line298:
      for (const Field& f : layout.fields) s += FormatField(f, layout.line) + "\t";
      s += LayoutLabel(layout.line);
      return s;
  }
  return s;
}

void WriteOutputHeader(const std::string& fileName, int& zeitschritt, int& schritteProJahr) {
  AusgabeText.Open(fileName);
  gZeitschritt = &zeitschritt;
  gSchritteProJahr = &schritteProJahr;
  struct Reset {
    ~Reset() {
      gZeitschritt = nullptr;
      gSchritteProJahr = nullptr;
    }
  } reset;
  PrepareSwitchReals();
  RebuildLabel298();
  const auto& layout = ProjectLayout();
  for (size_t l = 1; l < layout.size(); ++l) AusgabeText.WriteLine(FormatLayoutLine(layout[l]));
}

}  // namespace qeb
