// Axis decoration: the bands an axis reserves beside the plot, and its title, labels,
// ticks, minor ticks, grid lines and axis line.
#include "chart/axis.h"
#include "chart/chart_canvas.h"
#include "chart/chart_panel.h"
#include "chart/series/chart_series.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace chart {

namespace {

bool IsUnrotated(int angle) {
    return angle == 0 || angle == 180;
}

// Text-alignment flags of a title or label by axis side and angle.
unsigned AlignmentFor(TAxisKind kind, int angle) {
    using namespace canvas::text_align;
    const int side = kind == TAxisKind::Bottom ? 0
                     : kind == TAxisKind::Top  ? 1
                     : kind == TAxisKind::Left ? 2
                                               : 3;
    static const unsigned table[4][4] = {
        // bottom, top, left, right
        {kCentre | kTop, kCentre | kBottom, kRight | kTop, kLeft | kTop},  // 0
        {kRight | kTop, kLeft | kTop, kCentre | kBottom, kCentre | kTop},  // 90
        {kCentre | kBottom, kCentre | kTop, kLeft | kTop, kRight | kTop},  // 180
        {kLeft | kTop, kRight | kTop, kCentre | kTop, kCentre | kBottom}}; // 270
    switch (angle) {
    case 0:
        return table[0][side];
    case 90:
        return table[1][side];
    case 180:
        return table[2][side];
    case 270:
        return table[3][side];
    default:
        return kLeft | kTop;
    }
}

} // namespace

int TChartAxis::MaxLabelWidth(TQixCanvas& canvas) {
    const TAxisLabelStyle style = LabelStyleInEffect();
    if (style == TAxisLabelStyle::talNone) {
        return 0;
    }
    if (style == TAxisLabelStyle::talValue) {
        const double e = LabelIncrement(canvas);
        double from = CurrentMinimum;
        double to = CurrentMaximum;
        if (RoundFirstLabel() || (IsDateTimeAxis && ExactDateTime())) {
            from = Trunc(CurrentMinimum / e) * e;
            to = Trunc(CurrentMaximum / e) * e;
        }
        return std::max(canvas.MeasureTextWidth(FormatAxisLabel(to, false)),
                        canvas.MeasureTextWidth(FormatAxisLabel(from, false))) +
               canvas.MeasureTextWidth(QStringLiteral(" "));
    }
    // Text or mark labels: the widest over the bound series.
    int widest = 0;
    const auto* panel = dynamic_cast<const TCustomAxisPanel*>(Host_);
    if (panel == nullptr) {
        return 0;
    }
    for (const TChartSeries* s : panel->SeriesList()) {
        if (!s->Active() || !s->IsBoundToAxis(this)) {
            continue;
        }
        for (int i = 0; i < s->PointCount(); ++i) {
            const QString text =
                style == TAxisLabelStyle::talText ? s->PointLabel(i) : s->MarkText(i);
            widest = std::max(widest, canvas.MeasureTextWidth(text));
        }
    }
    return widest;
}

void TChartAxis::ReserveAxisSpace(TQixCanvas& canvas, TRect& rect) {
    IsDateTimeAxis = Host_->AxisShowsDateTime(*this);
    const auto shrink = [this, &rect](int size) {
        switch (Kind_) {
        case TAxisKind::Bottom:
            rect.Bottom -= size;
            return rect.Bottom;
        case TAxisKind::Top:
            rect.Top += size;
            return rect.Top;
        case TAxisKind::Left:
            rect.Left += size;
            return rect.Left;
        case TAxisKind::Right:
        case TAxisKind::Depth:
            rect.Right -= size;
            return rect.Right;
        }
        return 0;
    };
    if (!Title.Caption().isEmpty()) {
        int size = TitleSize_;
        if (size == 0) {
            canvas.SelectFont(Title.Font);
            const bool rotated = !IsUnrotated(Title.Angle());
            size = Horizontal() == rotated ? canvas.MeasureTextWidth(Title.Caption())
                                           : canvas.FontHeight();
        }
        TitlePos = shrink(size);
    }
    if (Labels_) {
        int size = LabelsSize_;
        if (size == 0) {
            canvas.SelectFont(LabelsFont);
            const bool rotated = !IsUnrotated(LabelsAngle_);
            size = Horizontal() == rotated ? MaxLabelWidth(canvas) : canvas.FontHeight();
        }
        LabelsPos = shrink(size);
    }
    int t = Axis.Visible() ? Axis.Width() : 0;
    if (Ticks.Visible()) {
        t += TickLength_;
    }
    if (MinorTicks.Visible()) {
        t = std::max(t, MinorTickLength_);
    }
    if (t > 0) {
        shrink(t);
    }
}

