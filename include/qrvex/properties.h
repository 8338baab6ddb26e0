/** @file
 * Properties, links, objects and fonts. */
#ifndef QRVEX_PROPERTIES_H
#define QRVEX_PROPERTIES_H

#include "items.h"

QRV_BEGIN_DECLS

#define CU_PROPERTY_CHARS 512 /**< 1024 bytes: at most 511 characters and a zero */

/** A string of store 9 read into a fixed area. */
typedef struct CUPropertyString {
    QRVWCHAR Chars[CU_PROPERTY_CHARS]; /**< the characters, ending in a zero */
    uint32_t Data;                     /**< the string item's data1 (its attribute), or a font's value */
} CUPropertyString;

/** Part flags of object locator part items (type 193). */
enum {
    CU_LOCATOR_PART_1 = 0x001,
    CU_LOCATOR_PART_2 = 0x002, /**< Part2Data1 is the link's string item */
    CU_LOCATOR_PART_4 = 0x004,
    CU_LOCATOR_PART_8 = 0x008,
    CU_LOCATOR_PART_16 = 0x010,
    CU_LOCATOR_PART_32 = 0x020, /**< only recorded in Parts */
    CU_LOCATOR_PART_64 = 0x040,
    CU_LOCATOR_PART_128 = 0x080, /**< Part128Data1: the link's string item when part 2 is absent */
    CU_LOCATOR_PART_256 = 0x100,
    CU_LOCATOR_PART_512 = 0x200
};

/** The parts of an object locator.  Words of parts not met keep what they
 * held before CUGetObjectLocator. */
typedef struct CUObjectLocator {
    uint32_t Parts;        /**< OR of every part flag met */
    uint32_t Part128Data1; /**< data1 of part 128: the link's string item when part 2 is absent */
    uint32_t Part2Data1;   /**< data1 of part 2: the link's string item */
    uint32_t Part1Data1;   /**< data1 of part 1 */
    uint32_t Part8Data1;   /**< data1 of part 8 */
    uint32_t Part8Data2;   /**< data2 of part 8 */
    uint32_t Part512Data1; /**< data1 of part 512 */
    uint32_t Part16Data2;  /**< data2 of part 16 */
    uint32_t Part16Data1;  /**< data1 of part 16 */
    uint32_t Part4Data1;   /**< data1 of part 4 */
    uint32_t Part64Data1;  /**< data1 of part 64 */
    uint32_t Part256Data1; /**< data1 of part 256 */
    uint32_t Part256Data2; /**< data2 of part 256 */
} CUObjectLocator;

QRV_LAYOUT_ASSERT(sizeof(CUPropertyString) == 1028, "CUPropertyString is 1028 bytes");
QRV_LAYOUT_ASSERT(offsetof(CUPropertyString, Data) == 1024, "CUPropertyString.Data at 1024");
QRV_LAYOUT_ASSERT(sizeof(CUObjectLocator) == 52, "CUObjectLocator is 13 words");
QRV_LAYOUT_ASSERT(offsetof(CUObjectLocator, Part16Data2) == 28, "locator word 7 at 28");

/**
 * Reads a string item (store 9) into a fixed area of at most 511 characters
 * and a zero.
 *
 * @param id the string item: value = its offset in store 9, data1 = its
 *           attribute, low 16 bits of data2 = its length
 * @param[out] ps the caller's area: Chars gets the characters and a zero,
 *           Data the string's attribute
 * @param h  the chunker handle
 * @return the number of characters copied; 0 (record untouched) for a null
 *         record, an item that cannot be read, an empty string or a failed copy.
 */
