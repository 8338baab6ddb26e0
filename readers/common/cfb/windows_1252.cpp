#include "windows_1252.hpp"

namespace qrv::import {
namespace {

constexpr char16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char16_t windows_1252(uint8_t byte) {
    if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80]) return kHighControls[byte - 0x80];
    return byte;
}

}  // namespace qrv::import
