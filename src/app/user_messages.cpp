#include "app/user_messages.h"

#include "widgets/widget_hooks.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <utility>

namespace app {

void DesktopMessages::Beep() {
    QApplication::beep();
}

void DesktopMessages::ShowWarning(const QString& text) {
    QMessageBox::warning(owner_, QCoreApplication::translate("app::DesktopMessages", "Warning"),
                         text, QMessageBox::Ok);
}

void DesktopMessages::ShowError(const QString& title, const QString& text) {
    QMessageBox::critical(owner_, title, text, QMessageBox::Ok);
}

void DesktopMessages::ShowScreenError(const QString& title, const QString& text) {
    // A box without a parent window is centred on the screen; application-modal, it still
    // blocks the windows as the parented box does.
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

QString ApplicationErrorTitle() {
    return QStringLiteral("glodanje");
}

void ShowApplicationError(UserMessages& messages, std::exception_ptr error) {
    messages.ShowError(ApplicationErrorTitle(),
                       QString::fromUtf8(widgets::ErrorMessage(std::move(error))));
}

} // namespace app
