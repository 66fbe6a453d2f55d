#include "canvas/canvas.h"

#include "canvas/text_cache.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <limits>
#include <tuple>
#include <vector>

namespace canvas {

namespace {

using Int64 = std::int64_t;

// Desktop default of each system colour index, 0x00BBGGRR.
constexpr std::array<Colour, 31> kSystemColours = {
    0xC8C8C8, // scroll bar
    0x000000, // desktop
    0xD1B499, // active caption
    0xDBCDBF, // inactive caption
    0xF0F0F0, // menu
    0xFFFFFF, // window
    0x646464, // window frame
    0x000000, // menu text
    0x000000, // window text
    0x000000, // caption text
    0xB4B4B4, // active border
    0xFCF7F4, // inactive border
    0xABABAB, // application workspace
    0xFF9933, // highlight
    0xFFFFFF, // highlight text
    0xF0F0F0, // button face
    0xA0A0A0, // button shadow
    0x6D6D6D, // grey text
    0x000000, // button text
    0x544E43, // inactive caption text
    0xFFFFFF, // button highlight
    0x696969, // 3D dark shadow
    0xE3E3E3, // 3D light
    0x000000, // tooltip text
    0xE1FFFF, // tooltip background
    0x000000, // unused index
    0xCC6600, // hot-tracked item
    0xEAD1B9, // gradient of the active caption
    0xF2E4D7, // gradient of the inactive caption
    0xFF9933, // menu highlight
    0xF0F0F0, // menu bar
};

std::uint32_t ToPixel(Colour colour) {
    // Plain colours, the common case, need no look-up.
    const Colour rgb = (colour & 0x80000000u) == 0 ? colour & 0x00FFFFFFu : ColourToRgb(colour);
    return 0xFF000000u | ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

// Pixels up to which a span is stored in place.
constexpr std::size_t kShortSpan = 8;

// Pixel stores of a copy-mode span, for AVX2 (32-byte stores) and for the base instruction set,
// picked once per process by the processor; both write the same pixels.
void StorePixelsPlain(std::uint32_t* first, std::size_t count, std::uint32_t pixel) {
    for (std::size_t i = 0; i < count; ++i) {
        first[i] = pixel;
    }
}

#if defined(__x86_64__)
// Eight pixels per store; the last store ends at the span's end and may overlap the one before
// it, so no pixel-by-pixel tail is left. Needs more than kShortSpan pixels.
__attribute__((target("avx2"))) void StorePixelsAvx2(std::uint32_t* first, std::size_t count,
                                                     std::uint32_t pixel) {
    const __m256i eight = _mm256_set1_epi32(static_cast<int>(pixel));
    std::uint32_t* const last = first + count - 8;
    for (std::uint32_t* p = first; p < last; p += 8) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), eight);
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(last), eight);
}
#endif

using StoreRoutine = void (*)(std::uint32_t*, std::size_t, std::uint32_t);

// The widest stores the processor has.
StoreRoutine ChooseStorePixels() {
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx2")) {
        return StorePixelsAvx2;
    }
#endif
    return StorePixelsPlain;
}

// The store routine, chosen on the first long span; constant-initialised, so that it is set
// before any figure is drawn, and read without a guard.
void StorePixelsFirst(std::uint32_t* first, std::size_t count, std::uint32_t pixel);
std::atomic<StoreRoutine> storePixels{StorePixelsFirst};

void StorePixelsFirst(std::uint32_t* first, std::size_t count, std::uint32_t pixel) {
    const StoreRoutine chosen = ChooseStorePixels();
    storePixels.store(chosen, std::memory_order_relaxed);
    chosen(first, count, pixel);
}

// Up to kShortSpan pixels, as at the edges of figures, stored in place: 4 to 8 by two 16-byte
// stores that may overlap, 1 to 3 by three single stores that may repeat a pixel.
inline void StoreShortSpan(std::uint32_t* first, std::size_t count, std::uint32_t pixel) {
#if defined(__x86_64__)
    if (count >= 4) {
        const __m128i four = _mm_set1_epi32(static_cast<int>(pixel));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(first), four);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(first + count - 4), four);
        return;
    }
    if (count > 0) {
        first[0] = pixel;
        first[count / 2] = pixel;
        first[count - 1] = pixel;
    }
#else
    for (std::size_t i = 0; i < count; ++i) {
        first[i] = pixel;
    }
#endif
}

inline void FillPixels(std::uint32_t* first, std::size_t count, std::uint32_t pixel) {
    if (count <= kShortSpan) {
        StoreShortSpan(first, count, pixel);
    } else if (pixel == 0xFFFFFFFFu) {
        // White: every byte the same, so the library's byte fill does it.
        std::memset(first, 0xFF, count * sizeof(std::uint32_t));
    } else {
        storePixels.load(std::memory_order_relaxed)(first, count, pixel);
    }
}

Int64 FloorDiv(Int64 num, Int64 den) {
    // den > 0
    Int64 q = num / den;
    if ((num % den) != 0 && num < 0) {
        --q;
    }
    return q;
}

