// The system colours: what a colour with the high bit set stands for.
#include "canvas/colour.h"

#include <array>

namespace canvas {
namespace {

// Desktop default of each system colour index, 0x00BBGGRR.
constexpr std::array<Colour, 31> kSystemColours = {
    0xC8C8C8, // scroll bar
    0x000000, // desktop
    0xD1B499, // active caption
    0xDBCDBF, // inactive caption
    0xF0F0F0, // menu
    0xFFFFFF, // window
    0x646464, // window frame
    0x000000, // menu text
    0x000000, // window text
    0x000000, // caption text
    0xB4B4B4, // active border
    0xFCF7F4, // inactive border
    0xABABAB, // application workspace
    0xFF9933, // highlight
    0xFFFFFF, // highlight text
    0xF0F0F0, // button face
    0xA0A0A0, // button shadow
    0x6D6D6D, // grey text
    0x000000, // button text
    0x544E43, // inactive caption text
    0xFFFFFF, // button highlight
    0x696969, // 3D dark shadow
    0xE3E3E3, // 3D light
    0x000000, // tooltip text
    0xE1FFFF, // tooltip background
    0x000000, // unused index
    0xCC6600, // hot-tracked item
    0xEAD1B9, // gradient of the active caption
    0xF2E4D7, // gradient of the inactive caption
    0xFF9933, // menu highlight
    0xF0F0F0, // menu bar
};
} // namespace

Colour ColourToRgb(Colour colour) {
    if ((colour & 0x80000000u) != 0) {
        const Colour index = colour & 0xFFu;
        return index < kSystemColours.size() ? kSystemColours[index] : kColourBlack;
    }
    return colour & 0x00FFFFFFu;
}

} // namespace canvas
