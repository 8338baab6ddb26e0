// The slides of a presentation in the order the presentation part lists
// them (<p:sldIdLst>): each slide's part, from its relationship.
#pragma once

#include <string>
#include <vector>

#include "package/package.hpp"

namespace qrv::import::pptx {

// The slide parts in presentation order; a relationship that is missing
// or points outside the package is left out with a warning.
std::vector<std::string> slide_parts(Package &package, const std::string &presentation);

}  // namespace qrv::import::pptx
