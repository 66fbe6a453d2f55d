#include "cutter/cutter_view.h"

#include "cutter/force_arrows.h"
#include "sim/arithmetic.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <span>

namespace cutter {

using canvas::BrushStyle;
using canvas::Canvas;
using canvas::CanvasPoint;
using canvas::PenStyle;

namespace {

// Straight pieces of the gullet's arc: at most 40 px of radius, so 32 pieces keep it within
// 0.05 px of the true half-circle.
constexpr int kGulletArcSegments = 32;
constexpr double kHalfTurnExact = std::numbers::pi;

// The hub's box, and the square around its centre that its disk covers with room to spare
// (the square's corners lie 42 px from the centre, the disk's edge 49 px).
constexpr canvas::CanvasRect kHubBox{100, 33, 200, 133};
constexpr int kHubCentreX = 150;
constexpr int kHubCentreY = 83;
constexpr int kHubClearRadius = 30;

// cos and sin of the arc's inner corner angles i * pi / kGulletArcSegments (index i), the same
// for every gullet: worked out once.
struct ArcAngles {
    std::array<double, kGulletArcSegments> cos{};
    std::array<double, kGulletArcSegments> sin{};
};

const ArcAngles& GulletArcAngles() {
    static const ArcAngles angles = [] {
        ArcAngles t;
        for (int i = 1; i < kGulletArcSegments; ++i) {
            const double a = kHalfTurnExact * i / kGulletArcSegments;
            t.cos[static_cast<std::size_t>(i)] = std::cos(a);
            t.sin[static_cast<std::size_t>(i)] = std::sin(a);
        }
        return t;
    }();
    return angles;
}

} // namespace

CutterView::CutterView() = default;

CutterView::~CutterView() = default;

Canvas& CutterView::Surface() {
    if (!bitmap_) {
        bitmap_ = std::make_unique<Canvas>(kViewWidth, kViewHeight);
    }
    return *bitmap_;
}

QImage CutterView::Image() const {
    return bitmap_ ? bitmap_->Image().copy() : QImage();
}

bool CutterView::SavePng(const std::string& path) const {
    return bitmap_ && bitmap_->SavePng(path);
}

void CutterView::RedrawCutterView(const sim::SimState& s, double phase) {
    DrawWorkpiece(s);
    if (s.ToothCount > 0) {
        // The geometry does not depend on the tooth angle, so one evaluation serves every tooth.
        const ToothGeometry geometry = ComputeToothGeometry(s);
        const sim::MillingDirection direction = s.MillingDirection;
        teeth_.resize(static_cast<std::size_t>(s.ToothCount));
        for (std::size_t k = 0; k < teeth_.size(); ++k) {
            const double toothAngle = static_cast<int32_t>(k) * s.ToothPitch + phase;
            teeth_[k] = ComputeToothOutline(s, geometry, toothAngle, direction);
        }
        // Neighbouring teeth share the radial edge from the centre to their common chord end;
        // it is drawn by the later tooth only, which gives the same pixels as DrawTooth for
        // every tooth.
        for (std::size_t k = 0; k < teeth_.size(); ++k) {
            DrawToothBody(teeth_[k], k + 1 < teeth_.size()
                                         ? EdgeRepaintedByNext(teeth_[k], teeth_[k + 1])
                                         : RepaintedEdge::None);
            DrawGullet(teeth_[k], s.GulletRadius);
        }
    }
    DrawCutterHub(s);
    lastPhase_ = phase;
    if (forceArrows_) {
        DrawForceArrows(Surface(), ComputeForceArrows(s, phase));
    }
}

void CutterView::DrawWorkpiece(const sim::SimState& s) {
    Canvas& c = Surface();
    c.SetPenStyle(PenStyle::Solid);
    c.SetBrush({kFieldColour, BrushStyle::Solid});
    // The frame takes the pen as the hub step left it: black, 1 px.
    c.Rectangle(0, 0, kViewWidth, kViewHeight);
    c.SetBrushColour(kWorkpieceColour);
    c.SetPenWidth(1);
    c.SetPenColour(kLineColour);
    points_.resize(s.WorkpiecePoints.size());
    for (std::size_t i = 0; i < s.WorkpiecePoints.size(); ++i) {
        points_[i] = {s.WorkpiecePoints[i].x, s.WorkpiecePoints[i].y};
    }
    c.Polygon(points_);
}

namespace {

// The gullet's half-disk laid on the outline's own chord: the rake face's inner end (point 4),
// the chord's far end (point 5), then the arc back to point 4 on the side of the cutter centre.
// Its first edge repeats the outline's edge 4-5 in the same direction, so its outline covers
// exactly the pixels the tooth's outline drew along the chord. Empty for a chord of no length.
std::array<CanvasPoint, 2 + kGulletArcSegments - 1> GulletOnChord(const ToothOutline& tooth,
                                                                  bool& empty) {
    std::array<CanvasPoint, 2 + kGulletArcSegments - 1> points{};
    const sim::IntPoint rakeBase = tooth.ToothPoints[4];
    const sim::IntPoint chordFar = tooth.ToothPoints[5];
    const sim::IntPoint centre = tooth.ToothPoints[0];
    const double mx = (rakeBase.x + chordFar.x) / 2.0;
    const double my = (rakeBase.y + chordFar.y) / 2.0;
    // From the midpoint to the far end, and the normal toward the cutter centre, both of the
    // half-disk's radius.
    const double ux = chordFar.x - mx;
    const double uy = chordFar.y - my;
    empty = ux == 0 && uy == 0;
    const double side = -uy * (centre.x - mx) + ux * (centre.y - my) < 0 ? -1.0 : 1.0;
    const double nx = -uy * side;
    const double ny = ux * side;
    points[0] = {rakeBase.x, rakeBase.y};
    points[1] = {chordFar.x, chordFar.y};
    const ArcAngles& arc = GulletArcAngles();
    for (std::size_t i = 1; i < arc.cos.size(); ++i) {
        points[1 + i] = {sim::Round(mx + ux * arc.cos[i] + nx * arc.sin[i]),
                         sim::Round(my + uy * arc.cos[i] + ny * arc.sin[i])};
    }
    return points;
}

} // namespace

void CutterView::DrawTooth(const ToothOutline& tooth, double gulletRadius) {
    DrawToothBody(tooth, RepaintedEdge::None);
    DrawGullet(tooth, gulletRadius);
}

// A drawing step may be left out when every pixel it writes is written again later in the same
// redraw. The outline's edge 0-1 runs from the centre to point 1, edge 5-6 from point 5 back to
// the centre, each without its end pixel; a line covers the same pixels between its ends in
// both directions. Edges 1-2 .. 4-5 are never left out, and the last tooth leaves out nothing,
// so a left-out edge's pixels between its ends are always drawn again by a later tooth.
//  - Point 5 of this tooth is point 1 of the next (up milling): this tooth's edge 5-6 (point 5
//    and the pixels between) is drawn again by the next tooth's edge 0-1, and point 5 by the
//    first pixel of its edge 1-2.
//  - Point 1 of this tooth is point 5 of the next (down milling): this tooth's edge 0-1 (the
//    centre and the pixels between) is drawn again by the next tooth's edge 5-6, and the centre
//    by the hub, which is drawn after the teeth.
CutterView::RepaintedEdge CutterView::EdgeRepaintedByNext(const ToothOutline& tooth,
                                                          const ToothOutline& next) {
    const auto& p = tooth.ToothPoints;
    const auto& q = next.ToothPoints;
    const auto same = [](const sim::IntPoint& a, const sim::IntPoint& b) {
        return a.x == b.x && a.y == b.y;
    };
    if (!same(p[0], p[6]) || !same(q[0], q[6]) || !same(p[0], q[0])) {
        return RepaintedEdge::None;
    }
    if (same(p[5], q[1]) && !same(q[1], q[2])) {
        return RepaintedEdge::Last;
    }
    const bool centreUnderHub = std::abs(p[0].x - kHubCentreX) < kHubClearRadius &&
                                std::abs(p[0].y - kHubCentreY) < kHubClearRadius;
    if (same(p[1], q[5]) && centreUnderHub) {
        return RepaintedEdge::First;
    }
    return RepaintedEdge::None;
}

void CutterView::DrawToothBody(const ToothOutline& tooth, RepaintedEdge omitted) {
    Canvas& c = Surface();
    c.SetPenWidth(1);
    c.SetBrushColour(kToothColour);
    c.SetPenColour(kToothColour);
    std::array<CanvasPoint, 7> outline;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        outline[i] = {tooth.ToothPoints[i].x, tooth.ToothPoints[i].y};
    }
    if (omitted == RepaintedEdge::None) {
        c.Polygon(outline);
        return;
    }
    // The fill, then the outline without the repainted edge; edge 6-0 has no length.
    c.SetPenStyle(PenStyle::Clear);
    c.Polygon(outline);
    c.SetPenStyle(PenStyle::Solid);
    const std::span<const CanvasPoint> all(outline);
    c.Polyline(omitted == RepaintedEdge::Last ? all.first(6) : all.last(6));
}

