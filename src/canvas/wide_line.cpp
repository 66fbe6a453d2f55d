// Wide lines: the pixels within half the pen's width of the segment.
#include "canvas/raster_internal.h"

#include <cmath>

namespace canvas {
namespace {

// Bound on the end points and the width of a wide line below which its pixel test is exact in
// 64-bit integers (all products stay below 2^53).
constexpr Int64 kWideLineExactLimit = Int64{1} << 24;

// floor((a + b * t) / c) for t = t0, t0 + 1, ... (c > 0), stepped as quotient and remainder so
// that only the first value needs a division.
class FloorStepper {
public:
    FloorStepper(Int64 a, Int64 b, Int64 c, Int64 t0) : c_(c) {
        const Int64 n = a + b * t0;
        quotient_ = FloorDiv(n, c);
        remainder_ = n - quotient_ * c;
        wholeStep_ = FloorDiv(b, c);
        fracStep_ = b - wholeStep_ * c;
    }
    Int64 Value() const { return quotient_; }
    void Next() {
        remainder_ += fracStep_;
        const Int64 carry = remainder_ >= c_ ? 1 : 0;
        remainder_ -= c_ & -carry;
        quotient_ += wholeStep_ + carry;
    }

private:
    Int64 c_;
    Int64 quotient_ = 0;
    Int64 remainder_ = 0; // 0 <= remainder < c
    Int64 wholeStep_ = 0;
    Int64 fracStep_ = 0; // 0 <= fracStep < c
};

// The band of a wide line from (x0, y0) to (x1, y1) (the smaller end first) with round caps:
// the pixel tests and the covered columns of a row.
struct WideBand {
    WideBand(int x0In, int y0In, int x1In, int y1In, int width)
        : x0(x0In), y0(y0In), x1(x1In), y1(y1In), r(width / 2.0), r2(r * r),
          dx(static_cast<Int64>(x1) - x0), dy(static_cast<Int64>(y1) - y0), len2(dx * dx + dy * dy),
          rLen(r * std::sqrt(static_cast<double>(len2))), acrossLow(-FloorToInt(rLen)),
          acrossHigh(CeilToInt(rLen)), capLimit(CeilToInt(r2)) {}

    bool Covered(Int64 x, Int64 y) const {
        const Int64 px = x - x0;
        const Int64 py = y - y0;
        const Int64 along = dx * px + dy * py;
        const Int64 across = dx * py - dy * px;
        if (len2 > 0 && along >= 0 && along <= len2 && across >= -rLen && across < rLen) {
            return true;
        }
        const Int64 qx = x - x1;
        const Int64 qy = y - y1;
        return static_cast<double>(px * px + py * py) < r2 ||
               static_cast<double>(qx * qx + qy * qy) < r2;
    }

    // Covered, with the bounds rounded to integers (exact while kWideLineExactLimit holds).
    bool CoveredInIntegers(Int64 x, Int64 y) const {
        const Int64 px = x - x0;
        const Int64 py = y - y0;
        const Int64 along = dx * px + dy * py;
        const Int64 across = dx * py - dy * px;
        if (len2 > 0 && along >= 0 && along <= len2) {
            // Beside the segment, a pixel outside the band is farther than r from both ends:
            // its squared distance times len2 is along^2 + across^2 >= across^2 >= (r len)^2.
            return across >= acrossLow && across < acrossHigh;
        }
        const Int64 qx = x - x1;
        const Int64 qy = y - y1;
        return px * px + py * py < capLimit || qx * qx + qy * qy < capLimit;
    }

    // The covered columns first..last of a row: a first estimate, then exact ends from the
    // pixel test (the covered part of a row is contiguous: the band is convex). Every covered
    // pixel, caps included, has -rLen <= across < rLen, so with dy > 0 its column lies between
    // x0 + p and x0 + q; the margin of a pixel absorbs the rounding of p and q.
    template <class Test> void Span(Test test, int row, Int64& first, Int64& last) const {
        const double py = static_cast<double>(row) - y0;
        double lo = std::min(x0, x1) - r - 1;
        double hi = std::max(x0, x1) + r + 1;
        if (dy != 0) {
            const double p = (static_cast<double>(dx) * py - rLen) / static_cast<double>(dy);
            const double q = (static_cast<double>(dx) * py + rLen) / static_cast<double>(dy);
            lo = std::max(lo, x0 + p - 1);
            hi = std::min(hi, x0 + q + 1);
        }
        first = FloorToInt(lo);
        last = CeilToInt(hi);
        while (first <= last && !test(first, row)) {
            ++first;
        }
        while (last >= first && !test(last, row)) {
            --last;
        }
    }

