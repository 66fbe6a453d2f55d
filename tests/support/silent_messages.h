// Messages of the window recorded instead of shown, for the tests and the soak: "beep",
// "warning: <text>", "error <title>: <text>", "screen error <title>: <text>" (a box centred on
// the screen). Every box is answered at once with OK.
#pragma once

#include "app/user_messages.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace app {

class SilentMessages : public UserMessages {
public:
    // log: where the messages go (null: nowhere). whileOpen (may be null or empty): what happens
    // while a box is open, as a modal box runs the event loop.
    explicit SilentMessages(std::vector<std::string>* log = nullptr,
                            std::function<void()>* whileOpen = nullptr)
        : log_(log), whileOpen_(whileOpen) {}
    void Beep() override { Record("beep"); }
    void ShowWarning(const QString& text) override {
        Record("warning: " + text.toStdString());
        WhileOpen();
    }
    void ShowError(const QString& title, const QString& text) override {
        Record("error " + title.toStdString() + ": " + text.toStdString());
        WhileOpen();
    }
    void ShowScreenError(const QString& title, const QString& text) override {
        Record("screen error " + title.toStdString() + ": " + text.toStdString());
        WhileOpen();
    }

private:
    void Record(std::string line) {
        if (log_ != nullptr)
            log_->push_back(std::move(line));
    }
    void WhileOpen() {
        if (whileOpen_ != nullptr && *whileOpen_)
            (*whileOpen_)();
    }
    std::vector<std::string>* log_;
    std::function<void()>* whileOpen_;
};

} // namespace app
