// Fuzz target: the scenario file reader. The bytes are the whole file. Every file must either
// read as a scenario or give one error: a single line that names the file. A scenario that
// reads is checked against the start-up state, written back and read again, and must come back
// the same. Each input goes to a file of its own name, because the settings reader keeps what
// it read of a file and would take a rewritten file of the same size and time for the old one.

#include "scenario/scenario_file.h"

#include "sim/startup.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    std::fprintf(stderr, "%s\nfile: %s\n", what.c_str(), path.c_str());
    std::abort();
}

// A folder of this process for the inputs and their written-back copies.
const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("scenario_file_fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

// Removes the files of one input however the check ends.
struct ScratchFiles {
    std::string input;
    std::string copy;
    ~ScratchFiles() {
        std::error_code ignored;
        std::filesystem::remove(input, ignored);
        std::filesystem::remove(copy, ignored);
    }
};

bool SameScenario(const scenario::Scenario& a, const scenario::Scenario& b) {
    return a.fields == b.fields && a.workpieceMaterial == b.workpieceMaterial &&
           a.toolMaterial == b.toolMaterial && a.direction == b.direction &&
           a.forceModel == b.forceModel && a.radialRatio == b.radialRatio && a.title == b.title &&
           a.text == b.text;
}

void CheckError(const scenario::ScenarioError& error, const std::string& path) {
    const std::string message = scenario::DescribeError(error);
    if (message.rfind(path, 0) != 0) {
        Fail("the error does not start with the file's name: " + message, path);
    }
    if (message.find('\n') != std::string::npos || message.find('\r') != std::string::npos) {
        Fail("the error is not one line: " + message, path);
    }
    if (message.size() == path.size()) {
        Fail("the error says nothing but the file's name", path);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static unsigned long long count = 0;
    ++count;
    const std::string stem = (ScratchFolder() / std::to_string(count)).string();
    ScratchFiles files{stem + ".glodanje", stem + "-copy.glodanje"};
    {
        std::ofstream file(files.input, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    const scenario::ReadResult read = scenario::ReadScenarioFile(files.input);
    if (!read.scenario) {
        CheckError(read.error, files.input);
        return 0;
    }
    auto start = std::make_unique<sim::SimState>();
    sim::InitialiseState(*start);
    if (const auto error = scenario::CheckAgainstState(*read.scenario, *start, files.input)) {
        if (error->kind != scenario::ErrorKind::OutOfLimits) {
            Fail("the state check reports more than a value outside its limits", files.input);
        }
        CheckError(*error, files.input);
    }

    if (const auto error = scenario::WriteScenarioFile(files.copy, *read.scenario)) {
        Fail("a scenario that was read cannot be written: " + scenario::DescribeError(*error),
             files.copy);
    }
    const scenario::ReadResult again = scenario::ReadScenarioFile(files.copy);
    if (!again.scenario) {
        Fail("the written scenario does not read: " + scenario::DescribeError(again.error),
             files.input);
    }
    if (!SameScenario(*read.scenario, *again.scenario)) {
        Fail("the written scenario reads differently", files.input);
    }
    return 0;
}
