#include "sim/cut_properties.h"

#include "sim/constants.h"
#include "sim/cutting_inputs.h"
#include "sim/measurements.h"
#include "sim/run.h"
#include "sim/scenarios.h"
#include "sim/tool_inputs.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace sim {
namespace {

double PointX(const SimState& s, int i) {
    return i == 0 ? s.WorkpiecePoints[0].x : s.ProfileX[i];
}
double PointY(const SimState& s, int i) {
    return i == 0 ? s.WorkpiecePoints[0].y : s.ProfileY[i];
}

double Cross(double ax, double ay, double bx, double by, double cx, double cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

// The largest one-tooth chip the teeth in the cut hold after a sub-step.
double LargestSlotChip(const SimState& s) {
    double largest = 0;
    for (int k = 1; k <= s.ActiveTeethCount; ++k) {
        largest = std::max(largest, s.ToothChip[k]);
    }
    return largest;
}

// Sub-steps since a tooth passed the angle `angle` of a point at radius r. Teeth sit at
// k x ToothPitch + Phase; the one that passed last is the nearest below the angle in down
// milling and above it in up milling. The feed turns the point toward smaller angles, at most
// FeedPerStep / r per sub-step, which delays a down-milling tooth and hurries an up-milling one;
// the count is an upper bound either way.
double SubStepsSinceToothPassed(const SimState& s, double angle, double r) {
    const bool down = s.MillingDirection == MillingDirection::Down;
    const double offset = std::fmod(down ? angle - s.Phase : s.Phase - angle, s.ToothPitch);
    const double behind = offset < 0 ? offset + s.ToothPitch : offset; // rad, 0..pitch
    // Near the centre the feed turns a point as fast as a tooth; there the count is taken at
    // half the tooth's speed, still far below the depth of such a point.
    const double rate =
        down ? std::max(s.AngleStep - s.FeedPerStep / r, s.AngleStep / 2) : s.AngleStep;
    return behind / rate;
}

// px: how far profile point i lies inside the circle beyond what the feed has carried it in
// since the last tooth passed it; 0 for a point on or outside the circle or outside the cutting
// zone.
double DepthBeyondFeed(const SimState& s, int i) {
    const double dx = s.ProfileX[i] - kCentreX;
    const double dy = s.ProfileY[i] - kCentreY;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r >= s.CutterRadius - kInsideAllowance) {
        return 0;
    }
    const double angle = std::atan2(dx, dy);
    // Only the cutting zone counts: no tooth cuts below EdgeAngle or above EngageAngle, so a
    // large feed per tooth may carry material past the zone's ends uncut.
    if (angle < s.EdgeAngle || angle > s.EngageAngle) {
        return 0;
    }
    const double fed = SubStepsSinceToothPassed(s, angle, r) * s.FeedPerStep;
    return std::max(0.0, s.CutterRadius - r - fed);
}

// The area between the original top edge and the profile: what has been cut away, px^2.
// The polygon runs from the top of the left edge down to point 2 and along the top edge to its
// uncut far end.
double RemovedArea(const SimState& s) {
    const double top = kCutterBottomY - s.DepthPixels;
    double twice = 0;
    double px = s.ProfileX[1];
    double py = top;
    for (int i = 2; i <= kProfileLast + 1; ++i) {
        const double x = i <= kProfileLast ? s.ProfileX[i] : s.ProfileX[1];
        const double y = i <= kProfileLast ? s.ProfileY[i] : top;
        twice += px * y - x * py;
        px = x;
        py = y;
    }
    return std::abs(twice) / 2;
}

void Note(std::string& text, int tick, const std::string& what) {
    if (text.empty() && !what.empty()) {
        text = "tick " + std::to_string(tick) + " " + what;
    }
}

} // namespace

std::string CutRunName(const CutRunCase& c) {
    char text[80];
    std::snprintf(text, sizeof text, "%s_D%d_z%d_a%d_%d_f%d_h%d",
                  c.direction == MillingDirection::Down ? "Down" : "Up", c.diameter, c.teeth,
                  c.depthTenths / 10, c.depthTenths % 10, c.feed, c.helix);
    return text;
}

