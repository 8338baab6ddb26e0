// The bytes of a store: one block grown in place, half as much again each
// time it is full.  Pages not yet written take no memory, so a store of a
// hundred megabytes never needs twice that while it grows (a vector would
// hold its old and its new block at once).  A small block comes from
// realloc; from kMappedFrom bytes on (on Linux) the block is a mapping of
// its own that mremap moves or extends without copying a byte, whatever
// the allocator's own threshold for mappings has become.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <span>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace qrv::ch {

class GrowingBytes {
public:
    GrowingBytes() = default;
    GrowingBytes(const GrowingBytes &) = delete;
    GrowingBytes &operator=(const GrowingBytes &) = delete;
    GrowingBytes(GrowingBytes &&other) noexcept
        : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)), written_(std::exchange(other.written_, 0)),
          mapped_(std::exchange(other.mapped_, false)) {}
    GrowingBytes &operator=(GrowingBytes &&other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
        std::swap(written_, other.written_);
        std::swap(mapped_, other.mapped_);
        return *this;
    }
    ~GrowingBytes() { release(); }

    uint8_t *data() { return data_; }
    const uint8_t *data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::span<const uint8_t> view() const { return {data_, size_}; }

    // Grows (zero-filling the new bytes) or shrinks to size bytes; throws
    // std::bad_alloc when the block cannot grow, as a vector would.
    void resize(size_t size) {
        if (size > capacity_) reserve(size);
        // A mapping's pages come zeroed: only bytes once written and given
        // back by a shrink need clearing.
        if (size > size_) std::memset(data_ + size_, 0, std::min(size, cleared_from()) - size_);
        size_ = size;
        written_ = std::max(written_, size_);
    }

private:
    // Where the bytes never written start: zero in a mapping.
    size_t cleared_from() const { return mapped_ ? std::max(written_, size_) : capacity_; }

    void reserve(size_t wanted) {
        size_t capacity = capacity_ + capacity_ / 2;
        if (capacity < wanted) capacity = wanted;
        if (capacity < kSmallest) capacity = kSmallest;
#if defined(__linux__) && defined(MREMAP_MAYMOVE)
        if (capacity >= kMappedFrom) return map(capacity);
#endif
        void *moved = std::realloc(data_, capacity);
        if (!moved) throw std::bad_alloc();
        data_ = static_cast<uint8_t *>(moved);
        capacity_ = capacity;
    }

#if defined(__linux__) && defined(MREMAP_MAYMOVE)
    void map(size_t capacity) {
        capacity = (capacity + kPage - 1) & ~(kPage - 1);
        void *block = mapped_ ? mremap(data_, capacity_, capacity, MREMAP_MAYMOVE)
                              : mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED) throw std::bad_alloc();
        if (!mapped_) {
            if (size_) std::memcpy(block, data_, size_);
            std::free(data_);
            written_ = size_;
        }
        data_ = static_cast<uint8_t *>(block);
        capacity_ = capacity;
        mapped_ = true;
    }
#endif

    void release() {
#if defined(__linux__) && defined(MREMAP_MAYMOVE)
        if (mapped_) {
            munmap(data_, capacity_);
            return;
        }
#endif
        std::free(data_);
    }

    static constexpr size_t kSmallest = 256;
    static constexpr size_t kMappedFrom = size_t{1} << 20;
    static constexpr size_t kPage = 4096;
    uint8_t *data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
    size_t written_ = 0;  // the most bytes ever in use (a mapping's bytes beyond are still zero)
    bool mapped_ = false;
};

}  // namespace qrv::ch
