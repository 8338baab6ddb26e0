// A set of item types, written as the lists of types and ranges the
// gathering routines hand to the change walk.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace qrv::gather {

struct TypeRange {
    uint32_t first;
    uint32_t last;
    constexpr TypeRange(uint32_t type) : first(type), last(type) {}
    constexpr TypeRange(uint32_t from, uint32_t to) : first(from), last(to) {}
};

class TypeSet {
public:
    static constexpr uint32_t kLimit = 256;

    constexpr TypeSet(std::initializer_list<TypeRange> ranges) {
        for (const TypeRange &r : ranges)
            for (uint32_t t = r.first; t <= r.last && t < kLimit; ++t) bits_[t / 64] |= uint64_t{1} << (t % 64);
    }

    constexpr bool contains(uint32_t type) const { return type < kLimit && (bits_[type / 64] >> (type % 64)) & 1u; }

private:
    uint64_t bits_[kLimit / 64] = {};
};

}  // namespace qrv::gather
