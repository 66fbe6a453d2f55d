#include "cutter/cutter_view.h"

#include "sim/arithmetic.h"

namespace cutter {

using canvas::BrushStyle;
using canvas::Canvas;
using canvas::CanvasPoint;
using canvas::PenStyle;

CutterView::CutterView() = default;

CutterView::~CutterView() = default;

Canvas& CutterView::Surface() {
    if (!bitmap_) {
        bitmap_ = std::make_unique<Canvas>(kViewWidth, kViewHeight);
    }
    return *bitmap_;
}

QImage CutterView::Image() const {
    return bitmap_ ? bitmap_->Image() : QImage();
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
        for (int32_t k = 0; k < s.ToothCount; ++k) {
            const double toothAngle = k * s.ToothPitch + phase;
            DrawTooth(ComputeToothOutline(s, geometry, toothAngle, direction), s.GulletRadius);
        }
    }
    DrawCutterHub(s);
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

void CutterView::DrawTooth(const ToothOutline& tooth, double gulletRadius) {
    Canvas& c = Surface();
    c.SetPenWidth(1);
    c.SetBrushColour(kToothColour);
    c.SetPenColour(kToothColour);
    std::array<CanvasPoint, 7> outline;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        outline[i] = {tooth.ToothPoints[i].x, tooth.ToothPoints[i].y};
    }
    c.Polygon(outline);

    c.SetBrushColour(kFieldColour);
    c.SetPenColour(kFieldColour);
    const double h = gulletRadius;
    c.Pie(sim::Round(tooth.GulletCentreX - h), sim::Round(tooth.GulletCentreY - h),
          sim::Round(tooth.GulletCentreX + h), sim::Round(tooth.GulletCentreY + h),
          tooth.GulletStartX, tooth.GulletStartY, tooth.GulletEndX, tooth.GulletEndY);
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
    c.Ellipse(100, 33, 200, 133);
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
