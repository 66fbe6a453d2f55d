#include "chart/series/chart_series.h"

#include "chart/axis.h"
#include "chart/chart_exception.h"
#include "chart/chart_panel.h"
#include "chart/number_format.h"

#include <QLocale>
#include <algorithm>
#include <random>

namespace chart {

namespace {

constexpr TColor kPalette[16] = {0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0x808080,
                                 0xFF00FF, 0x808000, 0x800000, 0x000080, 0x00FF00, 0x008080,
                                 0x800080, 0xC0C0C0, 0xFFFF00, 0x000000};

std::unique_ptr<TChartSeries> CreateBaseSeries() {
    return std::make_unique<TChartSeries>();
}

} // namespace

TColor PaletteColor(int index) {
    return kPalette[((index % 16) + 16) % 16];
}

void TQixFunction::SetPeriod(int value) {
    if (value < 0) {
        throw ChartException("Function Period must be >= 0");
    }
    if (value != Period_) {
        Period_ = value;
        if (ParentSeries_ != nullptr) {
            ParentSeries_->CheckDataSource();
        }
    }
}

const TSeriesClassInfo& TChartSeries::ClassInfo() {
    static const TSeriesClassInfo info{"TChartSeries", &CreateBaseSeries};
    return info;
}

TChartSeries::TChartSeries() {
    XValues_ = std::make_unique<TChartValueList>(this, QStringLiteral("X"));
    XValues_->SetOrder(TChartListOrder::loAscending);
    YValues_ = std::make_unique<TChartValueList>(this, QStringLiteral("Y"));
}

TChartSeries::~TChartSeries() {
    Function_.reset();
    for (TChartSeries* source : DataSources_) {
        auto& linked = source->LinkedSeries_;
        linked.erase(std::remove(linked.begin(), linked.end(), this), linked.end());
    }
    DataSources_.clear();
    const std::vector<TChartSeries*> dependents = LinkedSeries_;
    LinkedSeries_.clear();
    for (TChartSeries* dependent : dependents) {
        auto& sources = dependent->DataSources_;
        sources.erase(std::remove(sources.begin(), sources.end(), this), sources.end());
        dependent->CheckDataSource();
    }
    ClearValues();
    if (ParentChart_ != nullptr) {
        ParentChart_->SeriesLeft(this);
        ParentChart_ = nullptr;
    }
}

void TChartSeries::Repaint() {
    if (ParentChart_ != nullptr) {
        ParentChart_->RequestRepaint();
    }
}

TQixCanvas& TChartSeries::Canvas() const {
    return ParentChart_->Canvas();
}

int TChartSeries::AddPoint(double x, double y, const QString& label, TColor color) {
    XValues_->PendingValue = x;
    YValues_->PendingValue = y;
    if (OnBeforeAdd && !OnBeforeAdd(this)) {
        return -1;
    }
    const int index = XValues_->AddOrdered(x);
    YValues_->InsertAt(index, y);
    if (color == clAutomaticAlias) {
        color = clAutomatic;
    }
    const auto at = static_cast<std::size_t>(index);
    if (at == Colors_.size()) {
        Colors_.push_back(color);
    } else {
        Colors_.insert(Colors_.begin() + index, color);
    }
    if (at == Labels_.size()) {
        Labels_.emplace_back(label.isEmpty() ? QString() : label);
    } else {
        Labels_.insert(Labels_.begin() + index, label.isEmpty() ? QString() : label);
    }
    PointAdded(this, index);
    return index;
}

int TChartSeries::AppendValue(double value, const QString& label, TColor color) {
    const double count = PointCount();
    return IsYMandatory() ? AddPoint(count, value, label, color)
                          : AddPoint(value, count, label, color);
}

int TChartSeries::AppendGap(const QString& label) {
    return AppendValue(0.0, label, clNone);
}

void TChartSeries::PointAdded(TChartSeries* sender, int index) {
    if (OnAfterAdd) {
        OnAfterAdd(sender, index);
    }
    if (!LinkedSeries_.empty()) {
        NotifyDependents(TSeriesNotify::PointAdded, index);
    }
    if (Active_) {
        Repaint();
    }
}

void TChartSeries::ClearLists() {
    for (TChartValueList* list : ValueLists_) {
        list->ClearList();
    }
    Colors_.clear();
    Labels_.clear();
    Marks.Positions.clear();
}

void TChartSeries::ClearValues() {
    ClearLists();
    if (OnClearValues) {
        OnClearValues(this);
    }
    NotifyDependents(TSeriesNotify::Cleared, -1);
    if (ParentChart_ != nullptr && !ParentChart_->IsDestroying()) {
        Repaint();
    }
}

void TChartSeries::DeletePoint(int index) {
    // Check first so that a bad index changes none of the parallel lists.
    if (index < 0 || index >= PointCount()) {
        throw ListIndexError(index);
    }
    for (TChartValueList* list : ValueLists_) {
        list->DeleteAt(index);
    }
    const auto at = static_cast<std::size_t>(index);
    if (at < Colors_.size()) {
        Colors_.erase(Colors_.begin() + index);
    }
    if (at < Labels_.size()) {
        Labels_.erase(Labels_.begin() + index);
    }
    if (at < Marks.Positions.size()) {
        Marks.Positions.erase(Marks.Positions.begin() + index);
    }
    NotifyDependents(TSeriesNotify::PointDeleted, index);
    Repaint();
}

void TChartSeries::FillSampleValues(int numValues) {
    if (numValues <= 0) {
        throw std::runtime_error("FillSampleValues NumValues must be > 0");
    }
    ClearValues();
    // Fixed seed: previews look the same every time.
    std::mt19937 random(12345);
    double y = 50.0;
    for (int i = 0; i < numValues; ++i) {
        y += static_cast<double>(static_cast<int>(random() % 21) - 10);
        AddPoint(i, y);
    }
}

void TChartSeries::InsertExtraValues(int index) {
    for (std::size_t k = 2; k < ValueLists_.size(); ++k) {
        ValueLists_[k]->InsertAt(index, ValueLists_[k]->PendingValue);
    }
}

TColor TChartSeries::PointColor(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= Colors_.size()) {
        return SeriesColor_;
    }
    const TColor stored = Colors_[static_cast<std::size_t>(index)];
    if (stored != clAutomatic) {
        return stored;
    }
    return ColorEachPoint_ ? PaletteColor(index) : SeriesColor_;
}

