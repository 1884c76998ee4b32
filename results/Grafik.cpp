#include "results/Grafik.h"

namespace qeb {

bool SparsamZeichnen = true;
bool Hauptlauf = true;
bool Abbruch = false;
bool Kuehlbetrieb = false;

}  // namespace qeb
