#pragma once

// An animated GIF written frame by frame through giflib: a global colour table, the
// NETSCAPE2.0 extension that loops the animation for ever, and per frame one image of the
// rectangle that changed against the frame before, in which the unchanged pixels are
// transparent, so that the frame before shows through them. Single-threaded; GifRecorder runs
// it on a thread of its own.

#include <QImage>
#include <QRgb>
#include <QSize>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

struct GifFileType;

namespace recording {

// Why a recording ended short of a finished file.
enum class Failure {
    None,
    CannotWrite,     // the file could not be opened, written or put in its place
    TooManyColours,  // a changed rectangle held more than 255 colours
    PictureTooLarge, // a picture did not fit into the frame (its size changed)
};

struct EncoderCounts {
    int frames = 0;          // frames ended (an unchanged one included)
    int images = 0;          // GIF images written: an unchanged frame lengthens the one before
    int localTables = 0;     // images that needed a colour table of their own
    std::int64_t bytes = 0;  // the file so far, with the image that waits for its delay
    std::int64_t pixels = 0; // pixels of all images written (the sum of their rectangles)
};

// Colour -> index of a table of at most 256 colours, by open addressing.
class ColourIndex {
public:
    explicit ColourIndex(std::span<const QRgb> colours);
    // The colour's index, -1 when the table does not hold it (alpha is ignored).
    int Find(QRgb colour) const {
        const std::uint32_t key = colour | 0xFF000000u;
        for (std::uint32_t slot = Slot(key);; slot = (slot + 1) & (kSlots - 1)) {
            if (keys_[slot] == key)
                return values_[slot];
            if (keys_[slot] == 0)
                return -1;
        }
    }

private:
    static constexpr std::uint32_t kBits = 11;
    static constexpr std::uint32_t kSlots = 1u << kBits; // 8 times the largest table
    static std::uint32_t Slot(std::uint32_t key) { return (key * 2654435761u) >> (32 - kBits); }
    std::array<std::uint32_t, kSlots> keys_{}; // 0: a free slot (a key has its alpha bits set)
    std::array<std::uint8_t, kSlots> values_{};
};

class GifEncoder {
public:
    // Takes bytes of the file in order; false when they could not be written.
    using Sink = std::function<bool(std::span<const std::uint8_t>)>;

    // frameSize: px, the picture of the animation; palette: 1 to 255 opaque colours, the global
    // colour table (the next index marks transparent pixels); hundredthsPerTick: the delay of
    // one tick in hundredths of a second (5 for the window's 50 ms timer).
    GifEncoder(QSize frameSize, std::vector<QRgb> palette, int hundredthsPerTick, Sink sink);
    ~GifEncoder();
    GifEncoder(const GifEncoder&) = delete;
    GifEncoder& operator=(const GifEncoder&) = delete;

    // Copies picture (32-bit RGB) into the frame being assembled, its top-left corner at
    // (0, top). What no picture covers keeps what earlier frames put there (white at first).
    Failure Paste(const QImage& picture, int top);
    // Ends the assembled frame, shown from tick on (ticks rise from frame to frame). The image
    // before it gets its delay, the ticks between the two, and goes to the sink; this one waits
    // for the next frame or Finish. A frame equal to the one before writes nothing.
    Failure EndFrame(int tick);
    // Gives the last image a delay of lastTicks ticks and writes the end of the file.
    Failure Finish(int lastTicks);

    const EncoderCounts& Counts() const { return counts_; }
    Failure Failed() const { return failure_; }

private:
    // A rectangle of the frame, right and bottom exclusive.
    struct Box {
        int left = 0, top = 0, right = 0, bottom = 0;
        int Width() const { return right - left; }
        int Height() const { return bottom - top; }
    };

    static int Collect(GifFileType* gif, const std::uint8_t* bytes, int length);
    bool WriteHeader();
    std::optional<Box> ChangedBox() const;
    // The indices of the rectangle's pixels into indices_; transparent: unchanged pixels get the
    // transparent index. False when a pixel to write is outside the table.
    bool IndexPixels(const Box& box, const ColourIndex& table, int transparentIndex);
    // The colours of the pixels to write, for a table of the image's own; none when they are
    // more than the table can hold beside the transparent index.
    std::optional<std::vector<QRgb>> LocalColours(const Box& box, bool transparent) const;
    bool WriteImage(const Box& box, std::span<const QRgb> localTable, int transparentIndex);
    bool FlushPending(int delayTicks);
    Failure Fail(Failure failure);

    int width_;
    int height_;
    std::vector<QRgb> palette_;
    ColourIndex paletteIndex_;
    int hundredthsPerTick_;
    Sink sink_;
    GifFileType* gif_ = nullptr;
    std::vector<QRgb> frame_;           // the frame being assembled
    std::vector<QRgb> shown_;           // what the images written so far show
    std::vector<std::uint8_t> indices_; // the image being written, row after row
    std::vector<std::uint8_t> bytes_;   // giflib's output not yet given to the sink
    bool headerWritten_ = false;
    std::optional<int> pendingTick_; // the tick of the image that waits for its delay
    std::size_t pendingDelayAt_ = 0; // where that delay stands in bytes_
    std::int64_t written_ = 0;       // bytes the sink took
    EncoderCounts counts_;
    Failure failure_ = Failure::None;
};

} // namespace recording
