// Number sections: digit placeholders, the point, grouping, percent and
// exponent become their tokens.  Commas after the last digit placeholder
// scale by 1000.  Fractions ("# ?/?") have no tokens: their place holds the
// general token and the section says which fraction the importer shows
// there (see docs/number-formats.md).
#include <qrvex/numformat.h>

#include <algorithm>
#include <string_view>

#include "section_mapping.hpp"

namespace qrv::import::numfmt {
namespace {

struct DigitToken {
    char placeholder;
    uint32_t token;
};

constexpr DigitToken kDigitTokens[] = {
    {'0', FU_TOKEN_DIGIT_ZERO}, {'#', FU_TOKEN_DIGIT_OPTIONAL}, {'?', FU_TOKEN_DIGIT_BLANK}};

uint32_t digit_token(char placeholder) {
    for (const DigitToken &d : kDigitTokens)
        if (d.placeholder == placeholder) return d.token;
    return FU_TOKEN_DIGIT_ZERO;
}

bool is_digit(const Lexeme &lexeme) { return lexeme.kind == LexemeKind::kDigit; }

enum class CommaRole { kLiteral, kGrouping, kScaling, kIgnored };

// A comma after a digit placeholder groups thousands when more integer
// placeholders follow, scales by 1000 when none follows; one elsewhere is
// literal text.
CommaRole comma_role(const std::vector<Lexeme> &lexemes, size_t i, bool in_integer_part) {
    size_t before = i;
    while (before > 0 && lexemes[before - 1].kind == LexemeKind::kComma) --before;
    if (before == 0 || !is_digit(lexemes[before - 1])) return CommaRole::kLiteral;
    size_t after = i + 1;
    while (after < lexemes.size() && lexemes[after].kind == LexemeKind::kComma) ++after;
    if (after == lexemes.size() || !is_digit(lexemes[after])) return CommaRole::kScaling;
    return in_integer_part ? CommaRole::kGrouping : CommaRole::kIgnored;
}

bool ends_integer_part(const Lexeme &lexeme) {
    return lexeme.kind == LexemeKind::kPoint || lexeme.kind == LexemeKind::kExponent;
}

bool scales(const std::vector<Lexeme> &lexemes) {
    bool integer_part = true;
    for (size_t i = 0; i < lexemes.size(); ++i) {
        integer_part = integer_part && !ends_integer_part(lexemes[i]);
        if (lexemes[i].kind == LexemeKind::kComma && comma_role(lexemes, i, integer_part) == CommaRole::kScaling)
            return true;
    }
    return false;
}

bool is_literal_digit(const Lexeme &lexeme) {
    return lexeme.kind == LexemeKind::kLiteral && !lexeme.text.empty() &&
           lexeme.text.find_first_not_of("0123456789") == std::string::npos;
}

// The lexemes from the first digit placeholder to the end of the
// denominator of a fraction ("# ??/??", "?/4"); empty when there is none.
struct Span {
    size_t begin = 0, end = 0;
};

Span fraction_span(const std::vector<Lexeme> &lexemes) {
    size_t first_digit = lexemes.size();
    for (size_t i = 0; i < lexemes.size(); ++i) {
        if (is_digit(lexemes[i]) && first_digit == lexemes.size()) first_digit = i;
        if (lexemes[i].kind != LexemeKind::kSlash || first_digit == lexemes.size()) continue;
        size_t end = i + 1;
        while (end < lexemes.size() && (is_digit(lexemes[end]) || is_literal_digit(lexemes[end]))) ++end;
        return Span{first_digit, end};
    }
    return Span{};
}

// What the lexemes of a fraction span ask for: digits before the
// numerator's make an integer part; the denominator is placeholders (up to
// that many digits) or a number (always that denominator).
Fraction fraction_of(const std::vector<Lexeme> &lexemes, Span span) {
    size_t slash = span.begin;
    while (lexemes[slash].kind != LexemeKind::kSlash) ++slash;
    size_t numerator = slash;
    while (numerator > span.begin && is_digit(lexemes[numerator - 1])) --numerator;
    Fraction fraction;
    for (size_t i = span.begin; i < numerator; ++i) fraction.whole = fraction.whole || is_digit(lexemes[i]);
    uint32_t places = 0, fixed = 0;
    for (size_t i = slash + 1; i < span.end; ++i) {
        if (is_digit(lexemes[i])) ++places;
        for (const char c : is_literal_digit(lexemes[i]) ? std::string_view(lexemes[i].text) : std::string_view())
            fixed = std::min<uint32_t>(fixed * 10 + static_cast<uint32_t>(c - '0'), kMaxFixedDenominator);
    }
    fraction.denominator_places = static_cast<uint8_t>(std::clamp<uint32_t>(places, 1, kMaxDenominatorPlaces));
    fraction.fixed_denominator = places == 0 ? std::max<uint32_t>(fixed, 1) : 0;
    return fraction;
}

class NumberMapper {
public:
    NumberMapper(const std::vector<Lexeme> &lexemes, Section &section, CodeReport &report)
        : lexemes_(lexemes), section_(section), report_(report), fraction_(fraction_span(lexemes)) {}

