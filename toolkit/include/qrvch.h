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
    CH_ERR_BAD_HANDLE = 0x1001, /* no open document has this handle */
    CH_ERR_BAD_STORE = 0x1002,  /* the document has no such store */
    CH_ERR_NO_ITEM = 0x1003,    /* the id names no item or entry */
    CH_ERR_RANGE = 0x1004,      /* a range runs past the end of its store */
    CH_ERR_NOT_LOCKED = 0x1005, /* an unlock that matches no lock */
    CH_ERR_INJECTED = 0x1006,   /* default code of an injected fault */
    CH_ERR_NO_MEMORY = 0x1007,
    CH_ERR_LOCKED = 0x1008,  /* the document cannot grow while a range is locked */
    CH_ERR_BAD_ARG = 0x1009, /* a null pointer or a value out of range */
    CH_ERR_SYNTAX = 0x100A,  /* the text of a document has a mistake */
    CH_ERR_FULL = 0x100B     /* no more ids: 65536 chunks are in use */
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

/* How the nine operations address each store.
 *  - Store 0: ids carry the chunk number in the high 16 bits and the place in
 *    the chunk in the low 16 bits; the chunk size is the document's.
 *  - Stores 2 and 9 (16-bit characters), 3 and 7 (bytes): an id is an offset
 *    in units.  CHGetItem copies one character (2, 9), one 32-bit word (3) or
 *    one 40-byte frame record (7) and reports the offset that follows it.
 *  - Stores 1, 10, 11, 12, 14, 15, 16, 17: an id is the zero-based number of
 *    the record.  Records are 16 bytes (1, 10, 11, 14, 17), 20 (12), 8 (15)
 *    and 12 (16).
 * CHGetItemCount counts records, items or units; CHGetItemId maps an index
 * (0 = first) to its id.  CHGetSectionInfo accepts store 0 or 1. */

/* --- Documents ------------------------------------------------------------- */

#define CH_DEFAULT_CHUNK_SIZE 4096u

/* Creates an empty document whose chunks hold chunkSize items (1..65536). */
uint32_t CHNewDocument(uint32_t chunkSize, CHHandle *pHandle);

/* Loads a document written in the text format (docs/text-format.md).  On a
 * mistake returns CH_ERR_SYNTAX, leaves *pHandle 0 and writes "line L,
 * column C: message" into err (cut to errSize, always terminated). */
uint32_t CHLoadDocumentText(const char *text, size_t length, CHHandle *pHandle, char *err, size_t errSize);
uint32_t CHLoadDocumentFile(const char *path, CHHandle *pHandle, char *err, size_t errSize);

/* Closes a document.  Returns the number of item ranges still locked (0 when
 * every lock was released), or CH_ERR_BAD_HANDLE.  The handle is never given
 * out again. */
uint32_t CHCloseDocument(CHHandle h);

/* Writes the document back in the text format; *pLength receives the length
 * of the text (without terminator).  The text is released with CHFreeText.
 * Loading the text gives a document with the same stores. */
uint32_t CHDumpDocumentText(CHHandle h, char **pText, size_t *pLength);
void CHFreeText(char *text);

/* Number of ranges currently locked in the document. */
uint32_t CHLockedRangeCount(CHHandle h, uint32_t *pCount);

/* The value of a label ("@name:" in the text format): an item id, a record
 * id or an offset, depending on the line that set it. */
uint32_t CHGetLabel(CHHandle h, const char *name, uint32_t *pValue);

/* The document's chunk size. */
uint32_t CHGetChunkSize(CHHandle h, uint32_t *pChunkSize);

/* --- Building documents --------------------------------------------------------
 * Appends keep the index stores consistent: a tag begin with a key adds its
 * tag list entry (store 16), table begins and ends their store-14 entries, a
 * section its store-1 record, and a cell run (store 15) counts the cells
 * appended after it until the next run or section.  CHAppendItem adds just
 * the item.  Appends fail with CH_ERR_LOCKED while a range is locked and with
 * CH_ERR_FULL when the ids run out.  pId may be null. */

/* An item as it stands; nothing else is recorded. */
uint32_t CHAppendItem(CHHandle h, const CHItem *item, uint32_t *pId);
/* A text run: the characters go to store 2. */
uint32_t CHAppendText(CHHandle h, const QRVWCHAR *chars, uint32_t length, uint32_t *pId);
/* A string item (CH_ITEM_STRING): the characters go to store 9. */
uint32_t CHAppendString(CHHandle h, const QRVWCHAR *chars, uint32_t length, uint32_t attribute, uint32_t *pId);
/* A tag begin with data1 and data2; hasKey adds a tag list entry. */
uint32_t CHAppendTagBegin(CHHandle h, uint32_t tagCode, uint32_t data1, uint32_t data2, int hasKey, uint32_t key,
                          uint32_t *pId);
