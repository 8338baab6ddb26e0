#include "cell_address.hpp"

namespace qrv::filters {

std::string column_letters(uint32_t column) {
    std::string letters;
    for (uint64_t c = uint64_t{column} + 1; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters;
}

std::string cell_address(uint32_t column, uint32_t row) {
    return column_letters(column) + std::to_string(uint64_t{row} + 1);
}

}  // namespace qrv::filters
