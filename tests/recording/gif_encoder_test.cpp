// The GIF encoder read back with Qt's GIF reader: every frame as a viewer shows it, pixel for
// pixel, with its delay, the loop, the rectangles written and the colour tables used.
#include "recording/gif_encoder.h"

#include "support/gif_frames.h"

#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace recording {
namespace {

using test_support::GifFile;
using test_support::ReadGifBytes;

using test_support::kBlack;
using test_support::kWhite;
constexpr QRgb kGrey = 0xFF808080u;
constexpr QRgb kGreen = 0xFF80FF80u;
constexpr QRgb kOutside = 0xFF123456u; // in no table of these tests

const std::vector<QRgb> kPalette = {kWhite, kBlack, kGrey, kGreen};

QImage Filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

struct Encoded {
    QByteArray bytes;
    EncoderCounts counts;
    Failure failure = Failure::None;
};

// One frame: the pictures pasted (each at its top) and the tick it is shown from.
struct FrameStep {
    std::vector<std::pair<QImage, int>> pictures;
    int tick = 0;
};

Encoded Encode(QSize size, const std::vector<FrameStep>& frames, int lastTicks = 1) {
    Encoded out;
    GifEncoder encoder(size, kPalette, 5, [&out](std::span<const std::uint8_t> bytes) {
        out.bytes.append(reinterpret_cast<const char*>(bytes.data()),
                         static_cast<qsizetype>(bytes.size()));
        return true;
    });
    for (const FrameStep& frame : frames) {
        for (const auto& [picture, top] : frame.pictures)
            encoder.Paste(picture, top);
        encoder.EndFrame(frame.tick);
    }
    out.failure = encoder.Finish(lastTicks);
    out.counts = encoder.Counts();
    return out;
}

TEST(GifEncoder, QtReadsGif) {
    ASSERT_TRUE(QImageReader::supportedImageFormats().contains("gif"))
        << "Qt's GIF image format plugin is missing";
}

// A frame's picture: a 40 x 30 field with marks of the given colours at the given pixels.
QImage Marked(QRgb field, std::vector<std::pair<QPoint, QRgb>> marks) {
    QImage image = Filled(40, 30, field);
    for (const auto& [at, colour] : marks)
        image.setPixel(at, colour);
    return image;
}

struct SequenceCase {
    const char* name;
    std::vector<QImage> pictures; // frame i is pictures[i], shown from tick ticks[i]
    std::vector<int> ticks;
    int images;                // GIF images expected
    std::vector<int> delaysMs; // of the images, as read back
    std::vector<int> shownAs;  // the picture each image read back shows
    int localTables;
    std::int64_t pixels; // of all images' rectangles
};

void PrintTo(const SequenceCase& c, std::ostream* os) {
    *os << c.name;
}

class FrameSequenceTest : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(FrameSequenceTest, ReadsBackAsEncoded) {
    const SequenceCase& c = GetParam();
    std::vector<FrameStep> steps;
    for (size_t i = 0; i < c.pictures.size(); ++i)
        steps.push_back({{{c.pictures[i], 0}}, c.ticks[i]});
    const Encoded encoded = Encode(QSize(40, 30), steps);
    ASSERT_EQ(encoded.failure, Failure::None);
    EXPECT_EQ(encoded.counts.frames, static_cast<int>(c.pictures.size()));
    EXPECT_EQ(encoded.counts.images, c.images);
    EXPECT_EQ(encoded.counts.localTables, c.localTables);
    EXPECT_EQ(encoded.counts.pixels, c.pixels);
    EXPECT_EQ(encoded.counts.bytes, encoded.bytes.size());

