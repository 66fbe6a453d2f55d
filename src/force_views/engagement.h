#pragma once

// The cutter's surface unrolled: where each tooth's helical cutting edge lies at each axial
// height, and which part of it is inside the cut. Plain geometry on the simulation state, no
// drawing; the engagement map (engagement_map.h) draws it.
//
// A tooth at angle phi (rad, from the cutter's lowest point toward the incoming workpiece, as the
// core's ActiveAngle) has its edge at height z (mm, 0..CutWidth) at phi - z tan(helix) / R in up
// milling and phi + z tan(helix) / R in down milling, R = D / 2: the edge lags behind its tip at
// z = 0 in the sense of rotation, as the core's helix slice s sees the teeth s ticks ago.

#include "sim/sim_state.h"

#include <vector>

namespace force_views {

// One straight piece of a tooth's edge on the unrolled surface, entirely inside or outside the
// cutting zone and within one turn.
struct EdgePiece {
    int tooth = 0;         // 0 .. ToothCount - 1
    double angleFrom = 0;  // degrees, 0 .. 360, at heightFrom
    double heightFrom = 0; // mm, 0 .. CutWidth
    double angleTo = 0;    // degrees, 0 .. 360, at heightTo
    double heightTo = 0;   // mm, heightFrom < heightTo for a helical edge
    bool inCut = false;    // inside the cutting zone (ZoneStartDegrees .. ZoneEndDegrees)
};

// rad per mm of height by which an edge lags behind its tip: tan(helix) / R.
double LagPerMm(const sim::SimState& s);

// The cutting zone in degrees: from where the workpiece's left edge crosses the cutter circle
// (sim::WorkpieceEdgeAngle, the core's EdgeAngle after a sub-step) to EngageAngle; empty while
// the start lies beyond the end.
double ZoneStartDegrees(const sim::SimState& s);
double ZoneEndDegrees(const sim::SimState& s);

// The edges of all ToothCount teeth at the cutter's phase (rad; tooth k at k x ToothPitch +
// phase), each split where it wraps past 360 degrees and where it enters and leaves the cutting
// zone; in order of tooth, then height. A straight tooth gives one vertical piece.
std::vector<EdgePiece> ToothEdges(const sim::SimState& s, double phase);

// mm, the length along the axis of the edge pieces inside the cut, summed over the teeth: the
// width of edge that cuts.
double EngagedEdgeWidth(const std::vector<EdgePiece>& edges);

} // namespace force_views
