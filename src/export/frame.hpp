// The exception frame every EX export runs its body in: any structured
// exception or fault inside ends the export with QRVDA's result for its
// code.  Nothing is unlocked or destroyed on that path (destructors of the
// body do not run), so a record locked at that moment stays locked.
#pragma once

#include <qrvda.h>
#include <qrvplatform/platform.h>

#include <cstdint>

namespace qrv::exports {

template <typename Body>
uint32_t run_guarded(Body &&body) {
    QrvSehFrame frame;
    if (QRV_SEH_TRY(frame)) {
        const uint32_t result = body();
        QrvSehPop(&frame);
        return result;
    }
    return DAGetExceptionError(frame.code);
}

}  // namespace qrv::exports
