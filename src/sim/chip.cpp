#include "sim/chip.h"

#include "sim/arithmetic.h"

#include <algorithm>
#include <bit>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// Points at the centre's height have the fixed right angle instead: the search's own comparison of
// that angle with the tooth's decides them once for all (`centrePassed`). In a cut half the
// diameter deep the whole top edge lies at the centre's height.
class SineScreen {
public:
    static constexpr double kMargin = 1e-9;

    // Passes points whose sine lies below `limit` (below = true) or above it, and points at the
    // centre's height when `centrePassed`.
    SineScreen(double limit, bool below, bool centrePassed)
        : limitSquared_(limit * limit), below_(below), either_(below ? limit > 0 : limit < 0),
          centrePassed_(centrePassed) {}

    bool Passes(const SimState& s, int j) const {
        if (s.WorkpiecePoints[j].y == kCentreY) {
            return centrePassed_;
        }
        const double dx = s.ProfileX[j] - kCentreX;
        const double dy = s.ProfileY[j] - kCentreY;
        const double dxSquared = dx * dx;
        const double bound = limitSquared_ * (dxSquared + dy * dy); // (limit x radius)^2
        // On the searched side of the centre, and (either_) or (otherwise) beyond the limit.
        const bool side = below_ ? dx < 0 : dx > 0;
        return either_ ? side || dxSquared < bound : side && dxSquared > bound;
    }

    // The first point from j leftward that the screen does not pass, or point 1.
    int SkipLeftward(const SimState& s, int j) const {
#if defined(__SSE2__)
        // Four points j - 3 .. j per step, bit 3 for point j.
        while (j >= 5) {
            const int passed = PassMask(s, j - 3);
            if (passed != 0b1111) {
                // The highest point not passed.
                return j - 3 + (std::bit_width(static_cast<unsigned>(~passed & 0b1111)) - 1);
            }
            j -= 4;
        }
#endif
        while (j > 1 && Passes(s, j)) {
            --j;
        }
        return j;
    }

    // The first point from j rightward that the screen does not pass, or the last point.
    int SkipRightward(const SimState& s, int j) const {
#if defined(__SSE2__)
        // Four points j .. j + 3 per step, bit 0 for point j.
        while (j + 3 < kProfileLast) {
            const int passed = PassMask(s, j);
            if (passed != 0b1111) {
                // The lowest point not passed.
                return j + std::countr_zero(static_cast<unsigned>(~passed & 0b1111));
            }
            j += 4;
        }
#endif
        while (j < kProfileLast && Passes(s, j)) {
            ++j;
        }
        return j;
    }

private:
#if defined(__SSE2__)
    // Passes for points i .. i + 3, bit n for point i + n: every lane with the same operations in
    // the same order as Passes.
    int PassMask(const SimState& s, int i) const {
        const int beyond =
            _mm_movemask_pd(BeyondLimit(s, i)) | (_mm_movemask_pd(BeyondLimit(s, i + 2)) << 2);
        // The four y's of the rounded points, gathered from their (x, y) pairs.
        const __m128i pointsLow =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(&s.WorkpiecePoints[i]));
        const __m128i pointsHigh =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(&s.WorkpiecePoints[i + 2]));
        const __m128 ys = _mm_shuffle_ps(_mm_castsi128_ps(pointsLow), _mm_castsi128_ps(pointsHigh),
                                         _MM_SHUFFLE(3, 1, 3, 1));
        const int atCentre = _mm_movemask_ps(
            _mm_castsi128_ps(_mm_cmpeq_epi32(_mm_castps_si128(ys), _mm_set1_epi32(kCentreY))));
        return centrePassed_ ? beyond | atCentre : beyond & ~atCentre;
    }

    // The side and limit tests of Passes for points i and i + 1, as lane masks.
    __m128d BeyondLimit(const SimState& s, int i) const {
        const __m128d zero = _mm_setzero_pd();
        const __m128d dx = _mm_sub_pd(_mm_loadu_pd(&s.ProfileX[i]), _mm_set1_pd(kCentreX));
        const __m128d dy = _mm_sub_pd(_mm_loadu_pd(&s.ProfileY[i]), _mm_set1_pd(kCentreY));
        const __m128d dxSquared = _mm_mul_pd(dx, dx);
        const __m128d bound =
            _mm_mul_pd(_mm_set1_pd(limitSquared_), _mm_add_pd(dxSquared, _mm_mul_pd(dy, dy)));
        const __m128d side = below_ ? _mm_cmplt_pd(dx, zero) : _mm_cmpgt_pd(dx, zero);
        return either_ ? _mm_or_pd(side, _mm_cmplt_pd(dxSquared, bound))
                       : _mm_and_pd(side, _mm_cmpgt_pd(dxSquared, bound));
    }
#endif

    double limitSquared_;
    bool below_;
    bool either_; // a point passes on its side of the centre whatever its distance
    bool centrePassed_;
};

// px: how far inside the cutter circle a point may lie and still count as on it. Points the
// tooth leaves at its tip sit on the circle up to rounding; the feed shifts them by less than a
// pixel before they are looked at again.
constexpr double kCutTolerance = 1.0;

