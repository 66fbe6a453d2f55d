#include "lab/sweep_plan.h"

#include "lab/run_inputs.h"
#include "support/field_limits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lab {
namespace {

TEST(SweepPlan, RunCountIsLimited) {
    SweepPlan plan;
    plan.field = sim::InputField::Feed;
    plan.from = 40;
    plan.to = 600;
    plan.step = 1;
    EXPECT_EQ(CheckSweepPlan(plan), "");
    EXPECT_EQ(SweepPoints(plan).size(), 561u);
    EXPECT_EQ(SweepPoints(plan).back().label, "600");
}

TEST(SweepPlan, ValuesStopAtTheLastStepNotAboveTo) {
    const SweepParse parsed = ParseSweepText("depth=0.5:2.2:0.5");
    ASSERT_TRUE(parsed.plan) << parsed.error;
    std::vector<std::string> labels;
    for (const SweepPoint& p : SweepPoints(*parsed.plan)) {
        labels.push_back(p.label);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"0.5", "1", "1.5", "2"}));
    EXPECT_EQ(SweepPoints(*parsed.plan)[2].x, 1.5);
}

// A sweep over an input's whole range is taken; a range one step beyond either end is refused.
TEST(SweepLimits, WholeRangeTakenOneStepBeyondRefused) {
    for (const test_support::FieldLimit& c : test_support::kFieldLimits) {
        if (!IsRunInput(*sim::FindInputField(c.key))) {
            continue;
        }
        const std::string key = std::string(c.key) + "=";
        const std::string whole = key + c.lowest + ":" + c.highest;
        EXPECT_TRUE(ParseSweepText(whole).plan) << whole << ": " << ParseSweepText(whole).error;
        for (const std::string& beyond :
             {key + c.below + ":" + c.highest, key + c.lowest + ":" + c.above}) {
            const SweepParse parsed = ParseSweepText(beyond);
            EXPECT_FALSE(parsed.plan) << beyond;
            EXPECT_NE(parsed.error.find(c.key), std::string::npos) << parsed.error;
        }
    }
}

} // namespace
} // namespace lab
