#include "chart/series/chart_functions.h"

#include <algorithm>
#include <vector>

namespace chart {

namespace {

// The column that places a point (X for most series) and the one that holds its value.
const TChartValueList& PositionList(const TChartSeries& s) {
    return s.IsYMandatory() ? s.XValues() : s.YValues();
}

double ValueAt(const TChartSeries& s, int index) {
    return s.MandatoryValues().ScaledValue(index);
}

// Index of the point of s at exactly position, -1 when none; hint is tried first, since sources
// filled from one X array have their points at the same indexes.
int IndexAtPosition(const TChartSeries& s, double position, int hint) {
    const TChartValueList& list = PositionList(s);
    if (hint < list.ValueCount() && list.ScaledValue(hint) == position) {
        return hint;
    }
    return list.IndexOfValue(position);
}

void AddResult(TChartSeries& target, double position, std::optional<double> value) {
    if (!value) {
        return;
    }
    if (target.IsYMandatory()) {
        target.AddPoint(position, *value);
    } else {
        target.AddPoint(*value, position);
    }
}

double Sum(std::span<const double> values) {
    double sum = 0.0;
    for (double v : values) {
        sum += v;
    }
    return sum;
}

} // namespace

void TPointwiseQixFunction::AddPoints(const std::vector<TChartSeries*>& sources) {
    TChartSeries* target = ParentSeries();
    if (target == nullptr || sources.empty() || sources[0] == nullptr) {
        return;
    }
    const TChartSeries& first = *sources[0];
    const TChartValueList& positions = PositionList(first);
    const int count = first.PointCount();
    std::vector<double> values;
    if (sources.size() == 1) {
        const int step = std::max(1, Period());
        for (int start = 0; start < count; start += step) {
            const int last = std::min(start + step, count) - 1;
            values.clear();
            for (int i = start; i <= last; ++i) {
                values.push_back(ValueAt(first, i));
            }
            const double middle =
                (positions.ScaledValue(start) + positions.ScaledValue(last)) / 2.0;
            AddResult(*target, middle, Calculate(values));
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        const double position = positions.ScaledValue(i);
        values.clear();
        values.push_back(ValueAt(first, i));
        for (std::size_t k = 1; k < sources.size(); ++k) {
            if (sources[k] == nullptr) {
                continue;
            }
            const int j = IndexAtPosition(*sources[k], position, i);
            if (j >= 0) {
                values.push_back(ValueAt(*sources[k], j));
            }
        }
        AddResult(*target, position, Calculate(values));
    }
}

std::optional<double> TAddQixFunction::Calculate(std::span<const double> values) const {
    return Sum(values);
}

std::optional<double> TSubtractQixFunction::Calculate(std::span<const double> values) const {
    double result = values[0];
    for (std::size_t k = 1; k < values.size(); ++k) {
        result -= values[k];
    }
    return result;
}

std::optional<double> TMultiplyQixFunction::Calculate(std::span<const double> values) const {
    double product = 1.0;
    for (double v : values) {
        product *= v;
    }
    return product;
}

std::optional<double> TDivideQixFunction::Calculate(std::span<const double> values) const {
    double result = values[0];
    for (std::size_t k = 1; k < values.size(); ++k) {
        if (values[k] == 0.0) {
            return std::nullopt;
        }
        result /= values[k];
    }
    return result;
}

std::optional<double> THighQixFunction::Calculate(std::span<const double> values) const {
    return *std::max_element(values.begin(), values.end());
}

std::optional<double> TLowQixFunction::Calculate(std::span<const double> values) const {
    return *std::min_element(values.begin(), values.end());
}

std::optional<double> TAverageQixFunction::Calculate(std::span<const double> values) const {
    return Sum(values) / static_cast<double>(values.size());
}

} // namespace chart
