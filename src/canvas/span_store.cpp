// The stores of a copy-mode span: the plain loop, and the choice of the widest stores the
// processor has, made once per process. Both routines write the same pixels.
#include "canvas/raster_internal.h"
#include "canvas/span_store_avx2.h"

namespace canvas {
namespace {

void StorePixelsPlain(std::uint32_t* first, std::size_t count, std::uint32_t pixel) {
    for (std::size_t i = 0; i < count; ++i) {
        first[i] = pixel;
    }
}

// The widest stores the processor has.
StoreRoutine ChooseStorePixels() {
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx2")) {
        return StorePixelsAvx2;
    }
#endif
    return StorePixelsPlain;
}

void StorePixelsFirst(std::uint32_t* first, std::size_t count, std::uint32_t pixel);

} // namespace

// The store routine, chosen on the first long span; constant-initialised, so that it is set
// before any figure is drawn, and read without a guard.
std::atomic<StoreRoutine> storePixels{StorePixelsFirst};

namespace {

void StorePixelsFirst(std::uint32_t* first, std::size_t count, std::uint32_t pixel) {
    const StoreRoutine chosen = ChooseStorePixels();
    storePixels.store(chosen, std::memory_order_relaxed);
    chosen(first, count, pixel);
}

} // namespace
} // namespace canvas
