#include "force_views/engagement.h"

#include "sim/chip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace force_views {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;
constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

// The heights in (0, width) at which the edge angle a(z) = start + slope z passes value plus a
// whole number of turns, appended to cuts.
void AddCrossings(double start, double slope, double width, double value,
                  std::vector<double>& cuts) {
    if (slope == 0) {
        return;
    }
    const double end = start + slope * width;
    const double low = std::min(start, end);
    const double high = std::max(start, end);
    for (double turn = std::ceil((low - value) / kTurn); value + turn * kTurn <= high; ++turn) {
        const double z = (value + turn * kTurn - start) / slope;
        if (z > 0 && z < width) {
            cuts.push_back(z);
        }
    }
}

// Degrees of an angle (rad) counted from the start of the turn that holds its piece, so that
// both ends of a piece lie in the same turn.
double InTurnDegrees(double angle, double turnStart) {
    return (angle - turnStart) * kDegreesPerRadian;
}

} // namespace

double LagPerMm(const sim::SimState& s) {
    if (s.CutterDiameter <= 0) {
        return 0;
    }
    return std::tan(s.HelixAngle) / (s.CutterDiameter / 2.0);
}

double ZoneStartDegrees(const sim::SimState& s) {
    return sim::WorkpieceEdgeAngle(s) * kDegreesPerRadian;
}

double ZoneEndDegrees(const sim::SimState& s) {
    return s.EngageAngle * kDegreesPerRadian;
}

std::vector<EdgePiece> ToothEdges(const sim::SimState& s, double phase) {
    std::vector<EdgePiece> pieces;
    const double width = s.CutWidth;
    const bool down = s.MillingDirection == sim::MillingDirection::Down;
    const double slope = (down ? 1.0 : -1.0) * LagPerMm(s);
    const double zoneStart = sim::WorkpieceEdgeAngle(s);
    std::vector<double> cuts;
    for (int k = 0; k < s.ToothCount; ++k) {
        // The core's candidates in down milling run from tooth 1 to tooth ToothCount, which
        // stands where tooth 0 does, a turn on: a tooth exactly at the lowest point has left the
        // cut.
        const int turnedTooth = down && k == 0 ? s.ToothCount : k;
        const double start = turnedTooth * s.ToothPitch + phase;
        cuts.assign({0.0, width});
        for (const double value : {0.0, zoneStart, s.EngageAngle}) {
            AddCrossings(start, slope, width, value, cuts);
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            const double from = cuts[i];
            const double to = cuts[i + 1];
            // The middle of the piece decides its turn and whether it cuts; its ends lie on the
            // boundaries of both.
            const double middle = start + slope * (from + to) / 2;
            const double turnStart = std::floor(middle / kTurn) * kTurn;
            const double inTurn = middle - turnStart;
            pieces.push_back({k, InTurnDegrees(start + slope * from, turnStart), from,
                              InTurnDegrees(start + slope * to, turnStart), to,
                              zoneStart <= inTurn && inTurn <= s.EngageAngle});
        }
    }
    return pieces;
}

double EngagedEdgeWidth(const std::vector<EdgePiece>& edges) {
    double width = 0;
    for (const EdgePiece& piece : edges) {
        if (piece.inCut) {
            width = width + (piece.heightTo - piece.heightFrom);
        }
    }
    return width;
}

} // namespace force_views
