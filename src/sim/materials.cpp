#include "sim/materials.h"

#include <algorithm>

namespace sim {

namespace {

template <size_t N>
int32_t FindName(const std::array<const char*, N>& names, std::string_view name) {
    for (size_t i = 0; i < N; ++i) {
        if (name == names[i]) {
            return static_cast<int32_t>(i + 1);
        }
    }
    return 0;
}

} // namespace

int32_t FindWorkpieceMaterial(std::string_view name) {
    return FindName(kWorkpieceMaterialNames, name);
}

int32_t FindToolMaterial(std::string_view name) {
    return FindName(kToolMaterials, name);
}

void SelectWorkpieceMaterial(SimState& s, int itemIndex) {
    if (itemIndex >= 0 && itemIndex < static_cast<int>(kWorkpieceMaterials.size())) {
        s.WorkpieceMaterial = itemIndex + 1;
    }
}

void SelectToolMaterial(SimState& s, int itemIndex) {
    if (itemIndex >= 0 && itemIndex < static_cast<int>(kToolMaterials.size())) {
        s.ToolMaterial = itemIndex + 1;
    }
}

bool IsMaterialMismatch(int32_t toolMaterial, int32_t workpieceMaterial) {
    // Workpiece numbers that tools 1 and 2, and tools 4 and 5, do not suit; tool 3 suits all.
    static constexpr std::array<int32_t, 4> kUnsuitedForTools1And2{4, 5, 7, 8};
    static constexpr std::array<int32_t, 6> kUnsuitedForTools4And5{1, 2, 3, 6, 8, 9};
    const auto contains = [workpieceMaterial](const auto& list) {
        return std::find(list.begin(), list.end(), workpieceMaterial) != list.end();
    };
    if (toolMaterial == 1 || toolMaterial == 2) {
        return contains(kUnsuitedForTools1And2);
    }
    if (toolMaterial == 4 || toolMaterial == 5) {
        return contains(kUnsuitedForTools4And5);
    }
    return false;
}

MaterialsReport ApplyMaterials(SimState& s) {
    if (s.ToolMaterial == 0 && s.WorkpieceMaterial == 0) {
        return {MaterialsOutcome::MissingBoth, false,
                SIM_USER_TEXT("Izaberite materijal alata i obratka!")};
    }
    if (s.ToolMaterial == 0) {
        return {MaterialsOutcome::MissingTool, false, SIM_USER_TEXT("Materijal alata nije zadat!")};
    }
    if (s.WorkpieceMaterial == 0) {
        return {MaterialsOutcome::MissingWorkpiece, false,
                SIM_USER_TEXT("Materijal obratka nije zadat!")};
    }
    s.ToolFactor = 1.0;
    const WorkpieceMaterialRow& row = kWorkpieceMaterials[s.WorkpieceMaterial - 1];
    s.SpecificForce = row.specificForce;
    s.ChipExponent = row.chipExponent;
    if (IsMaterialMismatch(s.ToolMaterial, s.WorkpieceMaterial)) {
        s.ToolFactor = 1.05;
        return {MaterialsOutcome::Mismatch, true,
                SIM_USER_TEXT("Izabrani materijal alata ne odgovara")};
    }
    return {MaterialsOutcome::Ready, true, ""};
}

} // namespace sim
