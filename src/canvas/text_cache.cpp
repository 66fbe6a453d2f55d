#include "canvas/text_cache.h"

#include "canvas/raster_internal.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <unordered_map>

namespace canvas {

namespace {

bool SameFace(const FontSpec& a, const FontSpec& b) {
    return a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikeOut == b.strikeOut && a.face == b.face;
}

TextImage RenderImage(const QFont& font, const QFontMetrics& metrics, const QString& text) {
    TextImage t;
    t.advance = metrics.horizontalAdvance(text);
    t.ascent = metrics.ascent();
    t.height = t.ascent + metrics.descent();
    // Glyphs may reach beyond their cell (bearings, accents): render with a margin and keep
    // the ink box.
    const int margin = std::max(4, t.height);
    QImage mask(t.advance + 2 * margin, t.height + 2 * margin, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(margin, margin + t.ascent), text);
    }
    int left = mask.width();
    int top = mask.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < mask.height(); ++y) {
        const std::uint8_t* row = mask.constScanLine(y);
        for (int x = 0; x < mask.width(); ++x) {
            if (row[x] >= 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right >= 0) {
        t.inkLeft = left - margin;
        t.inkTop = top - margin;
        t.inkWidth = right - left + 1;
        t.inkHeight = bottom - top + 1;
        t.ink.resize(static_cast<std::size_t>(t.inkWidth) * t.inkHeight);
        for (int y = 0; y < t.inkHeight; ++y) {
            const std::uint8_t* row = mask.constScanLine(top + y);
            for (int x = 0; x < t.inkWidth; ++x) {
                t.ink[static_cast<std::size_t>(y) * t.inkWidth + x] = row[left + x] >= 128 ? 1 : 0;
            }
        }
    }
    return t;
}

} // namespace

struct TextCache::FontEntry {
    explicit FontEntry(const FontSpec& fontSpec)
        : face(fontSpec), font(QString::fromStdString(fontSpec.face)),
          metrics(MakeFont(fontSpec, font)), height(metrics.ascent() + metrics.descent()) {}

    static const QFont& MakeFont(const FontSpec& fontSpec, QFont& font) {
        // Points at 96 pixels per inch, rounded to the nearest pixel.
        font.setPixelSize(std::max(1, (fontSpec.size * 96 + 36) / 72));
        font.setBold(fontSpec.bold);
        font.setItalic(fontSpec.italic);
        font.setUnderline(fontSpec.underline);
        font.setStrikeOut(fontSpec.strikeOut);
        font.setStyleStrategy(QFont::NoAntialias);
        return font;
    }

    FontSpec face; // the colour is not part of the key
    QFont font;
    QFontMetrics metrics;
    int height; // px, ascent + descent
    std::unordered_map<QString, TextImage> texts;
    std::unordered_map<QString, int> advances; // px, of texts measured and not rendered
};

TextCache::TextCache() = default;
TextCache::~TextCache() = default;

void TextCache::SelectFont(const FontSpec& font) {
    if (current_ != nullptr && SameFace(font, selected_)) {
        return;
    }
    selected_.face = font.face;
    selected_.size = font.size;
    selected_.bold = font.bold;
    selected_.italic = font.italic;
    selected_.underline = font.underline;
    selected_.strikeOut = font.strikeOut;
    current_ = nullptr;
}

TextCache::FontEntry& TextCache::Current() {
    if (current_ != nullptr) {
        return *current_;
    }
    for (const auto& entry : fonts_) {
        if (SameFace(entry->face, selected_)) {
            current_ = entry.get();
            return *current_;
        }
    }
    if (fonts_.size() >= kMaxFonts) {
        fonts_.clear();
    }
    fonts_.push_back(std::make_unique<FontEntry>(selected_));
    current_ = fonts_.back().get();
    return *current_;
}

const QFont& TextCache::Font() {
    return Current().font;
}

int TextCache::FontHeight() {
    return Current().height;
}

const TextImage& TextCache::Render(const QString& text) {
    FontEntry& entry = Current();
    const auto found = entry.texts.find(text);
    if (found != entry.texts.end()) {
        return found->second;
    }
    if (entry.texts.size() >= kMaxTextsPerFont) {
        entry.texts.clear();
    }
    return entry.texts.emplace(text, RenderImage(entry.font, entry.metrics, text)).first->second;
}

int TextCache::Advance(const QString& text) {
    FontEntry& entry = Current();
    if (const auto rendered = entry.texts.find(text); rendered != entry.texts.end()) {
        return rendered->second.advance;
    }
    if (const auto measured = entry.advances.find(text); measured != entry.advances.end()) {
        return measured->second;
    }
    if (entry.advances.size() >= kMaxTextsPerFont) {
        entry.advances.clear();
    }
    // The same measure RenderImage takes.
    return entry.advances.emplace(text, entry.metrics.horizontalAdvance(text)).first->second;
}

int TextCache::FontHeight(const FontSpec& font) {
    SelectFont(font);
    return FontHeight();
}

TextSize TextCache::Measure(const FontSpec& font, const QString& text) {
    SelectFont(font);
    return {Advance(text), FontHeight()};
}

const TextImage& TextCache::Render(const FontSpec& font, const QString& text) {
    SelectFont(font);
    return Render(text);
}

void TextCache::DrawTurned(const PixelView& target, const CanvasRect& clip, const FontSpec& font,
                           const QString& text, const TurnedText& turn) {
    SelectFont(font);
    const TextImage& t = Render(text);
    // A picture over the target's own pixels: the painter writes straight into them.
    QImage picture = ImageOver(target);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setClipRect(QRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top));
    painter.translate(turn.origin.x, turn.origin.y);
    painter.rotate(-static_cast<double>(turn.angleDegrees));
    if (turn.background) {
        painter.fillRect(QRect(turn.cell.x, turn.cell.y, t.advance, t.height),
                         QColor::fromRgb(ToPixel(*turn.background)));
    }
    painter.setFont(Current().font);
    painter.setPen(QColor::fromRgb(ToPixel(font.colour)));
    painter.drawText(QPoint(turn.cell.x, turn.cell.y + t.ascent), text);
}

} // namespace canvas
