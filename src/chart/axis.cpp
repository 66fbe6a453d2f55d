#include "chart/axis.h"

#include "chart/chart_exception.h"
#include "chart/number_format.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace chart {

namespace {

constexpr double kMinSpan = 1e-10;
constexpr double kSmallestStep = 1e-12;
// One millisecond as a fraction of a day: the smallest date-time step.
constexpr double kSmallestDateTimeStep = 1.0 / 86400000.0;

void CheckAngle(int value, const char* what) {
    if (value < 0 || value > 360) {
        throw ChartException(std::string(what) + " Angle must be between 0 and 359 degrees");
    }
}

} // namespace

double NextNiceStep(double step) {
    if (!(step > 0.0) || std::isinf(step)) {
        return 1.0;
    }
    if (step >= 10.0) {
        return 10.0 * NextNiceStep(step / 10.0);
    }
    if (step < 1.0) {
        return 0.1 * NextNiceStep(step * 10.0);
    }
    if (step < 2.0) {
        return 2.0;
    }
    if (step < 5.0) {
        return 5.0;
    }
    return 10.0;
}

void TChartAxisTitle::SetCaption(const QString& value) {
    if (value != Caption_) {
        Caption_ = value;
        Axis_->Changed();
    }
}

void TChartAxisTitle::SetAngle(int value) {
    CheckAngle(value, "Axis Title");
    const int stored = value == 360 ? 0 : value;
    if (stored != Angle_) {
        Angle_ = stored;
        Axis_->Changed();
    }
}

TChartAxis::TChartAxis(TAxisHost* host, TAxisKind kind) : Host_(host), Kind_(kind) {
    if (kind == TAxisKind::Left) {
        Title.Angle_ = 90;
    } else if (kind == TAxisKind::Right) {
        Title.Angle_ = 270;
    } else if (kind == TAxisKind::Depth) {
        Visible_ = false;
    }
    const auto repaint = [this] { Changed(); };
    Title.Font.OnChange = repaint;
    LabelsFont.OnChange = repaint;
    Ticks.OnChange = repaint;
    TicksInner.OnChange = repaint;
    MinorTicks.OnChange = repaint;
    Grid.OnChange = repaint;
    Axis.OnChange = repaint;
}

void TChartAxis::Changed() {
    if (Host_ != nullptr) {
        Host_->RequestRepaint();
    }
}

void TChartAxis::SetMaximum(double v) {
    if (!(Host_ != nullptr && Host_->IsLoading()) && v < Minimum_) {
        throw AxisException("Axis Maximum Value must be >= Minimum");
    }
    Store(Maximum_, v);
}

void TChartAxis::SetMinimum(double v) {
    if (!(Host_ != nullptr && Host_->IsLoading()) && v > Maximum_) {
        throw AxisException("Axis Minimum Value must be <= Maximum");
    }
    Store(Minimum_, v);
}

void TChartAxis::SetIncrement(double v) {
    if (!(v >= 0.0)) {
        throw AxisException("Axis increment must be >= 0");
    }
    Store(Increment_, v);
}

void TChartAxis::SetLogarithmic(bool v) {
    if (v) {
        if (IsDateTimeAxis) {
            throw AxisException("DateTime Axis cannot be Logarithmic");
        }
        if (Minimum_ < 0.0 || Maximum_ < 0.0) {
            throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
        }
    }
    Store(Logarithmic_, v);
}

void TChartAxis::SetLabelsSeparation(int v) {
    if (v < 0) {
        throw AxisException("Labels Separation % must be greater than 0");
    }
    Store(LabelsSeparation_, v);
}

void TChartAxis::SetLabelsAngle(int v) {
    CheckAngle(v, "Axis Labels");
    Store(LabelsAngle_, v == 360 ? 0 : v);
}

void TChartAxis::SetAxisRange(double a, double b) {
    Store(Automatic_, false);
    Store(AutomaticMinimum_, false);
    Store(AutomaticMaximum_, false);
    if (a > b) {
        Store(Minimum_, b);
        Store(Maximum_, a);
    } else {
        Store(Minimum_, a);
        Store(Maximum_, b);
    }
    if (Maximum_ - Minimum_ < kMinSpan) {
        Store(Minimum_, a);
        Store(Maximum_, b + kMinSpan);
    }
}

