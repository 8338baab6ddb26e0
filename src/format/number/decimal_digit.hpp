// Whether a character, narrow or wide, is one of the decimal digits 0-9.
#pragma once

#include <cstdint>

namespace qrv::numformat {

constexpr bool is_decimal_digit(uint32_t c) { return c - u'0' <= 9u; }

}  // namespace qrv::numformat