void TChartAxis::DrawAxisText(TQixCanvas& canvas, int x, int y, const QString& text, int angle) {
    const bool horizontal = Horizontal();
    const int h = canvas.FontHeight();
    if (angle == 0 && !horizontal) {
        y -= h / 2;
    } else if (angle == 90 && horizontal) {
        x -= h / 2;
    } else if (angle == 180 && !horizontal) {
        y += h / 2;
    } else if (angle == 270 && horizontal) {
        x += h / 2;
    }
    // Most texts are one line: they are drawn as they are, without splitting.
    QStringList split;
    std::span<const QString> lines(&text, 1);
    if (text.contains(QLatin1Char('\n'))) {
        split = text.split(QLatin1Char('\n'));
        if (split.size() > 1 && split.back().isEmpty()) {
            split.removeLast();
        }
        lines = std::span<const QString>(split.constData(), static_cast<std::size_t>(split.size()));
    }
    const int n = static_cast<int>(lines.size());
    const int step = (angle == 180 || angle == 270) ? -h : h;
    const bool other = OtherSide();
    if (horizontal) {
        if (angle == 0) {
            y -= other ? n * step : step;
        } else if (angle == 90 || angle == 270) {
            x -= Round(step / 2.0 * (n + 1));
        } else if (angle == 180) {
            y -= other ? step : n * step;
        }
    } else {
        if (angle == 0 || angle == 180) {
            y -= Round(step / 2.0 * (n + 1));
        } else if (angle == 90) {
            x -= other ? step : n * step;
        } else if (angle == 270) {
            x -= other ? n * step : step;
        }
    }
    canvas.SetTextAlignment(AlignmentFor(Kind_, angle));
    for (const QString& line : lines) {
        if (angle == 90 || angle == 270) {
            x += step;
        } else {
            y += step;
        }
        if (angle == 0) {
            canvas.OutputText(x, y, line);
        } else {
            canvas.DrawRotatedText(x, y, line, angle);
        }
    }
    canvas.SetTextAlignment(0);
}

void TChartAxis::DrawTick(TQixCanvas& canvas, int p, int offset, int length) {
    switch (Kind_) {
    case TAxisKind::Bottom:
        canvas.DrawLine(p, AxisPos + offset, p, AxisPos + offset + length);
        break;
    case TAxisKind::Top:
        canvas.DrawLine(p, AxisPos - offset, p, AxisPos - offset - length);
        break;
    case TAxisKind::Left:
        canvas.DrawLine(AxisPos - offset, p, AxisPos - offset - length, p);
        break;
    case TAxisKind::Right:
    case TAxisKind::Depth:
        canvas.DrawLine(AxisPos + offset, p, AxisPos + offset + length, p);
        break;
    }
}

void TChartAxis::DrawGridLine(TQixCanvas& canvas, int p) {
    const TRect& plot = Host_->PlotGeometry().PlotRect;
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetBackMode(kTransparent);
    TChartPen pen;
    pen.Assign(Grid);
    if (pen.Color() == clAutomatic) {
        pen.SetColor(clGray);
    }
    canvas.UseChartPen(pen);
    switch (Kind_) {
    case TAxisKind::Bottom:
        canvas.DrawLine(p, AxisPos - 1, p, plot.Top);
        break;
    case TAxisKind::Top:
        canvas.DrawLine(p, AxisPos + 1, p, plot.Bottom);
        break;
    case TAxisKind::Left:
        canvas.DrawLine(AxisPos + 1, p, plot.Right, p);
        break;
    case TAxisKind::Right:
    case TAxisKind::Depth:
        canvas.DrawLine(AxisPos - 1, p, plot.Left, p);
        break;
    }
    canvas.SetBackMode(kOpaque);
}

