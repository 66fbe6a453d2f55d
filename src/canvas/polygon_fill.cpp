// Polygons: even-odd scan conversion with an active edge list.
#include "canvas/raster_internal.h"

namespace canvas {
namespace {

// Crossings per row up to which insertion sort orders them.
constexpr std::size_t kInsertionSortLimit = 32;
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

void Canvas::FillPolygon(std::span<const CanvasPoint> points) {
    // Even-odd scan conversion with an active edge list. A pixel (x, y) is inside when the
    // point (x, y) is; crossings are taken at ceil(), so left and top edges are in and right and
    // bottom edges out.
    Int64 rowFirst = 0;
    Int64 rowEnd = 0;
    if (!Scratch().CollectEdges(points, clip_.top, clip_.bottom, rowFirst, rowEnd)) {
        return;
    }
    const std::vector<ScanEdge>& edges = Scratch().edges;
    std::vector<ScanEdge*>& active = Scratch().active;

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
        const Int64 runEnd = Scratch().StartRun(activeCount, next, y, rowEnd);
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

} // namespace canvas
