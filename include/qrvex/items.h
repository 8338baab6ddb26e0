/** @file
 *
 * The chunk item record and the one table of codes: item types, tag codes and
 * flag bits, break kinds and store codes, plus the store records that the
 * chunker and the library exchange.  All records here are wire formats:
 * fields are little-endian and the offsets are binding in every build.
 *
 * Items that the chunker does not name are called after their number
 * (CH_ITEM_ATTR_12 is "the attribute change of type 12"); what they mean
 * typographically is the chunker's convention, described in
 * docs/text-format.md.
 */
#ifndef QRVEX_ITEMS_H
#define QRVEX_ITEMS_H

#include "types.h"

/** The 16-byte item record of store 0 (store 14 entries have the same shape). */
typedef struct CHItem {
    uint32_t type;  /**< item type code (CH_ITEM_*) */
    uint32_t value; /**< tag code, break kind, special character kind or an id in another store */
    uint32_t data1; /**< second value, meaning by type */
    uint32_t data2; /**< third value, meaning by type */
} CHItem;

/** Store codes (second argument of every chunker call). */
enum {
    CH_STORE_ITEMS = 0,        /**< the item stream: CHItem */
    CH_STORE_SECTIONS = 1,     /**< sections: CHItem-shaped, data2 = first item id */
    CH_STORE_TEXT = 2,         /**< document text: 16-bit characters */
    CH_STORE_STYLE_DATA = 3,   /**< style and property data: bytes */
    CH_STORE_TEXT_FRAMES = 7,  /**< 40-byte text frame records */
    CH_STORE_STRINGS = 9,      /**< strings: 16-bit characters */
    CH_STORE_TABLE_ROWS = 10,  /**< table row records (CHTableRowRecord) */
    CH_STORE_TABLE_CELLS = 11, /**< table cell records (CHTableCellRecord) */
    CH_STORE_FONTS = 12,       /**< 20-byte font records (CHFontRecord) */
    CH_STORE_TABLE_INDEX = 14, /**< table begins and ends in document order: CHItem */
    CH_STORE_CELL_RUNS = 15,   /**< runs of spreadsheet cells (CHCellRun) */
    CH_STORE_TAG_LIST = 16,    /**< the tag list: 12-byte CHTagListEntry */
    CH_STORE_DATA_VALUES = 17  /**< stored data values, up to 16 bytes each */
};

