// The chunker as the library sees it: thin C++ wrappers over the nine CH
// operations, and a guard that releases a locked range on every path.
#pragma once

#include <qrvch.h>
#include <qrvex/items.h>

#include <cstdint>

namespace qrv::host {

// Reads one item of store 0.  next may be null when the caller does not
// need the following id.
inline uint32_t get_item(CHHandle h, uint32_t id, CHItem &item, uint32_t *next) {
    return CHGetItem(h, CH_STORE_ITEMS, id, &item, next);
}

// A range of a store made addressable in place for the guard's lifetime.
// The address is valid only while the guard lives; check ok() first.
class LockedRange {
public:
    LockedRange(CHHandle h, CHStore store, uint32_t first, uint32_t count)
        : h_(h), store_(store), first_(first), count_(count) {
        result_ = CHLockItemRange(h, store, first, count, &address_);
    }
    ~LockedRange() { release(); }
    LockedRange(const LockedRange &) = delete;
    LockedRange &operator=(const LockedRange &) = delete;

    bool ok() const { return result_ == 0; }
    uint32_t result() const { return result_; }
    template <typename T = void>
    const T *data() const {
        return static_cast<const T *>(address_);
    }

    // Unlocks now and returns the unlock's own result (some callers hand it
    // back); later calls and the destructor do nothing more.
    uint32_t release() {
        if (!ok() || released_) return 0;
        released_ = true;
        return CHUnlockItemRange(h_, store_, first_, count_);
    }

private:
    CHHandle h_;
    CHStore store_;
    uint32_t first_;
    uint32_t count_;
    void *address_ = nullptr;
    uint32_t result_ = 0;
    bool released_ = false;
};

}  // namespace qrv::host
