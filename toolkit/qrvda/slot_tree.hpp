// Pointers by 32-bit number, read without a lock.  Three levels of pages
// (256 x 4096 x 4096 slots) are made as numbers come into use and kept
// until the tree goes, so a reader never meets freed memory; a slot is an
// atomic pointer.  Writers (set) must be serialised by the owner; readers
// (find) may run at any time beside them.  An object set in a slot is seen
// whole by a reader that got its number from the writer's side (its
// construction happens before the release store that publishes it).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

namespace qrv::toolkit {

template <typename T>
class SlotTree {
public:
    SlotTree() = default;
    ~SlotTree() {
        for (auto &middle : top_) {
            Middle *m = middle.load(std::memory_order_relaxed);
            if (m == nullptr) continue;
            for (auto &leaf : *m) delete leaf.load(std::memory_order_relaxed);
            delete m;
        }
    }
    SlotTree(const SlotTree &) = delete;
    SlotTree &operator=(const SlotTree &) = delete;

    T *find(uint32_t number) const {
        const Middle *middle = top_[number >> 24].load(std::memory_order_acquire);
        if (middle == nullptr) return nullptr;
        const Leaf *leaf = (*middle)[(number >> kLeafBits) & kMiddleMask].load(std::memory_order_acquire);
        if (leaf == nullptr) return nullptr;
        return (*leaf)[number & kLeafMask].load(std::memory_order_acquire);
    }

    // Puts object (or null) in the number's slot and gives the one it held;
    // false, with nothing changed, when a page cannot be made.
    bool set(uint32_t number, T *object, T *&previous) {
        Leaf *leaf = leaf_for(number);
        if (leaf == nullptr) return false;
        previous = (*leaf)[number & kLeafMask].exchange(object, std::memory_order_acq_rel);
        return true;
    }

    // Calls visit(number, object) for every slot that holds an object
    // (writers serialised as for set).
    template <typename Visit>
    void for_each(Visit &&visit) const {
        for (uint32_t t = 0; t < kTopSize; ++t) {
            const Middle *middle = top_[t].load(std::memory_order_acquire);
            if (middle == nullptr) continue;
            for (uint32_t m = 0; m <= kMiddleMask; ++m) {
                const Leaf *leaf = (*middle)[m].load(std::memory_order_acquire);
                if (leaf == nullptr) continue;
                for (uint32_t l = 0; l <= kLeafMask; ++l)
                    if (T *object = (*leaf)[l].load(std::memory_order_acquire))
                        visit((t << 24) | (m << kLeafBits) | l, object);
            }
        }
    }

private:
    static constexpr uint32_t kTopSize = 256;
    static constexpr uint32_t kLeafBits = 12;
    static constexpr uint32_t kLeafMask = (1u << kLeafBits) - 1;
    static constexpr uint32_t kMiddleMask = (1u << 12) - 1;
    using Leaf = std::array<std::atomic<T *>, kLeafMask + 1>;
    using Middle = std::array<std::atomic<Leaf *>, kMiddleMask + 1>;

    template <typename Page>
    static Page *page_in(std::atomic<Page *> &slot) {
        Page *page = slot.load(std::memory_order_relaxed);
        if (page != nullptr) return page;
        page = new (std::nothrow) Page{};  // every slot null
        if (page != nullptr) slot.store(page, std::memory_order_release);
        return page;
    }

    Leaf *leaf_for(uint32_t number) {
        Middle *middle = page_in(top_[number >> 24]);
        return middle == nullptr ? nullptr : page_in((*middle)[(number >> kLeafBits) & kMiddleMask]);
    }

    std::array<std::atomic<Middle *>, kTopSize> top_{};
};

}  // namespace qrv::toolkit
