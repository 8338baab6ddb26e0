// Filter-access results 0 to 8 have their own meaning in the library's
// codes; anything above 8 is already a library or filter code.
#include "module_record.hpp"

namespace qrv::exports {

uint32_t map_fa_result(uint32_t faResult) {
    static constexpr uint32_t kLibraryResult[] = {
        QRV_OK, 3, 4, 2, 7, 21, QRV_E_INCONSISTENT, QRV_E_NO_MEMORY, QRV_E_INCONSISTENT,
    };
    return faResult < sizeof kLibraryResult / sizeof kLibraryResult[0] ? kLibraryResult[faResult] : faResult;
}

}  // namespace qrv::exports
