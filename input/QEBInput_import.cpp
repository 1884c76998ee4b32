// Outside hourly data brought into a project: a Meteonorm weather year, the
// measured hourly values of a plant, and the user's temperature files. Each
// file is read whole into locals; the shared state changes only when the
// whole file was good, and a cancelled dialog changes nothing.
#include <QAction>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/Sprachen.h"

namespace qeb {

bool MeteonormGeladen = false;
int OffsetVorMeteonorm = 0;
double QMessungStunde[8761] = {};

namespace {

constexpr const char* kKeineDaten = " Keine Daten eingelesen / No input ";

void ArbeitsverzeichnisZurueck() {
  if (ArbeitsVerzeichnis.empty()) return;
  std::error_code ec;
  std::filesystem::current_path(ArbeitsVerzeichnis, ec);
}

// False for a folder, a file that does not open and one that fails while
// it is read (the reader raises then): none of them may end the program.
bool AlleZeilen(const std::string& datei, std::vector<std::string>& zeilen) {
  std::error_code ec;
  if (std::filesystem::is_directory(datei, ec)) return false;
  LineReader in;
  if (!in.Open(datei)) return false;
  try {
    std::string z;
    while (in.Next(z)) zeilen.push_back(z);
  } catch (const CalcError&) {
    zeilen.clear();
    return false;
  }
  return true;
}

std::string NichtLesbar(const std::string& datei) {
  return "Datei nicht lesbar / file cannot be read: " + Win1252ToUtf8(datei);
}

// Numbers separated by blanks or TABs: the first `n` of the line.
std::vector<std::string> Felder(const std::string& z, size_t n) {
  std::vector<std::string> out;
  size_t p = 0;
  while (out.size() < n) {
    while (p < z.size() && (z[p] == ' ' || z[p] == '\t')) ++p;
    if (p >= z.size()) break;
    const size_t a = p;
    while (p < z.size() && z[p] != ' ' && z[p] != '\t') ++p;
    out.push_back(z.substr(a, p - a));
  }
  return out;
}

struct Lesefehler {
  std::string text;
};

double Wert(const std::vector<std::string>& f, size_t spalte, int zeile) {
  if (f.size() < spalte)
    throw Lesefehler{"Zeile / line " + std::to_string(zeile) + ": Spalte / column " + std::to_string(spalte) +
                     " fehlt / missing"};
  const auto v = ParseReal(f[spalte - 1]);
  if (!v || !std::isfinite(*v))
    throw Lesefehler{"Zeile / line " + std::to_string(zeile) + ", Spalte / column " + std::to_string(spalte) + ": \"" +
                     Win1252ToUtf8(f[spalte - 1]) + "\""};
  return *v;
}

// A value of its column within what that quantity can be; an outdoor
// temperature of 1e30 or a flow of -5 kg/s is a broken file, not weather.
double Wert(const std::vector<std::string>& f, size_t spalte, int zeile, double lo, double hi, const char* einheit) {
  const double v = Wert(f, spalte, zeile);
  if (v < lo || v > hi)
    throw Lesefehler{"Zeile / line " + std::to_string(zeile) + ", Spalte / column " + std::to_string(spalte) + ": \"" +
                     Win1252ToUtf8(f[spalte - 1]) + "\" ausserhalb / outside " + FormatRangeNumber(lo) + " .. " +
                     FormatRangeNumber(hi) + " " + einheit};
  return v;
}

bool KopfZeile(const std::string& z, bool& datum) {
  auto at = [&z](size_t i1) { return z.size() >= i1 ? z[i1 - 1] : '\0'; };
  if (z.rfind("Temp", 0) == 0 && at(11) == 'e') return datum = false, true;
  if (z.size() >= 5 && z.compare(1, 4, "Temp") == 0 && at(12) == 'e') return datum = false, true;
  if (z.rfind("Datu", 0) == 0 && at(11) == 'm') return datum = true, true;
  return false;
}

// A temperature file as the program reads it: the header line found, every
// row after it two numbers. False with the line and value that failed.
bool TempDateiPruefen(const std::string& datei, std::string& grund) {
  std::vector<std::string> zeilen;
  if (!AlleZeilen(datei, zeilen)) {
    grund = NichtLesbar(datei);
    return false;
  }
  int kopf = -1;
  bool datum = false;
  for (size_t i = 0; i < zeilen.size(); ++i) {
    bool d = false;
    if (KopfZeile(zeilen[i], d)) {
      kopf = static_cast<int>(i);
      datum = d;
    }
  }
  if (kopf < 0 || datum) return true;  // nothing the program reads
  try {
    for (size_t i = static_cast<size_t>(kopf) + 1; i < zeilen.size(); ++i) {
      std::string z;
      for (char c : zeilen[i]) {
        if (c == ';' || c == '\'') c = '\t';
        if (c == ',') c = '.';
        if (c != '"') z += c;
      }
      if (std::all_of(z.begin(), z.end(), [](char c) { return c == ' ' || c == '\t'; })) continue;
      z += '\t';
      const auto f = SplitTabs(z);
      // A temperature and a depth.
      Wert(f, 1, static_cast<int>(i) + 1, -60.0, 100.0, "\xC2\xB0" "C");
      Wert(f, 2, static_cast<int>(i) + 1, -1e5, 1e5, "m");
    }
  } catch (const Lesefehler& e) {
    grund = e.text;
    return false;
  }
  return true;
}

void TempDatei(std::string& name, bool& vorhanden) {
  const std::string datei = UI().OpenFileName(Beschriftung(892, "Temperatur-Datei") + " CSV (*.csv);;" +
                                                    Beschriftung(892, "Temperatur-Datei") + " TXT (*.txt)",
                                                Programmverzeichnis);
  if (datei.empty()) {
    // No file chosen: the project's temperature file is detached.
    Message(kKeineDaten);
    vorhanden = false;
    return;
  }
  std::string grund;
  if (!TempDateiPruefen(datei, grund)) {
    Message(std::string(kKeineDaten) + "\n" + grund);
    return;
  }
  name = datei;
  vorhanden = true;
  ArbeitsverzeichnisZurueck();
}

}  // namespace

void TForm1::WetterdatenMeteonorm1Click() {
  const std::string datei = UI().OpenFileName(
      "Meteonorm (Standard) (*.dat);;Meteonorm (Meteo) (*.dat)", Programmverzeichnis);
  if (datei.empty()) return;
  std::vector<std::string> zeilen;
  if (!AlleZeilen(datei, zeilen)) {
    Message(" Kein Meteonorm Wetterfile! \n" + NichtLesbar(datei));
    return;
  }
  if (zeilen.size() < 8760) {
    Message(" Kein Meteonorm Wetterfile! ");
    return;
  }
  std::vector<double> ta(8761), rh(8761), gs(8761);
  try {
    for (int h = 1; h <= 8760; ++h) {
      const auto f = Felder(zeilen[h - 1], 14);
      if (MeteoStandard) {
        gs[h] = Wert(f, 7, h, 0.0, 1500.0, "W/m2") * 3.6 / 1000.0;
        ta[h] = Wert(f, 10, h, -60.0, 60.0, "\xC2\xB0" "C");
      } else {
        ta[h] = Wert(f, 7, h, -60.0, 60.0, "\xC2\xB0" "C");
        rh[h] = Wert(f, 8, h, 0.0, 100.0, "%");
        gs[h] = Wert(f, 11, h, 0.0, 1500.0, "W/m2") * 3.6 / 1000.0;
      }
    }
  } catch (const Lesefehler& e) {
    Message(" Kein Meteonorm Wetterfile! \n" + e.text);
    return;
  }
  // The offset the climate reset goes back to is the one before the first
  // Meteonorm year, not that of a Meteonorm year already loaded.
  if (!MeteonormGeladen) OffsetVorMeteonorm = Offset;
  for (int h = 1; h <= 8760; ++h) {
    Aussentemperatur[h] = ta[h];
    Globalstrahlung[h] = gs[h];
    if (!MeteoStandard) Luftfeuchte[h] = rh[h];
  }
  AussentempRampe();
  MeteonormGeladen = true;
  Offset = 0;
  OffsetAktuell = 0;
  KlimadatenAus->setVisible(true);
  KlimadatenAus1->setVisible(true);
  ArbeitsverzeichnisZurueck();
  EingabenAnzeigen();
}

void TForm1::Messwerteeinlesen1Click() {
  const std::string datei = UI().OpenFileName(Beschriftung(888, "Textdateien") + " (*.txt)", Programmverzeichnis);
  if (datei.empty()) return;
  std::vector<std::string> zeilen;
  std::vector<double> m(8761), ts(8761), q(8761);
  // The heat flow within what the module takes as the load of an hour.
  const ValueRange& last = *RangeOf("QSource");
  try {
    if (!AlleZeilen(datei, zeilen)) throw Lesefehler{NichtLesbar(datei)};
    if (zeilen.size() < 1001 + 8760)
      throw Lesefehler{"Zeilen / lines " + std::to_string(zeilen.size()) + " < " + std::to_string(1001 + 8760)};
    for (int h = 1; h <= 8760; ++h) {
      const int nr = 1001 + h;
      const auto f = Felder(zeilen[static_cast<size_t>(nr) - 1], 4);
      Wert(f, 1, nr);
      m[h] = Wert(f, 2, nr, 0.0, 1000.0, "kg/s");
      ts[h] = Wert(f, 3, nr, -50.0, 100.0, "\xC2\xB0" "C");
      q[h] = Wert(f, 4, nr, last.lo, last.hi, "kW");
    }
  } catch (const Lesefehler& e) {
    Message(std::string(kKeineDaten) + "\n" + e.text);
    return;
  }
  Programmverzeichnis = VerzeichnisVon(datei);
  // The project's own year is calculated once before the measurement is laid beside it.
  const int lastYear = LastYear;
  LastYear = 1;
  Button14Click();
  if (Form4 != nullptr) Form4->close();
  LastYear = lastYear;
  SetMessung(true);
  MesswerteAusProjekt = false;
  keineMesswerteeinlesen1->setVisible(true);
  Messwerteeinlesen1->setVisible(false);
  for (QWidget* w : {static_cast<QWidget*>(Label407), static_cast<QWidget*>(Label408),
                     static_cast<QWidget*>(ELastyear1), static_cast<QWidget*>(Label409),
                     static_cast<QWidget*>(EStartStundenwerte)})
    w->setVisible(true);
  MessungJahre = LastYear;
  ShowInt(ELastyear1, MessungJahre);
  // The module's measured series, which the runs do not overwrite: the
  // measured years take their hours from them and a save writes them. The
  // rows are taken now; the file a run reads its loads from before it holds
  // the project's own loads, not these.
  for (int h = 1; h <= 8760; ++h) {
    MassenstromStunde[h] = m[h];
    TSinkStunde[h] = ts[h];
    TSinkMessungStunde[h] = ts[h];
    QLastStunde[h] = q[h];
    QMessungStunde[h] = q[h];
  }
  MessungEinlesen = false;
}

void TForm1::keineMesswerteeinlesen1Click() {
  SetMessung(false);
  Messwerteeinlesen1->setVisible(true);
  keineMesswerteeinlesen1->setVisible(false);
}

void TForm1::TempFile1Click() { TempDatei(TempDatei1, TempDateiVorhanden1); }
void TForm1::TempFile2Click() { TempDatei(TempDatei2, TempDateiVorhanden2); }
void TForm1::TempFile3Click() { TempDatei(TempDatei3, TempDateiVorhanden3); }

void ConnectImportHandlers(TForm1* f) {
  QObject::connect(f->WetterdatenMeteonorm1, &QAction::triggered, f, &TForm1::WetterdatenMeteonorm1Click);
  QObject::connect(f->Messwerteeinlesen1, &QAction::triggered, f, &TForm1::Messwerteeinlesen1Click);
  QObject::connect(f->keineMesswerteeinlesen1, &QAction::triggered, f, &TForm1::keineMesswerteeinlesen1Click);
  QObject::connect(f->TempFile1, &QAction::triggered, f, &TForm1::TempFile1Click);
  QObject::connect(f->TempFile2, &QAction::triggered, f, &TForm1::TempFile2Click);
  QObject::connect(f->TempFile3, &QAction::triggered, f, &TForm1::TempFile3Click);
  ConnectBeispielHandlers(f);
}

}  // namespace qeb
