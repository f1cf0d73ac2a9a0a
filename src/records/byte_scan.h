// Finding the next byte that matters in a buffer of text.
#pragma once

#include <cstddef>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fv {

// The index of the first byte at or after from that is a, b or c; n when there is none. Sixteen bytes
// at a time where the processor has SSE2, so that a field is looked at once, whatever its length.
inline std::size_t FirstOfThree(const char* d, std::size_t from, std::size_t n, char a, char b, char c) {
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(a), vb = _mm_set1_epi8(b), vc = _mm_set1_epi8(c);
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i hit =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, va), _mm_cmpeq_epi8(x, vb)), _mm_cmpeq_epi8(x, vc));
        if (const int mask = _mm_movemask_epi8(hit)) return i + std::size_t(__builtin_ctz(unsigned(mask)));
    }
#endif
    for (; i < n; ++i)
        if (d[i] == a || d[i] == b || d[i] == c) return i;
    return n;
}

}  // namespace fv
