// EXDoCallback: passes two values from a running filter to the host's
// callback, with the export handle and the callback data given at open.
//
// Result: DALockModuleData's result if the handle cannot be locked; 15 for a
// module data that is not an export record; 50 when the export has no
// callback; else the callback's own result, unchanged; or QRVDA's result
// for an exception (the callback runs inside the export's frame too).
#include <qrvex/export.h>

#include "frame.hpp"
#include "module_record.hpp"

extern "C" QRVAPI uint32_t EXDoCallback(uint32_t hExport, uint32_t value1, uint32_t value2) {
    using namespace qrv::exports;
    return run_guarded([&] {
        return with_export_record(hExport, [&](EXModuleData &record) -> uint32_t {
            if (!record.CallbackFunc) return QRV_E_NO_CALLBACK;
            return record.CallbackFunc(hExport, record.CallbackData, value1, value2);
        });
    });
}
