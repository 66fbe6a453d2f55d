#pragma once

// The per-tooth force model: the force law applied to each tooth's own chip, split into the
// tangential and radial force of the tooth and turned into the forces on the workpiece along the
// feed and normal to it. Computed once per tick, after the chip sample, for both force models;
// ForceModel decides only which force the main trace (ForceTrace) shows.
//
// Frame: a tooth's angle phi is measured from the cutter's lowest point toward the side where
// the workpiece comes in (the core's ActiveAngle). In up milling the tooth moves against the
// feed, in down milling with it. Per unit of tangential force, the force on the workpiece is
//   up:   feed = -(cos phi + K_r sin phi),  normal = K_r cos phi - sin phi
//   down: feed =   cos phi - K_r sin phi,   normal = K_r cos phi + sin phi
// with feed positive along the workpiece's feed and normal positive pressing it onto the table
// (docs/forces.md derives them).

#include "sim/sim_state.h"

namespace sim {

// K_r, the ratio of a tooth's radial to its tangential force, as the user may set it.
inline constexpr double kRadialForceRatioMin = 0.2;
inline constexpr double kRadialForceRatioMax = 0.6;
inline constexpr double kRadialForceRatioStep = 0.05;
inline constexpr double kRadialForceRatioStart = 0.4;

// Whether K_r lies in [0.2, 0.6]; false for a value that is not a number.
constexpr bool RadialForceRatioInRange(double ratio) {
    return ratio >= kRadialForceRatioMin && ratio <= kRadialForceRatioMax;
}

// The force on the workpiece per unit of a tooth's tangential force.
struct ForceDirection {
    double feed = 0;   // along the feed; positive pulls the workpiece on
    double normal = 0; // normal to the feed; positive presses the workpiece onto the table
};

ForceDirection ToothForceDirection(MillingDirection direction, double toothAngle,
                                   double radialRatio);

// The tangential force in N of one tooth cutting a chip of h mm over width mm: ForceAtChip with
// the state's constants (so one tooth of a straight cutter gives exactly the designed force);
// 0 for h <= 0.
double ToothTangentialForce(const SimState& s, double chip, double width);

// Newest samples (index 313) of the per-tooth traces from the chips of the last sub-step:
// ToothTangentialForce of every slot, the whole-width sums, the helix-slice sums (the mean of
// the newest HelixLagTicks whole-width sums, as the chip sample averages) and the engaged width.
void TakeToothForceSample(SimState& s);

// Sets the force model; the traces change from the next tick.
void SetForceModel(SimState& s, ForceModel model);

// Sets K_r; false (and nothing changed) for a value outside [0.2, 0.6] or not a number.
bool SetRadialForceRatio(SimState& s, double ratio);

// Torque in N m of a tangential force in N on a cutter of the given diameter in mm.
double CuttingTorque(double tangentialForce, double diameterMm);

// Power in W of a tangential force in N at a cutting speed in m/min.
double CuttingPower(double tangentialForce, double cuttingSpeed);

} // namespace sim
