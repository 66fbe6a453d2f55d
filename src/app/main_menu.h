// The main window's menu bar: "Datoteka" (save the traces, the oscillograph and the cutter
// view; exit), "Analiza" (measurements, run log, experiment, forces), "Prikaz" (zoom, full
// screen, the force arrows of the cutter view), "Model" (the force model) and "Pomoć"
// (instructions, about). The bar sits
// above the designed client area, which keeps every control at its designed coordinates; the
// window grows by the bar's height.
#pragma once

#include "sim/sim_state.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace language {
enum class Language;
} // namespace language

namespace app {

class LabTools;
class TForm1;

// Builds the bar, moves the designed controls into a client area below it and resizes the
// window. Returns the bar (owned by form).
QMenuBar* InstallMainMenu(TForm1& form, LabTools& tools);

// The object names of the bar's menus, by which the tools that add items find them.
inline constexpr const char* kFileMenuName = "fileMenu";
inline constexpr const char* kAnalysisMenuName = "analysisMenu";
inline constexpr const char* kViewMenuName = "viewMenu";
inline constexpr const char* kModelMenuName = "modelMenu";
inline constexpr const char* kHelpMenuName = "helpMenu";
// The menu of the bar with that object name (null when there is none).
QMenu* FindMenu(const QMenuBar* bar, const char* name);

// Checks the force model's item in "Model" > "Model sile" and the force arrows' item in
// "Prikaz" as the window has them. The menus do it themselves before they show; the window calls
// it after the model or the arrows change.
void CheckForceChoices(QMenuBar* bar, sim::ForceModel model, bool arrows);

// Sets the text of a menu item (or of a menu's title action) from its Serbian source text, marked
// with QT_TRANSLATE_NOOP("app::MainMenu", ...), in the current language, and keeps the source
// so that RetranslateMenuBar can set it again after a language change.
void SetMenuText(QAction* item, const char* source);
// Re-sets the text of every item that SetMenuText named, in the current language, and checks
// the current language in "Jezik / Language".
void RetranslateMenuBar(QMenuBar* bar);
void CheckCurrentLanguage(QMenuBar* bar);

// What the language menu's items do: shows the language at once and remembers it in the
// user's settings (nothing happens when its translation cannot be loaded).
void ChooseLanguage(language::Language language);

// The client area that holds the designed controls.
QWidget* ClientArea(const TForm1& form);

// What the zoom items do: shows the window at percent and remembers it in the user's settings.
void ChooseZoom(TForm1& form, int percent);
// Checks the chosen zoom in "Prikaz" > "Uvećanje", and "Ceo ekran" while full screen is on.
void CheckCurrentZoom(QMenuBar* bar, int chosenPercent, bool fullScreen);

// The menu "Prikaz", wherever it stands in the bar.
QMenu* ViewMenu(const QMenuBar* bar);

} // namespace app
