#include "sim/ideal_forces.h"

#include "sim/tooth_forces.h"

#include <cassert>
#include <cmath>
#include <numbers>
#include <vector>

namespace sim {
namespace {

// rad, 2 pi exactly (the core's kFullTurn is the designed 6.283185).
constexpr double kExactTurn = 2 * std::numbers::pi;
constexpr int kPanels = 8192;       // trapezoid panels over the cutting zone for the means
constexpr int kTablePanels = 2048;  // panels of the table the peak interpolates in
constexpr int kPitchSamples = 1024; // rotations on the grid over one pitch for the peak

// The forces of one tooth at angle phi inside the zone.
IdealForces OneTooth(const IdealCut& cut, double phi) {
    const double chip = cut.feedPerTooth * std::sin(phi);
    if (!(chip > 0)) {
        return {};
    }
    const double tangential = cut.forceCoefficient * std::pow(chip, cut.chipExponent);
    const ForceDirection d = ToothForceDirection(cut.direction, phi, cut.radialRatio);
    return {tangential, tangential * d.feed, tangential * d.normal};
}

// One tooth's normal force over the zone at the panel ends, and its integral from the entry.
class NormalTable {
public:
    explicit NormalTable(const IdealCut& cut)
        : entry_(cut.entryAngle), width_((cut.exitAngle - cut.entryAngle) / kTablePanels),
          force_(kTablePanels + 1), integral_(kTablePanels + 1) {
        for (int i = 0; i <= kTablePanels; ++i) {
            force_[i] = OneTooth(cut, entry_ + i * width_).normal;
            if (i > 0) {
                integral_[i] = integral_[i - 1] + (force_[i - 1] + force_[i]) * width_ / 2;
            }
        }
    }

    // The force of a tooth at angle phi (any turn); 0 outside the zone, the exit included.
    double ForceAt(double phi) const {
        const double u = Reduced(phi) - entry_;
        // The rotation that puts a tooth at the exit may land a rounding step beyond it.
        if (u < 0 || u > kTablePanels * width_ * (1 + 1e-12) || width_ <= 0) {
            return 0;
        }
        return Interpolated(force_, u);
    }

    // The integral of the force from -infinity to phi, counting every turn before.
    double IntegralTo(double phi) const {
        const double turns = std::floor(phi / kExactTurn);
        const double u = phi - turns * kExactTurn - entry_;
        const double whole = integral_.back();
        double within = 0;
        if (u >= kTablePanels * width_) {
            within = whole;
        } else if (u > 0) {
            within = Interpolated(integral_, u);
        }
        return turns * whole + within;
    }

private:
    static double Reduced(double phi) { return phi - std::floor(phi / kExactTurn) * kExactTurn; }

    double Interpolated(const std::vector<double>& values, double u) const {
        const double position = u / width_;
        const int i = std::min(static_cast<int>(position), kTablePanels - 1);
        const double t = position - i;
        return values[i] + (values[i + 1] - values[i]) * t;
    }

    double entry_;
    double width_;
    std::vector<double> force_;
    std::vector<double> integral_;
};

} // namespace

IdealForces IdealRevolutionMeans(const IdealCut& cut) {
    assert(cut.teeth > 0 && cut.exitAngle >= cut.entryAngle);
    const double width = (cut.exitAngle - cut.entryAngle) / kPanels;
    IdealForces sum;
    for (int i = 0; i <= kPanels; ++i) {
        const IdealForces f = OneTooth(cut, cut.entryAngle + i * width);
        const double weight = i == 0 || i == kPanels ? 0.5 : 1.0;
        sum.tangential += weight * f.tangential;
        sum.feed += weight * f.feed;
        sum.normal += weight * f.normal;
    }
    const double scale = cut.teeth * width / kExactTurn;
    return {sum.tangential * scale, sum.feed * scale, sum.normal * scale};
}

double IdealPeakNormalForce(const IdealCut& cut) {
    assert(cut.teeth > 0 && cut.exitAngle >= cut.entryAngle && cut.helixLag >= 0);
    const NormalTable table(cut);
    const double pitch = kExactTurn / cut.teeth;
    // The edge of a tooth whose near end is at phi spans phi - lag .. phi. In down milling the
    // far end leads instead, which only shifts the curve over the rotation: the same peak.
    const auto toothForce = [&](double phi) {
        if (cut.helixLag <= 0) {
            return table.ForceAt(phi);
        }
        return (table.IntegralTo(phi) - table.IntegralTo(phi - cut.helixLag)) / cut.helixLag;
    };
    // The sum is smooth between the rotations at which an edge's end crosses the entry or the
    // exit (a straight tooth's force jumps to 0 there): those are tried exactly, the rest on a
    // grid.
    std::vector<double> rotations;
    for (int sample = 0; sample < kPitchSamples; ++sample) {
        rotations.push_back(sample * pitch / kPitchSamples);
    }
    for (double edgeEnd : {cut.entryAngle, cut.exitAngle}) {
        for (double lag : {0.0, cut.helixLag}) {
            const double rotation = std::fmod(edgeEnd + lag, pitch);
            // Just inside the zone and just past it, for a force that jumps there.
            rotations.push_back(rotation);
            rotations.push_back(std::nextafter(rotation, 0.0));
        }
    }
    double peak = 0;
    for (const double rotation : rotations) {
        double normal = 0;
        for (int k = 0; k < cut.teeth; ++k) {
            normal += toothForce(rotation + k * pitch);
        }
        if (std::abs(normal) > std::abs(peak)) {
            peak = normal;
        }
    }
    return peak;
}

} // namespace sim
