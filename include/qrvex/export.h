/* Export frame: open, run and close an export; the callback path to the host. */
#ifndef QRVEX_EXPORT_H
#define QRVEX_EXPORT_H

#include "types.h"

QRV_BEGIN_DECLS

/* The host's callback: (export handle, callback data, first value, second value). */
typedef uint32_t (*EXCallbackFunc)(uint32_t hExport, uint32_t callbackData,
                                   uint32_t value1, uint32_t value2);

/* The record an export keeps in a QRVDA module data (28 bytes in the 32-bit
 * build; the callback address widens in the 64-bit one).  Fields marked
 * unused belong to QRVDA and are neither read nor written here. */
#define EX_MODULE_TYPE_EXPORT 2u

typedef struct EXModuleData {
    uint32_t Unused0;
    uint32_t ModuleType;      /* EX_MODULE_TYPE_EXPORT for an export record */
    uint32_t Unused8[2];
    uint32_t FAExportHandle;  /* the filter-access library's handle of the export */
    EXCallbackFunc CallbackFunc; /* may be null */
    uint32_t CallbackData;    /* handed back to the callback unchanged */
} EXModuleData;

#if QRV_PTR32
QRV_LAYOUT_ASSERT(sizeof(EXModuleData) == 28, "EXModuleData is 28 bytes");
QRV_LAYOUT_ASSERT(offsetof(EXModuleData, CallbackFunc) == 20, "CallbackFunc at 20");
QRV_LAYOUT_ASSERT(offsetof(EXModuleData, CallbackData) == 24, "CallbackData at 24");
#else
QRV_LAYOUT_ASSERT(sizeof(EXModuleData) == 40, "EXModuleData is 40 bytes");
QRV_LAYOUT_ASSERT(offsetof(EXModuleData, CallbackFunc) == 24, "CallbackFunc at 24");
QRV_LAYOUT_ASSERT(offsetof(EXModuleData, CallbackData) == 32, "CallbackData at 32");
#endif
QRV_LAYOUT_ASSERT(offsetof(EXModuleData, ModuleType) == 4, "ModuleType at 4");
QRV_LAYOUT_ASSERT(offsetof(EXModuleData, FAExportHandle) == 16, "FAExportHandle at 16");

QRVAPI uint32_t EXOpenExport(uint32_t hDocument, uint32_t openValue1, uint32_t openValue2,
                             uint32_t openValue3, uint32_t unused, uint32_t openValue4,
                             EXCallbackFunc callback, uint32_t callbackData,
                             uint32_t *phExport);
QRVAPI uint32_t EXRunExport(uint32_t hExport);
QRVAPI uint32_t EXCloseExport(uint32_t hExport);
QRVAPI uint32_t EXDoCallback(uint32_t hExport, uint32_t value1, uint32_t value2);

QRV_END_DECLS

#endif
