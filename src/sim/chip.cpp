#include "chip.h"

#include "arithmetic.h"

#include <cmath>

namespace sim {
namespace {

// PointRadius and PointAngle of profile point j. A point at the height of the centre gets a
// right angle whichever side it lies on, which also keeps a point at the centre itself from
// dividing by zero.
void MeasurePoint(SimState& s, int j) {
    const double dx = s.ProfileX[j] - 150;
    const double dy = s.ProfileY[j] - 83;
    s.PointRadius = std::sqrt(dx * dx + dy * dy);
    if (s.WorkpiecePoints[j].y == 83) {
        s.PointAngle = 1.570796;
    } else {
        s.PointAngle = ArcSin(dx / s.PointRadius);
    }
}

} // namespace

void FindActiveTeeth(SimState& s) {
    s.EdgeOffset = s.CutterRadius - s.FeedTravel;
    s.EdgeAngle = ArcSin(s.EdgeOffset / s.CutterRadius);
    if (s.EdgeAngle < 0) {
        s.EdgeAngle = 0;
    }
    int k = s.MillingDirection == 1 ? 1 : 0;
    s.ActiveTeethCount = 0;
    while (true) {
        s.CandidateAngle = k * s.ToothPitch + s.Phase;
        if (s.EdgeAngle <= s.CandidateAngle && s.CandidateAngle <= s.EngageAngle) {
            if (s.ActiveTeethCount == kToothSlots) {
                break;
            }
            const int n = ++s.ActiveTeethCount;
            s.ActiveAngle[n] = s.CandidateAngle;
            s.ActiveTipX[n] = std::sin(s.CandidateAngle) * s.CutterRadius + 150;
            s.ActiveTipY[n] = std::cos(s.CandidateAngle) * s.CutterRadius + 83;
        }
        ++k;
        if (s.CandidateAngle > s.EngageAngle) {
            break;
        }
    }
}

void CutUpMilling(SimState& s) {
    const int k = s.ActiveTooth;
    int j = 2;
    while (true) {
        MeasurePoint(s, j);
        if (j == kProfileLast || !(s.ActiveAngle[k] - s.AngleStep >= s.PointAngle)) {
            break;
        }
        ++j;
    }
    s.ProfileIndex = j;
    if (s.CutterRadius > s.PointRadius) {
        s.ToothChip[k] = (s.CutterRadius - s.PointRadius) / s.ChipScaleUp;
    }
    if (s.WorkpiecePoints[j].x <= Round(s.ActiveTipX[k])) {
        s.ProfileX[j] = s.ActiveTipX[k];
        s.ProfileY[j] = s.ActiveTipY[k];
    }
}

void CutDownMilling(SimState& s) {
    const int k = s.ActiveTooth;
    int j = kProfileLast - 1;
    while (true) {
        MeasurePoint(s, j);
        if (j == 1 || !(s.PointAngle >= s.ActiveAngle[k])) {
            break;
        }
        --j;
    }
    s.ProfileIndex = j;
    if (s.CutterRadius > s.PointRadius) {
        s.ToothChip[k] = (s.CutterRadius - s.PointRadius) / s.ChipScaleDown;
    }
    s.ProfileY[j + 1] = s.ActiveTipY[k];
    s.ProfileX[j + 1] = s.ActiveTipX[k];
}

} // namespace sim
