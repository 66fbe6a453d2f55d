#pragma once

// The engagement map: the cutter's surface unrolled, the angle from the cutter's lowest point
// over the whole turn across and the axial height 0 .. B up, with the cutting zone (from
// EdgeAngle to EngageAngle) shaded and each tooth's cutting edge as a line (sloped by the helix,
// upright for straight teeth), drawn thick where it cuts. Beside it, a small chart of the width
// of edge in the cut over the last 313 samples (the core's EngagedWidthTrace): with straight
// teeth it jumps as each tooth enters and leaves, with a steep helix it hardly changes.

#include "chart/chart.h"
#include "chart/series/fast_line_series.h"
#include "chart/series/line_series.h"
#include "sim/sim_state.h"

#include <memory>

namespace force_views {

inline constexpr int kMapWidth = 560;          // px
inline constexpr int kMapHeight = 260;         // px
inline constexpr int kEngagedWidthWidth = 330; // px, the chart beside the map
inline constexpr int kEngagedWidthHeight = 260;

inline constexpr chart::TColor kZoneColour = 0xB0F0FF;        // light yellow
inline constexpr chart::TColor kEdgeColour = 0x808080;        // grey: an edge out of the cut
inline constexpr chart::TColor kCuttingEdgeColour = 0x0000D0; // red: the part that cuts
inline constexpr int kCuttingEdgeWidth = 3;                   // px

class EngagementMap {
public:
    // Sets both charts up; the series join them and stay owned here.
    EngagementMap(chart::TChart& map, chart::TChart& engagedWidth);
    ~EngagementMap();
    EngagementMap(const EngagementMap&) = delete;
    EngagementMap& operator=(const EngagementMap&) = delete;

    // Draws the edges at the state's phase and refills the engaged width trace.
    void Feed(const sim::SimState& s);
    // The titles, axis titles and legend of both charts in the current language.
    void SetTexts();

private:
    chart::TChart& map_;
    chart::TChart& widthChart_;
    std::unique_ptr<chart::TAreaSeries> zone_;
    std::unique_ptr<chart::TFastLineSeries> edges_;
    std::unique_ptr<chart::TFastLineSeries> cutting_;
    std::unique_ptr<chart::TFastLineSeries> width_;
};

} // namespace force_views
