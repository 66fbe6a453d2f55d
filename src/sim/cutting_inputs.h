#pragma once

// The cutting-condition inputs: cutting speed, feed speed, depth and width of cut. Each takes
// the text of its field; a change takes effect from the next tick, also during a run.

#include "sim/input_result.h"
#include "sim/sim_state.h"

#include <string>
#include <string_view>

namespace sim {

// The limits of the fields are those of the inputs table (input_fields.h); the depth's upper
// limit is DepthSpinMax and the cutter radius.

// Cutting speed in m/min: StepTime, FeedPerStep, the time axis (restarted so the newest sample
// is at 0), RevolutionTime and SpeedFactor follow it.
InputResult SetCuttingSpeed(SimState& s, std::string_view text);

// Feed speed in mm/min: FeedPerStep follows it.
InputResult SetFeedSpeed(SimState& s, std::string_view text);

struct DepthResult {
    InputResult input;
    std::string depthText;    // DepthMm for the depth display ("10", "10,5")
    int32_t depthSpinMax = 0; // tenths of mm, the depth field's new maximum (5 x diameter)
};

// Depth of cut in tenths of a millimetre, at most DepthSpinMax and never deeper than the cutter
// radius: DepthMm, the contact geometry and the depth field's maximum follow it, and the
// workpiece is laid out again at the new depth (straight top edge, current feed travel).
// The caller redraws the cutter view at phase 0.
DepthResult SetDepth(SimState& s, std::string_view text);

// Width of cut in mm: HelixLagTicks follows it.
InputResult SetCutWidth(SimState& s, std::string_view text);

// Largest depth in tenths of a millimetre that the depth field accepts now.
int32_t DepthLimit(const SimState& s);

} // namespace sim

namespace sim {

// StepTime, FeedPerStep, the time axis and RevolutionTime for the current diameter and cutting
// speed: the time base, the same at start-up and in every input that changes it. The value
// traces are left as they are.
void UpdateTimeBase(SimState& s);

} // namespace sim