SimState CutRunState(const CutRunCase& c) {
    SimState s = StartedState(c.direction);
    const bool applied = SetCutterDiameter(s, std::to_string(c.diameter)).input.applied() &&
                         SetToothCount(s, std::to_string(c.teeth)).applied() &&
                         SetHelixAngle(s, std::to_string(c.helix)).applied() &&
                         SetFeedSpeed(s, std::to_string(c.feed)).applied() &&
                         // A first depth raises the field's maximum to half the diameter.
                         SetDepth(s, "50").input.applied() &&
                         SetDepth(s, std::to_string(c.depthTenths)).input.applied();
    assert(applied && "a grid case outside the fields' limits");
    (void)applied;
    return s;
}

CutProperties MeasureCutRun(const CutRunCase& c, int outlineEvery) {
    SimState s = CutRunState(c);
    CutProperties p;
    p.feedPerTooth = DeriveConditions(s).feedPerTooth;
    p.chipPixel = 1 / (c.direction == MillingDirection::Down ? s.ChipScaleDown : s.ChipScaleUp);
    // The steady cut starts once the left edge has passed the centre and the circle's lowest
    // point: every tooth then cuts the whole arc from the bottom to the top surface.
    const double steadyTravel = s.CutterRadius + 2;
    double firstArea = -1, firstTravel = 0, lastArea = 0, lastTravel = 0;
    bool stopped = false;
    for (int tick = 1; !stopped; ++tick) {
        for (int step = 0; step < kSubStepsPerTick; ++step) {
            stopped = AdvanceSubStep(s) || stopped;
            const double chip = LargestSlotChip(s);
            if (chip > p.largestToothChip) {
                p.largestToothChip = chip;
                p.largestToothChipTick = tick;
            }
            if (s.Phase == 0 && s.FeedTravel >= steadyTravel && !stopped) {
                // A tooth pitch has just ended.
                lastArea = RemovedArea(s);
                lastTravel = s.FeedTravel;
                if (firstArea < 0) {
                    firstArea = lastArea;
                    firstTravel = lastTravel;
                }
            }
        }
        p.ticks = tick;
        for (int i = 2; i < kProfileLast; ++i) {
            const double depth = DepthBeyondFeed(s, i);
            if (depth > p.deepestBehind) {
                p.deepestBehind = depth;
                p.deepestBehindTick = tick;
                p.deepestBehindPoint = i;
            }
        }
        // Material once lost stays lost, so a check now and then finds it.
        if (tick % outlineEvery == 0 || stopped) {
            if (p.firstLostMaterial.empty()) {
                Note(p.firstLostMaterial, tick, FirstLostMaterial(s));
            }
            if (p.firstCrossing.empty()) {
                Note(p.firstCrossing, tick, FirstCrossing(s));
            }
        }
    }
    if (lastTravel > firstTravel) {
        p.removalRatio = (lastArea - firstArea) / (s.DepthPixels * (lastTravel - firstTravel));
    }
    return p;
}

std::vector<CutRunCase> GridCases(const CutGrid& grid) {
    std::vector<CutRunCase> cases;
    for (const MillingDirection direction : grid.directions) {
        for (const int diameter : grid.diameters) {
            for (const int teeth : grid.teeth) {
                for (const double fraction : grid.depthFractions) {
                    const int depthTenths =
                        fraction == 0 ? 5 : static_cast<int>(std::lround(diameter * fraction * 10));
                    for (const int feed : grid.feeds) {
                        for (const int helix : grid.helixes) {
                            cases.push_back({diameter, teeth, depthTenths, feed, helix, direction});
                        }
                    }
                }
            }
        }
    }
    return cases;
}