    int x0;
    int y0;
    int x1;
    int y1;
    double r;  // pixels, half the pen's width
    double r2; // r squared
    Int64 dx;
    Int64 dy;
    Int64 len2;       // squared length of the segment
    double rLen;      // r times the length
    Int64 acrossLow;  // across >= -rLen
    Int64 acrossHigh; // across < rLen
    Int64 capLimit;   // squared distance < r2
};

} // namespace

void Canvas::WideLine(int x0, int y0, int x1, int y1, int width) {
    // The pixels whose centres lie within width / 2 of the segment between the two end pixels,
    // round caps included; across the line the band is half-open, so a 2-px horizontal line
    // at y covers rows y - 1 and y. The segment is taken from its smaller end, so both
    // directions cover the same pixels.
    if (std::tie(y1, x1) < std::tie(y0, x0)) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const WideBand band(x0, y0, x1, y1, width);
    // With the end points and the width below 2^24 in size, every product the test compares
    // lies below 2^53 and converts to a double exactly, so comparing it with rLen or r2 is the
    // same as comparing the integer with the bound rounded to an integer: the same test
    // without conversions.
    const auto small = [](Int64 v) { return v > -kWideLineExactLimit && v < kWideLineExactLimit; };
    const bool exactInIntegers = small(x0) && small(y0) && small(x1) && small(y1) && small(width);
    const auto covered = [&band](Int64 x, Int64 y) { return band.Covered(x, y); };
    const auto coveredInIntegers = [&band](Int64 x, Int64 y) {
        return band.CoveredInIntegers(x, y);
    };
    const std::uint32_t pixel = PenPixel();
    const int rowFirst = std::max<int>(static_cast<int>(FloorToInt(y0 - band.r)), clip_.top);
    const int rowLast = std::min<int>(static_cast<int>(CeilToInt(y1 + band.r)), clip_.bottom - 1);
    // Along a vertical segment every row from y0 to y1 has the same columns: such a pixel is
    // beside the segment (0 <= along <= len2), where only its column decides. The span of row
    // y0 serves them all.
    const bool vertical = band.dx == 0 && band.dy > 0;
    const auto rows = [&](auto test) {
        Int64 sideFirst = 0;
        Int64 sideLast = -1;
        if (vertical) {
            band.Span(test, y0, sideFirst, sideLast);
        }
        for (int row = rowFirst; row <= rowLast; ++row) {
            Int64 first = sideFirst;
            Int64 last = sideLast;
            if (!vertical || row < y0 || row > y1) {
                band.Span(test, row, first, last);
            }
            if (first <= last) {
                FillSpan(row, static_cast<int>(std::max<Int64>(first, clip_.left)),
                         static_cast<int>(std::min<Int64>(last + 1, clip_.right)), pixel,
                         pen_.mode);
            }
        }
    };
    if (exactInIntegers && band.dy > 0 && band.dx != 0) {
        SlopedWideRows(x0, y0, x1, y1, rowFirst, rowLast,
                       {band.acrossLow, band.acrossHigh, band.capLimit},
                       [&](int row, Int64& first, Int64& last) {
                           band.Span(coveredInIntegers, row, first, last);
                       });
    } else if (exactInIntegers) {
        rows(coveredInIntegers);
    } else {
        rows(covered);
    }
}

// The rows of a sloped wide line (y0 < y1, x0 != x1) in exact integers. A row farther than the
// pen's radius from both ends meets no cap, so its pixels are those of the band alone: with
// px = x - x0 and py = row - y0, acrossLow <= dx py - dy px < acrossHigh and
// 0 <= dx px + dy py <= len2, four bounds on px, each stepped from row to row without a
// division. Rows near an end take `capRow`, the pixel test.
template <class CapRow>
void Canvas::SlopedWideRows(int x0, int y0, int x1, int y1, int rowFirst, int rowLast,
                            const WideBounds& bounds, CapRow capRow) {
    const Int64 dx = static_cast<Int64>(x1) - x0;
    const Int64 dy = static_cast<Int64>(y1) - y0;
    const Int64 len2 = dx * dx + dy * dy;
    const Int64 py0 = static_cast<Int64>(rowFirst) - y0;
    // dy px > dx py - acrossHigh (px from acrossBelow + 1), dy px <= dx py - acrossLow.
    FloorStepper acrossBelow(-bounds.acrossHigh, dx, dy, py0);
    FloorStepper acrossLast(-bounds.acrossLow, dx, dy, py0);
    // dx px >= -dy py and dx px <= len2 - dy py, divided by |dx|.
    const Int64 adx = dx > 0 ? dx : -dx;
    FloorStepper alongFirst =
        dx > 0 ? FloorStepper(adx - 1, -dy, adx, py0) : FloorStepper(adx - 1 - len2, dy, adx, py0);
    FloorStepper alongLast =
        dx > 0 ? FloorStepper(len2, -dy, adx, py0) : FloorStepper(0, dy, adx, py0);
    const std::uint32_t pixel = PenPixel();
    for (int row = rowFirst; row <= rowLast; ++row) {
        const Int64 py = static_cast<Int64>(row) - y0;
        const Int64 qy = static_cast<Int64>(row) - y1;
        Int64 first = 0;
        Int64 last = -1;
        if (py * py >= bounds.capLimit && qy * qy >= bounds.capLimit) {
            first = x0 + std::max(acrossBelow.Value() + 1, alongFirst.Value());
            last = x0 + std::min(acrossLast.Value(), alongLast.Value());
        } else {
            capRow(row, first, last);
        }
        if (first <= last) {
            FillSpan(row, static_cast<int>(std::max<Int64>(first, clip_.left)),
                     static_cast<int>(std::min<Int64>(last + 1, clip_.right)), pixel, pen_.mode);
        }
        acrossBelow.Next();
        acrossLast.Next();
        alongFirst.Next();
        alongLast.Next();
    }
}

} // namespace canvas
