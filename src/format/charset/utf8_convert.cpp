// The conversion of 16-bit text to UTF-8 on a chosen path: bulk steps while
// whole blocks fit, then character by character, stopping before the first
// character that would not fit below the bound.
#include "format/charset/bounded_copy.hpp"
#include "format/charset/utf8_encode.hpp"
#include "format/charset/vector_target.hpp"

namespace qrv::charset {
namespace {

using Bulk = void (*)(Utf8Cursor &);

Bulk bulk_of(Utf8Path path) {
    switch (path) {
    case Utf8Path::kScalar: return utf8_bulk_scalar;
    case Utf8Path::kSse2: return utf8_bulk_sse2;
    case Utf8Path::kAvx2: return utf8_bulk_avx2;
    case Utf8Path::kAvx512: return utf8_bulk_avx512;
    }
    return utf8_bulk_scalar;
}

}  // namespace

bool utf8_path_available(Utf8Path path) {
#if QRV_X86_VECTOR_TARGETS
    __builtin_cpu_init();  // a caller may run before the runtime's own constructors
#endif
    switch (path) {
    case Utf8Path::kScalar: return true;
#if defined(__SSE2__)
    case Utf8Path::kSse2: return true;
#else
    case Utf8Path::kSse2: return false;
#endif
#if QRV_X86_VECTOR_TARGETS
    case Utf8Path::kAvx2: return __builtin_cpu_supports("avx2");
    case Utf8Path::kAvx512:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx512f") &&
               __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512cd") &&
               __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512vbmi2");
#else
    case Utf8Path::kAvx2:
    case Utf8Path::kAvx512: return false;
#endif
    }
    return false;
}

Utf8Path best_utf8_path() {
    Utf8Path best = Utf8Path::kScalar;
    for (Utf8Path path : kUtf8Paths)
        if (utf8_path_available(path)) best = path;
    return best;
}

int32_t utf16_to_utf8(Utf8Path path, uint8_t *dst, uint32_t dst_size, const uint8_t *src, uint32_t src_size) {
    if (dst_size < 1) return kCut;
    Utf8Cursor c{dst, 0, size_t{dst_size} - 1, src, 0, size_t{src_size} / 2};
    const Bulk bulk = bulk_of(path);
    bool cut = false;
    while (c.in < c.units) {
        bulk(c);
        if (c.in >= c.units) break;
        size_t used;
        const uint32_t code_point = code_point_at(c.src, c.in, c.units, used);
        const size_t n = encoded_length(code_point);
        if (n > c.room()) {
            cut = true;
            break;
        }
        put_encoded(c.dst + c.out, code_point, n);
        c.out += n;
        c.in += used;
    }
    dst[c.out] = 0;
    return cut ? kCut : static_cast<int32_t>(c.out);
}

}  // namespace qrv::charset
