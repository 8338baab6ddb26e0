// White space as XML counts it: space, tab, carriage return, line feed.
#pragma once

#include <string_view>

namespace qrv::import {

// text without the XML white space at either end: a view into text.
inline std::string_view trimmed_xml_space(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace qrv::import
