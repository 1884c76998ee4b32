// The step table appended to the output file during a run, and the ground
// temperature file "TEarth.qeb" with the radial grid it shares with the
// ground model.
#include <cmath>
#include <string>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {

LineWriter TEarthText;

void RingRadii(int dimRad, double rPipeInner, double rBorehole, double rOuter, double factor, double (&r)[14],
               double (&rm)[14]) {
  if (dimRad < 2 || dimRad > 12)
    throw CalcError(" DimRad ung\xFCltig (2 .. 12)  /  invalid number of radial cells (2 .. 12) ");
  if (!(factor > 0.0) || !std::isfinite(factor))
    throw CalcError(" Gitterfaktor muss > 0 sein  /  grid factor must be > 0 ");
  if (!(rPipeInner > 0.0) || !(rBorehole > rPipeInner) || !(rOuter > rBorehole) || !std::isfinite(rOuter))
    throw CalcError(" Radien ung\xFCltig: Rohr < Bohrloch < Rechenradius  /  radii must grow: pipe < borehole < calculation radius ");
  for (int k = 0; k < 14; ++k) r[k] = rm[k] = 0.0;
  r[0] = rPipeInner;
  r[1] = rBorehole;
  const double span = rOuter - rBorehole;
  const int rings = dimRad - 1;
  // A factor of exactly 1 is the limit of the geometric series: equal widths.
  const double first = factor == 1.0 ? span / rings : span * (1.0 - factor) / (1.0 - PowAbs(factor, rings));
  for (int k = 2; k <= dimRad; ++k) r[k] = r[k - 1] + first * PowAbs(factor, k - 2);
  r[dimRad] = rOuter;
  rm[0] = rPipeInner;
  for (int k = 1; k <= dimRad; ++k) rm[k] = std::sqrt((r[k] * r[k] + r[k - 1] * r[k - 1]) / 2.0);
  rm[dimRad + 1] = rOuter;
  for (int k = 1; k <= dimRad; ++k)
    if (!(r[k] > r[k - 1])) throw CalcError(" Gitter ung\xFCltig: Ringbreite <= 0  /  invalid grid: ring width <= 0 ");
}

namespace {

std::string Fx(double v, int w, int d) { return FormatFixed(v, w, d); }

void CheckHour(int s) {
  if (s < 0 || s > kStunden)
    throw CalcError("Zeilennummer / row number " + std::to_string(s) + " ausserhalb / outside 0..8760");
}

double Trace(const double* trace, int s) {
  if (s < 0 || s > kVerlaufMax)
    throw CalcError("Zeilennummer / row number " + std::to_string(s) + " ausserhalb der Verlaufswerte / outside the traces 0.." +
                    std::to_string(kVerlaufMax));
  return trace[s];
}

void CheckGrid() {
  if (DimAxi < 1 || DimAxi > kMaxSegmente || DimRad < 1 || DimRad > kMaxRadial)
    throw CalcError(" Gitter ung\xFCltig  /  invalid grid (DimAxi 1..10, DimRad 1..12) ");
}

}  // namespace

