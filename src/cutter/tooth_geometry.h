#pragma once

// Tooth geometry of the cutter view: from the cutter radius, the rake and clearance angles and
// the tooth dimensions of the tooth count, the polar positions of four characteristic points
// of a tooth (law of cosines and law of sines in the triangle centre - tip - point), and from
// those the outline polygon and gullet arc of one tooth placed at a given angle.
//
// Angles are radians from the downward vertical through the cutter centre, growing toward +x
// (counter-clockwise on the screen). Plain code: no drawing.

#include "sim/sim_state.h"

#include <array>
#include <cstdint>

namespace cutter {

// Polar positions relative to the tooth tip, in pixels and radians. The same for every tooth
// of one redraw.
struct ToothGeometry {
    double RakeBaseRadius = 0;       // d1, centre to the inner end of the rake face
    double RakeBaseAngle = 0;        // phi1, angle at the centre between tip and that point
    double GulletCentreChord = 0;    // d3, tip to the gullet centre
    double GulletCentreTipAngle = 0; // beta3, angle at the tip between radius and gullet centre
    double GulletCentreRadius = 0;   // d4, centre to the gullet centre
    double GulletCentreAngle = 0;    // phi4, angle at the centre between tip and gullet centre
    double GulletFarChord = 0;       // d5, tip to the far end of the gullet chord
    double GulletFarTipAngle = 0;    // beta5, angle at the tip between radius and that point
    double GulletFarRadius = 0;      // d6, centre to the far end of the gullet chord
    double GulletFarAngle = 0;       // phi6, angle at the centre between tip and that point
    double FlankBaseRadius = 0;      // d7, centre to the inner end of the flank
    double FlankBaseAngle = 0;       // phi7, angle at the centre between tip and that point
};

// One tooth placed at its angle, in integer pixels of the cutter view.
struct ToothOutline {
    // 0 and 6: the cutter centre; 1: far end of the previous tooth's gullet chord; 2: inner
    // end of the flank; 3: tip; 4: inner end of the rake face; 5: far end of the gullet chord.
    std::array<sim::IntPoint, 7> ToothPoints{};
    int32_t GulletCentreX = 0;
    int32_t GulletCentreY = 0;
    // Chord ends in the order the gullet arc runs (counter-clockwise on the screen from start to
    // end), so that the half-disk lies on the body side of the chord in both directions.
    int32_t GulletStartX = 0;
    int32_t GulletStartY = 0;
    int32_t GulletEndX = 0;
    int32_t GulletEndY = 0;
};

// Reads CutterRadius, RakeAngle, ClearanceAngle, RakeFaceLength, FlankLength and GulletRadius.
ToothGeometry ComputeToothGeometry(const sim::SimState& s);

// The tooth whose tip lies at toothAngle (rad), for the given direction of rotation: the rake
// face looks toward +angle in up milling and toward -angle in down milling, and the down
// milling outline is the mirror image of the up milling one. Reads CentreX, CentreY,
// CutterRadius and ToothPitch.
ToothOutline ComputeToothOutline(const sim::SimState& s, const ToothGeometry& g, double toothAngle,
                                 sim::MillingDirection direction);

} // namespace cutter
