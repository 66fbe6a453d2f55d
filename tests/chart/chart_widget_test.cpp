// The chart shown in a window: the window holds the chart's size and paints its buffer once
// for any number of changes.
#include "chart/chart_test_support.h"
#include "chart/chart_widget.h"
#include "chart/series/chart_series.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace chart {
namespace {

using test::MakeBare;

TEST(ChartPanelTest, ResizeBuildsBufferOfNewSize) {
    TChartWidget widget;
    TChart& chart = widget.Chart();
    MakeBare(chart, 120, 80);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    chart.PaintNow();
    ASSERT_NE(chart.Canvas().Buffer(), nullptr);
    chart.resize(200, 90);
    QApplication::processEvents();
    chart.PaintNow();
    ASSERT_NE(chart.Canvas().Buffer(), nullptr);
    EXPECT_EQ(chart.Canvas().Buffer()->Width(), 200);
    EXPECT_EQ(chart.Canvas().Buffer()->Height(), 90);
}

TEST(ChartPanelTest, ManyDataChangesCostOnePaint) {
    TChartWidget widget;
    TChart& chart = widget.Chart();
    MakeBare(chart, 385, 161);
    TChartSeries s[3];
    for (auto& series : s) {
        series.SetParentChart(&chart);
    }
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QApplication::processEvents();
    const int before = chart.DrawPassCount();
    for (auto& series : s) {
        series.ClearValues();
        for (int i = 0; i < 313; ++i) {
            series.AddPoint(i, i);
        }
    }
    EXPECT_EQ(chart.DrawPassCount(), before);
    QTest::qWait(20);
    QApplication::processEvents();
    EXPECT_EQ(chart.DrawPassCount(), before + 1);
}

TEST(ChartWidgetTest, ResizingTheChartResizesTheWindowAndBack) {
    TChartWidget widget;
    TChart& chart = widget.Chart();
    EXPECT_EQ(widget.size(), QSize(400, 250));
    chart.resize(385, 161);
    EXPECT_EQ(widget.size(), QSize(385, 161));
    widget.resize(200, 90);
    EXPECT_EQ(chart.width(), 200);
    EXPECT_EQ(chart.height(), 90);
}

} // namespace
} // namespace chart
