#include "oscillograph/oscillograph.h"

#include "canvas/magnify.h"
#include "chart/chart_widget.h"
#include "sim/sim_state.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace oscillograph {
namespace {

using namespace chart;

// Traces of fixed synthetic values in the ranges of a run (force up to 3000 N, chip up to
// 0.39 mm), so that where the curves fall does not depend on the simulation. `tick` moves the
// time axis on as the run's ticks do (1.5 ms each).
sim::SimState SyntheticTraces(int tick) {
    sim::SimState s;
    for (int i = 1; i <= sim::kTraceLength; ++i) {
        const int n = i + tick;
        s.TimeAxis[i] = (n - sim::kTraceLength) * 0.0015;
        s.ForceTrace[i] = 100.0 * (n % 31);
        s.ChipTrace[i] = 0.01 * (n % 40);
        s.MeanForceTrace[i] = 1200.0 + 10.0 * ((n / 50) % 7);
    }
    return s;
}

// The oscillograph on screen with synthetic traces, drawn once.
struct ShownOscillograph {
    ShownOscillograph() {
        ConfigureChart1(chart, series1, series2, series3);
        state = SyntheticTraces(600);
        FeedOscillograph(state, series1, series2, series3);
        widget.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
        chart.PaintNow();
    }
    // A drag between two window pixels.
    void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
        QTest::mousePress(&widget, button, {}, from);
        QTest::mouseMove(&widget, to);
        QTest::mouseRelease(&widget, button, {}, to);
        chart.PaintNow();
    }

    TChartWidget widget;
    TChart& chart = widget.Chart();
    TLineSeries series1;
    TLineSeries series2;
    TLineSeries series3;
    sim::SimState state;
};

class ChartZoomTest : public testing::Test, protected ShownOscillograph {
protected:
    struct Range {
        double min, max;
        bool automatic;
    };
    static Range RangeOf(const TChartAxis& a) { return {a.Minimum(), a.Maximum(), a.Automatic()}; }
};

TEST_F(ChartZoomTest, DragTowardsLowerRightZoomsAllFourAxes) {
    ASSERT_TRUE(chart.PlotRect().Left < 100 && chart.PlotRect().Top < 40);
    const double leftLow = chart.LeftAxis().PixelToValue(90);
    const double leftHigh = chart.LeftAxis().PixelToValue(40);
    const double rightLow = chart.RightAxis().PixelToValue(90);
    const double rightHigh = chart.RightAxis().PixelToValue(40);
    const double bottomLow = chart.BottomAxis().PixelToValue(100);
    const double bottomHigh = chart.BottomAxis().PixelToValue(150);
    int zooms = 0;
    chart.OnZoom = [&](TCustomChart*) { ++zooms; };
    Drag(Qt::LeftButton, {100, 40}, {150, 90});
    EXPECT_EQ(zooms, 1);
    EXPECT_TRUE(chart.Zoomed());
    EXPECT_EQ(chart.LeftAxis().Minimum(), leftLow);
    EXPECT_EQ(chart.LeftAxis().Maximum(), leftHigh);
    EXPECT_EQ(chart.RightAxis().Minimum(), rightLow);
    EXPECT_EQ(chart.RightAxis().Maximum(), rightHigh);
    EXPECT_EQ(chart.BottomAxis().Minimum(), bottomLow);
    EXPECT_EQ(chart.BottomAxis().Maximum(), bottomHigh);
    for (TChartAxis* a :
         {&chart.LeftAxis(), &chart.RightAxis(), &chart.TopAxis(), &chart.BottomAxis()}) {
        EXPECT_FALSE(a->Automatic());
        EXPECT_FALSE(a->AutomaticMinimum());
        EXPECT_FALSE(a->AutomaticMaximum());
    }
    // The refill of the next tick keeps the zoomed time range.
    state = SyntheticTraces(601);
    FeedOscillograph(state, series1, series2, series3);
    chart.PaintNow();
    EXPECT_EQ(chart.BottomAxis().CurrentMinimum, bottomLow);
    EXPECT_EQ(chart.BottomAxis().CurrentMaximum, bottomHigh);
}

