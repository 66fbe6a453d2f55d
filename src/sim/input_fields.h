#pragma once

// The table of the window's numeric inputs: for each field its stable key, its label as the
// window shows it, its unit, limits, step and start value, and the routine that applies it.
// The window builds its spin edits from this table, the batch runner its options, start texts
// and usage text, and the input routines their range checks.

#include "sim/input_result.h"
#include "sim/sim_state.h"
#include "sim/user_text.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace sim {

// The inputs, in the order the window creates their fields and the batch runner applies them.
enum class InputField {
    Diameter,
    Teeth,
    Rake,
    Clearance,
    Helix,
    Speed,
    Feed,
    Depth,
    Width,
    ForceMax,
    ChipMax,
};

// Where a field sits in the window, and what it governs.
enum class InputGroup {
    ToolGeometry,      // "Geometrija alata": the cutter
    CuttingConditions, // "Režim rezanja": speed, feed, depth and width of cut
    ChartAxes,         // "Maksimalna": the tops of the oscillograph's vertical axes
};

// What an input routine may need besides the state: a redraw of the cutter view at phase 0 and
// a warning to the user. Either may be empty.
struct InputHooks {
    std::function<void()> redraw;
    std::function<void(const char* message)> warn;
};

// Applies the text of a field as its change handler does, including the redraw (where the
// field's redrawsCutterView says) and, for the clearance angle, the warning and the correction
// of the field. What the window shows next to
// a field (the depth and chip displays, the depth field's maximum) is left to the caller.
using InputRoutine = InputResult (*)(SimState& s, std::string_view text, const InputHooks& hooks);

struct InputFieldSpec {
    InputField field;
    const char* key;   // stable ASCII name: option names, scenario keys ("diameter")
    const char* name;  // what the value is, in English, for tools ("cutter diameter")
    const char* label; // the field's label in the window, UTF-8 ("Prečnik glodala, mm")
    // The label's second line, or nullptr; the two axis fields share the heading "Maksimalna" as
    // their first line.
    const char* labelSecondLine;
    const char* unit; // of the value the user reads ("mm", "°", "m/min"; "" for a count)
    InputGroup group;
    // In the units the field holds (tenths of a millimetre for the depth and chip fields).
    int32_t minimum;
    int32_t maximum; // the depth's maximum follows the diameter (5 x D); this is its start
    int32_t step;
    int32_t start; // the value the field shows when the window opens
    int32_t scale; // the field holds value x scale: 10 for tenths, otherwise 1
    bool maximumFollowsDiameter;
    // A change shows in the cutter view (the cutter's shape or the depth of the cut), so the
    // view is redrawn at phase 0 after it: by the table's routine through its hooks, and by the
    // window's handler of the field.
    bool redrawsCutterView;
    InputRoutine apply;
};

// Routines of the table (declared here so the table can name them; each calls the field's
// input routine of tool_inputs.h, cutting_inputs.h or axis_inputs.h).
InputResult ApplyDiameterText(SimState& s, std::string_view text, const InputHooks& hooks);
InputResult ApplyTeethText(SimState& s, std::string_view text, const InputHooks& hooks);
InputResult ApplyRakeText(SimState& s, std::string_view text, const InputHooks& hooks);
InputResult ApplyClearanceText(SimState& s, std::string_view text, const InputHooks& hooks);
InputResult ApplyHelixText(SimState& s, std::string_view text, const InputHooks& hooks);
InputResult ApplySpeedText(SimState& s, std::string_view text, const InputHooks& hooks);
InputResult ApplyFeedText(SimState& s, std::string_view text, const InputHooks& hooks);
InputResult ApplyDepthText(SimState& s, std::string_view text, const InputHooks& hooks);
InputResult ApplyWidthText(SimState& s, std::string_view text, const InputHooks& hooks);
InputResult ApplyForceMaxText(SimState& s, std::string_view text, const InputHooks& hooks);
InputResult ApplyChipMaxText(SimState& s, std::string_view text, const InputHooks& hooks);

