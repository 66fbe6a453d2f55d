#include "lab/run.h"

#include "sim/field_text.h"

#include "numeric/rounding.h"
#include "sim/constants.h"
#include "sim/cutting_inputs.h"
#include "sim/force_model_name.h"
#include "sim/materials.h"
#include "sim/startup.h"
#include "sim/text_conversion.h"
#include "sim/tooth_forces.h"

#include <algorithm>

namespace lab {
namespace {

// typed: the value as given on the command line.
std::string DescribeRejection(const sim::InputFieldSpec& fieldSpec, const sim::InputResult& input,
                              const std::string& typed) {
    const std::string option = std::string("--") + fieldSpec.key;
    const std::string range = sim::FieldValueText(fieldSpec, input.minimum) + ".." +
                              sim::FieldValueText(fieldSpec, input.maximum);
    if (input.status == sim::InputStatus::NotAnInteger) {
        // A field of tenths got a well-formed number of millimetres, too large for the field.
        if (fieldSpec.scale != 1) {
            return option + ": " + typed + " is outside " + range;
        }
        return option + ": " + input.message;
    }
    return option + ": " + sim::FieldValueText(fieldSpec, input.value) + " is outside " + range;
}

} // namespace

PrepareResult PrepareRun(sim::SimState& s, const RunInputs& options, sim::RunObserver* observer) {
    PrepareResult result;
    sim::InitialiseState(s);

    sim::InputHooks hooks;
    hooks.redraw = [&s, observer] {
        if (observer != nullptr) {
            observer->RedrawCutterView(s, 0);
        }
    };
    hooks.warn = [&result](const char* message) { result.warnings.push_back(message); };
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        const std::optional<std::string>& text = options.fields[fieldSpec.field];
        // A text equal to what the field shows when the window opens does not change the field.
        if (!IsRunInput(fieldSpec) || !text || *text == std::to_string(fieldSpec.start)) {
            continue;
        }
        if (fieldSpec.maximumFollowsDiameter) {
            // The window's arrows raise the depth field's maximum to half the diameter at their
            // first step, so the window reaches every depth up to there; so does a batch run.
            s.DepthSpinMax =
                std::max(s.DepthSpinMax, numeric::Round(sim::kDrawnRadiusTenths / s.PixelsPerMm));
        }
        const sim::InputResult r = fieldSpec.apply(s, *text, hooks);
        if (!r.applied()) {
            const std::optional<std::string>& typed = options.typed[fieldSpec.field];
            result.error = sim::EscapeControls(
                DescribeRejection(fieldSpec, r, typed ? *typed : *text), sim::Backslash::Double);
            result.warnings.clear();
            return result;
        }
    }

    if (options.workpieceMaterial) {
        sim::SelectWorkpieceMaterial(s, *options.workpieceMaterial - 1);
    }
    if (options.toolMaterial) {
        sim::SelectToolMaterial(s, *options.toolMaterial - 1);
    }
    if (options.direction) {
        sim::SetMillingDirection(s, *options.direction, observer);
    }
    if (options.forceModel) {
        sim::SetForceModel(s, *options.forceModel);
    }
    if (options.radialRatio && !sim::SetRadialForceRatio(s, *options.radialRatio)) {
        result.error = "--radial-ratio: " + sim::RadialForceRatioText(*options.radialRatio) +
                       " is outside " + sim::RadialForceRatioRange();
        result.warnings.clear();
        return result;
    }
    const sim::MaterialsReport materials = sim::StartRun(s);
    if (!materials.mayStart) {
        result.error = materials.message;
        result.warnings.clear();
        return result;
    }
    if (!materials.message.empty()) {
        result.warnings.push_back(materials.message);
    }
    result.ok = true;
    return result;
}

RunSummary RunToEnd(sim::SimState& s, std::optional<int> maxTicks, sim::RunObserver* observer,
                    const std::function<bool(int, const sim::SimState&)>& afterTick) {
    RunSummary summary;
    bool stopped = false;
    while (!stopped && (!maxTicks || summary.ticksRun < *maxTicks)) {
        stopped = sim::RunTick(s, observer).feedLimitDisabledTimer;
        const int tick = ++summary.ticksRun;
        if (afterTick && !afterTick(tick, s)) {
            stopped = true;
        }
        sim::RecordTick(summary.figures, s);
    }
    summary.firstForceTick = summary.figures.firstForceTick;
    summary.largestForce = summary.figures.largestForce;
    summary.meanForce = summary.figures.MeanForce();
    summary.lastRevolutionMean = summary.figures.lastRevolutionMean;
    summary.measurements = sim::Measure(s, summary.figures);
    return summary;
}

} // namespace lab
