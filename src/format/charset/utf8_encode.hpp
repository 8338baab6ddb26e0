// UTF-8 encoding of 16-bit text: the per-character rules every path shares,
// and the vector paths that convert long stretches at once.
//
// A path's bulk step converts whole blocks of units while the source holds
// a block and the destination has room for the block's widest store; it
// never cuts a character, so the exact cut-off is left to the per-character
// loop that follows it.  Every path writes the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "format/charset/units.hpp"

namespace qrv::charset {

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

// Where a conversion stands: units read, bytes written, and the bounds.
struct Utf8Cursor {
    uint8_t *dst;
    size_t out;    // bytes written
    size_t limit;  // bytes that may be written (terminator excluded)
    const uint8_t *src;
    size_t in;     // units read
    size_t units;  // units in the source

    size_t room() const { return limit - out; }
    size_t units_left() const { return units - in; }

    // Converts the character at the cursor without bound checks.
    void encode_one() {
        size_t used;
        const uint32_t c = code_point_at(src, in, units, used);
        const size_t n = encoded_length(c);
        put_encoded(dst + out, c, n);
        out += n;
        in += used;
    }
};

// The vector paths, from the plainest to the widest.
enum class Utf8Path { kScalar, kSse2, kAvx2, kAvx512 };
constexpr Utf8Path kUtf8Paths[] = {Utf8Path::kScalar, Utf8Path::kSse2, Utf8Path::kAvx2, Utf8Path::kAvx512};

// True when this build has the path and the running processor can take it.
bool utf8_path_available(Utf8Path path);
// The widest available path.
Utf8Path best_utf8_path();

// FUConvertUnicodeToUTF8 on the given path (which must be available).
int32_t utf16_to_utf8(Utf8Path path, uint8_t *dst, uint32_t dst_size, const uint8_t *src, uint32_t src_size);

// Bulk steps of each path (see the top of this file).
void utf8_bulk_scalar(Utf8Cursor &c);
void utf8_bulk_sse2(Utf8Cursor &c);
void utf8_bulk_avx2(Utf8Cursor &c);
void utf8_bulk_avx512(Utf8Cursor &c);

}  // namespace qrv::charset
