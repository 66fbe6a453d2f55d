#include "app/user_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

void DesktopMessages::Beep() {
    QApplication::beep();
}

void DesktopMessages::ShowWarning(const QString& text) {
    QMessageBox::warning(owner_, QStringLiteral("Warning"), text, QMessageBox::Ok);
}

void DesktopMessages::ShowError(const QString& title, const QString& text) {
    QMessageBox::critical(owner_, title, text, QMessageBox::Ok);
}

QString ApplicationErrorTitle() {
    return QStringLiteral("glodanje");
}

} // namespace app
