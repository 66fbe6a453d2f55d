#include "recording/gif_encoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cassert>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace recording {
namespace {

constexpr int kMaxTableSize = 256;
constexpr int kLongestDelay = 65535; // hundredths of a second, the field's largest value
// The graphic control extension as giflib writes it: introducer, label, block size, flags,
// then the delay (low byte first).
constexpr std::size_t kDelayOffsetInExtension = 4;
constexpr QRgb kWhite = 0xFFFFFFFFu;

struct ColourMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, ColourMapDeleter>;

// A giflib colour map of the colours, padded with black to a power of two (at least 2); null
// when they are more than 256.
ColourMap MakeColourMap(std::span<const QRgb> colours) {
    int size = 2;
    while (size < static_cast<int>(colours.size()))
        size *= 2;
    if (size > kMaxTableSize)
        return nullptr;
    std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < colours.size(); ++i) {
        entries[i] = GifColorType{static_cast<GifByteType>(qRed(colours[i])),
                                  static_cast<GifByteType>(qGreen(colours[i])),
                                  static_cast<GifByteType>(qBlue(colours[i]))};
    }
    return ColourMap(GifMakeMapObject(size, entries.data()));
}

} // namespace

ColourIndex::ColourIndex(std::span<const QRgb> colours) {
    assert(colours.size() <= kMaxTableSize);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const std::uint32_t key = colours[i] | 0xFF000000u;
        std::uint32_t slot = Slot(key);
        while (keys_[slot] != 0 && keys_[slot] != key)
            slot = (slot + 1) & (kSlots - 1);
        if (keys_[slot] == 0) {
            keys_[slot] = key;
            values_[slot] = static_cast<std::uint8_t>(i);
        }
    }
}

GifEncoder::GifEncoder(QSize frameSize, std::vector<QRgb> palette, int hundredthsPerTick, Sink sink)
    : width_(std::max(frameSize.width(), 1)), height_(std::max(frameSize.height(), 1)),
      palette_(std::move(palette)), paletteIndex_(palette_), hundredthsPerTick_(hundredthsPerTick),
      sink_(std::move(sink)) {
    assert(!palette_.empty() && palette_.size() < kMaxTableSize);
    const auto pixels = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    frame_.assign(pixels, kWhite);
    shown_.assign(pixels, kWhite);
    indices_.reserve(pixels);
    int error = 0;
    gif_ = EGifOpen(this, &GifEncoder::Collect, &error);
    if (gif_ == nullptr)
        failure_ = Failure::CannotWrite;
}

GifEncoder::~GifEncoder() {
    if (gif_ != nullptr)
        EGifCloseFile(gif_, nullptr);
}

int GifEncoder::Collect(GifFileType* gif, const std::uint8_t* bytes, int length) {
    auto* self = static_cast<GifEncoder*>(gif->UserData);
    self->bytes_.insert(self->bytes_.end(), bytes, bytes + length);
    return length;
}

Failure GifEncoder::Fail(Failure failure) {
    if (failure_ == Failure::None)
        failure_ = failure;
    return failure_;
}

Failure GifEncoder::Paste(const QImage& picture, int top) {
    if (failure_ != Failure::None)
        return failure_;
    if (picture.isNull())
        return Failure::None;
    if (top < 0 || picture.width() > width_ || top + picture.height() > height_)
        return Fail(Failure::PictureTooLarge);
    const QImage rgb =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(rgb.width()) * sizeof(QRgb);
    for (int y = 0; y < rgb.height(); ++y) {
        std::memcpy(&frame_[static_cast<std::size_t>(top + y) * static_cast<std::size_t>(width_)],
                    rgb.constScanLine(y), rowBytes);
    }
    return Failure::None;
}

