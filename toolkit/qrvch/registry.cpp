#include "registry.hpp"

#include <mutex>
#include <vector>

namespace qrv::ch {

namespace {

// Handles start well away from 0 and small numbers, so that an id or a
// count passed as a handle by mistake is refused.
constexpr CHHandle kFirstHandle = 0x00C40001u;

struct Registry {
    std::mutex mutex;
    std::vector<std::unique_ptr<Document>> documents;  // index = handle - kFirstHandle
};

Registry &registry() {
    static Registry r;
    return r;
}

}  // namespace

CHHandle open_document(std::unique_ptr<Document> doc) {
    auto &r = registry();
    std::lock_guard guard(r.mutex);
    r.documents.push_back(std::move(doc));
    return kFirstHandle + static_cast<CHHandle>(r.documents.size() - 1);
}

Document *find_document(CHHandle h) {
    auto &r = registry();
    std::lock_guard guard(r.mutex);
    if (h < kFirstHandle || h - kFirstHandle >= r.documents.size()) return nullptr;
    return r.documents[h - kFirstHandle].get();
}

std::unique_ptr<Document> close_document(CHHandle h) {
    auto &r = registry();
    std::lock_guard guard(r.mutex);
    if (h < kFirstHandle || h - kFirstHandle >= r.documents.size()) return nullptr;
    return std::move(r.documents[h - kFirstHandle]);
}

}  // namespace qrv::ch
