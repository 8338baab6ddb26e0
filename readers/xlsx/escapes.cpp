#include "escapes.hpp"

#include "writer/utf16.hpp"
#include "core/hex_digit.hpp"

namespace qrv::import::xlsx {
namespace {

// The unit of an escape at the start of s ("_x000D_"), or -1.
int escape_at(std::string_view s) {
    if (s.size() < 7 || s[0] != '_' || s[1] != 'x' || s[6] != '_') return -1;
    int unit = 0;
    for (size_t i = 2; i < 6; ++i) {
        const int v = hex_value(s[i]);
        if (v < 0) return -1;
        unit = unit * 16 + v;
    }
    return unit;
}

}  // namespace

void append_unescaped(std::string_view utf8, std::u16string &out) {
    size_t start = 0;
    for (size_t at = utf8.find("_x"); at != std::string_view::npos; at = utf8.find("_x", at)) {
        const int unit = escape_at(utf8.substr(at));
        if (unit < 0) {
            ++at;
            continue;
        }
        append_utf16(utf8.substr(start, at - start), out);
        out.push_back(static_cast<char16_t>(unit));
        at += 7;
        start = at;
    }
    append_utf16(utf8.substr(start), out);
}

}  // namespace qrv::import::xlsx
