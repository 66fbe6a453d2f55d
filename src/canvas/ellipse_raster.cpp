// Ellipses, pies and arcs: the columns of each row in exact integers.
#include "canvas/raster_internal.h"

namespace canvas {
namespace {

// The columns x with a * x + m >= 0 in a run of rows where m moves by mStep from
// row to row: the bound's quotient floor(m / |a|) is stepped with its remainder, so that no
// row needs a division.
class SteppedHalfLine {
public:
    SteppedHalfLine(Int64 a, Int64 m, Int64 mStep) : a_(a), m_(m), mStep_(mStep) {
        if (a_ != 0) {
            den_ = a_ < 0 ? -a_ : a_;
            quotient_ = FloorDiv(m_, den_);
            remainder_ = m_ - quotient_ * den_;
            wholeStep_ = FloorDiv(mStep_, den_);
            fracStep_ = mStep_ - wholeStep_ * den_;
        }
    }
    void NextRow() {
        m_ += mStep_;
        if (a_ != 0) {
            quotient_ += wholeStep_;
            remainder_ += fracStep_;
            if (remainder_ >= den_) {
                remainder_ -= den_;
                ++quotient_;
            }
        }
    }
    // HalfLine(a, m): ceil(-m / a) = -floor(m / a) upward for a > 0, floor(m / -a) downward for
    // a < 0.
    ColumnRange Range() const {
        if (a_ > 0) {
            return {-quotient_, kMaxX};
        }
        if (a_ < 0) {
            return {kMinX, quotient_};
        }
        return m_ >= 0 ? ColumnRange{} : ColumnRange{1, 0};
    }

private:
    Int64 a_;
    Int64 m_;
    Int64 mStep_;
    Int64 den_ = 1;
    Int64 quotient_ = 0;
    Int64 remainder_ = 0; // 0 <= remainder_ < den_
    Int64 wholeStep_ = 0;
    Int64 fracStep_ = 0;
};

// The angular sector of a pie or arc: from ray s counter-clockwise on the screen to ray e, both
// in doubled coordinates relative to the box centre (y downward).
struct Sector {
    Int64 sx = 1, sy = 0, ex = 1, ey = 0;
    bool whole = true;
    bool wide = false; // sweep above a half turn

    static Int64 Ccw(Int64 ax, Int64 ay, Int64 bx, Int64 by) { return ay * bx - ax * by; }

    Sector() = default;
    Sector(Int64 startX, Int64 startY, Int64 endX, Int64 endY)
        : sx(startX), sy(startY), ex(endX), ey(endY) {
        if (sx == 0 && sy == 0) {
            sx = 1;
        }
        if (ex == 0 && ey == 0) {
            ex = 1;
        }
        const Int64 turn = Ccw(sx, sy, ex, ey);
        const Int64 dot = sx * ex + sy * ey;
        whole = turn == 0 && dot > 0;
        wide = turn < 0;
    }

    // The sector's two half-lines in the row with offset v: Ccw(s, p) >= 0 and Ccw(p, e) >= 0.
    // With u = 2x + 1 - sumX: Ccw(s, p) = sy * u - sx * v and Ccw(p, e) = v * ex - u * ey, so
    // each is a * x + m >= 0 with m moving by a fixed amount from one row (v + 2) to the next.
    SteppedHalfLine StartSide(Int64 v, Int64 sumX) const {
        return SteppedHalfLine(2 * sy, sy * (1 - sumX) - sx * v, -2 * sx);
    }
    SteppedHalfLine EndSide(Int64 v, Int64 sumX) const {
        return SteppedHalfLine(-2 * ey, v * ex - ey * (1 - sumX), 2 * ex);
    }

