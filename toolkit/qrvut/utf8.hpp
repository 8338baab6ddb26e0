// Strict UTF-8 decoding for resource texts given by hosts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qrv::ut {

// The code points of text, or nothing when it is not well-formed UTF-8
// (overlong forms, surrogates and values above U+10FFFF are refused).
std::optional<std::u32string> decode_utf8(std::string_view text);

}  // namespace qrv::ut
