#include "chart/series/line_series.h"

namespace chart {

namespace {

template <class T> std::unique_ptr<TChartSeries> Create() {
    return std::make_unique<T>();
}

} // namespace

TLineSeries::TLineSeries() {
    SetJoinPoints(true);
    Pointer.SetVisible(false);
}

const TSeriesClassInfo& TLineSeries::ClassInfo() {
    static const TSeriesClassInfo info{"TLineSeries", &Create<TLineSeries>};
    return info;
}

TPointSeries::TPointSeries() {
    SetJoinPoints(false);
    Marks.ArrowLength = 0;
    ClickableLine = false;
    Pointer.SetVisible(true);
}

const TSeriesClassInfo& TPointSeries::ClassInfo() {
    static const TSeriesClassInfo info{"TPointSeries", &Create<TPointSeries>};
    return info;
}

TAreaSeries::TAreaSeries() {
    SetDrawArea(true);
    Pointer.SetVisible(false);
}

const TSeriesClassInfo& TAreaSeries::ClassInfo() {
    static const TSeriesClassInfo info{"TAreaSeries", &Create<TAreaSeries>};
    return info;
}

} // namespace chart
