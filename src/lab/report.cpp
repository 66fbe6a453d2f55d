#include "lab/report.h"

#include "sim/direction_name.h"
#include "sim/force_model_name.h"
#include "sim/materials.h"

#include <optional>
#include <ostream>
#include <string>
#include <utility>

namespace lab {
namespace {

using json = nlohmann::ordered_json;

json OrNull(std::optional<double> value) {
    return value ? json(*value) : json(nullptr);
}

// The list text of a material, or null when none is chosen.
json MaterialName(const char* name) {
    return name != nullptr ? json(name) : json(nullptr);
}

} // namespace

json ReportInputs(const sim::SimState& s) {
    return {
        {"cutter_diameter_mm", s.CutterDiameter},
        {"teeth", s.ToothCount},
        {"rake_angle_rad", s.RakeAngle},
        {"clearance_angle_rad", s.ClearanceAngle},
        {"helix_angle_rad", s.HelixAngle},
        {"cutting_speed_m_per_min", s.CuttingSpeed},
        {"feed_speed_mm_per_min", s.FeedSpeed},
        {"depth_mm", s.DepthMm},
        {"width_mm", s.CutWidth},
        {"workpiece_material", MaterialName(sim::WorkpieceMaterialName(s.WorkpieceMaterial))},
        {"tool_material", MaterialName(sim::ToolMaterialName(s.ToolMaterial))},
        {"direction", sim::DirectionName(s.MillingDirection)},
        {"force_model", sim::ForceModelName(s.ForceModel)},
        {"radial_force_ratio", s.RadialForceRatio},
    };
}

namespace {

json Conditions(const sim::CuttingConditions& c) {
    return {
        {"spindle_speed_rev_per_min", c.spindleSpeed}, {"feed_per_tooth_mm", c.feedPerTooth},
        {"engagement_angle_deg", c.engagementAngle},   {"teeth_in_cut", c.teethInCut},
        {"removal_rate_cm3_per_min", c.removalRate},
    };
}

json Simulated(const sim::SimulatedResults& r, const sim::RunFigures& figures) {
    return {
        {"ticks", figures.ticks},
        {"first_force_tick", figures.firstForceTick},
        {"newest_chip_sum_mm", r.chipSumNow},
        {"newest_chip_mm", r.chipNow},
        {"newest_force_n", r.forceNow},
        {"teeth_in_cut_now", r.teethNow},
        {"largest_tooth_chip_mm", r.largestToothChip},
        {"largest_chip_sum_mm", r.largestChipSum},
        {"largest_chip_mm", r.largestChip},
        {"largest_force_n", r.largestForce},
        {"mean_force_n", r.meanForce},
        {"last_revolution_mean_force_n", r.lastRevolutionMean},
        {"power_kw", r.power},
        {"torque_n_m", r.torque},
    };
}

json Textbook(const sim::TextbookCheck& t) {
    return {
        {"max_chip_mm", t.maxChip},
        {"mean_chip_mm", t.meanChip},
        {"force_at_max_chip_n", OrNull(t.forceAtMaxChip)},
        {"force_at_mean_chip_n", OrNull(t.forceAtMeanChip)},
        {"mean_cutter_force_n", OrNull(t.meanCutterForce)},
        {"power_kw", OrNull(t.power)},
        {"torque_n_m", OrNull(t.torque)},
    };
}

// The per-tooth model's figures, each simulated (null until a whole revolution has passed), from
// the textbook integral (null without force constants) and their difference.
json ToothForces(const sim::ToothForceResults& r) {
    const std::pair<const char*, const sim::ToothForceComparison*> rows[] = {
        {"mean_tangential_force_n", &r.meanTangential},
        {"mean_feed_force_n", &r.meanFeed},
        {"mean_normal_force_n", &r.meanNormal},
        {"resultant_force_n", &r.resultant},
        {"resultant_angle_deg", &r.resultantAngle},
        {"peak_normal_force_n", &r.peakNormal},
        {"torque_n_m", &r.torque},
        {"power_kw", &r.power},
    };
    json figures = {{"radial_force_ratio", r.radialRatio}};
    for (const auto& [key, row] : rows) {
        figures[key] = {
            {"simulated", OrNull(row->simulated)},
            {"textbook", OrNull(row->textbook)},
            {row == &r.resultantAngle ? "difference_deg" : "difference_percent",
             OrNull(row->difference)},
        };
    }
    return figures;
}

json Compared(const sim::Comparison& c) {
    return {
        {"simulated", c.simulated},
        {"textbook", OrNull(c.textbook)},
        {"difference_percent", OrNull(c.differencePercent)},
    };
}

} // namespace

json RunReport(const sim::SimState& s, const sim::RunFigures& figures) {
    const sim::Measurements m = sim::Measure(s, figures);
    return {
        {"inputs", ReportInputs(s)},
        {"conditions", Conditions(m.conditions)},
        {"simulated", Simulated(m.simulated, figures)},
        {"textbook", Textbook(m.textbook)},
        {"comparison",
         {
             {"largest_chip_mm", Compared(m.compared.largestChip)},
             {"largest_force_n", Compared(m.compared.largestForce)},
             {"mean_force_n", Compared(m.compared.meanForce)},
             {"power_kw", Compared(m.compared.power)},
             {"torque_n_m", Compared(m.compared.torque)},
         }},
        {"per_tooth", ToothForces(m.toothForces)},
    };
}

void WriteRunReport(std::ostream& out, const sim::SimState& s, const sim::RunFigures& figures) {
    out << RunReport(s, figures).dump(2) << '\n';
}

} // namespace lab
