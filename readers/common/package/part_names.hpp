// Part names of a package: where a relationship's target points, and where
// a part's own relationships are kept.
#pragma once

#include <string>
#include <string_view>

namespace qrv::import {

// The folder of a part, with its trailing "/" ("xl/" for "xl/workbook.xml",
// "" for a part at the root).
std::string_view folder_of(std::string_view part);

// The part a relationship target names, seen from the part that holds the
// relationship: "worksheets/sheet1.xml" from "xl/workbook.xml" is
// "xl/worksheets/sheet1.xml"; "/xl/styles.xml" is absolute; "." and ".."
// steps are resolved (never above the root), "%20" escapes decoded, and a
// "#fragment" dropped.
std::string resolve_target(std::string_view source_part, std::string_view target);

// "xl/_rels/workbook.xml.rels" for "xl/workbook.xml"; "_rels/.rels" for "".
std::string relationships_part(std::string_view source_part);

}  // namespace qrv::import