TEST_F(ChartZoomTest, ReverseDragRestoresTheRangesBeforeTheFirstZoom) {
    Drag(Qt::LeftButton, {100, 40}, {150, 90});
    Drag(Qt::LeftButton, {120, 50}, {160, 100}); // a second zoom keeps the first saved state
    int undos = 0;
    chart.OnUndoZoom = [&](TCustomChart*) { ++undos; };
    Drag(Qt::LeftButton, {150, 90}, {100, 40});
    EXPECT_EQ(undos, 1);
    EXPECT_FALSE(chart.Zoomed());
    EXPECT_TRUE(chart.BottomAxis().Automatic());
    EXPECT_EQ(chart.BottomAxis().CurrentMaximum, state.TimeAxis[313]);
    EXPECT_FALSE(chart.LeftAxis().Automatic());
    EXPECT_EQ(chart.LeftAxis().Minimum(), 0.0);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 5000.0);
    EXPECT_EQ(chart.RightAxis().Minimum(), 0.0);
    EXPECT_EQ(chart.RightAxis().Maximum(), 0.5);
}

// What a press at a pixel hits, in the order the press looks: series points before axes, axes
// before titles, the plot last.
TEST_F(ChartZoomTest, ClickedPartFollowsThePriorityOfThePress) {
    using TPart = TChartClickedPart::TPart;
    const TRect plot = chart.PlotRect();
    const int middleY = (plot.Top + plot.Bottom) / 2;

    const TChartClickedPart axis = chart.CalcClickedPart(chart.LeftAxis().AxisPos - 8, middleY);
    EXPECT_EQ(axis.Part, TPart::Axis);
    EXPECT_EQ(axis.Axis, &chart.LeftAxis());

    const TRect& title = chart.Title.TitleRect;
    ASSERT_GT(title.Width(), 0);
    EXPECT_EQ(chart.CalcClickedPart((title.Left + title.Right) / 2, title.Top).Part, TPart::Title);
    EXPECT_EQ(chart.CalcClickedPart(0, 0).Part, TPart::None);

    // The newest force sample, drawn at the right end of the plot.
    const int x = chart.BottomAxis().ValueToPixel(series1.XAt(312));
    const int y = chart.LeftAxis().ValueToPixel(series1.YAt(312));
    const TChartClickedPart point = chart.CalcClickedPart(x, y);
    ASSERT_EQ(point.Part, TPart::Series);
    EXPECT_EQ(point.PointIndex, series1.PointAtPixel(x, y));

    // With no active series, the plot area is not a part of its own.
    for (TLineSeries* s : {&series1, &series2, &series3}) {
        s->SetActive(false);
    }
    EXPECT_EQ(chart.CalcClickedPart(plot.Left + 30, middleY).Part, TPart::None);
}

TEST_F(ChartZoomTest, SmallDragDoesNothing) {
    const Range bottom = RangeOf(chart.BottomAxis());
    const Range left = RangeOf(chart.LeftAxis());
    Drag(Qt::LeftButton, {100, 40}, {110, 140});
    Drag(Qt::LeftButton, {100, 40}, {116, 90});
    EXPECT_EQ(RangeOf(chart.BottomAxis()).automatic, bottom.automatic);
    EXPECT_EQ(RangeOf(chart.LeftAxis()).max, left.max);
    EXPECT_FALSE(chart.Zoomed());
    EXPECT_FALSE(chart.Zoom.Active);
}

