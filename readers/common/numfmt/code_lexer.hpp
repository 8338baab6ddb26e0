// Splits a spreadsheet format code into its sections (at ";" outside
// quotes and brackets) and each section into lexemes: the characters and
// words that mean something in a code, and literal text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qrv::import::numfmt {

enum class LexemeKind : uint8_t {
    kLiteral,          // text shown as written: quoted, escaped or a plain character
    kDigit,            // 0 # ? (the character in letter)
    kPoint,            // .
    kComma,            // ,
    kPercent,          // %
    kSlash,            // /
    kColon,            // :
    kExponent,         // E+ E- e+ e-
    kGeneral,          // the word General, in any case
    kTextPlaceholder,  // @
    kDesignator,       // AM/PM, A/P, in any case
    kBlank,            // _x: a blank as wide as x
    kFill,             // *x: x repeated to fill the cell
    kBracket,          // [...]: the content in text
    kDateCode,         // a run of one of the letters d m y h s e g (lower case in letter)
};

struct Lexeme {
    LexemeKind kind = LexemeKind::kLiteral;
    std::string text;    // the literal text, the bracket's content, or the source characters
    char letter = 0;     // kDigit: the placeholder; kDateCode: the letter
    uint32_t count = 0;  // kDateCode: how many times the letter stands
};

using LexedSection = std::vector<Lexeme>;

struct LexedCode {
    std::vector<LexedSection> sections;
    std::string fault;  // why the code is malformed ("an unclosed quote"), or empty
};

LexedCode lex_code(std::string_view code);

}  // namespace qrv::import::numfmt
