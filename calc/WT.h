// Ventilation plant coupled to the probes: a hydronic cooling exchanger, a
// brine/glycol exchanger and the supply-air coil, iterated together with the
// probe time step of the hour until the source temperature settles.
#pragma once

namespace qeb {

// Effectiveness exchanger of two streams A and B with transfer units na, nb
// (>= 9000000 or <= 1/9000000 means no exchange) and relative humidities
// (fractions 0..1). A side with its condensation flag set is not cooled
// below its dew point by more than half the distance.
void HeatExchangerNTU(double ta, double tb, double na, double nb, double phiA, double phiB,
                      double share, bool condA, bool condB, double& outA, double& outB);

// Dew point (°C) of air at `t` °C with relative humidity `phi` (0..1).
double DewPoint(double t, double phi);

// One hour (Schrittzaehler) of the ventilation plant together with the probe
// time step, which it runs with step codes 0, 1, 2, ... until TSource settles.
// The passes are capped; hitting the cap sets Rechenstatus 2 (unless it is 1).
void CoupleAirHeatExchanger();

// Pass limit of the loops above.
inline constexpr int kMaxLueftungsDurchlaeufe = 200;

}  // namespace qeb
