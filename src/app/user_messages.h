// The beep and the modal message boxes through which the window talks to the user. The window
// only uses this interface, so that tests can answer the boxes without a person.
#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace app {

class UserMessages {
public:
    virtual ~UserMessages() = default;
    // The platform's default beep.
    virtual void Beep() = 0;
    // Modal warning box with one OK button; returns when it is closed.
    virtual void ShowWarning(const QString& text) = 0;
    // Modal error box with one OK button, titled title; returns when it is closed.
    virtual void ShowError(const QString& title, const QString& text) = 0;
    // As ShowError, the box centred on the screen instead of on the window.
    virtual void ShowScreenError(const QString& title, const QString& text) {
        ShowError(title, text);
    }
};

// Real boxes (QMessageBox) and the real beep (QApplication::beep). A modal box keeps the event
// loop running, so the ticks of a running simulation go on while it is open.
class DesktopMessages : public UserMessages {
public:
    explicit DesktopMessages(QWidget* owner = nullptr) : owner_(owner) {}
    void Beep() override;
    void ShowWarning(const QString& text) override;
    void ShowError(const QString& title, const QString& text) override;
    void ShowScreenError(const QString& title, const QString& text) override;

private:
    QWidget* owner_;
};

// Title of the error box in which the application shows an error that ended a handler.
QString ApplicationErrorTitle();

// The one path from an error that ended a handler to the user: the error box titled
// ApplicationErrorTitle() with the error's message (widgets::ErrorMessage). Used by the main
// window's handlers and by the application's event loop for anything that gets past them.
void ShowApplicationError(UserMessages& messages, std::exception_ptr error);

} // namespace app
