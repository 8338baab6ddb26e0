#include "windows_1252.hpp"

namespace qrv::ut {

namespace {

constexpr char16_t kHighRow[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char16_t from_1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighRow[byte - 0x80];
    return byte;
}

unsigned char to_1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (unsigned i = 0; i < 32; ++i)
        if (kHighRow[i] == c) return static_cast<unsigned char>(0x80 + i);
    return '?';
}

}  // namespace qrv::ut
