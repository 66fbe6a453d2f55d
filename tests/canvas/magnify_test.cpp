// The magnified copy a window shows of a picture: every picture pixel covers a span of screen
// pixels, the spans tile the screen without gap or overlap, the pixel under a screen position
// is the one whose span holds it, and a steady redraw keeps its buffer.
#include "canvas/magnify.h"

#include <gtest/gtest.h>

#include <string>

namespace canvas {
namespace {

struct MagnifyRow {
    const char* name;
    int percent;
};

class MagnifyTest : public testing::TestWithParam<MagnifyRow> {};

TEST_P(MagnifyTest, SpansTileTheScreenAndThePixelUnderAPositionOwnsItsSpan) {
    const int percent = GetParam().percent;
    EXPECT_EQ(MagnifiedLength(0, percent), 0);
    for (int p = -20; p < 400; ++p) {
        const int start = MagnifiedLength(p, percent);
        const int end = MagnifiedLength(p + 1, percent);
        // One or two screen pixels per picture pixel at 150 %, exactly the factor at whole ones.
        EXPECT_GE(end - start, percent / 100) << p;
        EXPECT_LE(end - start, (percent + 99) / 100) << p;
        for (int s = start; s < end; ++s)
            ASSERT_EQ(PicturePixelAt(s, percent), p) << "screen " << s;
    }
    if (percent % 100 == 0) {
        EXPECT_EQ(MagnifiedLength(385, percent), 385 * percent / 100);
        EXPECT_EQ(PicturePixelAt(-1, percent), -1);
    }
}

TEST_P(MagnifyTest, EveryPixelBecomesItsSpanAndTheBufferStays) {
    const int percent = GetParam().percent;
    QImage picture(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(30 * x, 40 * y, 7 * x * y));
    QImage shown;
    Magnify(picture, percent, shown);
    ASSERT_EQ(shown.size(), QSize(MagnifiedLength(7, percent), MagnifiedLength(5, percent)));
    EXPECT_EQ(shown.format(), picture.format());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y),
                      picture.pixel(PicturePixelAt(x, percent), PicturePixelAt(y, percent)))
                << x << "," << y;

    const uchar* buffer = shown.constBits();
    picture.setPixel(6, 4, qRgb(1, 2, 3));
    Magnify(picture, percent, shown);
    EXPECT_EQ(shown.constBits(), buffer);
    EXPECT_EQ(shown.pixel(shown.width() - 1, shown.height() - 1), qRgb(1, 2, 3));
}

INSTANTIATE_TEST_SUITE_P(Percents, MagnifyTest,
                         testing::Values(MagnifyRow{"Designed", 100},
                                         MagnifyRow{"OneAndAHalf", 150}, MagnifyRow{"Double", 200},
                                         MagnifyRow{"TwoAndAHalf", 250}, MagnifyRow{"Triple", 300},
                                         MagnifyRow{"Quadruple", 400}),
                         [](const testing::TestParamInfo<MagnifyRow>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace canvas
