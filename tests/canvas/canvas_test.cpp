#include "canvas/canvas.h"
#include "canvas/pixel_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace canvas {
namespace {

using test::kGrey;
using test::kRed;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;

using test::CountColour;
using test::InkBox;

TEST(CanvasTest, StartsFilledWithDefaultState) {
    Canvas canvas(5, 4, kRed);
    EXPECT_EQ(canvas.Width(), 5);
    EXPECT_EQ(canvas.Height(), 4);
    EXPECT_EQ(CountColour(canvas, kRed), 20);
    EXPECT_EQ(canvas.GetPen(), Pen{});
    EXPECT_EQ(canvas.GetBrush(), Brush{});
    EXPECT_EQ(canvas.BackColour(), kColourWhite);
    EXPECT_EQ(canvas.GetBackMode(), BackMode::Opaque);
    EXPECT_EQ(canvas.ClipRect(), (CanvasRect{0, 0, 5, 4}));
    EXPECT_EQ(canvas.PixelAt(-1, 0), kColourBlack);
    EXPECT_EQ(canvas.PixelAt(5, 0), kColourBlack);
}

TEST(CanvasTest, RectangleOutlineInsideAndRightBottomExclusive) {
    Canvas canvas(12, 12);
    canvas.SetBrushColour(kRed);
    canvas.Rectangle(2, 3, 8, 7);
    EXPECT_EQ(canvas.PixelAt(2, 3), kColourBlack);
    EXPECT_EQ(canvas.PixelAt(7, 3), kColourBlack);
    EXPECT_EQ(canvas.PixelAt(7, 6), kColourBlack);
    EXPECT_EQ(canvas.PixelAt(2, 6), kColourBlack);
    EXPECT_EQ(canvas.PixelAt(3, 4), kRed);
    EXPECT_EQ(canvas.PixelAt(6, 5), kRed);
    EXPECT_EQ(InkBox(canvas, kColourWhite), (CanvasRect{2, 3, 8, 7}));
    EXPECT_EQ(CountColour(canvas, kRed), 4 * 2);
}

TEST(CanvasTest, RectangleCornersInAnyOrder) {
    Canvas a(10, 10);
    Canvas b(10, 10);
    a.Rectangle(1, 2, 6, 8);
    b.Rectangle(6, 8, 1, 2);
    EXPECT_EQ(a.Image(), b.Image());
}

TEST(CanvasTest, WidePenRectangleKeepsOutlineInside) {
    Canvas canvas(12, 12);
    canvas.SetPenWidth(2);
    canvas.SetBrushColour(kRed);
    canvas.Rectangle(1, 1, 9, 9);
    EXPECT_EQ(InkBox(canvas, kColourWhite), (CanvasRect{1, 1, 9, 9}));
    EXPECT_EQ(canvas.PixelAt(2, 2), kColourBlack);
    EXPECT_EQ(canvas.PixelAt(3, 3), kRed);
    EXPECT_EQ(canvas.PixelAt(6, 6), kRed);
    EXPECT_EQ(canvas.PixelAt(7, 7), kColourBlack);
    EXPECT_EQ(CountColour(canvas, kRed), 16);
}

TEST(CanvasTest, ClearPenRectangleFillsTheWholeBox) {
    Canvas canvas(10, 10);
    canvas.SetPenStyle(PenStyle::Clear);
    canvas.SetBrushColour(kBlue);
    canvas.Rectangle(2, 2, 5, 6);
    EXPECT_EQ(CountColour(canvas, kBlue), 12);
    EXPECT_EQ(InkBox(canvas, kColourWhite), (CanvasRect{2, 2, 5, 6}));
}

TEST(CanvasTest, FillRectUsesBrushOnly) {
    Canvas canvas(10, 10);
    canvas.SetBrushColour(kGreen);
    canvas.FillRect({1, 2, 4, 3});
    EXPECT_EQ(CountColour(canvas, kGreen), 3);
    EXPECT_EQ(CountColour(canvas, kColourBlack), 0);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.FillRect({0, 0, 10, 10});
    EXPECT_EQ(CountColour(canvas, kGreen), 3);
}

struct LineCase {
    const char* name;
    CanvasPoint from;
    CanvasPoint to;
    std::vector<CanvasPoint> pixels; // exactly the pixels drawn
};

class ThinLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(ThinLineTest, DrawsAllButTheEndPixel) {
    const LineCase& c = GetParam();
    Canvas canvas(12, 12);
    canvas.MoveTo(c.from.x, c.from.y);
    canvas.LineTo(c.to.x, c.to.y);
    EXPECT_EQ(canvas.PenPos(), c.to);
    EXPECT_EQ(CountColour(canvas, kColourBlack), static_cast<int>(c.pixels.size()));
    for (const CanvasPoint& p : c.pixels) {
        EXPECT_EQ(canvas.PixelAt(p.x, p.y), kColourBlack) << p.x << "," << p.y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ThinLineTest,
    ::testing::Values(LineCase{"Right", {2, 5}, {6, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
                      LineCase{"Left", {6, 5}, {2, 5}, {{6, 5}, {5, 5}, {4, 5}, {3, 5}}},
                      LineCase{"Down", {3, 1}, {3, 4}, {{3, 1}, {3, 2}, {3, 3}}},
                      LineCase{"Up", {3, 4}, {3, 1}, {{3, 4}, {3, 3}, {3, 2}}},
                      LineCase{"Diagonal", {1, 1}, {4, 4}, {{1, 1}, {2, 2}, {3, 3}}},
                      LineCase{"Shallow", {0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
                      LineCase{"Steep", {0, 0}, {1, 3}, {{0, 0}, {0, 1}, {1, 2}}},
                      LineCase{"ZeroLength", {4, 4}, {4, 4}, {}},
                      LineCase{"ClippedAtEdge", {-3, 2}, {2, 2}, {{0, 2}, {1, 2}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CanvasTest, ReversedLineCoversTheSamePixels) {
    // Apart from the excluded end pixel, A to B and B to A agree (ties round the same way).
    for (const auto& [a, b] : std::vector<std::pair<CanvasPoint, CanvasPoint>>{
             {{1, 1}, {9, 4}}, {{2, 9}, {8, 0}}, {{0, 0}, {3, 9}}, {{10, 2}, {1, 5}}}) {
        Canvas forward(12, 12);
        forward.MoveTo(a.x, a.y);
        forward.LineTo(b.x, b.y);
        forward.SetPixel(b.x, b.y, kColourBlack);
        Canvas backward(12, 12);
        backward.MoveTo(b.x, b.y);
        backward.LineTo(a.x, a.y);
        backward.SetPixel(a.x, a.y, kColourBlack);
        EXPECT_EQ(forward.Image(), backward.Image()) << a.x << "," << a.y;
    }
}

TEST(CanvasTest, WideLineCoversTheThinLineInBothDirections) {
    // A 2-px line painted over a polygon edge hides it whichever way it runs.
    for (const bool reversed : {false, true}) {
        Canvas canvas(80, 80);
        canvas.SetPenColour(kRed);
        canvas.MoveTo(67, 23);
        canvas.LineTo(12, 33);
        canvas.LineTo(30, 75);
        canvas.LineTo(67, 23);
        canvas.SetPen({kColourWhite, 2, PenStyle::Solid, PenMode::Copy});
        for (const auto& [a, b] : std::vector<std::pair<CanvasPoint, CanvasPoint>>{
                 {{67, 23}, {12, 33}}, {{12, 33}, {30, 75}}, {{30, 75}, {67, 23}}}) {
            canvas.MoveTo(reversed ? b.x : a.x, reversed ? b.y : a.y);
            canvas.LineTo(reversed ? a.x : b.x, reversed ? a.y : b.y);
        }
        EXPECT_EQ(CountColour(canvas, kRed), 0) << reversed;
    }
}

TEST(CanvasTest, PolylineLeavesCurrentPositionAlone) {
    Canvas canvas(10, 10);
    canvas.MoveTo(7, 7);
    const std::array<CanvasPoint, 3> pts{{{1, 1}, {5, 1}, {5, 4}}};
    canvas.Polyline(pts);
    EXPECT_EQ(canvas.PenPos(), (CanvasPoint{7, 7}));
    EXPECT_EQ(CountColour(canvas, kColourBlack), 7);
    EXPECT_EQ(canvas.PixelAt(5, 4), kColourWhite);
}

TEST(CanvasTest, DottedLineGapsTakeTheBackgroundWhenOpaque) {
    Canvas canvas(30, 3);
    canvas.SetPenStyle(PenStyle::Dotted);
    canvas.SetBackColour(kGrey);
    canvas.MoveTo(0, 1);
    canvas.LineTo(30, 1);
    int dots = 0;
    int gaps = 0;
    for (int x = 0; x < 30; ++x) {
        const Colour c = canvas.PixelAt(x, 1);
        ASSERT_TRUE(c == kColourBlack || c == kGrey) << x;
        dots += c == kColourBlack ? 1 : 0;
        gaps += c == kGrey ? 1 : 0;
    }
    EXPECT_GT(dots, 5);
    EXPECT_GT(gaps, 5);
    EXPECT_EQ(canvas.PixelAt(0, 1), kColourBlack);
    // Short dots: no run of more than three equal pixels.
    for (int x = 0; x + 3 < 30; ++x) {
        const Colour c = canvas.PixelAt(x, 1);
        EXPECT_FALSE(canvas.PixelAt(x + 1, 1) == c && canvas.PixelAt(x + 2, 1) == c &&
                     canvas.PixelAt(x + 3, 1) == c)
            << x;
    }
}

TEST(CanvasTest, DottedLineGapsUntouchedWhenTransparent) {
    Canvas canvas(30, 3);
    canvas.SetPenStyle(PenStyle::Dotted);
    canvas.SetBackMode(BackMode::Transparent);
    canvas.MoveTo(0, 1);
    canvas.LineTo(30, 1);
    const int dots = CountColour(canvas, kColourBlack);
    EXPECT_GT(dots, 5);
    EXPECT_EQ(dots + CountColour(canvas, kColourWhite), 90);
}

TEST(CanvasTest, BackgroundFollowsTheLastBrushUsedByAFigure) {
    Canvas canvas(40, 40);
    canvas.SetBrushColour(kGrey);
    EXPECT_EQ(canvas.BackColour(), kColourWhite); // not yet used
    canvas.Ellipse(0, 0, 10, 10);
    EXPECT_EQ(canvas.BackColour(), kGrey);
    EXPECT_EQ(canvas.GetBackMode(), BackMode::Opaque);
    canvas.SetBackMode(BackMode::Transparent); // explicit setting holds until the brush changes
    canvas.Rectangle(0, 20, 5, 25);
    EXPECT_EQ(canvas.GetBackMode(), BackMode::Transparent);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetBackMode(BackMode::Opaque);
    canvas.Polygon(std::array<CanvasPoint, 3>{{{0, 30}, {5, 30}, {0, 35}}});
    EXPECT_EQ(canvas.GetBackMode(), BackMode::Transparent);
    canvas.SetBrush({kRed, BrushStyle::Solid});
    canvas.MoveTo(0, 39); // lines do not use the brush
    canvas.LineTo(5, 39);
    EXPECT_EQ(canvas.BackColour(), kGrey);
    canvas.FillRect({30, 30, 31, 31});
    EXPECT_EQ(canvas.BackColour(), kRed);
}

TEST(CanvasTest, WideLineIsABandOfPenWidth) {
    Canvas canvas(20, 20);
    canvas.SetPenWidth(2);
    canvas.MoveTo(5, 10);
    canvas.LineTo(12, 10);
    EXPECT_EQ(canvas.PenPos(), (CanvasPoint{12, 10}));
    const CanvasRect box = InkBox(canvas, kColourWhite);
    EXPECT_EQ(box.top, 9);
    EXPECT_EQ(box.bottom, 11);
    EXPECT_LE(box.left, 5);
    EXPECT_GE(box.right, 12);
    for (int x = 5; x < 12; ++x) {
        EXPECT_EQ(canvas.PixelAt(x, 9), kColourBlack);
        EXPECT_EQ(canvas.PixelAt(x, 10), kColourBlack);
    }
}

TEST(CanvasTest, WideDiagonalLineHasNoHoles) {
    Canvas canvas(40, 40);
    canvas.SetPenWidth(2);
    canvas.MoveTo(3, 5);
    canvas.LineTo(30, 20);
    // Every column along the run carries at least two pen pixels, all adjacent.
    for (int x = 4; x < 29; ++x) {
        int n = 0;
        for (int y = 0; y < 40; ++y) {
            n += canvas.PixelAt(x, y) == kColourBlack ? 1 : 0;
        }
        EXPECT_GE(n, 2) << x;
        EXPECT_LE(n, 3) << x;
    }
}

TEST(CanvasTest, PolygonFillExcludesRightAndBottomWithoutPen) {
    Canvas canvas(20, 20);
    canvas.SetPenStyle(PenStyle::Clear);
    canvas.SetBrushColour(kRed);
    canvas.Polygon(std::array<CanvasPoint, 4>{{{2, 3}, {8, 3}, {8, 9}, {2, 9}}});
    EXPECT_EQ(InkBox(canvas, kColourWhite), (CanvasRect{2, 3, 8, 9}));
    EXPECT_EQ(CountColour(canvas, kRed), 36);
}

TEST(CanvasTest, PolygonOutlineCoversEveryEdgeIncludingTheClosingOne) {
    Canvas canvas(20, 20);
    canvas.SetBrushColour(kRed);
    canvas.Polygon(std::array<CanvasPoint, 4>{{{2, 3}, {8, 3}, {8, 9}, {2, 9}}});
    EXPECT_EQ(InkBox(canvas, kColourWhite), (CanvasRect{2, 3, 9, 10}));
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(canvas.PixelAt(2 + i, 3), kColourBlack);
        EXPECT_EQ(canvas.PixelAt(2 + i, 9), kColourBlack);
        EXPECT_EQ(canvas.PixelAt(2, 3 + i), kColourBlack);
        EXPECT_EQ(canvas.PixelAt(8, 3 + i), kColourBlack);
    }
    EXPECT_EQ(CountColour(canvas, kRed), 25);
}

TEST(CanvasTest, PolygonUsesTheEvenOddRule) {
    // Two overlapping squares traced as one outline: the overlap is outside.
    Canvas canvas(30, 30);
    canvas.SetPenStyle(PenStyle::Clear);
    canvas.SetBrushColour(kRed);
    canvas.Polygon(std::array<CanvasPoint, 10>{{{0, 0},
                                                {20, 0},
                                                {20, 20},
                                                {0, 20},
                                                {0, 0},
                                                {10, 10},
                                                {30, 10},
                                                {30, 30},
                                                {10, 30},
                                                {10, 10}}});
    EXPECT_EQ(canvas.PixelAt(5, 5), kRed);
    EXPECT_EQ(canvas.PixelAt(15, 15), kColourWhite);
    EXPECT_EQ(canvas.PixelAt(25, 25), kRed);
}

TEST(CanvasTest, DegeneratePolygonsAreSafe) {
    Canvas canvas(10, 10);
    canvas.Polygon(std::span<const CanvasPoint>{});
    canvas.Polygon(std::array<CanvasPoint, 1>{{{3, 3}}});
    EXPECT_EQ(CountColour(canvas, kColourWhite), 100);
    canvas.Polygon(std::array<CanvasPoint, 2>{{{1, 1}, {5, 1}}});
    EXPECT_EQ(CountColour(canvas, kColourBlack), 5);
    // Far-away vertices are clipped, not wrapped.
    canvas.SetBrushColour(kRed);
    canvas.Polygon(std::array<CanvasPoint, 3>{{{-32000, -32000}, {32000, -32000}, {0, 32000}}});
    EXPECT_EQ(canvas.PixelAt(5, 5), kRed);
}

TEST(CanvasTest, EllipseIsInscribedInItsBox) {
    Canvas canvas(300, 200);
    canvas.SetPen({kGrey, 1, PenStyle::Solid, PenMode::Copy});
    canvas.SetBrushColour(kGrey);
    canvas.Ellipse(100, 33, 200, 133);
    EXPECT_EQ(InkBox(canvas, kColourWhite), (CanvasRect{100, 33, 200, 133}));
    for (const CanvasPoint p : {CanvasPoint{100, 82},
                                {100, 83},
                                {199, 82},
                                {199, 83},
                                {149, 33},
                                {150, 33},
                                {149, 132},
                                {150, 132},
                                {150, 83}}) {
        EXPECT_EQ(canvas.PixelAt(p.x, p.y), kGrey) << p.x << "," << p.y;
    }
    for (const CanvasPoint p : {CanvasPoint{100, 33}, {199, 33}, {100, 132}, {199, 132}}) {
        EXPECT_EQ(canvas.PixelAt(p.x, p.y), kColourWhite) << p.x << "," << p.y;
    }
    // Symmetric about both axes of the box.
    for (int y = 33; y < 133; ++y) {
        for (int x = 100; x < 200; ++x) {
            ASSERT_EQ(canvas.PixelAt(x, y), canvas.PixelAt(299 - x, y)) << x << "," << y;
            ASSERT_EQ(canvas.PixelAt(x, y), canvas.PixelAt(x, 165 - y)) << x << "," << y;
        }
    }
}

TEST(CanvasTest, EllipseOutlineIsClosedAroundTheFill) {
    Canvas canvas(60, 40);
    canvas.SetBrushColour(kRed);
    canvas.Ellipse(5, 5, 55, 35);
    // No fill pixel touches the outside: every 4-neighbour of a red pixel is red or black.
    for (int y = 1; y < 39; ++y) {
        for (int x = 1; x < 59; ++x) {
            if (canvas.PixelAt(x, y) != kRed) {
                continue;
            }
            for (const CanvasPoint d : {CanvasPoint{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                ASSERT_NE(canvas.PixelAt(x + d.x, y + d.y), kColourWhite) << x << "," << y;
            }
        }
    }
    EXPECT_GT(CountColour(canvas, kRed), 900);
}

TEST(CanvasTest, PieCoversTheCounterClockwiseSector) {
    // The gullet half-disk: from the ray through (197, 228) counter-clockwise to the ray through
    // (142, 238), i.e. the half above the chord.
    Canvas canvas(300, 300);
    canvas.SetPen({kRed, 1, PenStyle::Solid, PenMode::Copy});
    canvas.SetBrushColour(kRed);
    canvas.Pie(142, 205, 198, 261, 197, 228, 142, 238);
    const CanvasRect box = InkBox(canvas, kColourWhite);
    EXPECT_GE(box.left, 142);
    EXPECT_GE(box.top, 205);
    EXPECT_LE(box.right, 198);
    EXPECT_LE(box.bottom, 261);
    EXPECT_EQ(canvas.PixelAt(170, 210), kRed);
    EXPECT_EQ(canvas.PixelAt(170, 256), kColourWhite);
    EXPECT_EQ(canvas.PixelAt(150, 225), kRed);
    EXPECT_EQ(canvas.PixelAt(190, 245), kColourWhite);
    const int half = CountColour(canvas, kRed);
    EXPECT_NEAR(half, 3.14159 * 28 * 28 / 2, 60);

    // Start and end swapped: the other half.
    Canvas other(300, 300);
    other.SetPen({kRed, 1, PenStyle::Solid, PenMode::Copy});
    other.SetBrushColour(kRed);
    other.Pie(142, 205, 198, 261, 142, 238, 197, 228);
    EXPECT_EQ(other.PixelAt(170, 210), kColourWhite);
    EXPECT_EQ(other.PixelAt(170, 256), kRed);
    EXPECT_NEAR(CountColour(other, kRed), half, 60);
}

struct PieCase {
    const char* name;
    CanvasPoint start;
    CanvasPoint end;
    double fraction; // of the whole disk
};

class PieSweepTest : public ::testing::TestWithParam<PieCase> {};

TEST_P(PieSweepTest, AreaMatchesTheSweep) {
    const PieCase& c = GetParam();
    Canvas canvas(100, 100);
    canvas.SetPen({kBlue, 1, PenStyle::Solid, PenMode::Copy});
    canvas.SetBrushColour(kBlue);
    canvas.Pie(10, 10, 90, 90, c.start.x, c.start.y, c.end.x, c.end.y);
    EXPECT_NEAR(CountColour(canvas, kBlue), c.fraction * 3.14159 * 40 * 40, 90);
}

INSTANTIATE_TEST_SUITE_P(Sweeps, PieSweepTest,
                         ::testing::Values(PieCase{"QuarterUpperRight", {90, 50}, {50, 0}, 0.25},
                                           PieCase{"ThreeQuarters", {50, 0}, {90, 50}, 0.75},
                                           PieCase{"HalfLower", {0, 50}, {100, 50}, 0.5},
                                           PieCase{"SameRayIsWhole", {70, 50}, {99, 50}, 1.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CanvasTest, ArcDrawsOnlyTheCurveWithThePen) {
    Canvas canvas(100, 100);
    canvas.SetBrushColour(kRed);
    canvas.Arc(10, 10, 90, 90, 90, 50, 50, 0); // upper right quarter
    EXPECT_EQ(CountColour(canvas, kRed), 0);
    EXPECT_EQ(canvas.BackColour(), kColourWhite); // arcs do not use the brush
    const CanvasRect box = InkBox(canvas, kColourWhite);
    EXPECT_GE(box.left, 49);
    EXPECT_LE(box.bottom, 51);
    EXPECT_EQ(canvas.PixelAt(70, 30), kColourWhite);
    EXPECT_GT(CountColour(canvas, kColourBlack), 40);
    EXPECT_LT(CountColour(canvas, kColourBlack), 90);
}

TEST(CanvasTest, NotXorDrawnTwiceRestoresThePicture) {
    Canvas canvas(40, 40);
    canvas.SetBrushColour(kGreen);
    canvas.Ellipse(0, 0, 30, 30);
    const QImage before = canvas.Image().copy();
    canvas.SetPen({kRed, 1, PenStyle::Solid, PenMode::NotXor});
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.Rectangle(5, 5, 35, 35);
    EXPECT_NE(canvas.Image(), before);
    // Black on white gives black; red on white gives red.
    EXPECT_EQ(canvas.PixelAt(34, 34), kRed);
    canvas.Rectangle(5, 5, 35, 35);
    EXPECT_EQ(canvas.Image(), before);
}

TEST(CanvasTest, ClipLimitsEveryOperationUntilRemoved) {
    Canvas canvas(20, 20);
    canvas.SetBrushColour(kRed);
    canvas.ClipToRect({5, 5, 10, 10});
    canvas.Rectangle(0, 0, 20, 20);
    canvas.MoveTo(0, 7);
    canvas.LineTo(20, 7);
    canvas.SetPixel(2, 2, kBlue);
    canvas.Ellipse(0, 0, 20, 20);
    EXPECT_EQ(InkBox(canvas, kColourWhite), (CanvasRect{5, 5, 10, 10}));
    canvas.RemoveClip();
    canvas.SetPixel(2, 2, kBlue);
    EXPECT_EQ(canvas.PixelAt(2, 2), kBlue);
    canvas.ClipToRect({-5, 15, 50, 50}); // limited to the bitmap
    EXPECT_EQ(canvas.ClipRect(), (CanvasRect{0, 15, 20, 20}));
}

TEST(CanvasTest, BlockCopyPlacesAndClipsTheSource) {
    Canvas source(4, 3, kRed);
    source.SetPixel(0, 0, kBlue);
    Canvas target(10, 10);
    target.Draw(2, 5, source);
    EXPECT_EQ(target.PixelAt(2, 5), kBlue);
    EXPECT_EQ(target.PixelAt(5, 7), kRed);
    EXPECT_EQ(CountColour(target, kRed) + CountColour(target, kBlue), 12);
    target.Draw(-2, -1, source);
    EXPECT_EQ(target.PixelAt(0, 0), kRed);
    EXPECT_EQ(target.PixelAt(1, 1), kRed);
    EXPECT_EQ(target.PixelAt(2, 0), kColourWhite);
    target.ClipToRect({8, 8, 10, 10});
    target.Draw(7, 7, source);
    EXPECT_EQ(target.PixelAt(7, 7), kColourWhite);
    EXPECT_EQ(target.PixelAt(8, 8), kRed);
}

TEST(CanvasTest, FiguresWriteOnlyTheColoursInUse) {
    Canvas canvas(120, 120);
    canvas.SetBrushColour(kGrey);
    canvas.SetPenColour(kRed);
    canvas.Rectangle(3, 3, 50, 40);
    canvas.SetPenWidth(2);
    canvas.Ellipse(20, 20, 90, 77);
    canvas.SetBrushColour(kGreen);
    canvas.Pie(40, 40, 110, 100, 0, 0, 110, 60);
    canvas.SetPenWidth(1);
    canvas.Polygon(
        std::array<CanvasPoint, 5>{{{10, 100}, {60, 80}, {100, 115}, {30, 60}, {5, 119}}});
    canvas.SetPenStyle(PenStyle::Dotted);
    canvas.MoveTo(0, 0);
    canvas.LineTo(119, 71);
    std::set<Colour> seen;
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 120; ++x) {
            seen.insert(canvas.PixelAt(x, y));
        }
    }
    EXPECT_EQ(seen, (std::set<Colour>{kColourWhite, kGrey, kRed, kGreen}));
}

TEST(CanvasTest, SystemColoursTranslateToPlainRgb) {
    EXPECT_EQ(ColourToRgb(0x80000005), kColourWhite); // window
    EXPECT_EQ(ColourToRgb(0x80000008), kColourBlack); // window text
    EXPECT_EQ(ColourToRgb(0x8000000F), 0xF0F0F0u);    // button face
    EXPECT_EQ(ColourToRgb(0x12345678), 0x345678u);
    Canvas canvas(2, 2, 0x80000005);
    EXPECT_EQ(canvas.PixelAt(1, 1), kColourWhite);
}

// --- Lines stepped without clip tests, copies between canvases ---

using test::PixelsOf;
using test::PixelsOfLine;
using test::ReferenceLine;

struct SegmentCase {
    const char* name;
    int x0, y0, x1, y1;
};

class UnclippedLineTest : public ::testing::TestWithParam<SegmentCase> {};

// Inside the clip the line is stepped without tests; with a clip that cuts its box it is drawn
// pixel by pixel. Both give the rule's pixels (cut to the clip).
TEST_P(UnclippedLineTest, SamepixelsInsideAndAcrossTheClip) {
    const SegmentCase& c = GetParam();
    const auto expected = PixelsOfLine(ReferenceLine(c.x0, c.y0, c.x1, c.y1, {0, 0, 40, 40}));
    Canvas open(40, 40);
    open.SetPenColour(kRed);
    open.MoveTo(c.x0, c.y0);
    open.LineTo(c.x1, c.y1);
    EXPECT_EQ(PixelsOf(open, kRed), expected);

    Canvas clipped(40, 40);
    clipped.SetPenColour(kRed);
    clipped.ClipToRect({0, 0, 40, 20});
    clipped.MoveTo(c.x0, c.y0);
    clipped.LineTo(c.x1, c.y1);
    EXPECT_EQ(PixelsOf(clipped, kRed),
              PixelsOfLine(ReferenceLine(c.x0, c.y0, c.x1, c.y1, {0, 0, 40, 20})));
}

INSTANTIATE_TEST_SUITE_P(
    Octants, UnclippedLineTest,
    ::testing::Values(
        SegmentCase{"ShallowRight", 2, 5, 37, 30}, SegmentCase{"ShallowLeft", 37, 30, 2, 5},
        SegmentCase{"SteepDown", 5, 1, 17, 38}, SegmentCase{"SteepUp", 17, 38, 5, 1},
        SegmentCase{"ShallowUpRight", 1, 33, 38, 12}, SegmentCase{"SteepUpLeft", 30, 39, 22, 0},
        SegmentCase{"Diagonal", 0, 0, 39, 39}, SegmentCase{"Vertical", 9, 3, 9, 36},
        SegmentCase{"HalfSteps", 3, 3, 13, 8}, SegmentCase{"OnePixel", 20, 20, 21, 25}),
    [](const ::testing::TestParamInfo<SegmentCase>& info) { return std::string(info.param.name); });

TEST(CanvasCopyTest, CanvasCopyKeepsPixelsAndClip) {
    Canvas source(10, 6, kBlue);
    source.SetPixel(0, 0, kRed);
    source.SetPixel(9, 5, kGreen);
    Canvas target(20, 20, kGrey);
    target.ClipToRect({0, 0, 14, 20});
    target.Draw(5, 3, source);
    EXPECT_EQ(target.PixelAt(5, 3), kRed);
    EXPECT_EQ(target.PixelAt(13, 8), kBlue);
    EXPECT_EQ(target.PixelAt(14, 8), kGrey); // clipped away with the green corner
    EXPECT_EQ(target.PixelAt(4, 3), kGrey);
    EXPECT_EQ(target.PixelAt(5, 9), kGrey);
    EXPECT_EQ(CountColour(target, kGreen), 0);
    EXPECT_EQ(target.Image().pixel(5, 3) >> 24, 0xFFu);
}

TEST(CanvasCopyTest, CopyOntoItselfReadsThePictureBeforeTheCopy) {
    Canvas canvas(8, 1, kGrey);
    for (int x = 0; x < 8; ++x) {
        canvas.SetPixel(x, 0, static_cast<Colour>(x + 1));
    }
    canvas.Draw(1, 0, canvas);
    EXPECT_EQ(canvas.PixelAt(0, 0), 1u);
    for (int x = 1; x < 8; ++x) {
        EXPECT_EQ(canvas.PixelAt(x, 0), static_cast<Colour>(x)) << x;
    }
}

} // namespace
} // namespace canvas
