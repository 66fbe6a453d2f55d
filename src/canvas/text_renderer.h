#pragma once

// How the canvas reaches fonts: one small interface that measures a string in a font, renders
// it into a small block of glyph pixels, and draws it turned by an angle the canvas does not
// turn itself. The canvas's pixel rules need none of it; its one implementation is the text
// cache (text_cache.h), which renders with Qt and so needs a QGuiApplication.

#include "canvas/canvas.h"
#include "canvas/pixels.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace canvas {

// A string rendered in one font.
struct TextImage {
    int advance = 0; // px, cell width
    int ascent = 0;  // px, cell top to baseline
    int height = 0;  // px, cell height (ascent + descent)
    int inkLeft = 0; // px, ink box relative to the cell's top-left corner
    int inkTop = 0;
    int inkWidth = 0;
    int inkHeight = 0;
    std::vector<std::uint8_t> ink; // inkWidth x inkHeight, row by row, 1 = glyph pixel
};

// Where a turned text goes.
struct TurnedText {
    CanvasPoint origin;   // px, the point the text turns about
    int angleDegrees = 0; // counter-clockwise on the screen
    CanvasPoint cell;     // px, the cell's top-left corner from origin, in the text's own frame
    std::optional<Colour> background; // when set, the cell is filled with it first
};

// Every call names its font; the font's colour matters only to DrawTurned.
class TextRenderer {
public:
    virtual ~TextRenderer() = default;

    // px, ascent + descent of the font: the height of every cell in it.
    virtual int FontHeight(const FontSpec& font) = 0;
    // px, the cell of text in the font: the advance width Render gives, without rendering the
    // glyphs.
    virtual TextSize Measure(const FontSpec& font, const QString& text) = 0;
    // The cell and glyph pixels of text in the font; the reference stays valid until the next
    // call.
    virtual const TextImage& Render(const FontSpec& font, const QString& text) = 0;
    // Draws text into target, turned as `turn` says, glyph pixels in the font's colour without
    // anti-aliasing, nothing outside clip (right and bottom exclusive).
    virtual void DrawTurned(const PixelView& target, const CanvasRect& clip, const FontSpec& font,
                            const QString& text, const TurnedText& turn) = 0;
};

} // namespace canvas
