// The simulated response test written as "TRT_Temp.txt": the project run in
// test mode and the recorded probe temperatures of its first 120 hours, for
// the engineer's comparison with the measurement.
#include <QMetaObject>
#include <QWidget>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/QEB.h"

namespace qeb {

namespace {

std::string F(double v, int d) { return FormatFixed(v, 0, d); }

QWidget* FensterNamens(const char* name) {
  for (QWidget* w : ApplicationWindows())
    if (w->objectName() == QLatin1String(name)) return w;
  return nullptr;
}

// The mean radius of the fifth radial cell of the grid the module builds:
// rings growing by the grid factor from the borehole wall to the
// calculation radius (equal rings for a factor of 1).
bool Zellradius5(double& rz5, std::string& grund) {
  const int N = DimRad;
  const double q = Gitterfaktor;
  const double r0 = Sondendurchmesser / 2.0 - Dicke_Sondenrohr;
  const double r1 = Bohrdurchmesser / 2.0;
  const double weite = Rechenradius - r1;
  if (N < 5) {
    grund = "DimRad = " + std::to_string(N) + " < 5";
    return false;
  }
  if (!(q > 0.0) || !(weite > 0.0)) {
    grund = "Gitterfaktor, Rechenradius";
    return false;
  }
  std::vector<double> r(static_cast<size_t>(N) + 1);
  r[0] = r0;
  r[1] = r1;
  const double a = std::fabs(q - 1.0) < 1e-12 ? weite / (N - 1) : (1.0 - q) * weite / (1.0 - std::pow(q, N - 1));
  for (int i = 2; i <= N; ++i) r[i] = r[i - 1] + a * std::pow(q, i - 2);
  rz5 = std::sqrt((r[5] * r[5] + r[4] * r[4]) / 2.0);
  if (!std::isfinite(rz5)) {
    grund = "Gitterfaktor";
    return false;
  }
  return true;
}

}  // namespace

void TForm1::TRTFileClick() {
  // 1. The simulation runs with the heating stopped after the test's time.
  const bool ohneNachlaufAlt = TRTOhneNachlauf;
  struct Zurueck {
    TForm1& f;
    bool alt;
    ~Zurueck() {
      TRTOhneNachlauf = alt;
      f.ETRT4->setItemIndex(alt ? 0 : 1);
    }
  } zurueck{*this, ohneNachlaufAlt};
  double rz5 = 0;
  std::string grund;
  EingabenUebernehmen();
  if (!Zellradius5(rz5, grund)) {
    Message("Radiales Gitter zu klein / radial grid too small: " + grund);
    return;
  }
  TRTOhneNachlauf = false;
  ETRT4->setItemIndex(1);
  // The flow of the test: the module stops it once the heating is over.
  const double massenstrom = Auslegungsmassenstrom;
  // 2.
  if (!Button14Click()) return;
  if (Form4 != nullptr) Form4->close();
  if (QWidget* g = FensterNamens("Form5")) g->close();

  // 3.-5. The whole text first; the file is replaced only when it is complete.
  std::string t;
  auto zeile = [&t](const std::string& s) { t += s + "\r\n"; };
  zeile("Berechnete Temperatur im Sondenfluid bei einem TRT");
  zeile(Projekttitel2);
  zeile(Projekttitel1);
  zeile(Projekttitel3);
  zeile(Projekttitel4);
  zeile(Projektstrasse + "  " + Projektort + "  " + std::to_string(x_koord) + " / " + std::to_string(y_koord) +
        " / " + F(Hoehe1, 1) + Utf8ToWin1252(" m.ü.M."));
  zeile(TRTTitelDatei);
  {
    // One rounded count of seconds split into date and time: rounding the
    // seconds apart from the minutes would write 09:00:40 as 09:01:40.
    const double tage = TRTZeit[0];
    const long long sekunden = std::isfinite(tage) ? std::llround(tage * 86400.0) : 0;
    const long long tag = sekunden >= 0 ? sekunden / 86400 : (sekunden - 86399) / 86400;
    const long long rest = sekunden - tag * 86400;
    std::string d = DatumZeitText(static_cast<double>(tag));  // dd/mm/yyyy 00:00
    int t = 0, mon = 0, jahr = 0;
    std::sscanf(d.c_str(), "%d/%d/%d", &t, &mon, &jahr);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %02d:%02d:%02d", t, mon, jahr, static_cast<int>(rest / 3600),
                  static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60));
    zeile(std::string("Start-Zeit TRT  =  ") + buf);
  }
  const std::pair<const char*, std::string> parameter[] = {
      {"Sondenlaenge [m] = ", F(Sondenlaenge, 1)},
      {"Massenstrom [kg/s] = ", F(massenstrom, 3)},
      {"Rho Erde [kg/m3] = ", F(rhoErd, 3)},
      {"cp Erde [J/kgK] = ", F(cpErd, 3)},
      {"lambda Erde [W/Km] = ", F(lambdaErd, 3)},
      {"Rho Hinterfüllung [kg/m3] = ", F(rhoFill, 3)},
      {"cp Hinterfüllung [J/kgK] = ", F(cpFill, 3)},
      {"lambda Hinterfüllung [W/Km] = ", F(lambdaFill, 3)},
      {"Rb [Km/W] = ", F(Rb, 3)},
      {"Ra [Km/W] = ", F(Ra, 3)},
      {"Radius R1 [m] = ", F(Bohrdurchmesser / 2.0, 3)},
      {"Radius Rz5 [m] = ", F(rz5, 3)},
      {"Gitterfaktor = ", F(Gitterfaktor, 5)}};
  for (const auto& [label, wert] : parameter) zeile(Utf8ToWin1252(label) + "\t" + wert);
  zeile("");
  std::string tiefen = "mittlere Tiefe [m] = \t\t";
  for (int g = 0; g < 5; ++g) {
    for (int i = 1; i <= 10; ++i) tiefen += F((i - 1) * Sondenlaenge / 10.0 + Sondenlaenge / 20.0, 2) + "\t";
    if (g < 4) tiefen += "\t";
  }
  zeile(tiefen);
  std::string kopf = "\t\t";
  const char* gruppen[] = {"TDown Schicht", "TFill Schicht", "TEarth1 Schicht", "TEarth5 Schicht", "TUp Schicht"};
  for (int g = 0; g < 5; ++g) {
    // The up-pipe group runs from the bottom layer to the outlet (see the
    // rows below): each heading names the layer its column holds.
    for (int i = 1; i <= 10; ++i)
      kopf += std::string(gruppen[g]) + std::to_string(g == 4 ? 11 - i : i) + " [" + Utf8ToWin1252("°C") + "]\t";
    if (g < 4) kopf += "\t";
  }
  zeile(kopf);
  zeile("Zeit [h]\tLeistung  [kW]");
  for (int h = 1; h <= 120; ++h) {
    std::string r = std::to_string(h);
    r += "\t" + F(TRTQSource[h], 3);
    for (int j = 1; j <= 10; ++j) r += "\t" + F(TRTFeld2[j][h], 3);
    for (double(*tab)[121] : {TRTFeld3, TRTFeld4, TRTFeld5}) {
      r += "\t";
      for (int j = 1; j <= 10; ++j) r += "\t" + F(tab[j][h], 3);
    }
    r += "\t";
    for (int j = 1; j <= 10; ++j) r += "\t" + F(TRTFeld1[11 - j][h], 3);
    if (h < 120) r += "\r\n";
    t += r;
  }
  const std::string ziel = "TRT_Temp.txt";
  const std::string tmp = ziel + ".tmp";
  {
    std::ofstream o(tmp, std::ios::binary | std::ios::trunc);
    o.write(t.data(), static_cast<std::streamsize>(t.size()));
    o.close();
    std::error_code ec;
    if (!o || (std::filesystem::rename(tmp, ziel, ec), ec)) {
      std::filesystem::remove(tmp, ec);
      Message(ziel + ": Schreibfehler / write error");
      return;
    }
  }
}

}  // namespace qeb
