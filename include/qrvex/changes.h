/** @file
 *
 * Attribute change records: character, paragraph and cell changes and tab
 * stops.  The filter owns these records; the change walk fills them from
 * attribute-change items and sets a ChangeFlags bit for every field it sets,
 * so that the filter writes out only what changed.
 *
 * Fields that the chunker does not name are called after what sets them:
 * Item63Value is the value of an item of type 63, Attr2 the character
 * attribute with code 2 (0 off, 1 on).
 *
 * Layout: fields keep their natural alignment (16-bit fields on even
 * offsets, 32-bit fields on multiples of four), the way the records were
 * always compiled.  Where that leaves a gap it is spelled out as a Pad field,
 * so the records hold no hidden padding.  None of these records holds a
 * pointer, so the 32- and 64-bit layouts are the same.
 */
#ifndef QRVEX_CHANGES_H
#define QRVEX_CHANGES_H

#include "types.h"

QRV_BEGIN_DECLS

/** ChangeFlags of CUTextChangeInfo. */
#define CU_TEXT_CHANGED_ATTR_2 0x00000001u         /**< Attr2 was set */
#define CU_TEXT_CHANGED_ATTR_3 0x00000002u         /**< Attr3 was set */
#define CU_TEXT_CHANGED_ATTR_11 0x00000004u        /**< Attr11 was set */
#define CU_TEXT_CHANGED_ATTR_10 0x00000008u        /**< Attr10 was set */
#define CU_TEXT_CHANGED_ITEM_94 0x00000010u        /**< the fields of item type 94 were set */
#define CU_TEXT_CHANGED_ATTR_4_ITEM_63 0x00000020u /**< one bit for both fields */
#define CU_TEXT_CHANGED_ATTR_5 0x00000040u         /**< Attr5 was set */
#define CU_TEXT_CHANGED_ATTR_13 0x00000080u        /**< Attr13 was set */
#define CU_TEXT_CHANGED_ATTR_14 0x00000100u        /**< Attr14 was set */
#define CU_TEXT_CHANGED_ATTR_9 0x00000200u         /**< Attr9 was set */
#define CU_TEXT_CHANGED_ATTR_16 0x00000400u        /**< Attr16 was set */
#define CU_TEXT_CHANGED_ATTR_17 0x00000800u        /**< Attr17 was set */
#define CU_TEXT_CHANGED_ATTR_6 0x00001000u         /**< Attr6 was set */
#define CU_TEXT_CHANGED_ATTR_15 0x00002000u        /**< Attr15 was set */
#define CU_TEXT_CHANGED_ATTR_19 0x00004000u        /**< Attr19 was set */
#define CU_TEXT_CHANGED_ATTR_20 0x00008000u        /**< Attr20 was set */
#define CU_TEXT_CHANGED_ATTR_12 0x00010000u        /**< Attr12 was set */
#define CU_TEXT_CHANGED_ATTR_21 0x00020000u        /**< Attr21 was set */
#define CU_TEXT_CHANGED_ITEM_25 0x00040000u        /**< also raised with the font bit when slot 0's name differs */
#define CU_TEXT_CHANGED_FONT_SIZE 0x00080000u      /**< FontSize was set */
#define CU_TEXT_CHANGED_ITEM_60 0x00100000u        /**< the fields of item type 60 were set */
#define CU_TEXT_CHANGED_FONT 0x00200000u           /**< font slot 0: FontId[0], FontName[0] */
#define CU_TEXT_CHANGED_ATTR_7 0x00400000u         /**< Attr7 was set */
#define CU_TEXT_CHANGED_ATTR_8 0x00800000u         /**< Attr8 was set */
#define CU_TEXT_CHANGED_ATTR_18 0x01000000u        /**< Attr18 was set */
#define CU_TEXT_CHANGED_ATTR_22 0x02000000u        /**< Attr22 was set */
#define CU_TEXT_CHANGED_ITEM_62 0x04000000u        /**< value and data1 */
#define CU_TEXT_CHANGED_ITEM_61 0x08000000u        /**< the fields of item type 61 were set */
#define CU_TEXT_CHANGED_ITEM_65 0x10000000u        /**< the fields of item type 65 were set */
#define CU_TEXT_CHANGED_ATTR_38 0x20000000u        /**< Attr38 was set */
#define CU_TEXT_CHANGED_ATTR_39 0x40000000u        /**< Attr39 was set */
#define CU_TEXT_CHANGED_STYLE 0x80000000u          /**< a style reset the record */

#define CU_FONT_SLOTS 5       /**< font slots of a text record */
#define CU_FONT_NAME_CHARS 80 /**< characters of a font name in a text record */

