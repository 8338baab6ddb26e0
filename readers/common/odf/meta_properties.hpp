// Document properties of an OpenDocument file (<office:meta>, in meta.xml
// or inside a flat document): title, subject, the first and the last
// author, keywords, description, and when it was created and changed
// (model::kStandardPropertyCount), then the program that wrote it and how
// often it was saved.  A PropertiesReader over these elements reads them.
#pragma once

#include <span>

#include "package/core_properties.hpp"

namespace qrv::import::odf {

std::span<const PropertyElement> meta_elements();

}  // namespace qrv::import::odf