TValueMap TChartAxis::ValueMap(bool horizontal) const {
    const TPlotGeometry& g = Host_->PlotGeometry();
    TValueMap m;
    m.Centre = horizontal ? g.PlotCentreX : g.PlotCentreY;
    m.Start = horizontal ? g.PlotRect.Left : g.PlotRect.Bottom;
    m.Size = horizontal ? g.PlotWidth : -g.PlotHeight;
    m.End = horizontal ? g.PlotRect.Right : g.PlotRect.Top;
    m.Inverted = Inverted_;
    m.Minimum = CurrentMinimum;
    m.Range = CurrentRange;
    if (CurrentRange == 0.0) {
        m.Mode = TValueMap::Kind::Centre;
    } else if (Logarithmic_) {
        m.Mode = TValueMap::Kind::Logarithmic;
        if (CurrentMinimum > 0.0) {
            m.LogMinimum = std::log(CurrentMinimum);
            m.LogRange = std::log(CurrentMaximum) - m.LogMinimum;
        }
    }
    return m;
}

int TValueMap::MapLogarithmic(double value) const {
    if (value <= 0.0 || Minimum <= 0.0) {
        return Start;
    }
    if (LogRange == 0.0) {
        return Centre;
    }
    return Place(Size * (std::log(value) - LogMinimum) / LogRange);
}

int TChartAxis::MapValue(double value, bool horizontal) const {
    return ValueMap(horizontal).Map(value);
}

int TChartAxis::ValueToPixel(double value) const {
    return MapValue(value, Horizontal());
}
int TChartAxis::ValueToPixelX(double value) const {
    return MapValue(value, true);
}
int TChartAxis::ValueToPixelY(double value) const {
    return MapValue(value, false);
}

double TChartAxis::PixelToValueIn(const TPlotGeometry& g, int pixel) const {
    const int extent = Horizontal() ? g.PlotWidth : g.PlotHeight;
    if (extent <= 0) {
        return 0.0;
    }
    double a;
    if (Horizontal()) {
        a = Inverted_ ? g.PlotRect.Right - pixel : pixel - g.PlotRect.Left;
    } else {
        a = Inverted_ ? g.PlotRect.Bottom - pixel : pixel - g.PlotRect.Top;
    }
    if (Logarithmic_ && CurrentMinimum > 0.0 && CurrentMaximum > 0.0) {
        const double lmin = std::log(CurrentMinimum);
        const double lmax = std::log(CurrentMaximum);
        if (Horizontal()) {
            return std::exp(a * (lmax - lmin) / extent + lmin);
        }
        return std::exp(lmax - a * (lmax - lmin) / extent);
    }
    if (Horizontal()) {
        return a * CurrentRange / extent + CurrentMinimum;
    }
    return CurrentMaximum - a * CurrentRange / extent;
}

double TChartAxis::PixelToValue(int pixel) const {
    return PixelToValueIn(Host_->PlotGeometry(), pixel);
}

void TChartAxis::RefreshRange() {
    if (Automatic_ || AutomaticMaximum_) {
        Maximum_ = Host_->SeriesValueBound(*this, false);
    }
    if (Automatic_ || AutomaticMinimum_) {
        Minimum_ = Host_->SeriesValueBound(*this, true);
    }
    CurrentMaximum = Maximum_;
    CurrentMinimum = Minimum_;
    CurrentRange = CurrentMaximum - CurrentMinimum;
}

void TChartAxis::ExtendRangeForMargins(int left, int top, int right, int bottom) {
    const TPlotGeometry& g = Host_->PlotGeometry();
    TPlotGeometry shrunk = g;
    if (Horizontal()) {
        if (left == 0 && right == 0) {
            return;
        }
        shrunk.PlotRect.Left += left;
        shrunk.PlotRect.Right -= right;
        shrunk.RecalcDerived();
        const double lo = PixelToValueIn(shrunk, g.PlotRect.Left);
        const double hi = PixelToValueIn(shrunk, g.PlotRect.Right);
        CurrentMinimum = lo;
        CurrentMaximum = hi;
    } else {
        if (top == 0 && bottom == 0) {
            return;
        }
        shrunk.PlotRect.Top += top;
        shrunk.PlotRect.Bottom -= bottom;
        shrunk.RecalcDerived();
        const double lo = PixelToValueIn(shrunk, g.PlotRect.Bottom);
        const double hi = PixelToValueIn(shrunk, g.PlotRect.Top);
        CurrentMinimum = lo;
        CurrentMaximum = hi;
    }
    if (CurrentMinimum > CurrentMaximum) {
        std::swap(CurrentMinimum, CurrentMaximum);
    }
    CurrentRange = CurrentMaximum - CurrentMinimum;
}

