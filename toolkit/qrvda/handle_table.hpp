// Objects named by checked 32-bit handles.  Each table has its own tag in
// the top byte, so a handle of one kind is never taken for another; numbers
// are not reused, so a destroyed handle stays unknown.  Adding and removing
// take the table's mutex; finding takes no lock (every call of an export
// looks its handles up), and gives a pointer that stays valid until the
// caller removes the object itself.
#pragma once

#include "slot_tree.hpp"

#include <cstdint>
#include <memory>
#include <mutex>

namespace qrv::toolkit {

template <typename T>
class HandleTable {
public:
    explicit HandleTable(uint32_t tag) : tag_(tag << 24) {}
    ~HandleTable() {
        slots_.for_each([](uint32_t, T *object) { delete object; });
    }
    HandleTable(const HandleTable &) = delete;
    HandleTable &operator=(const HandleTable &) = delete;

    // The new object's handle, or 0 when the numbers have run out.
    uint32_t add(std::unique_ptr<T> object) {
        std::lock_guard g(mutex_);
        T *previous = nullptr;
        if (next_ > kLastNumber || !slots_.set(next_, object.get(), previous)) return 0;
        object.release();
        ++count_;
        return tag_ | next_++;
    }
    T *find(uint32_t handle) const {
        return (handle & ~kLastNumber) == tag_ ? slots_.find(handle & kLastNumber) : nullptr;
    }
    std::unique_ptr<T> remove(uint32_t handle) {
        std::lock_guard g(mutex_);
        const uint32_t number = handle & kLastNumber;
        T *previous = nullptr;
        // Numbers not given out yet have no slot to empty.
        if ((handle & ~kLastNumber) != tag_ || number >= next_ || !slots_.set(number, nullptr, previous))
            return nullptr;
        if (previous != nullptr) --count_;
        return std::unique_ptr<T>(previous);
    }
    size_t size() {
        std::lock_guard g(mutex_);
        return count_;
    }

private:
    static constexpr uint32_t kLastNumber = 0xFFFFFF;

    std::mutex mutex_;
    SlotTree<T> slots_;
    uint32_t tag_;
    uint32_t next_ = 1;
    size_t count_ = 0;
};

// A table that lives as long as the process: objects may be released from
// other libraries' static destructors.
template <typename T>
HandleTable<T> &lasting_table(uint32_t tag) {
    static auto *table = new HandleTable<T>(tag);
    return *table;
}

}  // namespace qrv::toolkit
