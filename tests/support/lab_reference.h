// Every number the lab tools show or save, worked out here from the run's traces and the
// textbook formulas, independently of sim::Measure: the tests of the report, the sweep CSV, the
// run log and the measurements window compare what they read against these values by name.
#pragma once

#include "sim/ideal_forces.h"
#include "sim/materials.h"
#include "sim/run.h"
#include "sim/sim_state.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <string>

namespace lab_reference {

// The degree of the window's angle fields, which take pi as 3.141592.
inline constexpr double kWindowRadiansPerDegree = 3.141592 / 180;

// What a run leaves in its traces, gathered tick by tick from the newest samples.
struct RunTally {
    int ticks = 0;
    int firstForceTick = 0;
    int forceTicks = 0;
    double largestToothChip = 0;
    double largestChipSum = 0;
    double largestChip = 0;
    double largestForce = 0;
    double forceSum = 0;
    int revolutions = 0;   // revolution means taken
    double peakNormal = 0; // the per-tooth normal force of largest magnitude, signed

    void Add(const sim::SimState& s) {
        const int newest = sim::kTraceLength;
        ++ticks;
        for (int slot = 1; slot <= s.ActiveTeethCount; ++slot) {
            largestToothChip = std::max(largestToothChip, s.ToothChip[slot]);
        }
        largestChipSum = std::max(largestChipSum, s.ChipSumTrace[newest]);
        largestChip = std::max(largestChip, s.ChipTrace[newest]);
        if (s.ForceTrace[newest] > 0) {
            firstForceTick = firstForceTick == 0 ? ticks : firstForceTick;
            ++forceTicks;
            forceSum += s.ForceTrace[newest];
            largestForce = std::max(largestForce, s.ForceTrace[newest]);
        }
        revolutions += s.RevolutionSamples == 0 ? 1 : 0;
        if (std::abs(s.NormalForceTrace[newest]) > std::abs(peakNormal)) {
            peakNormal = s.NormalForceTrace[newest];
        }
    }
};

// Runs s (started) to the end of the feed, tallying every tick.
inline RunTally RunToTheEnd(sim::SimState& s) {
    RunTally tally;
    while (s.TimerEnabled) {
        sim::RunTick(s, nullptr);
        tally.Add(s);
    }
    return tally;
}

using Values = std::map<std::string, std::optional<double>>;

// The "per_tooth" part of the report: the last revolution's means of the per-tooth traces (none
// before a whole revolution), the textbook integral for the same cut (none without both
// materials) and their differences.
inline void ExpectedToothForces(Values& e, const sim::SimState& s, const RunTally& t) {
    const int newest = sim::kTraceLength;
    const double d = s.CutterDiameter;
    const double v = s.CuttingSpeed;
    const auto figures = [&](double tangential, double feed, double normal, double peak) {
        return std::map<std::string, double>{
            {"mean_tangential_force_n", tangential},
            {"mean_feed_force_n", feed},
            {"mean_normal_force_n", normal},
            {"resultant_force_n", std::sqrt(feed * feed + normal * normal)},
            {"resultant_angle_deg", std::atan2(normal, feed) * 180 / std::numbers::pi},
            {"peak_normal_force_n", peak},
            {"torque_n_m", tangential * d / 2000},
            {"power_kw", tangential * v / 60000},
        };
    };
    std::map<std::string, double> simulated;
    if (t.revolutions > 0) {
        simulated = figures(s.MeanTangentialTrace[newest], s.MeanFeedTrace[newest],
                            s.MeanNormalTrace[newest], t.peakNormal);
    }
    std::map<std::string, double> book;
    const int wp = s.WorkpieceMaterial;
    if (wp >= 1 && wp <= 10 && s.ToolMaterial >= 1 && s.ToolMaterial <= 5) {
        const sim::WorkpieceMaterialRow& row = sim::kWorkpieceMaterials[wp - 1];
        const double n = 1000 * v / (std::numbers::pi * d);
        sim::IdealCut cut;
        cut.direction = s.MillingDirection;
        cut.exitAngle = std::acos(1 - 2 * s.DepthMm / d);
        cut.teeth = s.ToothCount;
        cut.feedPerTooth = s.FeedSpeed / (s.ToothCount * n);
        cut.radialRatio = s.RadialForceRatio;
        cut.chipExponent = row.chipExponent;
        cut.forceCoefficient = row.specificForce * s.CutWidth * std::pow(v, -0.15) *
                               (sim::IsMaterialMismatch(s.ToolMaterial, wp) ? 1.05 : 1.0);
        cut.helixLag = s.CutWidth * std::tan(s.HelixAngle) / (d / 2);
        const sim::IdealForces means = sim::IdealRevolutionMeans(cut);
        book = figures(means.tangential, means.feed, means.normal, sim::IdealPeakNormalForce(cut));
    }
    e["/per_tooth/radial_force_ratio"] = s.RadialForceRatio;
    for (const auto& [name, unused] : figures(0, 0, 0, 0)) {
        const std::string at = "/per_tooth/" + name;
        const auto sim = simulated.find(name);
        const auto textbook = book.find(name);
        std::optional<double> difference;
        if (sim != simulated.end() && textbook != book.end()) {
            if (name == "resultant_angle_deg") {
                difference = std::remainder(sim->second - textbook->second, 360.0);
            } else if (textbook->second != 0) {
                difference = (sim->second - textbook->second) / textbook->second * 100;
            }
        }
        e[at + "/simulated"] = sim != simulated.end() ? std::optional(sim->second) : std::nullopt;
        e[at + "/textbook"] =
            textbook != book.end() ? std::optional(textbook->second) : std::nullopt;
        e[at + (name == "resultant_angle_deg" ? "/difference_deg" : "/difference_percent")] =
            difference;
    }
}

// Every number of the report by its JSON pointer ("/simulated/power_kw"), for the state s that
// the tallied run left; textbook forces are none without both materials.
inline Values ExpectedReport(const sim::SimState& s, const RunTally& t) {
    const double d = s.CutterDiameter;
    const double z = s.ToothCount;
    const double v = s.CuttingSpeed;
    const double vf = s.FeedSpeed;
    const double a = s.DepthMm;
    const double b = s.CutWidth;
    const double n = 1000 * v / (std::numbers::pi * d);
    const double fz = vf / (z * n);
    const double phi = std::acos(1 - 2 * a / d); // rad
    const double ze = z * phi / (2 * std::numbers::pi);
    const double hMax = 2 * a >= d ? fz : fz * std::sin(phi);
    const double hMean = 2 * a * fz / (d * phi);
    const double lastMean = s.MeanForceTrace[sim::kTraceLength];

    Values e;
    e["/inputs/cutter_diameter_mm"] = d;
    e["/inputs/teeth"] = z;
    e["/inputs/rake_angle_rad"] = s.RakeAngle;
    e["/inputs/clearance_angle_rad"] = s.ClearanceAngle;
    e["/inputs/helix_angle_rad"] = s.HelixAngle;
    e["/inputs/cutting_speed_m_per_min"] = v;
    e["/inputs/feed_speed_mm_per_min"] = vf;
    e["/inputs/depth_mm"] = a;
    e["/inputs/width_mm"] = b;
    e["/inputs/radial_force_ratio"] = s.RadialForceRatio;
    e["/conditions/spindle_speed_rev_per_min"] = n;
    e["/conditions/feed_per_tooth_mm"] = fz;
    e["/conditions/engagement_angle_deg"] = phi * 180 / std::numbers::pi;
    e["/conditions/teeth_in_cut"] = ze;
    e["/conditions/removal_rate_cm3_per_min"] = a * b * vf / 1000;
    e["/simulated/ticks"] = t.ticks;
    e["/simulated/first_force_tick"] = t.firstForceTick;
    e["/simulated/newest_chip_sum_mm"] = s.ChipSumTrace[sim::kTraceLength];
    e["/simulated/newest_chip_mm"] = s.ChipTrace[sim::kTraceLength];
    e["/simulated/newest_force_n"] = s.ForceTrace[sim::kTraceLength];
    e["/simulated/teeth_in_cut_now"] = s.ActiveTeethCount;
    e["/simulated/largest_tooth_chip_mm"] = t.largestToothChip;
    e["/simulated/largest_chip_sum_mm"] = t.largestChipSum;
    e["/simulated/largest_chip_mm"] = t.largestChip;
    e["/simulated/largest_force_n"] = t.largestForce;
    e["/simulated/mean_force_n"] = t.forceTicks > 0 ? t.forceSum / t.forceTicks : 0;
    e["/simulated/last_revolution_mean_force_n"] = lastMean;
    e["/simulated/power_kw"] = lastMean * v / 60000;
    e["/simulated/torque_n_m"] = lastMean * d / 2000;
    e["/textbook/max_chip_mm"] = hMax;
    e["/textbook/mean_chip_mm"] = hMean;

    std::optional<double> forceAtMax;
    std::optional<double> forceAtMean;
    std::optional<double> cutterForce;
    const int wp = s.WorkpieceMaterial;
    if (wp >= 1 && wp <= 10 && s.ToolMaterial >= 1 && s.ToolMaterial <= 5) {
        const sim::WorkpieceMaterialRow& row = sim::kWorkpieceMaterials[wp - 1];
        const double factor = sim::IsMaterialMismatch(s.ToolMaterial, wp) ? 1.05 : 1.0;
        const auto force = [&](double h) {
            return row.specificForce * b * std::pow(h, row.chipExponent) * factor *
                   std::pow(v, -0.15);
        };
        forceAtMax = force(hMax);
        forceAtMean = force(hMean);
        cutterForce = ze * *forceAtMean;
    }
    const auto times = [](std::optional<double> x, double by) {
        return x ? std::optional<double>(*x * by) : std::nullopt;
    };
    e["/textbook/force_at_max_chip_n"] = forceAtMax;
    e["/textbook/force_at_mean_chip_n"] = forceAtMean;
    e["/textbook/mean_cutter_force_n"] = cutterForce;
    e["/textbook/power_kw"] = times(cutterForce, v / 60000);
    e["/textbook/torque_n_m"] = times(cutterForce, d / 2000);

    const auto compare = [&e](const std::string& name, double simulated,
                              std::optional<double> book) {
        const std::string at = "/comparison/" + name;
        e[at + "/simulated"] = simulated;
        e[at + "/textbook"] = book;
        e[at + "/difference_percent"] =
            book && *book != 0 ? std::optional<double>((simulated - *book) / *book * 100)
                               : std::nullopt;
    };
    compare("largest_chip_mm", t.largestToothChip, hMax);
    compare("largest_force_n", t.largestForce, forceAtMax);
    compare("mean_force_n", lastMean, cutterForce);
    compare("power_kw", lastMean * v / 60000, e["/textbook/power_kw"]);
    compare("torque_n_m", lastMean * d / 2000, e["/textbook/torque_n_m"]);
    ExpectedToothForces(e, s, t);
    return e;
}

// Whether a value read back agrees with the reference: exactly for counts and values copied
// from the traces, to 1e-9 relative for values the test computes in an order of its own.
inline bool Agrees(double read, double expected) {
    return std::abs(read - expected) <= 1e-9 * std::max(1.0, std::abs(expected));
}

} // namespace lab_reference