// floor and ceil of a finite value well inside the 64-bit range, without a library call.
Int64 FloorToInt(double v) {
    const auto i = static_cast<Int64>(v);
    return static_cast<double>(i) > v ? i - 1 : i;
}

Int64 CeilToInt(double v) {
    const auto i = static_cast<Int64>(v);
    return static_cast<double>(i) < v ? i + 1 : i;
}

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

// Crossings per row up to which insertion sort orders them.
constexpr std::size_t kInsertionSortLimit = 32;

constexpr Int64 kMinX = std::numeric_limits<int>::min() / 4;
constexpr Int64 kMaxX = std::numeric_limits<int>::max() / 4;

// Inclusive range of columns; empty when lo > hi.
struct ColumnRange {
    Int64 lo = kMinX;
    Int64 hi = kMaxX;
    bool Empty() const { return lo > hi; }
    ColumnRange Intersect(const ColumnRange& other) const {
        return {std::max(lo, other.lo), std::min(hi, other.hi)};
    }
};

// Ellipse inscribed in a box of width a and height b, in doubled coordinates relative to the
// box centre: pixel centres are at odd or even offsets depending on the box, and every test is
// exact in integers.
struct DoubledEllipse {
    Int64 a = 0;
    Int64 b = 0;
    bool Inside(Int64 u, Int64 v) const {
        constexpr Int64 kSmall = Int64{1} << 15; // products below 2^62: plain 64-bit arithmetic
        if (a < kSmall && b < kSmall && u < kSmall && -u < kSmall && v < kSmall && -v < kSmall) {
            return u * u * (b * b) + v * v * (a * a) <= (a * a) * (b * b);
        }
        const __int128 aa = static_cast<__int128>(a) * a;
        const __int128 bb = static_cast<__int128>(b) * b;
        return static_cast<__int128>(u) * u * bb + static_cast<__int128>(v) * v * aa <= aa * bb;
    }
    // Columns of the pixels of row offset v inside the ellipse; u = 2x + 1 - sumX.
    ColumnRange Row(Int64 v, Int64 sumX) const {
        if (a <= 0 || b <= 0 || v * v > b * b) {
            return {1, 0};
        }
        const double uMax = static_cast<double>(a) * std::sqrt(static_cast<double>(b * b - v * v)) /
                            static_cast<double>(b);
        const double centre = static_cast<double>(sumX - 1) / 2.0;
        Int64 lo = static_cast<Int64>(std::ceil(centre - uMax / 2.0));
        Int64 hi = static_cast<Int64>(std::floor(centre + uMax / 2.0));
        const auto inside = [&](Int64 x) { return Inside(2 * x + 1 - sumX, v); };
        while (lo <= hi && !inside(lo)) {
            ++lo;
        }
        while (inside(lo - 1)) {
            --lo;
        }
        while (hi >= lo && !inside(hi)) {
            --hi;
        }
        while (lo <= hi && inside(hi + 1)) {
            ++hi;
        }
        return {lo, hi};
    }
};

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

} // namespace

Colour ColourToRgb(Colour colour) {
    if ((colour & 0x80000000u) != 0) {
        const Colour index = colour & 0xFFu;
        return index < kSystemColours.size() ? kSystemColours[index] : kColourBlack;
    }
    return colour & 0x00FFFFFFu;
}

// One edge of a polygon being scan converted, from its upper end (y0 < y1). Its crossing
// with row y is x0 + ceil((y - y0) * (x1 - x0) / (y1 - y0)), stepped from row to row as a
// quotient and remainder so that no row needs a division.
struct Canvas::ScanEdge {
    Int64 y0 = 0;
    Int64 y1 = 0;
    Int64 x0 = 0;
    Int64 x1 = 0;
    Int64 x = 0;         // crossing with the current row
    Int64 remainder = 0; // 0 <= remainder < y1 - y0
    Int64 wholeStep = 0; // floor((x1 - x0) / (y1 - y0))
    Int64 fracStep = 0;  // (x1 - x0) - wholeStep * (y1 - y0)

    void StartAt(Int64 y) {
        const Int64 dy = y1 - y0;
        const Int64 dx = x1 - x0;
        if (y == y0) {
            // At the upper end the crossing is x0 itself (n = dy - 1 below): no division.
            x = x0;
            remainder = dy - 1;
        } else {
            // ceil(n / dy) = floor((n + dy - 1) / dy)
            const Int64 n = (y - y0) * dx + dy - 1;
            const Int64 q = FloorDiv(n, dy);
            x = x0 + q;
            remainder = n - q * dy;
        }
        // The step is needed only by an edge that reaches the next row; most edges of a
        // finely sampled curve cross one row only.
        if (y1 - y > 1) {
            wholeStep = FloorDiv(dx, dy);
            fracStep = dx - wholeStep * dy;
        }
    }
    void NextRow() { Step(x, remainder); }
    // Steps a crossing and its remainder, held apart from the edge, to the next row. The carry
    // is worked out without a branch: along a sloped edge it comes at no pattern a branch
    // predictor could follow.
    void Step(Int64& crossing, Int64& rest) const {
        const Int64 dy = y1 - y0;
        rest += fracStep;
        const Int64 carry = rest >= dy ? 1 : 0;
        rest -= dy & -carry;
        crossing += wholeStep + carry;
    }
};

