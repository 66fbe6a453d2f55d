#pragma once

// What the rasteriser's units share: the pixel value of a colour, the span stores, integer
// rounding, column ranges of ellipse rows, and the scratch buffers of the polygon and ellipse
// fills. Private to the canvas library.

#include "canvas/canvas.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <limits>
#include <span>
#include <vector>

namespace canvas {

using Int64 = std::int64_t;

inline std::uint32_t ToPixel(Colour colour) {
    // Plain colours, the common case, need no look-up.
    const Colour rgb = (colour & 0x80000000u) == 0 ? colour & 0x00FFFFFFu : ColourToRgb(colour);
    return 0xFF000000u | ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

// Pixels up to which a span is stored in place.
// The pixels as a 32-bit RGB QImage that reads and writes them in place, without a copy.
inline QImage ImageOver(const PixelView& pixels) {
    return QImage(reinterpret_cast<uchar*>(pixels.pixels), pixels.width, pixels.height,
                  static_cast<qsizetype>(pixels.stride * sizeof(std::uint32_t)),
                  QImage::Format_RGB32);
}

inline constexpr std::size_t kShortSpan = 8;

using StoreRoutine = void (*)(std::uint32_t*, std::size_t, std::uint32_t);

// The routine that stores a long span (span_store.cpp), chosen by the processor on first use.
extern std::atomic<StoreRoutine> storePixels;

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

inline Int64 FloorDiv(Int64 num, Int64 den) {
    // den > 0
    Int64 q = num / den;
    if ((num % den) != 0 && num < 0) {
        --q;
    }
    return q;
}

// floor and ceil of a finite value well inside the 64-bit range, without a library call.
inline Int64 FloorToInt(double v) {
    const auto i = static_cast<Int64>(v);
    return static_cast<double>(i) > v ? i - 1 : i;
}

inline Int64 CeilToInt(double v) {
    const auto i = static_cast<Int64>(v);
    return static_cast<double>(i) < v ? i + 1 : i;
}

inline constexpr Int64 kMinX = std::numeric_limits<int>::min() / 4;
inline constexpr Int64 kMaxX = std::numeric_limits<int>::max() / 4;
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

    // At row y, the first of a run: steps the active edges active[0..activeCount) to it, drops
    // those that have ended and adds those of byRow[next..] that start there. Returns the end
    // of the run of rows over which the active edges stay the same.
    Int64 StartRun(std::size_t& activeCount, std::size_t& next, Int64 y, Int64 rowEnd) {
        ScanEdge** const act = active.data();
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
        return runEnd;
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
inline std::uint32_t Canvas::BrushPixel() const {
    return ToPixel(brush_.colour);
}

inline std::uint32_t Canvas::PenPixel() const {
    return ToPixel(pen_.colour);
}
inline void Canvas::PutPixel(int x, int y, std::uint32_t pixel, PenMode mode) {
    if (x < clip_.left || x >= clip_.right || y < clip_.top || y >= clip_.bottom) {
        return;
    }
    auto* p = Row(y) + x;
    *p = mode == PenMode::Copy ? pixel : (~(pixel ^ *p) | 0xFF000000u);
}

// The scratch buffers, made on the first fill that needs them.
inline Canvas::ScanScratch& Canvas::Scratch() {
    if (!scratch_) {
        scratch_ = std::make_unique<ScanScratch>();
    }
    return *scratch_;
}

} // namespace canvas
