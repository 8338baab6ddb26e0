/* Attribute change records: character, paragraph and cell changes and tab stops. */
#ifndef QRVEX_CHANGES_H
#define QRVEX_CHANGES_H

#include "types.h"

QRV_BEGIN_DECLS

typedef struct CUTextChangeInfo CUTextChangeInfo;
typedef struct CUParaChangeInfo CUParaChangeInfo;
typedef struct CUCellChangeInfo CUCellChangeInfo;
typedef struct CUTabStop CUTabStop;

QRV_END_DECLS

#endif
