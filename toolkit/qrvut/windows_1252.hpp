// Windows-1252, the byte character set of the string resources: bytes 0x80
// to 0x9F carry typographic characters; the rest match Latin-1.
#pragma once

#include <cstdint>

namespace qrv::ut {

// The character of a byte.  Bytes with no character (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for themselves, as the system converters do.
char16_t from_1252(unsigned char byte);

// The byte of a character, or '?' where the set has none.
unsigned char to_1252(char32_t c);

}  // namespace qrv::ut
