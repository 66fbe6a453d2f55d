#include "app/window_zoom.h"

#include "app/form1.h"
#include "app/main_menu.h"
#include "canvas/magnify.h"
#include "chart/chart_widget.h"
#include "language/language.h"
#include "widgets/spin_edit.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QSettings>
#include <algorithm>
#include <cassert>
#include <vector>

namespace app {
namespace {

constexpr const char* kZoomKey = "zoom";
// The property that marks a designed control.
constexpr const char* kDesignedControlProperty = "designedControl";
// What a widget had at the designed scale, kept while the window is zoomed: its geometry, its
// font, and whether that font was its own (or inherited, then not kept but followed).
constexpr const char* kDesignedGeometryProperty = "designedGeometry";
constexpr const char* kDesignedFontProperty = "designedFont";
constexpr const char* kOwnFontProperty = "designedOwnFont";
// The backdrop of full screen, dark so that the window's content stands out on a projector.
constexpr QRgb kBackdropColour = 0x202020;

int Scaled(int designed, int percent) {
    return canvas::MagnifiedLength(designed, percent);
}

QFont ScaledFont(QFont font, int percent) {
    if (font.pixelSize() > 0)
        font.setPixelSize(Scaled(font.pixelSize(), percent));
    else
        font.setPointSizeF(font.pointSizeF() * percent / 100);
    return font;
}

// Gives widget its font at percent of the designed one. A control that inherits its font
// follows the window's; a window of its own (a menu) inherits nothing and is scaled here.
void ScaleFont(QWidget* widget, int percent) {
    if (!widget->property(kDesignedFontProperty).isValid()) {
        if (percent == 100)
            return;
        widget->setProperty(kDesignedFontProperty, widget->font());
        widget->setProperty(kOwnFontProperty, widget->testAttribute(Qt::WA_SetFont));
    }
    const QFont designed = widget->property(kDesignedFontProperty).value<QFont>();
    const bool own = widget->property(kOwnFontProperty).toBool();
    if (percent == 100) {
        // A default font hands the widget back to its parent's font.
        widget->setFont(own ? designed : QFont());
        widget->setProperty(kDesignedFontProperty, QVariant());
        widget->setProperty(kOwnFontProperty, QVariant());
    } else if (own || widget->isWindow()) {
        widget->setFont(ScaledFont(designed, percent));
    }
}

// The desktop's style with the sizes of the check and radio marks and of scroll bars scaled, so
// that they grow with the controls that show them.
class ZoomStyle : public QProxyStyle {
public:
    explicit ZoomStyle(int percent) : percent_(percent) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int designed = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ScrollBarExtent:
            return Scaled(designed, percent_);
        default:
            return designed;
        }
    }

private:
    int percent_;
};

// Keeps the geometry of a control at the designed scale, before a font changes it.
void KeepDesignedGeometry(QWidget* control) {
    if (!control->property(kDesignedGeometryProperty).isValid())
        control->setProperty(kDesignedGeometryProperty, control->geometry());
}

// Gives control its designed geometry scaled to percent, and style (null: the desktop's). The
// pictures show their pixels as blocks, the spin edits scale their arrows, and a label is never
// narrower than its text, as at the designed scale.
void ScaleControl(QWidget* control, int percent, QStyle* style) {
    if (!control->property(kDesignedGeometryProperty).isValid())
        return; // never zoomed
    const QRect designed = control->property(kDesignedGeometryProperty).toRect();
    control->setStyle(style);
    if (auto* image = dynamic_cast<TImage*>(control))
        image->SetZoom(percent);
    else if (auto* chart = dynamic_cast<chart::TChartWidget*>(control))
        chart->SetZoom(percent);
    else if (auto* spin = dynamic_cast<widgets::TSpinEdit*>(control))
        spin->SetZoom(percent);
    if (percent == 100) {
        control->setGeometry(designed);
        control->setProperty(kDesignedGeometryProperty, QVariant());
        return;
    }
    QRect scaled(Scaled(designed.x(), percent), Scaled(designed.y(), percent),
                 Scaled(designed.width(), percent), Scaled(designed.height(), percent));
    if (const auto* label = qobject_cast<QLabel*>(control))
        scaled.setWidth(std::max(scaled.width(), label->sizeHint().width()));
    control->setGeometry(scaled);
}

bool IsZoomChoice(int percent) {
    return std::find(kZoomChoices.begin(), kZoomChoices.end(), percent) != kZoomChoices.end();
}

} // namespace

void MarkDesignedControl(QWidget* control) {
    control->setProperty(kDesignedControlProperty, true);
}

int SavedZoom(QSettings& settings) {
    bool number = false;
    const int percent = settings.value(QString::fromUtf8(kZoomKey)).toInt(&number);
    return number && IsZoomChoice(percent) ? percent : 100;
}

void SaveZoom(QSettings& settings, int percent) {
    settings.setValue(QString::fromUtf8(kZoomKey), percent);
}

void ApplySavedZoom(TForm1& form) {
    form.Zoom().Choose(SavedZoom(*language::UserSettings()));
}

