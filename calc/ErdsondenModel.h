// The ground model round one representative probe: the measured temperature
// profile and the start temperature of each axial segment, the groundwater
// layers per segment, the set-up of the axial x radial Crank-Nicolson grid, the
// brine temperatures along both channels and the time step that advances all
// of it; and two services of the borehole field (neighbour influence on the
// g-function, groundwater values of the field).
//
// Included through calc/Erdsonden.h after calc/ErdsondenKernels.h.
#pragma once

#include <span>

#include "calc/ErdsondenKernels.h"
#include "calc/QEBMOD.h"

namespace qeb {

// ---------------------------------------------------------------------------
// Sizes
// ---------------------------------------------------------------------------

inline constexpr int kWochenTabelle = 53;      // weeks of the annual surface wave, 1..53
inline constexpr int kVerlaufMax = 3000;       // trace entries 0..3000
inline constexpr int kProfilPunkte = 30;       // profile arrays hold indices 0..30
inline constexpr int kSchichtErgebnis = 40;    // layer temperatures 0..40
inline constexpr int kMaxProfilSegmente = 30;  // layers the profile routine accepts
inline constexpr int kMaxStandortJahre = 600;  // TStandortJahr holds years 0..600

// One value per segment, index = segment 1..10 (element 0 spare unless said).
using SegmentValues = double[kMaxSegmente + 1];
// Per segment and node 0..13 (capacities, conductances of the grid).
using SegmentNodeTable = double[kMaxSegmente + 1][kMatDim];

// ---------------------------------------------------------------------------
// State of the ground model (created by PrepareProbeModel, advanced by
// StepProbeModel)
// ---------------------------------------------------------------------------

// Ground grid: row j = segment j (1..DimAxi); column 0 the brine-side node,
// 1..DimRad the radial cells (1 = fill), DimRad + 1 the outer boundary.
extern VectorStack TGitter;
// Brine of the downward channel by segment (0 = inlet) and of the upward
// channel in flow order (1 = bottom segment, DimAxi = top, 0 = turnaround).
extern SegmentValues TSoleAb;
extern SegmentValues TSoleAuf;
// Running mean heat flow (W) of each segment over the current block.
extern SegmentValues QBlockMittel;
// Position of the current step in its superposition block (1..block length).
extern int SchrittImBlock;
// Start temperature of the outer boundary per segment (far field before any load).
extern SegmentValues TUngestoert;
// Annual surface wave at the outer boundary, per segment and week 0..53.
extern double TJahreszeit[kMaxSegmente + 1][kWochenTabelle + 1];

// Update matrices of every segment: brine flowing and brine at rest.
extern MatrixStack CNMatrixBetrieb;
extern MatrixStack CNMatrixRuhe;

// Conductances per segment (W/K).
extern SegmentValues LeitwertSoleErde;      // brine to fill, flowing brine (1/R1V)
extern SegmentValues LeitwertSoleErdeRuhe;  // brine to fill, standing brine
extern SegmentValues LeitwertSoleSoleRuhe;  // channel to channel of a coaxial probe, standing
extern SegmentValues LeitwertWandErde;      // pipe wall to fill, without the brine film
extern SegmentValues LeitwertSoleSole;      // channel to channel of a coaxial probe
extern SegmentValues LeitwertInnenrohr;     // inner pipe wall of a coaxial probe, without films
extern SegmentValues LeitwertRand;          // last ring to the outer boundary

// Conductances of the grid, flowing (K1) and standing brine (K2): entry [j][k]
// couples node k - 1 and node k of segment j, k = 1..DimRad + 1.
extern SegmentNodeTable LeitwertGitterBetrieb;
extern SegmentNodeTable LeitwertGitterRuhe;
// Heat capacity (J/K) of cell k = 1..DimRad of segment j.
extern SegmentNodeTable Zellkapazitaet;
// Ring boundaries r_0 = inner pipe radius, r_1 = borehole radius, ...,
// r_DimRad = Rechenradius; node radii rm_0 = inner pipe radius,
// rm_1..rm_DimRad the area-halving cell radii, rm_(DimRad+1) = Rechenradius.
extern double Ringradius[kMatDim];
extern double Zellradius[kMatDim];
// Brine heat capacities of one segment (J/K).
extern double CSoleRohr;       // one flow direction of a U-tube (both pipes of a double U)
extern double CSoleInnenrohr;  // inner pipe of a coaxial probe
extern double CSoleRingraum;   // annulus of a coaxial probe
// Length of one sub-step of the grid (s), as PrepareProbeModel returned it.
extern double Teilschrittdauer;
// Reduction of the conductance to the outer boundary (0: none).
extern double Randfaktor;

// Results of a step.
extern double TSourceVorher;  // outlet of the previous step
extern double TMonitor;       // monitor cell after the step
extern double Ringbreite;     // Rechenradius - borehole radius
// Start-up traces by sub-step (entry 0 = copy of entry 1), recorded for the
// steps 1..VerlaufSchritte - 1 of each year.
extern double TSourceVerlauf[kVerlaufMax + 1];
extern double TSinkVerlauf[kVerlaufMax + 1];
extern double TMonitorVerlauf[kVerlaufMax + 1];
extern int VerlaufSchritte;
// Extremes of the run, reset by the set-up.
extern double TSinkMin;
extern double TSinkMax;

// Mean of the layer start temperatures of the measured profile (°C).
extern double Erdmitteltemp;

// Groundwater per layer k = 1..3 and per segment.
extern double vDarcy1, vDarcy2, vDarcy3;                       // m/s
extern double GWQuerschnitt1, GWQuerschnitt2, GWQuerschnitt3;  // m²
extern SegmentValues GWAnteilSchicht1, GWAnteilSchicht2, GWAnteilSchicht3;
extern SegmentValues GWAnteil1, GWAnteil2, GWAnteil3;
extern SegmentValues GWLeitwert1, GWLeitwert2, GWLeitwert3;  // W/K
extern double GWFeldbreite;                                  // m

// ---------------------------------------------------------------------------
// Temperature profile and groundwater layers
// ---------------------------------------------------------------------------

// Sorts the measured profile (points 1..10) by depth, extends it linearly to
// the surface and to 10000 m, and gives the mean temperature of each of the
// DimAxi equal layers of the probe in result[1..DimAxi] (result[0] = surface).
// Below the deepest point the last temperature holds (a single point gives no
// gradient). Sets Erdmitteltemp. Raises CalcError for DimAxi outside 1..30 or length <= 0.
void SortGroundLayers(double (&temperatures)[kProfilPunkte + 1], double (&depths)[kProfilPunkte + 1],
                      double (&result)[kSchichtErgebnis + 1], double length);

// Spreads the three groundwater layers (between z1..z4) over the dimAxi
// segments of a probe of the given length and sets vDarcy*, GWQuerschnitt*,
// GWAnteilSchicht*, GWAnteil* and GWLeitwert*. Raises CalcError for dimAxi
// outside 1..10 or length <= 0.
void SetupProbeSegments(int count, int dimAxi, double gradient, double length, double k1, double k2,
                        double k3, double z1, double z2, double z3, double z4, double fieldWidth);

// ---------------------------------------------------------------------------
// Set-up of the ground model
// ---------------------------------------------------------------------------

// Refuses (CalcError with the text for the user) every input with which the
// model cannot be built or would read or write outside its tables.
void ValidateProbeModelInput();

// Crank-Nicolson matrices of the first `count` segments (leading (n+2) blocks).
void BuildImplicitMatrix(const SegmentNodeTable& K, const SegmentNodeTable& C, double dt, int n, int count,
                         MatrixStack& M);
void BuildExplicitMatrix(const SegmentNodeTable& K, const SegmentNodeTable& C, double dt, int n, int count,
                         MatrixStack& M);
// Sub-steps per time step for the grid of conductances K and capacities C.
int StableTimeStep(const SegmentNodeTable& K, const SegmentNodeTable& C);
// Clears the block histories and running means of segments 1..DimAxi.
void ClearProbeHistories(BlockHistory& H);
// Start temperatures of the grid and brine after `earlierYears` years of
// operation with the mean heat flow meanHeatFlow[j] (W) of each segment.
void LongTermGFunction(int earlierYears, const double (&meanHeatFlow)[kMaxSegmente + 1]);

// Sub-step count and length, update matrices and brine sub-steps for the
// present Zeitschritt from the conductances and capacities of the set-up.
// Returns the sub-step length in seconds.
double BuildTimeStepping();

// Builds the whole model for a run from the shared state. earlierYears is 0 for
// a new run and the number of years already simulated for the year jump, with
// the averaged heat flow of each segment over them. Returns the sub-step
// length in seconds. Validates first (ValidateProbeModelInput).
double PrepareProbeModel(int earlierYears, const double (&meanHeatFlow)[kMaxSegmente + 1]);

// ---------------------------------------------------------------------------
// Brine and time step
// ---------------------------------------------------------------------------

// Everything one sub-step of the brine needs besides the two channels.
struct BrineInputs {
  const VectorStack* grid = nullptr;  // TGitter (column 1 is read)
  const double* A = nullptr;          // channel-to-channel conductance per segment, [1..n]
  const double* B = nullptr;          // brine-to-fill conductance per segment, [1..n]
  double W = 0;                       // capacity flow per probe, W/K
  double Tin = 0;                     // inlet temperature
  int nsub = 1;                       // inner sub-steps
  int subdt = 1;                      // grid sub-steps per time step
  int zeitschritt = 60;               // minutes per time step
  double cSoleRohr = 0;
  double cSoleRingraum = 0;
  double cSoleInnenrohr = 0;
  bool stationaer = false;
  int dimAxi = 1;
  bool coaxial = false;
  bool reversed = false;  // coaxial probe fed down the inner pipe
};

// One sub-step of the brine along the probe: updates soleAb / soleAuf, gives
// the heat E[k] (J) that the brine took from segment k and returns the mean
// outlet temperature. Raises CalcError for counts or capacities that do not
// allow a step.
double ComputeBrineProfile(const BrineInputs& in, SegmentValues& soleAb, SegmentValues& soleAuf,
                           SegmentValues& E);

// What stays the same through the sub-steps of one pass of a time step (the
// inputs but the grid and the channels): checked and formed once, then used
// by every sub-step. The results are those of ComputeBrineProfile to the bit.
struct BrineFactors {
  double dt = 0;                       // inner sub-step, s
  double c = 0;                        // U-tube: W dt / C
  // Entries 1..dimAxi are set (U-tube only); the rest is left as it is.
  double b[kMaxSegmente + 1];     // U-tube: B/2 per leg
  double den[kMaxSegmente + 1];   // U-tube: B/2 + W
  double gain[kMaxSegmente + 1];  // U-tube: B/2 dt / C
  double q[kMaxSegmente + 1];     // U-tube stationary: W / (B/2 + W)
  bool keep[kMaxSegmente + 1];    // U-tube stationary: cell without coupling keeps its value
  bool anyKeep = false;           // keep is set for some segment
};
// Checks the inputs (as ComputeBrineProfile) and forms the factors.
void PrepareBrineFactors(const BrineInputs& in, BrineFactors& f);
// One sub-step with factors that PrepareBrineFactors formed from the same
// inputs; E[k] is written for k = 1..dimAxi only.
double ComputeBrineProfile(const BrineInputs& in, const BrineFactors& f, SegmentValues& soleAb,
                           SegmentValues& soleAuf, SegmentValues& E);

// Advances the model by one time step (code 0 = first pass of the step, > 0 =
// a repeat). schrittzaehler is the step of the running year; schrittImBlock
// receives the step's position in its block.
void StepProbeModel(int code, int schrittzaehler, int& schrittImBlock);

// The step runs its arithmetic in AVX2 kernels where the processor has AVX2
// and FMA, and in portable SSE2 code otherwise; both give the same bits.
// Tests switch to the portable code to compare the two.
void UsePortableKernels(bool portable);
bool AdvancedKernels();

// ---------------------------------------------------------------------------
// Borehole field services
// ---------------------------------------------------------------------------

// Estimate of one g-function support value of the field from the borehole
// positions; table[i] receives the value of borehole i (table needs count + 1
// entries). Raises CalcError for count > 600, a too small table or length <= 0.
double FieldNeighbourInfluence(int count, std::span<double> table, double gSingle, double gField,
                               double length);

// Width of the field across the groundwater flow and the hydraulic gradient
// from the two contour lines and the borehole positions 1..count, then the
// groundwater terms of the probe segments (SetupProbeSegments).
struct ContourLines {
  double x1L1 = 0, y1L1 = 0, x2L1 = 0, y2L1 = 0;  // line 1
  double x1L2 = 0, y1L2 = 0, x2L2 = 0, y2L2 = 0;  // line 2
  double level1 = 0, level2 = 0;                  // water levels, m above sea level
};
void ComputeGroundwaterFlow(int count, const double* x, const double* y, const ContourLines& lines, double k1,
                            double k2, double k3, double& gradient, double& fieldWidth, double& meanSpacing);
// The same with the shared state (AnzahlSonden, SondeX/Y, the contour lines,
// Durchlaessigkeit1..3) and the results into Druckgradient, GWFeldbreite and
// Mittlerer_Abstand.
void ComputeGroundwaterFlow();

}  // namespace qeb
