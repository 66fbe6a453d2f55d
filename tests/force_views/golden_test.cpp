// Golden images of the force pictures: the forces window's charts and the cutter view with the
// force arrows at chosen moments of whole runs, each compared with a recorded hash of its pixels
// (as tests/oscillograph/golden_image_test.cpp does for the designed pictures). The engagement
// map is pinned at a fixed phase for a straight and a 45-degree helix.
//
// To record new pictures deliberately, run with GLODANJE_PRINT_GOLDEN=1: every picture prints its
// table row; GLODANJE_GOLDEN_DIR=dir also writes the pictures there as PNG files for a look.
#include "cutter/cutter_view.h"
#include "force_views/engagement_map.h"
#include "force_views/force_traces.h"
#include "force_views/polar_diagram.h"
#include "sim/cutting_inputs.h"
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
#include <ostream>
#include <string>

namespace force_views {
namespace {

using chart::TChart;
using test_support::HashImage;

struct GoldenRow {
    const char* picture;
    std::uint64_t hash;
};

// clang-format off
constexpr GoldenRow kGolden[] = {
    {"up_tick0900/traces", 0x623d86df64759c5cull},
    {"up_tick0900/polar", 0x26f2af0b19d975d9ull},
    {"up_tick0900/cutter_arrows", 0x80183d103fb76a9full},
    {"down_tick0900/traces", 0x57f64b21ed4da1d9ull},
    {"down_tick0900/polar", 0xe810d887fc2a8843ull},
    {"down_tick0900/cutter_arrows", 0xd550d10456e4a8ffull},
    {"t20_depth50_tick0700/traces", 0x6066459b1db667dfull},
    {"t20_depth50_tick0700/polar", 0xcb1d3b78cf87a030ull},
    {"t20_depth50_tick0700/cutter_arrows", 0xa48e695e2a67300bull},
    {"helix00_phase0.2/map", 0x60306aadb93b7f51ull},
    {"helix00_phase0.2/engaged_width", 0x7789931a0d7798b1ull},
    {"helix45_phase0.2/map", 0xd6f62739a0b91029ull},
    {"helix45_phase0.2/engaged_width", 0x999f8c8e0d987e52ull},
};
// clang-format on

void Check(const std::string& picture, const QImage& image) {
    const std::uint64_t hash = HashImage(image);
    if (std::getenv("GLODANJE_PRINT_GOLDEN") != nullptr) {
        std::printf("    {\"%s\", 0x%016" PRIx64 "ull},\n", picture.c_str(), hash);
    }
    if (const char* dir = std::getenv("GLODANJE_GOLDEN_DIR")) {
        std::string file = picture;
        std::replace(file.begin(), file.end(), '/', '_');
        image.save(QString::fromStdString(std::string(dir) + "/" + file + ".png"), "PNG");
    }
    const GoldenRow* row = nullptr;
    for (const GoldenRow& r : kGolden) {
        if (picture == r.picture) {
            row = &r;
        }
    }
    ASSERT_NE(row, nullptr) << "no recorded picture for " << picture;
    EXPECT_EQ(hash, row->hash) << picture << " changed";
}

// Draws the chart at the given size and checks its pixels.
void CheckChart(const std::string& picture, TChart& chart, int width, int height) {
    canvas::Canvas target(width, height);
    chart.DrawTo(&target, chart::TRect{0, 0, width, height});
    Check(picture, target.Image());
}

struct GoldenMoment {
    const char* name;
    std::function<sim::SimState()> state;
};

void PrintTo(const GoldenMoment& moment, std::ostream* out) {
    *out << moment.name;
}

std::string TestName(const testing::TestParamInfo<GoldenMoment>& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

// Twenty teeth 50 mm deep: several teeth in the cut at once.
sim::SimState TwentyTeethDepth50() {
    sim::SimState s = sim::StartedState(sim::MillingDirection::Up);
    EXPECT_TRUE(sim::SetToothCount(s, "20").applied());
    EXPECT_TRUE(sim::SetDepth(s, "500").input.applied());
    sim::RunTicks(s, 700);
    return s;
}

// The window's pictures as they stand after a tick, and the cutter view with the arrows.
class ForcePicturesTest : public testing::TestWithParam<GoldenMoment> {};

TEST_P(ForcePicturesTest, MatchTheRecordedOnes) {
    const sim::SimState s = GetParam().state();
    const std::string name = GetParam().name;

    TChart traceChart;
    traceChart.resize(kTracesWidth, kTracesHeight);
    ForceTraces traces(traceChart);
    traces.Feed(s);
    CheckChart(name + "/traces", traceChart, kTracesWidth, kTracesHeight);

    TChart polarChart;
    polarChart.resize(kPolarWidth, kPolarHeight);
    PolarDiagram polar(polarChart);
    polar.Feed(s);
    CheckChart(name + "/polar", polarChart, kPolarWidth, kPolarHeight);

    cutter::CutterView view;
    view.SetForceArrows(true);
    view.RedrawCutterView(s, s.Phase);
    Check(name + "/cutter_arrows", view.Image());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ForcePicturesTest,
    testing::Values(GoldenMoment{"up_tick0900",
                                 [] { return sim::MidRunState(sim::MillingDirection::Up, 900); }},
                    GoldenMoment{"down_tick0900",
                                 [] { return sim::MidRunState(sim::MillingDirection::Down, 900); }},
                    GoldenMoment{"t20_depth50_tick0700", TwentyTeethDepth50}),
    TestName);

// A cut 40 mm wide, where a 45-degree edge lags by about one tooth pitch: its engaged width
// hardly changes, while the straight teeth's jumps by whole widths. The edges are drawn at a
// fixed phase.
sim::SimState Width40Helix(const char* helix) {
    sim::SimState s = sim::StartedState(sim::MillingDirection::Up);
    EXPECT_TRUE(sim::SetHelixAngle(s, helix).applied());
    EXPECT_TRUE(sim::SetCutWidth(s, "40").applied());
    sim::RunTicks(s, 1000);
    s.Phase = 0.2;
    return s;
}

class EngagementMapTest : public testing::TestWithParam<GoldenMoment> {};

TEST_P(EngagementMapTest, MatchesTheRecordedOne) {
    const sim::SimState s = GetParam().state();
    const std::string name = GetParam().name;
    TChart mapChart;
    TChart widthChart;
    mapChart.resize(kMapWidth, kMapHeight);
    widthChart.resize(kEngagedWidthWidth, kEngagedWidthHeight);
    EngagementMap map(mapChart, widthChart);
    map.Feed(s);
    CheckChart(name + "/map", mapChart, kMapWidth, kMapHeight);
    CheckChart(name + "/engaged_width", widthChart, kEngagedWidthWidth, kEngagedWidthHeight);
}

INSTANTIATE_TEST_SUITE_P(
    FixedPhase, EngagementMapTest,
    testing::Values(GoldenMoment{"helix00_phase0.2", [] { return Width40Helix("0"); }},
                    GoldenMoment{"helix45_phase0.2", [] { return Width40Helix("45"); }}),
    TestName);

} // namespace
} // namespace force_views
