#pragma once

// A run recorded as an animated GIF without a window, for glodanje-batch: the cutter view above
// the oscillograph, each drawn off-screen as --view-png and --chart-png draw it, one frame at
// the start of the run and one every `every` ticks, the last tick's frame always among them.

#include "chart/chart.h"
#include "chart/series/line_series.h"
#include "cutter/cutter_view.h"
#include "recording/gif_recorder.h"
#include "sim/run_observer.h"
#include "sim/sim_state.h"

#include <memory>
#include <string>

namespace recording {

// The frame of the window's two pictures at scale 1: the cutter view (385 x 313) above the
// oscillograph (385 x 161).
QSize RunFrameSize();
// Where the oscillograph stands in that frame: below the cutter view.
inline constexpr int kChartTop = cutter::kViewHeight;

class RunRecording : public sim::RunObserver {
public:
    // Opens the file (see GifRecorder::Start); every: ticks from one frame to the next, 1 or more.
    // Null, with *failure set, when the file cannot be created. Needs a QGuiApplication (the
    // oscillograph's texts).
    static std::unique_ptr<RunRecording> Start(const std::string& path, int every,
                                               Failure* failure);

    // RunObserver: the chart is refilled at every feed, as the window's; the view is drawn when
    // a frame is due, at the phase of the last redraw.
    void FeedOscillograph(const sim::SimState& s) override;
    void RedrawCutterView(const sim::SimState& s, double phase) override;

    // The frame of the state before the first tick.
    void AddStartFrame(const sim::SimState& s);
    // After tick (1-based) has run: its frame when it is due.
    void AfterTick(int tick, const sim::SimState& s);
    // Adds the last tick's frame when it was not due, gives it `every` ticks and ends the file.
    Failure Finish(const sim::SimState& s);
    RecorderStatus Status() const { return recorder_->Status(); }

private:
    RunRecording(std::unique_ptr<GifRecorder> recorder, int every);
    void AddFrame(int tick, const sim::SimState& s);

    std::unique_ptr<GifRecorder> recorder_;
    int every_;
    int lastTick_ = 0;  // the last tick run
    int lastFrame_ = 0; // the tick of the last frame
    double phase_ = 0;  // of the last redraw; the start-up picture is drawn at phase 0
    // The chart only lists the series; whichever goes first detaches them.
    chart::TLineSeries series1_, series2_, series3_;
    chart::TChart chart_;
    cutter::CutterView view_;
};

} // namespace recording
