// A table of the table stream that maps character positions to records:
// n + 1 ascending positions, then n records of one size.  Tables of notes,
// comments, headers, text boxes and shapes are all of this kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace qrv::import::doc {

class Plc {
public:
    // An empty table when the bytes hold no record.
    Plc(std::span<const uint8_t> bytes, size_t record_size);

    size_t size() const { return count_; }  // records
    bool empty() const { return count_ == 0; }
    uint32_t position(size_t i) const;  // i up to size()
    std::span<const uint8_t> record(size_t i) const;
    // Whether no record's position is below the one before it (the last
    // position, which only closes the table, aside).
    bool ascending() const;

private:
    std::span<const uint8_t> bytes_;
    size_t record_size_ = 0, count_ = 0;
};

}  // namespace qrv::import::doc
