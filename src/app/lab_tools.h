// What the main window offers around its designed controls: the trace log of the current run,
// the run log, the measurements, run log and forces windows, and saving the traces and the two
// pictures. The window calls it after a tick, a start and a reset; the menu calls its actions.
#pragma once

#include "app/run_log.h"
#include "app/trace_log.h"
#include "sim/measurements.h"
#include "sim/sim_state.h"

#include <QString>
#include <functional>
#include <string>

class QImage;
class QIODevice;

namespace app {

class TForcesWindow;
class TForm1;
class TMeasurementsWindow;
class TRunLogWindow;
class UserMessages;

class LabTools {
public:
    // The windows are created hidden and owned by form; messages shows write failures.
    LabTools(TForm1& form, UserMessages& messages);

    // Hooks of the main window.
    // After each tick; feedEnded: this tick reached the end of the feed.
    void AfterTick(const sim::SimState& s, bool feedEnded);
    // After "Proces" let the run go: a run from the start state starts a new trace log.
    void AfterStart(const sim::SimState& s);
    // After "Polazno stanje": the trace log is forgotten.
    void AfterReset();

    // Menu actions. Each save asks for a file name (a cancelled dialog does nothing).
    void SaveTracesCsv();
    void SaveChartPng();
    void SaveViewPng();
    void ShowMeasurements();
    void ShowRunLog();
    void ShowForces();
    void ShowAbout();
    // Run log actions.
    void AddCurrentToLog();
    void SaveRunLogCsv();

    // The measurements of the current run, as the measurements window shows them.
    sim::Measurements CurrentMeasurements() const;
    // The oscillograph as it stands, drawn off-screen as glodanje-batch draws it.
    QImage ChartPicture() const;

    // Asks for the name of a file to write: caption, suggested name, filter; "" cancels.
    // The platform's save dialog unless a test replaces it.
    std::function<QString(const QString&, const QString&, const QString&)> ChooseSaveFile;

    const TraceLog& Traces() const { return traces_; }
    RunLog& Log() { return log_; }
    TMeasurementsWindow* MeasurementsWindow() const { return measurements_; }
    TRunLogWindow* RunLogWindow() const { return runLog_; }
    TForcesWindow* ForcesWindow() const { return forces_; }

private:
    // Asks for a file name and writes bytes to it whole, or not at all; a failure is shown.
    void SaveBytes(const QString& caption, const std::string& suffix, const QString& filter,
                   const std::function<bool(QIODevice&)>& write);

    TForm1& form_;
    UserMessages& messages_;
    TraceLog traces_;
    RunLog log_;
    bool finishedLogged_ = false; // the run log holds the end of the current run
    TMeasurementsWindow* measurements_ = nullptr;
    TRunLogWindow* runLog_ = nullptr;
    TForcesWindow* forces_ = nullptr;
};

// The about box's text: program name, version, licence and what it is.
QString AboutText();

} // namespace app