/* A tag end; tagCode CH_INNERMOST_TAG closes the innermost open tag begin. */
#define CH_INNERMOST_TAG 0xFFFFFFFFu
uint32_t CHAppendTagEnd(CHHandle h, uint32_t tagCode, uint32_t *pId);
uint32_t CHAppendTableBegin(CHHandle h, uint32_t *pId);
uint32_t CHAppendTableEnd(CHHandle h, uint32_t *pId);
/* A section that starts at the next item appended; *pId is its store-1 id. */
uint32_t CHAppendSection(CHHandle h, uint32_t kind, uint32_t *pId);
/* A run of spreadsheet cells that starts at the next item appended.  With
 * CH_COUNT_CELLS the run counts cell items (70 to 74: one each; 87: value >>
 * 16) appended until the next run or section; otherwise count stands. */
#define CH_COUNT_CELLS 0xFFFFFFFFu
uint32_t CHAppendCellRun(CHHandle h, uint32_t count, uint32_t *pId);
/* A data value: up to 16 storage bytes in store 17 and its type-224 item. */
uint32_t CHAppendDataValue(CHHandle h, const void *bytes, uint32_t length, uint32_t storageType, uint32_t multiplier,
                           uint32_t *pId);
/* A font record in store 12 whose name goes to store 9. */
uint32_t CHAppendFont(CHHandle h, uint32_t fontId, uint32_t attribute, const QRVWCHAR *name, uint32_t nameLength,
                      uint32_t fontValue, uint32_t *pId);
/* Raw store data.  Unit stores (2, 3, 7, 9) take length bytes (whole
 * characters for 2 and 9) and give back the offset in units; record stores
 * take one record of at most the record size, zero-filled, and give back its
 * id.  Store 0 is refused (use CHAppendItem). */
uint32_t CHAppendStoreData(CHHandle h, CHStore store, const void *bytes, uint32_t length, uint32_t *pId);
/* Cuts a store to its first count units or records. */
uint32_t CHTruncateStore(CHHandle h, CHStore store, uint32_t count);

/* --- Resources ------------------------------------------------------------------
 * Files the items refer to by name (a picture's name is a string item of its
 * object tag), kept whole beside the stores until the document is closed.
 * Names are unique and never change; the bytes, name and media type handed
 * out stay valid until the document is closed. */

/* Adds a resource; CH_ERR_BAD_ARG for a null or empty name or one taken. */
uint32_t CHAddResource(CHHandle h, const char *name, const char *mediaType, const void *bytes, size_t length);
/* The resource of a name; CH_ERR_NO_ITEM for none.  Out pointers may be null. */
uint32_t CHGetResource(CHHandle h, const char *name, const void **pBytes, size_t *pLength, const char **pMediaType);
uint32_t CHGetResourceCount(CHHandle h, uint32_t *pCount);
/* The resource at an index, 0 up to the count; CH_ERR_NO_ITEM past it. */
uint32_t CHGetResourceAt(CHHandle h, uint32_t index, const char **pName, const void **pBytes, size_t *pLength,
                         const char **pMediaType);

/* --- Fault injection and call counts ---------------------------------------- */

/* The operations, for counts and faults. */
enum {
    CH_OP_GET_ITEM = 0,
    CH_OP_GET_ITEMS,
    CH_OP_LOCK_RANGE,
    CH_OP_UNLOCK_RANGE,
    CH_OP_GET_ITEM_COUNT,
    CH_OP_GET_ITEM_ID,
    CH_OP_NEXT_ITEM_ID,
    CH_OP_PREV_ITEM_ID,
    CH_OP_GET_SECTION_INFO,
    CH_OP_COUNT
};

#define CH_ANY_STORE 0xFFFFFFFFu

/* The n-th call from now (1 = the next one) of op on the store fails with
 * code; with persistent set, every call after it fails too.  A failing call
 * writes nothing. */
uint32_t CHFaultAfterCalls(CHHandle h, uint32_t op, CHStore store, uint32_t n, uint32_t code, int persistent);
/* Every call of op on the store whose id (first id, index or section number)
 * is id fails with code. */
uint32_t CHFaultAtId(CHHandle h, uint32_t op, CHStore store, uint32_t id, uint32_t code);
/* A successful call of op (CH_OP_GET_ITEM, CH_OP_NEXT_ITEM_ID,
 * CH_OP_PREV_ITEM_ID or CH_OP_GET_ITEM_ID) on the store at id reports
 * resultId as the next, previous or found id: ids that go backwards, loop
 * or run off the end. */
uint32_t CHFaultRedirectId(CHHandle h, uint32_t op, CHStore store, uint32_t id, uint32_t resultId);
/* CHGetItemCount of the store reports count instead of the real count. */
uint32_t CHFaultReportCount(CHHandle h, CHStore store, uint32_t count);
/* Removes every fault of the document. */
uint32_t CHFaultClear(CHHandle h);

/* Calls of op on the document since it was opened or the counts were reset,
 * failed calls included. */
uint32_t CHCallCount(CHHandle h, uint32_t op, uint32_t *pCount);
uint32_t CHResetCallCounts(CHHandle h);

QRV_END_DECLS

#endif /* QRVCH_H */
