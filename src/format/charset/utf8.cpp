// 16-bit text (machine order) to UTF-8, on the widest path the processor
// takes.
#include <qrvex/charset.h>

#include "format/charset/utf8_encode.hpp"

// A surrogate pair becomes one four-byte sequence; a surrogate without its
// partner (also a high one that ends the source) is written as the three
// bytes of its own value.  A character that would not fit below
// dstSize - 1 bytes stops the conversion: the result is then -1, else the
// bytes written.  The destination is always terminated with one zero byte.
extern "C" QRVAPI int32_t FUConvertUnicodeToUTF8(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize) {
    static const qrv::charset::Utf8Path path = qrv::charset::best_utf8_path();
    return qrv::charset::utf16_to_utf8(path, static_cast<uint8_t *>(dst), dstSize, static_cast<const uint8_t *>(src),
                                       srcSize);
}
