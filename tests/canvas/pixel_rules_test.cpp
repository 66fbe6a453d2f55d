// The exact pixels of the canvas rules the pictures depend on: where a sloped polygon edge
// starts and ends a row, which pixels a line covers in each octant, and the dotted pen's
// pattern. The expected pixels are worked out by hand from the rules, not by the rasteriser.
#include "canvas/canvas.h"
#include "canvas/pixel_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace canvas {
namespace {

using test::kGrey;
using test::kRed;

// --- Polygon without a pen: a row is filled from the left crossing, rounded up, to the
// right crossing, rounded up and excluded ---

struct RowSpan {
    int y;
    int first; // first filled column
    int last;  // last filled column
};

struct SlopedPolygonCase {
    const char* name;
    std::vector<CanvasPoint> points;
    std::vector<RowSpan> rows; // every row the polygon fills, top to bottom
};

void PrintTo(const SlopedPolygonCase& c, std::ostream* os) {
    *os << c.name;
}

class SlopedPolygonTest : public ::testing::TestWithParam<SlopedPolygonCase> {};

TEST_P(SlopedPolygonTest, RowsStartAndEndAtTheCrossingsRoundedUp) {
    const SlopedPolygonCase& c = GetParam();
    Canvas canvas(24, 24);
    canvas.SetPenStyle(PenStyle::Clear);
    canvas.SetBrushColour(kRed);
    canvas.Polygon(c.points);
    std::vector<RowSpan> filled;
    for (int y = 0; y < canvas.Height(); ++y) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.PixelAt(x, y) == kRed) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        if (first >= 0) {
            filled.push_back({y, first, last});
        }
    }
    ASSERT_EQ(filled.size(), c.rows.size());
    for (std::size_t i = 0; i < filled.size(); ++i) {
        EXPECT_EQ(filled[i].y, c.rows[i].y);
        EXPECT_EQ(filled[i].first, c.rows[i].first) << "row " << c.rows[i].y;
        EXPECT_EQ(filled[i].last, c.rows[i].last) << "row " << c.rows[i].y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Polygons, SlopedPolygonTest,
    ::testing::Values(
        // Left edge x = 2 - y/3, right edge x = 7 + y/2.
        SlopedPolygonCase{"Trapezoid",
                          {{2, 0}, {7, 0}, {10, 6}, {0, 6}},
                          {{0, 2, 6}, {1, 2, 7}, {2, 2, 7}, {3, 1, 8}, {4, 1, 8}, {5, 1, 9}}},
        // A tooth flank: left edge x = 3 + 4y/5, right edge x = 12 - y/5.
        SlopedPolygonCase{"LeaningTooth",
                          {{3, 0}, {12, 0}, {11, 5}, {7, 5}},
                          {{0, 3, 11}, {1, 4, 11}, {2, 5, 11}, {3, 6, 11}, {4, 7, 11}}},
        // Edges running the other way round give the same rows.
        SlopedPolygonCase{"TrapezoidCounterClockwise",
                          {{0, 6}, {10, 6}, {7, 0}, {2, 0}},
                          {{0, 2, 6}, {1, 2, 7}, {2, 2, 7}, {3, 1, 8}, {4, 1, 8}, {5, 1, 9}}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Thin lines in the eight octants: one pixel per step of the longer axis, the other
// coordinate the nearest on the segment; the end pixel is left out ---

struct OctantCase {
    const char* name;
    CanvasPoint to; // the line runs from (8, 8)
    std::vector<CanvasPoint> pixels;
};

void PrintTo(const OctantCase& c, std::ostream* os) {
    *os << c.name;
}

class OctantLineTest : public ::testing::TestWithParam<OctantCase> {};

TEST_P(OctantLineTest, CoversExactlyTheNearestPixels) {
    const OctantCase& c = GetParam();
    Canvas canvas(17, 17);
    canvas.MoveTo(8, 8);
    canvas.LineTo(c.to.x, c.to.y);
    std::vector<CanvasPoint> drawn;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.PixelAt(x, y) == kColourBlack) {
                drawn.push_back({x, y});
            }
        }
    }
    std::vector<CanvasPoint> expected = c.pixels;
    std::sort(expected.begin(), expected.end(),
              [](CanvasPoint a, CanvasPoint b) { return std::tie(a.y, a.x) < std::tie(b.y, b.x); });
    EXPECT_EQ(drawn, expected);
}

