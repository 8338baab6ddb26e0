// The input document read from standard input ("-" as INPUT), whole, as
// bytes: an importer tells its format from its content as it does a file's.
#pragma once

#include <string>

namespace qrv::tool {

// What standard input holds up to its end; false when it cannot be read.
bool read_standard_input(std::string &bytes);

inline bool is_standard_input(const std::string &input) { return input == "-"; }

}  // namespace qrv::tool
