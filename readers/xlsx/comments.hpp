// The comments of a worksheet's cells (xl/commentsN.xml, which the sheet
// relates to): the authors' names, then each comment's cell, author and
// text, its runs joined and phonetic runs left out.  Excel writes threaded
// comments beside these with the same text, so those are not read.
#pragma once

#include <string>

#include "package/package.hpp"
#include "sheet/sheet_builder.hpp"

namespace qrv::import::xlsx {

// Reads the comments part the worksheet part relates to, if any, into
// sheet.  A comment on no cell is left out; one naming no author keeps its
// text; a broken part is left out from where it breaks, with a warning.
void read_sheet_comments(Package &package, const std::string &sheet_part, SheetBuilder &sheet);

}  // namespace qrv::import::xlsx
