#include "chart/chart_exception.h"
#include "chart/chart_test_support.h"
#include "chart/series/line_series.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace chart {
namespace {

using test::ColoursInRow;
using test::CountColour;
using test::Draw;
using test::MakePlainChart;

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;

class LineSeriesTest : public testing::Test {
protected:
    LineSeriesTest() : target(100, 100) {
        MakePlainChart(chart);
        series.SetParentChart(&chart);
    }
    void Ranges(double x0, double x1, double y0, double y1) {
        chart.BottomAxis().SetAxisRange(x0, x1);
        chart.LeftAxis().SetAxisRange(y0, y1);
    }
    TChart chart;
    TLineSeries series;
    canvas::Canvas target;
};

TEST_F(LineSeriesTest, EachSegmentTakesTheColourOfThePointItLeadsTo) {
    Ranges(0, 2, 0, 10);
    series.AddPoint(0, 0, "", kRed);
    series.AddPoint(1, 10, "", kGreen);
    series.AddPoint(2, 0, "", kBlue);
    Draw(chart, target);
    EXPECT_TRUE(ColoursInRow(target, 50, 1, 50).count(kGreen));
    EXPECT_TRUE(ColoursInRow(target, 50, 50, 100).count(kBlue));
    EXPECT_EQ(CountColour(target, kRed), 0);
}

TEST_F(LineSeriesTest, GapLeavesBothSidesOpen) {
    Ranges(0, 4, 0, 10);
    for (int i = 0; i <= 4; ++i) {
        series.AddPoint(i, 5, "", i == 2 ? clNone : kGreen);
    }
    Draw(chart, target);
    EXPECT_EQ(target.PixelAt(10, 50), kGreen);
    EXPECT_EQ(target.PixelAt(80, 50), kGreen);
    EXPECT_EQ(ColoursInRow(target, 50, 26, 75), (std::set<TColor>{clBlack}));
}

TEST_F(LineSeriesTest, FirstVisibleSegmentEntersAtThePlotEdge) {
    Ranges(10, 20, 0, 10);
    series.AddPoint(5, 0, "", kGreen);
    series.AddPoint(15, 10, "", kGreen);
    Draw(chart, target);
    // From (0, row of Y 5 = 50) to (50, 0).
    EXPECT_EQ(target.PixelAt(1, 49), kGreen);
    EXPECT_EQ(target.PixelAt(25, 25), kGreen);
    EXPECT_EQ(target.PixelAt(1, 99), clBlack);
}

TEST_F(LineSeriesTest, FarPointsAreSkippedAndNeighboursJoined) {
    Ranges(0, 2, 0, 10);
    series.AddPoint(0, 5, "", kGreen);
    series.AddPoint(1, 1e9, "", kRed);
    series.AddPoint(2, 5, "", kBlue);
    Draw(chart, target);
    EXPECT_EQ(target.PixelAt(50, 50), kBlue);
    EXPECT_EQ(CountColour(target, kRed), 0);
}

struct StairsCase {
    bool inverted;
    int runX, runY;       // a pixel of the part drawn in the first move
    int unusedX, unusedY; // a pixel of the other corner's path
};

class StairsTest : public LineSeriesTest, public testing::WithParamInterface<StairsCase> {};

TEST_P(StairsTest, RunAndRiseOrder) {
    Ranges(-0.5, 1.5, -5, 15);
    series.SetStairs(true);
    series.SetInvertedStairs(GetParam().inverted);
    series.AddPoint(0, 0, "", kGreen);
    series.AddPoint(1, 10, "", kGreen);
    Draw(chart, target);
    // Point pixels: (25, 75) and (75, 25).
    EXPECT_EQ(target.PixelAt(GetParam().runX, GetParam().runY), kGreen);
    EXPECT_EQ(target.PixelAt(GetParam().unusedX, GetParam().unusedY), clBlack);
}

INSTANTIATE_TEST_SUITE_P(Both, StairsTest,
                         testing::Values(StairsCase{false, 50, 75, 25, 50},
                                         StairsCase{true, 25, 50, 50, 75}));

TEST_F(LineSeriesTest, SinglePointAndHiddenPen) {
    Ranges(0, 2, 0, 10);
    series.AddPoint(1, 5, "", kGreen);
    Draw(chart, target);
    EXPECT_EQ(CountColour(target, kGreen), 0);

    series.ClearValues();
    series.AddPoint(0.5, 5, "", kGreen);
    series.AddPoint(1.5, 5, "", kGreen);
    series.LinePen.SetVisible(false);
    series.Pointer.SetVisible(true);
    Draw(chart, target);
    EXPECT_EQ(target.PixelAt(25, 50), kGreen); // markers still drawn
    EXPECT_EQ(target.PixelAt(75, 50), kGreen);
    EXPECT_EQ(target.PixelAt(50, 50), clBlack); // no segment
}

TEST_F(LineSeriesTest, PointAtPixelOnPointsAndSegments) {
    Ranges(0, 100, 0, 100);
    series.AddPoint(10, 90, "", kGreen); // pixel (10, 10)
    series.AddPoint(20, 80, "", kGreen); // pixel (20, 20)
    Draw(chart, target);
    EXPECT_EQ(series.PointAtPixel(15, 15), 0);
    EXPECT_EQ(series.PointAtPixel(20, 20), 1);
    EXPECT_EQ(series.PointAtPixel(15, 16), -1);
    EXPECT_EQ(series.PointAtPixel(25, 25), -1);
    series.ClickableLine = false;
    EXPECT_EQ(series.PointAtPixel(15, 15), -1);
}

TEST(SeriesPointerTest, MarginsAndSizeCheck) {
    TLineSeries line;
    int left = -1;
    int right = -1;
    line.HorizontalMargins(left, right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
    line.Pointer.SetVisible(true);
    line.HorizontalMargins(left, right);
    EXPECT_EQ(left, 5);
    EXPECT_EQ(right, 5);
    line.Pointer.SetVertSize(2);
    line.VerticalMargins(left, right);
    EXPECT_EQ(left, 3);
    try {
        line.Pointer.SetHorizSize(0);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Pointer size must be greater than zero");
    }
    EXPECT_EQ(line.Pointer.HorizSize(), 4);
}

TEST(SeriesClassesTest, DefaultsOfTheConcreteClasses) {
    TLineSeries line;
    TPointSeries points;
    TAreaSeries area;
    EXPECT_TRUE(line.JoinPoints());
    EXPECT_FALSE(line.Pointer.Visible());
    EXPECT_TRUE(line.KeepPointPastEdge);
    EXPECT_FALSE(points.JoinPoints());
    EXPECT_TRUE(points.Pointer.Visible());
    EXPECT_FALSE(points.ClickableLine);
    EXPECT_EQ(points.Marks.ArrowLength, 0);
    EXPECT_TRUE(area.DrawArea());
    EXPECT_FALSE(area.Pointer.Visible());
}

class MarkerStyleTest : public testing::TestWithParam<TSeriesPointerStyle> {};

// Every marker shape is drawn in the point colour around its centre and nowhere far off.
TEST_P(MarkerStyleTest, DrawsAroundTheCentre) {
    TChart chart;
    MakePlainChart(chart);
    TPointSeries points;
    points.SetParentChart(&chart);
    points.Pointer.SetStyle(GetParam());
    points.Pointer.Pen.SetColor(clAutomatic);
    chart.BottomAxis().SetAxisRange(0, 100);
    chart.LeftAxis().SetAxisRange(0, 100);
    points.AddPoint(50, 50, "", kGreen);
    points.AddPoint(60, 50, "", kGreen); // the marker of the last point is drawn too
    canvas::Canvas target(100, 100);
    Draw(chart, target);
    EXPECT_GT(CountColour(target, kGreen), 1);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (target.PixelAt(x, y) == kGreen) {
                EXPECT_TRUE(x >= 45 && x <= 65 && y >= 45 && y <= 55) << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, MarkerStyleTest,
    testing::Values(TSeriesPointerStyle::psRectangle, TSeriesPointerStyle::psCircle,
                    TSeriesPointerStyle::psTriangle, TSeriesPointerStyle::psDownTriangle,
                    TSeriesPointerStyle::psCross, TSeriesPointerStyle::psDiagCross,
                    TSeriesPointerStyle::psStar, TSeriesPointerStyle::psDiamond,
                    TSeriesPointerStyle::psSmallDot));

// The same line drawn point by point, as every series whose points go through DrawPoint.
class PointByPointLineSeries : public TLineSeries {
protected:
    bool DrawsPointByPoint() const override { return true; }
};

struct LineRunCase {
    const char* name;
    std::vector<std::pair<double, double>> points;
    std::vector<TColor> colours;
    int penWidth;
    TPenStyle penStyle;
    double xMin; // bottom axis minimum: above the first point's X enters at the plot edge
};

void PrintTo(const LineRunCase& c, std::ostream* os) {
    *os << c.name;
}

// The canvas as one series' drawing leaves it: pixels, pen and brush, pen position.
struct SeriesDrawing {
    std::vector<TColor> pixels;
    canvas::Pen pen;
    canvas::Brush brush;
};

SeriesDrawing DrawLine(TLineSeries& series, const LineRunCase& c) {
    TChart chart;
    MakePlainChart(chart, 120, 90);
    series.SetParentChart(&chart);
    series.LinePen.SetWidth(c.penWidth);
    series.LinePen.SetStyle(c.penStyle);
    chart.BottomAxis().SetAxisRange(c.xMin, 12);
    chart.LeftAxis().SetAxisRange(0, 10);
    for (std::size_t i = 0; i < c.points.size(); ++i) {
        series.AddPoint(c.points[i].first, c.points[i].second, "", c.colours[i % c.colours.size()]);
    }
    SeriesDrawing result;
    series.AfterDrawValues = [&result](TChartSeries* s) {
        result.pen = s->ParentChart()->Canvas().Pen();
        result.brush = s->ParentChart()->Canvas().Brush();
    };
    canvas::Canvas target(120, 90);
    Draw(chart, target);
    for (int y = 0; y < target.Height(); ++y) {
        for (int x = 0; x < target.Width(); ++x) {
            result.pixels.push_back(target.PixelAt(x, y));
        }
    }
    series.SetParentChart(nullptr);
    return result;
}

class LineRunTest : public testing::TestWithParam<LineRunCase> {};

TEST_P(LineRunTest, RunsDrawWhatPointByPointDrawingDraws) {
    TLineSeries runs;
    PointByPointLineSeries single;
    const SeriesDrawing a = DrawLine(runs, GetParam());
    const SeriesDrawing b = DrawLine(single, GetParam());
    EXPECT_EQ(a.pixels, b.pixels);
    EXPECT_EQ(a.pen, b.pen);
    EXPECT_EQ(a.brush, b.brush);
    EXPECT_EQ(runs.OldX, single.OldX);
    EXPECT_EQ(runs.OldY, single.OldY);
    EXPECT_EQ(runs.OldColor, single.OldColor);
    EXPECT_EQ(runs.BottomPos, single.BottomPos);
}

const std::vector<std::pair<double, double>> kZigzag{{0, 1}, {1, 9}, {2, 2},   {3, 8},
                                                     {4, 5}, {5, 5}, {6, 0.5}, {7, 9.5},
                                                     {8, 3}, {9, 3}, {10, 7},  {11, 6}};

INSTANTIATE_TEST_SUITE_P(
    Lines, LineRunTest,
    testing::Values(
        LineRunCase{"OneColour", kZigzag, {kGreen}, 1, TPenStyle::psSolid, 0},
        LineRunCase{
            "ColourChanges", kZigzag, {kGreen, kGreen, kRed, kBlue}, 1, TPenStyle::psSolid, 0},
        LineRunCase{"Gaps", kZigzag, {kGreen, kGreen, clNone}, 1, TPenStyle::psSolid, 0},
        LineRunCase{"GapAtTheEnd",
                    kZigzag,
                    {kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen,
                     kGreen, clNone},
                    1,
                    TPenStyle::psSolid,
                    0},
        LineRunCase{"RepeatedPointsWide",
                    {{0, 1}, {1, 5}, {1, 5}, {2, 5}, {2, 5}, {3, 2}, {3, 2}},
                    {kBlue},
                    3,
                    TPenStyle::psSolid,
                    0},
        LineRunCase{
            "RepeatedLastPoint", {{0, 1}, {4, 5}, {4, 5}}, {kRed}, 1, TPenStyle::psSolid, 0},
        LineRunCase{"FarPoints",
                    {{0, 1}, {1, 1e9}, {2, 4}, {3, -1e9}, {4, 6}, {5, 6}},
                    {kGreen, kRed},
                    2,
                    TPenStyle::psSolid,
                    0},
        LineRunCase{"Dotted", kZigzag, {kGreen, kBlue}, 1, TPenStyle::psDot, 0},
        LineRunCase{"EntersAtTheEdge", kZigzag, {kGreen, kRed}, 1, TPenStyle::psSolid, 2.5},
        LineRunCase{"OnePointVisible", kZigzag, {kGreen}, 1, TPenStyle::psSolid, 10.5}),
    [](const testing::TestParamInfo<LineRunCase>& info) { return info.param.name; });

TEST(AreaSeriesTest, FillsDownToThePlotBottom) {
    TChart chart;
    MakePlainChart(chart);
    TAreaSeries area;
    area.SetParentChart(&chart);
    chart.BottomAxis().SetAxisRange(0, 100);
    chart.LeftAxis().SetAxisRange(0, 100);
    area.AddPoint(20, 50, "", kGreen);
    area.AddPoint(80, 50, "", kGreen);
    canvas::Canvas target(100, 100);
    Draw(chart, target);
    EXPECT_EQ(target.PixelAt(50, 70), kGreen);
    EXPECT_EQ(target.PixelAt(50, 30), clBlack);
    EXPECT_EQ(area.PointAtPixel(50, 70), 0);
}

} // namespace
} // namespace chart
