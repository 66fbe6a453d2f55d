#include "chart/series/value_list.h"

#include "chart/chart_exception.h"
#include "chart/series/chart_series.h"

#include <cmath>

namespace chart {

TChartValueList::TChartValueList(TChartSeries* owner, const QString& name) : OwnerSeries_(owner) {
    if (owner != nullptr) {
        owner->ValueLists().push_back(this);
    }
    Name_ = name;
    ClearList();
}

void TChartValueList::CheckIndex(int index) const {
    if (index < 0 || index >= ValueCount()) {
        throw ListIndexError(index);
    }
}

double TChartValueList::RawValue(int index) const {
    CheckIndex(index);
    return values_[static_cast<std::size_t>(index)];
}

double TChartValueList::ScaledValue(int index) const {
    CheckIndex(index);
    return values_[static_cast<std::size_t>(index)] * Multiplier_;
}

double TChartValueList::LastValue() const {
    return ScaledValue(ValueCount() - 1);
}

int TChartValueList::InsertOrdered(double value) {
    // The value is out of order: walk back past the greater (ascending) or smaller
    // (descending) values and insert after the rest.
    int i = ValueCount() - 1;
    if (Order_ == TChartListOrder::loAscending) {
        while (i >= 0 && values_[static_cast<std::size_t>(i)] > value) {
            --i;
        }
    } else {
        while (i >= 0 && values_[static_cast<std::size_t>(i)] < value) {
            --i;
        }
    }
    const int index = i + 1;
    values_.insert(values_.begin() + index, value);
    AddToStatistics(value);
    return index;
}

void TChartValueList::InsertInside(int index, double value) {
    if (index < 0 || index > ValueCount()) {
        throw ListIndexError(index);
    }
    values_.insert(values_.begin() + index, value);
    AddToStatistics(value);
}

void TChartValueList::DeleteAt(int index) {
    CheckIndex(index);
    const double old = values_[static_cast<std::size_t>(index)];
    values_.erase(values_.begin() + index);
    const double s = old * Multiplier_;
    Total_ -= s;
    TotalAbs_ -= std::fabs(s);
    RecalcMinMax();
}

void TChartValueList::ReplaceAt(int index, double value) {
    CheckIndex(index);
    const double oldScaled = values_[static_cast<std::size_t>(index)] * Multiplier_;
    values_[static_cast<std::size_t>(index)] = value;
    const double newScaled = value * Multiplier_;
    Total_ -= oldScaled;
    TotalAbs_ -= std::fabs(oldScaled);
    Total_ += newScaled;
    TotalAbs_ += std::fabs(newScaled);
    RecalcMinMax();
    if (OwnerSeries_ != nullptr) {
        OwnerSeries_->NotifyDependents(TSeriesNotify::PointChanged, index);
    }
}

int TChartValueList::IndexOfValue(double value) const {
    for (int i = 0; i < ValueCount(); ++i) {
        if (values_[static_cast<std::size_t>(i)] * Multiplier_ == value) {
            return i;
        }
    }
    return -1;
}

void TChartValueList::ClearList() {
    values_.clear();
    LowestValue_ = 0.0;
    HighestValue_ = 0.0;
    Total_ = 0.0;
    TotalAbs_ = 0.0;
}

void TChartValueList::RecalcMinMax() {
    LowestValue_ = 0.0;
    HighestValue_ = 0.0;
    for (int i = 0; i < ValueCount(); ++i) {
        const double s = values_[static_cast<std::size_t>(i)] * Multiplier_;
        if (i == 0) {
            LowestValue_ = s;
            HighestValue_ = s;
        } else if (s < LowestValue_) {
            LowestValue_ = s;
        } else if (s > HighestValue_) {
            HighestValue_ = s;
        }
    }
}

void TChartValueList::Assign(const TChartValueList& source) {
    Order_ = source.Order_;
    DateTime_ = source.DateTime_;
    Multiplier_ = source.Multiplier_;
    ValueSource_ = source.ValueSource_;
}

void TChartValueList::SetDateTime(bool value) {
    if (value != DateTime_) {
        DateTime_ = value;
        if (OwnerSeries_ != nullptr) {
            OwnerSeries_->Repaint();
        }
    }
}

void TChartValueList::SetMultiplier(double value) {
    if (value != Multiplier_) {
        Multiplier_ = value;
        RecalcMinMax();
        if (OwnerSeries_ != nullptr) {
            OwnerSeries_->NotifyDependents(TSeriesNotify::RefreshAll, -1);
            OwnerSeries_->Repaint();
        }
    }
}

void TChartValueList::SetValueSource(const QString& value) {
    if (value != ValueSource_) {
        ValueSource_ = value;
        if (OwnerSeries_ != nullptr) {
            OwnerSeries_->CheckDataSource();
        }
    }
}

} // namespace chart
