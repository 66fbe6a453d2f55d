// Figures drawn through the rasteriser's shortcuts (lines clipped once, single steps, wide
// stores, counted edge lists, one-colour pies, integer wide-line tests) against references
// written straight from the pixel rules, pixel by pixel, including the cases the shortcuts
// single out: clip edges on every side, coordinates far outside, many crossings in one row.
#include "canvas/canvas.h"
#include "canvas/pixel_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace canvas {
namespace {

using test::kGrey;
using test::kRed;
constexpr Colour kTeal = 0xB4AAAA;

using test::FloorDivision;
using test::LinePixel;
using test::PixelSet;
using test::PixelsOf;
using test::PixelsWhere;
using test::ReferenceLine;

// --- 1-px lines that cross the clip ---

struct ClippedLineCase {
    const char* name;
    CanvasRect clip;
    int x0, y0, x1, y1;
};

void PrintTo(const ClippedLineCase& c, std::ostream* os) {
    *os << c.name;
}

class ClippedLineTest : public ::testing::TestWithParam<ClippedLineCase> {};

TEST_P(ClippedLineTest, SolidDottedAndNotXorPixelsFollowTheRule) {
    const ClippedLineCase& c = GetParam();
    const std::vector<LinePixel> expected = ReferenceLine(c.x0, c.y0, c.x1, c.y1, c.clip);

    Canvas solid(40, 40);
    solid.ClipToRect(c.clip);
    solid.SetPenColour(kRed);
    solid.MoveTo(c.x0, c.y0);
    solid.LineTo(c.x1, c.y1);
    PixelSet solidPixels;
    for (const LinePixel& p : expected) {
        solidPixels.insert({p.x, p.y});
    }
    EXPECT_EQ(PixelsOf(solid, kRed), solidPixels);
    EXPECT_EQ(PixelsOf(solid, kColourWhite).size(), 1600 - solidPixels.size());

    // Dotted: three on, three off, counted from the line's start even where it is clipped.
    Canvas dotted(40, 40);
    dotted.ClipToRect(c.clip);
    dotted.SetPen({kRed, 1, PenStyle::Dotted, PenMode::Copy});
    dotted.SetBackColour(kGrey);
    dotted.MoveTo(c.x0, c.y0);
    dotted.LineTo(c.x1, c.y1);
    PixelSet on;
    PixelSet off;
    for (const LinePixel& p : expected) {
        ((p.step / 3) % 2 == 0 ? on : off).insert({p.x, p.y});
    }
    EXPECT_EQ(PixelsOf(dotted, kRed), on);
    EXPECT_EQ(PixelsOf(dotted, kGrey), off);

    // Not-xor over grey writes every pixel of the line once: twice restores the picture.
    Canvas inverted(40, 40, kGrey);
    inverted.ClipToRect(c.clip);
    inverted.SetPen({kColourBlack, 1, PenStyle::Solid, PenMode::NotXor});
    inverted.MoveTo(c.x0, c.y0);
    inverted.LineTo(c.x1, c.y1);
    EXPECT_EQ(PixelsOf(inverted, kGrey ^ 0xFFFFFFu).size(), solidPixels.size());
    inverted.MoveTo(c.x0, c.y0);
    inverted.LineTo(c.x1, c.y1);
    EXPECT_EQ(PixelsOf(inverted, kGrey).size(), 1600u);
}

constexpr int kFar = 2000000000;

INSTANTIATE_TEST_SUITE_P(
    Lines, ClippedLineTest,
    ::testing::Values(ClippedLineCase{"FromFarLeft", {0, 0, 40, 40}, -1000, 7, 30, 25},
                      ClippedLineCase{"ToFarBelow", {0, 0, 40, 40}, 5, 5, 17, 900},
                      ClippedLineCase{"AcrossEverySide", {5, 5, 35, 30}, -50, -30, 90, 70},
                      ClippedLineCase{
                          "SteepUpLeftThroughTopAndBottom", {0, 0, 40, 40}, 38, 45, 2, -20},
                      ClippedLineCase{"MinorLeavesBeforeMajor", {0, 0, 40, 10}, 0, 2, 39, 25},
                      ClippedLineCase{"MinorEntersLate", {0, 0, 40, 10}, 39, 25, 0, 2},
                      ClippedLineCase{"LeftwardThroughRightEdge", {3, 0, 30, 40}, 39, 12, 1, 30},
                      ClippedLineCase{"MissesTheClip", {0, 0, 40, 20}, 0, 30, 30, 39},
                      ClippedLineCase{"HorizontalDottedAcross", {4, 0, 33, 40}, 0, 20, 40, 20},
                      ClippedLineCase{"EndOnTheClipEdge", {0, 0, 40, 40}, 0, 17, 40, 17},
                      ClippedLineCase{"FarShallowBothWays", {0, 0, 40, 40}, -kFar, 5, kFar, 30},
                      ClippedLineCase{"FarSteepUpward", {0, 0, 40, 40}, 31, kFar, 9, -kFar}),
    [](const ::testing::TestParamInfo<ClippedLineCase>& info) {
        return std::string(info.param.name);
    });

constexpr std::pair<PenStyle, PenMode> kShortLinePens[] = {{PenStyle::Solid, PenMode::Copy},
                                                           {PenStyle::Dotted, PenMode::Copy},
                                                           {PenStyle::Solid, PenMode::NotXor}};

TEST(ShortLineTest, OneStepDrawsTheStartPixelAndTwoStepsFollowTheRule) {
    const CanvasRect clip{2, 2, 9, 9};
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            // From the middle, and from a corner of the clip, where some steps fall outside.
            for (const auto& [x0, y0] : std::vector<std::pair<int, int>>{{5, 5}, {2, 8}, {1, 5}}) {
                for (const auto& [style, mode] : kShortLinePens) {
                    // Not-xor on the white field gives the pen's colour for a pixel drawn once.
                    Canvas canvas(11, 11);
                    canvas.ClipToRect(clip);
                    canvas.SetPen({kRed, 1, style, mode});
                    canvas.MoveTo(x0, y0);
                    canvas.LineTo(x0 + dx, y0 + dy);
                    PixelSet expected;
                    for (const LinePixel& p : ReferenceLine(x0, y0, x0 + dx, y0 + dy, clip)) {
                        expected.insert({p.x, p.y}); // two steps: both "on" when dotted
                    }
                    EXPECT_EQ(PixelsOf(canvas, kRed), expected)
                        << "from " << x0 << "," << y0 << " by " << dx << "," << dy;
                }
            }
        }
    }
}

