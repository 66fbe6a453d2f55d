#include "lab/report.h"

#include "sim/scenarios.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace lab {
namespace {

TEST(RunReport, TextbookForcesAreNullWithoutMaterials) {
    const nlohmann::ordered_json report = RunReport(sim::StartupState(), sim::RunFigures{});
    EXPECT_TRUE(report["inputs"]["workpiece_material"].is_null());
    EXPECT_TRUE(report["textbook"]["force_at_max_chip_n"].is_null());
    EXPECT_TRUE(report["comparison"]["power_kw"]["difference_percent"].is_null());
    EXPECT_GT(report["textbook"]["max_chip_mm"].get<double>(), 0);
    // Key order is the order the report is read in.
    EXPECT_EQ(report.begin().key(), "inputs");
}

} // namespace
} // namespace lab
