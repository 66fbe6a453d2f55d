#include "app/sweep_worker.h"

#include <QMetaObject>
#include <QObject>

#include <utility>

namespace app {

SweepWorker::SweepWorker(QObject* receiver, RowHandler onRow, EndHandler onEnd)
    : receiver_(receiver), onRow_(std::move(onRow)), onEnd_(std::move(onEnd)) {}

SweepWorker::~SweepWorker() {
    Stop();
}

void SweepWorker::Start(lab::SweepRequest request) {
    if (Running()) {
        return;
    }
    cancel_ = false;
    request.cancel = &cancel_;
    const unsigned series = ++*series_;
    // A queued call reaches the worker only while its series is still the delivered one.
    const auto deliver = [this, delivered = series_, series](auto call) {
        QMetaObject::invokeMethod(
            receiver_,
            [this, delivered, series, call] {
                if (*delivered == series) {
                    call(*this);
                }
            },
            Qt::QueuedConnection);
    };
    request.onRow = [deliver](std::size_t index, const lab::SweepRow& row) {
        deliver([index, row](SweepWorker& worker) { worker.onRow_(index, row); });
    };
    thread_ = std::thread([deliver, request = std::move(request)] {
        const bool cancelled = lab::RunSweep(request).cancelled;
        deliver([cancelled](SweepWorker& worker) {
            // Everything is delivered: the thread ends without waiting.
            worker.thread_.join();
            worker.onEnd_(cancelled);
        });
    });
}

void SweepWorker::Stop() {
    if (!thread_.joinable()) {
        return;
    }
    cancel_ = true;
    thread_.join();
    ++*series_;
}

} // namespace app
