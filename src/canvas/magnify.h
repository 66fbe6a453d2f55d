#pragma once

// A picture shown larger on screen: each picture pixel becomes a block of screen pixels of its
// one colour (nearest neighbour, nothing blended), so that at 200 % every pixel is a 2 x 2
// square and at 150 % a block of 1 or 2 pixels each way. The picture keeps its own pixels; only
// the copy the screen shows is larger.
//
// Screen pixel s shows the picture pixel whose span holds the screen pixel's centre: the span of
// picture pixel p on screen is [p, p + 1) x percent / 100.

#include <QImage>

namespace canvas {

// The screen pixels that length picture pixels take at percent (> 0): those whose centres lie
// below length x percent / 100. Also the screen coordinate at which picture pixel `length`
// starts. 100 gives length itself; a whole multiple of 100 gives the exact product.
int MagnifiedLength(int length, int percent);

// The picture pixel shown at screen pixel `screen` at percent (> 0), for any screen position,
// also one left of or above the picture (a mouse dragged outside it): floor((screen + 0.5) x
// 100 / percent).
int PicturePixelAt(int screen, int percent);

// Writes picture (32 bits per pixel) at percent into shown, which takes the magnified size and
// the picture's format; its buffer is kept while the size stays, so a steady redraw allocates
// nothing. Returns shown.
const QImage& Magnify(const QImage& picture, int percent, QImage& shown);

} // namespace canvas
