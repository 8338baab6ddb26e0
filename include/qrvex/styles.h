/** @file
 * Style sheet, list styles and style loading. */
#ifndef QRVEX_STYLES_H
#define QRVEX_STYLES_H

#include "changes.h"
#include "items.h"
#include "memory.h"

QRV_BEGIN_DECLS

/*
 * The style sheet numbers the document's styles in the order it meets them
 * (the style table), keeps the content of loaded styles in a fixed number of
 * slots handed out in rotation, and caches the levels of one list style.
 *
 * CUStyleSheet lives in one movable global memory block that stays locked
 * for the sheet's life; the style table is a memory block (MUAllocateMemory)
 * counted in Memory.BytesHeld; the slot array is allocated by the first
 * CULoadStyle and stays locked.  Only the handle and pointer fields widen in
 * a 64-bit build.
 */

/** Kinds of a style record. */
enum {
    CU_STYLE_KIND_CHARACTER = 0,
    CU_STYLE_KIND_PARAGRAPH = 1,
    CU_STYLE_KIND_LIST = 4
};

#define CU_LIST_LEVELS 12

/** One entry of the style table. */
typedef struct CUStyleEntry {
    uint32_t Id;             /**< the chunker's style id; the table is searched by it */
    uint32_t ParentId;       /**< style this one is based on; CH_NO_ITEM for none */
    uint32_t Kind;           /**< CU_STYLE_KIND_*, as the last load read it */
    uint32_t PredefinedType; /**< from the record, or the heading number + 1 when that is 0 */
    uint32_t NameItemId;     /**< string item naming the style */
    uint32_t SlotNumber;     /**< index of its slot; SlotCount + 1 for none */
    uint32_t ListSeen;       /**< 1 once a style already known as a list style was loaded again */
    uint32_t OutlineLevel;   /**< paragraph outline level + 1, 0 for none */
} CUStyleEntry;

/** The content of one loaded style. */
typedef struct CUStyleSlot {
    uint32_t Loaded;         /**< 1 when the slot holds a style */
    CUCellChangeInfo Cell;
    CUParaChangeInfo Para;
    CUTextChangeInfo Text;
    uint32_t ParaStyleId;    /**< compared with the paragraph style in force by the cache */
} CUStyleSlot;

/** The 28-byte style record of store 3 that a style definition's tag begin
 * points at (data2).  Words 0, 4 and 24 belong to the chunker. */
typedef struct CUStyleRecord {
    uint32_t ChunkerWord0;
    uint32_t ChunkerWord4;
    uint32_t Kind;
    uint32_t PredefinedType;
    uint32_t NameItemId;
    uint32_t ParentId;       /**< CH_NO_ITEM for none */
    uint32_t ChunkerWord24;
} CUStyleRecord;

/** The 36-byte list level record of store 3 (nine 32-bit words). */
typedef struct CUListLevelRecord {
    uint32_t ChunkerWord0;
    uint16_t BulletChar;      /**< the bullet character */
    uint16_t ChunkerHalf6;
    uint32_t CounterWord;     /**< 0 when the level places no counter */
    uint32_t ChunkerWords12[3];
    uint32_t DefinitionKey;   /**< tag list key of the level's own definition */
    uint32_t ChunkerWord28;
    uint32_t Numbering;       /**< low 16 bits: numbering style (8 a bullet); bits 17, 20 flags */
} CUListLevelRecord;

#define CU_LIST_NUMBERING_BULLET 8u

typedef struct CUStyleSheet {
    CHHandle ChunkerHandle;
    uint32_t StyleCount;      /**< entries in use */
    uint32_t StyleCapacity;   /**< entries the table has room for; grows by 10 */
    uint32_t SlotCount;
    uint32_t NextSlot;        /**< next slot the rotation hands out */
    QRVHGLOBAL StyleTableHandle;
    CUStyleEntry *StyleTable;
    QRVHGLOBAL SlotArrayHandle;
    CUStyleSlot *SlotArray;   /**< SlotCount slots; null until the first CULoadStyle */
    QRVHGLOBAL SheetHandle;   /**< the block holding this record */
    CUStyleSlot DefaultSlot;  /**< a style without definition, and where every load starts */
    MUContext Memory;         /**< BytesHeld counts the style table */
    uint32_t ListStyleId;     /**< list style whose levels ListLevels holds; CH_NO_ITEM for none */
    CUListLevelRecord ListLevels[CU_LIST_LEVELS];
} CUStyleSheet;

