#include "names.hpp"

#include <qrvex/items.h>

#include <span>

namespace qrv::ch {

namespace {

struct Name {
    std::string_view name;
    uint32_t value;
};

constexpr Name kItemNames[] = {
    {"BREAK", CH_ITEM_BREAK},
    {"VECTOR_HEADER", CH_ITEM_VECTOR_HEADER},
    {"TEXT", CH_ITEM_TEXT},
    {"CHAR_ATTR", CH_ITEM_CHAR_ATTR},
    {"FONT_SIZE", CH_ITEM_FONT_SIZE},
    {"FONT", CH_ITEM_FONT},
    {"ATTR_12", CH_ITEM_ATTR_12},
    {"INDENTS", CH_ITEM_INDENTS},
    {"ATTR_14", CH_ITEM_ATTR_14},
    {"TABLE_BEGIN", CH_ITEM_TABLE_BEGIN},
    {"TABLE_END", CH_ITEM_TABLE_END},
    {"TABLE_ROW", CH_ITEM_TABLE_ROW},
    {"TABLE_CELL", CH_ITEM_TABLE_CELL},
    {"ATTR_20", CH_ITEM_ATTR_20},
    {"TAB_LIST_BEGIN", CH_ITEM_TAB_LIST_BEGIN},
    {"TAB_STOP", CH_ITEM_TAB_STOP},
    {"TAB_LIST_END", CH_ITEM_TAB_LIST_END},
    {"SPECIAL_CHAR", CH_ITEM_SPECIAL_CHAR},
    {"ATTR_25", CH_ITEM_ATTR_25},
    {"ATTR_26", CH_ITEM_ATTR_26},
    {"STYLE", CH_ITEM_STYLE},
    {"LIST_LEVEL_DATA", CH_ITEM_LIST_LEVEL_DATA},
    {"ATTR_30", CH_ITEM_ATTR_30},
    {"COUNTER_PLACEMENT", CH_ITEM_COUNTER_PLACEMENT},
    {"CELL_END_45", CH_ITEM_CELL_END_45},
    {"ATTR_56", CH_ITEM_ATTR_56},
    {"ATTR_57", CH_ITEM_ATTR_57},
    {"ATTR_58", CH_ITEM_ATTR_58},
    {"ATTR_59", CH_ITEM_ATTR_59},
    {"ATTR_60", CH_ITEM_ATTR_60},
    {"ATTR_61", CH_ITEM_ATTR_61},
    {"ATTR_62", CH_ITEM_ATTR_62},
    {"ATTR_63", CH_ITEM_ATTR_63},
    {"ATTR_64", CH_ITEM_ATTR_64},
    {"ATTR_65", CH_ITEM_ATTR_65},
    {"TAG_BEGIN", CH_ITEM_TAG_BEGIN},
    {"TAG_END", CH_ITEM_TAG_END},
    {"SS_CELL_70", CH_ITEM_SS_CELL_70},
    {"SS_CELL_71", CH_ITEM_SS_CELL_71},
    {"SS_STYLED_CELL_72", CH_ITEM_SS_STYLED_CELL_72},
    {"SS_STYLED_CELL_73", CH_ITEM_SS_STYLED_CELL_73},
    {"SS_CELL_74", CH_ITEM_SS_CELL_74},
    {"SS_BY_COLUMN", CH_ITEM_SS_BY_COLUMN},
    {"COLUMN_LIST_BEGIN", CH_ITEM_COLUMN_LIST_BEGIN},
    {"COLUMN_ENTRY", CH_ITEM_COLUMN_ENTRY},
    {"COLUMN_LIST_END", CH_ITEM_COLUMN_LIST_END},
    {"FIELD_LIST_BEGIN", CH_ITEM_FIELD_LIST_BEGIN},
    {"FIELD_LIST_END", CH_ITEM_FIELD_LIST_END},
    {"FIELD_ENTRY", CH_ITEM_FIELD_ENTRY},
    {"DB_CELL_FORMAT", CH_ITEM_DB_CELL_FORMAT},
    {"SECTION_LAYOUT", CH_ITEM_SECTION_LAYOUT},
    {"EMPTY_CELLS", CH_ITEM_EMPTY_CELLS},
    {"ATTR_88", CH_ITEM_ATTR_88},
    {"LIST_ITEM", CH_ITEM_LIST_ITEM},
    {"ATTR_94", CH_ITEM_ATTR_94},
    {"STYLE_ATTR", CH_ITEM_STYLE_ATTR},
    {"INDENT_CHANGE", CH_ITEM_INDENT_CHANGE},
    {"ATTR_98", CH_ITEM_ATTR_98},
    {"ATTR_99", CH_ITEM_ATTR_99},
    {"TAB_MOD_BEGIN", CH_ITEM_TAB_MOD_BEGIN},
    {"TAB_MOD_END", CH_ITEM_TAB_MOD_END},
    {"TAB_CLEAR", CH_ITEM_TAB_CLEAR},
    {"ATTR_103", CH_ITEM_ATTR_103},
    {"CELL_END_110", CH_ITEM_CELL_END_110},
    {"MULTI_FONT", CH_ITEM_MULTI_FONT},
    {"LIST_LEVEL", CH_ITEM_LIST_LEVEL},
    {"FORMAT_CONDITION", CH_ITEM_FORMAT_CONDITION},
    {"OUTLINE_LEVEL", CH_ITEM_OUTLINE_LEVEL},
    {"CELL_147", CH_ITEM_CELL_147},
    {"CELL_148", CH_ITEM_CELL_148},
    {"CELL_150", CH_ITEM_CELL_150},
    {"CELL_151", CH_ITEM_CELL_151},
    {"CELL_152", CH_ITEM_CELL_152},
    {"CELL_153", CH_ITEM_CELL_153},
    {"CELL_154", CH_ITEM_CELL_154},
    {"OBJECT_LOCATOR_PART", CH_ITEM_OBJECT_LOCATOR_PART},
    {"OBJECT_LOCATOR_END", CH_ITEM_OBJECT_LOCATOR_END},
    {"STRING", CH_ITEM_STRING},
    {"MERGE_LIST_BEGIN", CH_ITEM_MERGE_LIST_BEGIN},
    {"MERGE_POINT", CH_ITEM_MERGE_POINT},
    {"MERGE_LIST_END", CH_ITEM_MERGE_LIST_END},
    {"DATA_VALUE", CH_ITEM_DATA_VALUE},
    {"TEXT_FRAME", CH_ITEM_TEXT_FRAME},
    {"FONT_WALK_END", CH_ITEM_FONT_WALK_END},
};

constexpr Name kTagNames[] = {
    {"SKIPPABLE_BIT", CH_TAG_SKIPPABLE_BIT},
    {"WALK_SKIP_BIT", CH_TAG_WALK_SKIP_BIT},
    {"SKIP_FOR_TEXT_17", CH_TAG_SKIP_FOR_TEXT_17},
    {"SKIP_FOR_TEXT_18", CH_TAG_SKIP_FOR_TEXT_18},
    {"CUSTOM_DOC_PROPERTY", CH_TAG_CUSTOM_DOC_PROPERTY},
    {"SS_CELL", CH_TAG_SS_CELL},
    {"DOC_PROPERTY", CH_TAG_DOC_PROPERTY},
    {"STYLE_DEFINITION", CH_TAG_STYLE_DEFINITION},
    {"NUMBER_FORMAT", CH_TAG_NUMBER_FORMAT},
    {"LIST_LEVEL_DEF", CH_TAG_LIST_LEVEL_DEF},
    {"FONT_WALK_END", CH_TAG_FONT_WALK_END},
    {"STYLE_SKIP_MASK", CH_TAG_STYLE_SKIP_MASK},
};

constexpr Name kBreakNames[] = {
    {"PARAGRAPH", CH_BREAK_PARAGRAPH}, {"LINE", CH_BREAK_LINE}, {"ROW", CH_BREAK_ROW},
    {"CELL", CH_BREAK_CELL},           {"PAGE", CH_BREAK_PAGE},
};

constexpr Name kSpecialNames[] = {
    {"NOT_TEXT_2", CH_SPECIAL_NOT_TEXT_2},   {"NOT_TEXT_4", CH_SPECIAL_NOT_TEXT_4},
    {"NOT_TEXT_5", CH_SPECIAL_NOT_TEXT_5},   {"NOT_TEXT_12", CH_SPECIAL_NOT_TEXT_12},
    {"NOT_TEXT_13", CH_SPECIAL_NOT_TEXT_13},
};

constexpr Name kStoreNames[] = {
    {"ITEMS", CH_STORE_ITEMS},
    {"SECTIONS", CH_STORE_SECTIONS},
    {"TEXT", CH_STORE_TEXT},
    {"STYLE_DATA", CH_STORE_STYLE_DATA},
    {"TEXT_FRAMES", CH_STORE_TEXT_FRAMES},
    {"STRINGS", CH_STORE_STRINGS},
    {"TABLE_ROWS", CH_STORE_TABLE_ROWS},
    {"TABLE_CELLS", CH_STORE_TABLE_CELLS},
    {"FONTS", CH_STORE_FONTS},
    {"TABLE_INDEX", CH_STORE_TABLE_INDEX},
    {"CELL_RUNS", CH_STORE_CELL_RUNS},
    {"TAG_LIST", CH_STORE_TAG_LIST},
    {"DATA_VALUES", CH_STORE_DATA_VALUES},
};

constexpr Name kStorageNames[] = {
    {"INT32", CH_STORAGE_INT32},
    {"UINT32", CH_STORAGE_UINT32},
    {"FLOAT", CH_STORAGE_FLOAT},
    {"FLOAT_BE", CH_STORAGE_FLOAT_BE},
    {"DOUBLE", CH_STORAGE_DOUBLE},
    {"DOUBLE_BE", CH_STORAGE_DOUBLE_BE},
    {"EXT80", CH_STORAGE_EXT80},
    {"EXT80_BE", CH_STORAGE_EXT80_BE},
    {"BCD", CH_STORAGE_BCD},
    {"NONE_9", CH_STORAGE_NONE_9},
    {"NONE_10", CH_STORAGE_NONE_10},
    {"UNDEFINED_11", CH_STORAGE_UNDEFINED_11},
    {"UNDEFINED_12", CH_STORAGE_UNDEFINED_12},
    {"INT32_BE", CH_STORAGE_INT32_BE},
    {"UINT32_BE", CH_STORAGE_UINT32_BE},
    {"COMPACT", CH_STORAGE_COMPACT},
};

constexpr Name kMultiplierNames[] = {
    {"MULTIPLIER_5000", CH_MULTIPLIER_5000},       {"MULTIPLIER_1000", CH_MULTIPLIER_1000},
    {"MULTIPLIER_500", CH_MULTIPLIER_500},         {"MULTIPLIER_0_05", CH_MULTIPLIER_0_05},
    {"MULTIPLIER_0_005", CH_MULTIPLIER_0_005},     {"MULTIPLIER_0_0005", CH_MULTIPLIER_0_0005},
    {"MULTIPLIER_0_00005", CH_MULTIPLIER_0_00005}, {"MULTIPLIER_1_16", CH_MULTIPLIER_1_16},
    {"MULTIPLIER_1_64", CH_MULTIPLIER_1_64},       {"MULTIPLIER_0_01", CH_MULTIPLIER_0_01},
};

struct Table {
    NameKind kind;
    std::string_view prefix;
    std::span<const Name> names;
};

constexpr Table kTables[] = {
    {NameKind::Item, "ITEM_", kItemNames},       {NameKind::Tag, "TAG_", kTagNames},
    {NameKind::Break, "BREAK_", kBreakNames},    {NameKind::Special, "SPECIAL_", kSpecialNames},
    {NameKind::Store, "STORE_", kStoreNames},    {NameKind::Storage, "STORAGE_", kStorageNames},
    {NameKind::Multiplier, "", kMultiplierNames}  // already prefixed,
};

std::optional<uint32_t> find(std::span<const Name> names, std::string_view name) {
    for (const auto &n : names)
        if (n.name == name) return n.value;
    return std::nullopt;
}

}  // namespace

// A bare name where no kind is expected: taken when every kind that knows
// it gives the same value (CELL is only a break kind; TEXT is both an item
// type and a store, so it needs its prefix there).
std::optional<uint32_t> lookup_unambiguous(std::string_view name) {
    std::optional<uint32_t> found;
    for (const auto &table : kTables) {
        auto value = find(table.names, name);
        if (!value) continue;
        if (found && *found != *value) return std::nullopt;
        found = value;
    }
    return found;
}

std::optional<uint32_t> lookup_name(NameKind kind, std::string_view name) {
    for (const auto &table : kTables)
        if (table.kind == kind)
            if (auto value = find(table.names, name)) return value;
    if (kind == NameKind::None)
        if (auto value = lookup_unambiguous(name)) return value;
    for (const auto &table : kTables)
        if (name.starts_with(table.prefix))
            if (auto value = find(table.names, name.substr(table.prefix.size()))) return value;
    return std::nullopt;
}

NameKind field_kind(uint32_t type, size_t field) {
    switch (type) {
    case CH_ITEM_BREAK: return field == 1 ? NameKind::Break : NameKind::None;
    case CH_ITEM_TAG_BEGIN:
    case CH_ITEM_TAG_END: return field == 1 ? NameKind::Tag : NameKind::None;
    case CH_ITEM_SPECIAL_CHAR: return field == 1 ? NameKind::Special : NameKind::None;
    case CH_ITEM_DATA_VALUE: return field == 2 ? NameKind::Multiplier : field == 3 ? NameKind::Storage : NameKind::None;
    default: return NameKind::None;
    }
}

std::string_view name_of(NameKind kind, uint32_t value) {
    for (const auto &table : kTables) {
        if (table.kind != kind) continue;
        for (const auto &n : table.names)
            if (n.value == value) return n.name;
    }
    return {};
}

}  // namespace qrv::ch
