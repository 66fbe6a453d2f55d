#include "sim/cutting_inputs.h"
#include "sim/scenarios.h"
#include "sim/state_compare.h"
#include "sim/tool_inputs.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <functional>

namespace sim {
namespace {

TEST(SetCuttingSpeed, RecomputesTheTimeBaseAndSpeedFactor) {
    SimState s = MidRunState(MillingDirection::Up, 100);
    const double force = s.ForceTrace[200];
    ASSERT_TRUE(SetCuttingSpeed(s, "120").applied());
    EXPECT_EQ(s.CuttingSpeed, 120.0);
    EXPECT_DOUBLE_EQ(s.StepTime, 0.0000625);
    EXPECT_DOUBLE_EQ(s.FeedPerStep, 150 * 0.0000625);
    EXPECT_NEAR(s.RevolutionTime, 0.15708333, 1e-8);
    EXPECT_EQ(s.SpeedFactor, std::exp(-0.15 * std::log(120.0)));
    EXPECT_EQ(s.TimeAxis[313], 0.0);
    EXPECT_DOUBLE_EQ(s.TimeAxis[1], -312 * 12 * 0.0000625);
    EXPECT_EQ(s.ForceTrace[200], force); // the value traces stay
}

TEST(SetFeedSpeed, RecomputesTheFeedPerStepOnly) {
    SimState s = StartupState();
    ASSERT_TRUE(SetFeedSpeed(s, "600").applied());
    EXPECT_DOUBLE_EQ(s.FeedPerStep, 0.075);
    EXPECT_DOUBLE_EQ(s.StepTime, 0.000125);
}

TEST(SetDepth, FullDepthGivesARightAngle) {
    SimState s = StartupState();
    const DepthResult result = SetDepth(s, "500");
    ASSERT_TRUE(result.input.applied());
    EXPECT_EQ(s.DepthMm, 50.0);
    EXPECT_EQ(s.DepthPixels, 200);
    EXPECT_NEAR(s.EngageAngle, 1.5707963, 1e-7);
    EXPECT_EQ(result.depthText, "50");
    EXPECT_EQ(result.depthSpinMax, 500);
    EXPECT_EQ(s.WorkpiecePoints[2], (IntPoint{350, 83}));
}

TEST(SetDepth, TenthsShowOneDecimalAndStraightenTheSurfaceMidRun) {
    SimState s = MidRunState(MillingDirection::Up, 600);
    const DepthResult result = SetDepth(s, "105");
    ASSERT_TRUE(result.input.applied());
    EXPECT_EQ(result.depthText, "10,5");
    EXPECT_EQ(s.DepthPixels, 42);
    const int32_t travel = static_cast<int32_t>(std::nearbyint(s.FeedTravel));
    EXPECT_EQ(s.WorkpiecePoints[1], (IntPoint{350 - travel, 313}));
    for (int i = 2; i <= kProfileLast; ++i) {
        ASSERT_EQ(s.ProfileY[i], 241.0);
    }
}

TEST(SetDepth, NeverDeeperThanTheCutterRadius) {
    // A 50 mm cutter keeps the depth field's maximum of 500 tenths, but 25 mm is its radius.
    SimState s = StartupState();
    ASSERT_TRUE(SetCutterDiameter(s, "50").input.applied());
    EXPECT_EQ(s.DepthSpinMax, 500);
    EXPECT_EQ(DepthLimit(s), 250);
    const SimState before = s;
    const DepthResult tooDeep = SetDepth(s, "251");
    EXPECT_EQ(tooDeep.input.status, InputStatus::OutOfRange);
    EXPECT_EQ(tooDeep.input.maximum, 250);
    EXPECT_TRUE(StatesIdentical(s, before));
    const DepthResult full = SetDepth(s, "250");
    ASSERT_TRUE(full.input.applied());
    EXPECT_EQ(s.DepthPixels, 200);
    EXPECT_EQ(full.depthSpinMax, 250);
}

// Every cutting input rejects bad text and out-of-range values before changing anything.
struct RejectCase {
    const char* name;
    std::function<InputStatus(SimState&, const char*)> apply;
    const char* text;
    InputStatus expected;
};

std::ostream& operator<<(std::ostream& os, const RejectCase& c) {
    return os << c.name << " '" << c.text << "'";
}

class RejectedInputTest : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RejectedInputTest, ChangesNothing) {
    SimState s = MidRunState(MillingDirection::Up, 500);
    const SimState before = s;
    EXPECT_EQ(GetParam().apply(s, GetParam().text), GetParam().expected);
    EXPECT_TRUE(StatesIdentical(s, before));
}

InputStatus Speed(SimState& s, const char* t) {
    return SetCuttingSpeed(s, t).status;
}
InputStatus Feed(SimState& s, const char* t) {
    return SetFeedSpeed(s, t).status;
}
InputStatus Depth(SimState& s, const char* t) {
    return SetDepth(s, t).input.status;
}
InputStatus Width(SimState& s, const char* t) {
    return SetCutWidth(s, t).status;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RejectedInputTest,
    ::testing::Values(RejectCase{"SpeedZero", Speed, "0", InputStatus::OutOfRange},
                      RejectCase{"SpeedHigh", Speed, "121", InputStatus::OutOfRange},
                      RejectCase{"SpeedEmpty", Speed, "", InputStatus::NotAnInteger},
                      RejectCase{"FeedLow", Feed, "39", InputStatus::OutOfRange},
                      RejectCase{"FeedSign", Feed, "-", InputStatus::NotAnInteger},
                      RejectCase{"DepthLow", Depth, "4", InputStatus::OutOfRange},
                      RejectCase{"DepthHigh", Depth, "505", InputStatus::OutOfRange},
                      RejectCase{"DepthDecimal", Depth, "10,5", InputStatus::NotAnInteger},
                      RejectCase{"WidthHigh", Width, "110", InputStatus::OutOfRange},
                      RejectCase{"WidthNegative", Width, "-20", InputStatus::OutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SetCutWidth, RecomputesTheHelixWindow) {
    SimState s = StartupState();
    ASSERT_TRUE(SetCutWidth(s, "100").applied());
    EXPECT_EQ(s.CutWidth, 100);
    EXPECT_EQ(s.HelixLagTicks, 38);
}

TEST(CheckIntegerInput, ReportsTheMessageAndLimits) {
    const InputResult bad = CheckIntegerInput("1,5", 1, 10);
    EXPECT_EQ(bad.status, InputStatus::NotAnInteger);
    EXPECT_EQ(bad.message, "'1,5' is not a valid integer value");
    const InputResult high = CheckIntegerInput("11", 1, 10);
    EXPECT_EQ(high.status, InputStatus::OutOfRange);
    EXPECT_EQ(high.value, 11);
    EXPECT_EQ(high.maximum, 10);
    EXPECT_TRUE(CheckIntegerInput("10", 1, 10).applied());
    EXPECT_TRUE(CheckIntegerInput("1", 1, 10).applied());
}

} // namespace
} // namespace sim
