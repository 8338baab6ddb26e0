// 16-bit text to 16-bit text of the other byte order.
#include <qrvex/charset.h>

#include "format/charset/bounded_copy.hpp"
#include "format/charset/units.hpp"

using namespace qrv::charset;

// Each unit with its two bytes exchanged.  Result: bytes written without the
// terminator, or -1 when the destination (less two bytes) filled first.
extern "C" QRVAPI int32_t FUConvertUnicodeToOppositeUnicode(void *dst, uint32_t dstSize, const void *src,
                                                            uint32_t srcSize) {
    return convert_fixed_width<2, 2>(dst, dstSize, src, srcSize, swap_unit_bytes);
}
