// The base of every plotted data set: owns its points (parallel value lists, per-point
// colours and labels), binds itself to one horizontal and one vertical axis of its parent
// chart, answers the axes' questions about its extent, finds the points inside the plot
// area and drives their drawing through virtual operations of the concrete series types.
// Every data or look change ends in a repaint request to the parent chart.
#pragma once

#include "chart/chart_types.h"
#include "chart/series/value_list.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace chart {

class TChartAxis;
class TChartSeries;
class TCustomAxisPanel;
class TQixCanvas;
class TQixFunction;

// What a series tells the series that use it as data source.
enum class TSeriesNotify {
    Cleared = 0,
    PointAdded = 1,
    PointDeleted = 2,
    RefreshAll = 3,
    PointChanged = 4
};
enum class THorizAxis { aTopAxis, aBottomAxis };
enum class TVertAxis { aLeftAxis, aRightAxis };

// Reactions of a dependent series to changes of its data sources (bit set).
enum TSeriesRecalcOption : unsigned { rOnDelete = 1, rOnModify = 2, rOnInsert = 4, rOnClear = 8 };

// A class reference for the series registry and the class lookup by name.
struct TSeriesClassInfo {
    const char* ClassName;
    std::unique_ptr<TChartSeries> (*Create)();
};

// Value labels beside the points (hidden in the oscillograph).
struct TSeriesMarks {
    bool Visible = false;
    int ArrowLength = 8;          // pixels between the point and its label
    std::vector<TRect> Positions; // where each mark was drawn
};

class TChartSeries {
public:
    TChartSeries();
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;
    virtual ~TChartSeries();

    static const TSeriesClassInfo& ClassInfo();
    virtual const TSeriesClassInfo& GetClassInfo() const { return ClassInfo(); }

    // --- data operations ---
    // Adds a point: the X list decides the index, Y, colour and label follow it. Answers
    // the index, or -1 when OnBeforeAdd vetoed the add. clAutomaticAlias is stored as
    // clAutomatic.
    virtual int AddPoint(double x, double y, const QString& label = QString(),
                         TColor color = clAutomatic);
    // AddPoint with PointCount as X and value as Y (swapped when not Y-mandatory).
    virtual int AppendValue(double value, const QString& label = QString(),
                            TColor color = clAutomatic);
    virtual int AppendGap(const QString& label = QString());
    virtual void ClearValues();
    virtual void DeletePoint(int index);
    int PointCount() const { return XValues_->ValueCount(); }
    virtual void FillSampleValues(int numValues);
    virtual int SampleValueCount() const { return 25; }

    // --- per-point reads ---
    virtual TColor PointColor(int index) const;
    virtual QString PointLabel(int index) const;
    // Whether any point carries a non-empty label.
    bool HasTextLabels() const;
    double XAt(int index) const { return XValues_->ScaledValue(index); }
    double YAt(int index) const { return YValues_->ScaledValue(index); }
    virtual int PointScreenX(int index) const;
    virtual int PointScreenY(int index) const;
    virtual double StackValue(int index) const { return YAt(index); }
    virtual double MarkValue(int index) const { return YAt(index); }
    virtual QString MarkText(int index) const;

    // --- extents (scaled values, ready without a scan) ---
    virtual double XMinimum() const { return XValues_->LowestValue(); }
    virtual double XMaximum() const { return XValues_->HighestValue(); }
    virtual double YMinimum() const { return YValues_->LowestValue(); }
    virtual double YMaximum() const { return YValues_->HighestValue(); }
    virtual double ZMinimum() const { return ZOrder; }
    virtual double ZMaximum() const { return ZOrder; }
    // Pixels the axes must keep free beyond the extreme values.
    virtual void HorizontalMargins(int& left, int& right) const;
    virtual void VerticalMargins(int& top, int& bottom) const;

    // --- axes ---
    virtual bool UsesAxis() const { return true; }
    virtual bool IsBoundToAxis(const TChartAxis* axis) const;
    TChartAxis* GetHorizontalAxis() const;
    TChartAxis* GetVerticalAxis() const;
    virtual TChartValueList& MandatoryValues() { return *YValues_; }
    const TChartValueList& MandatoryValues() const {
        return const_cast<TChartSeries*>(this)->MandatoryValues();
    }
    // X is the ordering column and Y the value column.
    bool IsYMandatory() const { return &MandatoryValues() == YValues_.get(); }

