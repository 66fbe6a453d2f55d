// glodanje-batch: one milling simulation without a window; see --help.

#include "batch/batch_pictures.h"
#include "batch/batch_run.h"
#include "lab/sweep_plot.h"
#include "language/language.h"
#include "sim/user_text.h"

#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

QtMessageHandler qtMessages = nullptr; // the handler in place before ours

// Standard error carries the runner's own lines. Qt's notes on the desktop's runtime directory
// (XDG_RUNTIME_DIR unset, as under a cron job or a service) concern a folder the runner never
// uses, so they are left out; every other message of Qt passes on.
void LeaveOutRuntimeDirectoryNotes(QtMsgType type, const QMessageLogContext& context,
                                   const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    qtMessages(type, context, message);
}

// The texts of the pictures need fonts, and fonts need the application object, which runs on
// the offscreen platform unless another one is asked for. No window is ever made.
std::unique_ptr<QGuiApplication> MakeApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(LeaveOutRuntimeDirectoryNotes);
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Each line of the error output that is a text of the core, in the current language; the
// runner's own messages are English already and pass unchanged.
void WriteTranslatedLines(const std::string& text, std::ostream& err) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        err << QCoreApplication::translate(sim::kUserTextContext, line.c_str()).toStdString()
            << '\n';
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const language::LanguageOption language = language::TakeLanguageOption(args);
    if (!language.error.empty()) {
        std::cerr << "glodanje-batch: " << language.error << '\n';
        return batch::kExitBadInput;
    }
    std::unique_ptr<QGuiApplication> application;
    const auto needApplication = [&] {
        if (!application)
            application = MakeApplication(argc, argv);
    };
    const auto pictures = [&](const batch::BatchOptions& options) {
        if (!options.chartPngPath.empty() || !options.gifPath.empty())
            needApplication();
        return batch::MakePngPictures(options);
    };
    const auto sweepPlot = [&](const std::string& path, const lab::SweepPlan& plan,
                               const std::vector<lab::SweepRow>& rows, bool logAxes) {
        needApplication();
        return lab::SaveSweepPng(path, plan, rows, logAxes);
    };
    // Serbian, the default, needs no translation and writes straight through.
    if (language.language.value_or(language::Language::Serbian) == language::Language::Serbian)
        return batch::RunBatchCommand(args, std::cout, std::cerr, pictures, sweepPlot);

    needApplication();
    if (!language::SetLanguage(language::Language::English)) {
        std::cerr << "glodanje-batch: the English translation cannot be loaded\n";
        return batch::kExitBadInput;
    }
    std::ostringstream err;
    const int status = batch::RunBatchCommand(args, std::cout, err, pictures, sweepPlot);
    WriteTranslatedLines(err.str(), std::cerr);
    return status;
}