namespace {

// Orders the active edges by their crossing with the current row. The order changes little
// from row to row, so a few moves sort them; many crossings in one row take the general sort.
template <class Edge> void SortByCrossing(Edge** edges, std::size_t count) {
    if (count <= kInsertionSortLimit) {
        for (std::size_t i = 1; i < count; ++i) {
            Edge* e = edges[i];
            std::size_t j = i;
            for (; j > 0 && edges[j - 1]->x > e->x; --j) {
                edges[j] = edges[j - 1];
            }
            edges[j] = e;
        }
        return;
    }
    std::sort(edges, edges + count, [](const Edge* l, const Edge* r) { return l->x < r->x; });
}

} // namespace

// The column ranges of every row of an ellipse in a box, relative to the box's left column.
// They depend only on the ellipse and the box size (a box moved by whole pixels moves its
// pixels with it), so figures of one shape drawn again, such as the same gullet at every
// tooth, are not worked out again.
struct EllipseRows {
    Int64 a = -1; // the ellipse (DoubledEllipse a, b)
    Int64 b = -1;
    Int64 boxWidth = -1;
    Int64 boxHeight = -1;
    std::vector<ColumnRange> rows; // row y1 + r at index r
};

struct Canvas::ScanScratch {
    std::vector<ScanEdge> edges;       // in outline order
    std::vector<ScanEdge*> byRow;      // the same, ordered by the first row they cross
    std::vector<std::size_t> rowStart; // per row: index in `byRow` of its first starting edge
    std::vector<ScanEdge*> active;     // edges crossing the current row, ordered by crossing
    static constexpr std::size_t kEllipseSlots = 4;
    static constexpr Int64 kMaxCachedRows = 2048;
    std::array<EllipseRows, kEllipseSlots> ellipses;
    std::size_t nextEllipse = 0;

    // The polygon's edges that cross rows of [clipTop, clipBottom) (horizontal ones cross
    // none), in `edges`, and in `byRow` ordered by the first row they cross; rowFirst and
    // rowEnd get the rows the polygon can fill. False when it fills none.
    bool CollectEdges(std::span<const CanvasPoint> points, Int64 clipTop, Int64 clipBottom,
                      Int64& rowFirst, Int64& rowEnd) {
        edges.clear();
        Int64 yMin = std::numeric_limits<Int64>::max();
        Int64 yMax = std::numeric_limits<Int64>::min();
        const std::size_t count = points.size();
        for (std::size_t i = 0; i < count; ++i) {
            const CanvasPoint& a = points[i];
            const CanvasPoint& b = points[i + 1 < count ? i + 1 : 0];
            if (a.y == b.y) {
                continue;
            }
            ScanEdge e;
            const bool down = a.y < b.y;
            e.y0 = down ? a.y : b.y;
            e.x0 = down ? a.x : b.x;
            e.y1 = down ? b.y : a.y;
            e.x1 = down ? b.x : a.x;
            // An edge wholly above or below the clip crosses none of the rows filled.
            if (e.y1 <= clipTop || e.y0 >= clipBottom) {
                continue;
            }
            yMin = std::min(yMin, e.y0);
            yMax = std::max(yMax, e.y1);
            edges.push_back(e);
        }
        if (edges.empty()) {
            return false;
        }
        rowFirst = std::max(yMin, clipTop);
        rowEnd = std::min(yMax, clipBottom);
        if (rowFirst >= rowEnd) {
            return false;
        }
        // Edges ordered by their first row by counting: every kept edge starts in [rowFirst,
        // rowEnd), and the order among edges of one row does not matter (crossings are sorted).
        const Int64 top = rowFirst;
        const auto firstRow = [top](const ScanEdge& e) {
            return static_cast<std::size_t>(std::max(e.y0, top) - top);
        };
        rowStart.assign(static_cast<std::size_t>(rowEnd - rowFirst) + 1, 0);
        for (const ScanEdge& e : edges) {
            ++rowStart[firstRow(e) + 1];
        }
        for (std::size_t r = 1; r < rowStart.size(); ++r) {
            rowStart[r] += rowStart[r - 1];
        }
        byRow.resize(edges.size());
        for (ScanEdge& e : edges) {
            byRow[rowStart[firstRow(e)]++] = &e;
        }
        return true;
    }

    // Rows of `e` in a box of boxWidth x boxHeight, or null for boxes too tall to keep.
    const ColumnRange* RowsOf(const DoubledEllipse& e, Int64 boxWidth, Int64 boxHeight) {
        if (boxHeight > kMaxCachedRows || boxWidth > kMaxX / 4) {
            return nullptr;
        }
        for (const EllipseRows& cached : ellipses) {
            if (cached.a == e.a && cached.b == e.b && cached.boxWidth == boxWidth &&
                cached.boxHeight == boxHeight) {
                return cached.rows.data();
            }
        }
        EllipseRows& slot = ellipses[nextEllipse];
        nextEllipse = (nextEllipse + 1) % kEllipseSlots;
        slot.a = e.a;
        slot.b = e.b;
        slot.boxWidth = boxWidth;
        slot.boxHeight = boxHeight;
        slot.rows.resize(static_cast<std::size_t>(boxHeight));
        for (Int64 r = 0; r < boxHeight; ++r) {
            // The box (0, 0)-(boxWidth, boxHeight): sumX = boxWidth, sumY = boxHeight.
            slot.rows[static_cast<std::size_t>(r)] = e.Row(2 * r + 1 - boxHeight, boxWidth);
        }
        return slot.rows.data();
    }
};

