// The mappings of a section's lexemes (brackets already read) to pieces,
// one for each kind of section, and the lexemes both kinds share.
#pragma once

#include <vector>

#include "code_lexer.hpp"
#include "code_report.hpp"
#include "format_model.hpp"

namespace qrv::import::numfmt {

// The section has a date or time code and no digit placeholders other
// than those of fractions of a second.
bool is_date_section(const std::vector<Lexeme> &lexemes);

// Day, month, year, hour, minute, second and designator codes.
void map_date_section(const std::vector<Lexeme> &lexemes, Section &section, CodeReport &report);

// Digit placeholders, point, grouping, percent, exponent; true when the
// section scales by 1000 (and became the general format).
bool map_number_section(const std::vector<Lexeme> &lexemes, Section &section, CodeReport &report);

// A section that shows a number without its digits: ? placeholders as
// blanks, the other placeholders, the point and grouping as nothing.
void map_digitless_section(const std::vector<Lexeme> &lexemes, Section &section, CodeReport &report);

// Literal text, blanks, fills and General, the same in both kinds; false
// for any other lexeme.
bool map_plain_lexeme(const Lexeme &lexeme, Section &section, CodeReport &report);

// A date or time code that makes a section a date or time section.
bool is_date_code(const Lexeme &lexeme);

}  // namespace qrv::import::numfmt
