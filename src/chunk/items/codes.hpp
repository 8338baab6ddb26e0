// The item codes as the library's C++ code uses them.  The numbers live once,
// in <qrvex/items.h>; this header gives them types and the few tests that
// every walk over the item stream makes (skippable tags, what counts as text).
#pragma once

#include <qrvex/items.h>

#include <cstdint>

namespace qrv::chunk {

// Item type codes.
enum class ItemType : uint32_t {
    Break = CH_ITEM_BREAK,
    VectorHeader = CH_ITEM_VECTOR_HEADER,
    Text = CH_ITEM_TEXT,
    TableBegin = CH_ITEM_TABLE_BEGIN,
    TableEnd = CH_ITEM_TABLE_END,
    TableRow = CH_ITEM_TABLE_ROW,
    TableCell = CH_ITEM_TABLE_CELL,
    TabListBegin = CH_ITEM_TAB_LIST_BEGIN,
    TabStop = CH_ITEM_TAB_STOP,
    TabListEnd = CH_ITEM_TAB_LIST_END,
    SpecialChar = CH_ITEM_SPECIAL_CHAR,
    Style = CH_ITEM_STYLE,
    ListLevelData = CH_ITEM_LIST_LEVEL_DATA,
    CounterPlacement = CH_ITEM_COUNTER_PLACEMENT,
    TagBegin = CH_ITEM_TAG_BEGIN,
    TagEnd = CH_ITEM_TAG_END,
    EmptyCells = CH_ITEM_EMPTY_CELLS,
    DataValue = CH_ITEM_DATA_VALUE,
    TextFrame = CH_ITEM_TEXT_FRAME,
};

inline constexpr uint32_t kNoItem = CH_NO_ITEM;
inline constexpr uint32_t kChunkMask = 0xFFFF0000u;

inline constexpr uint32_t kSkippableBit = CH_TAG_SKIPPABLE_BIT;
inline constexpr uint32_t kWalkSkipBit = CH_TAG_WALK_SKIP_BIT;
inline constexpr uint32_t kStyleSkipMask = CH_TAG_STYLE_SKIP_MASK;

// The id of the first item of the chunk that holds id.
constexpr uint32_t chunk_start(uint32_t id) { return id & kChunkMask; }
constexpr uint32_t chunk_number(uint32_t id) { return id >> 16; }

constexpr bool is_skippable_tag(uint32_t tag) { return (tag & kSkippableBit) != 0; }

// Break and text searches also jump over these two unflagged tags whole.
constexpr bool is_skipped_by_break_search(uint32_t tag) {
    return is_skippable_tag(tag) || tag == CH_TAG_SKIP_FOR_TEXT_17 || tag == CH_TAG_SKIP_FOR_TEXT_18;
}

// Cells of a spreadsheet section: types 70 to 74, one cell each.
constexpr bool is_spreadsheet_cell(uint32_t type) { return type >= CH_ITEM_SS_CELL_70 && type <= CH_ITEM_SS_CELL_74; }

// Cells an item stands for in a cell run: 1 for a cell, value >> 16 for a
// run of empty cells, 0 for anything else.
constexpr uint32_t cells_in_item(uint32_t type, uint32_t value) {
    if (is_spreadsheet_cell(type)) return 1;
    if (type == CH_ITEM_EMPTY_CELLS) return value >> 16;
    return 0;
}

// Items 45 and 110 end a database or spreadsheet cell.
constexpr bool ends_cell(uint32_t type) { return type == CH_ITEM_CELL_END_45 || type == CH_ITEM_CELL_END_110; }

// Special characters of these kinds are not text; every other kind is.
constexpr bool special_char_is_text(uint32_t kind) {
    switch (kind) {
    case CH_SPECIAL_NOT_TEXT_2:
    case CH_SPECIAL_NOT_TEXT_4:
    case CH_SPECIAL_NOT_TEXT_5:
    case CH_SPECIAL_NOT_TEXT_12:
    case CH_SPECIAL_NOT_TEXT_13: return false;
    default: return true;
    }
}

// Kinds 0x100 to 0x13A of a special character are number format tokens
// inside a number format definition.
constexpr bool is_number_format_token(uint32_t kind) { return kind >= 0x100 && kind <= 0x13A; }

// Breaks that end a heading's own text: 1 and 22, the nearer one wins.
constexpr bool ends_heading_text(uint32_t kind) { return kind == CH_BREAK_PARAGRAPH || kind == CH_BREAK_PAGE; }

}  // namespace qrv::chunk
