// The SSE2 kernels of the step loop, shared by the SSE2 path and the
// wider paths' steps that have nothing wider to offer.
#pragma once

#include "format/charset/utf8_steps.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>

namespace qrv::charset {
namespace sse2 {

// (mask & a) | (~mask & b), lane by lane.
inline __m128i select(__m128i mask, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}

inline __m128i load(const uint8_t *p) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)); }

struct Sse2Kernels {
    static bool pack_ascii(uint8_t *out, const uint8_t *p) {
        const __m128i v = load(p);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, _mm_set1_epi16(static_cast<short>(0xFF80))),
                                              _mm_setzero_si128())) != 0xFFFF)
            return false;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(v, v));
        return true;
    }

    static bool without_surrogates(const uint8_t *p) {
        const __m128i halves = _mm_cmpeq_epi16(_mm_and_si128(load(p), _mm_set1_epi16(static_cast<short>(0xF800))),
                                               _mm_set1_epi16(static_cast<short>(0xD800)));
        return _mm_movemask_epi8(halves) == 0;
    }

    // The bytes and the length of every unit come out of vector lanes at
    // once; each unit then stores four bytes (the first n count) where the
    // ones before it end, so the stores are the only serial step.
    static size_t encode_bmp(uint8_t *out, const uint8_t *p) {
        const __m128i c = load(p);
        const __m128i zero = _mm_setzero_si128();
        const __m128i low6 = _mm_set1_epi16(0x3F), mark = _mm_set1_epi16(0x80);
        const __m128i one_byte = _mm_cmpeq_epi16(_mm_and_si128(c, _mm_set1_epi16(static_cast<short>(0xFF80))), zero);
        const __m128i up_to_two = _mm_cmpeq_epi16(_mm_and_si128(c, _mm_set1_epi16(static_cast<short>(0xF800))), zero);
        const __m128i last = _mm_or_si128(mark, _mm_and_si128(c, low6));
        const __m128i middle = _mm_or_si128(mark, _mm_and_si128(_mm_srli_epi16(c, 6), low6));
        const __m128i lead2 = _mm_or_si128(_mm_set1_epi16(0xC0), _mm_srli_epi16(c, 6));
        const __m128i lead3 = _mm_or_si128(_mm_set1_epi16(0xE0), _mm_srli_epi16(c, 12));
        const __m128i first = select(up_to_two, select(one_byte, c, lead2), lead3);
        const __m128i second = select(up_to_two, last, middle);
        const __m128i head = _mm_or_si128(first, _mm_slli_epi16(second, 8));
        alignas(16) uint32_t bytes[8];
        alignas(16) uint16_t length[8];
        _mm_store_si128(reinterpret_cast<__m128i *>(bytes), _mm_unpacklo_epi16(head, last));
        _mm_store_si128(reinterpret_cast<__m128i *>(bytes + 4), _mm_unpackhi_epi16(head, last));
        _mm_store_si128(reinterpret_cast<__m128i *>(length),
                        _mm_add_epi16(_mm_set1_epi16(3), _mm_add_epi16(one_byte, up_to_two)));
        size_t n = 0;
        for (size_t k = 0; k < kStep; ++k) {
            std::memcpy(out + n, &bytes[k], sizeof bytes[k]);
            n += length[k];
        }
        return n;
    }
};

}  // namespace sse2

// SSE2 steps over about budget units, for the AVX2 path to hand its blocks
// without surrogate halves to: within the AVX2 loop the same steps run at
// two thirds of their speed here.
void utf8_steps_sse2(Utf8Cursor &c, size_t budget);

}  // namespace qrv::charset
#endif
