// Results of the pressure-drop recalculation of the main circuit that the
// pressure-drop summary shows part by part.
#pragma once

namespace qeb {

extern double DruckabfallSonde1;         // one probe, Pa
extern double DruckabfallZuleitung;      // connection lines including the probe extension, Pa
extern double DruckabfallVerlaengerung;  // horizontal probe extension, Pa
extern double ReynoldsSonde;             // Reynolds number of the probe flow
// Flow of the circuit in the unit of the components' nominal flows (kg/s):
// the flow the component terms of the circuit's total were taken at.
extern double VolumenstromKreis;

}  // namespace qeb
