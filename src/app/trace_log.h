// The traces of the run in the window, kept in memory so that they can be saved as CSV: comment
// lines with the inputs, then the rows glodanje-batch writes for the same ticks, with a comment
// line wherever an input changed during the run. Nothing is written to a file during a run.
#pragma once

#include "sim/measurements.h"
#include "sim/sim_state.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <iosfwd>
#include <sstream>
#include <string>

namespace app {

class TraceLog {
public:
    // Rows kept at most: the longest run (smallest cutter at the fastest cutting speed and the
    // slowest feed) takes about 23,300 ticks; the rest of a longer log is counted, not kept.
    static constexpr int kMaxRows = 30000;

    // Starts the log of a run from the start state: the comment lines with the inputs of s.
    void Begin(const sim::SimState& s);
    // Forgets the run ("Polazno stanje").
    void Clear();
    bool Started() const { return started_; }

    // Adds the tick just run: first a comment line naming every input that changed since the
    // previous tick, then the tick's row. A tick before Begin is not recorded.
    void RecordTick(const sim::SimState& s);

    // Figures of the recorded ticks (all of them, also past kMaxRows).
    const sim::RunFigures& Figures() const { return figures_; }
    int Rows() const { return rows_; }

    // The comment lines, the CSV header and the rows.
    void WriteCsv(std::ostream& out) const;

private:
    // The state's fields the report's inputs are made of. Most ticks change none of them, so
    // they are compared first and the report's inputs are built only when one differs.
    struct InputValues {
        int32_t cutterDiameter = 0;
        int32_t toothCount = 0;
        double rakeAngle = 0;
        double clearanceAngle = 0;
        double helixAngle = 0;
        double cuttingSpeed = 0;
        double feedSpeed = 0;
        double depthMm = 0;
        int32_t cutWidth = 0;
        int32_t workpieceMaterial = 0;
        int32_t toolMaterial = 0;
        sim::MillingDirection direction = sim::MillingDirection::Up;
        sim::ForceModel forceModel = sim::ForceModel::ChipSum;
        double radialRatio = 0;
        static InputValues Of(const sim::SimState& s);
        friend bool operator==(const InputValues&, const InputValues&) = default;
    };

    bool started_ = false;
    int rows_ = 0;
    sim::RunFigures figures_;
    nlohmann::ordered_json inputs_; // as of the last recorded tick
    InputValues inputValues_;       // the same, as the state's fields
    std::string comments_;          // the "# key=value" lines of Begin
    std::string body_;              // rows and change comments, in order
    std::ostringstream row_;        // one row being formatted, its buffer kept
};

// "glodanje-28Cr4-P30-up" for the inputs of s, to name the files saved from the window; a
// material not chosen is left out, spaces become '_'.
std::string DefaultFileStem(const sim::SimState& s);

} // namespace app
