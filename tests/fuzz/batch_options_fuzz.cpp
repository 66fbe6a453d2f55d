// Fuzz target: the batch runner's command line. The bytes are the arguments, separated by NUL.
// Every vector must either parse, run and end with status 0, or end with status 1 or 2 and one
// line of error on standard error (after the warnings the window would also show), with nothing
// on standard output. Accepted vectors run a few ticks only, and any CSV file goes to one
// scratch file, so the fuzzer writes nowhere else.

#include "batch/batch_options.h"
#include "batch/batch_run.h"

#include "sim/materials.h"
#include "sim/tool_inputs.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr size_t kMaxArguments = 24;
constexpr const char* kTicksRun = "2";

[[noreturn]] void Fail(const std::string& what, const std::vector<std::string>& args,
                       const std::string& err) {
    std::string line;
    for (const std::string& arg : args) {
        line += " [" + arg + "]";
    }
    std::fprintf(stderr, "%s\narguments:%s\nstandard error:\n%s\n", what.c_str(), line.c_str(),
                 err.c_str());
    std::abort();
}

std::vector<std::string> SplitArguments(const uint8_t* data, size_t size) {
    std::vector<std::string> args;
    std::string current;
    for (size_t i = 0; i < size && args.size() < kMaxArguments; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    if (!current.empty() && args.size() < kMaxArguments) {
        args.push_back(current);
    }
    return args;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The message of a tool that does not suit the workpiece, as the material check gives it.
std::string MismatchMessage() {
    sim::SimState s;
    for (s.ToolMaterial = 1; s.ToolMaterial <= static_cast<int32_t>(sim::kToolMaterials.size());
         ++s.ToolMaterial) {
        for (s.WorkpieceMaterial = 1;
             s.WorkpieceMaterial <= static_cast<int32_t>(sim::kWorkpieceMaterials.size());
             ++s.WorkpieceMaterial) {
            if (const sim::MaterialsReport report = sim::ApplyMaterials(s);
                report.outcome == sim::MaterialsOutcome::Mismatch) {
                return report.message;
            }
        }
    }
    std::abort();
}

// The warnings a run may print before its error or its summary.
bool IsWarning(const std::string& line) {
    static const std::string mismatch = MismatchMessage();
    return line == sim::kSmallClearanceMessage || line == mismatch;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args = SplitArguments(data, size);
    const batch::ParseResult parsed = batch::ParseBatchOptions(args);
    if (!parsed.ok && (parsed.error.empty() || parsed.error.find('\n') != std::string::npos)) {
        Fail("the parser's error is not one line", args, parsed.error);
    }
    if (parsed.ok) {
        // A later repetition replaces an option: a short run, and the CSV in the scratch file.
        args.insert(args.end(), {"--ticks", kTicksRun});
        if (!parsed.options.csvPath.empty()) {
            static const std::string scratch =
                (std::filesystem::temp_directory_path() / "glodanje-batch-fuzz.csv").string();
            args.insert(args.end(), {"--csv", scratch});
        }
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = batch::RunBatchCommand(args, out, err);
    if (status == batch::kExitDone) {
        if (!parsed.ok) {
            Fail("rejected arguments ran", args, err.str());
        }
        if (out.str().empty() && parsed.options.csvPath.empty()) {
            Fail("a run wrote nothing", args, err.str());
        }
        return 0;
    }
    if (status != batch::kExitBadInput && status != batch::kExitCannotWrite) {
        Fail("exit status " + std::to_string(status), args, err.str());
    }
    if (!out.str().empty()) {
        Fail("a failed run wrote to standard output", args, err.str());
    }
    int errors = 0;
    for (const std::string& line : Lines(err.str())) {
        errors += IsWarning(line) ? 0 : 1;
    }
    if (errors != 1 || err.str().back() != '\n') {
        Fail("not exactly one line of error", args, err.str());
    }
    return 0;
}
