#pragma once

// The whole state of the milling simulation: the inputs taken from the window, the values
// derived from them, the force constants, the run state, the workpiece profile, the slots of
// the teeth in the cut and the oscilloscope traces. One instance is owned by the main window
// (or by a tool); every routine of the core works on it directly.
//
// Arrays that the routines index from 1 hold one element more, so the routines use the same
// indexes as their formulas: slot 1..9 is ToothChip[1..9], sample 1..313 is ForceTrace[1..313].
// Element 0 of those arrays is never used.

#include "sim/constants.h"

#include <array>
#include <cstdint>

namespace sim {

// The direction of rotation chosen by the radio buttons.
enum class MillingDirection : int32_t {
    Up = 0,  // up milling: the phase grows, the tooth moves against the feed
    Down = 1 // down milling: the phase falls, the tooth moves with the feed
};

// Which force the main force trace shows (the oscillograph, the revolution mean, the run's CSV).
enum class ForceModel : int32_t {
    ChipSum = 0, // the force law applied once to the chips of all teeth summed (the default)
    PerTooth = 1 // the force law applied to each tooth's own chip, over the helix's axial slices
};

// Integer pixel of the cutter view: x to the right, y downward, origin top left.
struct IntPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

inline constexpr int kProfileLast = 700; // WorkpiecePoints 0..700, ProfileX/Y 1..700
inline constexpr int kToothSlots = 9;    // ActiveAngle, ActiveTipX/Y, ToothChip 1..9
inline constexpr int kTraceLength = 313; // traces 1..313, 313 the newest sample

using ProfilePoints = std::array<IntPoint, kProfileLast + 1>;
using ProfileCoords = std::array<double, kProfileLast + 1>;
using SlotValues = std::array<double, kToothSlots + 1>;
using Trace = std::array<double, kTraceLength + 1>;

// Every field starts at zero, as the program's state does before InitialiseState runs.
struct SimState {
    // --- Cutting parameters (one per input of the window) ---
    int32_t CutterDiameter = 0;    // mm, cutter diameter D (50..180; 100 at start)
    int32_t ToothCount = 0;        // number of teeth z (4..20; 8 at start)
    double RakeAngle = 0;          // rad, rake angle (0.17452777777777778 at start)
    double ClearanceAngle = 0;     // rad, clearance angle (1.5 x RakeAngle at start)
    double HelixAngle = 0;         // rad, helix angle of the teeth (30 degrees at start)
    double CuttingSpeed = 0;       // m/min, cutting speed v (30..120; 60 at start)
    double FeedSpeed = 0;          // mm/min, feed speed (40..600; 150 at start)
    double DepthMm = 0;            // mm, depth of cut a (never deeper than the cutter radius)
    int32_t CutWidth = 0;          // mm, width of cut B (10..100; 20 at start)
    int32_t WorkpieceMaterial = 0; // 0 = not chosen, 1..10 = workpiece table row
    int32_t ToolMaterial = 0;      // 0 = not chosen, 1..5 = tool table row
    // The radio buttons' choice (up milling at start).
    sim::MillingDirection MillingDirection = sim::MillingDirection::Up;
    double ForceAxisMax = 0; // N, last maximum given to the force axis (0 until set)
    double ChipAxisMax = 0;  // mm, last maximum given to the chip axis (0 until set)

    // --- View scale and cutter placement ---
    int32_t CentreX = 0;         // px, cutter centre, always 150
    int32_t CentreY = 0;         // px, cutter centre, always 83
    int32_t CutterRadius = 0;    // px, drawn cutter radius, always 200
    double PixelsPerMm = 0;      // px/mm, 400 / CutterDiameter
    int32_t DepthPixels = 0;     // px, Round(DepthMm x PixelsPerMm), 0..200
    double DepthOffset = 0;      // px, CutterRadius - DepthPixels
    double ContactHalfWidth = 0; // px, sqrt(CutterRadius^2 - DepthOffset^2)
    double EngageAngle = 0;      // rad, where the cutter circle meets the top surface
    double ChipScaleUp = 0;      // px of radial depth per mm of chip, up milling (48 + PixelsPerMm)
    double ChipScaleDown = 0;    // the same for down milling (2 x PixelsPerMm + 50)

    // --- Time base and rotation ---
    double AngleStep = 0;       // rad, rotation of one sub-step, 0.0025
    double ToothPitch = 0;      // rad, 6.283185 / ToothCount
    double PhaseLimit = 0;      // rad, ToothPitch - AngleStep (computed from 6.283185 / z)
    double Phase = 0;           // rad, rotation within one pitch (up: 0..PhaseLimit, down: <= 0)
    double StepTime = 0;        // s, 0.03 x AngleStep x CutterDiameter / CuttingSpeed
    double FeedPerStep = 0;     // px, FeedSpeed x StepTime: workpiece travel per sub-step
    double FeedTravel = 0;      // px, workpiece travel since the last reset; the run ends at 350
    double RevolutionTime = 0;  // s, CutterDiameter x 0.1885 / CuttingSpeed
    double RevolutionClock = 0; // s, time accumulated toward the next revolution mean
    int32_t HelixLagTicks = 0;  // samples in the chip moving average (0 for a straight tooth)

