#include "store.hpp"

#include <array>
#include <cstring>

namespace qrv::ch {

namespace {

constexpr std::array kShapes{
    StoreShape{CH_STORE_ITEMS, StoreKind::Items, 16, 1},
    StoreShape{CH_STORE_SECTIONS, StoreKind::Records, 16, 1},
    StoreShape{CH_STORE_TEXT, StoreKind::Units, 2, 1},
    StoreShape{CH_STORE_STYLE_DATA, StoreKind::Units, 1, 4},
    StoreShape{CH_STORE_TEXT_FRAMES, StoreKind::Units, 1, CH_SIZE_TEXT_FRAME},
    StoreShape{CH_STORE_STRINGS, StoreKind::Units, 2, 1},
    StoreShape{CH_STORE_TABLE_ROWS, StoreKind::Records, sizeof(CHTableRowRecord), 1},
    StoreShape{CH_STORE_TABLE_CELLS, StoreKind::Records, sizeof(CHTableCellRecord), 1},
    StoreShape{CH_STORE_FONTS, StoreKind::Records, sizeof(CHFontRecord), 1},
    StoreShape{CH_STORE_TABLE_INDEX, StoreKind::Records, sizeof(CHItem), 1},
    StoreShape{CH_STORE_CELL_RUNS, StoreKind::Records, sizeof(CHCellRun), 1},
    StoreShape{CH_STORE_TAG_LIST, StoreKind::Records, sizeof(CHTagListEntry), 1},
    StoreShape{CH_STORE_DATA_VALUES, StoreKind::Records, CH_SIZE_DATA_VALUE, 1},
};

}  // namespace

std::optional<StoreShape> shape_of(CHStore code) {
    for (const auto &shape : kShapes)
        if (shape.code == code) return shape;
    return std::nullopt;
}

const std::vector<CHStore> &store_codes() {
    static const std::vector<CHStore> codes = [] {
        std::vector<CHStore> all;
        for (const auto &shape : kShapes) all.push_back(shape.code);
        return all;
    }();
    return codes;
}

std::optional<uint32_t> Store::index_of(uint32_t id) const {
    uint64_t index = id;
    if (shape_.kind == StoreKind::Items) {
        const uint32_t place = id & 0xFFFFu;
        if (place >= chunk_size_) return std::nullopt;
        index = uint64_t{id >> 16} * chunk_size_ + place;
    }
    if (index >= count()) return std::nullopt;
    return static_cast<uint32_t>(index);
}

uint32_t Store::id_of(uint32_t index) const {
    if (shape_.kind != StoreKind::Items) return index;
    return (index / chunk_size_) << 16 | (index % chunk_size_);
}

uint64_t Store::capacity() const {
    if (shape_.kind == StoreKind::Items) return uint64_t{chunk_size_} << 16;
    return 0xFFFFFFFFull;  // the last id is the "no item" id
}

uint8_t *Store::range(uint32_t first_id, uint32_t count) {
    static uint8_t empty_place = 0;
    std::optional<uint32_t> first = index_of(first_id);
    if (!first && is_units() && first_id == this->count()) first = first_id;
    if (!first) return nullptr;
    if (uint64_t{*first} + count > this->count()) return nullptr;
    if (bytes_.empty()) return &empty_place;
    return at(*first);
}

uint32_t Store::append(const void *data, size_t length) {
    const uint32_t first = count();
    const size_t units = (length + shape_.unit_bytes - 1) / shape_.unit_bytes;
    const size_t old_size = bytes_.size();
    bytes_.resize(old_size + units * shape_.unit_bytes, 0);
    if (length) std::memcpy(bytes_.data() + old_size, data, length);
    return first;
}

void Store::truncate(uint32_t count) {
    if (count < this->count()) bytes_.resize(size_t{count} * shape_.unit_bytes);
}

}  // namespace qrv::ch
