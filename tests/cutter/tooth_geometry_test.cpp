#include "cutter/tooth_geometry.h"

#include "sim/arithmetic.h"
#include "sim/scenarios.h"
#include "sim/tool_inputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace cutter {
namespace {

using sim::IntPoint;
using sim::MillingDirection;

TEST(ToothGeometryTest, StartValues) {
    const sim::SimState s = sim::StartupState();
    const ToothGeometry g = ComputeToothGeometry(s);
    constexpr double kTol = 1e-6;
    EXPECT_NEAR(g.RakeBaseRadius, 154.904877, kTol);
    EXPECT_NEAR(g.RakeBaseAngle, 0.051587, kTol);
    EXPECT_NEAR(g.GulletCentreChord, 53.851648, kTol);
    EXPECT_NEAR(g.GulletCentreTipAngle, 0.372261, kTol);
    EXPECT_NEAR(g.GulletCentreRadius, 151.111608, kTol);
    EXPECT_NEAR(g.GulletCentreAngle, 0.129986, kTol);
    EXPECT_NEAR(g.GulletFarChord, 72.470684, kTol);
    EXPECT_NEAR(g.GulletFarTipAngle, 0.708597, kTol);
    EXPECT_NEAR(g.GulletFarRadius, 152.452994, kTol);
    EXPECT_NEAR(g.GulletFarAngle, 0.314512, kTol);
    EXPECT_NEAR(g.FlankBaseRadius, 193.193603, kTol);
    EXPECT_NEAR(g.FlankBaseAngle, 0.252670, kTol);
}

struct OutlineCase {
    const char* name;
    double angle;
    MillingDirection direction;
    std::array<IntPoint, 7> points;
    IntPoint gulletCentre;
    IntPoint gulletStart;
    IntPoint gulletEnd;
};

class ToothOutlineTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(ToothOutlineTest, PointsOfTheStartGeometry) {
    const OutlineCase& c = GetParam();
    const sim::SimState s = sim::StartupState();
    const ToothOutline t = ComputeToothOutline(s, ComputeToothGeometry(s), c.angle, c.direction);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(t.ToothPoints[i], c.points[i]) << "point " << i;
    }
    EXPECT_EQ((IntPoint{t.GulletCentreX, t.GulletCentreY}), c.gulletCentre);
    EXPECT_EQ((IntPoint{t.GulletStartX, t.GulletStartY}), c.gulletStart);
    EXPECT_EQ((IntPoint{t.GulletEndX, t.GulletEndY}), c.gulletEnd);
}

INSTANTIATE_TEST_SUITE_P(
    StartGeometry, ToothOutlineTest,
    ::testing::Values(
        OutlineCase{
            "UpFirst",
            0.0,
            MillingDirection::Up,
            {{{150, 83}, {81, 219}, {102, 270}, {150, 283}, {142, 238}, {197, 228}, {150, 83}}},
            {170, 233},
            {197, 228},
            {142, 238}},
        OutlineCase{
            "DownFirst",
            0.0,
            MillingDirection::Down,
            {{{150, 83}, {219, 219}, {198, 270}, {150, 283}, {158, 238}, {103, 228}, {150, 83}}},
            {130, 233},
            {158, 238},
            {103, 228}},
        OutlineCase{
            "UpSecondOfEight",
            0.785398125,
            MillingDirection::Up,
            {{{150, 83}, {197, 228}, {248, 249}, {291, 224}, {254, 198}, {286, 152}, {150, 83}}},
            {270, 175}, // Pt(theta + phi4, d4) = (269.8, 175.1)
            {286, 152},
            {254, 198}}),
    [](const auto& info) { return std::string(info.param.name); });

// Neighbouring outlines share a corner: point 1 of a tooth is point 5 of the tooth one pitch
// behind it, in both directions and for every tooth count of the table.
class SharedCornerTest : public ::testing::TestWithParam<std::tuple<int, MillingDirection>> {};

