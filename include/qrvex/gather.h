/** @file
 * Text and paragraph attribute changes: the change walk and its wrappers. */
#ifndef QRVEX_GATHER_H
#define QRVEX_GATHER_H

#include "changes.h"
#include "styles.h"

QRV_BEGIN_DECLS

QRVAPI uint32_t CUGatherChangeInfo(CUStyleSheet *sheet, CUParaChangeInfo *para, CUTextChangeInfo *text,
                                   CUCellChangeInfo *cell, CHItem item, uint32_t *pNextId,
                                   uint32_t lastId, CHHandle h);
QRVAPI uint32_t CUOptimizeTextChangeFlags(const CUTextChangeInfo *a, const CUTextChangeInfo *b);
QRVAPI uint32_t CUOptimizeParaChangeFlags(const CUParaChangeInfo *a, const CUParaChangeInfo *b);
QRVAPI uint32_t CUGatherTextInfo(CUStyleSheet *sheet, CUTextChangeInfo *text, uint32_t nextId,
                                 CHItem item, CHHandle h);
QRVAPI uint32_t CUGatherParaFontInfo(CUStyleSheet *sheet, CUTextChangeInfo *text, uint32_t firstId,
                                     uint32_t lastId, CHItem room, CHHandle h);
QRVAPI uint32_t CUGatherChunkStateInfo(CUStyleSheet *sheet, CUParaChangeInfo *para,
                                       CUTextChangeInfo *text, CHHandle h, uint32_t itemId);
QRVAPI uint32_t CUCheckForText(CUStyleSheet *sheet, uint32_t firstId, uint32_t lastId,
                               uint32_t options, CHHandle h);

QRV_END_DECLS

#endif