QRVAPI uint16_t CUGetPropertyString(uint32_t id, CUPropertyString *ps, CHHandle h);
/**
 * Finds a font by its id and gives its name, value and attribute.
 *
 * Chars is zeroed first (Data is not).  A font with an empty name is found all
 * the same (result 0, with its attribute and value).  When a name cannot be
 * copied the search goes on with the next font, the attribute being already
 * written.
 *
 * @param fontId         the font id wanted
 * @param[out] ps             Chars gets the name (at most 511 characters, then
 *                       a zero), Data the font's value
 * @param[out] pFontAttribute the low 16 bits of the font's attribute word
 * @param h              the chunker handle
 * @return the name's length in characters; 0 when no font has that id or the
 *         fonts cannot be read.
 */
QRVAPI uint16_t CUMapFontIdToName(uint32_t fontId, CUPropertyString *ps, uint16_t *pFontAttribute, CHHandle h);
/**
 * Gathers the parts of an object locator: reads the items after the one that
 * introduces it, up to the end-of-locator item, and fills the words of every
 * part item met.
 *
 * Parts is cleared first; the words of parts not met keep their values; other
 * items in between are passed over.
 *
 * @param[in,out] locator the caller's record
 * @param id      the item that introduces the locator (its type is not checked)
 * @param h       the chunker handle
 * @return 0 when a part was met; 37 otherwise, for an id of -1, a null record,
 *         and when the ids stop growing before the end item.
 */
QRVAPI uint32_t CUGetObjectLocator(CUObjectLocator *locator, uint32_t id, CHHandle h);
/**
 * Gives the text of a link named by an object locator (its part-2 string
 * item, else its part-128 one) as bytes.
 *
 * With the attribute 0x14b00000 each character takes two bytes, high byte
 * first, followed by a 16-bit zero (2 x length + 2 bytes).  With any other
 * attribute each character gives its high byte (only when not zero) and its
 * low byte, followed by a zero byte (at least length + 1 bytes).
 *
 * @param locator    the locator from CUGetObjectLocator
 * @param[out] buffer     the caller's buffer
 * @param size       the buffer's size in bytes
 * @param[out] pAttribute the string's attribute
 * @param h          the chunker handle
 * @return 0; 46 when the buffer is too small (it may then hold part of the
 *         text); 15 for a null locator or attribute pointer; the chunker's code
 *         when the item or the string cannot be read (also for a locator
 *         without either part).
 */
QRVAPI uint32_t CUGetLinkLocatorString(const CUObjectLocator *locator, char *buffer, uint32_t size,
                                       uint32_t *pAttribute, CHHandle h);
/**
 * Searches forward for the name of a custom document property: the first
 * text run after a custom property tag begin (0x201c0000).
 *
 * Other skippable tags are skipped whole.
 *
 * @param id        the first id to read
 * @param breakKind a break of this kind ends the search
 * @param[out] buffer    the run's characters, at most @p size of them and
 *                  without a terminator
 * @param size      the buffer's size in characters
 * @param h         the chunker handle
 * @return 0 when the name was copied; 37 when a break of @p breakKind, the end
 *         of a custom or plain document property tag, a failed read or ids that
 *         stop growing end the search; the chunker's code for a failed lock of
 *         the text.
 */
QRVAPI uint32_t CUFindCustomDocPropName(uint32_t id, uint32_t breakKind, QRVWCHAR *buffer, uint32_t size, CHHandle h);
/**
 * Searches forward for a document property tag (0xa0010004): the first one,
 * or the one with a given property id.
 *
 * Other skippable tags are skipped whole.
 *
 * @param id          the first id to read
 * @param breakKind   a break of this kind ends the search
 * @param[out] pFoundId    the id of the item after the tag begin; set to 0 first
 * @param[in,out] pPropertyId 0 to take the first property (its id is then
 *                    written here), or the property id wanted
 * @param h           the chunker handle
 * @return 0 when found; 37 for a break of @p breakKind, a failed read or ids
 *         that stop growing; the chunker's code for a failed lock or unlock of
 *         the property id.
 */
QRVAPI uint32_t CUFindDocPropertyId(uint32_t id, uint32_t breakKind, uint32_t *pFoundId, uint32_t *pPropertyId,
                                    CHHandle h);

QRV_END_DECLS

#endif
