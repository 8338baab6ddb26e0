/* Properties, links, objects and fonts. */
#ifndef QRVEX_PROPERTIES_H
#define QRVEX_PROPERTIES_H

#include "items.h"

QRV_BEGIN_DECLS

#define CU_PROPERTY_CHARS 512 /* 1024 bytes: at most 511 characters and a zero */

/* A string of store 9 read into a fixed area. */
typedef struct CUPropertyString {
    QRVWCHAR Chars[CU_PROPERTY_CHARS];
    uint32_t Data; /* the string item's data1 (its attribute), or a font's value */
} CUPropertyString;

/* Part flags of object locator part items (type 193). */
enum {
    CU_LOCATOR_PART_1 = 0x001,
    CU_LOCATOR_PART_2 = 0x002,   /* Part2Data1 is the link's string item */
    CU_LOCATOR_PART_4 = 0x004,
    CU_LOCATOR_PART_8 = 0x008,
    CU_LOCATOR_PART_16 = 0x010,
    CU_LOCATOR_PART_32 = 0x020,  /* only recorded in Parts */
    CU_LOCATOR_PART_64 = 0x040,
    CU_LOCATOR_PART_128 = 0x080, /* Part128Data1: the link's string item when part 2 is absent */
    CU_LOCATOR_PART_256 = 0x100,
    CU_LOCATOR_PART_512 = 0x200
};

/* The parts of an object locator.  Words of parts not met keep what they
 * held before CUGetObjectLocator. */
typedef struct CUObjectLocator {
    uint32_t Parts; /* OR of every part flag met */
    uint32_t Part128Data1;
    uint32_t Part2Data1;
    uint32_t Part1Data1;
    uint32_t Part8Data1;
    uint32_t Part8Data2;
    uint32_t Part512Data1;
    uint32_t Part16Data2;
    uint32_t Part16Data1;
    uint32_t Part4Data1;
    uint32_t Part64Data1;
    uint32_t Part256Data1;
    uint32_t Part256Data2;
} CUObjectLocator;

QRV_LAYOUT_ASSERT(sizeof(CUPropertyString) == 1028, "CUPropertyString is 1028 bytes");
QRV_LAYOUT_ASSERT(offsetof(CUPropertyString, Data) == 1024, "CUPropertyString.Data at 1024");
QRV_LAYOUT_ASSERT(sizeof(CUObjectLocator) == 52, "CUObjectLocator is 13 words");
QRV_LAYOUT_ASSERT(offsetof(CUObjectLocator, Part16Data2) == 28, "locator word 7 at 28");

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