    // --- drawing ---
    // Sets FirstVisibleIndex and LastVisibleIndex from the plot edges of the last layout.
    void FindVisibleRange();
    virtual void DrawVisiblePoints();
    virtual void DrawPoint(int index);
    virtual void DrawMark(int index, const QString& text);
    void DrawMarks();
    virtual void BeforeDrawChart() {}
    virtual void BeforeDrawValuesHook();
    virtual void AfterDrawValuesHook();
    virtual bool DrawsForward() const { return true; }
    virtual int PointAtPixel(int x, int y) const;
    // Fires OnDblClick (double click, when set) or OnClick; answers whether one ran.
    virtual bool Clicked(TMouseButton button, bool doubleClick, int index, int x, int y);
    virtual void MouseMoved(int /*x*/, int /*y*/) {}
    virtual void MouseReleased(TMouseButton /*button*/, int /*x*/, int /*y*/) {}
    virtual void PenChanged() { Repaint(); }

    // --- data sources ---
    virtual int CopyPointFrom(const TChartSeries& source, int index);
    virtual void AddPointFrom(const TChartSeries& source, int index);
    virtual void RefreshFromSource(TChartSeries& source);
    virtual void SourcePointDeleted(TChartSeries& source, int index);
    virtual bool AcceptsSource(const TChartSeries* source) const { return source != this; }
    virtual bool AcceptsAsSource() const { return true; }
    // Sets the only data source (nullptr: none). Throws ChartException "No ParentChart to
    // validate DataSource" without a chart and "No valid DataSource: %s" when the source
    // is not accepted.
    void SetDataSource(TChartSeries* source);
    // Adds a further data source (same checks as SetDataSource).
    void AddDataSource(TChartSeries* source);
    void RemoveDataSource(TChartSeries* source);
    TChartSeries* DataSource() const { return DataSources_.empty() ? nullptr : DataSources_[0]; }
    const std::vector<TChartSeries*>& DataSources() const { return DataSources_; }
    const std::vector<TChartSeries*>& LinkedSeries() const { return LinkedSeries_; }
    // Refills from the data sources (or lets the function recompute).
    void CheckDataSource();
    void NotifyDependents(TSeriesNotify kind, int index);
    // Takes ownership of the function (nullptr: none) and rechecks the data source.
    virtual void SetFunction(std::unique_ptr<TQixFunction> function);
    TQixFunction* Function() const { return Function_.get(); }
    unsigned RecalcOptions = rOnDelete | rOnModify | rOnInsert | rOnClear;

    // --- properties ---
    bool Active() const { return Active_; }
    virtual void SetActive(bool v);
    TColor SeriesColor() const { return SeriesColor_; }
    virtual void SetSeriesColor(TColor v);
    bool ColorEachPoint() const { return ColorEachPoint_; }
    virtual void SetColorEachPoint(bool v);
    TCustomAxisPanel* ParentChart() const { return ParentChart_; }
    virtual void SetParentChart(TCustomAxisPanel* chart);
    bool ShowInLegend() const { return ShowInLegend_; }
    void SetShowInLegend(bool v) { Store(ShowInLegend_, v); }
    THorizAxis HorizAxis() const { return HorizAxis_; }
    void SetHorizAxis(THorizAxis v) { Store(HorizAxis_, v); }
    TVertAxis VertAxis() const { return VertAxis_; }
    void SetVertAxis(TVertAxis v) { Store(VertAxis_, v); }
    const QString& Title() const { return Title_; }
    void SetTitle(const QString& v) { Store(Title_, v); }
    const QString& ValueFormat() const { return ValueFormat_; }
    void SetValueFormat(const QString& v) { Store(ValueFormat_, v); }
    const QString& PercentFormat() const { return PercentFormat_; }
    void SetPercentFormat(const QString& v) { Store(PercentFormat_, v); }
    const QString& Name() const { return Name_; }
    void SetName(const QString& v) { Name_ = v; }
    const QString& ColorSource() const { return ColorSource_; }
    void SetColorSource(const QString& v);
    const QString& XLabelsSource() const { return XLabelsSource_; }
    void SetXLabelsSource(const QString& v);
    int Cursor = 0; // mouse cursor over the series (a Qt::CursorShape value), 0: none
    QString Identifier;
    unsigned Style = 0; // editor flags, low six bits
    int ZOrder = 0;
    bool LimitToVisibleRange = true;
    bool KeepPointPastEdge = false;
    int StartZ = 0;
    int MiddleZ = 0;
    int EndZ = 0;
    TSeriesMarks Marks;

