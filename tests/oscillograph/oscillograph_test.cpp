#include "chart/chart_test_support.h"
#include "oscillograph/oscillograph.h"
#include "sim/scenarios.h"

#include <cmath>
#include <gtest/gtest.h>

namespace oscillograph {
namespace {

using namespace chart;

using test::CountColour;

class OscillographTest : public testing::Test {
protected:
    OscillographTest() { ConfigureChart1(chart, series1, series2, series3); }
    TChart chart;
    TLineSeries series1;
    TLineSeries series2;
    TLineSeries series3;
};

TEST_F(OscillographTest, ChartIsSetUpAsChart1) {
    EXPECT_EQ(chart.width(), 385);
    EXPECT_EQ(chart.height(), 161);
    EXPECT_EQ(chart.Title.Text(), QStringList{"Oscilograf"});
    EXPECT_TRUE(chart.Title.Font.Bold());
    EXPECT_EQ(chart.Title.Font.Color(), clBlue);
    EXPECT_TRUE(chart.Gradient.Visible());
    EXPECT_EQ(chart.Gradient.EndColor(), 0x80FFFFu);
    EXPECT_EQ(chart.BackColor(), clBlack);
    EXPECT_FALSE(chart.Legend.Visible());
    EXPECT_FALSE(chart.View3D());
    EXPECT_FALSE(chart.LeftAxis().Automatic());
    EXPECT_EQ(chart.LeftAxis().Maximum(), 5000.0);
    EXPECT_EQ(chart.RightAxis().Maximum(), 0.5);
    EXPECT_EQ(chart.RightAxis().Title.Angle(), 90);
    EXPECT_EQ(chart.LeftAxis().Title.Angle(), 90);
    EXPECT_TRUE(chart.BottomAxis().Automatic());
    EXPECT_EQ(chart.BottomAxis().Title.Caption(), "Vreme, s");
    ASSERT_EQ(chart.SeriesCount(), 3);
    EXPECT_EQ(series1.Title(), "Po");
    EXPECT_EQ(series2.Title(), "Hr");
    EXPECT_EQ(series3.Title(), "");
    EXPECT_EQ(series2.GetVerticalAxis(), &chart.RightAxis());
    EXPECT_EQ(series3.GetVerticalAxis(), &chart.LeftAxis());
    EXPECT_EQ(series1.SeriesColor(), kForceColour);
}

TEST_F(OscillographTest, FeedAtStartUpHolds313ZeroPoints) {
    const sim::SimState s = sim::StartupState();
    FeedOscillograph(s, series1, series2, series3);
    for (const TLineSeries* series : {&series1, &series2, &series3}) {
        ASSERT_EQ(series->PointCount(), 313);
        EXPECT_EQ(series->YMinimum(), 0.0);
        EXPECT_EQ(series->YMaximum(), 0.0);
        EXPECT_EQ(series->XAt(0), s.TimeAxis[1]);
        EXPECT_EQ(series->XAt(312), s.TimeAxis[313]);
    }
    EXPECT_NEAR(series1.XAt(0), -0.468, 1e-12);
    EXPECT_EQ(series2.PointColor(5), kChipColour);
    EXPECT_EQ(series3.PointColor(5), kMeanForceColour);
}

TEST_F(OscillographTest, DefaultJobAfter1556Ticks) {
    const sim::SimState s = sim::MidRunState(sim::MillingDirection::Up, 1556);
    FeedOscillograph(s, series1, series2, series3);
    std::vector<QString> leftLabels;
    chart.OnGetAxisLabel = [&](const TChartAxis* axis, TChartSeries*, int, QString& text) {
        if (axis == &chart.LeftAxis()) {
            leftLabels.push_back(text);
        }
    };
    canvas::Canvas target(385, 161);
    test::Draw(chart, target);
    if (qEnvironmentVariableIsSet("CHART_PNG_DIR")) {
        target.Image().scaled(770, 322).save(qEnvironmentVariable("CHART_PNG_DIR") + "/osc2.png");
    }

    // White at the bottom, light yellow at the top (the bevel covers the outer rows).
    EXPECT_EQ(target.PixelAt(200, 159), MakeColour(255, 255, 255 + MulDiv(1, -127, 161)));
    EXPECT_EQ(target.PixelAt(200, 1), MakeColour(255, 255, 255 + MulDiv(159, -127, 161)));
    const TRect& plot = chart.PlotRect();
    EXPECT_EQ(target.PixelAt(plot.Left + 2, plot.Top + 2), clBlack);
    EXPECT_GT(CountColour(target, kForceColour), 100);
    EXPECT_GT(CountColour(target, kChipColour), 100);
    EXPECT_GT(CountColour(target, kMeanForceColour), 100);

    EXPECT_EQ(chart.BottomAxis().CurrentMaximum, s.TimeAxis[313]);
    EXPECT_EQ(chart.BottomAxis().CurrentMinimum, s.TimeAxis[1]);
    ASSERT_GE(leftLabels.size(), 3u);
    double step = 0;
    std::vector<double> values;
    for (QString text : leftLabels) {
        values.push_back(text.remove(',').toDouble());
    }
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (values[i] > 0 && (step == 0 || values[i] < step)) {
            step = values[i];
        }
    }
    ASSERT_GT(step, 0);
    for (double v : values) {
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 5000);
        EXPECT_EQ(std::fmod(v, step), 0.0) << v;
    }
    // A nice step: 1, 2 or 5 times a power of ten.
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    EXPECT_TRUE(mantissa == 1.0 || mantissa == 2.0 || mantissa == 5.0) << step;
}

} // namespace
} // namespace oscillograph
