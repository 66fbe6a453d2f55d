// Exceptions of the chart engine. Each carries only its message; the object that raised it
// keeps its old state.
#pragma once

#include <stdexcept>
#include <string>

namespace chart {

// Invalid chart setting (pointer size, label angle, data source...).
class ChartException : public std::runtime_error {
public:
    explicit ChartException(const std::string& message) : std::runtime_error(message) {}
};

// Invalid axis setting (minimum above maximum, negative increment...).
class AxisException : public std::runtime_error {
public:
    explicit AxisException(const std::string& message) : std::runtime_error(message) {}
};

// An index outside a value list: "List index out of bounds (%d)".
class ListIndexError : public std::out_of_range {
public:
    explicit ListIndexError(int index)
        : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}
};

} // namespace chart
