// Lists of format names as messages offer them.
#pragma once

#include <string>
#include <vector>

namespace qrv::convert {

// "a, b or c".
std::string join_choices(const std::vector<std::string> &names);

// "xlsx, docx, ..., csv or tsv": the names of the formats read.
std::string input_name_choices();

}  // namespace qrv::convert
