// Module data: a zeroed record of the caller's size in movable global
// memory, with the record type at offset 4.  Locks nest (the record never
// moves while locked); destroying frees the record even while it is locked,
// which is what an export cut short by an exception leaves behind.
#include <qrvda.h>
#include <qrvplatform/platform.h>

#include <cstring>

#include "documents.hpp"
#include "handle_table.hpp"

namespace {

constexpr uint32_t kTypeOffset = 4;
constexpr uint32_t kMaxRecord = 1u << 20;

struct ModuleData {
    HGLOBAL record = nullptr;
    uint32_t document = 0;
    ~ModuleData() {
        if (record) GlobalFree(record);
    }
};

qrv::toolkit::HandleTable<ModuleData> &modules() { return qrv::toolkit::lasting_table<ModuleData>(0x4D); }

}  // namespace

extern "C" {

uint32_t DACreateModuleData(uint32_t *pHandle, uint32_t hDocument, uint32_t reserved, uint32_t size, uint32_t type) {
    (void)reserved;
    if (!pHandle) return DA_ERR_BAD_HANDLE;
    *pHandle = 0;
    if (!qrv::da::documents().find(hDocument)) return DA_ERR_BAD_HANDLE;
    if (size < kTypeOffset + sizeof type || size > kMaxRecord) return DA_ERR_NO_MEMORY;
    auto module = std::make_unique<ModuleData>();
    module->document = hDocument;
    module->record = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!module->record) return DA_ERR_NO_MEMORY;
    auto *bytes = static_cast<unsigned char *>(GlobalLock(module->record));
    std::memcpy(bytes + kTypeOffset, &type, sizeof type);
    GlobalUnlock(module->record);
    *pHandle = modules().add(std::move(module));
    return *pHandle ? 0 : DA_ERR_NO_MEMORY;
}

uint32_t DALockModuleData(uint32_t handle, void **ppRecord) {
    if (ppRecord) *ppRecord = nullptr;
    ModuleData *module = modules().find(handle);
    if (!module || !ppRecord) return DA_ERR_BAD_HANDLE;
    *ppRecord = GlobalLock(module->record);
    return *ppRecord ? 0 : DA_ERR_BAD_HANDLE;
}

uint32_t DAUnlockModuleData(uint32_t handle) {
    ModuleData *module = modules().find(handle);
    if (!module) return DA_ERR_BAD_HANDLE;
    GlobalUnlock(module->record);
    return 0;
}

uint32_t DADestroyModuleData(uint32_t handle) { return modules().remove(handle) ? 0 : DA_ERR_BAD_HANDLE; }

uint32_t DAGetModuleDocument(uint32_t hModuleData, uint32_t *phDocument) {
    ModuleData *module = modules().find(hModuleData);
    if (!module || !phDocument) return DA_ERR_BAD_HANDLE;
    *phDocument = module->document;
    return 0;
}

uint32_t DAGetModuleDataCount(void) { return static_cast<uint32_t>(modules().size()); }

}  // extern "C"
