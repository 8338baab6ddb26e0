// The AVX2 path: sixteen ASCII units a step packed to bytes; units without
// surrogate halves by stretches of SSE2 steps; or eight
// units with them, surrogate pairs included, encoded in 32-bit lanes (four
// bytes each, of which the character's length count) and closed up by a
// byte shuffle from a table indexed by the four lengths of each 128-bit
// half.
#include "format/charset/utf8_encode.hpp"
#include "format/charset/utf8_sse2_kernels.hpp"
#include "format/charset/vector_target.hpp"

#include <array>

#if QRV_X86_VECTOR_TARGETS
#include <immintrin.h>
#endif

namespace qrv::charset {
#if QRV_X86_VECTOR_TARGETS
namespace {

constexpr size_t kAsciiStep = 16;
// A general step reads one unit past itself (the partner of a high half),
// and stores two 16-byte halves, the second at most 13 bytes on.
constexpr size_t kAvx2StepUnitsRead = kStep + 1;
constexpr size_t kAvx2StepRoom = 32;
// Units handed to the SSE2 steps at a time.
constexpr size_t kSse2Stretch = 256;
constexpr uint32_t kLengthKinds = 5;  // 0 (a pair's low half) to 4 bytes
constexpr uint32_t kPatterns = kLengthKinds * kLengthKinds * kLengthKinds * kLengthKinds;

// For each pattern l0 + 5 l1 + 25 l2 + 125 l3 of four lane lengths: the
// shuffle that keeps the first l_k bytes of lane k, closed up, and their
// total.
struct Closing {
    std::array<std::array<uint8_t, 16>, kPatterns> shuffle{};
    std::array<uint8_t, kPatterns> length{};
};

constexpr Closing kClosing = [] {
    Closing table{};
    for (uint32_t pattern = 0; pattern < kPatterns; ++pattern) {
        uint32_t at = 0;
        for (uint32_t lane = 0, rest = pattern; lane < 4; ++lane, rest /= kLengthKinds) {
            for (uint32_t k = 0; k < rest % kLengthKinds; ++k) table.shuffle[pattern][at++] = uint8_t(4 * lane + k);
        }
        table.length[pattern] = static_cast<uint8_t>(at);
        for (uint32_t k = at; k < 16; ++k) table.shuffle[pattern][k] = 0x80;  // a zero byte
    }
    return table;
}();

QRV_TARGET_AVX2 inline __m256i set32x8(uint32_t v) { return _mm256_set1_epi32(static_cast<int>(v)); }

QRV_TARGET_AVX2 inline __m256i at_least(__m256i v, uint32_t bound) { return _mm256_cmpgt_epi32(v, set32x8(bound - 1)); }

QRV_STEP_AVX2 bool step_ascii(Utf8Cursor &c) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(c.src + 2 * c.in));
    if (!_mm256_testz_si256(v, _mm256_set1_epi16(static_cast<short>(0xFF80)))) return false;
    const __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi16(v, v), 0x08);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(c.dst + c.out), _mm256_castsi256_si128(packed));
    c.in += kAsciiStep;
    c.out += kAsciiStep;
    return true;
}

// The four bytes of every lane's code point, lead byte first.
QRV_STEP_AVX2 __m256i lane_bytes_avx2(__m256i cp, __m256i two, __m256i three, __m256i four) {
    const __m256i low6 = set32x8(0x3F), mark = set32x8(0x80);
    const __m256i t0 = _mm256_or_si256(mark, _mm256_and_si256(cp, low6));
    const __m256i t1 = _mm256_or_si256(mark, _mm256_and_si256(_mm256_srli_epi32(cp, 6), low6));
    const __m256i t2 = _mm256_or_si256(mark, _mm256_and_si256(_mm256_srli_epi32(cp, 12), low6));
    const __m256i w2 =
        _mm256_or_si256(_mm256_or_si256(set32x8(0xC0), _mm256_srli_epi32(cp, 6)), _mm256_slli_epi32(t0, 8));
    const __m256i w3 = _mm256_or_si256(_mm256_or_si256(set32x8(0xE0), _mm256_srli_epi32(cp, 12)),
                                       _mm256_or_si256(_mm256_slli_epi32(t1, 8), _mm256_slli_epi32(t0, 16)));
    const __m256i w4 =
        _mm256_or_si256(_mm256_or_si256(set32x8(0xF0), _mm256_srli_epi32(cp, 18)),
                        _mm256_or_si256(_mm256_slli_epi32(t2, 8),
                                        _mm256_or_si256(_mm256_slli_epi32(t1, 16), _mm256_slli_epi32(t0, 24))));
    __m256i word = _mm256_blendv_epi8(cp, w2, two);
    word = _mm256_blendv_epi8(word, w3, three);
    return _mm256_blendv_epi8(word, w4, four);
}

