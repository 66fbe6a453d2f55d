#pragma once

// The tool-geometry inputs: diameter, tooth count, rake, clearance and helix angle. Each takes
// the text of its field. The caller redraws the cutter view at phase 0 after every applied
// input except the helix angle (and except a clearance angle that the minimum corrects, where
// the rewritten field's own run redraws).

#include "sim/input_result.h"
#include "sim/sim_state.h"
#include "sim/user_text.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace sim {

// Tooth dimensions (px) of a tooth count.
struct ToothDimensionRow {
    int32_t teeth;
    double gulletRadius;
    double flankLength;
    double rakeFaceLength;
};

inline constexpr std::array<ToothDimensionRow, 10> kToothDimensions{{
    {4, 40, 80, 60},
    {6, 32, 60, 52},
    {8, 28, 50, 46},
    {10, 24, 40, 40},
    {12, 20, 30, 36},
    {14, 16, 26, 32},
    {16, 12, 24, 30},
    {18, 10, 22, 28},
    {20, 9, 20, 24},
    {22, 8, 18, 22},
}};

// The smallest clearance angle a cutter with fewer than `teethBelow` teeth may have.
struct ClearanceMinimumRow {
    int32_t teethBelow;
    double threshold;      // rad, an angle below this fires the row
    const char* fieldText; // degrees written back into the clearance field
    double storedAngle;    // rad, ClearanceAngle once the field has been rewritten
};

// Tried in this order; with 19 teeth or more only the field's own limit applies.
inline constexpr std::array<ClearanceMinimumRow, 6> kClearanceMinimum{{
    {6, 0.2094, "12", 0.2094},
    {7, 0.1745, "10", 0.1745},
    {9, 0.157, "9", 0.157},
    {11, 0.139, "8", 0.14},
    {17, 0.122, "7", 0.122},
    {19, 0.104, "6", 0.105},
}};

// Degrees x kHalfTurn / 180 (3.141592 / 180).
double DegreesToRadians(int32_t degrees);

struct DiameterResult {
    InputResult input;
    bool depthClamped = false; // the depth was cut back to half the diameter
    std::string depthText;     // when clamped: the new DepthMm for the depth display
    int32_t depthSpinMax = 0;  // the depth field's maximum (changed only when clamped)
};

// Cutter diameter in mm: the view scale and chip divisors, DepthPixels, the time base,
// HelixLagTicks, the contact geometry follow it, a depth beyond half the diameter is cut back
// to it, and the workpiece is laid out again. CutterRadius (200 px) stays.
DiameterResult SetCutterDiameter(SimState& s, std::string_view text);

// ToothPitch := kFullTurn / ToothCount; PhaseLimit := one AngleStep short of it.
void UpdateToothPitch(SimState& s);

// The row of kToothDimensions for a tooth count: its own row, or for a count between two rows
// (a typed odd count) the row of the next count above, whose smaller teeth fit the narrower
// pitch; counts beyond the table take its last row. Taking the previous count's sizes instead
// let large teeth overlap their neighbours and the outline cross itself.
const ToothDimensionRow& ToothDimensionsFor(int32_t teeth);

// GulletRadius, FlankLength and RakeFaceLength from ToothDimensionsFor(ToothCount).
void UpdateToothDimensions(SimState& s);

// Number of teeth: ToothPitch, PhaseLimit and the tooth dimensions of ToothDimensionsFor.
InputResult SetToothCount(SimState& s, std::string_view text);

// Rake angle in degrees.
InputResult SetRakeAngle(SimState& s, std::string_view text);

struct ClearanceResult {
    InputResult input;
    int minimumRow = 0;        // 1..6: the row of kClearanceMinimum that fired; 0: none
    std::string correctedText; // when a row fired: the text to write into the clearance field
    double correctedAngle = 0; // when a row fired: the ClearanceAngle to store afterwards
};

// Clearance angle in degrees. Stores the angle, then checks it against the minimum for the
// tooth count; reports the row that fires but does not correct anything.
ClearanceResult SetClearanceAngle(SimState& s, std::string_view text);

inline constexpr const char* kSmallClearanceMessage = SIM_USER_TEXT("Mali ledjni ugao!");

// The clearance field's whole change: SetClearanceAngle, and when a row fires, warn with
// kSmallClearanceMessage, rewrite the field with the row's text (the field applies that text
// through this routine again, nested, before rewriteField returns) and then store the row's
// angle, which the next redraw uses. The caller redraws when the value was applied and no row
// fired (a fired row leaves the redraw to the nested run).
ClearanceResult
ApplyClearanceAngle(SimState& s, std::string_view text,
                    const std::function<void(const char* message)>& warn,
                    const std::function<void(const std::string& text)>& rewriteField);

// Helix angle in degrees: HelixLagTicks follows it. No redraw is needed.
InputResult SetHelixAngle(SimState& s, std::string_view text);

} // namespace sim
