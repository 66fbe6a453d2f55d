// Chart axes: the range in force, value <-> pixel mapping, label increments, and (in
// axis_draw.cpp) the labels, ticks, grid and title around the plot rectangle.
// The arithmetic needs no painter: the axis reads the plot geometry and the series bounds
// through TAxisHost and measures texts through TTextMeasure.
#pragma once

#include "chart/chart_pen.h"
#include "chart/chart_types.h"
#include "chart/text_measure.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace chart {

class TChartAxis;
class TChartSeries;
class TQixCanvas;

enum class TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
enum class TAxisKind { Bottom, Top, Left, Right, Depth };

// Plot rectangle of the current drawing pass and its derived sizes (integer pixels).
struct TPlotGeometry {
    TRect PlotRect;
    int PlotWidth = 0;
    int PlotHeight = 0;
    int PlotCentreX = 0; // (Left + Right) / 2, toward zero
    int PlotCentreY = 0; // (Top + Bottom) / 2, toward zero

    // Recomputes the four derived sizes from PlotRect.
    void RecalcDerived() {
        PlotWidth = PlotRect.Right - PlotRect.Left;
        PlotHeight = PlotRect.Bottom - PlotRect.Top;
        PlotCentreX = (PlotRect.Left + PlotRect.Right) / 2;
        PlotCentreY = (PlotRect.Top + PlotRect.Bottom) / 2;
    }
};

// What an axis needs of the panel that owns it.
class TAxisHost {
public:
    virtual ~TAxisHost() = default;
    virtual const TPlotGeometry& PlotGeometry() const = 0;
    virtual void RequestRepaint() = 0;
    // True while the owner is loaded from its stored form (no min/max cross-check).
    virtual bool IsLoading() const = 0;
    // Least (wantMinimum) or greatest bound of the active, non-empty series bound to the
    // axis; 0 when there is none.
    virtual double SeriesValueBound(const TChartAxis& axis, bool wantMinimum) const = 0;
    // Label style that talAuto resolves to for this axis.
    virtual TAxisLabelStyle AutoLabelStyle(const TChartAxis& axis) const = 0;
    // Whether the first active series bound to the axis keeps date-time values in the
    // column that the axis shows.
    virtual bool AxisShowsDateTime(const TChartAxis& axis) const = 0;
    // The OnGetAxisLabel event: may replace text.
    virtual void GetAxisLabel(const TChartAxis& axis, TChartSeries* series, int index,
                              QString& text) const = 0;
};

// The axis title: caption, angle (degrees, 0 .. 359) and font.
class TChartAxisTitle {
public:
    explicit TChartAxisTitle(TChartAxis* axis) : Axis_(axis) {}

    const QString& Caption() const { return Caption_; }
    void SetCaption(const QString& value);
    int Angle() const { return Angle_; }
    // Rejects values below 0 or above 360 with ChartException "Axis Title Angle must be
    // between 0 and 359 degrees"; 360 is stored as 0.
    void SetAngle(int value);
    TChartFont Font;
    TChartAxis* Axis() const { return Axis_; }

private:
    friend class TChartAxis;
    TChartAxis* Axis_;
    QString Caption_;
    int Angle_ = 0;
};

// NextNiceStep(s), s > 0: 1 -> 2 -> 5 -> 10 -> 20 ...
double NextNiceStep(double step);

// The value-to-pixel mapping of an axis for one plot geometry and range, taken once so that
// many values map without asking the axis again (a series maps all its points with one).
struct TValueMap {
    enum class Kind { Linear, Logarithmic, Centre };
    Kind Mode = Kind::Linear;
    int Centre = 0; // px, where every value goes for a zero range
    int Start = 0;  // px, pixel of the minimum (Left, or Bottom for a vertical axis)
    int End = 0;    // px, pixel of the maximum, the origin of an inverted axis
    int Size = 0;   // px, signed: the plot width, or minus the plot height
    bool Inverted = false;
    double Minimum = 0.0;
    double Range = 0.0;
    double LogMinimum = 0.0; // ln of the minimum (logarithmic, minimum > 0)
    double LogRange = 0.0;   // ln of the maximum minus LogMinimum

    int Map(double value) const {
        if (Mode == Kind::Linear) {
            return Place(Size * (value - Minimum) / Range);
        }
        return Mode == Kind::Centre ? Centre : MapLogarithmic(value);
    }

private:
    int MapLogarithmic(double value) const;
    // The pixel at offset p (px) from the start, saturated to the int range.
    int Place(double p) const {
        const std::int64_t r = Round(p);
        const std::int64_t pixel = Inverted ? End - r : Start + r;
        return static_cast<int>(std::clamp<std::int64_t>(pixel, INT32_MIN, INT32_MAX));
    }
};

class TChartAxis {
public:
    TChartAxis(TAxisHost* host, TAxisKind kind);
    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;
    virtual ~TChartAxis() = default;

    TAxisKind Kind() const { return Kind_; }
    bool Horizontal() const { return Kind_ == TAxisKind::Bottom || Kind_ == TAxisKind::Top; }
    bool OtherSide() const { return Kind_ == TAxisKind::Top || Kind_ == TAxisKind::Right; }

