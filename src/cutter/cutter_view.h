#pragma once

// The cutter view: a section through the workpiece and the milling cutter, painted completely
// into a 385 x 313 bitmap on every redraw, in a fixed order: white field with a black frame,
// the grey workpiece, the teeth with their white gullets, the hub and two dotted centre lines;
// then, only when switched on, the force arrows (cutter/force_arrows.h) over it all.

#include "canvas/canvas.h"
#include "cutter/tooth_geometry.h"
#include "sim/sim_state.h"

#include <memory>
#include <string>
#include <vector>

namespace cutter {

inline constexpr int kViewWidth = sim::kViewWidth;   // px, 385
inline constexpr int kViewHeight = sim::kViewHeight; // px, 313

// Colours of the picture, 0x00BBGGRR.
inline constexpr canvas::Colour kFieldColour = 0xFFFFFF; // background field, gullets
inline constexpr canvas::Colour kLineColour = 0x000000;  // frame, workpiece outline, centre lines
inline constexpr canvas::Colour kWorkpieceColour = 0x808080; // workpiece fill
inline constexpr canvas::Colour kToothColour = 0xB4AAAA;     // tooth fill and outline
inline constexpr canvas::Colour kHubColour = 0x8C8C8C;       // hub fill and outline

class CutterView {
public:
    CutterView();
    ~CutterView();
    CutterView(const CutterView&) = delete;
    CutterView& operator=(const CutterView&) = delete;

    // Paints the whole picture with every tooth turned by phase (rad): workpiece, then the
    // teeth k = 0 .. ToothCount - 1 at k x ToothPitch + phase (none for a count of 0 or less),
    // then the hub and the centre lines, then the force arrows when they are on. Creates the
    // bitmap on the first call; the canvas keeps its drawing state from one redraw to the next.
    void RedrawCutterView(const sim::SimState& s, double phase);

    // The force arrows over the picture (off at start); takes effect at the next redraw.
    void SetForceArrows(bool on) { forceArrows_ = on; }
    bool ForceArrows() const { return forceArrows_; }
    // rad, the phase of the last redraw (0 before the first): a redraw of the same state at it
    // repaints the same teeth.
    double LastPhase() const { return lastPhase_; }

    // The steps of a redraw, each on the bitmap as the previous step left it.
    void DrawWorkpiece(const sim::SimState& s);
    void DrawTooth(const ToothOutline& tooth, double gulletRadius);
    void DrawCutterHub(const sim::SimState& s);

    // Null until the first redraw.
    const canvas::Canvas* Bitmap() const { return bitmap_.get(); }
    // A copy of the picture as it stands; a null image before the first redraw.
    QImage Image() const;
    // Writes the picture as a 385 x 313 PNG; false before the first redraw or when the file
    // cannot be written.
    bool SavePng(const std::string& path) const;

private:
    // A radial edge of a tooth outline that the next tooth's outline paints over pixel for
    // pixel, so that drawing it changes nothing in the picture.
    enum class RepaintedEdge { None, First, Last };

    canvas::Canvas& Surface(); // the bitmap, created on first use
    static RepaintedEdge EdgeRepaintedByNext(const ToothOutline& tooth, const ToothOutline& next);
    void DrawToothBody(const ToothOutline& tooth, RepaintedEdge omitted);
    void DrawGullet(const ToothOutline& tooth, double gulletRadius);

    std::unique_ptr<canvas::Canvas> bitmap_;
    std::vector<canvas::CanvasPoint> points_; // reused polygon buffer
    std::vector<ToothOutline> teeth_;         // reused: the outlines of one redraw
    bool forceArrows_ = false;
    double lastPhase_ = 0;
};

// Draws the picture of s at the given phase into a fresh view and writes it as a PNG of
// 385 x 313 pixels; false when the file cannot be written.
bool SaveCutterViewPng(const sim::SimState& s, double phase, const std::string& path);

} // namespace cutter
