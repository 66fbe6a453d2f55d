#include "canvas/span_store_avx2.h"

#if defined(__x86_64__)
#include <immintrin.h>

namespace canvas {

__attribute__((target("avx2"))) void StorePixelsAvx2(std::uint32_t* first, std::size_t count,
                                                     std::uint32_t pixel) {
    const __m256i eight = _mm256_set1_epi32(static_cast<int>(pixel));
    std::uint32_t* const last = first + count - 8;
    for (std::uint32_t* p = first; p < last; p += 8) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), eight);
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(last), eight);
}

} // namespace canvas
#endif