TEST_P(SharedCornerTest, PointOneIsThePreviousToothsPointFive) {
    const auto [teeth, direction] = GetParam();
    sim::SimState s = sim::StartupState();
    ASSERT_TRUE(sim::SetToothCount(s, std::to_string(teeth)).applied());
    const ToothGeometry g = ComputeToothGeometry(s);
    const double sign = direction == MillingDirection::Down ? -1.0 : 1.0;
    int mismatches = 0;
    for (int k = 1; k < teeth; ++k) {
        const double angle = k * s.ToothPitch + 0.1;
        const ToothOutline tooth = ComputeToothOutline(s, g, angle, direction);
        const ToothOutline previous =
            ComputeToothOutline(s, g, angle - sign * s.ToothPitch, direction);
        const IntPoint a = tooth.ToothPoints[1];
        const IntPoint b = previous.ToothPoints[5];
        // The two angles are formed differently; a half-pixel coordinate may round apart.
        EXPECT_LE(std::abs(a.x - b.x) + std::abs(a.y - b.y), 1) << "tooth " << k;
        mismatches += a == b ? 0 : 1;
    }
    EXPECT_LE(mismatches, 1);
}

INSTANTIATE_TEST_SUITE_P(Counts, SharedCornerTest,
                         ::testing::Combine(::testing::Values(4, 8, 14, 20),
                                            ::testing::Values(MillingDirection::Up,
                                                              MillingDirection::Down)));

TEST(ToothGeometryTest, DownMillingMirrorsUpMillingAboutTheVertical) {
    const sim::SimState s = sim::StartupState();
    const ToothGeometry g = ComputeToothGeometry(s);
    for (const double angle : {0.0, 0.3, 1.2, 2.5}) {
        const ToothOutline up = ComputeToothOutline(s, g, angle, MillingDirection::Up);
        const ToothOutline down = ComputeToothOutline(s, g, -angle, MillingDirection::Down);
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_NEAR(down.ToothPoints[i].x, 300 - up.ToothPoints[i].x, 1) << angle << " " << i;
            EXPECT_NEAR(down.ToothPoints[i].y, up.ToothPoints[i].y, 1) << angle << " " << i;
        }
        // The chord ends swap their roles, so the arc still turns toward the body.
        EXPECT_NEAR(down.GulletStartX, 300 - up.GulletEndX, 1);
        EXPECT_NEAR(down.GulletEndX, 300 - up.GulletStartX, 1);
    }
}

TEST(ToothGeometryTest, TypedOddCountHasTheTeethOfTheNextEvenCount) {
    sim::SimState s = sim::StartupState();
    ASSERT_TRUE(sim::SetToothCount(s, "6").applied());
    const ToothGeometry six = ComputeToothGeometry(s);
    ASSERT_TRUE(sim::SetToothCount(s, "8").applied());
    ASSERT_TRUE(sim::SetToothCount(s, "5").applied());
    EXPECT_EQ(s.ToothPitch, 6.283185 / 5);
    const ToothGeometry five = ComputeToothGeometry(s);
    EXPECT_EQ(five.GulletFarRadius, six.GulletFarRadius);
    EXPECT_EQ(five.FlankBaseAngle, six.FlankBaseAngle);
    // Point 1 now lies one fifth of a turn behind the tip.
    const ToothOutline t = ComputeToothOutline(s, five, 0.0, MillingDirection::Up);
    const double a = five.GulletFarAngle - 6.283185 / 5;
    EXPECT_EQ(t.ToothPoints[1].x, sim::Round(five.GulletFarRadius * std::sin(a) + 150));
    EXPECT_EQ(t.ToothPoints[1].y, sim::Round(five.GulletFarRadius * std::cos(a) + 83));
    EXPECT_EQ(t.ToothPoints[3], (IntPoint{150, 283}));
}

TEST(ToothGeometryTest, SlightlyNegativeGulletAngleIsTakenUnchanged) {
    sim::SimState s = sim::StartupState();
    ASSERT_TRUE(sim::SetToothCount(s, "18").applied());
    ASSERT_TRUE(sim::SetRakeAngle(s, "20").applied());
    const ToothGeometry g = ComputeToothGeometry(s);
    EXPECT_LT(g.GulletCentreTipAngle, 0.0);
    EXPECT_GT(g.GulletCentreTipAngle, -0.05);
    EXPECT_LT(g.GulletCentreAngle, 0.0);
    EXPECT_GT(g.GulletCentreRadius, 0.0);
}

