// The strings of binary workbook records: a count of UTF-16 code units
// (four bytes) and the units.  A nullable string's count 0xFFFFFFFF means
// none.  A count past the record throws xls::RecordTooShort.
#pragma once

#include <string>

#include "xls/biff_record.hpp"

namespace qrv::import::xlsb {

std::u16string wide_string(xls::Cursor &in);
std::u16string nullable_wide_string(xls::Cursor &in);
// The same as UTF-8, for names.
std::string wide_string_utf8(xls::Cursor &in);

}  // namespace qrv::import::xlsb
