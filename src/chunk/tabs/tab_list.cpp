// A tab list: the stops that replace the paragraph's.
#include "chunk/tabs/tab_stop.hpp"
#include "chunk/tabs/tabs.hpp"

namespace qrv::tabs {

uint32_t parse_tab_list(CHHandle h, uint32_t &id, CUParaChangeInfo &para, uint16_t max_stops) {
    uint16_t count = 0;
    uint32_t result = 0;
    CHItem item{};
    while ((result = fetch_and_pass(h, id, item)) == 0 && item.type != CH_ITEM_TAB_LIST_END) {
        if (item.type == CH_ITEM_TAB_STOP && count < max_stops && count < CU_MAX_TAB_STOPS)
            para.TabStops[count++] = tab_stop_of(item);
    }
    para.TabCount = count;
    return result;
}

}  // namespace qrv::tabs

// Reads a tab list (tab stop items up to the list end) into TabStops,
// replacing the stops in force; stops beyond maxStops (16-bit) or 32 are
// dropped.  *pId is the first item after the list begin on entry and the
// id after the last item read on return.  0 when the list ended on its end
// item; else the code of the fetch that failed (the stops read so far are
// kept, *pId is left on that item), or 37 for a null argument or for ids
// that stop growing.
extern "C" QRVAPI uint32_t CUParseParaTabs(CHHandle h, uint32_t *pId, CUParaChangeInfo *para, uint32_t maxStops) {
    if (!pId || !para) return QRV_E_NOT_FOUND;
    return qrv::tabs::parse_tab_list(h, *pId, *para, static_cast<uint16_t>(maxStops));
}
