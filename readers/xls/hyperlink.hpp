// The target of a HLINK record (after its cell range): a URL, a file
// path, or a place in the workbook ("#Sheet2!A1"), as UTF-8; "" for a
// target of another kind.
#pragma once

#include <string>

#include "biff_record.hpp"

namespace qrv::import::xls {

std::string hyperlink_target(Cursor &in);

}  // namespace qrv::import::xls
