#include "chart/chart.h"
#include "chart/chart_test_support.h"
#include "chart/series/chart_series.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace chart {
namespace {

using test::MakeBare;

TEST(ChartPanelTest, PlotRectFromPercentMargins) {
    TChart chart;
    MakeBare(chart, 385, 161);
    canvas::Canvas target(385, 161);
    chart.DrawTo(&target, {0, 0, 385, 161});
    EXPECT_EQ(chart.PlotRect(), (TRect{4, 8, 381, 153}));
    EXPECT_EQ(chart.PlotGeometry().PlotWidth, 377);
    EXPECT_EQ(chart.PlotGeometry().PlotCentreY, 80);
    canvas::Canvas large(770, 322);
    chart.DrawTo(&large, {0, 0, 770, 322});
    EXPECT_EQ(chart.PlotRect(), (TRect{8, 16, 762, 306}));
}

TEST(ChartPanelTest, TitleMovesPlotTop) {
    TChart chart;
    MakeBare(chart, 385, 161);
    chart.Title.SetVisible(true);
    chart.Title.SetText({"Oscilograf"});
    canvas::Canvas target(385, 161);
    chart.DrawTo(&target, {0, 0, 385, 161});
    chart.Canvas().SelectFont(chart.Title.Font);
    const int h = chart.Canvas().FontHeight();
    EXPECT_EQ(chart.PlotRect().Top, 8 + h + 5);
    EXPECT_EQ(chart.Title.TitleRect.Top, 8);
}

TEST(ChartPanelTest, BackgroundIsControlColourOrGradientWithBevel) {
    TChart chart;
    MakeBare(chart, 100, 60);
    chart.SetColor(0x123456);
    canvas::Canvas target(100, 60);
    chart.DrawTo(&target, {0, 0, 100, 60});
    EXPECT_EQ(target.PixelAt(2, 2), 0x123456u);
    chart.Gradient.SetVisible(true);
    chart.Gradient.SetEndColor(0x80FFFF);
    chart.DrawTo(&target, {0, 0, 100, 60});
    // Row 59 (colour A) lies under the bevel; row 58 is the second band.
    EXPECT_EQ(target.PixelAt(2, 58), MakeColour(255, 255, 255 + MulDiv(1, -127, 60)));
    EXPECT_EQ(target.PixelAt(50, 1), MakeColour(255, 255, 255 + MulDiv(58, -127, 60)));
    // The raised bevel: light top-left, dark bottom-right.
    EXPECT_EQ(target.PixelAt(0, 0), canvas::ColourToRgb(0x80000014));
    EXPECT_EQ(target.PixelAt(99, 59), canvas::ColourToRgb(0x80000010));
}

TEST(ChartPanelTest, RepaintWithoutChangeCopiesBuffer) {
    TChart chart;
    MakeBare(chart, 120, 80);
    chart.PaintNow();
    EXPECT_EQ(chart.DrawPassCount(), 1);
    chart.PaintNow();
    EXPECT_EQ(chart.DrawPassCount(), 1);
    chart.SetMarginLeft(10);
    chart.SetMarginLeft(10);
    chart.PaintNow();
    EXPECT_EQ(chart.DrawPassCount(), 2);
}

TEST(ChartPanelTest, HiddenResizeBuildsBufferOfNewSize) {
    TChart chart;
    MakeBare(chart, 60, 40);
    chart.PaintNow();
    ASSERT_NE(chart.Canvas().Buffer(), nullptr);
    chart.resize(90, 50);
    chart.PaintNow();
    ASSERT_NE(chart.Canvas().Buffer(), nullptr);
    EXPECT_EQ(chart.Canvas().Buffer()->Width(), 90);
    EXPECT_EQ(chart.Canvas().Buffer()->Height(), 50);
    EXPECT_EQ(chart.DrawPassCount(), 2);
}

TEST(ChartPanelTest, FrameOfAnotherSizeReplacesTheBuffer) {
    TChart chart;
    MakeBare(chart, 60, 40);
    canvas::Canvas small(60, 40);
    canvas::Canvas large(90, 50);
    chart.DrawTo(&small, TRect{0, 0, 60, 40});
    chart.DrawTo(&large, TRect{0, 0, 90, 50});
    ASSERT_NE(chart.Canvas().Buffer(), nullptr);
    EXPECT_EQ(chart.Canvas().Buffer()->Width(), 90);
    EXPECT_EQ(chart.Canvas().Buffer()->Height(), 50);
}

TEST(ChartPanelTest, AxesShownOnlyWhereSeriesAreBound) {
    TChart chart;
    EXPECT_TRUE(chart.IsAxisShown(chart.TopAxis())); // no series uses axes yet
    TChartSeries a;
    TChartSeries b;
    b.SetVertAxis(TVertAxis::aRightAxis);
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    EXPECT_FALSE(chart.IsAxisShown(chart.TopAxis()));
    EXPECT_TRUE(chart.IsAxisShown(chart.BottomAxis()));
    EXPECT_TRUE(chart.IsAxisShown(chart.LeftAxis()));
    EXPECT_TRUE(chart.IsAxisShown(chart.RightAxis()));
    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.IsAxisShown(chart.BottomAxis()));
}

TEST(ChartPanelTest, AutomaticAxisTakesRangeOfBoundSeries) {
    TChart chart;
    TChartSeries a;
    TChartSeries b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    a.AddPoint(-2, 5);
    a.AddPoint(4, 1);
    b.AddPoint(7, -3);
    b.SetActive(false);
    canvas::Canvas target(400, 250);
    chart.DrawTo(&target, {0, 0, 400, 250});
    EXPECT_EQ(chart.BottomAxis().CurrentMinimum, -2.0);
    EXPECT_EQ(chart.BottomAxis().CurrentMaximum, 4.0);
    EXPECT_EQ(chart.LeftAxis().CurrentMinimum, 1.0);
    EXPECT_EQ(chart.LeftAxis().CurrentMaximum, 5.0);
    EXPECT_EQ(chart.RightAxis().CurrentRange, 0.0);
}

TEST(ChartPanelTest, WithoutAWindowTheChartHoldsItsSizeAndCursor) {
    TChart chart;
    EXPECT_EQ(chart.size(), QSize(400, 250));
    MakeBare(chart, 90, 50);
    EXPECT_EQ(chart.size(), QSize(90, 50));
    chart.PaintNow();
    EXPECT_EQ(chart.ScreenCanvas().Width(), 90);
    EXPECT_EQ(chart.ScreenCanvas().Height(), 50);
    // A drag sets the arrow; a series' cursor over its points needs no window either.
    chart.ChartMouseDown(TMouseButton::mbLeft, 40, 20);
    chart.ChartMouseUp(TMouseButton::mbLeft, 40, 20);
    EXPECT_EQ(chart.CursorShape(), static_cast<int>(Qt::ArrowCursor));
}

} // namespace
} // namespace chart