TEST_F(ChartZoomTest, RightDragScrollsByTheDraggedValueWidth) {
    const double min = chart.BottomAxis().Minimum();
    const double max = chart.BottomAxis().Maximum();
    const double d = chart.BottomAxis().PixelToValue(200) - chart.BottomAxis().PixelToValue(180);
    const double leftMax = chart.LeftAxis().Maximum();
    int scrolls = 0;
    chart.OnScroll = [&](TCustomChart*) { ++scrolls; };
    Drag(Qt::RightButton, {200, 80}, {180, 80});
    EXPECT_EQ(scrolls, 1);
    EXPECT_GT(d, 0.0);
    EXPECT_EQ(chart.BottomAxis().Minimum(), min + d);
    EXPECT_EQ(chart.BottomAxis().Maximum(), max + d);
    EXPECT_FALSE(chart.BottomAxis().Automatic());
    EXPECT_EQ(chart.LeftAxis().Maximum(), leftMax);
    EXPECT_FALSE(chart.Scroll.Active);
}

TEST_F(ChartZoomTest, LeavingThePlotEndsTheScroll) {
    const double max = chart.BottomAxis().Maximum();
    QTest::mousePress(&widget, Qt::RightButton, {}, {200, 80});
    ASSERT_TRUE(chart.Scroll.Active);
    QTest::mouseMove(&widget, {200, 3});
    EXPECT_FALSE(chart.Scroll.Active);
    QTest::mouseMove(&widget, {150, 80});
    QTest::mouseRelease(&widget, Qt::RightButton, {}, {150, 80});
    EXPECT_EQ(chart.BottomAxis().Maximum(), max);
    EXPECT_TRUE(chart.BottomAxis().Automatic());
}

TEST_F(ChartZoomTest, DragRectangleDrawnTwiceLeavesThePicture) {
    const QImage before = chart.ScreenCanvas().Image().copy();
    QTest::mousePress(&widget, Qt::LeftButton, {}, {100, 40});
    QTest::mouseMove(&widget, {112, 52});
    EXPECT_NE(chart.ScreenCanvas().Image(), before);
    QTest::mouseMove(&widget, {114, 50});
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, {114, 50});
    EXPECT_EQ(chart.ScreenCanvas().Image(), before);
}

TEST_F(ChartZoomTest, ZoomAndPanningCanBeSwitchedOff) {
    chart.SetAllowZoom(false);
    chart.SetAllowPanning(TPanningMode::pmVertical);
    const double max = chart.BottomAxis().Maximum();
    Drag(Qt::LeftButton, {100, 40}, {150, 90});
    EXPECT_FALSE(chart.Zoomed());
    Drag(Qt::RightButton, {200, 80}, {180, 60});
    EXPECT_EQ(chart.BottomAxis().Maximum(), max);
    EXPECT_NE(chart.LeftAxis().Maximum(), 5000.0);
}

TEST_F(ChartZoomTest, AllowScrollCanVetoAndClickCanCancelTheDrag) {
    chart.OnAllowScroll = [](TChartAxis*, double&, double&, bool& allow) { allow = false; };
    const double max = chart.BottomAxis().Maximum();
    Drag(Qt::RightButton, {200, 80}, {180, 80});
    EXPECT_EQ(chart.BottomAxis().Maximum(), max);
    int clicks = 0;
    chart.OnClickBackground = [&](TCustomChart*, TMouseButton, int, int) { ++clicks; };
    QTest::mousePress(&widget, Qt::LeftButton, {}, {300, 40});
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(chart.Zoom.Active); // the handler left the cancel flag set
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, {300, 40});
    chart.OnClickBackground = [&](TCustomChart* c, TMouseButton, int, int) {
        ++clicks;
        c->CancelMouse = false;
    };
    QTest::mousePress(&widget, Qt::LeftButton, {}, {300, 40});
    EXPECT_TRUE(chart.Zoom.Active);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, {300, 40});
}

TEST_F(ChartZoomTest, NewAxisMaximumOverridesTheZoomOfThatAxis) {
    Drag(Qt::LeftButton, {100, 40}, {150, 90});
    const double zoomedMinimum = chart.LeftAxis().Minimum();
    chart.LeftAxis().SetMaximum(8000);
    chart.PaintNow();
    EXPECT_EQ(chart.LeftAxis().CurrentMaximum, 8000.0);
    EXPECT_EQ(chart.LeftAxis().CurrentMinimum, zoomedMinimum);
    // The undo still returns to the state before the zoom.
    Drag(Qt::LeftButton, {150, 90}, {100, 40});
    EXPECT_EQ(chart.LeftAxis().Maximum(), 5000.0);
}

