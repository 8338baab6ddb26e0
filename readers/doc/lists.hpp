// Lists of the table stream: the list definitions (an id, and one or nine
// levels, each with its number format, start, level text and paragraph
// changes), and the list overrides that paragraphs name by their 1-based
// index, each pointing at a definition by its id, with changes of its
// levels (a new start, or a whole level).  Overrides of one definition
// continue each other's numbers unless one changes a level.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "textdoc/text_document.hpp"
#include "fib.hpp"

namespace qrv::import::doc {

std::string list_key(uint32_t override_index);

// Adds a list a override to doc; false when the document has none.  Tables
// beyond the stream or cut short give the lists read before the fault.
bool read_lists(std::span<const uint8_t> table, const Fib &fib, textdoc::TextDocument &doc);

}  // namespace qrv::import::doc
