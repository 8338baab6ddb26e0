#include "general_keys.hpp"

namespace qrv::import {

GeneralNumbers general_numbers(NumberFormatTable &numbers) {
    std::array<uint32_t, GeneralNumbers::kCodeCount> keys{};
    for (size_t i = 0; i < keys.size(); ++i) keys[i] = numbers.key_of_code(GeneralNumbers::codes()[i]);
    return GeneralNumbers(keys);
}

}  // namespace qrv::import
