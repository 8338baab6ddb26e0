// Turning the link target of an object locator into a byte string.
#include "chunk/walk.hpp"

#include <qrvex/properties.h>

namespace {

// Strings with this attribute are written as two bytes a character, high
// byte first.
constexpr uint32_t kTwoByteAttribute = 0x14b00000u;

uint32_t link_string_item(const CUObjectLocator &locator) {
    if (locator.Parts & CU_LOCATOR_PART_2) return locator.Part2Data1;
    if (locator.Parts & CU_LOCATOR_PART_128) return locator.Part128Data1;
    return qrv::chunk::kNoItem;
}

void write_two_byte(const QRVWCHAR *chars, uint32_t length, char *out) {
    for (uint32_t i = 0; i < length; ++i) {
        *out++ = static_cast<char>(chars[i] >> 8);
        *out++ = static_cast<char>(chars[i] & 0xFF);
    }
    out[0] = 0;
    out[1] = 0;
}

// High byte (when not zero), then low byte, per character; 2 bytes of room
// before each character and 1 for the closing zero.
uint32_t write_narrow(const QRVWCHAR *chars, uint32_t length, char *out, uint32_t size) {
    uint32_t used = 0;
    for (uint32_t i = 0; i < length; ++i) {
        if (size - used < 2) return QRV_E_TOO_SMALL;
        const auto high = static_cast<char>(chars[i] >> 8);
        if (high != 0) out[used++] = high;
        out[used++] = static_cast<char>(chars[i] & 0xFF);
    }
    if (size - used < 1) return QRV_E_TOO_SMALL;
    out[used] = 0;
    return QRV_OK;
}

}  // namespace

// Reads the link's string item (part 2, else part 128 of the locator),
// writes its attribute to *pAttribute and its characters into buffer.
// Attribute 0x14b00000: two bytes a character, high byte first, and a 16-bit
// zero, needing 2 x length + 2 bytes.  Any other attribute: high byte (only
// when not zero) and low byte a character and a zero byte, needing at least
// length + 1 bytes.  0; 46 when the buffer is too small (it may then hold
// part of the text); the chunker's code when the item or the string cannot
// be read.  A locator without either part reads item -1 and so returns the
// chunker's code; a null locator or attribute pointer gives 15.
extern "C" QRVAPI uint32_t CUGetLinkLocatorString(const CUObjectLocator *locator, char *buffer, uint32_t size,
                                                  uint32_t *pAttribute, CHHandle h) {
    if (!locator || !pAttribute || (!buffer && size != 0)) return QRV_E_BAD_ARG;
    CHItem item{};
    if (const uint32_t result = qrv::host::get_item(h, link_string_item(*locator), item, nullptr)) return result;
    *pAttribute = item.data1;
    const uint32_t length = item.data2;
    const bool two_byte = item.data1 == kTwoByteAttribute;
    const uint64_t needed = two_byte ? 2ull * length + 2 : uint64_t{length} + 1;
    if (size < needed) return QRV_E_TOO_SMALL;
    qrv::host::LockedRange chars(h, CH_STORE_STRINGS, item.value, length);
    if (!chars.ok()) return chars.result();
    uint32_t result = QRV_OK;
    if (two_byte)
        write_two_byte(chars.data<QRVWCHAR>(), length, buffer);
    else
        result = write_narrow(chars.data<QRVWCHAR>(), length, buffer, size);
    chars.release();
    return result;
}
