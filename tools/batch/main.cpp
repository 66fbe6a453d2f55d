// glodanje-batch: one milling simulation without a window; see --help.

#include "batch/batch_pictures.h"
#include "batch/batch_run.h"

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
    const auto pictures = [&](const batch::BatchOptions& options) {
        if (!options.chartPngPath.empty() && !application) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            application = std::make_unique<QApplication>(argc, argv);
        }
        return batch::MakePngPictures(options);
    };
    return batch::RunBatchCommand(args, std::cout, std::cerr, pictures);
}
