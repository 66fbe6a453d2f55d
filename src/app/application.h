// The application object: the event loop of the program, which catches an error that escapes
// any handler and shows its message in the error box, so that the program goes on.
#pragma once

#include <QApplication>

namespace app {

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Program entry: the application object, TForm1 (the main window) first, TForm2 hidden, then
// the event loop until the main window closes. Returns the exit code.
int RunProject1(int argc, char** argv);

} // namespace app
