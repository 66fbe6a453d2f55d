#include "chart/chart.h"
#include "chart/chart_exception.h"
#include "chart/chart_test_support.h"
#include "chart/series/bar_series.h"
#include "chart/series/fast_line_series.h"
#include "chart/series/pie_series.h"

#include <gtest/gtest.h>
#include <utility>

namespace chart {
namespace {

constexpr TColor kGreen = 0x00FF00;

// A 200 x 120 chart with a white plot and nothing around it but the panel: margins 1, 5, 1, 5, no
// title, no axes, 2D.
class ExtraSeriesChart : public testing::Test {
protected:
    void SetUp() override {
        test::MakeBare(chart, 200, 120);
        chart.SetBackColor(clWhite);
    }
    void Draw() { chart.DrawTo(&target, {0, 0, 200, 120}); }
    // Whether any pixel of the plot has the colour.
    bool PlotShows(TColor colour) const {
        const TRect& p = chart.PlotRect();
        for (int y = p.Top; y < p.Bottom; ++y) {
            for (int x = p.Left; x < p.Right; ++x) {
                if (target.PixelAt(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    // Whether the pixel (x, y) or one just above or below it has the colour: a line crosses a
    // column within a pixel of the exact row.
    bool ColumnShowsNear(int x, int y, TColor colour) const {
        return target.PixelAt(x, y - 1) == colour || target.PixelAt(x, y) == colour ||
               target.PixelAt(x, y + 1) == colour;
    }

    TChart chart;
    canvas::Canvas target{200, 120};
};

using BarSeriesTest = ExtraSeriesChart;

TEST_F(BarSeriesTest, BarsAreFilledFromTheOriginInThePointColour) {
    TBarSeries bars;
    bars.SetParentChart(&chart);
    bars.AddPoint(1, 5, "", clRed);
    bars.AddPoint(2, -2, "", kGreen);
    bars.AddPoint(3, 4, "", clNone);
    chart.LeftAxis().SetAxisRange(-5, 10);
    chart.BottomAxis().SetAxisRange(0, 4);
    Draw();

    const int origin = chart.LeftAxis().ValueToPixelY(0);
    const TRect up = bars.BarRect(0);
    // 70 % of the share of one of three points, whatever the bar margins did to the axis.
    EXPECT_EQ(up.Width(), chart.PlotGeometry().PlotWidth * 70 / 300);
    EXPECT_EQ(up.Top, bars.PointScreenY(0));
    EXPECT_EQ(up.Bottom, origin + 1);
    const int mid = (up.Top + up.Bottom) / 2;
    EXPECT_EQ(target.PixelAt(up.Left + 1, mid), clRed);
    EXPECT_EQ(target.PixelAt(up.Right - 2, mid), clRed);
    EXPECT_EQ(target.PixelAt(up.Left, mid), clBlack); // outline
    EXPECT_EQ(target.PixelAt(up.Right, mid), clWhite);
    EXPECT_EQ(target.PixelAt(up.Left + 2, up.Top - 1), clWhite);

    // A negative value hangs below the origin.
    const TRect down = bars.BarRect(1);
    EXPECT_EQ(down.Top, origin);
    EXPECT_GT(down.Bottom, origin + 5);
    EXPECT_EQ(target.PixelAt((down.Left + down.Right) / 2, origin + 3), kGreen);
    EXPECT_EQ(target.PixelAt((down.Left + down.Right) / 2, origin - 3), clWhite);

    // The gap draws nothing where its bar would be.
    const TRect gap = bars.BarRect(2);
    EXPECT_EQ(target.PixelAt((gap.Left + gap.Right) / 2, (gap.Top + gap.Bottom) / 2), clWhite);
}

TEST_F(BarSeriesTest, ExtentsTakeInTheOriginAndMarginsHalfABar) {
    TBarSeries bars;
    EXPECT_EQ(bars.YMinimum(), 0.0);
    EXPECT_EQ(bars.BarRect(0), TRect{}); // no chart, no axes
    bars.SetParentChart(&chart);
    Draw();
    int left = -1;
    int right = -1;
    bars.HorizontalMargins(left, right);
    EXPECT_EQ(left, 0); // no points: no room to keep
    bars.AddPoint(1, 5);
    bars.AddPoint(2, 8);
    EXPECT_EQ(bars.YMinimum(), 0.0);
    EXPECT_EQ(bars.YMaximum(), 8.0);
    bars.SetOrigin(10);
    EXPECT_EQ(bars.YMaximum(), 10.0);
    bars.SetUseOrigin(false);
    EXPECT_EQ(bars.YMinimum(), 5.0);
    EXPECT_EQ(bars.YMaximum(), 8.0);

    Draw();
    bars.HorizontalMargins(left, right);
    EXPECT_EQ(left, bars.BarThickness() / 2 + 1);
    EXPECT_EQ(right, left);
    int top = -1;
    int bottom = -1;
    bars.VerticalMargins(top, bottom);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(bottom, 0);
    EXPECT_FALSE(bars.KeepPointPastEdge);
}

TEST_F(BarSeriesTest, WidthPercentOutsideOneToHundredIsRefused) {
    TBarSeries bars;
    bars.SetBarWidthPercent(100);
    try {
        bars.SetBarWidthPercent(0);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Bar width percent must be between 1 and 100");
    }
    EXPECT_THROW(bars.SetBarWidthPercent(101), ChartException);
    EXPECT_EQ(bars.BarWidthPercent(), 100);
}

TEST_F(BarSeriesTest, HorizontalBarsAreOrderedByYAndGrowInX) {
    THorizBarSeries bars;
    bars.SetParentChart(&chart);
    EXPECT_FALSE(bars.IsYMandatory());
    EXPECT_EQ(bars.AddPoint(4, 2, "", clRed), 0);
    EXPECT_EQ(bars.AddPoint(6, 1, "b", kGreen), 0);
    EXPECT_EQ(bars.AppendValue(3), 2); // placed at Y = 2, after the equal value
    EXPECT_EQ(bars.YAt(0), 1.0);
    EXPECT_EQ(bars.XAt(0), 6.0);
    EXPECT_EQ(bars.PointColor(0), kGreen);
    EXPECT_EQ(bars.PointLabel(0), "b");
    EXPECT_EQ(bars.XMinimum(), 0.0);
    EXPECT_EQ(bars.XMaximum(), 6.0);

    chart.BottomAxis().SetAxisRange(0, 8);
    chart.LeftAxis().SetAxisRange(0, 3);
    Draw();
    // The visible range follows the Y order.
    EXPECT_EQ(bars.FirstVisibleIndex, 0);
    EXPECT_EQ(bars.LastVisibleIndex, 2);
    const TRect r = bars.BarRect(0);
    EXPECT_EQ(r.Left, chart.BottomAxis().ValueToPixelX(0));
    EXPECT_EQ(r.Right, bars.PointScreenX(0) + 1);
    EXPECT_EQ(r.Height(), chart.PlotGeometry().PlotHeight * 70 / 300);
    const int row = bars.PointScreenY(0);
    EXPECT_EQ(target.PixelAt((r.Left + r.Right) / 2, row), kGreen);
    EXPECT_EQ(target.PixelAt(r.Right + 1, row), clWhite);
}

using FastLineSeriesTest = ExtraSeriesChart;

TEST_F(FastLineSeriesTest, SegmentsInTheSeriesColourWithGapsAndTheEnteringSegment) {
    TFastLineSeries line;
    line.SetParentChart(&chart);
    line.SetSeriesColor(clBlue);
    line.AddPoint(0, 0, "", clRed); // point colours do not tint the line
    line.AddPoint(2, 10);
    line.AddPoint(3, 0, "", clNone);
    line.AddPoint(4, 10);
    line.AddPoint(6, 0);
    chart.LeftAxis().SetAxisRange(0, 10);
    chart.BottomAxis().SetAxisRange(1, 6);
    Draw();
    ASSERT_EQ(line.FirstVisibleIndex, 1);

    // The segment from the point left of the plot is drawn up to the plot edge.
    const TChartAxis& bottom = chart.BottomAxis();
    const TChartAxis& left = chart.LeftAxis();
    const int edgeX = bottom.ValueToPixelX(1.5);
    EXPECT_TRUE(ColumnShowsNear(edgeX, left.ValueToPixelY(7.5), clBlue));
    // Last segment, 4 -> 6.
    EXPECT_TRUE(ColumnShowsNear(bottom.ValueToPixelX(5), left.ValueToPixelY(5), clBlue));
    // Nothing joins the gap at X 3: no line between X 2 and 4.
    for (int x = bottom.ValueToPixelX(2) + 1; x < bottom.ValueToPixelX(4); ++x) {
        for (int y = left.ValueToPixelY(10) + 2; y < left.ValueToPixelY(0) - 1; ++y) {
            ASSERT_NE(target.PixelAt(x, y), clBlue) << x << ", " << y;
        }
    }
    EXPECT_FALSE(PlotShows(clRed));

    line.LinePen.SetVisible(false);
    Draw();
    EXPECT_FALSE(PlotShows(clBlue));
}

using PieSeriesTest = ExtraSeriesChart;

TEST_F(PieSeriesTest, SlicesShareTheCircleInTheirColours) {
    TPieSeries pie;
    pie.SetParentChart(&chart);
    EXPECT_FALSE(pie.UsesAxis());
    pie.AddPoint(0, 3, "", clRed);
    pie.AddPoint(1, 0, "", kGreen); // no share: must not become a whole circle
    pie.AddPoint(2, -3, "", clBlue);
    Draw();
    const TRect box = pie.PieRect();
    ASSERT_GT(box.Width(), 40);
    EXPECT_EQ(box.Width(), box.Height());
    const int cx = chart.PlotGeometry().PlotCentreX;
    const int cy = chart.PlotGeometry().PlotCentreY;
    const int r = box.Width() / 2;
    // Rotation 0: the first half runs counter-clockwise from three o'clock, over the top.
    EXPECT_EQ(target.PixelAt(cx, cy - r / 2), clRed);
    EXPECT_EQ(target.PixelAt(cx, cy + r / 2), clBlue);
    EXPECT_EQ(target.PixelAt(cx + r + 3, cy), clWhite);
    EXPECT_FALSE(PlotShows(kGreen));

    pie.SetRotationAngle(90);
    Draw();
    EXPECT_EQ(target.PixelAt(cx - r / 2, cy), clRed);
    EXPECT_EQ(target.PixelAt(cx + r / 2, cy), clBlue);
    double start = 0;
    double end = 0;
    pie.SliceAngles(2, start, end);
    EXPECT_NEAR(start, 3.0 * 3.14159265358979 / 2.0, 1e-12);
    EXPECT_NEAR(end, 5.0 * 3.14159265358979 / 2.0, 1e-12);
}

TEST_F(PieSeriesTest, OnlySliceIsAWholeCircleAndPaletteColoursByDefault) {
    TPieSeries pie;
    pie.SetParentChart(&chart);
    EXPECT_TRUE(pie.ColorEachPoint());
    pie.AddPoint(0, 7);
    Draw();
    const int cx = chart.PlotGeometry().PlotCentreX;
    const int cy = chart.PlotGeometry().PlotCentreY;
    const int r = pie.PieRect().Width() / 2;
    const std::pair<int, int> directions[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& [dx, dy] : directions) {
        EXPECT_EQ(target.PixelAt(cx + dx * r / 2, cy + dy * r / 2), PaletteColor(0));
    }
    EXPECT_THROW(pie.SetRotationAngle(360), ChartException);
    EXPECT_THROW(pie.SetRotationAngle(-1), ChartException);
    EXPECT_EQ(pie.RotationAngle(), 0);
}

TEST(ExtraSeriesClassInfoTest, CreateMakesTheNamedClass) {
    const auto bar = TBarSeries::ClassInfo().Create();
    EXPECT_NE(dynamic_cast<TBarSeries*>(bar.get()), nullptr);
    EXPECT_STREQ(bar->GetClassInfo().ClassName, "TBarSeries");
    const auto horiz = THorizBarSeries::ClassInfo().Create();
    EXPECT_NE(dynamic_cast<THorizBarSeries*>(horiz.get()), nullptr);
    EXPECT_STREQ(horiz->GetClassInfo().ClassName, "THorizBarSeries");
    const auto pie = TPieSeries::ClassInfo().Create();
    EXPECT_STREQ(pie->GetClassInfo().ClassName, "TPieSeries");
    const auto fast = TFastLineSeries::ClassInfo().Create();
    EXPECT_STREQ(fast->GetClassInfo().ClassName, "TFastLineSeries");
    EXPECT_TRUE(fast->KeepPointPastEdge);
}

} // namespace
} // namespace chart
