// The command entry of the calculation module: one integer code per call runs
// a phase of a calculation or one time step. Every call ends with the
// pressure-drop update so that the windows always read a current value.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"

namespace qeb {

int Schrittzaehler = 0;
int Zeilenzaehler = 0;
double TSourceStunde[8761];
double TSinkStunde[8761];
double QStunde[8761];
double QFreecoolingStunde[8761];
double QSourceSoll = 0.0;
double Kaelteleistung = 0.0;
bool KaeltemaschineAktiv = false;
bool Frostbetrieb = false;
double Heizbedarf = 0.0;
double COPaktuell = 0.0;
double Zusatzwaerme = 0.0;
double Kesselwaerme = 0.0;
double Druckverlust = 0.0;
bool laminar = false;
double QKaeltemaschineJahr = 0.0;
double MassenstromStunde2[8761];
double TRTQSource[121];
bool TRTModus = false;
double TRTHeizdauer = 5760.0;

namespace {

// The stationary iteration and the power iteration stop at this many passes.
constexpr int kMaxIterationCode = 200;

bool HourInRange(int h) { return h >= 0 && h <= kStunden; }

void RecordResponseTest() {
  const int s = Schrittzaehler;
  if (s < 0 || s > 120) return;
  TRTQSource[s] = QSource;
  for (int j = 1; j <= kMaxSegmente; ++j) {
    // The up channel runs in flow order (index 1 at the bottom): the record
    // keeps it by layer from the top, as the down channel and the grid.
    TRTFeld1[j][s] = j <= DimAxi ? TSoleAuf[DimAxi + 1 - j] : TSoleAuf[j];
    TRTFeld2[j][s] = TSoleAb[j];
    TRTFeld3[j][s] = TGitter[j][1];
    TRTFeld4[j][s] = TGitter[j][2];
    TRTFeld5[j][s] = TGitter[j][5];
  }
}

void FreeCoolingHour() {
  const int h = Schrittzaehler;
  QSource = (TSource - TSink) * Massenstrom * cpSole / 1000.0;
  double freeCooling;
  if (QSource <= QSourceSoll) {
    // The boreholes cover all of the demand.
    Leistung = true;
    QSource = QSourceSoll;
    Kaelteleistung = 0.0;
    freeCooling = QSource;
  } else if (QSourceSoll < 0.0 && QSource > MinDeckungFreecooling * QSourceSoll && Rueckkuehlung) {
    // Too little of the demand is covered: the chiller takes the hour and
    // puts its condenser heat into the boreholes.
    Kaelteleistung = COPRueckkuehlung <= 1.0 ? QSourceSoll
                                             : QSourceSoll * COPRueckkuehlung / (COPRueckkuehlung - 1.0);
    Leistung = true;
    QSource = Kaelteleistung;
    KaeltemaschineAktiv = true;
    freeCooling = 0.0;
    if (Jahr == LastYear) QKaeltemaschineJahr += QSourceSoll;
  } else {
    Kaelteleistung = 0.0;
    freeCooling = QSource;
  }
  if (HourInRange(h)) {
    QFreecoolingStunde[h] = freeCooling;
    QStunde[h] = QSource;
    TSourceStunde[h] = TSource;
    TSinkStunde[h] = TSink;
  }
}

// Applies the frost limits to TSink; true when one of them cut it.
bool ApplyFrostLimits() {
  bool cut = false;
  if (WP && TSink <= WPFrostgrenze) {
    TSink = WPFrostgrenze;
    cut = true;
  } else if (Frostbegrenzung && TSink <= Frostgrenze) {
    TSink = 0.9 * Frostgrenze + 0.1 * TSink;
    cut = true;
  }
  if (cut) {
    if (TSource < TSink) TSource = TSink;
    Frostbetrieb = true;
    QSource = (TSource - TSink) / 1000.0 * cpSole * Massenstrom;
  }
  return cut;
}

// What of the step is not a finite number, or empty when all of it is: the
// three reported values, and behind them the ground grid and both brine
// columns, which can overflow while the fluid temperatures still look fine.
std::string NonFiniteState() {
  auto show = [](const std::string& name, double v) { return name + " = " + FormatRangeNumber(v); };
  if (!std::isfinite(TSource)) return show("TSource", TSource);
  if (!std::isfinite(TSink)) return show("TSink", TSink);
  if (!std::isfinite(QSource)) return show("QSource", QSource);
  const int axi = std::clamp(DimAxi, 1, kMaxSegmente);
  const int rad = std::clamp(DimRad, 1, kMatDim - 2);
  for (int j = 0; j <= axi; ++j) {
    if (!std::isfinite(TSoleAb[j])) return show("TSoleAb[" + std::to_string(j) + "]", TSoleAb[j]);
    if (!std::isfinite(TSoleAuf[j])) return show("TSoleAuf[" + std::to_string(j) + "]", TSoleAuf[j]);
  }
  for (int j = 1; j <= axi; ++j)
    for (int k = 0; k <= rad + 1; ++k)
      if (!std::isfinite(TGitter[j][k]))
        return show("TGitter[" + std::to_string(j) + "][" + std::to_string(k) + "]", TGitter[j][k]);
  return {};
}

void PowerModeStep(int& code) {
  const int h = Schrittzaehler;
  Frostbetrieb = false;
  if (Massenstrom > 0.00001) {
    int passes = 0;
    bool restarted = false;
    double previous = TSink;
    do {
      if (stationaer) {
        if (solar || mitRueckkuehler) PlantHour();
        ++code;
        SimulateHour(code);
      } else if (passes > 0) {
        // Transient brine: the hour ran with an inlet taken from the previous
        // hour's outlet, which after a pause is the warm brine that stood in
        // the probe. The hour is run again with the inlet that its own outlet
        // and load give, until the brine carries the load; otherwise every
        // start of the pump loses heat the ground never gives.
        ++code;
        SimulateHour(code);
      }
      previous = TSink;
      if (WP) {
        COPaktuell = HeatPumpCharacteristic(TSource, COP_5, COP_0, COP5, COP10, COP15);
        // The heat pump's evaporator takes what its COP leaves of the heating demand.
        if (Heizbedarf > 0.0) QSource = Heizbedarf * COP_0 / (COP_0 - 1.0) * (COPaktuell - 1.0) / COPaktuell;
      }
      TSink = TSource - QSource * 1000.0 / cpSole / Massenstrom;
      if (solar && TSink > MaxSondenruecklauf) TSink = MaxSondenruecklauf;
      ApplyFrostLimits();
      if (stationaer && std::fabs(TSink) > 500.0) {
        // A diverging pass: restart from a plausible value and go on.
        TSink = -1.0;
        previous = 1.0;
        restarted = true;
      }
      ++passes;
      // The pass count bounds a caller's iteration too, whose code may start high.
    } while (std::fabs(TSink - previous) >= Genauigkeit && code <= kMaxIterationCode &&
             passes <= kMaxIterationCode);
    // An hour that ends at the pass limit after the guard had to restart it
    // has not converged, whatever TSink it ended with: the windows ask about
    // it as about any other non-convergence. (Plants that switch on and off
    // within the hour can also end at the limit, oscillating by a fraction of
    // a kelvin around a settled value; those hours stand as they are.)
    const bool converged = std::fabs(TSink - previous) < Genauigkeit;
    if (!converged && restarted && Rechenstatus != 1) Rechenstatus = 2;

    if (HourInRange(h)) {
      TSourceStunde[h] = TSource;
      TSinkStunde[h] = TSink;
      if (!KaeltemaschineAktiv) QStunde[h] = QSource;
    }
    if (WP) COPaktuell = HeatPumpCharacteristic(TSource, COP_5, COP_0, COP5, COP10, COP15);
    if (WP && Frostbetrieb)
      // A characteristic cut at 1 has no finite backup share: none is counted.
      Zusatzwaerme = COPaktuell > 1.0 ? (Heizbedarf - QSource) / (COPaktuell - 1.0) * COPaktuell : 0.0;
    else if (Frostbegrenzung && Frostbetrieb && COP_Frostgrenze != 1.0)
      Zusatzwaerme = (Heizbedarf - QSource) / (COP_Frostgrenze - 1.0) * COP_Frostgrenze;
    else
      Zusatzwaerme = 0.0;
    Kesselwaerme = std::min(Zusatzwaerme, Kesselleistung);

    if (code > 1000 && Rechenstatus != 1) Rechenstatus = 2;
    if (std::fabs(TSink) > 299.0 && Rechenstatus != 1) Rechenstatus = 3;
  } else if (Massenstrom < 0.00001) {
    // No circulation: the brine stands at the temperature of the fill.
    if (solar || mitRueckkuehler) PlantHour();
    TSink = TGitter[1][1];
    TSource = TGitter[1][1];
  }
}

// The closing row of a settling year goes out with the next command rather
// than at once: a caller that repeats the year's last hour replaces it with
// the row of the settled try instead of leaving the first try's row behind.
struct PendingRow {
  bool active = false;
  int row = 0;
  double m = 0, tSink = 0, q = 0, tSource = 0, tMonitor = 0, p = 0, qk = 0;
  bool laminarFlow = false;
};
PendingRow gPendingRow;

void FlushPendingRow() {
  if (!gPendingRow.active) return;
  gPendingRow.active = false;
  // A run dropped in the meantime takes its row with it.
  if (!AusgabeText.IsOpen()) return;
  PendingRow& r = gPendingRow;
  WriteStepRow(r.row, r.m, r.tSink, r.q, r.tSource, r.tMonitor, r.p, r.qk, r.laminarFlow, Systemsimulation);
}

void WriteYearEndRow() {
  DeriveMissingValue();
  if (!writefile || !AusgabeText.IsOpen()) {
    // Only the ground temperature file can take a row now.
    WriteCurrentStepRow(false);
    return;
  }
  PendingRow& r = gPendingRow;
  r.active = true;
  r.row = Zeilenzaehler;
  r.m = Massenstrom;
  r.tSink = TSink;
  r.q = Freecooling ? QSourceSoll : QSource;
  r.tSource = TSource;
  r.tMonitor = TGitter[std::clamp(MonitorAxi, 0, kMaxSegmente)][std::clamp(MonitorRad, 0, kMatDim - 1)];
  r.p = Druckverlust;
  r.qk = Kaelteleistung;
  r.laminarFlow = laminar;
}

void YearEnd() {
  // The files are written through buffers; a year's rows go out at its end.
  if (AusgabeText.IsOpen()) AusgabeText.Flush();
  if (TEarthText.IsOpen()) TEarthText.Flush();
  Schrittzaehler = 0;
  ++Jahr;
  if (Starttemp) YearJump();
  if (!Vorlauf) return;
  // A settling year has ended: the output keeps only the last year.
  if (!readfile) Zeilenzaehler = SchritteProJahr;
  if (readfile) ReopenInputFile();
  if (writefile && !Allsteps) {
    RestartOutputFile();
  } else if (writefile && Allsteps) {
    WriteYearEndRow();
  }
}

// A caller that iterates the year's last hour (the ventilation plant) sends
// its repeats after code 0 has already closed the year. What the repeat needs
// of the hour is kept here, so that it recomputes that hour and closes the
// year once more in place of the first close.
struct YearEndRecord {
  bool active = false;
  // The year jump started the ground model afresh: the hour cannot be
  // recomputed against the model it ran on.
  bool restarted = false;
  int jahrAfter = 0;
  // The hour as it stood before its year end.
  int schrittzaehler = 0, jahr = 0, zeilenzaehler = 0;
  bool vorlauf = false, laminarFlow = false;
  double druckverlust = 0.0;
  // The hour's result as the first try left it.
  double tSource = 0, tSink = 0, qSource = 0, massenstrom = 0;
  bool leistung = false, vorlaufAfter = false;
};
YearEndRecord gYearEnd;

bool YearJumpRestarts() {
  // Mirrors YearJump: with the advanced year, a restart happens at the end
  // of the first year and when the last year begins.
  const int next = Jahr + 1;
  return Starttemp && LastYear > 3 && (next == 2 || next == LastYear);
}

void CloseYear() {
  YearEndRecord& r = gYearEnd;
  r.restarted = YearJumpRestarts();
  r.schrittzaehler = Schrittzaehler;
  r.jahr = Jahr;
  r.zeilenzaehler = Zeilenzaehler;
  r.vorlauf = Vorlauf;
  r.druckverlust = Druckverlust;
  r.laminarFlow = laminar;
  YearEnd();
  r.active = true;
  r.jahrAfter = Jahr;
  r.tSource = TSource;
  r.tSink = TSink;
  r.qSource = QSource;
  r.massenstrom = Massenstrom;
  r.leistung = Leistung;
  r.vorlaufAfter = Vorlauf;
}

bool IsRepeatOfYearEnd(int code) {
  return code >= 1 && gYearEnd.active && Schrittzaehler == 0 && Jahr == gYearEnd.jahrAfter;
}

void StepCommand(int& code) {
  if (Leistung && stationaer) {
    code = 0;
    TSink = MeanFillTemperature();
  }
  SimulateHour(code);
  if (QSourceSoll >= 0.0) Kaelteleistung = 0.0;
  KaeltemaschineAktiv = false;

  if (Freecooling && !Leistung && LeistungVorgabe) {
    FreeCoolingHour();
  } else if (HourInRange(Schrittzaehler)) {
    QStunde[Schrittzaehler] = QSource;
  }

  if (Leistung)
    PowerModeStep(code);
  else
    QSource = (TSource - TSink) * Massenstrom * cpSole / 1000.0;
  // The response test's hour as the model keeps it: after the power
  // iteration has found the inlet that carries the test's power.
  if (TRTModus && Schrittzaehler <= 120) RecordResponseTest();

  if (const std::string what = NonFiniteState(); !what.empty())
    throw CalcError("Berechnung divergiert (Temperatur oder Leistung nicht endlich) / calculation diverged in step " +
                    std::to_string(Schrittzaehler) + ": " + what);
  RememberStepLoad();
  if (Starttemp) Vorlauf = Jahr < LastYear;
  if (Schrittzaehler == SchritteProJahr) CloseYear();
}

// A repeat of the year's last hour, sent after code 0 closed the year.
void RepeatYearEndHour(int& code) {
  YearEndRecord& r = gYearEnd;
  if (r.restarted) {
    // The model the hour ran on is gone; recomputing against the new one
    // would move the new year's start state. The first try stands.
    TSource = r.tSource;
    TSink = r.tSink;
    QSource = r.qSource;
    Massenstrom = r.massenstrom;
    Leistung = r.leistung;
    Vorlauf = r.vorlaufAfter;
    return;
  }
  // Take back the first close; the step below recomputes the hour from the
  // state saved at code 0 and closes the year again.
  r.active = false;
  gPendingRow.active = false;
  Schrittzaehler = r.schrittzaehler;
  Jahr = r.jahr;
  Zeilenzaehler = r.zeilenzaehler;
  Vorlauf = r.vorlauf;
  Druckverlust = r.druckverlust;
  laminar = r.laminarFlow;
  StepCommand(code);
}

void InitCommand() {
  // An unfinished output file of an earlier run is dropped; the file under
  // the target name stays as it was.
  AbandonRun();
  // The windows set values in memory past the reader: a value outside its
  // plausible range is refused here, before it can overflow the set-up.
  CheckProjectValues();
  InitSimulation(0, {});
  if (const std::string what = NonFiniteState(); !what.empty())
    throw CalcError("Startzustand nicht endlich / start state not finite: " + what);
  SaveStepState();
  if (writefile) OpenOutputFile();
  if (Leistung) {
    TSink = MeanFillTemperature();
    TSource = TSink;
  }
  TSourceStunde[0] = TSource;
  TSinkStunde[0] = TSink;
}

void LoadFileCommand() {
  CheckProjectValues();
  Inputfile = Inputfile2;
  const int savedLastYear = LastYear;
  LastYear = 2;
  try {
    GenerateLoadFile(Inputfile2, Laufzeit, Jahresbetriebsstunden, DauerLastSpitze, QSpitzeFeb, TSink,
                     Auslegungsentzug, Auslegungsmassenstrom);
  } catch (...) {
    LastYear = savedLastYear;
    throw;
  }
  LastYear = savedLastYear;
}

void UpdatePressureDrop() {
  if (Druck && AnzahlSonden > 0)
    Druckverlust = CircuitPressureDropAt(Massenstrom / AnzahlSonden, Sondenlaenge, &laminar);
  else
    Druckverlust = 0.0;
}

// The February-peak pre-run: one or more years with the design extraction
// whose February ends with a day of rest and two days of full flow.
void PeakPreRun(int& code) {
  const double savedMassenstrom = Massenstrom;
  const bool savedWritefile = writefile;
  const bool savedReadfile = readfile;
  writefile = false;
  readfile = false;
  code = 0;
  try {
    if (JahreEinschwingen > 0) {
      BuildPeakMassFlowTable(Laufzeit, savedMassenstrom);
      do {
        Vorlauf = true;
        ++Schrittzaehler;
        Massenstrom = HourInRange(Schrittzaehler) ? MassenstromStunde2[Schrittzaehler] : 0.0;
        QSource = Auslegungsentzug;
        // Each hour is a new step: the power iteration of the hour before
        // leaves its pass count in the code, which would make this hour a
        // repeat of the saved state.
        code = 0;
        DispatchCommand(code);
      } while (Jahr <= JahreEinschwingen);
    }
  } catch (...) {
    writefile = savedWritefile;
    readfile = savedReadfile;
    Massenstrom = savedMassenstrom;
    Vorlauf = false;
    throw;
  }
  writefile = savedWritefile;
  readfile = savedReadfile;
  Vorlauf = false;
  Schrittzaehler = 0;
  // The year end of the pre-run set the row counter to a year's end; the
  // run's first row is row 0 again, as after the initialisation.
  Zeilenzaehler = 0;
  Massenstrom = savedMassenstrom;
  // The pre-run's last year end is no hour a caller can repeat.
  gYearEnd.active = false;
  code = -1;
}

}  // namespace

double MeanFillTemperature() {
  if (DimAxi < 1) return TGitter[1][1];
  const int n = std::min(DimAxi, kMaxSegmente);
  double s = 0.0;
  for (int j = 1; j <= n; ++j) s += TGitter[j][1];
  return s / n;
}

void DeriveMissingValue() {
  if (Leistung) {
    TSink = Massenstrom > 0.0001 ? TSource - QSource * 1000.0 / Massenstrom / cpSole : TSource;
  } else {
    QSource = (TSource - TSink) * Massenstrom * cpSole / 1000.0;
  }
}

void BuildPeakMassFlowTable(const int (&laufzeit)[13], double massFlow) {
  for (int m = 1; m <= 12; ++m) {
    const int hours = static_cast<int>(std::min<long long>(std::llabs(laufzeit[m]), 24));
    const int first = FirstHourOfMonth(m);
    const int days = DaysOfMonth(m);
    for (int d = 1; d <= days; ++d) {
      for (int i = 1; i <= 24; ++i) {
        double v = i <= hours ? massFlow : 0.0;
        if (m == 2 && d == 26) v = 0.0;
        if (m == 2 && (d == 27 || d == 28)) v = massFlow;
        MassenstromStunde2[first - 1 + (d - 1) * 24 + i] = v;
      }
    }
  }
}

void DispatchCommand(int& code) {
  const bool yearEndRepeat = IsRepeatOfYearEnd(code);
  if (!yearEndRepeat) {
    FlushPendingRow();
    gYearEnd.active = false;
  }
  if (code == -6) {
    LoadFileCommand();
  } else if (code == -4) {
    FinishRun();
  } else if (code == -3) {
    SetDefaults();
  } else if (code == -2) {
    if (readfile) {
      ReadProjectFile();
      // The writer stores the design extraction on the QSource line (the
      // file has no line of its own for it): every reader gets it back here.
      Auslegungsentzug = QSource;
    }
    SegmentsTakeLayerConductivities();
  } else if (code == -5) {
    if (swqebinput) ReadPropertyTable();
  } else if (code == -1) {
    InitCommand();
  } else if (yearEndRepeat) {
    RepeatYearEndHour(code);
  } else if (code >= 0) {
    StepCommand(code);
  }
  UpdatePressureDrop();
}

void Simulate(int& code) {
  const bool init = code == -1;
  DispatchCommand(code);
  if (init && Lastprofil) PeakPreRun(code);
}

}  // namespace qeb
