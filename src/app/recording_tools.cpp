#include "app/recording_tools.h"

#include "app/form1.h"
#include "app/lab_tools.h"
#include "app/main_menu.h"
#include "app/trace_log.h"
#include "app/user_messages.h"
#include "chart/chart.h"
#include "recording/picture_palette.h"
#include "sim/text_conversion.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>

namespace app {
namespace {

constexpr int kStatusIntervalMs = 250;
// After a tick, time for the paint that follows it; well inside the 50 ms to the next tick, so
// that the encoder is done with the chart's picture before the chart draws again.
constexpr int kCompleteAfterMs = 5;
constexpr int kQueueFrames = 8; // 0.4 s of ticks the encoder may fall behind by

QString RecordingText(const char* source) {
    return QCoreApplication::translate("app::RecordingTools", source);
}

// "2345 kB": whole kilobytes, so that no decimal separator is needed.
QString KilobytesText(std::int64_t bytes) {
    return RecordingText(QT_TRANSLATE_NOOP("app::RecordingTools", "%1 kB"))
        .arg((bytes + 512) / 1024);
}

} // namespace

RecordingTools::RecordingTools(TForm1& form, UserMessages& messages)
    : form_(form), messages_(messages), statusTimer_(new QTimer(&form)),
      completeTimer_(new QTimer(&form)) {
    statusTimer_->setInterval(kStatusIntervalMs);
    QObject::connect(statusTimer_, &QTimer::timeout, &form_, [this] { ShowStatus(); });
    completeTimer_->setSingleShot(true);
    completeTimer_->setInterval(kCompleteAfterMs);
    QObject::connect(completeTimer_, &QTimer::timeout, &form_, [this] { CompleteFrame(); });
}

RecordingTools::~RecordingTools() {
    Stop(false);
}

void RecordingTools::InstallMenu(QMenuBar* bar) {
    QMenu* file = bar->actions().front()->menu();
    const QList<QAction*> items = file->actions();
    // Above the separator that sets "Izlaz" apart, below the other saves.
    QAction* before = items.size() >= 2 && items[items.size() - 2]->isSeparator()
                          ? items[items.size() - 2]
                          : items.value(items.size() - 1);
    RecordAction = new QAction(file);
    SetMenuText(RecordAction, QT_TRANSLATE_NOOP("app::MainMenu", "Snimi animaciju…"));
    QObject::connect(RecordAction, &QAction::triggered, file, [this] { StartOrStop(); });
    file->insertAction(before, RecordAction);

    bar_ = bar;
    StatusLabel = new QLabel(bar);
    StatusLabel->setObjectName(QStringLiteral("recordingStatus"));
    StatusLabel->setContentsMargins(0, 0, 6, 0);
    bar->setCornerWidget(StatusLabel, Qt::TopRightCorner);
}

void RecordingTools::StartOrStop() {
    if (Recording()) {
        Stop();
        return;
    }
    const QString path = form_.Tools().ChooseSaveFile(
        RecordingText(QT_TRANSLATE_NOOP("app::RecordingTools", "Snimi animaciju")),
        QString::fromStdString(DefaultFileStem(form_.State()) + ".gif"),
        RecordingText(QT_TRANSLATE_NOOP("app::RecordingTools", "GIF animacija (*.gif)")));
    if (!path.isEmpty())
        Start(path);
}

bool RecordingTools::Start(const QString& path) {
    if (Recording())
        return true;
    const QImage& view = form_.CutterPicture();
    recording::RecorderSettings settings;
    settings.frameSize = QSize(std::max(view.width(), form_.Chart1->width()),
                               view.height() + form_.Chart1->height());
    settings.palette = recording::RunPicturesPalette();
    settings.hundredthsPerTick = form_.Timer1->interval() / 10;
    settings.queueFrames = kQueueFrames;
    path_ = path;
    recording::Failure failure = recording::Failure::None;
    recorder_ = recording::GifRecorder::Start(path, std::move(settings), &failure);
    if (!recorder_) {
        ShowFailure(failure);
        return false;
    }
    tick_ = 0;
    stopped_ = false;
    BeginFrame(recording::WhenFull::Wait);
    CompleteFrame();
    SetMenuText(RecordAction, QT_TRANSLATE_NOOP("app::MainMenu", "Zaustavi snimanje"));
    statusTimer_->start();
    ShowStatus();
    return true;
}

void RecordingTools::Stop(bool showFailure) {
    if (!Recording())
        return;
    // The recording ends on the pictures as they stand, also when the last tick's frame was
    // left out: it is recorded now, and no longer counts as left out.
    const bool lastLeftOut = !framePending_ && lastFrameTick_ != tick_;
    if (lastLeftOut)
        BeginFrame(recording::WhenFull::Wait);
    const bool recovered = lastLeftOut && framePending_;
    CompleteFrame();
    // Taken out first: a box shown below runs the event loop, and its ticks record nothing.
    const std::unique_ptr<recording::GifRecorder> recorder = std::move(recorder_);
    statusTimer_->stop();
    const recording::Failure failure = recorder->Finish(1);
    finished_ = recorder->Status();
    if (recovered)
        --finished_.skipped;
    stopped_ = true;
    if (RecordAction != nullptr)
        SetMenuText(RecordAction, QT_TRANSLATE_NOOP("app::MainMenu", "Snimi animaciju…"));
    ShowStatus();
    if (showFailure && failure != recording::Failure::None)
        ShowFailure(failure);
}

void RecordingTools::BeforeTick() {
    CompleteFrame();
}

void RecordingTools::AfterTick() {
    if (!Recording())
        return;
    ++tick_;
    // The tick must not wait for the encoder: a frame that finds the queue full is left out,
    // counted and shown in the status.
    BeginFrame(recording::WhenFull::Skip);
    if (framePending_)
        completeTimer_->start();
}

void RecordingTools::BeginFrame(recording::WhenFull whenFull) {
    framePending_ = recorder_->BeginFrame(tick_, whenFull);
    if (framePending_) {
        lastFrameTick_ = tick_;
        recorder_->AddPicture(form_.CutterPicture(), 0);
    }
}

void RecordingTools::CompleteFrame() {
    completeTimer_->stop();
    if (!framePending_ || !Recording())
        return;
    recorder_->AddPicture(ChartPicture(), form_.CutterPicture().height());
    recorder_->EndFrame();
    framePending_ = false;
}

QImage RecordingTools::ChartPicture() const {
    // The window's paint leaves the picture in the chart's buffer; a chart not painted since it
    // changed (a hidden window) is drawn here instead.
    chart::TChart& chart = *form_.Chart1;
    if (chart.Canvas().Dirty() || chart.Canvas().Buffer() == nullptr)
        chart.PaintNow();
    return chart.Canvas().Buffer()->Image();
}

void RecordingTools::WaitUntilEncoded() {
    if (Recording())
        recorder_->WaitUntilIdle();
}

recording::RecorderStatus RecordingTools::Status() const {
    return Recording() ? recorder_->Status() : finished_;
}

void RecordingTools::ShowStatus() {
    if (StatusLabel == nullptr || (!Recording() && !stopped_))
        return;
    const recording::RecorderStatus status = Status();
    if (Recording() && status.failure != recording::Failure::None) {
        Stop();
        return;
    }
    QString text =
        (Recording()
             ? RecordingText(QT_TRANSLATE_NOOP("app::RecordingTools", "Snimanje — slika: %1, %2"))
             : RecordingText(QT_TRANSLATE_NOOP("app::RecordingTools", "Snimljeno — slika: %1, %2")))
            .arg(status.encoded.frames)
            .arg(KilobytesText(status.encoded.bytes));
    QString why;
    if (status.skipped > 0) {
        text += RecordingText(QT_TRANSLATE_NOOP("app::RecordingTools", ", preskočeno: %1"))
                    .arg(status.skipped);
        why = RecordingText(QT_TRANSLATE_NOOP(
            "app::RecordingTools", "Kodiranje animacije nije stizalo za simulacijom, pa neke slike "
                                   "nisu snimljene; snimljene slike traju duže, tako da animacija "
                                   "zadržava vreme simulacije."));
    }
    StatusLabel->setText(text);
    StatusLabel->setToolTip(why);
    // The bar places its corner widget only when it is set: a longer text needs a new place.
    bar_->setCornerWidget(StatusLabel, Qt::TopRightCorner);
}

void RecordingTools::ShowFailure(recording::Failure failure) const {
    QString text;
    switch (failure) {
    case recording::Failure::None:
        return;
    case recording::Failure::CannotWrite:
        // The path's control characters are written as escapes, as in every such message.
        text = QCoreApplication::translate("app::LabTools", "Datoteka \"%1\" ne može da se zapiše.")
                   .arg(QString::fromStdString(
                       sim::EscapeControls(path_.toStdString(), sim::Backslash::Keep)));
        break;
    case recording::Failure::TooManyColours:
        text = RecordingText(QT_TRANSLATE_NOOP(
            "app::RecordingTools", "Snimanje je prekinuto: slika ima više od 255 boja."));
        break;
    case recording::Failure::PictureTooLarge:
        text = RecordingText(QT_TRANSLATE_NOOP(
            "app::RecordingTools", "Snimanje je prekinuto: slike su promenile veličinu."));
        break;
    }
    messages_.Beep();
    messages_.ShowError(RecordingText(QT_TRANSLATE_NOOP("app::RecordingTools", "Greška")), text);
}

} // namespace app
