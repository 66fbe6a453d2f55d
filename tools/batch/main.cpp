// glodanje-batch: one milling simulation without a window; see --help.

#include "batch_run.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return batch::RunBatchCommand(args, std::cout, std::cerr);
}