TEST(ShortLineTest, OneStepInNotXorModeInvertsOnePixel) {
    Canvas canvas(6, 6, kGrey);
    canvas.SetPen({kColourBlack, 1, PenStyle::Solid, PenMode::NotXor});
    canvas.MoveTo(2, 2);
    canvas.LineTo(3, 1);
    EXPECT_EQ(canvas.PixelAt(2, 2), kGrey ^ 0xFFFFFFu);
    EXPECT_EQ(PixelsOf(canvas, kGrey).size(), 35u);
    canvas.LineTo(2, 2); // one step back from (3, 1)
    EXPECT_EQ(canvas.PixelAt(3, 1), kGrey ^ 0xFFFFFFu);
}

// --- Spans: short ones stored in place, long ones with wide stores or a byte fill ---

struct SpanCase {
    const char* name;
    int left;
    int width;
    Colour colour;
};

void PrintTo(const SpanCase& c, std::ostream* os) {
    *os << c.name;
}

class SpanFillTest : public ::testing::TestWithParam<SpanCase> {};

TEST_P(SpanFillTest, FillsExactlyTheSpanAndNotXorRestores) {
    const SpanCase& c = GetParam();
    Canvas canvas(140, 3, kColourBlack);
    canvas.SetPenStyle(PenStyle::Clear);
    canvas.SetBrushColour(c.colour);
    canvas.Rectangle(c.left, 1, c.left + c.width, 2);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 140; ++x) {
            const bool inside = y == 1 && x >= c.left && x < c.left + c.width;
            ASSERT_EQ(canvas.PixelAt(x, y), inside ? c.colour : kColourBlack) << x << "," << y;
        }
    }
    const QImage before = canvas.Image().copy();
    canvas.SetPenMode(PenMode::NotXor);
    canvas.Rectangle(c.left, 0, c.left + c.width, 3);
    EXPECT_EQ(canvas.PixelAt(c.left, 0), c.colour ^ 0xFFFFFFu);
    EXPECT_EQ(canvas.PixelAt(c.left + c.width - 1, 1), kColourWhite);
    canvas.Rectangle(c.left, 0, c.left + c.width, 3);
    EXPECT_EQ(canvas.Image(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, SpanFillTest,
    ::testing::Values(
        SpanCase{"OnePixel", 3, 1, kTeal}, SpanCase{"TwoPixels", 6, 2, kTeal},
        SpanCase{"ThreePixels", 1, 3, kTeal}, SpanCase{"FourPixels", 2, 4, kTeal},
        SpanCase{"FivePixels", 7, 5, kTeal}, SpanCase{"LongestShort", 5, 8, kTeal},
        SpanCase{"FirstLong", 5, 9, kTeal}, SpanCase{"OneWideStore", 1, 8, kTeal},
        SpanCase{"WideStoresAndTail", 3, 37, kTeal}, SpanCase{"TwoWholeStores", 2, 16, kTeal},
        SpanCase{"TailOverlapsAllButOne", 4, 17, kTeal}, SpanCase{"Unaligned", 7, 121, kTeal},
        SpanCase{"WhiteShort", 2, 5, kColourWhite}, SpanCase{"WhiteLong", 1, 133, kColourWhite},
        SpanCase{"AlmostWhite", 1, 133, 0xFFFFFE}),
    [](const ::testing::TestParamInfo<SpanCase>& info) { return std::string(info.param.name); });

// --- Polygons: even-odd fill from the crossings rounded up ---

// Inside when an odd number of the row's crossings (each edge's x0 + ceil of its slope times
// the rows from its upper end) lie at or left of the pixel.
bool ReferenceInside(const std::vector<CanvasPoint>& points, long long x, long long y) {
    int crossings = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const CanvasPoint& a = points[i];
        const CanvasPoint& b = points[(i + 1) % points.size()];
        if (a.y == b.y) {
            continue;
        }
        const CanvasPoint& top = a.y < b.y ? a : b;
        const CanvasPoint& bottom = a.y < b.y ? b : a;
        if (y < top.y || y >= bottom.y) {
            continue;
        }
        const long long dy = bottom.y - top.y;
        const long long n = (y - top.y) * (static_cast<long long>(bottom.x) - top.x);
        const long long crossing = top.x - FloorDivision(-n, dy);
        crossings += crossing <= x ? 1 : 0;
    }
    return crossings % 2 == 1;
}

