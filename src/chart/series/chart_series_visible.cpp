// Where a series stands on the plot: its axes, the range of its points inside the plot, the
// pixels of a point, and the value marks drawn over its points.
#include "chart/series/chart_series.h"

#include "chart/axis.h"
#include "chart/chart_panel.h"
#include "chart/number_format.h"

#include <QLocale>

namespace chart {

QString TChartSeries::MarkText(int index) const {
    const QLocale locale;
    QString text = FormatFloatPattern(
        MarkValue(index), ValueFormat_, locale.decimalPoint().at(0),
        locale.groupSeparator().isEmpty() ? QLatin1Char(',') : locale.groupSeparator().at(0));
    if (OnGetMarkText) {
        OnGetMarkText(const_cast<TChartSeries*>(this), index, text);
    }
    return text;
}

int TChartSeries::PointScreenX(int index) const {
    return GetHorizontalAxis()->ValueToPixelX(XAt(index));
}

int TChartSeries::PointScreenY(int index) const {
    return GetVerticalAxis()->ValueToPixelY(YAt(index));
}

void TChartSeries::HorizontalMargins(int& left, int& right) const {
    left = 0;
    right = 0;
}

void TChartSeries::VerticalMargins(int& top, int& bottom) const {
    top = 0;
    bottom = 0;
}

bool TChartSeries::IsBoundToAxis(const TChartAxis* axis) const {
    if (axis == nullptr) {
        return false;
    }
    if (axis == GetVerticalAxis()) {
        return true;
    }
    return axis == GetHorizontalAxis() && axis->Horizontal();
}

TChartAxis* TChartSeries::GetHorizontalAxis() const {
    if (ParentChart_ == nullptr) {
        return nullptr;
    }
    return HorizAxis_ == THorizAxis::aTopAxis ? &ParentChart_->TopAxis()
                                              : &ParentChart_->BottomAxis();
}

TChartAxis* TChartSeries::GetVerticalAxis() const {
    if (ParentChart_ == nullptr) {
        return nullptr;
    }
    return VertAxis_ == TVertAxis::aRightAxis ? &ParentChart_->RightAxis()
                                              : &ParentChart_->LeftAxis();
}

void TChartSeries::FindVisibleRange() {
    FirstVisibleIndex = -1;
    LastVisibleIndex = -1;
    if (PointCount() == 0) {
        return;
    }
    const bool yMandatory = IsYMandatory();
    const TChartValueList& order = yMandatory ? *XValues_ : *YValues_;
    const int last = PointCount() - 1;
    if (!LimitToVisibleRange || order.Order() == TChartListOrder::loNone ||
        ParentChart_ == nullptr) {
        FirstVisibleIndex = 0;
        LastVisibleIndex = last;
        return;
    }
    const TRect& r = ParentChart_->PlotGeometry().PlotRect;
    const TChartAxis* axis = yMandatory ? GetHorizontalAxis() : GetVerticalAxis();
    int nearPixel;
    int farPixel;
    if (yMandatory) {
        nearPixel = axis->Inverted() ? r.Right : r.Left;
        farPixel = axis->Inverted() ? r.Left : r.Right;
    } else {
        nearPixel = axis->Inverted() ? r.Top : r.Bottom;
        farPixel = axis->Inverted() ? r.Bottom : r.Top;
    }
    const double nearValue = axis->PixelToValue(nearPixel);
    int first = 0;
    while (order.ScaledValueUnchecked(first) < nearValue) {
        ++first;
        if (first > last) {
            return;
        }
    }
    FirstVisibleIndex = first;
    const double farValue = axis->PixelToValue(farPixel);
    if (order.ScaledValueUnchecked(last) <= farValue) {
        LastVisibleIndex = last;
        return;
    }
    int i = first;
    while (i < last && order.ScaledValueUnchecked(i) < farValue) {
        ++i;
    }
    if (!KeepPointPastEdge && order.ScaledValueUnchecked(i) > farValue) {
        --i;
    }
    LastVisibleIndex = i;
}

void TChartSeries::DrawVisiblePoints() {
    if (FirstVisibleIndex < 0 || LastVisibleIndex < 0) {
        return;
    }
    if (DrawsForward()) {
        for (int i = FirstVisibleIndex; i <= LastVisibleIndex; ++i) {
            DrawPoint(i);
        }
    } else {
        for (int i = LastVisibleIndex; i >= FirstVisibleIndex; --i) {
            DrawPoint(i);
        }
    }
}

void TChartSeries::DrawPoint(int /*index*/) {}

void TChartSeries::BeforeDrawValuesHook() {
    if (BeforeDrawValues) {
        BeforeDrawValues(this);
    }
}

void TChartSeries::AfterDrawValuesHook() {
    if (AfterDrawValues) {
        AfterDrawValues(this);
    }
}

int TChartSeries::PointAtPixel(int /*x*/, int /*y*/) const {
    return -1;
}

void TChartSeries::DrawMark(int index, const QString& text) {
    TQixCanvas& c = Canvas();
    const int x = PointScreenX(index);
    const int y = PointScreenY(index) - Marks.ArrowLength;
    const int w = c.MeasureTextWidth(text);
    const int h = c.FontHeight();
    const TRect r{x - w / 2, y - h, x - w / 2 + w, y};
    c.SetBrushStyle(TBrushStyle::bsClear);
    c.SetBackMode(kTransparent);
    c.OutputText(r.Left, r.Top, text);
    const auto at = static_cast<std::size_t>(index);
    if (Marks.Positions.size() <= at) {
        Marks.Positions.resize(at + 1);
    }
    Marks.Positions[at] = r;
}

void TChartSeries::DrawMarks() {
    if (FirstVisibleIndex < 0) {
        return;
    }
    Canvas().SelectFont(TChartFont());
    for (int i = FirstVisibleIndex; i <= LastVisibleIndex; ++i) {
        DrawMark(i, MarkText(i));
    }
}

} // namespace chart
