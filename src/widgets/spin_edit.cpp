#include "widgets/spin_edit.h"

#include "numeric/integer_text.h"
#include "widgets/widget_hooks.h"

#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>
#include <utility>

namespace widgets {

int32_t SaturatingAdd(int32_t value, int64_t delta) {
    const int64_t sum = int64_t{value} + delta;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int SpinEditMinHeight(int controlCharHeight, int systemCharHeight, int borderHeight) {
    return controlCharHeight + std::min(systemCharHeight, controlCharHeight) / 4 +
           borderHeight * 4 + 2;
}

TSpinEdit::TSpinEdit(QWidget* parent) : QLineEdit(parent), button_(new TSpinButton(this)) {
    button_->SetFocusControl(this);
    button_->OnUpClick = [this] { UpClick(); };
    button_->OnDownClick = [this] { DownClick(); };
    button_->OnButtonDown = [this] { SelectOnButtonEntry(); };
    button_->setCursor(Qt::ArrowCursor);
    QLineEdit::setText(QStringLiteral("0"));
    lastText_ = text();
    // Connected only now: giving the field its starting text fires nothing.
    connect(this, &QLineEdit::textChanged, this, &TSpinEdit::TextChanged);
    RaiseToMinHeight();
    LayoutButton();
}

TSpinEdit::TSpinEdit(QWidget* parent, int32_t minValue, int32_t maxValue, int32_t increment,
                     int32_t value)
    : TSpinEdit(parent) {
    minValue_ = minValue;
    maxValue_ = maxValue;
    increment_ = increment;
    SetValue(value);
}

TSpinEdit::~TSpinEdit() = default;

int32_t TSpinEdit::Value() const {
    return numeric::ParseIntegerText(text().toStdString()).value_or(minValue_);
}

void TSpinEdit::SetValue(int32_t value) {
    SetText(QString::number(CheckValue(value)));
}

int32_t TSpinEdit::CheckValue(int32_t value) const {
    if (maxValue_ != minValue_) {
        if (value < minValue_) {
            return minValue_;
        }
        if (value > maxValue_) {
            return maxValue_;
        }
    }
    return value;
}

bool TSpinEdit::IsIncompleteText(const QString& text) {
    return text.isEmpty() || text == QLatin1String("+") || text == QLatin1String("-");
}

void TSpinEdit::SetText(const QString& newText) {
    if (newText == text()) {
        return;
    }
    ++writeDepth_;
    QLineEdit::setText(newText); // runs TextChanged, and so OnChange, before it returns
    --writeDepth_;
    // The start of the text stays in view: a number wider than the field shows its leading
    // digits, not its last ones.
    setCursorPosition(0);
    if (pendingError_) {
        std::rethrow_exception(std::exchange(pendingError_, nullptr));
    }
}

void TSpinEdit::SetEditorEnabled(bool enabled) {
    editorEnabled_ = enabled;
    setContextMenuPolicy(enabled ? Qt::DefaultContextMenu : Qt::NoContextMenu);
    setAcceptDrops(enabled);
}

void TSpinEdit::SetCtl3D(bool ctl3D) {
    if (ctl3D_ != ctl3D) {
        ctl3D_ = ctl3D;
        LayoutButton();
    }
}

void TSpinEdit::SetZoom(int percent) {
    zoom_ = percent;
    button_->SetZoom(percent);
    LayoutButton();
}

void TSpinEdit::UpClick() {
    if (isReadOnly()) {
        Beep();
    } else {
        SetValue(SaturatingAdd(Value(), increment_));
    }
}

void TSpinEdit::DownClick() {
    if (isReadOnly()) {
        Beep();
    } else {
        SetValue(SaturatingAdd(Value(), -int64_t{increment_}));
    }
}

int TSpinEdit::GetMinHeight() const {
    const int controlHeight = QFontMetrics(font()).height();
    const int systemHeight =
        QFontMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).height();
    return SpinEditMinHeight(controlHeight, systemHeight, kSystemBorder);
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (RunReportingErrors(
                [this, event] { event->key() == Qt::Key_Up ? UpClick() : DownClick(); })) {
            QLineEdit::keyPressEvent(event);
        }
        // The step was the key's work: it does not travel on to the parent.
        event->accept();
        return;
    default:
        break;
    }
    if (TypesCharacters(event) && !AcceptsTypedText(event->text())) {
        Beep();
        event->accept();
        return;
    }
    if (!editorEnabled_ && (event->key() == Qt::Key_Delete || event->matches(QKeySequence::Paste) ||
                            event->matches(QKeySequence::Cut))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool TSpinEdit::TypesCharacters(const QKeyEvent* event) {
    constexpr Qt::KeyboardModifiers shortcutModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !event->text().isEmpty() && event->key() != Qt::Key_Delete &&
           (event->modifiers() & shortcutModifiers) == Qt::NoModifier;
}

bool TSpinEdit::AcceptsTypedText(const QString& typed) const {
    const QString separator = QLocale().decimalPoint();
    return std::all_of(typed.begin(), typed.end(), [&](QChar c) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 && u != u'\r';
        const bool accepted = (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' ||
                              separator == QString(c) || control;
        // Without the editor only control characters that do not edit pass.
        const bool edits = !control || u == u'\b';
        return accepted && (editorEnabled_ || !edits);
    });
}

void TSpinEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::MouseFocusReason:
        // Decided by the press that brought the focus: one in the text keeps the caret where it
        // lands, one on the buttons selects the text.
        mouseEntry_ = true;
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        // The window or a popup menu came back: the field was never left.
        break;
    default:
        selectAll();
        break;
    }
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    mouseEntry_ = false;
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        // Another window (a message box) or a popup took the focus for a while: not a leave.
        return;
    }
    if (incomplete_) {
        // Leaving an unfinished text puts back the text the change handler last took; it has
        // seen that text already, so nothing runs.
        QLineEdit::setText(lastText_);
        if (incomplete_) { // the handler's last text was itself unfinished (written, not typed)
            incomplete_ = false;
            setPalette(paletteBeforeIncomplete_);
        }
    }
    RunReportingErrors([this] {
        const int32_t value = Value();
        if (CheckValue(value) != value) {
            SetValue(value);
        }
    });
    setCursorPosition(0);
}

