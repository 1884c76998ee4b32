// The labels the run graphs draw, as UTF-8. They read the language unit's
// graph labels; before any language has been applied those are empty and the
// German wording stands.
#pragma once

#include <string>

#include "calc/TextIO.h"
#include "shell/Sprachen.h"

namespace qeb::GrafikText {

// The labels have been set once the month names are (every language has them).
inline std::string Oder(const std::string& w1252, const char* deutsch) {
  return Monatsname[1].empty() ? std::string(deutsch) : Win1252ToUtf8(w1252);
}

// Text n of the language tables in the windows' language (the German wording
// while they show their own), for the captions the graphs draw themselves.
inline std::string Tabellentext(int n, const char* deutsch) {
  const std::string t = Fenstertext(n);
  return t.empty() ? std::string(deutsch) : Win1252ToUtf8(t);
}

inline std::string Monat(int m) {
  static const char* const kDeutsch[13] = {"",     "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                           "Juli", "August", "September", "Oktober", "November", "Dezember"};
  if (m < 1 || m > 12) return {};
  return Oder(Monatsname[m], kDeutsch[m]);
}
inline std::string Sondenruecklauf() { return Oder(TextSondenruecklauf, "Sondenrücklauf"); }
inline std::string EntzugMittel() { return Oder(TextEntzugMittel, "Entzug 24h-Mittel [kW]"); }
inline std::string Tage() { return Oder(TextTage, "Tage"); }
inline std::string TemperaturAchse() { return Oder(TextTemperaturAchse, "Temperatur [°C]"); }
inline std::string QuellenRuecklauf() { return Oder(TextQuellenRuecklauf, "Quellen- und Rücklauftemperatur"); }
inline std::string Entzugsleistung() { return Oder(TextEntzugsleistung, "Entzugsleistung [kW]"); }
inline std::string LeistungBedarf() { return Oder(TextLeistungBedarf, "      Entzugsleistung & Bedarf"); }
inline std::string Kuehlenergie() { return Oder(TextKuehlenergie, "Kühlenergie = "); }
inline std::string Heizenergie() { return Oder(TextHeizenergie, "Heizenergie = "); }
inline std::string Sprungantwort() { return Oder(TextSprungantwort, "Sprungantwort"); }
inline std::string SystemTemperaturen() { return Oder(TextSystemTemperaturen, "     System - Temperaturen"); }
inline std::string VorRuecklaufNetz() { return Oder(TextVorRuecklaufNetz, "Vor-& Rücklauftemperatur Kältenetz"); }
inline std::string Aussenluft() { return Oder(TextAussenluft, "Aussen- und Zulufttemperatur"); }

}  // namespace qeb::GrafikText
