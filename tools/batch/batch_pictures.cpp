#include "batch/batch_pictures.h"

#include "canvas/canvas.h"
#include "cutter/cutter_view.h"
#include "lab/write_error.h"
#include "oscillograph/oscillograph.h"
#include "recording/run_recording.h"

#include <QImage>
#include <QString>

namespace batch {

namespace {

// The complaint about a recording that could not be finished.
std::string RecordingError(recording::Failure failure, const std::string& path) {
    switch (failure) {
    case recording::Failure::None:
        break;
    case recording::Failure::CannotWrite:
        return lab::CannotWriteMessage(path);
    case recording::Failure::TooManyColours:
        return "--gif: a frame changed in more than 255 colours";
    case recording::Failure::PictureTooLarge:
        return "--gif: a picture does not fit into the frame";
    }
    return {};
}

class PngPictures : public RunPictures {
public:
    explicit PngPictures(const BatchOptions& options)
        : viewPath_(options.viewPngPath), chartPath_(options.chartPngPath),
          gifPath_(options.gifPath), gifEvery_(options.gifEvery.value_or(1)) {
        if (!chartPath_.empty()) {
            chart_ = std::make_unique<chart::TChart>();
            oscillograph::ConfigureChart1(*chart_, series1_, series2_, series3_);
        }
    }

    void FeedOscillograph(const sim::SimState& s) override {
        if (chart_)
            oscillograph::FeedOscillograph(s, series1_, series2_, series3_);
        if (gif_)
            gif_->FeedOscillograph(s);
    }

    // The start-up picture is drawn at phase 0, so that is the phase until a redraw says more.
    void RedrawCutterView(const sim::SimState& s, double phase) override {
        lastPhase_ = phase;
        if (gif_)
            gif_->RedrawCutterView(s, phase);
    }

    std::string Begin(const sim::SimState& s) override {
        if (gifPath_.empty())
            return {};
        recording::Failure failure = recording::Failure::None;
        gif_ = recording::RunRecording::Start(gifPath_, gifEvery_, &failure);
        if (!gif_)
            return RecordingError(failure, gifPath_);
        gif_->RedrawCutterView(s, lastPhase_);
        gif_->AddStartFrame(s);
        return {};
    }

    void AfterTick(int tick, const sim::SimState& s) override {
        if (gif_)
            gif_->AfterTick(tick, s);
    }

    std::string Save(const sim::SimState& s) override {
        if (gif_) {
            if (const recording::Failure failure = gif_->Finish(s);
                failure != recording::Failure::None)
                return RecordingError(failure, gifPath_);
        }
        if (!viewPath_.empty() && !cutter::SaveCutterViewPng(s, lastPhase_, viewPath_))
            return lab::CannotWriteMessage(viewPath_);
        if (chart_) {
            canvas::Canvas target(oscillograph::kOscillographWidth,
                                  oscillograph::kOscillographHeight);
            chart_->DrawTo(&target, chart::TRect{0, 0, oscillograph::kOscillographWidth,
                                                 oscillograph::kOscillographHeight});
            if (!target.Image().save(QString::fromStdString(chartPath_), "PNG"))
                return lab::CannotWriteMessage(chartPath_);
        }
        return {};
    }

    // The frames written, and whether the run had to wait for the encoder.
    std::string Summary() const override {
        if (!gif_)
            return {};
        const recording::RecorderStatus status = gif_->Status();
        std::string lines = "gif frames: " + std::to_string(status.encoded.frames) + " (" +
                            std::to_string(status.encoded.bytes) + " bytes)\n";
        if (status.waited > 0) {
            lines += "gif: the encoder fell behind; the run waited for it at " +
                     std::to_string(status.waited) + " frames\n";
        }
        return lines;
    }

private:
    std::string viewPath_;
    std::string chartPath_;
    std::string gifPath_;
    int gifEvery_;
    double lastPhase_ = 0;
    // The chart only lists the series; whichever goes first detaches them.
    chart::TLineSeries series1_, series2_, series3_;
    std::unique_ptr<chart::TChart> chart_;
    std::unique_ptr<recording::RunRecording> gif_;
};

} // namespace

std::unique_ptr<RunPictures> MakePngPictures(const BatchOptions& options) {
    return std::make_unique<PngPictures>(options);
}

} // namespace batch
