// The force arrows over the cutter view: off, every redraw is the designed picture pixel for
// pixel, also right after a redraw with them; on, each tooth's arrow is the workpiece's push on
// it (against its motion and toward the centre, K_r of it radial) and the workpiece's arrow is
// their sum turned round.
#include "cutter/cutter_view.h"
#include "cutter/force_arrows.h"
#include "cutter/view_pixels.h"

#include "sim/cutting_inputs.h"
#include "sim/run.h"
#include "sim/scenarios.h"
#include "sim/tool_inputs.h"
#include "sim/tooth_forces.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>

namespace cutter {
namespace {

struct ArrowRun {
    const char* name;
    std::function<sim::SimState()> start;
};

double Length(const ForceArrow& a) {
    return std::hypot(a.toX - a.fromX, a.toY - a.fromY);
}

void PrintTo(const ArrowRun& run, std::ostream* out) {
    *out << run.name;
}

sim::SimState TwentyTeethDepth50(sim::MillingDirection direction) {
    sim::SimState s = sim::StartedState(direction);
    EXPECT_TRUE(sim::SetToothCount(s, "20").applied());
    EXPECT_TRUE(sim::SetDepth(s, "500").input.applied());
    return s;
}

const ArrowRun kRuns[] = {
    {"StartValuesUp", [] { return sim::StartedState(sim::MillingDirection::Up); }},
    {"StartValuesDown", [] { return sim::StartedState(sim::MillingDirection::Down); }},
    {"TwentyTeethDepth50Up", [] { return TwentyTeethDepth50(sim::MillingDirection::Up); }},
    {"TwentyTeethDepth50Down", [] { return TwentyTeethDepth50(sim::MillingDirection::Down); }},
};

class ForceArrowsRunTest : public testing::TestWithParam<ArrowRun> {};

// One view never shows the arrows; the other shows them on every second redraw. Whenever the
// second has them off, both pictures are the same; with them on, they differ where there is a
// force to show. A reset in between redraws at phase 0.
TEST_P(ForceArrowsRunTest, OffTheyLeaveEveryRedrawAsDesigned) {
    sim::SimState s = GetParam().start();
    CutterView designed;
    CutterView toggled;
    int shown = 0;
    const auto both = [&](double phase, bool arrows, int tick) {
        designed.RedrawCutterView(s, phase);
        toggled.SetForceArrows(arrows);
        toggled.RedrawCutterView(s, phase);
        const ForceArrowSet set = ComputeForceArrows(s, phase);
        if (!arrows) {
            ASSERT_TRUE(SamePixels(toggled, designed)) << "tick " << tick;
        } else if (set.toothCount > 0 || set.hasWorkpiece) {
            ASSERT_FALSE(SamePixels(toggled, designed)) << "tick " << tick;
            ++shown;
        }
    };
    for (int tick = 1; tick <= 1556; ++tick) {
        sim::RunTicks(s, 1);
        both(s.Phase, tick % 2 == 0, tick);
        if (tick == 1000) {
            sim::ResetRun(s, nullptr);
            both(0, true, tick);
            both(0, false, tick);
        }
    }
    EXPECT_GT(shown, 100);
}

// Each tooth's arrow starts at its tip and points against the tooth's motion and toward the
// centre, its radial part K_r times its tangential part; the workpiece's arrow is the sum of the
// tooth arrows turned round; no arrow is longer than the longest one allowed.
TEST_P(ForceArrowsRunTest, ToothArrowsArePushesOnTheTeethAndAddUpToTheWorkpieces) {
    sim::SimState s = GetParam().start();
    ASSERT_TRUE(sim::SetRadialForceRatio(s, 0.3));
    const double up = s.MillingDirection == sim::MillingDirection::Up ? 1 : -1;
    int teethSeen = 0;
    for (int tick = 1; tick <= 1556; tick += 7) {
        sim::RunTicks(s, 7);
        const ForceArrowSet set = ComputeForceArrows(s, s.Phase);
        double sumX = 0;
        double sumY = 0;
        for (int j = 0; j < set.toothCount; ++j) {
            const ForceArrow& a = set.teeth[static_cast<std::size_t>(j)];
            ASSERT_GE(a.slot, 1);
            ASSERT_LE(a.slot, s.ActiveTeethCount);
            const auto slot = static_cast<std::size_t>(a.slot);
            EXPECT_EQ(a.fromX, s.ActiveTipX[slot]);
            EXPECT_EQ(a.fromY, s.ActiveTipY[slot]);
            const double dx = a.toX - a.fromX;
            const double dy = a.toY - a.fromY;
            const double angle = s.ActiveAngle[slot];
            // The tip moves along (cos, -sin) in up milling, the other way in down milling.
            const double along = up * (dx * std::cos(angle) - dy * std::sin(angle));
            const double inward = -(dx * std::sin(angle) + dy * std::cos(angle));
            EXPECT_LT(along, 0) << "tick " << tick << " slot " << slot;
            EXPECT_NEAR(inward / -along, 0.3, 1e-9) << "tick " << tick << " slot " << slot;
            EXPECT_LE(Length(a), kLongestArrow + 1e-9);
            sumX += dx;
            sumY += dy;
            ++teethSeen;
        }
        // The arrows left out for being short are the only difference.
        const double leftOut = (s.ActiveTeethCount - set.toothCount) * kShortestArrow + 1e-6;
        if (set.hasWorkpiece) {
            EXPECT_NEAR(set.workpiece.toX - set.workpiece.fromX, -sumX, leftOut) << "tick " << tick;
            EXPECT_NEAR(set.workpiece.toY - set.workpiece.fromY, -sumY, leftOut) << "tick " << tick;
            EXPECT_LE(Length(set.workpiece), kLongestArrow + 1e-9);
        }
    }
    EXPECT_GT(teethSeen, 100);
}

INSTANTIATE_TEST_SUITE_P(Runs, ForceArrowsRunTest, testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.name); });

// A redraw at another phase than the last sub-step's (an input change, a reset) shows the teeth
// where the slots' forces do not act: no arrows. After a reset the traces hold no force, even if
// the phase happens to be the state's.
TEST(ForceArrows, NoneWhereTheTeethAreNotTheTicksOwn) {
    sim::SimState s = sim::MidRunState(sim::MillingDirection::Up, 900);
    const ForceArrowSet own = ComputeForceArrows(s, s.Phase);
    EXPECT_GT(own.toothCount, 0);
    EXPECT_TRUE(own.hasWorkpiece);
    const ForceArrowSet other = ComputeForceArrows(s, s.Phase + 0.01);
    EXPECT_EQ(other.toothCount, 0);
    EXPECT_FALSE(other.hasWorkpiece);
    sim::ResetRun(s, nullptr);
    const ForceArrowSet reset = ComputeForceArrows(s, s.Phase);
    EXPECT_EQ(reset.toothCount, 0);
    EXPECT_FALSE(reset.hasWorkpiece);
}

} // namespace
} // namespace cutter
