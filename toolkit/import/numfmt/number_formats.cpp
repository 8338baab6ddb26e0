#include "number_formats.hpp"

namespace qrv::import {

// Not translated yet: every code shows in the general format.
uint32_t NumberFormatTable::key_of_code(std::string_view) { return 0; }

uint32_t NumberFormatTable::key_of_builtin(uint32_t id) { return key_of_code(builtin_format_code(id)); }

std::string_view builtin_format_code(uint32_t) { return {}; }

}  // namespace qrv::import
