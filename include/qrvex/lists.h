/* Item lists and counter tracking.
 *
 * An LUList is a growable array of fixed-size items.  The record and its
 * items live in two movable global memory blocks that stay locked while the
 * list lives, so the list is handed around as a plain pointer and a filter
 * may read its fields directly.  Items are contiguous, index 0 first; slots
 * are not initialised.  The number of items in use is Capacity - FreeSlots.
 */
#ifndef QRVEX_LISTS_H
#define QRVEX_LISTS_H

#include "types.h"

QRV_BEGIN_DECLS

typedef struct LUList {
    uint32_t RecordSize;  /* size of this record in bytes (40 in the 32-bit build) */
    uint32_t GrowBy;      /* items added to the capacity when a full list takes one more */
    uint32_t ItemSize;    /* bytes per item */
    uint32_t Capacity;    /* items the item block holds */
    uint32_t ItemCount;   /* items added minus items removed */
    int32_t FreeSlots;    /* free slots at the end of the item block */
    void *Items;          /* first item (the locked item block) */
    void *NextFree;       /* first free slot */
    QRVHGLOBAL RecordBlock; /* the block holding this record */
    QRVHGLOBAL ItemBlock;   /* the block holding the items; 0 for a list made with capacity 0 */
} LUList;

/* Counter tracking.  A track is an LUList of LUCounterEntry, one per counter
 * id; each counter has an LUList of LULevelEntry, level 0 first; each level
 * has a history, an LUList of LUCounterRecord in ascending position. */
typedef struct LUCounterEntry {
    LUList *Levels;
    uint32_t CounterId;
    uint32_t Reserved;
} LUCounterEntry;

typedef struct LULevelEntry {
    LUList *History;
    uint32_t Level;
    uint32_t Reserved;
} LULevelEntry;

/* Link of a value saved at its own level; a marker left by a save at a
 * deeper level holds that level's index plus 1 instead. */
#define LU_LINK_OWN_VALUE (-1)

typedef struct LUCounterRecord {
    uint32_t Position;
    int32_t Value;  /* -1 for no value */
    int32_t Link;
} LUCounterRecord;

#if QRV_PTR32
QRV_LAYOUT_ASSERT(sizeof(LUList) == 40, "LUList is 40 bytes");
QRV_LAYOUT_ASSERT(offsetof(LUList, Items) == 24, "LUList.Items at 24");
QRV_LAYOUT_ASSERT(offsetof(LUList, NextFree) == 28, "LUList.NextFree at 28");
QRV_LAYOUT_ASSERT(offsetof(LUList, RecordBlock) == 32, "LUList.RecordBlock at 32");
QRV_LAYOUT_ASSERT(offsetof(LUList, ItemBlock) == 36, "LUList.ItemBlock at 36");
QRV_LAYOUT_ASSERT(sizeof(LUCounterEntry) == 12, "counter entry is 12 bytes");
QRV_LAYOUT_ASSERT(sizeof(LULevelEntry) == 12, "level entry is 12 bytes");
#else
QRV_LAYOUT_ASSERT(sizeof(LUList) == 56, "LUList is 56 bytes");
QRV_LAYOUT_ASSERT(offsetof(LUList, Items) == 24, "LUList.Items at 24");
QRV_LAYOUT_ASSERT(offsetof(LUList, NextFree) == 32, "LUList.NextFree at 32");
QRV_LAYOUT_ASSERT(offsetof(LUList, RecordBlock) == 40, "LUList.RecordBlock at 40");
QRV_LAYOUT_ASSERT(offsetof(LUList, ItemBlock) == 48, "LUList.ItemBlock at 48");
QRV_LAYOUT_ASSERT(sizeof(LUCounterEntry) == 16, "counter entry is 16 bytes");
QRV_LAYOUT_ASSERT(sizeof(LULevelEntry) == 16, "level entry is 16 bytes");
#endif
QRV_LAYOUT_ASSERT(offsetof(LUList, FreeSlots) == 20, "LUList.FreeSlots at 20");
QRV_LAYOUT_ASSERT(offsetof(LUCounterEntry, CounterId) == sizeof(void *), "counter id after the pointer");
QRV_LAYOUT_ASSERT(offsetof(LULevelEntry, Level) == sizeof(void *), "level after the pointer");
QRV_LAYOUT_ASSERT(sizeof(LUCounterRecord) == 12, "counter record is 12 bytes");

QRVAPI LUList *LUCreateList(uint32_t itemSize, uint32_t initialCapacity, uint32_t growBy);
QRVAPI void LUFreeList(LUList **pList);
QRVAPI uint32_t LUResizeList(LUList *list, uint32_t newCapacity);
QRVAPI int32_t LUAddItem(LUList *list, const void *item);
QRVAPI void *LURemoveItem(LUList *list);
QRVAPI int32_t LUFindExactItem(LUList *list, const void *key, uint32_t keyLength);
QRVAPI uint32_t LUAddSortedItem(LUList *list, const void *item, uint32_t keyWidth, uint32_t flags);
QRVAPI uint32_t LURemoveExactItem(LUList *list, const void *key, uint32_t keyLength);
QRVAPI uint32_t LUInsertItem(LUList *list, const void *item, int32_t index);

/* Bit 0 of LUAddSortedItem's flags: keep duplicates (after equal keys). */
#define LU_SORTED_ALLOW_DUPLICATES 0x1u

QRVAPI uint32_t LUInitCounterTrack(LUList **pTrack);
QRVAPI uint32_t LUDeInitCounterTrack(LUList *track);
QRVAPI uint32_t LUSaveCounterLevel(LUList *track, uint32_t counterId, uint32_t level,
                                   int32_t value, uint32_t position);
QRVAPI uint32_t LUGetCounterLevel(LUList *track, uint32_t counterId, uint32_t level,
                                  int32_t *pValue, uint32_t position);

QRV_END_DECLS

#endif
