// The batch runner's bad inputs as the README's table lists them: the exit status, one line of
// error on standard error, nothing on standard output, and which files exist afterwards.

#include "batch/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace batch {
using namespace lab;
namespace {

struct BadInputCase {
    const char* name;
    std::vector<std::string> args; // "--csv <scratch file>" is added to each
    int status;
    const char* errorStart; // the start of the one line of error
};

class BatchBadInputTest : public ::testing::TestWithParam<BadInputCase> {
protected:
    void SetUp() override {
        folder_ = std::filesystem::path(::testing::TempDir()) /
                  (std::string("bad_input_") + GetParam().name);
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
};

TEST_P(BatchBadInputTest, OneLineNoOutputNoFile) {
    const std::filesystem::path csv = folder_ / "run.csv";
    std::vector<std::string> args = GetParam().args;
    args.insert(args.begin(), {"--csv", csv.string()});
    std::ostringstream out, err;
    EXPECT_EQ(RunBatchCommand(args, out, err), GetParam().status);
    EXPECT_EQ(out.str(), "");
    const std::string text = err.str();
    EXPECT_EQ(text.rfind(GetParam().errorStart, 0), 0u) << text;
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find('\n'), text.size() - 1) << text;
    EXPECT_FALSE(std::filesystem::exists(csv));
}

INSTANTIATE_TEST_SUITE_P(
    Readme, BatchBadInputTest,
    ::testing::Values(
        BadInputCase{"UnknownOption",
                     {"--workpiece", "C35", "--tool", "P30", "--fast"},
                     kExitBadInput,
                     "glodanje-batch: unknown option '--fast'"},
        BadInputCase{"MissingValue",
                     {"--workpiece", "C35", "--tool", "P30", "--teeth"},
                     kExitBadInput,
                     "glodanje-batch: option '--teeth' needs a value"},
        BadInputCase{"UnknownMaterial",
                     {"--workpiece", "steel", "--tool", "P30"},
                     kExitBadInput,
                     "glodanje-batch: --workpiece: unknown material 'steel'"},
        BadInputCase{"UnknownDirection",
                     {"--workpiece", "C35", "--tool", "P30", "--direction", "climb"},
                     kExitBadInput,
                     "glodanje-batch: --direction: 'climb'"},
        BadInputCase{"UnknownForceModel",
                     {"--workpiece", "C35", "--tool", "P30", "--model", "teeth"},
                     kExitBadInput,
                     "glodanje-batch: --model: 'teeth' is neither sum nor tooth"},
        BadInputCase{"RadialRatioNotANumber",
                     {"--workpiece", "C35", "--tool", "P30", "--radial-ratio", "0.4x"},
                     kExitBadInput,
                     "glodanje-batch: --radial-ratio: '0.4x' is not a number"},
        BadInputCase{"RadialRatioOutOfRange",
                     {"--workpiece", "C35", "--tool", "P30", "--radial-ratio", "0.61"},
                     kExitBadInput,
                     "glodanje-batch: --radial-ratio: 0.61 is outside 0.2..0.6"},
        BadInputCase{"MalformedNumber",
                     {"--workpiece", "C35", "--tool", "P30", "--feed", "1e2"},
                     kExitBadInput,
                     "glodanje-batch: --feed: '1e2' is not a valid integer"},
        BadInputCase{"OutOfRange",
                     {"--workpiece", "C35", "--tool", "P30", "--width", "101"},
                     kExitBadInput,
                     "glodanje-batch: --width: 101 is outside 10..100"},
        BadInputCase{"LineBreakInAnArgument",
                     {"--workpiece", "C35\n", "--tool", "P30"},
                     kExitBadInput,
                     "glodanje-batch: --workpiece: unknown material 'C35\\n'"},
        BadInputCase{
            "MissingMaterial", {"--tool", "P30"}, kExitBadInput, "Materijal obratka nije zadat!"},
        BadInputCase{"PicturesWithoutDrawing",
                     {"--workpiece", "C35", "--tool", "P30", "--chart-png", "chart.png"},
                     kExitBadInput,
                     "glodanje-batch: pictures cannot be drawn here"},
        BadInputCase{"RecordingWithoutDrawing",
                     {"--workpiece", "C35", "--tool", "P30", "--gif", "run.gif"},
                     kExitBadInput,
                     "glodanje-batch: pictures cannot be drawn here"},
        BadInputCase{
            "GifEveryZero",
            {"--workpiece", "C35", "--tool", "P30", "--gif", "run.gif", "--gif-every", "0"},
            kExitBadInput,
            "glodanje-batch: --gif-every: '0' is not a whole number of at least 1"},
        BadInputCase{"GifEveryNotANumber",
                     {"--workpiece", "C35", "--tool", "P30", "--gif", "run.gif", "--gif-every=5x"},
                     kExitBadInput,
                     "glodanje-batch: --gif-every: '5x' is not a whole number of at least 1"},
        BadInputCase{"GifEveryWithoutGif",
                     {"--workpiece", "C35", "--tool", "P30", "--gif-every", "2"},
                     kExitBadInput,
                     "glodanje-batch: --gif-every needs --gif"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchBadInput, AnUnwritableCsvRunsNothing) {
    std::ostringstream out, err;
    EXPECT_EQ(RunBatchCommand(
                  {"--workpiece", "C35", "--tool", "P30", "--csv",
                   (std::filesystem::path(::testing::TempDir()) / "no/such/dir.csv").string()},
                  out, err),
              kExitCannotWrite);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str().rfind("glodanje-batch: cannot write '", 0), 0u);
    EXPECT_EQ(err.str().find("ticks run"), std::string::npos);
}

// Pictures that fail to save after the run: the CSV written during the run stays.
class FailingPictures : public RunPictures {
public:
    void FeedOscillograph(const sim::SimState&) override {}
    void RedrawCutterView(const sim::SimState&, double) override {}
    std::string Save(const sim::SimState&) override { return "cannot write 'view.png'"; }
};

TEST(BatchBadInput, AnUnwritablePictureKeepsTheCsv) {
    const std::filesystem::path csv =
        std::filesystem::path(::testing::TempDir()) / "bad_input_picture.csv";
    std::filesystem::remove(csv);
    std::ostringstream out, err;
    const int status = RunBatchCommand(
        {"--workpiece", "C35", "--tool", "P30", "--ticks", "3", "--view-png", "view.png", "--csv",
         csv.string()},
        out, err, [](const BatchOptions&) { return std::make_unique<FailingPictures>(); });
    EXPECT_EQ(status, kExitCannotWrite);
    EXPECT_EQ(err.str(), "glodanje-batch: cannot write 'view.png'\n");
    std::ifstream file(csv);
    int lines = 0;
    for (std::string line; std::getline(file, line);) {
        ++lines;
    }
    EXPECT_EQ(lines, 4); // the header and three ticks
    std::filesystem::remove(csv);
}

} // namespace
} // namespace batch
