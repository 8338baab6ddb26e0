/**
 * @file export.h
 * @brief Export frame: open, run and close an export; the callback path to the host.
 *
 * The library does no conversion here: it keeps a small record per export in
 * a QRVDA module data and hands the work to QRVFA.  Every call runs inside a
 * structured-exception frame; an exception ends the call with
 * DAGetExceptionError's result, leaving a record locked at that moment locked
 * (and a module data created by a failing EXOpenExport not destroyed).
 *
 * Filter-access results are translated: 0 -> 0, 1 -> 3, 2 -> 4, 3 -> 2,
 * 4 -> 7, 5 -> 21, 6 -> 18, 7 -> 13, 8 -> 18; a result above 8 is a filter's
 * own code and comes back unchanged.
 */
#ifndef QRVEX_EXPORT_H
#define QRVEX_EXPORT_H

#include "types.h"

QRV_BEGIN_DECLS

/**
 * The host's callback, called by EXDoCallback with (export handle, callback
 * data given to EXOpenExport, first value, second value); cdecl.  Its result
 * is handed back to the filter unchanged.
 */
typedef uint32_t (*EXCallbackFunc)(uint32_t hExport, uint32_t callbackData, uint32_t value1, uint32_t value2);

/** EXModuleData.ModuleType of an export record; every call after the open checks it. */
#define EX_MODULE_TYPE_EXPORT 2u

/**
 * The record an export keeps in a QRVDA module data (28 bytes in the 32-bit
 * build; the callback address widens in the 64-bit one).  QRVDA owns its
 * memory; the library locks it only for the length of one call.  Fields
 * marked unused belong to QRVDA and are neither read nor written here.
 */
typedef struct EXModuleData {
    uint32_t Unused0;            /**< not used by the library */
    uint32_t ModuleType;         /**< EX_MODULE_TYPE_EXPORT for an export record */
    uint32_t Unused8[2];         /**< not used by the library */
    uint32_t FAExportHandle;     /**< the filter-access library's handle of the export */
    EXCallbackFunc CallbackFunc; /**< the host's callback; may be null */
    uint32_t CallbackData;       /**< handed back to the callback unchanged */
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

/**
 * Opens an export of one document: creates its module-data record in QRVDA
 * and opens the export through QRVFA (FAOpenExport).
 *
 * The four open values are not interpreted here; they go to FAOpenExport
 * unchanged (as FAOpenExport(hSink, optionWord, outputId, module data,
 * reserved, ...)) and mean what the filter-access library makes of them.
 *
 * @param hDocument    the document handle; passed to DAPreOpenDocument and
 *                     DACreateModuleData
 * @param outputId     the output id that selects the export filter
 * @param hSink        the output sink the filter writes to
 * @param optionWord   a filter option word, passed to the filter unchanged
 * @param unused       not used
 * @param reserved     reserved for the filter-access library; 0
 * @param callback     the host's callback for EXDoCallback; may be null
 * @param callbackData handed back to @p callback unchanged
 * @param[out] phExport     set to 0 at once, and to the export handle (the
 *                     module-data handle) once the open has succeeded
 * @return 0, or the first failure: DAPreOpenDocument's, DACreateModuleData's
 *         or DALockModuleData's result as it stands, FAOpenExport's result
 *         translated to the library's codes, or QRVDA's result for an
 *         exception.  A failed open destroys the module data (except after an
 *         exception) and leaves *phExport 0.
 *
 * Ownership: QRVDA owns the module data; the handle stays valid until the
 * EXCloseExport that reaches FACloseExport.
 */
QRVAPI uint32_t EXOpenExport(uint32_t hDocument, uint32_t outputId, uint32_t hSink, uint32_t optionWord,
                             uint32_t unused, uint32_t reserved, EXCallbackFunc callback, uint32_t callbackData,
                             uint32_t *phExport);
/**
 * Runs an open export: the filter writes its whole output (FARunExport).
 *
 * @param hExport the export handle from EXOpenExport
 * @return DALockModuleData's result if the handle cannot be locked; 15 if the
 *         record is not an export record; otherwise FARunExport's result
 *         translated to the library's codes; or QRVDA's result for an exception.
 */
QRVAPI uint32_t EXRunExport(uint32_t hExport);
/**
 * Closes an export (FACloseExport) and destroys its module-data record.
 *
 * @param hExport the export handle from EXOpenExport; gone after a call that
 *                reached FACloseExport, whatever that returned
 * @return DALockModuleData's result if the handle cannot be locked; 15 if the
 *         record is not an export record (it is then left alone); otherwise
 *         FACloseExport's result translated to the library's codes; or
 *         QRVDA's result for an exception.
 */
QRVAPI uint32_t EXCloseExport(uint32_t hExport);
/**
 * Passes two values from a running filter to the host's callback, as
 * callback(hExport, callbackData, value1, value2).
 *
 * @param hExport the export handle (the filter gets it from QRVFA)
 * @param value1  first value for the callback
 * @param value2  second value for the callback
 * @return DALockModuleData's result if the handle cannot be locked; 15 if the
 *         record is not an export record; 50 if the export was opened without
 *         a callback; otherwise the callback's own result, unchanged (not
 *         translated); or QRVDA's result for an exception.
 */
QRVAPI uint32_t EXDoCallback(uint32_t hExport, uint32_t value1, uint32_t value2);

QRV_END_DECLS

#endif
