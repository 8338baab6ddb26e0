// Handles of open documents.  A handle is never given out twice, so a closed
// handle stays invalid for good.
#pragma once

#include "document.hpp"

#include "../qrvda/slot_tree.hpp"

#include <memory>
#include <mutex>
#include <new>

namespace qrv::ch {

// Handles start well away from 0 and small numbers, so that an id or a
// count passed as a handle by mistake is refused.
constexpr CHHandle kFirstHandle = 0x00C40001u;

// Opening and closing take the mutex; every chunker call looks its handle
// up without a lock.
struct Registry {
    std::mutex mutex;
    toolkit::SlotTree<Document> documents;  // by handle - kFirstHandle
    uint32_t opened = 0;
};

inline Registry &registry() {
    static Registry r;
    return r;
}

// The new document's handle, or 0 when the handles have run out or the
// registry cannot grow (the document is then released).
CHHandle open_document(std::unique_ptr<Document> doc);
// The document of a handle, or null for an unknown or closed one.
inline Document *find_document(CHHandle h) {
    return h < kFirstHandle ? nullptr : registry().documents.find(h - kFirstHandle);
}
// Takes the document out of the registry; null for an unknown handle.
std::unique_ptr<Document> close_document(CHHandle h);

// Runs fn on the document of a handle; CH_ERR_BAD_HANDLE for none,
// CH_ERR_NO_MEMORY when fn runs out of memory.
template <typename Fn>
uint32_t with_document(CHHandle h, Fn &&fn) {
    Document *doc = find_document(h);
    if (!doc) return CH_ERR_BAD_HANDLE;
    try {
        return fn(*doc);
    } catch (const std::bad_alloc &) {
        return CH_ERR_NO_MEMORY;
    }
}

}  // namespace qrv::ch
