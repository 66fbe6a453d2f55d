#pragma once

// The canvas's text renderer: texts rendered once per font and kept, the cell metrics and the
// glyph pixels of every string drawn, so that labels drawn on every frame cost a lookup and a
// copy of their ink. Rendering is Qt's, without anti-aliasing (it needs a QGuiApplication for
// the fonts).

#include "canvas/text_renderer.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class QFont;

namespace canvas {

class TextCache final : public TextRenderer {
public:
    // At most this many strings per font and this many fonts; past that the cache starts over.
    static constexpr std::size_t kMaxTextsPerFont = 512;
    static constexpr std::size_t kMaxFonts = 16;

    TextCache();
    ~TextCache() override;
    TextCache(const TextCache&) = delete;
    TextCache& operator=(const TextCache&) = delete;

    // Makes `font` (its colour does not matter) the font of the next calls. A font seen before
    // is found again without building anything.
    void SelectFont(const FontSpec& font);
    // The selected font as Qt draws it.
    const QFont& Font();
    // px, ascent + descent of the selected font.
    int FontHeight();
    // text in the selected font; the reference stays valid until the next Render or
    // SelectFont.
    const TextImage& Render(const QString& text);
    // px, the advance width Render gives text in the selected font, without rendering it when
    // it was not rendered before: widths asked for and never drawn, such as an axis's trial
    // labels, cost no glyph pixels.
    int Advance(const QString& text);

    // The renderer's calls: each selects its font, then does the above.
    int FontHeight(const FontSpec& font) override;
    TextSize Measure(const FontSpec& font, const QString& text) override;
    const TextImage& Render(const FontSpec& font, const QString& text) override;
    // Qt's painter turns the glyphs, on a picture over target's pixels.
    void DrawTurned(const PixelView& target, const CanvasRect& clip, const FontSpec& font,
                    const QString& text, const TurnedText& turn) override;

private:
    struct FontEntry;
    FontEntry& Current();

    std::vector<std::unique_ptr<FontEntry>> fonts_;
    FontSpec selected_;
    FontEntry* current_ = nullptr; // entry of selected_, null until looked up
};

} // namespace canvas
