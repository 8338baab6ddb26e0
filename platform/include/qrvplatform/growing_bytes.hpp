// A block of bytes grown in place, half as much again each time it is full.
// Pages not yet written take no memory, so a block of a hundred megabytes
// never needs twice that while it grows (a vector would hold its old and its
// new block at once).  A small block comes from realloc.  On Linux a larger
// one is a mapping of its own that mremap moves or extends without copying a
// byte: from kMappedFrom bytes on a mapping of anonymous memory, and from
// the scratch size on (kScratchFrom, unless QRVEX_SCRATCH_FROM or the owner
// says otherwise) a shared mapping of a scratch file.  The scratch block's
// bytes live in the file: its owner says which bytes it uses as it goes
// (used()), and every
// kResidentStep bytes of use the pages away from the last use are handed
// back to the file, so the memory the block holds stays near kResidentStep
// plus twice kKeptAround whatever its size, and the page cache (which the
// system can write out) holds the rest.  The addresses stay valid: a page
// handed back is read in again when it is touched.  When no scratch file
// can be made or grown, the block stays anonymous memory.
#pragma once

#include <algorithm>
#include <atomic>
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

#include "scratch_file.hpp"

namespace qrv {

class GrowingBytes {
public:
    static constexpr size_t kScratchFrom = size_t{8} << 20;
    static constexpr size_t kResidentStep = size_t{4} << 20;
    static constexpr size_t kKeptAround = size_t{1} << 20;
    // No scratch file at any size.
    static constexpr size_t kNeverScratch = ~size_t{0};

    GrowingBytes() : GrowingBytes(scratch_from_setting(kScratchFrom)) {}
    // A block that goes to a scratch file from scratch_from bytes on; below
    // the default size it also hands pages back sooner (after scratch_from
    // bytes of use, keeping a quarter of that around the last).
    explicit GrowingBytes(size_t scratch_from)
        : scratch_from_(scratch_from), resident_step_(std::clamp(scratch_from, kPage, kResidentStep)),
          kept_around_(std::clamp(scratch_from / 4 & ~(kPage - 1), kPage, kKeptAround)) {}
    GrowingBytes(const GrowingBytes &) = delete;
    GrowingBytes &operator=(const GrowingBytes &) = delete;
    GrowingBytes(GrowingBytes &&other) noexcept { swap(other); }
    GrowingBytes &operator=(GrowingBytes &&other) noexcept {
        swap(other);
        return *this;
    }
    ~GrowingBytes() { release(); }

    void swap(GrowingBytes &other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
        std::swap(written_, other.written_);
        std::swap(mapped_, other.mapped_);
        std::swap(scratch_, other.scratch_);
        std::swap(scratch_from_, other.scratch_from_);
        std::swap(resident_step_, other.resident_step_);
        std::swap(kept_around_, other.kept_around_);
        swap_counts(used_since_, other.used_since_);
        std::swap(populated_, other.populated_);
        swap_counts(read_ahead_to_, other.read_ahead_to_);
    }

    uint8_t *data() { return data_; }
    const uint8_t *data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::span<const uint8_t> view() const { return {data_, size_}; }
    // Whether the bytes live in a scratch file.
    bool in_scratch() const { return scratch_ >= 0; }

    // Grows (zero-filling the new bytes) or shrinks to size bytes; throws
    // std::bad_alloc when the block cannot grow, as a vector would.  The
    // bytes a growth adds count as used.
    void resize(size_t size) {
        if (size > capacity_) grow(size);
        // A mapping's pages come zeroed: only bytes once written and given
        // back by a shrink need clearing.
        const size_t old_size = size_;
        if (size > size_) std::memset(data_ + size_, 0, std::min(size, cleared_from()) - size_);
        size_ = size;
        written_ = std::max(written_, size_);
        if (size <= old_size) return;
        if (size > populated_) populate_to(size);
        count_use(old_size, size - old_size);
    }

    // Room for size bytes without growing again (a hint: the block still
    // grows past it); throws std::bad_alloc as resize does.
    void reserve(size_t size) {
        if (size > capacity_) grow(size);
    }

    // The owner used length bytes from offset (read or wrote them).  Where
    // the bytes are kept is no part of what they are: a const block may say
    // so too.
    void used(size_t offset, size_t length) const {
        if (scratch_ < 0) return;
        if (offset + length > read_ahead_to_.load(std::memory_order_relaxed)) read_ahead(offset, length);
        count_use(offset, length);
    }

private:
    static void swap_counts(std::atomic<size_t> &a, std::atomic<size_t> &b) noexcept {
        const size_t kept = a.load(std::memory_order_relaxed);
        a.store(b.load(std::memory_order_relaxed), std::memory_order_relaxed);
        b.store(kept, std::memory_order_relaxed);
    }

    void count_use(size_t offset, size_t length) const {
        if (scratch_ < 0) return;
        const size_t since = used_since_.load(std::memory_order_relaxed) + length;
        used_since_.store(since, std::memory_order_relaxed);
        if (since >= resident_step_) hand_back_around(offset, length);
    }

    // Where the bytes never written start: zero in a mapping.
    size_t cleared_from() const { return mapped_ ? std::max(written_, size_) : capacity_; }

    void grow(size_t wanted) {
        size_t capacity = capacity_ + capacity_ / 2;
        if (capacity < wanted) capacity = wanted;
        if (capacity < kSmallest) capacity = kSmallest;
#if defined(__linux__) && defined(MREMAP_MAYMOVE)
        if (capacity >= scratch_from_ && map_scratch(capacity)) return;
        if (capacity >= kMappedFrom) return map_anonymous(capacity);
#endif
        void *moved = std::realloc(data_, capacity);
        if (!moved) throw std::bad_alloc();
        data_ = static_cast<uint8_t *>(moved);
        capacity_ = capacity;
    }

#if defined(__linux__) && defined(MREMAP_MAYMOVE)
    static size_t whole_pages(size_t bytes) { return (bytes + kPage - 1) & ~(kPage - 1); }

