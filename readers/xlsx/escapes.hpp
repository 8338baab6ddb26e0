// Text of a workbook's strings: "_xHHHH_" stands for the UTF-16 unit HHHH
// (characters XML cannot hold, such as control characters), and "_x005F_"
// escapes a literal underscore that would otherwise start one.
#pragma once

#include <string>
#include <string_view>

namespace qrv::import::xlsx {

// Appends the UTF-16 of utf8 to out with the escapes resolved.
void append_unescaped(std::string_view utf8, std::u16string &out);

}  // namespace qrv::import::xlsx