    // --- Force model ---
    double SpecificForce = 0;      // N/mm^2, from the workpiece material at "Proces"
    double ChipExponent = 0;       // exponent of the chip thickness, from the workpiece material
    double ToolFactor = 0;         // 1.0, or 1.05 for a tool that does not suit the workpiece
    double SpeedFactor = 0;        // CuttingSpeed^-0.15
    double RevolutionForceSum = 0; // N, sum of the positive forces of the current revolution
    int32_t RevolutionSamples = 0; // samples taken in the current revolution

    // --- Working values of one sub-step ---
    double EdgeOffset = 0;        // px, CutterRadius - FeedTravel
    double EdgeAngle = 0;         // rad, where the workpiece's left edge crosses the circle, >= 0
    double CandidateAngle = 0;    // rad, angle of the tooth being tested for the cutting zone
    int32_t ActiveTeethCount = 0; // teeth in the cutting zone in the last sub-step, 0..9
    int32_t ActiveTooth = 0;      // 1-based slot the cutting routines work for
    int32_t ProfileIndex = 0;     // profile point examined last by a cutting routine
    double PointRadius = 0;       // px, distance of that point from the cutter centre
    double PointAngle = 0;        // rad, angle of that point
    double ChipSum = 0;           // accumulator of the per-tooth chips (zero between ticks)
    double WindowSum = 0;         // accumulator of the moving average (zero between ticks)

    // --- Arrays ---
    ProfilePoints WorkpiecePoints{}; // px, closed workpiece polygon, points 0..700
    ProfileCoords ProfileX{};        // px, real coordinates of points 1..700
    ProfileCoords ProfileY{};
    SlotValues ActiveTipX{}; // px, tooth tip of each slot 1..9, in order of increasing angle
    SlotValues ActiveTipY{};
    SlotValues ActiveAngle{}; // rad, angle of each slot 1..9
    SlotValues ToothChip{};   // mm, chip last computed for each slot; kept until overwritten
    Trace TimeAxis{};         // s, time of each sample 1..313
    Trace ForceTrace{};       // N, main cutting force per sample
    Trace ChipTrace{};        // mm, chip thickness averaged over the helix window
    Trace ChipSumTrace{};     // mm, chip thickness summed over the teeth, before averaging
    Trace MeanForceTrace{};   // N, mean force of the last whole revolution

    // --- Tool geometry base values (the cutter view derives the tooth outline from these) ---
    double ToothAngle = 0;     // rad, angle of the tooth being drawn
    double GulletRadius = 0;   // px, radius of the gullet arc (28 for 8 teeth)
    double RakeFaceLength = 0; // px, length of the rake face (46 for 8 teeth)
    double FlankLength = 0;    // px, length of the flank (50 for 8 teeth)

    // --- Controls whose state the core decides ---
    bool TimerEnabled = false; // Timer1.Enabled: the run advances one tick per timer event
    int32_t DepthSpinMax = 0;  // tenths of mm, the depth field's current maximum (500 at start)

    // --- Per-tooth forces (sim/tooth_forces.h): always computed, shown when ForceModel says ---
    // The law of each tooth is F_t = SpecificForce x CutWidth x h^ChipExponent x ToolFactor
    // x SpeedFactor on its own chip h (ToothChip), F_r = RadialForceRatio x F_t. The helix is
    // HelixLagTicks axial slices of width CutWidth / HelixLagTicks, slice s seeing the teeth as
    // they were s ticks ago; a straight tooth is one slice. Feed: along the workpiece's feed
    // (positive pulls it on); normal: across it (positive presses it onto the table).
    sim::ForceModel ForceModel = sim::ForceModel::ChipSum; // chosen by the user (ChipSum at start)
    double RadialForceRatio = 0;        // F_r / F_t of a tooth (0.2..0.6; 0.4 at start)
    SlotValues ToothTangentialForce{};  // N, F_t of each slot over the whole width, newest tick
    double RevolutionTangentialSum = 0; // N, sums of the current revolution's samples
    double RevolutionFeedSum = 0;
    double RevolutionNormalSum = 0;
    Trace TangentialSumTrace{};  // N, F_t summed over the teeth in the cut, whole width
    Trace FeedSumTrace{};        // N, feed force of the same teeth, whole width
    Trace NormalSumTrace{};      // N, normal force of the same teeth, whole width
    Trace TeethInCutTrace{};     // teeth in the cut at each tick (0..9)
    Trace TangentialTrace{};     // N, F_t summed over the helix slices
    Trace FeedForceTrace{};      // N, feed force summed over the helix slices
    Trace NormalForceTrace{};    // N, normal force summed over the helix slices
    Trace EngagedWidthTrace{};   // mm, cutting-edge width in the cut, summed over teeth and slices
    Trace MeanTangentialTrace{}; // N, means of the last whole revolution
    Trace MeanFeedTrace{};
    Trace MeanNormalTrace{};
};

} // namespace sim
