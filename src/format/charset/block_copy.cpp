// The two same-form copies decide in one step whether the source fits,
// instead of character by character.
#include <qrvex/charset.h>

#include <cstring>

#include "format/charset/bounded_copy.hpp"

using namespace qrv::charset;

namespace {

// The source fits only when the destination is larger than it; a source
// exactly as large as the destination is cut.  We never write past the
// destination: a 16-bit copy whose terminator would end one byte beyond an
// odd-sized destination counts as cut as well.
int32_t copy_or_cut(uint8_t *dst, uint32_t dst_size, const uint8_t *src, uint32_t src_size, uint32_t terminator) {
    if (dst_size < terminator) return kCut;
    const uint32_t end_of_source = src_size & ~(terminator - 1);
    if (dst_size > src_size && end_of_source + terminator <= dst_size) {
        if (src_size) std::memmove(dst, src, src_size);
        std::memset(dst + end_of_source, 0, terminator);
        return static_cast<int32_t>(src_size);
    }
    if (dst_size > terminator) std::memmove(dst, src, dst_size - terminator);
    std::memset(dst + ((dst_size - terminator) & ~(terminator - 1)), 0, terminator);
    return kCut;
}

}  // namespace

// Result: the source size when all of it was copied (a zero unit follows at
// the source size rounded down to even), else -1 with dstSize - 2 bytes
// copied and the last whole unit of the destination zeroed.
extern "C" QRVAPI int32_t FUConvertUnicodeToSameUnicode(void *dst, uint32_t dstSize, const void *src,
                                                        uint32_t srcSize) {
    return copy_or_cut(static_cast<uint8_t *>(dst), dstSize, static_cast<const uint8_t *>(src), srcSize, 2);
}

// Result: the source size when all of it was copied and terminated, else -1
// with dstSize - 1 bytes copied and a zero in the last destination byte.
extern "C" QRVAPI int32_t FUConvertASCIIToASCII(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize) {
    return copy_or_cut(static_cast<uint8_t *>(dst), dstSize, static_cast<const uint8_t *>(src), srcSize, 1);
}