// Every row of the dimension table with the extreme angles gives true triangles (no NaN from a
// square root or an arcsin) and the tip on the cutter circle.
class ToothDimensionRowTest : public ::testing::TestWithParam<sim::ToothDimensionRow> {};

TEST_P(ToothDimensionRowTest, EveryAngleGivesAFiniteTooth) {
    const sim::ToothDimensionRow row = GetParam();
    sim::SimState s = sim::StartupState();
    s.ToothCount = row.teeth;
    s.ToothPitch = 6.283185 / row.teeth;
    s.GulletRadius = row.gulletRadius;
    s.FlankLength = row.flankLength;
    s.RakeFaceLength = row.rakeFaceLength;
    for (const int rake : {0, 10, 20}) {
        for (const int clearance : {5, 15, 25}) {
            s.RakeAngle = sim::DegreesToRadians(rake);
            s.ClearanceAngle = sim::DegreesToRadians(clearance);
            const ToothGeometry g = ComputeToothGeometry(s);
            for (const double v :
                 {g.RakeBaseRadius, g.RakeBaseAngle, g.GulletCentreRadius, g.GulletCentreAngle,
                  g.GulletFarRadius, g.GulletFarAngle, g.FlankBaseRadius, g.FlankBaseAngle}) {
                ASSERT_TRUE(std::isfinite(v)) << rake << " " << clearance;
            }
            // Triangle inequality in centre - tip - point.
            EXPECT_LE(g.RakeBaseRadius, 200 + s.RakeFaceLength);
            EXPECT_GE(g.RakeBaseRadius, 200 - s.RakeFaceLength);
            EXPECT_LE(g.FlankBaseRadius, 200 + s.FlankLength);
            EXPECT_GE(g.FlankBaseRadius, 200 - s.FlankLength);
            EXPECT_LE(g.GulletFarRadius, 200 + g.GulletFarChord);
            EXPECT_GE(g.GulletFarRadius, 200 - g.GulletFarChord);
            const ToothOutline t = ComputeToothOutline(s, g, 0.7, MillingDirection::Up);
            EXPECT_EQ(t.ToothPoints[3], (IntPoint{sim::Round(200 * std::sin(0.7) + 150),
                                                  sim::Round(200 * std::cos(0.7) + 83)}));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ToothDimensionRowTest, ::testing::ValuesIn(sim::kToothDimensions),
                         [](const auto& info) { return std::to_string(info.param.teeth); });

// Every tooth count the field accepts, odd counts included, with every diameter and the extreme
// rake and clearance angles, in both directions: each tooth outline is a simple polygon and
// neighbouring teeth do not overlap.
struct OutlineGridCase {
    int teeth;
    MillingDirection direction;
};

std::string OutlineGridName(const ::testing::TestParamInfo<OutlineGridCase>& info) {
    return (info.param.direction == MillingDirection::Down ? "Down" : "Up") +
           std::to_string(info.param.teeth);
}

using Polygon = std::vector<IntPoint>;

int64_t Cross(IntPoint a, IntPoint b, IntPoint c) {
    return int64_t{b.x - a.x} * (c.y - a.y) - int64_t{b.y - a.y} * (c.x - a.x);
}

// Whether segments ab and cd cross at a point inside both (touching ends and collinear overlaps
// do not count).
bool CrossProperly(IntPoint a, IntPoint b, IntPoint c, IntPoint d) {
    const int64_t d1 = Cross(a, b, c);
    const int64_t d2 = Cross(a, b, d);
    const int64_t d3 = Cross(c, d, a);
    const int64_t d4 = Cross(c, d, b);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// The outline without its closing copy of the centre (point 6 repeats point 0).
Polygon OutlinePolygon(const ToothOutline& t) {
    return Polygon(t.ToothPoints.begin(), t.ToothPoints.end() - 1);
}

bool IsSimple(const Polygon& p) {
    const size_t n = p.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 2; j < n; ++j) {
            if ((j + 1) % n == i) {
                continue;
            }
            if (CrossProperly(p[i], p[(i + 1) % n], p[j], p[(j + 1) % n])) {
                return false;
            }
        }
    }
    return true;
}

// Strictly inside (even-odd, a point on an edge is not inside).
bool StrictlyInside(const Polygon& p, IntPoint q) {
    bool inside = false;
    const size_t n = p.size();
    for (size_t i = 0; i < n; ++i) {
        const IntPoint a = p[i];
        const IntPoint b = p[(i + 1) % n];
        const bool onLine = Cross(a, b, q) == 0;
        if (onLine && std::min(a.x, b.x) <= q.x && q.x <= std::max(a.x, b.x) &&
            std::min(a.y, b.y) <= q.y && q.y <= std::max(a.y, b.y)) {
            return false;
        }
        if ((a.y > q.y) != (b.y > q.y)) {
            const double x = a.x + double(q.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (q.x < x) {
                inside = !inside;
            }
        }
    }
    return inside;
}

bool Overlap(const Polygon& a, const Polygon& b) {
    for (size_t i = 0; i < a.size(); ++i) {
        for (size_t j = 0; j < b.size(); ++j) {
            if (CrossProperly(a[i], a[(i + 1) % a.size()], b[j], b[(j + 1) % b.size()])) {
                return true;
            }
        }
    }
    for (const IntPoint q : a) {
        if (StrictlyInside(b, q)) {
            return true;
        }
    }
    for (const IntPoint q : b) {
        if (StrictlyInside(a, q)) {
            return true;
        }
    }
    return false;
}

class OutlineGridTest : public ::testing::TestWithParam<OutlineGridCase> {};

TEST_P(OutlineGridTest, OutlinesAreSimpleAndNeighboursDoNotOverlap) {
    const OutlineGridCase c = GetParam();
    for (int diameter = 50; diameter <= 180; diameter += 10) {
        for (const char* rake : {"0", "20"}) {
            for (const char* clearance : {"5", "25"}) {
                // From the largest teeth, so sizes kept from an earlier count would show.
                sim::SimState s = sim::StartupState();
                ASSERT_TRUE(sim::SetToothCount(s, "4").applied());
                ASSERT_TRUE(sim::SetCutterDiameter(s, std::to_string(diameter)).input.applied());
                ASSERT_TRUE(sim::SetToothCount(s, std::to_string(c.teeth)).applied());
                ASSERT_TRUE(sim::SetRakeAngle(s, rake).applied());
                ASSERT_TRUE(sim::SetClearanceAngle(s, clearance).input.applied());
                const ToothGeometry g = ComputeToothGeometry(s);
                std::vector<Polygon> teeth;
                for (int k = 0; k < c.teeth; ++k) {
                    teeth.push_back(
                        OutlinePolygon(ComputeToothOutline(s, g, k * s.ToothPitch, c.direction)));
                }
                for (int k = 0; k < c.teeth; ++k) {
                    const Polygon& next = teeth[(k + 1) % c.teeth];
                    ASSERT_TRUE(IsSimple(teeth[k]))
                        << "tooth " << k << ", diameter " << diameter << ", rake " << rake
                        << ", clearance " << clearance;
                    ASSERT_FALSE(Overlap(teeth[k], next))
                        << "teeth " << k << " and " << k + 1 << ", diameter " << diameter
                        << ", rake " << rake << ", clearance " << clearance;
                }
            }
        }
    }
}

std::vector<OutlineGridCase> OutlineGridCases() {
    std::vector<OutlineGridCase> cases;
    for (const MillingDirection direction : {MillingDirection::Up, MillingDirection::Down}) {
        for (int teeth = 4; teeth <= 20; ++teeth) {
            cases.push_back({teeth, direction});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryCount, OutlineGridTest, ::testing::ValuesIn(OutlineGridCases()),
                         OutlineGridName);

} // namespace
} // namespace cutter
