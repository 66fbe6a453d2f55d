#include "sim/materials.h"
#include "sim/scenarios.h"

#include <gtest/gtest.h>

#include <ostream>

namespace sim {
namespace {

struct PairCase {
    const char* tool;
    const char* workpiece;
    bool mismatch;
};

std::ostream& operator<<(std::ostream& os, const PairCase& c) {
    return os << c.tool << " with " << c.workpiece;
}

class MaterialPairTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(MaterialPairTest, SetsTheToolFactorAndWarnsOnAMismatch) {
    SimState s = StartupState();
    s.ToolMaterial = FindToolMaterial(GetParam().tool);
    s.WorkpieceMaterial = FindWorkpieceMaterial(GetParam().workpiece);
    ASSERT_GT(s.ToolMaterial, 0);
    ASSERT_GT(s.WorkpieceMaterial, 0);
    const MaterialsReport report = ApplyMaterials(s);
    EXPECT_TRUE(report.mayStart);
    const WorkpieceMaterialRow& row = kWorkpieceMaterials[s.WorkpieceMaterial - 1];
    EXPECT_EQ(s.SpecificForce, row.specificForce);
    EXPECT_EQ(s.ChipExponent, row.chipExponent);
    if (GetParam().mismatch) {
        EXPECT_EQ(report.outcome, MaterialsOutcome::Mismatch);
        EXPECT_EQ(report.message, "Izabrani materijal alata ne odgovara");
        EXPECT_EQ(s.ToolFactor, 1.05);
    } else {
        EXPECT_EQ(report.outcome, MaterialsOutcome::Ready);
        EXPECT_EQ(report.message, "");
        EXPECT_EQ(s.ToolFactor, 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, MaterialPairTest,
    ::testing::Values(PairCase{"P30", "28Cr4", false}, PairCase{"P30", "C4130", false},
                      PairCase{"P30", "SL 200", false}, PairCase{"C7680", "AlSi8", false},
                      PairCase{"K50", "AlSi8", false}, PairCase{"C7680", "C4130", true},
                      PairCase{"K40", "C4130", true}, PairCase{"C9681", "SL 200", true},
                      PairCase{"C9681", "NL 600-3", true}, PairCase{"C7680", "PTEL 65-2", true},
                      PairCase{"C7680", "28Cr4", false}, PairCase{"K50", "C1430", true},
                      PairCase{"K40", "C35", true}, PairCase{"K40", "C4131", true},
                      PairCase{"K50", "C1633", true}, PairCase{"K40", "SL 200", false},
                      PairCase{"K50", "PTEL 65-2", false}));

// A material's number and its name lead to each other in both lists; no name stands for
// "none chosen" or for a number past the list.
TEST(MaterialNames, NumbersAndNamesLeadToEachOther) {
    ASSERT_EQ(kWorkpieceMaterialNames.size(), kWorkpieceMaterials.size());
    for (int32_t n = 1; n <= static_cast<int32_t>(kWorkpieceMaterials.size()); ++n) {
        EXPECT_STREQ(WorkpieceMaterialName(n), kWorkpieceMaterials[n - 1].name);
        EXPECT_EQ(FindWorkpieceMaterial(WorkpieceMaterialName(n)), n);
    }
    for (int32_t n = 1; n <= static_cast<int32_t>(kToolMaterials.size()); ++n) {
        EXPECT_EQ(FindToolMaterial(ToolMaterialName(n)), n);
    }
    for (const int32_t outside : {0, -1, 11}) {
        EXPECT_EQ(WorkpieceMaterialName(outside), nullptr) << outside;
    }
    for (const int32_t outside : {0, -1, 6}) {
        EXPECT_EQ(ToolMaterialName(outside), nullptr) << outside;
    }
}

TEST(ApplyMaterials, MissingMaterialsStopTheStartAndChangeNothing) {
    SimState s = StartupState();
    MaterialsReport report = ApplyMaterials(s);
    EXPECT_EQ(report.outcome, MaterialsOutcome::MissingBoth);
    EXPECT_EQ(report.message, "Izaberite materijal alata i obratka!");
    EXPECT_FALSE(report.mayStart);
    SelectWorkpieceMaterial(s, 0);
    report = ApplyMaterials(s);
    EXPECT_EQ(report.message, "Materijal alata nije zadat!");
    s.WorkpieceMaterial = 0;
    SelectToolMaterial(s, 2);
    report = ApplyMaterials(s);
    EXPECT_EQ(report.message, "Materijal obratka nije zadat!");
    EXPECT_FALSE(report.mayStart);
    EXPECT_EQ(s.SpecificForce, 0.0);
    EXPECT_EQ(s.ToolFactor, 0.0);
}

TEST(SelectMaterial, OnlyAListedItemIsRecorded) {
    SimState s = StartupState();
    SelectWorkpieceMaterial(s, 9);
    SelectToolMaterial(s, 4);
    EXPECT_EQ(s.WorkpieceMaterial, 10);
    EXPECT_EQ(s.ToolMaterial, 5);
    SelectWorkpieceMaterial(s, -1);
    SelectWorkpieceMaterial(s, 10);
    SelectToolMaterial(s, 5);
    EXPECT_EQ(s.WorkpieceMaterial, 10);
    EXPECT_EQ(s.ToolMaterial, 5);
    EXPECT_EQ(FindWorkpieceMaterial("SL 200"), 4);
    EXPECT_EQ(FindWorkpieceMaterial("sl 200"), 0);
    EXPECT_EQ(FindToolMaterial("K50"), 5);
}

} // namespace
} // namespace sim
