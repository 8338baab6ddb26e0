#include "registry.hpp"

#include "../qrvda/slot_tree.hpp"

#include <mutex>

namespace qrv::ch {

namespace {

// Handles start well away from 0 and small numbers, so that an id or a
// count passed as a handle by mistake is refused.
constexpr CHHandle kFirstHandle = 0x00C40001u;

// Opening and closing take the mutex; every chunker call looks its
// handle up without a lock.
struct Registry {
    std::mutex mutex;
    toolkit::SlotTree<Document> documents;  // by handle - kFirstHandle
    uint32_t opened = 0;
};

Registry &registry() {
    static Registry r;
    return r;
}

}  // namespace

CHHandle open_document(std::unique_ptr<Document> doc) {
    auto &r = registry();
    std::lock_guard guard(r.mutex);
    Document *previous = nullptr;
    if (r.opened > ~kFirstHandle || !r.documents.set(r.opened, doc.get(), previous)) return 0;
    doc.release();
    return kFirstHandle + r.opened++;
}

Document *find_document(CHHandle h) {
    return h < kFirstHandle ? nullptr : registry().documents.find(h - kFirstHandle);
}

std::unique_ptr<Document> close_document(CHHandle h) {
    auto &r = registry();
    std::lock_guard guard(r.mutex);
    Document *previous = nullptr;
    if (h < kFirstHandle || h - kFirstHandle >= r.opened || !r.documents.set(h - kFirstHandle, nullptr, previous))
        return nullptr;
    return std::unique_ptr<Document>(previous);
}

}  // namespace qrv::ch
