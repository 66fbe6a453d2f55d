#include "sim/axis_inputs.h"
#include "sim/scenarios.h"
#include "sim/state_compare.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

TEST(AxisInputs, SetTheMaximaAndTheChipDisplay) {
    SimState s = StartupState();
    ASSERT_TRUE(SetForceAxisMax(s, "20000").applied());
    EXPECT_EQ(s.ForceAxisMax, 20000.0);
    const ChipAxisResult chip = SetChipAxisMax(s, "1");
    ASSERT_TRUE(chip.input.applied());
    EXPECT_EQ(s.ChipAxisMax, 0.1);
    EXPECT_EQ(chip.chipAxisText, "0,1");
    EXPECT_EQ(SetChipAxisMax(s, "10").chipAxisText, "1");
}

TEST(AxisInputs, RejectBadValues) {
    SimState s = StartupState();
    const SimState before = s;
    EXPECT_EQ(SetForceAxisMax(s, "50").status, InputStatus::OutOfRange);
    EXPECT_EQ(SetForceAxisMax(s, "5e3").status, InputStatus::NotAnInteger);
    EXPECT_EQ(SetChipAxisMax(s, "0").input.status, InputStatus::OutOfRange);
    EXPECT_EQ(SetChipAxisMax(s, "11").input.status, InputStatus::OutOfRange);
    EXPECT_TRUE(StatesIdentical(s, before));
}

} // namespace
} // namespace sim
