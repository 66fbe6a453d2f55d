#pragma once

// The traces of the per-tooth force model over the last 313 samples: the tangential force
// summed over the teeth, the force on the workpiece along the feed and the one normal to it,
// each with the mean of the last whole revolution as a staircase in a darker shade.

#include "chart/chart.h"
#include "chart/series/fast_line_series.h"
#include "sim/sim_state.h"

#include <array>
#include <memory>

namespace force_views {

inline constexpr int kTracesWidth = 560;  // px
inline constexpr int kTracesHeight = 300; // px

class ForceTraces {
public:
    // Sets chart up (white, titles, legend, automatic axes); the series join it and stay owned
    // here.
    explicit ForceTraces(chart::TChart& chart);
    ~ForceTraces();
    ForceTraces(const ForceTraces&) = delete;
    ForceTraces& operator=(const ForceTraces&) = delete;

    // Refills the six series with the 313 samples against time.
    void Feed(const sim::SimState& s);
    // The title, the axis titles and the legend in the current language.
    void SetTexts();

private:
    chart::TChart& chart_;
    std::array<std::unique_ptr<chart::TFastLineSeries>, 3> traces_;
    std::array<std::unique_ptr<chart::TFastLineSeries>, 3> means_;
};

// Refills series with the staircase of values against time (samples 1 .. 313): a value holds
// until the sample where the next one starts. Only the corners are points, so a trace of
// revolution means, which changes once a revolution, takes a few points instead of 313.
void AddStaircase(chart::TFastLineSeries& series, const sim::Trace& time, const sim::Trace& values);

} // namespace force_views
