#include "input/QEBInput_trt.h"

namespace qeb {

int TRTAnzahl = 0;
std::string TRTDateiName;
double TRTDeltaT[kTRTMaxRecords + 1] = {};
int TRTFitEnde = 0;
int TRTFitStart = 0;
double TRTFitT1 = 0;
double TRTFitT2 = 0;
std::string TRTGewaehlteDatei;
int TRTHeizPunkte = 0;
double TRTLambda = 0;
double TRTLeistung[kTRTMaxRecords + 1] = {};
double TRTLnTDatenEnde = 0;
double TRTLnTMitte = 0;
double TRTLnZeit[kTRTMaxRecords + 1] = {};
double TRTStundenTemp[kTRTMaxRecords + 1] = {};
double TRTTemp[kTRTMaxRecords + 1] = {};
std::string TRTTitelDatei;
double TRTTMitte = 0;
double TRTZeit[kTRTMaxRecords + 1] = {};

}  // namespace qeb
