/* Spreadsheet and database cells. */
#ifndef QRVEX_CELLS_H
#define QRVEX_CELLS_H

#include "changes.h"
#include "lists.h"
#include "styles.h"

QRV_BEGIN_DECLS

typedef struct CUSSSectionParams CUSSSectionParams;
typedef struct CUSSCellState CUSSCellState;

QRVAPI uint32_t CUGetSSSectionParams(uint32_t section, CUSSSectionParams *params, CHHandle h);
QRVAPI uint32_t CUGatherSSDBCellWidths(uint32_t id, uint32_t *widths, CHHandle h);
QRVAPI uint32_t CUFindSSDBCellNameIds(uint32_t id, uint32_t *nameIds, CHHandle h);
QRVAPI uint32_t CUGetSSCellBeginId(CUSSCellState *state, uint32_t section, uint32_t firstIndex,
                                   uint32_t secondIndex, CHHandle h);
QRVAPI uint32_t CUFindSSDBCellEndId(uint32_t id, CHHandle h);
QRVAPI uint32_t CUFindSSCellTagInLineId(uint32_t id, CHHandle h);
QRVAPI uint32_t CUFindDBStartFieldInfoId(uint32_t id, uint32_t limit, CHHandle h);
QRVAPI uint32_t CUGetDBCellFormatId(uint32_t id, uint32_t n, CHHandle h);
QRVAPI uint32_t CUGatherSSDBCellInfo(CUStyleSheet *sheet, CUCellChangeInfo *cell, uint32_t startId,
                                     uint32_t lastId, CHItem room, CHHandle h);
QRVAPI uint32_t CUGetSSCellMergeInfo(uint32_t id, uint32_t limit, LUList *mergeList, CHHandle h);

QRV_END_DECLS

#endif
