/** @file
 * Spreadsheet and database cells. */
#ifndef QRVEX_CELLS_H
#define QRVEX_CELLS_H

#include "changes.h"
#include "lists.h"
#include "styles.h"

QRV_BEGIN_DECLS

/** A spreadsheet or database section's parameters. */
typedef struct CUSSSectionParams {
    uint32_t SectionNumber; /**< the section number asked for */
    uint32_t LayoutValue1;  /**< value of the section layout item */
    uint32_t LayoutValue2;  /**< data1 of the section layout item */
    uint32_t ListItemId;    /**< the column or field list item */
    uint32_t ByColumn;      /**< 1: cells are numbered column by column */
    uint32_t LineLength;    /**< cells per line */
    uint32_t ListLength;    /**< LineLength when the column or field list ended */
} CUSSSectionParams;

/** The filter's cursor over one section's cell runs, kept between calls of
 * CUGetSSCellBeginId; start it with SectionNumber -1. */
typedef struct CUSSCellState {
    uint32_t FirstRunId;    /**< id of the section's first cell run (store 15) */
    uint32_t RunId;         /**< id of the current cell run */
    uint32_t RunFirstCell;  /**< number of the current run's first cell */
    uint32_t RunCellCount;  /**< cells of the current run */
    uint32_t RunItemId;     /**< store-0 id where the current run's items begin */
    uint32_t CursorItemId;  /**< store-0 id of the cursor */
    uint32_t CursorCell;    /**< cell number of the cursor */
    uint32_t LineLength;    /**< cells per line, from the section's parameters */
    uint32_t ListLength;    /**< length of the column or field list */
    uint32_t SectionNumber; /**< the section the state belongs to; -1 to start over */
    uint32_t LayoutValue1;  /**< first layout value of the section */
    uint32_t LayoutValue2;  /**< second layout value of the section */
    uint32_t ByColumn;      /**< 1: cells are numbered column by column */
    uint32_t SectionLastId; /**< store-0 id of the section's last item */
    uint32_t ListItemId;    /**< the column or field list item */
} CUSSCellState;

/** An item of the list CUGetSSCellMergeInfo fills: the second merge point's
 * two values, then the first's. */
typedef struct CUSSMergeRange {
    uint32_t SecondValue; /**< value of the second merge point */
    uint32_t SecondData1; /**< data1 of the second merge point */
    uint32_t FirstValue;  /**< value of the first merge point */
    uint32_t FirstData1;  /**< data1 of the first merge point */
} CUSSMergeRange;

QRV_LAYOUT_ASSERT(sizeof(CUSSSectionParams) == 28, "section parameters are 7 words");
QRV_LAYOUT_ASSERT(sizeof(CUSSCellState) == 60, "cell state is 15 words");
QRV_LAYOUT_ASSERT(offsetof(CUSSCellState, SectionNumber) == 36, "cell state section number at 36");
QRV_LAYOUT_ASSERT(offsetof(CUSSCellState, ListItemId) == 56, "cell state list item at 56");
QRV_LAYOUT_ASSERT(sizeof(CUSSMergeRange) == 16, "merge range is 16 bytes");

/**
 * Reads the parameters of a spreadsheet or database section from its items,
 * up to the first break.
 *
 * LineLength comes from the by-column item, plus one per column or field
 * entry (a column list after a by-column item is not counted).
 *
 * @param section the section number
 * @param[out] params  the caller's record
 * @param h       the chunker handle
 * @return 0 at the break; the chunker's code when a read fails (also when the
 *         items end before a break); 37 when ids stop growing before a break.
 */
QRVAPI uint32_t CUGetSSSectionParams(uint32_t section, CUSSSectionParams *params, CHHandle h);
/**
 * Finds the next column or field list from an id on and stores one width per
 * entry.
 *
 * A width is value x 120 with flag bit 0, value with bit 1, else -1; a
 * column entry with bit 2 gets 0.
 *
 * @param id     the first id to read
 * @param[out] widths the caller's array, one 32-bit word per entry
 * @param h      the chunker handle
 * @return 0 at the list's end; 37 when a break comes before a list (or ids stop
 *         growing); the chunker's code when a read fails (also when the items
 *         end first).
 */
QRVAPI uint32_t CUGatherSSDBCellWidths(uint32_t id, uint32_t *widths, CHHandle h);
/**
 * Finds the next column or field list from an id on and stores each entry's
 * name id.
 *
 * @param id      the first id to read
 * @param[out] nameIds the caller's array, one 32-bit word per entry
 * @param h       the chunker handle
 * @return as CUGatherSSDBCellWidths: 0 at the list's end; 37 when a break
 *         comes first; the chunker's code when a read fails.
 */
