// A list of plain records in a GrowingBytes block: it grows without copying
// and, once large, keeps only the records used lately in memory (the rest
// wait in a scratch file).  A pass over the list says where it is with
// used(), so that a pass over ten million records holds a few megabytes.
#pragma once

#include <cstddef>
#include <type_traits>

#include "growing_bytes.hpp"

namespace qrv {

template <typename T>
class GrowingArray {
    static_assert(std::is_trivially_copyable_v<T>, "the records are moved as bytes");

public:
    T *begin() { return reinterpret_cast<T *>(bytes_.data()); }
    T *end() { return begin() + size(); }
    const T *begin() const { return reinterpret_cast<const T *>(bytes_.data()); }
    const T *end() const { return begin() + size(); }
    size_t size() const { return bytes_.size() / sizeof(T); }
    bool empty() const { return bytes_.empty(); }
    T &operator[](size_t i) { return begin()[i]; }
    const T &operator[](size_t i) const { return begin()[i]; }
    T &back() { return end()[-1]; }
    const T &back() const { return end()[-1]; }

    void push_back(const T &record) {
        const size_t n = size();
        bytes_.resize((n + 1) * sizeof(T));
        begin()[n] = record;
    }
    // Fewer records (the first count kept) or more (zero bytes).
    void resize(size_t count) { bytes_.resize(count * sizeof(T)); }
    // Room for count records at once (a hint: the block still grows later).
    void reserve(size_t count) { bytes_.reserve(count * sizeof(T)); }
    void clear() { GrowingArray().swap(*this); }
    void swap(GrowingArray &other) noexcept { bytes_.swap(other.bytes_); }

    // A pass used the record at index.
    void used(size_t index) const { bytes_.used(index * sizeof(T), sizeof(T)); }

private:
    GrowingBytes bytes_;
};

}  // namespace qrv
