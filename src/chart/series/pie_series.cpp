#include "chart/series/pie_series.h"

#include "chart/chart_canvas.h"
#include "chart/chart_exception.h"
#include "chart/chart_panel.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Distance of the ray points from the centre: far enough that the rounded point gives the slice
// edge's direction to well under a pixel on any pie that fits a screen.
constexpr double kRayLength = 10000.0;

} // namespace

TPieSeries::TPieSeries() {
    XValues().SetOrder(TChartListOrder::loNone);
    SetColorEachPoint(true);
    PiePen.OnChange = [this] { PenChanged(); };
}

const TSeriesClassInfo& TPieSeries::ClassInfo() {
    static const TSeriesClassInfo info{"TPieSeries", []() -> std::unique_ptr<TChartSeries> {
                                           return std::make_unique<TPieSeries>();
                                       }};
    return info;
}

void TPieSeries::SetRotationAngle(int v) {
    if (v < 0 || v > 359) {
        throw ChartException("Pie rotation angle must be between 0 and 359 degrees");
    }
    Store(RotationAngle_, v);
}

TRect TPieSeries::PieRect() const {
    if (ParentChart() == nullptr) {
        return {};
    }
    const TPlotGeometry& g = ParentChart()->PlotGeometry();
    // Two pixels inside the plot, clear of the clip rectangle's edges.
    const int radius = std::min(g.PlotWidth, g.PlotHeight) / 2 - 2;
    if (radius < 1) {
        return {};
    }
    return {g.PlotCentreX - radius, g.PlotCentreY - radius, g.PlotCentreX + radius + 1,
            g.PlotCentreY + radius + 1};
}

double TPieSeries::SliceValue(int index) const {
    return PointColor(index) == clNone ? 0.0 : std::fabs(YAt(index));
}

std::vector<double> TPieSeries::SliceBoundaries() const {
    const int count = PointCount();
    double total = 0.0;
    for (int i = 0; i < count; ++i) {
        total += SliceValue(i);
    }
    const double rotation = RotationAngle_ * kPi / 180.0;
    std::vector<double> angles(static_cast<std::size_t>(count) + 1, rotation);
    double before = 0.0;
    for (int i = 0; i < count && total != 0.0; ++i) {
        before += SliceValue(i);
        angles[static_cast<std::size_t>(i) + 1] = rotation + 2.0 * kPi * before / total;
    }
    return angles;
}

void TPieSeries::SliceAngles(int index, double& start, double& end) const {
    const std::vector<double> angles = SliceBoundaries();
    start = angles.at(static_cast<std::size_t>(index));
    end = angles.at(static_cast<std::size_t>(index) + 1);
}

void TPieSeries::DrawVisiblePoints() {
    if (FirstVisibleIndex < 0 || LastVisibleIndex < 0) {
        return;
    }
    // One pass over the values for the whole pie instead of one per slice.
    PassAngles_ = SliceBoundaries();
    TChartSeries::DrawVisiblePoints();
    PassAngles_.clear();
}

void TPieSeries::DrawPoint(int index) {
    const TRect box = PieRect();
    if (box.Width() <= 0 || SliceValue(index) == 0.0) {
        return;
    }
    double start;
    double end;
    if (static_cast<std::size_t>(index) + 1 < PassAngles_.size()) {
        start = PassAngles_[static_cast<std::size_t>(index)];
        end = PassAngles_[static_cast<std::size_t>(index) + 1];
    } else {
        SliceAngles(index, start, end);
    }
    const int cx = (box.Left + box.Right - 1) / 2;
    const int cy = (box.Top + box.Bottom - 1) / 2;
    // Screen y grows downward, so a counter-clockwise angle subtracts its sine.
    const int x3 = cx + Round(kRayLength * std::cos(start));
    const int y3 = cy - Round(kRayLength * std::sin(start));
    const int x4 = cx + Round(kRayLength * std::cos(end));
    const int y4 = cy - Round(kRayLength * std::sin(end));
    // Equal rays mean a whole circle to the canvas: right for the only slice, wrong for a sliver
    // too thin to show.
    if (x3 == x4 && y3 == y4 && end - start < kPi) {
        return;
    }
    TQixCanvas& canvas = Canvas();
    canvas.UseChartPen(PiePen);
    canvas.SetBrushStyle(TBrushStyle::bsSolid);
    canvas.SetBrushColor(PointColor(index));
    canvas.DrawPie(box.Left, box.Top, box.Right, box.Bottom, x3, y3, x4, y4);
}

} // namespace chart
