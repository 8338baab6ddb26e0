// The text of a cell's comment as the sheet builder takes it: UTF-8 with
// each line end ("\r\n", "\r" or "\n") one '\n', at most kMostCommentChars
// UTF-16 units (the most Excel keeps).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qrv::import {

inline constexpr size_t kMostCommentChars = 32767;

std::string comment_lines(std::u16string_view text);

}  // namespace qrv::import