void CutterView::DrawGullet(const ToothOutline& tooth, double gulletRadius) {
    Canvas& c = Surface();
    c.SetBrushColour(kFieldColour);
    c.SetPenColour(kFieldColour);
    const double h = gulletRadius;
    c.Pie(sim::Round(tooth.GulletCentreX - h), sim::Round(tooth.GulletCentreY - h),
          sim::Round(tooth.GulletCentreX + h), sim::Round(tooth.GulletCentreY + h),
          tooth.GulletStartX, tooth.GulletStartY, tooth.GulletEndX, tooth.GulletEndY);
    // The pie's box comes from the separately rounded gullet centre, so its straight edge can
    // miss the outline's chord by a pixel, and the 2-px line below does not cover every pixel of
    // the outline's chord edge: both left specks of the tooth inside the gullet. The same
    // half-disk on the outline's own chord covers them.
    bool emptyChord = false;
    const auto gullet = GulletOnChord(tooth, emptyChord);
    if (!emptyChord) {
        c.Polygon(gullet);
    }
    // Paint over the polygon's edge along the chord, so that the half-disk opens into the
    // gullet.
    c.SetPenWidth(2);
    c.MoveTo(tooth.GulletEndX, tooth.GulletEndY);
    c.LineTo(tooth.GulletStartX, tooth.GulletStartY);
}

void CutterView::DrawCutterHub(const sim::SimState& s) {
    Canvas& c = Surface();
    c.SetPenWidth(1);
    c.SetPenColour(kHubColour);
    c.SetBrushColour(kHubColour);
    // A fixed box: the centre never moves from (150, 83).
    c.Ellipse(kHubBox.left, kHubBox.top, kHubBox.right, kHubBox.bottom);
    c.SetPenColour(kLineColour);
    c.SetPenStyle(PenStyle::Dotted);
    // The dotted lines' gaps take the hub colour, the last brush that filled a figure.
    c.MoveTo(s.CentreX, 0);
    c.LineTo(s.CentreX, 300);
    c.MoveTo(0, s.CentreY);
    c.LineTo(kViewWidth, s.CentreY);
}

bool SaveCutterViewPng(const sim::SimState& s, double phase, const std::string& path) {
    CutterView view;
    view.RedrawCutterView(s, phase);
    return view.SavePng(path);
}

} // namespace cutter