Canvas::Canvas(int width, int height, Colour fill)
    : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32) {
    image_.fill(ToPixel(fill));
    RemoveClip();
}

bool Canvas::SavePng(const std::string& path) const {
    return image_.save(QString::fromStdString(path), "PNG");
}

Colour Canvas::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) {
        return kColourBlack;
    }
    const QRgb p = image_.pixel(x, y);
    return MakeColour(qRed(p), qGreen(p), qBlue(p));
}

void Canvas::SetBrush(const Brush& brush) {
    brush_ = brush;
    brushChanged_ = true;
}

void Canvas::SetBrushColour(Colour colour) {
    brush_.colour = colour;
    brushChanged_ = true;
}

void Canvas::SetBrushStyle(BrushStyle style) {
    brush_.style = style;
    brushChanged_ = true;
}

void Canvas::SetFont(const FontSpec& font) {
    if (!(font == font_)) {
        font_ = font;
    }
}

void Canvas::PreparePixels() {
    bits_ = reinterpret_cast<std::uint32_t*>(image_.bits());
    stride_ = image_.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(std::uint32_t));
}

void Canvas::RealizeBrush() {
    if (!brushChanged_) {
        return;
    }
    brushChanged_ = false;
    if (brush_.style == BrushStyle::Solid) {
        backColour_ = brush_.colour;
        backMode_ = BackMode::Opaque;
    } else {
        backMode_ = BackMode::Transparent;
    }
}

inline std::uint32_t Canvas::BrushPixel() const {
    return ToPixel(brush_.colour);
}

inline std::uint32_t Canvas::PenPixel() const {
    return ToPixel(pen_.colour);
}

void Canvas::FillSpan(int y, int x0, int x1, std::uint32_t pixel, PenMode mode) {
    if (y < clip_.top || y >= clip_.bottom) {
        return;
    }
    x0 = std::max(x0, clip_.left);
    x1 = std::min(x1, clip_.right);
    if (x0 >= x1) {
        return;
    }
    auto* line = Row(y);
    if (mode == PenMode::Copy) {
        FillPixels(line + x0, static_cast<std::size_t>(x1 - x0), pixel);
        return;
    }
    for (int x = x0; x < x1; ++x) {
        line[x] = ~(pixel ^ line[x]) | 0xFF000000u;
    }
}

inline void Canvas::PutPixel(int x, int y, std::uint32_t pixel, PenMode mode) {
    if (x < clip_.left || x >= clip_.right || y < clip_.top || y >= clip_.bottom) {
        return;
    }
    auto* p = Row(y) + x;
    *p = mode == PenMode::Copy ? pixel : (~(pixel ^ *p) | 0xFF000000u);
}

void Canvas::SetPixel(int x, int y, Colour colour) {
    PreparePixels();
    PutPixel(x, y, ToPixel(colour), PenMode::Copy);
}

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

    // The minor coordinate is kept as quotient and remainder while Num moves by
    // +-2 * minorDelta per step (|minorDelta| <= steps, so one correction at most). At the
    // start point Num / den is 0 forward and minorDelta backward, with the remainder steps.
    Int64 quotient = line.forward ? 0 : line.minorDelta;
    Int64 remainder = steps;
    if (first > 0) {
        quotient = line.FloorOfNum(first);
        remainder = static_cast<Int64>(line.Num(first) - static_cast<__int128>(quotient) * den);
    }
    const Int64 numStep = 2 * line.minorDelta * step;
    const Int64 major = line.majorStart + step * first;
    const Int64 minor = line.baseMinor + quotient;
    std::uint32_t* p =
        xMajor ? Row(static_cast<int>(minor)) + major : Row(static_cast<int>(major)) + minor;
    const std::ptrdiff_t majorStride = xMajor ? step : step * stride_;
    const std::ptrdiff_t minorStride = xMajor ? stride_ : 1;
    const auto walk = [&](auto plot) {
        // Every step from first to end lies in the clip, so the pointer stays in the image.
        // The remainder moves one way along the whole line, so only one correction can occur;
        // it is taken without a branch, as it comes at no pattern a predictor could follow.
        if (numStep >= 0) {
            for (Int64 i = first;;) {
                plot(p, i);
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
                plot(p, i);
                if (++i == end) {
                    break;
                }
                remainder += numStep;
                const Int64 borrow = remainder < 0 ? 1 : 0;
                remainder += den & -borrow;
                p += majorStride - (minorStride & -static_cast<std::ptrdiff_t>(borrow));
            }
        }
    };
    if (!dotted && mode == PenMode::Copy) {
        walk([on](std::uint32_t* q, Int64) { *q = on; });
        return;
    }
    const std::uint32_t off = ToPixel(backColour_);
    const bool opaque = backMode_ == BackMode::Opaque;
    // The walk takes the steps in order from `first`, so the dot pattern is counted along
    // (step i is "on" when i mod 6 < 3) instead of divided out at every pixel.
    Int64 patternStep = first % 6;
    walk([&](std::uint32_t* q, Int64) {
        const bool dot = !dotted || patternStep < 3;
        patternStep = patternStep == 5 ? 0 : patternStep + 1;
        if (dot || opaque) {
            const std::uint32_t pixel = dot ? on : off;
            *q = mode == PenMode::Copy ? pixel : (~(pixel ^ *q) | 0xFF000000u);
        }
    });
}

