/** @file
 * Item lists and counter tracking.
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

/** A growable list of fixed-size items; see the file's description.  The
 * caller owns it (LUCreateList, LUFreeList) and may read its fields. */
typedef struct LUList {
    uint32_t RecordSize;    /**< size of this record in bytes (40 in the 32-bit build) */
    uint32_t GrowBy;        /**< items added to the capacity when a full list takes one more */
    uint32_t ItemSize;      /**< bytes per item */
    uint32_t Capacity;      /**< items the item block holds */
    uint32_t ItemCount;     /**< items added minus items removed */
    int32_t FreeSlots;      /**< free slots at the end of the item block */
    void *Items;            /**< first item (the locked item block) */
    void *NextFree;         /**< first free slot */
    QRVHGLOBAL RecordBlock; /**< the block holding this record */
    QRVHGLOBAL ItemBlock;   /**< the block holding the items; 0 for a list made with capacity 0 */
} LUList;

/** Counter tracking.  A track is an LUList of LUCounterEntry, one per counter
 * id; each counter has an LUList of LULevelEntry, level 0 first; each level
 * has a history, an LUList of LUCounterRecord in ascending position. */
typedef struct LUCounterEntry {
    LUList *Levels;     /**< the counter's levels: LULevelEntry items, level 0 first */
    uint32_t CounterId; /**< the counter's id */
    uint32_t Reserved;  /**< 0 */
} LUCounterEntry;

/** One level of a counter. */
typedef struct LULevelEntry {
    LUList *History;   /**< LUCounterRecord items in ascending position */
    uint32_t Level;    /**< the level, 0 the outermost */
    uint32_t Reserved; /**< 0 */
} LULevelEntry;

/** Link of a value saved at its own level; a marker left by a save at a
 * deeper level holds that level's index plus 1 instead. */
#define LU_LINK_OWN_VALUE (-1)

/** One record of a level's history: a value, or a marker left by a save
 * at a deeper level. */
