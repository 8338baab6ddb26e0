// List items, list level data and the paragraph's tab items.
#include "chunk/gather/handlers.hpp"

#include "chunk/gather/list_kind.hpp"
#include "chunk/tabs/tabs.hpp"
#include "host/chunker.hpp"
#include "styles/sheet.hpp"

namespace qrv::gather {

namespace {

constexpr uint32_t kListData = 10;          // value of the list items the walk reads
constexpr uint32_t kDeepestListLevel = 12;  // 1-based levels above are no level
constexpr uint32_t kStopsPerParagraph = CU_MAX_TAB_STOPS;

bool is_counted_item_without_level_tabs(const CUParaChangeInfo &p) {
    return p.ListKind == kCountedListKind && !(p.ChangeFlags & CU_PARA_CHANGED_LIST_TABS);
}

// The tab stops of the paragraph's list level go in before its own tab
// items, once per paragraph record.
void add_list_level_tabs(Walk &w) {
    if (w.sheet) tabs::add_list_level_tabs(*w.sheet, w.para(), w.h);
    w.para().ChangeFlags |= CU_PARA_CHANGED_LIST_TABS;
}

}  // namespace

uint32_t on_list_level_data(Walk &w) {
    if (w.item.value != kListData) return 0;
    if (!w.sheet) return styles::kNotFound;
    CUParaChangeInfo &p = w.para();
    const uint32_t result =
        CHGetItems(w.sheet->ChunkerHandle, CH_STORE_STYLE_DATA, w.item.data2, sizeof p.ListLevelInfo, p.ListLevelInfo);
    if (result != 0) return result;
    p.ListFlags |= 1u;
    return 0;
}

uint32_t on_item30(Walk &w) {
    CUParaChangeInfo &p = w.para();
    if (w.item.value != kListData || p.ListLevel != w.item.data1) return 0;
    p.Item30Data1Plus1 = w.item.data1 + 1;
    p.Item30Data2 = w.item.data2;
    p.ChangeFlags |= CU_PARA_CHANGED_ITEM_30;
    return 0;
}

// data1 is the 0-based level, data2 the list kind; a kind whose low half is
// not 1, or has bit 31, is not a counted item and has no level.
uint32_t on_list_item(Walk &w) {
    if (w.item.value != kListData) return 0;
    CUParaChangeInfo &p = w.para();
    if (p.ListLevel > kDeepestListLevel) {
        p.ListLevel = 0;
        return 0;
    }
    p.ChangeFlags |= CU_PARA_CHANGED_LIST_LEVEL;
    const bool counted = (w.item.data2 & 0xFFFF) == kCountedListKind && !(w.item.data2 & 0x80000000u);
    p.ListKind = w.item.data2;
    p.ListLevel = counted ? w.item.data1 + 1 : 0;
    return 0;
}

uint32_t on_list_level(Walk &w) {
    w.para().ListLevel = w.item.value;
    w.para().ChangeFlags |= CU_PARA_CHANGED_LIST_LEVEL;
    return 0;
}

uint32_t on_tab_list(Walk &w) {
    if (is_counted_item_without_level_tabs(w.para()) && w.para().ListStyleIndex != -1) add_list_level_tabs(w);
    tabs::parse_tab_list(w.h, w.next, w.para(), kStopsPerParagraph);
    return 0;
}

uint32_t on_tab_changes(Walk &w) {
    if (is_counted_item_without_level_tabs(w.para())) add_list_level_tabs(w);
    tabs::parse_tab_changes(w.h, w.next, w.para(), kStopsPerParagraph);
    return 0;
}

}  // namespace qrv::gather
