// The table index of a document read once, for the table searches of one
// export run.
//
// Each table search walks the index (store 14) from its first entry, so a
// filter that asks about every table of a document with many of them reads
// the index once per table.  The run keeps what the first search read and
// answers the later ones from it (RunSnapshots keeps it).  The answers are
// those of the walk: the snapshot holds exactly the entries a walk reads (it
// stops where a walk stops), and an index the quick answer cannot follow
// exactly (entries whose ids do not grow, or tables nested so deep that the
// 16-bit depth of the end search could wrap) is left to the walk.
#pragma once

#include "chunk/navigate/table_index.hpp"
#include "memory/global_allocator.hpp"

#include <cstdint>
#include <optional>

namespace qrv::chunk {

class TableSnapshot {
public:
    explicit TableSnapshot(CHHandle h);

    // The entry count the chunker gave when the snapshot was read.
    uint32_t counted() const { return counted_; }
    // What CUFindTableBeginId answers for id.
    uint32_t begin_around(uint32_t id) const;
    // What CUFindTableEndId answers for id, or nothing when only the walk
    // can tell.
    std::optional<uint32_t> end_of(uint32_t id) const;

private:
    enum class Kind : uint8_t { kOther, kBegin, kEnd };
    struct Entry {
        uint32_t item_id;
        Kind kind;
    };

    void index_entries();

    uint32_t counted_ = 0;
    memory::GlobalVector<Entry> entries_;
    memory::GlobalVector<uint32_t> highest_id_;    // the largest item id among entries 0..i
    memory::GlobalVector<int32_t> depth_before_;   // begins minus ends before entry i (one more than entries)
    memory::GlobalVector<uint64_t> begins_;        // (depth after the begin, entry index), in order
    memory::GlobalVector<uint32_t> matching_end_;  // entry index of the end that closes a begin, or none
    bool ends_exact_ = false;
};

}  // namespace qrv::chunk
