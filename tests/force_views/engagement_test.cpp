// The unrolled cutter's edges: each tooth's edge covers the whole width once, slopes by the
// helix's lag against the rotation, stays within one turn per piece, and the width of edge
// inside the cutting zone is the width the core's helix slices count as cutting.
#include "force_views/engagement.h"

#include "sim/scenarios.h"
#include "sim/tool_inputs.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace force_views {
namespace {

struct EdgeCase {
    const char* name;
    const char* helix; // degrees, as typed
    const char* teeth;
    sim::MillingDirection direction;
};

void PrintTo(const EdgeCase& c, std::ostream* out) {
    *out << c.name;
}

sim::SimState Started(const EdgeCase& c) {
    sim::SimState s = sim::StartedState(c.direction);
    EXPECT_TRUE(sim::SetHelixAngle(s, c.helix).applied());
    EXPECT_TRUE(sim::SetToothCount(s, c.teeth).applied());
    return s;
}

class ToothEdgesTest : public testing::TestWithParam<EdgeCase> {};

// Through a whole run: every tooth's pieces stack from height 0 to B without a gap, each
// within one turn.
TEST_P(ToothEdgesTest, EachEdgeCoversTheWidthOnceWithinOneTurnPerPiece) {
    sim::SimState s = Started(GetParam());
    for (int tick = 0; tick < 1556; tick += 61) {
        const std::vector<EdgePiece> edges = ToothEdges(s, s.Phase);
        ASSERT_FALSE(edges.empty());
        int tooth = -1;
        double reached = 0;
        for (const EdgePiece& piece : edges) {
            if (piece.tooth != tooth) {
                ASSERT_EQ(piece.tooth, tooth + 1) << "tick " << tick;
                if (tooth >= 0) {
                    EXPECT_DOUBLE_EQ(reached, s.CutWidth) << "tick " << tick << " tooth " << tooth;
                }
                tooth = piece.tooth;
                reached = 0;
            }
            EXPECT_DOUBLE_EQ(piece.heightFrom, reached) << "tick " << tick << " tooth " << tooth;
            EXPECT_LT(piece.heightFrom, piece.heightTo);
            reached = piece.heightTo;
            for (const double angle : {piece.angleFrom, piece.angleTo}) {
                EXPECT_GE(angle, -1e-9) << "tick " << tick << " tooth " << tooth;
                EXPECT_LE(angle, 360 + 1e-9) << "tick " << tick << " tooth " << tooth;
            }
        }
        EXPECT_EQ(tooth, s.ToothCount - 1);
        EXPECT_DOUBLE_EQ(reached, s.CutWidth);
        sim::RunTicks(s, 61);
    }
}

// The core counts the teeth in the zone at the end of each tick and averages the newest
// HelixLagTicks counts, slice s seeing the teeth of s ticks ago; the map measures the same
// width along each sloped edge, so an edge sloped the wrong way or by the wrong lag shows here. A
// straight tooth is one slice, and both agree exactly; a helical edge differs by less than two
// slices' width where it crosses the zone's ends.
TEST_P(ToothEdgesTest, EngagedWidthIsTheCoresSliceCount) {
    sim::SimState s = Started(GetParam());
    const double slice =
        s.HelixLagTicks > 0 ? s.CutWidth / static_cast<double>(s.HelixLagTicks) : 0.0;
    int cutting = 0;
    for (int tick = 1; tick < 1556; ++tick) {
        sim::RunTicks(s, 1);
        const double width = EngagedEdgeWidth(ToothEdges(s, s.Phase));
        const double core = s.EngagedWidthTrace[sim::kTraceLength];
        cutting += core > 0 ? 1 : 0;
        // The core's average of the newest slices reaches back before the first tick.
        if (tick <= s.HelixLagTicks) {
            continue;
        }
        if (slice == 0) {
            ASSERT_EQ(width, core) << "tick " << tick;
        } else {
            ASSERT_NEAR(width, core, 2 * slice) << "tick " << tick;
        }
    }
    EXPECT_GT(cutting, 500);
}

const EdgeCase kCases[] = {
    {"StraightUp", "0", "8", sim::MillingDirection::Up},
    {"StraightDown", "0", "8", sim::MillingDirection::Down},
    {"Helix30Up", "30", "8", sim::MillingDirection::Up},
    {"Helix45Down12Teeth", "45", "12", sim::MillingDirection::Down},
    {"Helix50Up4Teeth", "50", "4", sim::MillingDirection::Up},
    {"Helix20Down20Teeth", "20", "20", sim::MillingDirection::Down},
};

INSTANTIATE_TEST_SUITE_P(Cutters, ToothEdgesTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Before the workpiece reaches the cutter, and after a reset brings it back, the zone is empty
// and no edge cuts, whatever the state's last sub-step left in EdgeAngle.
TEST(CuttingZone, IsEmptyWhileTheWorkpieceIsAway) {
    sim::SimState s = sim::StartedState(sim::MillingDirection::Up);
    EXPECT_GT(ZoneStartDegrees(s), ZoneEndDegrees(s));
    EXPECT_EQ(EngagedEdgeWidth(ToothEdges(s, s.Phase)), 0.0);
    sim::RunTicks(s, 900);
    EXPECT_LT(ZoneStartDegrees(s), ZoneEndDegrees(s));
    EXPECT_GT(EngagedEdgeWidth(ToothEdges(s, 0.0)) + EngagedEdgeWidth(ToothEdges(s, 0.3)), 0.0);
    sim::ResetRun(s, nullptr);
    EXPECT_GT(ZoneStartDegrees(s), ZoneEndDegrees(s));
    for (const double phase : {0.0, 0.2, 0.4, 0.6}) {
        EXPECT_EQ(EngagedEdgeWidth(ToothEdges(s, phase)), 0.0) << phase;
    }
}

} // namespace
} // namespace force_views
