/** @file
 * Tag and item navigation over the item stream and its index stores. */
#ifndef QRVEX_NAVIGATE_H
#define QRVEX_NAVIGATE_H

#include "items.h"

QRV_BEGIN_DECLS

/**
 * Skips the rest of a tag: from the item after a tag begin to the item after
 * its matching end, counting nested tags of any code.
 *
 * @param id the id of the item after a tag begin
 * @param h  the chunker handle of the document
 * @return the id of the item after the matching tag end; -1 when the chunker
 *         fails, the tag never ends, or the ids stop growing.
 */
QRVAPI uint32_t CUSkipTag(uint32_t id, CHHandle h);
/**
 * Walks back from a tag end to its matching begin, counting nested tags of
 * any code.
 *
 * @param id the id of a tag end
 * @param h  the chunker handle
 * @return the id of the matching tag begin; 37 when the chunker reports no
 *         earlier item or fails a read, or the ids stop shrinking (a failure
 *         inside a nested tag ends the whole walk with 37).
 */
QRVAPI uint32_t CUSkipTagReverse(uint32_t id, CHHandle h);
/**
 * Finds the end of a tag: the matching end of the tag that begins at an id,
 * or else the first tag end after it that closes no tag begun after it.
 *
 * @param id the id of a tag begin, or of an item inside a tag
 * @param h  the chunker handle
 * @return the id of the tag end (nested tags are skipped whole); -1 on any
 *         failure.
 */
QRVAPI uint32_t CUFindTagEndId(uint32_t id, CHHandle h);
/**
 * Searches forward for a tag begin with a given code.
 *
 * Other skippable tags are jumped over whole; the end of an enclosing
 * skippable tag ends the search and is returned.
 *
 * @param id      the first id to read
 * @param limit   the search stops at this id (exclusive, compared before
 *                every read)
 * @param tagCode the tag code wanted, whatever its skippable bit
 * @param h       the chunker handle
 * @return the id of the tag begin, or of the end of an enclosing skippable tag;
 *         -1 when the range runs out or the walk fails.
 */
QRVAPI uint32_t CUFindTagBeginId(uint32_t id, uint32_t limit, uint32_t tagCode, CHHandle h);
/**
 * Tells whether the item at an id is a tag begin, and gives its code.
 *
 * @param id       the item's id
 * @param[out] pTagCode the tag code, or 0 when the item is no tag begin; may be null
 * @param h        the chunker handle
 * @return 1 for a tag begin; 0 otherwise, also when the item cannot be read.
 */
QRVAPI uint32_t CUIsBeginTag(uint32_t id, uint32_t *pTagCode, CHHandle h);
/**
 * Searches forward for a break of a given kind.
 *
 * Skippable tags and tags 0x170000 and 0x180000 are jumped over whole; the
 * end of an enclosing skippable tag ends the search and is returned.
 *
 * @param id        the first id to read
 * @param limitA    the search stops past this id (inclusive)
 * @param limitB    a second limit, also inclusive; the id must stay within both
 * @param breakKind the break kind wanted
 * @param h         the chunker handle
 * @return the id of the break, or of the end of an enclosing skippable tag; -1
 *         when a limit is passed or the walk fails.
 */
QRVAPI uint32_t CUFindBreakEndId(uint32_t id, uint32_t limitA, uint32_t limitB, uint32_t breakKind, CHHandle h);
/**
 * Searches backward from an id, with no lower bound, for a break of a given
 * kind.
 *
 * Ends of skippable tags and of tags 0x170000 and 0x180000 are walked back
 * over to their begins; a skippable tag begin met on the way (the begin of an
 * enclosing tag) ends the search and is returned.
 *
 * @param id        the first id to read (itself included)
 * @param breakKind the break kind wanted
 * @param h         the chunker handle
 * @return the id of the break or of the enclosing skippable tag begin; 0 when
 *         the walk runs out of items, a read fails or the ids stop shrinking.
 */
