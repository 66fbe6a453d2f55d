#include "batch/sweep_command.h"
#include "lab/run_csv.h"
#include "lab/sweep.h"
#include "tools/batch_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace batch {
using namespace lab;
namespace {

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

SweepRequest Request(const std::vector<std::string>& args) {
    const ParseResult parsed = ParseBatchOptions(args);
    EXPECT_TRUE(parsed.ok) << parsed.error;
    SweepRequest request;
    request.base = parsed.options;
    request.plan = *parsed.options.sweep;
    return request;
}

// A sweep, and for one of its values the option that a plain run with that value takes.
struct RowCase {
    const char* name;
    std::vector<std::string> fixed;
    std::string sweep;
    size_t index;
    std::vector<std::string> single; // the option giving that value to a plain run
};

class SweepRowEqualsSingleRun : public testing::TestWithParam<RowCase> {};

// Every figure of the row is the figure a plain glodanje-batch run with that value reports,
// written with 17 digits, so equal texts are equal bits.
TEST_P(SweepRowEqualsSingleRun, FiguresAsThePlainRunReportsThem) {
    const RowCase& c = GetParam();
    SweepRequest request = Request(Concat(c.fixed, {"--sweep", c.sweep}));
    request.jobs = 2;
    const SweepResult sweep = RunSweep(request);
    ASSERT_GT(sweep.rows.size(), c.index);
    const SweepRow& row = sweep.rows[c.index];
    ASSERT_TRUE(row.ran) << row.skipped;

    const CommandOutput plain = RunCommand(Concat(c.fixed, c.single));
    ASSERT_EQ(plain.status, kExitDone) << plain.err;
    const auto line = [&plain](const std::string& text) {
        EXPECT_NE(plain.err.find(text + "\n"), std::string::npos) << text << "\n" << plain.err;
    };
    line("ticks run: " + std::to_string(row.ticks));
    line("first non-zero force at tick: " + std::to_string(row.firstForceTick));
    line("largest force: " + FormatReal(row.largestForce) + " N");
    line("mean force over the ticks with a force: " + FormatReal(row.meanForce) + " N");
    line("last revolution mean force: " + FormatReal(row.lastRevolutionMean) + " N");
    line("cutting power from the last revolution mean: " + FormatReal(row.power) + " kW");
    line("torque from the last revolution mean: " + FormatReal(row.torque) + " N m");
    ASSERT_TRUE(row.textbookMeanForce.has_value());
    line("textbook mean force z_e F(h_m): " + FormatReal(*row.textbookMeanForce) + " N");
}

const std::vector<std::string> kMaterials = {"--workpiece", "28Cr4", "--tool", "P30"};

INSTANTIATE_TEST_SUITE_P(
    Sweeps, SweepRowEqualsSingleRun,
    testing::Values(
        RowCase{"Feed", kMaterials, "feed=100:300:100", 2, {"--feed", "300"}},
        RowCase{"DepthInTenths", kMaterials, "depth=5:15:2.5", 3, {"--depth", "12.5"}},
        RowCase{"TeethAfterDiameter",
                Concat(kMaterials, {"--diameter", "80"}),
                "teeth=4:8",
                1,
                {"--teeth", "6"}},
        RowCase{"StartValueLeavesTheField", kMaterials, "speed=50:70", 1, {"--speed", "60"}},
        RowCase{"Workpiece", {"--tool", "K40"}, "workpiece=all", 9, {"--workpiece", "AlSi8"}},
        RowCase{"Tool", {"--workpiece", "C35"}, "tool=all", 0, {"--tool", "C7680"}},
        RowCase{"Direction", kMaterials, "direction=both", 1, {"--direction", "down"}}),
    [](const testing::TestParamInfo<RowCase>& info) { return info.param.name; });

// The output does not depend on the number of threads.
TEST(RunSweepCommand, OneAndFourJobsWriteTheSameBytes) {
    const std::vector<std::string> args = {"--workpiece", "C4131",      "--tool",
                                           "P30",         "--ticks",    "600",
                                           "--sweep",     "teeth=4:20", "--log"};
    const CommandOutput one = RunCommand(Concat(args, {"--jobs", "1"}));
    const CommandOutput four = RunCommand(Concat(args, {"--jobs", "4"}));
    ASSERT_EQ(one.status, kExitDone) << one.err;
    EXPECT_EQ(one.out, four.out);
    EXPECT_EQ(one.err, four.err);
    EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 10);
}

