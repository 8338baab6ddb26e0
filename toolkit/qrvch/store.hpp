// One store of a document: its bytes and how ids address them.
#pragma once

#include <qrvch.h>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <qrvplatform/growing_bytes.hpp>

namespace qrv::ch {

enum class StoreKind {
    Items,    // store 0: chunked ids
    Records,  // ids are record numbers
    Units,    // ids are offsets in units (characters or bytes)
};

struct StoreShape {
    CHStore code;
    StoreKind kind;
    uint32_t unit_bytes;  // bytes of a unit or record
    uint32_t get_units;   // units one CHGetItem copies (unit stores)
};

// Every store a document has, in ascending order of code.
inline constexpr std::array kStoreShapes{
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

// Where each store code's shape sits in kStoreShapes (kNoStore for codes
// that name no store): documents keep their stores in that order.
constexpr uint8_t kNoStore = 0xFF;
inline constexpr std::array<uint8_t, 32> kStorePlaces = [] {
    std::array<uint8_t, 32> places{};
    places.fill(kNoStore);
    for (size_t i = 0; i < kStoreShapes.size(); ++i) places[kStoreShapes[i].code] = static_cast<uint8_t>(i);
    return places;
}();

// The shape of a store code, or nothing for a code the document lacks.
std::optional<StoreShape> shape_of(CHStore code);

// Every store code a document has, in ascending order.
const std::vector<CHStore> &store_codes();

class Store {
public:
    Store(StoreShape shape, uint32_t chunk_size) : shape_(shape), chunk_size_(chunk_size) {}

    const StoreShape &shape() const { return shape_; }
    bool is_units() const { return shape_.kind == StoreKind::Units; }

    // Records, items or units held.
    uint32_t count() const { return count_; }

    // The index an id names, when it names one that exists.
    std::optional<uint32_t> index_of(uint32_t id) const {
        uint64_t index = id;
        if (shape_.kind == StoreKind::Items) {
            const uint32_t place = id & 0xFFFFu;
            if (place >= chunk_size_) return std::nullopt;
            index = uint64_t{id >> 16} * chunk_size_ + place;
        }
        if (index >= count_) return std::nullopt;
        return static_cast<uint32_t>(index);
    }
    uint32_t id_of(uint32_t index) const {
        if (shape_.kind != StoreKind::Items) return index;
        return (index / chunk_size_) << 16 | (index % chunk_size_);
    }
    // The id of the entry step units or records after the one at index,
    // whose id is id (no division for chunked ids).
    uint32_t id_after(uint32_t id, uint32_t index, uint32_t step) const {
        if (shape_.kind != StoreKind::Items) return index + step;
        return (id & 0xFFFFu) + step < chunk_size_ ? id + step : id_of(index + step);
    }
    // The largest number of entries the id space of this store can name.
    uint64_t capacity() const {
        if (shape_.kind == StoreKind::Items) return uint64_t{chunk_size_} << 16;
        return 0xFFFFFFFFull;  // the last id is the "no item" id
    }

    // Address of count units or records from the one id names; null when
    // the range does not lie inside the store.  Count 0 is allowed at any
    // existing id and, for unit stores, at the end.  The range counts as
    // used (a large store keeps in memory only what was used lately).
    uint8_t *range(uint32_t first_id, uint32_t count);

    uint8_t *at(uint32_t index) { return bytes_.data() + size_t{index} * shape_.unit_bytes; }
    // The address of the entry at index, which counts as used with the
    // count units or records after it.
    const uint8_t *read(uint32_t index, uint32_t count) {
        bytes_.used(size_t{index} * shape_.unit_bytes, size_t{count} * shape_.unit_bytes);
        return at(index);
    }
    std::span<const uint8_t> bytes() const { return bytes_.view(); }

    // Appends bytes (zero-filled to whole units) and returns the index of
    // the first new unit or record.
    uint32_t append(const void *data, size_t length);
    // Appends one record of the first length bytes of data (at most a
    // record's), zero-filled; returns its index.
    uint32_t append_record(const void *data, size_t length);
    void truncate(uint32_t count);

private:
    StoreShape shape_;
    uint32_t chunk_size_;
    GrowingBytes bytes_;
    uint32_t count_ = 0;  // bytes_.size() / unit_bytes, kept (every read checks it)
};

}  // namespace qrv::ch
