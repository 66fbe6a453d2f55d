#include "force_views/engagement_map.h"

#include "force_views/chart_style.h"
#include "force_views/engagement.h"

#include <algorithm>

namespace force_views {

using namespace chart;

namespace {

constexpr double kFullTurnDegrees = 360;
constexpr double kAngleStepDegrees = 45; // between the angle labels
constexpr double kWidthHeadroom = 1.1;   // the widest sample reaches 1 / 1.1 of the width axis

// Appends a piece as two joined points and a gap after them.
void AddPiece(TFastLineSeries& series, const EdgePiece& piece) {
    series.AddPoint(piece.angleFrom, piece.heightFrom);
    series.AddPoint(piece.angleTo, piece.heightTo);
    series.AddPoint(piece.angleTo, piece.heightTo, QString(), clNone);
}

} // namespace

EngagementMap::EngagementMap(TChart& map, TChart& engagedWidth)
    : map_(map), widthChart_(engagedWidth), zone_(std::make_unique<TAreaSeries>()),
      edges_(std::make_unique<TFastLineSeries>()), cutting_(std::make_unique<TFastLineSeries>()),
      width_(std::make_unique<TFastLineSeries>()) {
    SetUpWhiteChart(map_, true);
    SetUpWhiteChart(widthChart_, false);
    FixMouseView(map_);
    FixMouseView(widthChart_);
    map_.BottomAxis().SetAxisRange(0, kFullTurnDegrees);
    map_.BottomAxis().SetIncrement(kAngleStepDegrees);
    zone_->SetSeriesColor(kZoneColour);
    zone_->Marks.Visible = false;
    zone_->XValues().SetOrder(TChartListOrder::loAscending);
    SetUpLine(*edges_, kEdgeColour, 1, false);
    SetUpLine(*cutting_, kCuttingEdgeColour, kCuttingEdgeWidth, false);
    SetUpLine(*width_, kCuttingEdgeColour, 1, true);
    zone_->SetParentChart(&map_);
    edges_->SetParentChart(&map_);
    cutting_->SetParentChart(&map_);
    width_->SetParentChart(&widthChart_);
    SetTexts();
}

EngagementMap::~EngagementMap() {
    for (TChartSeries* series : std::initializer_list<TChartSeries*>{
             zone_.get(), edges_.get(), cutting_.get(), width_.get()}) {
        series->SetParentChart(nullptr);
    }
}

void EngagementMap::SetTexts() {
    SetChartTexts(map_, QT_TRANSLATE_NOOP("force_views", "Razvijeni obim glodala"),
                  QT_TRANSLATE_NOOP("force_views", "Ugao od najniže tačke glodala, °"),
                  QT_TRANSLATE_NOOP("force_views", "Visina duž ose, mm"));
    zone_->SetTitle(Text(QT_TRANSLATE_NOOP("force_views", "zona rezanja")));
    edges_->SetTitle(Text(QT_TRANSLATE_NOOP("force_views", "sečivo")));
    cutting_->SetTitle(Text(QT_TRANSLATE_NOOP("force_views", "sečivo u zahvatu")));
    SetChartTexts(widthChart_, QT_TRANSLATE_NOOP("force_views", "Širina sečiva u zahvatu"),
                  QT_TRANSLATE_NOOP("force_views", "Vreme, s"),
                  QT_TRANSLATE_NOOP("force_views", "Zbir po zubima, mm"));
}

void EngagementMap::Feed(const sim::SimState& s) {
    const double height = s.CutWidth;
    map_.LeftAxis().SetAxisRange(0, height);
    zone_->ClearValues();
    // Before the workpiece reaches the cutter its edge lies beyond the top surface's angle: no
    // zone yet.
    if (ZoneStartDegrees(s) < ZoneEndDegrees(s)) {
        zone_->AddPoint(ZoneStartDegrees(s), height);
        zone_->AddPoint(ZoneEndDegrees(s), height);
    }
    edges_->ClearValues();
    cutting_->ClearValues();
    for (const EdgePiece& piece : ToothEdges(s, s.Phase)) {
        AddPiece(piece.inCut ? *cutting_ : *edges_, piece);
    }

    width_->ClearValues();
    double widest = height;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(sim::kTraceLength); ++i) {
        width_->AddPoint(s.TimeAxis[i], s.EngagedWidthTrace[i]);
        widest = std::max(widest, s.EngagedWidthTrace[i]);
    }
    widthChart_.LeftAxis().SetAxisRange(0, kWidthHeadroom * widest);
}

} // namespace force_views
