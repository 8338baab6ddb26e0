// Byte to wide conversion.  Every character set the library names is read
// as Windows-1252, the set of the resources and of UTGetUnknownCharSet.
#include <qrvut.h>

#include "windows_1252.hpp"

namespace {

// The destination has room for 256 wide characters with the terminator.
constexpr uint32_t kMaxSourceBytes = 255;

}  // namespace

extern "C" {

uint32_t UTGetUnknownCharSet(uint32_t code) {
    (void)code;
    return UT_CHARSET_WINDOWS_1252;
}

uint32_t UTMultiToDoubleByte(QRVWCHAR *dst, const char *src, uint32_t charset) {
    (void)charset;
    if (!dst) return UT_ERR_BAD_ARGUMENT;
    uint32_t n = 0;
    for (; src && src[n] && n < kMaxSourceBytes; ++n) dst[n] = qrv::ut::from_1252(static_cast<unsigned char>(src[n]));
    dst[n] = 0;
    return 0;
}

}  // extern "C"
