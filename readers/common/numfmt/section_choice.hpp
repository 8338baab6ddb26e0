// Which number section a value shows in.  Without conditions the places
// decide: the first section alone shows every value; with a second, the
// second shows negative values by their absolute value; with a third, the
// third shows zero.  With conditions ([>=100]) the sections that have one
// are tried in order and the first without one takes the rest; a section
// for "[<0]" or "[<=0]" shows the absolute value like a negative section.
// A section that scales by 1000 shows the signed value in general form.
#pragma once

#include <vector>

#include "format_model.hpp"
#include "section_parser.hpp"

namespace qrv::import::numfmt {

NumberFormat choose_sections(std::vector<ParsedSection> sections);

}  // namespace qrv::import::numfmt