QRVAPI uint32_t CUFindSSDBCellNameIds(uint32_t id, uint32_t *nameIds, CHHandle h);
/**
 * Finds the item that begins a cell of a section: a cell item, or the
 * empty-cell run that covers it.
 *
 * Cell numbers run along lines of LineLength cells: with ByColumn,
 * secondIndex x LineLength + firstIndex (firstIndex below LineLength);
 * otherwise firstIndex x LineLength + secondIndex (secondIndex below
 * LineLength).  The state caches the section's runs and a cursor, so cells
 * asked for in increasing order cost one walk from the previous one; another
 * section resets it.
 *
 * @param[in,out] state       the caller's cursor, kept between calls; start it
 *                    with SectionNumber -1
 * @param section     the section number
 * @param firstIndex  first index of the cell (its line, or its column in a
 *                    by-column section)
 * @param secondIndex second index of the cell
 * @param h           the chunker handle
 * @return the store-0 id of the item; -1 when an index is out of range, the
 *         cell lies beyond the section, or a chunker call fails (the state then
 *         stays as far as it got, with SectionNumber -1 when the section's runs
 *         lie beyond it).
 */
QRVAPI uint32_t CUGetSSCellBeginId(CUSSCellState *state, uint32_t section, uint32_t firstIndex, uint32_t secondIndex,
                                   CHHandle h);
/**
 * Finds the last item of the cell an id lies in: the item before the first
 * break, cell end, cell item or empty-cell run.
 *
 * Tags are passed over (skippable ones whole).
 *
 * @param id an item inside the cell
 * @param h  the chunker handle
 * @return the id of the cell's last item (@p id itself when the end comes
 *         first); -1 when a read fails or the items run out first.
 */
QRVAPI uint32_t CUFindSSDBCellEndId(uint32_t id, CHHandle h);
/**
 * Finds the next begin of a spreadsheet cell tag (0x20130000) before any cell
 * item.  Tags are not skipped.
 *
 * @param id the first id to read
 * @param h  the chunker handle
 * @return the tag begin's id; -1 when a cell item or empty-cell run comes
 *         first, or a read fails.
 */
QRVAPI uint32_t CUFindSSCellTagInLineId(uint32_t id, CHHandle h);
/**
 * Finds the first field list item (type 80) from an id on.
 *
 * @param id    the first id to read
 * @param limit the search stops past this id (inclusive)
 * @param h     the chunker handle
 * @return the field list item's id; -1 when there is none or a read fails.
 */
QRVAPI uint32_t CUFindDBStartFieldInfoId(uint32_t id, uint32_t limit, CHHandle h);
/**
 * Finds the (n+1)-th cell format item (type 83) from an id on.
 *
 * @param id the first id to read
 * @param n  which one: 0 the first
 * @param h  the chunker handle
 * @return the cell format item's id; -1 when there are fewer or a read fails.
 */
QRVAPI uint32_t CUGetDBCellFormatId(uint32_t id, uint32_t n, CHHandle h);
/**
 * Gathers a cell's values (the style and cell value items between two ids)
 * into the caller's cell record through the change walk (CUGatherChangeInfo).
 *
 * Skippable tags are passed over whole.
 *
 * @param sheet   the style sheet
 * @param[in,out] cell    the caller's cell record
 * @param startId the first id to read
 * @param lastId  the last id to read
 * @param room    four words of room for an item record; not read
 * @param h       the chunker handle
 * @return 0, or the non-zero result of the change walk; a failed read ends the
 *         walk with 0.
 */
QRVAPI uint32_t CUGatherSSDBCellInfo(CUStyleSheet *sheet, CUCellChangeInfo *cell, uint32_t startId, uint32_t lastId,
                                     CHItem room, CHHandle h);
/**
 * Finds a section's merge list and adds one CUSSMergeRange per pair of merge
 * points to a list.
 *
 * @param id        the first id to read
 * @param limit     the search for the merge list stops at this id (exclusive)
 * @param[in,out] mergeList the caller's list of 16-byte items (LUCreateList);
 *                  a range it cannot take is dropped
 * @param h         the chunker handle
 * @return 0 at the merge list's end or when no merge list comes before
 *         @p limit; 15 when a merge point has no partner; the chunker's code
 *         when a read fails (also when the items end inside the list); 37 when
 *         ids stop growing there.
 */
QRVAPI uint32_t CUGetSSCellMergeInfo(uint32_t id, uint32_t limit, LUList *mergeList, CHHandle h);

QRV_END_DECLS

#endif
