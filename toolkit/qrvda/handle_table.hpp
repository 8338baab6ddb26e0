// Objects named by checked 32-bit handles.  Each table has its own tag in
// the top byte, so a handle of one kind is never taken for another; numbers
// are not reused, so a destroyed handle stays unknown.  The table's mutex is
// held only inside its own calls: callers get a pointer that stays valid
// until they remove the object themselves.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace qrv::toolkit {

template <typename T>
class HandleTable {
public:
    explicit HandleTable(uint32_t tag) : tag_(tag << 24) {}

    // The new object's handle, or 0 when the numbers have run out.
    uint32_t add(std::unique_ptr<T> object) {
        std::lock_guard g(mutex_);
        if (next_ > 0xFFFFFF) return 0;
        const uint32_t handle = tag_ | next_++;
        objects_.emplace(handle, std::move(object));
        return handle;
    }
    T *find(uint32_t handle) {
        std::lock_guard g(mutex_);
        const auto it = objects_.find(handle);
        return it == objects_.end() ? nullptr : it->second.get();
    }
    std::unique_ptr<T> remove(uint32_t handle) {
        std::lock_guard g(mutex_);
        const auto it = objects_.find(handle);
        if (it == objects_.end()) return nullptr;
        auto object = std::move(it->second);
        objects_.erase(it);
        return object;
    }
    size_t size() {
        std::lock_guard g(mutex_);
        return objects_.size();
    }

private:
    std::mutex mutex_;
    std::map<uint32_t, std::unique_ptr<T>> objects_;
    uint32_t tag_;
    uint32_t next_ = 1;
};

// A table that lives as long as the process: objects may be released from
// other libraries' static destructors.
template <typename T>
HandleTable<T> &lasting_table(uint32_t tag) {
    static auto *table = new HandleTable<T>(tag);
    return *table;
}

}  // namespace qrv::toolkit
