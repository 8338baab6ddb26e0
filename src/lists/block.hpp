// Byte sizes of item blocks, refused when they do not fit a 32-bit size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace qrv::lists {

inline std::optional<std::size_t> item_block_bytes(uint32_t item_size, uint32_t capacity) {
    const uint64_t bytes = uint64_t{item_size} * capacity;
    if (bytes > UINT32_MAX) return std::nullopt;
    return static_cast<std::size_t>(bytes);
}

}  // namespace qrv::lists
