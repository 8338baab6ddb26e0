// One store of a document: its bytes and how ids address them.
#pragma once

#include <qrvch.h>

#include <cstdint>
#include <optional>
#include <vector>

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
    uint32_t count() const { return static_cast<uint32_t>(bytes_.size() / shape_.unit_bytes); }

    // The index an id names, when it names one that exists.
    std::optional<uint32_t> index_of(uint32_t id) const;
    uint32_t id_of(uint32_t index) const;
    // The largest number of entries the id space of this store can name.
    uint64_t capacity() const;

    // Address of count units or records from the one id names; null when
    // the range does not lie inside the store.  Count 0 is allowed at any
    // existing id and, for unit stores, at the end.
    uint8_t *range(uint32_t first_id, uint32_t count);

    uint8_t *at(uint32_t index) { return bytes_.data() + size_t{index} * shape_.unit_bytes; }
    const std::vector<uint8_t> &bytes() const { return bytes_; }

    // Appends bytes (zero-filled to whole units) and returns the index of
    // the first new unit or record.
    uint32_t append(const void *data, size_t length);
    void truncate(uint32_t count);

private:
    StoreShape shape_;
    uint32_t chunk_size_;
    std::vector<uint8_t> bytes_;
};

}  // namespace qrv::ch
