// The document's properties (title, author, ...) as the items before the
// first section hold them (qrvmodel/conventions.hpp: PropertyId), found with
// the library's property search and recorded in the document tree.
#pragma once

#include <vector>

#include "outline.hpp"
#include "writer.hpp"

namespace qrv::filters {

std::vector<Property> read_properties(CHHandle h, Outline &outline);

}  // namespace qrv::filters
