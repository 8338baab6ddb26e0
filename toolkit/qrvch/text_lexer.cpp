#include "text_lexer.hpp"

#include <cstdio>

namespace qrv::ch {

namespace {

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool is_label_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class LineReader {
public:
    LineReader(std::string_view text, uint32_t number) : text_(text), number_(number) {}

    std::optional<TextError> read(Line &line);

private:
    TextError error_at(size_t pos, std::string message) const {
        return {number_, static_cast<uint32_t>(pos + 1), std::move(message)};
    }
    bool at_end() const { return pos_ >= text_.size() || text_[pos_] == '#'; }
    void skip_spaces() {
        while (pos_ < text_.size() && is_space(text_[pos_])) ++pos_;
    }
    std::optional<TextError> read_label(Line &line);
    std::optional<TextError> read_token(Token &token);
    std::optional<TextError> read_string(std::u16string &out);
    std::optional<TextError> read_escape(std::u16string &out);
    std::optional<TextError> read_utf8(std::u16string &out);

    std::string_view text_;
    uint32_t number_;
    size_t pos_ = 0;
};

std::optional<TextError> LineReader::read(Line &line) {
    line.number = number_;
    skip_spaces();
    if (pos_ < text_.size() && text_[pos_] == '@')
        if (auto error = read_label(line)) return error;
    for (skip_spaces(); !at_end(); skip_spaces()) {
        Token token;
        if (auto error = read_token(token)) return error;
        line.tokens.push_back(std::move(token));
    }
    return std::nullopt;
}

std::optional<TextError> LineReader::read_label(Line &line) {
    const size_t start = pos_++;
    while (pos_ < text_.size() && is_label_char(text_[pos_])) ++pos_;
    if (pos_ >= text_.size() || text_[pos_] != ':' || pos_ == start + 1) {
        pos_ = start;  // a label reference starting the line: read as a token
        return std::nullopt;
    }
    line.label = std::string(text_.substr(start + 1, pos_ - start - 1));
    line.label_column = static_cast<uint32_t>(start + 1);
    ++pos_;
    return std::nullopt;
}

std::optional<TextError> LineReader::read_token(Token &token) {
    token.column = static_cast<uint32_t>(pos_ + 1);
    const size_t start = pos_;
    while (pos_ < text_.size() && is_name_char(text_[pos_])) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '=' && pos_ > start) {
        token.key = std::string(text_.substr(start, pos_ - start));
        token.has_key = true;
        ++pos_;
    } else {
        pos_ = start;
    }
    token.value_column = static_cast<uint32_t>(pos_ + 1);
    if (pos_ < text_.size() && text_[pos_] == '"') {
        token.quoted = true;
        return read_string(token.text);
    }
    const size_t value_start = pos_;
    while (pos_ < text_.size() && !is_space(text_[pos_]) && text_[pos_] != '#') {
        if (text_[pos_] == '"') return error_at(pos_, "a quote inside a word");
        ++pos_;
    }
    if (pos_ == value_start) return error_at(pos_, "a value is missing after '='");
    token.raw = std::string(text_.substr(value_start, pos_ - value_start));
    return std::nullopt;
}

std::optional<TextError> LineReader::read_string(std::u16string &out) {
    const size_t open = pos_++;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '"') {
            ++pos_;
            if (pos_ < text_.size() && !is_space(text_[pos_]) && text_[pos_] != '#')
                return error_at(pos_, "a space must follow a closing quote");
            return std::nullopt;
        }
        auto error = c == '\\' ? read_escape(out) : read_utf8(out);
        if (error) return error;
    }
    return error_at(open, "the string is not closed");
}

std::optional<TextError> LineReader::read_escape(std::u16string &out) {
    const size_t at = pos_++;
    if (pos_ >= text_.size()) return error_at(at, "an escape is cut off");
    const char c = text_[pos_++];
    switch (c) {
    case 'n': out += u'\n'; return std::nullopt;
    case 't': out += u'\t'; return std::nullopt;
    case 'r': out += u'\r'; return std::nullopt;
    case '0': out += u'\0'; return std::nullopt;
    case '\\': out += u'\\'; return std::nullopt;
    case '"': out += u'"'; return std::nullopt;
    case 'x':
    case 'u': {
        const size_t digits = c == 'x' ? 2 : 4;
        uint32_t unit = 0;
        for (size_t i = 0; i < digits; ++i, ++pos_) {
            const int d = pos_ < text_.size() ? hex_digit(text_[pos_]) : -1;
            if (d < 0) return error_at(at, c == 'x' ? "\\x needs two hex digits" : "\\u needs four hex digits");
            unit = unit * 16 + static_cast<uint32_t>(d);
        }
        out += static_cast<char16_t>(unit);
        return std::nullopt;
    }
    default: return error_at(at, std::string("unknown escape \\") + c);
    }
}

std::optional<TextError> LineReader::read_utf8(std::u16string &out) {
    const size_t at = pos_;
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text_[i]); };
    const uint8_t lead = byte(pos_++);
    if (lead < 0x80) {
        out += static_cast<char16_t>(lead);
        return std::nullopt;
    }
    const size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || lead > 0xF4) return error_at(at, "bad UTF-8");
    uint32_t code = lead & (0x3Fu >> extra);
    for (size_t i = 0; i < extra; ++i, ++pos_) {
        if (pos_ >= text_.size() || (byte(pos_) & 0xC0) != 0x80) return error_at(at, "bad UTF-8");
        code = code << 6 | (byte(pos_) & 0x3Fu);
    }
    static constexpr uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
        return error_at(at, "bad UTF-8");
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
    return std::nullopt;
}

}  // namespace

std::optional<TextError> tokenize(std::string_view text, uint32_t number, Line &line) {
    return LineReader(text, number).read(line);
}

void append_escaped(std::string &s, char16_t unit) {
    switch (unit) {
    case u'\n': s += "\\n"; return;
    case u'\t': s += "\\t"; return;
    case u'\\': s += "\\\\"; return;
    case u'"': s += "\\\""; return;
    default: break;
    }
    if (unit >= 0x20 && unit < 0x7F) {
        s += static_cast<char>(unit);
        return;
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
    s += buffer;
}

}  // namespace qrv::ch