bool GifEncoder::WriteHeader() {
    EGifSetGifVersion(gif_, true);
    const ColourMap global = MakeColourMap(palette_);
    if (global == nullptr || EGifPutScreenDesc(gif_, width_, height_, 8, 0, global.get()) != GIF_OK)
        return false;
    // Loop for ever: the application extension NETSCAPE2.0 with a loop count of 0.
    static constexpr char kApplication[] = "NETSCAPE2.0";
    static constexpr std::uint8_t kLoopForEver[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif_, 11, kApplication) == GIF_OK &&
           EGifPutExtensionBlock(gif_, 3, kLoopForEver) == GIF_OK &&
           EGifPutExtensionTrailer(gif_) == GIF_OK;
}

std::optional<GifEncoder::Box> GifEncoder::ChangedBox() const {
    const auto width = static_cast<std::size_t>(width_);
    Box box{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
        const QRgb* now = &frame_[static_cast<std::size_t>(y) * width];
        const QRgb* before = &shown_[static_cast<std::size_t>(y) * width];
        if (std::memcmp(now, before, width * sizeof(QRgb)) == 0)
            continue;
        box.top = std::min(box.top, y);
        box.bottom = y + 1;
        int x = 0;
        while (now[x] == before[x])
            ++x;
        box.left = std::min(box.left, x);
        x = width_ - 1;
        while (now[x] == before[x])
            --x;
        box.right = std::max(box.right, x + 1);
    }
    if (box.bottom == 0)
        return std::nullopt;
    return box;
}

bool GifEncoder::IndexPixels(const Box& box, const ColourIndex& table, int transparentIndex) {
    indices_.resize(static_cast<std::size_t>(box.Width()) * static_cast<std::size_t>(box.Height()));
    std::uint8_t* out = indices_.data();
    // Neighbouring pixels mostly share their colour: the last lookup is kept. A pixel of the
    // frame is opaque, so the first one never matches the transparent black set here.
    QRgb lastColour = 0;
    int lastIndex = table.Find(lastColour);
    for (int y = box.top; y < box.bottom; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        const QRgb* now = &frame_[row];
        const QRgb* before = &shown_[row];
        for (int x = box.left; x < box.right; ++x) {
            if (transparentIndex >= 0 && now[x] == before[x]) {
                *out++ = static_cast<std::uint8_t>(transparentIndex);
                continue;
            }
            if (now[x] != lastColour) {
                lastColour = now[x];
                lastIndex = table.Find(lastColour);
            }
            if (lastIndex < 0)
                return false;
            *out++ = static_cast<std::uint8_t>(lastIndex);
        }
    }
    return true;
}

std::optional<std::vector<QRgb>> GifEncoder::LocalColours(const Box& box, bool transparent) const {
    const std::size_t room = transparent ? kMaxTableSize - 1 : kMaxTableSize;
    std::vector<QRgb> colours;
    std::unordered_map<QRgb, int> seen;
    for (int y = box.top; y < box.bottom; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        for (int x = box.left; x < box.right; ++x) {
            const QRgb colour = frame_[row + static_cast<std::size_t>(x)];
            if (transparent && colour == shown_[row + static_cast<std::size_t>(x)])
                continue;
            if (seen.emplace(colour | 0xFF000000u, 0).second) {
                if (colours.size() == room)
                    return std::nullopt;
                colours.push_back(colour);
            }
        }
    }
    return colours;
}

bool GifEncoder::FlushPending(int delayTicks) {
    if (pendingTick_) {
        const int delay = static_cast<int>(std::clamp<std::int64_t>(
            static_cast<std::int64_t>(delayTicks) * hundredthsPerTick_, 0, kLongestDelay));
        bytes_[pendingDelayAt_] = static_cast<std::uint8_t>(delay & 0xFF);
        bytes_[pendingDelayAt_ + 1] = static_cast<std::uint8_t>(delay >> 8);
        pendingTick_.reset();
    }
    if (bytes_.empty())
        return true;
    if (!sink_(bytes_))
        return false;
    written_ += static_cast<std::int64_t>(bytes_.size());
    bytes_.clear();
    return true;
}

