// Golden images: the oscillograph and the cutter view at chosen moments of whole runs, each
// compared with a recorded hash of its pixels. One chart, one set of series and one cutter view
// live through each run, so that anything the drawing keeps from one pass to the next (cached
// texts, labels, backgrounds) is checked against a fresh picture's pixels at every moment.
//
// To record new pictures deliberately, run with GLODANJE_PRINT_GOLDEN=1: every checkpoint
// prints its table row, ready to replace the rows of kGolden below; GLODANJE_GOLDEN_DIR=dir also
// writes the pictures there as PNG files for a look.
#include "cutter/cutter_view.h"
#include "oscillograph/oscillograph.h"
#include "sim/cutting_inputs.h"
#include "sim/materials.h"
#include "sim/run.h"
#include "sim/scenarios.h"
#include "sim/tool_inputs.h"
#include "support/image_hash.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace oscillograph {
namespace {

using namespace chart;

using test_support::HashImage;

struct GoldenRow {
    const char* checkpoint;
    std::uint64_t chart;
    std::uint64_t view;
};

// clang-format off
constexpr GoldenRow kGolden[] = {
    {"start/tick0001", 0x6ce750b0a7a697ceull, 0x97886bb7422736e8ull},
    {"start/tick0200", 0x4819743c341eb370ull, 0xc83c961560208c9bull},
    {"start/tick0360", 0xcad8abf27b2dc02dull, 0x23a1470debd805caull},
    {"start/tick0800", 0xefe1d8f8fbe3bbc3ull, 0x79bef1749bbd072eull},
    {"start/tick1300", 0xe1ff9f0ba2edcedaull, 0x13fd01909692d6ccull},
    {"start/tick1556", 0x4a4c547fbfc0b1a9ull, 0x10d92a0a2b08978aull},
    {"down/tick0001", 0x6ce750b0a7a697ceull, 0xebda7bde505ecfe6ull},
    {"down/tick0400", 0x2cbf0b688e3e86f4ull, 0x82b3ffa622c4bdcaull},
    {"down/tick0900", 0x7db0f64ad9f79a56ull, 0x1ff3c8a5d3722d86ull},
    {"down/tick1556", 0xfd85d58282b8fe3aull, 0xa0a36fcc42c8be28ull},
    {"t20/tick0001", 0x6ce750b0a7a697ceull, 0x4bcd7e8fc2bb6d57ull},
    {"t20/tick0300", 0x329c45825f49ae90ull, 0x6c177e637e74dffeull},
    {"t20/tick0700", 0x2e82e6175d97583bull, 0xa1c79f568b0f6d24ull},
    {"t20/tick1200", 0x9385ba1564029487ull, 0x73ceeea154a0b6cfull},
    {"down25/tick0300", 0xb753ba98c144cabcull, 0xf620b48bb7377fe4ull},
    {"down25/tick0500", 0x0928c4e5b9943aeaull, 0x1b4f2d028ce39af8ull},
    {"down25/tick0800", 0xbe5bad467430e176ull, 0xe97ea31246af676full},
    {"zoom/before", 0xefe1d8f8fbe3bbc3ull, 0x79bef1749bbd072eull},
    {"zoom/zoomed", 0xec43dfc83ad12df7ull, 0x79bef1749bbd072eull},
    {"zoom/zoomed_tick0820", 0xec43dfc83ad12df7ull, 0xd8147f3b69cb4f37ull},
    {"zoom/scrolled", 0x3c9cb4ec143f229dull, 0xd8147f3b69cb4f37ull},
    {"zoom/undone", 0xff5b38b812e642a3ull, 0xd8147f3b69cb4f37ull},
    {"axis/left_max3000", 0x0f42ded2e0501028ull, 0xd8147f3b69cb4f37ull},
    {"axis/right_max0.2_tick0840", 0x8b2dbc84d579d478ull, 0xbcb76ea2a495c634ull},
    {"axis/left_max12000", 0x3a97f1c76f848b22ull, 0xbcb76ea2a495c634ull},
};
// clang-format on

const GoldenRow* FindGolden(const std::string& checkpoint) {
    for (const GoldenRow& row : kGolden) {
        if (checkpoint == row.checkpoint) {
            return &row;
        }
    }
    return nullptr;
}

// One run: the window's chart and cutter view, fed and drawn as the window does after a tick.
class GoldenRun {
public:
    explicit GoldenRun(sim::SimState start) : state_(start) {
        ConfigureChart1(chart_, series1_, series2_, series3_);
    }

    sim::SimState& State() { return state_; }
    TChart& Chart() { return chart_; }

    void RunTo(int tick) {
        ticks_ += sim::RunTicks(state_, tick - ticks_);
        FeedOscillograph(state_, series1_, series2_, series3_);
        view_.RedrawCutterView(state_, state_.Phase);
    }

