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

// rad, where the workpiece's left edge crosses the cutter circle after FeedTravel, at least 0:
// ArcSin((CutterRadius - FeedTravel) / CutterRadius). The cutting zone starts here; a value
// above EngageAngle means the workpiece has not reached the cutter yet. The same value as
// EdgeAngle after a sub-step, also before the first and after a reset.
double WorkpieceEdgeAngle(const SimState& s);

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
// smaller angle than the tooth and takes the chip there (when inside the circle). The point to
// its right, the last one the tooth passed, goes onto the tip, unless it lies outside the circle
// or is the top left corner with the tip more than two pixels right of the left edge. Every other
// point of the sector the tooth swept in this sub-step (to the zone's end in its last sub-step)
// lying inside the circle moves onto it: radially, and the top left corner straight down along
// the left edge. The search stops at point 1.
void CutDownMilling(SimState& s, ProfileSearch search = ProfileSearch::Quick);

} // namespace sim
