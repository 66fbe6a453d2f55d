#pragma once

// What a cut can physically do, measured over whole runs: the limits a sound cut keeps whatever
// the inputs, shared by the property tests and the grid tool that runs every combination.
//
// - A tooth's chip is the material between its path and the path of the tooth before it, fed
//   on by one feed per tooth f_z: the chip of one tooth never exceeds f_z (times the model's
//   own scale, up to 1.2 f_z) by more than one profile pixel.
// - A tooth removes what lies inside its circle as it passes: a point of the workpiece may lie
//   inside the circle behind a tooth only as deep as the feed has carried it since the tooth
//   passed its angle.
// - The cutter reaches only what its circle sweeps: the workpiece keeps every spot outside it.
// - The profile stays a simple polygon.

#include "sim/sim_state.h"

#include <string>
#include <vector>

namespace sim {

// One run of the grid: the inputs that differ from the start values (28Cr4 with P30).
struct CutRunCase {
    int diameter;    // mm, 50..180
    int teeth;       // 4..20
    int depthTenths; // tenths of a mm, 5..5 x diameter
    int feed;        // mm/min, 40..600
    int helix;       // deg, 0..50
    MillingDirection direction;
};

std::string CutRunName(const CutRunCase& c); // "Down_D100_z8_a25.0_f150_h0"

// The started state of a case, before the first tick.
SimState CutRunState(const CutRunCase& c);

// Allowances of the checks, in px of the cutter view.
// Beyond the feed since the tooth passed: one pixel, and half the spacing of the profile's
// points, which the up-milling cut can leave between two cut neighbours.
inline constexpr double kInsideAllowance = 1.5;
inline constexpr double kOutsideMargin = 2.0;  // beyond the circle where material may go
inline constexpr double kChipAllowance = 1.25; // largest one-tooth chip in feeds per tooth
// Removed area over a_e x travel in the steady cut: how close the pixel profile comes to 1.
// Over the grid (depths from D/10) the median is 0.999 and 95 % of the runs lie above 0.91; the
// lowest, 0.65, are full-depth down cuts with few teeth, where the profile draws chords across
// the arc between its sparse points near the top.
inline constexpr double kRemovalTolerance = 0.36;
// px: edges that only touch within this distance do not cross; two cut points can land a
// hundredth of a pixel apart in either order along the profile.
inline constexpr double kCrossingTolerance = 0.1;

struct CutProperties {
    int ticks = 0;
    double feedPerTooth = 0;      // mm, f_z = v_f / (z n)
    double chipPixel = 0;         // mm, one profile pixel: 1 / ChipScaleUp or ChipScaleDown
    double largestToothChip = 0;  // mm, over every sub-step and every tooth in the cut
    int largestToothChipTick = 0; // 1-based
    // px, the largest depth inside the circle of a profile point behind a tooth, less the feed
    // travel since that tooth passed the point's angle (at most kInsideAllowance when sound).
    double deepestBehind = 0;
    int deepestBehindTick = 0;
    int deepestBehindPoint = 0;
    std::string firstLostMaterial; // "tick N (x, y)", or "" when none was lost
    std::string firstCrossing;     // "tick N i/j", or "" when the profile stayed simple
    // The area the cut removed over whole tooth pitches of the steady cut (the left edge past
    // the centre) against a_e times the feed travel over them, a_e f_z z per revolution; 0 when
    // no whole pitch fits in the steady part of the run.
    double removalRatio = 0;

    bool ChipWithinLimit() const {
        return largestToothChip <= kChipAllowance * feedPerTooth + chipPixel;
    }
    bool Sound() const {
        return ChipWithinLimit() && deepestBehind <= kInsideAllowance &&
               firstLostMaterial.empty() && firstCrossing.empty();
    }
};

// Runs the case to the end of the feed. The chip is checked after every sub-step and the depth
// of the points inside the circle after every tick; the outline (lost material, crossing edges)
// every `outlineEvery` ticks and at the end.
CutProperties MeasureCutRun(const CutRunCase& c, int outlineEvery = 25);

// The grid of inputs: every diameter, tooth count, depth, feed, helix and direction given.
struct CutGrid {
    std::vector<int> diameters{50, 100, 180};
    std::vector<int> teeth{4, 6, 8, 12, 20};
    // Depths as fractions of the diameter; 0 stands for the smallest depth, 0.5 mm.
    std::vector<double> depthFractions{0, 0.1, 0.25, 0.4, 0.5};
    std::vector<int> feeds{40, 150, 600};
    std::vector<int> helixes{0, 45};
    std::vector<MillingDirection> directions{MillingDirection::Up, MillingDirection::Down};
};

std::vector<CutRunCase> GridCases(const CutGrid& grid);

// Profile checks on a state, as text for a failure message, "" when they pass.
// The first pair of profile edges that cross, as "i/j".
std::string FirstCrossing(const SimState& s);
// Whether profile edges i -> i + 1 and j -> j + 1 (i < j, point 700 leading back to point 0)
// cross; ends closer than kCrossingTolerance of an edge's length to the other edge's line
// count as on it.
bool ProfileEdgesCross(const SimState& s, int i, int j);
// The first spot of the workpiece that the cutter never reached but that lies outside the
// profile, as "(x, y)".
std::string FirstLostMaterial(const SimState& s);

} // namespace sim
