/*
 * QRVCH, the toolkit's chunker (stand-in): an in-memory document delivered as
 * numbered items in stores.  The nine CH operations are what the export
 * library imports; the rest of this header (documents, builder, text format,
 * fault injection) is for hosts, filters' tests and benchmarks.
 *
 * Every operation returns 0 for success or a non-zero chunker error code
 * (CH_ERR_*).  An unknown or closed handle gives CH_ERR_BAD_HANDLE, never a
 * crash.  The in and out ids of CHGetItem, CHNextItemId and CHPrevItemId may
 * be the same variable.
 */
#ifndef QRVCH_H
#define QRVCH_H

#include <qrvex/items.h>

QRV_BEGIN_DECLS

/* Chunker error codes (all non-zero, all above the library's own codes). */
enum {
    CH_ERR_BAD_HANDLE = 0x1001,  /* no open document has this handle */
    CH_ERR_BAD_STORE = 0x1002,   /* the document has no such store */
    CH_ERR_NO_ITEM = 0x1003,     /* the id names no item or entry */
    CH_ERR_RANGE = 0x1004,       /* a range runs past the end of its store */
    CH_ERR_NOT_LOCKED = 0x1005,  /* an unlock that matches no lock */
    CH_ERR_INJECTED = 0x1006,    /* default code of an injected fault */
    CH_ERR_NO_MEMORY = 0x1007
};

/* --- The nine operations the library relies on ---------------------------- */

uint32_t CHGetItem(CHHandle h, CHStore store, uint32_t id, void *record, uint32_t *pNextId);
uint32_t CHGetItems(CHHandle h, CHStore store, uint32_t firstId, uint32_t count, void *buffer);
uint32_t CHLockItemRange(CHHandle h, CHStore store, uint32_t firstId, uint32_t count, void **ppAddress);
uint32_t CHUnlockItemRange(CHHandle h, CHStore store, uint32_t firstId, uint32_t count);
uint32_t CHGetItemCount(CHHandle h, CHStore store, uint32_t *pCount);
uint32_t CHGetItemId(CHHandle h, CHStore store, uint32_t index, uint32_t *pId);
uint32_t CHNextItemId(CHHandle h, CHStore store, uint32_t id, uint32_t *pId);
uint32_t CHPrevItemId(CHHandle h, CHStore store, uint32_t id, uint32_t *pId);
uint32_t CHGetSectionInfo(CHHandle h, CHStore store, uint32_t section, CHSectionInfo *pInfo);

/* --- Documents ------------------------------------------------------------- */

/* Loads a document written in the text format (docs/text-format.md).  On a
 * mistake returns non-zero, leaves *pHandle 0 and writes "line L, column C:
 * message" into err (when errSize > 0). */
uint32_t CHLoadDocumentText(const char *text, size_t length, CHHandle *pHandle,
                            char *err, size_t errSize);
uint32_t CHLoadDocumentFile(const char *path, CHHandle *pHandle, char *err, size_t errSize);

/* Closes a document.  Returns the number of item ranges still locked (0 when
 * every lock was released), or CH_ERR_BAD_HANDLE. */
uint32_t CHCloseDocument(CHHandle h);

/* Writes the document back in the text format; *pLength receives the length
 * of the text (without terminator).  The text is released with CHFreeText. */
uint32_t CHDumpDocumentText(CHHandle h, char **pText, size_t *pLength);
void CHFreeText(char *text);

/* Number of ranges currently locked in the document. */
uint32_t CHLockedRangeCount(CHHandle h, uint32_t *pCount);

QRV_END_DECLS

#endif /* QRVCH_H */
