#include "byte_source.hpp"

#include <algorithm>
#include <cstring>
#include <thread>

#include <qrvplatform/size_setting.hpp>

namespace qrv::import {

uint64_t read_ahead_from() {
    static const uint64_t from = std::thread::hardware_concurrency() > 1
                                     ? size_setting("QRVEX_READ_AHEAD_FROM", kReadAheadFrom)
                                     : ~uint64_t{0};
    return from;
}

size_t MemorySource::read(std::span<uint8_t> buffer) {
    const size_t n = std::min(buffer.size(), bytes_.size() - offset_);
    if (n) std::memcpy(buffer.data(), bytes_.data() + offset_, n);
    offset_ += n;
    return n;
}

}  // namespace qrv::import
