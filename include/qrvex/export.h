/* Export frame: open, run and close an export; the callback path to the host. */
#ifndef QRVEX_EXPORT_H
#define QRVEX_EXPORT_H

#include "types.h"

QRV_BEGIN_DECLS

/* The host's callback: (export handle, callback data, first value, second value). */
typedef uint32_t (*EXCallbackFunc)(uint32_t hExport, uint32_t callbackData,
                                   uint32_t value1, uint32_t value2);

QRVAPI uint32_t EXOpenExport(uint32_t hDocument, uint32_t openValue1, uint32_t openValue2,
                             uint32_t openValue3, uint32_t unused, uint32_t openValue4,
                             EXCallbackFunc callback, uint32_t callbackData,
                             uint32_t *phExport);
QRVAPI uint32_t EXRunExport(uint32_t hExport);
QRVAPI uint32_t EXCloseExport(uint32_t hExport);
QRVAPI uint32_t EXDoCallback(uint32_t hExport, uint32_t value1, uint32_t value2);

QRV_END_DECLS

#endif
