// Pie series: one slice per point, its angle in proportion to the point's |Y| among the |Y| of all
// points, in the point colour (palette colours by default). The pie is the largest circle that fits
// in the plot rectangle, centred in it; it is not drawn against the axes.
#pragma once

#include "chart/chart_pen.h"
#include "chart/series/chart_series.h"

#include <vector>

namespace chart {

class TPieSeries : public TChartSeries {
public:
    TPieSeries();
    static const TSeriesClassInfo& ClassInfo();
    const TSeriesClassInfo& GetClassInfo() const override { return ClassInfo(); }

    // Degrees, 0 .. 359, counter-clockwise from three o'clock: where the first slice starts.
    int RotationAngle() const { return RotationAngle_; }
    // Throws ChartException "Pie rotation angle must be between 0 and 359 degrees" outside that
    // range.
    void SetRotationAngle(int v);
    // Outline of each slice.
    TChartPen PiePen;

    // Bounding box of the circle in device pixels (right and bottom exclusive); empty when the plot
    // is too small for a pie.
    TRect PieRect() const;
    // Start and end angle of the slice of point index, radians counter-clockwise from three
    // o'clock; both equal the start for a point of no share (value 0, clNone, or all 0). Throws
    // std::out_of_range for an index outside the points.
    void SliceAngles(int index, double& start, double& end) const;

    bool UsesAxis() const override { return false; }
    void DrawVisiblePoints() override;
    void DrawPoint(int index) override;

private:
    // |Y| of the point, 0 for a gap.
    double SliceValue(int index) const;
    // PointCount + 1 angles: slice i runs from entry i to entry i + 1.
    std::vector<double> SliceBoundaries() const;

    int RotationAngle_ = 0;
    // Set by DrawVisiblePoints for the pass: the running start angle of each slice.
    std::vector<double> PassAngles_;
};

} // namespace chart
