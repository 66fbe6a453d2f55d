// What the axis arithmetic needs of a drawing surface: the size of a text in its current font.
#pragma once

#include <QString>

namespace chart {

class TTextMeasure {
public:
    virtual ~TTextMeasure() = default;
    // px, advance width of text in the current font.
    virtual int MeasureTextWidth(const QString& text) = 0;
    // px, ascent + descent of the current font (the same for every text).
    virtual int MeasureTextHeight(const QString& text) = 0;
    // px, the height of one line of the current font.
    int FontHeight() { return MeasureTextHeight(QStringLiteral("W")); }
};

} // namespace chart