/** Character attributes. */
typedef struct CUTextChangeInfo {
    uint32_t ChangeFlags;           /**< what the walk set: one bit per field (CU_TEXT_CHANGED_*) */
    uint32_t Item63Value;           /**< value of the last item of type 63 */
    uint32_t StyleId;               /**< style identifier when a style reset the record */
    uint32_t Item25Value;           /**< value of the last item of type 25 */
    uint16_t FontSize;              /**< font size, from item 9 or a style */
    uint16_t Item62Data1;           /**< data1 of the last item of type 62 */
    uint16_t Item62Value;           /**< value of the last item of type 62 */
    uint16_t PadAfterItem62;        /**< padding; not used */
    uint32_t Item60Data1;           /**< data1 of the last item of type 60 */
    uint32_t Item61Data1;           /**< data1 of the last item of type 61 */
    uint16_t Attr2;                 /**< character attribute 2: 0 off, 1 on */
    uint16_t Attr3;                 /**< character attribute 3: 0 off, 1 on */
    uint16_t Attr15;                /**< character attribute 15: 0 off, 1 on */
    uint16_t Attr4;                 /**< also set by codes 42 and 46 */
    uint16_t Attr5;                 /**< character attribute 5: 0 off, 1 on */
    uint16_t Attr13;                /**< character attribute 13: 0 off, 1 on */
    uint16_t Attr14;                /**< also set by codes 43, 44 and 45 */
    uint16_t Attr11;                /**< character attribute 11: 0 off, 1 on */
    uint16_t Attr10;                /**< character attribute 10: 0 off, 1 on */
    uint16_t Attr12;                /**< also set by code 40 */
    uint16_t Attr21;                /**< character attribute 21: 0 off, 1 on */
    uint16_t Attr19;                /**< character attribute 19: 0 off, 1 on */
    uint16_t Attr20;                /**< character attribute 20: 0 off, 1 on */
    uint16_t Attr9;                 /**< character attribute 9: 0 off, 1 on */
    uint16_t Attr16;                /**< character attribute 16: 0 off, 1 on */
    uint16_t Attr6;                 /**< character attribute 6: 0 off, 1 on */
    uint16_t Attr17;                /**< character attribute 17: 0 off, 1 on */
    uint16_t Attr7;                 /**< character attribute 7: 0 off, 1 on */
    uint16_t Attr8;                 /**< character attribute 8: 0 off, 1 on */
    uint16_t Attr18;                /**< character attribute 18: 0 off, 1 on */
    uint16_t Attr22;                /**< character attribute 22: 0 off, 1 on */
    uint16_t Item64Value;           /**< has no flag bit */
    uint16_t Item65Value;           /**< value of the last item of type 65 */
    uint16_t Attr38;                /**< character attribute 38: 0 off, 1 on */
    uint16_t Attr39;                /**< character attribute 39: 0 off, 1 on */
    int16_t Item94Value;            /**< value of the last item of type 94 */
    uint16_t FontId[CU_FONT_SLOTS]; /**< font ids of the five font slots (slot 0 from item 10 or a style, any slot from
                                       item 119) */
    QRVWCHAR FontName[CU_FONT_SLOTS][CU_FONT_NAME_CHARS]; /**< zero-terminated when shorter than 80 */
    uint16_t PadBeforeFontInfo;                           /**< padding; not used */
    uint32_t FontInfo[CU_FONT_SLOTS];                     /**< the value the font lookup gives beside each name */
    uint8_t MultiFont;                                    /**< 1 once an item 119 filled a slot */
    uint8_t PadAfterMultiFont[3];                         /**< padding; not used */
} CUTextChangeInfo;

