// The recorder: its file appears only when finished whole, a file that cannot be written leaves
// nothing behind, and a full queue either waits or counts the frames it leaves out.
#include "recording/gif_recorder.h"

#include "support/file_size_limit.h"
#include "support/gif_frames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <ostream>
#include <string>
#include <thread>

namespace recording {
namespace {

using test_support::kBlack;
using test_support::kWhite;

RecorderSettings Settings(int queueFrames = 8) {
    RecorderSettings settings;
    settings.frameSize = QSize(64, 48);
    settings.palette = {kWhite, kBlack};
    settings.queueFrames = queueFrames;
    return settings;
}

// Frame n: a black bar n pixels long on white, so that every frame differs from the one before.
QImage Bar(int n) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(kWhite);
    for (int x = 0; x < n % 64; ++x)
        image.setPixel(x, 20, kBlack);
    return image;
}

// Holds the encoder before each frame until released.
class EncoderGate {
public:
    std::function<void()> Hold() const {
        return [released = released_] { released.wait(); };
    }
    void Release() { release_.set_value(); }

private:
    std::promise<void> release_;
    std::shared_future<void> released_ = release_.get_future().share();
};

bool AddFrame(GifRecorder& recorder, int tick, WhenFull whenFull = WhenFull::Wait) {
    if (!recorder.BeginFrame(tick, whenFull))
        return false;
    recorder.AddPicture(Bar(tick), 0);
    recorder.EndFrame();
    return true;
}

class GifRecorderTest : public ::testing::Test {
protected:
    QString PathOf(const char* name) const { return QDir(dir.path()).filePath(name); }
    // A recorder into run.gif whose encoder waits before each frame until the gate opens.
    std::unique_ptr<GifRecorder> StartHeld(const EncoderGate& gate, int queueFrames) {
        RecorderSettings settings = Settings(queueFrames);
        settings.beforeEncoding = gate.Hold();
        Failure failure = Failure::None;
        return GifRecorder::Start(PathOf("run.gif"), settings, &failure);
    }
    // The files in the test's folder and below it: what a recording left behind.
    QStringList Left() const {
        QStringList files;
        QDirIterator entries(dir.path(), QDir::Files | QDir::Hidden | QDir::System,
                             QDirIterator::Subdirectories);
        while (entries.hasNext())
            files.append(QDir(dir.path()).relativeFilePath(entries.next()));
        files.sort();
        return files;
    }
    QTemporaryDir dir;
};

TEST_F(GifRecorderTest, TheFileAppearsWhenFinishedAndReadsBack) {
    Failure failure = Failure::CannotWrite;
    std::unique_ptr<GifRecorder> recorder =
        GifRecorder::Start(PathOf("run.gif"), Settings(), &failure);
    ASSERT_NE(recorder, nullptr);
    EXPECT_EQ(failure, Failure::None);
    for (int tick = 0; tick < 20; ++tick)
        ASSERT_TRUE(AddFrame(*recorder, tick));
    EXPECT_FALSE(QFile::exists(PathOf("run.gif")));
    ASSERT_EQ(recorder->Finish(1), Failure::None);
    EXPECT_EQ(Left(), QStringList{"run.gif"});
    EXPECT_EQ(recorder->Finish(1), Failure::None); // once finished, the file stays as it is

    const RecorderStatus status = recorder->Status();
    EXPECT_EQ(status.encoded.frames, 20);
    EXPECT_EQ(status.encoded.bytes, QFile(PathOf("run.gif")).size());
    const test_support::GifFile gif = test_support::ReadGifFile(PathOf("run.gif"));
    ASSERT_EQ(gif.frames.size(), 20u);
    for (int tick = 0; tick < 20; ++tick)
        EXPECT_EQ(gif.frames[static_cast<size_t>(tick)].image, Bar(tick)) << tick;
}

TEST_F(GifRecorderTest, ARecordingNeverFinishedLeavesNoFile) {
    Failure failure = Failure::None;
    auto recorder = GifRecorder::Start(PathOf("run.gif"), Settings(), &failure);
    ASSERT_NE(recorder, nullptr);
    for (int tick = 0; tick < 5; ++tick)
        AddFrame(*recorder, tick);
    recorder.reset();
    EXPECT_TRUE(Left().isEmpty()) << Left().join(", ").toStdString();
}

// Files that cannot be written, at the start or during the recording: the failure is reported,
// and neither the file nor a temporary one is left.
// What stands in the recording's way.
enum class Trouble { MissingFolder, FolderIsAFile, ReadOnlyFolder, FolderVanishes, DiskFull };

struct UnwritableCase {
    const char* name;
    Trouble trouble;
};

void PrintTo(const UnwritableCase& c, std::ostream* os) {
    *os << c.name;
}

class UnwritableTest : public GifRecorderTest,
                       public ::testing::WithParamInterface<UnwritableCase> {};

// The recording goes to folder/run.gif (to plain-file/run.gif where the folder is a file).
TEST_P(UnwritableTest, FailsAndLeavesNothing) {
    const Trouble trouble = GetParam().trouble;
    QFile(PathOf("plain-file")).open(QIODevice::WriteOnly);
    if (trouble != Trouble::MissingFolder && trouble != Trouble::FolderIsAFile) {
        ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    }
    const QString folder = PathOf("folder");
    if (trouble == Trouble::ReadOnlyFolder) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(folder).isWritable()) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            GTEST_SKIP() << "permissions do not bind this user";
        }
    }
    const QString path =
        PathOf(trouble == Trouble::FolderIsAFile ? "plain-file/run.gif" : "folder/run.gif");
    std::unique_ptr<test_support::FileSizeLimit> limit;
    if (trouble == Trouble::DiskFull)
        limit = std::make_unique<test_support::FileSizeLimit>(512);
    Failure failure = Failure::None;
    auto recorder = GifRecorder::Start(path, Settings(), &failure);
    if (trouble == Trouble::MissingFolder || trouble == Trouble::FolderIsAFile ||
        trouble == Trouble::ReadOnlyFolder) {
        EXPECT_EQ(recorder, nullptr);
        EXPECT_EQ(failure, Failure::CannotWrite);
    } else {
        ASSERT_NE(recorder, nullptr);
        for (int tick = 0; tick < 60; ++tick)
            AddFrame(*recorder, tick);
        if (trouble == Trouble::FolderVanishes) {
            ASSERT_TRUE(QDir(folder).removeRecursively());
        }
        EXPECT_EQ(recorder->Finish(1), Failure::CannotWrite);
        EXPECT_EQ(recorder->Status().failure, Failure::CannotWrite);
    }
    limit.reset();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(Left(), QStringList{"plain-file"}) << Left().join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Paths, UnwritableTest,
    ::testing::Values(UnwritableCase{"MissingFolder", Trouble::MissingFolder},
                      UnwritableCase{"FolderIsAFile", Trouble::FolderIsAFile},
                      UnwritableCase{"ReadOnlyFolder", Trouble::ReadOnlyFolder},
                      UnwritableCase{"FolderVanishes", Trouble::FolderVanishes},
                      UnwritableCase{"DiskFull", Trouble::DiskFull}),
    [](const auto& info) { return std::string(info.param.name); });

