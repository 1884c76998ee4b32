// The requirement classes R1 to R4 of SIA 384/6 for borehole heat exchangers:
// the balance ratio f_BHE of a calculated design, the class its fluid
// temperature reaches, and whether it meets the class the user asks for.
// Both need a calculation over at least 50 years.
#pragma once

#include <string>

namespace qeb {

// The class text of the last rating ("R1" .. "R4").
extern std::string SiaKlasse;

// Returns f_BHE and writes the class the design reaches into `klasse`
// (left as it is when no class applies: fewer than 50 years, no load profile
// or no full-load days). Coefficients of performance of 0 or less are set to
// 1 in the shared state.
double SiaAnforderungsklasse(std::string& klasse);

// 1 when the design meets the limit of class `klasse` (1 to 4; any other
// number is class 1), else 0. The rated temperature is tSinkMin plus half the
// evaporator spread.
int SiaAnforderungErfuellt(int klasse, int jahre, int dauerLastSpitze, bool lastprofil, double tSinkMin,
                           double auslegungsentzug, double copVolllast, double heizleistungVollast,
                           double deltaVerdampfer);

}  // namespace qeb
