#include "app/run_log_window.h"

#include "app/form1.h"

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
    "D, mm",
    "z",
    "Grudni ugao, rad",
    "Ledni ugao, rad",
    "Ugao nagiba, rad",
    "v, m/min",
    "v_f, mm/min",
    "a, mm",
    "B, mm",
    "Obradak",
    "Alat",
    "Smer",
    "Kraj hoda",
    "Taktova",
    "h_max, mm",
    "F_max, N",
    "F_sr, N",
    "F_sr obrta, N",
    "P, kW",
    "M, N·m",
    "Udž. h_max, mm",
    "Udž. F(h_max), N",
    "Udž. z_e·F(h_m), N",
    "Udž. P, kW",
    "Udž. M, N·m",
    "Razlika F_sr, %",
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
    setWindowTitle(QStringLiteral("Dnevnik"));
    assert(std::size(kTitles) == RunLog::Columns().size());
    Table = new QTableWidget(0, static_cast<int>(std::size(kTitles)));
    QStringList titles;
    for (const char* title : kTitles)
        titles << QString::fromUtf8(title);
    Table->setHorizontalHeaderLabels(titles);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);

    AddButton = new QPushButton(QString::fromUtf8("Dodaj tekuće stanje"));
    RemoveButton = new QPushButton(QStringLiteral("Ukloni red"));
    ClearButton = new QPushButton(QString::fromUtf8("Obriši sve"));
    SaveButton = new QPushButton(QString::fromUtf8("Sačuvaj CSV..."));
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
