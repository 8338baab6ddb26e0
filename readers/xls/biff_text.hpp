// Strings of a workbook stream.  Excel 97 and later write UTF-16 strings
// whose characters may be stored one byte each (the high bytes all zero),
// with rich-text runs and phonetic data after them; a string cut by a
// continuation restates its one- or two-byte form there.  Excel 5 and 95
// write bytes in the workbook's code page.
#pragma once

#include <string>

#include "writer/utf16.hpp"

#include "biff_record.hpp"
#include "cfb/code_page.hpp"

namespace qrv::import::xls {

// count characters of Excel 97 and later, one or two bytes each as
// two_bytes says, the form taken up afresh at each continuation they cross
// or start at.
std::u16string read_chars(Cursor &in, size_t count, bool two_bytes);

// A string of Excel 97 and later: a length of 16 bits (8 bits when
// short_length), flags and the characters; runs and phonetic data are
// passed over.
std::u16string read_unicode(Cursor &in, bool short_length = false);

// A string of Excel 5 and 95: a length of 16 bits (8 when short_length)
// and the bytes.
std::u16string read_bytes(Cursor &in, const CodePage &page, bool short_length = false);

// Whichever of the two the workbook's version writes.
std::u16string read_string(Cursor &in, bool biff8, const CodePage &page, bool short_length = false);

}  // namespace qrv::import::xls
