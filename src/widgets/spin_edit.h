// The numeric input field of the main window: a one-line text field with a pair of arrow buttons
// at its right end. The field holds any text; the value is read from the text and written
// through the limits, and OnChange runs on every change of the text, synchronously.
#pragma once

#include "widgets/spin_button.h"

#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <cstdint>
#include <exception>
#include <functional>

namespace widgets {

// value + delta, held within the range of int32_t instead of overflowing.
int32_t SaturatingAdd(int32_t value, int64_t delta);

// px, the least height of the field: the control font's character height, a quarter of the
// smaller of the system and control fonts' character heights, four system border heights and 2.
int SpinEditMinHeight(int controlCharHeight, int systemCharHeight, int borderHeight);

class TSpinEdit : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kButtonWidth = 15; // px, the arrow button pair
    static constexpr int kButtonGap = 2;    // px kept between the text and the buttons
    static constexpr int kSystemBorder = 1; // px, the system's single border line
    static constexpr int kBorder3D = 2;     // px, the sunken three-dimensional edge

    // The text starts as "0"; setting it before OnChange is assigned fires nothing.
    explicit TSpinEdit(QWidget* parent = nullptr);
    // A field created with its limits, step and starting value, firing nothing.
    TSpinEdit(QWidget* parent, int32_t minValue, int32_t maxValue, int32_t increment,
              int32_t value);
    ~TSpinEdit() override;

    // Limits of Value; when they are equal there is no limit at all. Changing them leaves the
    // text alone until the next step or until the focus leaves the field.
    int32_t MinValue() const { return minValue_; }
    void SetMinValue(int32_t value) { minValue_ = value; }
    int32_t MaxValue() const { return maxValue_; }
    void SetMaxValue(int32_t value) { maxValue_ = value; }

    // Step of the buttons and the arrow keys.
    int32_t Increment() const { return increment_; }
    void SetIncrement(int32_t value) { increment_ = value; }

    // The text as an integer, MinValue when it is not one; not clamped.
    int32_t Value() const;
    // Writes value, clamped to the limits, as the text.
    void SetValue(int32_t value);

    // value clamped to [MinValue, MaxValue], or value itself when the limits are equal.
    int32_t CheckValue(int32_t value) const;

    QString Text() const { return text(); }
    // Nothing happens when text equals the current text. Otherwise the field takes it and
    // OnChange runs before this returns; an exception from OnChange goes on to the caller.
    void SetText(const QString& text);

    // Whether the text may be typed, pasted or cut (the buttons and arrow keys step either way).
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool enabled);

    // Whether the field has the sunken three-dimensional edge, which decides where the buttons
    // sit.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D);

    // One step up or down through SetValue; a read-only field beeps instead.
    void UpClick();
    void DownClick();

    TSpinButton* Button() const { return button_; }

    // Shows the arrow column and its arrows at percent of their designed size, for a window
    // shown larger (100: as designed); the text follows the field's font.
    void SetZoom(int percent);
    int Zoom() const { return zoom_; }

    // px, see SpinEditMinHeight; smaller heights are raised to it.
    int GetMinHeight() const;

    // Runs after every change of the text, with the field as argument; not while the user's
    // typing leaves an incomplete text (see IsIncompleteText).
    std::function<void(TSpinEdit*)> OnChange;

    // A text that is no number yet but becomes one as the user types on: empty, or a lone sign.
    static bool IsIncompleteText(const QString& text);
    // Whether the field shows an incomplete text the user typed (in red, not passed on).
    bool ShowsIncompleteText() const { return incomplete_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void TextChanged(const QString& text);
    // A key that would type characters into the field (not a shortcut, not an editing key).
    static bool TypesCharacters(const QKeyEvent* event);
    bool AcceptsTypedText(const QString& text) const;
    void RaiseToMinHeight();
    void LayoutButton();
    void SelectOnButtonEntry();
    int ButtonWidth() const { return kButtonWidth * zoom_ / 100; } // px, at the zoom

    TSpinButton* button_; // child
    int32_t minValue_ = 0;
    int32_t maxValue_ = 0;
    int32_t increment_ = 1;
    bool editorEnabled_ = true;
    bool ctl3D_ = true;
    int zoom_ = 100;                  // percent
    QString lastText_;                // the text OnChange last saw (or the starting text)
    int writeDepth_ = 0;              // nesting of SetText calls now running
    std::exception_ptr pendingError_; // thrown by OnChange under SetText, rethrown there
    bool mouseEntry_ = false;         // the focus came with a mouse press not yet seen by the field
    bool incomplete_ = false;         // the user's typing left an incomplete text, shown in red
    QPalette paletteBeforeIncomplete_; // restored when the text is complete again
};

} // namespace widgets
