#include "sim/tool_inputs.h"

#include "sim/arithmetic.h"
#include "sim/cutting_inputs.h"
#include "sim/force_model.h"
#include "sim/text_conversion.h"
#include "sim/workpiece.h"

#include <cassert>
#include <cmath>

namespace sim {

double DegreesToRadians(int32_t degrees) {
    return degrees * 3.141592 / 180;
}

DiameterResult SetCutterDiameter(SimState& s, std::string_view text) {
    DiameterResult result;
    result.input = CheckIntegerInput(text, kDiameterMin, kDiameterMax);
    result.depthSpinMax = s.DepthSpinMax;
    if (!result.input.applied()) {
        return result;
    }
    s.CutterDiameter = result.input.value;
    s.PixelsPerMm = 400.0 / s.CutterDiameter;
    s.ChipScaleUp = 48 + s.PixelsPerMm;
    s.ChipScaleDown = 2 * s.PixelsPerMm + 50;
    s.DepthPixels = Round(s.DepthMm * s.PixelsPerMm);
    s.HelixLagTicks = HelixLagTicksLeftToRight(s);
    UpdateTimeBase(s);
    if (s.DepthPixels >= 200) {
        s.DepthPixels = 200;
        s.DepthMm = 200 / s.PixelsPerMm;
        s.DepthSpinMax = Round(10 * s.DepthMm);
        result.depthClamped = true;
        result.depthText = FormatGeneral(s.DepthMm);
        result.depthSpinMax = s.DepthSpinMax;
    }
    UpdateContactGeometry(s);
    RebuildWorkpiece(s);
    return result;
}

InputResult SetToothCount(SimState& s, std::string_view text) {
    InputResult result = CheckIntegerInput(text, kToothCountMin, kToothCountMax);
    if (!result.applied()) {
        return result;
    }
    s.ToothCount = result.value;
    s.ToothPitch = 6.283185 / s.ToothCount;
    for (const ToothDimensionRow& row : kToothDimensions) {
        if (row.teeth == s.ToothCount) {
            s.GulletRadius = row.gulletRadius;
            s.FlankLength = row.flankLength;
            s.RakeFaceLength = row.rakeFaceLength;
        }
    }
    s.PhaseLimit = 6.283185 / s.ToothCount - s.AngleStep;
    return result;
}

InputResult SetRakeAngle(SimState& s, std::string_view text) {
    InputResult result = CheckIntegerInput(text, kRakeMin, kRakeMax);
    if (result.applied()) {
        s.RakeAngle = DegreesToRadians(result.value);
    }
    return result;
}

ClearanceResult SetClearanceAngle(SimState& s, std::string_view text) {
    ClearanceResult result;
    result.input = CheckIntegerInput(text, kClearanceMin, kClearanceMax);
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

void FinishClearanceCorrection(SimState& s, const ClearanceResult& result) {
    assert(result.minimumRow > 0);
    s.ClearanceAngle = result.correctedAngle;
}

InputResult SetHelixAngle(SimState& s, std::string_view text) {
    InputResult result = CheckIntegerInput(text, kHelixMin, kHelixMax);
    if (result.applied()) {
        s.HelixAngle = DegreesToRadians(result.value);
        s.HelixLagTicks = HelixLagTicksLeftToRight(s);
    }
    return result;
}

} // namespace sim