QRVAPI uint32_t CUFindBreakBeginId(uint32_t id, uint32_t breakKind, CHHandle h);
/**
 * Searches forward for a special character (item type 24) of a given kind.
 *
 * Skippable tags are jumped over whole; the end of an enclosing skippable tag
 * ends the search and is returned.
 *
 * @param kind  the special character kind wanted
 * @param id    the first id to read
 * @param limit the search stops at this id (exclusive, compared before every
 *              read)
 * @param h     the chunker handle
 * @return the id of the special character, or of the end of an enclosing
 *         skippable tag; @p limit itself when the range runs out (also when an
 *         id equal to @p limit is given, and when a skipped tag's end is the
 *         document's last item); -1 for a failed read, an unterminated tag or
 *         ids that stop growing.
 */
QRVAPI uint32_t CUFindSpecialCharId(uint32_t kind, uint32_t id, uint32_t limit, CHHandle h);
/**
 * Searches forward for a vector header (item type 5) and gives its value.
 *
 * Skippable tags are jumped over whole; the end of an enclosing skippable tag
 * ends the search.
 *
 * @param id    the first id to read
 * @param limit the search stops at this id (exclusive, compared before every read)
 * @param h     the chunker handle
 * @return the vector header's value (not its id); -1 when nothing is found or
 *         the walk fails.
 */
QRVAPI uint32_t CUFindVectorHeaderId(uint32_t id, uint32_t limit, CHHandle h);
/**
 * Searches forward for a text frame item (type 804) whose frame record has a
 * flag of a mask.  Tags are not skipped.
 *
 * @param id            the first id to read
 * @param limit         the search stops past this id (inclusive, compared
 *                      before every read)
 * @param frameFlagMask flags wanted in the frame record (store 7, at the
 *                      item's value; the 32-bit flags at offset 16)
 * @param h             the chunker handle
 * @return the text frame item's id; -1 when nothing is found, a read of an item
 *         or of a frame record fails, or the ids stop growing.
 */
QRVAPI uint32_t CUFindTextFrameId(uint32_t id, uint32_t limit, uint32_t frameFlagMask, CHHandle h);
/**
 * Finds the begin of the innermost table that holds an id, from the table
 * index (store 14).
 *
 * A table begin counts as inside its own table, its end does not; an id that
 * follows a nested table inside an outer one is still inside the outer table.
 *
 * @param id     a store-0 item id
 * @param unused not read (callers pass 1)
 * @param h      the chunker handle
 * @return the store-0 id of the table begin; -1 when no table holds @p id, the
 *         index is empty, or it cannot be read.
 */
QRVAPI uint32_t CUFindTableBeginId(uint32_t id, uint32_t unused, CHHandle h);
/**
 * Finds the end of a table from the table index (store 14), passing over the
 * tables nested in it.
 *
 * @param id the store-0 id of a table begin (for an id inside a table, the end
 *           of the table holding it comes back)
 * @param h  the chunker handle
 * @return the store-0 id of the table's end; -1 when no such end is listed or
 *         the index cannot be read.
 */
QRVAPI uint32_t CUFindTableEndId(uint32_t id, CHHandle h);
/**
 * Finds a definition tag (a style, list level, number format...) in the tag
 * list (store 16) by its key and tag code, and gives the ids of its begin and end.
 *
 * @param key      the key wanted; -1 is refused
 * @param tagCode  the tag code wanted
 * @param flags    bit 0: give in *pBeginId the id of the item after the tag
 *                 begin instead of the begin's own id
 * @param[out] pBeginId the tag begin's id (with flags bit 0, the next item's
 *                 id; on a failed read of it, the begin's id)
 * @param[out] pEndId   the id of the tag's matching end; -1 when it cannot be found
 * @param h        the chunker handle
 * @return 0 when the tag is found (also when its end cannot be found); with
 *         flags bit 0, the code of the read of the tag begin; 37 for a key of
 *         -1; otherwise the chunker's code that ended the search (a failed
 *         lock of the tag list gives the lock's code).
 */
QRVAPI uint32_t CUGetTagListChangeId(uint32_t key, uint32_t tagCode, uint32_t flags, uint32_t *pBeginId,
                                     uint32_t *pEndId, CHHandle h);

QRV_END_DECLS

#endif
