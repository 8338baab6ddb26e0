// Splits one line of the text format into tokens: words and expressions,
// quoted strings (decoded to UTF-16), and key=value pairs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qrv::ch {

// A mistake at a place in the text.
struct TextError {
    uint32_t line = 0;
    uint32_t column = 0;
    std::string message;
};

struct Token {
    uint32_t column = 0;  // 1-based, of the token's first character
    std::string key;      // before '=' in key=value, else empty
    bool has_key = false;
    std::string raw;            // the value as written (not for strings)
    bool quoted = false;        // the value is a string
    std::u16string text;        // the decoded string
    uint32_t value_column = 0;  // of the value part
};

struct Line {
    uint32_t number = 0;
    std::string label;  // "@name:" at the start, without '@' and ':'
    uint32_t label_column = 0;
    std::vector<Token> tokens;
};

// Tokenizes a line (without its line break).  A '#' outside a string starts
// a comment.
std::optional<TextError> tokenize(std::string_view text, uint32_t number, Line &line);

// Appends a UTF-16 unit to s as the format writes it inside quotes.
void append_escaped(std::string &s, char16_t unit);

}  // namespace qrv::ch
