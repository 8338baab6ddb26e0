// A number format as every importer describes it before it becomes items:
// number sections, each with the condition that selects it, the colour it
// shows in and the pieces it writes.  A spreadsheet format code
// ("#,##0.00;[Red](#,##0.00)") and an OpenDocument number style (with its
// style:map conditions) both become a NumberFormat, and one writer
// (definition_writer.hpp) turns any NumberFormat into the chunker's
// definition, so the mapping into items exists once.
//
// How a value picks its section: the sections that have a condition are
// tried in order and the first whose condition holds shows the value; a
// value that meets none goes to the default section, the first one without
// a condition (or, when every section has one, the general format).  A
// section shows the value with its sign or its absolute value (the negative
// section of "0;(0)" gets 5 for -5 and writes the parentheses itself).  A
// section with digit tokens writes a leading "-" for a signed negative value.
//
// Pieces are the tokens of <qrvex/numformat.h> (FU_TOKEN_*) and literal
// text, in the order they show.  From OpenDocument number styles:
//
// | Element or attribute                          | Pieces                                     |
// |-----------------------------------------------|--------------------------------------------|
// | number:number, min-integer-digits n           | n DIGIT_ZERO (n = 0: one DIGIT_OPTIONAL)   |
// |   number:decimal-places d                     | POINT and d DIGIT_ZERO (d = 0: no POINT)   |
// |   number:min-decimal-places m < d             | the last d - m places DIGIT_OPTIONAL       |
// |   no number:decimal-places                    | GENERAL (the "General" format)             |
// |   number:display-factor other than 1          | the section is GENERAL alone (no scaling)  |
// |   number:grouping="true"                      | GROUPING before the integer digits         |
// |   number:embedded-text at position p          | text before the last p integer digits      |
// | number:scientific-number, min-exponent-digits | digits as above, EXPONENT, e DIGIT_ZERO    |
// |   number:exponent-interval i                  | i integer places (engineering notation)    |
// | number:fraction                               | GENERAL, and Section::fraction             |
// | number:text, number:currency-symbol           | text (the symbol as written)               |
// | number:percentage-style                       | the number's pieces, then PERCENT          |
// | number:boolean                                | TRUTH                                      |
// | number:text-content (text styles)             | no definition: text cells show their text  |
// | number:day long / short                       | DAY_2 / DAY                                |
// | number:month textual long / short             | MONTH_NAME / MONTH_NAME_ALT                |
// | number:month numeric long / short             | MONTH_2 / MONTH                            |
// | number:year long / short                      | YEAR_4 / YEAR_2                            |
// | number:day-of-week long / short               | WEEKDAY_NAME_ALT / WEEKDAY_NAME            |
// | number:hours long / short                     | HOUR_2 / HOUR                              |
// | number:minutes long / short                   | MINUTE_2 / MINUTE                          |
// | number:seconds (decimal places left out)      | SECOND_2                                   |
// | number:am-pm                                  | DESIGNATOR (without it: 24_HOURS first)    |
// | number:quarter, week-of-year, era             | no token: left out                         |
// | number:text "/", ":" of date, time styles     | DATE_SEPARATOR, TIME_SEPARATOR             |
// | number:text "%" of a percentage style         | PERCENT (no "%" at all: PERCENT last)      |
// | number:fill-character                         | nothing                                    |
// | style:text-properties fo:color                | Section::colour                            |
// | style:map condition="value()>=0"              | a Section with that Condition              |
//
// A style used for values that its maps send elsewhere (LibreOffice's
// negative style with a literal "-") is the default section with
// ValueShown::kAbsolute.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qrv::import::numfmt {

// One piece of a section: a token or literal text.
struct Piece {
    enum class Kind : uint8_t { kToken, kText };
    Kind kind = Kind::kText;
    uint32_t token = 0;  // kToken: an FU_TOKEN_* special character
    std::string text;    // kText: UTF-8

    bool operator==(const Piece &) const = default;
};

// The tests of a condition, as the chunker's condition items code them.
enum class Comparison : uint32_t {
    kLess = 1,
    kGreater = 2,
    kEqual = 3,
    kLessOrEqual = 4,
    kGreaterOrEqual = 5,
    kNotEqual = 6
};

// "value <test> comparand" holds.
struct Condition {
    Comparison test = Comparison::kEqual;
    double comparand = 0;

    bool operator==(const Condition &) const = default;
};

enum class ValueShown : uint8_t { kSigned, kAbsolute };

// A fraction the section shows ("# ?/?", "# ??/??", "?/8"): no token
// stands for it, so its place among the pieces holds the general token and
// the importer writes the text (fraction_text.hpp).
constexpr uint32_t kMaxDenominatorPlaces = 6, kMaxFixedDenominator = 1000000;

struct Fraction {
    bool whole = false;                // an integer part first: "1 1/2", not "3/2"
    uint8_t denominator_places = 1;    // the closest fraction with up to this many digits below
    uint32_t fixed_denominator = 0;    // "?/8": always eighths; 0 where the places decide

    bool operator==(const Fraction &) const = default;
};

// Elapsed time ("[h]:mm:ss", "[mm]:ss", "[ss]"): the bracketed unit counts
// the whole time, not the time of day, which no token says; its place holds
// the unit's token and the importer writes the text (elapsed_text.hpp).
struct Elapsed {
    char unit = 'h';      // h, m or s
    uint8_t digits = 1;   // at least this many ("[hh]": 2)

    bool operator==(const Elapsed &) const = default;
};

struct Section {
    std::optional<Condition> condition;  // none: a default section
    ValueShown value = ValueShown::kSigned;
    std::optional<uint32_t> colour;  // 0x00RRGGBB
    std::vector<Piece> pieces;       // none: the section shows nothing
    std::optional<Fraction> fraction;  // where its general token shows a fraction
    std::optional<Elapsed> elapsed;    // where its time counts the whole time in a unit

    // What no token expresses, the importer writes (fraction_text.hpp,
    // elapsed_text.hpp).
    bool written_by_importer() const { return fraction || elapsed; }

    void add_token(uint32_t token) { pieces.push_back(Piece{Piece::Kind::kToken, token, {}}); }
    // Literal text; it joins a text piece just before it.
    void add_text(std::string_view text);
};

struct NumberFormat {
    std::vector<Section> sections;  // no section: the general format
};

inline void Section::add_text(std::string_view text) {
    if (text.empty()) return;
    if (!pieces.empty() && pieces.back().kind == Piece::Kind::kText) {
        pieces.back().text += text;
        return;
    }
    pieces.push_back(Piece{Piece::Kind::kText, 0, std::string(text)});
}

}  // namespace qrv::import::numfmt
