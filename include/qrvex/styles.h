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
enum { CU_STYLE_KIND_CHARACTER = 0, CU_STYLE_KIND_PARAGRAPH = 1, CU_STYLE_KIND_LIST = 4 };

#define CU_LIST_LEVELS 12 /**< levels of a list style */

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
    uint32_t Loaded;       /**< 1 when the slot holds a style */
    CUCellChangeInfo Cell; /**< the style's cell values */
    CUParaChangeInfo Para; /**< the style's paragraph attributes */
    CUTextChangeInfo Text; /**< the style's character attributes */
    uint32_t ParaStyleId;  /**< compared with the paragraph style in force by the cache */
} CUStyleSlot;

/** The 28-byte style record of store 3 that a style definition's tag begin
 * points at (data2).  Words 0, 4 and 24 belong to the chunker. */
typedef struct CUStyleRecord {
    uint32_t ChunkerWord0;   /**< the chunker's */
    uint32_t ChunkerWord4;   /**< the chunker's */
    uint32_t Kind;           /**< CU_STYLE_KIND_* */
    uint32_t PredefinedType; /**< the style's predefined type; 0 for none */
    uint32_t NameItemId;     /**< string item naming the style */
    uint32_t ParentId;       /**< CH_NO_ITEM for none */
    uint32_t ChunkerWord24;  /**< the chunker's */
} CUStyleRecord;

/** The 36-byte list level record of store 3 (nine 32-bit words). */
typedef struct CUListLevelRecord {
    uint32_t ChunkerWord0;      /**< the chunker's */
    uint16_t BulletChar;        /**< the bullet character */
    uint16_t ChunkerHalf6;      /**< the chunker's */
    uint32_t CounterWord;       /**< 0 when the level places no counter */
    uint32_t ChunkerWords12[3]; /**< the chunker's */
    uint32_t DefinitionKey;     /**< tag list key of the level's own definition */
    uint32_t ChunkerWord28;     /**< the chunker's */
    uint32_t Numbering;         /**< low 16 bits: numbering style (8 a bullet); bits 17, 20 flags */
} CUListLevelRecord;

#define CU_LIST_NUMBERING_BULLET 8u /**< numbering style of a bullet level (low 16 bits of Numbering) */

/** The style sheet of one document (see above): the style table, the
 * rotating slots and the cached list style.  Made by CUCreateStyleSheet,
 * freed by CUDestroyStyleSheet; the caller may read its fields. */
