#include "sim/cutting_inputs.h"

#include "sim/arithmetic.h"
#include "sim/force_model.h"
#include "sim/input_fields.h"
#include "sim/text_conversion.h"
#include "sim/traces.h"
#include "sim/workpiece.h"

#include <algorithm>

namespace sim {

void UpdateTimeBase(SimState& s) {
    s.StepTime = 0.03 * s.AngleStep * s.CutterDiameter / s.CuttingSpeed;
    s.FeedPerStep = s.FeedSpeed * s.StepTime;
    ResetTimeAxis(s);
    s.RevolutionTime = s.CutterDiameter * 0.1885 / s.CuttingSpeed;
}

InputResult SetCuttingSpeed(SimState& s, std::string_view text) {
    InputResult result = CheckFieldText(text, InputField::Speed);
    if (result.applied()) {
        s.CuttingSpeed = result.value;
        UpdateTimeBase(s);
        s.SpeedFactor = Power(s.CuttingSpeed, -0.15);
    }
    return result;
}

InputResult SetFeedSpeed(SimState& s, std::string_view text) {
    InputResult result = CheckFieldText(text, InputField::Feed);
    if (result.applied()) {
        s.FeedSpeed = result.value;
        s.FeedPerStep = s.FeedSpeed * s.StepTime;
    }
    return result;
}

int32_t DepthLimit(const SimState& s) {
    // Half the diameter puts the top surface through the cutter centre (DepthPixels = radius).
    return std::min(s.DepthSpinMax, Round(kDrawnRadiusTenths / s.PixelsPerMm));
}

DepthResult SetDepth(SimState& s, std::string_view text) {
    DepthResult result;
    result.input = CheckIntegerInput(text, FieldSpec(InputField::Depth).minimum, DepthLimit(s));
    result.depthSpinMax = s.DepthSpinMax;
    if (!result.input.applied()) {
        return result;
    }
    s.DepthMm = FieldToValue(InputField::Depth, result.input.value);
    result.depthText = FormatGeneral(s.DepthMm);
    s.DepthPixels = Round(s.DepthMm * s.PixelsPerMm);
    UpdateContactGeometry(s);
    s.DepthSpinMax = Round(kDrawnRadiusTenths / s.PixelsPerMm);
    result.depthSpinMax = s.DepthSpinMax;
    RebuildWorkpiece(s);
    return result;
}

InputResult SetCutWidth(SimState& s, std::string_view text) {
    InputResult result = CheckFieldText(text, InputField::Width);
    if (result.applied()) {
        s.CutWidth = result.value;
        s.HelixLagTicks = HelixLagTicksWidthFirst(s);
    }
    return result;
}

} // namespace sim
