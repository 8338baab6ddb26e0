// 16-bit text to byte text: each unit keeps its low byte only (no
// replacement character for units above U+00FF).
#include <qrvex/charset.h>

#include "format/charset/bounded_copy.hpp"
#include "format/charset/units.hpp"

using namespace qrv::charset;

// Source low byte first.  Result: bytes written without the terminator, or
// -1 when the destination (less one byte for the terminator) filled first.
extern "C" QRVAPI int32_t FUConvertLittleUnicodeToASCII(void *dst, uint32_t dstSize, const void *src,
                                                        uint32_t srcSize) {
    return convert_fixed_width<2, 1>(dst, dstSize, src, srcSize, keep_byte_of_units<0>);
}

// Source high byte first; the low byte is the second of each unit.
extern "C" QRVAPI int32_t FUConvertBigUnicodeToASCII(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize) {
    return convert_fixed_width<2, 1>(dst, dstSize, src, srcSize, keep_byte_of_units<1>);
}
