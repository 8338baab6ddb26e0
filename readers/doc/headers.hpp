// Headers and footers: the header story holds, after six stories of note
// separators, six a section (even-page header, header, even-page footer,
// footer, first-page header, first-page footer), each ending with a guard
// paragraph mark that is not its text; a table of positions bounds them.
// The first section's are written, beside the flow, as running texts; an
// empty story (the section takes the one before) is left out.
#pragma once

#include <cstdint>
#include <span>

#include "textdoc/text_sink.hpp"
#include "writer/diagnostics.hpp"
#include "body_reader.hpp"
#include "fib.hpp"

namespace qrv::import::doc {

void write_running_texts(const DocContent &content, std::span<const uint8_t> table, const Fib &fib,
                         textdoc::TextSink &sink, Diagnostics &diagnostics);

}  // namespace qrv::import::doc