bool ProfileEdgesCross(const SimState& s, int i, int j) {
    const int i2 = (i + 1) % (kProfileLast + 1);
    const int j2 = (j + 1) % (kProfileLast + 1);
    const double ax = PointX(s, i), ay = PointY(s, i);
    const double bx = PointX(s, i2), by = PointY(s, i2);
    const double cx = PointX(s, j), cy = PointY(s, j);
    const double dx = PointX(s, j2), dy = PointY(s, j2);
    const double ab = std::hypot(bx - ax, by - ay) * kCrossingTolerance;
    const double cd = std::hypot(dx - cx, dy - cy) * kCrossingTolerance;
    const double d1 = Cross(ax, ay, bx, by, cx, cy);
    const double d2 = Cross(ax, ay, bx, by, dx, dy);
    const double d3 = Cross(cx, cy, dx, dy, ax, ay);
    const double d4 = Cross(cx, cy, dx, dy, bx, by);
    return ((d1 > ab && d2 < -ab) || (d1 < -ab && d2 > ab)) &&
           ((d3 > cd && d4 < -cd) || (d3 < -cd && d4 > cd));
}

namespace {

struct EdgeBox {
    double left, right, low, high;
    int edge;
};

} // namespace

std::string FirstCrossing(const SimState& s) {
    // Edges i -> i + 1 (point 700 back to point 0); neighbours share a point and cannot cross.
    // Only edges whose boxes overlap can cross: sorted by their left ends, each edge is paired
    // with the edges that start before it ends. Of the crossing pairs the first in the order
    // (i, j) is reported.
    std::vector<EdgeBox> boxes;
    boxes.reserve(kProfileLast + 1);
    for (int i = 0; i <= kProfileLast; ++i) {
        const int i2 = (i + 1) % (kProfileLast + 1);
        const double ax = PointX(s, i), ay = PointY(s, i);
        const double bx = PointX(s, i2), by = PointY(s, i2);
        boxes.push_back(
            {std::min(ax, bx), std::max(ax, bx), std::min(ay, by), std::max(ay, by), i});
    }
    std::sort(boxes.begin(), boxes.end(),
              [](const EdgeBox& a, const EdgeBox& b) { return a.left < b.left; });
    int firstI = kProfileLast + 1, firstJ = kProfileLast + 1;
    for (std::size_t a = 0; a < boxes.size(); ++a) {
        for (std::size_t b = a + 1; b < boxes.size() && boxes[b].left <= boxes[a].right; ++b) {
            const int i = std::min(boxes[a].edge, boxes[b].edge);
            const int j = std::max(boxes[a].edge, boxes[b].edge);
            const bool neighbours = j - i < 2 || (i == 0 && j == kProfileLast);
            if (neighbours || boxes[a].high < boxes[b].low || boxes[b].high < boxes[a].low ||
                i > firstI || (i == firstI && j > firstJ) || !ProfileEdgesCross(s, i, j)) {
                continue;
            }
            firstI = i;
            firstJ = j;
        }
    }
    if (firstI > kProfileLast) {
        return "";
    }
    return std::to_string(firstI) + "/" + std::to_string(firstJ);
}

// Relative to the workpiece the cutter circle has moved right by the feed travel, so the
// reached area is the circle drawn out to the left by the travel. Sampled every 2 px.
std::string FirstLostMaterial(const SimState& s) {
    const double left = s.ProfileX[1]; // the bottom left corner is never cut
    const double travel = kWorkpieceStartX - left;
    const double top = kCutterBottomY - s.DepthPixels;
    std::vector<double> crossings;
    for (double y = top + 0.5; y < kViewHeight; y += 2) {
        crossings.clear();
        for (int i = 0; i <= kProfileLast; ++i) {
            const int next = (i + 1) % (kProfileLast + 1);
            const double y1 = PointY(s, i), y2 = PointY(s, next);
            if ((y1 <= y) != (y2 <= y)) {
                const double x1 = PointX(s, i), x2 = PointX(s, next);
                crossings.push_back(x1 + (y - y1) * (x2 - x1) / (y2 - y1));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (double x = left + kOutsideMargin + 0.5; x < kViewWidth; x += 2) {
            const double centreX = std::clamp(x, kCentreX - travel, double{kCentreX});
            const double r = std::hypot(x - centreX, y - kCentreY);
            if (r <= s.CutterRadius + kOutsideMargin) {
                continue;
            }
            const auto leftOf = std::lower_bound(crossings.begin(), crossings.end(), x);
            if ((leftOf - crossings.begin()) % 2 == 0) {
                char text[48];
                std::snprintf(text, sizeof text, "(%.1f, %.1f)", x, y);
                return text;
            }
        }
    }
    return "";
}

} // namespace sim
