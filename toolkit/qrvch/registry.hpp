// Handles of open documents.  A handle is never given out twice, so a closed
// handle stays invalid for good.
#pragma once

#include "document.hpp"

#include <memory>

namespace qrv::ch {

CHHandle open_document(std::unique_ptr<Document> doc);
// The document of a handle, or null for an unknown or closed one.
Document *find_document(CHHandle h);
// Takes the document out of the registry; null for an unknown handle.
std::unique_ptr<Document> close_document(CHHandle h);

}  // namespace qrv::ch
