// glodanje-batch: one milling simulation without a window; see --help.

#include "batch/batch_pictures.h"
#include "batch/batch_run.h"
#include "batch/sweep_plot.h"

#include <QApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The oscillograph is a widget and its texts need fonts: both need the application object,
    // which runs on the offscreen platform unless another one is asked for.
    std::unique_ptr<QApplication> application;
    const auto needApplication = [&] {
        if (!application) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            application = std::make_unique<QApplication>(argc, argv);
        }
    };
    const auto pictures = [&](const batch::BatchOptions& options) {
        if (!options.chartPngPath.empty())
            needApplication();
        return batch::MakePngPictures(options);
    };
    const auto sweepPlot = [&](const std::string& path, const batch::SweepPlan& plan,
                               const std::vector<batch::SweepRow>& rows, bool logAxes) {
        needApplication();
        return batch::SaveSweepPng(path, plan, rows, logAxes);
    };
    return batch::RunBatchCommand(args, std::cout, std::cerr, pictures, sweepPlot);
}
