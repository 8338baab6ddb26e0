/* Properties, links, objects and fonts. */
#ifndef QRVEX_PROPERTIES_H
#define QRVEX_PROPERTIES_H

#include "items.h"

QRV_BEGIN_DECLS

typedef struct CUPropertyString CUPropertyString;
typedef struct CUObjectLocator CUObjectLocator;

QRVAPI uint16_t CUGetPropertyString(uint32_t id, CUPropertyString *ps, CHHandle h);
QRVAPI uint16_t CUMapFontIdToName(uint32_t fontId, CUPropertyString *ps, uint16_t *pFontAttribute, CHHandle h);
QRVAPI uint32_t CUGetObjectLocator(CUObjectLocator *locator, uint32_t id, CHHandle h);
QRVAPI uint32_t CUGetLinkLocatorString(const CUObjectLocator *locator, char *buffer, uint32_t size,
                                       uint32_t *pAttribute, CHHandle h);
QRVAPI uint32_t CUFindCustomDocPropName(uint32_t id, uint32_t breakKind, QRVWCHAR *buffer,
                                        uint32_t size, CHHandle h);
QRVAPI uint32_t CUFindDocPropertyId(uint32_t id, uint32_t breakKind, uint32_t *pFoundId,
                                    uint32_t *pPropertyId, CHHandle h);

QRV_END_DECLS

#endif
