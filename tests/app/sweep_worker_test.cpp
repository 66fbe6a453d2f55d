// The experiment window's worker thread on its own: what reaches the window, on which thread,
// in which order, and that nothing does once the worker is stopped.
#include "app/sweep_worker.h"

#include "sim/materials.h"

#include <QCoreApplication>
#include <QObject>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace app {
namespace {

constexpr int kWaitMs = 60000;

// A feed sweep of `runs` runs on C35 with P30, each at most `ticks` ticks (none: to the end of
// the feed, some 1500 ticks).
lab::SweepRequest FeedSweep(int32_t runs, std::optional<int> ticks = 5) {
    lab::SweepRequest request;
    request.base.workpieceMaterial = sim::FindWorkpieceMaterial("C35");
    request.base.toolMaterial = sim::FindToolMaterial("P30");
    request.base.ticks = ticks;
    request.plan.field = sim::InputField::Feed;
    request.plan.from = 40;
    request.plan.step = 10;
    request.plan.to = 40 + 10 * (runs - 1);
    request.jobs = 2;
    return request;
}

struct Delivered {
    std::vector<size_t> rows;
    std::vector<bool> ends; // cancelled, per end
    bool offThread = false;
};

std::unique_ptr<SweepWorker> WorkerFor(QObject& receiver, Delivered& seen) {
    return std::make_unique<SweepWorker>(
        &receiver,
        [&seen, &receiver](size_t index, const lab::SweepRow&) {
            seen.offThread |= QThread::currentThread() != receiver.thread();
            seen.rows.push_back(index);
        },
        [&seen, &receiver](bool cancelled) {
            seen.offThread |= QThread::currentThread() != receiver.thread();
            seen.ends.push_back(cancelled);
        });
}

TEST(SweepWorker, RowsInOrderThenTheEndOnTheReceiversThread) {
    QObject receiver;
    Delivered seen;
    const std::unique_ptr<SweepWorker> worker = WorkerFor(receiver, seen);
    worker->Start(FeedSweep(6));
    EXPECT_TRUE(worker->Running());
    worker->Start(FeedSweep(2)); // ignored while the first series runs
    QTRY_VERIFY_WITH_TIMEOUT(!seen.ends.empty(), kWaitMs);
    EXPECT_FALSE(worker->Running());
    EXPECT_EQ(seen.rows, (std::vector<size_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(seen.ends, std::vector<bool>{false});
    EXPECT_FALSE(seen.offThread);
}

// Stopping, or destroying the worker, drops the calls still queued: none reaches a handler or
// the worker afterwards, and the next series starts afresh.
TEST(SweepWorker, NothingArrivesFromAStoppedSeries) {
    QObject receiver;
    Delivered seen;
    std::unique_ptr<SweepWorker> worker = WorkerFor(receiver, seen);
    worker->Start(FeedSweep(4));
    worker->Stop();
    EXPECT_FALSE(worker->Running());
    QCoreApplication::processEvents();
    EXPECT_TRUE(seen.rows.empty());
    EXPECT_TRUE(seen.ends.empty());

    worker->Start(FeedSweep(3));
    QTRY_VERIFY_WITH_TIMEOUT(!seen.ends.empty(), kWaitMs);
    EXPECT_EQ(seen.rows, (std::vector<size_t>{0, 1, 2}));

    worker->Start(FeedSweep(4, std::nullopt));
    QTest::qWait(1); // the runs are far from their end
    worker.reset();
    QCoreApplication::processEvents();
    QTest::qWait(50);
    EXPECT_EQ(seen.ends.size(), 1u);
}

} // namespace
} // namespace app
