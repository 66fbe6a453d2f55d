#pragma once

// A bitmap canvas with the pixel rules of a classic raster device: integer pixel coordinates
// (x right, y down), no anti-aliasing, every figure pixel in exactly one colour, figures that
// exclude their right and bottom edges, lines that leave out their end pixel. Figures are
// rasterised here into a plain pixel buffer (pixels.h), which a QImage shows without a copy;
// text comes through a TextRenderer (text_renderer.h), rendered by Qt once per font and string
// (which needs a QGuiApplication for its fonts; figures need none).

#include "canvas/colour.h"
#include "canvas/pixels.h"

#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace canvas {

class TextRenderer;

// Plain 0x00BBGGRR value of a colour: system colours are replaced by fixed desktop defaults,
// plain colours keep their low 24 bits.
Colour ColourToRgb(Colour colour);

struct CanvasPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

// Left, Top, Right, Bottom in pixels; when filled, the right column and bottom row are excluded.
struct CanvasRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const CanvasRect&, const CanvasRect&) = default;
};

struct TextSize {
    int width = 0;  // px, advance width of the whole string
    int height = 0; // px, ascent + descent of the font
};

enum class PenStyle {
    Solid,
    Dotted, // width 1: 3 pixels on, 3 off from the start of every line; gaps take the background
            // colour when it is opaque. Wider dotted pens draw solid.
    Clear,  // draws nothing
};

enum class PenMode {
    Copy,   // pixel := colour
    NotXor, // pixel := NOT (colour XOR pixel), for pen and brush pixels of lines and figures
            // (not text or copies); drawing twice restores the picture
};

enum class BrushStyle { Solid, Clear };

enum class BackMode { Transparent = 1, Opaque = 2 };

