// Text: rendered once per font and string by the text cache, then copied onto the canvas.
#include "canvas/raster_internal.h"

#include "canvas/text_cache.h"

#include <QColor>
#include <QPainter>

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

TextCache& Canvas::Texts() {
    if (!textCache_) {
        textCache_ = std::make_unique<TextCache>();
    }
    textCache_->SelectFont(font_);
    return *textCache_;
}

const TextImage& Canvas::RenderText(const QString& text) {
    return Texts().Render(text);
}

int Canvas::FontHeight() {
    return Texts().FontHeight();
}

TextSize Canvas::TextExtent(const QString& text) {
    TextCache& texts = Texts();
    return {texts.Advance(text), texts.FontHeight()};
}

void Canvas::TextOut(int x, int y, const QString& text) {
    DrawText(x, y, text, 0);
}

void Canvas::TextOutRotated(int x, int y, const QString& text, int angleDegrees) {
    DrawText(x, y, text, angleDegrees);
}

void Canvas::DrawTextByPainter(int x, int y, const QString& text, int angleDegrees,
                               const TextImage& t, CanvasPoint cell) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setClipRect(
        QRect(clip_.left, clip_.top, clip_.right - clip_.left, clip_.bottom - clip_.top));
    painter.translate(x, y);
    painter.rotate(-static_cast<double>(angleDegrees));
    if (backMode_ == BackMode::Opaque) {
        painter.fillRect(QRect(cell.x, cell.y, t.advance, t.height),
                         QColor::fromRgb(ToPixel(backColour_)));
    }
    painter.setFont(Texts().Font());
    painter.setPen(QColor::fromRgb(ToPixel(font_.colour)));
    painter.drawText(QPoint(cell.x, cell.y + t.ascent), text);
}

void Canvas::DrawText(int x, int y, const QString& text, int angleDegrees) {
    RealizeBrush();
    const TextImage& t = RenderText(text);
    const CanvasPoint cell = CellOffset(t, textAlign_);
    const int dx = cell.x;
    const int dy = cell.y;
    if (clip_.left >= clip_.right || clip_.top >= clip_.bottom) {
        return;
    }
    const int quarterTurns = ((angleDegrees % 360) + 360) % 360 / 90;
    if (angleDegrees % 90 != 0) {
        // Other angles: the painter rotates the glyphs.
        DrawTextByPainter(x, y, text, angleDegrees, t, cell);
        return;
    }
    PreparePixels();
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
