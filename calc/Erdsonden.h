// Borehole and ground kernels: fluid heat transfer, borehole resistances,
// g-functions, line source and the Crank-Nicolson ground model round one probe.
#pragma once

#include "calc/QEBMOD.h"

#if __has_include("calc/ErdsondenKernels.h")
#include "calc/ErdsondenKernels.h"
#endif
#if __has_include("calc/ErdsondenModel.h")
#include "calc/ErdsondenModel.h"
#endif
