#include "item_reader.hpp"

#include <algorithm>

namespace qrv::filters {
ItemReader::ItemReader(CHHandle h) : chunker_(h) {
    if (CHGetChunkSize(h, &chunk_size_) != 0 || CHGetItemCount(h, CH_STORE_ITEMS, &total_) != 0) chunk_size_ = 0;
    if (chunk_size_ > 0) batch_.resize(std::min(chunk_size_, kItemBatch));
}

uint32_t ItemReader::get(uint32_t id, CHItem &item, uint32_t &next) {
    if (!holds(id) && !load(id)) return CHGetItem(chunker_, CH_STORE_ITEMS, id, &item, &next);
    const uint32_t at = id - first_;
    item = batch_[at];
    next = at + 1 < count_ ? id + 1 : following_last();
    return 0;
}

// Items of a chunk have consecutive ids, and every chunk but the last is full.
bool ItemReader::load(uint32_t id) {
    const uint32_t place = id & 0xFFFFu;
    if (chunk_size_ == 0 || place >= chunk_size_) return false;
    const uint64_t index = uint64_t{id >> 16} * chunk_size_ + place;
    if (index >= total_) return false;
    const auto count = static_cast<uint32_t>(std::min<uint64_t>({chunk_size_ - place, total_ - index, batch_.size()}));
    if (CHGetItems(chunker_, CH_STORE_ITEMS, id, count, batch_.data()) != 0) return false;
    first_ = id;
    count_ = count;
    after_known_ = false;
    return true;
}

// The id after the batch's last item, asked of the chunker once a batch.
uint32_t ItemReader::following_last() {
    if (!after_known_ && CHNextItemId(chunker_, CH_STORE_ITEMS, first_ + count_ - 1, &after_) != 0) after_ = CH_NO_ITEM;
    after_known_ = true;
    return after_;
}

}  // namespace qrv::filters
