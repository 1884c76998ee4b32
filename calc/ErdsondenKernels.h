// Borehole kernels: brine-side heat transfer, the small matrix stacks of the
// radial ground model, borehole thermal resistances, the g-function fit and the
// two far-field responses (line source and g-function superposition).
//
// Every kernel exists twice where it touches shared state: a pure form that
// takes all inputs as arguments (callable and testable without a run) and a
// thin wrapper that reads and writes the module's globals.
#pragma once

#include "calc/QEBMOD.h"

namespace qeb {

// ---------------------------------------------------------------------------
// Sizes
// ---------------------------------------------------------------------------

inline constexpr int kMaxSegmente = 10;      // axial segments of the probe model
inline constexpr int kMaxRadial = 12;        // radial ground cells
inline constexpr int kMatDim = kMaxRadial + 2;  // fluid node + cells + outer boundary = 14
inline constexpr int kMaxBloecke = 10600;    // superposition blocks kept per segment
// Brine sub-steps of all segments in one time step (grid sub-steps times
// brine sub-steps times segments) that a transient brine may need. Real
// probes need up to about two hundred thousand (3 kg/s through a 20 m probe
// of ten segments); half a million makes an hour take milliseconds, and
// beyond that a run of an implausible flow would go on for hours with no
// word of why.
inline constexpr double kMaxSoleTeilschritte = 500'000.0;
inline constexpr double kSekundenProWoche = 604800.0;

// One 14 x 14 segment matrix, row-major; only the leading (DimRad+2) block is used.
using SegmentMatrix = double[kMatDim][kMatDim];
// One matrix per segment: segment j (1-based) is element j - 1.
using MatrixStack = SegmentMatrix[kMaxSegmente];
// One node vector per segment, indexed by the segment number j (element 0 spare);
// the layout of the ground grid `TGitter` [0..10][0..13].
using SegmentVector = double[kMatDim];
using VectorStack = SegmentVector[kMaxSegmente + 1];
// Block-mean heat flow per segment (rows 1..10) and block (0..10600), in W.
using BlockHistory = double[kMaxSegmente + 1][kMaxBloecke + 1];

// ---------------------------------------------------------------------------
// Shared state owned by these kernels
// ---------------------------------------------------------------------------

// Coefficients of the fitted g-function polynomial in x = ln(t/ts).
extern double gKoeff0;
extern double gKoeff1;
extern double gKoeff2;
extern double gKoeff3;
extern double gKoeff4;
extern double gKoeff5;
// Lower end of the range in which the polynomial is used.
extern double gPolyStart;
// Block-mean heat flow of each segment; entry 0 is the level before block 1.
// Heat taken from the ground by the brine is positive.
extern BlockHistory QHistorie;

// ---------------------------------------------------------------------------
// Brine-side heat transfer
// ---------------------------------------------------------------------------

// |x| raised to y as exp(y ln|x|). Raises CalcError for x = 0.
double PowAbs(double x, double y);

// Convective coefficient (W/m²K) between the brine and the wall of the pipe whose
// inside carries the flow. coreDiameter is the outer diameter of a body inside
// that pipe (0 for a plain pipe); seriesFactor multiplies the velocity. The ring
// of a coaxial probe counts with its hydraulic diameter (inner diameter of the
// pipe minus coreDiameter) in its Reynolds number and its coefficient.
double ComputeFluidAlpha(bool geocoax, bool coaxial, bool singleU, bool hellstroem, bool corrugated,
                         double nu, double rho, double cp, double lambda, double massFlow,
                         double pipeDiameter, double wallThickness, double coreDiameter,
                         double seriesFactor);

// The intermediate numbers of ComputeFluidAlpha, for reports and tests.
struct FluidFlowFigures {
  double innerDiameter = 0;  // m
  double hydraulicDiameter = 0;  // m, of the flow section (a coaxial probe's annulus: outer minus core)
  double velocity = 0;       // m/s
  double reynolds = 0;
  double prandtl = 0;
  double nusselt = 0;
  double alpha = 0;          // W/m²K, equal to the ComputeFluidAlpha result
  bool noFlow = false;       // mass flow at or below 0.0001 kg/s: alpha = 0.01
};
FluidFlowFigures ComputeFluidFlowFigures(bool geocoax, bool coaxial, bool singleU, bool hellstroem,
                                         bool corrugated, double nu, double rho, double cp,
                                         double lambda, double massFlow, double pipeDiameter,
                                         double wallThickness, double coreDiameter,
                                         double seriesFactor);

// Conduction coefficient that stands in for convection across standing brine.
double ConductionCoefficient(bool corrugated, double lambda, double pipeDiameter);

// The three film coefficients of a probe from the shared state, for the mass
// flow of one probe (kg/s): alpha1 probe pipe with the corrugation factor,
// alpha2 inner pipe of a coaxial probe, alpha3 probe pipe without the factor.
// With withInnerPipe false (U-tube probes in the time step) alpha2 and alpha3 are
// not computed and left unchanged. For a U-tube probe alpha2 (the inner pipe,
// which it does not have) is set to 0 instead of being computed from leftover
// inner-pipe dimensions.
void ComputeProbeAlphas(double massFlowPerProbe, double& alpha1, double& alpha2, double& alpha3,
                        bool withInnerPipe = true);

// ---------------------------------------------------------------------------
// Matrix stacks
// ---------------------------------------------------------------------------

// Gauss-Jordan inversion in place without pivoting of the leading size x size
// block of a row-major matrix with the given row stride. Raises CalcError on a
// zero or non-finite pivot.
void GaussJordanInvert(double* a, int size, int stride);

// For each of the first `count` matrices: copy the leading (n+2) block of source
// into target and invert it there. source and target may be the same stack.
void InvertMatrixStack(const MatrixStack& source, MatrixStack& target, int count, int n);
// c = a * b on the leading (n+2) blocks of the first `count` matrices; c may be a or b.
void MultiplyMatrixStack(const MatrixStack& a, const MatrixStack& b, MatrixStack& c, int n,
                         int count);
// Segment j (1-based): y[j][i] = sum_k m_j[i][k] x[j][k] for i = 1..n; the
// fluid-side and outer-boundary elements are copied. x and y may be the same stack.
void MultiplyMatrixVector(const MatrixStack& m, const VectorStack& x, VectorStack& y, int n,
                          int j);
// 1 * 2 * ... * k, 1 for k <= 0.
long double Factorial(int k);
// x^k (argument order: exponent first). 0^k is 0 for k > 0, 1 for k = 0;
// CalcError for x = 0 and k < 0.
long double IntPower(int k, double x);

// ---------------------------------------------------------------------------
// Borehole thermal resistances
// ---------------------------------------------------------------------------

// The set-up's intermediate values that the resistances need.
struct ResistanceInputs {
  double ri = 0;            // inner radius of a probe pipe (outer pipe of a coaxial probe), m
  double D = 0;             // Sondendurchmesser, m
  double rb = 0;            // borehole radius, m
  double rm1 = 0;           // radius of the first grid ring sqrt((rb²+ri²)/2), m
  double Din = 0;           // Innenrohrdurchmesser, m
  double rii = 0;           // inner radius of the inner pipe, m
  double alpha1 = 0;        // film coefficients of the three ComputeFluidAlpha calls
  double alpha2 = 0;
  double alpha3 = 0;
  double dz = 0;            // Segmentlaenge, m
  double lambdaGround = 0;  // mean ground conductivity lambdaErd
  double lambdaPipe = 0;    // lambdaRohr
  double lambdaInnerPipe = 0;  // lambdaInnenrohr
  double Bu = 0;            // shank spacing, m
  double S = 0;             // BuRelativ
  bool coaxial = false;     // KoaxialSonde
  bool hellstroem = false;  // multipole method
  bool singleU = false;     // einfachU
  bool raKorr = false;      // RaKorr
};

// Inputs from the shared state; alpha1..3 from ComputeProbeAlphas with the design
// flow per probe, dz = Sondenlaenge / DimAxi, lambdaGround = lambdaErd.
ResistanceInputs ResistanceInputsFromState(double alpha1, double alpha2, double alpha3);

// One segment: R1 (K/W), Ra, Rb, Rc (mK/W) in-out (entry values <= 0 are not given),
// Rd in mK/W. raKorrEinfachU is set to 1 by the multipole method when raKorr is off.
// Raises CalcError naming the input when the geometry allows no finite result.
void ComputeBoreholeResistances(const ResistanceInputs& in, double& R1, double& Ra, double& Rb,
                                bool corrugated, double& Rd, double& Rc, double lambdaFill,
                                double& raKorrEinfachU);

// All segments 1..DimAxi of the shared state: when FillVariabel is off the scalars
// R1, Ra, Rb, Rc are copied into each segment first; each segment is computed with
// its lambdaFillV; afterwards R1, Ra, Rb, Rc take the means of the segment values.
void ComputeSegmentResistances(const ResistanceInputs& in);

// ---------------------------------------------------------------------------
// g-function fit
// ---------------------------------------------------------------------------

double MaxOfTwo(double a, double b);

// Fit of a degree-5 polynomial in x = ln(t/ts) through the five support values
// (corrected to the project's spacing) and an early point. g4/g5 receive the
// corrected fourth and fifth values.
void FitGFunctionPolynomial(double& c0, double& c1, double& c2, double g1, double g2, double g3,
                            double g4value, double g5value, double spacing,
                            double spacingOfValues, double& c3, double& c4, double& c5,
                            double& xStart, double& g4, double& g5);

// Result of the fit with the support points, for tests and graphs.
struct GFunctionFit {
  double c[6] = {};      // coefficients of x^0 .. x^5
  double xStart = 0;     // gPolyStart
  double G[6] = {};      // corrected support values G1..G5 (index 1..5)
  double x[6] = {};      // support abscissae (index 0..5)
  double y[6] = {};      // support ordinates
  bool corrected = false;  // the spacing correction was applied
};
// `decaying`: the correction shrinks with the distance from the given
// support value whichever of g3 and g5 has the larger excess (the window's
// graphs and maps; the run keeps its own rule).
GFunctionFit FitGFunction(double g1, double g2, double g3, double g4, double g5, double spacing,
                          double spacingOfValues, bool decaying = false);

// Shared-state wrapper: gKoeff0..5 and gPolyStart from g1..g5, Sondenabstand and
// g_Sondenabstand (g1..g5 are not changed).
void FitGFunctionFromState();

// ---------------------------------------------------------------------------
// Far-field responses at the grid edge
// ---------------------------------------------------------------------------

// E1(u) by the truncated power series of the line source (u in (0, 1]).
double LineSourceSeriesE1(double u);

// Temperature change (K) at radius r of segment j after block N from the block
// history by the infinite line source.
double LineSourceE1(int j, int N, int dimAxi, double H, double r, double lambda, double c,
                    double rho, const BlockHistory& history, int repRandbed);
// The same on one history row (entries 0..N).
double LineSourceE1Row(const double* historyRow, int N, int dimAxi, double H, double r,
                       double lambda, double c, double rho, int repRandbed);

// g value (before the radius correction) at x = ln(t/ts) for the superposition,
// with the asymptote and the short-time transitions; x is capped at 2.5 here.
double SuperpositionGValue(double x, const double coeff[6], bool kurzzeitBreit);

// Temperature change (K) at radius r of segment j after block N by superposing
// the block loads with the fitted g-function. Sets gPolyStart to -4 and reads
// gKurzzeitBreit.
double GFunctionSuperposition(int j, int N, int dimAxi, double c0, double c1, double c2, double c3,
                              double c4, double c5, double H, double r, double lambda, double c,
                              double rho, const BlockHistory& history, int repRandbed);
// Pure form on one history row.
double GFunctionSuperpositionRow(const double* historyRow, int N, int dimAxi,
                                 const double coeff[6], double H, double r, double lambda,
                                 double c, double rho, int repRandbed, bool kurzzeitBreit);

}  // namespace qeb
