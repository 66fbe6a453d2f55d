#pragma once

// The force arrows of the cutter view, an overlay drawn after the designed picture when the user
// asks for it: on each tooth in the cut the force the workpiece puts on it (its tangential plus
// its radial force), at its tip, and the resultant force on the workpiece, at the middle of the
// cutting zone on the cutter circle. The arrows follow the per-tooth force model of the core
// (sim/tooth_forces.h) and share one scale, so that their lengths compare.

#include "canvas/canvas.h"
#include "sim/sim_state.h"

#include <array>

namespace cutter {

// Colours of the arrows, 0x00BBGGRR.
inline constexpr canvas::Colour kToothForceColour = 0x0000D0;     // red: force on a tooth
inline constexpr canvas::Colour kWorkpieceForceColour = 0xC00000; // blue: force on the workpiece

// px: the length of an arrow whose force is the picture's reference: the largest of the
// resultant over the trace's 313 samples and of the teeth's forces now.
inline constexpr double kLongestArrow = 90.0;
// px: arrows shorter than this show no direction and are left out.
inline constexpr double kShortestArrow = 3.0;

// An arrow in view pixels (x to the right, y downward), from its foot to its point.
struct ForceArrow {
    double fromX = 0;
    double fromY = 0;
    double toX = 0;
    double toY = 0;
    int slot = 0; // the tooth's slot 1..9 (ActiveAngle's index); 0 for the workpiece's arrow
};

struct ForceArrowSet {
    // The teeth in the cut, in slot order, without those whose arrow would be shorter than
    // kShortestArrow.
    std::array<ForceArrow, sim::kToothSlots> teeth{};
    int toothCount = 0;   // arrows in teeth
    ForceArrow workpiece; // the resultant on the workpiece
    bool hasWorkpiece = false;
};

// The arrows of s as drawn with the teeth at phase (rad). The tooth arrows come from the slots
// of the last sub-step (ToothTangentialForce, ActiveAngle, ActiveTipX/Y): each tooth's force over
// the whole width, as the core gives it per tooth. The resultant is their sum turned onto the
// workpiece (the newest FeedSumTrace and NormalSumTrace), so that the picture adds up; for a
// helical cutter the forces window shows the force summed over the helix slices instead, which
// a tooth only partly in the cut lowers. Nothing is shown unless phase is the last sub-step's
// (s.Phase): a redraw at another phase (a reset, an input change) shows the teeth where no force
// acts.
ForceArrowSet ComputeForceArrows(const sim::SimState& s, double phase);

// Draws the arrows: a 2-px shaft and a filled head. Leaves the canvas's pen, brush, background
// and pen position as it found them, so that the next redraw of the designed picture starts from
// the same drawing state with or without the arrows.
void DrawForceArrows(canvas::Canvas& c, const ForceArrowSet& arrows);

} // namespace cutter
