#include "section_parser.hpp"

#include <algorithm>

#include <qrvex/numformat.h>

#include "brackets.hpp"
#include "section_mapping.hpp"

namespace qrv::import::numfmt {
namespace {

// Takes the colour and the condition into the section; a currency symbol
// becomes literal text and elapsed time a bracket lexeme with its letter.
void read_bracket_into(const Lexeme &lexeme, std::vector<Lexeme> &rest, Section &section, CodeReport &report) {
    const Bracket bracket = read_bracket(lexeme.text);
    switch (bracket.kind) {
    case Bracket::Kind::kColour: section.colour = bracket.colour; break;
    case Bracket::Kind::kCondition: section.condition = bracket.condition; break;
    case Bracket::Kind::kCurrency: rest.push_back(Lexeme{LexemeKind::kLiteral, bracket.symbol}); break;
    case Bracket::Kind::kLocale: break;
    case Bracket::Kind::kElapsed:
        rest.push_back(Lexeme{LexemeKind::kBracket, lexeme.text, bracket.letter, bracket.count});
        break;
    case Bracket::Kind::kUnknown: report.approximate("[" + lexeme.text + "] is ignored"); break;
    case Bracket::Kind::kMalformed:
        report.not_understood("a condition that cannot be read: [" + lexeme.text + "]");
        break;
    }
}

std::vector<Lexeme> read_brackets(const LexedSection &lexemes, Section &section, CodeReport &report) {
    std::vector<Lexeme> rest;
    for (const Lexeme &lexeme : lexemes) {
        if (lexeme.kind == LexemeKind::kBracket) {
            read_bracket_into(lexeme, rest, section, report);
        } else {
            rest.push_back(lexeme);
        }
    }
    return rest;
}

bool holds_text_placeholder(const std::vector<Lexeme> &lexemes) {
    return std::any_of(lexemes.begin(), lexemes.end(),
                       [](const Lexeme &l) { return l.kind == LexemeKind::kTextPlaceholder; });
}

// A zero section without a 0 placeholder shows no digit at all: each ? is
// a blank and each # nothing ("_-* \"-\"??_-" shows "-" and blanks).
bool shows_no_digit(const std::vector<Lexeme> &lexemes) {
    bool placeholders = false;
    for (const Lexeme &l : lexemes) {
        if (l.kind != LexemeKind::kDigit) continue;
        if (l.letter == '0') return false;
        placeholders = true;
    }
    return placeholders;
}

}  // namespace

ParsedSection parse_section(const LexedSection &lexemes, CodeReport &report, bool zero_section) {
    ParsedSection parsed;
    const std::vector<Lexeme> rest = read_brackets(lexemes, parsed.section, report);
    if (holds_text_placeholder(rest)) {
        parsed.is_text = true;
    } else if (rest.empty()) {
        // Only a colour or a condition: the general format; nothing at all: nothing.
        if (!lexemes.empty()) parsed.section.add_token(FU_TOKEN_GENERAL);
    } else if (zero_section && !parsed.section.condition && shows_no_digit(rest)) {
        map_digitless_section(rest, parsed.section, report);
    } else if (is_date_section(rest)) {
        map_date_section(rest, parsed.section, report);
    } else {
        parsed.scaled = map_number_section(rest, parsed.section, report);
    }
    return parsed;
}

}  // namespace qrv::import::numfmt
