// The tab definitions of a counted list item's list level.
#include "chunk/tabs/tab_stop.hpp"
#include "chunk/tabs/tabs.hpp"

#include "styles/sheet.hpp"

#include <qrvex/navigate.h>

#include <cstring>

namespace qrv::tabs {

namespace {

constexpr uint32_t kStopsPerParagraph = CU_MAX_TAB_STOPS;
constexpr size_t kDefinitionKeyWord = 6;

bool ends_level_definition(const CHItem &item) {
    return item.type == CH_ITEM_TAG_END && item.value == CH_TAG_LIST_LEVEL_DEF;
}

}  // namespace

uint32_t add_list_level_tabs(CUStyleSheet &sheet, CUParaChangeInfo &para, CHHandle h) {
    const auto list_style_index = static_cast<uint32_t>(para.ListStyleIndex);
    if (list_style_index >= sheet.StyleCount) return styles::kNotFound;
    // The level record is copied even when its own definition is missing,
    // so the load works on a copy that starts as the paragraph's record.
    CUListLevelRecord level{};
    static_assert(sizeof level == sizeof para.ListLevelInfo);
    std::memcpy(&level, para.ListLevelInfo, sizeof level);
    uint32_t result = styles::load_list_level(sheet, sheet.StyleTable[list_style_index].Id, para.ListLevel - 1, level);
    std::memcpy(para.ListLevelInfo, &level, sizeof level);
    if (result != 0) return result;

    uint32_t id = CH_NO_ITEM;
    uint32_t end_id = CH_NO_ITEM;
    result = CUGetTagListChangeId(para.ListLevelInfo[kDefinitionKeyWord], CH_TAG_LIST_LEVEL_DEF, 1, &id, &end_id, h);
    if (result != 0) return result;
    uint32_t last_parser_result = 0;
    CHItem item{};
    while (id != CH_NO_ITEM && fetch_and_pass(h, id, item) == 0) {
        if (item.type == CH_ITEM_TAB_LIST_BEGIN) {
            last_parser_result = parse_tab_list(h, id, para, kStopsPerParagraph);
        } else if (item.type == CH_ITEM_TAB_MOD_BEGIN) {
            last_parser_result = parse_tab_changes(h, id, para, kStopsPerParagraph);
        } else if (item.type == CH_ITEM_TAG_BEGIN) {
            id = CUSkipTag(id, h);
        } else if (ends_level_definition(item)) {
            break;
        }
    }
    return last_parser_result;
}

}  // namespace qrv::tabs

// Merges the tab definitions of the paragraph's list level into its stops:
// the level record (ListStyleIndex's list style, level ListLevel - 1) goes
// into ListLevelInfo, then the tab lists and modifications inside the
// level's own definition are applied in order, nested tags passed over.
// 0, or the code of the level load or the tag list search, or the result of
// the last tab parser run; 37 for a null sheet or record or a
// ListStyleIndex outside the style table.  A parser that stops on a
// failure leaves the id where the walk goes on, so a failing fetch ends it.
extern "C" QRVAPI uint32_t CUGatherCounterTabStopInfo(CUStyleSheet *sheet, CUParaChangeInfo *para, CHHandle h) {
    if (!sheet || !para) return qrv::styles::kNotFound;
    return qrv::tabs::add_list_level_tabs(*sheet, *para, h);
}
