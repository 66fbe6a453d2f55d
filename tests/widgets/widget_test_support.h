// Shared by the widget tests: a shown, active window to hold the controls, and the beep and
// error hooks turned into counters.
#pragma once

#include "widgets/widget_hooks.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace widgets::test {

// The message of a reported error, "?" for one that is no std::exception.
inline std::string MessageOf(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "?";
    }
}

class WidgetTest : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->setGeometry(100, 100, 300, 200);
        other = new QLineEdit(window.get());
        other->setGeometry(150, 10, 100, 22);
        SetBeepHook([this] { ++beeps; });
        SetErrorReporter([this](std::exception_ptr error) { errors.push_back(MessageOf(error)); });
    }

    void TearDown() override {
        SetBeepHook({});
        SetErrorReporter({});
        window.reset();
    }

    // Shows the window and makes it the active one, so that focus changes happen as on screen.
    void ShowActive() {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* other = nullptr; // somewhere else to move the focus to; owned by window
    int beeps = 0;
    std::vector<std::string> errors;
};

} // namespace widgets::test
