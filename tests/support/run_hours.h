// Every hour of a run from the graph window, as a test sees it between the
// steps.
#pragma once

#include <vector>

#include "calc/QEBMOD.h"
#include "results/Grafik.h"

namespace qeb {

struct Hour {
  int jahr, stunde;
  double tSink, m, q;
};

// Each step's result, seen from the poll before the next step; the step that
// closes a year leaves the counters at step 0 of the next one. The caller
// clears the probe after the run.
inline void StundenAufzeichnen(std::vector<Hour>& hours) {
  SetEscapeProbe([&hours] {
    if (Schrittzaehler > 0)
      hours.push_back({Jahr, Schrittzaehler, TSink, Massenstrom, QSource});
    else if (Jahr > 1)
      hours.push_back({Jahr - 1, 8760, TSink, Massenstrom, QSource});
    return false;
  });
}

}  // namespace qeb
