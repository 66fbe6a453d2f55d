#include "chart/chart.h"
#include "chart/chart_exception.h"
#include "chart/series/chart_series.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

TEST(ChartSeriesTest, AddPointOutOfOrderCarriesYColourAndLabel) {
    TChartSeries s;
    EXPECT_EQ(s.AddPoint(2, 5, "", 0x80FF80), 0);
    EXPECT_EQ(s.AddPoint(1, 7, "b", 0xFFFF80), 0);
    EXPECT_EQ(s.XAt(0), 1.0);
    EXPECT_EQ(s.YAt(0), 7.0);
    EXPECT_EQ(s.PointColor(0), 0xFFFF80u);
    EXPECT_EQ(s.PointColor(1), 0x80FF80u);
    EXPECT_EQ(s.PointLabel(0), "b");
    EXPECT_EQ(s.PointLabel(1), "");
    EXPECT_EQ(s.XMinimum(), 1.0);
    EXPECT_EQ(s.XMaximum(), 2.0);
    EXPECT_EQ(s.YMinimum(), 5.0);
    EXPECT_EQ(s.YMaximum(), 7.0);
}

TEST(ChartSeriesTest, ColoursAutomaticPaletteAndGap) {
    TChartSeries s;
    s.SetSeriesColor(0x123456);
    s.AddPoint(0, 0, "", clAutomaticAlias);
    s.AddPoint(1, 0, "", clNone);
    s.AddPoint(2, 0, "", 0x00FF00);
    EXPECT_EQ(s.PointColor(0), 0x123456u);
    EXPECT_EQ(s.PointColor(1), clNone);
    EXPECT_EQ(s.PointColor(7), 0x123456u);
    EXPECT_EQ(s.PointLabel(7), "");
    s.SetColorEachPoint(true);
    EXPECT_EQ(s.PointColor(0), 0x0000FFu);
    EXPECT_EQ(PaletteColor(17), 0x008000u);
    // Switching it off discards the colours given to AddPoint.
    s.SetColorEachPoint(false);
    EXPECT_EQ(s.PointColor(1), 0x123456u);
    EXPECT_EQ(s.PointColor(2), 0x123456u);
}

TEST(ChartSeriesTest, ClearValuesFiresEventRepaintsAndZeroesExtents) {
    TChart chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    int cleared = 0;
    s.OnClearValues = [&](TChartSeries*) { ++cleared; };
    chart.PaintNow();
    ASSERT_FALSE(chart.Canvas().Dirty());
    s.ClearValues();
    EXPECT_EQ(cleared, 1);
    EXPECT_TRUE(chart.Canvas().Dirty());
    s.AddPoint(3, 4);
    s.AddPoint(5, -6);
    s.ClearValues();
    EXPECT_EQ(s.PointCount(), 0);
    EXPECT_EQ(s.XMinimum(), 0.0);
    EXPECT_EQ(s.XMaximum(), 0.0);
    EXPECT_EQ(s.YMinimum(), 0.0);
    EXPECT_EQ(s.YMaximum(), 0.0);
}

TEST(ChartSeriesTest, VetoedAddChangesOnlyPendingValues) {
    TChartSeries s;
    s.OnBeforeAdd = [](TChartSeries*) { return false; };
    EXPECT_EQ(s.AddPoint(3, 4), -1);
    EXPECT_EQ(s.PointCount(), 0);
    EXPECT_EQ(s.XValues().PendingValue, 3.0);
    EXPECT_EQ(s.YValues().PendingValue, 4.0);
}

TEST(ChartSeriesTest, DeletePointRemovesParallelEntriesOrRaises) {
    TChartSeries s;
    s.AddPoint(0, 1, "a", 0x1);
    s.AddPoint(1, 2, "b", 0x2);
    s.DeletePoint(0);
    EXPECT_EQ(s.PointCount(), 1);
    EXPECT_EQ(s.YAt(0), 2.0);
    EXPECT_EQ(s.PointColor(0), 0x2u);
    EXPECT_EQ(s.PointLabel(0), "b");
    try {
        s.DeletePoint(3);
        FAIL() << "no exception";
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (3)");
    }
    EXPECT_EQ(s.PointCount(), 1);
    EXPECT_THROW(s.XAt(1), ListIndexError);
}

struct VisibleCase {
    const char* name;
    double farEdge;
    bool keepPastEdge;
    int first;
    int last;
};

class FindVisibleRangeTest : public testing::TestWithParam<VisibleCase> {};