struct PolygonCase {
    const char* name;
    std::vector<CanvasPoint> points;
};

void PrintTo(const PolygonCase& c, std::ostream* os) {
    *os << c.name;
}

class PolygonReferenceTest : public ::testing::TestWithParam<PolygonCase> {};

TEST_P(PolygonReferenceTest, FillMatchesTheEvenOddRuleInsideAndAcrossTheClip) {
    const PolygonCase& c = GetParam();
    for (const CanvasRect clip : {CanvasRect{0, 0, 64, 64}, CanvasRect{9, 13, 50, 41}}) {
        Canvas canvas(64, 64);
        canvas.ClipToRect(clip);
        canvas.SetPenStyle(PenStyle::Clear);
        canvas.SetBrushColour(kTeal);
        canvas.Polygon(c.points);
        const PixelSet expected =
            PixelsWhere(clip, [&](int x, int y) { return ReferenceInside(c.points, x, y); });
        EXPECT_EQ(PixelsOf(canvas, kTeal), expected) << clip.left;
    }
}

// A cut surface as the workpiece has it: many points, most a pixel apart, repeated points and
// level runs, scallops that rise and fall within a few rows.
std::vector<CanvasPoint> SampledScallops() {
    std::vector<CanvasPoint> points{{63, 63}, {2, 63}, {2, 30}};
    for (int i = 0; i <= 240; ++i) {
        const double x = 2 + i * 0.25;
        const double phase = std::fmod(x, 12.0) - 6.0;
        points.push_back({static_cast<int>(x), 30 + static_cast<int>(phase * phase / 5.0)});
    }
    points.push_back({63, 37});
    return points;
}