void Canvas::WideLine(int x0, int y0, int x1, int y1, int width) {
    // The pixels whose centres lie within width / 2 of the segment between the two end pixels,
    // round caps included; across the line the band is half-open, so a 2-px horizontal line
    // at y covers rows y - 1 and y. The segment is taken from its smaller end, so both
    // directions cover the same pixels.
    if (std::tie(y1, x1) < std::tie(y0, x0)) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const double r = width / 2.0;
    const double r2 = r * r;
    const Int64 dx = static_cast<Int64>(x1) - x0;
    const Int64 dy = static_cast<Int64>(y1) - y0;
    const Int64 len2 = dx * dx + dy * dy;
    const double rLen = r * std::sqrt(static_cast<double>(len2));
    const auto covered = [&](Int64 x, Int64 y) {
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
    };
    // With the end points and the width below 2^24 in size, every product the test compares
    // lies below 2^53 and converts to a double exactly, so comparing it with rLen or r2 is the
    // same as comparing the integer with the bound rounded to an integer: the same test
    // without conversions.
    const auto small = [](Int64 v) { return v > -kWideLineExactLimit && v < kWideLineExactLimit; };
    const bool exactInIntegers = small(x0) && small(y0) && small(x1) && small(y1) && small(width);
    const Int64 acrossLow = -FloorToInt(rLen); // across >= -rLen
    const Int64 acrossHigh = CeilToInt(rLen);  // across < rLen
    const Int64 capLimit = CeilToInt(r2);      // squared distance < r2
    const auto coveredInIntegers = [&](Int64 x, Int64 y) {
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
    };
    const std::uint32_t pixel = PenPixel();
    const int rowFirst = std::max<int>(static_cast<int>(FloorToInt(y0 - r)), clip_.top);
    const int rowLast = std::min<int>(static_cast<int>(CeilToInt(y1 + r)), clip_.bottom - 1);
    // The covered columns first..last of a row: a first estimate, then exact ends from the
    // pixel test (the covered part of a row is contiguous: the band is convex). Every covered
    // pixel, caps included, has -rLen <= across < rLen, so with dy > 0 its column lies between
    // x0 + p and x0 + q; the margin of a pixel absorbs the rounding of p and q.
    const auto span = [&](auto test, int row, Int64& first, Int64& last) {
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
    };
    // Along a vertical segment every row from y0 to y1 has the same columns: such a pixel is
    // beside the segment (0 <= along <= len2), where only its column decides. The span of row
    // y0 serves them all.
    const bool vertical = dx == 0 && dy > 0;
    const auto rows = [&](auto test) {
        Int64 sideFirst = 0;
        Int64 sideLast = -1;
        if (vertical) {
            span(test, y0, sideFirst, sideLast);
        }
        for (int row = rowFirst; row <= rowLast; ++row) {
            Int64 first = sideFirst;
            Int64 last = sideLast;
            if (!vertical || row < y0 || row > y1) {
                span(test, row, first, last);
            }
            if (first <= last) {
                FillSpan(row, static_cast<int>(std::max<Int64>(first, clip_.left)),
                         static_cast<int>(std::min<Int64>(last + 1, clip_.right)), pixel,
                         pen_.mode);
            }
        }
    };
    if (exactInIntegers && dy > 0 && dx != 0) {
        SlopedWideRows(
            x0, y0, x1, y1, rowFirst, rowLast, {acrossLow, acrossHigh, capLimit},
            [&](int row, Int64& first, Int64& last) { span(coveredInIntegers, row, first, last); });
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

void Canvas::LineTo(int x, int y) {
    PreparePixels();
    PenLine(penPos_.x, penPos_.y, x, y);
    penPos_ = {x, y};
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    PreparePixels();
    if (x1 > x2) {
        std::swap(x1, x2);
    }
    if (y1 > y2) {
        std::swap(y1, y2);
    }
    RealizeBrush();
    const int w = PenVisible() ? PenWidth() : 0;
    if (brush_.style == BrushStyle::Solid) {
        const std::uint32_t fill = BrushPixel();
        for (int y = std::max(y1 + w, clip_.top); y < y2 - w && y < clip_.bottom; ++y) {
            FillSpan(y, x1 + w, x2 - w, fill, pen_.mode);
        }
    }
    if (w == 0 || x1 >= x2 || y1 >= y2) {
        return;
    }
    if (pen_.style == PenStyle::Dotted && w == 1) {
        ThinLine(x1, y1, x2 - 1, y1);
        ThinLine(x2 - 1, y1, x2 - 1, y2 - 1);
        ThinLine(x2 - 1, y2 - 1, x1, y2 - 1);
        ThinLine(x1, y2 - 1, x1, y1);
        if (x2 - x1 == 1 && y2 - y1 == 1) {
            PutPixel(x1, y1, PenPixel(), pen_.mode);
        }
        return;
    }
    // Outline band of width w inside the box, each pixel written once (matters for not-xor).
    const std::uint32_t pixel = PenPixel();
    for (int y = std::max(y1, clip_.top); y < y2 && y < clip_.bottom; ++y) {
        if (y < y1 + w || y >= y2 - w) {
            FillSpan(y, x1, x2, pixel, pen_.mode);
        } else {
            const int leftEnd = std::min(x1 + w, x2);
            FillSpan(y, x1, leftEnd, pixel, pen_.mode);
            FillSpan(y, std::max(x2 - w, leftEnd), x2, pixel, pen_.mode);
        }
    }
}

void Canvas::FillRect(const CanvasRect& rect) {
    PreparePixels();
    RealizeBrush();
    if (brush_.style != BrushStyle::Solid) {
        return;
    }
    const std::uint32_t fill = BrushPixel();
    for (int y = std::max(rect.top, clip_.top); y < rect.bottom && y < clip_.bottom; ++y) {
        FillSpan(y, rect.left, rect.right, fill, PenMode::Copy);
    }
}

void Canvas::FillPolygon(std::span<const CanvasPoint> points) {
    // Even-odd scan conversion with an active edge list. A pixel (x, y) is inside when the
    // point (x, y) is; crossings are taken at ceil(), so left and top edges are in and right and
    // bottom edges out.
    if (!scratch_) {
        scratch_ = std::make_unique<ScanScratch>();
    }
    Int64 rowFirst = 0;
    Int64 rowEnd = 0;
    if (!scratch_->CollectEdges(points, clip_.top, clip_.bottom, rowFirst, rowEnd)) {
        return;
    }
    const std::vector<ScanEdge>& edges = scratch_->edges;
    const std::vector<ScanEdge*>& byRow = scratch_->byRow;
    std::vector<ScanEdge*>& active = scratch_->active;

    const std::uint32_t fill = BrushPixel();
    const PenMode mode = pen_.mode;
    const Int64 clipLeft = clip_.left;
    const Int64 clipRight = clip_.right;
    // Rows are taken in runs over which the active edges stay the same: between two runs edges
    // end and start, within a run each edge only steps to the next row.
    active.resize(edges.size());
    ScanEdge** const act = active.data();
    std::size_t activeCount = 0;
    std::size_t next = 0;
    // Columns from..to - 1 of row y, cut to the clip (the row lies in it).
    const auto fillRow = [&](Int64 y, Int64 from, Int64 to) {
        from = std::max(from, clipLeft);
        to = std::min(to, clipRight);
        if (from >= to) {
            return;
        }
        if (mode == PenMode::Copy) {
            FillPixels(Row(static_cast<int>(y)) + from, static_cast<std::size_t>(to - from), fill);
        } else {
            FillSpan(static_cast<int>(y), static_cast<int>(from), static_cast<int>(to), fill, mode);
        }
    };
    for (Int64 y = rowFirst; y < rowEnd;) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < activeCount; ++i) {
            ScanEdge* e = act[i];
            if (e->y1 > y) {
                e->NextRow();
                act[kept++] = e;
            }
        }
        activeCount = kept;
        for (; next < byRow.size() && byRow[next]->y0 <= y; ++next) {
            byRow[next]->StartAt(y);
            act[activeCount++] = byRow[next];
        }
        Int64 runEnd = next < byRow.size() ? std::min(rowEnd, byRow[next]->y0) : rowEnd;
        for (std::size_t i = 0; i < activeCount; ++i) {
            runEnd = std::min(runEnd, act[i]->y1);
        }
        if (activeCount == 2) {
            // One span per row, the common case of simple figures. The two crossings are
            // stepped in locals, kept in registers over the run, and stored back for the next.
            ScanEdge& a = *act[0];
            ScanEdge& b = *act[1];
            Int64 ax = a.x;
            Int64 ar = a.remainder;
            Int64 bx = b.x;
            Int64 br = b.remainder;
            for (;;) {
                fillRow(y, std::min(ax, bx), std::max(ax, bx));
                if (++y == runEnd) {
                    break;
                }
                a.Step(ax, ar);
                b.Step(bx, br);
            }
            a.x = ax;
            a.remainder = ar;
            b.x = bx;
            b.remainder = br;
            continue;
        }
        for (;;) {
            SortByCrossing(act, activeCount);
            for (std::size_t i = 0; i + 1 < activeCount; i += 2) {
                fillRow(y, act[i]->x, act[i + 1]->x);
            }
            if (++y == runEnd) {
                break;
            }
            for (std::size_t i = 0; i < activeCount; ++i) {
                act[i]->NextRow();
            }
        }
    }
}

