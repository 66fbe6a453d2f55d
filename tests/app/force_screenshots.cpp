// Writes the README's pictures of the forces as vectors: the forces window in up and down
// milling in the middle of the cut, with the per-tooth model, and the cutter view with the
// force arrows. Not a test; rerun it after a change to these pictures:
//   build/release/force_screenshots docs
#include "app/forces_window.h"
#include "app/form1.h"
#include "app/lab_tools.h"
#include "support/silent_messages.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

namespace {

// Ticks from "Proces" to the pictures: the cutter has been in the cut for some revolutions.
constexpr int kTicks = 900;

bool WriteWindowPictures(const QDir& folder, sim::MillingDirection direction,
                         const char* forcesName, const char* viewName) {
    app::TForm1 form(std::make_unique<app::SilentMessages>());
    if (direction == sim::MillingDirection::Down)
        form.RadioButton2->click();
    form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(QStringLiteral("28Cr4")));
    form.ComboBox2->setCurrentIndex(form.ComboBox2->findText(QStringLiteral("P30")));
    form.SetForceModel(sim::ForceModel::PerTooth);
    form.SetForceArrows(true);
    form.Button1Click();
    form.Timer1->stop(); // the ticks are given here
    for (int i = 0; i < kTicks; ++i)
        form.Timer1Timer();
    form.show();
    form.Tools().ShowForces();
    app::TForcesWindow* window = form.Tools().ForcesWindow();
    window->Refresh();
    QApplication::processEvents();
    bool written = window->grab().save(folder.filePath(QString::fromUtf8(forcesName)), "PNG");
    if (viewName != nullptr)
        written = form.CutterPicture().save(folder.filePath(QString::fromUtf8(viewName)), "PNG") &&
                  written;
    return written;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: force_screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool up = WriteWindowPictures(folder, sim::MillingDirection::Up, "forces_up.png",
                                        "cutter_force_arrows.png");
    const bool down =
        WriteWindowPictures(folder, sim::MillingDirection::Down, "forces_down.png", nullptr);
    if (!up || !down) {
        std::fprintf(stderr, "force_screenshots: cannot write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