    // Emits the parts of `range` that lie in the sector, given the row's half-lines h1 (start
    // side) and h2 (end side): at most two.
    template <class Sink>
    void Clip(const ColumnRange& range, const ColumnRange& h1, const ColumnRange& h2,
              Sink&& sink) const {
        if (range.Empty()) {
            return;
        }
        if (whole) {
            sink(range);
            return;
        }
        if (!wide) {
            const ColumnRange r = range.Intersect(h1).Intersect(h2);
            if (!r.Empty()) {
                sink(r);
            }
            return;
        }
        const ColumnRange first = range.Intersect(h1);
        if (!first.Empty()) {
            sink(first);
        }
        // h2 without h1 (h1 is a half-line, everything or nothing).
        ColumnRange rest = range.Intersect(h2);
        if (h1.Empty()) {
            // nothing to remove
        } else if (h1.lo == kMinX && h1.hi == kMaxX) {
            return;
        } else if (h1.lo == kMinX) {
            rest.lo = std::max(rest.lo, h1.hi + 1);
        } else {
            rest.hi = std::min(rest.hi, h1.lo - 1);
        }
        if (!rest.Empty()) {
            sink(rest);
        }
    }
};

// The sector between the rays {x3, y3, x4, y4} of a pie or arc in the box with corner sums
// sumX, sumY; the whole ellipse without rays.
Sector SectorOfRays(const int* rays, Int64 sumX, Int64 sumY) {
    if (rays == nullptr) {
        return Sector{};
    }
    return Sector{2 * Int64{rays[0]} - sumX, 2 * Int64{rays[1]} - sumY, 2 * Int64{rays[2]} - sumX,
                  2 * Int64{rays[3]} - sumY};
}

// Orders the corners of a box; false when it has no area.
bool OrderBox(int& x1, int& y1, int& x2, int& y2) {
    if (x1 > x2) {
        std::swap(x1, x2);
    }
    if (y1 > y2) {
        std::swap(y1, y2);
    }
    return x1 != x2 && y1 != y2;
}

// A cached row range, relative to the box's left column, moved to the box at column `by`.
ColumnRange Shifted(const ColumnRange& r, Int64 by) {
    return r.Empty() ? r : ColumnRange{r.lo + by, r.hi + by};
}

// The two radii of a pie: from the centre pixel to where each ray of the sector leaves the
// ellipse in the box with corner sums sumX, sumY and size a x b.
struct PieRadii {
    CanvasPoint centre;
    CanvasPoint start;
    CanvasPoint stop;
};

PieRadii RadiiOf(Int64 sumX, Int64 sumY, Int64 a, Int64 b, const Sector& sector) {
    const double cx = static_cast<double>(sumX) / 2.0;
    const double cy = static_cast<double>(sumY) / 2.0;
    const double ra = static_cast<double>(a) / 2.0 - 0.5;
    const double rb = static_cast<double>(b) / 2.0 - 0.5;
    const int centreX = static_cast<int>(std::floor(cx));
    const int centreY = static_cast<int>(std::floor(cy));
    const auto rayEnd = [&](Int64 dx2, Int64 dy2) {
        const double dx = static_cast<double>(dx2) / 2.0;
        const double dy = static_cast<double>(dy2) / 2.0;
        const double ex = ra > 0 ? dx / ra : 0.0;
        const double ey = rb > 0 ? dy / rb : 0.0;
        const double t = 1.0 / std::sqrt(ex * ex + ey * ey);
        return CanvasPoint{static_cast<int>(std::floor(cx + t * dx)),
                           static_cast<int>(std::floor(cy + t * dy))};
    };
    return {{centreX, centreY}, rayEnd(sector.sx, sector.sy), rayEnd(sector.ex, sector.ey)};
}

} // namespace

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
    RealizeBrush();
    EllipticFigure(x1, y1, x2, y2, nullptr, true, true, false);
}

void Canvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    RealizeBrush();
    const int rays[4] = {x3, y3, x4, y4};
    EllipticFigure(x1, y1, x2, y2, rays, true, true, true);
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    const int rays[4] = {x3, y3, x4, y4};
    EllipticFigure(x1, y1, x2, y2, rays, false, true, false);
}

