#include "escape.hpp"

namespace qrv::filters::markdown {
namespace {

constexpr size_t kNone = std::string_view::npos;

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
// Letters of other scripts count as word characters too.
bool is_word(char c) { return is_digit(c) || is_letter(c) || (static_cast<unsigned char>(c) & 0x80); }
bool is_blank(char c) { return c == ' ' || c == '\t'; }

char at(std::string_view text, size_t i) { return i < text.size() ? text[i] : '\0'; }

// "&amp;" or "&#38;": an entity reference, which a reader would decode.
bool entity_at(std::string_view text, size_t i) {
    size_t j = i + 1;
    if (at(text, j) == '#') ++j;
    size_t k = j;
    while (k < text.size() && (is_digit(text[k]) || is_letter(text[k]))) ++k;
    return k > j && at(text, k) == ';';
}

// The character that would begin a block at the start of a line (a
// heading, quote, list item, thematic break, setext underline), or kNone.
size_t block_mark(std::string_view text, size_t i) {
    const char next = at(text, i + 1);
    switch (text[i]) {
    case '#':
    case '>':
    case '=': return i;
    case '-': return next == '\0' || is_blank(next) || next == '-' ? i : kNone;
    case '+': return next == '\0' || is_blank(next) ? i : kNone;
    default: break;
    }
    size_t j = i;
    while (j < text.size() && is_digit(text[j])) ++j;
    const bool ordered = j > i && j - i <= 9 && (at(text, j) == '.' || at(text, j) == ')');
    return ordered && (at(text, j + 1) == '\0' || is_blank(at(text, j + 1))) ? j : kNone;
}

// Characters that are syntax wherever they stand.
bool inline_syntax(std::string_view text, size_t i, TextPlace place) {
    switch (text[i]) {
    case '\\':
    case '`':
    case '*':
    case '[':
    case ']':
    case '~': return true;
    // Inside a word an underscore neither opens nor closes emphasis.
    case '_': return !(i > 0 && is_word(text[i - 1]) && is_word(at(text, i + 1)));
    case '<': {
        const char next = at(text, i + 1);
        return next == '\0' || is_letter(next) || next == '/' || next == '!' || next == '?';
    }
    case '&': return entity_at(text, i);
    case '|': return place == TextPlace::Cell;
    default: return false;
    }
}

}  // namespace

void append_escaped(std::string &out, std::string_view text, TextPlace place, bool &line_start) {
    size_t i = 0;
    size_t mark = kNone;
    if (line_start) {
        while (i < text.size() && is_blank(text[i])) ++i;
        if (i == text.size()) return;
        if (place == TextPlace::Block) mark = block_mark(text, i);
        line_start = false;
    }
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            out += place == TextPlace::Cell ? "<br>" : " ";
            continue;
        }
        if (i == mark || inline_syntax(text, i, place)) out += '\\';
        out += c;
    }
}

std::string link_destination(std::string_view target) {
    bool plain = !target.empty();
    for (char c : target)
        if (c == ' ' || c == '(' || c == ')' || c == '<' || c == '>' || static_cast<unsigned char>(c) < 0x20)
            plain = false;
    std::string out = plain ? "" : "<";
    for (char c : target) {
        if (c == '\n' || c == '\r') continue;
        if (c == '<' || c == '>' || c == '\\') out += '\\';
        out += c;
    }
    return plain ? out : out + ">";
}

}  // namespace qrv::filters::markdown
