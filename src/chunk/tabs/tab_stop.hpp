// A tab stop as a tab item gives it, and the fetch the tab parsers share.
#pragma once

#include "host/chunker.hpp"

#include <qrvex/changes.h>

namespace qrv::tabs {

inline CUTabStop tab_stop_of(const CHItem &item) {
    CUTabStop stop{};
    stop.Kind = item.value & 0xFFFFu;
    stop.Data1Low = item.data1 & 0xFFFFu;
    stop.Data1High = item.data1 >> 16;
    stop.Position = item.data2;
    return stop;
}

// What a tab run gives when the ids of a document stop growing.
inline constexpr uint32_t kLoopingRun = QRV_E_NOT_FOUND;

// Reads the item at id and moves id past it.  0, or the chunker's code with
// id left on the item; kLoopingRun (id left on the item) when the id after
// it does not grow.
inline uint32_t fetch_and_pass(CHHandle h, uint32_t &id, CHItem &item) {
    uint32_t next = id;
    if (const uint32_t result = host::get_item(h, id, item, &next); result != 0) return result;
    if (next <= id) return kLoopingRun;
    id = next;
    return 0;
}

}  // namespace qrv::tabs