// Spikes around a centre: far more than 32 crossings in the middle rows.
std::vector<CanvasPoint> Star(int spikes) {
    std::vector<CanvasPoint> points;
    for (int i = 0; i < 2 * spikes; ++i) {
        const double a = 3.14159265358979 * i / spikes;
        const double r = i % 2 == 0 ? 31.0 : 6.0;
        points.push_back({32 + static_cast<int>(std::lround(r * std::cos(a))),
                          32 + static_cast<int>(std::lround(r * std::sin(a)))});
    }
    return points;
}

// A comb whose teeth all cross the same rows: 2 x 24 crossings per row.
std::vector<CanvasPoint> Comb() {
    std::vector<CanvasPoint> points{{1, 60}};
    for (int t = 0; t < 24; ++t) {
        points.push_back({1 + t * 2 + (t % 3), 2 + t % 5});
        points.push_back({2 + t * 2 + (t % 3), 58});
    }
    points.push_back({62, 60});
    return points;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PolygonReferenceTest,
    ::testing::Values(
        PolygonCase{"SampledScallops", SampledScallops()}, PolygonCase{"Star", Star(40)},
        PolygonCase{"Comb", Comb()},
        PolygonCase{"ToothFromTheCentre",
                    {{30, 8}, {15, 60}, {34, 63}, {51, 58}, {40, 47}, {61, 40}, {30, 8}}},
        PolygonCase{"SelfCrossing", {{3, 3}, {60, 50}, {60, 3}, {3, 50}}},
        PolygonCase{"FarOutside", {{-kFar, -50}, {kFar / 2, 20}, {70, 90}, {-40, kFar}, {10, 30}}},
        PolygonCase{"EntirelyAboveTheClip", {{5, 1}, {60, 2}, {30, 12}}}),
    [](const ::testing::TestParamInfo<PolygonCase>& info) { return std::string(info.param.name); });

// --- Pies with the pen and the brush in one colour ---

struct PieReferenceCase {
    const char* name;
    int x1, y1, x2, y2, x3, y3, x4, y4;
};

void PrintTo(const PieReferenceCase& c, std::ostream* os) {
    *os << c.name;
}

class OneColourPieTest : public ::testing::TestWithParam<PieReferenceCase> {};

// The same pixels as the fill (clear pen) and the outline with the radii (clear brush) drawn
// one after the other.
TEST_P(OneColourPieTest, IsTheUnionOfItsFillAndItsOutline) {
    const PieReferenceCase& c = GetParam();
    for (const int width : {1, 3}) {
        Canvas together(60, 60);
        together.ClipToRect({0, 4, 60, 57});
        together.SetPen({kTeal, width, PenStyle::Solid, PenMode::Copy});
        together.SetBrushColour(kTeal);
        together.Pie(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4);

        Canvas apart(60, 60);
        apart.ClipToRect({0, 4, 60, 57});
        apart.SetPenStyle(PenStyle::Clear);
        apart.SetBrushColour(kTeal);
        apart.Pie(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4);
        apart.SetPen({kTeal, width, PenStyle::Solid, PenMode::Copy});
        apart.SetBrushStyle(BrushStyle::Clear);
        apart.Pie(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4);

        EXPECT_EQ(together.Image(), apart.Image()) << width;
        EXPECT_GT(PixelsOf(together, kTeal).size(), 20u);
    }
}

