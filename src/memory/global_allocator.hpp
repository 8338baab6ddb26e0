// A standard allocator over movable global memory, for the containers the
// library keeps for itself: the library takes no memory from operator new.
// Each allocation is one block, locked for its life, with its handle kept in
// front of the items.  A block that cannot be had throws std::bad_alloc,
// which the container's owner catches before it could reach a C caller.
#pragma once

#include <qrvplatform/platform.h>

#include <cstddef>
#include <list>
#include <new>
#include <unordered_map>
#include <vector>

namespace qrv::memory {

template <typename T>
class GlobalAllocator {
public:
    using value_type = T;

    GlobalAllocator() = default;
    template <typename U>
    GlobalAllocator(const GlobalAllocator<U> &) {}

    T *allocate(size_t n) {
        if (n > (static_cast<size_t>(-1) - kHeader) / sizeof(T)) throw std::bad_alloc();
        HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE, kHeader + n * sizeof(T));
        if (!handle) throw std::bad_alloc();
        auto *bytes = static_cast<unsigned char *>(GlobalLock(handle));
        if (!bytes) {
            GlobalFree(handle);
            throw std::bad_alloc();
        }
        *reinterpret_cast<HGLOBAL *>(bytes) = handle;
        return reinterpret_cast<T *>(bytes + kHeader);
    }

    void deallocate(T *items, size_t) {
        HGLOBAL handle = *reinterpret_cast<HGLOBAL *>(reinterpret_cast<unsigned char *>(items) - kHeader);
        GlobalUnlock(handle);
        GlobalFree(handle);
    }

    template <typename U>
    bool operator==(const GlobalAllocator<U> &) const {
        return true;
    }

private:
    static constexpr size_t kHeader = alignof(std::max_align_t) > sizeof(HGLOBAL) ? alignof(std::max_align_t)
                                                                                  : sizeof(HGLOBAL);
};

template <typename T>
using GlobalVector = std::vector<T, GlobalAllocator<T>>;
template <typename T>
using GlobalList = std::list<T, GlobalAllocator<T>>;
template <typename Key, typename Value>
using GlobalHashMap =
    std::unordered_map<Key, Value, std::hash<Key>, std::equal_to<Key>, GlobalAllocator<std::pair<const Key, Value>>>;

}  // namespace qrv::memory
