// Golden images of the sweep plot: a feed sweep on linear and on log-log axes and a materials
// sweep as bars, drawn from fixed rows into the PNG glodanje-batch writes, each compared with a
// recorded hash of its pixels. Run with GLODANJE_PRINT_GOLDEN=1 to print the hashes when the
// plot is changed on purpose.
#include "lab/sweep_plot.h"
#include "support/image_hash.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace lab {
namespace {

struct PlotCase {
    const char* name;
    const char* sweep;
    bool logAxes;
    std::uint64_t hash;
};

void PrintTo(const PlotCase& c, std::ostream* os) {
    *os << c.name;
}

// Rows for every point of the plan, with figures that grow unevenly and a textbook force
// beside each.
std::vector<SweepRow> RowsFor(const SweepPlan& plan) {
    std::vector<SweepRow> rows;
    int i = 0;
    for (const SweepPoint& point : SweepPoints(plan)) {
        SweepRow row;
        row.point = point;
        row.ran = true;
        row.ticks = 1500 + i;
        row.firstForceTick = 300 + i;
        row.largestChip = 0.05 + 0.01 * i;
        row.largestForce = 1800 + 150.0 * i * i;
        row.meanForce = 900 + 120.0 * i + 9.0 * i * i;
        row.lastRevolutionMean = 1000 + 140.0 * i + 11.0 * i * i;
        row.power = row.lastRevolutionMean / 1000;
        row.torque = row.lastRevolutionMean / 20;
        row.textbookMeanForce = 950 + 160.0 * i;
        row.chipExponent = 0.64;
        rows.push_back(row);
        ++i;
    }
    return rows;
}

class SweepPlotGolden : public ::testing::TestWithParam<PlotCase> {};

TEST_P(SweepPlotGolden, PixelsAsRecorded) {
    const PlotCase& c = GetParam();
    const SweepParse parsed = ParseSweepText(c.sweep);
    ASSERT_TRUE(parsed.plan) << parsed.error;
    QTemporaryDir dir;
    const std::string path = dir.filePath("plot.png").toStdString();
    ASSERT_EQ(SaveSweepPng(path, *parsed.plan, RowsFor(*parsed.plan), c.logAxes), "");
    const QImage image(QString::fromStdString(path));
    ASSERT_EQ(image.size(), QSize(kSweepPlotWidth, kSweepPlotHeight));
    const std::uint64_t hash = test_support::HashImage(image);
    if (std::getenv("GLODANJE_PRINT_GOLDEN") != nullptr) {
        std::printf("PlotCase{\"%s\", \"%s\", %s, 0x%016" PRIx64 "ull},\n", c.name, c.sweep,
                    c.logAxes ? "true" : "false", hash);
    }
    EXPECT_EQ(hash, c.hash);
}

INSTANTIATE_TEST_SUITE_P(
    Plots, SweepPlotGolden,
    ::testing::Values(PlotCase{"FeedLinear", "feed=100:300:50", false, 0x1499d54139e0586dull},
                      PlotCase{"FeedLogLog", "feed=100:300:50", true, 0xfdb909c786aa467cull},
                      PlotCase{"WorkpieceBars", "workpiece=all", false, 0x5fa56a74fd31d09aull}),
    [](const ::testing::TestParamInfo<PlotCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace lab
