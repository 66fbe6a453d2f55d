// The run log ("Dnevnik"): one row per run that reached the end of the feed, or per state added
// by hand, with the inputs and the results, simulated and textbook. It lives until the program
// ends and can be saved as CSV.
#pragma once

#include "sim/measurements.h"
#include "sim/sim_state.h"

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <string>
#include <vector>

namespace app {

struct RunLogEntry {
    nlohmann::ordered_json inputs; // as the report names them
    sim::RunFigures figures;
    sim::Measurements measurements;
    bool finished = false; // the run reached the end of the feed
};

class RunLog {
public:
    void Add(const sim::SimState& s, const sim::RunFigures& figures, bool finished);
    // Removes row i (0-based); an index outside the log changes nothing.
    void Remove(int i);
    void Clear() { entries_.clear(); }
    int Size() const { return static_cast<int>(entries_.size()); }
    const RunLogEntry& Entry(int i) const { return entries_.at(i); }

    // Column keys: the inputs first (InputColumns() of them), then the results.
    static std::vector<std::string> Columns();
    static int InputColumns();
    // The cells of row i in the order of Columns(), numbers with a point and full precision.
    std::vector<std::string> Cells(int i) const;
    // For each input column, whether row i differs there from row i - 1 (none for row 0).
    std::vector<bool> DiffersFromPrevious(int i) const;

    // Header line and one line per row; a cell holding ',' or '"' is quoted.
    void WriteCsv(std::ostream& out) const;

private:
    std::vector<RunLogEntry> entries_;
};

} // namespace app
