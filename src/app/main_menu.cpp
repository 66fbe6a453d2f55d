#include "app/main_menu.h"

#include "app/experiment_window.h"
#include "app/form1.h"
#include "app/lab_tools.h"
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

} // namespace

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
    QMenu* help = AddMenu(bar, QT_TRANSLATE_NOOP("app::MainMenu", "&Pomoć"));
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
