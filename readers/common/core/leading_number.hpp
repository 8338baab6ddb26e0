// The whole number an attribute's text starts with, 0 where it starts with
// none (a missing or malformed attribute): EMU lengths, offsets, cell rows.
#pragma once

#include <charconv>
#include <string_view>

namespace qrv::import {

template <typename Number>
Number number_or_zero(std::string_view text) {
    Number n = 0;
    std::from_chars(text.data(), text.data() + text.size(), n);
    return n;
}

}  // namespace qrv::import
