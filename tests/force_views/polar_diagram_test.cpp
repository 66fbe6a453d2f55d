// The polar diagram's arithmetic (the samples of one revolution, the axis range, the arrow's
// head) and its equal scales: a newton is as many pixels across as up, whatever the chart's size.
#include "force_views/polar_diagram.h"

#include "canvas/canvas.h"
#include "sim/cutting_inputs.h"
#include "sim/scenarios.h"
#include "sim/tool_inputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace force_views {
namespace {

using chart::TChart;

struct TimeBase {
    const char* name;
    const char* diameter;
    const char* speed;
};

class SamplesPerRevolutionTest : public testing::TestWithParam<TimeBase> {};

// The samples span at least one revolution, and one sample fewer would not.
TEST_P(SamplesPerRevolutionTest, SpanOneRevolution) {
    sim::SimState s = sim::StartedState(sim::MillingDirection::Up);
    ASSERT_TRUE(sim::SetCutterDiameter(s, GetParam().diameter).input.applied());
    ASSERT_TRUE(sim::SetCuttingSpeed(s, GetParam().speed).applied());
    sim::RunTicks(s, 1);
    const int samples = SamplesPerRevolution(s);
    const double tick = sim::kSubStepsPerTick * s.StepTime;
    EXPECT_GE(samples * tick, s.RevolutionTime);
    EXPECT_LT((samples - 1) * tick, s.RevolutionTime);
    EXPECT_LE(samples, sim::kTraceLength);
}

INSTANTIATE_TEST_SUITE_P(Cutters, SamplesPerRevolutionTest,
                         testing::Values(TimeBase{"StartValues", "100", "60"},
                                         TimeBase{"SmallFast", "50", "120"},
                                         TimeBase{"LargeSlow", "180", "30"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SamplesPerRevolution, AStateWithoutTimeBaseShowsTheWholeTrace) {
    EXPECT_EQ(SamplesPerRevolution(sim::SimState{}), sim::kTraceLength);
}

// The half range is never below the largest force and less than half again above it, so the
// curve always fills a good part of the diagram.
TEST(NiceCeiling, LiesAtMostHalfAgainAboveTheValue) {
    for (double value = 0.013; value < 2e5; value *= 1.037) {
        const double ceiling = NiceCeiling(value);
        ASSERT_GE(ceiling, value) << value;
        ASSERT_LT(ceiling, 1.5 * value) << value;
    }
    EXPECT_EQ(NiceCeiling(1000), 1000);
    EXPECT_EQ(NiceCeiling(2200), 2500);
    EXPECT_EQ(NiceCeiling(0), 1);
    EXPECT_EQ(NiceCeiling(-5), 1);
}

TEST(ArrowPolyline, RunsToTheTipAndBackAlongTwoBarbsOfTheHeadLength) {
    const auto points = ArrowPolyline(-300, 400, 50);
    EXPECT_EQ(points[0], (std::array<double, 2>{0, 0}));
    EXPECT_EQ(points[1], (std::array<double, 2>{-300, 400}));
    EXPECT_EQ(points[3], points[1]);
    for (const std::size_t barb : {2u, 4u}) {
        const double bx = points[barb][0] - points[1][0];
        const double by = points[barb][1] - points[1][1];
        EXPECT_NEAR(std::hypot(bx, by), 50, 1e-9);
        // 25 degrees off the shaft, pointing back toward the origin.
        const double cosine = (bx * 300 - by * 400) / (50 * 500);
        EXPECT_NEAR(cosine, std::cos(25 * std::numbers::pi / 180), 1e-12);
    }
    EXPECT_NE(points[2], points[4]);
    for (const auto& point : ArrowPolyline(0, 0, 50)) {
        EXPECT_EQ(point, (std::array<double, 2>{0, 0}));
    }
}

struct ChartSize {
    const char* name;
    int width;
    int height;
};

class EqualScaleTest : public testing::TestWithParam<ChartSize> {};

TEST_P(EqualScaleTest, ANewtonIsAsManyPixelsAcrossAsUp) {
    TChart chart;
    chart.resize(GetParam().width, GetParam().height);
    PolarDiagram diagram(chart);
    diagram.Feed(sim::MidRunState(sim::MillingDirection::Down, 900));
    canvas::Canvas target(GetParam().width, GetParam().height);
    chart.DrawTo(&target, chart::TRect{0, 0, GetParam().width, GetParam().height});
    const double m = diagram.HalfRange();
    const int across = chart.BottomAxis().ValueToPixelX(m) - chart.BottomAxis().ValueToPixelX(-m);
    const int up = chart.LeftAxis().ValueToPixelY(-m) - chart.LeftAxis().ValueToPixelY(m);
    EXPECT_GT(across, 50);
    EXPECT_NEAR(across, up, 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EqualScaleTest,
                         testing::Values(ChartSize{"Designed", kPolarWidth, kPolarHeight},
                                         ChartSize{"Wide", 700, 260}, ChartSize{"Tall", 260, 600}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace force_views
