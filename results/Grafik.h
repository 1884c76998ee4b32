// The calculation run on screen: the run driver, the run loop and the graph
// window. This header holds the run's window-side state.
#pragma once

namespace qeb {

// In the middle years of a run only February and July are drawn.
extern bool SparsamZeichnen;
// False only during the one-year pre-run of the calculation command; nothing is drawn then.
extern bool Hauptlauf;
// The user stopped the run with Escape; stops the sizing and field loops.
extern bool Abbruch;
// Some step of the run took heat out of the building (QSource below -0.001 kW).
extern bool Kuehlbetrieb;

}  // namespace qeb