void Canvas::EllipticFigure(int x1, int y1, int x2, int y2, const int* rays, bool fill,
                            bool outline, bool radii) {
    if (!OrderBox(x1, y1, x2, y2)) {
        return;
    }
    const Int64 sumX = static_cast<Int64>(x1) + x2;
    const Int64 sumY = static_cast<Int64>(y1) + y2;
    const Int64 a = static_cast<Int64>(x2) - x1;
    const Int64 b = static_cast<Int64>(y2) - y1;
    const bool penOn = outline && PenVisible();
    const int w = penOn ? PenWidth() : 0;
    const DoubledEllipse outer{a, b};
    const DoubledEllipse inner{a - 2 * w, b - 2 * w};
    const bool hasInner = inner.a > 0 && inner.b > 0;
    const Sector sector = SectorOfRays(rays, sumX, sumY);
    const bool doFill = fill && brush_.style == BrushStyle::Solid;
    const std::uint32_t fillPixel = BrushPixel();
    const std::uint32_t penPixel = PenPixel();
    const PenMode mode = pen_.mode;
    // Fill and outline in one colour, copied: each row is the outer row cut by the sector
    // (the inner ellipse lies within the outer one), written once.
    const bool oneColour = doFill && penOn && mode == PenMode::Copy && fillPixel == penPixel;
    const ColumnRange* outerRows = Scratch().RowsOf(outer, a, b);
    const ColumnRange* innerRows = hasInner ? Scratch().RowsOf(inner, a, b) : nullptr;

    const int rowFirst = std::max(y1, clip_.top);
    const Int64 vFirst = 2 * Int64{rowFirst} + 1 - sumY;
    SteppedHalfLine startSide = sector.StartSide(vFirst, sumX);
    SteppedHalfLine endSide = sector.EndSide(vFirst, sumX);
    for (int y = rowFirst; y < y2 && y < clip_.bottom; ++y) {
        const Int64 v = 2 * Int64{y} + 1 - sumY;
        if (y != rowFirst) {
            startSide.NextRow();
            endSide.NextRow();
        }
        const ColumnRange h1 = startSide.Range();
        const ColumnRange h2 = endSide.Range();
        const ColumnRange out =
            outerRows != nullptr ? Shifted(outerRows[y - y1], x1) : outer.Row(v, sumX);
        if (out.Empty()) {
            continue;
        }
        const auto span = [&](std::uint32_t pixel) {
            return [&, pixel](const ColumnRange& r) {
                const Int64 from = std::max<Int64>(r.lo, clip_.left);
                const Int64 to = std::min<Int64>(r.hi + 1, clip_.right);
                if (from < to) {
                    FillSpan(y, static_cast<int>(from), static_cast<int>(to), pixel, mode);
                }
            };
        };
        if (oneColour) {
            // The outline's two pieces and the fill between them make up the outer row.
            sector.Clip(out, h1, h2, span(fillPixel));
            continue;
        }
        const ColumnRange in = !hasInner              ? ColumnRange{1, 0}
                               : innerRows != nullptr ? Shifted(innerRows[y - y1], x1)
                                                      : inner.Row(v, sumX);
        if (doFill) {
            sector.Clip(w == 0 ? out : in, h1, h2, span(fillPixel));
        }
        if (penOn) {
            if (in.Empty()) {
                sector.Clip(out, h1, h2, span(penPixel));
            } else {
                sector.Clip({out.lo, in.lo - 1}, h1, h2, span(penPixel));
                sector.Clip({in.hi + 1, out.hi}, h1, h2, span(penPixel));
            }
        }
    }

    if (radii && penOn && !sector.whole) {
        const PieRadii r = RadiiOf(sumX, sumY, a, b, sector);
        PenLine(r.centre.x, r.centre.y, r.start.x, r.start.y);
        PenLine(r.centre.x, r.centre.y, r.stop.x, r.stop.y);
    }
}

} // namespace canvas
