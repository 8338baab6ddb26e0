// The document's properties from the compound file's summary information.
#pragma once

#include "cfb/compound_file.hpp"
#include "textdoc/text_document.hpp"
#include "writer/diagnostics.hpp"

namespace qrv::import::doc {

void read_properties(const CompoundFile &file, textdoc::TextDocument &doc);

}  // namespace qrv::import::doc
