#include "cutter/force_arrows.h"

#include "sim/arithmetic.h"
#include "sim/chip.h"
#include "sim/tooth_forces.h"

#include <algorithm>
#include <cmath>

namespace cutter {
namespace {

constexpr double kHeadLength = 8.0;    // px, from the point back to the head's base
constexpr double kHeadHalfWidth = 4.0; // px, across the shaft at the head's base
constexpr int kShaftWidth = 2;         // px

// The largest resultant of the teeth's forces on the workpiece over the trace, N. Squares are
// compared and one root taken: the redraw of every tick runs this.
double LargestResultant(const sim::SimState& s) {
    double largestSquared = 0;
    for (int i = 1; i <= sim::kTraceLength; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double feed = s.FeedSumTrace[k];
        const double normal = s.NormalSumTrace[k];
        largestSquared = std::max(largestSquared, feed * feed + normal * normal);
    }
    return std::sqrt(largestSquared);
}

ForceArrow ArrowFrom(double x, double y, double dx, double dy) {
    return {x, y, x + dx, y + dy};
}

double Length(const ForceArrow& a) {
    return std::hypot(a.toX - a.fromX, a.toY - a.fromY);
}

canvas::CanvasPoint Pixel(double x, double y) {
    return {sim::Round(x), sim::Round(y)};
}

void DrawArrow(canvas::Canvas& c, const ForceArrow& a, canvas::Colour colour) {
    const double length = Length(a);
    const double ux = (a.toX - a.fromX) / length;
    const double uy = (a.toY - a.fromY) / length;
    // A short arrow keeps half of its length for the shaft.
    const double head = std::min(kHeadLength, length / 2);
    const double half = kHeadHalfWidth * head / kHeadLength;
    const double baseX = a.toX - ux * head;
    const double baseY = a.toY - uy * head;
    c.SetPen({colour, kShaftWidth, canvas::PenStyle::Solid, canvas::PenMode::Copy});
    const canvas::CanvasPoint foot = Pixel(a.fromX, a.fromY);
    const canvas::CanvasPoint base = Pixel(baseX, baseY);
    c.MoveTo(foot.x, foot.y);
    c.LineTo(base.x, base.y);
    c.SetPenWidth(1);
    c.SetBrush({colour, canvas::BrushStyle::Solid});
    const canvas::CanvasPoint headPoints[] = {Pixel(a.toX, a.toY),
                                              Pixel(baseX - uy * half, baseY + ux * half),
                                              Pixel(baseX + uy * half, baseY - ux * half)};
    c.Polygon(headPoints);
}

} // namespace

ForceArrowSet ComputeForceArrows(const sim::SimState& s, double phase) {
    ForceArrowSet set;
    if (phase != s.Phase) {
        return set;
    }
    const int teeth = std::clamp(s.ActiveTeethCount, 0, sim::kToothSlots);
    // Force on each tooth per unit of its tangential force, in view pixels: the reaction to the
    // force on the workpiece, whose feed component points to -x and normal component to +y.
    std::array<sim::ForceDirection, sim::kToothSlots + 1> onTooth{};
    double reference = LargestResultant(s);
    for (int j = 1; j <= teeth; ++j) {
        const auto k = static_cast<std::size_t>(j);
        onTooth[k] =
            sim::ToothForceDirection(s.MillingDirection, s.ActiveAngle[k], s.RadialForceRatio);
        reference = std::max(reference, s.ToothTangentialForce[k] *
                                            std::hypot(onTooth[k].feed, onTooth[k].normal));
    }
    if (!(reference > 0)) {
        return set;
    }
    const double scale = kLongestArrow / reference; // px per N, the same for every arrow
    for (int j = 1; j <= teeth; ++j) {
        const auto k = static_cast<std::size_t>(j);
        const double f = s.ToothTangentialForce[k] * scale;
        ForceArrow arrow = ArrowFrom(s.ActiveTipX[k], s.ActiveTipY[k], onTooth[k].feed * f,
                                     -onTooth[k].normal * f);
        arrow.slot = j;
        if (Length(arrow) >= kShortestArrow) {
            set.teeth[static_cast<std::size_t>(set.toothCount++)] = arrow;
        }
    }
    const double middle = (sim::WorkpieceEdgeAngle(s) + s.EngageAngle) / 2;
    set.workpiece = ArrowFrom(s.CentreX + std::sin(middle) * s.CutterRadius,
                              s.CentreY + std::cos(middle) * s.CutterRadius,
                              -s.FeedSumTrace[sim::kTraceLength] * scale,
                              s.NormalSumTrace[sim::kTraceLength] * scale);
    set.hasWorkpiece = Length(set.workpiece) >= kShortestArrow;
    return set;
}

void DrawForceArrows(canvas::Canvas& c, const ForceArrowSet& arrows) {
    if (arrows.toothCount == 0 && !arrows.hasWorkpiece) {
        return;
    }
    const canvas::Pen pen = c.GetPen();
    const canvas::Brush brush = c.GetBrush();
    const canvas::Colour back = c.BackColour();
    const canvas::BackMode backMode = c.GetBackMode();
    const canvas::CanvasPoint position = c.PenPos();
    for (int j = 0; j < arrows.toothCount; ++j) {
        DrawArrow(c, arrows.teeth[static_cast<std::size_t>(j)], kToothForceColour);
    }
    if (arrows.hasWorkpiece) {
        DrawArrow(c, arrows.workpiece, kWorkpieceForceColour);
    }
    c.SetPen(pen);
    c.SetBrush(brush);
    c.SetBackColour(back);
    c.SetBackMode(backMode);
    c.MoveTo(position.x, position.y);
}

} // namespace cutter
