#include "byte_source.hpp"

#include <algorithm>
#include <cstring>

namespace qrv::import {

size_t MemorySource::read(std::span<uint8_t> buffer) {
    const size_t n = std::min(buffer.size(), bytes_.size() - offset_);
    if (n) std::memcpy(buffer.data(), bytes_.data() + offset_, n);
    offset_ += n;
    return n;
}

}  // namespace qrv::import
