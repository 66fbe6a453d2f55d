#include "app/main_menu.h"

#include "app/experiment_window.h"
#include "app/form1.h"
#include "app/lab_tools.h"
#include "app/window_zoom.h"
#include "language/language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace app {
namespace {

constexpr const char* kClientAreaName = "clientArea";
constexpr const char* kLanguageMenuName = "languageMenu";
constexpr const char* kViewMenuName = "viewMenu";
constexpr const char* kZoomMenuName = "zoomMenu";
constexpr const char* kFullScreenItemName = "fullScreenItem";
constexpr const char* kHelpMenuName = "helpMenu";
constexpr const char* kMenuContext = "app::MainMenu";
// The property of a menu item that keeps its Serbian text (UTF-8), the key of its translation.
constexpr const char* kSourceTextProperty = "glodanjeSourceText";

} // namespace

void SetMenuText(QAction* item, const char* source) {
    item->setProperty(kSourceTextProperty, QByteArray(source));
    item->setText(QCoreApplication::translate(kMenuContext, source));
}

void RetranslateMenuBar(QMenuBar* bar) {
    for (QAction* item : bar->findChildren<QAction*>()) {
        const QVariant source = item->property(kSourceTextProperty);
        if (source.isValid())
            item->setText(QCoreApplication::translate(kMenuContext, source.toByteArray()));
    }
    CheckCurrentLanguage(bar);
}

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* text) {
    QMenu* menu = bar->addMenu(QString());
    SetMenuText(menu->menuAction(), text);
    return menu;
}

QAction* AddAction(QMenu* menu, const char* text, const QKeySequence& shortcut,
                   std::function<void()> action) {
    QAction* item = menu->addAction(QString());
    SetMenuText(item, text);
    item->setShortcut(shortcut);
    QObject::connect(item, &QAction::triggered, menu, std::move(action));
    return item;
}

// "Jezik / Language": one checked item per language, named in its own language. The choice
// takes effect at once and is remembered for the next start.
void AddLanguageMenu(QMenuBar* bar) {
    QMenu* menu = AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "&Jezik / Language"));
    menu->setObjectName(QString::fromUtf8(kLanguageMenuName));
    auto* group = new QActionGroup(menu);
    const auto add = [&](const char* text, language::Language language) {
        QAction* item = AddAction(menu, text, {}, [language] { ChooseLanguage(language); });
        item->setCheckable(true);
        item->setData(QString::fromUtf8(language::LanguageCode(language)));
        group->addAction(item);
    };
    add(QT_TRANSLATE_NOOP("app::MainMenu", "Srpski"), language::Language::Serbian);
    add(QT_TRANSLATE_NOOP("app::MainMenu", "English"), language::Language::English);
    CheckCurrentLanguage(bar);
}

// "Prikaz": "Uvećanje" with one checked item per zoom, and "Ceo ekran" (F11). The zoom chosen is
// remembered for the next start.
void AddViewMenu(QMenuBar* bar, TForm1& form) {
    QMenu* view = AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "P&rikaz"));
    view->setObjectName(QString::fromUtf8(kViewMenuName));
    QMenu* zoom = view->addMenu(QString());
    zoom->setObjectName(QString::fromUtf8(kZoomMenuName));
    SetMenuText(zoom->menuAction(), QT_TRANSLATE_NOOP("app::MainMenu", "Uvećanje"));
    auto* group = new QActionGroup(zoom);
    for (const int percent : kZoomChoices) {
        QAction* item = zoom->addAction(QStringLiteral("%1 %").arg(percent));
        item->setCheckable(true);
        item->setData(percent);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, zoom,
                         [&form, percent] { ChooseZoom(form, percent); });
    }
    QAction* fullScreen = view->addAction(QString());
    SetMenuText(fullScreen, QT_TRANSLATE_NOOP("app::MainMenu", "Ceo ekran"));
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    fullScreen->setObjectName(QString::fromUtf8(kFullScreenItemName));
    fullScreen->setCheckable(true);
    QObject::connect(fullScreen, &QAction::triggered, view,
                     [&form](bool on) { form.Zoom().SetFullScreen(on); });
}

} // namespace

void ChooseZoom(TForm1& form, int percent) {
    form.Zoom().Choose(percent);
    SaveZoom(*language::UserSettings(), percent);
}