typedef struct CUStyleSheet {
    CHHandle ChunkerHandle;                       /**< the document's chunker handle */
    uint32_t StyleCount;                          /**< entries in use */
    uint32_t StyleCapacity;                       /**< entries the table has room for; grows by 10 */
    uint32_t SlotCount;                           /**< slots in the rotation */
    uint32_t NextSlot;                            /**< next slot the rotation hands out */
    QRVHGLOBAL StyleTableHandle;                  /**< memory block of the style table */
    CUStyleEntry *StyleTable;                     /**< the style table (StyleCount entries) */
    QRVHGLOBAL SlotArrayHandle;                   /**< block of the slot array; 0 until the first CULoadStyle */
    CUStyleSlot *SlotArray;                       /**< SlotCount slots; null until the first CULoadStyle */
    QRVHGLOBAL SheetHandle;                       /**< the block holding this record */
    CUStyleSlot DefaultSlot;                      /**< a style without definition, and where every load starts */
    MUContext Memory;                             /**< BytesHeld counts the style table */
    uint32_t ListStyleId;                         /**< list style whose levels ListLevels holds; CH_NO_ITEM for none */
    CUListLevelRecord ListLevels[CU_LIST_LEVELS]; /**< the levels of list style ListStyleId, level 0 first */
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

/**
 * Makes a style sheet for a document, with a given number of style slots.
 *
 * The sheet starts with an empty style table and no cached list style
 * (ListStyleId -1); its slot array is allocated by the first CULoadStyle.  A
 * sheet of 0 slots numbers and describes styles, but whatever needs a slot on
 * it (CULoadStyle, a style item of a change walk) gives 15.
 *
 * @param[out] pSheet    the new sheet
 * @param slotCount the number of style slots handed out in rotation
 * @param h         the chunker handle of the document
 * @return 0; 13 when the memory cannot be had; 15 for a null @p pSheet.
 *
 * Ownership: the sheet and its blocks belong to the caller, who frees them
 * with CUDestroyStyleSheet.
 */
QRVAPI uint32_t CUCreateStyleSheet(CUStyleSheet **pSheet, uint32_t slotCount, CHHandle h);
/**
 * Frees a style sheet with its style table and slot array, and sets the
 * caller's pointer to null.
 *
 * @param[in,out] pSheet the caller's pointer to the sheet; a null pointer, or
 *               a pointer to null, is ignored
 * @return 0.
 */
QRVAPI uint32_t CUDestroyStyleSheet(CUStyleSheet **pSheet);
/**
 * Sets a slot to the state of a style without attributes: all zero, with the
 * cell values 5, 0x20000, 0 and -1 in cell words 2, 3, 4 and 8.
 *
 * @param slot   the slot
 * @param unused not read
 * @return 0.
 */
QRVAPI uint32_t CIInitSlot(CUStyleSlot *slot, uint32_t unused);
/**
 * Gives a style's index in the style table, appending an entry the first time
 * the style is met.
 *
 * @param sheet   the style sheet
 * @param styleId the chunker's style id
 * @return the index (the table holds at most 65535 styles); -1 for a null
 *         sheet; 13 when the table cannot grow (also beyond 65535 styles).
 */
QRVAPI int32_t CIStyleNumber(CUStyleSheet *sheet, uint32_t styleId);
/**
 * Gives the slot of a slot number, or hands out the next slot in rotation.
 *
 * A number that names no slot takes the next slot in rotation: every style
 * that held it loses it, the slot is zeroed and its number is written back.
 *
 * @param sheet       the style sheet
 * @param[in,out] pSlotNumber the slot number (SlotCount + 1 for none); the new
 *                    number when a slot was handed out
 * @return the slot, which belongs to the sheet; null for a null sheet or
 *         number pointer, and while the sheet has no slot array yet.
 */
QRVAPI CUStyleSlot *CIGetSlot(CUStyleSheet *sheet, uint32_t *pSlotNumber);
/**
 * Gives the kind of a style's record (CU_STYLE_KIND_CHARACTER, _PARAGRAPH,
 * _LIST, ...).
 *
 * @param h       the chunker handle
 * @param styleId the style id
 * @return the record's Kind; 15 for a null handle or a style id of -1; 25 when
 *         the definition cannot be found or its record read.
 */
QRVAPI uint32_t CUCheckStyleType(CHHandle h, uint32_t styleId);
/**
 * Gives a style's predefined type.
 *
 * @param sheet      the style sheet
 * @param styleIndex the style's index in the style table
 * @return its PredefinedType (from its record, or its heading number + 1); -1
 *         for a null sheet or an index not below StyleCount.
 */
QRVAPI int32_t CUStyleGetPredefinedType(CUStyleSheet *sheet, uint32_t styleIndex);
/**
 * Gives a style's paragraph outline level.
 *
 * @param sheet      the style sheet
 * @param styleIndex the style's index in the style table
 * @return its OutlineLevel: the outline level + 1, 0 for none; -1 for a null
 *         sheet or an index not below StyleCount.
 */
QRVAPI int32_t CUStyleGetOutlineLevel(CUStyleSheet *sheet, uint32_t styleIndex);
/**
 * Tells whether a style is named "title".
 *
 * @param sheet      the style sheet
 * @param styleIndex the style's index in the style table
 * @return 1 when the style's name is "title" in any case; 0 otherwise, also
 *         for a null sheet, an index not below StyleCount or an unreadable name.
 */
QRVAPI uint32_t CUStyleCheckTitleStyle(CUStyleSheet *sheet, uint32_t styleIndex);
/**
 * Tells whether a style name is a heading name and gives its number.
 *
 * A heading name is "heading" (any case), one more character, and somewhere
 * after it a digit 1 to 9.
 *
 * @param sheet      the style sheet
 * @param nameItemId the string item of the style's name
 * @return the digit + 1 ("Heading 3" gives 4, "heading 10" gives 2); 0 for
 *         any other name, and for a null sheet.
 */
QRVAPI uint32_t CUStyleCheckHeadingStyle(CUStyleSheet *sheet, uint32_t nameItemId);

/**
 * Reads the level records of a list style into the sheet's ListLevels and
 * sets ListStyleId.
 *
 * Levels 0 to 11 named in the style's definition are read; the others keep
 * what they held.
 *
 * @param sheet       the style sheet
 * @param listStyleId the list style's id
 * @return 0 when at least one level was read; 0 with ListStyleId -1 when none
 *         was; otherwise ListStyleId -1 and the code of the failed tag list
 *         search or chunker call (a definition that ends as the document's last
 *         item gives the chunker's "no next item" code); 37 for a null sheet.
 */
QRVAPI uint32_t CULoadListStyle(CUStyleSheet *sheet, uint32_t listStyleId);
/**
 * Copies one level record of a list style, loading the list style into the
 * sheet first when the sheet caches another.
 *
 * When the level's own definition places no counter, the copy's CounterWord
 * is 0 and its numbering CU_LIST_NUMBERING_BULLET.
 *
 * @param sheet       the style sheet
 * @param listStyleId the list style's id
 * @param level       the level, 0 to 11
 * @param[out] record      the caller's record
 * @return 0; 37 for a null sheet or record, a level of 12 or more, a list style
 *         id of -1 or a list style that cannot be loaded; the tag list search's
 *         code when the level's definition cannot be found (the record is
 *         copied all the same).
 */
QRVAPI uint32_t CULoadListLevelStyle(CUStyleSheet *sheet, uint32_t listStyleId, uint32_t level,
                                     CUListLevelRecord *record);
/**
 * Tells whether a counter placement item (type 31) lies in a range.  Tags are
 * not skipped.
 *
 * @param id    the first id of the range
 * @param limit the end of the range (exclusive)
 * @param h     the chunker handle
 * @return 1 when one is found; 0 otherwise, also when a read fails or an id
 *         does not grow.
 */
QRVAPI uint32_t CURangeHasPutCounter(uint32_t id, uint32_t limit, CHHandle h);

/**
 * Loads a style into a slot of the sheet (with the style it is based on and
 * the styles its definition applies) and hands out the slot and the style's
 * index in the style table.
 *
 * A character or paragraph style stays cached in its slot until the rotation
 * gives the slot away; a list style is read again on every call.  A style is
 * never loaded again while its load is under way.  A style without a
 * definition, or whose definition's tag begin or record cannot be read, hands
 * out DefaultSlot (result 0).
 *
 * @param sheet       the style sheet
 * @param styleId     the style's id
 * @param paraStyleId the id of the paragraph style in force
 * @param[out] pSlot       the slot; it belongs to the sheet and stays valid
 *                    until the rotation hands it to another style
 * @param[out] pStyleIndex the style's index in the style table
 * @return 0; 37 for a null sheet or out-pointer; 15 for a sheet made without
 *         slots; 13 when the slot array or the style table cannot be had
 *         (nothing is handed out then, and nothing changes), or when the loads
 *         under way cannot be kept; the chunker's code when a list level item
 *         of the definition cannot be read; the failure of a parent's load.
 */
QRVAPI uint32_t CULoadStyle(CUStyleSheet *sheet, uint32_t styleId, uint32_t paraStyleId, CUStyleSlot **pSlot,
                            uint32_t *pStyleIndex);

QRV_END_DECLS

#endif
