// Process-wide hooks through which the input controls reach the application: the error display
// and the system beep. Both are replaceable so that the application can show its own error box
// and tests can count beeps.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace widgets {

// The text that reports error: what() of a standard exception, "Unknown error" for anything
// else, empty for no error. The error box and the log show this text and nothing else.
std::string ErrorMessage(std::exception_ptr error);

// Shows an error that escaped a control's change handler while the control was handling a user
// action (key, mouse, focus change, repeat timer), where no caller is left to pass it to.
using ErrorReporter = std::function<void(std::exception_ptr)>;

// Installs the application's error display; an empty function restores the default, which logs
// the error's message with qWarning.
void SetErrorReporter(ErrorReporter reporter);

// Hands the error to the installed error display.
void ReportError(std::exception_ptr error);

// Runs action and reports anything it throws instead of letting it into the event loop.
// Returns false when action threw.
bool RunReportingErrors(const std::function<void()>& action);

// The platform's default beep; an empty function restores QApplication::beep.
using BeepHook = std::function<void()>;
void SetBeepHook(BeepHook hook);
void Beep();

} // namespace widgets
