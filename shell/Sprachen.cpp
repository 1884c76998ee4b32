#include "shell/Sprachen.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"

namespace qeb {

std::string StandardSprachtabelle[kSprachen][kSprachtexte + 1];
std::string Sprachtabelle[kSprachen][kSprachtexte + 1];
bool SprachtexteGeladen = false;

namespace {

constexpr const char* kLanguageFile = "sprache.qeb";
// Columns of the language file and of the master table after the number.
constexpr int kFileColumns[kSprachen] = {0, 3, 2, 1, 4};  // D, E, F, I, S -> German, Italian, French, English, Spanish

void FillBuiltInTables() {
  static bool filled = false;
  if (filled) return;
  filled = true;
  const std::string_view all(kSprachtexteTsv);
  size_t pos = 0;
  while (pos < all.size()) {
    size_t end = all.find('\n', pos);
    if (end == std::string_view::npos) end = all.size();
    std::string_view line = all.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view fields[6];
    int nf = 0;
    size_t p = 0;
    while (nf < 6) {
      const size_t tab = line.find('\t', p);
      fields[nf++] = line.substr(p, tab == std::string_view::npos ? std::string_view::npos : tab - p);
      if (tab == std::string_view::npos) break;
      p = tab + 1;
    }
    int n = 0;
    for (char c : fields[0]) {
      if (c < '0' || c > '9') {
        n = 0;
        break;
      }
      n = n * 10 + (c - '0');
      if (n > kSprachtexte) break;
    }
    if (n < 1 || n > kSprachtexte) continue;  // the heading row
    for (int lang = 0; lang < kSprachen; ++lang) {
      const int col = 1 + kFileColumns[lang];
      StandardSprachtabelle[lang][n] = col < nf ? Utf8ToWin1252(fields[col]) : std::string();
    }
  }
}

// The rock names the module builds in, rows 1..30 (the table itself is left
// as it is).
const std::string* BuiltInRockNames() {
  static std::string names[31];
  static bool done = false;
  if (!done) {
    done = true;
    std::string n[41];
    double l[41], c[41], r[41];
    for (int i = 0; i <= 40; ++i) n[i] = Erdname[i], l[i] = Erdlambda[i], c[i] = Erdcp[i], r[i] = Erdrho[i];
    FillRockTable();
    for (int i = 1; i <= 30; ++i) names[i] = Erdname[i];
    for (int i = 0; i <= 40; ++i) Erdname[i] = n[i], Erdlambda[i] = l[i], Erdcp[i] = c[i], Erdrho[i] = r[i];
  }
  return names;
}

bool AcceptedLetter(char c) {
  switch (c) {
    case 'D': case 'E': case 'F': case 'I': case 'S':
    case 'd': case 'e': case 'f': case 'i': case 's':
      return true;
    default:
      return false;
  }
}

// One row of the language file: fields 2..5 are taken when their TAB is
// read, the sixth at its TAB or at the end of the line; missing fields keep
// what the table held.
void ReadRow(const std::string& line, int n) {
  int field = 1;
  std::string cur;
  for (size_t i = 0; i <= line.size(); ++i) {
    const bool end = i == line.size();
    const char ch = end ? '\0' : line[i];
    if (!end && ch != '\t') {
      cur += ch;
      continue;
    }
    if (end && field < 6) return;
    if (field >= 2) {
      for (int lang = 0; lang < kSprachen; ++lang)
        if (1 + kFileColumns[lang] == field - 1) Sprachtabelle[lang][n] = cur;
    }
    if (field == 6) return;
    ++field;
    cur.clear();
  }
}

bool ReadLanguageFile() {
  if (!FileCanBeOpened(kLanguageFile)) return false;
  std::ifstream in(kLanguageFile, std::ios::binary);
  if (!in) return false;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lineNo == 2) {
      // Only a language the program speaks replaces the current letter.
      if (!line.empty() && AcceptedLetter(line[0])) Sprache = std::string(1, line[0]);
    } else if (lineNo >= 6) {
      const int n = lineNo;  // rows are taken by position: line 6 is text 6
      if (n > kSprachtexte) break;
      ReadRow(line, n);
    }
  }
  return true;
}