bool GifEncoder::WriteImage(const Box& box, std::span<const QRgb> localTable,
                            int transparentIndex) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = 0; // set when the next frame comes
    control.TransparentColor = transparentIndex < 0 ? NO_TRANSPARENT_COLOR : transparentIndex;
    GifByteType extension[4];
    const std::size_t start = bytes_.size();
    if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE,
                         static_cast<int>(EGifGCBToExtension(&control, extension)),
                         extension) != GIF_OK)
        return false;
    assert(bytes_.size() > start + kDelayOffsetInExtension + 1 && bytes_[start + 1] == 0xF9);
    pendingDelayAt_ = start + kDelayOffsetInExtension;

    ColourMap local;
    if (!localTable.empty()) {
        local = MakeColourMap(localTable);
        if (local == nullptr)
            return false;
    }
    if (EGifPutImageDesc(gif_, box.left, box.top, box.Width(), box.Height(), false, local.get()) !=
        GIF_OK)
        return false;
    for (int y = 0; y < box.Height(); ++y) {
        GifPixelType* row =
            indices_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(box.Width());
        if (EGifPutLine(gif_, row, box.Width()) != GIF_OK)
            return false;
    }
    // giflib forgets an image's own table without freeing it when the next image has none.
    if (gif_->Image.ColorMap != nullptr) {
        GifFreeMapObject(gif_->Image.ColorMap);
        gif_->Image.ColorMap = nullptr;
    }
    return true;
}

Failure GifEncoder::EndFrame(int tick) {
    if (failure_ != Failure::None)
        return failure_;
    ++counts_.frames;
    const bool first = !headerWritten_;
    if (first) {
        if (!WriteHeader() || !FlushPending(0))
            return Fail(Failure::CannotWrite);
        headerWritten_ = true;
    }
    // The first image covers the whole frame; later ones let the image before show through.
    const std::optional<Box> changed = first ? Box{0, 0, width_, height_} : ChangedBox();
    if (!changed)
        return Failure::None;
    int transparent = first ? -1 : static_cast<int>(palette_.size());
    std::vector<QRgb> localTable;
    if (!IndexPixels(*changed, paletteIndex_, transparent)) {
        // A colour outside the global table: the image gets a table of its own, exact.
        std::optional<std::vector<QRgb>> colours = LocalColours(*changed, !first);
        if (!colours)
            return Fail(Failure::TooManyColours);
        localTable = std::move(*colours);
        transparent = first ? -1 : static_cast<int>(localTable.size());
        IndexPixels(*changed, ColourIndex(localTable), transparent);
        if (!first)
            localTable.push_back(0xFF000000u); // the transparent index's entry
        ++counts_.localTables;
    }
    if (!FlushPending(pendingTick_ ? tick - *pendingTick_ : 0) ||
        !WriteImage(*changed, localTable, transparent))
        return Fail(Failure::CannotWrite);
    pendingTick_ = tick;
    ++counts_.images;
    counts_.pixels += static_cast<std::int64_t>(changed->Width()) * changed->Height();
    counts_.bytes = written_ + static_cast<std::int64_t>(bytes_.size());
    for (int y = changed->top; y < changed->bottom; ++y) {
        const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                               static_cast<std::size_t>(changed->left);
        std::memcpy(&shown_[at], &frame_[at],
                    static_cast<std::size_t>(changed->Width()) * sizeof(QRgb));
    }
    return Failure::None;
}

Failure GifEncoder::Finish(int lastTicks) {
    if (failure_ != Failure::None)
        return failure_;
    if (!headerWritten_) {
        if (!WriteHeader())
            return Fail(Failure::CannotWrite);
        headerWritten_ = true;
    }
    if (!FlushPending(lastTicks))
        return Fail(Failure::CannotWrite);
    // Closing writes the trailer through Collect, then frees the handle.
    const int closed = EGifCloseFile(gif_, nullptr);
    gif_ = nullptr;
    if (closed != GIF_OK || !FlushPending(0))
        return Fail(Failure::CannotWrite);
    counts_.bytes = written_;
    return Failure::None;
}

} // namespace recording
