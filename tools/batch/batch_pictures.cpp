#include "batch/batch_pictures.h"

#include "canvas/canvas.h"
#include "cutter/cutter_view.h"
#include "lab/write_error.h"
#include "oscillograph/oscillograph.h"

#include <QImage>
#include <QString>

namespace batch {

namespace {

class PngPictures : public RunPictures {
public:
    explicit PngPictures(const BatchOptions& options)
        : viewPath_(options.viewPngPath), chartPath_(options.chartPngPath) {
        if (!chartPath_.empty()) {
            chart_ = std::make_unique<chart::TChart>();
            oscillograph::ConfigureChart1(*chart_, series1_, series2_, series3_);
        }
    }

    void FeedOscillograph(const sim::SimState& s) override {
        if (chart_)
            oscillograph::FeedOscillograph(s, series1_, series2_, series3_);
    }

    // The start-up picture is drawn at phase 0, so that is the phase until a redraw says more.
    void RedrawCutterView(const sim::SimState&, double phase) override { lastPhase_ = phase; }

    std::string Save(const sim::SimState& s) override {
        if (!viewPath_.empty() && !cutter::SaveCutterViewPng(s, lastPhase_, viewPath_))
            return lab::CannotWriteMessage(viewPath_);
        if (chart_) {
            canvas::Canvas target(oscillograph::kOscillographWidth,
                                  oscillograph::kOscillographHeight);
            chart_->DrawTo(&target, chart::TRect{0, 0, oscillograph::kOscillographWidth,
                                                 oscillograph::kOscillographHeight});
            if (!target.Image().save(QString::fromStdString(chartPath_), "PNG"))
                return lab::CannotWriteMessage(chartPath_);
        }
        return {};
    }

private:
    std::string viewPath_;
    std::string chartPath_;
    double lastPhase_ = 0;
    // The chart only lists the series; whichever goes first detaches them.
    chart::TLineSeries series1_, series2_, series3_;
    std::unique_ptr<chart::TChart> chart_;
};

} // namespace

std::unique_ptr<RunPictures> MakePngPictures(const BatchOptions& options) {
    return std::make_unique<PngPictures>(options);
}

} // namespace batch
