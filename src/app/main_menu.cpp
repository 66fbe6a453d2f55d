#include "app/main_menu.h"

#include "app/experiment_window.h"
#include "app/form1.h"
#include "app/lab_tools.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace app {
namespace {

constexpr const char* kClientAreaName = "clientArea";

QAction* AddAction(QMenu* menu, const char* text, const QKeySequence& shortcut,
                   std::function<void()> action) {
    QAction* item = menu->addAction(QString::fromUtf8(text));
    item->setShortcut(shortcut);
    QObject::connect(item, &QAction::triggered, menu, std::move(action));
    return item;
}

} // namespace

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
    QMenu* file = bar->addMenu(QStringLiteral("&Datoteka"));
    AddAction(file, "Sačuvaj tragove kao CSV...", QKeySequence(QStringLiteral("Ctrl+S")),
              [&tools] { tools.SaveTracesCsv(); });
    AddAction(file, "Sačuvaj oscilograf kao PNG...", {}, [&tools] { tools.SaveChartPng(); });
    AddAction(file, "Sačuvaj sliku glodala kao PNG...", {}, [&tools] { tools.SaveViewPng(); });
    file->addSeparator();
    AddAction(file, "Izlaz", QKeySequence(QStringLiteral("Ctrl+Q")),
              [&form] { form.Button2Click(); });
    QMenu* analysis = bar->addMenu(QStringLiteral("&Analiza"));
    AddAction(analysis, "Merenja", QKeySequence(QStringLiteral("Ctrl+M")),
              [&tools] { tools.ShowMeasurements(); });
    AddAction(analysis, "Dnevnik", QKeySequence(QStringLiteral("Ctrl+L")),
              [&tools] { tools.ShowRunLog(); });
    AddAction(analysis, "Eksperiment...", QKeySequence(QStringLiteral("Ctrl+E")),
              [&form] { ShowExperiment(form); });
    QMenu* help = bar->addMenu(QString::fromUtf8("&Pomoć"));
    AddAction(help, "Uputstvo", QKeySequence(Qt::Key_F1), [&form] { form.Button5Click(); });
    AddAction(help, "O programu", {}, [&tools] { tools.ShowAbout(); });

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
