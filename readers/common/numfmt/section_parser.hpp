// One section of a format code, from its lexemes to a Section: brackets
// give the colour, the condition and currency symbols; the rest maps to
// date and time tokens when the section has a date or time code and no
// digit placeholders, else to number tokens.
#pragma once

#include "code_lexer.hpp"
#include "code_report.hpp"
#include "format_model.hpp"

namespace qrv::import::numfmt {

struct ParsedSection {
    Section section;       // with the condition of its bracket, if any
    bool is_text = false;  // holds the text placeholder @: the section for text cells
    bool scaled = false;   // scales by 1000: shown unscaled in general form, with its sign
};

// zero_section: the section is the code's third, which shows only zero
// (unless its own condition says otherwise).
ParsedSection parse_section(const LexedSection &lexemes, CodeReport &report, bool zero_section = false);

}  // namespace qrv::import::numfmt