// clang-format off
inline constexpr std::array<InputFieldSpec, 11> kInputFields{{
    {InputField::Diameter, "diameter", "cutter diameter", SIM_USER_TEXT("Prečnik glodala, mm"), nullptr, "mm",
     InputGroup::ToolGeometry, 50, 180, 10, 100, 1, false, true, ApplyDiameterText},
    {InputField::Teeth, "teeth", "number of teeth", SIM_USER_TEXT("Broj zuba"), nullptr, "",
     InputGroup::ToolGeometry, 4, 20, 2, 8, 1, false, true, ApplyTeethText},
    {InputField::Rake, "rake", "rake angle", SIM_USER_TEXT("Grudni ugao, "), nullptr, "°",
     InputGroup::ToolGeometry, 0, 20, 1, 10, 1, false, true, ApplyRakeText},
    {InputField::Clearance, "clearance", "clearance angle", SIM_USER_TEXT("Ledni ugao, "), nullptr, "°",
     InputGroup::ToolGeometry, 5, 25, 1, 10, 1, false, true, ApplyClearanceText},
    {InputField::Helix, "helix", "helix angle", SIM_USER_TEXT("Ugao nagiba sečiva, "), nullptr, "°",
     InputGroup::ToolGeometry, 0, 50, 5, 30, 1, false, false, ApplyHelixText},
    {InputField::Speed, "speed", "cutting speed", SIM_USER_TEXT("Brzina rezanja, m/min"), nullptr, "m/min",
     InputGroup::CuttingConditions, 30, 120, 10, 60, 1, false, false, ApplySpeedText},
    {InputField::Feed, "feed", "feed speed", SIM_USER_TEXT("Brzina pomoćnog "), SIM_USER_TEXT("kretanja, mm/min"), "mm/min",
     InputGroup::CuttingConditions, 40, 600, 10, 150, 1, false, false, ApplyFeedText},
    {InputField::Depth, "depth", "depth of cut", SIM_USER_TEXT("Dubina, mm"), nullptr, "mm",
     InputGroup::CuttingConditions, 5, 500, 5, 100, 10, true, true, ApplyDepthText},
    {InputField::Width, "width", "width of cut", SIM_USER_TEXT("Širina, mm"), nullptr, "mm",
     InputGroup::CuttingConditions, 10, 100, 10, 20, 1, false, false, ApplyWidthText},
    {InputField::ForceMax, "force_max", "force axis maximum", SIM_USER_TEXT("Maksimalna"), SIM_USER_TEXT("sila, N"), "N",
     InputGroup::ChartAxes, 100, 20000, 100, 5000, 1, false, false, ApplyForceMaxText},
    {InputField::ChipMax, "chip_max", "chip axis maximum", SIM_USER_TEXT("Maksimalna"), SIM_USER_TEXT("debljina, mm"), "mm",
     InputGroup::ChartAxes, 1, 10, 1, 5, 10, false, false, ApplyChipMaxText},
}};
// clang-format on

// The row of a field.
constexpr const InputFieldSpec& FieldSpec(InputField field) {
    return kInputFields[static_cast<size_t>(field)];
}

// Whether an applied change of the field redraws the cutter view (its redrawsCutterView).
constexpr bool RedrawsCutterView(InputField field) {
    return FieldSpec(field).redrawsCutterView;
}

// The row with this key, or nullptr.
const InputFieldSpec* FindInputField(std::string_view key);

// Reads text as a whole number and checks it against the field's limits.
InputResult CheckFieldText(std::string_view text, InputField field);

// A value of the field in the units the simulation uses (the depth's 105 tenths: 10.5 mm).
constexpr double FieldToValue(InputField field, int32_t fieldValue) {
    return fieldValue / static_cast<double>(FieldSpec(field).scale);
}

// The field's start value in the units the simulation uses (the depth's 100 tenths: 10.0 mm).
constexpr double StartValue(InputField field) {
    return FieldToValue(field, FieldSpec(field).start);
}

} // namespace sim
