#include "lab/sweep_plan.h"

#include "lab/field_text.h"
#include "lab/run_inputs.h"
#include "sim/field_text.h"

#include "sim/direction_name.h"
#include "sim/materials.h"
#include "sim/text_conversion.h"

namespace lab {
namespace {

// "5:20:5" split at the colons.
std::vector<std::string> SplitColons(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t colon = text.find(':'); colon != std::string::npos; colon = text.find(':', start)) {
        parts.push_back(text.substr(start, colon - start));
        start = colon + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// A number of the field as its option takes it, in the units the field holds.
std::optional<int32_t> FieldNumber(const sim::InputFieldSpec& fieldSpec, const std::string& text) {
    if (fieldSpec.scale != 1) {
        const std::optional<std::string> tenths = DepthTextToTenths(text);
        return tenths ? sim::ParseIntegerText(*tenths) : std::nullopt;
    }
    return sim::ParseIntegerText(text);
}

int64_t RunCount(const SweepPlan& plan) {
    return (static_cast<int64_t>(plan.to) - plan.from) / plan.step + 1;
}

} // namespace

std::string CheckSweepPlan(const SweepPlan& plan) {
    if (plan.kind != SweepKind::Field) {
        return {};
    }
    const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(plan.field);
    const std::string option = std::string("--sweep ") + fieldSpec.key;
    const auto number = [&fieldSpec](int32_t v) { return sim::FieldValueText(fieldSpec, v); };
    const std::string limits = number(fieldSpec.minimum) + ".." + number(fieldSpec.maximum);
    if (plan.from < fieldSpec.minimum || plan.from > fieldSpec.maximum) {
        return option + ": FROM " + number(plan.from) + " is outside " + limits;
    }
    if (plan.to < fieldSpec.minimum || plan.to > fieldSpec.maximum) {
        return option + ": TO " + number(plan.to) + " is outside " + limits;
    }
    if (plan.from > plan.to) {
        return option + ": FROM " + number(plan.from) + " is above TO " + number(plan.to);
    }
    if (plan.step <= 0) {
        return option + ": the step must be above 0";
    }
    if (RunCount(plan) > kMaxSweepRuns) {
        return option + ": " + std::to_string(RunCount(plan)) + " runs, more than " +
               std::to_string(kMaxSweepRuns);
    }
    return {};
}

SweepParse ParseSweepText(const std::string& text) {
    SweepParse result;
    const size_t eq = text.find('=');
    const std::string key = text.substr(0, eq);
    const std::string range = eq == std::string::npos ? std::string() : text.substr(eq + 1);
    SweepPlan plan;
    if (key == "workpiece" || key == "tool" || key == "direction") {
        const char* word = key == "direction" ? "both" : "all";
        if (range != word) {
            result.error = "--sweep " + key + ": write " + key + "=" + word;
            return result;
        }
        plan.kind = key == "workpiece" ? SweepKind::Workpiece
                    : key == "tool"    ? SweepKind::Tool
                                       : SweepKind::Direction;
        result.plan = plan;
        return result;
    }
    const sim::InputFieldSpec* fieldSpec = sim::FindInputField(key);
    if (fieldSpec == nullptr || !IsRunInput(*fieldSpec)) {
        result.error = "--sweep: '" + key +
                       "' is no input (diameter, teeth, rake, clearance, helix, speed, feed, "
                       "depth, width, workpiece, tool, direction)";
        return result;
    }
    const std::vector<std::string> parts = SplitColons(range);
    if (eq == std::string::npos || parts.size() < 2 || parts.size() > 3) {
        result.error = "--sweep " + key + ": write " + key + "=FROM:TO or " + key + "=FROM:TO:STEP";
        return result;
    }
    std::optional<int32_t> numbers[3] = {FieldNumber(*fieldSpec, parts[0]),
                                         FieldNumber(*fieldSpec, parts[1]), fieldSpec->step};
    if (parts.size() == 3) {
        numbers[2] = FieldNumber(*fieldSpec, parts[2]);
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        if (!numbers[i]) {
            result.error = "--sweep " + key + ": '" + parts[i] + "' is not a number of " +
                           fieldSpec->name +
                           (fieldSpec->scale != 1 ? " with at most one decimal" : "");
            return result;
        }
    }
    plan.field = fieldSpec->field;
    plan.from = *numbers[0];
    plan.to = *numbers[1];
    plan.step = *numbers[2];
    result.error = CheckSweepPlan(plan);
    if (result.error.empty()) {
        result.plan = plan;
    }
    return result;
}

std::vector<SweepPoint> SweepPoints(const SweepPlan& plan) {
    std::vector<SweepPoint> points;
    switch (plan.kind) {
    case SweepKind::Field: {
        const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(plan.field);
        for (int64_t v = plan.from; v <= plan.to; v += plan.step) {
            const auto value = static_cast<int32_t>(v);
            points.push_back(
                {sim::FieldValueText(fieldSpec, value), sim::FieldToValue(plan.field, value)});
        }
        break;
    }
    case SweepKind::Workpiece:
        for (size_t i = 0; i < sim::kWorkpieceMaterialNames.size(); ++i) {
            points.push_back({sim::kWorkpieceMaterialNames[i], static_cast<double>(i + 1)});
        }
        break;
    case SweepKind::Tool:
        for (size_t i = 0; i < sim::kToolMaterials.size(); ++i) {
            points.push_back({sim::kToolMaterials[i], static_cast<double>(i + 1)});
        }
        break;
    case SweepKind::Direction:
        points.push_back({sim::DirectionName(sim::MillingDirection::Up), 1});
        points.push_back({sim::DirectionName(sim::MillingDirection::Down), 2});
        break;
    }
    return points;
}

} // namespace lab
