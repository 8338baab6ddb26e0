#include "styles/inherit.hpp"

#include <cstring>

namespace qrv::styles {

void take_list_settings(const CUParaChangeInfo &from, CUParaChangeInfo &to) {
    if (!(from.ChangeFlags & CU_PARA_CHANGED_LIST_STYLE)) return;
    to.ListStyleIndex = from.ListStyleIndex;
    to.ListKind = from.ListKind;
    to.ListLevel = from.ListLevel;
    to.ListFlags = from.ListFlags;
    to.ChangeFlags |= CU_PARA_CHANGED_LIST_STYLE | CU_PARA_CHANGED_LIST_LEVEL;
}

void take_list_level_info(const CUParaChangeInfo &from, CUParaChangeInfo &to) {
    if (!(from.ListFlags & 1u)) return;
    std::memmove(to.ListLevelInfo, from.ListLevelInfo, sizeof to.ListLevelInfo);
    to.ListFlags |= 1u;
}

void take_tab_stops(const CUParaChangeInfo &from, CUParaChangeInfo &to) {
    if (from.TabCount == 0) return;
    const uint16_t count = from.TabCount > CU_MAX_TAB_STOPS ? CU_MAX_TAB_STOPS : from.TabCount;
    to.TabCount = count;
    std::memmove(to.TabStops, from.TabStops, count * sizeof(CUTabStop));
}

void take_item88_value(const CUParaChangeInfo &from, CUParaChangeInfo &to) {
    if (from.Item88Value != 0xFFFF) to.Item88Value = from.Item88Value;
}

void take_paragraph_settings(const CUParaChangeInfo &from, CUParaChangeInfo &to) {
    take_list_settings(from, to);
    take_list_level_info(from, to);
    take_tab_stops(from, to);
    take_item88_value(from, to);
}

void take_fonts(const CUTextChangeInfo &from, CUTextChangeInfo &to) {
    std::memmove(to.FontId, from.FontId, sizeof to.FontId);
    std::memmove(to.FontName, from.FontName, sizeof to.FontName);
    std::memmove(to.FontInfo, from.FontInfo, sizeof to.FontInfo);
    to.MultiFont = from.MultiFont;
}

}  // namespace qrv::styles