void Canvas::Polygon(std::span<const CanvasPoint> points) {
    PreparePixels();
    if (points.size() < 2) {
        return;
    }
    RealizeBrush();
    if (brush_.style == BrushStyle::Solid) {
        FillPolygon(points);
    }
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        PenLine(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y);
    }
    PenLine(points.back().x, points.back().y, points.front().x, points.front().y);
}

void Canvas::Polyline(std::span<const CanvasPoint> points) {
    PreparePixels();
    for (std::size_t i = 1; i < points.size(); ++i) {
        PenLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    }
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
    PreparePixels();
    RealizeBrush();
    EllipticFigure(x1, y1, x2, y2, nullptr, true, true, false);
}

void Canvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    PreparePixels();
    RealizeBrush();
    const int rays[4] = {x3, y3, x4, y4};
    EllipticFigure(x1, y1, x2, y2, rays, true, true, true);
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    PreparePixels();
    const int rays[4] = {x3, y3, x4, y4};
    EllipticFigure(x1, y1, x2, y2, rays, false, true, false);
}

void Canvas::EllipticFigure(int x1, int y1, int x2, int y2, const int* rays, bool fill,
                            bool outline, bool radii) {
    if (x1 > x2) {
        std::swap(x1, x2);
    }
    if (y1 > y2) {
        std::swap(y1, y2);
    }
    if (x1 == x2 || y1 == y2) {
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
    const Sector sector = rays == nullptr
                              ? Sector{}
                              : Sector{2 * Int64{rays[0]} - sumX, 2 * Int64{rays[1]} - sumY,
                                       2 * Int64{rays[2]} - sumX, 2 * Int64{rays[3]} - sumY};
    const bool doFill = fill && brush_.style == BrushStyle::Solid;
    const std::uint32_t fillPixel = BrushPixel();
    const std::uint32_t penPixel = PenPixel();
    const PenMode mode = pen_.mode;
    // Fill and outline in one colour, copied: each row is the outer row cut by the sector
    // (the inner ellipse lies within the outer one), written once.
    const bool oneColour = doFill && penOn && mode == PenMode::Copy && fillPixel == penPixel;
    if (!scratch_) {
        scratch_ = std::make_unique<ScanScratch>();
    }
    const ColumnRange* outerRows = scratch_->RowsOf(outer, a, b);
    const ColumnRange* innerRows = hasInner ? scratch_->RowsOf(inner, a, b) : nullptr;
    const auto shifted = [](const ColumnRange& r, Int64 by) {
        return r.Empty() ? r : ColumnRange{r.lo + by, r.hi + by};
    };

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
            outerRows != nullptr ? shifted(outerRows[y - y1], x1) : outer.Row(v, sumX);
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
                               : innerRows != nullptr ? shifted(innerRows[y - y1], x1)
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
        // From the centre pixel to where each ray leaves the ellipse.
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
        const CanvasPoint startEnd = rayEnd(sector.sx, sector.sy);
        const CanvasPoint stopEnd = rayEnd(sector.ex, sector.ey);
        PenLine(centreX, centreY, startEnd.x, startEnd.y);
        PenLine(centreX, centreY, stopEnd.x, stopEnd.y);
    }
}

