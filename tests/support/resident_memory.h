// Memory of this process, for the tests and the soak that check it stays flat: the resident size
// the system sees, and the bytes the program's live heap blocks hold.
#pragma once

#include <cstddef>
#include <fstream>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define GLODANJE_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GLODANJE_ADDRESS_SANITIZER 1
#endif
#endif

#ifdef GLODANJE_ADDRESS_SANITIZER
// The sanitizer allocator's count of the bytes in blocks allocated and not yet freed; blocks
// waiting in its quarantine are not counted.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace support {

// Resident set size in bytes, from the second field of /proc/self/statm (pages). Under
// AddressSanitizer it measures the sanitizer (its quarantine and shadow memory) more than the
// program.
inline long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long sizePages = 0;
    long residentPages = 0;
    statm >> sizePages >> residentPages;
    return residentPages * sysconf(_SC_PAGESIZE);
}

// Bytes held by the heap blocks in use: what the allocator handed out and has not been given
// back, without its own bookkeeping or free lists. Comparable with and without AddressSanitizer.
inline long HeapBytesInUse() {
#ifdef GLODANJE_ADDRESS_SANITIZER
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
#endif
}

} // namespace support
