#include "chart/chart_canvas.h"

#include <climits>
#include <gtest/gtest.h>

namespace chart {
namespace {

struct MulDivCase {
    int a, b, c, result;
};

class MulDivTest : public testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsHalvesAwayFromZero) {
    const MulDivCase& m = GetParam();
    EXPECT_EQ(MulDiv(m.a, m.b, m.c), m.result);
}

INSTANTIATE_TEST_SUITE_P(Table, MulDivTest,
                         testing::Values(MulDivCase{5, 161, 100, 8}, MulDivCase{1, 385, 100, 4},
                                         MulDivCase{1, 3, 2, 2}, MulDivCase{1, -3, 2, -2},
                                         MulDivCase{-1, 3, -2, 2}, MulDivCase{160, -127, 161, -126},
                                         MulDivCase{7, 7, 0, -1},
                                         MulDivCase{100000, 100000, 100000, 100000}));

class ChartCanvasTest : public testing::Test {
protected:
    ChartCanvasTest() : target(60, 161, 0x000000) { canvas.SetTarget(&target); }
    canvas::Canvas target;
    TQixCanvas3D canvas;
};

TEST_F(ChartCanvasTest, GradientRowsOfA161PixelPanel) {
    canvas.FillGradient({0, 0, 60, 161}, 0xFFFFFF, 0x80FFFF, TGradientDirection::gdTopBottom);
    EXPECT_EQ(target.PixelAt(0, 160), 0xFFFFFFu);
    EXPECT_EQ(target.PixelAt(59, 160), 0xFFFFFFu);
    // Blue: 255 + MulDiv(160, -127, 161) = 129.
    EXPECT_EQ(target.PixelAt(0, 0), 0x81FFFFu);
    EXPECT_EQ(target.PixelAt(30, 80), MakeColour(255, 255, 255 + MulDiv(80, -127, 161)));
    // Every row is one band: neighbours differ by at most one step.
    for (int y = 1; y < 161; ++y) {
        const int above = BlueOf(target.PixelAt(0, y - 1));
        const int below = BlueOf(target.PixelAt(0, y));
        EXPECT_LE(above, below);
        EXPECT_LE(below - above, 1);
    }
}

TEST_F(ChartCanvasTest, GradientDirectionsAndEmptyExtent) {
    canvas.FillGradient({0, 5, 60, 5}, 0xFFFFFF, 0x80FFFF, TGradientDirection::gdTopBottom);
    EXPECT_EQ(target.PixelAt(10, 5), 0x000000u);
    EXPECT_EQ(target.PixelAt(10, 4), 0x000000u);
    // Vertical bands start at the right edge; a reversed rectangle is normalised.
    canvas.FillGradient({10, 20, 0, 10}, 0x0000FF, 0xFF0000, TGradientDirection::gdLeftRight);
    EXPECT_EQ(target.PixelAt(9, 15), 0x0000FFu);
    EXPECT_EQ(target.PixelAt(0, 15), MakeColour(255 + MulDiv(9, -255, 10), 0, MulDiv(9, 255, 10)));
    EXPECT_EQ(target.PixelAt(10, 15), 0x000000u);
}

TEST_F(ChartCanvasTest, GradientLeavesCurrentBrush) {
    canvas.SetBrushColor(0x00FF00);
    canvas.FillGradient({0, 0, 60, 20}, 0xFFFFFF, 0x000000, TGradientDirection::gdBottomTop);
    EXPECT_EQ(canvas.Brush().colour, 0x00FF00u);
}

TEST_F(ChartCanvasTest, Frame3DCorners) {
    canvas.DrawFrame3D({0, 0, 10, 10}, 0x0000FF, 0x00FF00, 1);
    EXPECT_EQ(target.PixelAt(0, 0), 0x0000FFu);
    EXPECT_EQ(target.PixelAt(8, 0), 0x0000FFu);
    EXPECT_EQ(target.PixelAt(9, 0), 0x00FF00u);
    EXPECT_EQ(target.PixelAt(9, 9), 0x00FF00u);
    EXPECT_EQ(target.PixelAt(0, 9), 0x00FF00u);
    EXPECT_EQ(target.PixelAt(1, 1), 0x000000u);
    EXPECT_EQ(target.PixelAt(10, 10), 0x000000u);
}

TEST_F(ChartCanvasTest, RotatedTextRunsBottomToTop) {
    canvas.SetFontColor(0xFFFFFF);
    canvas.SetTextAlignment(0);
    canvas.DrawRotatedText(20, 120, "WWWWWW", 90);
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (int y = 0; y < target.Height(); ++y) {
        for (int x = 0; x < target.Width(); ++x) {
            if (target.PixelAt(x, y) != 0) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    ASSERT_NE(minX, INT_MAX);
    EXPECT_GT(maxY - minY, 2 * (maxX - minX));
    EXPECT_GE(minX, 19);
    EXPECT_LE(maxY, 121);
}

TEST_F(ChartCanvasTest, UseChartPenAndReset) {
    TChartPen hidden(false, 0x00FF00, TPenStyle::psSolid, 3);
    canvas.UseChartPen(hidden);
    EXPECT_EQ(canvas.Pen().style, canvas::PenStyle::Clear);
    TChartAxisPen axis;
    canvas.UseChartPen(axis);
    EXPECT_EQ(canvas.Pen().width, 2);
    EXPECT_EQ(canvas.Pen().style, canvas::PenStyle::Solid);
    canvas.ResetDrawingState();
    EXPECT_EQ(canvas.Pen().width, 1);
    EXPECT_EQ(canvas.Pen().colour, 0u);
    EXPECT_EQ(canvas.Brush().colour, 0xFFFFFFu);
    EXPECT_EQ(canvas.GetBackMode(), kOpaque);
}

TEST(ChartCanvasFrameTest, BufferedFrameCopiesOnceAndRepaintsFromBuffer) {
    canvas::Canvas window(50, 30, 0x000000);
    TQixCanvas3D canvas;
    const TRect r = canvas.BeginFrame(&window, {0, 0, 50, 30}, false);
    EXPECT_EQ(r, (TRect{0, 0, 50, 30}));
    ASSERT_NE(canvas.Buffer(), nullptr);
    canvas.SetBrushColor(0x0000FF);
    canvas.FillRectangle({0, 0, 50, 30});
    EXPECT_EQ(window.PixelAt(5, 5), 0x000000u); // drawn off-screen only
    canvas.EndFrame(&window, &window);
    EXPECT_EQ(window.PixelAt(5, 5), 0x0000FFu);
    EXPECT_FALSE(canvas.Dirty());

    canvas::Canvas other(50, 30, 0x000000);
    EXPECT_TRUE(canvas.RepaintFromBuffer(&other));
    EXPECT_EQ(other.PixelAt(49, 29), 0x0000FFu);
    canvas.MarkDirty();
    EXPECT_FALSE(canvas.RepaintFromBuffer(&other));

    canvas.SetBuffered(false);
    EXPECT_EQ(canvas.Buffer(), nullptr);
    const TRect direct = canvas.BeginFrame(&other, {5, 5, 20, 20}, false);
    EXPECT_EQ(direct, (TRect{5, 5, 20, 20}));
    EXPECT_EQ(canvas.Target(), &other);
    canvas.EndFrame(&other, &window);
    EXPECT_TRUE(canvas.Dirty());
}

} // namespace
} // namespace chart