void WriteStepRow(int& zeilenzaehler, double& m, double& tSink, double& q, double& tSource, double& tMonitor,
                  double& p, double& qk, bool laminarFlow, bool systemsimulation) {
  const int s = zeilenzaehler;
  // The saved project shows the measured hours in place of the run's loads.
  struct Swap {
    double &m, &t, &q;
    double m0, t0, q0;
    bool on;
    ~Swap() {
      if (on) {
        m = m0;
        t = t0;
        q = q0;
      }
    }
  } swap{m, tSink, q, m, tSink, q, false};
  if (MesswerteSpeichern) {
    CheckHour(s);
    swap.on = true;
    m = MassenstromStunde[s];
    tSink = TSinkStunde[s];
    q = QLastStunde[s];
  }

  const bool sprung = Sprungantwort && Stundensprung;
  const std::string lam = FormatBool(laminarFlow);
  auto qeff = [&] { return (tSource - tSink) * m * cpSole / 1000.0; };
  // One row buffer for the run: a row is formatted in place, field by field.
  static std::string row;
  row.clear();
  row += FormatInt(s);
  auto put = [&](const std::string& f) {
    row += '\t';
    row += f;
  };
  auto putF = [&](double v, int w, int d) {
    row += '\t';
    AppendFixed(row, v, w, d);
  };
  // Outdoor columns of the collector and recooler rows.
  auto weather = [&] {
    CheckHour(s);
    putF(Aussentemperatur[s], 1, 1);
    putF(Globalstrahlung[s], 0, 3);
  };
  auto monitorTail = [&] {
    putF(tMonitor, 0, 2);
    putF(p, 0, 0);
    put(lam);
  };

  if (systemsimulation) {
    CheckHour(s);
    putF(MassenstromStunde[s], 0, 3);
    putF(TSinkStunde[s], 1, 3);
    putF(QStunde[s], 0, 3);
    putF(TSourceStunde[s], 0, 3);
    putF(Aussentemperatur[s], 1, 1);
    putF(Luftfeuchte[s], 0, 1);
    putF(Globalstrahlung[s], 0, 3);
    putF(TZulStunde[s], 1, 2);
    putF(TVLStunde[s], 0, 2);
    putF(TRLStunde[s], 0, 2);
    putF(Lueftungsprofil[s], 0, 2);
    putF(QMaxStunde[s], 0, 2);
    if (DirektkuehlungWP) {
      putF(MWPStunde[s], 0, 3);
      putF(QWPStunde[s], 0, 3);
    }
  } else if (!solar && !mitRueckkuehler) {
    putF(m, 0, 3);
    if (sprung) {
      putF(Trace(TSinkVerlauf, s), 1, 3);
      putF(q, 0, 3);
      putF(Trace(TSourceVerlauf, s), 0, 3);
      monitorTail();
    } else if (!Freecooling) {
      putF(tSink, 1, 3);
      putF(q, 0, 3);
      putF(tSource, 0, 3);
      monitorTail();
    } else {
      CheckHour(s);
      putF(TSinkKuehlStunde[s], 1, 3);
      putF(q, 0, 3);
      putF(tSource, 0, 3);
      monitorTail();
      putF(qeff(), 0, 3);
      putF(tSink, 1, 3);
      if (Rueckkuehlung) putF(qk, 1, 3);
    }
  } else {
    putF(m, 0, 3);
    if (sprung) {
      putF(Trace(TSinkVerlauf, s), 1, 3);
      putF(q, 0, 3);
      putF(Trace(TSourceVerlauf, s), 0, 3);
      weather();
      monitorTail();
      putF(QKollektorStunde[s], 0, 3);
      if (WWsolar) putF(QwwSolarStunde[s], 0, 3);
    } else if (!Freecooling) {
      putF(tSink, 1, 3);
      putF(q, 0, 3);
      putF(tSource, 0, 3);
      weather();
      monitorTail();
      if (WWsolar) {
        putF(QKollektorStunde[s], 0, 3);
        putF(QwwSolarStunde[s], 0, 3);
      } else if (mitRueckkuehler) {
        putF(QRueckkuehlStunde[s], 0, 3);
      } else {
        putF(QKollektorStunde[s], 0, 3);
      }
    } else {
      CheckHour(s);
      putF(TSinkKuehlStunde[s], 1, 3);
      putF(q, 0, 3);
      putF(tSource, 0, 3);
      weather();
      monitorTail();
      putF(qeff(), 0, 3);
      putF(tSink, 1, 3);
      if (WWsolar) {
        if (Rueckkuehlung) putF(qk, 1, 3);
        putF(QKollektorStunde[s], 0, 3);
        putF(QwwSolarStunde[s], 0, 3);
      } else if (mitRueckkuehler) {
        putF(QRueckkuehlStunde[s], 0, 3);
      } else {
        if (Rueckkuehlung) putF(qk, 1, 3);
        putF(QKollektorStunde[s], 0, 3);
      }
    }
  }
  // Through the writer's buffer: the output is a temporary file until the
  // run finishes, so a flush per row would protect nothing.
  row += "\r\n";
  AusgabeText.Write(row);
  if (TEarth && stepWrite_TEarth > 0 && s % stepWrite_TEarth == 0) WriteTEarthRow(s);
}

