#include "store.hpp"

#include <cstring>

namespace qrv::ch {

std::optional<StoreShape> shape_of(CHStore code) {
    for (const auto &shape : kStoreShapes)
        if (shape.code == code) return shape;
    return std::nullopt;
}

const std::vector<CHStore> &store_codes() {
    static const std::vector<CHStore> codes = [] {
        std::vector<CHStore> all;
        for (const auto &shape : kStoreShapes) all.push_back(shape.code);
        return all;
    }();
    return codes;
}

uint8_t *Store::range(uint32_t first_id, uint32_t count) {
    static uint8_t empty_place = 0;
    std::optional<uint32_t> first = index_of(first_id);
    if (!first && is_units() && first_id == this->count()) first = first_id;
    if (!first) return nullptr;
    if (uint64_t{*first} + count > this->count()) return nullptr;
    if (bytes_.empty()) return &empty_place;
    bytes_.used(size_t{*first} * shape_.unit_bytes, size_t{count} * shape_.unit_bytes);
    return at(*first);
}

uint32_t Store::append(const void *data, size_t length) {
    const uint32_t first = count();
    const size_t units = (length + shape_.unit_bytes - 1) / shape_.unit_bytes;
    const size_t old_size = bytes_.size();
    bytes_.resize(old_size + units * shape_.unit_bytes);
    if (length) std::memcpy(bytes_.data() + old_size, data, length);
    count_ += static_cast<uint32_t>(units);
    return first;
}

uint32_t Store::append_record(const void *data, size_t length) {
    const uint32_t index = count();
    const size_t old_size = bytes_.size();
    bytes_.resize(old_size + shape_.unit_bytes);
    if (length) std::memcpy(bytes_.data() + old_size, data, length);
    ++count_;
    return index;
}

void Store::truncate(uint32_t count) {
    if (count >= count_) return;
    bytes_.resize(size_t{count} * shape_.unit_bytes);
    count_ = count;
}

}  // namespace qrv::ch
