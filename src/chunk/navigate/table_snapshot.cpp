#include "chunk/navigate/table_snapshot.hpp"

#include <algorithm>

namespace qrv::chunk {
namespace {

// The end search counts depth in 16 bits, from 0 at the begin it starts
// from: while the index never nests that deep anywhere it cannot wrap, and
// the quick answer is the walk's.
constexpr int64_t kDepthWithoutWrap = 0xFFFF;

uint64_t begin_key(int32_t depth_after, uint32_t index) {
    return (uint64_t{static_cast<uint32_t>(depth_after) ^ 0x80000000u} << 32) | index;
}

}  // namespace

TableSnapshot::TableSnapshot(CHHandle h) {
    if (CHGetItemCount(h, CH_STORE_TABLE_INDEX, &counted_) != 0) counted_ = 0;
    TableIndexWalk walk(h);
    while (walk.next()) {
        const Kind kind = walk.is_begin() ? Kind::kBegin : walk.is_end() ? Kind::kEnd : Kind::kOther;
        entries_.push_back({walk.item_id(), kind});
    }
    index_entries();
}

void TableSnapshot::index_entries() {
    const size_t n = entries_.size();
    highest_id_.resize(n);
    depth_before_.assign(n + 1, 0);
    matching_end_.assign(n, kNoItem);
    memory::GlobalVector<uint32_t> open;
    bool ids_grow = true;
    int32_t shallowest = 0, deepest = 0;
    for (size_t i = 0; i < n; ++i) {
        const Entry &entry = entries_[i];
        const auto index = static_cast<uint32_t>(i);
        highest_id_[i] = i == 0 ? entry.item_id : std::max(highest_id_[i - 1], entry.item_id);
        if (i > 0 && entry.item_id <= entries_[i - 1].item_id) ids_grow = false;
        int32_t depth = depth_before_[i];
        if (entry.kind == Kind::kBegin) {
            ++depth;
            begins_.push_back(begin_key(depth, index));
            open.push_back(index);
        } else if (entry.kind == Kind::kEnd) {
            --depth;
            if (!open.empty()) {
                matching_end_[open.back()] = index;
                open.pop_back();
            }
        }
        depth_before_[i + 1] = depth;
        shallowest = std::min(shallowest, depth);
        deepest = std::max(deepest, depth);
    }
    std::sort(begins_.begin(), begins_.end());
    ends_exact_ = ids_grow && int64_t{deepest} - shallowest < kDepthWithoutWrap;
}

// The walk reads the entries up to the first whose id lies after id; the
// innermost table open there is the last begin that reached its depth.
uint32_t TableSnapshot::begin_around(uint32_t id) const {
    const auto read =
        static_cast<uint32_t>(std::upper_bound(highest_id_.begin(), highest_id_.end(), id) - highest_id_.begin());
    const int32_t depth = depth_before_[read];
    if (depth <= 0) return kNoItem;
    const auto last = std::lower_bound(begins_.begin(), begins_.end(), begin_key(depth, read));
    if (last == begins_.begin() || (*std::prev(last) >> 32) != (begin_key(depth, 0) >> 32)) return kNoItem;
    return entries_[static_cast<uint32_t>(*std::prev(last))].item_id;
}

// With growing ids, nothing before the first entry at or after id counts;
// an end at id itself is passed over.  From there the first end met is the
// answer, and a begin is answered by the end that closes it.
std::optional<uint32_t> TableSnapshot::end_of(uint32_t id) const {
    if (!ends_exact_) return std::nullopt;
    auto at = std::lower_bound(entries_.begin(), entries_.end(), id,
                               [](const Entry &entry, uint32_t wanted) { return entry.item_id < wanted; });
    while (at != entries_.end() && (at->kind == Kind::kOther || (at->kind == Kind::kEnd && at->item_id == id))) ++at;
    if (at == entries_.end()) return kNoItem;
    if (at->kind == Kind::kEnd) return at->item_id;
    const uint32_t end = matching_end_[static_cast<size_t>(at - entries_.begin())];
    return end == kNoItem ? kNoItem : entries_[end].item_id;
}

}  // namespace qrv::chunk
