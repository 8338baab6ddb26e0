// How the HTML filter shows formatting: CSS declarations for character and
// paragraph formatting (the mapping is listed in README.md).
#pragma once

#include <string>

#include "output.hpp"
#include "writer.hpp"

namespace qrv::filters::html {

// Declarations for a run's formatting, empty for the page's default.
std::string css_of(const TextFormat &format);
// Declarations for a paragraph's alignment and indents, empty for none.
std::string css_of(const ParaFormat &format);

// Text with &, <, > and " written as references.
std::string escape(std::string_view text);
void write_escaped(Output &out, std::string_view text);
// A name usable as an id: letters, digits, '-' and '_' kept, others as '-'.
std::string id_of(std::string_view name);

}  // namespace qrv::filters::html
