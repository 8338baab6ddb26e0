#include "plc.hpp"

#include "cfb/little_endian.hpp"

namespace qrv::import::doc {

Plc::Plc(std::span<const uint8_t> bytes, size_t record_size) : bytes_(bytes), record_size_(record_size) {
    if (bytes.size() >= 4 + 4 + record_size) count_ = (bytes.size() - 4) / (4 + record_size);
}

uint32_t Plc::position(size_t i) const { return le32(bytes_.data() + i * 4); }

std::span<const uint8_t> Plc::record(size_t i) const {
    return bytes_.subspan((count_ + 1) * 4 + i * record_size_, record_size_);
}

bool Plc::ascending() const {
    for (size_t i = 1; i < count_; ++i)
        if (position(i) < position(i - 1)) return false;
    return true;
}

}  // namespace qrv::import::doc
