#include "safe_links.hpp"

#include <array>
#include <string>

namespace qrv::filters {
namespace {

constexpr std::array<std::string_view, 4> kLiveSchemes = {"http", "https", "mailto", "ftp"};

bool is_ignored_inside(char c) { return c == '\t' || c == '\n' || c == '\r'; }

bool is_space_or_control(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// The target as a browser parses it: no leading spaces or controls, no
// tabs or line breaks.
std::string as_browser_reads(std::string_view target) {
    size_t start = 0;
    while (start < target.size() && is_space_or_control(target[start])) ++start;
    std::string read;
    read.reserve(target.size() - start);
    for (char c : target.substr(start))
        if (!is_ignored_inside(c)) read += c;
    return read;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool is_live_scheme(std::string_view scheme) {
    std::string lowered;
    for (char c : scheme) lowered += lower(c);
    for (std::string_view live : kLiveSchemes)
        if (lowered == live) return true;
    return false;
}

// "//host/..." and "\\host\..." leave the document's folder for another host.
bool names_another_host(std::string_view read) {
    return read.size() >= 2 && (read[0] == '/' || read[0] == '\\') && (read[1] == '/' || read[1] == '\\');
}

}  // namespace

bool is_safe_link_target(std::string_view target) {
    const std::string read = as_browser_reads(target);
    if (read.empty()) return false;
    if (read[0] == '#') return true;
    const size_t end_of_scheme = read.find_first_of(":/\\?#");
    if (end_of_scheme == std::string::npos || read[end_of_scheme] != ':') return !names_another_host(read);
    return is_live_scheme(std::string_view(read).substr(0, end_of_scheme));
}

}  // namespace qrv::filters
