// The simulated response test written as "TRT_Temp.txt": the project run in
// test mode and the recorded probe temperatures of its first 120 hours.
#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"

namespace qeb {

void TForm1::TRTFileClick() {}

}  // namespace qeb
