#include "sim/state_compare.h"

#include <cmath>
#include <limits>

namespace sim {
namespace {

TEST(StateCompareTest, EqualStatesHaveNoDifferingField) {
    const SimState a;
    const SimState b;
    EXPECT_TRUE(DifferingFields(a, b).empty());
    EXPECT_TRUE(StatesIdentical(a, b));
}

// The comparison is by bits: values that compare equal as numbers can still differ, and a NaN
// equals the same NaN.
TEST(StateCompareTest, ComparesBitsNotValues) {
    SimState a;
    SimState b;
    a.Phase = 0.0;
    b.Phase = -0.0;
    a.FeedTravel = std::numeric_limits<double>::quiet_NaN();
    b.FeedTravel = a.FeedTravel;
    EXPECT_EQ(DifferingFields(a, b), std::vector<std::string_view>{"Phase"});
}

// Every differing field is named, in the record's order, including the first and last fields
// and single elements of the arrays.
TEST(StateCompareTest, NamesEveryDifferingFieldInOrder) {
    SimState a;
    SimState b = a;
    b.DepthSpinMax = 500;
    b.ForceTrace[kTraceLength] = 1.0;
    b.WorkpiecePoints[0].y = 3;
    b.CutterDiameter = 100;
    b.TimerEnabled = true;
    EXPECT_EQ(DifferingFields(a, b),
              (std::vector<std::string_view>{"CutterDiameter", "WorkpiecePoints", "ForceTrace",
                                             "TimerEnabled", "DepthSpinMax"}));
    const ::testing::AssertionResult result = StatesIdentical(a, b);
    EXPECT_FALSE(result);
    EXPECT_STREQ(result.message(), "fields CutterDiameter, WorkpiecePoints, ForceTrace, "
                                   "TimerEnabled, DepthSpinMax differ");
}

} // namespace
} // namespace sim
