// Tab stops of a paragraph: tab lists, tab modifications and the tab
// definitions of a list level.
#pragma once

#include <qrvex/changes.h>
#include <qrvex/styles.h>

#include <cstdint>

namespace qrv::tabs {

// id is the first item after the begin item; both parsers leave it after the
// last item they read.  0 when the list ended on its end item, else the code
// of the failed fetch (or 37 when the ids stopped growing).
uint32_t parse_tab_list(CHHandle h, uint32_t &id, CUParaChangeInfo &para, uint16_t max_stops);
uint32_t parse_tab_changes(CHHandle h, uint32_t &id, CUParaChangeInfo &para, uint16_t max_stops);

// Adds the tab definitions of the paragraph's list level (see
// CUGatherCounterTabStopInfo).
uint32_t add_list_level_tabs(CUStyleSheet &sheet, CUParaChangeInfo &para, CHHandle h);

}  // namespace qrv::tabs
