// Basic types shared by every part of the chart engine: colours, rectangles and the
// integer arithmetic (rounding, MulDiv) whose exact results the pictures depend on.
#pragma once

#include "canvas/colour.h"
#include "numeric/rounding.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace chart {

// Colour laid out 0x00BBGGRR (red in the low byte), the drawing layer's colour type. A value
// with the top bit set is a system colour of the platform.
using TColor = canvas::Colour;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
// A point that is a gap: it is not drawn and no segment joins it.
inline constexpr TColor clNone = 0x1FFFFFFF;
// No colour (walls, title brushes, pens) or automatic (points and series take the series
// or palette colour).
inline constexpr TColor clAutomatic = 0x80000000;
// Accepted by AddPoint and stored as clAutomatic.
inline constexpr TColor clAutomaticAlias = 0x20000000;
// The button-face system colour, the framework's default control colour.
inline constexpr TColor clBtnFace = 0x8000000F;

using canvas::BlueOf;
using canvas::GreenOf;
using canvas::MakeColour;
using canvas::RedOf;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Integer device rectangle; when filled, Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

// Nearest integer, halves to the even neighbour, saturating (see numeric::Round).
using numeric::Round;

// Truncation toward zero as a double (trunc(x) used as a number).
inline double Trunc(double v) {
    return std::trunc(v);
}

// a * b / c with a 64-bit intermediate, rounded to nearest with halves away from zero;
// -1 when c is 0.
inline int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t p = static_cast<std::int64_t>(a) * b;
    const std::int64_t ap = p < 0 ? -p : p;
    const std::int64_t ac = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t q = (ap + ac / 2) / ac;
    return static_cast<int>(((p < 0) != (c < 0)) ? -q : q);
}

} // namespace chart
