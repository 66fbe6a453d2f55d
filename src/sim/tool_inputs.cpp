#include "sim/tool_inputs.h"

#include "sim/arithmetic.h"
#include "sim/cutting_inputs.h"
#include "sim/force_model.h"
#include "sim/input_fields.h"
#include "sim/text_conversion.h"
#include "sim/workpiece.h"

#include <cmath>

namespace sim {

double DegreesToRadians(int32_t degrees) {
    return degrees * kHalfTurn / 180;
}

DiameterResult SetCutterDiameter(SimState& s, std::string_view text) {
    DiameterResult result;
    result.input = CheckFieldText(text, InputField::Diameter);
    result.depthSpinMax = s.DepthSpinMax;
    if (!result.input.applied()) {
        return result;
    }
    s.CutterDiameter = result.input.value;
    s.PixelsPerMm = kDrawnDiameter / s.CutterDiameter;
    s.ChipScaleUp = 48 + s.PixelsPerMm;
    s.ChipScaleDown = 2 * s.PixelsPerMm + 50;
    s.DepthPixels = Round(s.DepthMm * s.PixelsPerMm);
    s.HelixLagTicks = HelixLagTicksLeftToRight(s);
    UpdateTimeBase(s);
    // The depth never passes the cutter radius: the top surface would lie above the centre.
    if (s.DepthPixels >= kDrawnRadius) {
        s.DepthPixels = kDrawnRadius;
        s.DepthMm = kDrawnRadius / s.PixelsPerMm;
        s.DepthSpinMax = Round(FieldSpec(InputField::Depth).scale * s.DepthMm);
        result.depthClamped = true;
        result.depthText = FormatGeneral(s.DepthMm);
        result.depthSpinMax = s.DepthSpinMax;
    }
    UpdateContactGeometry(s);
    RebuildWorkpiece(s);
    return result;
}

void UpdateToothPitch(SimState& s) {
    s.ToothPitch = kFullTurn / s.ToothCount;
    s.PhaseLimit = kFullTurn / s.ToothCount - s.AngleStep;
}

const ToothDimensionRow& ToothDimensionsFor(int32_t teeth) {
    for (const ToothDimensionRow& row : kToothDimensions) {
        if (row.teeth >= teeth) {
            return row;
        }
    }
    return kToothDimensions.back();
}

void UpdateToothDimensions(SimState& s) {
    const ToothDimensionRow& row = ToothDimensionsFor(s.ToothCount);
    s.GulletRadius = row.gulletRadius;
    s.FlankLength = row.flankLength;
    s.RakeFaceLength = row.rakeFaceLength;
}

InputResult SetToothCount(SimState& s, std::string_view text) {
    InputResult result = CheckFieldText(text, InputField::Teeth);
    if (!result.applied()) {
        return result;
    }
    s.ToothCount = result.value;
    UpdateToothPitch(s);
    UpdateToothDimensions(s);
    return result;
}

InputResult SetRakeAngle(SimState& s, std::string_view text) {
    InputResult result = CheckFieldText(text, InputField::Rake);
    if (result.applied()) {
        s.RakeAngle = DegreesToRadians(result.value);
    }
    return result;
}

ClearanceResult SetClearanceAngle(SimState& s, std::string_view text) {
    ClearanceResult result;
    result.input = CheckFieldText(text, InputField::Clearance);
    if (!result.input.applied()) {
        return result;
    }
    s.ClearanceAngle = DegreesToRadians(result.input.value);
    for (size_t i = 0; i < kClearanceMinimum.size(); ++i) {
        const ClearanceMinimumRow& row = kClearanceMinimum[i];
        if (row.teethBelow > s.ToothCount && row.threshold > s.ClearanceAngle) {
            result.minimumRow = static_cast<int>(i + 1);
            result.correctedText = row.fieldText;
            result.correctedAngle = row.storedAngle;
            break;
        }
    }
    return result;
}

ClearanceResult
ApplyClearanceAngle(SimState& s, std::string_view text,
                    const std::function<void(const char* message)>& warn,
                    const std::function<void(const std::string& text)>& rewriteField) {
    const ClearanceResult result = SetClearanceAngle(s, text);
    if (result.minimumRow == 0) {
        return result;
    }
    warn(kSmallClearanceMessage);
    rewriteField(result.correctedText);
    s.ClearanceAngle = result.correctedAngle;
    return result;
}

InputResult SetHelixAngle(SimState& s, std::string_view text) {
    InputResult result = CheckFieldText(text, InputField::Helix);
    if (result.applied()) {
        s.HelixAngle = DegreesToRadians(result.value);
        s.HelixLagTicks = HelixLagTicksLeftToRight(s);
    }
    return result;
}

} // namespace sim
