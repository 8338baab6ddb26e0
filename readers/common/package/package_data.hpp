// The parts that hold a package's own data: its content types and its
// relationships.  No relationship may lead to one as if it were a part of
// the document: read as a sheet or a body it would give an empty page.
#pragma once

#include <string_view>
#include <vector>

#include "package.hpp"

namespace qrv::import {

// "[Content_Types].xml", or a relationships part ("_rels/.rels",
// "word/_rels/document.xml.rels"); letter case does not matter.
bool is_package_data_part(std::string_view part);

// Leaves out of list (the relationships read from rels_part) each internal
// one whose target is package data, with a warning naming both.
void drop_package_data_targets(std::string_view rels_part, std::vector<Relationship> &list, Diagnostics &diagnostics);

}  // namespace qrv::import
