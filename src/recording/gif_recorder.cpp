#include "recording/gif_recorder.h"

#include <QSaveFile>

#include <cassert>

namespace recording {

std::unique_ptr<GifRecorder> GifRecorder::Start(const QString& path, RecorderSettings settings,
                                                Failure* failure) {
    auto file = std::make_unique<QSaveFile>(path);
    // Unbuffered: a write that the disk cuts short returns its short count here, where a buffered
    // one would lose it in a flush whose error the commit does not see.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *failure = Failure::CannotWrite;
        return nullptr;
    }
    *failure = Failure::None;
    return std::unique_ptr<GifRecorder>(new GifRecorder(std::move(file), std::move(settings)));
}

GifRecorder::GifRecorder(std::unique_ptr<QSaveFile> file, RecorderSettings settings)
    : file_(std::move(file)), settings_(std::move(settings)),
      encoder_(settings_.frameSize, settings_.palette, settings_.hundredthsPerTick,
               [this](std::span<const std::uint8_t> bytes) {
                   const auto size = static_cast<qint64>(bytes.size());
                   return file_->write(reinterpret_cast<const char*>(bytes.data()), size) == size;
               }) {
    assert(settings_.queueFrames >= 1);
    status_.failure = encoder_.Failed();
    encoderThread_ = std::thread([this] { EncodeQueued(); });
}

GifRecorder::~GifRecorder() {
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
    }
    StopEncoder();
    // A file never committed is removed with its temporary name.
    if (file_ != nullptr)
        file_->cancelWriting();
}

void GifRecorder::StopEncoder() {
    if (!encoderThread_.joinable())
        return;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    work_.notify_all();
    encoderThread_.join();
}

void GifRecorder::Push(Message message) {
    const bool ends = message.kind == Message::Kind::End;
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(message));
    }
    // The encoder is woken once a frame is whole: until then the producer (a tick and the paint
    // after it) has the processor to itself.
    if (ends)
        work_.notify_one();
}

bool GifRecorder::BeginFrame(int tick, WhenFull whenFull) {
    assert(!frameOpen_);
    std::unique_lock lock(mutex_);
    if (status_.failure != Failure::None)
        return false;
    if (framesQueued_ >= settings_.queueFrames) {
        if (whenFull == WhenFull::Skip) {
            ++status_.skipped;
            return false;
        }
        ++status_.waited;
        room_.wait(lock, [this] { return framesQueued_ < settings_.queueFrames; });
    }
    ++framesQueued_;
    queue_.push_back(Message{Message::Kind::Begin, tick, 0, {}});
    frameOpen_ = true;
    return true;
}

void GifRecorder::AddPicture(const QImage& picture, int top) {
    // A canvas's picture is a view of pixels it goes on drawing into: the encoder thread gets
    // pixels of its own.
    if (frameOpen_)
        Push(Message{Message::Kind::Picture, 0, top, picture.copy()});
}

void GifRecorder::EndFrame() {
    if (frameOpen_)
        Push(Message{Message::Kind::End, 0, 0, {}});
    frameOpen_ = false;
}

void GifRecorder::EncodeQueued() {
    int tick = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty())
            return;
        Message message = std::move(queue_.front());
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        switch (message.kind) {
        case Message::Kind::Begin:
            tick = message.tick;
            break;
        case Message::Kind::Picture:
            encoder_.Paste(message.picture, message.top);
            // The picture's pixels are no longer shared: the next redraw need not copy them.
            message.picture = QImage();
            break;
        case Message::Kind::End:
            if (settings_.beforeEncoding)
                settings_.beforeEncoding();
            encoder_.EndFrame(tick);
            break;
        }
        lock.lock();
        busy_ = false;
        if (message.kind == Message::Kind::End)
            --framesQueued_;
        status_.encoded = encoder_.Counts();
        status_.failure = encoder_.Failed();
        room_.notify_all();
    }
}

RecorderStatus GifRecorder::Status() const {
    const std::lock_guard lock(mutex_);
    return status_;
}

void GifRecorder::WaitUntilIdle() {
    work_.notify_one(); // also for the pictures of a frame not yet ended
    std::unique_lock lock(mutex_);
    room_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

Failure GifRecorder::Finish(int lastTicks) {
    if (file_ == nullptr)
        return Status().failure; // finished before
    StopEncoder();
    Failure failure = encoder_.Finish(lastTicks);
    if (failure == Failure::None && !file_->commit())
        failure = Failure::CannotWrite;
    if (failure != Failure::None)
        file_->cancelWriting();
    file_.reset();
    const std::lock_guard lock(mutex_);
    status_.encoded = encoder_.Counts();
    status_.failure = failure;
    return failure;
}

} // namespace recording
