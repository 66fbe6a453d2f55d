#include "lab/run_csv.h"

#include "sim/constants.h"

#include <charconv>
#include <ostream>

namespace lab {

const char* const kCsvHeader =
    "tick,time,chip_sum,chip,force,mean_force,feed_travel,active_teeth,phase";

std::string FormatReal(double value) {
    char buffer[64];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, r.ptr);
}

namespace {

// A real as FormatReal writes it, put on the stream without a string in between (the window's
// run log writes a row every tick).
struct RealText {
    double value;
};

std::ostream& operator<<(std::ostream& out, RealText real) {
    char buffer[64];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, real.value, std::chars_format::general, 17);
    return out.write(buffer, r.ptr - buffer);
}

} // namespace

void WriteCsvRow(std::ostream& csv, int tick, const sim::SimState& s) {
    // The scroll keeps index 313, so the newest samples are still there after the tick.
    const int newest = sim::kTraceLength;
    csv << tick << ',' << RealText{s.TimeAxis[newest]} << ',' << RealText{s.ChipSumTrace[newest]}
        << ',' << RealText{s.ChipTrace[newest]} << ',' << RealText{s.ForceTrace[newest]} << ','
        << RealText{s.MeanForceTrace[newest]} << ',' << RealText{s.FeedTravel} << ','
        << s.ActiveTeethCount << ',' << RealText{s.Phase} << '\n';
}

RunSummary RunAndWriteCsv(sim::SimState& s, std::optional<int> maxTicks, std::ostream& csv,
                          sim::RunObserver* observer,
                          const std::function<void(int, const sim::SimState&)>& afterTick) {
    csv << kCsvHeader << '\n';
    return RunToEnd(s, maxTicks, observer, [&](int tick, const sim::SimState& state) {
        WriteCsvRow(csv, tick, state);
        if (afterTick) {
            afterTick(tick, state);
        }
        return true;
    });
}

} // namespace lab