INSTANTIATE_TEST_SUITE_P(Sectors, OneColourPieTest,
                         ::testing::Values(PieReferenceCase{"HalfDisk", 4, 4, 56, 56, 50, 10, 10,
                                                            50},
                                           PieReferenceCase{"Narrow", 2, 3, 57, 50, 57, 20, 57, 30},
                                           PieReferenceCase{"Wide", 5, 5, 55, 55, 55, 30, 30, 55},
                                           PieReferenceCase{"Whole", 10, 1, 50, 59, 20, 20, 20, 20},
                                           PieReferenceCase{"OddBox", 3, 7, 48, 40, 0, 0, 48, 7}),
                         [](const ::testing::TestParamInfo<PieReferenceCase>& info) {
                             return std::string(info.param.name);
                         });

// Inside the pie's fill without a pen: the pixel centre in the ellipse inscribed in the box and
// in the counter-clockwise sector from the start ray to the end ray, in doubled coordinates
// about the box centre.
bool ReferenceInPie(const PieReferenceCase& c, long long x, long long y) {
    const long long sumX = c.x1 + c.x2;
    const long long sumY = c.y1 + c.y2;
    return test::InEllipse(c.x1, c.y1, c.x2, c.y2, 0, x, y) &&
           test::InSector(2LL * c.x3 - sumX, 2LL * c.y3 - sumY, 2LL * c.x4 - sumX,
                          2LL * c.y4 - sumY, 2 * x + 1 - sumX, 2 * y + 1 - sumY);
}

class PieReferenceTest : public ::testing::TestWithParam<PieReferenceCase> {};

