#include "sim/chip.h"

#include "sim/arithmetic.h"

#include <cmath>

namespace sim {
namespace {

// PointRadius and PointAngle of profile point j. A point at the height of the centre gets a
// right angle whichever side it lies on, which also keeps a point at the centre itself from
// dividing by zero.
void MeasurePoint(SimState& s, int j) {
    const double dx = s.ProfileX[j] - kCentreX;
    const double dy = s.ProfileY[j] - kCentreY;
    s.PointRadius = std::sqrt(dx * dx + dy * dy);
    if (s.WorkpiecePoints[j].y == kCentreY) {
        s.PointAngle = kRightAngle;
    } else {
        s.PointAngle = ArcSin(dx / s.PointRadius);
    }
}

// Screens profile points by the sine of their angle, (x - kCentreX) / radius, against a limit
// without forming the root, the division or the arcsine: only squares are compared. The limit is
// the sine of the deciding angle widened by far more than the rounding error of those operations
// (about 1e-16), so a point the screen passes is certain to lie on the searched side of the tooth.
// Points at the centre's height, whose angle is the fixed right angle, are never passed.
class SineScreen {
public:
    static constexpr double kMargin = 1e-9;

    // Passes points whose sine lies below `limit` (below = true) or above it.
    SineScreen(double limit, bool below)
        : limit_(limit), limitSquared_(limit * limit), below_(below) {}

    bool Passes(const SimState& s, int j) const {
        if (s.WorkpiecePoints[j].y == kCentreY) {
            return false;
        }
        const double dx = s.ProfileX[j] - kCentreX;
        const double dy = s.ProfileY[j] - kCentreY;
        const double dxSquared = dx * dx;
        const double bound = limitSquared_ * (dxSquared + dy * dy); // (limit x radius)^2
        if (below_) {
            return limit_ > 0 ? dx < 0 || dxSquared < bound : dx < 0 && dxSquared > bound;
        }
        return limit_ < 0 ? dx > 0 || dxSquared < bound : dx > 0 && dxSquared > bound;
    }

private:
    double limit_;
    double limitSquared_;
    bool below_;
};

} // namespace

void FindActiveTeeth(SimState& s) {
    s.EdgeOffset = s.CutterRadius - s.FeedTravel;
    s.EdgeAngle = ArcSin(s.EdgeOffset / s.CutterRadius);
    if (s.EdgeAngle < 0) {
        s.EdgeAngle = 0;
    }
    int k = s.MillingDirection == MillingDirection::Down ? 1 : 0;
    s.ActiveTeethCount = 0;
    while (true) {
        s.CandidateAngle = k * s.ToothPitch + s.Phase;
        if (s.EdgeAngle <= s.CandidateAngle && s.CandidateAngle <= s.EngageAngle) {
            if (s.ActiveTeethCount == kToothSlots) {
                break;
            }
            const int n = ++s.ActiveTeethCount;
            s.ActiveAngle[n] = s.CandidateAngle;
            s.ActiveTipX[n] = std::sin(s.CandidateAngle) * s.CutterRadius + kCentreX;
            s.ActiveTipY[n] = std::cos(s.CandidateAngle) * s.CutterRadius + kCentreY;
        }
        ++k;
        if (s.CandidateAngle > s.EngageAngle) {
            break;
        }
    }
}

void CutUpMilling(SimState& s, ProfileSearch search) {
    const int k = s.ActiveTooth;
    // Points whose angle lies at or below the tooth's angle of the previous sub-step are passed.
    const double passedAngle = s.ActiveAngle[k] - s.AngleStep;
    const SineScreen screen(std::sin(passedAngle) - SineScreen::kMargin, true);
    const bool quick = search == ProfileSearch::Quick;
    int j = 2;
    while (true) {
        if (quick && j < kProfileLast && screen.Passes(s, j)) {
            ++j;
            continue;
        }
        MeasurePoint(s, j);
        if (j == kProfileLast || !(passedAngle >= s.PointAngle)) {
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

void CutDownMilling(SimState& s, ProfileSearch search) {
    const int k = s.ActiveTooth;
    // Points at or above the tooth's angle are passed.
    const SineScreen screen(std::sin(s.ActiveAngle[k]) + SineScreen::kMargin, false);
    const bool quick = search == ProfileSearch::Quick;
    int j = kProfileLast - 1;
    while (true) {
        if (quick && j > 1 && screen.Passes(s, j)) {
            --j;
            continue;
        }
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