TextCache& Canvas::Texts() {
    if (!textCache_) {
        textCache_ = std::make_unique<TextCache>();
    }
    textCache_->SelectFont(font_);
    return *textCache_;
}

const TextImage& Canvas::RenderText(const QString& text) {
    return Texts().Render(text);
}

int Canvas::FontHeight() {
    return Texts().FontHeight();
}

TextSize Canvas::TextExtent(const QString& text) {
    TextCache& texts = Texts();
    return {texts.Advance(text), texts.FontHeight()};
}

void Canvas::TextOut(int x, int y, const QString& text) {
    DrawText(x, y, text, 0);
}

void Canvas::TextOutRotated(int x, int y, const QString& text, int angleDegrees) {
    DrawText(x, y, text, angleDegrees);
}

void Canvas::DrawText(int x, int y, const QString& text, int angleDegrees) {
    RealizeBrush();
    const TextImage& t = RenderText(text);
    // Offset of the cell's top-left corner from the reference point, in the text's own frame.
    int dx = 0;
    switch (textAlign_ & 6u) {
    case text_align::kRight:
        dx = -t.advance;
        break;
    case text_align::kCentre:
        dx = -t.advance / 2;
        break;
    default:
        break;
    }
    int dy = 0;
    switch (textAlign_ & 24u) {
    case text_align::kBottom:
        dy = -t.height;
        break;
    case text_align::kBaseline:
        dy = -t.ascent;
        break;
    default:
        break;
    }
    if (clip_.left >= clip_.right || clip_.top >= clip_.bottom) {
        return;
    }
    const int quarterTurns = ((angleDegrees % 360) + 360) % 360 / 90;
    if (angleDegrees % 90 != 0) {
        // Other angles: the painter rotates the glyphs.
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setClipRect(
            QRect(clip_.left, clip_.top, clip_.right - clip_.left, clip_.bottom - clip_.top));
        painter.translate(x, y);
        painter.rotate(-static_cast<double>(angleDegrees));
        if (backMode_ == BackMode::Opaque) {
            painter.fillRect(QRect(dx, dy, t.advance, t.height),
                             QColor::fromRgb(ToPixel(backColour_)));
        }
        painter.setFont(Texts().Font());
        painter.setPen(QColor::fromRgb(ToPixel(font_.colour)));
        painter.drawText(QPoint(dx, dy + t.ascent), text);
        return;
    }
    PreparePixels();
    // The pixel (px, py) of the text frame (x right along the text, y down) turned counter-
    // clockwise by quarterTurns quarter turns about the reference point.
    const auto toScreen = [&](int px, int py) {
        switch (quarterTurns) {
        case 1:
            return CanvasPoint{x + py, y - px - 1};
        case 2:
            return CanvasPoint{x - px - 1, y - py - 1};
        case 3:
            return CanvasPoint{x - py - 1, y + px};
        default:
            return CanvasPoint{x + px, y + py};
        }
    };
    if (backMode_ == BackMode::Opaque && t.advance > 0 && t.height > 0) {
        const CanvasPoint a = toScreen(dx, dy);
        const CanvasPoint b = toScreen(dx + t.advance - 1, dy + t.height - 1);
        const std::uint32_t back = ToPixel(backColour_);
        for (int row = std::min(a.y, b.y); row <= std::max(a.y, b.y); ++row) {
            FillSpan(row, std::min(a.x, b.x), std::max(a.x, b.x) + 1, back, PenMode::Copy);
        }
    }
    const std::uint32_t pixel = ToPixel(font_.colour);
    if (quarterTurns == 0) {
        // Upright text: the ink box's rows and columns clipped once.
        const int left = x + dx + t.inkLeft;
        const int top = y + dy + t.inkTop;
        const int colFirst = std::max(0, clip_.left - left);
        const int colEnd = std::min(t.inkWidth, clip_.right - left);
        const int rowFirst = std::max(0, clip_.top - top);
        const int rowEnd = std::min(t.inkHeight, clip_.bottom - top);
        for (int my = rowFirst; my < rowEnd; ++my) {
            const std::uint8_t* ink = t.ink.data() + static_cast<std::size_t>(my) * t.inkWidth;
            std::uint32_t* line = Row(top + my) + left;
            // Ink is 0 or 1: a mask selects the pen or the old pixel, with no branch per pixel.
            for (int mx = colFirst; mx < colEnd; ++mx) {
                const std::uint32_t mask = 0u - ink[mx];
                line[mx] = (line[mx] & ~mask) | (pixel & mask);
            }
        }
        return;
    }
    for (int my = 0; my < t.inkHeight; ++my) {
        const std::uint8_t* ink = t.ink.data() + static_cast<std::size_t>(my) * t.inkWidth;
        for (int mx = 0; mx < t.inkWidth; ++mx) {
            if (ink[mx] == 0) {
                continue;
            }
            const CanvasPoint p = toScreen(dx + t.inkLeft + mx, dy + t.inkTop + my);
            if (p.x >= clip_.left && p.x < clip_.right && p.y >= clip_.top && p.y < clip_.bottom) {
                Row(p.y)[p.x] = pixel;
            }
        }
    }
}

