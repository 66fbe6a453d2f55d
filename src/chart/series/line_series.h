// The concrete point-per-value series: lines, points (markers only) and areas.
#pragma once

#include "chart/series/custom_series.h"

namespace chart {

// Joined points, no markers.
class TLineSeries : public TCustomSeries {
public:
    TLineSeries();
    static const TSeriesClassInfo& ClassInfo();
    const TSeriesClassInfo& GetClassInfo() const override { return ClassInfo(); }
};

// Markers only.
class TPointSeries : public TCustomSeries {
public:
    TPointSeries();
    static const TSeriesClassInfo& ClassInfo();
    const TSeriesClassInfo& GetClassInfo() const override { return ClassInfo(); }
};

// Joined points filled down to the plot bottom.
class TAreaSeries : public TCustomSeries {
public:
    TAreaSeries();
    static const TSeriesClassInfo& ClassInfo();
    const TSeriesClassInfo& GetClassInfo() const override { return ClassInfo(); }
};

} // namespace chart
