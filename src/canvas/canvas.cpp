#include "canvas/canvas.h"

#include "canvas/raster_internal.h"
#include "canvas/text_renderer.h"

namespace canvas {

Canvas::Canvas(int width, int height, Colour fill)
    : pixels_(width, height, ToPixel(fill)), image_(ImageOver(pixels_.View())),
      bits_(pixels_.View().pixels), stride_(pixels_.Stride()) {
    RemoveClip();
}

bool Canvas::SavePng(const std::string& path) const {
    return image_.save(QString::fromStdString(path), "PNG");
}

Colour Canvas::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) {
        return kColourBlack;
    }
    const std::uint32_t p = Row(y)[x];
    return MakeColour(static_cast<int>((p >> 16) & 0xFFu), static_cast<int>((p >> 8) & 0xFFu),
                      static_cast<int>(p & 0xFFu));
}

void Canvas::SetBrush(const Brush& brush) {
    brush_ = brush;
    brushChanged_ = true;
}

void Canvas::SetBrushColour(Colour colour) {
    brush_.colour = colour;
    brushChanged_ = true;
}

void Canvas::SetBrushStyle(BrushStyle style) {
    brush_.style = style;
    brushChanged_ = true;
}

void Canvas::SetFont(const FontSpec& font) {
    if (!(font == font_)) {
        font_ = font;
    }
}

void Canvas::RealizeBrush() {
    if (!brushChanged_) {
        return;
    }
    brushChanged_ = false;
    if (brush_.style == BrushStyle::Solid) {
        backColour_ = brush_.colour;
        backMode_ = BackMode::Opaque;
    } else {
        backMode_ = BackMode::Transparent;
    }
}
void Canvas::FillSpan(int y, int x0, int x1, std::uint32_t pixel, PenMode mode) {
    if (y < clip_.top || y >= clip_.bottom) {
        return;
    }
    x0 = std::max(x0, clip_.left);
    x1 = std::min(x1, clip_.right);
    if (x0 >= x1) {
        return;
    }
    auto* line = Row(y);
    if (mode == PenMode::Copy) {
        FillPixels(line + x0, static_cast<std::size_t>(x1 - x0), pixel);
        return;
    }
    for (int x = x0; x < x1; ++x) {
        line[x] = ~(pixel ^ line[x]) | 0xFF000000u;
    }
}
void Canvas::SetPixel(int x, int y, Colour colour) {
    PutPixel(x, y, ToPixel(colour), PenMode::Copy);
}
void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x1 > x2) {
        std::swap(x1, x2);
    }
    if (y1 > y2) {
        std::swap(y1, y2);
    }
    RealizeBrush();
    const int w = PenVisible() ? PenWidth() : 0;
    if (brush_.style == BrushStyle::Solid) {
        const std::uint32_t fill = BrushPixel();
        for (int y = std::max(y1 + w, clip_.top); y < y2 - w && y < clip_.bottom; ++y) {
            FillSpan(y, x1 + w, x2 - w, fill, pen_.mode);
        }
    }
    if (w == 0 || x1 >= x2 || y1 >= y2) {
        return;
    }
    if (pen_.style == PenStyle::Dotted && w == 1) {
        ThinLine(x1, y1, x2 - 1, y1);
        ThinLine(x2 - 1, y1, x2 - 1, y2 - 1);
        ThinLine(x2 - 1, y2 - 1, x1, y2 - 1);
        ThinLine(x1, y2 - 1, x1, y1);
        if (x2 - x1 == 1 && y2 - y1 == 1) {
            PutPixel(x1, y1, PenPixel(), pen_.mode);
        }
        return;
    }
    // Outline band of width w inside the box, each pixel written once (matters for not-xor).
    const std::uint32_t pixel = PenPixel();
    for (int y = std::max(y1, clip_.top); y < y2 && y < clip_.bottom; ++y) {
        if (y < y1 + w || y >= y2 - w) {
            FillSpan(y, x1, x2, pixel, pen_.mode);
        } else {
            const int leftEnd = std::min(x1 + w, x2);
            FillSpan(y, x1, leftEnd, pixel, pen_.mode);
            FillSpan(y, std::max(x2 - w, leftEnd), x2, pixel, pen_.mode);
        }
    }
}

void Canvas::FillRect(const CanvasRect& rect) {
    RealizeBrush();
    if (brush_.style != BrushStyle::Solid) {
        return;
    }
    const std::uint32_t fill = BrushPixel();
    for (int y = std::max(rect.top, clip_.top); y < rect.bottom && y < clip_.bottom; ++y) {
        FillSpan(y, rect.left, rect.right, fill, PenMode::Copy);
    }
}
void Canvas::ClipToRect(const CanvasRect& rect) {
    clip_.left = std::clamp(std::min(rect.left, rect.right), 0, Width());
    clip_.right = std::clamp(std::max(rect.left, rect.right), 0, Width());
    clip_.top = std::clamp(std::min(rect.top, rect.bottom), 0, Height());
    clip_.bottom = std::clamp(std::max(rect.top, rect.bottom), 0, Height());
}

void Canvas::RemoveClip() {
    clip_ = {0, 0, Width(), Height()};
}

void Canvas::Draw(int x, int y, const QImage& source) {
    const QImage rgb =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? source
            : source.convertToFormat(QImage::Format_RGB32);
    const int from = std::max(x, clip_.left);
    const int to = std::min(x + rgb.width(), clip_.right);
    if (from >= to) {
        return;
    }
    for (int row = std::max(y, clip_.top); row < y + rgb.height() && row < clip_.bottom; ++row) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(row - y));
        auto* dst = Row(row);
        for (int col = from; col < to; ++col) {
            dst[col] = src[col - x] | 0xFF000000u;
        }
    }
}

void Canvas::Draw(int x, int y, const Canvas& source) {
    if (&source == this) {
        // Drawing onto itself reads a copy of the picture before the drawing.
        const QImage copy = image_.copy();
        Draw(x, y, copy);
        return;
    }
    // Every pixel a canvas writes is opaque, so its rows are copied as they are.
    const int from = std::max(x, clip_.left);
    const int to = std::min(x + source.Width(), clip_.right);
    if (from >= to) {
        return;
    }
    const int rowEnd = std::min(y + source.Height(), clip_.bottom);
    for (int row = std::max(y, clip_.top); row < rowEnd; ++row) {
        const std::uint32_t* src = source.Row(row - y);
        std::copy(src + (from - x), src + (to - x), Row(row) + from);
    }
}

// Defined here, where the cache types are complete.
Canvas::~Canvas() = default;

} // namespace canvas
