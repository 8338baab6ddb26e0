#include "comment_text.hpp"

#include "writer/utf16.hpp"

namespace qrv::import {

std::string comment_lines(std::u16string_view text) {
    text = text.substr(0, kMostCommentChars);
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        out += text[i] == u'\r' ? u'\n' : text[i];
    }
    return utf8_of(out);
}

}  // namespace qrv::import