QRV_LAYOUT_ASSERT(sizeof(CUStyleEntry) == 32, "CUStyleEntry is 32 bytes");
QRV_LAYOUT_ASSERT(offsetof(CUStyleEntry, OutlineLevel) == 28, "CUStyleEntry.OutlineLevel at 28");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSlot, Cell) == 4, "slot: cell record at 4");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSlot, Para) == 44, "slot: para record at 44");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSlot, Text) == 840, "slot: text record at 840");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSlot, ParaStyleId) == 1760, "slot: final word at 1760");
QRV_LAYOUT_ASSERT(sizeof(CUStyleSlot) == 1764, "CUStyleSlot is 1764 bytes");
QRV_LAYOUT_ASSERT(sizeof(CUStyleRecord) == 28, "CUStyleRecord is 28 bytes");
QRV_LAYOUT_ASSERT(offsetof(CUStyleRecord, Kind) == 8, "style record: kind at 8");
QRV_LAYOUT_ASSERT(offsetof(CUStyleRecord, ParentId) == 20, "style record: parent at 20");
QRV_LAYOUT_ASSERT(sizeof(CUListLevelRecord) == 36, "CUListLevelRecord is 36 bytes");
QRV_LAYOUT_ASSERT(offsetof(CUListLevelRecord, BulletChar) == 4, "list level: bullet at 4");
QRV_LAYOUT_ASSERT(offsetof(CUListLevelRecord, CounterWord) == 8, "list level: counter word at 8");
QRV_LAYOUT_ASSERT(offsetof(CUListLevelRecord, DefinitionKey) == 24, "list level: key at 24");
QRV_LAYOUT_ASSERT(offsetof(CUListLevelRecord, Numbering) == 32, "list level: numbering at 32");
#if QRV_PTR32
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, StyleTableHandle) == 20, "sheet: table handle at 20");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, SlotArray) == 32, "sheet: slot array at 32");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, SheetHandle) == 36, "sheet: own handle at 36");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, DefaultSlot) == 40, "sheet: default slot at 40");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, Memory) == 1804, "sheet: memory context at 1804");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, ListStyleId) == 1816, "sheet: list style id at 1816");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, ListLevels) == 1820, "sheet: list levels at 1820");
QRV_LAYOUT_ASSERT(sizeof(CUStyleSheet) == 2252, "CUStyleSheet is 2252 bytes");
#else
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, StyleTableHandle) == 24, "sheet: table handle at 24");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, SlotArray) == 48, "sheet: slot array at 48");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, SheetHandle) == 56, "sheet: own handle at 56");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, DefaultSlot) == 64, "sheet: default slot at 64");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, Memory) == 1828, "sheet: memory context at 1828");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, ListStyleId) == 1840, "sheet: list style id at 1840");
QRV_LAYOUT_ASSERT(offsetof(CUStyleSheet, ListLevels) == 1844, "sheet: list levels at 1844");
QRV_LAYOUT_ASSERT(sizeof(CUStyleSheet) == 2280, "CUStyleSheet is 2280 bytes");
#endif

QRVAPI uint32_t CUCreateStyleSheet(CUStyleSheet **pSheet, uint32_t slotCount, CHHandle h);
QRVAPI uint32_t CUDestroyStyleSheet(CUStyleSheet **pSheet);
QRVAPI uint32_t CIInitSlot(CUStyleSlot *slot, uint32_t unused);
QRVAPI int32_t CIStyleNumber(CUStyleSheet *sheet, uint32_t styleId);
QRVAPI CUStyleSlot *CIGetSlot(CUStyleSheet *sheet, uint32_t *pSlotNumber);
QRVAPI uint32_t CUCheckStyleType(CHHandle h, uint32_t styleId);
QRVAPI int32_t CUStyleGetPredefinedType(CUStyleSheet *sheet, uint32_t styleIndex);
QRVAPI int32_t CUStyleGetOutlineLevel(CUStyleSheet *sheet, uint32_t styleIndex);
QRVAPI uint32_t CUStyleCheckTitleStyle(CUStyleSheet *sheet, uint32_t styleIndex);
QRVAPI uint32_t CUStyleCheckHeadingStyle(CUStyleSheet *sheet, uint32_t nameItemId);

QRVAPI uint32_t CULoadListStyle(CUStyleSheet *sheet, uint32_t listStyleId);
QRVAPI uint32_t CULoadListLevelStyle(CUStyleSheet *sheet, uint32_t listStyleId, uint32_t level,
                                     CUListLevelRecord *record);
QRVAPI uint32_t CURangeHasPutCounter(uint32_t id, uint32_t limit, CHHandle h);

QRVAPI uint32_t CULoadStyle(CUStyleSheet *sheet, uint32_t styleId, uint32_t paraStyleId,
                            CUStyleSlot **pSlot, uint32_t *pStyleIndex);

QRV_END_DECLS

#endif
