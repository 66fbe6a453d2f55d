#include "lab/run_csv.h"

#include "sim/scenarios.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lab {
namespace {

class CountingObserver : public sim::RunObserver {
public:
    int feeds = 0;
    int redraws = 0;
    void FeedOscillograph(const sim::SimState&) override { ++feeds; }
    void RedrawCutterView(const sim::SimState&, double) override { ++redraws; }
};

TEST(RunAndWriteCsv, PassesTheObserverToEveryTick) {
    sim::SimState s = sim::StartedState();
    CountingObserver observer;
    std::ostringstream csv;
    const RunSummary summary = RunAndWriteCsv(s, 7, csv, &observer);
    EXPECT_EQ(summary.ticksRun, 7);
    EXPECT_EQ(observer.feeds, 7);
    EXPECT_EQ(observer.redraws, 7);
}

} // namespace
} // namespace lab
