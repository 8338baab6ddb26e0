// A spreadsheet format code ("#,##0.00;[Red](#,##0.00);\"zero\";@") to a
// NumberFormat.  Sections without conditions take the spreadsheet's
// meaning from their place: with two, the second is for negative values;
// with three, the third is for zero; the fourth (or any with @) is for
// text cells, which show their text and need no definition.
#pragma once

#include <string_view>

#include "code_report.hpp"
#include "format_model.hpp"

namespace qrv::import::numfmt {

// Codes longer than this (a spreadsheet program accepts 255 characters)
// are not read.
inline constexpr size_t kMaxCodeBytes = 1024;
inline constexpr std::string_view kTooLong = "longer than 1024 bytes";

// A format of the code; a code that is not understood gives the general
// format (no sections) and says why in report.
NumberFormat parse_code(std::string_view code, CodeReport &report);

}  // namespace qrv::import::numfmt
