// The fixed catalogues of the project input window: probe types, fluids,
// solar collectors and g-function presets of field layouts. Each combo box
// has an empty item 0, so row n of a catalogue is item n of its combo box.
#pragma once

namespace qeb {

// Probe state the catalogue keeps beside the module's own.
extern bool Einzelrohr;          // single pipe: a coaxial probe whose inner pipe vanishes
extern bool FillGleichErde;      // the fill was set equal to the ground by the probe type "M-QEB"
extern double FaktorBuEinfachU;  // shank spacing of a single U-tube as a share of bore minus pipe

namespace catalog {

// Kind of a probe type, combined with its traits into one number.
inline constexpr int DoubleU = 0, SingleU = 1, Coaxial = 2, SinglePipe = 3, KindMask = 3;
inline constexpr int kCorrugated = 16, kGeocoax = 32, kFillIsGround = 64;

struct ProbeType {
  int row;
  const char* name;  // German item text (UTF-8)
  int kind;          // kind | traits
  // Lengths in mm as the catalogue lists them; a negative value leaves the variable as it is
  // (wall -2: by the probe length).
  double pipe, wall, bore, inner, innerWall;
  double lambdaPipe, lambdaInner;
  int stationary;  // 1, 0, or -1 to leave it as it is
};
struct Fluid {
  int row;
  const char* name;
  // The texts the edits show, exactly as the catalogue writes them.
  const char* lambda;
  const char* rho;
  const char* cp;
  const char* nue;
};
struct Collector {
  int row;
  const char* name;
  double eta0, a1, a2, bu, b1, b2, absorber;
  bool unglazed;
};
struct GPreset {
  int row;
  const char* name;
  double bh;  // 0: the preset keeps the ratio set before (single borehole)
  const char* g[5];
};

inline constexpr int kProbeTypes = 46;
inline constexpr int kFluids = 9;
inline constexpr int kFluidUndefined = 10;
inline constexpr int kCollectors = 13;
inline constexpr int kGPresets = 41;
inline constexpr int kGNotDefined = 42;
inline constexpr int kGOwnInput = 43;

// Row n (1-based), or nullptr past the table.
const ProbeType* ProbeTypeRow(int n);
const Fluid* FluidRow(int n);
const Collector* CollectorRow(int n);
const GPreset* GPresetRow(int n);

// Wall thickness in m of the probe types whose wall depends on the length
// (rows 38 to 41) at probe length `L` m; -1 for any other row.
double WallByLength(int row, double L);

}  // namespace catalog
}  // namespace qeb
