// What the result codes that reach the host mean, in words.
#pragma once

#include <cstdint>
#include <string>

namespace qrv::convert {

// "code 37 (not found, a null record, or a refused operation)".
std::string describe_result(uint32_t code);

}  // namespace qrv::convert