// Whether profile point j lies in the sector a tooth sweeps from `fromAngle` to `toAngle` (rad,
// fromAngle <= toAngle) inside the cutter circle, allowing kCutTolerance px on every side. The
// true angle is used: a point at the centre's height left of the centre lies at -pi/2, not at the
// fixed right angle the searches give it.
bool InSweptSector(const SimState& s, int j, double fromAngle, double toAngle) {
    const double dx = s.ProfileX[j] - kCentreX;
    const double dy = s.ProfileY[j] - kCentreY;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r > s.CutterRadius + kCutTolerance) {
        return false;
    }
    const double angle = std::atan2(dx, dy);
    // How far the point lies beyond either bounding radius, as an arc length at its radius
    // (a quarter turn or more counts as out of reach).
    const double outside = std::max(fromAngle - angle, angle - toAngle);
    return outside <= 0 || (outside < kRightAngle && r * std::sin(outside) <= kCutTolerance);
}

// px: how far right of the bottom left corner the top left corner (point 2) may be cut onto a
// tip. The left edge runs between the two; cutting the top corner further right would lean the
// edge over and cut away material below the cutter circle.
constexpr double kLeftEdgeLean = 2.0;

bool LeansLeftEdge(const SimState& s, int j, double tipX) {
    return j == 2 && tipX > s.ProfileX[1] + kLeftEdgeLean;
}

// A down-milling tooth removes what lies inside its circle in the sector it sweeps from
// `fromAngle` up to `toAngle` (rad; the tooth moves from the second to the first), but the search
// cuts only the last point it passed. Every other profile point of that sector lying deeper
// inside the circle than kCutTolerance (points passed in the same sub-step, the uncut top edge at
// full depth, the top left corner) moves onto the circle. Left there, a point would stand inside
// the circle behind the tooth, and the following teeth would measure their chips to it, deeper
// each time: a chip growing toward the size of the cutter.
// Points move radially, keeping their angle. The top left corner drops straight down along the
// left edge instead, which keeps the edge upright so that nothing outside the circle is lost; the
// part of the edge it passes lies inside the circle ahead of the tooth, which sweeps it in the
// rest of its pass anyway.
void ClearSweptSector(SimState& s, double fromAngle, double toAngle) {
    const double radius = s.CutterRadius;
    const double inner = (radius - kCutTolerance) * (radius - kCutTolerance);
    // A point lies at or beyond the ray at angle a when dx cos a - dy sin a >= 0.
    const double fromSin = std::sin(fromAngle), fromCos = std::cos(fromAngle);
    const double toSin = std::sin(toAngle), toCos = std::cos(toAngle);
    for (int i = 2; i < kProfileLast; ++i) {
        const double dx = s.ProfileX[i] - kCentreX;
        const double dy = s.ProfileY[i] - kCentreY;
        const double rSquared = dx * dx + dy * dy;
        if (rSquared >= inner || rSquared == 0 || dx * fromCos - dy * fromSin < 0 ||
            dx * toCos - dy * toSin > 0) {
            continue;
        }
        if (i == 2) {
            s.ProfileY[i] = kCentreY + std::sqrt(radius * radius - dx * dx);
        } else {
            const double scale = radius / std::sqrt(rSquared);
            s.ProfileX[i] = kCentreX + dx * scale;
            s.ProfileY[i] = kCentreY + dy * scale;
        }
    }
}

} // namespace

double WorkpieceEdgeAngle(const SimState& s) {
    const double edgeOffset = s.CutterRadius - s.FeedTravel;
    const double angle = ArcSin(edgeOffset / s.CutterRadius);
    return angle < 0 ? 0 : angle;
}

void FindActiveTeeth(SimState& s) {
    s.EdgeOffset = s.CutterRadius - s.FeedTravel;
    s.EdgeAngle = WorkpieceEdgeAngle(s);
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
    // A point at the centre's height has PointAngle == kRightAngle.
    const SineScreen screen(std::sin(passedAngle) - SineScreen::kMargin, true,
                            passedAngle >= kRightAngle);
    const bool quick = search == ProfileSearch::Quick;
    int j = 2;
    while (true) {
        if (quick) {
            j = screen.SkipRightward(s, j);
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
    const SineScreen screen(std::sin(s.ActiveAngle[k]) + SineScreen::kMargin, false,
                            kRightAngle >= s.ActiveAngle[k]);
    const bool quick = search == ProfileSearch::Quick;
    int j = kProfileLast - 1;
    while (true) {
        if (quick) {
            j = screen.SkipLeftward(s, j);
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
    // The point behind the tooth, the last one it passed, goes onto the tip, unless it lies
    // outside the circle (the far end of the profile when the search stopped at once: at full
    // depth the top edge's fixed angle lies below a tooth at a quarter turn) or it is the top left
    // corner and the tip is not at the left edge; either would cut away material the cutter never
    // reaches.
    const int behind = j + 1;
    if (InSweptSector(s, behind, s.ActiveAngle[k], s.ActiveAngle[k] + s.AngleStep) &&
        !LeansLeftEdge(s, behind, s.ActiveTipX[k])) {
        s.ProfileY[behind] = s.ActiveTipY[k];
        s.ProfileX[behind] = s.ActiveTipX[k];
    }
    // In its last sub-step in the zone the tooth sweeps on to the zone's end: no tooth is active
    // below EdgeAngle, so what lies between there and the tooth would never be swept.
    const double previousAngle = s.ActiveAngle[k] + s.AngleStep;
    const bool leavesZone = s.ActiveAngle[k] - s.AngleStep < s.EdgeAngle;
    ClearSweptSector(s, leavesZone ? s.EdgeAngle : s.ActiveAngle[k], previousAngle);
}

} // namespace sim
