#include "cutter/tooth_geometry.h"

#include "sim/arithmetic.h"

#include <cmath>

namespace cutter {

ToothGeometry ComputeToothGeometry(const sim::SimState& s) {
    const int32_t r = s.CutterRadius;
    const int32_t rSquared = r * r; // formed in integer arithmetic
    const double rake = s.RakeAngle;
    const double clearance = s.ClearanceAngle;
    const double l1 = s.RakeFaceLength;
    const double l2 = s.FlankLength;
    const double h = s.GulletRadius;
    ToothGeometry g;

    // Inner end of the rake face: L1 from the tip, turned by the rake angle from the radius.
    g.RakeBaseRadius = std::sqrt(l1 * l1 + rSquared - 2 * l1 * r * std::cos(rake));
    g.RakeBaseAngle = sim::ArcSin(l1 * std::sin(rake) / g.RakeBaseRadius);

    // Gullet centre: h from the inner end of the rake face, at a right angle to the face.
    g.GulletCentreChord = std::sqrt(l1 * l1 + h * h);
    g.GulletCentreTipAngle = sim::ArcCos(l1 / g.GulletCentreChord) - rake;
    g.GulletCentreRadius =
        std::sqrt(g.GulletCentreChord * g.GulletCentreChord + rSquared -
                  2 * r * g.GulletCentreChord * std::cos(g.GulletCentreTipAngle));
    g.GulletCentreAngle =
        sim::ArcSin(g.GulletCentreChord * std::sin(g.GulletCentreTipAngle) / g.GulletCentreRadius);

    // Far end of the gullet chord: 2h along the same perpendicular.
    g.GulletFarChord = std::sqrt(l1 * l1 + (2 * h) * (2 * h));
    g.GulletFarTipAngle = sim::ArcCos(l1 / g.GulletFarChord) - rake;
    g.GulletFarRadius = std::sqrt(g.GulletFarChord * g.GulletFarChord + rSquared -
                                  2 * r * g.GulletFarChord * std::cos(g.GulletFarTipAngle));
    g.GulletFarAngle =
        sim::ArcSin(g.GulletFarChord * std::sin(g.GulletFarTipAngle) / g.GulletFarRadius);

    // Inner end of the flank: L2 from the tip at 90 degrees - clearance to the radius.
    g.FlankBaseRadius = std::sqrt(l2 * l2 + rSquared - 2 * l2 * r * std::sin(clearance));
    g.FlankBaseAngle = sim::ArcSin(l2 * std::cos(clearance) / g.FlankBaseRadius);
    return g;
}

ToothOutline ComputeToothOutline(const sim::SimState& s, const ToothGeometry& g, double toothAngle,
                                 sim::MillingDirection direction) {
    const double sign = direction == sim::MillingDirection::Down ? -1.0 : 1.0;
    const double pitch = s.ToothPitch;
    const auto at = [&s](double angle, double radius) {
        return sim::IntPoint{sim::Round(radius * std::sin(angle) + s.CentreX),
                             sim::Round(radius * std::cos(angle) + s.CentreY)};
    };
    ToothOutline t;
    const sim::IntPoint centre{s.CentreX, s.CentreY};
    t.ToothPoints[0] = centre;
    t.ToothPoints[1] = at(toothAngle + sign * (g.GulletFarAngle - pitch), g.GulletFarRadius);
    t.ToothPoints[2] = at(toothAngle - sign * g.FlankBaseAngle, g.FlankBaseRadius);
    t.ToothPoints[3] = at(toothAngle, s.CutterRadius);
    t.ToothPoints[4] = at(toothAngle - sign * g.RakeBaseAngle, g.RakeBaseRadius);
    t.ToothPoints[5] = at(toothAngle + sign * g.GulletFarAngle, g.GulletFarRadius);
    t.ToothPoints[6] = centre;

    const sim::IntPoint gulletCentre =
        at(toothAngle + sign * g.GulletCentreAngle, g.GulletCentreRadius);
    t.GulletCentreX = gulletCentre.x;
    t.GulletCentreY = gulletCentre.y;
    const sim::IntPoint& rakeBase = t.ToothPoints[4];
    const sim::IntPoint& chordFar = t.ToothPoints[5];
    const bool down = direction == sim::MillingDirection::Down;
    const sim::IntPoint& start = down ? rakeBase : chordFar;
    const sim::IntPoint& end = down ? chordFar : rakeBase;
    t.GulletStartX = start.x;
    t.GulletStartY = start.y;
    t.GulletEndX = end.x;
    t.GulletEndY = end.y;
    return t;
}

} // namespace cutter
