// glodanje-batch --gif: each frame read back is what --view-png and --chart-png write after the
// same tick, pixel for pixel, with the delay of the ticks to the next frame; the traces stay
// what a run without the recording writes.
#include "batch/batch_pictures.h"
#include "batch/batch_run.h"
#include "support/gif_frames.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace batch {
namespace {

using test_support::GifFile;

const std::vector<std::string> kStartValues = {"--workpiece", "28Cr4", "--tool", "P30"};

struct BatchRun {
    int status = 0;
    std::string out;
    std::string err;
};

BatchRun RunBatch(std::vector<std::string> args) {
    args.insert(args.begin(), kStartValues.begin(), kStartValues.end());
    std::ostringstream out, err;
    BatchRun run;
    run.status = RunBatchCommand(args, out, err, MakePngPictures);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The two pictures --view-png and --chart-png write after `tick` ticks, stacked.
QImage PicturesOfTick(const QTemporaryDir& dir, int tick) {
    const std::string view = dir.filePath("view.png").toStdString();
    const std::string chart = dir.filePath("chart.png").toStdString();
    const BatchRun run =
        RunBatch({"--ticks", std::to_string(tick), "--view-png", view, "--chart-png", chart});
    EXPECT_EQ(run.status, kExitDone) << run.err;
    return test_support::StackedPictures(QImage(QString::fromStdString(view)),
                                         QImage(QString::fromStdString(chart)));
}

// Two recordings, made once: 30 ticks with every tick's frame, and the whole run to the end of
// the feed (1556 ticks) with every 50th tick's.
class BatchGif : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        const std::string shortGif = dir_->filePath("short.gif").toStdString();
        shortRun_ =
            std::make_unique<BatchRun>(RunBatch({"--ticks", "30", "--gif", shortGif, "--csv",
                                                 dir_->filePath("short.csv").toStdString()}));
        shortGif_ =
            std::make_unique<GifFile>(test_support::ReadGifFile(QString::fromStdString(shortGif)));
        const std::string wholeGif = dir_->filePath("whole.gif").toStdString();
        wholeRun_ =
            std::make_unique<BatchRun>(RunBatch({"--gif", wholeGif, "--gif-every", "50", "--csv",
                                                 dir_->filePath("w.csv").toStdString()}));
        wholeGif_ =
            std::make_unique<GifFile>(test_support::ReadGifFile(QString::fromStdString(wholeGif)));
    }
    static void TearDownTestSuite() {
        shortGif_.reset();
        wholeGif_.reset();
        shortRun_.reset();
        wholeRun_.reset();
        dir_.reset();
    }

    static std::unique_ptr<QTemporaryDir> dir_;
    static std::unique_ptr<BatchRun> shortRun_, wholeRun_;
    static std::unique_ptr<GifFile> shortGif_, wholeGif_;
};

std::unique_ptr<QTemporaryDir> BatchGif::dir_;
std::unique_ptr<BatchRun> BatchGif::shortRun_, BatchGif::wholeRun_;
std::unique_ptr<GifFile> BatchGif::shortGif_, BatchGif::wholeGif_;

TEST_F(BatchGif, EveryTickGivesAFrameOfFiveHundredths) {
    ASSERT_EQ(shortRun_->status, kExitDone) << shortRun_->err;
    EXPECT_NE(shortRun_->err.find("gif frames: 31 ("), std::string::npos) << shortRun_->err;
    ASSERT_TRUE(shortGif_->readable);
    EXPECT_EQ(shortGif_->loopCount, -1);
    ASSERT_EQ(shortGif_->frames.size(), 31u); // the start and 30 ticks
    for (const test_support::GifFrame& frame : shortGif_->frames) {
        EXPECT_EQ(frame.image.size(), QSize(385, 474));
        EXPECT_EQ(frame.delayMs, 50);
    }
}

// Every 50th tick from 0 to 1550, then the last tick 1556: the frame of 1550 stands for the 6
// ticks to the end, the last for 50.
TEST_F(BatchGif, EveryFiftiethTickAndTheLast) {
    ASSERT_EQ(wholeRun_->status, kExitDone) << wholeRun_->err;
    ASSERT_EQ(wholeGif_->frames.size(), 33u);
    for (size_t i = 0; i < 31; ++i)
        EXPECT_EQ(wholeGif_->frames[i].delayMs, 2500) << i;
    EXPECT_EQ(wholeGif_->frames[31].delayMs, 300);
    EXPECT_EQ(wholeGif_->frames[32].delayMs, 2500);
}

TEST_F(BatchGif, TheTracesAreThoseOfARunWithoutTheRecording) {
    const BatchRun plain = RunBatch({"--ticks", "30"});
    QFile csv(dir_->filePath("short.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(), plain.out);
}

struct FrameCase {
    const char* name;
    bool whole; // the whole run's recording, else the 30 ticks'
    size_t frame;
    int tick;
};

void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.name;
}

class BatchGifFrame : public BatchGif, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(BatchGifFrame, IsThePicturesOfItsTick) {
    const GifFile& gif = GetParam().whole ? *wholeGif_ : *shortGif_;
    ASSERT_LT(GetParam().frame, gif.frames.size());
    const QTemporaryDir pngs;
    EXPECT_EQ(gif.frames[GetParam().frame].image, PicturesOfTick(pngs, GetParam().tick));
}

INSTANTIATE_TEST_SUITE_P(Ticks, BatchGifFrame,
                         ::testing::Values(FrameCase{"Start", false, 0, 0},
                                           FrameCase{"FirstTick", false, 1, 1},
                                           FrameCase{"TickThirty", false, 30, 30},
                                           FrameCase{"MidRun", true, 14, 700},
                                           FrameCase{"EndOfTheFeed", true, 32, 1556}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace batch
