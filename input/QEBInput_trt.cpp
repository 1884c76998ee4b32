// The thermal response test: a measurement file read in any of its layouts,
// the heating window found, the late-time rise fitted against ln t for the
// ground conductivity, the borehole resistance derived, and the project set
// up to simulate the test. A file is read whole and evaluated in locals; the
// shared state changes only when the evaluation succeeded.
#include "input/QEBInput_trt.h"

#include <QAction>
#include <QMetaObject>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_data.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"

namespace qeb {

int TRTAnzahl = 0;
std::string TRTDateiName;
double TRTDeltaT[kTRTMaxRecords + 1] = {};
int TRTFitEnde = 0;
int TRTFitStart = 0;
double TRTFitT1 = 0;
double TRTFitT2 = 0;
std::string TRTGewaehlteDatei;
int TRTHeizPunkte = 0;
double TRTLambda = 0;
double TRTLeistung[kTRTMaxRecords + 1] = {};
double TRTLnTDatenEnde = 0;
double TRTLnTMitte = 0;
double TRTLnZeit[kTRTMaxRecords + 1] = {};
double TRTStundenTemp[kTRTMaxRecords + 1] = {};
double TRTTemp[kTRTMaxRecords + 1] = {};
std::string TRTTitelDatei;
double TRTTMitte = 0;
double TRTZeit[kTRTMaxRecords + 1] = {};
std::string ArbeitsVerzeichnis;

namespace {

long long TageSeit1970(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void DatumAusTagen(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

constexpr long long kDelphiNull = 25569;  // days from 30.12.1899 to 1.1.1970

bool Ganzzahl(std::string_view s, int& v) {
  s = Trim(s);
  if (s.empty() || s.size() > 6) return false;
  v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  return true;
}

std::string Feldtext(const std::string& s) {
  std::string t = Win1252ToUtf8(s);
  if (t.size() > 40) t = t.substr(0, 40) + "...";
  return "\"" + t + "\"";
}

struct Fehler {
  std::string text;
};

[[noreturn]] void Melde(int zeile, int feld, const std::string& was, const std::string& wert) {
  throw Fehler{"Zeile / line " + std::to_string(zeile) + ", Feld / field " + std::to_string(feld) + ": " + was + " " +
               Feldtext(wert)};
}

double Zahl(std::string s, int zeile, int feld, bool komma) {
  if (komma) std::replace(s.begin(), s.end(), ',', '.');
  const auto v = ParseReal(s);
  if (!v || !std::isfinite(*v)) Melde(zeile, feld, "keine Zahl / not a number", s);
  return *v;
}

// A fluid temperature: a sensor's error value or a column of something else
// (a power, a count) lies outside what a probe's fluid can be.
double Temperatur(const std::string& s, int zeile, int feld, bool komma) {
  const double v = Zahl(s, zeile, feld, komma);
  if (v < -40.0 || v > 100.0) Melde(zeile, feld, "ausserhalb / outside -40 .. 100 \xC2\xB0" "C:", s);
  return v;
}

double Datum(const std::string& s, int zeile, int feld) {
  const auto v = DatumZeitLesen(s);
  if (!v) Melde(zeile, feld, "kein Datum / no date-time", s);
  return *v;
}

// The fields of the character layout: each up to the next ";" or TAB.
std::vector<std::string> ZeichenFelder(const std::string& line, size_t anzahl) {
  std::vector<std::string> out;
  size_t p = 0;
  while (out.size() < anzahl && p <= line.size()) {
    size_t q = line.find_first_of(";\t", p);
    if (q == std::string::npos) q = line.size();
    out.push_back(line.substr(p, q - p));
    p = q + 1;
  }
  return out;
}

std::string Endung3(const std::string& datei) { return datei.size() >= 3 ? datei.substr(datei.size() - 3) : datei; }

enum class Layout { Semikolon, Tabelle, Zeichen };

Layout LayoutVon(const std::string& datei) {
  const std::string e = Endung3(datei);
  if (e == "TXT" || e == "txt" || e == "CSV" || e == "csv" || e == "TRT" || e == "trt") return Layout::Semikolon;
  if (e == "XLS" || e == "xls") return Layout::Tabelle;
  return Layout::Zeichen;
}

}  // namespace

std::vector<std::string> TeileText(const std::string& text, char separator) {
  std::vector<std::string> out;
  size_t p = 0;
  for (;;) {
    const size_t q = text.find(separator, p);
    if (q == std::string::npos) {
      out.push_back(text.substr(p));
      return out;
    }
    out.push_back(text.substr(p, q - p));
    p = q + 1;
  }
}

std::optional<double> DatumZeitLesen(const std::string& text) {
  std::string s(Trim(text));
  std::replace(s.begin(), s.end(), '.', '/');
  const size_t blank = s.find(' ');
  const std::string datum = s.substr(0, blank);
  std::string zeit = blank == std::string::npos ? std::string() : std::string(Trim(s.substr(blank + 1)));
  const auto dmy = TeileText(datum, '/');
  if (dmy.size() != 3) return std::nullopt;
  int d = 0, m = 0, y = 0;
  if (!Ganzzahl(dmy[0], d) || !Ganzzahl(dmy[1], m) || !Ganzzahl(dmy[2], y)) return std::nullopt;
  if (y < 100) y += 2000;
  if (m < 1 || m > 12 || d < 1 || y > 9999) return std::nullopt;
  static const int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool schalt = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  if (d > tage[m - 1] + (m == 2 && schalt ? 1 : 0)) return std::nullopt;
  int h = 0, mi = 0, se = 0;
  if (!zeit.empty()) {
    const auto hms = TeileText(zeit, ':');
    if (hms.size() < 2 || hms.size() > 3) return std::nullopt;
    if (!Ganzzahl(hms[0], h) || !Ganzzahl(hms[1], mi) || (hms.size() == 3 && !Ganzzahl(hms[2], se)))
      return std::nullopt;
    if (h > 23 || mi > 59 || se > 59) return std::nullopt;
  }
  return static_cast<double>(TageSeit1970(y, m, d) + kDelphiNull) + (h * 3600.0 + mi * 60.0 + se) / 86400.0;
}

std::string DatumZeitText(double tage) {
  if (!std::isfinite(tage)) return std::string();
  const double ganz = std::floor(tage);
  long long minuten = std::llround((tage - ganz) * 1440.0);
  long long tag = static_cast<long long>(ganz);
  if (minuten >= 1440) {
    minuten -= 1440;
    ++tag;
  }
  int y = 0, m = 0, d = 0;
  DatumAusTagen(tag - kDelphiNull, y, m, d);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d", d, m, y, static_cast<int>(minuten / 60),
                static_cast<int>(minuten % 60));
  return buf;
}

bool TRTDateiLesen(const std::string& datei, TRTMessreihe& m, std::string& grund) {
  LineReader in;
  std::vector<std::string> zeilen;
  std::error_code ec;
  bool lesbar = !std::filesystem::is_directory(datei, ec) && in.Open(datei);
  if (lesbar) {
    // A file that opens but fails while it is read (a device, a lost
    // medium) is as unreadable as one that does not open.
    try {
      std::string line;
      while (in.Next(line)) zeilen.push_back(line);
    } catch (const CalcError&) {
      lesbar = false;
    }
  }
  in.Close();
  if (!lesbar) {
    grund = "Datei nicht lesbar / file cannot be read: " + Win1252ToUtf8(datei);
    return false;
  }
  TRTMessreihe r;
  const Layout layout = LayoutVon(datei);
  const bool duenn = layout != Layout::Tabelle && zeilen.size() > static_cast<size_t>(kTRTMaxRecords);
  auto zeilentext = [&](size_t i) -> const std::string& { return zeilen[i]; };
  try {
    if (layout == Layout::Semikolon) {
      if (zeilen.empty()) throw Fehler{"Datei leer / file empty"};
      const bool breit = std::count(zeilen[0].begin(), zeilen[0].end(), ';') > 10;
      for (size_t i = 1; i < zeilen.size() && r.datum.size() < static_cast<size_t>(kTRTMaxRecords);) {
        const int nr = static_cast<int>(i) + 1;
        const auto f = TeileText(zeilentext(i), ';');
        const size_t brauche = breit ? 19 : 8;
        if (f.size() < brauche) Melde(nr, static_cast<int>(f.size()) + 1, "fehlt / missing", zeilentext(i));
        r.zeile.push_back(nr);
        if (breit) {
          r.t1.push_back(Temperatur(f[0], nr, 1, false));
          r.t2.push_back(Temperatur(f[1], nr, 2, false));
          r.p.push_back(Zahl(f[10], nr, 11, false));
          r.datum.push_back(Datum(f[17] + " " + f[18], nr, 18));
        } else {
          r.t1.push_back(Temperatur(f[1], nr, 2, false));
          r.t2.push_back(Temperatur(f[0], nr, 1, false));
          r.p.push_back(Zahl(f[2], nr, 3, false) / 1000.0);
          r.datum.push_back(Datum(f[6] + " " + f[7], nr, 7));
        }
        i += 2 + (duenn ? 18 : 0);
      }
    } else if (layout == Layout::Tabelle) {
      auto wert = [&](size_t i) -> std::string {
        const auto f = SplitTabs(zeilentext(i));
        if (f.size() < 2) Melde(static_cast<int>(i) + 1, 2, "fehlt / missing", zeilentext(i));
        return f[1];
      };
      for (size_t i = 2; i + 5 < zeilen.size() && r.datum.size() < static_cast<size_t>(kTRTMaxRecords); i += 7) {
        const int nr = static_cast<int>(i) + 1;
        r.zeile.push_back(nr + 1);
        r.datum.push_back(Datum(wert(i + 1), nr + 1, 2));
        r.p.push_back(Zahl(wert(i + 2), nr + 2, 2, true));
        Zahl(wert(i + 3), nr + 3, 2, true);
        r.t1.push_back(Temperatur(wert(i + 4), nr + 4, 2, true));
        r.t2.push_back(Temperatur(wert(i + 5), nr + 5, 2, true));
      }
    } else {
      for (size_t i = 1; i < zeilen.size() && r.datum.size() < static_cast<size_t>(kTRTMaxRecords);) {
        const int nr = static_cast<int>(i) + 1;
        const auto f = ZeichenFelder(zeilentext(i), 4);
        if (f.size() < 4) Melde(nr, static_cast<int>(f.size()) + 1, "fehlt / missing", zeilentext(i));
        r.zeile.push_back(nr);
        r.datum.push_back(Datum(f[0], nr, 1));
        r.t1.push_back(Temperatur(f[1], nr, 2, false));
        r.t2.push_back(Temperatur(f[2], nr, 3, false));
        r.p.push_back(Zahl(f[3], nr, 4, false));
        i += 1 + (duenn ? 18 : 0);
      }
    }
  } catch (const Fehler& e) {
    grund = e.text;
    return false;
  }
  if (r.datum.empty()) {
    grund = "keine Messwerte / no records";
    return false;
  }
  // A record earlier than the first would give a negative heating time.
  for (size_t i = 1; i < r.datum.size(); ++i)
    if (r.datum[i] < r.datum[0]) {
      grund = "Messwert " + std::to_string(i + 1) + " vor dem ersten / record before the first";
      return false;
    }
  {
    // One stray peak does not set the heating power, in any layout: the
    // second-largest value does.
    std::vector<double> sortiert = r.p;
    std::sort(sortiert.begin(), sortiert.end(), std::greater<double>());
    r.pmax = sortiert.size() >= 2 ? sortiert[1] : sortiert[0];
  }
  m = std::move(r);
  return true;
}

double RohrWaermeuebergang(bool koaxial, bool einfachUFlag, bool reibungsgesetz, double anteil, double innenrohr,
                           double wand, double aussen, double massenstrom, double lambda, double cp, double rho,
                           double nue) {
  if (massenstrom <= 0.0001) return 0.01;
  const double di = aussen - 2.0 * wand;
  double w = 0.0;
  if (koaxial) {
    w = massenstrom / (rho * M_PI * ((di / 2) * (di / 2) - (innenrohr / 2) * (innenrohr / 2))) * anteil;
  } else {
    w = 2.0 * massenstrom / (rho * M_PI * di * di) * anteil;
    if (einfachUFlag) w *= 2.0;
  }
  const double re = w * di / nue;
  const double pr = nue * rho * cp / lambda;
  auto turbulent = [&](double reynolds, bool fest) {
    double xi = reibungsgesetz ? std::pow(1.58 * std::log(reynolds) - 3.28, -2.0)
                               : std::pow(1.82 * std::log10(reynolds) - 1.64, -2.0);
    double erster = 1.0 + 27.2 * xi / 8.0;
    if (fest) {
      xi = 0.031437;
      erster = 1.106886;
    }
    return (xi / 8.0) * reynolds * pr /
           (erster + (11.7 + 1.8 / std::cbrt(pr)) * std::sqrt(xi / 8.0) * (std::pow(pr, 2.0 / 3.0) - 1.0));
  };
  double nu = 4.36;
  if (re >= 10000.0) {
    nu = turbulent(re, false);
  } else if (re > 2300.0) {
    nu = reibungsgesetz ? turbulent(re, false)
                        : 4.36 * std::exp(std::log(re / 2300.0) * std::log(turbulent(10000.0, true) / 4.36) /
                                          std::log(4.3478260869565215));
  }
  return nu * lambda / di;
}

}  // namespace qeb