void CheckCurrentZoom(QMenuBar* bar, int chosenPercent, bool fullScreen) {
    const QMenu* view = ViewMenu(bar);
    if (view == nullptr)
        return;
    if (const auto* zoom = view->findChild<QMenu*>(QString::fromUtf8(kZoomMenuName))) {
        for (QAction* item : zoom->actions())
            item->setChecked(item->data().toInt() == chosenPercent);
    }
    if (auto* item = view->findChild<QAction*>(QString::fromUtf8(kFullScreenItemName)))
        item->setChecked(fullScreen);
}

QMenu* ViewMenu(const QMenuBar* bar) {
    return bar->findChild<QMenu*>(QString::fromUtf8(kViewMenuName), Qt::FindDirectChildrenOnly);
}

QMenu* HelpMenu(const QMenuBar* bar) {
    return bar->findChild<QMenu*>(QString::fromUtf8(kHelpMenuName), Qt::FindDirectChildrenOnly);
}

void CheckCurrentLanguage(QMenuBar* bar) {
    const auto* menu = bar->findChild<QMenu*>(QString::fromUtf8(kLanguageMenuName));
    if (menu == nullptr)
        return;
    const QString current = QString::fromUtf8(language::LanguageCode(language::CurrentLanguage()));
    for (QAction* item : menu->actions())
        item->setChecked(item->data().toString() == current);
}

void ChooseLanguage(language::Language language) {
    if (!language::SetLanguage(language))
        return;
    language::SaveLanguage(*language::UserSettings(), language);
}

QMenuBar* InstallMainMenu(TForm1& form, LabTools& tools) {
    auto* client = new QWidget(&form);
    client->setObjectName(QString::fromUtf8(kClientAreaName));
    // Reparenting keeps each control's position, now relative to the client area. The
    // windows the main window owns stay windows.
    for (QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != client && !control->isWindow())
            control->setParent(client);
    }

    auto* bar = new QMenuBar(&form);
    QMenu* file = AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "&Datoteka"));
    AddAction(file, QT_TRANSLATE_NOOP("app::MainMenu", "Sačuvaj tragove kao CSV..."),
              QKeySequence(QStringLiteral("Ctrl+S")), [&tools] { tools.SaveTracesCsv(); });
    AddAction(file, QT_TRANSLATE_NOOP("app::MainMenu", "Sačuvaj oscilograf kao PNG..."), {},
              [&tools] { tools.SaveChartPng(); });
    AddAction(file, QT_TRANSLATE_NOOP("app::MainMenu", "Sačuvaj sliku glodala kao PNG..."), {},
              [&tools] { tools.SaveViewPng(); });
    file->addSeparator();
    AddAction(file, QT_TRANSLATE_NOOP("app::MainMenu", "Izlaz"),
              QKeySequence(QStringLiteral("Ctrl+Q")), [&form] { form.Button2Click(); });
    QMenu* analysis = AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "&Analiza"));
    AddAction(analysis, QT_TRANSLATE_NOOP("app::MainMenu", "Merenja"),
              QKeySequence(QStringLiteral("Ctrl+M")), [&tools] { tools.ShowMeasurements(); });
    AddAction(analysis, QT_TRANSLATE_NOOP("app::MainMenu", "Dnevnik"),
              QKeySequence(QStringLiteral("Ctrl+L")), [&tools] { tools.ShowRunLog(); });
    AddAction(analysis, QT_TRANSLATE_NOOP("app::MainMenu", "Eksperiment..."),
              QKeySequence(QStringLiteral("Ctrl+E")), [&form] { ShowExperiment(form); });
    AddViewMenu(bar, form);
    QMenu* help = AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "&Pomoć"));
    help->setObjectName(QString::fromUtf8(kHelpMenuName));
    AddAction(help, QT_TRANSLATE_NOOP("app::MainMenu", "Uputstvo"), QKeySequence(Qt::Key_F1),
              [&form] { form.Button5Click(); });
    AddAction(help, QT_TRANSLATE_NOOP("app::MainMenu", "O programu"), {},
              [&tools] { tools.ShowAbout(); });
    AddLanguageMenu(bar);

    const int barHeight = bar->sizeHint().height();
    bar->setGeometry(0, 0, TForm1::kClientWidth, barHeight);
    client->setGeometry(0, barHeight, TForm1::kClientWidth, TForm1::kClientHeight);
    form.resize(TForm1::kClientWidth, TForm1::kClientHeight + barHeight);
    return bar;
}

QWidget* ClientArea(const TForm1& form) {
    return form.findChild<QWidget*>(QString::fromUtf8(kClientAreaName), Qt::FindDirectChildrenOnly);
}

} // namespace app
