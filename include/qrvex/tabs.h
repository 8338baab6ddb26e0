/* Paragraph tabs: tab lists, tab modifications and list-level tab stops. */
#ifndef QRVEX_TABS_H
#define QRVEX_TABS_H

#include "changes.h"
#include "styles.h"

QRV_BEGIN_DECLS

QRVAPI uint32_t CUParseParaTabs(CHHandle h, uint32_t *pId, CUParaChangeInfo *para, uint32_t maxStops);
QRVAPI uint32_t CUParseParaTabMod(CHHandle h, uint32_t *pId, CUParaChangeInfo *para, uint32_t maxStops);
QRVAPI uint32_t CUGatherCounterTabStopInfo(CUStyleSheet *sheet, CUParaChangeInfo *para, CHHandle h);

QRV_END_DECLS

#endif