/** Item type codes. */
enum {
    CH_ITEM_BREAK = 0,         /**< value = break kind (CH_BREAK_*) */
    CH_ITEM_VECTOR_HEADER = 5, /**< value is what CUFindVectorHeaderId returns */
    CH_ITEM_TEXT = 7,          /**< value = offset in store 2, data1 = length in characters */
    CH_ITEM_CHAR_ATTR = 8,     /**< value = character attribute code, data1 = 0 off / 1 on */
    CH_ITEM_FONT_SIZE = 9,     /**< value (low 16 bits) = font size */
    CH_ITEM_FONT = 10,         /**< value = font id for font slot 0 */
    CH_ITEM_ATTR_12 = 12,      /**< paragraph value (16 bits) */
    CH_ITEM_INDENTS = 13,      /**< value, data1, data2: the three indents */
    CH_ITEM_ATTR_14 = 14,      /**< paragraph value (16 bits) and data1 */
    CH_ITEM_TABLE_BEGIN = 16,
    CH_ITEM_TABLE_END = 17,
    CH_ITEM_TABLE_ROW = 18,  /**< value = row id in store 10 */
    CH_ITEM_TABLE_CELL = 19, /**< value = cell id in store 11 */
    CH_ITEM_ATTR_20 = 20,    /**< handed to the change walk by the state and style walks */
    CH_ITEM_TAB_LIST_BEGIN = 21,
    CH_ITEM_TAB_STOP = 22, /**< value = kind, data1 = two 16-bit values, data2 = position */
    CH_ITEM_TAB_LIST_END = 23,
    CH_ITEM_SPECIAL_CHAR = 24, /**< value = special character kind */
    CH_ITEM_ATTR_25 = 25,      /**< text value; also carried by number format definitions */
    CH_ITEM_ATTR_26 = 26,      /**< counts as text unless the caller's options say otherwise */
    CH_ITEM_STYLE = 28,        /**< data1 = style id */
    CH_ITEM_LIST_LEVEL_DATA =
        29,               /**< value = kind, data1 = level (low 16), data2 = store-3 offset of a 36-byte record */
    CH_ITEM_ATTR_30 = 30, /**< list level values (value 10) */
    CH_ITEM_COUNTER_PLACEMENT = 31,
    CH_ITEM_CELL_END_45 = 45, /**< ends a database or spreadsheet cell */
    CH_ITEM_ATTR_56 = 56,
    CH_ITEM_ATTR_57 = 57,
    CH_ITEM_ATTR_58 = 58, /**< value 1: data1 = store-3 offset of 104 bytes */
    CH_ITEM_ATTR_59 = 59, /**< value 1: data1 = store-3 offset of 20 bytes */
    CH_ITEM_ATTR_60 = 60, /**< text value in data1 (value bit 0 clear); also in number formats */
    CH_ITEM_ATTR_61 = 61,
    CH_ITEM_ATTR_62 = 62,
    CH_ITEM_ATTR_63 = 63,
    CH_ITEM_ATTR_64 = 64,
    CH_ITEM_ATTR_65 = 65,
    CH_ITEM_TAG_BEGIN = 67,  /**< value = tag code */
    CH_ITEM_TAG_END = 68,    /**< value = tag code */
    CH_ITEM_SS_CELL_70 = 70, /**< spreadsheet cell; high 16 bits of data2 = a cell value */
    CH_ITEM_SS_CELL_71 = 71,
    CH_ITEM_SS_STYLED_CELL_72 = 72, /**< value bit 0 set: data1 = style id */
    CH_ITEM_SS_STYLED_CELL_73 = 73,
    CH_ITEM_SS_CELL_74 = 74,
    CH_ITEM_SS_BY_COLUMN = 75, /**< data1 = line length; the section is laid out by column */
    CH_ITEM_COLUMN_LIST_BEGIN = 76,
    CH_ITEM_COLUMN_ENTRY = 77, /**< value = width, data1 = name id, data2 = width flags */
    CH_ITEM_COLUMN_LIST_END = 78,
    CH_ITEM_FIELD_LIST_BEGIN = 80,
    CH_ITEM_FIELD_LIST_END = 81,
    CH_ITEM_FIELD_ENTRY = 82, /**< value = width, data1 = name id, data2 = width flags */
    CH_ITEM_DB_CELL_FORMAT = 83,
    CH_ITEM_SECTION_LAYOUT = 84, /**< value, data1: the section's two layout values */
    CH_ITEM_EMPTY_CELLS = 87,    /**< high 16 bits of value = number of cells */
    CH_ITEM_ATTR_88 = 88,
    CH_ITEM_LIST_ITEM = 93, /**< value 10: data1 = level, data2 = list kind */
    CH_ITEM_ATTR_94 = 94,
    CH_ITEM_STYLE_ATTR = 95,    /**< value = attribute code, data1 = style id, data2 = modifier */
    CH_ITEM_INDENT_CHANGE = 97, /**< value = which indent, data1 = mode bits, data2 = amount */
    CH_ITEM_ATTR_98 = 98,
    CH_ITEM_ATTR_99 = 99,
    CH_ITEM_TAB_MOD_BEGIN = 100,
    CH_ITEM_TAB_MOD_END = 101,
    CH_ITEM_TAB_CLEAR = 102, /**< value = centre position, data1 = width of the cleared range */
    CH_ITEM_ATTR_103 = 103,
    CH_ITEM_CELL_END_110 = 110,
    CH_ITEM_MULTI_FONT = 119,       /**< value = font id, data1 = font slot 0..4 */
    CH_ITEM_LIST_LEVEL = 122,       /**< value = 1-based list level */
    CH_ITEM_FORMAT_CONDITION = 128, /**< number format condition */
    CH_ITEM_OUTLINE_LEVEL = 137,    /**< value (16 bits) = outline level */
    CH_ITEM_CELL_147 = 147,
    CH_ITEM_CELL_148 = 148,
    CH_ITEM_CELL_150 = 150,
    CH_ITEM_CELL_151 = 151,
    CH_ITEM_CELL_152 = 152,
    CH_ITEM_CELL_153 = 153,
    CH_ITEM_CELL_154 = 154,
    CH_ITEM_OBJECT_LOCATOR_PART = 193, /**< value = part flag */
    CH_ITEM_OBJECT_LOCATOR_END = 194,
    CH_ITEM_STRING = 200, /**< value = offset in store 9, data1 = attribute, data2 = length */
    CH_ITEM_MERGE_LIST_BEGIN = 208,
    CH_ITEM_MERGE_POINT = 209,
    CH_ITEM_MERGE_LIST_END = 210,
    CH_ITEM_DATA_VALUE = 224, /**< value = id in store 17, data1 = multiplier, data2 = storage type */
    CH_ITEM_TEXT_FRAME = 804, /**< value = offset of the frame record in store 7 */
    CH_ITEM_FONT_WALK_END = 1025
};

