#include "widgets/widget_hooks.h"

#include <QApplication>
#include <QtGlobal>
#include <stdexcept>
#include <utility>

namespace widgets {

namespace {

void LogError(std::exception_ptr error) {
    qWarning("%s", ErrorMessage(error).c_str());
}

ErrorReporter& CurrentReporter() {
    static ErrorReporter reporter = LogError;
    return reporter;
}

BeepHook& CurrentBeep() {
    static BeepHook hook = [] { QApplication::beep(); };
    return hook;
}

} // namespace

std::string ErrorMessage(std::exception_ptr error) {
    if (!error) {
        return {};
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

void SetErrorReporter(ErrorReporter reporter) {
    CurrentReporter() = reporter ? std::move(reporter) : ErrorReporter(LogError);
}

void ReportError(std::exception_ptr error) {
    if (error) {
        CurrentReporter()(error);
    }
}

bool RunReportingErrors(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (...) {
        ReportError(std::current_exception());
        return false;
    }
}

void SetBeepHook(BeepHook hook) {
    CurrentBeep() = hook ? std::move(hook) : BeepHook([] { QApplication::beep(); });
}

void Beep() {
    CurrentBeep()();
}

} // namespace widgets
