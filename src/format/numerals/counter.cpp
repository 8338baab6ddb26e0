// The number of a list item, in the numbering style of its list level.
#include <qrvex/numerals.h>

#include <cstring>

namespace qrv::numerals {
namespace {

// The two fields of the 36-byte list level record read here.
constexpr size_t kBulletOffset = 4;
constexpr size_t kNumberingOffset = 32;

constexpr uint32_t kStyleMask = 0xFFFF;
constexpr uint32_t kLowerCase = 0x20000;
constexpr uint32_t kLeadingZero = 0x100000;
constexpr uint32_t kNarrowFlag = 0x1;

enum Style : uint32_t { kNone = 0, kLetters = 2, kRoman = 3, kBullet = 8, kFirstUnknown = 11 };

template <typename T>
T read_field(const CUListLevelRecord *level, size_t offset) {
    T v;
    std::memcpy(&v, reinterpret_cast<const uint8_t *>(level) + offset, sizeof v);
    return v;
}

uint16_t lower_case(QRVWCHAR *buffer, uint16_t length) {
    for (uint16_t k = 0; k < length; ++k) buffer[k] = static_cast<QRVWCHAR>(buffer[k] + 32);
    return length;
}

uint16_t decimal_number(QRVWCHAR *buffer, uint16_t size, int32_t value, bool leading_zero) {
    uint16_t start = 0;
    if (leading_zero && value < 10) buffer[start++] = '0';
    return FUGenerateDecimalNumeral(buffer, start, size, value);
}

// Writes the number (size is at least 1) and gives its length.
uint16_t write_number(uint32_t numbering, QRVWCHAR bullet, QRVWCHAR *buffer, uint16_t size, int32_t value) {
    const uint32_t style = numbering & kStyleMask;
    const bool lower = (numbering & kLowerCase) != 0;
    switch (style) {
    case kNone: return 0;
    case kLetters: {
        const uint16_t n = FUGenerateLetterNumeral(buffer, 0, size, value);
        return lower ? lower_case(buffer, n) : n;
    }
    case kRoman: {
        const uint16_t n = FUGenerateRomanNumeral(buffer, 0, size, value);
        return lower ? lower_case(buffer, n) : n;
    }
    case kBullet: buffer[0] = bullet; return 1;
    default:
        if (style >= kFirstUnknown) {
            buffer[0] = '*';
            return 1;
        }
        return decimal_number(buffer, size, value, (numbering & kLeadingZero) != 0);
    }
}

}  // namespace
}  // namespace qrv::numerals

// Styles: 0 nothing; 1, 4-7, 9, 10 decimal (bit 20: a '0' before values below
// 10); 2 letters and 3 Roman (bit 17: lower case); 8 the level's bullet; 11
// and above '*'.  The number is terminated, or when it fills the buffer its
// last character gives way to the terminator (and is still counted).  With
// flags bit 0 the text is narrowed to bytes in place and the result is the
// byte count; the narrowing reads no further than the buffer, so when the
// number fills it the terminator's high byte is not looked at.  Result: the
// length in wide characters (or bytes), 0 for a size of 0.
extern "C" QRVAPI uint16_t FUGenerateCounterNumber(const CUListLevelRecord *level, uint32_t flags, QRVWCHAR *buffer,
                                                   uint16_t size, int32_t value) {
    using namespace qrv::numerals;
    if (size == 0) return 0;
    const auto numbering = read_field<uint32_t>(level, kNumberingOffset);
    const auto bullet = read_field<QRVWCHAR>(level, kBulletOffset);
    const uint16_t length = write_number(numbering, bullet, buffer, size, value);
    buffer[length < size ? length : length - 1] = 0;
    if (!(flags & kNarrowFlag)) return length;
    const uint32_t wanted = 2u * length + 1u, available = 2u * size;
    return FUStripStringZeros(buffer, static_cast<uint16_t>(wanted < available ? wanted : available));
}
