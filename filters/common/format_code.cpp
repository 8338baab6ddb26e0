#include "format_code.hpp"

#include <qrvex/numformat.h>

#include <algorithm>

#include "chars.hpp"
#include "raw_value.hpp"

namespace qrv::filters {
namespace {

struct TokenCode {
    uint32_t token;
    const char *code;
};

// Tokens as a spreadsheet format code writes them; the 24-hour token and
// the mask write nothing (hours without AM/PM run 0 to 23 anyway).
constexpr TokenCode kTokenCodes[] = {
    {FU_TOKEN_DIGIT_ZERO, "0"},
    {FU_TOKEN_DIGIT_OPTIONAL, "#"},
    {FU_TOKEN_DIGIT_BLANK, "?"},
    {FU_TOKEN_POINT, "."},
    {FU_TOKEN_PERCENT, "%"},
    {FU_TOKEN_TEXT, "@"},
    {FU_TOKEN_CURRENCY, "[$\xC2\xA4]"},
    {FU_TOKEN_GROUPING, ","},
    {FU_TOKEN_EXPONENT, "E+"},
    {FU_TOKEN_TRUTH, "\"TRUE\";\"TRUE\";\"FALSE\""},
    {FU_TOKEN_GENERAL, "General"},
    {FU_TOKEN_WEEKDAY_NAME, "dddd"},
    {FU_TOKEN_WEEKDAY_NAME_ALT, "ddd"},
    {FU_TOKEN_DAY_2, "dd"},
    {FU_TOKEN_DAY, "d"},
    {FU_TOKEN_MONTH_2, "mm"},
    {FU_TOKEN_MONTH, "m"},
    {FU_TOKEN_MONTH_NAME, "mmmm"},
    {FU_TOKEN_MONTH_NAME_ALT, "mmm"},
    {FU_TOKEN_MONTH_INITIAL, "mmmmm"},
    {FU_TOKEN_YEAR_4, "yyyy"},
    {FU_TOKEN_YEAR_2, "yy"},
    {FU_TOKEN_HOUR_2, "hh"},
    {FU_TOKEN_HOUR, "h"},
    {FU_TOKEN_MINUTE_2, "mm"},
    {FU_TOKEN_MINUTE, "m"},
    {FU_TOKEN_SECOND_2, "ss"},
    {FU_TOKEN_DESIGNATOR, "AM/PM"},
    {FU_TOKEN_DATE_SEPARATOR, "/"},
    {FU_TOKEN_TIME_SEPARATOR, ":"},
    {FU_TOKEN_LONG_DATE, "[$-F800]dddd, mmmm d, yyyy"},
    {FU_TOKEN_SHORT_DATE, "[$-F400]m/d/yyyy"},
};

struct ColourName {
    uint32_t rgb;
    const char *name;
};

constexpr ColourName kColourNames[] = {
    {0x000000, "[Black]"},   {0x0000FF, "[Blue]"}, {0x00FFFF, "[Cyan]"},  {0x00FF00, "[Green]"},
    {0xFF00FF, "[Magenta]"}, {0xFF0000, "[Red]"},  {0xFFFFFF, "[White]"}, {0xFFFF00, "[Yellow]"},
};

// Condition tests as the definition codes them (1 to 6), as a code writes them.
constexpr const char *kComparisons[] = {"", "<", ">", "=", "<=", ">=", "<>"};
constexpr uint32_t kLess = 1, kEqual = 3, kAlways = 8;

bool is_calendar(uint32_t token) {
    return (token >= FU_TOKEN_WEEKDAY_NAME && token <= FU_TOKEN_YEAR_2) ||
           (token >= FU_TOKEN_WEEKDAY_NAME_ALT && token <= FU_TOKEN_SHORT_DATE) || token == FU_TOKEN_MONTH_INITIAL;
}

bool is_clock(uint32_t token) {
    return (token >= FU_TOKEN_HOUR_2 && token <= FU_TOKEN_SECOND_2) || token == FU_TOKEN_DESIGNATOR;
}

// Characters a code shows as they are without quotes.
bool stands_for_itself(char16_t c) {
    return c == u'$' || c == u'-' || c == u'+' || c == u'(' || c == u')' || c == u' ';
}

}  // namespace

FormatCodeBuilder::Section &FormatCodeBuilder::current() {
    if (sections_.empty()) sections_.emplace_back();
    return sections_[open_];
}

void FormatCodeBuilder::add(std::string_view code) {
    Section &section = current();
    section.only_grouping = section.code.empty() && code == ",";
    section.code += code;
}

void FormatCodeBuilder::token(uint32_t token) {
    if (escape_next_ || repeat_next_) {
        std::string code(1, escape_next_ ? '\\' : '*');
        code += static_cast<char>(token & 0x7f);
        escape_next_ = repeat_next_ = false;
        add(code);
        return;
    }
    if (token == FU_TOKEN_ESCAPE) escape_next_ = true;
    if (token == FU_TOKEN_REPEAT) repeat_next_ = true;
    calendar_ |= is_calendar(token);
    clock_ |= is_clock(token);
    general_ |= token == FU_TOKEN_GENERAL;
    const auto found = std::find_if(std::begin(kTokenCodes), std::end(kTokenCodes),
                                    [token](const TokenCode &t) { return t.token == token; });
    if (found != std::end(kTokenCodes)) add(found->code);
}

void FormatCodeBuilder::literal(std::u16string_view text) {
    std::u16string quoted;
    auto flush = [&] {
        if (quoted.empty()) return;
        std::string code(1, '"');
        code += utf8_of(quoted);
        code += '"';
        add(code);
        quoted.clear();
    };
    for (char16_t c : text) {
        if (stands_for_itself(c) || c == u'"') {
            flush();
            add(c == u'"' ? std::string("\\\"") : std::string(1, static_cast<char>(c)));
        } else {
            quoted += c;
        }
    }
    flush();
}

void FormatCodeBuilder::colour(uint32_t rgb) {
    const auto found = std::find_if(std::begin(kColourNames), std::end(kColourNames),
                                    [rgb](const ColourName &c) { return c.rgb == (rgb & 0xFFFFFF); });
    if (found != std::end(kColourNames)) add(found->name);
}

void FormatCodeBuilder::condition(uint32_t test, bool absolute, uint32_t target, double comparand) {
    if (test != kAlways) conditions_.push_back({test, absolute, target, comparand});
}

void FormatCodeBuilder::begin_section(uint32_t number) {
    if (sections_.empty()) sections_.emplace_back();
    sections_.push_back({number, {}, false});
    open_ = sections_.size() - 1;
}

void FormatCodeBuilder::end_section() { open_ = 0; }

// The condition that picks a section, as a code writes it in front of the
// section ("[>=100]").
std::string FormatCodeBuilder::prefix_of(const Section &section) const {
    for (const Condition &c : conditions_) {
        if (c.target != section.number || c.test == 0 || c.test >= std::size(kComparisons)) continue;
        return std::string("[") + kComparisons[c.test] + number_text(c.comparand) + "]";
    }
    return {};
}

// Conditions "below 0, without its sign" and then maybe "equal to 0" are
// what a code of two or three plain sections means.
bool FormatCodeBuilder::sign_sections() const {
    if (conditions_.empty() || conditions_.size() > 2) return false;
    const Condition &negative = conditions_[0];
    if (negative.test != kLess || negative.comparand != 0 || !negative.absolute) return false;
    return conditions_.size() == 1 || (conditions_[1].test == kEqual && conditions_[1].comparand == 0);
}

ValueKind FormatCodeBuilder::kind() const {
    if (calendar_) return clock_ ? ValueKind::DateTime : ValueKind::Date;
    return clock_ ? ValueKind::Time : ValueKind::Number;
}

// The sections in the order their conditions name them; the one no
// condition names (the fallback) is left out.
std::vector<const FormatCodeBuilder::Section *> FormatCodeBuilder::picked_sections(const Section *fallback) const {
    std::vector<const Section *> order;
    for (const Condition &c : conditions_)
        for (size_t i = 1; i < sections_.size(); ++i) {
            const Section *s = &sections_[i];
            if (s->number == c.target && s != fallback && std::find(order.begin(), order.end(), s) == order.end())
                order.push_back(s);
        }
    return order;
}

std::string FormatCodeBuilder::sectioned_code() const {
    const auto fallback = std::find_if(sections_.begin() + 1, sections_.end(), [this](const Section &s) {
        return std::none_of(conditions_.begin(), conditions_.end(),
                            [&s](const Condition &c) { return c.target == s.number; });
    });
    const Section *last = fallback == sections_.end() ? nullptr : &*fallback;
    auto body = [](const Section &s) { return s.only_grouping ? std::string() : s.code; };
    std::string code;
    if (last && sign_sections()) {
        code = body(*last);
        for (const Section *s : picked_sections(last)) {
            code += ';';
            code += body(*s);
        }
        return code;
    }
    for (const Section *s : picked_sections(last)) {
        code += prefix_of(*s);
        code += body(*s);
        code += ';';
    }
    if (last) code += body(*last);
    return code;
}

FormatDescription FormatCodeBuilder::finish() {
    if (sections_.size() > 1) return {sectioned_code(), kind()};
    const bool empty = sections_.empty() || sections_[0].only_grouping || sections_[0].code.empty();
    return {empty ? std::string(";;;") : sections_[0].code, kind()};
}

}  // namespace qrv::filters
