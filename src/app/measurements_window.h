// The measurements window ("Merenja"): the cutting conditions derived from the inputs, the
// simulated figures of the run, and the textbook check next to them, each value with its unit
// and, where it is a formula, the formula beside it; then the per-tooth model's forces on the
// workpiece beside the textbook integral's. It follows the run and the inputs without
// slowing the run: while shown, it reads the figures on a timer of its own, ten times a second,
// never from inside a tick.
#pragma once

#include "sim/measurements.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QGridLayout;
class QLabel;
class QPushButton;
class QTimer;

namespace app {

class TranslatedTexts;

class TMeasurementsWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 100;

    using Source = std::function<sim::Measurements()>;
    // A window of its own, owned by owner (it closes with it); source gives the figures.
    TMeasurementsWindow(Source source, QWidget* owner);
    ~TMeasurementsWindow() override;

    // Reads the figures now.
    void Refresh();
    // The text of the value labelled key (as in the row tables), for the tests.
    QString ValueText(const std::string& key) const;

    QPushButton* AddToLogButton = nullptr; // "Dodaj u dnevnik"
    QPushButton* ShowLogButton = nullptr;  // "Dnevnik"

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A line of a comparison table: name, formula, the simulated and textbook values, unit and
    // difference, the values under key + ".sim", ".book" and ".diff".
    void AddComparedRow(QGridLayout* grid, int row, const std::string& key, const char* name,
                        const char* formula, const char* unit);
    void ShowToothForces(const sim::ToothForceResults& forces);

    Source source_;
    QTimer* refresh_ = nullptr;
    std::map<std::string, QLabel*> values_;
    std::unique_ptr<TranslatedTexts> texts_; // every caption, for a language change
};

// A real with the given decimals and the system's decimal separator; "–" for none.
QString MeasurementText(std::optional<double> value, int decimals);

// A normal force with what it does to the workpiece: "-298,0 (podiže)" lifts it off the table,
// "812,4 (pritiska)" presses it on; "–" for none.
QString NormalForceText(std::optional<double> force, int decimals);

} // namespace app
