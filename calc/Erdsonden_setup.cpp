// Set-up of the ground model round one probe: radial grid, capacities,
// conductances, Crank-Nicolson update matrices, sub-step counts, start
// temperatures from the long-term g-function, annual surface wave, histories.
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD_run.h"
#include "calc/TextIO.h"

namespace qeb {

// Block totals of a year that stay within this share of the largest count as
// a load without seasons (the brine iteration alone moves them by a few
// tenths of a percent).
constexpr double kGleicheLast = 0.01;

VectorStack TGitter{};
SegmentValues TSoleAb{};
SegmentValues TSoleAuf{};
SegmentValues QBlockMittel{};
int SchrittImBlock = 0;
SegmentValues TUngestoert{};
double TJahreszeit[kMaxSegmente + 1][kWochenTabelle + 1]{};

MatrixStack CNMatrixBetrieb{};
MatrixStack CNMatrixRuhe{};

SegmentValues LeitwertSoleErde{};
SegmentValues LeitwertSoleErdeRuhe{};
SegmentValues LeitwertSoleSoleRuhe{};
SegmentValues LeitwertWandErde{};
SegmentValues LeitwertSoleSole{};
SegmentValues LeitwertInnenrohr{};
SegmentValues LeitwertRand{};

SegmentNodeTable LeitwertGitterBetrieb{};
SegmentNodeTable LeitwertGitterRuhe{};
SegmentNodeTable Zellkapazitaet{};
double Ringradius[kMatDim]{};
double Zellradius[kMatDim]{};

double CSoleRohr = 0.0;
double CSoleInnenrohr = 0.0;
double CSoleRingraum = 0.0;
double Teilschrittdauer = 0.0;
double Randfaktor = 0.0;

double TSinkMin = 1000.0;
double TSinkMax = -1000.0;

namespace {

constexpr double kPi = std::numbers::pi;

[[noreturn]] void Refuse(const std::string& text) { throw CalcError(text); }

bool Positive(double v) { return v > 0.0 && std::isfinite(v); }

}  // namespace

void ValidateProbeModelInput() {
  if (DimAxi < 1 || DimAxi > kMaxSegmente) {
    Refuse(" DimAxi ung\xFCltig (1 .. 10)  /  invalid number of axial cells (1 .. 10) ");
  }
  if (DimRad < 2 || DimRad > kMaxRadial) {
    Refuse(" DimRad ung\xFCltig (2 .. 12)  /  invalid number of radial cells (2 .. 12) ");
  }
  if (RepRandbed < 1) {
    Refuse(" RepRandbed muss >= 1 sein  /  boundary repetition must be at least 1 week ");
  }
  if (Zeitschritt < 1 || Zeitschritt > 10080) {
    Refuse(" Zeitschritt ung\xFCltig (1 .. 10080 min)  /  invalid time step (1 .. 10080 min) ");
  }
  // The block ends are found on the minutes of the run: a step that does not
  // divide the week would leave blocks without a history entry.
  if (10080 % Zeitschritt != 0) {
    Refuse(" Zeitschritt muss eine Woche (10080 min) teilen  /  time step must divide a week (10080 min) ");
  }
  if (!Positive(Gitterfaktor)) Refuse(" Gitterfaktor muss > 0 sein  /  grid factor must be > 0 ");
  if (!Positive(Sondenlaenge)) Refuse(" Sondenl\xE4nge ung\xFCltig  /  invalid probe length ");
  if (AnzahlSonden < 1) Refuse(" Anzahl Sonden < 1  /  number of boreholes < 1 ");
  if (!Positive(Sicherheit1) || !Positive(Sicherheit2)) {
    Refuse(" Sicherheitsfaktoren m\xFCssen > 0 sein  /  safety factors must be > 0 ");
  }
  const double ri = Sondendurchmesser / 2.0 - Dicke_Sondenrohr;
  const double rb = Bohrdurchmesser / 2.0;
  if (!Positive(ri)) Refuse(" Sondenrohr: Wandst\xE4rke zu gross  /  probe pipe: wall too thick ");
  if (!(rb > ri) || !(Rechenradius > rb) || !std::isfinite(Rechenradius)) {
    Refuse(
        " Radien ung\xFCltig: Rohr < Bohrloch < Rechenradius  /  radii must grow: pipe < borehole < calculation "
        "radius ");
  }
  const double fillArea = KoaxialSonde ? rb * rb - ri * ri : rb * rb - (einfachU ? 2.0 : 4.0) * ri * ri;
  if (!(fillArea > 0.0)) {
    Refuse(" Sondenrohre passen nicht ins Bohrloch  /  probe pipes do not fit into the borehole ");
  }
  if (KoaxialSonde) {
    const double rii = Innenrohrdurchmesser / 2.0 - Dicke_Innenrohr;
    if (!Positive(rii) || !(Innenrohrdurchmesser / 2.0 < ri)) {
      Refuse(" Innenrohr ung\xFCltig  /  invalid inner pipe ");
    }
  }
  if (!Positive(cpSole) || !Positive(rhoSole) || !Positive(lambdaSole) || !Positive(nueSole)) {
    Refuse(" Soleeigenschaften m\xFCssen > 0 sein  /  fluid properties must be > 0 ");
  }
  for (int j = 1; j <= DimAxi; ++j) {
    if (!Positive(lambdaErde[j]) || !Positive(rhoErde[j]) || !Positive(cpErde[j])) {
      Refuse(" Erdeigenschaften m\xFCssen > 0 sein  /  ground properties must be > 0 ");
    }
    if (!Positive(lambdaFillV[j]) || !Positive(rhoFillV[j]) || !Positive(cpFillV[j])) {
      Refuse(" Verf\xFCllung: Eigenschaften m\xFCssen > 0 sein  /  fill properties must be > 0 ");
    }
  }
  if (MonitorAxi < 1 || MonitorAxi > DimAxi || MonitorRad < 0 || MonitorRad > DimRad + 1) {
    Refuse(" Monitorzelle ausserhalb des Gitters  /  monitor cell outside the grid ");
  }
  // Tables of the run: block histories and yearly site values.
  const long long stepsPerWeek = 10080 / Zeitschritt;
  const long long block = stepsPerWeek * RepRandbed;
  const long long stepsPerYear = std::max(SchritteProJahr, 0);
  const long long years = std::max(LastYear, 1);
  const long long stepsCounted = Starttemp ? stepsPerYear : stepsPerYear * years;
  const long long blocks = stepsCounted > 0 ? (stepsCounted - 1) / block + 1 : 0;
  if (blocks > kMaxBloecke) {
    Refuse(
        " Zu viele Randbedingungsbl\xF6" "cke (max. 10600): weniger Jahre oder gr\xF6sseres RepRandbed  /  "
        "too many boundary blocks (max. 10600): fewer years or a larger RepRandbed ");
  }
  if (stepsPerYear > 0 && (stepsPerYear - 1) / stepsPerWeek + 1 > kWochenTabelle) {
    Refuse(" Zeitschritt passt nicht zur Woche  /  time step does not fit the week table ");
  }
  if (StaoGelesen && Reserve27 && LastYear > kMaxStandortJahre) {
    Refuse(" Zu viele Simulationsjahre (max. 600)  /  too many simulated years (max. 600) ");
  }
}

namespace {

// The two halves of a Crank-Nicolson step differ only in the sign of the
// conductance terms: +1 builds the implicit side, -1 the explicit side.
void BuildStepMatrix(const SegmentNodeTable& K, const SegmentNodeTable& C, double dt, int n, int count,
                     double sign, MatrixStack& M) {
  for (int s = 0; s < count; ++s) {
    const int j = s + 1;
    for (int a = 0; a < n + 2; ++a)
      for (int b = 0; b < n + 2; ++b) M[s][a][b] = 0.0;
    M[s][0][0] = 1.0;
    M[s][n + 1][n + 1] = 1.0;
    for (int i = 1; i <= n; ++i) {
      M[s][i][i] = 2.0 * C[j][i] + sign * (K[j][i] + K[j][i + 1]) * dt;
      M[s][i][i - 1] = -sign * K[j][i] * dt;
      M[s][i][i + 1] = -sign * K[j][i + 1] * dt;
    }
  }
}

}  // namespace

void BuildImplicitMatrix(const SegmentNodeTable& K, const SegmentNodeTable& C, double dt, int n, int count,
                         MatrixStack& M) {
  BuildStepMatrix(K, C, dt, n, count, 1.0, M);
}

void BuildExplicitMatrix(const SegmentNodeTable& K, const SegmentNodeTable& C, double dt, int n, int count,
                         MatrixStack& M) {
  BuildStepMatrix(K, C, dt, n, count, -1.0, M);
}

int StableTimeStep(const SegmentNodeTable& K, const SegmentNodeTable& C) {
  double tau = 3600.0;
  for (int j = 1; j <= DimAxi; ++j) {
    tau = std::min(tau, C[j][1] / K[j][2] / Sicherheit2);
    tau = std::min(tau, C[j][2] / K[j][2] / Sicherheit2);
    tau = std::min(tau, C[j][1] / K[j][1] / Sicherheit2);
  }
  if (tau < 30.0) tau = 30.0;
  if (Sprungantwort && Zeitschritt < 60) tau = 4.0;
  const double steps = RoundHalfEven(Zeitschritt * 60.0 / tau);
  return std::max(1, static_cast<int>(steps));
}

void ClearProbeHistories(BlockHistory& H) {
  for (int j = 1; j <= DimAxi; ++j) {
    for (int b = 0; b <= kMaxBloecke; ++b) H[j][b] = 0.0;
    QBlockMittel[j] = 0.0;
  }
}

namespace {

double Polynomial(double x) {
  return gKoeff0 + x * (gKoeff1 + x * (gKoeff2 + x * (gKoeff3 + x * (gKoeff4 + x * gKoeff5))));
}

}  // namespace

namespace {

// Heat-flow level of segment j before the first block of a jumped year. The
// history superposes the changes from this level onto a start field that
// holds the earlier years at the year's mean flow, so the level is that mean:
// a restart after a winter week would otherwise count the whole year's
// departure from that week as a change and leave the ground a season warm.
// A load without seasons keeps its last block: its block totals do not move,
// but its split over the segments still settles while the ground cools, and
// the last block carries the settled split.
double LevelBeforeFirstBlock(int j, double yearMean) {
  const int blocks = 52 / RepRandbed;
  if (blocks < 1) return yearMean;
  double totals[53] = {};
  double mean = 0.0, largest = 0.0;
  for (int b = 1; b <= blocks; ++b) {
    for (int k = 1; k <= DimAxi; ++k) totals[b] += QHistorie[k][b];
    mean += totals[b] / blocks;
    largest = std::max(largest, std::fabs(totals[b]));
  }
  double spread = 0.0;
  for (int b = 1; b <= blocks; ++b) spread = std::max(spread, std::fabs(totals[b] - mean));
  return spread <= kGleicheLast * largest ? QHistorie[j][blocks] : yearMean;
}

}  // namespace

void LongTermGFunction(int earlierYears, const double (&meanHeatFlow)[kMaxSegmente + 1]) {
  const int N = earlierYears;
  gPolyStart = -4.0;
  const double ts = Sondenlaenge * Sondenlaenge / 9.0 * rhoErd * cpErd / lambdaErd;
  double x = (N >= 1) ? std::log(N * 365.0 * 86400.0 / ts) : 0.0;
  if (x > 2.5) x = 2.5;
  const double P38 = Polynomial(-3.8);
  const double G1 = 6.84 + 0.5 * x;
  const double gb = gKurzzeitBreit ? 4.09 : 4.59;
  double g = (x >= gPolyStart) ? Polynomial(x) : G1;
  if (x < -2.0 && g < G1 - 0.3) g = G1;
  if (gKurzzeitBreit) {
    if (x >= -5.5 && x < -3.8) g = (P38 - gb) / 1.7 * (x + 5.5) + gb;
  } else {
    if (x >= -4.5 && x < -3.8) g = (P38 - gb) / 0.7 * (x + 4.5) + gb;
  }
  double R[kMatDim] = {};
  for (int k = 0; k <= DimRad + 1; ++k) {
    const double gk = std::max(0.0, g - std::log(Zellradius[k] / (0.0005 * Sondenlaenge)));
    R[k] = (N == 0) ? 0.0 : gk / (2.0 * kPi * lambdaErd);
  }
  for (int j = 1; j <= DimAxi; ++j) {
    const double Tj = TempProfil ? Starttemperatur[j] : TErdoberflaeche + TGrad * ((j - 0.5) * Segmentlaenge);
    // A run whose far field is the infinite line source starts the jumped
    // years from the same source: N years of the mean flow, with the segment's
    // own ground as the time steps take it. The field's g-function levels off
    // where the line source goes on cooling.
    if (!gfunction && N >= 1) {
      const double t = N * 365.0 * 86400.0;
      for (int k = 0; k <= DimRad + 1; ++k) {
        const double u = Zellradius[k] * Zellradius[k] * rhoErde[j] * cpErde[j] / (4.0 * lambdaErde[j] * t);
        R[k] = (u > 1.0) ? 0.0 : LineSourceSeriesE1(u) / (4.0 * kPi * lambdaErde[j]);
      }
    }
    for (int k = 0; k <= DimRad + 1; ++k) {
      TGitter[j][k] = Tj - meanHeatFlow[j] / Segmentlaenge * R[k];
    }
    TSoleAuf[DimAxi - j + 1] = TGitter[j][0];
    TSoleAb[j] = TGitter[j][0];
    TUngestoert[j] = TGitter[j][DimRad + 1];
  }
  TSoleAb[0] = TGitter[1][0];
  TSoleAuf[0] = TGitter[DimAxi][0];

  for (int j = 0; j <= kMaxSegmente; ++j)
    for (int w = 0; w <= kWochenTabelle; ++w) TJahreszeit[j][w] = 0.0;
  if (!Jahreszeiten) return;
  double sumL = 0.0, sumR = 0.0, sumC = 0.0;
  for (int j = 1; j <= DimAxi; ++j) {
    sumL += lambdaErde[j];
    sumR += rhoErde[j];
    sumC += cpErde[j];
    const double a = 3600.0 * (sumL / j) / ((sumR / j) * (sumC / j));  // m²/h
    const double k = std::sqrt(3.14159 / (a * 8760.0));
    double d;
    double damping;
    if (Horizontalrohr) {
      d = StaoWert3;
      damping = std::exp(-d * k);
    } else {
      const double top = (j - 1) * Segmentlaenge;
      const double bottom = j * Segmentlaenge;
      d = (j - 0.5) * Segmentlaenge;
      const double e1 = std::exp(-top * k);
      const double e2 = std::exp(-bottom * k);
      damping = (e1 == e2) ? e1 : (e1 - e2) / (std::log(e1) - std::log(e2));
    }
    for (int w = 1; w <= kWochenTabelle; ++w) {
      TJahreszeit[j][w] =
          Amplitude * damping *
          std::cos(k * d - (168.0 * w + 4368.0 - 24.0 * Phasenverschiebung) * 0.0007172579908675799);
    }
  }
}

double BuildTimeStepping() {
  const int nA = DimAxi;
  const int nR = DimRad;
  const double dz = Segmentlaenge;
  // 9.-11. sub-steps per time step and their length
  subdt = StableTimeStep(LeitwertGitterBetrieb, Zellkapazitaet);
  // A simulated response test is read back against ln t from its first
  // hours on, while the fill is still taking up heat: a sub-step that the
  // stability rule alone allows spans a large part of the fill's own time
  // constant and bends those hours. During the test a tenth of it bounds
  // the sub-step.
  if (TRTModus) {
    double tauFill = 3600.0;
    for (int j = 1; j <= nA; ++j)
      for (double k : {LeitwertGitterBetrieb[j][1], LeitwertGitterBetrieb[j][2]})
        if (k > 0.0) tauFill = std::min(tauFill, Zellkapazitaet[j][1] / k);
    const double grenze = tauFill / 10.0;
    if (grenze >= 1.0 && std::isfinite(grenze))
      subdt = std::max(subdt, static_cast<int>(std::ceil(Zeitschritt * 60.0 / grenze)));
  }
  if ((KoaxialSonde && !stationaer) || Gegenstrom) {
    int factor = 30;
    if (dz < 30.0)
      factor = 60;
    else if (dz < 40.0)
      factor = 50;
    else if (dz < 50.0)
      factor = 40;
    else if (dz < 60.0)
      factor = 35;
    subdt *= factor;
  }
  const double dt = Zeitschritt * 60.0 / subdt;
  Teilschrittdauer = dt;

  // 12. update matrices
  {
    static MatrixStack implicitM, explicitM, inverse;
    BuildImplicitMatrix(LeitwertGitterBetrieb, Zellkapazitaet, dt, nR, nA, implicitM);
    BuildExplicitMatrix(LeitwertGitterBetrieb, Zellkapazitaet, dt, nR, nA, explicitM);
    InvertMatrixStack(implicitM, inverse, nA, nR);
    MultiplyMatrixStack(inverse, explicitM, CNMatrixBetrieb, nR, nA);
    BuildImplicitMatrix(LeitwertGitterRuhe, Zellkapazitaet, dt, nR, nA, implicitM);
    BuildExplicitMatrix(LeitwertGitterRuhe, Zellkapazitaet, dt, nR, nA, explicitM);
    InvertMatrixStack(implicitM, inverse, nA, nR);
    MultiplyMatrixStack(inverse, explicitM, CNMatrixRuhe, nR, nA);
  }

  // 15. brine sub-steps per grid sub-step, flowing and at rest
  if (stationaer) {
    substep_run = 1;
    substep_stop = 1;
  } else {
    const double W = (Auslegungsmassenstrom <= 0.001) ? 0.01 : cpSole * Auslegungsmassenstrom / AnzahlSonden;
    const double tauF = std::min(CSoleRohr / W, CSoleRohr / LeitwertSoleErde[1]);
    const double run = std::trunc(Sicherheit1 * dt / tauF) + 1.0;
    const double stop = std::trunc(Sicherheit1 * dt * LeitwertSoleErdeRuhe[1] / CSoleRohr) + 1.0;
    const double perStep = static_cast<double>(subdt) * DimAxi;
    if (!(run >= 1.0 && run * perStep <= kMaxSoleTeilschritte) ||
        !(stop >= 1.0 && stop * perStep <= kMaxSoleTeilschritte)) {
      Refuse(
          " Zu viele Sole-Teilschritte (Sicherheit1 oder Auslegungsmassenstrom zu gross?)  /  too many brine "
          "sub-steps (safety factor 1 or design flow too large?) ");
    }
    substep_run = static_cast<int>(run);
    substep_stop = static_cast<int>(stop);
  }
  return dt;
}

double PrepareProbeModel(int earlierYears, const double (&meanHeatFlow)[kMaxSegmente + 1]) {
  ValidateProbeModelInput();
  if (earlierYears < 0) earlierYears = 0;
  const int nA = DimAxi;
  const int nR = DimRad;

  // 1. trackers, status, surface temperature
  TSinkMin = 1000.0;
  TSinkMax = -1000.0;
  Rechenstatus = 0;
  TErdoberflaeche = Jahresmitteltemp + Bodenerwaermung;

  // 2. g-function polynomial
  FitGFunctionFromState();

  // 3. segment length and brine capacities
  Segmentlaenge = Sondenlaenge / nA;
  const double dz = Segmentlaenge;
  const double ri = Sondendurchmesser / 2.0 - Dicke_Sondenrohr;
  const double rii = Innenrohrdurchmesser / 2.0 - Dicke_Innenrohr;
  const double rb = Bohrdurchmesser / 2.0;
  const double rhoCpSole = cpSole * rhoSole;
  CSoleRohr = 2.0 * kPi * ri * ri * rhoCpSole * dz;
  if (einfachU) CSoleRohr /= 2.0;
  CSoleInnenrohr = kPi * rii * rii * rhoCpSole * dz;
  CSoleRingraum =
      kPi * (ri * ri - (Innenrohrdurchmesser / 2.0) * (Innenrohrdurchmesser / 2.0)) * rhoCpSole * dz;

  // 4. means over the segments
  double sRho = 0, sCp = 0, sLambda = 0, sRhoF = 0, sCpF = 0, sLambdaF = 0;
  for (int j = 1; j <= nA; ++j) {
    sRho += rhoErde[j];
    sCp += cpErde[j];
    sLambda += lambdaErde[j];
    sRhoF += rhoFillV[j];
    sCpF += cpFillV[j];
    sLambdaF += lambdaFillV[j];
  }
  rhoErd = sRho / nA;
  cpErd = sCp / nA;
  lambdaErd = sLambda / nA;
  rhoFill = sRhoF / nA;
  cpFill = sCpF / nA;
  lambdaFill = sLambdaF / nA;

  // 5. radii
  RingRadii(nR, ri, rb, Rechenradius, Gitterfaktor, Ringradius, Zellradius);
  const double* r = Ringradius;
  const double* rm = Zellradius;

  // 6. film coefficients at the design flow
  const double designFlow = Auslegungsmassenstrom / AnzahlSonden;
  double alpha1 = 0, alpha2 = 0, alpha3 = 0;
  ComputeProbeAlphas(designFlow, alpha1, alpha2, alpha3, true);
  // (The brine's capacity flow at the design flow enters the brine sub-steps,
  // BuildTimeStepping.)

  // 7. resistances and conductances per segment
  ComputeSegmentResistances(ResistanceInputsFromState(alpha1, alpha2, alpha3));
  const double kc = ConductionCoefficient(Wellrohr1, lambdaSole, Sondendurchmesser);
  double cFilm, cWall;
  if (KoaxialSonde) {
    cFilm = cWall = 1.0 / (2.0 * kPi);
  } else if (einfachU) {
    cFilm = 1.0 / (8.0 * kPi);
    cWall = 1.0 / (4.0 * kPi);
  } else {
    cFilm = cWall = 1.0 / (8.0 * kPi);
  }
  for (int j = 0; j <= kMaxSegmente; ++j) {
    LeitwertSoleErde[j] = LeitwertSoleErdeRuhe[j] = LeitwertSoleSoleRuhe[j] = 0.0;
    LeitwertWandErde[j] = LeitwertSoleSole[j] = LeitwertInnenrohr[j] = LeitwertRand[j] = 0.0;
    for (int k = 0; k < kMatDim; ++k) {
      LeitwertGitterBetrieb[j][k] = LeitwertGitterRuhe[j][k] = Zellkapazitaet[j][k] = 0.0;
    }
  }
  for (int j = 1; j <= nA; ++j) {
    const double lr = (lambdaErde_effSegment[j] > 0.0) ? lambdaErde_effSegment[j] : lambdaErd;
    lambdaRadial[j] = lr;
    const double R1j = R1V[j];
    LeitwertSoleErde[j] = 1.0 / R1j;
    LeitwertSoleErdeRuhe[j] = 1.0 / (R1j - cFilm / (alpha1 * ri * dz) + cFilm / (kc * ri * dz));
    LeitwertWandErde[j] = 1.0 / (R1j - cWall / (alpha1 * ri * dz));
    if (KoaxialSonde) {
      LeitwertSoleSoleRuhe[j] = LeitwertSoleErdeRuhe[j];
      LeitwertSoleSole[j] = dz / RaV[j];
      // Ra without the two brine films of the inner pipe, per segment. The
      // films are per metre like Ra, so they are divided by the segment
      // length here and where the time step adds them back.
      LeitwertInnenrohr[j] =
          dz / (RaV[j] - 1.0 / (2.0 * kPi * alpha2 * rii) - 1.0 / (kPi * alpha3 * Innenrohrdurchmesser));
    }
    const double Rx =
        KoaxialSonde ? (std::log(rb / rm[1]) / lambdaFillV[j] + std::log(rm[2] / rb) / lr) / (2.0 * kPi * dz)
                     : (RbV[j] - RaV[j] / 4.0) / dz + std::log(rm[2] / rb) / (2.0 * kPi * dz * lr);
    LeitwertRand[j] = (1.0 - Randfaktor) * 2.0 * kPi * lr * dz / std::log(Rechenradius / rm[nR]);

    auto& K1 = LeitwertGitterBetrieb[j];
    auto& K2 = LeitwertGitterRuhe[j];
    K1[1] = alpha_pro_Schritt ? LeitwertWandErde[j] : LeitwertSoleErde[j];
    K1[2] = 1.0 / Rx;
    for (int k = 3; k <= nR; ++k) K1[k] = 2.0 * kPi * lr * dz / std::log(rm[k] / rm[k - 1]);
    K1[nR + 1] = LeitwertRand[j];
    for (int k = 1; k <= nR + 1; ++k) K2[k] = K1[k];
    K2[1] = LeitwertSoleErdeRuhe[j];

    for (int k = 1; k <= nR + 1; ++k) {
      if (!Positive(K1[k]) || !Positive(K2[k])) {
        Refuse(
            " Sondenwiderst\xE4nde ergeben keinen positiven Leitwert (Ra > 4 Rb ?)  /  "
            "borehole resistances give no positive conductance (Ra > 4 Rb ?) ");
      }
    }
    if (KoaxialSonde &&
        (!Positive(LeitwertSoleSole[j]) || (alpha_pro_Schritt && !Positive(LeitwertInnenrohr[j])))) {
      Refuse(
          " Koaxialsonde: Ra kleiner als die Filmwiderst\xE4nde des Innenrohrs  /  "
          "coaxial probe: Ra smaller than the film resistances of the inner pipe ");
    }
  }

  // 8. capacities
  for (int j = 1; j <= nA; ++j) {
    const double pipes = KoaxialSonde ? 1.0 : (einfachU ? 2.0 : 4.0);
    Zellkapazitaet[j][1] = kPi * rhoFillV[j] * cpFillV[j] * (rb * rb - pipes * ri * ri) * dz;
    for (int k = 2; k <= nR; ++k) {
      Zellkapazitaet[j][k] = kPi * rhoErde[j] * cpErde[j] * (r[k] * r[k] - r[k - 1] * r[k - 1]) * dz;
    }
  }

  // 9.-12. and 15. sub-steps and update matrices
  const double dt = BuildTimeStepping();

  // 13. start temperatures
  for (int j = 0; j <= kMaxSegmente; ++j)
    for (int k = 0; k < kMatDim; ++k) TGitter[j][k] = 0.0;
  LongTermGFunction(earlierYears, meanHeatFlow);

  // 14. histories
  if (!Starttemp || Jahr <= 1) {
    ClearProbeHistories(QHistorie);
  } else {
    for (int j = 1; j <= nA; ++j) QHistorie[j][0] = LevelBeforeFirstBlock(j, meanHeatFlow[j]);
  }

  // 16. groundwater terms of the segments
  SetupProbeSegments(AnzahlSonden, nA, Druckgradient, Sondenlaenge, Durchlaessigkeit1, Durchlaessigkeit2,
                     Durchlaessigkeit3, zSchicht1, zSchicht2, zSchicht3, zSchicht4, GWFeldbreite);
  return dt;
}

}  // namespace qeb
