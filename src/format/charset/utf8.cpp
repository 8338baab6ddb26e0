// 16-bit text (machine order) to UTF-8.
#include <qrvex/charset.h>

#include <bit>
#include <cstring>

#include "format/charset/bounded_copy.hpp"
#include "format/charset/units.hpp"

namespace qrv::charset {
namespace {

constexpr bool is_high_surrogate(uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
constexpr bool is_low_surrogate(uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The code point that starts at unit i; used is set to the units it takes.
// A surrogate without its partner stands for itself.
inline uint32_t code_point_at(const uint8_t *src, size_t i, size_t units, size_t &used) {
    const uint32_t c = load_unit(src + 2 * i);
    if (is_high_surrogate(c) && i + 1 < units) {
        const uint32_t low = load_unit(src + 2 * i + 2);
        if (is_low_surrogate(low)) {
            used = 2;
            return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    used = 1;
    return c;
}

constexpr size_t encoded_length(uint32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

inline void put_encoded(uint8_t *out, uint32_t c, size_t n) {
    static constexpr uint8_t lead_mark[5] = {0, 0x00, 0xC0, 0xE0, 0xF0};
    for (size_t k = n - 1; k > 0; --k) {
        out[k] = static_cast<uint8_t>(0x80 | (c & 0x3F));
        c >>= 6;
    }
    out[0] = static_cast<uint8_t>(lead_mark[n] | c);
}

#if defined(__SSE2__)
// (mask & a) | (~mask & b), lane by lane.
inline __m128i select(__m128i mask, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}

// Eight units none of which is a surrogate half.  The bytes and the length
// of every unit come out of vector lanes at once; each unit then stores four
// bytes (the first n count) where the ones before it end, so the stores are
// the only serial step.
inline size_t encode_eight_bmp_units(uint8_t *out, const uint8_t *src) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src));
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
    for (int k = 0; k < 8; ++k) {
        std::memcpy(out + n, &bytes[k], sizeof bytes[k]);
        n += length[k];
    }
    return n;
}
#else
// The UTF-8 form of a unit that is not a surrogate half, without branches
// on its length: writes four bytes (three on big-endian machines), of which
// the first n count.
inline size_t put_bmp_unit(uint8_t *out, uint32_t c) {
    const bool two = c >= 0x80, three = c >= 0x800;
    const uint32_t last = 0x80 | (c & 0x3F);
    const uint32_t middle = 0x80 | ((c >> 6) & 0x3F);
    const uint32_t first = three ? 0xE0 | (c >> 12) : two ? 0xC0 | (c >> 6) : c;
    const uint32_t second = three ? middle : last;
    if constexpr (std::endian::native == std::endian::little) {
        const uint32_t bytes = first | second << 8 | last << 16;
        std::memcpy(out, &bytes, sizeof bytes);
    } else {
        out[0] = static_cast<uint8_t>(first);
        out[1] = static_cast<uint8_t>(second);
        out[2] = static_cast<uint8_t>(last);
    }
    return 1 + two + three;
}

// Eight units none of which is a surrogate half.
inline size_t encode_eight_bmp_units(uint8_t *out, const uint8_t *src) {
    size_t n = 0;
    for (int k = 0; k < 8; ++k) n += put_bmp_unit(out + n, load_unit(src + 2 * k));
    return n;
}
#endif

// Units handled per unchecked step.  A step writes at most three bytes a
// unit, plus one: for a pair whose low half lies just past the step, or for
// the fourth byte the branch-free encoder stores after its last unit.
constexpr size_t kStep = 8;
constexpr size_t kStepWorstBytes = 3 * kStep + 1;

// Converts units from *i to at most step_end (a pair may take one unit more)
// without bound checks; the caller made sure the room suffices.
inline void encode_step_unchecked(uint8_t *dst, size_t &out, const uint8_t *src, size_t &i, size_t step_end,
                                  size_t units) {
    while (i < step_end) {
        size_t used;
        const uint32_t c = code_point_at(src, i, units, used);
        const size_t n = encoded_length(c);
        put_encoded(dst + out, c, n);
        out += n;
        i += used;
    }
}

// Whole steps, as long as a step of source is left and the room takes the
// step's worst case.
inline void encode_steps(uint8_t *dst, size_t &out, size_t limit, const uint8_t *src, size_t &i, size_t units) {
    while (units - i >= kStep && limit - out >= kStepWorstBytes) {
        if (pack_eight_ascii_units(dst + out, src + 2 * i)) {
            i += kStep;
            out += kStep;
        } else if (eight_units_without_surrogates(src + 2 * i)) {
            out += encode_eight_bmp_units(dst + out, src + 2 * i);
            i += kStep;
        } else {
            encode_step_unchecked(dst, out, src, i, i + kStep, units);
        }
    }
}

int32_t utf16_to_utf8(uint8_t *dst, uint32_t dst_size, const uint8_t *src, uint32_t src_size) {
    if (dst_size < 1) return kCut;
    const size_t units = src_size / 2;
    const size_t limit = dst_size - 1;
    size_t i = 0, out = 0;
    bool cut = false;
    while (i < units) {
        encode_steps(dst, out, limit, src, i, units);
        if (i >= units) break;
        size_t used;
        const uint32_t c = code_point_at(src, i, units, used);
        const size_t n = encoded_length(c);
        if (out + n > limit) {
            cut = true;
            break;
        }
        put_encoded(dst + out, c, n);
        out += n;
        i += used;
    }
    dst[out] = 0;
    return cut ? kCut : static_cast<int32_t>(out);
}

}  // namespace
}  // namespace qrv::charset

// A surrogate pair becomes one four-byte sequence; a surrogate without its
// partner (also a high one that ends the source) is written as the three
// bytes of its own value.  A character that would not fit below
// dstSize - 1 bytes stops the conversion: the result is then -1, else the
// bytes written.  The destination is always terminated with one zero byte.
extern "C" QRVAPI int32_t FUConvertUnicodeToUTF8(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize) {
    return qrv::charset::utf16_to_utf8(static_cast<uint8_t *>(dst), dstSize, static_cast<const uint8_t *>(src),
                                       srcSize);
}