/** ChangeFlags of CUParaChangeInfo.  Bit 10 and bits 20 to 31 are not used. */
#define CU_PARA_CHANGED_ITEM_12 0x00000001u       /**< the fields of item type 12 were set */
#define CU_PARA_CHANGED_ITEM_98 0x00000002u       /**< the fields of item type 98 were set */
#define CU_PARA_CHANGED_ITEM_99 0x00000004u       /**< the fields of item type 99 were set */
#define CU_PARA_CHANGED_ITEM_14 0x00000008u       /**< the fields of item type 14 were set */
#define CU_PARA_CHANGED_INDENT0 0x00000010u       /**< Indent0 was set */
#define CU_PARA_CHANGED_INDENT2 0x00000020u       /**< Indent2 was set */
#define CU_PARA_CHANGED_INDENT1 0x00000040u       /**< Indent1 was set */
#define CU_PARA_CHANGED_LIST_TABS 0x00000080u     /**< the list level's tab stops were added */
#define CU_PARA_CHANGED_ITEM_58 0x00000100u       /**< the fields of item type 58 were set */
#define CU_PARA_CHANGED_FILTER_VALUES 0x00000200u /**< only from CUOptimizeParaChangeFlags */
#define CU_PARA_CHANGED_LIST_LEVEL 0x00000800u    /**< ListLevel and ListKind */
#define CU_PARA_CHANGED_ITEM_30 0x00001000u       /**< the fields of item type 30 were set */
#define CU_PARA_CHANGED_LIST_STYLE 0x00002000u    /**< ListStyleIndex */
#define CU_PARA_CHANGED_STYLE 0x00004000u         /**< a style reset the record */
#define CU_PARA_CHANGED_ITEM_103 0x00008000u      /**< the fields of item type 103 were set */
#define CU_PARA_CHANGED_ITEM_59 0x00010000u       /**< the fields of item type 59 were set */
#define CU_PARA_CHANGED_ITEM_57 0x00020000u       /**< the fields of item type 57 were set */
#define CU_PARA_CHANGED_ITEM_56 0x00040000u       /**< the fields of item type 56 were set */
#define CU_PARA_CHANGED_ITEM_137 0x00080000u      /**< the fields of item type 137 were set */

#define CU_MAX_TAB_STOPS 32 /**< most tab stops a paragraph holds */

/** One tab stop of a paragraph, taken from a tab item: four 32-bit words,
 * the first three holding 16-bit values. */
typedef struct CUTabStop {
    uint32_t Kind;      /**< low 16 bits of the item's value */
    uint32_t Data1Low;  /**< low 16 bits of the item's data1 */
    uint32_t Data1High; /**< high 16 bits of the item's data1 */
    uint32_t Position;  /**< the item's data2, in the chunker's unit of length */
} CUTabStop;

/** Paragraph attributes. */
typedef struct CUParaChangeInfo {
    uint32_t StyleItemId;                 /**< id of the item that applied a paragraph style */
    uint32_t FilterWord4;                 /**< not touched by the library */
    uint32_t ChangeFlags;                 /**< what the walk set: one bit per field (CU_PARA_CHANGED_*) */
    uint32_t StyleId;                     /**< style identifier of the paragraph style */
    uint32_t FilterWord16;                /**< not touched by the library */
    uint16_t Item12Value;                 /**< value of the last item of type 12 */
    uint16_t Item57Value;                 /**< value of the last item of type 57 */
    uint16_t Item14Value;                 /**< value of the last item of type 14 */
    uint16_t Item98Value;                 /**< value of the last item of type 98 */
    uint16_t Item99Value;                 /**< value of the last item of type 99 */
    uint16_t PadAfterItem99;              /**< padding; not used */
    uint32_t Item14Data1;                 /**< data1 of the last item of type 14 */
    uint32_t MaxFontSize;                 /**< largest FontSize met */
    uint32_t Item98Data1;                 /**< data1 of the last item of type 98 */
    uint32_t Item99Data1;                 /**< data1 of the last item of type 99 */
    uint16_t Indent0;                     /**< first indent: value of item 13, or item 97 with value 0 */
    uint16_t Indent1;                     /**< second indent: data1 of item 13, or item 97 with value 1 */
    uint16_t Indent2;                     /**< measured from Indent0 */
    uint16_t PadAfterIndents;             /**< padding; not used */
    uint32_t Item56Value;                 /**< value of the last item of type 56 */
    uint32_t FilterValues[3];             /**< kept by the filter; compared by CUOptimizeParaChangeFlags */
    uint32_t Item30Data1Plus1;            /**< data1 + 1 of the last item of type 30 */
    int32_t ListStyleIndex;               /**< index in the style table; -1 for none */
    uint32_t ListLevel;                   /**< 1-based; 0 for none */
    uint32_t FilterWord84;                /**< not touched by the library */
    uint32_t ListKind;                    /**< 1: a counted list item */
    uint32_t Item30Data2;                 /**< data2 of the last item of type 30 */
    uint32_t ListFlags;                   /**< bit 0: ListLevelInfo holds data */
    uint8_t Item59Data[20];               /**< the data of the last item of type 59 */
    uint32_t ListLevelInfo[9];            /**< word 6 (the seventh) is a tag-list key */
    uint8_t Item58Data[104];              /**< the data of the last item of type 58 */
    uint32_t Item103Value;                /**< value of the last item of type 103 */
    CUTabStop TabStops[CU_MAX_TAB_STOPS]; /**< the paragraph's tab stops; TabCount of them are valid */
    uint16_t TabCount;                    /**< valid entries of TabStops, at most 32 */
    uint16_t Item88Value;                 /**< value of the last item of type 88 */
    uint16_t Item88Data1;                 /**< data1 of the last item of type 88 */
    uint8_t Item88Data2;                  /**< low byte of the item's data2 */
    uint8_t FilterBytes783[8];            /**< not touched by the library */
    uint8_t PadBeforeItem137;             /**< padding; not used */
    uint16_t Item137Value;                /**< value of the last item of type 137 */
    uint16_t PadAfterItem137;             /**< padding; not used */
} CUParaChangeInfo;

