#include "canvas/magnify.h"

#include <cassert>
#include <cstdint>
#include <cstring>

namespace canvas {
namespace {

// floor(numerator / denominator) for a positive denominator, also for a negative numerator.
int FloorDivide(long long numerator, long long denominator) {
    const long long quotient = numerator / denominator;
    return static_cast<int>(quotient - (numerator % denominator < 0 ? 1 : 0));
}

} // namespace

int MagnifiedLength(int length, int percent) {
    assert(percent > 0);
    // The count of screen pixels s >= 0 with s + 0.5 < length x percent / 100, that is
    // ceil(length x percent / 100 - 0.5), in whole numbers.
    const long long twice = 2LL * length * percent - 100;
    return -FloorDivide(-twice, 200);
}

int PicturePixelAt(int screen, int percent) {
    assert(percent > 0);
    return FloorDivide((2LL * screen + 1) * 50, percent);
}

const QImage& Magnify(const QImage& picture, int percent, QImage& shown) {
    assert(picture.depth() == 32);
    const QSize size(MagnifiedLength(picture.width(), percent),
                     MagnifiedLength(picture.height(), percent));
    if (shown.size() != size || shown.format() != picture.format())
        shown = QImage(size, picture.format());
    // Each picture row is widened once into the first screen row of its span; the other rows of
    // the span are copies of it.
    for (int py = 0; py < picture.height(); ++py) {
        const int top = MagnifiedLength(py, percent);
        const int bottom = MagnifiedLength(py + 1, percent);
        if (top == bottom)
            continue;
        const auto* source = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(py));
        auto* row = reinterpret_cast<std::uint32_t*>(shown.scanLine(top));
        int left = 0;
        for (int px = 0; px < picture.width(); ++px) {
            const int right = MagnifiedLength(px + 1, percent);
            for (int x = left; x < right; ++x)
                row[x] = source[px];
            left = right;
        }
        const auto bytes = static_cast<std::size_t>(size.width()) * sizeof(std::uint32_t);
        for (int y = top + 1; y < bottom; ++y)
            std::memcpy(shown.scanLine(y), row, bytes);
    }
    return shown;
}

} // namespace canvas
