// The core properties part of a package (docProps/core.xml): title,
// subject, author, keywords, description, last author, and the dates the
// document was created and last changed.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "package.hpp"

namespace qrv::import {

enum class CoreProperty : uint8_t { Title, Subject, Author, Keywords, Description, LastAuthor, Created, Modified };

// The properties the package gives, each with its UTF-8 value (dates as
// written: ISO 8601).  None when the package has no core properties; a
// broken part is left out with a warning.
std::vector<std::pair<CoreProperty, std::string>> read_core_properties(Package &package);

}  // namespace qrv::import
