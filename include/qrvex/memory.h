/** @file
 * Memory blocks: movable blocks with a size header and a caller's byte counter. */
#ifndef QRVEX_MEMORY_H
#define QRVEX_MEMORY_H

#include "types.h"

QRV_BEGIN_DECLS

/** A filter's record for its memory and its block caches. */
typedef struct MUContext {
    uint32_t BytesHeld;  /**< data bytes held in blocks counted against this context */
    uint32_t Reserved;   /**< set to 0 by MUInit, not otherwise used */
    uint32_t CacheCount; /**< block caches initialised with this context and not yet deinitialised */
} MUContext;

QRV_LAYOUT_ASSERT(sizeof(MUContext) == 12, "MUContext is three 32-bit words");
QRV_LAYOUT_ASSERT(offsetof(MUContext, CacheCount) == 8, "CacheCount at 8");

/**
 * Sets up a filter's memory context: all three words become 0.
 *
 * @param context the caller's context; the caller owns it
 */
QRVAPI void MUInit(MUContext *context);
/**
 * Ends the use of the memory functions; there is nothing to release (each
 * block is freed by MUFreeMemory, each cache by MUCacheDeinit).
 */
QRVAPI void MUDeInit(void);
/**
 * Allocates a new memory block, or grows an existing one, for a record of the
 * caller's that keeps the block's handle and data pointer side by side.
 *
 * A new block (*phBlock 0) holds @p size data bytes, all zero, and stays
 * locked once until MUFreeMemory.  An existing block grows to @p size bytes
 * keeping its contents and zero-filling the new bytes; it may move, so
 * *ppData is refreshed.  Blocks never shrink: a size not above the block's
 * present size changes nothing.  Sizes are used exactly as asked (no rounding).
 *
 * @param[in,out] phBlock    the caller's block handle: 0 for a new block
 * @param[in,out] ppData     the caller's data pointer; for an existing block
 *                   it must be the block's present data pointer
 * @param size       data bytes wanted
 * @param[in,out] pBytesHeld the caller's byte counter: grows by the data
 *                   bytes added (the 8 bytes of header and guard are not counted)
 * @return 0 on success (also when nothing had to be done); 13 when allocating,
 *         growing or locking the block failed.  After a failed new allocation
 *         *phBlock is 0 and nothing was counted; after a failed growth the old
 *         block survives unchanged under its handle but unlocked, and
 *         *ppData is stale (0 if the lock failed).
 *
 * Ownership: the caller owns the block and frees it with MUFreeMemory.
 */
QRVAPI uint32_t MUAllocateMemory(QRVHGLOBAL *phBlock, void **ppData, uint32_t size, uint32_t *pBytesHeld);
/**
 * Frees a block made by MUAllocateMemory and sets its handle to 0; a handle
 * of 0 does nothing.
 *
 * The block must still hold the lock taken at its allocation (its size is read
 * through @p ppData).
 *
 * @param[in,out] phBlock    the caller's block handle; 0 afterwards
 * @param ppData     the caller's data pointer to the block; not cleared, and
 *                   not to be used again
 * @param[in,out] pBytesHeld the caller's byte counter: drops by the block's
 *                   data size
 */
QRVAPI void MUFreeMemory(QRVHGLOBAL *phBlock, void **ppData, uint32_t *pBytesHeld);
/**
 * Locks a block made by MUAllocateMemory once more and gives its data pointer.
 *
 * @param hBlock the block handle
 * @return the data pointer (past the block's size word), or 0 if the block
 *         cannot be locked.  Each successful call is matched by one MUUnlock.
 */
QRVAPI void *MULock(QRVHGLOBAL hBlock);
/**
 * Releases one lock of a block taken with MULock.
 *
 * @param hBlock the block handle
 * @return the platform's unlock result; callers need not look at it.
 */
QRVAPI uint32_t MUUnlock(QRVHGLOBAL hBlock);

QRV_END_DECLS

#endif
