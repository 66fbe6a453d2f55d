#pragma once

// A recording of pictures as an animated GIF file, encoded on a thread of its own so that the
// run that draws the pictures never waits for the encoding. The pictures are handed over as
// shallow copies of their images: the encoder's thread copies their pixels soon after, and a
// picture redrawn before that gets pixels of its own (a QImage detaches before it is written).
// The file is written beside its place under a temporary name and takes its place only when it
// is finished whole.

#include "recording/gif_encoder.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QSaveFile;

namespace recording {

// What the producer does when the encoder has fallen behind by a whole queue of frames.
enum class WhenFull {
    Wait, // waits for room: no frame is left out (glodanje-batch)
    Skip, // leaves the frame out and counts it (the window, which must not wait)
};

struct RecorderSettings {
    QSize frameSize;           // px
    std::vector<QRgb> palette; // the global colour table, 1 to 255 colours
    int hundredthsPerTick = 5; // the delay of one tick, 1/100 s
    int queueFrames = 8;       // frames begun and not yet encoded, at most (1 or more)
    // Runs on the encoder's thread before each frame is encoded (tests hold the encoder here).
    std::function<void()> beforeEncoding;
};

struct RecorderStatus {
    EncoderCounts encoded;
    int skipped = 0; // frames left out because the queue was full (WhenFull::Skip)
    int waited = 0;  // frames for which the producer waited for room (WhenFull::Wait)
    Failure failure = Failure::None;
};

class GifRecorder {
public:
    // Opens the temporary file beside path and starts the encoder's thread; null, with
    // *failure set to CannotWrite, when the file cannot be created.
    static std::unique_ptr<GifRecorder> Start(const QString& path, RecorderSettings settings,
                                              Failure* failure);
    // Without Finish: stops the encoder and leaves no file behind.
    ~GifRecorder();
    GifRecorder(const GifRecorder&) = delete;
    GifRecorder& operator=(const GifRecorder&) = delete;

    // Begins the frame shown from tick on (ticks rise from frame to frame; the first frame's
    // tick is usually 0); whenFull: what to do when the queue is full. False when the frame is
    // left out (full and Skip) or the recording has failed; then AddPicture and EndFrame do
    // nothing for it.
    bool BeginFrame(int tick, WhenFull whenFull);
    // Adds a copy of picture to the begun frame, its top-left corner at (0, top) of the frame.
    void AddPicture(const QImage& picture, int top);
    // Ends the begun frame; the encoder writes it once the next frame tells its delay.
    void EndFrame();

    RecorderStatus Status() const;
    // Returns once every frame ended is encoded and the pictures added so far are copied.
    void WaitUntilIdle();
    // Encodes what is queued, gives the last frame a delay of lastTicks ticks, ends the file and
    // puts it in its place. On a failure no file is left at path or beside it.
    Failure Finish(int lastTicks);

private:
    struct Message {
        enum class Kind { Begin, Picture, End } kind;
        int tick = 0;
        int top = 0;
        QImage picture;
    };

    GifRecorder(std::unique_ptr<QSaveFile> file, RecorderSettings settings);
    void Push(Message message);
    void EncodeQueued();
    void StopEncoder();

    std::unique_ptr<QSaveFile> file_;
    RecorderSettings settings_;
    GifEncoder encoder_;
    bool frameOpen_ = false; // the producer's frame was begun and not left out

    mutable std::mutex mutex_;
    std::condition_variable work_; // a message or the end for the encoder
    std::condition_variable room_; // a frame encoded, for the producer
    std::deque<Message> queue_;
    int framesQueued_ = 0; // begun and not yet encoded
    bool busy_ = false;    // the encoder works on a message it took
    bool stopping_ = false;
    RecorderStatus status_;
    std::thread encoderThread_;
};

} // namespace recording
