#include "chart/series/bar_series.h"

#include "chart/axis.h"
#include "chart/chart_canvas.h"
#include "chart/chart_exception.h"
#include "chart/chart_panel.h"

#include <algorithm>

namespace chart {

namespace {

// Keeps far-off pixels (saturated by the axis mapping) small enough for the rectangle arithmetic;
// the canvas clips them to the plot anyway.
int ClampPixel(int p) {
    return std::clamp(p, -32767, 32767);
}

} // namespace

TCustomBarSeries::TCustomBarSeries(bool horizontal) : Horizontal_(horizontal) {
    BarPen.OnChange = [this] { PenChanged(); };
}

void TCustomBarSeries::SetBarWidthPercent(int v) {
    if (v < 1 || v > 100) {
        throw ChartException("Bar width percent must be between 1 and 100");
    }
    Store(BarWidthPercent_, v);
}

int TCustomBarSeries::BarThickness() const {
    int extent = 0;
    if (ParentChart() != nullptr) {
        const TPlotGeometry& g = ParentChart()->PlotGeometry();
        extent = Horizontal_ ? g.PlotHeight : g.PlotWidth;
    }
    const int count = std::max(1, PointCount());
    return std::max(1, extent * BarWidthPercent_ / (100 * count));
}

TRect TCustomBarSeries::BarRect(int index) const {
    const TChartAxis* valueAxis = Horizontal_ ? GetHorizontalAxis() : GetVerticalAxis();
    if (valueAxis == nullptr) {
        return {};
    }
    const double start = UseOrigin_ ? Origin_ : valueAxis->CurrentMinimum;
    const int thickness = BarThickness();
    if (Horizontal_) {
        const int top = ClampPixel(PointScreenY(index)) - thickness / 2;
        const int value = ClampPixel(PointScreenX(index));
        const int base = ClampPixel(valueAxis->ValueToPixelX(start));
        return {std::min(value, base), top, std::max(value, base) + 1, top + thickness};
    }
    const int left = ClampPixel(PointScreenX(index)) - thickness / 2;
    const int value = ClampPixel(PointScreenY(index));
    const int base = ClampPixel(valueAxis->ValueToPixelY(start));
    return {left, std::min(value, base), left + thickness, std::max(value, base) + 1};
}

void TCustomBarSeries::DrawPoint(int index) {
    const TColor color = PointColor(index);
    if (color == clNone) {
        return;
    }
    const TRect r = BarRect(index);
    TQixCanvas& canvas = Canvas();
    canvas.UseChartPen(BarPen);
    canvas.SetBrushStyle(TBrushStyle::bsSolid);
    canvas.SetBrushColor(color);
    canvas.DrawRectangle(r.Left, r.Top, r.Right, r.Bottom);
}

// The outermost bars reach half a bar beyond their points; the axes keep that room free. A
// series without points needs none.
void TCustomBarSeries::HorizontalMargins(int& left, int& right) const {
    left = Horizontal_ || PointCount() == 0 ? 0 : BarThickness() / 2 + 1;
    right = left;
}

void TCustomBarSeries::VerticalMargins(int& top, int& bottom) const {
    top = Horizontal_ && PointCount() > 0 ? BarThickness() / 2 + 1 : 0;
    bottom = top;
}

double TCustomBarSeries::ValueMinimum(double lowest) const {
    return UseOrigin_ && PointCount() > 0 ? std::min(lowest, Origin_) : lowest;
}

double TCustomBarSeries::ValueMaximum(double highest) const {
    return UseOrigin_ && PointCount() > 0 ? std::max(highest, Origin_) : highest;
}

// --- TBarSeries ---

TBarSeries::TBarSeries() : TCustomBarSeries(false) {}

const TSeriesClassInfo& TBarSeries::ClassInfo() {
    static const TSeriesClassInfo info{"TBarSeries", []() -> std::unique_ptr<TChartSeries> {
                                           return std::make_unique<TBarSeries>();
                                       }};
    return info;
}

// --- THorizBarSeries ---

THorizBarSeries::THorizBarSeries() : TCustomBarSeries(true) {
    XValues().SetOrder(TChartListOrder::loNone);
    YValues().SetOrder(TChartListOrder::loAscending);
}

const TSeriesClassInfo& THorizBarSeries::ClassInfo() {
    static const TSeriesClassInfo info{"THorizBarSeries", []() -> std::unique_ptr<TChartSeries> {
                                           return std::make_unique<THorizBarSeries>();
                                       }};
    return info;
}

int THorizBarSeries::AddPoint(double x, double y, const QString& label, TColor color) {
    XValues().PendingValue = x;
    YValues().PendingValue = y;
    if (OnBeforeAdd && !OnBeforeAdd(this)) {
        return -1;
    }
    const int index = YValues().AddOrdered(y);
    XValues().InsertAt(index, x);
    if (color == clAutomaticAlias) {
        color = clAutomatic;
    }
    const auto at = static_cast<std::size_t>(index);
    Colors_.insert(Colors_.begin() + static_cast<std::ptrdiff_t>(std::min(at, Colors_.size())),
                   color);
    Labels_.insert(Labels_.begin() + static_cast<std::ptrdiff_t>(std::min(at, Labels_.size())),
                   label.isEmpty() ? QString() : label);
    PointAdded(this, index);
    return index;
}

} // namespace chart