    // A mapping's pages are made present kPopulated at a time, ahead of the
    // bytes in use, with one call instead of a fault for each page (where
    // the system cannot, they still come by faults).
    void populate_to(size_t size) {
        if (!mapped_) return;
        const size_t from = populated_ & ~(kPage - 1), to = std::min(capacity_, whole_pages(size + kPopulated));
#if defined(MADV_POPULATE_WRITE)
        if (to > from) madvise(data_ + from, to - from, MADV_POPULATE_WRITE);
#endif
        populated_ = to;
    }

    // Moves the bytes into a block of their own; the old one is let go.
    void take_block(void *block, size_t capacity) {
        if (size_) std::memcpy(block, data_, size_);
        release();
        written_ = size_;
        data_ = static_cast<uint8_t *>(block);
        capacity_ = capacity;
        mapped_ = true;
        populated_ = size_;
    }

    void map_anonymous(size_t capacity) {
        capacity = whole_pages(capacity);
        if (mapped_ && scratch_ < 0) {
            void *block = mremap(data_, capacity_, capacity, MREMAP_MAYMOVE);
            if (block == MAP_FAILED) throw std::bad_alloc();
            data_ = static_cast<uint8_t *>(block);
            capacity_ = capacity;
            return;
        }
        void *block = mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED) throw std::bad_alloc();
        take_block(block, capacity);
    }

    // False (the block as it was) when the scratch file cannot be made or
    // grown.
    bool map_scratch(size_t capacity) {
        capacity = whole_pages(capacity);
        if (scratch_ >= 0) {
            if (!grow_scratch_file(scratch_, capacity_, capacity)) return false;
            void *block = mremap(data_, capacity_, capacity, MREMAP_MAYMOVE);
            if (block == MAP_FAILED) return false;
            data_ = static_cast<uint8_t *>(block);
            capacity_ = capacity;
            return true;
        }
        const int fd = open_scratch_file();
        void *block = fd >= 0 && grow_scratch_file(fd, 0, capacity)
                          ? mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                          : MAP_FAILED;
        if (block == MAP_FAILED) {
            close_scratch_file(fd);
            return false;
        }
        take_block(block, capacity);
        scratch_ = fd;
        return true;
    }

    // Hands back to the file every page more than kept_around_ from the
    // last use.
    void hand_back_around(size_t offset, size_t length) const {
        used_since_.store(0, std::memory_order_relaxed);
        const size_t keep_from = offset > kept_around_ ? (offset - kept_around_) & ~(kPage - 1) : 0;
        const size_t keep_to = std::min(capacity_, whole_pages(offset + length + kept_around_));
        if (keep_from) madvise(data_, keep_from, MADV_DONTNEED);
        if (keep_to < capacity_) madvise(data_ + keep_to, capacity_ - keep_to, MADV_DONTNEED);
    }
    // A pass that goes on from where the last use ended has the pages in
    // front of it read in kPopulated at a time, with one call; a jump
    // elsewhere takes its pages by faults, and a pass from there on is
    // read ahead again.
    void read_ahead(size_t offset, size_t length) const {
        const size_t ahead_to = read_ahead_to_.load(std::memory_order_relaxed);
        const bool goes_on = offset + kPopulated >= ahead_to && offset <= ahead_to + kPage;
        if (!goes_on) {
            read_ahead_to_.store(whole_pages(offset + length), std::memory_order_relaxed);
            return;
        }
        const size_t from = ahead_to & ~(kPage - 1);
        const size_t to = std::min(whole_pages(size_), whole_pages(offset + length + kPopulated));
#if defined(MADV_POPULATE_READ)
        if (to > from) madvise(data_ + from, to - from, MADV_POPULATE_READ);
#endif
        read_ahead_to_.store(std::max(to, whole_pages(offset + length)), std::memory_order_relaxed);
    }
#else
    void read_ahead(size_t, size_t) const {}
    void populate_to(size_t) {}
    void hand_back_around(size_t, size_t) const { used_since_.store(0, std::memory_order_relaxed); }
#endif

    void release() {
#if defined(__linux__) && defined(MREMAP_MAYMOVE)
        if (mapped_) {
            munmap(data_, capacity_);
            close_scratch_file(scratch_);
            scratch_ = -1;
            mapped_ = false;
            return;
        }
#endif
        std::free(data_);
    }

    static constexpr size_t kSmallest = 256;
    static constexpr size_t kMappedFrom = size_t{1} << 20;
    static constexpr size_t kPage = 4096;
    static constexpr size_t kPopulated = size_t{256} << 10;
    uint8_t *data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
    size_t written_ = 0;  // the most bytes ever in use (a mapping's bytes beyond are still zero)
    bool mapped_ = false;
    int scratch_ = -1;  // the scratch file's descriptor
    size_t scratch_from_ = kScratchFrom;
    size_t resident_step_ = kResidentStep;
    size_t kept_around_ = kKeptAround;
    // Readers of one block on several threads may count at once: the
    // counts are only hints, so a count lost to a race costs nothing.
    mutable std::atomic<size_t> used_since_{0};  // bytes used since pages were last handed back
    size_t populated_ = 0;   // a mapping's pages before this are present (or were once)
    mutable std::atomic<size_t> read_ahead_to_{0};  // where the pages read ahead end
};

}  // namespace qrv