QString TChartSeries::PointLabel(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= Labels_.size()) {
        return QString();
    }
    return Labels_[static_cast<std::size_t>(index)];
}

bool TChartSeries::HasTextLabels() const {
    return std::any_of(Labels_.begin(), Labels_.end(),
                       [](const QString& l) { return !l.isEmpty(); });
}

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

bool TChartSeries::Clicked(TMouseButton button, bool doubleClick, int index, int x, int y) {
    if (doubleClick && OnDblClick) {
        OnDblClick(this, index, button, x, y);
        return true;
    }
    if (OnClick) {
        OnClick(this, index, button, x, y);
        return true;
    }
    return false;
}

// --- data sources ---

int TChartSeries::CopyPointFrom(const TChartSeries& source, int index) {
    double x = source.XAt(index);
    double y = source.YAt(index);
    if (!IsYMandatory() || !source.IsYMandatory()) {
        std::swap(x, y);
    }
    const int at = XValues_->AddOrdered(x);
    YValues_->InsertAt(at, y);
    for (std::size_t k = 2; k < ValueLists_.size(); ++k) {
        double extra = 0.0;
        if (k < source.ValueLists_.size()) {
            extra = source.ValueLists_[k]->ScaledValue(index);
        }
        ValueLists_[k]->InsertAt(at, extra);
    }
    return at;
}

void TChartSeries::AddPointFrom(const TChartSeries& source, int index) {
    const int at = CopyPointFrom(source, index);
    const auto pos = static_cast<std::size_t>(at);
    const TColor color = index < static_cast<int>(source.Colors_.size())
                             ? source.Colors_[static_cast<std::size_t>(index)]
                             : clAutomatic;
    Colors_.insert(Colors_.begin() + static_cast<std::ptrdiff_t>(std::min(pos, Colors_.size())),
                   color);
    Labels_.insert(Labels_.begin() + static_cast<std::ptrdiff_t>(std::min(pos, Labels_.size())),
                   source.PointLabel(index));
    PointAdded(this, at);
}

void TChartSeries::RefreshFromSource(TChartSeries& source) {
    if (!AcceptsSource(&source)) {
        return;
    }
    ClearValues();
    if (Function_) {
        Function_->AddPoints(DataSources_);
    } else {
        for (int i = 0; i < source.PointCount(); ++i) {
            AddPointFrom(source, i);
        }
    }
    NotifyDependents(TSeriesNotify::RefreshAll, -1);
}

void TChartSeries::SourcePointDeleted(TChartSeries& /*source*/, int index) {
    DeletePoint(index);
}

void TChartSeries::ConnectSource(TChartSeries* source) {
    if (ParentChart_ == nullptr) {
        throw ChartException("No ParentChart to validate DataSource");
    }
    if (!AcceptsSource(source) || !source->AcceptsAsSource()) {
        throw ChartException("No valid DataSource: " + source->Name().toStdString());
    }
    if (std::find(DataSources_.begin(), DataSources_.end(), source) == DataSources_.end()) {
        DataSources_.push_back(source);
        source->LinkedSeries_.push_back(this);
    }
}

