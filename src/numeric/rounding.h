#pragma once

// Rounding of reals to integers, shared by the simulation, the cutter view and the chart
// engine. Pixel positions and traces depend on it bit for bit.

#include <cmath>
#include <cstdint>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace numeric {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Results beyond
// the range of int32_t saturate at its ends instead of wrapping; NaN gives 0.
inline int32_t Round(double x) {
    if (!(x == x)) {
        return 0;
    }
    if (x >= 2147483647.0) {
        return std::numeric_limits<int32_t>::max();
    }
    if (x <= -2147483648.0) {
        return std::numeric_limits<int32_t>::min();
    }
    // Next to 2^52 a double has no fraction bits, so adding 2^52 (with x's sign) rounds x to the
    // nearest integer with ties to even, in the default rounding mode that is never changed.
    // This is nearbyint without its library call; the simulation's tick runs it 16800 times.
    const double shift = std::copysign(4503599627370496.0, x); // 2^52
    return static_cast<int32_t>((x + shift) - shift);
}

#if defined(__SSE2__)
// Round of both lanes of x, as int32 in the low two lanes of the result (the high two are 0).
inline __m128i RoundLanes(__m128d x) {
    const __m128d sign = _mm_and_pd(x, _mm_set1_pd(-0.0));
    const __m128d shift = _mm_or_pd(_mm_set1_pd(4503599627370496.0), sign); // +-2^52
    __m128d r = _mm_sub_pd(_mm_add_pd(x, shift), shift);
    // Saturation (a NaN lane stays NaN through both), then NaN to 0; the lanes are whole
    // numbers inside the int32 range, so truncation converts them exactly.
    r = _mm_max_pd(r, _mm_set1_pd(-2147483648.0));
    r = _mm_min_pd(r, _mm_set1_pd(2147483647.0));
    r = _mm_and_pd(r, _mm_cmpord_pd(x, x));
    return _mm_cvttpd_epi32(r);
}
#endif

// Round(a) and Round(b) in one go: the same arithmetic on both lanes of a vector where the
// processor has them. Bit for bit the results of Round, NaN and saturation included.
inline void RoundPair(double a, double b, int32_t& ra, int32_t& rb) {
#if defined(__SSE2__)
    const __m128i n = RoundLanes(_mm_set_pd(b, a));
    ra = _mm_cvtsi128_si32(n);
    rb = _mm_cvtsi128_si32(_mm_srli_si128(n, 4));
#else
    ra = Round(a);
    rb = Round(b);
#endif
}

// Two points at once: out[0..3] = Round(x0), Round(y0), Round(x1), Round(y1), two points'
// coordinates rounded into (x, y) pairs (the workpiece moves 700 points twelve times a tick).
// Bit for bit Round's results.
inline void RoundTwoPoints(double x0, double y0, double x1, double y1, int32_t (&out)[4]) {
#if defined(__SSE2__)
    // The processor's conversion rounds to nearest with ties to even in the default rounding
    // mode, as Round does. It gives INT32_MIN for NaN and for values out of range; any lane
    // holding INT32_MIN is done again by Round, which also gives INT32_MIN where that is right.
    const __m128i rx = _mm_cvtpd_epi32(_mm_set_pd(x1, x0));
    const __m128i ry = _mm_cvtpd_epi32(_mm_set_pd(y1, y0));
    const __m128i r = _mm_unpacklo_epi32(rx, ry);
    const __m128i atMinimum =
        _mm_cmpeq_epi32(r, _mm_set1_epi32(std::numeric_limits<int32_t>::min()));
    if (_mm_movemask_epi8(atMinimum) == 0) [[likely]] {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), r);
        return;
    }
#endif
    out[0] = Round(x0);
    out[1] = Round(y0);
    out[2] = Round(x1);
    out[3] = Round(y1);
}

} // namespace numeric
