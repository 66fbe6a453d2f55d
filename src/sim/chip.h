#pragma once

// The teeth in the cutting zone and the two cutting routines. A cutting routine measures the
// chip of one tooth on the profile and moves at most one profile point onto the tooth tip.

#include "sim/sim_state.h"

namespace sim {

// How the cutting routines search the profile. Both give bit-identical results: the quick
// search only skips the exact angle of points that clearly lie on the searched side of the
// tooth, and measures every point it may stop at exactly as the plain search does.
enum class ProfileSearch {
    Quick, // screens each point with a cheap ratio test first
    Plain, // measures the angle of every point it passes (the reference)
};

// Fills slots 1..ActiveTeethCount, in order of increasing angle, with the teeth whose angle
// k x ToothPitch + Phase lies between EdgeAngle (where the workpiece's left edge crosses the
// cutter circle) and EngageAngle (where the top surface does). The candidates start at tooth
// 0 in up milling and at tooth 1 in down milling. At most 9 slots are filled.
void FindActiveTeeth(SimState& s);

// Up milling, slot ActiveTooth: searches from point 2 rightward for the first point beyond the
// tooth's angle of the previous sub-step, takes the chip there (when the point lies inside the
// cutter circle) and cuts that point when it lies at or left of the tooth tip.
// The search stops at point 700.
void CutUpMilling(SimState& s, ProfileSearch search = ProfileSearch::Quick);

// Down milling, slot ActiveTooth: searches from point 699 leftward for the first point at a
// smaller angle than the tooth, takes the chip there (when inside the circle) and cuts the point
// to its right onto the tip when the tooth has just swept it (it lies, within a pixel, in the
// sector between the tooth's previous and current angle inside the circle) and cutting it does
// not lean the workpiece's left edge by more than two pixels. Further points the tooth passed in
// the same sub-step that lie deeper inside the circle are moved radially onto it. The search
// stops at point 1.
void CutDownMilling(SimState& s, ProfileSearch search = ProfileSearch::Quick);

} // namespace sim