/** Tag codes and tag flag bits. */
#define CH_TAG_SKIPPABLE_BIT 0x20000000u       /**< searches jump over the tag whole */
#define CH_TAG_WALK_SKIP_BIT 0x40000000u       /**< the change walk passes over the tag whole */
#define CH_TAG_SKIP_FOR_TEXT_17 0x00170000u    /**< break and text searches skip it whole */
#define CH_TAG_SKIP_FOR_TEXT_18 0x00180000u    /**< break and text searches skip it whole */
#define CH_TAG_CUSTOM_DOC_PROPERTY 0x201c0000u /**< its text run names the property */
#define CH_TAG_SS_CELL 0x20130000u             /**< spreadsheet cell tag; format condition target */
#define CH_TAG_DOC_PROPERTY 0xa0010004u        /**< data2 = store-3 offset of the 4-byte property id */
#define CH_TAG_STYLE_DEFINITION 0xa008001cu    /**< tag list key = style id */
#define CH_TAG_NUMBER_FORMAT 0xa0100000u       /**< tag list key = format id */
#define CH_TAG_LIST_LEVEL_DEF 0xa0120000u      /**< tag list key = word 7 of the list level record */
#define CH_TAG_FONT_WALK_END 0xa00a0000u       /**< its end ends a paragraph's font walk */
#define CH_TAG_STYLE_SKIP_MASK 0x60220000u     /**< inside a style definition: skipped whole */

/** Break kinds (value of a CH_ITEM_BREAK). */
enum {
    CH_BREAK_PARAGRAPH = 1, /**< ends a heading's own text (with 22); counts as text */
    CH_BREAK_LINE = 2,      /**< counts as text */
    CH_BREAK_ROW = 19,      /**< end of a table row */
    CH_BREAK_CELL = 20,     /**< end of a table cell */
    CH_BREAK_PAGE = 22      /**< ends a heading's own text (with 1); counts as text */
};

/** Special character kinds that do not count as text. */
enum {
    CH_SPECIAL_NOT_TEXT_2 = 2,
    CH_SPECIAL_NOT_TEXT_4 = 4,
    CH_SPECIAL_NOT_TEXT_5 = 5,
    CH_SPECIAL_NOT_TEXT_12 = 12,
    CH_SPECIAL_NOT_TEXT_13 = 13
};

/** Storage types of a data value (data2 of a CH_ITEM_DATA_VALUE). */
enum {
    CH_STORAGE_INT32 = 0, /**< signed, little-endian, 4 bytes */
    CH_STORAGE_UINT32 = 1,
    CH_STORAGE_FLOAT = 2, /**< IEEE single, little-endian */
    CH_STORAGE_FLOAT_BE = 3,
    CH_STORAGE_DOUBLE = 4, /**< IEEE double; bytes 6 and 7 both 0xFF: no value */
    CH_STORAGE_DOUBLE_BE = 5,
    CH_STORAGE_EXT80 = 6, /**< 80-bit extended, little-endian, 10 bytes */
    CH_STORAGE_EXT80_BE = 7,
    CH_STORAGE_BCD = 8,    /**< packed decimal, 8 bytes */
    CH_STORAGE_NONE_9 = 9, /**< no storage: no value */
    CH_STORAGE_NONE_10 = 10,
    CH_STORAGE_UNDEFINED_11 = 11,
    CH_STORAGE_UNDEFINED_12 = 12,
    CH_STORAGE_INT32_BE = 13,
    CH_STORAGE_UINT32_BE = 14,
    CH_STORAGE_COMPACT = 15 /**< compact scaled integer, one 32-bit word */
};

/** Multiplier codes of a data value (data1 of a CH_ITEM_DATA_VALUE); any
 * other code multiplies by 1. */
enum {
    CH_MULTIPLIER_5000 = 320,
    CH_MULTIPLIER_1000 = 321,
    CH_MULTIPLIER_500 = 322,
    CH_MULTIPLIER_0_05 = 323,
    CH_MULTIPLIER_0_005 = 324,
    CH_MULTIPLIER_0_0005 = 325,
    CH_MULTIPLIER_0_00005 = 326,
    CH_MULTIPLIER_1_16 = 327,
    CH_MULTIPLIER_1_64 = 328,
    CH_MULTIPLIER_0_01 = 329
};

/** Sizes of the records of stores 3 and 7 that the library reads. */
enum {
    CH_SIZE_PROPERTY_ID = 4,   /**< store 3: a document property's id */
    CH_SIZE_ITEM59_DATA = 20,  /**< store 3: what an item 59 points at */
    CH_SIZE_STYLE_RECORD = 28, /**< store 3: a style definition's record */
    CH_SIZE_LIST_LEVEL = 36,   /**< store 3: a list level record */
    CH_SIZE_ITEM58_DATA = 104, /**< store 3: what an item 58 points at */
    CH_SIZE_TEXT_FRAME = 40,   /**< store 7 */
    CH_SIZE_DATA_VALUE = 16    /**< store 17: at most this many storage bytes */
};

