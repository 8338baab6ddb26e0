// Writes a document in the text format, store by store and item by item,
// with raw lines only, so that loading the text gives the same stores.
#pragma once

#include "document.hpp"

#include <string>

namespace qrv::ch {

std::string dump_text(Document &doc);

}  // namespace qrv::ch
