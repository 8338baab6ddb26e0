// Packs word text (one byte or double-byte character per 16-bit unit) into
// byte text in place.
#include <qrvex/charset.h>

#include "format/charset/units.hpp"

namespace qrv::charset {
namespace {

constexpr uint32_t kHighByteFirstCharset = 0x14B00000u;

// Every unit written high byte first, then a zero unit.
uint32_t to_high_byte_first(uint8_t *text, size_t units) {
    for (size_t k = 0; k < units; ++k) {
        const uint16_t u = load_unit(text + 2 * k);
        text[2 * k] = static_cast<uint8_t>(u >> 8);
        text[2 * k + 1] = static_cast<uint8_t>(u);
    }
    store_unit(text + 2 * units, 0);
    return static_cast<uint32_t>(2 * units);
}

// True when the eight units at p all have a zero high byte.
inline bool eight_single_byte_units(const uint8_t *p) {
    uint64_t a, b;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + 8, 8);
    const uint64_t high_bytes = 0xFF00FF00FF00FF00ull;
    return ((a | b) & high_bytes) == 0;
}

// The high byte when it is not zero, then the low byte.  The write position
// never passes the read position, so the packing works in place; runs of
// single-byte units go eight at a time.
uint32_t pack_bytes(uint8_t *text, size_t units) {
    size_t out = 0, k = 0;
    while (k < units) {
        if (units - k >= 8 && eight_single_byte_units(text + 2 * k)) {
            keep_byte_of_units<0>(text + out, text + 2 * k, 8);
            out += 8;
            k += 8;
            continue;
        }
        const uint16_t u = load_unit(text + 2 * k);
        if (u >> 8) text[out++] = static_cast<uint8_t>(u >> 8);
        text[out++] = static_cast<uint8_t>(u);
        ++k;
    }
    text[out] = 0;
    return static_cast<uint32_t>(out);
}

}  // namespace
}  // namespace qrv::charset

// Code 0x14B00000 gives 16-bit text high byte first with a zero unit; any
// other code gives byte text with a zero byte.  Result: the length in bytes
// without the terminator.  The buffer must hold unitCount + 1 units.
extern "C" QRVAPI uint32_t FUWordTextToByteStr(void *buffer, uint32_t unitCount, uint32_t charset) {
    auto *text = static_cast<uint8_t *>(buffer);
    if (charset == qrv::charset::kHighByteFirstCharset) return qrv::charset::to_high_byte_first(text, unitCount);
    return qrv::charset::pack_bytes(text, unitCount);
}
