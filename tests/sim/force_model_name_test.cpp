// The force model's names and K_r's text as files, options and reports share them.
#include "sim/field_text.h"
#include "sim/force_model_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace sim {
namespace {

TEST(ForceModelName, ReadsOnlyTheExactNamesAndEachNameReadsBack) {
    for (ForceModel model : {ForceModel::ChipSum, ForceModel::PerTooth}) {
        EXPECT_EQ(ParseForceModelName(ForceModelName(model)), model);
    }
    EXPECT_STREQ(ForceModelName(ForceModel::ChipSum), "sum");
    EXPECT_STREQ(ForceModelName(ForceModel::PerTooth), "tooth");
    for (const char* other : {"Sum", "teeth", " tooth", "", "per-tooth"}) {
        EXPECT_EQ(ParseForceModelName(other), std::nullopt) << other;
    }
}

constexpr DecimalMark kPoint = DecimalMark::Point;

TEST(RadialForceRatioText, WritesTheShortestTextThatReadsBack) {
    for (double ratio : {0.2, 0.25, 0.4, 0.45, 0.6, 0.2 + 5 * 0.05, 1.0 / 3}) {
        const std::string text = RadialForceRatioText(ratio);
        EXPECT_EQ(ParseDecimalText(text, kPoint), ratio) << text;
    }
    EXPECT_EQ(RadialForceRatioText(0.4), "0.4");
    EXPECT_EQ(RadialForceRatioText(0.45), "0.45");
}

} // namespace
} // namespace sim
