// glodanje-batch run in the test's own process: its exit status and what it wrote.
#pragma once

#include "batch/batch_run.h"

#include <sstream>
#include <string>
#include <vector>

namespace batch {
using namespace lab;

struct CommandOutput {
    int status;
    std::string out;
    std::string err;
};

inline CommandOutput RunCommand(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBatchCommand(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace batch
