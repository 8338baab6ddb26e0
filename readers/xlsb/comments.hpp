// The comments of a binary worksheet's cells (xl/commentsN.bin, which the
// sheet relates to): the authors' names, then each comment's author,
// cell and text (its runs and phonetic text not read).
#pragma once

#include <string>

#include "package/package.hpp"
#include "sheet/sheet_builder.hpp"

namespace qrv::import::xlsb {

// Reads the comments part the worksheet part relates to, if any, into
// sheet.  A comment on no single cell is left out; one naming no author
// keeps its text; a broken part is read up to where it breaks.
void read_sheet_comments(Package &package, const std::string &sheet_part, SheetBuilder &sheet);

}  // namespace qrv::import::xlsb