void TChartSeries::SetDataSource(TChartSeries* source) {
    if (source != nullptr) {
        // Validate before anything changes.
        if (ParentChart_ == nullptr) {
            throw ChartException("No ParentChart to validate DataSource");
        }
        if (!AcceptsSource(source) || !source->AcceptsAsSource()) {
            throw ChartException("No valid DataSource: " + source->Name().toStdString());
        }
    }
    while (!DataSources_.empty()) {
        RemoveDataSource(DataSources_.back());
    }
    if (source != nullptr) {
        ConnectSource(source);
        CheckDataSource();
    }
}

void TChartSeries::AddDataSource(TChartSeries* source) {
    ConnectSource(source);
    CheckDataSource();
}

void TChartSeries::RemoveDataSource(TChartSeries* source) {
    DataSources_.erase(std::remove(DataSources_.begin(), DataSources_.end(), source),
                       DataSources_.end());
    auto& linked = source->LinkedSeries_;
    linked.erase(std::remove(linked.begin(), linked.end(), this), linked.end());
}

void TChartSeries::CheckDataSource() {
    if (DataSources_.empty()) {
        return;
    }
    if (Function_) {
        RefreshFromSource(*DataSources_[0]);
        return;
    }
    ClearValues();
    for (TChartSeries* source : DataSources_) {
        for (int i = 0; i < source->PointCount(); ++i) {
            AddPointFrom(*source, i);
        }
    }
    NotifyDependents(TSeriesNotify::RefreshAll, -1);
}

void TChartSeries::NotifyDependents(TSeriesNotify kind, int index) {
    if (LinkedSeries_.empty()) {
        return;
    }
    const std::vector<TChartSeries*> dependents = LinkedSeries_;
    for (TChartSeries* d : dependents) {
        const auto& sources = d->DataSources_;
        if (std::find(sources.begin(), sources.end(), this) == sources.end()) {
            continue;
        }
        switch (kind) {
        case TSeriesNotify::Cleared:
            if (d->RecalcOptions & rOnClear) {
                d->ClearValues();
            }
            break;
        case TSeriesNotify::PointAdded:
            if ((d->RecalcOptions & rOnInsert) && !d->Function_) {
                d->AddPointFrom(*this, index);
            }
            break;
        case TSeriesNotify::PointDeleted:
            if ((d->RecalcOptions & rOnDelete) && !d->Function_) {
                d->SourcePointDeleted(*this, index);
            }
            break;
        case TSeriesNotify::RefreshAll:
            d->RefreshFromSource(*this);
            break;
        case TSeriesNotify::PointChanged:
            if (d->RecalcOptions & rOnModify) {
                d->RefreshFromSource(*this);
            }
            break;
        }
    }
}

void TChartSeries::SetFunction(std::unique_ptr<TQixFunction> function) {
    Function_ = std::move(function);
    if (Function_) {
        Function_->SetParentSeries(this);
    }
    CheckDataSource();
}

// --- properties ---

void TChartSeries::SetActive(bool v) {
    Store(Active_, v);
}
void TChartSeries::SetSeriesColor(TColor v) {
    Store(SeriesColor_, v);
}

void TChartSeries::SetColorEachPoint(bool v) {
    if (v == ColorEachPoint_) {
        return;
    }
    ColorEachPoint_ = v;
    Repaint();
    if (!v) {
        for (TColor& c : Colors_) {
            c = clAutomatic;
            Repaint();
        }
    }
}

void TChartSeries::SetParentChart(TCustomAxisPanel* chart) {
    if (chart == ParentChart_) {
        return;
    }
    if (ParentChart_ != nullptr) {
        ParentChart_->SeriesLeft(this);
    }
    ParentChart_ = chart;
    if (chart != nullptr) {
        chart->SeriesJoined(this);
    }
}

void TChartSeries::SetColorSource(const QString& v) {
    if (v != ColorSource_) {
        ColorSource_ = v;
        CheckDataSource();
    }
}

void TChartSeries::SetXLabelsSource(const QString& v) {
    if (v != XLabelsSource_) {
        XLabelsSource_ = v;
        CheckDataSource();
    }
}

void TChartSeries::SetXValues(const TChartValueList& source) {
    XValues_->Assign(source);
    Repaint();
}

void TChartSeries::SetYValues(const TChartValueList& source) {
    YValues_->Assign(source);
    Repaint();
}

TChartValueList& TChartSeries::FindValueList(const QString& name) {
    for (std::size_t k = 2; k < ValueLists_.size(); ++k) {
        if (ValueLists_[k]->Name().compare(name, Qt::CaseInsensitive) == 0) {
            return *ValueLists_[k];
        }
    }
    return *YValues_;
}

} // namespace chart

namespace chart {

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
