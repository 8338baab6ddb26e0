// UTF-8 to UTF-16 for the chunker's stores.  A malformed sequence becomes
// U+FFFD, one for each maximal bad subpart, as the Unicode standard advises.
#pragma once

#include <string>
#include <string_view>

namespace qrv::import {

// Appends the UTF-16 of utf8 to out.
void append_utf16(std::string_view utf8, std::u16string &out);

inline std::u16string utf16_of(std::string_view utf8) {
    std::u16string out;
    append_utf16(utf8, out);
    return out;
}

// Where a piece of utf8 of at most `most` bytes ends without splitting a
// sequence: long texts are converted a piece at a time, so they cost a
// piece's memory beside their own.
size_t utf8_piece_end(std::string_view utf8, size_t most);
inline constexpr size_t kUtf8PieceBytes = 1u << 20;

// Appends the UTF-8 of one code point (surrogates and values above
// U+10FFFF become U+FFFD).
void append_utf8(char32_t code_point, std::string &out);

// UTF-16 into UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8_of(std::u16string_view utf16);

}  // namespace qrv::import
