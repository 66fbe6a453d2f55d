// Heap allocations counted by a replacement of the global operator new (linked into each
// benchmark that reports an allocs_per_... counter), so that a benchmark can say how many
// allocations a steady-state pass makes.
#pragma once

namespace bench {

// Allocations through operator new since the program started.
long AllocationCount();

} // namespace bench
