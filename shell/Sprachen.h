// The language tables: five built-in tables of 1000 texts (German, English,
// French, Italian, Spanish), their working copies, the optional language file
// "sprache.qeb", the switch that re-labels every window, and the developer's
// export of the tables. Every translatable control carries its text number in
// its "tag" property. Texts are Windows-1252 bytes, like every module text.
#pragma once

#include <string>
#include <string_view>

namespace qeb {

inline constexpr int kSprachtexte = 1000;
inline constexpr int kSprachen = 5;  // table index: 0 D, 1 E, 2 F, 3 I, 4 S

// Built in, generated from the master table shell/sprachtexte.tsv.
extern std::string StandardSprachtabelle[kSprachen][kSprachtexte + 1];
// Working tables; every lookup reads these.
extern std::string Sprachtabelle[kSprachen][kSprachtexte + 1];
// The working tables have been filled (by any load).
extern bool SprachtexteGeladen;

// Labels the run graphs and the g-function graph draw, set by ApplyLanguage.
extern std::string Monatsname[13];  // 1..12
extern std::string TextSondenruecklauf;
extern std::string TextEntzugMittel;
extern std::string TextTage;
extern std::string TextJahr;
extern std::string TextTemperaturAchse;
extern std::string TextQuellenRuecklauf;
extern std::string TextEntzugsleistung;
extern std::string TextLeistungBedarf;
extern std::string TextKuehlenergie;
extern std::string TextHeizenergie;
extern std::string TextSprungantwort;
extern std::string TextSystemTemperaturen;
extern std::string TextVorRuecklaufNetz;
extern std::string TextAussenluft;
extern std::string TextGFunktion;
extern std::string TextZeitachseLn;

// Table index of a language letter ("D"/"d" 0, "E"/"e" 1, "F"/"f" 2,
// "I"/"i" 3, "S"/"s" 4), -1 for anything else.
int LanguageIndex(std::string_view letter);

// Fills the working tables from the built-in tables, then from "sprache.qeb"
// when it opens (a file written before a text was added keeps that text); reads the rock table into texts 171-200. True when the
// language file was read.
bool LoadLanguageTables();
// LoadLanguageTables, then ApplyLanguage(letter) with the letter as passed.
void SetLanguage(std::string letter);
// Re-labels every window, sets the graph labels and the ground names.
void ApplyLanguage(const std::string& letter);
// Text n of the working table of `letter`; "" outside 1..1000 or for an
// unknown letter.
std::string LanguageText(int n, std::string_view letter);

// The letter the windows were last labelled in; empty while they show the
// German of their own tables (as built).
extern std::string Fenstersprache;
// Text n in the windows' language with the backquote an apostrophe, "" when
// the windows are not labelled from the tables (the caller's German stands).
std::string Fenstertext(int n);
// The same as UTF-8, or `deutsch` when there is none (file-dialog filters).
std::string Beschriftung(int n, const char* deutsch);

// The language is the engineer's choice of the program, not a setting of a
// project: the module's defaults and a project file both set the letter, so
// whatever replaces the project (a new one, an example, an opened file)
// keeps the letter while it lives and puts it back when it ends. A program
// that has no letter yet keeps what the module set.
class SpracheBleibt {
 public:
  SpracheBleibt();
  ~SpracheBleibt();
  SpracheBleibt(const SpracheBleibt&) = delete;
  SpracheBleibt& operator=(const SpracheBleibt&) = delete;

 private:
  std::string sprache_;
};

// Developer output: the five tables as quoted constants and "Sprache.txt",
// which read back as "sprache.qeb" gives the same tables.
void WriteLanguageFiles();
void ExportTextTableAsSource(const std::string& fileName, const std::string (&table)[kSprachtexte + 1]);

// The master table as built into the program (UTF-8, TAB-separated:
// number, German, Italian, French, English, Spanish).
extern const char* const kSprachtexteTsv;

}  // namespace qeb
