#pragma once

// The canvas's pixels as plain memory: 32-bit values 0xFFRRGGBB (the layout of a 32-bit RGB
// image), row after row, `stride` pixels from the start of one row to the next. No Qt.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace canvas {

// Pixels owned elsewhere.
struct PixelView {
    std::uint32_t* pixels = nullptr; // the top-left pixel
    int width = 0;                   // px
    int height = 0;                  // px
    std::ptrdiff_t stride = 0;       // pixels from one row to the next, >= width

    std::uint32_t* Row(int y) const { return pixels + y * stride; }
};

// A width x height bitmap that owns its pixels; they never move while it lives.
class PixelBuffer {
public:
    // At least 1 x 1, every pixel `fill`.
    PixelBuffer(int width, int height, std::uint32_t fill)
        : width_(width < 1 ? 1 : width), height_(height < 1 ? 1 : height),
          pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::ptrdiff_t Stride() const { return width_; }
    PixelView View() { return {pixels_.data(), width_, height_, Stride()}; }

private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

} // namespace canvas
