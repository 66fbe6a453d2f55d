// The oscillograph: the main window's chart Chart1 with its three line series, set up as
// the window creates them, the feed that refills the series from the simulation's traces
// after every tick, and an off-screen rendering of the chart to a PNG file.
#pragma once

#include "chart/chart.h"
#include "chart/series/line_series.h"
#include "sim/sim_state.h"

#include <QImage>
#include <QString>

namespace chart {

inline constexpr int kOscillographWidth = 385;       // pixels
inline constexpr int kOscillographHeight = 161;      // pixels
inline constexpr TColor kForceColour = 0x80FF80;     // light green, Series1 "Po"
inline constexpr TColor kChipColour = 0xFFFF80;      // light cyan, Series2 "Hr"
inline constexpr TColor kMeanForceColour = 0x80FFFF; // light yellow, Series3

// Sets chart and the three series up as Chart1, Series1, Series2 and Series3 of the main
// window: gradient background, black plot, title "Oscilograf", force axis 0 .. 5000 on the
// left, chip axis 0 .. 0.5 on the right, automatic time axis, hidden legend. The series
// join the chart (they stay owned by the caller).
void ConfigureChart1(TChart& chart, TLineSeries& series1, TLineSeries& series2,
                     TLineSeries& series3);

// Refills the three series with the 313 samples of the traces: force, chip thickness and
// mean force against time.
void FeedOscillograph(const sim::SimState& state, TLineSeries& series1, TLineSeries& series2,
                      TLineSeries& series3);

// The oscillograph of state drawn off-screen, 385 x 161 pixels (needs a QApplication).
QImage RenderOscillograph(const sim::SimState& state);
// Writes RenderOscillograph(state) as a PNG file; false when it cannot be written.
bool SaveOscillographPng(const sim::SimState& state, const QString& path);

} // namespace chart
