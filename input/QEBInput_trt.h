// The thermal response test as the input window evaluates it from a
// measurement file: the records read, the hourly series from the start of
// heating, and the best fit window. The g-function window draws them in its
// test mode; the module's own test flags (TRTModus, TRTHeizdauer, TRTOption,
// TRTAuto) stay with the module.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qeb {

inline constexpr int kTRTMaxRecords = 8760;  // records 1..8760, element 0 as each table says

extern int TRTAnzahl;                 // measured points of the test (the unscaled end)
extern std::string TRTDateiName;      // the file last evaluated
extern double TRTDeltaT[kTRTMaxRecords + 1];      // T2 - T1 per record
extern int TRTFitEnde;                // last record of the best fit window
extern int TRTFitStart;               // first record of the best fit window
extern double TRTFitT1;               // fitted temperature at the window's first record
extern double TRTFitT2;               // fitted temperature at the window's last record
extern std::string TRTGewaehlteDatei; // the file last chosen in the open dialog
extern int TRTHeizPunkte;             // records from the start of heating to the window end
extern double TRTLambda;              // conductivity of the best window, W/mK
extern double TRTLeistung[kTRTMaxRecords + 1];    // power per record, kW
extern double TRTLnTDatenEnde;        // ln 3600 + ln(hours) at the last usable record
extern double TRTLnTMitte;            // ln 3600 + mean ln(hours) of the best window
extern double TRTLnZeit[kTRTMaxRecords + 1];      // ln of the hours since the heating began (0 up to its start)
extern double TRTStundenTemp[kTRTMaxRecords + 1]; // hourly mean fluid temperature from the start of heating; [1] = T0
extern double TRTTemp[kTRTMaxRecords + 1];        // mean fluid temperature (T1 + T2)/2 per record
extern std::string TRTTitelDatei;     // the file being read, named in "TRT_Temp.txt"
extern double TRTTMitte;              // mean fluid temperature of the best window
extern double TRTZeit[kTRTMaxRecords + 1];        // hours since record 1; [0] the date-time of record 1

// ---- imports of outside hourly data ----
extern bool MeteonormGeladen;     // a Meteonorm weather year is loaded
extern int OffsetVorMeteonorm;    // the weather offset before the first Meteonorm year
extern double QMessungStunde[8761];  // measured heat flow per hour, kW

class TForm1;
// A project read or begun anew has no response test: the test evaluated
// before leaves the window with its figures, and the test mode ends.
void ResponseTestBeenden(TForm1& form);
// Binds the import menu items (weather, measured values, temperature files).
void ConnectImportHandlers(TForm1* form);
// Binds the example menu items and the access-number edit.
void ConnectBeispielHandlers(TForm1* form);

// The directory the tools' file dialogs make current again afterwards (when set).
extern std::string ArbeitsVerzeichnis;

// ---- reading a measurement file ----

// The records of a measurement file as read, before anything is evaluated.
struct TRTMessreihe {
  std::vector<double> datum;  // date-time as a day count with fraction (day 0 = 30.12.1899)
  std::vector<double> t1, t2;  // fluid temperatures, °C
  std::vector<double> p;       // heating power, kW
  std::vector<int> zeile;      // the file's line of each record, for the messages
  double pmax = 0;             // the power the heating window is measured against
};

// Splits a text at every occurrence of the separator; the text after the
// last separator is the last field.
std::vector<std::string> TeileText(const std::string& text, char separator);

// A date-time "28/2/2011 16:28" (points may stand for the slashes, seconds
// are optional) as a day count with fraction; nullopt when it is none.
std::optional<double> DatumZeitLesen(const std::string& text);
// A day count as "28/02/2011 16:28".
std::string DatumZeitText(double tage);

// Reads every record of a measurement file in the layout its extension
// names. False, with the line and field that failed in `grund`, when the
// file cannot be used; `m` is complete only on success.
bool TRTDateiLesen(const std::string& datei, TRTMessreihe& m, std::string& grund);

// Heat-transfer coefficient of the fluid in the probe pipe, W/m²K.
double RohrWaermeuebergang(bool koaxial, bool einfachUFlag, bool reibungsgesetz, double anteil, double innenrohr,
                           double wand, double aussen, double massenstrom, double lambda, double cp, double rho,
                           double nue);

}  // namespace qeb
