// Bar series: every point is a filled rectangle that reaches from the origin value to the point's
// value. TBarSeries stands its bars on the horizontal axis (X places the bar, Y is its height);
// THorizBarSeries lays them along the vertical axis (Y places the bar, X is its length).
#pragma once

#include "chart/chart_pen.h"
#include "chart/series/chart_series.h"

namespace chart {

class TCustomBarSeries : public TChartSeries {
public:
    // Thickness of a bar in percent of the space one point gets along the plot, 1 .. 100.
    int BarWidthPercent() const { return BarWidthPercent_; }
    // Throws ChartException "Bar width percent must be between 1 and 100" outside that range.
    void SetBarWidthPercent(int v);
    // Whether the bars start at Origin; otherwise they start at the value axis's minimum.
    bool UseOrigin() const { return UseOrigin_; }
    void SetUseOrigin(bool v) { Store(UseOrigin_, v); }
    // Value where the bars start, in the units of the value axis; default 0.
    double Origin() const { return Origin_; }
    void SetOrigin(double v) { Store(Origin_, v); }
    // Outline of each bar; the interior takes the point colour.
    TChartPen BarPen;

    // Bar thickness in pixels: the plot extent across the bars shared by all points, scaled by
    // BarWidthPercent, at least 1 (also without a chart).
    int BarThickness() const;
    // The bar of point index in device pixels (right and bottom exclusive); empty without a
    // chart.
    TRect BarRect(int index) const;

    void DrawPoint(int index) override;
    void HorizontalMargins(int& left, int& right) const override;
    void VerticalMargins(int& top, int& bottom) const override;

protected:
    // horizontal: the bars lie along the vertical axis and grow in X.
    explicit TCustomBarSeries(bool horizontal);
    // The value-axis extent widened to take in Origin when the bars start there.
    double ValueMinimum(double lowest) const;
    double ValueMaximum(double highest) const;

private:
    const bool Horizontal_;
    int BarWidthPercent_ = 70;
    bool UseOrigin_ = true;
    double Origin_ = 0.0;
};

// Vertical bars: X is the ordering column, Y the bar height.
class TBarSeries : public TCustomBarSeries {
public:
    TBarSeries();
    static const TSeriesClassInfo& ClassInfo();
    const TSeriesClassInfo& GetClassInfo() const override { return ClassInfo(); }

    double YMinimum() const override { return ValueMinimum(TChartSeries::YMinimum()); }
    double YMaximum() const override { return ValueMaximum(TChartSeries::YMaximum()); }
};

// Horizontal bars: Y is the ordering column (ascending), X the bar length.
class THorizBarSeries : public TCustomBarSeries {
public:
    THorizBarSeries();
    static const TSeriesClassInfo& ClassInfo();
    const TSeriesClassInfo& GetClassInfo() const override { return ClassInfo(); }

    // The Y list decides where the point goes, since it is the ordering column here.
    int AddPoint(double x, double y, const QString& label = QString(),
                 TColor color = clAutomatic) override;
    using TChartSeries::MandatoryValues;
    TChartValueList& MandatoryValues() override { return XValues(); }
    double XMinimum() const override { return ValueMinimum(TChartSeries::XMinimum()); }
    double XMaximum() const override { return ValueMaximum(TChartSeries::XMaximum()); }
};

} // namespace chart
