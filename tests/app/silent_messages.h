// Messages of the window recorded instead of shown: "beep", "warning: <text>",
// "error <title>: <text>"; every box is answered at once.
#pragma once

#include "app/user_messages.h"

#include <QString>
#include <string>
#include <vector>

namespace app {

class SilentMessages : public UserMessages {
public:
    explicit SilentMessages(std::vector<std::string>* log) : log_(log) {}
    void Beep() override { log_->push_back("beep"); }
    void ShowWarning(const QString& text) override {
        log_->push_back("warning: " + text.toStdString());
    }
    void ShowError(const QString& title, const QString& text) override {
        log_->push_back("error " + title.toStdString() + ": " + text.toStdString());
    }

private:
    std::vector<std::string>* log_;
};

} // namespace app
