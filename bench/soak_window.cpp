// Soak of the main window: a million ticks of the running window, each with its chart refill,
// cutter view redraw and one paint of the chart, through runs with varied inputs, both
// directions and resets. Prints the resident memory at fixed tick counts, the growth between
// them and the time per tick. Not a test: run it by hand (soak_window [ticks]).

#include "app/form1.h"
#include "app/user_messages.h"
#include "chart/chart.h"
#include "support/resident_memory.h"
#include "support/silent_messages.h"
#include "widgets/spin_edit.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

using app::SilentMessages;
using support::ResidentBytes;

// One run's inputs: typed into the fields before "Proces".
struct RunInputs {
    const char* diameter;
    const char* teeth;
    const char* helix;
    const char* feed;
    const char* depth; // tenths of mm
    bool down;
    const char* workpiece;
    const char* tool;
};

constexpr std::array<RunInputs, 6> kRuns{{
    {"100", "8", "30", "600", "100", false, "28Cr4", "P30"},
    {"180", "20", "45", "600", "500", true, "C4130", "K40"},
    {"50", "4", "0", "600", "250", false, "AlSi8", "C7680"},
    {"120", "12", "50", "400", "50", true, "SL 200", "C9681"},
    {"80", "6", "15", "600", "400", false, "C35", "K50"},
    {"150", "16", "40", "500", "150", true, "NL 600-3", "P30"},
}};

void StartRun(app::TForm1& form, const RunInputs& run) {
    form.Button4Click(); // "Polazno stanje"
    form.SpinEdit1->SetText(run.diameter);
    form.SpinEdit2->SetText(run.teeth);
    form.SpinEdit8->SetText(run.helix);
    form.SpinEdit6->SetText(run.feed);
    form.SpinEdit7->SetText(run.depth);
    if (run.down) {
        form.RadioButton2Click();
    } else {
        form.RadioButton1Click();
    }
    form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(QString::fromUtf8(run.workpiece)));
    form.ComboBox2->setCurrentIndex(form.ComboBox2->findText(QString::fromUtf8(run.tool)));
    form.Button1Click(); // "Proces"
    form.Timer1->stop(); // the soak drives the ticks itself
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const long totalTicks = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    if (totalTicks <= 0) {
        std::fprintf(stderr, "usage: soak_window [ticks > 0]\n");
        return 2;
    }
    QApplication application(argc, argv);
    app::TForm1 form(std::make_unique<SilentMessages>());

    constexpr std::array<long, 6> kReports{10'000, 20'000, 100'000, 200'000, 500'000, 1'000'000};
    size_t nextReport = 0;
    long runs = 0;
    long previous = ResidentBytes();
    std::printf("%10s %12s %12s %12s\n", "ticks", "resident MB", "growth MB", "us per tick");
    std::printf("%10d %12.2f\n", 0, previous / 1e6);
    auto lastTime = std::chrono::steady_clock::now();
    long lastTicks = 0;
    for (long tick = 1; tick <= totalTicks; ++tick) {
        if (!form.State().TimerEnabled) {
            StartRun(form, kRuns[runs++ % kRuns.size()]);
        }
        form.Timer1Timer();
        form.Chart1->PaintNow();
        const bool report =
            (nextReport < kReports.size() && tick == kReports[nextReport]) || tick == totalTicks;
        if (report) {
            const auto now = std::chrono::steady_clock::now();
            const double micros =
                std::chrono::duration<double, std::micro>(now - lastTime).count() /
                static_cast<double>(tick - lastTicks);
            const long resident = ResidentBytes();
            std::printf("%10ld %12.2f %12.2f %12.1f\n", tick, resident / 1e6,
                        (resident - previous) / 1e6, micros);
            std::fflush(stdout);
            previous = resident;
            lastTime = now;
            lastTicks = tick;
            while (nextReport < kReports.size() && kReports[nextReport] <= tick) {
                ++nextReport;
            }
        }
    }
    std::printf("runs started: %ld\n", runs);
    return 0;
}
