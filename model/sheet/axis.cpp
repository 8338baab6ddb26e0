#include "axis.hpp"

#include <algorithm>

namespace qrv::import {

Axis::Axis(const std::vector<uint32_t> &used, uint32_t longest_kept_gap) {
    uint64_t next = 0;  // the first source index not yet laid out
    for (uint32_t u : used) {
        if (u < next) continue;
        if (u - next > longest_kept_gap) {
            entries_.push_back({static_cast<uint32_t>(next), true});
        } else {
            for (uint64_t k = next; k < u; ++k) entries_.push_back({static_cast<uint32_t>(k), false});
        }
        entries_.push_back({u, false});
        next = uint64_t{u} + 1;
    }
}

uint32_t Axis::place_of(uint32_t source) const {
    auto after = std::upper_bound(entries_.begin(), entries_.end(), source,
                                  [](uint32_t s, const Entry &e) { return s < e.source; });
    return after == entries_.begin() ? 0 : static_cast<uint32_t>(after - entries_.begin() - 1);
}

bool Axis::lays_out(uint32_t source) const {
    if (entries_.empty()) return false;
    const Entry &e = entries_[place_of(source)];
    return !e.gap && e.source == source;
}

}  // namespace qrv::import