double TChartAxis::ComputeIncrement(int maxLabels) const {
    if (maxLabels <= 0) {
        return IsDateTimeAxis ? kSmallestDateTimeStep : kSmallestStep;
    }
    double step;
    if (Increment_ > 0.0) {
        step = Increment_;
    } else {
        step = std::fabs(CurrentRange) >= 1.0 ? 1.0 : kSmallestStep;
    }
    if (LabelsSeparation_ > 0) {
        for (;;) {
            const double q = CurrentRange / step;
            if (std::fabs(q) >= 2147483647.0 || maxLabels < Round(q)) {
                step = NextNiceStep(step);
            } else {
                break;
            }
        }
    }
    return std::max(step, kSmallestStep);
}

double TChartAxis::AxisLength() const {
    const TPlotGeometry& g = Host_->PlotGeometry();
    return Horizontal() ? g.PlotWidth : g.PlotHeight;
}

double TChartAxis::LabelIncrement(TTextMeasure& measure) const {
    const bool rotated = LabelsAngle_ != 0 && LabelsAngle_ != 180;
    int size;
    if (Horizontal() != rotated) {
        size = std::max(measure.MeasureTextWidth(FormatAxisLabel(CurrentMaximum)),
                        measure.MeasureTextWidth(FormatAxisLabel(CurrentMinimum)));
    } else {
        size = measure.FontHeight();
    }
    size += Round(LabelsSeparation_ * 0.01 * size);
    const int n = size <= 0 ? 1 : Round(AxisLength() / size);
    return ComputeIncrement(n);
}

QString TChartAxis::FormatAxisLabel(double value, bool withEvent) const {
    QString text;
    if (IsDateTimeAxis) {
        if (value >= 0.0) {
            static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
            const QDateTime when =
                epoch.addMSecs(static_cast<qint64>(std::llround(value * 86400000.0)));
            const QLocale locale;
            if (!DateTimeFormat_.isEmpty()) {
                text = when.toString(DateTimeFormat_);
            } else if (CurrentRange > 1.0) {
                text = locale.toString(when.date(), QLocale::ShortFormat);
            } else {
                text = locale.toString(when.time(), QLocale::ShortFormat);
            }
        }
    } else {
        text = NumberLabelText(value);
    }
    if (withEvent && Host_ != nullptr) {
        Host_->GetAxisLabel(*this, nullptr, -1, text);
    }
    if (LabelsMultiLine_) {
        text.replace(QLatin1Char(' '), QLatin1Char('\n'));
    }
    return text;
}

const QString& TChartAxis::NumberLabelText(double value) const {
    const QLocale locale;
    if (!LabelTextsValid_ || !(locale == LabelTextsLocale_) ||
        AxisValuesFormat_ != LabelTextsFormat_) {
        const QString dec = locale.decimalPoint();
        const QString group = locale.groupSeparator();
        DecimalSeparator_ = dec.isEmpty() ? QLatin1Char('.') : dec.at(0);
        GroupSeparator_ = group.isEmpty() ? QLatin1Char(',') : group.at(0);
        LabelTextsLocale_ = locale;
        LabelTextsFormat_ = AxisValuesFormat_;
        LabelTexts_.clear();
        LabelTextsValid_ = true;
    }
    // Equal bits, so that 0 and -0 or two NaNs are told apart as the formatter would.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (const TLabelText& label : LabelTexts_) {
        if (std::bit_cast<std::uint64_t>(label.Value) == bits) {
            return label.Text;
        }
    }
    if (LabelTexts_.size() >= kMaxLabelTexts) {
        LabelTexts_.clear();
    }
    LabelTexts_.push_back(
        {value, FormatFloatPattern(value, AxisValuesFormat_, DecimalSeparator_, GroupSeparator_)});
    return LabelTexts_.back().Text;
}

TAxisLabelStyle TChartAxis::LabelStyleInEffect() const {
    if (LabelStyle_ != TAxisLabelStyle::talAuto) {
        return LabelStyle_;
    }
    return Host_ != nullptr ? Host_->AutoLabelStyle(*this) : TAxisLabelStyle::talValue;
}

} // namespace chart
