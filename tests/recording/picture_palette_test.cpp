// The colour table of a recording against what the pictures hold: every pixel of both pictures,
// along whole runs that reach every part of them, is one of the table's colours, so that no
// frame needs a table of its own.
#include "recording/picture_palette.h"

#include "cutter/cutter_view.h"
#include "oscillograph/oscillograph.h"
#include "sim/run.h"
#include "sim/scenarios.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>

namespace recording {
namespace {

TEST(RunPicturesPalette, EachColourOnceWithRoomForTransparency) {
    const std::vector<QRgb> palette = RunPicturesPalette();
    EXPECT_EQ(std::set<QRgb>(palette.begin(), palette.end()).size(), palette.size());
    EXPECT_LE(palette.size(), 255u);
    EXPECT_EQ(palette.size(), 137u);
    for (const QRgb colour : palette)
        EXPECT_EQ(qAlpha(colour), 255);
}

struct PaletteRun {
    const char* name;
    sim::SimState (*start)();
};

void PrintTo(const PaletteRun& run, std::ostream* os) {
    *os << run.name;
}

class PicturesInThePaletteTest : public ::testing::TestWithParam<PaletteRun> {};

// Both pictures of a run, fed and drawn as the window's after every tick.
class RunPictures : public sim::RunObserver {
public:
    RunPictures() { oscillograph::ConfigureChart1(chart_, series1_, series2_, series3_); }
    void FeedOscillograph(const sim::SimState& s) override {
        oscillograph::FeedOscillograph(s, series1_, series2_, series3_);
    }
    void RedrawCutterView(const sim::SimState& s, double phase) override {
        view_.RedrawCutterView(s, phase);
    }
    QImage Chart() {
        canvas::Canvas target(oscillograph::kOscillographWidth, oscillograph::kOscillographHeight);
        chart_.DrawTo(&target, chart::TRect{0, 0, oscillograph::kOscillographWidth,
                                            oscillograph::kOscillographHeight});
        return target.Image().copy(); // the canvas ends here
    }
    QImage View() const { return view_.Image(); }

private:
    chart::TLineSeries series1_, series2_, series3_;
    chart::TChart chart_;
    cutter::CutterView view_;
};

// Every 25th tick and the last, every pixel of both pictures.
TEST_P(PicturesInThePaletteTest, EveryPixelAlongTheRun) {
    const std::vector<QRgb> palette = RunPicturesPalette();
    const std::set<QRgb> table(palette.begin(), palette.end());
    std::set<QRgb> outside;
    const auto check = [&](const QImage& picture) {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        // Neighbouring pixels mostly share a colour: each run of one colour is looked up once.
        QRgb checked = 0;
        bool any = false;
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x) {
                const QRgb colour = row[x] | 0xFF000000u;
                if (any && colour == checked)
                    continue;
                if (!table.contains(colour))
                    outside.insert(colour);
                checked = colour;
                any = true;
            }
        }
    };
    RunPictures pictures;
    sim::SimState s = GetParam().start();
    int tick = 0;
    for (bool ended = false; !ended;) {
        ended = sim::RunTick(s, &pictures).feedLimitDisabledTimer;
        if (++tick % 25 == 0 || ended) {
            check(pictures.Chart());
            check(pictures.View());
        }
    }
    EXPECT_GT(tick, 1500);
    for (const QRgb colour : outside)
        ADD_FAILURE() << "colour outside the table: " << std::hex << (colour & 0xFFFFFFu);
}

sim::SimState UpMilling() {
    return sim::StartedState(sim::MillingDirection::Up);
}
sim::SimState DownMilling() {
    return sim::StartedState(sim::MillingDirection::Down);
}
INSTANTIATE_TEST_SUITE_P(
    ReferenceRuns, PicturesInThePaletteTest,
    ::testing::Values(PaletteRun{"Up", UpMilling}, PaletteRun{"Down", DownMilling},
                      PaletteRun{"TwentyTeethDeep", sim::TwentyTeethHelix45Depth50State}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace recording