void Canvas::ClipToRect(const CanvasRect& rect) {
    clip_.left = std::clamp(std::min(rect.left, rect.right), 0, Width());
    clip_.right = std::clamp(std::max(rect.left, rect.right), 0, Width());
    clip_.top = std::clamp(std::min(rect.top, rect.bottom), 0, Height());
    clip_.bottom = std::clamp(std::max(rect.top, rect.bottom), 0, Height());
}

void Canvas::RemoveClip() {
    clip_ = {0, 0, Width(), Height()};
}

void Canvas::Draw(int x, int y, const QImage& source) {
    const QImage rgb =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? source
            : source.convertToFormat(QImage::Format_RGB32);
    const int from = std::max(x, clip_.left);
    const int to = std::min(x + rgb.width(), clip_.right);
    if (from >= to) {
        return;
    }
    PreparePixels();
    for (int row = std::max(y, clip_.top); row < y + rgb.height() && row < clip_.bottom; ++row) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(row - y));
        auto* dst = Row(row);
        for (int col = from; col < to; ++col) {
            dst[col] = src[col - x] | 0xFF000000u;
        }
    }
}

void Canvas::Draw(int x, int y, const Canvas& source) {
    if (&source == this) {
        // Drawing onto itself reads a copy (the image detaches on the first write).
        const QImage copy = image_;
        Draw(x, y, copy);
        return;
    }
    // Every pixel a canvas writes is opaque, so its rows are copied as they are.
    const int from = std::max(x, clip_.left);
    const int to = std::min(x + source.Width(), clip_.right);
    if (from >= to) {
        return;
    }
    PreparePixels();
    const int rowEnd = std::min(y + source.Height(), clip_.bottom);
    for (int row = std::max(y, clip_.top); row < rowEnd; ++row) {
        const auto* src =
            reinterpret_cast<const std::uint32_t*>(source.image_.constScanLine(row - y));
        std::copy(src + (from - x), src + (to - x), Row(row) + from);
    }
}

// Defined here, where the cache types are complete.
Canvas::~Canvas() = default;

} // namespace canvas
