// One column of numbers of a series (X, Y or a further column), with its ordering rule
// and the running statistics that the axes read when they scale themselves.
#pragma once

#include <QString>
#include <cmath>
#include <cstddef>
#include <vector>

namespace chart {

class TChartSeries;

enum class TChartListOrder { loNone = 0, loAscending = 1, loDescending = 2 };

class TChartValueList {
public:
    // Appends the new list to the owner's ValueLists (when an owner is given) and starts
    // empty. The owner series is referred to, not owned.
    TChartValueList(TChartSeries* owner, const QString& name);
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;
    virtual ~TChartValueList() = default;

    int ValueCount() const { return static_cast<int>(values_.size()); }
    // Stored (unscaled) value; throws ListIndexError outside 0 .. ValueCount - 1.
    double RawValue(int index) const;
    // Stored value x Multiplier; throws ListIndexError outside the list.
    double ScaledValue(int index) const;
    // ScaledValue of the last index; throws ListIndexError(-1) for an empty list.
    double LastValue() const;
    // Unchecked reads for drawing loops that already know the index is valid.
    double RawValueUnchecked(int index) const { return values_[static_cast<std::size_t>(index)]; }
    double ScaledValueUnchecked(int index) const {
        return values_[static_cast<std::size_t>(index)] * Multiplier_;
    }

    // Inserts where Order asks (after all equal values), updates the statistics and returns
    // the index at which the value now stands.
    int AddOrdered(double value) {
        // Values arriving in order (the usual case) are appended without a search.
        if (Order_ == TChartListOrder::loNone || values_.empty() ||
            (Order_ == TChartListOrder::loAscending ? values_.back() <= value
                                                    : values_.back() >= value)) {
            values_.push_back(value);
            AddToStatistics(value);
            return ValueCount() - 1;
        }
        return InsertOrdered(value);
    }
    // Inserts at index (0 .. ValueCount); later values move up one.
    void InsertAt(int index, double value) {
        if (index == ValueCount()) {
            values_.push_back(value);
            AddToStatistics(value);
        } else {
            InsertInside(index, value);
        }
    }
    void DeleteAt(int index);
    // Overwrites the value; Total/TotalAbs swap the old value for the new one, the extremes
    // are rescanned, and the owner tells its linked series that the point changed.
    void ReplaceAt(int index, double value);
    // First index whose scaled value equals value exactly, -1 when none.
    int IndexOfValue(double value) const;
    // Empties the list (keeping the storage's capacity) and zeroes the four statistics.
    void ClearList();
    void RecalcMinMax();
    // Copies Order, DateTime, Multiplier and ValueSource; not the name, not the values.
    virtual void Assign(const TChartValueList& source);

    bool DateTime() const { return DateTime_; }
    void SetDateTime(bool value);
    double Multiplier() const { return Multiplier_; }
    void SetMultiplier(double value);
    const QString& Name() const { return Name_; }
    void SetName(const QString& value) { Name_ = value; }
    TChartListOrder Order() const { return Order_; }
    // Does not re-sort the stored values.
    void SetOrder(TChartListOrder value) { Order_ = value; }
    const QString& ValueSource() const { return ValueSource_; }
    void SetValueSource(const QString& value);

    double HighestValue() const { return HighestValue_; } // greatest scaled value
    double LowestValue() const { return LowestValue_; }   // least scaled value
    double Total() const { return Total_; }               // sum of the scaled values
    double TotalAbs() const { return TotalAbs_; }         // sum of |scaled value|
    TChartSeries* OwnerSeries() const { return OwnerSeries_; }

    // Staging slot: AddPoint writes the coordinate here before inserting it.
    double PendingValue = 0.0;

    // Storage capacity, for checks that a refill does not allocate.
    std::size_t Capacity() const { return values_.capacity(); }

private:
    void CheckIndex(int index) const;
    void AddToStatistics(double raw) {
        const double s = raw * Multiplier_;
        Total_ += s;
        TotalAbs_ += std::fabs(s);
        if (values_.size() == 1) {
            LowestValue_ = s;
            HighestValue_ = s;
        } else {
            if (s < LowestValue_) {
                LowestValue_ = s;
            }
            if (s > HighestValue_) {
                HighestValue_ = s;
            }
        }
    }
    int InsertOrdered(double value);
    void InsertInside(int index, double value);

    bool DateTime_ = false;
    std::vector<double> values_; // raw values in index order
    double HighestValue_ = 0.0;
    double LowestValue_ = 0.0;
    double Multiplier_ = 1.0;
    QString Name_;
    TChartListOrder Order_ = TChartListOrder::loNone;
    TChartSeries* OwnerSeries_ = nullptr;
    double Total_ = 0.0;
    double TotalAbs_ = 0.0;
    QString ValueSource_;
};

} // namespace chart