void TChartAxis::DrawTicksAndGrid(TQixCanvas& canvas, int p, double labelValue, int& previousTick) {
    if (Ticks.Visible()) {
        canvas.UseChartPen(Ticks);
        DrawTick(canvas, p, 1, TickLength_);
    }
    if (Grid.Visible() && labelValue != CurrentMaximum && labelValue != CurrentMinimum) {
        if (!GridCentered_) {
            DrawGridLine(canvas, p);
        } else if (previousTick != -1) {
            DrawGridLine(canvas, Round((p + previousTick) / 2.0));
        }
    }
    if (TicksInner.Visible()) {
        canvas.UseChartPen(TicksInner);
        DrawTick(canvas, p, -1, -TickInnerLength_);
    }
    if (MinorTicks.Visible() && previousTick != -1) {
        canvas.UseChartPen(MinorTicks);
        const double gap = (p - previousTick) / static_cast<double>(MinorTickCount_ + 1);
        for (int i = 1; i <= MinorTickCount_; ++i) {
            DrawTick(canvas, p - Round(gap * i), 1, MinorTickLength_);
        }
    }
    previousTick = p;
}

void TChartAxis::PlaceLabel(TQixCanvas& canvas, int p, double value, const QString& text,
                            bool overlapTest, int& previousPos, int& previousHalf,
                            int& previousTick) {
    const bool sideways = LabelsAngle_ == 90 || LabelsAngle_ == 270;
    int s = Horizontal() != sideways ? canvas.MeasureTextWidth(text) : canvas.FontHeight();
    s += static_cast<int>(Trunc(s * 0.02 * LabelsSeparation_));
    const int half = s / 2;
    if (overlapTest) {
        const int q = previousPos;
        const bool fits = p < q ? q - previousHalf >= p + half : p - half >= q + previousHalf;
        if (!fits) {
            previousHalf = half;
            return;
        }
    }
    if (TickOnLabelsOnly_) {
        DrawTicksAndGrid(canvas, p, value, previousTick);
    }
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    if (Horizontal()) {
        DrawAxisText(canvas, p, LabelsPos, text, LabelsAngle_);
    } else {
        DrawAxisText(canvas, LabelsPos, p, text, LabelsAngle_);
    }
    previousPos = p;
    previousHalf = half;
}

void TChartAxis::RunValueLoop(TQixCanvas& canvas, double e, int& previousPos, int& previousHalf,
                              int& previousTick) {
    if (std::fabs(CurrentMaximum / e) >= 2147483647.0 || std::fabs(CurrentRange / e) >= 10000.0) {
        return;
    }
    // Repeated subtraction leaves round-off (0.5 - 5 x 0.1 is 2.78e-17, not 0): a value within a
    // tiny fraction of the increment of a range end is that end, so the end gets its label and
    // no grid line.
    const double nearEnd = std::fabs(e) * 1e-9;
    const auto snap = [&](double value) {
        if (std::fabs(value - CurrentMinimum) <= nearEnd) {
            return CurrentMinimum;
        }
        if (std::fabs(value - CurrentMaximum) <= nearEnd) {
            return CurrentMaximum;
        }
        return value;
    };
    const auto next = [&](double value) { return snap(value - e); };
    double v = snap((CurrentMinimum == CurrentMaximum || !RoundFirstLabel_)
                        ? CurrentMaximum
                        : Trunc(CurrentMaximum / e) * e);
    const auto draw = [&](double value) {
        CurrentLabelValue_ = value;
        const int p = ValueToPixel(value);
        if (!TickOnLabelsOnly_) {
            DrawTicksAndGrid(canvas, p, value, previousTick);
        }
        if (Labels_) {
            PlaceLabel(canvas, p, value, FormatAxisLabel(value), false, previousPos, previousHalf,
                       previousTick);
        }
    };
    if (LabelsOnAxis_) {
        while (v > CurrentMaximum) {
            v = next(v);
        }
        while (v >= CurrentMinimum) {
            draw(v);
            v = next(v);
        }
    } else {
        while (v >= CurrentMaximum) {
            v = next(v);
        }
        while (v > CurrentMinimum) {
            draw(v);
            v = next(v);
        }
    }
}

