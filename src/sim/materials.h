#pragma once

// The material tables of the force model and the check made when a run is started.

#include "sim/sim_state.h"
#include "sim/user_text.h"

#include <array>
#include <string>
#include <string_view>

namespace sim {

struct WorkpieceMaterialRow {
    const char* name;     // item text of the workpiece list
    double specificForce; // N/mm^2
    double chipExponent;  // exponent of the chip thickness in the force law
};

// The texts the two material lists show until an item is chosen (not items themselves).
inline constexpr const char* kWorkpieceMaterialPrompt = SIM_USER_TEXT("Materijal obratka");
inline constexpr const char* kToolMaterialPrompt = SIM_USER_TEXT("Materijal alata");

// Workpiece materials in list order; WorkpieceMaterial n is row n - 1.
inline constexpr std::array<WorkpieceMaterialRow, 10> kWorkpieceMaterials{{
    {"28Cr4", 1200, 0.64},
    {"C35", 1350, 0.71},
    {"C4131", 1550, 0.72},
    {"SL 200", 440, 0.60},
    {"NL 600-3", 770, 0.67},
    {"C1633", 1600, 0.73},
    {"PTEL 65-2", 800, 0.68},
    {"C4130", 1750, 0.74},
    {"C1430", 1300, 0.68},
    {"AlSi8", 200, 0.52},
}};

// Tool materials in list order; ToolMaterial n is entry n - 1.
inline constexpr std::array<const char*, 5> kToolMaterials{"C7680", "C9681", "P30", "K40", "K50"};

// The workpiece list's item texts in list order: the names of kWorkpieceMaterials. These two
// lists are the one place the material names are written; the window's lists, scenario files,
// the batch runner's options, the report and the sweeps all take the names from them.
inline constexpr std::array<const char*, kWorkpieceMaterials.size()> kWorkpieceMaterialNames = [] {
    std::array<const char*, kWorkpieceMaterials.size()> names{};
    for (size_t i = 0; i < names.size(); ++i) {
        names[i] = kWorkpieceMaterials[i].name;
    }
    return names;
}();

// The item text of material number (1-based, as SimState keeps the choice); nullptr for 0 (none
// chosen) or a number outside the list.
constexpr const char* WorkpieceMaterialName(int32_t number) {
    return number >= 1 && number <= static_cast<int32_t>(kWorkpieceMaterialNames.size())
               ? kWorkpieceMaterialNames[static_cast<size_t>(number - 1)]
               : nullptr;
}
constexpr const char* ToolMaterialName(int32_t number) {
    return number >= 1 && number <= static_cast<int32_t>(kToolMaterials.size())
               ? kToolMaterials[static_cast<size_t>(number - 1)]
               : nullptr;
}

// 1-based number of the workpiece or tool material with this item text, 0 for none.
int32_t FindWorkpieceMaterial(std::string_view name);
int32_t FindToolMaterial(std::string_view name);

// Selection in the workpiece list (itemIndex 0..9) or the tool list (0..4); any other index
// (no item selected) changes nothing. Takes effect at the next ApplyMaterials.
void SelectWorkpieceMaterial(SimState& s, int itemIndex);
void SelectToolMaterial(SimState& s, int itemIndex);

// Whether the tool material does not suit the workpiece material (ToolFactor 1.05).
bool IsMaterialMismatch(int32_t toolMaterial, int32_t workpieceMaterial);

enum class MaterialsOutcome {
    Ready,            // constants loaded, no message
    Mismatch,         // constants loaded with ToolFactor 1.05; warning, the run still starts
    MissingBoth,      // nothing changed, the run does not start
    MissingTool,      // nothing changed, the run does not start
    MissingWorkpiece, // nothing changed, the run does not start
};

struct MaterialsReport {
    MaterialsOutcome outcome = MaterialsOutcome::Ready;
    bool mayStart = true;
    std::string message; // warning to show after the beep; empty for Ready
};

// Checks that both materials are chosen, loads SpecificForce and ChipExponent of the
// workpiece and sets ToolFactor by the mismatch rule.
MaterialsReport ApplyMaterials(SimState& s);

} // namespace sim
