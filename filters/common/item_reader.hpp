// The item stream read a batch at a time: the items from an id to the end
// of its chunk come in one CHGetItems, and each read of one of them after
// that is a copy.  Reads give what CHGetItem gives, the id of the item
// that follows included; an id the batches cannot serve is read alone.
#pragma once

#include <qrvch.h>

#include <vector>

namespace qrv::filters {

// Items read from the chunker at once.
inline constexpr uint32_t kItemBatch = 4096;

class ItemReader {
public:
    explicit ItemReader(CHHandle h);

    // As CHGetItem(h, CH_STORE_ITEMS, id, &item, &next).
    uint32_t get(uint32_t id, CHItem &item, uint32_t &next);

private:
    // A batch lies within one chunk, so its ids run on without a gap.
    bool holds(uint32_t id) const { return id - first_ < count_; }
    bool load(uint32_t id);
    uint32_t following_last();

    CHHandle chunker_;
    uint32_t chunk_size_ = 0;
    uint32_t total_ = 0;
    std::vector<CHItem> batch_;
    uint32_t first_ = 0;  // id of batch_[0]
    uint32_t count_ = 0;  // items of batch_ in use
    uint32_t after_ = CH_NO_ITEM;
    bool after_known_ = false;  // after_ holds the id that follows the batch
};

}  // namespace qrv::filters
