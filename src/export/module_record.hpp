// The export record in its QRVDA module data, locked for one call.
#pragma once

#include <qrvda.h>
#include <qrvex/export.h>

#include <cstdint>

namespace qrv::exports {

// Locks a module data record for one call: DALockModuleData's result if it
// cannot be locked, else use(record)'s result, with the record unlocked
// again.  These calls run inside the exports' exception frames, whose jump
// back skips destructors, so the lock is no object with one: a fault inside
// use leaves the record locked, and nothing here is left half destroyed.
template <typename Use>
uint32_t with_locked_module_data(uint32_t handle, Use &&use) {
    void *address = nullptr;
    const uint32_t locked = DALockModuleData(handle, &address);
    if (locked != 0) return locked;
    const uint32_t result = use(*static_cast<EXModuleData *>(address));
    DAUnlockModuleData(handle);
    return result;
}

// Locks the record of an open export and runs use(record) on it: the lock's
// result if it fails, 15 for a record of another type, else use's result.
template <typename Use>
uint32_t with_export_record(uint32_t hExport, Use &&use) {
    return with_locked_module_data(hExport, [&](EXModuleData &record) -> uint32_t {
        if (record.ModuleType != EX_MODULE_TYPE_EXPORT) return QRV_E_BAD_ARG;
        return use(record);
    });
}

// The library's result for a filter-access result.
uint32_t map_fa_result(uint32_t faResult);

}  // namespace qrv::exports
