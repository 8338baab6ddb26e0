// The shared shape of the converters that turn every source character into
// a fixed number of destination bytes: convert what fits below the output
// bound, terminate, and report the byte count or -1 when the source was cut.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qrv::charset {

inline constexpr int32_t kCut = -1;

// in_width / out_width: bytes per character in source and destination; the
// terminator is one destination character.  kernel(dst, src, count)
// converts count characters.  A destination smaller than the terminator
// gets nothing and the result is -1; a trailing part-character of the
// source is ignored.
template <size_t in_width, size_t out_width, typename Kernel>
int32_t convert_fixed_width(void *dst, uint32_t dst_size, const void *src, uint32_t src_size, Kernel kernel) {
    if (dst_size < out_width) return kCut;
    auto *out = static_cast<uint8_t *>(dst);
    const size_t source_chars = src_size / in_width;
    const size_t room_chars = (dst_size - out_width) / out_width;
    const size_t count = source_chars < room_chars ? source_chars : room_chars;
    kernel(out, static_cast<const uint8_t *>(src), count);
    std::memset(out + count * out_width, 0, out_width);
    return count == source_chars ? static_cast<int32_t>(count * out_width) : kCut;
}

}  // namespace qrv::charset
