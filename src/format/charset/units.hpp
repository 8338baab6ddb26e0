// Byte-level access to 16-bit units at any alignment, and the SSE2 kernels
// the converters share.  Every kernel has a plain loop for the tail and for
// builds without SSE2 (the 32-bit build), with exactly the same output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qrv::charset {

// A 16-bit unit in the byte order of the running machine.
inline uint16_t load_unit(const uint8_t *p) {
    uint16_t u;
    std::memcpy(&u, p, sizeof u);
    return u;
}

inline void store_unit(uint8_t *p, uint16_t u) { std::memcpy(p, &u, sizeof u); }

// dst[k] = src[2k + byte] for k < count: keeps one byte of every unit.
template <int byte>
void keep_byte_of_units(uint8_t *dst, const uint8_t *src, size_t count) {
    size_t k = 0;
#if defined(__SSE2__)
    const __m128i low = _mm_set1_epi16(0x00FF);
    for (; k + 16 <= count; k += 16) {
        __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + 2 * k));
        __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + 2 * k + 16));
        if constexpr (byte == 0) {
            a = _mm_and_si128(a, low);
            b = _mm_and_si128(b, low);
        } else {
            a = _mm_srli_epi16(a, 8);
            b = _mm_srli_epi16(b, 8);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + k), _mm_packus_epi16(a, b));
    }
#endif
    for (; k < count; ++k) dst[k] = src[2 * k + byte];
}

// dst[2k + byte] = src[k], dst[2k + 1 - byte] = 0: widens every byte.
template <int byte>
void spread_bytes_to_units(uint8_t *dst, const uint8_t *src, size_t count) {
    size_t k = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; k + 16 <= count; k += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + k));
        __m128i lo, hi;
        if constexpr (byte == 0) {
            lo = _mm_unpacklo_epi8(v, zero);
            hi = _mm_unpackhi_epi8(v, zero);
        } else {
            lo = _mm_unpacklo_epi8(zero, v);
            hi = _mm_unpackhi_epi8(zero, v);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + 2 * k), lo);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + 2 * k + 16), hi);
    }
#endif
    for (; k < count; ++k) {
        dst[2 * k + byte] = src[k];
        dst[2 * k + 1 - byte] = 0;
    }
}

// Exchanges the two bytes of each of count units.  dst may equal src.
inline void swap_unit_bytes(uint8_t *dst, const uint8_t *src, size_t count) {
    size_t k = 0;
#if defined(__SSE2__)
    for (; k + 8 <= count; k += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + 2 * k));
        const __m128i swapped = _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + 2 * k), swapped);
    }
#endif
    for (; k < count; ++k) {
        const uint8_t first = src[2 * k];
        dst[2 * k] = src[2 * k + 1];
        dst[2 * k + 1] = first;
    }
}

}  // namespace qrv::charset