void TSpinEdit::mousePressEvent(QMouseEvent* event) {
    mouseEntry_ = false;
    QLineEdit::mousePressEvent(event);
}

void TSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    RaiseToMinHeight();
    LayoutButton();
}

void TSpinEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        RaiseToMinHeight();
        LayoutButton();
    } else if (event->type() == QEvent::StyleChange) {
        LayoutButton();
    }
}

void TSpinEdit::TextChanged(const QString& newText) {
    const bool typing = writeDepth_ == 0;
    if (typing && IsIncompleteText(newText)) {
        // Backspacing a field to retype it: red until the text is a number again, and not passed
        // on, so no error box interrupts the typing.
        if (!incomplete_) {
            incomplete_ = true;
            paletteBeforeIncomplete_ = palette();
            QPalette red = palette();
            red.setColor(QPalette::Text, Qt::red);
            setPalette(red);
        }
        return;
    }
    if (incomplete_) {
        incomplete_ = false;
        setPalette(paletteBeforeIncomplete_);
    }
    // The line edit also reports edits that leave the text as it was (a digit typed over itself).
    if (newText == lastText_) {
        return;
    }
    lastText_ = newText;
    if (!OnChange) {
        return;
    }
    try {
        OnChange(this);
    } catch (...) {
        if (writeDepth_ > 0) {
            // SetText rethrows it to whoever wrote the text.
            if (!pendingError_) {
                pendingError_ = std::current_exception();
            }
        } else {
            // Typing, paste or undo: the user's action has no caller to take the error.
            ReportError(std::current_exception());
        }
    }
}

void TSpinEdit::RaiseToMinHeight() {
    const int minHeight = GetMinHeight();
    if (height() < minHeight) {
        resize(width(), minHeight);
    }
}

void TSpinEdit::LayoutButton() {
    // The edges are inside the widget; the button's place is given within the client area they
    // enclose.
    const int border = ctl3D_ ? kBorder3D : kSystemBorder;
    const int buttonWidth = ButtonWidth();
    const QRect client = ctl3D_ ? QRect(width() - buttonWidth - 5, 0, buttonWidth, height() - 5)
                                : QRect(width() - buttonWidth, 1, buttonWidth, height() - 3);
    button_->setGeometry(client.translated(border, border));
    // Like any child, the buttons show only inside the client area: in a field narrower than the
    // button pair and its gap, their left columns lie under the edge and stay hidden.
    const QRect clientArea(border, border, width() - 2 * border, height() - 2 * border);
    const QRect shown = clientArea.intersected(button_->geometry());
    if (shown == button_->geometry()) {
        button_->clearMask();
    } else {
        button_->setMask(QRegion(shown.translated(-button_->pos())));
    }

    // The text ends kButtonGap pixels before the buttons' client column.
    const int clientWidth = width() - 2 * border;
    const int textEnd = border + clientWidth - buttonWidth - kButtonGap;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int rightMargin = std::max(0, contents.x() + contents.width() - textEnd);
    if (textMargins().right() != rightMargin) {
        setTextMargins(0, 0, rightMargin, 0);
    }
}

void TSpinEdit::SelectOnButtonEntry() {
    if (mouseEntry_) {
        mouseEntry_ = false;
        selectAll();
    }
}

} // namespace widgets