typedef struct LUCounterRecord {
    uint32_t Position; /**< where the value or marker starts */
    int32_t Value;     /**< -1 for no value */
    int32_t Link;      /**< LU_LINK_OWN_VALUE, or the marker's level + 1 */
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

/**
 * Makes an empty list of fixed-size items.
 *
 * @param itemSize        bytes per item
 * @param initialCapacity items the list holds before it first grows; 0 makes a
 *                        list without an item block, which refuses every addition
 * @param growBy          items added to the capacity whenever a full list takes
 *                        one more; 0 makes a list that cannot grow
 * @return the list, or 0 (nothing left allocated) when memory cannot be had or
 *         the capacity is too large (above 0x7FFFFFFF items, or more bytes
 *         than 32 bits count).
 *
 * Ownership: the caller owns the list and frees it with LUFreeList.  The
 * record never moves; Items and NextFree change whenever the list grows.
 */
QRVAPI LUList *LUCreateList(uint32_t itemSize, uint32_t initialCapacity, uint32_t growBy);
/**
 * Frees a list (its item block and its record) and sets the caller's pointer
 * to 0; a null list is left alone.
 *
 * @param[in,out] pList the caller's pointer to the list; 0 afterwards
 */
QRVAPI void LUFreeList(LUList **pList);
/**
 * Sets a list's capacity, growing or shrinking its item block.
 *
 * A list shrunk below its items in use keeps the first @p newCapacity items
 * (FreeSlots becomes 0); ItemCount is not changed.  Pointers into the items
 * are stale afterwards.
 *
 * @param list        the list
 * @param newCapacity items the list is to hold
 * @return 1 on success; 0 for a null list, a list made with capacity 0, or
 *         when the block cannot be reallocated (the list then keeps its items
 *         and fields, with its item block unlocked until the next successful resize).
 */
QRVAPI uint32_t LUResizeList(LUList *list, uint32_t newCapacity);
/**
 * Appends a copy of an item, growing a full list by its growth step.
 *
 * @param list the list
 * @param item ItemSize bytes to copy, or 0 to take the slot without writing it
 * @return the new item's index, or -1 for a null list or when a full list
 *         cannot grow (growth step 0, capacity 0, or no memory).
 */
QRVAPI int32_t LUAddItem(LUList *list, const void *item);
/**
 * Removes the last item of a list (pop).
 *
 * @param list the list
 * @return the address of the removed item's bytes, readable there until the
 *         slot is used again; 0 for a null or empty list.  The bytes belong to
 *         the list.
 */
QRVAPI void *LURemoveItem(LUList *list);
/**
 * Finds the last item whose first bytes equal a key.
 *
 * @param list      the list
 * @param key       the bytes to compare
 * @param keyLength bytes compared from the start of each item; 0 matches the
 *                  last item
 * @return the highest matching index; -1 for a null or empty list, no match,
 *         or a key longer than an item.
 */
QRVAPI int32_t LUFindExactItem(LUList *list, const void *key, uint32_t keyLength);
/**
 * Adds an item at its place in a list kept in ascending order of an unsigned
 * little-endian key at the start of each item.
 *
 * @param list     the list (at most 65535 items)
 * @param item     the item, ItemSize bytes, copied
 * @param keyWidth width of the key in bytes: 2 or 4
 * @param flags    LU_SORTED_ALLOW_DUPLICATES to add an item whose key is present
 *                 (it goes after the items of equal key); without it such an
 *                 item is not added and the result is still 0
 * @return 0; 37 for a null list or item, a key width other than 2 or 4, a key
 *         wider than an item, a list already holding 65535 items, or a full
 *         list that cannot grow (the list is then unchanged).
 */
QRVAPI uint32_t LUAddSortedItem(LUList *list, const void *item, uint32_t keyWidth, uint32_t flags);
/**
 * Removes the last item whose first bytes equal a key, keeping the order of
 * the others.
 *
 * @param list      the list
 * @param key       the bytes to compare
 * @param keyLength bytes compared from the start of each item
 * @return 0 on success, and for a null list; 37 for an empty list, no match,
 *         or a key longer than an item.
 */
QRVAPI uint32_t LURemoveExactItem(LUList *list, const void *key, uint32_t keyLength);
/**
 * Inserts a copy of an item at an index, moving the items from there on up by
 * one.
 *
 * @param list  the list
 * @param item  ItemSize bytes to copy, or 0 to take the slot without writing it
 * @param index where the item goes; -1 or the number of items in use appends
 * @return 0 on success; 13 when appending fails; 18 for a null list, a full
 *         list that cannot grow, or an index beyond the items in use (the list
 *         is then unchanged).
 */
QRVAPI uint32_t LUInsertItem(LUList *list, const void *item, int32_t index);

/** Bit 0 of LUAddSortedItem's flags: keep duplicates (after equal keys). */
#define LU_SORTED_ALLOW_DUPLICATES 0x1u

/**
 * Makes an empty counter track.
 *
 * @param[out] pTrack the new track, or 0 on failure
 * @return 0, or 13 when the track list cannot be made.
 *
 * Ownership: the caller frees the track with LUDeInitCounterTrack.
 */
QRVAPI uint32_t LUInitCounterTrack(LUList **pTrack);
/**
 * Frees a counter track with every counter's levels and histories.
 *
 * @param track the track; the caller's own pointer to it is not cleared and
 *              must not be used again
 * @return 0.
 */
QRVAPI uint32_t LUDeInitCounterTrack(LUList *track);
/**
 * Records the value one level of a counter holds from a position on, leaving
 * a marker at every level above it; missing levels are made on the way.
 *
 * Positions are expected to grow from one save to the next.  A value already
 * saved at the same level and position is kept, and so is a value at an outer
 * level at this position unless that is the level directly above.  A first
 * save at a new level at the very position where the level above has its own
 * value records nothing; once the level exists, such a save records its value.
 *
 * @param track     the track from LUInitCounterTrack
 * @param counterId the counter; a new id is added to the track
 * @param level     the level, 0 the outermost
 * @param value     the value (-1 stands for none)
 * @param position  where in the document the value starts
 * @return 0; 18 for a null track; 13 when a list cannot be made or extended
 *         (a failed marker insert while marking the outer levels ends the save
 *         with 0).
 */
QRVAPI uint32_t LUSaveCounterLevel(LUList *track, uint32_t counterId, uint32_t level, int32_t value, uint32_t position);
/**
 * Gives the value one level of a counter had at a position.
 *
 * A level starts over, and so has no value, when an outer level took a new
 * value after the level's last use.
 *
 * @param track     the track
 * @param counterId the counter
 * @param level     the level, 0 the outermost
 * @param[out] pValue    the value (a marker's value counts too, so it may be
 *                  -1); -1 when there is none
 * @param position  the position asked about
 * @return 0; 1577 when the level had no value there (never saved, or started
 *         over); 18 for a null track or result pointer, an unknown counter, or a
 *         level list that does not start at level 0.
 */
QRVAPI uint32_t LUGetCounterLevel(LUList *track, uint32_t counterId, uint32_t level, int32_t *pValue,
                                  uint32_t position);

QRV_END_DECLS

#endif
