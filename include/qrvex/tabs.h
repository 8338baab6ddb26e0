/** @file
 * Paragraph tabs: tab lists, tab modifications and list-level tab stops. */
#ifndef QRVEX_TABS_H
#define QRVEX_TABS_H

#include "changes.h"
#include "styles.h"

QRV_BEGIN_DECLS

/**
 * Reads a tab list (tab stop items up to the list end) into a paragraph's
 * TabStops, replacing the stops in force.
 *
 * @param h        the chunker handle
 * @param[in,out] pId      on entry the first item after the tab list begin;
 *                 on return the id after the last item read (on a failed read,
 *                 that item's id)
 * @param[in,out] para     the paragraph record: TabStops and TabCount
 * @param maxStops most stops kept, compared as a 16-bit number (callers pass
 *                 32); stops beyond it, or beyond 32, are dropped
 * @return 0 when the list ended on its end item; the code of the read that
 *         failed (the stops read so far are kept); 37 for a null argument or
 *         ids that stop growing.
 */
QRVAPI uint32_t CUParseParaTabs(CHHandle h, uint32_t *pId, CUParaChangeInfo *para, uint32_t maxStops);
/**
 * Applies a run of tab modifications to a paragraph's stops, up to the
 * run's end item.
 *
 * A tab stop item adds a stop in position order or replaces the one at its
 * position (with 32 stops in force it is dropped); a clear item removes the
 * stops in its range.
 *
 * @param h        the chunker handle
 * @param[in,out] pId      as for CUParseParaTabs: the first item after the
 *                 modification begin on entry, the id after the last item read
 *                 on return
 * @param[in,out] para     the paragraph record: TabStops and TabCount
 * @param maxStops most stops kept (callers pass 32)
 * @return 0 when the run ended on its end item; else the failed read's code,
 *         or 37 for a null argument or ids that stop growing.
 */
QRVAPI uint32_t CUParseParaTabMod(CHHandle h, uint32_t *pId, CUParaChangeInfo *para, uint32_t maxStops);
/**
 * Merges the tab definitions of a paragraph's list level into its stops.
 *
 * The level record (list style ListStyleIndex, level ListLevel - 1) is loaded
 * into para->ListLevelInfo; then the tab lists and modifications in the
 * level's own definition are applied in order, nested tags passed over.
 *
 * @param sheet the style sheet with the document's list styles
 * @param[in,out] para  the paragraph record: ListStyleIndex and ListLevel name
 *              the level; TabStops, TabCount and ListLevelInfo are written
 * @param h     the chunker handle
 * @return 0; the code of the level load or of the tag list search; the result
 *         of the last tab parser run; 37 for a null sheet or record or a
 *         ListStyleIndex outside the style table.
 */
QRVAPI uint32_t CUGatherCounterTabStopInfo(CUStyleSheet *sheet, CUParaChangeInfo *para, CHHandle h);

QRV_END_DECLS

#endif
