// The points a series stores (the value lists, colours and labels kept parallel), their
// adding and deleting, and the series' own properties.
#include "chart/series/chart_series.h"

#include "chart/chart_exception.h"
#include "chart/chart_panel.h"

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
