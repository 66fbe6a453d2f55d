// Fast line series: the visible points joined by plain segments in the series colour, with one pen
// set-up per drawing pass and one line call per point (no markers, no per-point colours). A point
// whose colour is clNone is a gap: no segment reaches or leaves it.
#pragma once

#include "chart/chart_pen.h"
#include "chart/series/chart_series.h"

namespace chart {

class TFastLineSeries : public TChartSeries {
public:
    TFastLineSeries();
    static const TSeriesClassInfo& ClassInfo();
    const TSeriesClassInfo& GetClassInfo() const override { return ClassInfo(); }

    // Width, style and mode of the segments; their colour is SeriesColor.
    TChartPen LinePen;

    // Starts at the point before the first visible one, so that the segment entering the plot is
    // drawn (and clipped) too.
    void DrawVisiblePoints() override;
    // Continues the line to point index from the previous drawn point.
    void DrawPoint(int index) override;

private:
    bool PenDown_ = false; // a previous point of this pass can be joined
};

} // namespace chart
