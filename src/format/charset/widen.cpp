// Byte text to 16-bit text: every byte zero-extended to one unit.
#include <qrvex/charset.h>

#include "format/charset/bounded_copy.hpp"
#include "format/charset/units.hpp"

using namespace qrv::charset;

// Units low byte first.  Result: bytes written without the 2-byte
// terminator, or -1 when the destination (less two bytes) filled first.
extern "C" QRVAPI int32_t FUConvertASCIIToLittleUnicode(void *dst, uint32_t dstSize, const void *src,
                                                        uint32_t srcSize) {
    return convert_fixed_width<1, 2>(dst, dstSize, src, srcSize, spread_bytes_to_units<0>);
}

// Units high byte first.
extern "C" QRVAPI int32_t FUConvertASCIIToBigUnicode(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize) {
    return convert_fixed_width<1, 2>(dst, dstSize, src, srcSize, spread_bytes_to_units<1>);
}
