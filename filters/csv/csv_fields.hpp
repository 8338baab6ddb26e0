// Rows of separated values as RFC 4180 writes them: a field holding the
// separator, a quote or a line end is quoted, its quotes doubled, and each
// row ends with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output.hpp"

namespace qrv::filters::csv {

void write_field(Output &out, std::string_view text, char separator);
void write_row(Output &out, const std::vector<std::string> &fields, char separator);

}  // namespace qrv::filters::csv
