#include "sim/workpiece.h"

#include "sim/arithmetic.h"

#include <cassert>
#include <cmath>

namespace sim {
namespace {

void CopyPointsToProfile(SimState& s) {
    for (int i = 1; i <= kProfileLast; ++i) {
        s.ProfileX[i] = s.WorkpiecePoints[i].x;
        s.ProfileY[i] = s.WorkpiecePoints[i].y;
    }
}

} // namespace

void InitWorkpiece(SimState& s) {
    s.WorkpiecePoints[0] = {kViewWidth, kViewHeight};
    s.WorkpiecePoints[1] = {kWorkpieceStartX, kViewHeight};
    // The top edge starts where the left edge stands and runs one pixel per point.
    for (int i = 2; i <= kProfileLast; ++i) {
        s.WorkpiecePoints[i] = {i + (kWorkpieceStartX - 2), kCutterBottomY - s.DepthPixels};
    }
    CopyPointsToProfile(s);
}

void RebuildWorkpiece(SimState& s) {
    const int32_t travel = Round(s.FeedTravel);
    s.WorkpiecePoints[1] = {kWorkpieceStartX - travel, kViewHeight};
    for (int i = 2; i <= kProfileLast; ++i) {
        s.WorkpiecePoints[i] = {(kWorkpieceStartX - 2) - travel + i,
                                kCutterBottomY - s.DepthPixels};
    }
    CopyPointsToProfile(s);
}

void ShiftWorkpiece(SimState& s) {
    // The feed is read once: the stores into ProfileX could otherwise alias it.
    const double feed = s.FeedPerStep;
    // Two points per step; each point gets the same subtraction and rounding as on its own.
    int i = 1;
    for (; i + 1 <= kProfileLast; i += 2) {
        const double x0 = s.ProfileX[i] - feed;
        const double x1 = s.ProfileX[i + 1] - feed;
        s.ProfileX[i] = x0;
        s.ProfileX[i + 1] = x1;
        int32_t rounded[4];
        numeric::RoundTwoPoints(x0, s.ProfileY[i], x1, s.ProfileY[i + 1], rounded);
        s.WorkpiecePoints[i] = {rounded[0], rounded[1]};
        s.WorkpiecePoints[i + 1] = {rounded[2], rounded[3]};
    }
    for (; i <= kProfileLast; ++i) {
        s.ProfileX[i] = s.ProfileX[i] - feed;
        numeric::RoundPair(s.ProfileX[i], s.ProfileY[i], s.WorkpiecePoints[i].x,
                           s.WorkpiecePoints[i].y);
    }
}

void UpdateContactGeometry(SimState& s) {
    assert(s.DepthPixels >= 0 && s.DepthPixels <= s.CutterRadius);
    s.DepthOffset = s.CutterRadius - s.DepthPixels;
    s.ContactHalfWidth = std::sqrt(s.CutterRadius * s.CutterRadius - s.DepthOffset * s.DepthOffset);
    s.EngageAngle = ArcSin(s.ContactHalfWidth / s.CutterRadius);
}

} // namespace sim
