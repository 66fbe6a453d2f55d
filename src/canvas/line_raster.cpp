// Thin lines: the pen's lines one pixel wide, found step by step inside the clip.
#include "canvas/raster_internal.h"

namespace canvas {
namespace {

// A 1-px line as steps i = 0 .. steps - 1 of its major coordinate, one pixel each. The minor
// coordinate of a step is the nearest one on the segment, halves toward +x or +y, computed from
// the end with the smaller major coordinate (the base), so a segment covers the same pixels in
// both directions (the polygon edge and the line painted over it agree):
//   minor(i) = baseMinor + floor(Num(i) / den), Num(i) = 2 * t(i) * minorDelta + steps,
// with t(i) the major distance of step i from the base end and den = 2 * steps.
struct LineSteps {
    bool xMajor;
    bool forward; // the major coordinate grows from the start point
    Int64 steps;  // >= 1
    Int64 baseMinor;
    Int64 minorDelta; // minor change from the base end to the other, |minorDelta| <= steps
    Int64 step;       // +1 or -1, major change per step from the start point
    Int64 majorStart;
    Int64 den;

    LineSteps(Int64 x0, Int64 y0, Int64 x1, Int64 y1) {
        const Int64 dx = x1 - x0;
        const Int64 dy = y1 - y0;
        const Int64 adx = dx < 0 ? -dx : dx;
        const Int64 ady = dy < 0 ? -dy : dy;
        xMajor = adx >= ady;
        forward = xMajor ? dx > 0 : dy > 0;
        steps = std::max(adx, ady);
        baseMinor = forward ? (xMajor ? y0 : x0) : (xMajor ? y1 : x1);
        minorDelta = forward ? (xMajor ? dy : dx) : (xMajor ? -dy : -dx);
        step = forward ? 1 : -1;
        majorStart = xMajor ? x0 : y0;
        den = 2 * steps;
    }
    Int64 T(Int64 i) const { return forward ? i : steps - i; }
    __int128 Num(Int64 i) const { return 2 * static_cast<__int128>(T(i)) * minorDelta + steps; }
    Int64 FloorOfNum(Int64 i) const {
        if (steps < (Int64{1} << 30)) {
            // Num fits in 64 bits.
            return FloorDiv(2 * T(i) * minorDelta + steps, den);
        }
        const __int128 n = Num(i);
        __int128 q = n / den;
        if (n % den != 0 && n < 0) {
            --q;
        }
        return static_cast<Int64>(q);
    }
    Int64 MinorAt(Int64 i) const { return baseMinor + FloorOfNum(i); }
};

// Narrows the steps [first, end) to those whose pixels lie in the clip: the major coordinate
// gives a range of steps directly, and the minor one, monotonic in i, by bisection. False when
// no step remains.
bool ClipSteps(const LineSteps& line, const CanvasRect& clip, Int64& first, Int64& end) {
    const Int64 majorLow = line.xMajor ? clip.left : clip.top;
    const Int64 majorHigh = line.xMajor ? clip.right : clip.bottom;
    const Int64 minorLow = line.xMajor ? clip.top : clip.left;
    const Int64 minorHigh = line.xMajor ? clip.bottom : clip.right;
    if (line.forward) {
        first = std::max(first, majorLow - line.majorStart);
        end = std::min(end, majorHigh - line.majorStart);
    } else {
        first = std::max(first, line.majorStart - majorHigh + 1);
        end = std::min(end, line.majorStart - majorLow + 1);
    }
    if (first >= end) {
        return false;
    }
    // First step in [first, end) where `reached` holds; it holds from some step on.
    const auto firstWhere = [&](auto reached) {
        Int64 lo = first;
        Int64 hi = end;
        while (lo < hi) {
            const Int64 mid = lo + (hi - lo) / 2;
            if (reached(line.MinorAt(mid))) {
                hi = mid;
            } else {
                lo = mid + 1;
            }
        }
        return lo;
    };
    const bool rising = line.minorDelta * line.step >= 0;
    const Int64 enter = rising ? firstWhere([&](Int64 minor) { return minor >= minorLow; })
                               : firstWhere([&](Int64 minor) { return minor < minorHigh; });
    const Int64 leave = rising ? firstWhere([&](Int64 minor) { return minor >= minorHigh; })
                               : firstWhere([&](Int64 minor) { return minor < minorLow; });
    first = enter;
    end = leave;
    return first < end;
}

// The pixels of the steps [first, end) of a line, from the pixel p of step first. The minor
// coordinate is kept as quotient and remainder while Num moves by numStep (+-2 * minorDelta) per
// step; |minorDelta| <= steps, so one correction at most per step.
struct StepWalk {
    std::uint32_t* p;
    Int64 first;
    Int64 end;
    Int64 remainder;
    Int64 numStep;
    Int64 den;
    std::ptrdiff_t majorStride;
    std::ptrdiff_t minorStride;

