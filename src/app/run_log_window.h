// The run log window ("Dnevnik"): the rows of the run log in a table, the inputs that differ
// from the row above marked, and buttons to add the current state, remove a row, clear the log
// and save it as CSV.
#pragma once

#include "app/run_log.h"

#include <QColor>
#include <QWidget>
#include <functional>

class QPushButton;
class QTableWidget;

namespace app {

class TRunLogWindow : public QWidget {
    Q_OBJECT

public:
    // Background of an input cell that differs from the row above.
    static inline const QColor kDiffersColour{255, 224, 140};

    // A window of its own, owned by owner; shows log, which outlives it.
    TRunLogWindow(RunLog& log, QWidget* owner);

    // Fills the table again from the log.
    void Rebuild();
    // Sets the title, the column titles and the buttons in the current language.
    void RetranslateUi();

    // What the buttons ask of the owner: add the current state, save the log.
    std::function<void()> OnAddCurrent;
    std::function<void()> OnSave;

    QTableWidget* Table = nullptr;
    QPushButton* AddButton = nullptr;    // "Dodaj tekuće stanje"
    QPushButton* RemoveButton = nullptr; // "Ukloni red"
    QPushButton* ClearButton = nullptr;  // "Obriši sve"
    QPushButton* SaveButton = nullptr;   // "Sačuvaj CSV..."

protected:
    void changeEvent(QEvent* event) override;

private:
    RunLog& log_;
};

} // namespace app
