// The manifest of an OpenDocument package (META-INF/manifest.xml) says
// which entries are encrypted with the document's password: such a
// package is refused before its parts are read as XML.
#pragma once

#include "package/package.hpp"

namespace qrv::import::odf {

// Throws ImportError(IM_ERR_ENCRYPTED) when the manifest gives any entry
// encryption data.  A package without a manifest is taken as plain.
void refuse_encrypted(Package &package);

}  // namespace qrv::import::odf
