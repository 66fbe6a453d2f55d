#pragma once

// What a sweep varies: a numeric input over a range, every workpiece or tool material, or both
// milling directions; its check against the inputs table and the values it takes.

#include "sim/input_fields.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lab {

enum class SweepKind {
    Field,     // a numeric input over FROM..TO by STEP
    Workpiece, // every workpiece material in list order
    Tool,      // every tool material in list order
    Direction, // up milling, then down milling
};

// More runs than this in one sweep are refused.
inline constexpr int kMaxSweepRuns = 1000;

struct SweepPlan {
    SweepKind kind = SweepKind::Field;
    sim::InputField field = sim::InputField::Feed; // for SweepKind::Field
    // In the units the field holds (tenths for the depth), for SweepKind::Field.
    int32_t from = 0;
    int32_t to = 0;
    int32_t step = 0;
};

// Checks a field plan against the inputs table: the range inside the field's limits, FROM not
// above TO, a positive step, at most kMaxSweepRuns runs. Returns "" or one line saying why.
std::string CheckSweepPlan(const SweepPlan& plan);

// Parses "KEY=FROM:TO[:STEP]", "workpiece=all", "tool=all" or "direction=both" (the depth in
// millimetres with at most one decimal); STEP defaults to the field's step. The plan is checked.
struct SweepParse {
    std::optional<SweepPlan> plan;
    std::string error; // one line, when !plan
};
SweepParse ParseSweepText(const std::string& text);

// One value of a sweep.
struct SweepPoint {
    std::string label; // as the CSV writes it: "10.5", "28Cr4", "up"
    double x = 0;      // the plotted position: the value in its unit, or the 1-based list row
};

std::vector<SweepPoint> SweepPoints(const SweepPlan& plan);

} // namespace lab