void TChartAxis::RunSeriesLabelLoop(TQixCanvas& canvas, TAxisLabelStyle style, int& previousPos,
                                    int& previousHalf, int& previousTick) {
    const auto* panel = dynamic_cast<const TCustomAxisPanel*>(Host_);
    TChartSeries* series = panel != nullptr ? panel->FirstSeriesOfAxis(*this) : nullptr;
    if (series == nullptr) {
        return;
    }
    series->FindVisibleRange();
    if (series->FirstVisibleIndex < 0) {
        return;
    }
    const bool showsX = series->IsYMandatory() == Horizontal();
    for (int i = series->FirstVisibleIndex; i <= series->LastVisibleIndex; ++i) {
        const double value = showsX ? series->XAt(i) : series->YAt(i);
        if (value < CurrentMinimum || value > CurrentMaximum) {
            continue;
        }
        CurrentLabelValue_ = value;
        const int p = ValueToPixel(value);
        if (!TickOnLabelsOnly_) {
            DrawTicksAndGrid(canvas, p, value, previousTick);
        }
        if (Labels_) {
            QString text =
                style == TAxisLabelStyle::talText ? series->PointLabel(i) : series->MarkText(i);
            Host_->GetAxisLabel(*this, series, i, text);
            const bool overlap = LabelsSeparation_ != 0 && previousPos != -1;
            PlaceLabel(canvas, p, value, text, overlap, previousPos, previousHalf, previousTick);
        }
    }
}

void TChartAxis::DrawAxisLine(TQixCanvas& canvas) {
    const TRect& plot = Host_->PlotGeometry().PlotRect;
    canvas.UseChartPen(Axis);
    if (Horizontal()) {
        canvas.DrawLine(plot.Left, AxisPos, plot.Right, AxisPos);
    } else {
        canvas.DrawLine(AxisPos, plot.Top, AxisPos, plot.Bottom);
    }
}

void TChartAxis::DrawAxis(TQixCanvas& canvas) {
    IsDateTimeAxis = Host_->AxisShowsDateTime(*this);
    canvas.SelectFont(LabelsFont);
    const double e = LabelIncrement(canvas);
    const TPlotGeometry& g = Host_->PlotGeometry();
    switch (Kind_) {
    case TAxisKind::Bottom:
        AxisPos = g.PlotRect.Bottom;
        break;
    case TAxisKind::Top:
        AxisPos = g.PlotRect.Top;
        break;
    case TAxisKind::Left:
        AxisPos = g.PlotRect.Left;
        break;
    case TAxisKind::Right:
    case TAxisKind::Depth:
        AxisPos = g.PlotRect.Right;
        break;
    }
    if (!Title.Caption().isEmpty()) {
        canvas.SelectFont(Title.Font);
        canvas.SetBrushStyle(TBrushStyle::bsClear);
        if (Horizontal()) {
            DrawAxisText(canvas, g.PlotCentreX, TitlePos, Title.Caption(), Title.Angle());
        } else {
            DrawAxisText(canvas, TitlePos, g.PlotCentreY, Title.Caption(), Title.Angle());
        }
    }
    if (e > 0.0 && CurrentMaximum >= CurrentMinimum) {
        canvas.SelectFont(LabelsFont);
        int previousPos = -1;
        int previousHalf = 0;
        int previousTick = -1;
        const TAxisLabelStyle style = LabelStyleInEffect();
        const auto* panel = dynamic_cast<const TCustomAxisPanel*>(Host_);
        if (style == TAxisLabelStyle::talValue) {
            bool ranEvent = false;
            if (panel != nullptr && panel->OnGetNextAxisLabel) {
                for (int index = 0; index <= 1000; ++index) {
                    double value = 0.0;
                    bool stop = false;
                    panel->OnGetNextAxisLabel(this, index, value, stop);
                    if (stop) {
                        break;
                    }
                    ranEvent = true;
                    if (value < CurrentMinimum - 1e-7 || value > CurrentMaximum + 1e-7) {
                        continue;
                    }
                    CurrentLabelValue_ = value;
                    const int p = ValueToPixel(value);
                    if (!TickOnLabelsOnly_) {
                        DrawTicksAndGrid(canvas, p, value, previousTick);
                    }
                    if (Labels_) {
                        PlaceLabel(canvas, p, value, FormatAxisLabel(value), false, previousPos,
                                   previousHalf, previousTick);
                    }
                }
            }
            if (!ranEvent) {
                RunValueLoop(canvas, e, previousPos, previousHalf, previousTick);
            }
        } else if (style == TAxisLabelStyle::talText || style == TAxisLabelStyle::talMark) {
            RunSeriesLabelLoop(canvas, style, previousPos, previousHalf, previousTick);
        }
    }
    if (Axis.Visible()) {
        DrawAxisLine(canvas);
    }
}

} // namespace chart
