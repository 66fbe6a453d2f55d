#pragma once

// The polar diagram of the force on the workpiece: its feed component (x, positive pulls the
// workpiece on) against its normal component (y, positive presses it onto the table). The
// resultant's tip over the last revolution is a closed curve; the newest vector and the mean of
// the last whole revolution are arrows from the origin. Both axes have the same scale, so that
// the arrows' directions are true.

#include "chart/chart.h"
#include "chart/series/fast_line_series.h"
#include "sim/sim_state.h"

#include <array>
#include <memory>

namespace force_views {

inline constexpr int kPolarWidth = 330;  // px
inline constexpr int kPolarHeight = 300; // px

inline constexpr chart::TColor kCurveColour = 0x606060;       // dark grey
inline constexpr chart::TColor kNewestArrowColour = 0x0000D0; // red
inline constexpr chart::TColor kMeanArrowColour = 0xC00000;   // blue

// Samples of the traces that span one revolution: RevolutionTime over the time of one tick,
// rounded up, within 1 .. 313 (313 when the state has no time base yet).
int SamplesPerRevolution(const sim::SimState& s);

// The smallest of 1, 1.5, 2, 2.5, 3, 4, 5, 6 and 8 times a power of ten at or above value (steps
// of at most half, so that the axes stay steady while the force grows); 1 for a value of 0 or
// below.
double NiceCeiling(double value);

// An arrow from the origin to (x, y) as five points of one line: origin, tip, one barb, tip,
// the other barb; the barbs are headLength long, at 25 degrees to the shaft. All five are the
// origin for a zero vector.
std::array<std::array<double, 2>, 5> ArrowPolyline(double x, double y, double headLength);

class PolarDiagram {
public:
    // Sets chart up (white, titles, legend, a grey cross through the origin); the series join
    // it and stay owned here.
    explicit PolarDiagram(chart::TChart& chart);
    ~PolarDiagram();
    PolarDiagram(const PolarDiagram&) = delete;
    PolarDiagram& operator=(const PolarDiagram&) = delete;

    // Refills the curve and the arrows from the traces and sets both axes to -M .. M, M the
    // nice ceiling of the largest force shown with a tenth to spare.
    void Feed(const sim::SimState& s);
    // The title, the axis titles and the legend in the current language.
    void SetTexts();

    // N, the half range of both axes after the last Feed.
    double HalfRange() const { return halfRange_; }

private:
    chart::TChart& chart_;
    double halfRange_ = 0;
    std::unique_ptr<chart::TFastLineSeries> cross_;
    std::unique_ptr<chart::TFastLineSeries> curve_; // also keeps the two scales equal
    std::unique_ptr<chart::TFastLineSeries> newest_;
    std::unique_ptr<chart::TFastLineSeries> mean_;
};

} // namespace force_views
