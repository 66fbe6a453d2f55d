#include "lab/sweep.h"

#include "lab/inputs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>
#include <vector>

namespace lab {
namespace {

// A sweep over the text's input with 28Cr4 and P30, at most maxTicks ticks per run.
SweepRequest Request(const std::string& sweep, std::optional<int> maxTicks = std::nullopt) {
    SweepRequest request;
    request.base = lab_test::Inputs({}, "28Cr4", "P30");
    request.base.ticks = maxTicks;
    const SweepParse parsed = ParseSweepText(sweep);
    EXPECT_TRUE(parsed.plan) << parsed.error;
    request.plan = parsed.plan.value_or(SweepPlan{});
    return request;
}

// Rows reach onRow one at a time and in input order, whatever thread finished first.
TEST(RunSweep, DeliversRowsInInputOrder) {
    SweepRequest request = Request("feed=40:600:40", 50);
    request.jobs = 3;
    std::vector<size_t> order;
    request.onRow = [&order](size_t index, const SweepRow&) { order.push_back(index); };
    const SweepResult result = RunSweep(request);
    ASSERT_EQ(order.size(), 15u);
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(order[i], i);
        EXPECT_EQ(result.rows[i].point.x, 40.0 + 40.0 * static_cast<double>(i));
    }
    EXPECT_FALSE(result.cancelled);
}

TEST(RunSweep, CancelStopsTheRunsAndKeepsTheFinishedPrefix) {
    std::atomic<bool> cancel{false};
    SweepRequest request = Request("feed=40:600:40");
    request.jobs = 2;
    request.cancel = &cancel;
    request.onRow = [&cancel](size_t index, const SweepRow&) {
        if (index == 1) {
            cancel = true;
        }
    };
    const SweepResult result = RunSweep(request);
    EXPECT_TRUE(result.cancelled);
    EXPECT_GE(result.rows.size(), 2u);
    EXPECT_LT(result.rows.size(), 15u);

    const SweepResult before = RunSweep(request); // cancel is still set
    EXPECT_TRUE(before.cancelled);
    EXPECT_TRUE(before.rows.empty());
}

TEST(FitPowerLawExponent, RecoversTheExponentAndRefusesTooFewPoints) {
    std::vector<double> x;
    std::vector<double> y;
    for (double v : {0.5, 1.0, 3.0, 10.0, 40.0}) {
        x.push_back(v);
        y.push_back(3.0 * std::pow(v, 0.7));
    }
    x.push_back(0); // not on a logarithmic axis: left out
    y.push_back(5);
    ASSERT_TRUE(FitPowerLawExponent(x, y).has_value());
    EXPECT_NEAR(*FitPowerLawExponent(x, y), 0.7, 1e-12);
    EXPECT_FALSE(FitPowerLawExponent({2.0}, {3.0}).has_value());
    EXPECT_FALSE(FitPowerLawExponent({2.0, 2.0}, {3.0, 4.0}).has_value());
    EXPECT_FALSE(FitPowerLawExponent({1.0, 2.0}, {0.0, 4.0}).has_value());
}

} // namespace
} // namespace lab
