#include "memory/cache/entries.hpp"

namespace qrv::cache {

uint32_t oldest_entry(const MUCache &cache) {
    uint32_t oldest = 0;
    uint32_t oldestStamp = load_slot(cache, 0).Stamp;
    for (uint32_t i = 1; i < cache.Count; ++i) {
        const uint32_t stamp = load_slot(cache, i).Stamp;
        if (stamp < oldestStamp) {
            oldest = i;
            oldestStamp = stamp;
        }
    }
    return oldest;
}

}  // namespace qrv::cache
