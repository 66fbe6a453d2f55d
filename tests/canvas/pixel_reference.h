// References for pixel tests of the canvas, written straight from its pixel rules: the pixels
// of a colour in a canvas, their count and bounding box, and the pixels of a 1-px line.
#pragma once

#include "canvas/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace canvas::test {

// The colours the pixel tests draw with.
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kGrey = 0x8C8C8C;

using PixelSet = std::set<std::pair<int, int>>;

inline PixelSet PixelsOf(const Canvas& canvas, Colour colour) {
    PixelSet pixels;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.PixelAt(x, y) == colour) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

// Bounding box of the pixels that differ from `background`; right and bottom exclusive.
inline CanvasRect InkBox(const Canvas& canvas, Colour background) {
    CanvasRect box{canvas.Width(), canvas.Height(), 0, 0};
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.PixelAt(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    }
    return box;
}

inline int CountColour(const Canvas& canvas, Colour colour) {
    int n = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            n += canvas.PixelAt(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

// The pixels of `area` for which inside(x, y) holds.
template <class Inside> PixelSet PixelsWhere(const CanvasRect& area, Inside inside) {
    PixelSet pixels;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (inside(x, y)) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

inline bool InRect(const CanvasRect& r, long long x, long long y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

inline long long FloorDivision(long long num, long long den) {
    return num >= 0 ? num / den : -((-num + den - 1) / den);
}

// Step i of a 1-px line and its pixel, for the steps whose pixels lie in `window`: one pixel
// per step of the major coordinate, the minor one nearest to the segment (halves toward +x or
// +y), taken from the end with the smaller major coordinate.
struct LinePixel {
    long long step;
    int x;
    int y;
};

inline std::vector<LinePixel> ReferenceLine(long long x0, long long y0, long long x1, long long y1,
                                            const CanvasRect& window) {
    std::vector<LinePixel> pixels;
    const long long dx = x1 - x0;
    const long long dy = y1 - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    const bool forward = xMajor ? dx > 0 : dy > 0;
    const long long baseMajor = forward ? (xMajor ? x0 : y0) : (xMajor ? x1 : y1);
    const long long baseMinor = forward ? (xMajor ? y0 : x0) : (xMajor ? y1 : x1);
    const long long delta = forward ? (xMajor ? dy : dx) : (xMajor ? -dy : -dx);
    const long long start = xMajor ? x0 : y0;
    const long long low = xMajor ? window.left : window.top;
    const long long high = xMajor ? window.right : window.bottom;
    for (long long major = low; major < high; ++major) {
        const long long i = forward ? major - start : start - major;
        if (i < 0 || i >= steps) {
            continue;
        }
        const long long minor =
            baseMinor + FloorDivision(2 * (major - baseMajor) * delta + steps, 2 * steps);
        const long long x = xMajor ? major : minor;
        const long long y = xMajor ? minor : major;
        if (InRect(window, x, y)) {
            pixels.push_back({i, static_cast<int>(x), static_cast<int>(y)});
        }
    }
    return pixels;
}

// The pixels of ReferenceLine as a set.
inline PixelSet PixelsOfLine(const std::vector<LinePixel>& line) {
    PixelSet pixels;
    for (const LinePixel& p : line) {
        pixels.insert({p.x, p.y});
    }
    return pixels;
}

// Whether the centre of pixel (x, y) lies in the ellipse inscribed in the box (x1, y1)-(x2, y2)
// shrunk by `inset` pixels on every side (in doubled coordinates about the box centre, exact in
// integers). A box shrunk to nothing holds no pixel.
inline bool InEllipse(long long x1, long long y1, long long x2, long long y2, long long inset,
                      long long x, long long y) {
    const long long a = std::llabs(x2 - x1) - 2 * inset;
    const long long b = std::llabs(y2 - y1) - 2 * inset;
    if (a <= 0 || b <= 0) {
        return false;
    }
    const long long u = 2 * x + 1 - (x1 + x2);
    const long long v = 2 * y + 1 - (y1 + y2);
    return u * u * b * b + v * v * a * a <= a * a * b * b;
}

// Whether the direction (u, v) lies in the counter-clockwise sector on the screen from the ray
// (sx, sy) to the ray (ex, ey), all in doubled coordinates about the box centre; equal ray
// directions give the whole turn, and a ray of length 0 points along +x.
inline bool InSector(long long sx, long long sy, long long ex, long long ey, long long u,
                     long long v) {
    if (sx == 0 && sy == 0) {
        sx = 1;
    }
    if (ex == 0 && ey == 0) {
        ex = 1;
    }
    const auto ccw = [](long long ax, long long ay, long long bx, long long by) {
        return ay * bx - ax * by;
    };
    const long long turn = ccw(sx, sy, ex, ey);
    if (turn == 0 && sx * ex + sy * ey > 0) {
        return true;
    }
    const bool afterStart = ccw(sx, sy, u, v) >= 0;
    const bool beforeEnd = ccw(u, v, ex, ey) >= 0;
    return turn < 0 ? afterStart || beforeEnd : afterStart && beforeEnd;
}

} // namespace canvas::test
