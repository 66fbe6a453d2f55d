// The oscillograph: the main window's chart Chart1 with its three line series, set up as
// the window creates them, and the feed that refills the series from the simulation's traces
// after every tick. The simulator configures the general chart engine here, so that the engine
// itself knows nothing of the simulation.
#pragma once

#include "chart/chart.h"
#include "chart/series/line_series.h"
#include "sim/sim_state.h"

namespace oscillograph {

inline constexpr int kOscillographWidth = 385;              // pixels
inline constexpr int kOscillographHeight = 161;             // pixels
inline constexpr chart::TColor kForceColour = 0x80FF80;     // light green, Series1 "Po"
inline constexpr chart::TColor kChipColour = 0xFFFF80;      // light cyan, Series2 "Hr"
inline constexpr chart::TColor kMeanForceColour = 0x80FFFF; // light yellow, Series3
// The background runs from white at the top to this light yellow at the bottom.
inline constexpr chart::TColor kGradientEndColour = 0x80FFFF;

// Sets chart and the three series up as Chart1, Series1, Series2 and Series3 of the main
// window: gradient background, black plot, title "Oscilograf", force axis 0 .. 5000 on the
// left, chip axis 0 .. 0.5 on the right, automatic time axis, hidden legend. The series
// join the chart (they stay owned by the caller).
void ConfigureChart1(chart::TChart& chart, chart::TLineSeries& series1, chart::TLineSeries& series2,
                     chart::TLineSeries& series3);

// Sets the chart's title and its three axis titles in the current language (Serbian by
// default: "Oscilograf", "Vreme, s", "Glavni otpor rezanja, N", "Debljina strugotine, mm").
void SetChart1Texts(chart::TChart& chart);

// Refills the three series with the 313 samples of the traces: force, chip thickness and
// mean force against time.
void FeedOscillograph(const sim::SimState& state, chart::TLineSeries& series1,
                      chart::TLineSeries& series2, chart::TLineSeries& series3);

} // namespace oscillograph