// Offsets 7 and 3: i x 3 / 7 never ends in a half, so every octant is the mirror of the first.
INSTANTIATE_TEST_SUITE_P(
    Octants, OctantLineTest,
    ::testing::Values(
        OctantCase{"EastSouthEast",
                   {15, 11},
                   {{8, 8}, {9, 8}, {10, 9}, {11, 9}, {12, 10}, {13, 10}, {14, 11}}},
        OctantCase{"SouthSouthEast",
                   {11, 15},
                   {{8, 8}, {8, 9}, {9, 10}, {9, 11}, {10, 12}, {10, 13}, {11, 14}}},
        OctantCase{"SouthSouthWest",
                   {5, 15},
                   {{8, 8}, {8, 9}, {7, 10}, {7, 11}, {6, 12}, {6, 13}, {5, 14}}},
        OctantCase{
            "WestSouthWest", {1, 11}, {{8, 8}, {7, 8}, {6, 9}, {5, 9}, {4, 10}, {3, 10}, {2, 11}}},
        OctantCase{
            "WestNorthWest", {1, 5}, {{8, 8}, {7, 8}, {6, 7}, {5, 7}, {4, 6}, {3, 6}, {2, 5}}},
        OctantCase{
            "NorthNorthWest", {5, 1}, {{8, 8}, {8, 7}, {7, 6}, {7, 5}, {6, 4}, {6, 3}, {5, 2}}},
        OctantCase{
            "NorthNorthEast", {11, 1}, {{8, 8}, {8, 7}, {9, 6}, {9, 5}, {10, 4}, {10, 3}, {11, 2}}},
        OctantCase{"EastNorthEast",
                   {15, 5},
                   {{8, 8}, {9, 8}, {10, 7}, {11, 7}, {12, 6}, {13, 6}, {14, 5}}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The dotted pen: three pixels on, three off, counted from the start of each line ---

TEST(DottedPenTest, ThreeOnThreeOffFromTheStartOfEveryLine) {
    Canvas canvas(20, 4);
    canvas.SetPenStyle(PenStyle::Dotted);
    canvas.SetBackColour(kGrey);
    canvas.MoveTo(0, 1);
    canvas.LineTo(14, 1);
    canvas.LineTo(14, 3); // a new line starts with a dot again
    // Columns 0..13 are the first line; column 14 is the first pixel of the second.
    const std::string expectedRow = "xxx---xxx---xxx.....";
    std::string row;
    for (int x = 0; x < canvas.Width(); ++x) {
        const Colour c = canvas.PixelAt(x, 1);
        row += c == kColourBlack ? 'x' : c == kGrey ? '-' : '.';
    }
    EXPECT_EQ(row, expectedRow);
    EXPECT_EQ(canvas.PixelAt(14, 2), kColourBlack);
    EXPECT_EQ(canvas.PixelAt(14, 3), kColourWhite); // its end pixel is left out
}

TEST(DottedPenTest, TheDiagonalPatternCountsSteps) {
    Canvas canvas(10, 10);
    canvas.SetPenStyle(PenStyle::Dotted);
    canvas.SetBackColour(kGrey);
    canvas.MoveTo(0, 0);
    canvas.LineTo(8, 8);
    const std::array<Colour, 8> expected{kColourBlack, kColourBlack, kColourBlack, kGrey,
                                         kGrey,        kGrey,        kColourBlack, kColourBlack};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(canvas.PixelAt(i, i), expected[i]) << i;
    }
}

} // namespace
} // namespace canvas