/** Cell values, ten 32-bit words filled by cell items (the library never
 * reads them back). */
typedef struct CUCellChangeInfo {
    uint32_t FilterWord0;        /**< not touched */
    uint32_t Item151Value;       /**< value of the last item of type 151 */
    uint32_t Item147Value;       /**< or data2 >> 16 of items 70 and 71 */
    uint32_t Item148Value;       /**< value of the last item of type 148 */
    uint32_t Item150Value;       /**< 16 bits used */
    uint32_t Item154Value;       /**< value of the last item of type 154 */
    uint32_t Item154Data1Scaled; /**< data1 * 255 / 100 */
    uint32_t Item152Value;       /**< value of the last item of type 152 */
    uint32_t Item153Value;       /**< value of the last item of type 153 */
    uint32_t FilterWord9;        /**< not touched */
} CUCellChangeInfo;

QRV_LAYOUT_ASSERT(sizeof(CUTabStop) == 16, "CUTabStop is 16 bytes");
QRV_LAYOUT_ASSERT(offsetof(CUTabStop, Data1Low) == 4, "CUTabStop.Data1Low at 4");
QRV_LAYOUT_ASSERT(offsetof(CUTabStop, Data1High) == 8, "CUTabStop.Data1High at 8");
QRV_LAYOUT_ASSERT(offsetof(CUTabStop, Position) == 12, "CUTabStop.Position at 12");

QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, Item63Value) == 4, "text: item 63 at 4");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, StyleId) == 8, "text: StyleId at 8");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, FontSize) == 16, "text: FontSize at 16");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, Item62Value) == 20, "text: item 62 value at 20");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, Item60Data1) == 24, "text: item 60 at 24");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, Item61Data1) == 28, "text: item 61 at 28");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, Attr2) == 32, "text: attribute 2 at 32");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, Attr22) == 72, "text: attribute 22 at 72");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, Item94Value) == 82, "text: item 94 at 82");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, FontId) == 84, "text: FontId at 84");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, FontName) == 94, "text: FontName at 94");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, FontInfo) == 896, "text: FontInfo at 896");
QRV_LAYOUT_ASSERT(offsetof(CUTextChangeInfo, MultiFont) == 916, "text: MultiFont at 916");
QRV_LAYOUT_ASSERT(sizeof(CUTextChangeInfo) == 920, "CUTextChangeInfo is 920 bytes");

QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, ChangeFlags) == 8, "para: ChangeFlags at 8");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, Item12Value) == 20, "para: item 12 at 20");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, Item14Data1) == 32, "para: item 14 data1 at 32");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, Indent0) == 48, "para: Indent0 at 48");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, Item56Value) == 56, "para: item 56 at 56");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, Item30Data1Plus1) == 72, "para: item 30 at 72");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, ListFlags) == 96, "para: ListFlags at 96");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, Item59Data) == 100, "para: item 59 data at 100");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, ListLevelInfo) == 120, "para: ListLevelInfo at 120");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, Item58Data) == 156, "para: item 58 data at 156");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, Item103Value) == 260, "para: item 103 at 260");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, TabStops) == 264, "para: TabStops at 264");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, TabCount) == 776, "para: TabCount at 776");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, Item88Data2) == 782, "para: item 88 data2 at 782");
QRV_LAYOUT_ASSERT(offsetof(CUParaChangeInfo, Item137Value) == 792, "para: item 137 at 792");
QRV_LAYOUT_ASSERT(sizeof(CUParaChangeInfo) == 796, "CUParaChangeInfo is 796 bytes");

QRV_LAYOUT_ASSERT(offsetof(CUCellChangeInfo, Item154Data1Scaled) == 24, "cell: word 6 at 24");
QRV_LAYOUT_ASSERT(sizeof(CUCellChangeInfo) == 40, "CUCellChangeInfo is 40 bytes");

QRV_END_DECLS

#endif
