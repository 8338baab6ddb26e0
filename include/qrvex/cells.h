/* Spreadsheet and database cells. */
#ifndef QRVEX_CELLS_H
#define QRVEX_CELLS_H

#include "changes.h"
#include "lists.h"
#include "styles.h"

QRV_BEGIN_DECLS

/* A spreadsheet or database section's parameters. */
typedef struct CUSSSectionParams {
    uint32_t SectionNumber;
    uint32_t LayoutValue1; /* value and data1 of the section layout item */
    uint32_t LayoutValue2;
    uint32_t ListItemId;   /* the column or field list item */
    uint32_t ByColumn;     /* 1: cells are numbered column by column */
    uint32_t LineLength;   /* cells per line */
    uint32_t ListLength;   /* LineLength when the column or field list ended */
} CUSSSectionParams;

/* The filter's cursor over one section's cell runs, kept between calls of
 * CUGetSSCellBeginId; start it with SectionNumber -1. */
typedef struct CUSSCellState {
    uint32_t FirstRunId;
    uint32_t RunId;
    uint32_t RunFirstCell;
    uint32_t RunCellCount;
    uint32_t RunItemId;
    uint32_t CursorItemId;
    uint32_t CursorCell;
    uint32_t LineLength;
    uint32_t ListLength;
    uint32_t SectionNumber;
    uint32_t LayoutValue1;
    uint32_t LayoutValue2;
    uint32_t ByColumn;
    uint32_t SectionLastId;
    uint32_t ListItemId;
} CUSSCellState;

/* An item of the list CUGetSSCellMergeInfo fills: the second merge point's
 * two values, then the first's. */
typedef struct CUSSMergeRange {
    uint32_t SecondValue;
    uint32_t SecondData1;
    uint32_t FirstValue;
    uint32_t FirstData1;
} CUSSMergeRange;

QRV_LAYOUT_ASSERT(sizeof(CUSSSectionParams) == 28, "section parameters are 7 words");
QRV_LAYOUT_ASSERT(sizeof(CUSSCellState) == 60, "cell state is 15 words");
QRV_LAYOUT_ASSERT(offsetof(CUSSCellState, SectionNumber) == 36, "cell state section number at 36");
QRV_LAYOUT_ASSERT(offsetof(CUSSCellState, ListItemId) == 56, "cell state list item at 56");
QRV_LAYOUT_ASSERT(sizeof(CUSSMergeRange) == 16, "merge range is 16 bytes");

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
