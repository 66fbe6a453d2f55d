#include "app/run_log_window.h"

#include "app/form1.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cassert>
#include <cstdlib>
#include <iterator>

namespace app {
namespace {

// Column titles in the order of RunLog::Columns().
const char* const kTitles[] = {
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "D, mm"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "z"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Grudni ugao, rad"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Ledni ugao, rad"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Ugao nagiba, rad"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "v, m/min"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "v_f, mm/min"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "a, mm"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "B, mm"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Obradak"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Alat"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Smer"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Model sile"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "K_r"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Kraj hoda"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Taktova"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "h_max, mm"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "F_max, N"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "F_sr, N"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "F_sr obrta, N"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "P, kW"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "M, N·m"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Udž. h_max, mm"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Udž. F(h_max), N"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Udž. z_e·F(h_m), N"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Udž. P, kW"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Udž. M, N·m"),
    QT_TRANSLATE_NOOP("app::TRunLogWindow", "Razlika F_sr, %"),
};

// A number of the log shortened to six significant digits with the system's separator; text
// as it is.
QString Shown(const std::string& cell) {
    char* end = nullptr;
    const double value = std::strtod(cell.c_str(), &end);
    if (cell.empty() || end != cell.c_str() + cell.size())
        return QString::fromStdString(cell);
    QString text = QString::number(value, 'g', 6);
    return text.replace(QLatin1Char('.'), QLatin1Char(SystemDecimalSeparator()));
}

} // namespace

TRunLogWindow::TRunLogWindow(RunLog& log, QWidget* owner) : QWidget(owner, Qt::Window), log_(log) {
    assert(std::size(kTitles) == RunLog::Columns().size());
    Table = new QTableWidget(0, static_cast<int>(std::size(kTitles)));
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);

    AddButton = new QPushButton;
    RemoveButton = new QPushButton;
    ClearButton = new QPushButton;
    SaveButton = new QPushButton;
    RetranslateUi();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {AddButton, RemoveButton, ClearButton, SaveButton})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addWidget(Table);
    column->addLayout(buttons);
    resize(900, 300);

    connect(AddButton, &QPushButton::clicked, this, [this] {
        if (OnAddCurrent)
            OnAddCurrent();
    });
    connect(RemoveButton, &QPushButton::clicked, this, [this] {
        log_.Remove(Table->currentRow());
        Rebuild();
    });
    connect(ClearButton, &QPushButton::clicked, this, [this] {
        log_.Clear();
        Rebuild();
    });
    connect(SaveButton, &QPushButton::clicked, this, [this] {
        if (OnSave)
            OnSave();
    });
}

void TRunLogWindow::RetranslateUi() {
    setWindowTitle(tr("Dnevnik"));
    QStringList titles;
    for (const char* title : kTitles)
        titles << tr(title);
    Table->setHorizontalHeaderLabels(titles);
    AddButton->setText(tr("Dodaj tekuće stanje"));
    RemoveButton->setText(tr("Ukloni red"));
    ClearButton->setText(tr("Obriši sve"));
    SaveButton->setText(tr("Sačuvaj CSV..."));
}

void TRunLogWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void TRunLogWindow::Rebuild() {
    Table->setRowCount(log_.Size());
    for (int row = 0; row < log_.Size(); ++row) {
        const std::vector<std::string> cells = log_.Cells(row);
        const std::vector<bool> differs = log_.DiffersFromPrevious(row);
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            auto* item = new QTableWidgetItem(Shown(cells[column]));
            if (column < static_cast<int>(differs.size()) && differs[column]) {
                item->setBackground(kDiffersColour);
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            Table->setItem(row, column, item);
        }
    }
    Table->resizeColumnsToContents();
}

} // namespace app