    TChartValueList& XValues() { return *XValues_; }
    const TChartValueList& XValues() const { return *XValues_; }
    TChartValueList& YValues() { return *YValues_; }
    const TChartValueList& YValues() const { return *YValues_; }
    void SetXValues(const TChartValueList& source);
    void SetYValues(const TChartValueList& source);
    // All value lists: X at 0, Y at 1, further lists of richer series from 2.
    std::vector<TChartValueList*>& ValueLists() { return ValueLists_; }
    const std::vector<TChartValueList*>& ValueLists() const { return ValueLists_; }
    // Case-insensitive search of the further lists by name; YValues when none matches.
    TChartValueList& FindValueList(const QString& name);

    int FirstVisibleIndex = -1; // first point to draw, -1 when none
    int LastVisibleIndex = -1;  // last point to draw, -1 when none

    // Asks the parent chart (when set) to repaint; nothing is drawn at once.
    void Repaint();

    // --- events ---
    std::function<bool(TChartSeries*)> OnBeforeAdd;
    std::function<void(TChartSeries*, int)> OnAfterAdd;
    std::function<void(TChartSeries*)> OnClearValues;
    std::function<void(TChartSeries*, int, QString&)> OnGetMarkText;
    std::function<void(TChartSeries*)> BeforeDrawValues;
    std::function<void(TChartSeries*)> AfterDrawValues;
    std::function<void(TChartSeries*, int, TMouseButton, int, int)> OnClick;
    std::function<void(TChartSeries*, int, TMouseButton, int, int)> OnDblClick;

    // Canvas of the parent chart (the chart must be set).
    TQixCanvas& Canvas() const;

protected:
    template <class T> void Store(T& field, const T& value) {
        if (!(field == value)) {
            field = value;
            Repaint();
        }
    }
    // Fires OnAfterAdd, tells the dependents and repaints when active.
    virtual void PointAdded(TChartSeries* sender, int index);
    // Empties every value list, the colours, the labels and the marks' positions.
    virtual void ClearLists();
    // Inserts each further list's PendingValue at index.
    virtual void InsertExtraValues(int index);

    std::vector<TColor> Colors_;  // one per point, parallel to the values
    std::vector<QString> Labels_; // one per point; a null string for no label

private:
    void ConnectSource(TChartSeries* source);

    bool Active_ = true;
    TColor SeriesColor_ = clAutomatic;
    bool ColorEachPoint_ = false;
    QString ColorSource_;
    std::vector<TChartSeries*> DataSources_;
    QString XLabelsSource_;
    std::vector<TChartSeries*> LinkedSeries_;
    TCustomAxisPanel* ParentChart_ = nullptr;
    QString PercentFormat_ = QStringLiteral("##0.## %");
    bool ShowInLegend_ = true;
    QString Title_;
    QString ValueFormat_ = QStringLiteral("#,##0.###");
    QString Name_;
    std::vector<TChartValueList*> ValueLists_;
    std::unique_ptr<TChartValueList> XValues_;
    std::unique_ptr<TChartValueList> YValues_;
    THorizAxis HorizAxis_ = THorizAxis::aBottomAxis;
    TVertAxis VertAxis_ = TVertAxis::aLeftAxis;
    std::unique_ptr<TQixFunction> Function_;
};

// Palette colour i (i mod 16) for points of a series with ColorEachPoint.
TColor PaletteColor(int index);

// Base of the functions that compute a series from its data sources.
class TQixFunction {
public:
    TQixFunction() = default;
    TQixFunction(const TQixFunction&) = delete;
    TQixFunction& operator=(const TQixFunction&) = delete;
    virtual ~TQixFunction() = default;

    int Period() const { return Period_; }
    // Throws ChartException "Function Period must be >= 0" for a negative period.
    void SetPeriod(int value);
    TChartSeries* ParentSeries() const { return ParentSeries_; }
    void SetParentSeries(TChartSeries* series) { ParentSeries_ = series; }
    // Recomputes the parent series' points from the sources (the parent was cleared).
    virtual void AddPoints(const std::vector<TChartSeries*>& sources) = 0;

private:
    int Period_ = 0;
    TChartSeries* ParentSeries_ = nullptr;
};

} // namespace chart
