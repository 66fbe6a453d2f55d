#pragma once

// The AVX2 span store, compiled for that instruction set alone and called only where the
// processor has it.

#include <cstddef>
#include <cstdint>

namespace canvas {

#if defined(__x86_64__)
// Eight pixels per store; the last store ends at the span's end and may overlap the one before
// it, so no pixel-by-pixel tail is left. Needs more than kShortSpan pixels.
void StorePixelsAvx2(std::uint32_t* first, std::size_t count, std::uint32_t pixel);
#endif

} // namespace canvas
