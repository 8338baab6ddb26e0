// The bytes of a store: one block grown in place with realloc, half as
// much again each time it is full.  A large block is a mapping the system
// moves or extends without copying, and pages not yet written take no
// memory, so a store of a hundred megabytes never needs twice that while
// it grows (a vector would hold its old and its new block at once).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <span>
#include <utility>

namespace qrv::ch {

class GrowingBytes {
public:
    GrowingBytes() = default;
    GrowingBytes(const GrowingBytes &) = delete;
    GrowingBytes &operator=(const GrowingBytes &) = delete;
    GrowingBytes(GrowingBytes &&other) noexcept
        : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    GrowingBytes &operator=(GrowingBytes &&other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
        return *this;
    }
    ~GrowingBytes() { std::free(data_); }

    uint8_t *data() { return data_; }
    const uint8_t *data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::span<const uint8_t> view() const { return {data_, size_}; }

    // Grows (zero-filling the new bytes) or shrinks to size bytes; throws
    // std::bad_alloc when the block cannot grow, as a vector would.
    void resize(size_t size) {
        if (size > capacity_) reserve(size);
        if (size > size_) std::memset(data_ + size_, 0, size - size_);
        size_ = size;
    }

private:
    void reserve(size_t wanted) {
        size_t capacity = capacity_ + capacity_ / 2;
        if (capacity < wanted) capacity = wanted;
        if (capacity < kSmallest) capacity = kSmallest;
        void *moved = std::realloc(data_, capacity);
        if (!moved) throw std::bad_alloc();
        data_ = static_cast<uint8_t *>(moved);
        capacity_ = capacity;
    }

    static constexpr size_t kSmallest = 256;
    uint8_t *data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

}  // namespace qrv::ch