/** Store 12: a font. */
typedef struct CHFontRecord {
    uint32_t FontId;     /**< the font id CUMapFontIdToName looks for */
    uint32_t Attribute;  /**< a 16-bit font attribute in the low half */
    uint32_t NameId;     /**< id of the name in store 9 */
    uint32_t NameLength; /**< in characters */
    uint32_t FontValue;  /**< handed back beside the name */
} CHFontRecord;

/** Store 15: a run of spreadsheet cells. */
typedef struct CHCellRun {
    uint32_t FirstItemId; /**< store-0 id of the run's first item */
    uint32_t CellCount;   /**< cells of the run */
} CHCellRun;

/** Store 16: one entry of the tag list. */
typedef struct CHTagListEntry {
    uint32_t TagBeginId; /**< store-0 id of the tag begin */
    uint32_t TagCode;    /**< the tag's code */
    uint32_t Key;        /**< the key it is listed under (a style id, format id, ...) */
} CHTagListEntry;

/** Store 7: a text frame record (40 bytes; the library reads FrameFlags). */
typedef struct CHTextFrameRecord {
    uint32_t Words0to3[4]; /**< the chunker's */
    uint32_t FrameFlags;   /**< offset 16 */
    uint32_t Words5to9[5]; /**< the chunker's */
} CHTextFrameRecord;

/** The section record CHGetSectionInfo fills. */
typedef struct CHSectionInfo {
    uint32_t SectionKind; /**< the chunker's kind of section */
    uint32_t FirstItemId; /**< store-0 id of the section's first item */
    uint32_t LastItemId;  /**< store-0 id of the section's last item */
    uint32_t Reserved;    /**< not used */
} CHSectionInfo;

/** Stores 10 and 11: the chunker's row and cell records.  Filters provide
 * buffers of these sizes to CUGetRowInfo and CUGetCellInfo. */
typedef struct CHTableRowRecord {
    uint32_t Height;      /**< the row's height, in the chunker's unit */
    uint32_t Flags;       /**< the chunker's row flags */
    uint32_t Reserved[2]; /**< not used */
} CHTableRowRecord;

/** Store 11: the chunker's cell record (see CHTableRowRecord). */
typedef struct CHTableCellRecord {
    uint32_t Width;      /**< the cell's width, in the chunker's unit */
    uint32_t Flags;      /**< the chunker's cell flags */
    uint32_t ColumnSpan; /**< columns the cell spans */
    uint32_t RowSpan;    /**< rows the cell spans */
} CHTableCellRecord;

QRV_LAYOUT_ASSERT(sizeof(CHItem) == 16, "CHItem is 16 bytes");
QRV_LAYOUT_ASSERT(offsetof(CHItem, value) == 4, "CHItem.value at 4");
QRV_LAYOUT_ASSERT(offsetof(CHItem, data1) == 8, "CHItem.data1 at 8");
QRV_LAYOUT_ASSERT(offsetof(CHItem, data2) == 12, "CHItem.data2 at 12");
QRV_LAYOUT_ASSERT(offsetof(CHFontRecord, NameId) == 8, "font name id at 8");
QRV_LAYOUT_ASSERT(offsetof(CHFontRecord, FontValue) == 16, "font value at 16");
QRV_LAYOUT_ASSERT(offsetof(CHTagListEntry, Key) == 8, "tag list key at 8");
QRV_LAYOUT_ASSERT(offsetof(CHSectionInfo, LastItemId) == 8, "section last id at 8");
QRV_LAYOUT_ASSERT(sizeof(CHSectionInfo) == 16, "section info is 16 bytes");
QRV_LAYOUT_ASSERT(sizeof(CHTableRowRecord) == 16, "row record is 16 bytes");
QRV_LAYOUT_ASSERT(sizeof(CHTableCellRecord) == 16, "cell record is 16 bytes");
QRV_LAYOUT_ASSERT(sizeof(CHFontRecord) == 20, "font record is 20 bytes");
QRV_LAYOUT_ASSERT(sizeof(CHCellRun) == 8, "cell run is 8 bytes");
QRV_LAYOUT_ASSERT(sizeof(CHTagListEntry) == 12, "tag list entry is 12 bytes");
QRV_LAYOUT_ASSERT(sizeof(CHTextFrameRecord) == 40, "text frame is 40 bytes");
QRV_LAYOUT_ASSERT(offsetof(CHTextFrameRecord, FrameFlags) == 16, "frame flags at 16");

#endif /* QRVEX_ITEMS_H */
