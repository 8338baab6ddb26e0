// EXOpenExport: creates the export's module data and opens the export
// through QRVFA.
//
// Result: 0, or the first failure: DAPreOpenDocument's, DACreateModuleData's
// or DALockModuleData's result as it stands, FAOpenExport's result mapped to
// the library's codes, or QRVDA's result for an exception.  *phExport is 0
// until the open has succeeded; a failed open destroys the module data
// (except after an exception).  The fifth argument is not used.  The record
// is created with the size of EXModuleData: 28 bytes in the 32-bit build.
#include <qrvex/export.h>
#include <qrvfa.h>

#include "frame.hpp"
#include "module_record.hpp"

namespace qrv::exports {

namespace {

uint32_t open_export(uint32_t hDocument, uint32_t openValue1, uint32_t openValue2, uint32_t openValue3,
                     uint32_t openValue4, EXCallbackFunc callback, uint32_t callbackData, uint32_t *phExport) {
    *phExport = 0;
    uint32_t result = DAPreOpenDocument(hDocument);
    if (result != 0) return result;
    uint32_t handle = 0;
    result = DACreateModuleData(&handle, hDocument, 0, sizeof(EXModuleData), EX_MODULE_TYPE_EXPORT);
    if (result != 0) return result;
    result = with_locked_module_data(handle, [&](EXModuleData &record) {
        record.CallbackFunc = callback;
        record.CallbackData = callbackData;
        uint32_t status = 0;
        return map_fa_result(
            FAOpenExport(openValue2, openValue3, openValue1, handle, openValue4, &record.FAExportHandle, &status));
    });
    if (result == 0)
        *phExport = handle;
    else
        DADestroyModuleData(handle);
    return result;
}

}  // namespace

}  // namespace qrv::exports

extern "C" QRVAPI uint32_t EXOpenExport(uint32_t hDocument, uint32_t openValue1, uint32_t openValue2,
                                        uint32_t openValue3, uint32_t unused, uint32_t openValue4,
                                        EXCallbackFunc callback, uint32_t callbackData, uint32_t *phExport) {
    (void)unused;
    return qrv::exports::run_guarded([&] {
        return qrv::exports::open_export(hDocument, openValue1, openValue2, openValue3, openValue4, callback,
                                         callbackData, phExport);
    });
}
