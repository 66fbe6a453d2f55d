// The PNG pictures of glodanje-batch: sizes, the start-up picture, and the pictures of a run
// matching what the window's own drawing gives for the same state.
#include "batch/batch_pictures.h"
#include "batch/batch_run.h"
#include "cutter/cutter_view.h"
#include "lab/sweep_plot.h"
#include "sim/scenarios.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace batch {
using namespace lab;
namespace {

struct PictureRun {
    int status = 0;
    std::string err;
};

PictureRun RunWithPictures(std::vector<std::string> args) {
    std::ostringstream out, err;
    PictureRun run;
    run.status = RunBatchCommand(args, out, err, MakePngPictures);
    run.err = err.str();
    return run;
}

class BatchPictures : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(BatchPictures, NoTicksGivesTheStartUpPicture) {
    const PictureRun run =
        RunWithPictures({"--workpiece", "28Cr4", "--tool", "P30", "--ticks", "0", "--view-png",
                         PathOf("view.png"), "--chart-png", PathOf("chart.png")});
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage view(QString::fromStdString(PathOf("view.png")));
    cutter::CutterView expected;
    expected.RedrawCutterView(sim::StartupState(), 0);
    EXPECT_EQ(view.convertToFormat(expected.Image().format()), expected.Image());
    const QImage chart(QString::fromStdString(PathOf("chart.png")));
    EXPECT_EQ(chart.size(), QSize(385, 161));
}

TEST_F(BatchPictures, TheViewShowsTheLastTickAtItsPhase) {
    const PictureRun run = RunWithPictures({"--workpiece", "28Cr4", "--tool", "P30", "--ticks",
                                            "700", "--view-png", PathOf("view.png")});
    ASSERT_EQ(run.status, 0) << run.err;
    const sim::SimState s = sim::MidRunState(sim::MillingDirection::Up, 700);
    cutter::CutterView expected;
    expected.RedrawCutterView(s, s.Phase);
    const QImage view(QString::fromStdString(PathOf("view.png")));
    EXPECT_EQ(view.size(), QSize(385, 313));
    EXPECT_EQ(view.convertToFormat(expected.Image().format()), expected.Image());
}

TEST_F(BatchPictures, AnUnwritablePathFailsWithStatusOne) {
    const PictureRun run = RunWithPictures({"--workpiece", "28Cr4", "--tool", "P30", "--ticks", "1",
                                            "--view-png", PathOf("missing/dir/view.png")});
    EXPECT_EQ(run.status, kExitCannotWrite);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos);
}

TEST(BatchWithoutPictures, RefusesPictureOptions) {
    std::ostringstream out, err;
    EXPECT_EQ(
        RunBatchCommand({"--workpiece", "28Cr4", "--tool", "P30", "--view-png", "v.png"}, out, err),
        kExitBadInput);
}

// Every file the runner writes, named with a line break inside a folder that does not exist:
// the complaint is one line, with the break written as "\n", and the status says so.
struct UnwritableCase {
    const char* name;
    std::vector<std::string> args; // the unwritable path is added after these
};

class CannotWriteTest : public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(CannotWriteTest, OneLineWithTheBreakEscaped) {
    const std::string path = ::testing::TempDir() + "no such\nfolder/out";
    std::vector<std::string> args = {"--workpiece", "28Cr4", "--tool", "P30", "--ticks", "1"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    args.push_back(path);
    std::ostringstream out, err;
    EXPECT_EQ(RunBatchCommand(args, out, err, MakePngPictures, SaveSweepPng), kExitCannotWrite);
    const std::string escaped = ::testing::TempDir() + "no such\\nfolder/out";
    EXPECT_EQ(err.str().substr(err.str().find("glodanje-batch: ")),
              "glodanje-batch: cannot write '" + escaped + "'\n");
}

INSTANTIATE_TEST_SUITE_P(
    EveryOutput, CannotWriteTest,
    ::testing::Values(UnwritableCase{"Csv", {"--csv"}}, UnwritableCase{"Report", {"--report"}},
                      UnwritableCase{"ViewPng", {"--view-png"}},
                      UnwritableCase{"ChartPng", {"--chart-png"}}, UnwritableCase{"Gif", {"--gif"}},
                      UnwritableCase{"SweepCsv", {"--sweep", "direction=both", "--csv"}},
                      UnwritableCase{"SweepPng", {"--sweep", "direction=both", "--sweep-png"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace batch
