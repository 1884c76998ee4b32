// Run finish (command -4): the last step row, the start-up file, closing the
// files and the daily, yearly and monthly sums. Also the life of the output
// file: it is written under a temporary name beside the target and only moved
// into place when the run finishes, so a failed or stopped run never destroys
// the previous project.
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {

double QHeizMonat[13];
double QKuehlMonat[13];
double QHeizSumme = 0.0;
double QKuehlSumme = 0.0;
double QTagesmittel[366];
double QTagesmittelLuft[366];
double QFreecoolingSumme = 0.0;
double KuehlbedarfSumme = 0.0;
double KreisEnergieSumme = 0.0;

namespace {

// Target and temporary name of the output file of the running calculation.
std::string gOutputTarget;
std::string gOutputTemp;

void WriteStartupFile() {
  LineWriter f;
  f.Open(Anfahrfile);
  f.WriteLine("Ausgabefile des QEB-Programms");
  f.WriteLine(Projekttitel1);
  f.WriteLine(Projekttitel2);
  f.WriteLine(Projekttitel3);
  f.WriteLine(Projekttitel4);
  f.WriteLine(FormatInt(AnzahlSonden) + "\t" + Labeltabelle[6]);
  const double values[7] = {Sondenlaenge, Bohrdurchmesser, Sondendurchmesser, Dicke_Sondenrohr, R1, Ra, Rb};
  for (int i = 0; i < 7; ++i) f.WriteLine(FormatExp(values[i]) + "\t" + Labeltabelle[7 + i]);
  f.WriteLine(FormatExp(Rc) + "\tmK/W\tRc");
  f.WriteLine("");
  f.WriteLine("Zeit [s]\tTQuelle [\xB0" "C]");
  for (int i = 1; i <= 1000; ++i) f.WriteLine(FormatFixed(ZeitVerlauf[i], 0, 1) + "\t" + FormatFixed(TSourceVerlauf[i], 0, 3));
  f.Close();
}

// Heat flow of an air-side hour: the demand less what the supply-air fan adds.
double AirSideDemand(int h) { return QMaxStunde[h] - SupplyAirFanHeat(h); }

void DailyAirMeans() {
  for (double& v : QTagesmittelLuft) v = 0.0;
  for (int i = 1; i <= kStunden; ++i) QTagesmittelLuft[(i + 23) / 24] += AirSideDemand(i) / 24.0;
}

void Sums() {
  const int steps = std::clamp(SchritteProJahr, 0, kStunden);
  for (double& v : QTagesmittel) v = 0.0;
  for (int i = 1; i <= kStunden; ++i) QTagesmittel[(i + 23) / 24] += QStunde[i] / 24.0;

  if (Systemsimulation) {
    for (int i = 1; i <= steps; ++i) {
      KuehlbedarfSumme += AirSideDemand(i) * Zeitschritt / 60.0;
      KreisEnergieSumme += (TVLStunde[i] - TRLStunde[i]) * m1 * cpSole / 1000.0 * Zeitschritt / 60.0;
    }
    if (MaxQ) DailyAirMeans();
  } else if (Freecooling) {
    DailyAirMeans();
  }

  for (int i = 1; i <= steps; ++i) {
    if (QStunde[i] > 0.0)
      QHeizSumme += Zeitschritt * QStunde[i] / 60.0;
    else
      QKuehlSumme += Zeitschritt * QStunde[i] / 60.0;
  }
  SummeQHeiz = QHeizSumme;
  SummeQKuehl = QKuehlSumme;

  for (int i = 1; i <= steps; ++i)
    if (QStunde[i] < 0.0) QFreecoolingSumme += Zeitschritt * QFreecoolingStunde[i] / 60.0;

  for (int m = 1; m <= 12; ++m) {
    const int last = m < 12 ? FirstHourOfMonth(m + 1) - 1 : kStunden;
    for (int i = FirstHourOfMonth(m); i <= last; ++i) {
      if (QStunde[i] > 0.0)
        QHeizMonat[m] += Zeitschritt * QStunde[i] / 60.0;
      else
        QKuehlMonat[m] += Zeitschritt * QStunde[i] / 60.0;
    }
  }
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  if (a.empty() || b.empty()) return false;
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

void ReadProjectFile() { ReadInputFile(Inputfile, Zeitschritt, SchritteProJahr); }

void ReopenInputFile() {
  Eingabedatei.Close();
  if (!Eingabedatei.Open(Inputfile))
    throw CalcError("Datei kann nicht gelesen werden / cannot read file: " + Inputfile);
  const int lines = HeaderLineCount(FileVersion);
  std::string line;
  for (int i = 0; i < lines; ++i)
    if (!Eingabedatei.Next(line)) break;
}

void OpenOutputFile() {
  AbandonRun();
  gOutputTarget = Outputfile;
  gOutputTemp = TemporaryOutputName(Outputfile);
  WriteOutputHeader(gOutputTemp, Zeitschritt, SchritteProJahr);
}

void RestartOutputFile() {
  if (gOutputTemp.empty()) return;
  AusgabeText.Close();
  WriteOutputHeader(gOutputTemp, Zeitschritt, SchritteProJahr);
}

void CommitOutputFile() {
  if (gOutputTemp.empty()) {
    AusgabeText.Close();
    return;
  }
  AusgabeText.Close();
  if (std::rename(gOutputTemp.c_str(), gOutputTarget.c_str()) != 0)
    throw CalcError("Datei kann nicht geschrieben werden / cannot write file: " + gOutputTarget);
  gOutputTemp.clear();
  gOutputTarget.clear();
}

void AbandonRun() {
  try {
    AusgabeText.Close();
  } catch (const CalcError&) {
    // The file is dropped anyway.
  }
  if (!gOutputTemp.empty()) std::remove(gOutputTemp.c_str());
  gOutputTemp.clear();
  gOutputTarget.clear();
}

void WriteCurrentStepRow(bool monitorTrace) {
  // The February-peak pre-run clears writefile while the output stands open
  // at its header: its rows are no part of the output.
  if (!writefile || !AusgabeText.IsOpen()) {
    // Without an output file the ground temperature file still gets its rows.
    if (TEarth && TEarthText.IsOpen() && stepWrite_TEarth > 0 && Zeilenzaehler % stepWrite_TEarth == 0)
      WriteTEarthRow(Zeilenzaehler);
    return;
  }
  double m = Massenstrom;
  double tSink = TSink;
  double q = Freecooling ? QSourceSoll : QSource;
  double tSource = TSource;
  double tMonitor = TGitter[std::clamp(MonitorAxi, 0, kMaxSegmente)][std::clamp(MonitorRad, 0, kMatDim - 1)];
  if (monitorTrace) tMonitor = Zeilenzaehler >= 0 && Zeilenzaehler <= kVerlaufMax ? TMonitorVerlauf[Zeilenzaehler] : 0.0;
  double p = Druckverlust;
  double qk = Kaelteleistung;
  WriteStepRow(Zeilenzaehler, m, tSink, q, tSource, tMonitor, p, qk, laminar, Systemsimulation);
}

void FinishRun() {
  try {
    if (!readfile || Systemsimulation) Zeilenzaehler = SchritteProJahr;
    if ((writefile || TEarth) && (!Vorlauf || Allsteps)) {
      DeriveMissingValue();
      if (Sprungantwort && Zeitschritt == 1) {
        ++Zeilenzaehler;
        WriteCurrentStepRow(true);
      } else {
        WriteCurrentStepRow(false);
      }
    }
    if (!stationaer && AnfahrfileSchreiben) WriteStartupFile();
    CloseTEarthFile();
    if (readfile) Eingabedatei.Close();
    if (writefile) CommitOutputFile();
  } catch (...) {
    AbandonRun();
    throw;
  }
  Sums();
}

}  // namespace qeb
