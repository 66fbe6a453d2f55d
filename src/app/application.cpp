#include "app/application.h"

#include "app/form1.h"
#include "app/form2.h"
#include "app/scenario_tools.h"
#include "app/user_messages.h"

#include <exception>

namespace app {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("glodanje"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        DesktopMessages messages(activeWindow());
        ShowApplicationError(messages, std::current_exception());
    }
    return false;
}

int RunProject1(int argc, char** argv) {
    TApplication application(argc, argv);
    TForm1 form1;
    TForm2 form2;
    form1.SetInstructions(&form2);
    // Closing the main window ends the program, whether or not the instructions are shown.
    application.setQuitOnLastWindowClosed(false);
    QObject::connect(&form1, &TForm1::Closed, &application, &QApplication::quit);
    form1.show();
    // "glodanje FILE" opens a scenario once the window is up; a bad file is shown and the window
    // keeps its start state.
    if (const QString scenario = ScenarioArgument(application.arguments()); !scenario.isEmpty())
        form1.Scenarios().Open(scenario);
    return application.exec();
}

} // namespace app
