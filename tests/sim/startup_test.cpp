#include "sim/scenarios.h"
#include "sim/startup.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

TEST(InitialiseState, GivesTheStartValues) {
    const SimState s = StartupState();
    EXPECT_EQ(s.CutterDiameter, 100);
    EXPECT_EQ(s.ToothCount, 8);
    EXPECT_EQ(s.RakeAngle, 0.17452777777777778);
    EXPECT_EQ(s.ClearanceAngle, 0.26179166666666664);
    EXPECT_EQ(s.HelixAngle, 0.5235986666666667);
    EXPECT_EQ(s.CutterRadius, 200);
    EXPECT_EQ(s.PixelsPerMm, 4.0);
    EXPECT_EQ(s.DepthPixels, 40);
    EXPECT_EQ(s.DepthOffset, 160.0);
    EXPECT_EQ(s.ContactHalfWidth, 120.0);
    EXPECT_DOUBLE_EQ(s.EngageAngle, 0.6435011087932844);
    EXPECT_EQ(s.ChipScaleUp, 52.0);
    EXPECT_EQ(s.ChipScaleDown, 58.0);
    EXPECT_EQ(s.ToothPitch, 0.785398125);
    EXPECT_DOUBLE_EQ(s.PhaseLimit, 0.782898125);
    EXPECT_DOUBLE_EQ(s.StepTime, 0.000125);
    EXPECT_DOUBLE_EQ(s.FeedPerStep, 0.01875);
    EXPECT_DOUBLE_EQ(s.RevolutionTime, 0.3141666666666667);
    EXPECT_NEAR(s.SpeedFactor, 0.541099724039142, 1e-15);
    EXPECT_EQ(s.HelixLagTicks, 8);
    EXPECT_DOUBLE_EQ(s.TimeAxis[1], -0.468);
    EXPECT_EQ(s.TimeAxis[313], 0.0);
    EXPECT_EQ(s.GulletRadius, 28.0);
    EXPECT_EQ(s.RakeFaceLength, 46.0);
    EXPECT_EQ(s.FlankLength, 50.0);
    EXPECT_EQ(s.DepthSpinMax, 500);
    EXPECT_FALSE(s.TimerEnabled);
    // Not set by the start-up: still zero.
    EXPECT_EQ(s.Phase, 0.0);
    EXPECT_EQ(s.FeedTravel, 0.0);
    EXPECT_EQ(s.WorkpieceMaterial, 0);
    EXPECT_EQ(s.ToolMaterial, 0);
    EXPECT_EQ(s.MillingDirection, MillingDirection::Up);
    EXPECT_EQ(s.SpecificForce, 0.0);
    EXPECT_EQ(s.ToolFactor, 0.0);
    EXPECT_EQ(s.ForceAxisMax, 0.0);
    EXPECT_EQ(s.ChipAxisMax, 0.0);
}

} // namespace
} // namespace sim
