// The program's window icons, drawn by code at start-up: 32 x 32 pixels in the sixteen
// standard colours, with a transparent background.
#pragma once

#include <QIcon>
#include <QImage>

namespace app {

inline constexpr int kIconSize = 32; // px, width and height of both icons

// The program's own icon, also the main window's: a milling cutter seen end-on, with
// sloping teeth, a bore and a keyway.
QImage MillingCutterIconImage();
QIcon MillingCutterIcon();

// The instructions window's icon: a closed purple book with a large yellow question mark.
QImage InstructionsIconImage();
QIcon InstructionsIcon();

// True when every opaque pixel of the image is one of the sixteen standard colours and
// every other pixel is fully transparent.
bool UsesStandardColoursOnly(const QImage& image);

} // namespace app
