#pragma once

// The one colour type of the drawing layer and the chart engine. Plain C++, no Qt.

#include <cstdint>

namespace canvas {

// Colour value laid out 0x00BBGGRR (red in the low byte). A value with the top bit set is a
// system colour; its low byte is the system colour index (see ColourToRgb in canvas.h).
using Colour = std::uint32_t;

inline constexpr Colour kColourBlack = 0x000000;
inline constexpr Colour kColourWhite = 0xFFFFFF;

// 0x00BBGGRR from its components (each taken modulo 256).
constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// The components of a plain colour, 0..255.
constexpr int RedOf(Colour colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int GreenOf(Colour colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int BlueOf(Colour colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}

} // namespace canvas