void WriteFileAtomically(const std::string& name, const std::string& bytes) {
  const std::string tmp = name + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) throw CalcError("Datei kann nicht geschrieben werden: " + name);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw CalcError("Datei kann nicht geschrieben werden: " + name);
  }
  std::error_code ec;
  std::filesystem::rename(tmp, name, ec);
  if (ec) throw CalcError("Datei kann nicht geschrieben werden: " + name);
}

}  // namespace

int LanguageIndex(std::string_view letter) {
  if (letter.size() != 1) return -1;
  switch (letter[0]) {
    case 'D': case 'd': return 0;
    case 'E': case 'e': return 1;
    case 'F': case 'f': return 2;
    case 'I': case 'i': return 3;
    case 'S': case 's': return 4;
    default: return -1;
  }
}

bool LoadLanguageTables() {
  FillBuiltInTables();
  // A language file of an older program has fewer rows: what it lacks keeps
  // the built-in text rather than showing an empty caption.
  for (int lang = 0; lang < kSprachen; ++lang)
    for (int n = 1; n <= kSprachtexte; ++n) Sprachtabelle[lang][n] = StandardSprachtabelle[lang][n];
  const bool fileRead = ReadLanguageFile();
  SprachtexteGeladen = true;
  GeologieGelesen = ReadGeologyFile();
  if (GeologieGelesen) {
    for (int lang = 0; lang < kSprachen; ++lang)
      for (int i = 1; i <= 30; ++i) Sprachtabelle[lang][170 + i] = Erdname[i];
  } else {
    // The tables name 19 materials; the rest of the built-in rock table
    // (from row 20) would otherwise come back empty after a switch.
    const std::string* names = BuiltInRockNames();
    for (int lang = 0; lang < kSprachen; ++lang)
      for (int i = 20; i <= 30; ++i)
        if (Sprachtabelle[lang][170 + i].empty()) Sprachtabelle[lang][170 + i] = names[i];
  }
  return fileRead;
}

SpracheBleibt::SpracheBleibt() : sprache_(Sprache) {}

SpracheBleibt::~SpracheBleibt() {
  if (!sprache_.empty()) Sprache = sprache_;
}

void SetLanguage(std::string letter) {
  const bool fileRead = LoadLanguageTables();
  if (fileRead || SprachtexteGeladen) ApplyLanguage(letter);
}

std::string LanguageText(int n, std::string_view letter) {
  if (n < 1 || n > kSprachtexte) return std::string();
  const int lang = LanguageIndex(letter);
  if (lang < 0) return std::string();
  return Sprachtabelle[lang][n];
}

void ExportTextTableAsSource(const std::string& fileName, const std::string (&table)[kSprachtexte + 1]) {
  // Quoted constants, ten to a line; an apostrophe inside a text becomes a
  // backquote so the quotes stay unambiguous.
  std::string out;
  for (int n = 1; n <= kSprachtexte; ++n) {
    out += '\'';
    for (char c : table[n]) out += c == '\'' ? '`' : c;
    out += '\'';
    if (n < kSprachtexte) out += ',';
    if (n % 10 == 0) out += "\r\n";
  }
  WriteFileAtomically(fileName, out);
}

void WriteLanguageFiles() {
  ExportTextTableAsSource("Deutsch.txt", Sprachtabelle[0]);
  ExportTextTableAsSource("Franzoesisch.txt", Sprachtabelle[2]);
  ExportTextTableAsSource("Italienisch.txt", Sprachtabelle[3]);
  ExportTextTableAsSource("Englisch.txt", Sprachtabelle[1]);
  ExportTextTableAsSource("Spanisch.txt", Sprachtabelle[4]);
  std::string out = "Sprachfile zum Programm QEB\r\n" + Sprache + "\r\n\r\n";
  out += Utf8ToWin1252("Tag Nr\tDeutsch\tItalienisch\tFranzösisch\tEnglisch\tSpanisch") + "\r\n\r\n";
  for (int n = 6; n <= kSprachtexte; ++n) {
    out += std::to_string(n);
    for (int col = 0; col < kSprachen; ++col)
      for (int lang = 0; lang < kSprachen; ++lang)
        if (kFileColumns[lang] == col) out += '\t' + Sprachtabelle[lang][n];
    out += "\r\n";
  }
  WriteFileAtomically("Sprache.txt", out);
}

}  // namespace qeb