    const GifFile gif = ReadGifBytes(encoded.bytes);
    ASSERT_TRUE(gif.readable);
    EXPECT_EQ(gif.loopCount, -1); // NETSCAPE2.0 with a count of 0: for ever
    ASSERT_EQ(gif.frames.size(), static_cast<size_t>(c.images));
    for (size_t i = 0; i < gif.frames.size(); ++i) {
        EXPECT_EQ(gif.frames[i].delayMs, c.delaysMs[i]) << "image " << i;
        EXPECT_EQ(gif.frames[i].image, c.pictures[static_cast<size_t>(c.shownAs[i])])
            << "image " << i;
    }
}

const QImage kPlain = Filled(40, 30, kWhite);
const QImage kCorners = Marked(kWhite, {{{0, 0}, kBlack}, {{39, 29}, kGreen}});
const QImage kMiddle = Marked(kWhite, {{{20, 10}, kGrey}, {{22, 12}, kGrey}});
const QImage kForeign = Marked(kWhite, {{{5, 6}, kOutside}, {{7, 6}, kBlack}});
// Every pixel changes, half of them to black: a transparent pixel must not read as black.
const QImage kAllBlackOrGrey = [] {
    QImage image = Filled(40, 30, kGrey);
    for (int y = 0; y < 30; ++y)
        for (int x = y % 2; x < 40; x += 2)
            image.setPixel(x, y, kBlack);
    return image;
}();

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Frames, FrameSequenceTest,
    ::testing::Values(
        //           name, pictures, ticks, images, delays (ms), shown as, local tables, pixels
        SequenceCase{"OneFrame", {kCorners}, {0}, 1, {50}, {0}, 0, 1200},
        // The second image covers the rectangle from one changed corner to the other.
        SequenceCase{"ChangesAtOppositeCorners", {kPlain, kCorners}, {0, 1}, 2, {50, 50}, {0, 1}, 0,
                     2400},
        SequenceCase{"SmallChangeSmallRectangle", {kPlain, kMiddle}, {0, 1}, 2, {50, 50}, {0, 1}, 0,
                     1200 + 9},
        // An unchanged frame writes nothing; the image before stays for both ticks.
        SequenceCase{"UnchangedFrameLengthensTheImageBefore", {kPlain, kPlain, kMiddle}, {0, 1, 2},
                     2, {100, 50}, {0, 2}, 0, 1200 + 9},
        // Frames left out between ticks 1 and 4: the image of tick 1 shows for three ticks.
        SequenceCase{"TicksLeftOutLengthenTheDelay", {kPlain, kMiddle, kCorners}, {0, 1, 4}, 3,
                     {50, 150, 50}, {0, 1, 2}, 0, 1200 + 9 + 1200},
        SequenceCase{"ColourOutsideTheTableGetsATableOfItsOwn", {kPlain, kForeign, kPlain},
                     {0, 1, 2}, 3, {50, 50, 50}, {0, 1, 2}, 1, 1200 + 3 + 3},
        SequenceCase{"ForeignColourInTheFirstFrame", {kForeign, kPlain}, {0, 1}, 2, {50, 50},
                     {0, 1}, 1, 1200 + 3},
        SequenceCase{"EveryPixelChanged", {kPlain, kAllBlackOrGrey, kPlain}, {0, 1, 2}, 3,
                     {50, 50, 50}, {0, 1, 2}, 0, 3600}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(GifEncoder, LastImageTakesTheGivenTicks) {
    const Encoded encoded = Encode(QSize(40, 30), {{{{kPlain, 0}}, 0}}, 7);
    const GifFile gif = ReadGifBytes(encoded.bytes);
    ASSERT_EQ(gif.frames.size(), 1u);
    EXPECT_EQ(gif.frames[0].delayMs, 350);
}

// Two pictures stacked into one frame; what no picture covers stays white.
TEST(GifEncoder, PicturesStackIntoTheFrame) {
    const QImage top = Filled(30, 10, kGrey);
    const QImage bottom = Filled(40, 20, kGreen);
    const Encoded encoded = Encode(QSize(40, 30), {{{{top, 0}, {bottom, 10}}, 0}});
    const GifFile gif = ReadGifBytes(encoded.bytes);
    ASSERT_EQ(gif.frames.size(), 1u);
    const QImage& frame = gif.frames[0].image;
    EXPECT_EQ(frame.pixel(29, 9), kGrey);
    EXPECT_EQ(frame.pixel(30, 9), kWhite);
    EXPECT_EQ(frame.pixel(0, 10), kGreen);
    EXPECT_EQ(frame.pixel(39, 29), kGreen);
}

TEST(GifEncoder, APictureThatDoesNotFitStopsTheRecording) {
    GifEncoder encoder(QSize(40, 30), kPalette, 5, [](auto) { return true; });
    EXPECT_EQ(encoder.Paste(Filled(40, 20, kGrey), 11), Failure::PictureTooLarge);
    EXPECT_EQ(encoder.EndFrame(0), Failure::PictureTooLarge);
    EXPECT_EQ(encoder.Finish(1), Failure::PictureTooLarge);
}

// 300 colours in one changed rectangle cannot be held by any table of 256.
TEST(GifEncoder, MoreColoursThanATableHoldsFail) {
    QImage rainbow = Filled(40, 30, kWhite);
    for (int i = 0; i < 300; ++i)
        rainbow.setPixel(i % 40, i / 40, qRgb(i % 256, i / 256 + 1, 7));
    for (const bool first : {true, false}) {
        std::vector<FrameStep> frames;
        if (!first)
            frames.push_back({{{kPlain, 0}}, 0});
        frames.push_back({{{rainbow, 0}}, 1});
        EXPECT_EQ(Encode(QSize(40, 30), frames).failure, Failure::TooManyColours) << first;
    }
}

TEST(GifEncoder, AFailedWriteEndsTheRecording) {
    int writes = 0;
    GifEncoder encoder(QSize(40, 30), kPalette, 5, [&writes](auto) { return ++writes < 2; });
    EXPECT_EQ(encoder.EndFrame(0), Failure::None); // the header
    encoder.Paste(kCorners, 0);
    EXPECT_EQ(encoder.EndFrame(1), Failure::CannotWrite); // the first image
    EXPECT_EQ(encoder.EndFrame(2), Failure::CannotWrite);
    EXPECT_EQ(encoder.Finish(1), Failure::CannotWrite);
    EXPECT_EQ(writes, 2);
}

TEST(ColourIndex, FindsEveryColourAndNothingElse) {
    std::vector<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours.push_back(qRgb(i, 255 - i, i / 2));
    const ColourIndex index(colours);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(index.Find(colours[static_cast<size_t>(i)]), i);
    EXPECT_EQ(index.Find(qRgb(1, 1, 1)), -1);
    EXPECT_EQ(index.Find(qRgba(0, 255, 0, 0)), 0); // alpha is not part of the colour
}

} // namespace
} // namespace recording
