// Scenario files in the window: "Otvori scenario…" and "Sačuvaj scenario…" with the last five
// files under "Nedavni" in the "Datoteka" menu, and the exercise's text, which the "Pomoć" menu
// shows again. Opening writes each value into its field as typing would, so the fields' own
// handlers apply it; a bad file changes nothing.
#pragma once

#include "scenario/scenario_file.h"
#include "sim/input_fields.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QMenuBar;
class QSettings;

namespace widgets {
class TSpinEdit;
}

namespace app {

class TForm1;
class UserMessages;

inline constexpr int kRecentScenarios = 5; // files "Nedavni" offers, newest first

class ScenarioTools {
public:
    ScenarioTools(TForm1& form, UserMessages& messages);

    // Adds the items to the bar's "Datoteka" menu (above its first item) and "Pomoć" menu.
    void InstallMenu(QMenuBar* bar);

    // Checks the whole file against the window's state, then writes the fields in the inputs
    // table's order, chooses the materials and the direction, sets the force model and K_r,
    // shows the title in the window title and the text in a message. A bad file: one error box,
    // nothing changed. Returns whether the scenario was applied.
    bool Open(const QString& path);
    // Menu actions: ask for a file name first (a cancelled dialog does nothing).
    void OpenChosen();
    void SaveChosen();
    // Shows the exercise's title and text; nothing when the scenario has no text.
    void ShowExerciseText();

    // What the window holds, as a scenario with the title and text of the scenario last
    // opened; nullopt and a message when a field holds no valid value, or when a fresh window
    // could not open the result.
    std::optional<scenario::Scenario> FromWindow(QString* problem) const;

    // Files opened or saved, newest first, at most kRecentScenarios.
    QStringList RecentFiles() const;

    // Hooks that tests replace: the file dialogs (caption, suggested name, filter; "" cancels),
    // the message with the exercise's text, and the store of the recent files (the user's
    // settings when empty, otherwise this INI file).
    std::function<QString(const QString&, const QString&, const QString&)> ChooseOpenFile;
    std::function<QString(const QString&, const QString&, const QString&)> ChooseSaveFile;
    std::function<void(const QString& title, const QString& text)> ShowText;
    QString RecentStore;

    QAction* OpenAction = nullptr;
    QAction* SaveAction = nullptr;
    QMenu* RecentMenu = nullptr;
    QAction* TextAction = nullptr;

private:
    void Apply(const scenario::Scenario& s);
    void Remember(const QString& path);
    void FillRecentMenu();
    void ShowTitle();
    std::unique_ptr<QSettings> Settings() const;

    TForm1& form_;
    UserMessages& messages_;
    QString title_; // of the scenario last opened
    QString text_;
    QString lastPath_;
};

// The field of the window that holds this input.
widgets::TSpinEdit* FieldEdit(const TForm1& form, sim::InputField field);

// A scenario error for the error box, in the current language: the file, the line, the key and
// what is wrong.
QString ScenarioErrorText(const scenario::ScenarioError& error);

// The scenario file named on the command line (the first argument that is not an option nor an
// option's value), or "".
QString ScenarioArgument(const QStringList& arguments);

} // namespace app
