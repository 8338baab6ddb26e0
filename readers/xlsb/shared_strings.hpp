// The binary shared strings part (xl/sharedStrings.bin): the texts that
// cells name by index, in order.
#pragma once

#include <string>
#include <vector>

#include "package/package.hpp"
#include "rich_string.hpp"

namespace qrv::import::xlsb {

// The text numbers of the shared strings (none without the part).
std::vector<uint32_t> read_shared_strings(Package &package, const std::string &part, RichStrings &strings);

}  // namespace qrv::import::xlsb
