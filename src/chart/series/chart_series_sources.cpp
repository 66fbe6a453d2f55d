// The links of a series to the series it takes its points from (its data sources) and to the
// series that take theirs from it, and the function that computes its points from its sources.
#include "chart/series/chart_series.h"

#include "chart/chart_exception.h"

#include <algorithm>

namespace chart {

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

} // namespace chart
