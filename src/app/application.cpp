#include "app/application.h"

#include "app/form1.h"
#include "app/help/form2.h"
#include "app/scenario_tools.h"
#include "app/user_messages.h"
#include "app/window_zoom.h"
#include "language/language.h"

#include <QSettings>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

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
    std::vector<std::string> args(argv + 1, argv + argc);
    const language::LanguageOption option = language::TakeLanguageOption(args);
    if (!option.error.empty()) {
        std::cerr << "glodanje: " << option.error << '\n';
        return 2;
    }
    TApplication application(argc, argv);
    // The option holds for this run only; the menu's choice is the one remembered.
    language::SetLanguage(
        option.language.value_or(language::SavedLanguage(*language::UserSettings())));
    TForm1 form1;
    TForm2 form2;
    form1.SetInstructions(&form2);
    // Closing the main window ends the program, whether or not the instructions are shown.
    application.setQuitOnLastWindowClosed(false);
    QObject::connect(&form1, &TForm1::Closed, &application, &QApplication::quit);
    ApplySavedZoom(form1);
    form1.show();
    // "glodanje FILE" opens a scenario once the window is up; a bad file is shown and the window
    // keeps its start state.
    if (const QString scenario = ScenarioArgument(application.arguments()); !scenario.isEmpty())
        form1.Scenarios().Open(scenario);
    return application.exec();
}

} // namespace app
