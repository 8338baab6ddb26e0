// Tab modifications: stops added, replaced and cleared, kept in ascending
// order of position.
#include "chunk/tabs/tab_stop.hpp"
#include "chunk/tabs/tabs.hpp"

#include <algorithm>

namespace qrv::tabs {

namespace {

// Adds a stop, or replaces the stop at the same position.  With 32 stops in
// force the stop is dropped, whatever max_stops says.
void add_stop(CUParaChangeInfo &para, const CUTabStop &stop, uint16_t max_stops) {
    if (para.TabCount >= CU_MAX_TAB_STOPS) return;
    uint16_t at = 0;
    for (; at < para.TabCount; ++at) {
        if (para.TabStops[at].Position == stop.Position) {
            para.TabStops[at] = stop;
            return;
        }
        if (para.TabStops[at].Position > stop.Position) break;
    }
    if (at < para.TabCount) {
        // Entries move up one place as far as index max_stops - 1, which is
        // overwritten; never beyond the array.
        const int last = std::min<int>(max_stops, CU_MAX_TAB_STOPS) - 1;
        for (int i = last; i > at; --i) para.TabStops[i] = para.TabStops[i - 1];
    }
    para.TabStops[at] = stop;
    ++para.TabCount;
}

// Removes every stop from the first to the last whose position lies in
// centre +- width/2 (unsigned, wrapping: a centre below half the width
// makes an empty range).
void clear_stops(CUParaChangeInfo &para, uint32_t centre, uint32_t width) {
    const uint32_t half = width >> 1;
    const uint32_t low = centre - half;
    const uint32_t high = centre + half;
    const uint16_t count = std::min<uint16_t>(para.TabCount, CU_MAX_TAB_STOPS);
    int first = -1;
    int last = -1;
    for (int i = 0; i < count; ++i) {
        const uint32_t p = para.TabStops[i].Position;
        if (p < low || p > high) continue;
        if (first < 0) first = i;
        last = i;
    }
    if (first < 0) return;
    const int removed = last - first + 1;
    std::copy(para.TabStops + last + 1, para.TabStops + count, para.TabStops + first);
    para.TabCount = static_cast<uint16_t>(count - removed);
}

}  // namespace

uint32_t parse_tab_changes(CHHandle h, uint32_t &id, CUParaChangeInfo &para, uint16_t max_stops) {
    CHItem item{};
    for (;;) {
        if (const uint32_t result = fetch_and_pass(h, id, item); result != 0) return result;
        switch (item.type) {
        case CH_ITEM_TAB_MOD_END: return 0;
        case CH_ITEM_TAB_STOP: add_stop(para, tab_stop_of(item), max_stops); break;
        case CH_ITEM_TAB_CLEAR: clear_stops(para, item.value, item.data1); break;
        default: break;
        }
    }
}

}  // namespace qrv::tabs

// Applies a run of tab modifications up to its end item: a tab stop item
// adds a stop in position order or replaces the one at its position (with
// 32 in force it is dropped); a clear item removes the stops in its range.
// *pId moves as for CUParseParaTabs.  0 when the run ended on its end item;
// else the failed fetch's code, or 37 for a null argument or ids that stop
// growing.
extern "C" QRVAPI uint32_t CUParseParaTabMod(CHHandle h, uint32_t *pId, CUParaChangeInfo *para, uint32_t maxStops) {
    if (!pId || !para) return QRV_E_NOT_FOUND;
    return qrv::tabs::parse_tab_changes(h, *pId, *para, static_cast<uint16_t>(maxStops));
}
