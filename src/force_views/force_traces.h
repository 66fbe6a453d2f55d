#pragma once

// The traces of the per-tooth force model over the last 313 samples: the tangential force
// summed over the teeth, the force on the workpiece along the feed and the one normal to it,
// each with the mean of the last whole revolution as a staircase in a darker shade.

#include "chart/chart.h"
#include "chart/series/fast_line_series.h"
#include "chart/series/line_series.h"
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

    // The series of trace 0 (tangential), 1 (feed) or 2 (normal), and of its means.
    const chart::TFastLineSeries& Trace(int index) const;
    const chart::TLineSeries& Means(int index) const;

private:
    chart::TChart& chart_;
    std::array<std::unique_ptr<chart::TFastLineSeries>, 3> traces_;
    std::array<std::unique_ptr<chart::TLineSeries>, 3> means_;
};

} // namespace force_views
