#include "widgets/widget_hooks.h"

#include <QString>
#include <QtGlobal>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace widgets {
namespace {

std::vector<QString>* capturedMessages = nullptr;

void CaptureMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    capturedMessages->push_back(message);
}

// The text every error display shows: what() of a standard exception, a fixed text for
// anything else, nothing for no error.
TEST(WidgetHooks, ErrorMessageNamesTheError) {
    EXPECT_EQ(ErrorMessage(std::make_exception_ptr(std::out_of_range("'1,5' is not valid"))),
              "'1,5' is not valid");
    EXPECT_EQ(ErrorMessage(std::make_exception_ptr(std::runtime_error(""))), "");
    EXPECT_EQ(ErrorMessage(std::make_exception_ptr(42)), "Unknown error");
    EXPECT_EQ(ErrorMessage(nullptr), "");
}

TEST(WidgetHooks, DefaultReporterLogsTheMessage) {
    std::vector<QString> messages;
    capturedMessages = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(CaptureMessage);
    ReportError(std::make_exception_ptr(std::runtime_error("Floating point division by zero")));
    ReportError(std::make_exception_ptr(42));
    qInstallMessageHandler(previous);
    capturedMessages = nullptr;
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Floating point division by zero");
    EXPECT_EQ(messages[1], "Unknown error");
}

TEST(WidgetHooks, RunReportingErrorsHandsTheErrorToTheReporterOnce) {
    std::vector<std::string> reported;
    SetErrorReporter([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reported.push_back(e.what());
        }
    });
    EXPECT_TRUE(RunReportingErrors([] {}));
    EXPECT_FALSE(
        RunReportingErrors([] { throw std::runtime_error("'x' is not a valid integer value"); }));
    ReportError(nullptr);
    SetErrorReporter({});
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], "'x' is not a valid integer value");
}

TEST(WidgetHooks, BeepGoesToTheInstalledHookUntilItIsReset) {
    int beeps = 0;
    SetBeepHook([&] { ++beeps; });
    Beep();
    Beep();
    SetBeepHook({});
    Beep(); // the platform beep again: not counted
    EXPECT_EQ(beeps, 2);
}

} // namespace
} // namespace widgets
