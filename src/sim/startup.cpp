#include "sim/startup.h"

#include "sim/arithmetic.h"
#include "sim/force_model.h"
#include "sim/traces.h"
#include "sim/workpiece.h"

namespace sim {

void InitialiseState(SimState& s) {
    s.CutterDiameter = 100;
    s.ToothCount = 8;
    s.ToothPitch = 6.283185 / s.ToothCount;
    s.RakeAngle = 0.17452777777777778;
    s.ClearanceAngle = 1.5 * s.RakeAngle;
    s.PixelsPerMm = 4.0;
    s.CutterRadius = Round(s.CutterDiameter * s.PixelsPerMm / 2);
    s.CentreX = 150;
    s.CentreY = 83;
    s.ToothAngle = 0;
    s.GulletRadius = 28.0;
    s.FlankLength = 50.0;
    s.RakeFaceLength = 46.0;
    s.ChipScaleUp = 48 + s.PixelsPerMm;
    s.ChipScaleDown = s.PixelsPerMm * 2 + 50;
    s.AngleStep = 0.0025;
    s.CutWidth = 20;
    s.PhaseLimit = 6.283185 / s.ToothCount - s.AngleStep;
    s.DepthMm = 10.0;
    s.DepthPixels = Round(s.PixelsPerMm * s.DepthMm);
    UpdateContactGeometry(s);
    InitWorkpiece(s);
    s.FeedSpeed = 150.0;
    s.CuttingSpeed = 60.0;
    s.StepTime = 0.03 * s.AngleStep * s.CutterDiameter / s.CuttingSpeed;
    s.FeedPerStep = s.FeedSpeed * s.StepTime;
    s.SpeedFactor = Power(s.CuttingSpeed, -0.15);
    s.RevolutionTime = s.CutterDiameter * 0.1885 / s.CuttingSpeed;
    ResetTimeAxis(s);
    s.ChipTrace.fill(0.0);
    s.HelixAngle = 30 * 3.141592 / 180;
    s.HelixLagTicks = HelixLagTicksWidthFirst(s);
    s.TimerEnabled = false;
    s.DepthSpinMax = 500;
}

} // namespace sim
