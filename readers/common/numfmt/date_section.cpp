// Date and time sections: each run of a code letter becomes its token,
// "m" meaning minutes after an hour or before a second code.
#include <qrvex/numformat.h>

#include <algorithm>
#include <limits>

#include "section_mapping.hpp"

namespace qrv::import::numfmt {
namespace {

constexpr uint32_t kAnyCount = std::numeric_limits<uint32_t>::max();
constexpr uint32_t kDropped = 0;

// The first row of a letter whose count covers the run gives the token.
struct CodeRule {
    char letter;
    uint32_t up_to_count;
    uint32_t token;
};

constexpr CodeRule kDateCodes[] = {
    {'d', 1, FU_TOKEN_DAY},
    {'d', 2, FU_TOKEN_DAY_2},
    {'d', 3, FU_TOKEN_WEEKDAY_NAME},
    {'d', kAnyCount, FU_TOKEN_WEEKDAY_NAME_ALT},
    {'m', 1, FU_TOKEN_MONTH},
    {'m', 2, FU_TOKEN_MONTH_2},
    {'m', 3, FU_TOKEN_MONTH_NAME_ALT},
    {'m', 4, FU_TOKEN_MONTH_NAME},
    {'m', kAnyCount, FU_TOKEN_MONTH_INITIAL},
    {'y', 2, FU_TOKEN_YEAR_2},
    {'y', kAnyCount, FU_TOKEN_YEAR_4},
    {'e', kAnyCount, FU_TOKEN_YEAR_4},  // the year of an era: the calendar's year
    {'g', kAnyCount, kDropped},         // the name of an era
    {'h', 1, FU_TOKEN_HOUR},
    {'h', kAnyCount, FU_TOKEN_HOUR_2},
    {'s', kAnyCount, FU_TOKEN_SECOND_2},
};

constexpr CodeRule kMinuteCodes[] = {{'m', 1, FU_TOKEN_MINUTE}, {'m', kAnyCount, FU_TOKEN_MINUTE_2}};

template <size_t N>
uint32_t token_of(const CodeRule (&rules)[N], char letter, uint32_t count) {
    for (const CodeRule &rule : rules)
        if (rule.letter == letter && count <= rule.up_to_count) return rule.token;
    return kDropped;
}

// The letter of a time or date code: a run of letters or elapsed time.
char code_letter(const Lexeme &lexeme) {
    const bool code = lexeme.kind == LexemeKind::kDateCode || lexeme.kind == LexemeKind::kBracket;
    return code ? lexeme.letter : 0;
}

char previous_code_letter(const std::vector<Lexeme> &lexemes, size_t i) {
    while (i-- > 0)
        if (char letter = code_letter(lexemes[i])) return letter;
    return 0;
}

char next_code_letter(const std::vector<Lexeme> &lexemes, size_t i) {
    for (++i; i < lexemes.size(); ++i)
        if (char letter = code_letter(lexemes[i])) return letter;
    return 0;
}

bool means_minutes(const std::vector<Lexeme> &lexemes, size_t i) {
    const Lexeme &m = lexemes[i];
    if (m.kind == LexemeKind::kBracket) return true;  // [m], [mm]
    return m.count <= 2 && (previous_code_letter(lexemes, i) == 'h' || next_code_letter(lexemes, i) == 's');
}

// The index after the digits of a fraction of a second when lexemes[i] is
// the point of one ("ss.00"), else i.
size_t second_fraction_end(const std::vector<Lexeme> &lexemes, size_t i) {
    if (lexemes[i].kind != LexemeKind::kPoint || i == 0 || code_letter(lexemes[i - 1]) != 's') return i;
    size_t end = i + 1;
    while (end < lexemes.size() && lexemes[end].kind == LexemeKind::kDigit) ++end;
    return end > i + 1 ? end : i;
}

bool has_hours_without_designator(const std::vector<Lexeme> &lexemes) {
    bool hours = false;
    for (const Lexeme &lexeme : lexemes) {
        if (lexeme.kind == LexemeKind::kDesignator) return false;
        hours = hours || code_letter(lexeme) == 'h';
    }
    return hours;
}

class DateMapper {
public:
    DateMapper(const std::vector<Lexeme> &lexemes, Section &section, CodeReport &report)
        : lexemes_(lexemes), section_(section), report_(report) {}

    void run() {
        if (has_hours_without_designator(lexemes_)) section_.add_token(FU_TOKEN_24_HOURS);
        for (size_t i = 0; i < lexemes_.size(); ++i) {
            const size_t fraction_end = second_fraction_end(lexemes_, i);
            if (fraction_end != i) {
                report_.approximate("fractions of a second are not shown");
                i = fraction_end - 1;
                continue;
            }
            map(i);
        }
    }

private:
    void map(size_t i) {
        const Lexeme &lexeme = lexemes_[i];
        switch (lexeme.kind) {
        case LexemeKind::kDateCode: code(i); return;
        case LexemeKind::kBracket: elapsed(i); return;
        case LexemeKind::kSlash: section_.add_token(FU_TOKEN_DATE_SEPARATOR); return;
        case LexemeKind::kColon: section_.add_token(FU_TOKEN_TIME_SEPARATOR); return;
        case LexemeKind::kDesignator: designator(lexeme); return;
        default: break;
        }
        if (!map_plain_lexeme(lexeme, section_, report_)) section_.add_text(lexeme.text);
    }

    void code(size_t i) {
        const Lexeme &lexeme = lexemes_[i];
        const bool minutes = lexeme.letter == 'm' && means_minutes(lexemes_, i);
        const uint32_t token =
            minutes ? token_of(kMinuteCodes, 'm', lexeme.count) : token_of(kDateCodes, lexeme.letter, lexeme.count);
        if (lexeme.letter == 's' && lexeme.count == 1) report_.approximate("s shows two digits");
        if (lexeme.letter == 'e' || lexeme.letter == 'g') report_.approximate("eras show the calendar's year");
        if (token != kDropped) section_.add_token(token);
    }

    void elapsed(size_t i) {
        const Lexeme &lexeme = lexemes_[i];
        if (!section_.elapsed)
            section_.elapsed = Elapsed{lexeme.letter, static_cast<uint8_t>(std::min<uint32_t>(lexeme.count, 16))};
        code(i);
    }

    void designator(const Lexeme &lexeme) {
        if (lexeme.text.size() == 3) report_.approximate("A/P shows the whole designator");
        section_.add_token(FU_TOKEN_DESIGNATOR);
    }

    const std::vector<Lexeme> &lexemes_;
    Section &section_;
    CodeReport &report_;
};

}  // namespace

bool is_date_section(const std::vector<Lexeme> &lexemes) {
    bool date = false;
    for (size_t i = 0; i < lexemes.size(); ++i) {
        const size_t fraction_end = second_fraction_end(lexemes, i);
        if (fraction_end != i) {
            i = fraction_end - 1;
            continue;
        }
        if (lexemes[i].kind == LexemeKind::kDigit) return false;
        date = date || is_date_code(lexemes[i]);
    }
    return date;
}

void map_date_section(const std::vector<Lexeme> &lexemes, Section &section, CodeReport &report) {
    DateMapper(lexemes, section, report).run();
}

}  // namespace qrv::import::numfmt