int FullScreenZoom(QSize screen, QSize content) {
    assert(!content.isEmpty());
    const int whole =
        std::min(screen.width() / content.width(), screen.height() / content.height());
    return 100 * std::max(1, whole);
}

WindowZoom::WindowZoom(TForm1& form)
    : form_(form), designedBarHeight_(form.MainMenuBar->sizeHint().height()),
      backdrop_(new QWidget(&form)), leaveByEsc_(new QAction(&form)) {
    backdrop_->setObjectName(QStringLiteral("fullScreenBackdrop"));
    QPalette dark = backdrop_->palette();
    dark.setColor(QPalette::Window, QColor::fromRgb(kBackdropColour));
    backdrop_->setPalette(dark);
    backdrop_->setAutoFillBackground(true);
    backdrop_->hide();
    // The client area paints its own background, so that the backdrop shows only around it.
    ClientArea(form_)->setAutoFillBackground(true);

    leaveByEsc_->setShortcut(QKeySequence(Qt::Key_Escape));
    leaveByEsc_->setEnabled(false);
    connect(leaveByEsc_, &QAction::triggered, this, [this] { SetFullScreen(false); });
    form_.addAction(leaveByEsc_);
    form_.installEventFilter(this);
    CheckMenu();
}

WindowZoom::~WindowZoom() {
    form_.removeEventFilter(this);
}

void WindowZoom::Choose(int percent) {
    assert(IsZoomChoice(percent));
    chosen_ = percent;
    if (fullScreen_) {
        // Leaving shows the chosen zoom.
        SetFullScreen(false);
        return;
    }
    Show(chosen_);
    CheckMenu();
}

void WindowZoom::SetFullScreen(bool on) {
    if (on == fullScreen_) {
        CheckMenu();
        return;
    }
    if (!on) {
        // Cleared first, so that the state change it brings is not taken for the desktop's.
        fullScreen_ = false;
        form_.showNormal();
        AfterFullScreen();
        return;
    }
    fullScreen_ = true;
    leaveByEsc_->setEnabled(true);
    backdrop_->lower();
    backdrop_->show();
    const QSize content(TForm1::kClientWidth, TForm1::kClientHeight + designedBarHeight_);
    Show(FullScreenZoom(form_.screen()->geometry().size(), content));
    // The window keeps its size at the chosen zoom as the one to return to.
    form_.showFullScreen();
    CheckMenu();
}

void WindowZoom::AfterFullScreen() {
    fullScreen_ = false;
    leaveByEsc_->setEnabled(false);
    backdrop_->hide();
    Show(chosen_);
    CheckMenu();
}

void WindowZoom::AtDesignedScale(const std::function<void()>& change) {
    const int percent = shown_;
    if (percent != 100)
        Show(100);
    change();
    if (percent != 100)
        Show(percent);
}

void WindowZoom::Show(int percent) {
    std::vector<QWidget*> controls;
    for (QWidget* widget : ClientArea(form_)->findChildren<QWidget*>()) {
        if (widget->property(kDesignedControlProperty).toBool())
            controls.push_back(widget);
    }
    // The fonts first: a spin edit raises its height to its font, and a label's width follows
    // its text, so the geometry is kept before and set after them.
    if (percent != 100) {
        for (QWidget* control : controls)
            KeepDesignedGeometry(control);
    }
    ScaleFont(&form_, percent);
    for (QWidget* control : controls)
        ScaleFont(control, percent);
    for (QMenu* menu : form_.MainMenuBar->findChildren<QMenu*>())
        ScaleFont(menu, percent);
    // The style of the new zoom replaces the old one on every control before the old one goes.
    auto* style = percent == 100 ? nullptr : new ZoomStyle(percent);
    if (style != nullptr)
        style->setParent(&form_);
    for (QWidget* control : controls)
        ScaleControl(control, percent, style);
    delete style_;
    style_ = style;
    shown_ = percent;
    LayOut();
}

void WindowZoom::LayOut() {
    QMenuBar* bar = form_.MainMenuBar;
    const QSize client(Scaled(TForm1::kClientWidth, shown_), Scaled(TForm1::kClientHeight, shown_));
    const int barHeight = bar->sizeHint().height();
    QPoint origin(0, 0);
    if (fullScreen_) {
        backdrop_->setGeometry(form_.rect());
        origin = QPoint(std::max(0, (form_.width() - client.width()) / 2),
                        std::max(0, (form_.height() - client.height() - barHeight) / 2));
    }
    bar->setGeometry(origin.x(), origin.y(), client.width(), barHeight);
    ClientArea(form_)->setGeometry(origin.x(), origin.y() + barHeight, client.width(),
                                   client.height());
    if (!fullScreen_)
        form_.resize(client.width(), client.height() + barHeight);
}

void WindowZoom::CheckMenu() {
    CheckCurrentZoom(form_.MainMenuBar, chosen_, fullScreen_);
}

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && fullScreen_) {
        if (event->type() == QEvent::Resize)
            LayOut();
        // The desktop may end full screen on its own.
        else if (event->type() == QEvent::WindowStateChange && !form_.isFullScreen())
            AfterFullScreen();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
