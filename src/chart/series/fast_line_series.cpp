#include "chart/series/fast_line_series.h"

#include "chart/chart_canvas.h"

namespace chart {

namespace {

// Pixels beyond this are left out, as the line series does: the canvas arithmetic of such far-off
// points would overflow.
constexpr int kPixelLimit = 32766;

bool OutsidePixelRange(int x, int y) {
    return x < -kPixelLimit || x > kPixelLimit || y < -kPixelLimit || y > kPixelLimit;
}

} // namespace

TFastLineSeries::TFastLineSeries() {
    KeepPointPastEdge = true;
    LinePen.OnChange = [this] { PenChanged(); };
}

const TSeriesClassInfo& TFastLineSeries::ClassInfo() {
    static const TSeriesClassInfo info{"TFastLineSeries", []() -> std::unique_ptr<TChartSeries> {
                                           return std::make_unique<TFastLineSeries>();
                                       }};
    return info;
}

void TFastLineSeries::DrawVisiblePoints() {
    if (FirstVisibleIndex < 0 || LastVisibleIndex < 0) {
        return;
    }
    TQixCanvas& canvas = Canvas();
    canvas.UseChartPen(LinePen);
    canvas.SetPenColor(SeriesColor());
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    PenDown_ = false;
    for (int i = FirstVisibleIndex > 0 ? FirstVisibleIndex - 1 : 0; i <= LastVisibleIndex; ++i) {
        DrawPoint(i);
    }
}

void TFastLineSeries::DrawPoint(int index) {
    if (PointColor(index) == clNone) {
        PenDown_ = false;
        return;
    }
    const int x = PointScreenX(index);
    const int y = PointScreenY(index);
    if (OutsidePixelRange(x, y)) {
        return;
    }
    TQixCanvas& canvas = Canvas();
    if (PenDown_) {
        canvas.LineToPoint(x, y);
    } else {
        canvas.MoveToPoint(x, y);
        PenDown_ = true;
    }
}

} // namespace chart