struct Pen {
    Colour colour = kColourBlack;
    int width = 1; // px; 0 and below draw as 1
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Colour colour = kColourWhite;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct FontSpec {
    std::string face = "Arial"; // matched by fontconfig to an installed face
    int size = 8;               // points at 96 pixels per inch
    Colour colour = kColourBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Text alignment flags: one horizontal value plus one vertical value.
namespace text_align {
inline constexpr unsigned kLeft = 0;
inline constexpr unsigned kRight = 2;
inline constexpr unsigned kCentre = 6;
inline constexpr unsigned kTop = 0;
inline constexpr unsigned kBottom = 8;
inline constexpr unsigned kBaseline = 24;
} // namespace text_align

class Canvas {
public:
    // A width x height bitmap (at least 1 x 1) filled with `fill`.
    Canvas(int width, int height, Colour fill = kColourWhite);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }
    // The pixels as a 32-bit RGB image over the canvas's own buffer, without a copy: it shows
    // every later drawing and lives as long as the canvas. copy() it to keep a picture.
    const QImage& Image() const { return image_; }
    // Writes the bitmap as a PNG file; false when the file cannot be written.
    bool SavePng(const std::string& path) const;
    // Colour of a pixel, 0x00BBGGRR; 0 outside the bitmap.
    Colour PixelAt(int x, int y) const;

    // --- Drawing state ---
    const Pen& GetPen() const { return pen_; }
    void SetPen(const Pen& pen) { pen_ = pen; }
    void SetPenColour(Colour colour) { pen_.colour = colour; }
    void SetPenWidth(int width) { pen_.width = width; }
    void SetPenStyle(PenStyle style) { pen_.style = style; }
    void SetPenMode(PenMode mode) { pen_.mode = mode; }

    // Every change of the brush is noted: the next operation that uses the brush (figures, fills
    // and text) first makes the background colour the brush colour with opaque mode (solid
    // brush) or sets transparent mode (clear brush). SetBackColour/SetBackMode afterwards
    // override that until the brush is changed again.
    const Brush& GetBrush() const { return brush_; }
    void SetBrush(const Brush& brush);
    void SetBrushColour(Colour colour);
    void SetBrushStyle(BrushStyle style);

    const FontSpec& GetFont() const { return font_; }
    void SetFont(const FontSpec& font);
    void SetFontColour(Colour colour) { font_.colour = colour; }

    Colour BackColour() const { return backColour_; }
    void SetBackColour(Colour colour) { backColour_ = colour; }
    BackMode GetBackMode() const { return backMode_; }
    void SetBackMode(BackMode mode) { backMode_ = mode; }

    unsigned TextAlignment() const { return textAlign_; }
    void SetTextAlignment(unsigned flags) { textAlign_ = flags; }

    CanvasPoint PenPos() const { return penPos_; }

    // --- Figures (outline with the pen, interior with the brush) ---
    // Box from (x1, y1) up to but excluding column x2 and row y2 (corners in any order); the
    // pen outline lies inside the box (a clear pen leaves the whole box to the brush).
    void Rectangle(int x1, int y1, int x2, int y2);
    // The rectangle with the brush only (nothing for a clear brush).
    void FillRect(const CanvasRect& rect);
    // Closed polygon, filled by the even-odd rule, outlined along every edge including the
    // closing one. Fewer than two points draw nothing.
    void Polygon(std::span<const CanvasPoint> points);
    // Open chain of lines with the pen; the current position is not used or changed.
    void Polyline(std::span<const CanvasPoint> points);
    // Ellipse inscribed in the box (x1, y1)-(x2, y2), right and bottom exclusive.
    void Ellipse(int x1, int y1, int x2, int y2);
    // Sector of the ellipse inscribed in the box, bounded by the arc that runs counter-clockwise
    // on the screen from the ray through (x3, y3) to the ray through (x4, y4) (rays from the box
    // centre; the points need not lie on the ellipse) and by the two radii. Equal ray
    // directions give the whole ellipse.
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // The arc of Pie alone, with the pen.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

    // --- Lines ---
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    // Line from the current position to (x, y) without its end pixel (1-px pen); the current
    // position moves to (x, y). A pen wider than 1 draws a band of that width with round caps.
    void LineTo(int x, int y);
    void SetPixel(int x, int y, Colour colour);

    // --- Text ---
    // The string at (x, y) with the current font and alignment flags, glyph pixels in the font
    // colour without anti-aliasing; with opaque background mode its cell (TextExtent) is filled
    // with the background colour first.
    void TextOut(int x, int y, const QString& text);
    void TextOut(int x, int y, std::string_view utf8) { TextOut(x, y, QString::fromUtf8(utf8)); }
    void TextOut(int x, int y, const char* utf8) { TextOut(x, y, std::string_view(utf8)); }
    TextSize TextExtent(const QString& text);
    TextSize TextExtent(std::string_view utf8) { return TextExtent(QString::fromUtf8(utf8)); }
    TextSize TextExtent(const char* utf8) { return TextExtent(std::string_view(utf8)); }
    // px, ascent + descent of the current font (the height of every TextExtent).
    int FontHeight();
    // The string rotated counter-clockwise by `angleDegrees` about (x, y); the alignment flags
    // apply in the text's own rotated frame, so with left + top, (x, y) is the top-left corner
    // of the text before rotation.
    void TextOutRotated(int x, int y, const QString& text, int angleDegrees);

    // --- Clipping and copying ---
    // Limits all drawing to the rectangle (right and bottom exclusive); replaces any previous
    // clip.
    void ClipToRect(const CanvasRect& rect);
    void RemoveClip();
    CanvasRect ClipRect() const { return clip_; }
    // Copies the whole of `source` with its top-left corner at (x, y), within the clip.
    void Draw(int x, int y, const Canvas& source);
    void Draw(int x, int y, const QImage& source);

private:
    std::uint32_t* Row(int y) const { return bits_ + y * stride_; }
    void RealizeBrush();
    std::uint32_t BrushPixel() const;
    std::uint32_t PenPixel() const;
    bool PenVisible() const { return pen_.style != PenStyle::Clear; }
    int PenWidth() const { return pen_.width < 1 ? 1 : pen_.width; }
    void FillSpan(int y, int x0, int x1, std::uint32_t pixel, PenMode mode);
    void PutPixel(int x, int y, std::uint32_t pixel, PenMode mode);
    struct ScanEdge;
    struct ScanScratch;
    ScanScratch& Scratch();
    void FillPolygon(std::span<const CanvasPoint> points);
    void PenLine(int x0, int y0, int x1, int y1);
    void ThinLine(int x0, int y0, int x1, int y1);
    void WideLine(int x0, int y0, int x1, int y1, int width);
    // Exact integer bounds of a wide line's pixel test: the band's -rLen and rLen rounded
    // inward, and r^2 rounded up.
    struct WideBounds {
        std::int64_t acrossLow;
        std::int64_t acrossHigh;
        std::int64_t capLimit;
    };
    template <class CapRow>
    void SlopedWideRows(int x0, int y0, int x1, int y1, int rowFirst, int rowLast,
                        const WideBounds& bounds, CapRow capRow);
    void EllipticFigure(int x1, int y1, int x2, int y2, const int* rays, bool fill, bool outline,
                        bool radii);
    TextRenderer& Texts(); // built on first use, so figures never need fonts
    void DrawText(int x, int y, const QString& text, int angleDegrees);

    PixelBuffer pixels_;
    QImage image_; // over pixels_
    Pen pen_;
    Brush brush_;
    bool brushChanged_ = true;
    FontSpec font_;
    std::unique_ptr<TextRenderer> texts_;
    Colour backColour_ = kColourWhite;
    BackMode backMode_ = BackMode::Opaque;
    unsigned textAlign_ = 0;
    CanvasPoint penPos_;
    CanvasRect clip_;
    std::unique_ptr<ScanScratch> scratch_; // buffers reused by every polygon fill
    std::uint32_t* const bits_;            // pixels_'s first row
    const std::ptrdiff_t stride_;          // pixels per row
};

} // namespace canvas
