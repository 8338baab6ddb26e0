// A small text file that an option names (--locale): read only when it is
// a regular file of at most kLargestOptionFile bytes holding text, so that
// a device, a pipe or a binary file named by mistake is one clear error,
// never a hang or raw bytes on the terminal.
#pragma once

#include <cstddef>
#include <string>

namespace qrv::convert {

constexpr size_t kLargestOptionFile = 64 * 1024;

// The file's text; false with the reason in error ("it is not a regular
// file", ...).
bool read_option_file(const std::string &path, std::string &text, std::string &error);

}  // namespace qrv::convert
