/** @file
 * Text and paragraph attribute changes: the change walk and its wrappers. */
#ifndef QRVEX_GATHER_H
#define QRVEX_GATHER_H

#include "changes.h"
#include "styles.h"

QRV_BEGIN_DECLS

/**
 * Gathers the attribute changes that start at an item into the paragraph,
 * text and cell records (the change walk).
 *
 * The walk reads on from the item while items are attribute changes it
 * handles, applying styles through CULoadStyle and tab runs through the tab
 * parsers, and sets a ChangeFlags bit for every field it sets.  It ends at an
 * item it does not handle, at a tag begin without bit 30, past @p lastId, and
 * at an id that does not grow (a looping document).
 *
 * @param sheet   the style sheet (styles are loaded into its slots)
 * @param[in,out] para    the caller's paragraph record
 * @param[in,out] text    the caller's text record
 * @param[in,out] cell    the caller's cell record
 * @param item    the current item, by value (already read by the caller)
 * @param[in,out] pNextId on entry the id of the item after @p item; on return
 *                the first id the walk did not consume (the item that stopped
 *                it, or the first id beyond @p lastId), or its entry value when
 *                @p item itself stopped the walk
 * @param lastId  the last id the walk may read (inclusive)
 * @param h       the chunker handle
 * @return 0; the code of a failed style load (15 for a style item on a sheet
 *         made without slots), list level read or item read, unchanged; 37 for
 *         a null record or id pointer.
 */
QRVAPI uint32_t CUGatherChangeInfo(CUStyleSheet *sheet, CUParaChangeInfo *para, CUTextChangeInfo *text,
                                   CUCellChangeInfo *cell, CHItem item, uint32_t *pNextId, uint32_t lastId, CHHandle h);
/**
 * Compares two text records and gives the flag bits of the fields that
 * differ, among the bits set in either record's ChangeFlags.
 *
 * A differing font name in slot 0 reports the font bit together with
 * CU_TEXT_CHANGED_ITEM_25; attributes 18 and 22 and the item-65 value are
 * never reported (FontId is not compared).
 *
 * @param a one record (typically the one in force)
 * @param b the other (typically the new one)
 * @return the CU_TEXT_CHANGED_* bits of the fields that differ; 0 for equal
 *         records or a null record.
 */
QRVAPI uint32_t CUOptimizeTextChangeFlags(const CUTextChangeInfo *a, const CUTextChangeInfo *b);
/**
 * Compares two paragraph records field by field, without consulting their
 * flag words, and gives the flag bits of the fields that differ.
 *
 * @param a one record (typically the one in force)
 * @param b the other (typically the new one); its CU_PARA_CHANGED_LIST_LEVEL
 *          and CU_PARA_CHANGED_ITEM_30 bits are added to the result as they stand
 * @return the CU_PARA_CHANGED_* bits of the fields that differ
 *         (CU_PARA_CHANGED_FILTER_VALUES when FilterValues differ), plus b's
 *         bits 11 and 12; 0 for a null record.
 */
QRVAPI uint32_t CUOptimizeParaChangeFlags(const CUParaChangeInfo *a, const CUParaChangeInfo *b);
/**
 * Gathers every character change from an item on, up to the next text: each
 * item of the run of character change items that starts there begins a change
 * walk (without bound) into the text record.
 *
 * The text record's ChangeFlags start at 0; its other fields keep their
 * content.  The walk may collect changes beyond a paragraph item that ends
 * the run.
 *
 * @param sheet  the style sheet
 * @param[in,out] text   the caller's text record
 * @param nextId the id of the item after @p item
 * @param item   the current item, by value
 * @param h      the chunker handle
 * @return the id where the filter goes on: the first item after @p item that is
 *         not a character change, or @p nextId when @p item is none (also for a
 *         null @p text); the id of a failed read; an id whose following id does
 *         not grow.
 */
QRVAPI uint32_t CUGatherTextInfo(CUStyleSheet *sheet, CUTextChangeInfo *text, uint32_t nextId, CHItem item, CHHandle h);
/**
 * Gathers the font information in force at a paragraph (font size, style,
 * item 60, style attribute) into a text record, whose ChangeFlags start at 0.
 *
 * The walk ends past @p lastId, at a paragraph break, a cell item or the end
 * of a list level definition, and at an id that does not grow.
 *
 * @param sheet   the style sheet
 * @param[in,out] text    the caller's text record
 * @param firstId the paragraph's first item
 * @param lastId  the last id to read (inclusive)
 * @param room    four words of room for an item record; not read
 * @param h       the chunker handle
 * @return 0, whatever happens.
 */
QRVAPI uint32_t CUGatherParaFontInfo(CUStyleSheet *sheet, CUTextChangeInfo *text, uint32_t firstId, uint32_t lastId,
                                     CHItem room, CHHandle h);
/**
 * Gathers the attributes in force at an item: adds to the records the changes
 * between the first item of the item's chunk and the item.
 *
 * @param sheet  the style sheet
 * @param[in,out] para   the caller's paragraph record (not cleared first)
 * @param[in,out] text   the caller's text record (not cleared first)
 * @param h      the chunker handle
 * @param itemId the item; the walk starts at its chunk's first item (low 16
 *               bits cleared)
 * @return 0 when the walk reaches the item (or meets an id that does not
 *         grow); the code of the failed read; 37 for a null record.
 */
QRVAPI uint32_t CUGatherChunkStateInfo(CUStyleSheet *sheet, CUParaChangeInfo *para, CUTextChangeInfo *text, CHHandle h,
                                       uint32_t itemId);
/**
 * Finds the first item of a range that counts as text.
 *
 * Text runs and data values always count; breaks of kinds 1, 2, 19, 20 and 22
 * unless option 0x2; special characters other than 2, 4, 5, 12 and 13; item 26
 * unless option 0x4; cell ends 45 and 110 with option 0x8; table begins with
 * 0x10; with 0x20, list items of kind 1 and styles whose ListKind is 1.  Tags
 * skipped by text searches are passed over whole.
 *
 * @param sheet   the style sheet (for styles met in the range)
 * @param firstId the first id of the range
 * @param lastId  the last id of the range (inclusive)
 * @param options option flags (low byte used), as above
 * @param h       the chunker handle
 * @return the id of the first item that counts as text; 0 when there is none, a
 *         read or style load fails, or the ids stop growing.
 */
QRVAPI uint32_t CUCheckForText(CUStyleSheet *sheet, uint32_t firstId, uint32_t lastId, uint32_t options, CHHandle h);

QRV_END_DECLS

#endif
