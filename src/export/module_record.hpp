// The export record in its QRVDA module data, locked for one call.
#pragma once

#include <qrvda.h>
#include <qrvex/export.h>

#include <cstdint>

namespace qrv::exports {

class LockedModuleData {
public:
    explicit LockedModuleData(uint32_t handle) : handle_(handle) {
        void *address = nullptr;
        result_ = DALockModuleData(handle, &address);
        record_ = static_cast<EXModuleData *>(address);
    }
    ~LockedModuleData() {
        if (result_ == 0) DAUnlockModuleData(handle_);
    }
    LockedModuleData(const LockedModuleData &) = delete;
    LockedModuleData &operator=(const LockedModuleData &) = delete;

    uint32_t result() const { return result_; }
    EXModuleData &record() const { return *record_; }

private:
    uint32_t handle_;
    uint32_t result_;
    EXModuleData *record_ = nullptr;
};

// Locks the record of an open export and runs use(record) on it: the lock's
// result if it fails, 15 for a record of another type, else use's result.
template <typename Use>
uint32_t with_export_record(uint32_t hExport, Use &&use) {
    LockedModuleData locked(hExport);
    if (locked.result() != 0) return locked.result();
    if (locked.record().ModuleType != EX_MODULE_TYPE_EXPORT) return QRV_E_BAD_ARG;
    return use(locked.record());
}

// The library's result for a filter-access result.
uint32_t map_fa_result(uint32_t faResult);

}  // namespace qrv::exports
