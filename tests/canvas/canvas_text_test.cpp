// Text on the canvas: cells placed by the alignment and turned about their corner, opaque
// backgrounds, the clip, and fonts kept apart. Fonts need the application object.
#include "canvas/canvas.h"
#include "canvas/pixel_reference.h"

#include <gtest/gtest.h>

#include <QString>

#include <string>
#include <tuple>

namespace canvas {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;

using test::CountColour;
using test::InkBox;

class TextAlignTest : public ::testing::TestWithParam<std::tuple<unsigned, int, int>> {};

TEST_P(TextAlignTest, InkLiesInTheAlignedCell) {
    const auto [flags, xFactor2, yCell] = GetParam(); // offsets in half widths / whole heights
    Canvas canvas(200, 80);
    canvas.SetFont({"Arial", 12, kColourBlack});
    canvas.SetBackMode(BackMode::Transparent);
    canvas.SetTextAlignment(flags);
    const TextSize size = canvas.TextExtent(QStringLiteral("Wxg"));
    ASSERT_GT(size.width, 0);
    ASSERT_GT(size.height, 0);
    const int x = 100;
    const int y = 40;
    canvas.TextOut(x, y, QStringLiteral("Wxg"));
    const int left = x - (xFactor2 * size.width) / 2;
    const int top = y - yCell * size.height;
    const CanvasRect ink = InkBox(canvas, kColourWhite);
    ASSERT_LT(ink.left, ink.right);
    EXPECT_GE(ink.left, left - 1);
    EXPECT_LE(ink.right, left + size.width + 1);
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.bottom, top + size.height);
    // Ink fills most of the cell width.
    EXPECT_GT(ink.right - ink.left, size.width / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, TextAlignTest,
    ::testing::Values(std::make_tuple(text_align::kLeft | text_align::kTop, 0, 0),
                      std::make_tuple(text_align::kRight | text_align::kTop, 2, 0),
                      std::make_tuple(text_align::kCentre | text_align::kTop, 1, 0),
                      std::make_tuple(text_align::kCentre | text_align::kBottom, 1, 1),
                      std::make_tuple(text_align::kRight | text_align::kBottom, 2, 1)));

TEST(CanvasTextTest, OpaqueBackgroundFillsTheCell) {
    Canvas canvas(200, 60);
    canvas.SetFont({"Tahoma", 8, kBlue});
    canvas.SetBrushColour(kGreen); // realised by the text output
    canvas.TextOut(10, 10, "Oscilograf");
    const TextSize size = canvas.TextExtent("Oscilograf");
    EXPECT_EQ(InkBox(canvas, kColourWhite),
              (CanvasRect{10, 10, 10 + size.width, 10 + size.height}));
    EXPECT_GT(CountColour(canvas, kBlue), 10);
    EXPECT_EQ(CountColour(canvas, kBlue) + CountColour(canvas, kGreen), size.width * size.height);
}

TEST(CanvasTextTest, ExtentGrowsWithTextAndFontSize) {
    Canvas canvas(10, 10);
    canvas.SetFont({"Arial", 8});
    const TextSize small = canvas.TextExtent("Vreme, s");
    const TextSize shorter = canvas.TextExtent("Vreme");
    canvas.SetFont({"Arial", 16});
    const TextSize big = canvas.TextExtent("Vreme, s");
    EXPECT_LT(shorter.width, small.width);
    EXPECT_GT(big.width, small.width);
    EXPECT_GT(big.height, small.height);
    EXPECT_EQ(canvas.TextExtent("").width, 0);
}

struct RotationCase {
    int angle;
    // The cell of a w x h text at reference (x, y) with left + top alignment, as the corner
    // offsets (in units of w and h) of the screen rectangle it turns into.
    int leftW, leftH, topW, topH, rightW, rightH, bottomW, bottomH;
};

class RotatedTextTest : public ::testing::TestWithParam<RotationCase> {};

TEST_P(RotatedTextTest, CellTurnsAboutItsTopLeftCorner) {
    const RotationCase& c = GetParam();
    Canvas canvas(200, 200);
    canvas.SetFont({"Arial", 10});
    canvas.SetBrushColour(kGreen); // opaque background: the whole cell shows
    const QString text = QStringLiteral("Debljina");
    const TextSize size = canvas.TextExtent(text);
    const int x = 100;
    const int y = 100;
    canvas.TextOutRotated(x, y, text, c.angle);
    const CanvasRect expected{x + c.leftW * size.width + c.leftH * size.height,
                              y + c.topW * size.width + c.topH * size.height,
                              x + c.rightW * size.width + c.rightH * size.height,
                              y + c.bottomW * size.width + c.bottomH * size.height};
    EXPECT_EQ(InkBox(canvas, kColourWhite), expected);
    EXPECT_GT(CountColour(canvas, kColourBlack), 20);
    EXPECT_EQ(CountColour(canvas, kColourBlack) + CountColour(canvas, kGreen),
              size.width * size.height);
}

INSTANTIATE_TEST_SUITE_P(QuarterTurns, RotatedTextTest,
                         ::testing::Values(RotationCase{0, 0, 0, 0, 0, 1, 0, 0, 1},
                                           RotationCase{90, 0, 0, -1, 0, 0, 1, 0, 0},
                                           RotationCase{180, -1, 0, 0, -1, 0, 0, 0, 0},
                                           RotationCase{270, 0, -1, 0, 0, 0, 0, 1, 0},
                                           RotationCase{-90, 0, -1, 0, 0, 0, 0, 1, 0}),
                         [](const auto& info) {
                             return "Angle" + std::to_string(info.param.angle + 360);
                         });

TEST(CanvasTextTest, OtherAnglesAreRotatedByThePainter) {
    Canvas canvas(200, 200);
    canvas.SetFont({"Arial", 10});
    canvas.SetBackMode(BackMode::Transparent);
    const TextSize size = canvas.TextExtent("Debljina");
    canvas.TextOutRotated(50, 150, "Debljina", 45);
    const CanvasRect ink = InkBox(canvas, kColourWhite);
    // Up and to the right of the reference point, about w / sqrt(2) each way.
    EXPECT_GE(ink.left, 49);
    EXPECT_LE(ink.bottom, 150 + size.height);
    EXPECT_GT(ink.right - ink.left, size.width / 2);
    EXPECT_GT(ink.bottom - ink.top, size.width / 2);
}

TEST(CanvasTextTest, RepeatedTextDrawsTheSamePixelsPerFont) {
    Canvas first(120, 40);
    Canvas second(120, 40);
    first.SetFont({"Arial", 8});
    second.SetFont({"Arial", 8});
    second.TextOut(5, 5, "0,25"); // rendered once, then taken from the cache
    second.FillRect({0, 0, 120, 40});
    first.TextOut(5, 5, "0,25");
    second.TextOut(5, 5, "0,25");
    EXPECT_EQ(first.Image(), second.Image());
    // Another font with the same text is not mistaken for the cached one.
    second.SetFont({"Arial", 8, kColourBlack, true});
    EXPECT_GT(second.TextExtent("0,25").width, 0);
    second.SetFont({"Arial", 16});
    EXPECT_GT(second.TextExtent("0,25").width, first.TextExtent("0,25").width);
}

TEST(CanvasTextTest, TextRespectsTheClip) {
    Canvas canvas(100, 40);
    canvas.SetFont({"Arial", 14});
    canvas.SetBackMode(BackMode::Transparent);
    canvas.ClipToRect({0, 0, 20, 40});
    canvas.TextOut(5, 5, "MMMMMMMM");
    EXPECT_LE(InkBox(canvas, kColourWhite).right, 20);
}

TEST(CanvasTextTest, FontsSwitchBackAndForthWithTheirOwnSizes) {
    Canvas canvas(10, 10);
    canvas.SetFont({"Arial", 8, kColourBlack});
    const TextSize small = canvas.TextExtent(QStringLiteral("1,000"));
    const int smallHeight = canvas.FontHeight();
    canvas.SetFont({"Arial", 16, kColourBlack, true});
    const TextSize large = canvas.TextExtent(QStringLiteral("1,000"));
    EXPECT_GT(large.width, small.width);
    EXPECT_GT(canvas.FontHeight(), smallHeight);
    EXPECT_EQ(canvas.FontHeight(), large.height);
    // A colour change keeps the font; the first font is found again.
    canvas.SetFont({"Arial", 8, kRed});
    EXPECT_EQ(canvas.TextExtent(QStringLiteral("1,000")).width, small.width);
    EXPECT_EQ(canvas.FontHeight(), smallHeight);
}

TEST(CanvasTextTest, TextsBeyondTheCacheSizeStillMeasureTheSame) {
    Canvas canvas(10, 10);
    canvas.SetFont({"Arial", 8, kColourBlack});
    const int first = canvas.TextExtent(QStringLiteral("12345")).width;
    for (int i = 0; i < 1200; ++i) {
        canvas.TextExtent(QString::number(i * 7919));
    }
    EXPECT_EQ(canvas.TextExtent(QStringLiteral("12345")).width, first);
}

} // namespace
} // namespace canvas
