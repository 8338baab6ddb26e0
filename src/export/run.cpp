// EXRunExport: runs an open export's filter.
//
// Result: DALockModuleData's result if the handle cannot be locked; 15 for a
// module data that is not an export record; else FARunExport's result
// mapped to the library's codes; or QRVDA's result for an exception.
#include <qrvex/export.h>
#include <qrvfa.h>

#include "chunk/navigate/run_snapshots.hpp"
#include "frame.hpp"
#include "module_record.hpp"

extern "C" QRVAPI uint32_t EXRunExport(uint32_t hExport) {
    using namespace qrv::exports;
    // Outside the guarded body: a fault inside it skips the body's destructors.
    const qrv::chunk::RunSnapshots searches;
    return run_guarded([&] {
        return with_export_record(
            hExport, [](EXModuleData &record) { return map_fa_result(FARunExport(record.FAExportHandle)); });
    });
}
