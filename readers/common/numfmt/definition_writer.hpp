// Writes a NumberFormat as the chunker's number format definition: a tag
// NUMBER_FORMAT under its key holding special characters (the tokens),
// text runs (literal text), an item 25 for a section's colour, and, for a
// format of several sections, condition items that lead to each section.
//
// A format of one signed section without a condition is written flat.  Any
// other format keeps each section in a spreadsheet cell tag of its own
// inside the definition (data1 = the section's number, from 1), and the
// definition starts with the conditions, each followed by its comparand as
// a data value.  The condition names its section through the cell tag, so
// one code is one definition; the first section tag holds the default
// section, which a value that meets no condition reads on into.  A default
// section that shows the absolute value is reached by an "always" condition
// instead.  A section without pieces is one grouping token, which writes
// nothing (an empty definition would show the general format).
#pragma once

#include <cstdint>

#include "writer/document_writer.hpp"
#include "format_model.hpp"

namespace qrv::import::numfmt {

void write_definition(DocumentWriter &writer, uint32_t key, const NumberFormat &format);

}  // namespace qrv::import::numfmt
