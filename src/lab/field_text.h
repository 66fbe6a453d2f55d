#pragma once

// The depth as both programs read it outside the window: millimetres with at most one decimal,
// after a point or a comma.

#include <optional>
#include <string>

namespace lab {

// The depth in millimetres with at most one decimal, either separator ("10", "10.5", "10,5"), as
// the text of tenths ("100", "105"); nullopt when the text is not such a number (or has ten
// whole digits or more, which no depth has). Read by sim::ParseFieldValue, as scenario files
// read it.
std::optional<std::string> DepthTextToTenths(const std::string& text);

} // namespace lab