    // --- scaling properties ---
    bool Automatic() const { return Automatic_; }
    void SetAutomatic(bool v) { Store(Automatic_, v); }
    bool AutomaticMaximum() const { return AutomaticMaximum_; }
    void SetAutomaticMaximum(bool v) { Store(AutomaticMaximum_, v); }
    bool AutomaticMinimum() const { return AutomaticMinimum_; }
    void SetAutomaticMinimum(bool v) { Store(AutomaticMinimum_, v); }
    double Maximum() const { return Maximum_; }
    // Throws AxisException "Axis Maximum Value must be >= Minimum" for v < Minimum (not
    // while loading); the maximum then keeps its value.
    void SetMaximum(double v);
    double Minimum() const { return Minimum_; }
    // Throws AxisException "Axis Minimum Value must be <= Maximum" for v > Maximum.
    void SetMinimum(double v);
    double Increment() const { return Increment_; }
    // Throws AxisException "Axis increment must be >= 0" for a negative value or NaN.
    void SetIncrement(double v);
    bool Inverted() const { return Inverted_; }
    void SetInverted(bool v) { Store(Inverted_, v); }
    bool Logarithmic() const { return Logarithmic_; }
    // Throws "DateTime Axis cannot be Logarithmic" on a date-time axis and "Logarithmic
    // Axis Min and Max values should be >= 0" when an end is negative.
    void SetLogarithmic(bool v);
    int LabelsSeparation() const { return LabelsSeparation_; } // percent of a label's size
    // Throws "Labels Separation % must be greater than 0" for a negative value.
    void SetLabelsSeparation(int v);
    TAxisLabelStyle LabelStyle() const { return LabelStyle_; }
    void SetLabelStyle(TAxisLabelStyle v) { Store(LabelStyle_, v); }
    bool RoundFirstLabel() const { return RoundFirstLabel_; }
    void SetRoundFirstLabel(bool v) { Store(RoundFirstLabel_, v); }
    bool ExactDateTime() const { return ExactDateTime_; }
    void SetExactDateTime(bool v) { Store(ExactDateTime_, v); }
    const QString& AxisValuesFormat() const { return AxisValuesFormat_; }
    void SetAxisValuesFormat(const QString& v) { Store(AxisValuesFormat_, v); }
    const QString& DateTimeFormat() const { return DateTimeFormat_; }
    void SetDateTimeFormat(const QString& v) { Store(DateTimeFormat_, v); }
    bool Visible() const { return Visible_; }
    void SetVisible(bool v) { Store(Visible_, v); }

    // --- decoration properties ---
    TChartAxisTitle Title{this};
    int TitleSize() const { return TitleSize_; } // 0: measured
    void SetTitleSize(int v) { Store(TitleSize_, v); }
    bool Labels() const { return Labels_; }
    void SetLabels(bool v) { Store(Labels_, v); }
    TChartFont LabelsFont;
    int LabelsAngle() const { return LabelsAngle_; }
    // Rejects values below 0 or above 360 with ChartException "Axis Labels Angle must be
    // between 0 and 359 degrees"; 360 is stored as 0.
    void SetLabelsAngle(int v);
    int LabelsSize() const { return LabelsSize_; } // 0: measured
    void SetLabelsSize(int v) { Store(LabelsSize_, v); }
    bool LabelsOnAxis() const { return LabelsOnAxis_; }
    void SetLabelsOnAxis(bool v) { Store(LabelsOnAxis_, v); }
    bool LabelsMultiLine() const { return LabelsMultiLine_; }
    void SetLabelsMultiLine(bool v) { Store(LabelsMultiLine_, v); }
    int TickLength() const { return TickLength_; } // pixels
    void SetTickLength(int v) { Store(TickLength_, v); }
    int TickInnerLength() const { return TickInnerLength_; }
    void SetTickInnerLength(int v) { Store(TickInnerLength_, v); }
    int MinorTickCount() const { return MinorTickCount_; }
    void SetMinorTickCount(int v) { Store(MinorTickCount_, v); }
    int MinorTickLength() const { return MinorTickLength_; }
    void SetMinorTickLength(int v) { Store(MinorTickLength_, v); }
    bool TickOnLabelsOnly() const { return TickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool v) { Store(TickOnLabelsOnly_, v); }
    bool GridCentered() const { return GridCentered_; }
    void SetGridCentered(bool v) { Store(GridCentered_, v); }
    TDarkGrayPen Ticks;
    TDarkGrayPen TicksInner;
    TDarkGrayPen MinorTicks;
    TDottedGrayPen Grid;
    TChartAxisPen Axis;

    // --- run-time state ---
    double CurrentMinimum = 0.0;
    double CurrentMaximum = 0.0;
    double CurrentRange = 0.0; // CurrentMaximum - CurrentMinimum
    bool IsDateTimeAxis = false;
    int TitlePos = 0;  // x for vertical axes, y for horizontal ones
    int LabelsPos = 0; // where the labels are drawn
    int AxisPos = 0;   // the plot edge on the axis's side

