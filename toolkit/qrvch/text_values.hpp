// Storage bytes of data values written as numbers in the text format.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qrv::ch {

// The storage bytes of a value of a storage type written as text (an
// integer, a floating-point number or a decimal), or an error message.
struct Storage {
    std::vector<uint8_t> bytes;
    std::string error;
};
Storage encode_value(uint32_t storage_type, std::string_view text);

// Whether a storage type takes a written value at all (9 to 12 take none).
bool storage_takes_value(uint32_t storage_type);

}  // namespace qrv::ch
