#pragma once

// The once-per-tick samples: chip thickness, main cutting force and the per-revolution mean.
// Each writes the newest sample, index 313 of its trace.

#include "sim/sim_state.h"

namespace sim {

// The constants of the force law F(h) = SpecificForce x CutWidth x h^ChipExponent x ToolFactor
// x SpeedFactor, as the simulation applies them.
struct ForceLaw {
    double specificForce = 0; // N/mm^2
    double chipExponent = 0;  // exponent of the chip thickness
    double toolFactor = 0;    // 1.0, or 1.05 for a tool that does not suit the workpiece
    double speedFactor = 0;   // CuttingSpeed^-0.15
};

// The constants the state holds now (zero before the first "Proces").
ForceLaw LoadedForceLaw(const SimState& s);

// F(h) in N for a chip thickness h in mm and a cut width in mm, by the simulation's power law,
// its factors in the order ComputeForce multiplies them: a chip the tick met gives its force.
double ForceAtChip(const ForceLaw& law, double cutWidth, double chip);

// ChipSumTrace[313] := sum of ToothChip over the slots of the last sub-step (0 with no tooth
// in the cut); ChipTrace[313] := mean of the newest HelixLagTicks summed samples, or the summed
// sample itself for a straight tooth (HelixLagTicks = 0).
void TakeChipSample(SimState& s);

// ForceTrace[313] := Power(ChipTrace[313], ChipExponent) x SpecificForce x CutWidth
// x ToolFactor x SpeedFactor, in N; with the per-tooth model, TangentialTrace[313] (which
// TakeToothForceSample must have written first).
void ComputeForce(SimState& s);

// Adds the newest force to the revolution sums and, once RevolutionTime has passed, writes
// their mean to MeanForceTrace[313] and starts a new revolution. Between revolution ends
// MeanForceTrace[313] keeps the value the scroll of the traces left there. The per-tooth
// tangential, feed and normal forces get their revolution means at the same moments.
void UpdateRevolutionMean(SimState& s);

// Length of the chip moving average, Round(Tan(HelixAngle) x (CutWidth x 66.67) / D), with the
// width term formed first (the start-up and the width input compute it so).
int32_t HelixLagTicksWidthFirst(const SimState& s);

// The same length computed strictly left to right, Round(Tan(HelixAngle) x CutWidth x 66.67 / D)
// (the diameter and helix inputs compute it so).
int32_t HelixLagTicksLeftToRight(const SimState& s);

} // namespace sim
