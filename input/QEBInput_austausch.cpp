#include "input/QEBInput_austausch.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_data.h"
#include "calc/QEBMOD_file.h"
#include "calc/TextIO.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "results/gfunc_fit.h"
#include "shell/Sprachen.h"

namespace qeb {

namespace fs = std::filesystem;

namespace {

constexpr const char* kKeineAusgabe = " Keine Daten geschrieben / No output ";
constexpr const char* kKeineEingabe = " Keine Daten eingelesen / No input ";

double Klein0(double v) { return std::fabs(v) < 0.0001 ? 0.0 : v; }

// Origin of the national grid in the plan: where plan (0, 0) lies.
void Nullpunkt(double& x0, double& y0) {
  x0 = y0 = 0;
  if (mitReferenzpunkt) {
    x0 = Klein0(x_CH_Koord - x_Ref);
    y0 = Klein0(y_CH_Koord + y_Ref);
  }
}

std::string Kante(const QLineEdit* e) { return e == nullptr ? std::string() : Utf8ToWin1252(e->text().toStdString()); }

// The lines of a text file without their line ends; false when unreadable.
bool Zeilen(const std::string& datei, std::vector<std::string>& z) {
  std::ifstream in(datei, std::ios::binary);
  if (!in) return false;
  std::stringstream ss;
  ss << in.rdbuf();
  if (in.bad()) return false;
  const std::string s = ss.str();
  z.clear();
  size_t a = 0;
  while (a < s.size()) {
    size_t e = s.find('\n', a);
    if (e == std::string::npos) e = s.size();
    std::string l = s.substr(a, e - a);
    if (!l.empty() && l.back() == '\r') l.pop_back();
    z.push_back(std::move(l));
    a = e + 1;
  }
  return true;
}

// The fields of a borehole file's line: numbers separated by blanks or TABs
// (a comma or semicolon is no separator there, and no decimal point either).
std::vector<std::string> Spalten(const std::string& zeile, std::string_view trenner = "\t ") {
  std::vector<std::string> f;
  std::string cur;
  for (char c : zeile) {
    if (trenner.find(c) != std::string_view::npos) {
      if (!cur.empty()) f.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) f.push_back(cur);
  return f;
}

std::vector<std::string> Felder(const std::string& zeile) { return Spalten(zeile, "\t ;,"); }

// Writes the text beside the target, checks it and puts it in place; the
// target stays as it was on any failure.
bool Ersetzen(const std::string& ziel, const std::string& text, std::string& fehler) {
  const std::string tmp = ziel + "1";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      std::error_code ec;
      fs::remove(tmp, ec);
      fehler = "cannot write " + tmp;
      return false;
    }
  }
  std::error_code ec;
  if (fs::file_size(tmp, ec) != text.size() || ec) {
    fs::remove(tmp, ec);
    fehler = "cannot write " + tmp;
    return false;
  }
  fs::rename(tmp, ziel, ec);
  if (ec) {
    fs::remove(tmp, ec);
    fehler = "cannot write " + ziel;
    return false;
  }
  return true;
}

bool Schreiben(const std::string& datei, const std::string& text) {
  std::ofstream out(datei, std::ios::binary | std::ios::trunc);
  out << text;
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace

// ---------------- borehole positions ----------------

std::string SondenDateiText() {
  double x0 = 0, y0 = 0;
  Nullpunkt(x0, y0);
  const char* nl = "\r\n";
  std::string s = std::string("Datei mit Standorten der Erdwaermesonden, ") +
                  "28.0 Version des Ausgabefiles, Programm QEB" + nl + nl;
  if (Form1 != nullptr) {
    s += Kante(Form1->EProjektname) + nl + Kante(Form1->EBeschreibung) + nl + Kante(Form1->EErsteller) + nl +
         Kante(Form1->EAnmerkungen) + nl;
  } else {
    s += std::string(nl) + nl + nl + nl;
  }
  s += nl;
  s += FormatFixed(x0, 0, 3) + "\t" + FormatFixed(y0, 0, 3) + "\tNullpunkt:" + nl + nl;
  s += std::string("Nr\tx-Koord\ty-Koord\tNachbarsonde (1=Ja)\tSondenbelastung") + nl;
  for (int i = 1; i <= std::min(Zaehler, kMaxSonden); ++i) {
    // National y grows to the north, the plan's to the south.
    const double x = mitReferenzpunkt ? SondeX[i] + x0 : SondeX[i];
    const double y = mitReferenzpunkt ? y0 - SondeY[i] : SondeY[i];
    s += std::to_string(i) + "\t" + FormatFixed(x, 0, 2) + "\t" + FormatFixed(y, 0, 2) + "\t" +
         (Nachbarsonde[i] ? "1" : "0") + "\t" + FormatFixed(Sondenbelastung[i], 0, 3) + nl;
  }
  return s;
}

bool SondenDateiLesen(const std::string& datei, std::string& fehler) {
  std::vector<std::string> z;
  if (!Zeilen(datei, z)) {
    fehler = datei + ": cannot read";
    return false;
  }
  // The file's own origin: national coordinates when it is not (0, 0).
  double fx0 = 0, fy0 = 0;
  if (z.size() >= 8) {
    const auto f = Spalten(z[7]);
    const auto a = f.size() >= 2 ? ParseReal(f[0]) : std::nullopt;
    const auto b = f.size() >= 2 ? ParseReal(f[1]) : std::nullopt;
    if (!a || !b || !std::isfinite(*a) || !std::isfinite(*b)) {
      fehler = datei + ", Zeile / line 8: Nullpunkt";
      return false;
    }
    fx0 = Klein0(*a);
    fy0 = Klein0(*b);
  }
  size_t ende = z.size();
  while (ende > 10 && Trim(z[ende - 1]).empty()) --ende;  // line ends after the last row
  if (ende <= 10) {
    fehler = datei + ": keine Sonden / no boreholes";
    return false;
  }
  const size_t n = ende - 10;
  if (n > static_cast<size_t>(kMaxSonden)) {
    fehler = datei + ", Zeile / line " + std::to_string(10 + kMaxSonden + 1) + ": mehr als 600 Sonden / more than 600 boreholes";
    return false;
  }
  const bool national = fx0 != 0 || fy0 != 0;
  double px0 = 0, py0 = 0;
  Nullpunkt(px0, py0);
  // A national file lands on the project's grid when it has one, else on
  // the file's own origin; a plan file is taken as it is.
  const double x0 = national ? (mitReferenzpunkt ? px0 : fx0) : 0;
  const double y0 = national ? (mitReferenzpunkt ? py0 : fy0) : 0;
  std::vector<double> xs(n), ys(n), lasten(n);
  std::vector<bool> nachbarn(n);
  for (size_t k = 0; k < n; ++k) {
    // Number, x, y, neighbour flag (integer 0 or 1), load share: five fields.
    const auto f = Spalten(z[10 + k]);
    double v[5] = {};
    bool ok = f.size() == 5;
    for (size_t j = 0; ok && j < 5; ++j) {
      const auto p = ParseReal(f[j]);
      ok = p.has_value() && std::isfinite(*p);
      if (ok) v[j] = *p;
    }
    if (ok) {
      const auto flag = ParseInteger(f[3]);
      ok = flag.has_value() && (*flag == 0 || *flag == 1);
    }
    const std::string zeile = datei + ", Zeile / line " + std::to_string(11 + k) + ": ";
    if (!ok) {
      fehler = zeile + z[10 + k];
      return false;
    }
    xs[k] = national ? v[1] - x0 : v[1];
    ys[k] = national ? y0 - v[2] : v[2];
    nachbarn[k] = v[3] == 1;
    lasten[k] = v[4];
    // What the module could neither calculate nor save is not taken.
    for (const auto& [key, wert] : {std::pair<const char*, double>{"SondeX", xs[k]}, {"SondeY", ys[k]},
                                     {"Sondenbelastung", lasten[k]}}) {
      const std::string warum = RangeViolation(key, wert);
      if (!warum.empty()) {
        fehler = zeile + z[10 + k] + "\n" + warum;
        return false;
      }
    }
    // A share below zero would turn a borehole that extracts into one that
    // injects.
    if (lasten[k] < 0.0) {
      fehler = zeile + z[10 + k] + "\nSondenbelastung: Wert / value " + FormatRangeNumber(lasten[k]) +
               " negativ / negative";
      return false;
    }
  }
  for (int i = 1; i <= kMaxSonden; ++i) {
    SondeX[i] = SondeY[i] = 0;
    Nachbarsonde[i] = false;
    Sondenbelastung[i] = 0;
  }
  Zaehler = static_cast<int>(n);
  for (size_t k = 0; k < n; ++k) {
    SondeX[k + 1] = xs[k];
    SondeY[k + 1] = ys[k];
    Nachbarsonde[k + 1] = nachbarn[k];
    Sondenbelastung[k + 1] = lasten[k];
  }
  return true;
}

void ExportSonden1Click() {
  const std::string datei = UI().SaveFileName(Beschriftung(890, "Sonden-Datei") + "|*.qeb", Programmverzeichnis, "sonden.qeb");
  if (datei.empty()) {
    Message(kKeineAusgabe);
    return;
  }
  Programmverzeichnis = VerzeichnisVon(datei);
  if (!Schreiben(datei, SondenDateiText())) {
    Message("Datei kann nicht geschrieben werden / cannot write file: " + Win1252ToUtf8(datei));
    return;
  }
  Message(" Daten geschrieben / output done ");
}

void ImportSonden1Click() {
  const std::string datei = UI().OpenFileName(Beschriftung(890, "Sonden-Datei") + " *.qeb|*.qeb|CSV|*.csv", Programmverzeichnis);
  if (datei.empty()) {
    Message(kKeineEingabe);
    return;
  }
  std::string fehler;
  if (!SondenDateiLesen(datei, fehler)) {
    Message(kKeineEingabe + std::string("\n") + Win1252ToUtf8(fehler));
    return;
  }
  // The run takes the field read, as after the editor's "Ende".
  if (!FeldInKraftSetzen()) return;
  Message(" Daten eingelesen / input done ");
}

// ---------------- site temperatures ----------------

void ExportTempStao1Click() {
  if (!(x_Stao > 1.0)) return;
  const std::string datei = UI().SaveFileName(Beschriftung(891, "Standort-Datei") + " (*.stao)|*.stao", Programmverzeichnis, StaoFile);
  if (datei.empty()) return;
  std::vector<double> dT(201, 0.0);
  try {
    // The loads of the project on screen, generated once for all years.
    const double E = ProjektJahresenergie();
    if (E == 0.0) {
      Message(kKeineLasten);
      return;
    }
    for (int y = 1; y <= 200; ++y) dT[static_cast<size_t>(y)] = FieldTemperatureResponse(y, E);
  } catch (const CalcError& e) {
    Message(Win1252ToUtf8(e.what()));
    return;
  }
  double x = 0, y = 0;
  StaoLandeskoordinaten(x, y);
  x_Stao_CH = x;
  y_Stao_CH = y;
  std::string s = Projekttitel1 + "\r\nYear\tx-Koord\ty-Koord\tdT Stao [K]\r\n";
  for (int j = 0; j <= 200; ++j)
    s += std::to_string(j) + "\t" + FormatFixed(x, 7, 1) + "\t" + FormatFixed(y, 7, 1) + "\t" +
         FormatFixed(dT[static_cast<size_t>(j)], 4, 2) + "\r\n";
  if (!Schreiben(datei, s)) {
    Message("Datei kann nicht geschrieben werden / cannot write file: " + Win1252ToUtf8(datei));
    return;
  }
  Message(" Daten geschrieben / output done ");
}

void ImportTempStao1Click() {
  const std::string datei =
      UI().OpenFileName(Beschriftung(891, "Standort-Datei") + " (*.stao)|*.stao|" + Beschriftung(891, "Standort-Datei") +
                            " (stao.qeb)|*.qeb",
                        Programmverzeichnis);
  if (datei.empty()) {
    Message(kKeineEingabe);
    return;
  }
  // The name is kept without its folder; the file chosen is read where it is.
  // A refused file does not become the project's site file.
  const bool gelesenAlt = StaoGelesen;
  DatenfileFehler.clear();
  if (ReadLocationFile(datei)) {
    StaoFile = fs::path(datei).filename().string();
    Reserve27 = true;
    if (Form1 != nullptr) Form1->EingabenAnzeigen();
    StaoGelesen = ReadLocationFile(datei);
    Message(" Input stao-file ");
  } else {
    // The project keeps the site file it had.
    StaoGelesen = gelesenAlt;
    Message(kKeineEingabe + std::string("\n") + datei + "\n" + Win1252ToUtf8(DatenfileFehler));
  }
}

void NoImportTempStao1Click() {
  Reserve27 = false;
  TStandort50 = 0;
  if (Form1 != nullptr) Form1->EingabenAnzeigen();
  Message(" No Input stao.qeb ");
}

// ---------------- hourly exchange table ----------------

bool PolysunTabelle(const std::string& projekt, std::string& t, std::string& fehler) {
  std::vector<std::string> z;
  if (!Zeilen(projekt, z)) {
    fehler = projekt + ": cannot read";
    return false;
  }
  if (z.size() < 1001 + 8760) {
    fehler = projekt + ": " + std::to_string(z.size()) + " Zeilen / lines, 9761 erwartet / expected";
    return false;
  }
  const auto block = [](const std::string& zeile) {
    // Eight numbers rewritten in the exponent form; a line that does not
    // hold eight numbers travels unchanged.
    const auto f = Felder(zeile);
    if (f.size() < 8) return zeile;
    std::string s;
    for (size_t j = 0; j < 8; ++j) {
      const auto p = ParseReal(f[j]);
      if (!p || !std::isfinite(*p)) return zeile;
      s += FormatExp(*p) + "\t";
    }
    return s;
  };
  t.clear();
  t.reserve(z.size() * 200);
  for (int n = 1; n <= 1000; ++n) {
    const std::string& l = z[static_cast<size_t>(n - 1)];
    if (n == 1) {
      t += "24.0 Version des Ausgabefiles, Programm QEB";
    } else if (n == 298) {
      t += "TRUE\tVar Pumpe";
    } else if ((n >= 641 && n <= 740) || (n >= 899 && n <= 948)) {
      t += block(l);
    } else {
      t += l;
    }
    t += "\r\n";
  }
  t += "Step\tM [kg/s]\tTSink\tQ [kW]\tTSource\tTa [\xB0"
       "C]\t\t\r\n";
  for (int h = 0; h < 8760; ++h) {
    const std::string& l = z[static_cast<size_t>(1001 + h)];
    const auto f = Felder(l);
    double v[7] = {};
    bool ok = f.size() >= 7;
    for (size_t j = 0; ok && j < 7; ++j) {
      const auto p = ParseReal(f[j]);
      ok = p.has_value() && std::isfinite(*p);
      if (ok) v[j] = *p;
    }
    if (!ok) {
      fehler = projekt + ", Zeile / line " + std::to_string(1002 + h);
      return false;
    }
    t += FormatFixed(v[0], 0, 0);
    for (int j = 1; j < 7; ++j) t += "\t" + FormatExp(v[j]);
    t += "\t1\r\n";
  }
  return true;
}

void Polysun_Schnittstelle() {
  if (Form1 == nullptr) return;
  // Only a project that was saved just now is converted: a cancelled or
  // failed save leaves every file as it was.
  if (!Form1->ToolButtonSpeichernClick()) {
    Message(kKeineAusgabe);
    return;
  }
  const std::string projekt = GespeichertUnter;
  std::string tabelle, fehler;
  if (!PolysunTabelle(projekt, tabelle, fehler) || !Ersetzen(projekt, tabelle, fehler)) {
    Message(std::string(kKeineAusgabe) + "\n" + Win1252ToUtf8(fehler));
    return;
  }
}

void AustauschVerbinden(TForm1* f) {
  QObject::connect(f->ExportSonden1, &QAction::triggered, f, [] { ExportSonden1Click(); });
  QObject::connect(f->ImportSonden1, &QAction::triggered, f, [] { ImportSonden1Click(); });
  QObject::connect(f->ExportTempStao1, &QAction::triggered, f, [] { ExportTempStao1Click(); });
  QObject::connect(f->ImportTempStao1, &QAction::triggered, f, [] { ImportTempStao1Click(); });
  QObject::connect(f->NoImportTempStao1, &QAction::triggered, f, [] { NoImportTempStao1Click(); });
  QObject::connect(f->ExportPolysun1, &QAction::triggered, f, [] { Polysun_Schnittstelle(); });
  QObject::connect(f->Button17, &QPushButton::clicked, f, [] { Polysun_Schnittstelle(); });
}

}  // namespace qeb
