// Whole runs against recorded reference values. The window and the batch runner share the
// core, so comparing them with each other cannot see a fault in the core; these values were
// recorded once from runs checked against an independent model and are compared bit for bit.
// An intended change of the numbers updates reference_traces.h in the same commit.
#include "sim/cutting_inputs.h"
#include "sim/materials.h"
#include "sim/run.h"
#include "sim/scenarios.h"
#include "sim/tool_inputs.h"

#include "sim/reference_traces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace sim {
namespace {

// Bit-for-bit equality; on failure the message shows both values in full.
::testing::AssertionResult SameBits(const char* what, int tick, double expected, double actual) {
    if (std::memcmp(&expected, &actual, sizeof expected) == 0) {
        return ::testing::AssertionSuccess();
    }
    char text[160];
    std::snprintf(text, sizeof text, "%s at tick %d: expected %.17g (%a), got %.17g (%a)", what,
                  tick, expected, expected, actual, actual);
    return ::testing::AssertionFailure() << text;
}

// The job's inputs applied as the window applies them, then "Proces".
SimState PreparedState(const ReferenceJob& job) {
    SimState s = StartupState();
    if (job.teeth != nullptr) {
        EXPECT_TRUE(SetToothCount(s, job.teeth).applied());
    }
    if (job.helix != nullptr) {
        EXPECT_TRUE(SetHelixAngle(s, job.helix).applied());
    }
    if (job.depthTenths != nullptr) {
        EXPECT_TRUE(SetDepth(s, job.depthTenths).input.applied());
    }
    SelectWorkpieceMaterial(s, FindWorkpieceMaterial(job.workpiece) - 1);
    SelectToolMaterial(s, FindToolMaterial(job.tool) - 1);
    SetMillingDirection(s, job.direction, nullptr);
    const MaterialsReport report = StartRun(s);
    EXPECT_EQ(report.outcome, job.mismatch ? MaterialsOutcome::Mismatch : MaterialsOutcome::Ready);
    return s;
}

class ReferenceTraceTest : public ::testing::TestWithParam<ReferenceJob> {};

TEST_P(ReferenceTraceTest, WholeRunMatchesTheRecordedSamplesAndSummary) {
    const ReferenceJob& job = GetParam();
    SimState s = PreparedState(job);

    const ReferenceSample* next = job.samples.data();
    const ReferenceSample* const end = next + job.samples.size();
    int ticks = 0;
    int firstForceTick = 0;
    double largestForce = 0;
    double forceSum = 0;
    int forceTicks = 0;
    bool stopped = false;
    while (!stopped && ticks < 5000) {
        stopped = RunTick(s, nullptr).feedLimitDisabledTimer;
        ++ticks;
        const double force = s.ForceTrace[kTraceLength];
        if (force != 0) {
            firstForceTick = firstForceTick == 0 ? ticks : firstForceTick;
            largestForce = std::max(largestForce, force);
            forceSum += force;
            ++forceTicks;
        }
        if (next == end || next->tick != ticks) {
            continue;
        }
        const ReferenceSample& r = *next++;
        EXPECT_TRUE(SameBits("chip sum", ticks, r.chipSum, s.ChipSumTrace[kTraceLength]));
        EXPECT_TRUE(SameBits("chip", ticks, r.chip, s.ChipTrace[kTraceLength]));
        EXPECT_TRUE(SameBits("force", ticks, r.force, force));
        EXPECT_TRUE(SameBits("mean force", ticks, r.meanForce, s.MeanForceTrace[kTraceLength]));
        EXPECT_TRUE(SameBits("feed travel", ticks, r.feedTravel, s.FeedTravel));
        EXPECT_EQ(s.ActiveTeethCount, r.activeTeeth) << "tick " << ticks;
        EXPECT_TRUE(SameBits("phase", ticks, r.phase, s.Phase));
    }
    EXPECT_EQ(next, end) << "the run ended before every recorded tick";
    EXPECT_EQ(ticks, job.summary.ticksRun);
    EXPECT_EQ(firstForceTick, job.summary.firstForceTick);
    EXPECT_TRUE(SameBits("largest force", ticks, job.summary.largestForce, largestForce));
    EXPECT_TRUE(SameBits("mean force over the run", ticks, job.summary.meanForce,
                         forceTicks > 0 ? forceSum / forceTicks : 0.0));
    EXPECT_TRUE(SameBits("last revolution mean", ticks, job.summary.lastRevolutionMean,
                         s.MeanForceTrace[kTraceLength]));
}

INSTANTIATE_TEST_SUITE_P(Jobs, ReferenceTraceTest, ::testing::ValuesIn(kReferenceJobs),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace sim
