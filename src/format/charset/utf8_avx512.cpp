// The AVX-512 path (with the byte compress of VBMI2, the byte picks of VBMI): thirty-two ASCII units
// a step narrowed to bytes; thirty-two units below U+0800 encoded in 16-bit
// lanes; or sixteen units of any kind, surrogate pairs included, encoded in
// 32-bit lanes.  Each lane holds its character's bytes lead first, and one
// byte compress closes them up.
#include "format/charset/utf8_encode.hpp"
#include "format/charset/vector_target.hpp"

#if QRV_X86_VECTOR_TARGETS
#if defined(__GNUC__) && !defined(__clang__)
// GCC 12 takes the intrinsics' undefined pass-through operands for
// uninitialised variables.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>
#endif

namespace qrv::charset {
#if QRV_X86_VECTOR_TARGETS
namespace {

constexpr size_t kWideStep = 32;
constexpr size_t kAvx512Step = 16;
// A general step reads one unit past itself (the partner of a high half);
// every step stores 64 bytes, of which it keeps at most 64.
constexpr size_t kAvx512StepUnitsRead = kAvx512Step + 1;
constexpr size_t kAvx512StepRoom = 64;
// Two halves of sixteen three-byte units: the second store starts 48 bytes in.
constexpr size_t kTwoHalvesRoom = 48 + 64;

QRV_TARGET_AVX512 inline __m512i set16x32(uint16_t v) { return _mm512_set1_epi16(static_cast<short>(v)); }
QRV_TARGET_AVX512 inline __m512i set32x16(uint32_t v) { return _mm512_set1_epi32(static_cast<int>(v)); }

// Per bit length of a code point (0 to 21): the bit offsets of its bytes
// within its 32 bits, lead first; the lead byte's mark; and its length in
// every byte of the lane.
constexpr uint32_t kOffsets[32] = {
    0x00000000, 0x00000000, 0x00000000, 0x00000000, 0x00000000, 0x00000000, 0x00000000, 0x00000000,  // 1 byte
    0x00000006, 0x00000006, 0x00000006, 0x00000006,                                                  // 2 bytes
    0x0000060C, 0x0000060C, 0x0000060C, 0x0000060C, 0x0000060C,                                      // 3 bytes
    0x00060C12, 0x00060C12, 0x00060C12, 0x00060C12, 0x00060C12, 0,          0,          0,
    0,          0,          0,          0,          0,          0,          0};  // 4 bytes
constexpr uint32_t kLeadMarks[32] = {0x80808000, 0x80808000, 0x80808000, 0x80808000, 0x80808000, 0x80808000, 0x80808000,
                                     0x80808000, 0x808080C0, 0x808080C0, 0x808080C0, 0x808080C0, 0x808080E0, 0x808080E0,
                                     0x808080E0, 0x808080E0, 0x808080E0, 0x808080F0, 0x808080F0, 0x808080F0, 0x808080F0,
                                     0x808080F0, 0,          0,          0,          0,          0,          0,
                                     0,          0,          0,          0};
constexpr uint32_t kLengths[32] = {0x01010101, 0x01010101, 0x01010101, 0x01010101, 0x01010101, 0x01010101, 0x01010101,
                                   0x01010101, 0x02020202, 0x02020202, 0x02020202, 0x02020202, 0x03030303, 0x03030303,
                                   0x03030303, 0x03030303, 0x03030303, 0x04040404, 0x04040404, 0x04040404, 0x04040404,
                                   0x04040404, 0,          0,          0,          0,          0,          0,
                                   0,          0,          0,          0};

QRV_TARGET_AVX512 inline __m512i by_bit_length(__m512i index, const uint32_t (&table)[32]) {
    return _mm512_permutex2var_epi32(_mm512_loadu_si512(table), index, _mm512_loadu_si512(table + 16));
}

// The UTF-8 bytes of sixteen code points, each lane's lead first, and the
// lanes' lengths in every byte of the lane (0 in the silent lanes).
QRV_STEP_AVX512 __m512i lane_bytes_avx512(__m512i cp, __mmask16 silent, __m512i &length) {
    // Each byte picked from the code point at its offset (the odd lane of a
    // 64-bit pair sits 32 bits up), then marked.
    const __m512i index = _mm512_sub_epi32(set32x16(32), _mm512_lzcnt_epi32(cp));
    const __m512i offsets = _mm512_add_epi32(by_bit_length(index, kOffsets),
                                             _mm512_set1_epi64(static_cast<long long>(0x2020202000000000ull)));
    const __m512i picked = _mm512_and_si512(_mm512_multishift_epi64_epi8(offsets, cp), set32x16(0x3F3F3FFF));
    length = _mm512_maskz_permutex2var_epi32(static_cast<__mmask16>(~silent), _mm512_loadu_si512(kLengths), index,
                                             _mm512_loadu_si512(kLengths + 16));
    return _mm512_or_si512(picked, by_bit_length(index, kLeadMarks));
}

QRV_STEP_AVX512 void store_kept(Utf8Cursor &c, __mmask64 keep, __m512i bytes) {
    _mm512_storeu_si512(c.dst + c.out, _mm512_maskz_compress_epi8(keep, bytes));
    c.out += static_cast<size_t>(__builtin_popcountll(keep));
}

// The bytes of each lane, closed up: a lane keeps as many bytes as its
// length (each byte of length holds it) says.
QRV_STEP_AVX512 void store_lanes(Utf8Cursor &c, __m512i bytes, __m512i length) {
    store_kept(c, _mm512_cmpgt_epu8_mask(length, set32x16(0x03020100)), bytes);
}

// Thirty-two units none of which is a surrogate half, in two halves of
// sixteen 32-bit lanes; false when one is.
QRV_STEP_AVX512 bool step_without_surrogates(Utf8Cursor &c, __m512i v) {
    if (c.room() < kTwoHalvesRoom) return false;
    if (_mm512_cmpeq_epi16_mask(_mm512_and_si512(v, set16x32(0xF800)), set16x32(0xD800)) != 0) return false;
    for (int half = 0; half < 2; ++half) {
        const __m512i cp =
            _mm512_cvtepu16_epi32(half == 0 ? _mm512_castsi512_si256(v) : _mm512_extracti64x4_epi64(v, 1));
        __m512i length;
        const __m512i bytes = lane_bytes_avx512(cp, 0, length);
        store_lanes(c, bytes, length);
    }
    c.in += kWideStep;
    return true;
}

// Thirty-two units, all ASCII or all below U+0800, or none a surrogate
// half; false for others.
QRV_STEP_AVX512 bool step_narrow(Utf8Cursor &c) {
    const __m512i v = _mm512_loadu_si512(c.src + 2 * c.in);
    const __mmask32 two = _mm512_test_epi16_mask(v, set16x32(0xFF80));
    if (two == 0) {
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(c.dst + c.out), _mm512_cvtepi16_epi8(v));
        c.out += kWideStep;
        c.in += kWideStep;
        return true;
    }
    if (_mm512_test_epi16_mask(v, set16x32(0xF800)) != 0) return step_without_surrogates(c, v);
    const __m512i lead = _mm512_or_si512(set16x32(0xC0), _mm512_srli_epi16(v, 6));
    const __m512i trail = _mm512_or_si512(set16x32(0x80), _mm512_and_si512(v, set16x32(0x3F)));
    const __m512i bytes = _mm512_mask_blend_epi16(two, v, _mm512_or_si512(lead, _mm512_slli_epi16(trail, 8)));
    // Every lane keeps its first byte, a two-byte lane its second too.
    const __m512i marks = _mm512_mask_blend_epi16(two, set16x32(0x0001), set16x32(0x0101));
    store_kept(c, _mm512_test_epi8_mask(marks, marks), bytes);
    c.in += kWideStep;
    return true;
}

QRV_STEP_AVX512 void step_general_avx512(Utf8Cursor &c) {
    const uint8_t *p = c.src + 2 * c.in;
    const __m512i unit = _mm512_cvtepu16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i *>(p)));
    const __m512i next = _mm512_cvtepu16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i *>(p + 2)));
    const __m512i kind = set32x16(0xFC00);
    const __mmask16 pairs = _mm512_cmpeq_epi32_mask(_mm512_and_si512(unit, kind), set32x16(0xD800)) &
                            _mm512_cmpeq_epi32_mask(_mm512_and_si512(next, kind), set32x16(0xDC00));
    const __m512i joined = _mm512_add_epi32(_mm512_slli_epi32(_mm512_sub_epi32(unit, set32x16(0xD800)), 10),
                                            _mm512_sub_epi32(next, set32x16(0xDC00 - 0x10000)));
    const __m512i cp = _mm512_mask_mov_epi32(unit, pairs, joined);
    // A pair's low half writes nothing; a pair that starts in the last lane
    // is left to the next step.
    const bool last_starts_pair = (pairs & 0x8000) != 0;
    const auto silent = static_cast<__mmask16>((pairs << 1) | (last_starts_pair ? 0x8000 : 0));

    __m512i length;
    const __m512i bytes = lane_bytes_avx512(cp, silent, length);
    store_lanes(c, bytes, length);
    c.in += last_starts_pair ? kAvx512Step - 1 : kAvx512Step;
}

}  // namespace

QRV_TARGET_AVX512 void utf8_bulk_avx512(Utf8Cursor &cursor) {
    // A copy of the cursor, which stores through the byte pointers cannot
    // touch, stays in registers.
    Utf8Cursor c = cursor;
    while (c.units_left() >= kAvx512StepUnitsRead && c.room() >= kAvx512StepRoom) {
        if (c.units_left() >= kWideStep && step_narrow(c)) continue;
        step_general_avx512(c);
    }
    cursor = c;  // c itself never escapes
    utf8_bulk_avx2(cursor);
}
#else
void utf8_bulk_avx512(Utf8Cursor &c) { utf8_bulk_avx2(c); }
#endif

}  // namespace qrv::charset