TEST_F(ChartZoomTest, AnimatedZoomEndsAtTheTarget) {
    chart.SetAnimatedZoom(true);
    chart.SetAnimatedZoomSteps(4);
    const int passes = chart.DrawPassCount();
    chart.ZoomToValues(1000, 2000, 0.1, 0.2, 0, 1, 0.5, 0.6);
    EXPECT_EQ(chart.DrawPassCount(), passes + 3);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 1000.0);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 2000.0);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 0.6);
}

// The window shown larger: the mouse positions reach the chart divided by the scale, so a drag
// of the magnified length zooms and scrolls to exactly the ranges of the drag at 100 %, a drag
// too short for a zoom at 100 % is too short at every scale, and the chart keeps its size.
struct MagnifiedRow {
    const char* name;
    int percent;
};

class MagnifiedChartTest : public ChartZoomTest, public testing::WithParamInterface<MagnifiedRow> {
protected:
    // The window pixel where a chart pixel starts.
    QPoint OnScreen(QPoint chartPixel) const {
        return {canvas::MagnifiedLength(chartPixel.x(), GetParam().percent),
                canvas::MagnifiedLength(chartPixel.y(), GetParam().percent)};
    }
    void ExpectSameRanges(TChart& designed) {
        const auto axes = [](TChart& c) {
            return std::vector<const TChartAxis*>{&c.LeftAxis(), &c.RightAxis(), &c.TopAxis(),
                                                  &c.BottomAxis()};
        };
        for (size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(axes(chart)[k]->Minimum(), axes(designed)[k]->Minimum()) << "axis " << k;
            EXPECT_EQ(axes(chart)[k]->Maximum(), axes(designed)[k]->Maximum()) << "axis " << k;
            EXPECT_EQ(axes(chart)[k]->Automatic(), axes(designed)[k]->Automatic()) << "axis " << k;
        }
    }
};

TEST_P(MagnifiedChartTest, TheMagnifiedDragZoomsAndScrollsAsTheDragAt100) {
    ShownOscillograph designed;
    widget.SetZoom(GetParam().percent);
    EXPECT_EQ(widget.size(), QSize(canvas::MagnifiedLength(385, GetParam().percent),
                                   canvas::MagnifiedLength(161, GetParam().percent)));
    EXPECT_EQ(chart.width(), 385);
    EXPECT_EQ(chart.height(), 161);

    designed.Drag(Qt::LeftButton, {100, 40}, {116, 90});
    Drag(Qt::LeftButton, OnScreen({100, 40}), OnScreen({116, 90}));
    EXPECT_FALSE(chart.Zoomed());

    designed.Drag(Qt::LeftButton, {100, 40}, {150, 90});
    Drag(Qt::LeftButton, OnScreen({100, 40}), OnScreen({150, 90}));
    ASSERT_TRUE(designed.chart.Zoomed());
    EXPECT_TRUE(chart.Zoomed());
    ExpectSameRanges(designed.chart);

    designed.Drag(Qt::RightButton, {200, 80}, {180, 70});
    Drag(Qt::RightButton, OnScreen({200, 80}), OnScreen({180, 70}));
    ExpectSameRanges(designed.chart);

    designed.Drag(Qt::LeftButton, {150, 90}, {100, 40});
    Drag(Qt::LeftButton, OnScreen({150, 90}), OnScreen({100, 40}));
    EXPECT_FALSE(chart.Zoomed());
    ExpectSameRanges(designed.chart);
}

INSTANTIATE_TEST_SUITE_P(Zooms, MagnifiedChartTest,
                         testing::Values(MagnifiedRow{"Percent150", 150},
                                         MagnifiedRow{"Percent200", 200},
                                         MagnifiedRow{"Percent300", 300}),
                         [](const testing::TestParamInfo<MagnifiedRow>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace oscillograph
