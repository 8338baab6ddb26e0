/* Tables: rows and cells of a table in the item stream. */
#ifndef QRVEX_TABLES_H
#define QRVEX_TABLES_H

#include "items.h"

QRV_BEGIN_DECLS

typedef struct CUTableInfo CUTableInfo;

QRVAPI uint32_t CUGetTableInfo(uint32_t id, CUTableInfo *info, CHHandle h);
QRVAPI uint32_t CUFreeTableInfo(CUTableInfo *info);
QRVAPI uint32_t CUGetRowInfo(CUTableInfo *info, uint16_t row, void *rowRecord, CHHandle h);
QRVAPI uint32_t CUGetCellInfo(CUTableInfo *info, uint16_t row, uint16_t cell, void *cellRecord, CHHandle h);

QRV_END_DECLS

#endif