    // Every step from first to end lies in the clip, so the pointer stays in the image. The
    // remainder moves one way along the whole line, so only one correction can occur; it is
    // taken without a branch, as it comes at no pattern a predictor could follow.
    template <class Plot> void Run(Plot plot) {
        if (numStep >= 0) {
            for (Int64 i = first;;) {
                plot(p);
                if (++i == end) {
                    break;
                }
                remainder += numStep;
                const Int64 carry = remainder >= den ? 1 : 0;
                remainder -= den & -carry;
                p += majorStride + (minorStride & -static_cast<std::ptrdiff_t>(carry));
            }
        } else {
            for (Int64 i = first;;) {
                plot(p);
                if (++i == end) {
                    break;
                }
                remainder += numStep;
                const Int64 borrow = remainder < 0 ? 1 : 0;
                remainder += den & -borrow;
                p += majorStride - (minorStride & -static_cast<std::ptrdiff_t>(borrow));
            }
        }
    }
};

} // namespace

void Canvas::PenLine(int x0, int y0, int x1, int y1) {
    if (!PenVisible()) {
        return;
    }
    const int width = PenWidth();
    if (width == 1) {
        // Segments of at most two steps, as along finely sampled outlines, are settled here:
        // nothing for no step, the start pixel for one. Two steps draw the start pixel and the
        // middle one, both "on" in every pen style: the middle of the major coordinate, and
        // the minor one nearest to the segment, halves toward +x or +y (from either end).
        const Int64 dx = static_cast<Int64>(x1) - x0;
        const Int64 dy = static_cast<Int64>(y1) - y0;
        if (dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2) {
            if (dx == 0 && dy == 0) {
                return;
            }
            const std::uint32_t on = PenPixel();
            PutPixel(x0, y0, on, pen_.mode);
            if (dx == 2 || dx == -2 || dy == 2 || dy == -2) {
                const auto middle = [](Int64 a, Int64 b) {
                    return static_cast<int>((a + b + 1) >> 1);
                };
                PutPixel(middle(x0, x1), middle(y0, y1), on, pen_.mode);
            }
            return;
        }
        ThinLine(x0, y0, x1, y1);
    } else {
        WideLine(x0, y0, x1, y1, width);
    }
}

void Canvas::ThinLine(int x0, int y0, int x1, int y1) {
    const Int64 dx = static_cast<Int64>(x1) - x0;
    const Int64 dy = static_cast<Int64>(y1) - y0;
    const Int64 adx = dx < 0 ? -dx : dx;
    const Int64 ady = dy < 0 ? -dy : dy;
    const Int64 steps = std::max(adx, ady);
    if (steps == 0) {
        return;
    }
    const std::uint32_t on = PenPixel();
    const PenMode mode = pen_.mode;
    if (steps == 1) {
        // One step draws only the start pixel, which is "on" in every pen style.
        PutPixel(x0, y0, on, mode);
        return;
    }
    const bool dotted = pen_.style == PenStyle::Dotted;

    // Solid horizontal runs are the common case of frames, ticks and grids.
    if (!dotted && dy == 0) {
        if (dx > 0) {
            FillSpan(y0, x0, x1, on, mode);
        } else {
            FillSpan(y0, x1 + 1, x0 + 1, on, mode);
        }
        return;
    }

    const LineSteps line(x0, y0, x1, y1);
    // The steps whose pixels lie in the clip, found once, so that the walk needs no test per
    // pixel; usually the box of the end points is inside.
    Int64 first = 0;
    Int64 end = steps;
    const bool boxInside = std::min(x0, x1) >= clip_.left && std::max(x0, x1) < clip_.right &&
                           std::min(y0, y1) >= clip_.top && std::max(y0, y1) < clip_.bottom;
    if (!boxInside && !ClipSteps(line, clip_, first, end)) {
        return;
    }
    const bool xMajor = line.xMajor;
    const Int64 step = line.step;
    const Int64 den = line.den;

    // At the start point Num / den is 0 forward and minorDelta backward, with the remainder
    // steps.
    Int64 quotient = line.forward ? 0 : line.minorDelta;
    Int64 remainder = steps;
    if (first > 0) {
        quotient = line.FloorOfNum(first);
        remainder = static_cast<Int64>(line.Num(first) - static_cast<__int128>(quotient) * den);
    }
    const Int64 major = line.majorStart + step * first;
    const Int64 minor = line.baseMinor + quotient;
    std::uint32_t* p =
        xMajor ? Row(static_cast<int>(minor)) + major : Row(static_cast<int>(major)) + minor;
    StepWalk walk{p,
                  first,
                  end,
                  remainder,
                  2 * line.minorDelta * step,
                  den,
                  xMajor ? step : step * stride_,
                  xMajor ? stride_ : 1};
    if (!dotted && mode == PenMode::Copy) {
        walk.Run([on](std::uint32_t* q) { *q = on; });
        return;
    }
    const std::uint32_t off = ToPixel(backColour_);
    const bool opaque = backMode_ == BackMode::Opaque;
    // The walk takes the steps in order from `first`, so the dot pattern is counted along
    // (step i is "on" when i mod 6 < 3) instead of divided out at every pixel.
    Int64 patternStep = first % 6;
    walk.Run([&](std::uint32_t* q) {
        const bool dot = !dotted || patternStep < 3;
        patternStep = patternStep == 5 ? 0 : patternStep + 1;
        if (dot || opaque) {
            const std::uint32_t pixel = dot ? on : off;
            *q = mode == PenMode::Copy ? pixel : (~(pixel ^ *q) | 0xFF000000u);
        }
    });
}
void Canvas::LineTo(int x, int y) {
    PenLine(penPos_.x, penPos_.y, x, y);
    penPos_ = {x, y};
}
void Canvas::Polyline(std::span<const CanvasPoint> points) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        PenLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    }
}

} // namespace canvas
