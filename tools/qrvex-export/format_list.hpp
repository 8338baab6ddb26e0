// What --list-formats shows: the formats read, with their extensions and
// those recognised but not read, and the formats written.
#pragma once

#include <string>

namespace qrv::tool {

std::string format_list();

}  // namespace qrv::tool
