#include "document.hpp"

namespace qrv::ch {

Document::Document(uint32_t chunk_size) : chunk_size_(chunk_size) {
    for (const StoreShape &shape : kStoreShapes) stores_.emplace_back(shape, chunk_size);
}

void Document::lock(CHStore store, uint32_t first, uint32_t count) {
    ++locks_[{store, first, count}];
    ++locked_;
}

bool Document::unlock(CHStore store, uint32_t first, uint32_t count) {
    auto it = locks_.find({store, first, count});
    if (it == locks_.end()) return false;
    if (--it->second == 0) locks_.erase(it);
    --locked_;
    return true;
}

}  // namespace qrv::ch
