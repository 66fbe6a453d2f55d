#include "recording/run_recording.h"

#include "oscillograph/oscillograph.h"
#include "recording/picture_palette.h"

namespace recording {

QSize RunFrameSize() {
    return {std::max(cutter::kViewWidth, oscillograph::kOscillographWidth),
            kChartTop + oscillograph::kOscillographHeight};
}

std::unique_ptr<RunRecording> RunRecording::Start(const std::string& path, int every,
                                                  Failure* failure) {
    RecorderSettings settings;
    settings.frameSize = RunFrameSize();
    settings.palette = RunPicturesPalette();
    std::unique_ptr<GifRecorder> recorder =
        GifRecorder::Start(QString::fromStdString(path), std::move(settings), failure);
    if (recorder == nullptr)
        return nullptr;
    return std::unique_ptr<RunRecording>(new RunRecording(std::move(recorder), every));
}

RunRecording::RunRecording(std::unique_ptr<GifRecorder> recorder, int every)
    : recorder_(std::move(recorder)), every_(std::max(every, 1)) {
    oscillograph::ConfigureChart1(chart_, series1_, series2_, series3_);
}

void RunRecording::FeedOscillograph(const sim::SimState& s) {
    oscillograph::FeedOscillograph(s, series1_, series2_, series3_);
}

void RunRecording::RedrawCutterView(const sim::SimState&, double phase) {
    phase_ = phase;
}

void RunRecording::AddFrame(int tick, const sim::SimState& s) {
    lastFrame_ = tick;
    // The run waits for the encoder rather than leave a frame out.
    if (!recorder_->BeginFrame(tick, WhenFull::Wait))
        return;
    view_.RedrawCutterView(s, phase_);
    // The recorder copies each picture, so it takes the canvases' own pixels: the drawing pass
    // leaves the chart's picture in its buffer.
    recorder_->AddPicture(view_.Bitmap()->Image(), 0);
    chart_.DrawTo(nullptr, chart::TRect{0, 0, oscillograph::kOscillographWidth,
                                        oscillograph::kOscillographHeight});
    recorder_->AddPicture(chart_.Canvas().Buffer()->Image(), kChartTop);
    recorder_->EndFrame();
}

void RunRecording::AddStartFrame(const sim::SimState& s) {
    AddFrame(0, s);
}

void RunRecording::AfterTick(int tick, const sim::SimState& s) {
    lastTick_ = tick;
    if (tick % every_ == 0)
        AddFrame(tick, s);
}

Failure RunRecording::Finish(const sim::SimState& s) {
    if (lastFrame_ != lastTick_)
        AddFrame(lastTick_, s);
    return recorder_->Finish(every_);
}

} // namespace recording
