// The document's properties: docProps/core.xml (title, subject, author,
// ...), docProps/app.xml (application, company, counts) and
// docProps/custom.xml (named properties), found through the package's
// relationships.  A missing or broken part leaves its properties out.
#pragma once

#include "package/package.hpp"
#include "textdoc/text_document.hpp"

namespace qrv::import::docx {

void read_document_properties(Package &package, textdoc::TextDocument &doc);

}  // namespace qrv::import::docx