    // Draws both pictures and compares them with the recorded row.
    void Check(const std::string& checkpoint) {
        canvas::Canvas target(kOscillographWidth, kOscillographHeight);
        chart_.DrawTo(&target, TRect{0, 0, kOscillographWidth, kOscillographHeight});
        const std::uint64_t chartHash = HashImage(target.Image());
        const std::uint64_t viewHash = HashImage(view_.Image());
        if (std::getenv("GLODANJE_PRINT_GOLDEN") != nullptr) {
            std::printf("    {\"%s\", 0x%016" PRIx64 "ull, 0x%016" PRIx64 "ull},\n",
                        checkpoint.c_str(), chartHash, viewHash);
        }
        if (const char* dir = std::getenv("GLODANJE_GOLDEN_DIR")) {
            std::string file = dir + ("/" + checkpoint);
            std::replace(file.begin() + static_cast<std::ptrdiff_t>(std::string(dir).size()) + 1,
                         file.end(), '/', '_');
            target.Image().save(QString::fromStdString(file + "_chart.png"), "PNG");
            view_.Image().save(QString::fromStdString(file + "_view.png"), "PNG");
        }
        const GoldenRow* row = FindGolden(checkpoint);
        ASSERT_NE(row, nullptr) << "no recorded picture for " << checkpoint;
        EXPECT_EQ(chartHash, row->chart) << "oscillograph changed at " << checkpoint;
        EXPECT_EQ(viewHash, row->view) << "cutter view changed at " << checkpoint;
    }

private:
    sim::SimState state_;
    int ticks_ = 0;
    TChart chart_;
    TLineSeries series1_, series2_, series3_;
    cutter::CutterView view_;
};

// Down milling 25 mm deep: the workpiece keeps no uncut corner or spike inside the cutter.
sim::SimState DownMillingDepth25() {
    sim::SimState s = sim::StartedState(sim::MillingDirection::Down);
    EXPECT_TRUE(sim::SetDepth(s, "250").input.applied());
    return s;
}

void Drag(TChart& chart, TMouseButton button, int x0, int y0, int x1, int y1) {
    chart.ChartMouseDown(button, x0, y0);
    chart.ChartMouseMove(x1, y1);
    chart.ChartMouseUp(button, x1, y1);
}

struct GoldenScenario {
    const char* name;
    std::function<sim::SimState()> start;
    std::function<void(GoldenRun&)> steps;
};

class GoldenImageTest : public testing::TestWithParam<GoldenScenario> {};

TEST_P(GoldenImageTest, PicturesMatchTheRecordedOnes) {
    GoldenRun run(GetParam().start());
    GetParam().steps(run);
}

std::string Tick(const char* scenario, int tick) {
    char name[64];
    std::snprintf(name, sizeof name, "%s/tick%04d", scenario, tick);
    return name;
}

const GoldenScenario kScenarios[] = {
    {"StartValues", [] { return sim::StartedState(sim::MillingDirection::Up); },
     [](GoldenRun& run) {
         for (const int tick : {1, 200, 360, 800, 1300, 1556}) {
             run.RunTo(tick);
             run.Check(Tick("start", tick));
         }
     }},
    {"DownMilling", [] { return sim::StartedState(sim::MillingDirection::Down); },
     [](GoldenRun& run) {
         for (const int tick : {1, 400, 900, 1556}) {
             run.RunTo(tick);
             run.Check(Tick("down", tick));
         }
     }},
    {"TwentyTeethHelix45Depth50", sim::TwentyTeethHelix45Depth50State,
     [](GoldenRun& run) {
         for (const int tick : {1, 300, 700, 1200}) {
             run.RunTo(tick);
             run.Check(Tick("t20", tick));
         }
     }},
    {"DownMillingDepth25", DownMillingDepth25,
     [](GoldenRun& run) {
         for (const int tick : {300, 500, 800}) {
             run.RunTo(tick);
             run.Check(Tick("down25", tick));
         }
     }},
    {"ZoomScrollAndAxisMaximum", [] { return sim::StartedState(sim::MillingDirection::Up); },
     [](GoldenRun& run) {
         TChart& chart = run.Chart();
         run.RunTo(800);
         run.Check("zoom/before");
         Drag(chart, TMouseButton::mbLeft, 90, 40, 260, 120);
         run.Check("zoom/zoomed");
         run.RunTo(820);
         run.Check("zoom/zoomed_tick0820");
         Drag(chart, TMouseButton::mbRight, 200, 80, 150, 60);
         run.Check("zoom/scrolled");
         Drag(chart, TMouseButton::mbLeft, 260, 120, 90, 40);
         run.Check("zoom/undone");
         chart.LeftAxis().SetMaximum(3000);
         run.Check("axis/left_max3000");
         chart.RightAxis().SetMaximum(0.2);
         run.RunTo(840);
         run.Check("axis/right_max0.2_tick0840");
         chart.LeftAxis().SetMaximum(12000);
         run.Check("axis/left_max12000");
     }},
};

INSTANTIATE_TEST_SUITE_P(Runs, GoldenImageTest, testing::ValuesIn(kScenarios),
                         [](const testing::TestParamInfo<GoldenScenario>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace oscillograph