// A value the field refuses for the fixed inputs is reported and skipped; the others run.
TEST(RunSweepCommand, DepthBeyondHalfTheDiameterIsSkipped) {
    const CommandOutput r = RunCommand(
        Concat(kMaterials, {"--diameter", "50", "--ticks", "20", "--sweep", "depth=20:30:5"}));
    ASSERT_EQ(r.status, kExitDone) << r.err;
    EXPECT_NE(r.err.find("glodanje-batch: 30: skipped: --depth: 30 is outside 0.5..25\n"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("sweep runs: 2 of 3\n"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.rfind(std::string(kSweepCsvHeader) + "\n20,20,", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n25,20,"), std::string::npos);
    EXPECT_EQ(r.out.find("\n30,"), std::string::npos);
}

// The mean force grows with the feed per tooth as h^m, m = 0.64 for 28Cr4. The fit over
// 40..600 mm/min comes out at 0.594: the simulated chip does not grow in proportion to the feed
// (its largest chip is 13 % above h_max at 40 mm/min and 8 % below at 600 mm/min, as the cut
// profile is kept on the workpiece's pixel grid and sampled at the sub-step angles), so it goes
// as about f^0.92 and the force as f^(0.92 m) = f^0.59. The largest force fits the same.
TEST(RunSweepCommand, FeedSweepFitsNearTheMaterialExponent) {
    const CommandOutput r =
        RunCommand(Concat(kMaterials, {"--helix", "0", "--sweep", "feed=40:600:40", "--log"}));
    ASSERT_EQ(r.status, kExitDone) << r.err;
    const std::string marker = "fitted exponent of the mean force: ";
    const size_t at = r.err.find(marker);
    ASSERT_NE(at, std::string::npos) << r.err;
    const double fit = std::strtod(r.err.c_str() + at + marker.size(), nullptr);
    EXPECT_NEAR(fit, 0.594, 0.005);
    EXPECT_NEAR(fit, 0.64, 0.06);
    EXPECT_NE(r.err.find("(workpiece material exponent: 0.64000000000000001)"), std::string::npos);
}

struct BadArgs {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class SweepArgumentError : public testing::TestWithParam<BadArgs> {};

// Exit status 2, one line, nothing on standard output: nothing ran.
TEST_P(SweepArgumentError, OneLineAndStatusTwo) {
    const CommandOutput r = RunCommand(Concat(kMaterials, GetParam().args));
    EXPECT_EQ(r.status, kExitBadInput);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string("glodanje-batch: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, SweepArgumentError,
    testing::Values(
        BadArgs{"NoInput",
                {"--sweep", "force_max=100:200"},
                "--sweep: 'force_max' is no input (diameter, teeth, rake, clearance, helix, speed, "
                "feed, depth, width, workpiece, tool, direction)"},
        BadArgs{"FromBelowMinimum",
                {"--sweep", "feed=30:100"},
                "--sweep feed: FROM 30 is outside 40..600"},
        BadArgs{"ToAboveMaximum",
                {"--sweep", "depth=1:50.5"},
                "--sweep depth: TO 50.5 is outside 0.5..50"},
        BadArgs{"FromAboveTo", {"--sweep", "teeth=10:8"}, "--sweep teeth: FROM 10 is above TO 8"},
        BadArgs{"ZeroStep", {"--sweep", "feed=40:100:0"}, "--sweep feed: the step must be above 0"},
        BadArgs{
            "NegativeStep", {"--sweep=helix=0:30:-5"}, "--sweep helix: the step must be above 0"},
        BadArgs{"NoRange",
                {"--sweep", "feed"},
                "--sweep feed: write feed=FROM:TO or feed=FROM:TO:STEP"},
        BadArgs{"NotANumber",
                {"--sweep", "width=10:x"},
                "--sweep width: 'x' is not a number of width of cut"},
        BadArgs{"MaterialWord", {"--sweep", "tool=P30"}, "--sweep tool: write tool=all"},
        BadArgs{"LogOfMaterials",
                {"--sweep", "workpiece=all", "--log"},
                "--log needs a sweep of a numeric input"},
        BadArgs{"LogWithoutSweep", {"--log"}, "--sweep-png, --log and --jobs need --sweep"},
        BadArgs{"ReportOfASweep",
                {"--sweep", "feed=40:80", "--report", "r.json"},
                "--view-png, --chart-png and --report describe one run, not a --sweep"},
        BadArgs{"RecordingOfASweep",
                {"--sweep", "feed=40:80", "--gif", "r.gif"},
                "--gif records one run, not a --sweep"},
        BadArgs{"ZeroJobs",
                {"--sweep", "feed=40:80", "--jobs", "0"},
                "--jobs: '0' is not a whole number from 1 to 256"},
        BadArgs{"PlotWithoutDrawing",
                {"--sweep", "feed=40:80", "--sweep-png", "p.png"},
                "pictures cannot be drawn here"}),
    [](const testing::TestParamInfo<BadArgs>& info) { return info.param.name; });

} // namespace
} // namespace batch
