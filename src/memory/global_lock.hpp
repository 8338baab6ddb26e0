// A guard for one lock of a movable global memory block.
#pragma once

#include <qrvplatform/platform.h>

namespace qrv::memory {

class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL h) : h_(h), address_(h ? GlobalLock(h) : nullptr) {}
    ~GlobalLockGuard() {
        if (address_) GlobalUnlock(h_);
    }
    GlobalLockGuard(const GlobalLockGuard &) = delete;
    GlobalLockGuard &operator=(const GlobalLockGuard &) = delete;

    template <typename T = void>
    T *get() const {
        return static_cast<T *>(address_);
    }
    explicit operator bool() const { return address_ != nullptr; }

private:
    HGLOBAL h_;
    void *address_;
};

}  // namespace qrv::memory
