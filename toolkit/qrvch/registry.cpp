#include "registry.hpp"

namespace qrv::ch {

CHHandle open_document(std::unique_ptr<Document> doc) {
    auto &r = registry();
    std::lock_guard guard(r.mutex);
    Document *previous = nullptr;
    if (r.opened > ~kFirstHandle || !r.documents.set(r.opened, doc.get(), previous)) return 0;
    doc.release();
    return kFirstHandle + r.opened++;
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
