// A sweep run on a thread of its own for a window: each row and the end of the series come back
// through the event loop as queued calls to the receiver's thread, so the handlers touch the
// window only on its own thread. The experiment window runs its series through one.
#pragma once

#include "lab/sweep.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <thread>

class QObject;

namespace app {

class SweepWorker {
public:
    using RowHandler = std::function<void(std::size_t index, const lab::SweepRow& row)>;
    using EndHandler = std::function<void(bool cancelled)>;

    // The handlers run on receiver's thread, in input order, the end last; calls still queued
    // when receiver is destroyed are dropped.
    SweepWorker(QObject* receiver, RowHandler onRow, EndHandler onEnd);
    // Stops a running series first.
    ~SweepWorker();
    SweepWorker(const SweepWorker&) = delete;
    SweepWorker& operator=(const SweepWorker&) = delete;

    // From Start until the end handler is called (or Stop returns).
    bool Running() const { return thread_.joinable(); }
    // Runs request on the thread (its onRow and cancel are set here); nothing while a series
    // runs.
    void Start(lab::SweepRequest request);
    // Asks the running series to stop: no new run starts, the running ones stop after their
    // tick. The end handler still comes, with cancelled set.
    void Cancel() { cancel_ = true; }
    // Cancels and waits for the thread; the rows and the end still queued then are not
    // delivered.
    void Stop();

private:
    QObject* receiver_;
    RowHandler onRow_;
    EndHandler onEnd_;
    std::atomic<bool> cancel_{false};
    // The number of the series whose calls are delivered; Start and Stop change it, so what is
    // still queued from a stopped series is dropped. Shared with the queued calls, which may
    // outlive the worker.
    std::shared_ptr<std::atomic<unsigned>> series_ = std::make_shared<std::atomic<unsigned>>(0);
    std::thread thread_;
};

} // namespace app
