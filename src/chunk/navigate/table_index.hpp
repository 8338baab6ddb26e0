// Reading the table index (store 14): table begins and ends in document
// order, each an item-shaped entry whose data2 is the store-0 id.
#pragma once

#include "chunk/walk.hpp"

namespace qrv::chunk {

// Walks the entries of store 14 in order.  Reads at most the counted number
// of entries, and ends (as a failure) when an entry's next id does not grow.
class TableIndexWalk {
public:
    explicit TableIndexWalk(CHHandle h);

    // Reads the next entry.  False when the entries are used up or a call
    // to the chunker fails.
    bool next();
    const CHItem &entry() const { return entry_; }
    bool is_begin() const { return entry_.type == CH_ITEM_TABLE_BEGIN; }
    bool is_end() const { return entry_.type == CH_ITEM_TABLE_END; }
    uint32_t item_id() const { return entry_.data2; }

private:
    CHHandle h_;
    uint32_t remaining_ = 0;
    uint32_t id_ = kNoItem;
    CHItem entry_{};
};

}  // namespace qrv::chunk
