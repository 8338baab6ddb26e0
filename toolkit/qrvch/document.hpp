// An in-memory document: every store, the locked ranges, labels and faults.
#pragma once

#include "faults.hpp"
#include "resources.hpp"
#include "store.hpp"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace qrv::ch {

class Document {
public:
    explicit Document(uint32_t chunk_size);

    uint32_t chunk_size() const { return chunk_size_; }

    // The store of a code, or null when the document has none.
    Store *find_store(CHStore code) {
        return code < kStorePlaces.size() && kStorePlaces[code] != kNoStore ? &stores_[kStorePlaces[code]] : nullptr;
    }
    Store &store(CHStore code) { return *find_store(code); }
    Store &items() { return stores_.front(); }

    // Locked ranges: a lock adds one, an unlock must match a lock exactly.
    void lock(CHStore store, uint32_t first, uint32_t count);
    bool unlock(CHStore store, uint32_t first, uint32_t count);
    uint32_t locked_ranges() const { return locked_; }

    std::map<std::string, uint32_t> &labels() { return labels_; }

    // What the builder remembers between appends.
    struct BuildState {
        std::vector<CHItem> open_tags;       // tag begins not yet ended, innermost last
        uint32_t counting_run = CH_NO_ITEM;  // store-15 id of the run that counts cells
    };
    BuildState &build_state() { return build_; }
    Faults &faults() { return faults_; }
    Resources &resources() { return resources_; }

private:
    using Range = std::tuple<CHStore, uint32_t, uint32_t>;

    uint32_t chunk_size_;
    std::vector<Store> stores_;
    std::map<Range, uint32_t> locks_;
    uint32_t locked_ = 0;
    std::map<std::string, uint32_t> labels_;
    Faults faults_;
    BuildState build_;
    Resources resources_;
};

}  // namespace qrv::ch
