#include "chunk/navigate/table_index.hpp"

namespace qrv::chunk {

TableIndexWalk::TableIndexWalk(CHHandle h) : h_(h) {
    uint32_t count = 0;
    if (CHGetItemCount(h, CH_STORE_TABLE_INDEX, &count) != 0 || count == 0) return;
    if (CHGetItemId(h, CH_STORE_TABLE_INDEX, 0, &id_) != 0) return;
    remaining_ = count;
}

bool TableIndexWalk::next() {
    if (remaining_ == 0 || id_ == kNoItem) return false;
    const uint32_t current = id_;
    uint32_t following = kNoItem;
    if (CHGetItem(h_, CH_STORE_TABLE_INDEX, current, &entry_, &following) != 0) {
        remaining_ = 0;
        return false;
    }
    --remaining_;
    id_ = following > current ? following : kNoItem;
    return true;
}

}  // namespace qrv::chunk