// The encoder is held at its first frame: with Skip the frames that find the queue full are
// left out and counted, and the frame before the gap shows for the ticks left out.
TEST_F(GifRecorderTest, AFullQueueSkipsAndCountsWhenToldSo) {
    EncoderGate gate;
    auto recorder = StartHeld(gate, 2);
    ASSERT_NE(recorder, nullptr);
    EXPECT_TRUE(AddFrame(*recorder, 0, WhenFull::Skip));
    EXPECT_TRUE(AddFrame(*recorder, 1, WhenFull::Skip));
    EXPECT_FALSE(AddFrame(*recorder, 2, WhenFull::Skip));
    EXPECT_FALSE(AddFrame(*recorder, 3, WhenFull::Skip));
    EXPECT_EQ(recorder->Status().skipped, 2);
    gate.Release();
    recorder->WaitUntilIdle();
    EXPECT_TRUE(AddFrame(*recorder, 4, WhenFull::Skip));
    ASSERT_EQ(recorder->Finish(1), Failure::None);
    EXPECT_EQ(recorder->Status().waited, 0);

    const test_support::GifFile gif = test_support::ReadGifFile(PathOf("run.gif"));
    ASSERT_EQ(gif.frames.size(), 3u);
    EXPECT_EQ(gif.frames[1].image, Bar(1));
    EXPECT_EQ(gif.frames[1].delayMs, 150);
    EXPECT_EQ(gif.frames[2].image, Bar(4));
}

// With Wait the producer waits until the encoder has room, and counts that it did.
TEST_F(GifRecorderTest, AFullQueueWaitsAndCountsWhenToldSo) {
    EncoderGate gate;
    auto recorder = StartHeld(gate, 1);
    ASSERT_NE(recorder, nullptr);
    ASSERT_TRUE(AddFrame(*recorder, 0));
    // Released only once the producer counts its wait.
    std::thread releaser([&recorder, &gate] {
        while (recorder->Status().waited == 0)
            std::this_thread::yield();
        gate.Release();
    });
    EXPECT_TRUE(AddFrame(*recorder, 1));
    releaser.join();
    ASSERT_EQ(recorder->Finish(1), Failure::None);
    EXPECT_EQ(recorder->Status().waited, 1);
    EXPECT_EQ(recorder->Status().skipped, 0);
    EXPECT_EQ(test_support::ReadGifFile(PathOf("run.gif")).frames.size(), 2u);
}

// A picture redrawn while the encoder still holds it: the encoder keeps the pixels it was given.
TEST_F(GifRecorderTest, APictureRedrawnAfterItWasAddedKeepsItsFrame) {
    EncoderGate gate;
    auto recorder = StartHeld(gate, 8);
    ASSERT_NE(recorder, nullptr);
    QImage picture = Bar(10);
    ASSERT_TRUE(recorder->BeginFrame(0, WhenFull::Wait));
    recorder->AddPicture(picture, 0);
    recorder->EndFrame();
    picture.fill(kBlack); // the shared pixels are copied before they change
    ASSERT_TRUE(recorder->BeginFrame(1, WhenFull::Wait));
    recorder->AddPicture(picture, 0);
    recorder->EndFrame();
    gate.Release();
    ASSERT_EQ(recorder->Finish(1), Failure::None);
    const test_support::GifFile gif = test_support::ReadGifFile(PathOf("run.gif"));
    ASSERT_EQ(gif.frames.size(), 2u);
    EXPECT_EQ(gif.frames[0].image, Bar(10));
    EXPECT_EQ(gif.frames[1].image, picture);
}

} // namespace
} // namespace recording
