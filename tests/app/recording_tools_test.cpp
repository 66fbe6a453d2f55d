// "Datoteka" > "Snimi animaciju…" in the main window: the real menu item starts and stops a
// recording whose frames read back as the window's pictures after each tick, closing the window
// finishes the file, and a file that cannot be written is reported and leaves nothing.
#include "app/recording_tools.h"

#include "app/lab_test_support.h"
#include "batch/batch_pictures.h"
#include "batch/batch_run.h"
#include "support/gif_frames.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <sstream>

namespace app {
namespace {

class RecordingToolsTest : public LabWindowTest {
protected:
    // Ticks as the timer gives them, 50 ms apart: time enough for the encoder.
    void PacedTicks(int count) {
        for (int i = 0; i < count; ++i) {
            form->Timer1Timer();
            form->Recording().WaitUntilEncoded();
        }
    }
};

// The frame the window shows now: the cutter view above the oscillograph.
QImage WindowPictures(TForm1& form) {
    return test_support::StackedPictures(form.CutterPicture(), form.Tools().ChartPicture());
}

TEST_F(RecordingToolsTest, TheMenuItemRecordsTheWindowsPicturesTickByTick) {
    StartWith("28Cr4", "P30");
    Tick(40);
    answer = PathOf("run.gif");
    QAction* item = form->Recording().RecordAction;
    ASSERT_EQ(item->text(), QString::fromUtf8("Snimi animaciju…"));
    item->trigger();
    EXPECT_EQ(suggestedNames, std::vector<std::string>{"glodanje-28Cr4-P30-up.gif"});
    ASSERT_TRUE(form->Recording().Recording());
    EXPECT_EQ(item->text(), "Zaustavi snimanje");
    EXPECT_TRUE(
        form->Recording().StatusLabel->text().startsWith(QString::fromUtf8("Snimanje — slika: ")));
    const QImage atStart = WindowPictures(*form);
    PacedTicks(20);
    const QImage atEnd = WindowPictures(*form);
    item->trigger();

    EXPECT_FALSE(form->Recording().Recording());
    EXPECT_EQ(item->text(), QString::fromUtf8("Snimi animaciju…"));
    EXPECT_TRUE(form->Recording().StatusLabel->text().startsWith(
        QString::fromUtf8("Snimljeno — slika: 21, ")))
        << form->Recording().StatusLabel->text().toStdString();
    EXPECT_EQ(form->Recording().Status().skipped, 0);
    EXPECT_TRUE(said.empty());
    const test_support::GifFile gif = test_support::ReadGifFile(answer);
    ASSERT_EQ(gif.frames.size(), 21u);
    EXPECT_EQ(gif.frames.front().image, atStart);
    EXPECT_EQ(gif.frames.back().image, atEnd);
    for (const test_support::GifFrame& frame : gif.frames)
        EXPECT_EQ(frame.delayMs, 50);

    // The frame of tick 50 is the batch runner's pictures after 50 ticks.
    const std::string view = PathOf("view.png").toStdString();
    const std::string chart = PathOf("chart.png").toStdString();
    std::ostringstream out, err;
    ASSERT_EQ(batch::RunBatchCommand({"--workpiece", "28Cr4", "--tool", "P30", "--ticks", "50",
                                      "--view-png", view, "--chart-png", chart},
                                     out, err, batch::MakePngPictures),
              batch::kExitDone);
    EXPECT_EQ(gif.frames[10].image,
              test_support::StackedPictures(QImage(QString::fromStdString(view)),
                                            QImage(QString::fromStdString(chart))));
}

// Ticks as fast as the machine runs them: the encoder falls behind and frames are left out, but
// the status says so and the frames kept still add up to the ticks' time.
TEST_F(RecordingToolsTest, FramesLeftOutAreShownAndTheTimeIsKept) {
    StartWith("28Cr4", "P30");
    answer = PathOf("run.gif");
    form->Recording().RecordAction->trigger();
    EXPECT_EQ(Tick(40), 40);
    form->Recording().ShowStatus();
    const int skipped = form->Recording().Status().skipped;
    EXPECT_EQ(form->Recording().StatusLabel->text().contains(QString::fromUtf8("preskočeno: ")),
              skipped > 0);
    const QImage atEnd = WindowPictures(*form);
    form->Recording().RecordAction->trigger();
    // The last tick's frame is recorded at the stop, whether or not it was left out at its tick.
    EXPECT_LE(form->Recording().Status().skipped, skipped);
    const test_support::GifFile gif = test_support::ReadGifFile(answer);
    ASSERT_FALSE(gif.frames.empty());
    EXPECT_EQ(gif.frames.size(), static_cast<size_t>(41 - form->Recording().Status().skipped));
    EXPECT_EQ(gif.frames.back().image, atEnd);
    int shownMs = 0;
    for (const test_support::GifFrame& frame : gif.frames)
        shownMs += frame.delayMs;
    EXPECT_EQ(shownMs, 41 * 50);
}

TEST_F(RecordingToolsTest, ClosingTheWindowFinishesTheFile) {
    StartWith("28Cr4", "P30");
    answer = PathOf("run.gif");
    form->Recording().RecordAction->trigger();
    Tick(5);
    form->close();
    EXPECT_FALSE(form->Recording().Recording());
    EXPECT_EQ(test_support::ReadGifFile(answer).frames.size(), 6u);
}

TEST_F(RecordingToolsTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
    answer = PathOf("missing-dir/run.gif");
    form->Recording().RecordAction->trigger();
    EXPECT_FALSE(form->Recording().Recording());
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0], "beep");
    EXPECT_NE(said[1].find("missing-dir/run.gif\" ne može da se zapiše"), std::string::npos)
        << said[1];
    EXPECT_EQ(form->Recording().RecordAction->text(), QString::fromUtf8("Snimi animaciju…"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    // A cancelled dialog starts nothing and says nothing.
    said.clear();
    answer.clear();
    form->Recording().RecordAction->trigger();
    EXPECT_FALSE(form->Recording().Recording());
    EXPECT_TRUE(said.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
} // namespace app
