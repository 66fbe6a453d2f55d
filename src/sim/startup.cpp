#include "sim/startup.h"

#include "sim/arithmetic.h"
#include "sim/cutting_inputs.h"
#include "sim/force_model.h"
#include "sim/input_fields.h"
#include "sim/tool_inputs.h"
#include "sim/tooth_forces.h"
#include "sim/workpiece.h"

namespace sim {

void InitialiseState(SimState& s) {
    // The inputs start at what their fields show, except the rake and clearance angles, which
    // start at stored values (the clearance at 15 degrees' worth while its field shows 10).
    s.CutterDiameter = FieldSpec(InputField::Diameter).start;
    s.ToothCount = FieldSpec(InputField::Teeth).start;
    s.RakeAngle = 0.17452777777777778;
    s.ClearanceAngle = 1.5 * s.RakeAngle;
    s.PixelsPerMm = 4.0;
    s.CutterRadius = Round(s.CutterDiameter * s.PixelsPerMm / 2);
    s.CentreX = kCentreX;
    s.CentreY = kCentreY;
    s.ToothAngle = 0;
    UpdateToothDimensions(s);
    s.ChipScaleUp = 48 + s.PixelsPerMm;
    s.ChipScaleDown = s.PixelsPerMm * 2 + 50;
    s.AngleStep = 0.0025;
    s.CutWidth = FieldSpec(InputField::Width).start;
    UpdateToothPitch(s);
    s.DepthMm = StartValue(InputField::Depth);
    s.DepthPixels = Round(s.PixelsPerMm * s.DepthMm);
    UpdateContactGeometry(s);
    InitWorkpiece(s);
    s.FeedSpeed = StartValue(InputField::Feed);
    s.CuttingSpeed = StartValue(InputField::Speed);
    UpdateTimeBase(s);
    s.SpeedFactor = Power(s.CuttingSpeed, -0.15);
    s.ChipTrace.fill(0.0);
    s.HelixAngle = DegreesToRadians(FieldSpec(InputField::Helix).start);
    s.HelixLagTicks = HelixLagTicksWidthFirst(s);
    s.TimerEnabled = false;
    s.DepthSpinMax = FieldSpec(InputField::Depth).maximum;
    s.ForceModel = ForceModel::ChipSum;
    s.RadialForceRatio = kRadialForceRatioStart;
}

} // namespace sim
