// Pens, brushes and fonts of chart objects. Each setter stores a value only when it differs
// and then calls the change callback, which the owner wires to its repaint request.
#pragma once

#include "chart/chart_types.h"

#include <QString>
#include <functional>
#include <utility>

namespace chart {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum class TPenMode { pmCopy, pmNotXor };
enum class TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

// Base of the change-notifying chart objects.
class TChartObject {
public:
    std::function<void()> OnChange;

protected:
    template <class T> void Store(T& field, const T& value) {
        if (!(field == value)) {
            field = value;
            Changed();
        }
    }
    void Changed() {
        if (OnChange) {
            OnChange();
        }
    }
};

// The platform pen plus Visible. The subclasses below only change defaults.
class TChartPen : public TChartObject {
public:
    TChartPen() = default;
    TChartPen(bool visible, TColor color, TPenStyle style, int width = 1)
        : Color_(color), Width_(width), Style_(style), Visible_(visible) {}
    TChartPen(const TChartPen&) = default;
    TChartPen& operator=(const TChartPen&) = default;
    virtual ~TChartPen() = default;

    TColor Color() const { return Color_; }
    void SetColor(TColor v) { Store(Color_, v); }
    int Width() const { return Width_; } // pixels, >= 0
    void SetWidth(int v) { Store(Width_, v); }
    TPenStyle Style() const { return Style_; }
    void SetStyle(TPenStyle v) { Store(Style_, v); }
    TPenMode Mode() const { return Mode_; }
    void SetMode(TPenMode v) { Store(Mode_, v); }
    bool Visible() const { return Visible_; }
    void SetVisible(bool v) { Store(Visible_, v); }

    // Copies Visible and then the platform pen attributes (not the change callback).
    void Assign(const TChartPen& source) {
        Visible_ = source.Visible_;
        Color_ = source.Color_;
        Width_ = source.Width_;
        Style_ = source.Style_;
        Mode_ = source.Mode_;
        Changed();
    }

private:
    TColor Color_ = clBlack;
    int Width_ = 1;
    TPenStyle Style_ = TPenStyle::psSolid;
    TPenMode Mode_ = TPenMode::pmCopy;
    bool Visible_ = true;
};

// Title frame, legend dividing lines: hidden by default.
class TChartHiddenPen : public TChartPen {
public:
    TChartHiddenPen() : TChartPen(false, clBlack, TPenStyle::psSolid) {}
};

// Axis grid.
class TDottedGrayPen : public TChartPen {
public:
    TDottedGrayPen() : TChartPen(true, clGray, TPenStyle::psDot) {}
};

// Axis ticks.
class TDarkGrayPen : public TChartPen {
public:
    TDarkGrayPen() : TChartPen(true, clGray, TPenStyle::psSolid) {}
};

// Axis line, 2 pixels wide.
class TChartAxisPen : public TChartPen {
public:
    TChartAxisPen() : TChartPen(true, clBlack, TPenStyle::psSolid, 2) {}
};

class TChartBrush : public TChartObject {
public:
    TChartBrush() = default;
    TChartBrush(TColor color, TBrushStyle style) : Color_(color), Style_(style) {}

    TColor Color() const { return Color_; }
    void SetColor(TColor v) { Store(Color_, v); }
    TBrushStyle Style() const { return Style_; }
    void SetStyle(TBrushStyle v) { Store(Style_, v); }
    void Assign(const TChartBrush& source) {
        Color_ = source.Color_;
        Style_ = source.Style_;
        Changed();
    }

private:
    TColor Color_ = clWhite;
    TBrushStyle Style_ = TBrushStyle::bsSolid;
};

// A chart font: the default chart font is "Arial" 8 point, black, no style.
class TChartFont : public TChartObject {
public:
    TChartFont() = default;
    TChartFont(QString name, int size, TColor color, bool bold = false)
        : Name_(std::move(name)), Size_(size), Color_(color), Bold_(bold) {}

    const QString& Name() const { return Name_; }
    void SetName(const QString& v) { Store(Name_, v); }
    int Size() const { return Size_; } // points
    void SetSize(int v) { Store(Size_, v); }
    TColor Color() const { return Color_; }
    void SetColor(TColor v) { Store(Color_, v); }
    bool Bold() const { return Bold_; }
    void SetBold(bool v) { Store(Bold_, v); }
    bool Italic() const { return Italic_; }
    void SetItalic(bool v) { Store(Italic_, v); }
    void Assign(const TChartFont& source) {
        Name_ = source.Name_;
        Size_ = source.Size_;
        Color_ = source.Color_;
        Bold_ = source.Bold_;
        Italic_ = source.Italic_;
        Changed();
    }

private:
    QString Name_ = QStringLiteral("Arial");
    int Size_ = 8;
    TColor Color_ = clBlack;
    bool Bold_ = false;
    bool Italic_ = false;
};

} // namespace chart