TEST_P(PieReferenceTest, FillIsTheEllipseCutByTheSector) {
    const PieReferenceCase& c = GetParam();
    for (const CanvasRect clip : {CanvasRect{0, 0, 60, 60}, CanvasRect{7, 11, 45, 52}}) {
        Canvas canvas(60, 60);
        canvas.ClipToRect(clip);
        canvas.SetPenStyle(PenStyle::Clear);
        canvas.SetBrushColour(kTeal);
        canvas.Pie(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4);
        const PixelSet expected =
            PixelsWhere(clip, [&](int x, int y) { return ReferenceInPie(c, x, y); });
        EXPECT_EQ(PixelsOf(canvas, kTeal), expected) << clip.left;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sectors, PieReferenceTest,
    ::testing::Values(PieReferenceCase{"HalfDisk", 4, 4, 56, 56, 50, 10, 10, 50},
                      PieReferenceCase{"HalfDiskReversed", 4, 4, 56, 56, 10, 50, 50, 10},
                      PieReferenceCase{"Narrow", 2, 3, 57, 50, 57, 20, 57, 30},
                      PieReferenceCase{"Wide", 5, 5, 55, 55, 55, 30, 30, 55},
                      PieReferenceCase{"SteepRays", 1, 2, 58, 59, 31, -400, 27, 900},
                      PieReferenceCase{"Whole", 10, 1, 50, 59, 20, 20, 20, 20},
                      PieReferenceCase{"OddBox", 3, 7, 48, 40, 0, 0, 48, 7},
                      PieReferenceCase{"FarRays", 6, 6, 54, 50, -1000000, 3, 17, 1000000}),
    [](const ::testing::TestParamInfo<PieReferenceCase>& info) {
        return std::string(info.param.name);
    });

// --- Wide lines: the band of the pen's width about the segment, round caps ---

bool ReferenceCovered(long long x0, long long y0, long long x1, long long y1, int width,
                      long long x, long long y) {
    if (std::make_pair(y1, x1) < std::make_pair(y0, x0)) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const double r = width / 2.0;
    const double dx = static_cast<double>(x1 - x0);
    const double dy = static_cast<double>(y1 - y0);
    const double px = static_cast<double>(x - x0);
    const double py = static_cast<double>(y - y0);
    const double len2 = dx * dx + dy * dy;
    const double along = dx * px + dy * py;
    const double across = dx * py - dy * px;
    const double rLen = r * std::sqrt(len2);
    if (len2 > 0 && along >= 0 && along <= len2 && across >= -rLen && across < rLen) {
        return true;
    }
    const double qx = static_cast<double>(x - x1);
    const double qy = static_cast<double>(y - y1);
    return px * px + py * py < r * r || qx * qx + qy * qy < r * r;
}

struct WideLineCase {
    const char* name;
    int x0, y0, x1, y1;
};

void PrintTo(const WideLineCase& c, std::ostream* os) {
    *os << c.name;
}

class WideLineReferenceTest : public ::testing::TestWithParam<WideLineCase> {};

TEST_P(WideLineReferenceTest, CoversThePixelsOfTheBandAndTheCaps) {
    const WideLineCase& c = GetParam();
    for (const int width : {2, 3, 4, 7}) {
        Canvas canvas(48, 48);
        canvas.SetPen({kRed, width, PenStyle::Solid, PenMode::Copy});
        canvas.MoveTo(c.x0, c.y0);
        canvas.LineTo(c.x1, c.y1);
        const PixelSet expected = PixelsWhere({0, 0, 48, 48}, [&](int x, int y) {
            return ReferenceCovered(c.x0, c.y0, c.x1, c.y1, width, x, y);
        });
        EXPECT_EQ(PixelsOf(canvas, kRed), expected) << "width " << width;
    }
}

// Many short segments in every direction, each end near the picture or past its edge, as the
// gullet chords are: every pixel against the reference test.
TEST(WideLineSweepTest, EverySegmentCoversThePixelsOfTheReference) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> coordinate(-6, 45);
    for (int i = 0; i < 1500; ++i) {
        const int x0 = coordinate(random);
        const int y0 = coordinate(random);
        const int x1 = coordinate(random);
        const int y1 = coordinate(random);
        const int width = 2 + i % 5;
        Canvas canvas(40, 40);
        canvas.SetPen({kRed, width, PenStyle::Solid, PenMode::Copy});
        canvas.MoveTo(x0, y0);
        canvas.LineTo(x1, y1);
        const PixelSet expected = PixelsWhere({0, 0, 40, 40}, [&](int x, int y) {
            return ReferenceCovered(x0, y0, x1, y1, width, x, y);
        });
        ASSERT_EQ(PixelsOf(canvas, kRed), expected)
            << "(" << x0 << ", " << y0 << ")-(" << x1 << ", " << y1 << ") width " << width;
    }
}

constexpr int kBeyondExact = 1 << 25; // end points past the integer test's range

INSTANTIATE_TEST_SUITE_P(
    Segments, WideLineReferenceTest,
    ::testing::Values(WideLineCase{"Chord", 20, 40, 44, 25}, WideLineCase{"Steep", 9, 3, 14, 45},
                      WideLineCase{"Shallow", 2, 30, 45, 33},
                      WideLineCase{"Horizontal", 5, 20, 40, 20},
                      WideLineCase{"Vertical", 24, 44, 24, 4}, WideLineCase{"Dot", 20, 20, 20, 20},
                      WideLineCase{"Diagonal", 44, 3, 3, 44},
                      WideLineCase{"FarShallow", -kBeyondExact, -kBeyondExact / 2, kBeyondExact,
                                   kBeyondExact / 2 + 40},
                      WideLineCase{"FarSteep", 12, -kBeyondExact, 30, kBeyondExact},
                      WideLineCase{"VerticalFromAbove", 20, -10, 20, 30},
                      WideLineCase{"VerticalPastBothEnds", 30, -20, 30, 70},
                      WideLineCase{"VerticalAtTheLeftEdge", 0, 40, 0, 6},
                      WideLineCase{"VerticalStartingBelow", 10, 60, 10, 30},
                      WideLineCase{"FarVertical", 17, -kBeyondExact, 17, kBeyondExact}),
    [](const ::testing::TestParamInfo<WideLineCase>& info) {
        return std::string(info.param.name);
    });

} // namespace
} // namespace canvas
