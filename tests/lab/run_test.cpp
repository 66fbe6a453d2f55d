#include "lab/inputs.h"
#include "lab/run.h"
#include "sim/tooth_forces.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lab {
namespace {

using lab_test::Inputs;
using sim::InputField;

TEST(PrepareRun, AValueEqualToTheFieldRunsNoHandler) {
    sim::SimState s;
    ASSERT_TRUE(
        PrepareRun(s, Inputs({{InputField::Rake, "10"}, {InputField::Depth, "100"}}, "C35", "P30"),
                   nullptr)
            .ok);
    EXPECT_EQ(s.RakeAngle, 0.17452777777777778); // the stored start value, not 10 degrees
    EXPECT_EQ(s.ClearanceAngle, 0.26179166666666664);
    ASSERT_TRUE(PrepareRun(s, Inputs({{InputField::Rake, "010"}}, "C35", "P30"), nullptr).ok);
    EXPECT_EQ(s.RakeAngle, 10 * 3.141592 / 180);
}

TEST(PrepareRun, SmallClearanceWarnsAndContinuesWithTheMinimum) {
    sim::SimState s;
    const PrepareResult r = PrepareRun(
        s, Inputs({{InputField::Teeth, "6"}, {InputField::Clearance, "9"}}, "C35", "P30"), nullptr);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], "Mali ledjni ugao!");
    EXPECT_EQ(s.ClearanceAngle, 0.1745);
    EXPECT_TRUE(s.TimerEnabled);
}

TEST(PrepareRun, MismatchWarnsAndAppliesEveryInputInOrder) {
    sim::SimState s;
    const PrepareResult r = PrepareRun(s,
                                       Inputs({{InputField::Width, "100"},
                                               {InputField::Diameter, "50"},
                                               {InputField::Depth, "250"},
                                               {InputField::Speed, "120"}},
                                              "C4130", "C7680", sim::MillingDirection::Down),
                                       nullptr);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.warnings, std::vector<std::string>{"Izabrani materijal alata ne odgovara"});
    EXPECT_EQ(s.ToolFactor, 1.05);
    EXPECT_EQ(s.DepthPixels, 200);
    EXPECT_EQ(s.CutWidth, 100);
    EXPECT_EQ(s.HelixLagTicks, 77); // width applied after the diameter: tan 30 x 6667 / 50
    EXPECT_EQ(s.MillingDirection, sim::MillingDirection::Down);
    EXPECT_DOUBLE_EQ(s.StepTime, 0.03 * 0.0025 * 50 / 120);
}

TEST(PrepareRun, AppliesTheForceModelAndKrAndRefusesAKrOutOfRange) {
    sim::SimState s;
    RunInputs inputs = Inputs({}, "C35", "P30");
    inputs.forceModel = sim::ForceModel::PerTooth;
    inputs.radialRatio = 0.25;
    ASSERT_TRUE(PrepareRun(s, inputs, nullptr).ok);
    EXPECT_EQ(s.ForceModel, sim::ForceModel::PerTooth);
    EXPECT_EQ(s.RadialForceRatio, 0.25);
    // A sweep hands its inputs over without the option parser: the run checks K_r itself.
    RunInputs outOfRange = Inputs({{InputField::Teeth, "6"}}, "C35", "P30");
    outOfRange.radialRatio = 0.7;
    const PrepareResult refused = PrepareRun(s, outOfRange, nullptr);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error, "--radial-ratio: 0.7 is outside 0.2..0.6");
    EXPECT_FALSE(s.TimerEnabled);
}

// Every depth the window reaches for the diameter, up to half of it.
struct DepthReachCase {
    const char* name;
    const char* diameter;
    const char* depthTenths;
    double depthMm;
};

class DepthReachTest : public ::testing::TestWithParam<DepthReachCase> {};

TEST_P(DepthReachTest, IsAccepted) {
    sim::SimState s;
    const PrepareResult r = PrepareRun(s,
                                       Inputs({{InputField::Diameter, GetParam().diameter},
                                               {InputField::Depth, GetParam().depthTenths}},
                                              "C35", "P30"),
                                       nullptr);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(s.DepthMm, GetParam().depthMm);
}

INSTANTIATE_TEST_SUITE_P(Depths, DepthReachTest,
                         ::testing::Values(DepthReachCase{"HalfOf180", "180", "900", 90.0},
                                           DepthReachCase{"Above50At180", "180", "600", 60.0},
                                           DepthReachCase{"HalfOf50", "50", "250", 25.0},
                                           DepthReachCase{"HalfOf100", "100", "500", 50.0},
                                           DepthReachCase{"Shallow", "180", "5", 0.5}),
                         [](const ::testing::TestParamInfo<DepthReachCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace lab
