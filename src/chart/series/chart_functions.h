// The seven basic functions a series can compute from its data sources. Each point of the result
// combines the sources' values (the mandatory column: Y for most series) at one position of the
// ordering column (X for most series):
//
// - with two or more sources, one result point per point of the first source, at its X, from the
//   values of every source that has a point at exactly that X (Period is not used);
// - with one source, one result point per group of Period consecutive points (Period 0 or 1: per
//   point; the last group may be shorter), at the middle of the group's first and last X.
//
// Subtract and Divide take the first value and subtract or divide by each further one in source
// order (with two sources: the difference and the quotient of the first two). A quotient with a
// zero divisor has no value: that result point is left out.
#pragma once

#include "chart/series/chart_series.h"

#include <memory>
#include <optional>
#include <span>

namespace chart {

// A class reference of a function type for the series type registry.
struct TFunctionClassInfo {
    const char* ClassName;
    std::unique_ptr<TQixFunction> (*Create)();
};

// Combines the sources point by point (see above); the subclasses only say how the values at one
// point make the result.
class TPointwiseQixFunction : public TQixFunction {
public:
    virtual const TFunctionClassInfo& GetClassInfo() const = 0;
    void AddPoints(const std::vector<TChartSeries*>& sources) override;
    // The result of the values at one point (never empty); nullopt when it has none.
    virtual std::optional<double> Calculate(std::span<const double> values) const = 0;
};

// Gives a function class its class reference for the registry, named by F::kClassName.
template <class F> class TRegisteredQixFunction : public TPointwiseQixFunction {
public:
    static const TFunctionClassInfo& ClassInfo() {
        static const TFunctionClassInfo info{
            F::kClassName, []() -> std::unique_ptr<TQixFunction> { return std::make_unique<F>(); }};
        return info;
    }
    const TFunctionClassInfo& GetClassInfo() const override { return ClassInfo(); }
};

class TAddQixFunction : public TRegisteredQixFunction<TAddQixFunction> {
public:
    static constexpr const char* kClassName = "TAddQixFunction";
    std::optional<double> Calculate(std::span<const double> values) const override;
};

class TSubtractQixFunction : public TRegisteredQixFunction<TSubtractQixFunction> {
public:
    static constexpr const char* kClassName = "TSubtractQixFunction";
    std::optional<double> Calculate(std::span<const double> values) const override;
};

class TMultiplyQixFunction : public TRegisteredQixFunction<TMultiplyQixFunction> {
public:
    static constexpr const char* kClassName = "TMultiplyQixFunction";
    std::optional<double> Calculate(std::span<const double> values) const override;
};

class TDivideQixFunction : public TRegisteredQixFunction<TDivideQixFunction> {
public:
    static constexpr const char* kClassName = "TDivideQixFunction";
    std::optional<double> Calculate(std::span<const double> values) const override;
};

class THighQixFunction : public TRegisteredQixFunction<THighQixFunction> {
public:
    static constexpr const char* kClassName = "THighQixFunction";
    std::optional<double> Calculate(std::span<const double> values) const override;
};

class TLowQixFunction : public TRegisteredQixFunction<TLowQixFunction> {
public:
    static constexpr const char* kClassName = "TLowQixFunction";
    std::optional<double> Calculate(std::span<const double> values) const override;
};

class TAverageQixFunction : public TRegisteredQixFunction<TAverageQixFunction> {
public:
    static constexpr const char* kClassName = "TAverageQixFunction";
    std::optional<double> Calculate(std::span<const double> values) const override;
};

} // namespace chart
