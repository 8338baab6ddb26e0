// EXCloseExport: closes an open export and destroys its module data.
//
// Result: DALockModuleData's result if the handle cannot be locked; 15 for a
// module data that is not an export record (it is left alone); else
// FACloseExport's result mapped to the library's codes, and the handle is
// gone whatever that result; or QRVDA's result for an exception.
#include <qrvex/export.h>
#include <qrvfa.h>

#include "frame.hpp"
#include "module_record.hpp"

extern "C" QRVAPI uint32_t EXCloseExport(uint32_t hExport) {
    using namespace qrv::exports;
    return run_guarded([&] {
        bool closed = false;
        const uint32_t result = with_export_record(hExport, [&](EXModuleData &record) {
            closed = true;
            return map_fa_result(FACloseExport(record.FAExportHandle));
        });
        if (closed) DADestroyModuleData(hExport);
        return result;
    });
}
