// Comparing the pictures of two cutter views in place.
#pragma once

#include "canvas/canvas.h"
#include "cutter/cutter_view.h"

namespace cutter {

// Whether both views show the same pixels, as a.Image() == b.Image() tells (two views that have
// not drawn yet are alike). CutterView::Image() hands out a copy of its picture; a run that
// compares at every tick compares the canvases themselves instead.
inline bool SamePixels(const CutterView& a, const CutterView& b) {
    if (a.Bitmap() == nullptr || b.Bitmap() == nullptr) {
        return a.Bitmap() == b.Bitmap();
    }
    return a.Bitmap()->Image() == b.Bitmap()->Image();
}

} // namespace cutter
