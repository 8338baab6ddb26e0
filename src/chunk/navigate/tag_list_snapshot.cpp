#include "chunk/navigate/tag_list_snapshot.hpp"

#include "host/chunker.hpp"

namespace qrv::chunk {

TagListSnapshot::TagListSnapshot(CHHandle h) {
    uint32_t first = CH_NO_ITEM;
    if (CHGetItemCount(h, CH_STORE_TAG_LIST, &counted_) != 0 || counted_ == 0) return;
    if (CHGetItemId(h, CH_STORE_TAG_LIST, 0, &first) != 0) return;
    host::LockedRange range(h, CH_STORE_TAG_LIST, first, counted_);
    if (!range.ok()) return;
    const CHTagListEntry *entries = range.data<CHTagListEntry>();
    first_begin_.reserve(counted_);
    for (uint32_t i = 0; i < counted_; ++i)
        first_begin_.emplace(key_of(entries[i].Key, entries[i].TagCode), entries[i].TagBeginId);
    readable_ = true;
}

std::optional<uint32_t> TagListSnapshot::begin_of(uint32_t key, uint32_t tag_code) const {
    const auto found = first_begin_.find(key_of(key, tag_code));
    if (found == first_begin_.end()) return std::nullopt;
    return found->second;
}

}  // namespace qrv::chunk
