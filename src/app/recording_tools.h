// Recording the window's two pictures as an animated GIF: "Datoteka" > "Snimi animaciju…" asks
// for a file and starts, the item then reads "Zaustavi snimanje", and the right end of the menu
// bar shows the frames and the size of the file so far. Each frame is the cutter view above the
// oscillograph as the window shows them after a tick; the encoding runs on a thread of its own,
// so a tick never waits for it. Stopping, closing the window or ending the program finishes the
// file.
#pragma once

#include "recording/gif_recorder.h"

#include <QString>
#include <memory>

class QAction;
class QImage;
class QLabel;
class QMenuBar;
class QTimer;

namespace app {

class TForm1;
class UserMessages;

class RecordingTools {
public:
    RecordingTools(TForm1& form, UserMessages& messages);
    ~RecordingTools();
    RecordingTools(const RecordingTools&) = delete;
    RecordingTools& operator=(const RecordingTools&) = delete;

    // Adds the item to the bar's "Datoteka" menu, above the separator before "Izlaz", and the
    // status at the right end of the bar.
    void InstallMenu(QMenuBar* bar);

    // Hooks of the main window's tick. A frame is begun after its tick with the cutter view and
    // completed with the oscillograph once the window has painted it: a few milliseconds later,
    // or at the next tick or when the recording stops if that comes first.
    void BeforeTick();
    void AfterTick();

    // The menu item: asks for a file (LabTools::ChooseSaveFile; a cancelled dialog does nothing)
    // and starts, or stops.
    void StartOrStop();
    // Starts recording into path with the pictures as they stand as the first frame; a file that
    // cannot be created is reported. Returns whether the recording runs.
    bool Start(const QString& path);
    // Finishes the file; a failure is reported in a box when showFailure is set.
    void Stop(bool showFailure = true);

    bool Recording() const { return recorder_ != nullptr; }
    // Of the running recording, or of the last one after it stopped.
    recording::RecorderStatus Status() const;
    // Returns once the frames handed over are encoded: tests and benchmarks that tick faster
    // than the timer wait here as the timer would.
    void WaitUntilEncoded();
    // Shows the status in the current language.
    void ShowStatus();

    QAction* RecordAction = nullptr;
    QLabel* StatusLabel = nullptr;

private:
    void BeginFrame(recording::WhenFull whenFull);
    void CompleteFrame();
    QImage ChartPicture() const;
    void ShowFailure(recording::Failure failure) const;

    TForm1& form_;
    UserMessages& messages_;
    std::unique_ptr<recording::GifRecorder> recorder_;
    QString path_;
    int tick_ = 0;                       // ticks since the recording started
    int lastFrameTick_ = 0;              // the tick of the last frame begun
    bool framePending_ = false;          // a frame waits for its oscillograph
    recording::RecorderStatus finished_; // of the last recording, once stopped
    bool stopped_ = false;               // a recording has stopped: its status stays shown
    QMenuBar* bar_ = nullptr;            // holds the status at its right end
    QTimer* statusTimer_ = nullptr;
    QTimer* completeTimer_ = nullptr; // completes a frame after the paint that follows its tick
};

} // namespace app
