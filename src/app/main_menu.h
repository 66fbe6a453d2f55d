// The main window's menu bar: "Datoteka" (save the traces, the oscillograph and the cutter
// view; exit), "Analiza" (measurements, run log) and "Pomoć" (instructions, about). The bar sits
// above the designed client area, which keeps every control at its designed coordinates; the
// window grows by the bar's height.
#pragma once

class QMenuBar;
class QWidget;

namespace app {

class LabTools;
class TForm1;

// Builds the bar, moves the designed controls into a client area below it and resizes the
// window. Returns the bar (owned by form).
QMenuBar* InstallMainMenu(TForm1& form, LabTools& tools);

// The client area that holds the designed controls.
QWidget* ClientArea(const TForm1& form);

} // namespace app