    // --- operations ---
    // Switches the automatic flags off and fixes the range to a .. b (ordered); a span
    // under 1e-10 is widened to a .. b + 1e-10. Never throws.
    void SetAxisRange(double a, double b);
    int ValueToPixel(double value) const;
    // The mapping of ValueToPixelX (horizontal) or ValueToPixelY for the current geometry.
    TValueMap ValueMap(bool horizontal) const;
    int ValueToPixelX(double value) const;
    int ValueToPixelY(double value) const;
    double PixelToValue(int pixel) const;
    // Takes the range from the series where automatic and sets the current range.
    void RefreshRange();
    // Widens the current range so that the given pixel margins stay free.
    void ExtendRangeForMargins(int left, int top, int right, int bottom);
    // Label step for at most maxLabels labels over the current range.
    double ComputeIncrement(int maxLabels) const;
    // Label step for the current plot size, measuring labels with measure.
    double LabelIncrement(TTextMeasure& measure) const;
    // Label text of a value; withEvent passes it through the panel's OnGetAxisLabel.
    QString FormatAxisLabel(double value, bool withEvent = true) const;
    TAxisLabelStyle LabelStyleInEffect() const;
    double AxisLength() const;

    // --- decoration (axis_draw.cpp) ---
    // Shrinks rect on the axis's side by the title, label and tick bands and sets
    // TitlePos and LabelsPos.
    void ReserveAxisSpace(TQixCanvas& canvas, TRect& rect);
    // Draws title, labels, ticks, grid and axis line; sets AxisPos.
    void DrawAxis(TQixCanvas& canvas);
    // Multi-line text at (x, y) with the alignment of the axis side and angle.
    void DrawAxisText(TQixCanvas& canvas, int x, int y, const QString& text, int angle);
    // Width of the widest value label (plus one blank), measured on canvas.
    int MaxLabelWidth(TQixCanvas& canvas);

    TAxisHost* Host() const { return Host_; }
    // Direct writes of the range storage without validation or repaint (automatic range,
    // undo of a zoom).
    void StoreRangeUnchecked(double minimum, double maximum) {
        Minimum_ = minimum;
        Maximum_ = maximum;
    }

private:
    template <class T> void Store(T& field, const T& value) {
        if (!(field == value)) {
            field = value;
            Changed();
        }
    }
    void Changed();
    int MapValue(double value, bool horizontal) const;
    double PixelToValueIn(const TPlotGeometry& g, int pixel) const;
    void DrawTicksAndGrid(TQixCanvas& canvas, int p, double labelValue, int& previousTick);
    void DrawTick(TQixCanvas& canvas, int p, int offset, int length);
    void DrawGridLine(TQixCanvas& canvas, int p);
    void PlaceLabel(TQixCanvas& canvas, int p, double value, const QString& text, bool overlapTest,
                    int& previousPos, int& previousHalf, int& previousTick);
    void RunValueLoop(TQixCanvas& canvas, double increment, int& previousPos, int& previousHalf,
                      int& previousTick);
    void RunSeriesLabelLoop(TQixCanvas& canvas, TAxisLabelStyle style, int& previousPos,
                            int& previousHalf, int& previousTick);
    void DrawAxisLine(TQixCanvas& canvas);

    friend class TChartAxisTitle;
    TAxisHost* Host_;
    TAxisKind Kind_;
    bool Automatic_ = true;
    bool AutomaticMaximum_ = true;
    bool AutomaticMinimum_ = true;
    double Maximum_ = 0.0;
    double Minimum_ = 0.0;
    double Increment_ = 0.0;
    bool Inverted_ = false;
    bool Logarithmic_ = false;
    int LabelsSeparation_ = 10;
    TAxisLabelStyle LabelStyle_ = TAxisLabelStyle::talAuto;
    bool RoundFirstLabel_ = true;
    bool ExactDateTime_ = true;
    QString AxisValuesFormat_ = QStringLiteral("#,##0.###");
    QString DateTimeFormat_;
    bool Visible_ = true;
    int TitleSize_ = 0;
    bool Labels_ = true;
    int LabelsAngle_ = 0;
    int LabelsSize_ = 0;
    bool LabelsOnAxis_ = true;
    bool LabelsMultiLine_ = false;
    int TickLength_ = 4;
    int TickInnerLength_ = 0;
    int MinorTickCount_ = 3;
    int MinorTickLength_ = 2;
    bool TickOnLabelsOnly_ = true;
    bool GridCentered_ = false;
    double CurrentLabelValue_ = 0.0; // value of the label being drawn by the value loop

    // Value label texts already formatted (before the OnGetAxisLabel event), kept while the
    // format and the locale's separators stay the same: most labels are the same from one
    // drawing pass to the next.
    struct TLabelText {
        double Value;
        QString Text;
    };
    static constexpr std::size_t kMaxLabelTexts = 64;
    const QString& NumberLabelText(double value) const;
    mutable std::vector<TLabelText> LabelTexts_;
    mutable QString LabelTextsFormat_;
    mutable QLocale LabelTextsLocale_;
    mutable bool LabelTextsValid_ = false;
    mutable QChar DecimalSeparator_;
    mutable QChar GroupSeparator_;
};

} // namespace chart