    void run() {
        if (fraction_.end > fraction_.begin) section_.fraction = fraction_of(lexemes_, fraction_);
        for (size_t i = 0; i < lexemes_.size(); ++i) {
            if (i == fraction_.begin && fraction_.end > i) {
                section_.add_token(FU_TOKEN_GENERAL);
                i = fraction_.end - 1;
                continue;
            }
            map(i);
        }
    }

private:
    void map(size_t i) {
        const Lexeme &lexeme = lexemes_[i];
        if (ends_integer_part(lexeme)) integer_part_ = false;
        switch (lexeme.kind) {
        case LexemeKind::kDigit: section_.add_token(digit_token(lexeme.letter)); return;
        case LexemeKind::kPoint: section_.add_token(FU_TOKEN_POINT); return;
        case LexemeKind::kPercent: section_.add_token(FU_TOKEN_PERCENT); return;
        case LexemeKind::kExponent: exponent(lexeme); return;
        case LexemeKind::kComma: comma(i); return;
        default: break;
        }
        if (!map_plain_lexeme(lexeme, section_, report_)) section_.add_text(lexeme.text);
    }

    void exponent(const Lexeme &lexeme) {
        if (lexeme.text[0] == 'e') report_.approximate("e+ shows as E+");
        if (lexeme.text[1] == '-') report_.approximate("E- shows the sign of a positive exponent too");
        section_.add_token(FU_TOKEN_EXPONENT);
    }

    void comma(size_t i) {
        switch (comma_role(lexemes_, i, integer_part_)) {
        case CommaRole::kLiteral: section_.add_text(","); break;
        case CommaRole::kGrouping:
            if (!grouping_) section_.add_token(FU_TOKEN_GROUPING);
            grouping_ = true;
            break;
        case CommaRole::kScaling:
        case CommaRole::kIgnored: break;
        }
    }

    const std::vector<Lexeme> &lexemes_;
    Section &section_;
    CodeReport &report_;
    Span fraction_;
    bool integer_part_ = true;
    bool grouping_ = false;
};

}  // namespace

void map_digitless_section(const std::vector<Lexeme> &lexemes, Section &section, CodeReport &report) {
    for (const Lexeme &lexeme : lexemes) {
        switch (lexeme.kind) {
        case LexemeKind::kDigit:
            if (lexeme.letter == '?') section.add_text(" ");
            break;
        case LexemeKind::kPoint:
        case LexemeKind::kComma: break;
        case LexemeKind::kPercent: section.add_text("%"); break;
        default:
            if (!map_plain_lexeme(lexeme, section, report)) section.add_text(lexeme.text);
        }
    }
}

bool map_number_section(const std::vector<Lexeme> &lexemes, Section &section, CodeReport &report) {
    if (scales(lexemes)) {
        report.approximate("numbers scaled by 1000 show unscaled in general form");
        section.add_token(FU_TOKEN_GENERAL);
        return true;
    }
    NumberMapper(lexemes, section, report).run();
    return false;
}

}  // namespace qrv::import::numfmt
