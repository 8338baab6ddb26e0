// The general-cell definitions of a workbook (sheet/general_numbers.hpp),
// asked for from its number format table before its first section.
#pragma once

#include "numfmt/number_formats.hpp"
#include "sheet/general_numbers.hpp"

namespace qrv::import {

GeneralNumbers general_numbers(NumberFormatTable &numbers);

}  // namespace qrv::import
