// Runs the whole grid of cuts (every diameter, tooth count, depth, feed, helix and direction)
// and prints, for each run that breaks a limit of a sound cut, which limit and by how much, then
// a summary per direction. Exit status 1 when a run breaks a limit.
//
// Usage: cut_property_grid [--jobs N] [--match TEXT] [--all]   (--all prints every run)

#include "sim/cut_properties.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

void PrintRun(const sim::CutRunCase& c, const sim::CutProperties& p) {
    std::printf("%-30s chip %6.2f f_z (limit %5.2f)  inside %7.1f px (tick %d point %d)  removed "
                "%6.3f  %s%s%s%s\n",
                sim::CutRunName(c).c_str(), p.largestToothChip / p.feedPerTooth,
                (sim::kChipAllowance * p.feedPerTooth + p.chipPixel) / p.feedPerTooth,
                p.deepestBehind, p.deepestBehindTick, p.deepestBehindPoint, p.removalRatio,
                p.firstLostMaterial.empty() ? "" : "lost ", p.firstLostMaterial.c_str(),
                p.firstCrossing.empty() ? "" : " crossing ", p.firstCrossing.c_str());
}

} // namespace

int main(int argc, char** argv) {
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    bool all = false;
    std::string match; // only the runs whose name holds this text
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--jobs") == 0 && i + 1 < argc) {
            jobs = static_cast<unsigned>(std::max(1, std::atoi(argv[++i])));
        } else if (std::strcmp(argv[i], "--match") == 0 && i + 1 < argc) {
            match = argv[++i];
        } else if (std::strcmp(argv[i], "--all") == 0) {
            all = true;
        } else {
            std::fprintf(stderr, "usage: cut_property_grid [--jobs N] [--match TEXT] [--all]\n");
            return 2;
        }
    }
    std::vector<sim::CutRunCase> cases = sim::GridCases(sim::CutGrid{});
    std::erase_if(cases, [&](const sim::CutRunCase& c) {
        return sim::CutRunName(c).find(match) == std::string::npos;
    });
    std::vector<sim::CutProperties> results(cases.size());
    std::atomic<size_t> next{0};
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < jobs; ++t) {
        threads.emplace_back([&] {
            for (size_t i = next++; i < cases.size(); i = next++) {
                results[i] = sim::MeasureCutRun(cases[i]);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const sim::MillingDirection direction :
         {sim::MillingDirection::Up, sim::MillingDirection::Down}) {
        int runs = 0, unsound = 0, chip = 0, inside = 0, lost = 0, crossing = 0;
        double largestChip = 0, deepest = 0, ratioMin = 1e9, ratioMax = 0;
        for (size_t i = 0; i < cases.size(); ++i) {
            if (cases[i].direction != direction) {
                continue;
            }
            const sim::CutProperties& p = results[i];
            ++runs;
            unsound += !p.Sound();
            chip += !p.ChipWithinLimit();
            inside += p.deepestBehind > sim::kInsideAllowance;
            lost += !p.firstLostMaterial.empty();
            crossing += !p.firstCrossing.empty();
            largestChip = std::max(largestChip, p.largestToothChip / p.feedPerTooth);
            deepest = std::max(deepest, p.deepestBehind);
            if (p.removalRatio > 0) {
                ratioMin = std::min(ratioMin, p.removalRatio);
                ratioMax = std::max(ratioMax, p.removalRatio);
            }
            if (all || !p.Sound()) {
                PrintRun(cases[i], p);
            }
        }
        std::printf("%s milling: %d runs, %d unsound (chip over the limit %d, material left "
                    "inside %d, material lost %d, profile crossing %d); largest chip %.2f f_z, "
                    "deepest point %.1f px, removed / (a_e x travel) %.3f..%.3f\n",
                    direction == sim::MillingDirection::Down ? "Down" : "Up", runs, unsound, chip,
                    inside, lost, crossing, largestChip, deepest, ratioMin, ratioMax);
    }
    const bool sound = std::all_of(results.begin(), results.end(),
                                   [](const sim::CutProperties& p) { return p.Sound(); });
    return sound ? 0 : 1;
}
