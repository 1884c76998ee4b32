#include "results/Sia.h"

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"

namespace qeb {

std::string SiaKlasse;

namespace {

// Balance ratio: the share of the yearly ground extraction that the run puts
// back. Only a load profile of its own (not read in, not split) has a known
// yearly extraction.
double Fbhe() {
  if (!Lastprofil2 || Lasteinlesen || Aufteilung) return 0.0;
  if (COP_Heizlast <= 0.0) COP_Heizlast = 1.0;
  if (COP_Volllast <= 0.0) COP_Volllast = 1.0;
  if (COP_WW <= 0.0) COP_WW = 1.0;
  const double e = (Jahresheizlast + Heizbandlast) / COP_Heizlast * (COP_Heizlast - 1.0) +
                   Heizleistung_Vollast * 24.0 * TageVollast / COP_Volllast * (COP_Volllast - 1.0) +
                   HeizlastWW / COP_WW * (COP_WW - 1.0);
  if (e <= 0.0 || QKuehlSumme >= -0.1) return 0.0;
  return (e - QHeizSumme - QKuehlSumme) / e;
}

// Lowest rated temperature of each class by f_BHE band; 9999: not reachable.
double Grenzwert(int klasse, double f) {
  int band = 0;
  if (f > 0.799) {
    band = 4;
  } else if (f > 0.599) {
    band = 3;
  } else if (f > 0.399) {
    band = 2;
  } else if (f > 0.199) {
    band = 1;
  }
  static const double kGrenze[5][5] = {
      {-1.56, -1.56, -1.56, -1.56, -1.56},  // class 1
      {-0.06, -0.56, -1.06, -1.06, -1.56},  // class 2
      {1.44, 0.74, -0.06, -1.06, -1.56},    // class 3
      {9999.0, 9999.0, 1.44, -0.06, -1.56}, // class 4
      {0, 0, 0, 0, 0}};
  const int k = (klasse >= 2 && klasse <= 4) ? klasse : 1;
  return kGrenze[k - 1][band];
}

}  // namespace

double SiaAnforderungsklasse(std::string& klasse) {
  const double f = Fbhe();
  if (LastYear >= 50 && Lastprofil2 && TageVollast >= 1) {
    const double t = TSinkMin + DeltaVerdampfer / 2.0;
    // Later assignments override earlier ones, band by band.
    if (t >= -1.56) klasse = "R1";
    if (t >= -0.06) klasse = "R2";
    if (t >= 1.44) klasse = "R3";
    if (f > 0.199) {
      if (t >= -0.56) klasse = "R2";
      if (t >= 0.74) klasse = "R3";
    }
    if (f > 0.399) {
      if (t >= -1.06) klasse = "R2";
      if (t >= -0.06) klasse = "R3";
      if (t >= 1.44) klasse = "R4";
    }
    if (f > 0.599) {
      if (t >= -1.56) klasse = "R2";
      if (t >= -1.06) klasse = "R3";
      if (t >= -0.06) klasse = "R4";
    }
    if (f > 0.799) {
      if (t >= -1.56) klasse = "R4";
    }
  }
  return f;
}

int SiaAnforderungErfuellt(int klasse, int jahre, int dauerLastSpitze, bool lastprofil, double tSinkMin,
                           double /*auslegungsentzug*/, double /*copVolllast*/, double /*heizleistungVollast*/,
                           double deltaVerdampfer) {
  const double f = Fbhe();
  const double t = tSinkMin + deltaVerdampfer / 2.0;
  const bool spitze = lastprofil ? TageVollast >= 1 : dauerLastSpitze >= 1;
  return (jahre >= 50 && spitze && t >= Grenzwert(klasse, f)) ? 1 : 0;
}

}  // namespace qeb
