// Resident memory of this process, for the tests and the soak that check it stays flat.
#pragma once

#include <fstream>
#include <unistd.h>

namespace support {

// Resident set size in bytes, from the second field of /proc/self/statm (pages).
inline long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long sizePages = 0;
    long residentPages = 0;
    statm >> sizePages >> residentPages;
    return residentPages * sysconf(_SC_PAGESIZE);
}

} // namespace support
