#pragma once

// The colours the cutter view and the oscillograph are drawn in: the global colour table of a
// recording of both pictures.

#include <QRgb>

#include <vector>

namespace recording {

// Every colour of the two pictures as the window shows them, each once, as opaque QRgb values
// (0xffRRGGBB, the pixels of their images): the cutter view's five, the oscillograph's
// background gradient in every step from white to its end colour, its black plot, grey grid,
// frame shadow, title and axis title colours and its three traces: 137 colours.
std::vector<QRgb> RunPicturesPalette();

} // namespace recording
