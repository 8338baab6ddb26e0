// RTF as a stream of tokens: group braces, control words with their
// optional parameter, control symbols, \'hh bytes, runs of text, and the
// bytes of \binN.  Line ends in the text are not part of it.  A parameter
// is clamped to the range of int32_t; a control word longer than the
// format allows is cut there.
#pragma once

#include <cstdint>
#include <string_view>

namespace qrv::import::rtf {

enum class TokenKind : uint8_t { End, Open, Close, Word, Symbol, Byte, Text, Binary };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view name;   // a word's letters, a symbol's character, the text or the bytes
    bool has_param = false;  // a word's parameter
    int32_t param = 0;
    uint8_t byte = 0;  // of \'hh
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view input) : in_(input) {}

    Token next();
    bool truncated_binary() const { return truncated_binary_; }

private:
    Token control();
    Token word();
    Token binary(int32_t length);
    Token text();

    std::string_view in_;
    size_t at_ = 0;
    bool truncated_binary_ = false;
};

}  // namespace qrv::import::rtf