// Plot columns 0 .. 100 convert to 10 .. far edge; points at X = 0, 5, ... 25.
TEST_P(FindVisibleRangeTest, Edges) {
    const VisibleCase& c = GetParam();
    TChart chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    s.KeepPointPastEdge = c.keepPastEdge;
    for (int i = 0; i <= 5; ++i) {
        s.AddPoint(5.0 * i, i);
    }
    chart.SetPlotRect({0, 0, 100, 50});
    TChartAxis& bottom = chart.BottomAxis();
    bottom.CurrentMinimum = 10;
    bottom.CurrentMaximum = c.farEdge;
    bottom.CurrentRange = c.farEdge - 10;
    s.FindVisibleRange();
    EXPECT_EQ(s.FirstVisibleIndex, c.first);
    EXPECT_EQ(s.LastVisibleIndex, c.last);
}

INSTANTIATE_TEST_SUITE_P(Table, FindVisibleRangeTest,
                         testing::Values(VisibleCase{"LineTo20", 20, true, 2, 4},
                                         VisibleCase{"BarTo20", 20, false, 2, 4},
                                         VisibleCase{"LineTo18", 18, true, 2, 4},
                                         VisibleCase{"BarTo18", 18, false, 2, 3},
                                         VisibleCase{"AllBeyondFarEdge", 30, true, 2, 5},
                                         VisibleCase{"NothingLeft", 10.0, true, 2, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindVisibleRangeTest, NothingVisiblePastTheLastPointAndUnorderedShowsAll) {
    TChart chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    s.AddPoint(1, 1);
    s.AddPoint(2, 2);
    chart.SetPlotRect({0, 0, 100, 50});
    TChartAxis& bottom = chart.BottomAxis();
    bottom.CurrentMinimum = 10;
    bottom.CurrentMaximum = 20;
    bottom.CurrentRange = 10;
    s.FindVisibleRange();
    EXPECT_EQ(s.FirstVisibleIndex, -1);
    EXPECT_EQ(s.LastVisibleIndex, -1);
    s.XValues().SetOrder(TChartListOrder::loNone);
    s.FindVisibleRange();
    EXPECT_EQ(s.FirstVisibleIndex, 0);
    EXPECT_EQ(s.LastVisibleIndex, 1);
}

TEST(ChartSeriesTest, DependentsFollowTheirSource) {
    TChart chart;
    TChartSeries a;
    TChartSeries b;
    a.SetName("A");
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    a.AddPoint(1, 10);
    b.SetDataSource(&a);
    EXPECT_EQ(b.PointCount(), 1);
    a.AddPoint(2, 20);
    EXPECT_EQ(b.PointCount(), 2);
    EXPECT_EQ(b.YAt(1), 20.0);
    a.DeletePoint(0);
    EXPECT_EQ(b.PointCount(), 1);
    a.YValues().ReplaceAt(0, 25);
    EXPECT_EQ(b.YAt(0), 25.0);
    a.ClearValues();
    EXPECT_EQ(b.PointCount(), 0);
    try {
        a.SetDataSource(&a);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "No valid DataSource: A");
    }
    TChartSeries orphan;
    try {
        orphan.SetDataSource(&a);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "No ParentChart to validate DataSource");
    }
}

TEST(ChartSeriesTest, RefillKeepsStorage) {
    TChartSeries s;
    for (int pass = 0; pass < 2; ++pass) {
        s.ClearValues();
        for (int i = 0; i < 313; ++i) {
            s.AddPoint(i, i, QString(), 0x80FF80);
        }
    }
    const std::size_t x = s.XValues().Capacity();
    const std::size_t y = s.YValues().Capacity();
    s.ClearValues();
    EXPECT_EQ(s.XValues().Capacity(), x);
    EXPECT_EQ(s.YValues().Capacity(), y);
}

TEST(ChartSeriesTest, FillSampleValuesRejectsNonPositiveCount) {
    TChartSeries s;
    EXPECT_THROW(s.FillSampleValues(0), std::runtime_error);
    s.FillSampleValues(4);
    EXPECT_EQ(s.PointCount(), 4);
}

TEST(ChartSeriesTest, JoiningChartPicksFreePaletteColour) {
    TChart chart;
    TChartSeries a;
    TChartSeries b;
    TChartSeries fixed;
    fixed.SetSeriesColor(0x80FF80);
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    fixed.SetParentChart(&chart);
    EXPECT_EQ(a.SeriesColor(), 0x0000FFu);
    EXPECT_EQ(b.SeriesColor(), 0x008000u);
    EXPECT_EQ(fixed.SeriesColor(), 0x80FF80u);
    EXPECT_EQ(chart.SeriesCount(), 3);
    b.SetParentChart(nullptr);
    EXPECT_EQ(chart.SeriesCount(), 2);
}

} // namespace
} // namespace chart
