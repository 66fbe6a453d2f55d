#pragma once

// The workpiece profile: a closed polygon of 701 points whose top edge (points 2..700, one
// pixel apart) takes the shape of the machined surface. Point 0 is the bottom right corner of
// the picture and never moves; point 1 is the workpiece's bottom left corner.
// ProfileX/ProfileY hold the real coordinates of points 1..700; WorkpiecePoints are their
// rounded copies, refreshed at every shift and layout.

#include "sim/sim_state.h"

namespace sim {

// Lays out the polygon with a straight top edge 283 - DepthPixels, the workpiece's left edge
// at x = 350 (just clear of the cutter), and copies points 1..700 into ProfileX/ProfileY.
void InitWorkpiece(SimState& s);

// Lays out points 1..700 again for the current DepthPixels at the current FeedTravel
// (rounded), discarding the machined shape. Point 0 stays.
void RebuildWorkpiece(SimState& s);

// Moves points 1..700 by FeedPerStep toward the cutter (-x) and refreshes their rounded copies.
void ShiftWorkpiece(SimState& s);

// DepthOffset, ContactHalfWidth and EngageAngle for the current DepthPixels.
// DepthPixels must lie in 0..CutterRadius.
void UpdateContactGeometry(SimState& s);

} // namespace sim
