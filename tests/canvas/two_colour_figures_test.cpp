// Ellipses and pies with an outline in one colour around a fill in another, every pixel of the
// canvas against a reference written from the pixel rules: the outline is the band of the pen's
// width inside the box (the ellipse of the box less the ellipse of the box shrunk by the pen
// width on every side), the fill is the shrunk ellipse, a pie keeps both inside its sector and
// draws its two radii with the pen last, and nothing else changes.
#include "canvas/canvas.h"
#include "canvas/pixel_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace canvas {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kPen = 0x0000FF;
constexpr Colour kFill = 0x8C8C8C;
constexpr int kSize = 64;

struct FigureCase {
    const char* name;
    int x1, y1, x2, y2; // the box, in any corner order
    int penWidth;
    CanvasRect clip;
    bool pie = false;
    int x3 = 0, y3 = 0, x4 = 0, y4 = 0; // the rays of a pie
};

void PrintTo(const FigureCase& c, std::ostream* os) {
    *os << c.name;
}

// The colour the reference gives pixel (x, y): pen, fill or untouched white.
std::vector<Colour> Reference(const FigureCase& c) {
    std::vector<Colour> pixels(kSize * kSize, kWhite);
    const long long sumX = c.x1 + c.x2;
    const long long sumY = c.y1 + c.y2;
    const auto inSector = [&](long long x, long long y) {
        return !c.pie || test::InSector(2LL * c.x3 - sumX, 2LL * c.y3 - sumY, 2LL * c.x4 - sumX,
                                        2LL * c.y4 - sumY, 2 * x + 1 - sumX, 2 * y + 1 - sumY);
    };
    for (int y = c.clip.top; y < c.clip.bottom; ++y) {
        for (int x = c.clip.left; x < c.clip.right; ++x) {
            if (!test::InEllipse(c.x1, c.y1, c.x2, c.y2, 0, x, y) || !inSector(x, y)) {
                continue;
            }
            const bool fill = test::InEllipse(c.x1, c.y1, c.x2, c.y2, c.penWidth, x, y);
            pixels[y * kSize + x] = fill ? kFill : kPen;
        }
    }
    const bool whole = c.x3 * 2 - sumX == c.x4 * 2 - sumX && c.y3 * 2 - sumY == c.y4 * 2 - sumY;
    if (c.pie && !whole) {
        // Each radius runs from the centre pixel to where its ray leaves the ellipse whose axes
        // pass through the outermost pixel centres.
        const double cx = sumX / 2.0;
        const double cy = sumY / 2.0;
        const double ra = std::abs(c.x2 - c.x1) / 2.0 - 0.5;
        const double rb = std::abs(c.y2 - c.y1) / 2.0 - 0.5;
        for (const auto& [rx, ry] : {std::pair{c.x3, c.y3}, std::pair{c.x4, c.y4}}) {
            const double dx = rx - cx;
            const double dy = ry - cy;
            const double t = 1 / std::hypot(dx / ra, dy / rb);
            for (const test::LinePixel& p : test::ReferenceLine(
                     static_cast<long long>(std::floor(cx)), static_cast<long long>(std::floor(cy)),
                     static_cast<long long>(std::floor(cx + t * dx)),
                     static_cast<long long>(std::floor(cy + t * dy)), c.clip)) {
                pixels[p.y * kSize + p.x] = kPen;
            }
        }
    }
    return pixels;
}

class TwoColourFigureTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(TwoColourFigureTest, EveryPixelAsTheReferenceGivesIt) {
    const FigureCase& c = GetParam();
    Canvas canvas(kSize, kSize);
    canvas.ClipToRect(c.clip);
    canvas.SetPen({kPen, c.penWidth, PenStyle::Solid, PenMode::Copy});
    canvas.SetBrushColour(kFill);
    if (c.pie) {
        canvas.Pie(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4);
    } else {
        canvas.Ellipse(c.x1, c.y1, c.x2, c.y2);
    }
    const std::vector<Colour> expected = Reference(c);
    int wrong = 0;
    int fill = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const Colour want = expected[y * kSize + x];
            fill += want == kFill ? 1 : 0;
            if (canvas.PixelAt(x, y) != want && ++wrong <= 5) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): " << std::hex
                              << canvas.PixelAt(x, y) << " instead of " << want;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(fill, 20); // the case has an inside for the outline to be measured against
}

const CanvasRect kWhole{0, 0, kSize, kSize};

INSTANTIATE_TEST_SUITE_P(
    Figures, TwoColourFigureTest,
    ::testing::Values(
        FigureCase{"CircleThinPen", 4, 4, 60, 60, 1, kWhole},
        FigureCase{"WideEllipseTwoPixelPen", 2, 10, 62, 50, 2, kWhole},
        FigureCase{"TallOddBoxThreePixelPen", 13, 1, 46, 62, 3, kWhole},
        FigureCase{"ReversedCornersClipped", 58, 57, 3, 5, 2, CanvasRect{9, 7, 50, 41}},
        FigureCase{"SmallOddEllipse", 20, 21, 33, 30, 1, kWhole},
        FigureCase{"WidePenLeavesASlit", 10, 10, 54, 22, 5, kWhole},
        FigureCase{"WholePieThreePixelPen", 3, 6, 61, 58, 3, kWhole, true, 20, 20, 20, 20},
        FigureCase{"HalfPie", 4, 4, 60, 60, 1, kWhole, true, 56, 32, 8, 32},
        FigureCase{"QuarterPieOddBox", 5, 3, 58, 50, 1, kWhole, true, 58, 26, 31, 0},
        FigureCase{"ThreeQuarterPieClipped", 4, 4, 60, 60, 1, CanvasRect{0, 10, 50, 64}, true, 32,
                   60, 60, 32},
        FigureCase{"NarrowPieSteepRays", 2, 3, 61, 58, 1, kWhole, true, 40, 3, 20, 3}),
    [](const ::testing::TestParamInfo<FigureCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace canvas
