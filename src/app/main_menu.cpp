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
constexpr const char* kZoomMenuName = "zoomMenu";
constexpr const char* kFullScreenItemName = "fullScreenItem";
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

QMenu* AddMenu(QMenuBar* bar, const char* text, const char* name) {
    QMenu* menu = bar->addMenu(QString());
    SetMenuText(menu->menuAction(), text);
    menu->setObjectName(QString::fromUtf8(name));
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
    QMenu* menu =
        AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "&Jezik / Language"), kLanguageMenuName);
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

constexpr const char* kForceModelMenuName = "forceModelMenu";
constexpr const char* kForceArrowsItemName = "forceArrowsItem";

// The menu's checks follow the window's state whenever it opens, whatever changed the state
// (a scenario may set the model).
void CheckBeforeShowing(QMenu* menu, QMenuBar* bar, const TForm1& form) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&form, bar] {
        CheckForceChoices(bar, form.State().ForceModel, form.ForceArrows());
    });
}

// "Prikaz" > "Uvećanje": one checked item per zoom. The zoom chosen is remembered for the next
// start.
void AddZoomMenu(QMenu* view, TForm1& form) {
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
}

// "Prikaz": the zoom, "Ceo ekran" (F11) and the force arrows over the cutter view (off at
// start).
void AddViewMenu(QMenuBar* bar, TForm1& form) {
    QMenu* view = AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "P&rikaz"), kViewMenuName);
    AddZoomMenu(view, form);
    QAction* fullScreen = view->addAction(QString());
    SetMenuText(fullScreen, QT_TRANSLATE_NOOP("app::MainMenu", "Ceo ekran"));
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    fullScreen->setObjectName(QString::fromUtf8(kFullScreenItemName));
    fullScreen->setCheckable(true);
    QObject::connect(fullScreen, &QAction::triggered, view,
                     [&form](bool on) { form.Zoom().SetFullScreen(on); });
    QAction* arrows = view->addAction(QString());
    SetMenuText(arrows, QT_TRANSLATE_NOOP("app::MainMenu", "Vektori sila"));
    arrows->setObjectName(QString::fromUtf8(kForceArrowsItemName));
    arrows->setCheckable(true);
    QObject::connect(arrows, &QAction::triggered, view,
                     [&form](bool checked) { form.SetForceArrows(checked); });
    CheckBeforeShowing(view, bar, form);
}

// "Model" > "Model sile": which force the oscillograph's main trace shows, one of two.
void AddModelMenu(QMenuBar* bar, TForm1& form) {
    QMenu* model = AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "&Model"), kModelMenuName);
    QMenu* force = model->addMenu(QString());
    SetMenuText(force->menuAction(), QT_TRANSLATE_NOOP("app::MainMenu", "Model sile"));
    force->setObjectName(QString::fromUtf8(kForceModelMenuName));
    auto* group = new QActionGroup(force);
    const auto add = [&](const char* text, sim::ForceModel choice) {
        QAction* item = AddAction(force, text, {}, [&form, choice] { form.SetForceModel(choice); });
        item->setCheckable(true);
        item->setData(static_cast<int>(choice));
        group->addAction(item);
    };
    add(QT_TRANSLATE_NOOP("app::MainMenu", "zbirna strugotina"), sim::ForceModel::ChipSum);
    add(QT_TRANSLATE_NOOP("app::MainMenu", "po zubu"), sim::ForceModel::PerTooth);
    CheckBeforeShowing(model, bar, form);
    CheckBeforeShowing(force, bar, form);
    CheckForceChoices(bar, form.State().ForceModel, form.ForceArrows());
}

} // namespace

QMenu* FindMenu(const QMenuBar* bar, const char* name) {
    return bar->findChild<QMenu*>(QString::fromUtf8(name));
}

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
    return FindMenu(bar, kViewMenuName);
}

void CheckForceChoices(QMenuBar* bar, sim::ForceModel model, bool arrows) {
    if (bar == nullptr)
        return;
    if (const QMenu* force = FindMenu(bar, kForceModelMenuName)) {
        for (QAction* item : force->actions())
            item->setChecked(item->data().toInt() == static_cast<int>(model));
    }
    if (auto* item = bar->findChild<QAction*>(QString::fromUtf8(kForceArrowsItemName)))
        item->setChecked(arrows);
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
    QMenu* file = AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "&Datoteka"), kFileMenuName);
    AddAction(file, QT_TRANSLATE_NOOP("app::MainMenu", "Sačuvaj tragove kao CSV..."),
              QKeySequence(QStringLiteral("Ctrl+S")), [&tools] { tools.SaveTracesCsv(); });
    AddAction(file, QT_TRANSLATE_NOOP("app::MainMenu", "Sačuvaj oscilograf kao PNG..."), {},
              [&tools] { tools.SaveChartPng(); });
    AddAction(file, QT_TRANSLATE_NOOP("app::MainMenu", "Sačuvaj sliku glodala kao PNG..."), {},
              [&tools] { tools.SaveViewPng(); });
    file->addSeparator();
    AddAction(file, QT_TRANSLATE_NOOP("app::MainMenu", "Izlaz"),
              QKeySequence(QStringLiteral("Ctrl+Q")), [&form] { form.Button2Click(); });
    QMenu* analysis =
        AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "&Analiza"), kAnalysisMenuName);
    AddAction(analysis, QT_TRANSLATE_NOOP("app::MainMenu", "Merenja"),
              QKeySequence(QStringLiteral("Ctrl+M")), [&tools] { tools.ShowMeasurements(); });
    AddAction(analysis, QT_TRANSLATE_NOOP("app::MainMenu", "Dnevnik"),
              QKeySequence(QStringLiteral("Ctrl+L")), [&tools] { tools.ShowRunLog(); });
    AddAction(analysis, QT_TRANSLATE_NOOP("app::MainMenu", "Eksperiment..."),
              QKeySequence(QStringLiteral("Ctrl+E")), [&form] { ShowExperiment(form); });
    AddAction(analysis, QT_TRANSLATE_NOOP("app::MainMenu", "Sile"), {},
              [&tools] { tools.ShowForces(); });
    AddViewMenu(bar, form);
    AddModelMenu(bar, form);
    QMenu* help = AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "&Pomoć"), kHelpMenuName);
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
