// Which handler handles which item type.
#include "chunk/gather/handlers.hpp"

#include <qrvex/navigate.h>

#include <array>

namespace qrv::gather {

namespace {

constexpr uint32_t kLastHandledType = 154;

using Table = std::array<Handler, kLastHandledType + 1>;

constexpr Table make_table() {
    Table t{};
    t[8] = on_char_attribute;
    t[9] = on_font_size;
    t[10] = on_font;
    t[12] = take_para_value<&CUParaChangeInfo::Item12Value, CU_PARA_CHANGED_ITEM_12>;
    t[13] = on_indents;
    t[14] = on_item14;
    t[21] = on_tab_list;
    t[25] = take_text_value<&CUTextChangeInfo::Item25Value, CU_TEXT_CHANGED_ITEM_25>;
    t[28] = on_style;
    t[29] = on_list_level_data;
    t[30] = on_item30;
    t[56] = take_para_value<&CUParaChangeInfo::Item56Value, CU_PARA_CHANGED_ITEM_56>;
    t[57] = take_para_value<&CUParaChangeInfo::Item57Value, CU_PARA_CHANGED_ITEM_57>;
    t[58] = on_item58;
    t[59] = on_item59;
    t[60] = on_item60;
    t[61] = on_item61;
    t[62] = on_item62;
    t[63] = take_text_value<&CUTextChangeInfo::Item63Value, CU_TEXT_CHANGED_ATTR_4_ITEM_63>;
    t[64] = on_item64;
    t[65] = take_text_value<&CUTextChangeInfo::Item65Value, CU_TEXT_CHANGED_ITEM_65>;
    t[67] = on_walk_skipped_tag;
    t[70] = on_cell_value;
    t[71] = on_cell_value;
    t[72] = on_styled_cell;
    t[73] = on_styled_cell;
    t[88] = on_item88;
    t[93] = on_list_item;
    t[94] = on_item94;
    t[95] = on_style_attribute;
    t[97] = on_indent_change;
    t[98] = on_item98;
    t[99] = on_item99;
    t[100] = on_tab_changes;
    t[103] = take_para_value<&CUParaChangeInfo::Item103Value, CU_PARA_CHANGED_ITEM_103>;
    t[119] = on_multi_font;
    t[122] = on_list_level;
    t[137] = take_para_value<&CUParaChangeInfo::Item137Value, CU_PARA_CHANGED_ITEM_137>;
    t[147] = take_cell_value<&CUCellChangeInfo::Item147Value>;
    t[148] = take_cell_value<&CUCellChangeInfo::Item148Value>;
    t[150] = on_item150;
    t[151] = take_cell_value<&CUCellChangeInfo::Item151Value>;
    t[152] = take_cell_value<&CUCellChangeInfo::Item152Value>;
    t[153] = take_cell_value<&CUCellChangeInfo::Item153Value>;
    t[154] = on_item154;
    return t;
}

constexpr Table kHandlers = make_table();

}  // namespace

Handler handler_for(const CHItem &item) {
    if (item.type > kLastHandledType) return nullptr;
    if (item.type == CH_ITEM_TAG_BEGIN && !(item.value & CH_TAG_WALK_SKIP_BIT)) return nullptr;
    return kHandlers[item.type];
}

uint32_t on_walk_skipped_tag(Walk &w) {
    w.next = CUSkipTag(w.next, w.h);
    return 0;
}

}  // namespace qrv::gather
