// Handles of open documents.  A handle is never given out twice, so a closed
// handle stays invalid for good.
#pragma once

#include "document.hpp"

#include <memory>

namespace qrv::ch {

// The new document's handle, or 0 when the handles have run out or the
// registry cannot grow (the document is then released).
CHHandle open_document(std::unique_ptr<Document> doc);
// The document of a handle, or null for an unknown or closed one.
Document *find_document(CHHandle h);
// Takes the document out of the registry; null for an unknown handle.
std::unique_ptr<Document> close_document(CHHandle h);

}  // namespace qrv::ch
