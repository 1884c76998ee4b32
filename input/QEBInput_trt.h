// The thermal response test as the input window evaluates it from a
// measurement file: the records read, the hourly series from the start of
// heating, and the best fit window. The g-function window draws them in its
// test mode; the module's own test flags (TRTModus, TRTHeizdauer, TRTOption,
// TRTAuto) stay with the module.
#pragma once

#include <string>

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
extern double TRTLnZeit[kTRTMaxRecords + 1];      // ln of the hours since record 1 (0 at 0)
extern double TRTStundenTemp[kTRTMaxRecords + 1]; // hourly mean fluid temperature from the start of heating; [1] = T0
extern double TRTTemp[kTRTMaxRecords + 1];        // mean fluid temperature (T1 + T2)/2 per record
extern std::string TRTTitelDatei;     // the file being read, named in "TRT_Temp.txt"
extern double TRTTMitte;              // mean fluid temperature of the best window
extern double TRTZeit[kTRTMaxRecords + 1];        // hours since record 1; [0] the date-time of record 1

}  // namespace qeb
