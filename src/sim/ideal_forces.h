#pragma once

// The textbook's per-tooth forces: every tooth cuts the ideal chip h = f_z sin(phi) of a cutter
// turning on a circle (no profile, no pixels), under the same power law and in the same
// directions as the per-tooth model (sim/tooth_forces.h). The revolution means are the integrals
// over the cutting zone, taken numerically; docs/forces.md derives them and their closed forms
// for the linear law.

#include "sim/sim_state.h"

#include <cstdint>

namespace sim {

struct IdealCut {
    MillingDirection direction = MillingDirection::Up;
    double entryAngle = 0; // rad, where the zone starts, in ToothForceDirection's frame (>= 0)
    double exitAngle = 0;  // rad, where it ends (entryAngle..pi); the chip is f_z sin(phi) between
    int32_t teeth = 0;     // z
    double feedPerTooth = 0; // mm, f_z
    double radialRatio = 0;  // K_r, F_r / F_t of a tooth
    double chipExponent = 0; // x of F_t = C h^x; 1 gives the linear law
    // N/mm^x, C: F_t of one tooth over the whole width for a chip of 1 mm (SpecificForce
    // x CutWidth x ToolFactor x SpeedFactor).
    double forceCoefficient = 0;
    // rad, how far the far end of a tooth's edge trails its near end, B tan(helix) / R (R the
    // cutter's radius in mm); 0 for a straight tooth.
    double helixLag = 0;

    bool operator==(const IdealCut&) const = default;
};

// Forces on the workpiece, summed over the teeth.
struct IdealForces {
    double tangential = 0; // N
    double feed = 0;       // N, along the feed; positive pulls the workpiece on
    double normal = 0;     // N, across it; positive presses the workpiece onto the table
};

// The means over one revolution, z / (2 pi) x the integral from entry to exit of F_t(phi) x
// (1, feed direction, normal direction), by the trapezoid rule on 8192 panels (within 1e-6 of the
// exact value for x = 0.64). The helix does not change a mean.
IdealForces IdealRevolutionMeans(const IdealCut& cut);

// The normal force of largest magnitude, with its sign, over one tooth pitch of the rotation:
// every tooth in the cut, each tooth's edge spread evenly over helixLag. Tried on 1024 rotations
// and at every rotation where an end of an edge meets the entry or the exit.
double IdealPeakNormalForce(const IdealCut& cut);

} // namespace sim
