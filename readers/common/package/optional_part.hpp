// Reading a part the document can do without (styles, numbering, notes,
// comments, properties, the theme): a broken one is left out with a
// warning naming what is lost, and the import goes on.  Bounds passed,
// encryption and lack of memory still end the import.
#pragma once

#include <string>
#include <string_view>

#include "package.hpp"

namespace qrv::import {

// False when the part was broken and left out (partly read, perhaps).
bool read_optional_part(Package &package, const std::string &part, XmlHandler &handler, std::string_view lost);

}  // namespace qrv::import
