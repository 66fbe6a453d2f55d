// Text: measured and rendered by the text renderer (the text cache, once per font and string),
// then copied onto the canvas; turned by the renderer where the canvas does not turn it.
#include "canvas/raster_internal.h"

#include "canvas/text_cache.h"

namespace canvas {
namespace {

// Offset of the text cell's top-left corner from the reference point, in the text's own frame,
// by the horizontal (bits 1-2) and vertical (bits 3-4) parts of the alignment.
CanvasPoint CellOffset(const TextImage& t, unsigned textAlign) {
    CanvasPoint cell{0, 0};
    switch (textAlign & 6u) {
    case text_align::kRight:
        cell.x = -t.advance;
        break;
    case text_align::kCentre:
        cell.x = -t.advance / 2;
        break;
    default:
        break;
    }
    switch (textAlign & 24u) {
    case text_align::kBottom:
        cell.y = -t.height;
        break;
    case text_align::kBaseline:
        cell.y = -t.ascent;
        break;
    default:
        break;
    }
    return cell;
}

} // namespace

TextRenderer& Canvas::Texts() {
    if (!texts_) {
        texts_ = std::make_unique<TextCache>();
    }
    return *texts_;
}

int Canvas::FontHeight() {
    return Texts().FontHeight(font_);
}

TextSize Canvas::TextExtent(const QString& text) {
    return Texts().Measure(font_, text);
}

void Canvas::TextOut(int x, int y, const QString& text) {
    DrawText(x, y, text, 0);
}

void Canvas::TextOutRotated(int x, int y, const QString& text, int angleDegrees) {
    DrawText(x, y, text, angleDegrees);
}

void Canvas::DrawText(int x, int y, const QString& text, int angleDegrees) {
    RealizeBrush();
    const TextImage& t = Texts().Render(font_, text);
    const CanvasPoint cell = CellOffset(t, textAlign_);
    const int dx = cell.x;
    const int dy = cell.y;
    if (clip_.left >= clip_.right || clip_.top >= clip_.bottom) {
        return;
    }
    const int quarterTurns = ((angleDegrees % 360) + 360) % 360 / 90;
    if (angleDegrees % 90 != 0) {
        // Other angles: the renderer turns the glyphs.
        std::optional<Colour> background;
        if (backMode_ == BackMode::Opaque) {
            background = backColour_;
        }
        Texts().DrawTurned(pixels_.View(), clip_, font_, text,
                           {{x, y}, angleDegrees, cell, background});
        return;
    }
    // The pixel (px, py) of the text frame (x right along the text, y down) turned counter-
    // clockwise by quarterTurns quarter turns about the reference point.
    const auto toScreen = [&](int px, int py) {
        switch (quarterTurns) {
        case 1:
            return CanvasPoint{x + py, y - px - 1};
        case 2:
            return CanvasPoint{x - px - 1, y - py - 1};
        case 3:
            return CanvasPoint{x - py - 1, y + px};
        default:
            return CanvasPoint{x + px, y + py};
        }
    };
    if (backMode_ == BackMode::Opaque && t.advance > 0 && t.height > 0) {
        const CanvasPoint a = toScreen(dx, dy);
        const CanvasPoint b = toScreen(dx + t.advance - 1, dy + t.height - 1);
        const std::uint32_t back = ToPixel(backColour_);
        for (int row = std::min(a.y, b.y); row <= std::max(a.y, b.y); ++row) {
            FillSpan(row, std::min(a.x, b.x), std::max(a.x, b.x) + 1, back, PenMode::Copy);
        }
    }
    const std::uint32_t pixel = ToPixel(font_.colour);
    if (quarterTurns == 0) {
        // Upright text: the ink box's rows and columns clipped once.
        const int left = x + dx + t.inkLeft;
        const int top = y + dy + t.inkTop;
        const int colFirst = std::max(0, clip_.left - left);
        const int colEnd = std::min(t.inkWidth, clip_.right - left);
        const int rowFirst = std::max(0, clip_.top - top);
        const int rowEnd = std::min(t.inkHeight, clip_.bottom - top);
        for (int my = rowFirst; my < rowEnd; ++my) {
            const std::uint8_t* ink = t.ink.data() + static_cast<std::size_t>(my) * t.inkWidth;
            std::uint32_t* line = Row(top + my) + left;
            // Ink is 0 or 1: a mask selects the pen or the old pixel, with no branch per pixel.
            for (int mx = colFirst; mx < colEnd; ++mx) {
                const std::uint32_t mask = 0u - ink[mx];
                line[mx] = (line[mx] & ~mask) | (pixel & mask);
            }
        }
        return;
    }
    for (int my = 0; my < t.inkHeight; ++my) {
        const std::uint8_t* ink = t.ink.data() + static_cast<std::size_t>(my) * t.inkWidth;
        for (int mx = 0; mx < t.inkWidth; ++mx) {
            if (ink[mx] == 0) {
                continue;
            }
            const CanvasPoint p = toScreen(dx + t.inkLeft + mx, dy + t.inkTop + my);
            if (p.x >= clip_.left && p.x < clip_.right && p.y >= clip_.top && p.y < clip_.bottom) {
                Row(p.y)[p.x] = pixel;
            }
        }
    }
}

} // namespace canvas