QRV_STEP_AVX2 void step_general_avx2(Utf8Cursor &c) {
    const uint8_t *p = c.src + 2 * c.in;
    const __m256i unit = _mm256_cvtepu16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)));
    const __m256i next = _mm256_cvtepu16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 2)));
    const __m256i kind = set32x8(0xFC00);
    const __m256i pair = _mm256_and_si256(_mm256_cmpeq_epi32(_mm256_and_si256(unit, kind), set32x8(0xD800)),
                                          _mm256_cmpeq_epi32(_mm256_and_si256(next, kind), set32x8(0xDC00)));
    const auto pairs = static_cast<uint32_t>(_mm256_movemask_ps(_mm256_castsi256_ps(pair)));
    const __m256i joined = _mm256_add_epi32(_mm256_slli_epi32(_mm256_sub_epi32(unit, set32x8(0xD800)), 10),
                                            _mm256_sub_epi32(next, set32x8(0xDC00 - 0x10000)));
    const __m256i cp = _mm256_blendv_epi8(unit, joined, pair);
    const __m256i two = at_least(cp, 0x80), three = at_least(cp, 0x800), four = at_least(cp, 0x10000);
    __m256i length = _mm256_sub_epi32(_mm256_sub_epi32(_mm256_sub_epi32(set32x8(1), two), three), four);
    // A pair's low half writes nothing; a pair that starts in the last lane
    // is left to the next step.
    const __m256i after_pair = _mm256_blend_epi32(
        _mm256_permutevar8x32_epi32(pair, _mm256_setr_epi32(0, 0, 1, 2, 3, 4, 5, 6)), _mm256_setzero_si256(), 1);
    length = _mm256_andnot_si256(after_pair, length);
    const bool last_starts_pair = (pairs & 0x80) != 0;
    if (last_starts_pair) length = _mm256_blend_epi32(length, _mm256_setzero_si256(), 0x80);
    const __m256i weights = _mm256_setr_epi32(1, 5, 25, 125, 1, 5, 25, 125);
    const __m256i weighted = _mm256_mullo_epi32(length, weights);
    const __m256i sums = _mm256_hadd_epi32(_mm256_hadd_epi32(weighted, weighted), weighted);
    const auto low_pattern = static_cast<uint32_t>(_mm256_extract_epi32(sums, 0));
    const auto high_pattern = static_cast<uint32_t>(_mm256_extract_epi32(sums, 4));
    const __m256i shuffle = _mm256_inserti128_si256(
        _mm256_castsi128_si256(
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(kClosing.shuffle[low_pattern].data()))),
        _mm_loadu_si128(reinterpret_cast<const __m128i *>(kClosing.shuffle[high_pattern].data())), 1);
    const __m256i bytes = _mm256_shuffle_epi8(lane_bytes_avx2(cp, two, three, four), shuffle);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(c.dst + c.out), _mm256_castsi256_si128(bytes));
    c.out += kClosing.length[low_pattern];
    _mm_storeu_si128(reinterpret_cast<__m128i *>(c.dst + c.out), _mm256_extracti128_si256(bytes, 1));
    c.out += kClosing.length[high_pattern];
    c.in += last_starts_pair ? kStep - 1 : kStep;
}

}  // namespace

QRV_TARGET_AVX2 void utf8_bulk_avx2(Utf8Cursor &cursor) {
    // A copy of the cursor, which stores through the byte pointers cannot
    // touch, stays in registers.
    Utf8Cursor c = cursor;
    while (c.units_left() >= kAvx2StepUnitsRead && c.room() >= kAvx2StepRoom) {
        if (c.units_left() >= kAsciiStep && step_ascii(c)) continue;
        if (!sse2::Sse2Kernels::without_surrogates(c.src + 2 * c.in)) {
            step_general_avx2(c);
            continue;
        }
        cursor = c;
        utf8_steps_sse2(cursor, kSse2Stretch);
        c = cursor;
    }
    cursor = c;  // c itself never escapes
    utf8_bulk_sse2(cursor);
}
#else
void utf8_bulk_avx2(Utf8Cursor &c) { utf8_bulk_sse2(c); }
#endif

}  // namespace qrv::charset