void WriteTEarthHeader() {
  if (!TEarth) return;
  Ringbreite = Rechenradius - Bohrdurchmesser / 2.0;
  CheckGrid();
  double r[14], rm[14];
  RingRadii(DimRad, Sondendurchmesser / 2.0 - Dicke_Sondenrohr, Bohrdurchmesser / 2.0, Rechenradius, Gitterfaktor, r,
            rm);
  TEarthText.Open("TEarth.qeb");
  TEarthText.WriteLine("Ausgabefile TEarth.qeb mit allen berechneten Erdtemperaturen");
  TEarthText.WriteLine("");
  TEarthText.WriteLine(Projekttitel1);
  TEarthText.WriteLine(Projekttitel2);
  TEarthText.WriteLine(Projekttitel3);
  TEarthText.WriteLine(Projekttitel4);
  TEarthText.WriteLine(FormatInt(AnzahlSonden) + "\t" + Labeltabelle[6]);
  TEarthText.WriteLine(Fx(Sondenlaenge, 0, 2) + "\t" + Labeltabelle[7]);
  TEarthText.WriteLine(FormatInt(DimAxi) + "\t\tDimAxi");
  TEarthText.WriteLine(FormatInt(DimRad) + "\t\tDimRad");
  TEarthText.WriteLine("");
  const double dz = Sondenlaenge / DimAxi;
  auto gridLine = [&](const std::string& title, auto group) {
    std::string s = title;
    for (int a = 1; a <= DimAxi; ++a) group(s, a);
    TEarthText.WriteLine(s);
  };
  auto f3 = [](std::string& s, double v) { s += "\t" + Fx(v, 0, 3); };
  gridLine("Tiefe [m]", [&](std::string& s, int a) {
    const std::string z = Fx((a - 1) * dz + dz / 2.0, 0, 2);
    for (int k = 0; k < DimRad + 2; ++k) s += "\t" + z;
  });
  gridLine("von Radius r [m]", [&](std::string& s, int) {
    s += "\t\t0";
    for (int k = 0; k <= DimRad - 1; ++k) f3(s, r[k]);
  });
  gridLine("bis Radius r [m]", [&](std::string& s, int) {
    s += "\t";
    for (int k = 0; k <= DimRad; ++k) f3(s, r[k]);
  });
  gridLine("Schwerpunkt-Radius rz [m]", [&](std::string& s, int) {
    s += KoaxialSonde ? "\tTUp" : "\t";
    f3(s, r[0]);
    for (int k = 1; k <= DimRad; ++k) f3(s, rm[k]);
  });
  TEarthText.WriteLine("filestep [h] im Jahr " + FormatInt(LastYear));
}

void WriteTEarthRow(int zeilenzaehler) {
  CheckGrid();
  std::string s = FormatInt(zeilenzaehler);
  for (int a = 1; a <= DimAxi; ++a) {
    s += '\t';
    if (KoaxialSonde) s += Fx(TSoleAuf[a], 0, 2);
    for (int k = 0; k <= DimRad; ++k) {
      s += '\t';
      AppendFixed(s, TGitter[a][k], 0, 2);
    }
  }
  s += "\r\n";
  TEarthText.Write(s);
}

void CloseTEarthFile() {
  if (TEarthText.IsOpen()) TEarthText.Close();
}

}  // namespace qeb
